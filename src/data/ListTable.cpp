#include "data/ListTable.h"

#include "data/engine/DbConnection.h"
#include "data/engine/DbQuery.h"
#include "data/engine/PostgresRows.h"
#include "data/engine/SqliteRows.h"

#include <QHash>
#include <QSqlError>
#include <cmath>
#include <string>
#include <string_view>
#include <unordered_map>

namespace {

// Interning stops for columns of mostly distinct texts (remarks, document numbers).
constexpr int kInternLimit = 4096;

bool isInteger(int typeId) {
    return typeId == QMetaType::Int || typeId == QMetaType::LongLong || typeId == QMetaType::UInt ||
           typeId == QMetaType::ULongLong || typeId == QMetaType::Short ||
           typeId == QMetaType::UShort;
}

bool isFloating(int typeId) {
    return typeId == QMetaType::Double || typeId == QMetaType::Float;
}

// The distinct texts of one column while it is read: each is decoded and stored once
// while there are few of them (registration numbers, kinds, names); in a column of mostly
// distinct texts (remarks, document numbers) the later ones are stored as they come. Looked up by
// the engine's own UTF-8 bytes, or by the text itself.
class Utf8Ids {
public:
    quint32 id(QByteArrayView utf8, QList<QString>& texts) {
        const std::string_view key(utf8.data(), size_t(utf8.size()));
        const bool pooling = m_ids.size() < size_t(kInternLimit);
        if (pooling) {
            if (const auto it = m_ids.find(key); it != m_ids.end())
                return it->second;
        }
        texts.append(QString::fromUtf8(utf8));
        const auto id = quint32(texts.size() - 1);
        if (pooling)
            m_ids.emplace(std::string(key), id);
        return id;
    }

private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view key) const { return std::hash<std::string_view>()(key); }
    };
    std::unordered_map<std::string, quint32, Hash, std::equal_to<>> m_ids;
};

class TextIds {
public:
    quint32 id(const QString& text, QList<QString>& texts) {
        const bool pooling = m_ids.size() < kInternLimit;
        if (pooling) {
            if (const auto it = m_ids.constFind(text); it != m_ids.constEnd())
                return it.value();
        }
        texts.append(text);
        const auto id = quint32(texts.size() - 1);
        if (pooling)
            m_ids.insert(text, id);
        return id;
    }

private:
    QHash<QString, quint32> m_ids;
};

}  // namespace

int ListTable::fieldIndex(QStringView name) const {
    for (int i = 0; i < int(m_columns.size()); ++i) {
        if (QStringView(m_columns[i].name).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void ListTable::toVariants(Column& column, int rows) {
    QList<QVariant> variants;
    variants.reserve(rows);
    for (int r = 0; r < rows; ++r) {
        if (column.nulls[r])
            variants.append(QVariant());
        else if (column.type == Type::Text)
            variants.append(column.texts.at(column.textIds[size_t(r)]));
        else if (column.type == Type::Integer)
            variants.append(qint64(column.numbers[r]));
        else
            variants.append(column.numbers[r]);
    }
    column.numbers.clear();
    column.textIds.clear();
    column.texts.clear();
    column.variants = std::move(variants);
    column.type = Type::Variant;
}

void ListTable::prepare(Column& column, Type kind, int row) {
    if (column.type == kind || column.type == Type::Variant)
        return;
    switch (column.type) {
        case Type::Empty:
            // The rows before were NULL.
            column.type = kind;
            if (kind == Type::Text) {
                column.texts = {QString()};
                column.textIds.assign(size_t(row), 0);
            } else if (kind == Type::Variant)
                column.variants.resize(row);
            else
                column.numbers.assign(size_t(row), 0.0);
            return;
        case Type::Integer:
            if (kind == Type::Number) {
                column.type = Type::Number;  // a number column whose first values were whole
                return;
            }
            break;
        case Type::Number:
            if (kind == Type::Integer)
                return;
            break;
        default:
            break;
    }
    toVariants(column, row);
}

void ListTable::appendNull(Column& column) {
    column.nulls.push_back(true);
    switch (column.type) {
        case Type::Empty:
            break;
        case Type::Integer:
        case Type::Number:
            column.numbers.push_back(0.0);
            break;
        case Type::Text:
            column.textIds.push_back(0);
            break;
        case Type::Variant:
            column.variants.append(QVariant());
            break;
    }
}

void ListTable::appendInteger(Column& column, qint64 value, int row) {
    prepare(column, Type::Integer, row);
    column.nulls.push_back(false);
    if (column.type == Type::Variant)
        column.variants.append(value);
    else
        column.numbers.push_back(double(value));
}

void ListTable::appendNumber(Column& column, double value, int row) {
    prepare(column, Type::Number, row);
    column.nulls.push_back(false);
    if (column.type == Type::Variant)
        column.variants.append(value);
    else
        column.numbers.push_back(value);
}

void ListTable::appendText(Column& column, const QString& text, int row) {
    prepare(column, Type::Text, row);
    column.nulls.push_back(false);
    if (column.type == Type::Variant) {
        column.variants.append(text);
    } else {
        column.texts.append(text);
        column.textIds.push_back(quint32(column.texts.size() - 1));
    }
}

void ListTable::appendTextId(Column& column, quint32 id) {
    column.nulls.push_back(false);
    column.textIds.push_back(id);
}

void ListTable::appendVariant(Column& column, const QVariant& value, int row) {
    prepare(column, Type::Variant, row);
    column.nulls.push_back(false);
    column.variants.append(value);
}

void ListTable::append(Column& column, const QVariant& value, int row) {
    const int typeId = value.typeId();
    if (value.isNull() || !value.isValid())
        appendNull(column);
    else if (isInteger(typeId))
        appendInteger(column, value.toLongLong(), row);
    else if (isFloating(typeId))
        appendNumber(column, value.toDouble(), row);
    else if (typeId == QMetaType::QString)
        appendText(column, value.toString(), row);
    else
        appendVariant(column, value, row);
}

void ListTable::finish(int rows) {
    // A column that held only NULLs.
    for (Column& column : m_columns) {
        if (column.type == Type::Empty) {
            column.type = Type::Number;
            column.numbers.assign(size_t(rows), 0.0);
        }
    }
    m_rows = rows;
}

DbError ListTable::read(DbConnection& connection, const SqlStatement& statement, ListTable* table) {
    if (SqliteRows::available(connection)) {
        SqliteRows rows;
        if (DbError error = rows.open(connection, statement))
            return error;
        return readRows(rows, table);
    }
    if (PostgresRows::available(connection)) {
        PostgresRows rows;
        if (DbError error = rows.open(connection, statement))
            return error;
        return readRows(rows, table);
    }
    DbQuery rows;
    if (DbError error = connection.select(statement, &rows))
        return error;
    return readQuery(rows, connection.engine(), table);
}

template <class Rows>
DbError ListTable::readRows(Rows& rows, ListTable* table) {
    using Kind = typename Rows::Type;
    ListTable result;
    const int columns = rows.columnCount();
    result.m_columns.resize(size_t(columns));
    std::vector<Utf8Ids> ids{size_t(columns)};
    for (int c = 0; c < columns; ++c)
        result.m_columns[size_t(c)].name = rows.columnName(c).toUpper();
    int count = 0;
    while (rows.next()) {
        for (int c = 0; c < columns; ++c) {
            Column& column = result.m_columns[size_t(c)];
            switch (rows.type(c)) {
                case Kind::Null:
                    appendNull(column);
                    break;
                case Kind::Integer:
                    appendInteger(column, rows.integer(c), count);
                    break;
                case Kind::Real:
                    appendNumber(column, rows.real(c), count);
                    break;
                case Kind::Text:
                    prepare(column, Type::Text, count);
                    if (column.type == Type::Text)
                        appendTextId(column, ids[size_t(c)].id(rows.bytes(c), column.texts));
                    else
                        appendVariant(column, QString::fromUtf8(rows.bytes(c)), count);
                    break;
                case Kind::Blob:
                    appendVariant(column, rows.bytes(c).toByteArray(), count);
                    break;
            }
        }
        ++count;
    }
    if (rows.error())
        return rows.error();
    result.finish(count);
    *table = std::move(result);
    return {};
}

DbError ListTable::readQuery(DbQuery& query, EngineKind engine, ListTable* table) {
    ListTable result;
    const int columns = query.fieldCount();
    result.m_columns.resize(size_t(columns));
    std::vector<TextIds> ids{size_t(columns)};
    for (int c = 0; c < columns; ++c)
        result.m_columns[size_t(c)].name = query.fieldName(c).toUpper();
    int rows = 0;
    while (query.next()) {
        for (int c = 0; c < columns; ++c) {
            const QVariant value = query.value(c);
            Column& column = result.m_columns[size_t(c)];
            if (value.typeId() == QMetaType::QString && !value.isNull()) {
                prepare(column, Type::Text, rows);
                if (column.type == Type::Text) {
                    appendTextId(column, ids[size_t(c)].id(value.toString(), column.texts));
                    continue;
                }
            }
            append(column, value, rows);
        }
        ++rows;
    }
    const QSqlError error = query.sql().lastError();
    if (error.type() != QSqlError::NoError)
        return DbError::fromSql(error, engine);
    result.finish(rows);
    *table = std::move(result);
    return {};
}

ListTable ListTable::fromValues(const QStringList& fields, const QList<QVariantList>& rows) {
    ListTable table;
    table.m_columns.resize(size_t(fields.size()));
    for (qsizetype c = 0; c < fields.size(); ++c)
        table.m_columns[size_t(c)].name = fields.at(c).toUpper();
    int r = 0;
    for (const QVariantList& row : rows) {
        for (qsizetype c = 0; c < fields.size(); ++c)
            append(table.m_columns[size_t(c)], row.value(c), r);
        ++r;
    }
    table.finish(r);
    return table;
}

QVariant ListTable::value(int row, int column) const {
    const Column& c = m_columns.at(column);
    if (c.nulls[row])
        return {};
    switch (c.type) {
        case Type::Integer:
            return qint64(c.numbers[row]);
        case Type::Number:
            return c.numbers[row];
        case Type::Text:
            return c.texts.at(c.textIds[size_t(row)]);
        case Type::Variant:
            return c.variants.at(row);
        case Type::Empty:
            break;
    }
    return {};
}

bool ListTable::isNull(int row, int column) const {
    return m_columns.at(column).nulls[row];
}

double ListTable::number(int row, int column, bool* ok) const {
    const Column& c = m_columns.at(column);
    bool converted = false;
    double result = 0.0;
    if (!c.nulls[row]) {
        if (c.type == Type::Number || c.type == Type::Integer) {
            result = c.numbers[row];
            converted = std::isfinite(result);
        } else {
            result = value(row, column).toString().trimmed().toDouble(&converted);
        }
    }
    if (ok)
        *ok = converted;
    return converted ? result : 0.0;
}

qint64 ListTable::integer(int row, int column, bool* ok) const {
    bool converted = false;
    const double d = number(row, column, &converted);
    if (ok)
        *ok = converted;
    return converted ? qint64(std::llround(d)) : 0;
}

QString ListTable::text(int row, int column) const {
    const QVariant v = value(row, column);
    return v.isNull() ? QString() : v.toString();
}

void ListTable::setNumbers(const QString& name, const std::vector<double>& values) {
    Q_ASSERT(int(values.size()) == m_rows);
    int index = fieldIndex(name);
    if (index < 0) {
        Column column;
        column.name = name.toUpper();
        m_columns.push_back(std::move(column));
        index = int(m_columns.size()) - 1;
    }
    Column& c = m_columns[index];
    c.type = Type::Number;
    c.textIds.clear();
    c.texts.clear();
    c.variants.clear();
    c.numbers = values;
    c.nulls.assign(m_rows, false);
    for (int r = 0; r < m_rows; ++r)
        c.nulls[r] = std::isnan(values[r]);
}
