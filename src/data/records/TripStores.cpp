#include "data/records/TripStores.h"

#include <QStringList>

namespace TripStores {

using K = FieldSlot::Kind;

const RecordStore& trips() {
    // Insert: the date takes the run of lines 2 to 4 (2 is used), the vehicle line 6 and
    // the length line 8. Update: date 1, vehicle 3, length 6, the row's key in line 11.
    // The four texts are :PARAM0 .. :PARAM3 in both.
    static const RecordStore store(RegisterId::Przejazdy, QStringLiteral("DBFInsertPrzejazdy"),
                                   QStringLiteral("DBFUpdatePrzejazdy"),
                                   {{QStringLiteral("DATA"), K::Date, 2, 1},
                                    {QStringLiteral("IDPOJAZD"), K::Integer, 6, 3},
                                    {QStringLiteral("CELWYJAZDU"), K::Text, 0, 0},
                                    {QStringLiteral("TRASA"), K::Text, 1, 1},
                                    {QStringLiteral("ODLEGLOSC"), K::Number, 8, 6},
                                    {QStringLiteral("IDKIEROWCY"), K::Text, 2, 2},
                                    {QStringLiteral("UWAGI"), K::Text, 3, 3}},
                                   11);
    return store;
}

const QStringList& rateFields() {
    static const QStringList fields = [] {
        QStringList list{QStringLiteral("LW900"), QStringLiteral("GT900"),
                         QStringLiteral("MOTOCYKL"), QStringLiteral("MOTOROWER")};
        for (int n = 5; n <= 20; ++n)
            list << QStringLiteral("RDPOJ%1").arg(n);
        return list;
    }();
    return fields;
}

const RecordStore& rates() {
    // Every value is a literal, one slot each, two lines apart: the insert from line 4
    // (the date) to line 44 (RDPOJ20), the update from line 1 to line 41, and the update
    // names the set by its old date in line 43.
    static const RecordStore store = [] {
        QList<FieldSlot> fieldSlots{{QStringLiteral("DATAOD"), K::Date, 4, 1}};
        const QStringList& fields = rateFields();
        for (int i = 0; i < fields.size(); ++i)
            fieldSlots.append({fields.at(i), K::Number, 6 + 2 * i, 3 + 2 * i});
        return RecordStore(RegisterId::Stawki, QStringLiteral("DBFInsertStawki"),
                           QStringLiteral("DBFUpdateStawki"), fieldSlots, 43);
    }();
    return store;
}

const RecordStore& settlements() {
    // Insert: the six literals in lines 4 to 14, two apart; update: lines 1 to 11 and
    // the row's key in line 18. The five texts are :PARAM0 .. :PARAM4 in both.
    static const RecordStore store(RegisterId::Rozliczenia, QStringLiteral("DBFInsertRozliczenia"),
                                   QStringLiteral("DBFUpdateRozliczenia"),
                                   {{QStringLiteral("DATAOD"), K::Date, 4, 1},
                                    {QStringLiteral("DATADO"), K::Date, 6, 3},
                                    {QStringLiteral("IDPOJAZDU"), K::Integer, 8, 5},
                                    {QStringLiteral("GODZINY"), K::Number, 10, 7},
                                    {QStringLiteral("STAWKA"), K::Number, 12, 9},
                                    {QStringLiteral("RODZAJPRAC"), K::Integer, 14, 11},
                                    {QStringLiteral("NRDOKUMENTU"), K::Text, 0, 0},
                                    {QStringLiteral("TRASA"), K::Text, 1, 1},
                                    {QStringLiteral("NREW"), K::Text, 2, 2},
                                    {QStringLiteral("KONTRAHENT"), K::Text, 3, 3},
                                    {QStringLiteral("OPIS"), K::Text, 4, 4}},
                                   18);
    return store;
}

}  // namespace TripStores
