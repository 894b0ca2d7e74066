#pragma once

#include "data/engine/EngineKind.h"

#include <QString>

class QSqlError;

// A failed engine call, classified so that callers can tell a busy database from a
// broken statement, with the engine's own message kept for the error report.
class DbError {
public:
    enum class Kind { None, Busy, CannotOpen, DriverMissing, Constraint, Other };

    DbError() = default;
    DbError(Kind kind, QString message, QString nativeCode = {});
    static DbError fromSql(const QSqlError& error, EngineKind engine);
    // SQLite's own result code (extended codes too) with its message.
    static DbError fromSqlite(int code, const QString& message);
    // PostgreSQL's SQLSTATE with its message.
    static DbError fromPostgres(const QString& state, const QString& message);

    bool ok() const { return m_kind == Kind::None; }
    explicit operator bool() const { return !ok(); }  // true when there is an error
    Kind kind() const { return m_kind; }
    QString message() const { return m_message; }
    QString nativeCode() const { return m_nativeCode; }
    // A unique index refused the row (a typed key that already exists).
    bool isUniqueViolation() const { return m_unique; }

private:
    Kind m_kind = Kind::None;
    QString m_message;
    QString m_nativeCode;
    bool m_unique = false;
};
