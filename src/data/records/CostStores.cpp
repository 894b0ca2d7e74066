#include "data/records/RecordStores.h"

namespace RecordStores {

using K = FieldSlot::Kind;

const RecordStore& costs() {
    // The texts take the same parameters in both statements; the literals sit in other
    // lines: the insert gives the vehicle the run of lines 2 to 4 (2 is used) and starts
    // the values at line 6, the update starts at line 1 and names the row in line 24.
    static const RecordStore store(RegisterId::Koszty, QStringLiteral("DBFInsertKoszty"),
                                   QStringLiteral("DBFUpdateKoszty"),
                                   {{QStringLiteral("IDPOJAZD"), K::Integer, 2, 1},
                                    {QStringLiteral("DATA"), K::Date, 6, 3},
                                    {QStringLiteral("RODZWYD"), K::Text, 0, 0},
                                    {QStringLiteral("NAZWATOWAR"), K::Text, 1, 1},
                                    {QStringLiteral("NRDOKUMENT"), K::Text, 2, 2},
                                    {QStringLiteral("WARTNETTO"), K::Number, 8, 6},
                                    {QStringLiteral("WARTVAT"), K::Number, 10, 8},
                                    {QStringLiteral("WARTBRUTTO"), K::Number, 12, 10},
                                    {QStringLiteral("UWAGI"), K::Text, 3, 3},
                                    {QStringLiteral("CZYVAT"), K::Text, 4, 4},
                                    {QStringLiteral("DATAWYSTAW"), K::Date, 14, 12},
                                    {QStringLiteral("RODZAJPLAT"), K::Integer, 16, 14},
                                    {QStringLiteral("IDKARTY"), K::Text, 5, 5},
                                    {QStringLiteral("LICZNIK"), K::Number, 18, 16},
                                    {QStringLiteral("IDKIEROWCY"), K::Text, 6, 6},
                                    {QStringLiteral("ISFUEL"), K::Text, 7, 7},
                                    {QStringLiteral("FUEL"), K::Number, 20, 18},
                                    {QStringLiteral("CK"), K::Integer, 22, 20},
                                    {QStringLiteral("IDDROGOWA"), K::Integer, 24, 22}},
                                   24);
    return store;
}

}  // namespace RecordStores
