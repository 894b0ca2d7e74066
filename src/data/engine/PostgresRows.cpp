#include "data/engine/PostgresRows.h"

#include "data/engine/DbConnection.h"

#include <libpq-fe.h>
#include <charconv>

namespace {

// Type numbers of the server's catalogue (pg_type.oid), fixed since its first releases.
constexpr Oid kBool = 16;
constexpr Oid kBytea = 17;
constexpr Oid kInt8 = 20;
constexpr Oid kInt2 = 21;
constexpr Oid kInt4 = 23;
constexpr Oid kOid = 26;
constexpr Oid kFloat4 = 700;
constexpr Oid kFloat8 = 701;
constexpr Oid kNumeric = 1700;

PostgresRows::Type typeOf(Oid oid) {
    switch (oid) {
        case kBool:
        case kInt2:
        case kInt4:
        case kInt8:
        case kOid:
            return PostgresRows::Type::Integer;
        case kFloat4:
        case kFloat8:
        case kNumeric:
            return PostgresRows::Type::Real;
        case kBytea:
            return PostgresRows::Type::Blob;
        default:
            return PostgresRows::Type::Text;
    }
}

// A value as the server's text, the way QtSql would have formatted it into the statement.
QByteArray parameterText(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::Bool:
            return value.toBool() ? "1" : "0";
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
            return QByteArray::number(value.toLongLong());
        case QMetaType::ULongLong:
            return QByteArray::number(value.toULongLong());
        case QMetaType::Double:
        case QMetaType::Float:
            return QByteArray::number(value.toDouble(), 'g', 17);
        default:
            return value.toString().toUtf8();
    }
}

}  // namespace

PostgresRows::~PostgresRows() {
    finish();
}

bool PostgresRows::available(const DbConnection& connection) {
    pg_conn* handle = connection.postgresHandle();
    return handle && PQtransactionStatus(handle) != PQTRANS_ACTIVE;
}

QByteArray PostgresRows::numbered(const QString& text, QStringList* names) {
    QString out;
    out.reserve(text.size());
    qsizetype copied = 0;
    for (const SqlStatement::Span& span : SqlStatement::placeholders(text)) {
        const QString name = text.mid(span.start, span.length);
        qsizetype number = names->indexOf(name);
        if (number < 0) {
            names->append(name);
            number = names->size() - 1;
        }
        out += QStringView(text).mid(copied, span.start - copied);
        out += QLatin1Char('$') + QString::number(number + 1);
        copied = span.start + span.length;
    }
    out += QStringView(text).mid(copied);
    return out.toUtf8();
}

DbError PostgresRows::failure(pg_result* result) const {
    const char* state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    const char* message = result ? PQresultErrorMessage(result) : PQerrorMessage(m_connection);
    return DbError::fromPostgres(QString::fromLatin1(state ? state : ""),
                                 QString::fromUtf8(message).trimmed());
}

DbError PostgresRows::open(DbConnection& connection, const SqlStatement& statement) {
    finish();
    m_types.clear();
    m_names.clear();
    m_error = {};
    m_pending = false;
    m_connection = connection.postgresHandle();
    if (!m_connection)
        return m_error = {DbError::Kind::CannotOpen,
                          QStringLiteral("Baza danych nie jest otwarta.")};
    QStringList names;
    const QByteArray text = numbered(statement.text, &names);
    // Every placeholder of the text needs its value; values the text does not name are
    // ignored, as when a clause left its line empty. Values go as text of no stated type,
    // so that the server takes each as its place in the statement asks.
    std::vector<QByteArray> texts(size_t(names.size()));
    std::vector<const char*> values(size_t(names.size()), nullptr);
    for (qsizetype n = 0; n < names.size(); ++n) {
        const QVariant* value = nullptr;
        for (const auto& binding : statement.bindings) {
            if (binding.first == names.at(n)) {
                value = &binding.second;
                break;
            }
        }
        if (!value)
            return m_error = {DbError::Kind::Other,
                              QStringLiteral("Brak wartości parametru %1").arg(names.at(n))};
        if (value->isNull())
            continue;
        if (value->typeId() == QMetaType::QByteArray) {
            // As bytea's hex input, so that any bytes pass as text.
            texts[size_t(n)] = "\\x" + value->toByteArray().toHex();
        } else {
            texts[size_t(n)] = parameterText(*value);
        }
        values[size_t(n)] = texts[size_t(n)].constData();
    }
    if (!PQsendQueryParams(m_connection, text.constData(), int(names.size()), nullptr,
                           values.data(), nullptr, nullptr, 0))
        return m_error = failure(nullptr);
    m_sent = true;
    // A row at a time: a long list is never held twice, once by libpq and once here.
    PQsetSingleRowMode(m_connection);
    // The first result tells the columns, even of a statement that gives no rows.
    m_row = PQgetResult(m_connection);
    const ExecStatusType status = m_row ? PQresultStatus(m_row) : PGRES_FATAL_ERROR;
    if (status != PGRES_SINGLE_TUPLE && status != PGRES_TUPLES_OK) {
        m_error = failure(m_row);
        finish();
        return m_error;
    }
    for (int c = 0; c < PQnfields(m_row); ++c) {
        m_types.push_back(typeOf(PQftype(m_row, c)));
        m_names.push_back(QString::fromUtf8(PQfname(m_row, c)));
    }
    m_pending = status == PGRES_SINGLE_TUPLE;
    if (!m_pending)
        finish();
    return {};
}

bool PostgresRows::next() {
    if (m_pending) {
        m_pending = false;
        return true;
    }
    if (!m_sent)
        return false;
    PQclear(m_row);
    m_row = PQgetResult(m_connection);
    if (!m_row) {
        m_sent = false;
        return false;
    }
    switch (PQresultStatus(m_row)) {
        case PGRES_SINGLE_TUPLE:
            return true;
        case PGRES_TUPLES_OK:  // after the last row
            finish();
            return false;
        default:
            m_error = failure(m_row);
            finish();
            return false;
    }
}

void PostgresRows::finish() {
    PQclear(m_row);
    m_row = nullptr;
    m_pending = false;
    if (!m_sent)
        return;
    // The session takes no other statement until every result of this one is read.
    while (pg_result* rest = PQgetResult(m_connection)) {
        if (!m_error && PQresultStatus(rest) == PGRES_FATAL_ERROR)
            m_error = failure(rest);
        PQclear(rest);
    }
    m_sent = false;
}

PostgresRows::Type PostgresRows::type(int column) const {
    return PQgetisnull(m_row, 0, column) ? Type::Null : m_types[size_t(column)];
}

qint64 PostgresRows::integer(int column) const {
    const char* text = PQgetvalue(m_row, 0, column);
    if (*text == 't' || *text == 'f')  // a boolean, which counts as 1 or 0
        return *text == 't' ? 1 : 0;
    qint64 value = 0;
    std::from_chars(text, text + PQgetlength(m_row, 0, column), value);
    return value;
}

double PostgresRows::real(int column) const {
    const char* text = PQgetvalue(m_row, 0, column);
    const int length = PQgetlength(m_row, 0, column);
    double value = 0;
    if (std::from_chars(text, text + length, value).ec != std::errc())
        value = 0;
    return value;
}

QByteArrayView PostgresRows::bytes(int column) const {
    const char* text = PQgetvalue(m_row, 0, column);
    const int length = PQgetlength(m_row, 0, column);
    if (m_types[size_t(column)] != Type::Blob)
        return {text, length};
    size_t size = 0;
    unsigned char* raw = PQunescapeBytea(reinterpret_cast<const unsigned char*>(text), &size);
    m_blob = QByteArray(reinterpret_cast<const char*>(raw), qsizetype(size));
    PQfreemem(raw);
    return m_blob;
}
