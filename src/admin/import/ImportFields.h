#pragma once

#include "data/registers/RegisterId.h"

#include <QList>
#include <QString>

// What a sheet is imported into: the costs or one of the three refuelling registers.
enum class ImportKind { Costs, Refuellings, RefuellingsKm, RefuellingsMth };

// One field the user assigns a sheet column to (one list of the import window).
struct ImportField {
    enum class Value {
        Date,
        Vehicle,
        Text,
        FuelCard,
        Number,
        Payment,
        Amount,
        VatFlag,
        FuelFlag,
        FuelQuantity,
        CostCentre,
        RoadCard,
        FuelKind
    };
    QString name;   // the table's column, as the command line names it
    QString label;  // the caption beside its list
    Value value;
    QString missing;        // the row's error when no column is assigned; empty: a default
    QString invalid;        // the row's error when the cell cannot be used
    bool required = false;  // marked "*)" in the window
    bool document = false;  // costs: listed under the cost document
};

namespace ImportFields {

// In the order of the window's lists cb1, cb2, ...
const QList<ImportField>& of(ImportKind kind);
// The field of a name (any letter case); -1 when the kind has none.
int indexOf(ImportKind kind, const QString& name);
// The order in which a row's fields are prepared; the first failure is the row's.
const QList<int>& verificationOrder(ImportKind kind);

RegisterId registerOf(ImportKind kind);  // Koszty for costs
bool isRefuelling(ImportKind kind);
// The window's title and banner, the command-line name of a refuelling register.
QString title(ImportKind kind);
QString banner(ImportKind kind);
QString commandName(ImportKind kind);  // "koszty", "zuzycie", "zuzyciekm", "zuzyciemth"

}  // namespace ImportFields
