#pragma once

// Shorthands for writing the register descriptions; only their two source files use them.

#include "data/registers/RegisterDescriptor.h"

namespace RegisterBuilders {

using C = Conversion;

inline RegisterDescriptor describe(RegisterId id, const QString& name) {
    RegisterDescriptor d;
    d.id = id;
    d.name = name;
    return d;
}

inline QList<GridColumn> columns(std::initializer_list<std::pair<const char*, const char*>> list) {
    QList<GridColumn> result;
    for (const auto& [title, field] : list)
        result.append({QString::fromUtf8(title), QString::fromLatin1(field), true});
    return result;
}

inline QList<std::pair<QString, Conversion>> conversions(
    std::initializer_list<std::pair<const char*, Conversion>> list) {
    QList<std::pair<QString, Conversion>> result;
    for (const auto& [field, conversion] : list)
        result.append({QString::fromLatin1(field), conversion});
    return result;
}

// Searched fields in the order they are compared; a leading '*' marks a field compared
// in its displayed form.
inline QList<SearchField> search(std::initializer_list<const char*> list) {
    QList<SearchField> result;
    for (const char* entry : list) {
        const bool displayed = entry[0] == '*';
        result.append({QString::fromLatin1(displayed ? entry + 1 : entry), displayed});
    }
    return result;
}

inline QStringList keys(std::initializer_list<const char*> list) {
    QStringList result;
    for (const char* key : list)
        result << QString::fromLatin1(key);
    return result;
}

inline void noSort(RegisterDescriptor& d, const char* field) {
    for (GridColumn& column : d.columns) {
        if (column.field == QLatin1String(field))
            column.sortable = false;
    }
}

// Fills in the slot lines every list statement shares: vehicle, period, report,
// then "ORDER BY", the sort column and the direction.
inline void setSlotLines(RegisterDescriptor& d, int vehicle, int period, int report, int sort,
                         int direction) {
    d.vehicleLine = vehicle;
    d.periodLine = period;
    d.reportLine = report;
    d.sortLine = sort;
    d.directionLine = direction;
}

}  // namespace RegisterBuilders

// The two halves of the register list, in the order of RegisterId.
QList<RegisterDescriptor> financeAndFleetRegisters();
QList<RegisterDescriptor> fuelTimeAndDictionaryRegisters();
// The sums window's figures of a register.
RegisterSums sumsOf(RegisterId id);
