#pragma once

#include "data/ListModel.h"

#include <QString>
#include <memory>

class TmyDataBase;

// A record found by its key, with the listing that holds it, for printing one record
// from the command line.
struct FoundRecord {
    enum class Outcome {
        Found,
        Refused,   // no such register, or a key of the wrong form
        NotFound,  // the register has no record with that key
        Failed,    // the database failed (reported through the error report)
    };

    Outcome outcome = Outcome::Refused;
    std::unique_ptr<ListModel> model;
    int row = -1;
    QString message;  // why nothing was found, as the user reads it

    bool found() const { return outcome == Outcome::Found; }
};

// Finds one record of a register, named as Registers::byName knows it, by its key as the
// register stores it: a cost's IDKOSZT, a person's NREW, a fuel card's IDKARTY, a
// vehicle's IDPOJAZD and so on; for the consumption registers "NRREJ@DD.MM.YYYY" (the
// vehicle and the day of the refuelling, in the petrol table unless lpg is set or the
// register is named by its LPG table); for the rates "DD.MM.YYYY", the day they apply
// from. The register is listed with no filter but the key, which is always bound, never
// written into the statement, so the listed values (computed rates and consumption
// included) are those the main window shows.
//
// For a consumption key the data module's fuel kind and vehicle filter are set to the
// key's, as the main window would have them when showing that refuelling, so that the
// record's sheet names the vehicle.
namespace RecordByKey {

FoundRecord find(TmyDataBase& database, const QString& registerName, const QString& key,
                 bool lpg = false);

}  // namespace RecordByKey
