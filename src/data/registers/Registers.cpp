#include "data/registers/ListSql.h"
#include "data/registers/RegisterBuilders.h"
#include "data/registers/RegisterDescriptor.h"

Conversion RegisterDescriptor::conversionOf(const QString& field) const {
    for (const auto& [name, conversion] : conversions) {
        if (name.compare(field, Qt::CaseInsensitive) == 0)
            return conversion;
    }
    return Conversion::None;
}

QString RegisterDescriptor::sortableField(const QString& field) const {
    if (fixedSort)
        return {};
    for (const GridColumn& column : columns) {
        if (column.sortable && column.field.compare(field, Qt::CaseInsensitive) == 0)
            return column.field;
    }
    if (defaultSort.compare(field, Qt::CaseInsensitive) == 0)
        return defaultSort;
    return {};
}

namespace Registers {

const QList<RegisterDescriptor>& all() {
    static const QList<RegisterDescriptor> registers = [] {
        QList<RegisterDescriptor> list = financeAndFleetRegisters();
        list.append(fuelTimeAndDictionaryRegisters());
        for (RegisterDescriptor& d : list) {
            d.listTemplate = ListSql::withColumnNames(d.listTemplate);
            d.sums = sumsOf(d.id);
        }
        Q_ASSERT(list.size() == kRegisterCount);
        for (int i = 0; i < list.size(); ++i)
            Q_ASSERT(int(list.at(i).id) == i);
        return list;
    }();
    return registers;
}

const RegisterDescriptor& get(RegisterId id) {
    return all().at(int(id));
}

const RegisterDescriptor* byName(const QString& name) {
    for (const RegisterDescriptor& d : all()) {
        if (d.name.compare(name, Qt::CaseInsensitive) == 0 ||
            (!d.lpgTable.isEmpty() && d.lpgTable.compare(name, Qt::CaseInsensitive) == 0))
            return &d;
    }
    return nullptr;
}

}  // namespace Registers
