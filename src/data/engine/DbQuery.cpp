#include "data/engine/DbQuery.h"

#include <cmath>

DbQuery::DbQuery(QSqlQuery query) : m_query(std::move(query)), m_record(m_query.record()) {}

int DbQuery::fieldIndex(QStringView name) const {
    for (int i = 0; i < m_record.count(); ++i) {
        if (QStringView(m_record.fieldName(i)).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QVariant DbQuery::value(QStringView name) const {
    const int index = fieldIndex(name);
    return index < 0 ? QVariant() : m_query.value(index);
}

bool DbQuery::isNull(QStringView name) const {
    return value(name).isNull();
}

QString DbQuery::text(QStringView name) const {
    const QVariant v = value(name);
    return v.isNull() ? QString() : v.toString();
}

qint64 DbQuery::integer(QStringView name, bool* ok) const {
    const QVariant v = value(name);
    bool converted = false;
    qint64 result = 0;
    if (!v.isNull()) {
        const double d = v.toDouble(&converted);
        if (converted && std::isfinite(d))
            result = qint64(std::llround(d));
        else
            converted = false;
    }
    if (ok)
        *ok = converted;
    return result;
}

double DbQuery::number(QStringView name, bool* ok) const {
    const QVariant v = value(name);
    bool converted = false;
    const double result = v.isNull() ? 0.0 : v.toDouble(&converted);
    if (ok)
        *ok = converted;
    return converted ? result : 0.0;
}
