#pragma once

#include "data/registers/RegisterId.h"

#include <QList>

// The variables a layout may print, by the kind of report: one set per list a report
// walks. A report of a set may add variables of its own (a driver's costs print the
// vehicle of each row, the whole scheduler both the vehicle and the person).
enum class VariableSet {
    Consumption,
    Costs,
    Trips,
    Repairs,
    Equipment,
    Documents,
    Drivers,
    Scheduler,
    Tyres,
    Settlements,
    Orders,
    Readings,
    Damages,
    RoadCards,
    RoadCardForm,
    FuelPurchases,
    Vehicles,
    FuelCards,
    Persons,
    FuelPrices,
    Store,
    RecordPrintout,
};

// Which report of a set runs: what it is about (a vehicle, a driver, a card, the whole
// register, one order), or for consumption which of the three lists it walks.
enum class ReportVariant {
    Vehicle,
    Driver,
    FuelCard,
    RoadCard,
    WholeRegister,
    SingleOrder,
    Continuous,
    ByDistance,
    ByEngineHours,
};

struct ReportKind {
    VariableSet set = VariableSet::Costs;
    ReportVariant variant = ReportVariant::Vehicle;
};

// How a variable's text is made.
enum class ValueKind {
    Shown,         // what the register's grid shows for the field
    Plain,         // the stored value as it is
    Date,          // YYYYMMDD as DD-MM-YYYY
    Time,          // HHMM as HH:MM, 0 as nine blanks
    Fixed2,        // "0.00"
    Mark,          // the word when the field holds "T", else nothing
    Joined,        // the fields' stored values joined by a separator
    Difference,    // the first field less the second, "0.00"
    Total,         // a run total, "0.00"
    FuelPurchase,  // "Zakup paliwa: <FUEL> l." for a fuel purchase
    AveragePrice,  // the average of the counted fuel prices
    Context,       // something the main window chose for the run
};

// What a Context variable shows.
enum class ContextItem {
    None,
    FuelKindText,      // the fuel kind chosen for the consumption reports
    OrderText,         // the order text typed on the reports page
    CostCentre,        // "Dla CK: " and the cost centre, when one narrows the fuel purchases
    Subject,           // the record printout's title
    Body,              // the record printout's lines
    CompanyAddress,    // the company's own data, for the road-card form
    SummaryFirstDate,  // the consumption summary's first date
    SummaryLastDate,   // and its last
    SummaryAverage,    // and its average
};

struct VariableDef {
    const char* name = "";
    ValueKind kind = ValueKind::Plain;
    // The list's field; Joined and Difference: several fields separated by blanks.
    const char* field = "";
    unsigned variants = ~0u;  // the reports of the set that know the variable
    int total = -1;           // the run total the value adds to, or that a Total shows
    const char* extra = "";   // Mark: the word; Joined: the separator
    ContextItem item = ContextItem::None;
    bool onlyWithFuelKind = false;  // adds to its total only when a fuel kind was chosen
};

namespace ReportVariableSets {

// The run totals a set may keep.
constexpr int kTotals = 4;

constexpr unsigned bit(ReportVariant variant) {
    return 1u << unsigned(variant);
}

// The variables a report knows besides the common ones.
QList<VariableDef> of(ReportKind kind);

// The register whose grid the report's rows come from, for their displayed texts.
RegisterId registerOf(ReportKind kind);

}  // namespace ReportVariableSets
