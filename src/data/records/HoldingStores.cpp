#include "data/records/HoldingStores.h"

namespace HoldingStores {

using K = FieldSlot::Kind;

const RecordStore& orders() {
    // Insert: the dates in lines 4 and 6, the vehicle in 8, the kind of work in the last
    // of the run 10 to 14. Update: 1, 3, 5, 11 and the row's key in 18. The five texts are
    // :PARAM0 .. :PARAM4 in both.
    static const RecordStore store(RegisterId::Zlecenia, QStringLiteral("DBFInsertZlecenia"),
                                   QStringLiteral("DBFUpdateZlecenia"),
                                   {{QStringLiteral("DATAOD"), K::Date, 4, 1},
                                    {QStringLiteral("DATADO"), K::Date, 6, 3},
                                    {QStringLiteral("IDPOJAZDU"), K::Integer, 8, 5},
                                    {QStringLiteral("RODZAJPRAC"), K::Integer, 14, 11},
                                    {QStringLiteral("NRDOKUMENTU"), K::Text, 0, 0},
                                    {QStringLiteral("TRASA"), K::Text, 1, 1},
                                    {QStringLiteral("NREW"), K::Text, 2, 2},
                                    {QStringLiteral("KONTRAHENT"), K::Text, 3, 3},
                                    {QStringLiteral("OPIS"), K::Text, 4, 4}},
                                   18);
    return store;
}

const RecordStore& documents() {
    // Insert: the date takes the last of the run 2 to 4, then 6, 8 and 10; update 1 to 7
    // two apart and the key in 9.
    static const RecordStore store(RegisterId::Dokumenty, QStringLiteral("DBFInsertDokumenty"),
                                   QStringLiteral("DBFUpdateDokumenty"),
                                   {{QStringLiteral("DATA"), K::Date, 4, 1},
                                    {QStringLiteral("TERMIN"), K::Date, 6, 3},
                                    {QStringLiteral("IDPOJAZD"), K::Integer, 8, 5},
                                    {QStringLiteral("LICZTERM"), K::Number, 10, 7},
                                    {QStringLiteral("RODZAJ"), K::Text, 0, 0},
                                    {QStringLiteral("NAZWA"), K::Text, 1, 1},
                                    {QStringLiteral("OPIS"), K::Text, 2, 2},
                                    {QStringLiteral("UWAGI"), K::Text, 3, 3},
                                    {QStringLiteral("NUMER"), K::Text, 4, 4}},
                                   9);
    return store;
}

const RecordStore& equipment() {
    static const RecordStore store(RegisterId::Wyposazenie, QStringLiteral("DBFInsertWyposazenie"),
                                   QStringLiteral("DBFUpdateWyposazenie"),
                                   {{QStringLiteral("DATA"), K::Date, 4, 1},
                                    {QStringLiteral("TERMIN"), K::Date, 6, 3},
                                    {QStringLiteral("IDPOJAZD"), K::Integer, 8, 5},
                                    {QStringLiteral("LICZNIK"), K::Number, 10, 7},
                                    {QStringLiteral("LICZTERM"), K::Number, 12, 9},
                                    {QStringLiteral("RODZAJ"), K::Text, 0, 0},
                                    {QStringLiteral("OPIS"), K::Text, 1, 1},
                                    {QStringLiteral("UWAGI"), K::Text, 2, 2}},
                                   11);
    return store;
}

const RecordStore& store() {
    static const RecordStore store(RegisterId::Magazyn, QStringLiteral("DBFInsertMagazyn"),
                                   QStringLiteral("DBFUpdateMagazyn"),
                                   {{QStringLiteral("ILOSC"), K::Number, 3, 1},
                                    {QStringLiteral("PRZYPOMNIJ"), K::Number, 5, 3},
                                    {QStringLiteral("CZESC"), K::Text, 0, 0},
                                    {QStringLiteral("UWAGI"), K::Text, 1, 1}},
                                   7);
    return store;
}

}  // namespace HoldingStores
