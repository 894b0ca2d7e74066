#pragma once

#include "TestDataDir.h"
#include "TestLocation.h"
#include "data/TmyDataBase.h"
#include "data/schema/DatabaseCreator.h"

#include <memory>

class MessageService;

// A test's own data directory and database, at a fresh location of the engine under test,
// with one company (empty, or the sample company under its own name and directory)
// opened in a data module. In initTestCase:
//   m_company = std::make_unique<TestCompany>();
//   REQUIRE_LOCATION(m_company->place());
//   QVERIFY2(m_company->create(Contents::Empty, &m_messages), qPrintable(m_company->error()));
class TestCompany {
public:
    TestCompany() = default;

    const TestLocation& place() const { return m_location; }
    const DbLocation& location() const { return m_location.location(); }
    QString dataDirectory() const { return m_dataDir.path(); }

    // Creates the database and the company and opens it; false with the reason in error().
    bool create(DatabaseCreator::Contents contents, MessageService* messages = nullptr,
                const QString& name = QStringLiteral("Próba"),
                const QString& dir = QStringLiteral("proba"));
    const QString& error() const { return m_error; }

    TmyDataBase& db() { return *m_db; }

private:
    TestDataDir m_dataDir;
    TestLocation m_location;
    std::unique_ptr<TmyDataBase> m_db;
    QString m_error;
};
