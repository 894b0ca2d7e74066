#include "data/records/RecordStores.h"

namespace RecordStores {

using K = FieldSlot::Kind;

const RecordStore& repairs() {
    // The insert writes the vehicle into the first of its three adjacent slot lines.
    static const RecordStore store(RegisterId::Naprawy, QStringLiteral("DBFInsertNaprawy"),
                                   QStringLiteral("DBFUpdateNaprawy"),
                                   {{QStringLiteral("IDPOJAZD"), K::Integer, 2, 3},
                                    {QStringLiteral("DATA"), K::Date, 6, 1},
                                    {QStringLiteral("OPIS"), K::Text, 0, 0},
                                    {QStringLiteral("WARTNETTO"), K::Number, 8, 5},
                                    {QStringLiteral("WARTVAT"), K::Number, 10, 7},
                                    {QStringLiteral("WARTBRUTTO"), K::Number, 12, 9},
                                    {QStringLiteral("UWAGI"), K::Text, 1, 1},
                                    {QStringLiteral("IDKIEROWCY"), K::Text, 2, 2},
                                    {QStringLiteral("LICZNIK"), K::Number, 14, 11},
                                    {QStringLiteral("LICZTERM"), K::Number, 16, 13},
                                    {QStringLiteral("DONE"), K::Text, 3, 3}},
                                   16);
    return store;
}

const RecordStore& damages() {
    static const RecordStore store(RegisterId::Szkody, QStringLiteral("DBFInsertSzkody"),
                                   QStringLiteral("DBFUpdateSzkody"),
                                   {{QStringLiteral("IDPOJAZD"), K::Integer, 2, 3},
                                    {QStringLiteral("DATA"), K::Date, 6, 1},
                                    {QStringLiteral("OPIS"), K::Text, 0, 0},
                                    {QStringLiteral("WARTNETTO"), K::Number, 8, 5},
                                    {QStringLiteral("WARTVAT"), K::Number, 10, 7},
                                    {QStringLiteral("WARTBRUTTO"), K::Number, 12, 9},
                                    {QStringLiteral("UWAGI"), K::Text, 1, 1},
                                    {QStringLiteral("IDKIEROWCY"), K::Text, 2, 2},
                                    {QStringLiteral("LICZNIK"), K::Number, 14, 11}},
                                   13);
    return store;
}

const RecordStore& tyres() {
    // The update writes the ten first literals three slot lines earlier than the insert.
    static const RecordStore store(RegisterId::Opony, QStringLiteral("DBFInsertOpony"),
                                   QStringLiteral("DBFUpdateOpony"),
                                   {{QStringLiteral("ILOSC"), K::Integer, 4, 1},
                                    {QStringLiteral("RODZAJ"), K::Integer, 6, 3},
                                    {QStringLiteral("ROZMIAR"), K::Integer, 8, 5},
                                    {QStringLiteral("PRZEBMAX"), K::Number, 10, 7},
                                    {QStringLiteral("IDPOJAZDU"), K::Integer, 12, 9},
                                    {QStringLiteral("DATAZAKUPU"), K::Date, 14, 11},
                                    {QStringLiteral("NETTO"), K::Number, 16, 13},
                                    {QStringLiteral("VAT"), K::Number, 18, 15},
                                    {QStringLiteral("BRUTTO"), K::Number, 20, 17},
                                    {QStringLiteral("DATAWYMIANY"), K::Date, 22, 19},
                                    {QStringLiteral("NREWID"), K::Text, 0, 0},
                                    {QStringLiteral("MARKA"), K::Text, 1, 1},
                                    {QStringLiteral("BIEZNIK"), K::Text, 2, 2},
                                    {QStringLiteral("CECHY"), K::Text, 3, 3},
                                    {QStringLiteral("NRDOKUMENTU"), K::Text, 4, 4},
                                    {QStringLiteral("MAGAZYN"), K::Text, 5, 5},
                                    {QStringLiteral("INNE"), K::Text, 6, 6},
                                    {QStringLiteral("LICZTERM"), K::Number, 24, 23}},
                                   25);
    return store;
}

}  // namespace RecordStores
