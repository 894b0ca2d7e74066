#pragma once

#include "data/records/RecordStore.h"

// The stores of the trips, the kilometre rates and the settlements.
namespace TripStores {

const RecordStore& trips();
const RecordStore& rates();
const RecordStore& settlements();

// The rate columns of stawki in the order of their slots: the two car rates, the
// motorcycle, the moped, then RDPOJ5 .. RDPOJ20.
const QStringList& rateFields();

}  // namespace TripStores
