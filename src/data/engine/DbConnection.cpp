#include "data/engine/DbConnection.h"

#include "data/engine/PolishCollation.h"
#include "support/PrivateFiles.h"

#include <sqlite3.h>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const char* driverName(EngineKind engine) {
    return engine == EngineKind::Sqlite ? "QSQLITE" : "QPSQL";
}

// The named placeholders of a statement, in order of appearance.
QStringList placeholders(const QString& text) {
    QStringList names;
    for (const SqlStatement::Span& span : SqlStatement::placeholders(text))
        names << text.mid(span.start, span.length);
    return names;
}

int g_busyTimeout = 15000;

}  // namespace

void DbConnection::setBusyTimeout(int milliseconds) {
    g_busyTimeout = milliseconds;
}

DbConnection::DbConnection(const QString& connectionName) : m_name(connectionName) {}

DbConnection::~DbConnection() {
    close();
}

bool DbConnection::driverAvailable(EngineKind engine) {
    return QSqlDatabase::isDriverAvailable(QString::fromLatin1(driverName(engine)));
}

QString DbConnection::quoteIdentifier(const QString& name) {
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString DbConnection::forUpdate() const {
    return m_engine == EngineKind::Postgres ? QStringLiteral(" FOR UPDATE") : QString();
}

QSqlDatabase DbConnection::database() const {
    return QSqlDatabase::database(m_name, false);
}

sqlite3* DbConnection::sqliteHandle() const {
    if (m_engine != EngineKind::Sqlite || !isOpen())
        return nullptr;
    const QVariant handle = database().driver()->handle();
    return handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0
               ? *static_cast<sqlite3* const*>(handle.data())
               : nullptr;
}

pg_conn* DbConnection::postgresHandle() const {
    if (m_engine != EngineKind::Postgres || !isOpen())
        return nullptr;
    const QVariant handle = database().driver()->handle();
    const bool libpq = handle.isValid() && (qstrcmp(handle.typeName(), "pg_conn*") == 0 ||
                                            qstrcmp(handle.typeName(), "PGconn*") == 0);
    return libpq ? *static_cast<pg_conn* const*>(handle.data()) : nullptr;
}

bool DbConnection::isOpen() const {
    return QSqlDatabase::contains(m_name) && database().isOpen();
}

void DbConnection::close() {
    for (sqlite3_stmt* statement : std::as_const(m_fixed))
        sqlite3_finalize(statement);
    m_fixed.clear();
    if (!QSqlDatabase::contains(m_name))
        return;
    {
        QSqlDatabase db = database();
        if (db.isOpen()) {
            if (m_depth > 0)
                db.rollback();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(m_name);
    m_depth = 0;
    m_rollbackOnly = false;
    m_savepoints.clear();
    m_schema.clear();
}

DbError DbConnection::error(const QSqlError& sqlError) const {
    return DbError::fromSql(sqlError, m_engine);
}

DbError DbConnection::openMain(const DbLocation& location, bool mustExist) {
    if (location.isPostgres())
        return openPostgres(location, DbLocation::mainSchema(), mustExist);
    return openSqliteFile(location.mainFile(), mustExist);
}

DbError DbConnection::openCompany(const DbLocation& location, const QString& dir, bool mustExist) {
    if (location.isPostgres())
        return openPostgres(location, dir, mustExist);
    return openSqliteFile(location.companyFile(dir), mustExist);
}

DbError DbConnection::openSqliteFile(const QString& file, bool mustExist) {
    close();
    m_engine = EngineKind::Sqlite;
    if (!driverAvailable(m_engine))
        return {DbError::Kind::DriverMissing,
                QStringLiteral("Brak sterownika bazy SQLite (pakiet libqt6sql6-sqlite).")};
    if (mustExist && !QFileInfo::exists(file))
        return {DbError::Kind::CannotOpen,
                QStringLiteral("Nie znaleziono pliku bazy danych %1").arg(file)};
    // A new database is its owner's alone; its journal files take the same permissions.
    if (!mustExist && !PrivateFiles::createFile(file))
        return {DbError::Kind::CannotOpen,
                QStringLiteral("Nie udało się utworzyć pliku bazy danych %1").arg(file)};
    DbError failed;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QString::fromLatin1(driverName(m_engine)), m_name);
        db.setDatabaseName(file);
        // Two programs on one file wait for each other's writes instead of failing.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(g_busyTimeout));
        if (!db.open()) {
            const DbError result = error(db.lastError());
            failed = {DbError::Kind::CannotOpen, result.message(), result.nativeCode()};
        } else if (!PolishCollation::registerOn(db)) {
            failed = {DbError::Kind::Other,
                      QStringLiteral("Nie udało się zarejestrować porządku sortowania.")};
        }
    }
    // A long list being read in one program never holds up a save in another.
    if (!failed)
        failed = execute(SqlStatement(QStringLiteral("PRAGMA journal_mode = WAL")));
    // The pages a large company's lists walk stay in memory between listings (32 MiB at
    // most, taken only as pages are read); the engine's 2 MiB would read most of them again.
    if (!failed)
        failed = execute(SqlStatement(QStringLiteral("PRAGMA cache_size = -32768")));
    if (failed)
        close();
    return failed;
}

DbError DbConnection::openPostgres(const DbLocation& location, const QString& schema,
                                   bool mustExist) {
    close();
    m_engine = EngineKind::Postgres;
    if (!driverAvailable(m_engine))
        return {DbError::Kind::DriverMissing,
                QStringLiteral("Brak sterownika bazy PostgreSQL (pakiet libqt6sql6-psql).")};
    DbError failed;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QString::fromLatin1(driverName(m_engine)), m_name);
        db.setHostName(location.host());
        db.setPort(location.port());
        db.setDatabaseName(location.database());
        db.setUserName(location.user());
        db.setPassword(location.password());
        if (!location.connectOptions().isEmpty())
            db.setConnectOptions(location.connectOptions());
        if (!db.open()) {
            const DbError result = error(db.lastError());
            failed = {DbError::Kind::CannotOpen, result.message(), result.nativeCode()};
        }
    }
    if (failed) {
        close();
        return failed;
    }
    m_schema = schema;
    if (mustExist) {
        SqlStatement check(QStringLiteral(
            "SELECT 1 FROM information_schema.schemata WHERE schema_name = :SCHEMA"));
        check.bindText(QStringLiteral(":SCHEMA"), schema);
        bool exists = false;
        {
            DbQuery found;
            failed = select(check, &found);
            exists = failed.ok() && found.next();
        }
        if (!exists) {
            close();
            return failed ? failed
                          : DbError(DbError::Kind::CannotOpen,
                                    QStringLiteral("Baza danych %1 nie zawiera schematu %2")
                                        .arg(location.displayText(), schema));
        }
    }
    failed = execute(SqlStatement(QStringLiteral("SET search_path TO ") + quoteIdentifier(schema)));
    if (!failed)
        failed = execute(SqlStatement(QStringLiteral("SET client_min_messages TO warning")));
    // A lock held by another program ends in "database locked", as on SQLite.
    if (!failed)
        failed = execute(SqlStatement(QStringLiteral("SET lock_timeout = %1").arg(g_busyTimeout)));
    if (failed)
        close();
    return failed;
}

DbError DbConnection::prepare(QSqlQuery& query, const SqlStatement& statement) {
    // On PostgreSQL a forward-only result comes from the server row by row, and the driver
    // drops the rows not yet read when the next statement starts on the session; a whole
    // result is taken at once and stays. Long lists are read through libpq instead.
    query.setForwardOnly(m_engine == EngineKind::Sqlite);
    const QStringList names = placeholders(statement.text);
    if (names.isEmpty())
        return {};
    if (!query.prepare(statement.text))
        return error(query.lastError());
    QStringList bound;
    for (const QString& name : names) {
        if (bound.contains(name))
            continue;
        bool found = false;
        for (const auto& binding : statement.bindings) {
            if (binding.first == name) {
                query.bindValue(name, binding.second);
                found = true;
                break;
            }
        }
        if (!found)
            return {DbError::Kind::Other, QStringLiteral("Brak wartości parametru %1").arg(name)};
        bound << name;
    }
    return {};
}

DbError DbConnection::execute(const SqlStatement& statement, int* rowsAffected) {
    if (!isOpen())
        return {DbError::Kind::CannotOpen, QStringLiteral("Baza danych nie jest otwarta.")};
    QSqlQuery query(database());
    if (DbError failed = prepare(query, statement))
        return failed;
    const bool ok =
        placeholders(statement.text).isEmpty() ? query.exec(statement.text) : query.exec();
    if (!ok)
        return error(query.lastError());
    if (rowsAffected)
        *rowsAffected = query.numRowsAffected();
    return {};
}

DbError DbConnection::select(const SqlStatement& statement, DbQuery* result) {
    if (!isOpen())
        return {DbError::Kind::CannotOpen, QStringLiteral("Baza danych nie jest otwarta.")};
    QSqlQuery query(database());
    if (DbError failed = prepare(query, statement))
        return failed;
    const bool ok =
        placeholders(statement.text).isEmpty() ? query.exec(statement.text) : query.exec();
    if (!ok)
        return error(query.lastError());
    *result = DbQuery(std::move(query));
    return {};
}

DbError DbConnection::insert(const SqlStatement& statement, const QString& keyField, qint64* key) {
    if (m_engine == EngineKind::Sqlite) {
        if (!isOpen())
            return {DbError::Kind::CannotOpen, QStringLiteral("Baza danych nie jest otwarta.")};
        QSqlQuery query(database());
        if (DbError failed = prepare(query, statement))
            return failed;
        const bool ok =
            placeholders(statement.text).isEmpty() ? query.exec(statement.text) : query.exec();
        if (!ok)
            return error(query.lastError());
        const QVariant id = query.lastInsertId();
        if (key)
            *key = id.isValid() ? id.toLongLong() : -1;
        return {};
    }
    SqlStatement returning = statement;
    returning.text = returning.text.trimmed();
    while (returning.text.endsWith(QLatin1Char(';')))
        returning.text.chop(1);
    returning.text += QStringLiteral(" RETURNING ") + keyField;
    DbQuery result;
    if (DbError failed = select(returning, &result))
        return failed;
    if (key)
        *key = result.next() ? result.value(0).toLongLong() : -1;
    return {};
}

DbError DbConnection::begin() {
    if (m_depth > 0) {
        ++m_depth;
        return {};
    }
    m_rollbackOnly = false;
    const QString sql = m_engine == EngineKind::Sqlite ? QStringLiteral("BEGIN IMMEDIATE")
                                                       : QStringLiteral("BEGIN");
    if (DbError failed = execute(SqlStatement(sql)))
        return failed;
    m_depth = 1;
    return {};
}

DbError DbConnection::commit() {
    if (m_depth == 0)
        return {DbError::Kind::Other, QStringLiteral("Brak otwartej transakcji.")};
    if (m_depth > 1) {
        --m_depth;
        return {};
    }
    if (m_rollbackOnly) {
        rollback();
        return {DbError::Kind::Other,
                QStringLiteral("Transakcja została wycofana po wcześniejszym błędzie.")};
    }
    DbError failed = execute(SqlStatement(QStringLiteral("COMMIT")));
    if (failed) {
        rollback();
        return failed;
    }
    m_depth = 0;
    m_savepoints.clear();
    return {};
}

void DbConnection::rollback() {
    if (m_depth == 0)
        return;
    if (m_depth > 1) {
        --m_depth;
        m_rollbackOnly = true;
        return;
    }
    execute(SqlStatement(QStringLiteral("ROLLBACK")));
    m_depth = 0;
    m_rollbackOnly = false;
    m_savepoints.clear();
}

DbError DbConnection::savepoint(const QString& name) {
    if (m_depth == 0)
        return {DbError::Kind::Other, QStringLiteral("Brak otwartej transakcji.")};
    if (DbError failed = runFixed(QStringLiteral("SAVEPOINT ") + name))
        return failed;
    m_savepoints.append({name, m_rollbackOnly});
    return {};
}

DbError DbConnection::releaseSavepoint(const QString& name) {
    DbError failed = runFixed(QStringLiteral("RELEASE SAVEPOINT ") + name);
    if (!m_savepoints.isEmpty() && m_savepoints.last().first == name)
        m_savepoints.removeLast();
    return failed;
}

void DbConnection::rollbackToSavepoint(const QString& name) {
    if (m_depth == 0)
        return;
    runFixed(QStringLiteral("ROLLBACK TO SAVEPOINT ") + name);
    runFixed(QStringLiteral("RELEASE SAVEPOINT ") + name);
    // A nested write that failed after the savepoint marked the transaction for rollback;
    // that write is undone now, so the mark goes with it.
    if (!m_savepoints.isEmpty() && m_savepoints.last().first == name)
        m_rollbackOnly = m_savepoints.takeLast().second;
}

DbError DbConnection::runFixed(const QString& sql) {
    // PostgreSQL cannot prepare transaction control, and the server parses it cheaply.
    if (m_engine == EngineKind::Postgres)
        return execute(SqlStatement(sql));
    if (!isOpen())
        return {DbError::Kind::CannotOpen, QStringLiteral("Baza danych nie jest otwarta.")};
    // Straight to SQLite: through QtSql a savepoint costs more than the row it guards.
    sqlite3* sqlite = sqliteHandle();
    if (!sqlite)
        return execute(SqlStatement(sql));
    sqlite3_stmt*& statement = m_fixed[sql];
    if (!statement && sqlite3_prepare_v2(sqlite, sql.toUtf8().constData(), -1, &statement,
                                         nullptr) != SQLITE_OK) {
        m_fixed.remove(sql);
        return {DbError::Kind::Other, QString::fromUtf8(sqlite3_errmsg(sqlite))};
    }
    const int result = sqlite3_step(statement);
    sqlite3_reset(statement);
    if (result != SQLITE_DONE && result != SQLITE_ROW)
        return {result == SQLITE_BUSY ? DbError::Kind::Busy : DbError::Kind::Other,
                QString::fromUtf8(sqlite3_errmsg(sqlite))};
    return {};
}

PreparedStatement::PreparedStatement(DbConnection& connection, const QString& sql)
    : m_connection(connection), m_query(connection.database()) {
    if (!connection.isOpen())
        m_prepareError = {DbError::Kind::CannotOpen,
                          QStringLiteral("Baza danych nie jest otwarta.")};
    else if (!m_query.prepare(sql))
        m_prepareError = connection.error(m_query.lastError());
}

void PreparedStatement::bind(const QString& placeholder, const QVariant& value) {
    m_query.bindValue(placeholder, value);
}

DbError PreparedStatement::run() {
    if (m_prepareError)
        return m_prepareError;
    if (!m_query.exec())
        return m_connection.error(m_query.lastError());
    return {};
}

Savepoint::Savepoint(DbConnection& connection, const QString& name)
    : m_connection(connection), m_name(name) {
    m_beginError = m_connection.savepoint(name);
    m_open = m_beginError.ok();
}

Savepoint::~Savepoint() {
    if (m_open)
        m_connection.rollbackToSavepoint(m_name);
}

DbError Savepoint::release() {
    if (!m_open)
        return m_beginError;
    m_open = false;
    return m_connection.releaseSavepoint(m_name);
}

Transaction::Transaction(DbConnection& connection) : m_connection(connection) {
    m_beginError = m_connection.begin();
    m_open = m_beginError.ok();
}

Transaction::~Transaction() {
    if (m_open)
        m_connection.rollback();
}

DbError Transaction::commit() {
    if (!m_open)
        return m_beginError
                   ? m_beginError
                   : DbError(DbError::Kind::Other, QStringLiteral("Transakcja nie jest otwarta."));
    m_open = false;
    return m_connection.commit();
}
