#pragma once

#include "data/engine/DbError.h"
#include "data/engine/SqlStatement.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

class DbConnection;
struct pg_conn;
struct pg_result;

// The rows of a SELECT read straight through libpq, one row at a time, for readers of long
// lists: numbers are parsed from the server's text once, texts stay UTF-8, and no QVariant
// is made per cell. The statement runs on the connection's own session, so it sees its
// transaction, search path and lock timeout.
class PostgresRows {
public:
    enum class Type { Integer, Real, Text, Blob, Null };

    PostgresRows() = default;
    ~PostgresRows();
    PostgresRows(const PostgresRows&) = delete;
    PostgresRows& operator=(const PostgresRows&) = delete;

    // False on SQLite, a closed connection, or while another statement is still being
    // read on the session: read through QtSql then.
    static bool available(const DbConnection& connection);

    DbError open(DbConnection& connection, const SqlStatement& statement);
    // The next row; false at the end or on a failure, which error() then holds.
    bool next();
    DbError error() const { return m_error; }

    int columnCount() const { return int(m_types.size()); }
    QString columnName(int column) const { return m_names.at(size_t(column)); }

    Type type(int column) const;
    qint64 integer(int column) const;
    double real(int column) const;
    QByteArrayView bytes(int column) const;  // a text's UTF-8 or a blob's bytes

    // The statement's named placeholders as libpq's numbered ones ($1, $2, ...), a name
    // used twice keeping its number; quoted texts and "::" casts are left as they are.
    static QByteArray numbered(const QString& text, QStringList* names);

private:
    DbError failure(pg_result* result) const;
    void finish();

    pg_conn* m_connection = nullptr;
    pg_result* m_row = nullptr;
    bool m_sent = false;        // results of the statement remain to be read
    bool m_pending = false;     // the first row, read by open(), is still to be given
    std::vector<Type> m_types;  // by column, of a value that is not NULL
    std::vector<QString> m_names;
    mutable QByteArray m_blob;
    DbError m_error;
};
