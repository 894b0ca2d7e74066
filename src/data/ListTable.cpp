#include "data/ListTable.h"

#include "data/engine/DbQuery.h"

#include <QHash>
#include <QSqlError>
#include <cmath>

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
            variants.append(column.texts.at(r));
        else if (column.type == Type::Integer)
            variants.append(qint64(column.numbers[r]));
        else
            variants.append(column.numbers[r]);
    }
    column.numbers.clear();
    column.texts.clear();
    column.variants = std::move(variants);
    column.type = Type::Variant;
}

void ListTable::append(Column& column, const QVariant& value, int row) {
    const bool null = value.isNull() || !value.isValid();
    const int typeId = value.typeId();
    if (!null && column.type == Type::Empty) {
        // The first value decides the column's storage; the rows before were NULL.
        column.type = isInteger(typeId)              ? Type::Integer
                      : isFloating(typeId)           ? Type::Number
                      : typeId == QMetaType::QString ? Type::Text
                                                     : Type::Variant;
        if (column.type == Type::Text)
            column.texts.resize(row);
        else if (column.type == Type::Variant)
            column.variants.resize(row);
        else
            column.numbers.assign(row, 0.0);
    }
    if (!null) {
        const bool fits =
            (column.type == Type::Integer && isInteger(typeId)) ||
            (column.type == Type::Number && (isFloating(typeId) || isInteger(typeId))) ||
            (column.type == Type::Text && typeId == QMetaType::QString) ||
            column.type == Type::Variant;
        if (column.type == Type::Integer && isFloating(typeId))
            column.type = Type::Number;  // a number column whose first values were whole
        else if (!fits)
            toVariants(column, row);
    }
    column.nulls.push_back(null);
    switch (column.type) {
        case Type::Empty:
            break;
        case Type::Integer:
        case Type::Number:
            column.numbers.push_back(null ? 0.0 : value.toDouble());
            break;
        case Type::Text:
            column.texts.append(null ? QString() : value.toString());
            break;
        case Type::Variant:
            column.variants.append(null ? QVariant() : value);
            break;
    }
}

DbError ListTable::read(DbQuery& query, EngineKind engine, ListTable* table) {
    ListTable result;
    const int columns = query.fieldCount();
    result.m_columns.resize(columns);
    std::vector<QHash<QString, QString>> interned(columns);
    for (int c = 0; c < columns; ++c)
        result.m_columns[c].name = query.fieldName(c).toUpper();
    int rows = 0;
    while (query.next()) {
        for (int c = 0; c < columns; ++c) {
            QVariant value = query.value(c);
            Column& column = result.m_columns[c];
            if (value.typeId() == QMetaType::QString && !value.isNull()) {
                auto& pool = interned[c];
                if (pool.size() < kInternLimit) {
                    const QString text = value.toString();
                    auto it = pool.constFind(text);
                    if (it == pool.constEnd())
                        it = pool.insert(text, text);
                    value = QVariant(it.value());
                }
            }
            append(column, value, rows);
        }
        ++rows;
    }
    const QSqlError error = query.sql().lastError();
    if (error.type() != QSqlError::NoError)
        return DbError::fromSql(error, engine);
    // A column that held only NULLs.
    for (Column& column : result.m_columns) {
        if (column.type == Type::Empty) {
            column.type = Type::Number;
            column.numbers.assign(rows, 0.0);
        }
    }
    result.m_rows = rows;
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
    for (Column& column : table.m_columns) {
        if (column.type == Type::Empty) {
            column.type = Type::Number;
            column.numbers.assign(size_t(r), 0.0);
        }
    }
    table.m_rows = r;
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
            return c.texts.at(row);
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
    c.texts.clear();
    c.variants.clear();
    c.numbers = values;
    c.nulls.assign(m_rows, false);
    for (int r = 0; r < m_rows; ++r)
        c.nulls[r] = std::isnan(values[r]);
}
