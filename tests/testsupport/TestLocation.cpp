#include "TestLocation.h"

#include "data/engine/DbConnection.h"

#include <QAtomicInt>
#include <QCoreApplication>

namespace {

QString uniqueName(const char* prefix) {
    static QAtomicInt counter;
    return QStringLiteral("%1_%2_%3")
        .arg(QLatin1String(prefix))
        .arg(QCoreApplication::applicationPid())
        .arg(counter.fetchAndAddRelaxed(1));
}

DbLocation withDatabase(const DbLocation& server, const QString& database) {
    QString text = server.text();
    const qsizetype slash = text.indexOf(QLatin1Char('/'), text.indexOf(QLatin1String("://")) + 3);
    const qsizetype query = text.indexOf(QLatin1Char('?'), slash);
    text = text.left(slash + 1) + database + (query < 0 ? QString() : text.mid(query));
    return *DbLocation::parse(text);
}

}  // namespace

EngineKind TestLocation::engine() {
    return qEnvironmentVariable("FLOTANOR_TEST_ENGINE") == QLatin1String("postgres")
               ? EngineKind::Postgres
               : EngineKind::Sqlite;
}

QString TestLocation::engineName() {
    return engine() == EngineKind::Postgres ? QStringLiteral("postgres") : QStringLiteral("sqlite");
}

bool TestLocation::mustFail() const {
    return engine() == EngineKind::Postgres && qEnvironmentVariableIntValue("FLOTANOR_REQUIRE_PG");
}

TestLocation::TestLocation() {
    if (engine() == EngineKind::Sqlite) {
        m_directory = std::make_unique<QTemporaryDir>();
        m_valid = m_directory->isValid();
        m_location = DbLocation::sqlite(m_directory->path() + QStringLiteral("/baza"));
        if (!m_valid)
            m_problem = QStringLiteral("no temporary directory");
        return;
    }
    m_serverUrl = qEnvironmentVariable("FLOTANOR_TEST_PG");
    const auto server = DbLocation::parse(m_serverUrl);
    if (m_serverUrl.isEmpty() || !server || !server->isPostgres()) {
        m_problem = QStringLiteral("FLOTANOR_TEST_PG names no PostgreSQL server");
        return;
    }
    m_databaseName = uniqueName("flotanor_test");
    DbConnection admin(uniqueName("test_admin"));
    if (DbError error = admin.openMain(*server, false)) {
        m_problem = error.message();
        return;
    }
    if (DbError error =
            admin.execute(SqlStatement(QStringLiteral("CREATE DATABASE ") + m_databaseName))) {
        m_problem = error.message();
        return;
    }
    m_location = withDatabase(*server, m_databaseName);
    m_valid = true;
}

TestLocation::~TestLocation() {
    if (m_databaseName.isEmpty() || !m_valid)
        return;
    DbConnection admin(uniqueName("test_admin"));
    if (!admin.openMain(*DbLocation::parse(m_serverUrl), false))
        admin.execute(SqlStatement(
            QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_databaseName)));
}
