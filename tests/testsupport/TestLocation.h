#pragma once

#include "data/engine/DbLocation.h"

#include <QTemporaryDir>
#include <memory>

// A fresh, empty database location for one test on the engine the test run names in
// FLOTANOR_TEST_ENGINE ("sqlite", the default, or "postgres"): a temporary directory, or
// a new database on the PostgreSQL server of FLOTANOR_TEST_PG that is dropped again.
class TestLocation {
public:
    TestLocation();
    ~TestLocation();
    TestLocation(const TestLocation&) = delete;
    TestLocation& operator=(const TestLocation&) = delete;

    static EngineKind engine();
    static QString engineName();

    bool isValid() const { return m_valid; }
    // Why there is no location: no server configured (the test is skipped unless the
    // run requires PostgreSQL) or the server refused.
    QString problem() const { return m_problem; }
    bool mustFail() const;
    const DbLocation& location() const { return m_location; }

private:
    bool m_valid = false;
    QString m_problem;
    QString m_databaseName;
    QString m_serverUrl;
    std::unique_ptr<QTemporaryDir> m_directory;
    DbLocation m_location;
};

// Skips or fails the current test function when the location could not be made.
#define REQUIRE_LOCATION(testLocation)                       \
    do {                                                     \
        if (!(testLocation).isValid()) {                     \
            if ((testLocation).mustFail())                   \
                QFAIL(qPrintable((testLocation).problem())); \
            QSKIP(qPrintable((testLocation).problem()));     \
        }                                                    \
    } while (false)
