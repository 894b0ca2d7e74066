#include "data/records/RecordStores.h"

namespace RecordStores {

using K = FieldSlot::Kind;

const RecordStore& vehicles() {
    // Insert and update put the same fields in the same slots, except the kind,
    // capacity and year, one line earlier in the update.
    static const RecordStore store(RegisterId::Pojazdy, QStringLiteral("DBFInsertPojazdy"),
                                   QStringLiteral("DBFUpdatePojazdy"),
                                   {{QStringLiteral("NRREJ"), K::Text, 0, 0},
                                    {QStringLiteral("POPRZNRREJ"), K::Text, 1, 1},
                                    {QStringLiteral("MARKA"), K::Text, 2, 2},
                                    {QStringLiteral("RODZAJ"), K::Integer, 6, 5},
                                    {QStringLiteral("POJEMNOSC"), K::Integer, 8, 7},
                                    {QStringLiteral("ROCZNIK"), K::Integer, 10, 9},
                                    {QStringLiteral("SERIADREJ"), K::Text, 3, 3},
                                    {QStringLiteral("NRSILNIKA"), K::Text, 4, 4},
                                    {QStringLiteral("NRNADWOZIA"), K::Text, 5, 5},
                                    {QStringLiteral("NREW"), K::Text, 6, 6},
                                    {QStringLiteral("IDKIEROWCY"), K::Text, 7, 7},
                                    {QStringLiteral("DATAOC"), K::Date, 12, 12},
                                    {QStringLiteral("NRPOLOC"), K::Text, 8, 8},
                                    {QStringLiteral("DATAAC"), K::Date, 14, 14},
                                    {QStringLiteral("NRPOLAC"), K::Text, 9, 9},
                                    {QStringLiteral("DATAPRZE"), K::Date, 16, 16},
                                    {QStringLiteral("DATAPRZEGW"), K::Date, 18, 18},
                                    {QStringLiteral("UWAGI"), K::Text, 10, 10},
                                    {QStringLiteral("STAWKA"), K::Number, 20, 20},
                                    {QStringLiteral("DATATACHO"), K::Date, 22, 22},
                                    {QStringLiteral("NORMAOD"), K::Number, 24, 24},
                                    {QStringLiteral("NORMADO"), K::Number, 26, 26},
                                    {QStringLiteral("LICZPRZEG"), K::Number, 28, 28},
                                    {QStringLiteral("LICZGWAR"), K::Number, 30, 30},
                                    {QStringLiteral("LP"), K::OptionalInteger, 32, 32},
                                    {QStringLiteral("NRFLOTY"), K::OptionalInteger, 34, 34},
                                    {QStringLiteral("NREWID"), K::Text, 11, 11},
                                    {QStringLiteral("STATUS"), K::Integer, 36, 36}},
                                   38);
    return store;
}

const RecordStore& persons() {
    static const RecordStore store(RegisterId::Osobowa, QStringLiteral("DBFInsertOsobowa"),
                                   QStringLiteral("DBFUpdateOsobowa"),
                                   {{QStringLiteral("NREW"), K::Text, 0, 0},
                                    {QStringLiteral("NAZWISKO"), K::Text, 1, 1},
                                    {QStringLiteral("IMIE"), K::Text, 2, 2},
                                    {QStringLiteral("ADRES"), K::Text, 3, 3},
                                    {QStringLiteral("NUMER"), K::Text, 4, 4},
                                    {QStringLiteral("KOD"), K::Text, 5, 5},
                                    {QStringLiteral("MIASTO"), K::Text, 6, 6},
                                    {QStringLiteral("KRAJ"), K::Text, 7, 7},
                                    {QStringLiteral("TELEFON"), K::Text, 8, 8},
                                    {QStringLiteral("KONTAKT"), K::Text, 9, 9},
                                    {QStringLiteral("UWAGI"), K::Text, 10, 10}},
                                   -1, 11);
    return store;
}

}  // namespace RecordStores
