#pragma once

#include "data/records/RecordStore.h"

// The store of each register whose records the dialogs write.
namespace RecordStores {

const RecordStore& vehicles();
const RecordStore& persons();
const RecordStore& costs();
const RecordStore& repairs();
const RecordStore& damages();
const RecordStore& tyres();

}  // namespace RecordStores
