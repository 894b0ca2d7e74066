#pragma once

#include "data/records/RecordStore.h"

// The stores of the orders, the vehicle documents, the equipment and the parts store.
namespace HoldingStores {

const RecordStore& orders();
const RecordStore& documents();
const RecordStore& equipment();
const RecordStore& store();

}  // namespace HoldingStores
