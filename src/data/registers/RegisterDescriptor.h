#pragma once

#include "data/registers/Conversion.h"
#include "data/registers/RegisterId.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

// Which column a register's period clause restricts, and how.
enum class PeriodKind {
    None,        // no period: vehicles, fuel cards, store, rates, persons
    Date,        // DATA
    RepairDate,  // DATA, and undated (planned) repairs always
    FromTo,      // DATAOD and DATADO
    Tyres,       // DATAZAKUPU, and sets without a purchase date always
    RoadCard,    // DATAWYST
};

// How the vehicle filter restricts a register.
enum class VehicleFilterKind {
    None,          // not restricted
    Registration,  // by the registration number of the joined vehicle
    VehicleKey,    // by IDPOJAZD; lists nothing until a vehicle is chosen
};

// Values the list computes after reading the rows.
enum class ComputedValues {
    None,
    TripRates,
    ContinuousConsumption,
    SettlementValues,  // hours × rate to the grosz
};

struct GridColumn {
    QString title;
    QString field;
    bool sortable = true;
};

struct SearchField {
    QString field;
    bool displayed;  // compared as the grid shows it
};

// A figure of the sums window: the count of the listed rows, a sum over them (an SQL
// expression over the list's own columns), or a figure computed from the listed rows.
enum class SumKind {
    Count,
    Sum,
    TripAmount,       // the amounts the trips list shows, each rounded to grosze
    OdometerAdvance,  // the last listed odometer reading less the first
};

struct SumColumn {
    QString heading;
    SumKind kind = SumKind::Sum;
    QString expression;  // SumKind::Sum
};

struct RegisterSums {
    QString caption;
    QList<SumColumn> columns;  // the count first
    qint64 errorCode = 0;
    qint64 derivedErrorCode = 0;  // a figure computed from the rows
    bool everyRow = false;        // counted whatever the filters (the rates)
};

// Everything the program knows of one register, written once: lists, filters, sorting,
// locating, deleting, searching, sums, the sheet export, printouts and the command line
// read it instead of repeating it.
struct RegisterDescriptor {
    RegisterId id = RegisterId::Pojazdy;
    QString name;           // the register's table; the command line names it so
    QString lpgTable;       // consumption registers: the LPG table of the same layout
    QString caption;        // the page's caption
    QString statementName;  // the list statement, e.g. DBFKoszty
    QString gridName;       // the grid, e.g. KosztyGrid

    // The list statement in compact template form ({n} marks slot line n; %1 stands for
    // the consumption table of the fuel kind on screen) and its slot lines.
    QString listTemplate;
    int vehicleLine = -1;
    int periodLine = -1;
    int reportLine = -1;
    int fuelOnlyLine = -1;    // costs only
    int costCentreLine = -1;  // costs only
    int roadCardLine = -1;    // costs only
    int sortLine = -1;
    int directionLine = -1;
    QString defaultSort;
    bool fixedSort = false;  // the consumption lists are always by date

    QStringList keyFields;   // what identifies a row: locate, delete
    QString deleteTemplate;  // compact form; the key goes in its slot
    qint64 listErrorCode = 0;
    qint64 locateErrorCode = 0;
    qint64 deleteErrorCode = 0;

    PeriodKind period = PeriodKind::None;
    VehicleFilterKind vehicleFilter = VehicleFilterKind::None;
    ComputedValues computed = ComputedValues::None;

    QList<GridColumn> columns;
    QList<std::pair<QString, Conversion>> conversions;
    QList<SearchField> searchFields;

    RegisterSums sums;

    int readRight = -1;
    int writeRight = -1;

    Conversion conversionOf(const QString& field) const;
    // The field as the list names it when it may be sorted by, else empty.
    QString sortableField(const QString& field) const;
    bool isConsumption() const { return !lpgTable.isEmpty(); }
};

namespace Registers {

const QList<RegisterDescriptor>& all();
const RegisterDescriptor& get(RegisterId id);
// By the register's table name (petrol or LPG table for consumption), ignoring case.
const RegisterDescriptor* byName(const QString& name);

}  // namespace Registers
