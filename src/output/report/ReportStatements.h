#pragma once

#include "data/FilterState.h"
#include "data/ListTable.h"
#include "data/engine/DbError.h"

#include <QStringList>
#include <memory>

class TmyDataBase;

// The statements only reports run: the people who drove a vehicle, one road card with its
// driver and vehicle, the fuel purchases per vehicle and the order numbers of the reports
// page. Each runs under the clauses of the list it belongs to; values are bound. A
// failure is reported with the statement's own code and gives nullptr.
namespace ReportStatements {

constexpr qint64 kDriversError = 1001;
constexpr qint64 kFuelPurchasesError = 212139;
constexpr qint64 kRoadCardError = 221911;
constexpr qint64 kOrderNumbersError = 201833;

// NAZWISKO, IMIE, NREW of every person who drove one of the trips the trips' vehicle and
// period clauses list, by name.
std::shared_ptr<const ListTable> driversOfVehicle(TmyDataBase& database, const FilterState& trips);
// The road-card form's fields of one road card.
std::shared_ptr<const ListTable> roadCard(TmyDataBase& database, qint64 roadCardKey);
// NRREJ, MARKA and the sums SNETTO, SVAT, SBRUTTO, SFUEL of the fuel purchases of each
// vehicle in the costs' period, of one cost centre when given; the vehicle filter does not
// apply.
std::shared_ptr<const ListTable> fuelPurchases(TmyDataBase& database, const FilterState& costs,
                                               std::optional<qint64> costCentre);
// The order numbers under the orders' vehicle and period clauses, in order.
QStringList orderNumbers(TmyDataBase& database, const FilterState& orders, bool* failed = nullptr);

}  // namespace ReportStatements
