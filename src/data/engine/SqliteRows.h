#pragma once

#include "data/engine/DbError.h"
#include "data/engine/SqlStatement.h"

#include <QByteArrayView>
#include <QString>

class DbConnection;
struct sqlite3;
struct sqlite3_stmt;

// The rows of a SELECT stepped straight through SQLite, for readers of long lists: values
// come as the engine keeps them (whole numbers, reals, UTF-8 texts) without a QVariant or
// a UTF-16 copy per cell. The statement runs on the connection's own handle, so it sees
// the connection's transaction, collations and busy timeout.
class SqliteRows {
public:
    enum class Type { Integer, Real, Text, Blob, Null };

    SqliteRows() = default;
    ~SqliteRows();
    SqliteRows(const SqliteRows&) = delete;
    SqliteRows& operator=(const SqliteRows&) = delete;

    // False on PostgreSQL or a closed connection: read through QtSql then.
    static bool available(const DbConnection& connection);

    DbError open(DbConnection& connection, const SqlStatement& statement);
    // The next row; false at the end or on a failure, which error() then holds.
    bool next();
    DbError error() const { return m_error; }

    int columnCount() const { return m_columns; }
    QString columnName(int column) const;

    Type type(int column) const;
    qint64 integer(int column) const;
    double real(int column) const;
    QByteArrayView bytes(int column) const;  // a text's UTF-8 or a blob's bytes

private:
    DbError failure(int code) const;

    sqlite3* m_handle = nullptr;
    sqlite3_stmt* m_statement = nullptr;
    int m_columns = 0;
    DbError m_error;
};
