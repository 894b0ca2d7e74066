#pragma once

#include "data/records/RecordStore.h"

// The stores of the road cards and the fuel cards.
namespace CardStores {

const RecordStore& roadCards();
const RecordStore& fuelCards();

// Updates the fuel card that had the identifier oldId. A changed identifier is carried
// into the costs paid with the card, in the same transaction, so none of them is left
// naming a card that no longer exists.
WriteResult updateFuelCard(TmyDataBase& database, const Record& record, const QString& oldId);

}  // namespace CardStores
