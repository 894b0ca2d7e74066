#pragma once

#include "data/Consumption.h"
#include "data/engine/DbError.h"
#include "data/records/RecordStore.h"

#include <optional>

class TmyDataBase;

// The stores of the three refuelling registers and of the fuel prices, and what saving a
// refuelling needs besides a plain write: the vehicle of the register's filter, the
// register's error codes and the move of a refuelling onto a day that already has one.
// The refuelling stores write to the table of the register's current fuel kind.
namespace ConsumptionStores {

const RecordStore& refuellings(RegisterId id);
const RecordStore& fuelPrices();

bool isRefuelling(RegisterId id);

// The field of the first value of a refuelling: BAK (continuous) or PRZEBIEG.
QString firstField(RegisterId id);
// The values of a refuelling record as the merge takes them.
Consumption::Refuelling refuellingOf(RegisterId id, const Record& record);

// Error codes of a refuelling's add (continuous 169, distance 551931, hours 551933) and
// edit (170, 551934, 551936).
qint64 addErrorCode(RegisterId id);
qint64 editErrorCode(RegisterId id);

// The key of the vehicle chosen in the register's vehicle filter, as the filter resolved
// it; nullopt when none is chosen (or its registration could not be found).
std::optional<qint64> filteredVehicle(const TmyDataBase& database, RegisterId id);

// Deletes the refuelling of a vehicle and day from the register's current table.
DbError remove(TmyDataBase& database, RegisterId id, qint64 vehicle, qint64 date);

// Moves the edited refuelling of (vehicle, oldDate) onto the day of record, which already
// has a refuelling of that vehicle: the edited row goes and its values are merged into the
// other, in one transaction, so a failure at any step leaves both rows as they were.
// Failures are reported (the merge with its own code, the rest with the edit code).
bool moveOntoTakenDay(TmyDataBase& database, RegisterId id, qint64 vehicle, qint64 oldDate,
                      const Record& record);

}  // namespace ConsumptionStores
