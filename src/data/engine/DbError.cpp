#include "data/engine/DbError.h"

#include <QSqlError>

DbError::DbError(Kind kind, QString message, QString nativeCode)
    : m_kind(kind), m_message(std::move(message)), m_nativeCode(std::move(nativeCode)) {}

static DbError::Kind sqliteKind(int code, bool* unique) {
    switch (code & 0xff) {
        case 5:  // SQLITE_BUSY
        case 6:  // SQLITE_LOCKED
            return DbError::Kind::Busy;
        case 14:  // SQLITE_CANTOPEN
        case 26:  // SQLITE_NOTADB
            return DbError::Kind::CannotOpen;
        case 19:                                     // SQLITE_CONSTRAINT
            *unique = code == 2067 || code == 1555;  // extended UNIQUE and PRIMARY KEY codes
            return DbError::Kind::Constraint;
        default:
            return DbError::Kind::Other;
    }
}

static DbError::Kind postgresKind(const QString& state, bool* unique) {
    if (state.startsWith(QLatin1String("23"))) {
        *unique = state == QLatin1String("23505");
        return DbError::Kind::Constraint;
    }
    if (state == QLatin1String("55P03") || state == QLatin1String("40P01") ||
        state == QLatin1String("40001") || state == QLatin1String("55006"))
        return DbError::Kind::Busy;
    if (state.startsWith(QLatin1String("08")) || state.startsWith(QLatin1String("28")) ||
        state == QLatin1String("3D000") || state == QLatin1String("57P03"))
        return DbError::Kind::CannotOpen;
    return DbError::Kind::Other;
}

DbError DbError::fromSqlite(int code, const QString& message) {
    bool unique = false;
    Kind kind = sqliteKind(code, &unique);
    if (message.contains(QLatin1String("UNIQUE constraint failed"))) {
        kind = Kind::Constraint;
        unique = true;
    }
    DbError result(kind, message, QString::number(code));
    result.m_unique = unique;
    return result;
}

DbError DbError::fromPostgres(const QString& state, const QString& message) {
    bool unique = false;
    Kind kind = postgresKind(state, &unique);
    if (kind == Kind::Other && state.isEmpty())  // the session itself failed
        kind = Kind::CannotOpen;
    DbError result(kind, message, state);
    result.m_unique = unique;
    return result;
}

DbError DbError::fromSql(const QSqlError& error, EngineKind engine) {
    if (error.type() == QSqlError::NoError)
        return {};
    QString message = error.databaseText().trimmed();
    const QString driverText = error.driverText().trimmed();
    if (message.isEmpty())
        message = driverText;
    else if (!driverText.isEmpty() && !message.contains(driverText))
        message = driverText + QStringLiteral(": ") + message;

    const QString code = error.nativeErrorCode();
    bool unique = false;
    Kind kind = Kind::Other;
    if (engine == EngineKind::Sqlite) {
        bool isNumber = false;
        const int number = code.toInt(&isNumber);
        if (isNumber)
            kind = sqliteKind(number, &unique);
        // The driver reports some busy states only in its text.
        if (message.contains(QLatin1String("database is locked")))
            kind = Kind::Busy;
        if (message.contains(QLatin1String("UNIQUE constraint failed"))) {
            kind = Kind::Constraint;
            unique = true;
        }
    } else {
        kind = postgresKind(code, &unique);
    }
    if (kind == Kind::Other && error.type() == QSqlError::ConnectionError)
        kind = Kind::CannotOpen;
    DbError result(kind, message, code);
    result.m_unique = unique;
    return result;
}
