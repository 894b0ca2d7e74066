#include "data/records/CardStores.h"

#include "data/TmyDataBase.h"
#include "data/engine/DbConnection.h"
#include "data/records/KeyCascade.h"

namespace CardStores {

using K = FieldSlot::Kind;

const RecordStore& roadCards() {
    // The six texts are :PARAM0 .. :PARAM5 in both statements. Insert: literals in lines 6
    // to 27 (3 and 28 stay empty); update: lines 2 to 26 and the row's key in line 28.
    // Times go in as whole numbers HHMM.
    static const RecordStore store(RegisterId::KDrogowe, QStringLiteral("DBFInsertKDrogowe"),
                                   QStringLiteral("DBFUpdateKDrogowe"),
                                   {{QStringLiteral("NRKARTY"), K::Text, 0, 0},
                                    {QStringLiteral("IDKIEROWCY"), K::Text, 1, 1},
                                    {QStringLiteral("CELWYJAZDU"), K::Text, 2, 2},
                                    {QStringLiteral("TRASA"), K::Text, 3, 3},
                                    {QStringLiteral("UWAGI"), K::Text, 4, 4},
                                    {QStringLiteral("PRAWOJAZDY"), K::Text, 5, 5},
                                    {QStringLiteral("DATAWYST"), K::Date, 6, 2},
                                    {QStringLiteral("IDPOJAZD"), K::Integer, 8, 4},
                                    {QStringLiteral("LICZSTART"), K::Number, 10, 7},
                                    {QStringLiteral("LICZEND"), K::Number, 12, 9},
                                    {QStringLiteral("DATASTART"), K::Date, 14, 11},
                                    {QStringLiteral("GODZSTART"), K::Integer, 16, 13},
                                    {QStringLiteral("DATAEND"), K::Date, 18, 15},
                                    {QStringLiteral("GODZEND"), K::Integer, 20, 17},
                                    {QStringLiteral("CZAS"), K::Number, 22, 19},
                                    {QStringLiteral("ODPOCZYNEK"), K::Number, 25, 24},
                                    {QStringLiteral("GODZSUMA"), K::Number, 27, 26}},
                                   28);
    return store;
}

const RecordStore& fuelCards() {
    // The texts are numbered differently in the two statements: the insert starts with the
    // identifier, the update sets it as :PARAM7 and names the card by its old one in
    // :PARAM8. Insert: the vehicle in line 3, the expiry date in line 5; update: 1 and 3.
    static const RecordStore store(RegisterId::KPaliwowe, QStringLiteral("DBFInsertKPaliwowe"),
                                   QStringLiteral("DBFUpdateKPaliwowe"),
                                   {{QStringLiteral("IDKARTY"), K::Text, 0, 7},
                                    {QStringLiteral("NAZWA"), K::Text, 1, 0},
                                    {QStringLiteral("IDKIEROWCY"), K::Text, 2, 1},
                                    {QStringLiteral("STACJA"), K::Text, 3, 2},
                                    {QStringLiteral("PIN"), K::Text, 4, 3},
                                    {QStringLiteral("WWW"), K::Text, 5, 4},
                                    {QStringLiteral("EMAIL"), K::Text, 6, 5},
                                    {QStringLiteral("UWAGI"), K::Text, 7, 6},
                                    {QStringLiteral("IDPOJAZD"), K::Integer, 3, 1},
                                    {QStringLiteral("TERMIN"), K::Date, 5, 3}},
                                   -1, 8);
    return store;
}

WriteResult updateFuelCard(TmyDataBase& database, const Record& record, const QString& oldId) {
    Transaction transaction(database.DatabaseFirma());
    WriteResult result;
    result.error = transaction.beginError();
    if (!result.error)
        result = fuelCards().update(database, record, oldId);
    if (result.ok)
        result.error = KeyCascade::renameFuelCard(database.DatabaseFirma(), oldId,
                                                  record.text(QStringLiteral("IDKARTY")));
    if (!result.error)
        result.error = transaction.commit();
    result.ok = result.error.ok();
    return result;
}

}  // namespace CardStores
