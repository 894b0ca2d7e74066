#pragma once

#include "data/registers/RegisterId.h"

#include <QtGlobal>
#include <vector>

class ListTable;

// Fuel consumption of the three refuelling registers.
namespace Consumption {

// Litres per 100 km of every row of a continuous list sorted by date, in one pass: each
// row against the previous refuelling of the same list (the newest row of an earlier
// day). NaN where it cannot be computed (the first refuelling, no distance).
std::vector<double> continuous(const ListTable& rows);

struct Summary {
    qint64 firstDate = 99999999;  // no rows: shown empty
    qint64 lastDate = 0;          // no rows: shown empty
    double average = 0.0;
};

// The figures above a consumption list: first and last date and the period's average
// (litres per 100 km, or per hour for engine hours).
Summary summarize(RegisterId id, const ListTable& rows);

// One refuelling of a vehicle and day: the continuous register keeps the tank before
// refuelling in first, the others the distance or hours covered.
struct Refuelling {
    double first = 0.0;    // BAK, or PRZEBIEG
    double fuel = 0.0;     // TANKOWANIE
    double reading = 0.0;  // LICZNIK
};

// A second refuelling of the same vehicle and day merged into the first. The fuel and
// (distance registers) the distance add up and the larger reading stays. In the
// continuous register the merged tank is the later refuelling's tank less the fuel the
// earlier one added, so that the tank after the day (tank + fuel) is the later one's:
// the day's own consumption and the next refuelling's stay right. The later of the two
// is the one with the larger reading, for equal readings the one with more in the tank.
Refuelling merge(RegisterId id, const Refuelling& existing, const Refuelling& added);

}  // namespace Consumption
