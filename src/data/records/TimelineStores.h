#pragma once

#include "data/records/RecordStore.h"

// The stores of the scheduler and of the odometer readings.
namespace TimelineStores {

const RecordStore& schedule();
const RecordStore& readings();

}  // namespace TimelineStores
