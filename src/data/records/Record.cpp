#include "data/records/Record.h"

#include "data/ListModel.h"

#include <cmath>

Record Record::fromRow(const ListModel& model, int row) {
    Record record;
    const auto table = model.table();
    if (!table || row < 0 || row >= table->rowCount())
        return record;
    for (int c = 0; c < table->columnCount(); ++c)
        record.set(table->fieldName(c), table->value(row, c));
    return record;
}

QString Record::text(const QString& field) const {
    const QVariant v = value(field);
    return v.isNull() ? QString() : v.toString();
}

double Record::number(const QString& field) const {
    bool ok = false;
    const QVariant v = value(field);
    const double d =
        v.typeId() == QMetaType::QString
            ? v.toString().trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok)
            : v.toDouble(&ok);
    return ok && std::isfinite(d) ? d : 0.0;
}

qint64 Record::integer(const QString& field) const {
    return qint64(std::llround(number(field)));
}
