#include "data/engine/SqliteRows.h"

#include "data/engine/DbConnection.h"

#include <sqlite3.h>

SqliteRows::~SqliteRows() {
    sqlite3_finalize(m_statement);
}

bool SqliteRows::available(const DbConnection& connection) {
    return connection.sqliteHandle() != nullptr;
}

DbError SqliteRows::failure(int code) const {
    return DbError::fromSqlite(code, QString::fromUtf8(sqlite3_errmsg(m_handle)));
}

DbError SqliteRows::open(DbConnection& connection, const SqlStatement& statement) {
    sqlite3_finalize(m_statement);
    m_statement = nullptr;
    m_columns = 0;
    m_error = {};
    m_handle = connection.sqliteHandle();
    if (!m_handle)
        return m_error = {DbError::Kind::CannotOpen,
                          QStringLiteral("Baza danych nie jest otwarta.")};
    const QByteArray text = statement.text.toUtf8();
    if (const int code =
            sqlite3_prepare_v2(m_handle, text.constData(), int(text.size()), &m_statement, nullptr);
        code != SQLITE_OK)
        return m_error = failure(code);
    // Every placeholder of the text needs its value; values the text does not name are
    // ignored, as when a clause left its line empty.
    for (int index = 1; index <= sqlite3_bind_parameter_count(m_statement); ++index) {
        const char* name = sqlite3_bind_parameter_name(m_statement, index);
        const QString placeholder = QString::fromUtf8(name ? name : "?");
        const QVariant* value = nullptr;
        for (const auto& binding : statement.bindings) {
            if (binding.first == placeholder) {
                value = &binding.second;
                break;
            }
        }
        if (!value)
            return m_error = {DbError::Kind::Other,
                              QStringLiteral("Brak wartości parametru %1").arg(placeholder)};
        int code = SQLITE_OK;
        switch (value->isNull() ? QMetaType::UnknownType : value->typeId()) {
            case QMetaType::UnknownType:
                code = sqlite3_bind_null(m_statement, index);
                break;
            case QMetaType::Bool:
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::LongLong:
            case QMetaType::Short:
            case QMetaType::UShort:
                code = sqlite3_bind_int64(m_statement, index, value->toLongLong());
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                code = sqlite3_bind_double(m_statement, index, value->toDouble());
                break;
            case QMetaType::QByteArray: {
                const QByteArray blob = value->toByteArray();
                code = sqlite3_bind_blob64(m_statement, index, blob.constData(),
                                           sqlite3_uint64(blob.size()), SQLITE_TRANSIENT);
                break;
            }
            default: {
                const QByteArray utf8 = value->toString().toUtf8();
                code =
                    sqlite3_bind_text64(m_statement, index, utf8.constData(),
                                        sqlite3_uint64(utf8.size()), SQLITE_TRANSIENT, SQLITE_UTF8);
                break;
            }
        }
        if (code != SQLITE_OK)
            return m_error = failure(code);
    }
    m_columns = sqlite3_column_count(m_statement);
    return {};
}

bool SqliteRows::next() {
    if (!m_statement || m_error)
        return false;
    const int code = sqlite3_step(m_statement);
    if (code == SQLITE_ROW)
        return true;
    if (code != SQLITE_DONE)
        m_error = failure(code);
    return false;
}

QString SqliteRows::columnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(m_statement, column));
}

SqliteRows::Type SqliteRows::type(int column) const {
    switch (sqlite3_column_type(m_statement, column)) {
        case SQLITE_INTEGER:
            return Type::Integer;
        case SQLITE_FLOAT:
            return Type::Real;
        case SQLITE_TEXT:
            return Type::Text;
        case SQLITE_BLOB:
            return Type::Blob;
        default:
            return Type::Null;
    }
}

qint64 SqliteRows::integer(int column) const {
    return sqlite3_column_int64(m_statement, column);
}

double SqliteRows::real(int column) const {
    return sqlite3_column_double(m_statement, column);
}

QByteArrayView SqliteRows::bytes(int column) const {
    // The pointer first, then the length: asking for the length first could convert.
    const auto* data = static_cast<const char*>(
        sqlite3_column_type(m_statement, column) == SQLITE_BLOB
            ? sqlite3_column_blob(m_statement, column)
            : static_cast<const void*>(sqlite3_column_text(m_statement, column)));
    return {data, sqlite3_column_bytes(m_statement, column)};
}
