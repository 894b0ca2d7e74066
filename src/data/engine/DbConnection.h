#pragma once

#include "data/engine/DbError.h"
#include "data/engine/DbLocation.h"
#include "data/engine/DbQuery.h"
#include "data/engine/SqlStatement.h"

#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <QString>

struct pg_conn;
struct sqlite3;
struct sqlite3_stmt;

// One named database of the program (the main database or a company's) over QtSql,
// on SQLite or PostgreSQL. Statements run synchronously; every failure comes back as a
// classified DbError and never throws.
class DbConnection {
public:
    explicit DbConnection(const QString& connectionName);
    ~DbConnection();
    DbConnection(const DbConnection&) = delete;
    DbConnection& operator=(const DbConnection&) = delete;

    // The main database of a location, or the company stored under dir. With
    // mustExist a missing database is an error instead of being created.
    DbError openMain(const DbLocation& location, bool mustExist = true);
    DbError openCompany(const DbLocation& location, const QString& dir, bool mustExist = true);
    void close();

    bool isOpen() const;
    EngineKind engine() const { return m_engine; }
    QString connectionName() const { return m_name; }
    QString schema() const { return m_schema; }  // PostgreSQL only
    QSqlDatabase database() const;
    // SQLite's own handle of an open SQLite connection, for readers that step rows
    // themselves; null on PostgreSQL.
    sqlite3* sqliteHandle() const;
    // The PostgreSQL session's libpq connection; null on SQLite or when closed.
    pg_conn* postgresHandle() const;

    DbError execute(const SqlStatement& statement, int* rowsAffected = nullptr);
    DbError select(const SqlStatement& statement, DbQuery* result);
    // Runs an INSERT and gives back the key the engine assigned to keyField.
    DbError insert(const SqlStatement& statement, const QString& keyField, qint64* key);

    // Transactions nest by counting: only the outermost commit writes, and a rollback at
    // any depth makes the whole transaction roll back. SQLite takes the write lock at the
    // start so that two programs wait for each other instead of failing midway.
    DbError begin();
    DbError commit();
    void rollback();
    bool inTransaction() const { return m_depth > 0; }

    // A savepoint inside the open transaction: rolling back to it undoes only what came
    // after it, a failure in between included (PostgreSQL refuses every statement after a
    // failed one until then), so one failing step of a long write need not lose the rest.
    DbError savepoint(const QString& name);
    DbError releaseSavepoint(const QString& name);
    void rollbackToSavepoint(const QString& name);

    // Appended to a SELECT whose rows the same transaction goes on to change: another
    // program cannot change them in between. SQLite needs nothing, its transactions hold
    // the write lock from the start.
    QString forUpdate() const;

    static bool driverAvailable(EngineKind engine);
    // How long a statement waits for another program's lock before reporting the
    // database busy (SQLite's busy timeout, PostgreSQL's lock timeout); connections
    // opened afterwards use it.
    static void setBusyTimeout(int milliseconds);
    static QString quoteIdentifier(const QString& name);

private:
    friend class PreparedStatement;
    // A statement without values that runs again and again (the savepoints of a long
    // write), prepared once per connection.
    DbError runFixed(const QString& sql);
    DbError openSqliteFile(const QString& file, bool mustExist);
    DbError openPostgres(const DbLocation& location, const QString& schema, bool mustExist);
    DbError prepare(QSqlQuery& query, const SqlStatement& statement);
    DbError error(const QSqlError& sqlError) const;

    QString m_name;
    EngineKind m_engine = EngineKind::Sqlite;
    QString m_schema;
    int m_depth = 0;
    bool m_rollbackOnly = false;
    QList<std::pair<QString, bool>> m_savepoints;  // name, rollback-only when it was set
    QHash<QString, struct sqlite3_stmt*> m_fixed;  // SQLite's, prepared once
};

// A statement prepared once and run many times with new values: a write of many rows
// parses its statement once instead of once a row.
class PreparedStatement {
public:
    PreparedStatement(DbConnection& connection, const QString& sql);
    DbError prepareError() const { return m_prepareError; }
    void bind(const QString& placeholder, const QVariant& value);
    DbError run();

private:
    DbConnection& m_connection;
    QSqlQuery m_query;
    DbError m_prepareError;
};

// Rolls back unless committed: a write of several statements is one transaction.
class Transaction {
public:
    explicit Transaction(DbConnection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    DbError beginError() const { return m_beginError; }
    DbError commit();

private:
    DbConnection& m_connection;
    DbError m_beginError;
    bool m_open = false;
};

// Rolls back to itself unless released. Only inside a transaction.
class Savepoint {
public:
    Savepoint(DbConnection& connection, const QString& name);
    ~Savepoint();
    Savepoint(const Savepoint&) = delete;
    Savepoint& operator=(const Savepoint&) = delete;

    DbError beginError() const { return m_beginError; }
    DbError release();

private:
    DbConnection& m_connection;
    QString m_name;
    DbError m_beginError;
    bool m_open = false;
};
