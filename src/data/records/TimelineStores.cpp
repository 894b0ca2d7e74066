#include "data/records/TimelineStores.h"

namespace TimelineStores {

using K = FieldSlot::Kind;

const RecordStore& schedule() {
    // Insert: the four literals in lines 4 to 10, two apart, and the reminder reading in
    // line 12; update: lines 1 to 7, the reading in 12 and the row's key in 14. The four
    // texts are :PARAM0 .. :PARAM3 in both.
    static const RecordStore store(RegisterId::Terminarz, QStringLiteral("DBFInsertTerminarz"),
                                   QStringLiteral("DBFUpdateTerminarz"),
                                   {{QStringLiteral("DATAOD"), K::Date, 4, 1},
                                    {QStringLiteral("DATADO"), K::Date, 6, 3},
                                    {QStringLiteral("RODZAJTERMINU"), K::Integer, 8, 5},
                                    {QStringLiteral("IDPOJAZDU"), K::Integer, 10, 7},
                                    {QStringLiteral("LICZTERM"), K::Number, 12, 12},
                                    {QStringLiteral("SPRODDO"), K::Text, 0, 0},
                                    {QStringLiteral("NREW"), K::Text, 1, 1},
                                    {QStringLiteral("KONTRAHENT"), K::Text, 2, 2},
                                    {QStringLiteral("OPIS"), K::Text, 3, 3}},
                                   14);
    return store;
}

const RecordStore& readings() {
    // The insert names the vehicle first, the update the date; the remarks are the only
    // text of both.
    static const RecordStore store(RegisterId::Przebiegi, QStringLiteral("DBFInsertPrzebiegi"),
                                   QStringLiteral("DBFUpdatePrzebiegi"),
                                   {{QStringLiteral("IDPOJAZD"), K::Integer, 1, 3},
                                    {QStringLiteral("DATA"), K::Date, 3, 1},
                                    {QStringLiteral("LICZNIK"), K::Number, 5, 5},
                                    {QStringLiteral("UWAGI"), K::Text, 0, 0}},
                                   7);
    return store;
}

}  // namespace TimelineStores
