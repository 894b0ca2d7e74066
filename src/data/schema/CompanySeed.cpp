#include "data/schema/CompanySeed.h"

#include "data/engine/RowInsert.h"
#include "data/schema/Schema.h"
#include "support/PasswordHash.h"

namespace {

struct Entry {
    const char* dictionary;
    const char* text;
    const char* extra;
};

// Dictionary entries of a new company, in the order they are numbered. The vehicle kinds
// come first so that the two car kinds, the motorcycle and the moped get KOD 1 to 4.
const Entry kEntries[] = {
    {"RDPOJ", "Samochód osobowy", ""},
    {"RDPOJ", "Samochód ciężarowy", ""},
    {"RDPOJ", "Motocykl", ""},
    {"RDPOJ", "Motorower", ""},
    {"RDPLA", "Gotówka", ""},
    {"RDPLA", "Przelew", ""},
    {"RDPLA", "Karta płatnicza", ""},
    {"RDPLA", "Karta paliwowa", ""},
    {"STVAT", "23.00", ""},
    {"STVAT", "8.00", ""},
    {"STVAT", "5.00", ""},
    {"STVAT", "0.00", ""},
    {"RDWYD", "Paliwo", "Tak"},
    {"RDWYD", "Naprawa", "Tak"},
    {"RDWYD", "Przegląd techniczny", "Tak"},
    {"RDWYD", "Serwis okresowy", "Tak"},
    {"RDWYD", "Części zamienne", "Tak"},
    {"RDWYD", "Opony", "Tak"},
    {"RDWYD", "Myjnia", "Tak"},
    {"RDWYD", "Parking", "Tak"},
    {"RDWYD", "Opłaty drogowe", "Tak"},
    {"RDWYD", "Leasing", "Tak"},
    {"RDWYD", "Ubezpieczenie OC", "Nie"},
    {"RDWYD", "Ubezpieczenie AC", "Nie"},
    {"RDWYD", "Podatek od środków transportu", "Nie"},
    {"RDWYD", "Mandat", "Nie"},
    {"RDWYD", "Inne", "Nie"},
    {"CELWY", "Spotkanie z klientem", ""},
    {"CELWY", "Dostawa towaru", ""},
    {"CELWY", "Odbiór towaru", ""},
    {"CELWY", "Serwis pojazdu", ""},
    {"CELWY", "Delegacja", ""},
    {"CELWY", "Szkolenie", ""},
    {"RDDOK", "Dowód rejestracyjny", ""},
    {"RDDOK", "Karta pojazdu", ""},
    {"RDDOK", "Polisa OC", ""},
    {"RDDOK", "Polisa AC", ""},
    {"RDDOK", "Umowa leasingu", ""},
    {"RDDOK", "Faktura zakupu", ""},
    {"RDDOK", "Licencja transportowa", ""},
    {"RDDOK", "Świadectwo homologacji", ""},
    {"RDWYP", "Gaśnica", ""},
    {"RDWYP", "Apteczka", ""},
    {"RDWYP", "Trójkąt ostrzegawczy", ""},
    {"RDWYP", "Kamizelka odblaskowa", ""},
    {"RDWYP", "Nawigacja GPS", ""},
    {"RDWYP", "Radio CB", ""},
    {"RDWYP", "Łańcuchy śniegowe", ""},
    {"RDWYP", "Koło zapasowe", ""},
    {"RTERM", "Przegląd techniczny", ""},
    {"RTERM", "Ubezpieczenie", ""},
    {"RTERM", "Wymiana oleju", ""},
    {"RTERM", "Wymiana opon", ""},
    {"RTERM", "Legalizacja tachografu", ""},
    {"RTERM", "Badania lekarskie kierowcy", ""},
    {"RTERM", "Urlop kierowcy", ""},
    {"RPRAC", "Transport towarów", ""},
    {"RPRAC", "Przewóz osób", ""},
    {"RPRAC", "Prace ziemne", ""},
    {"RPRAC", "Prace dźwigowe", ""},
    {"RPRAC", "Usługi sprzętowe", ""},
    {"RODOP", "Letnie", ""},
    {"RODOP", "Zimowe", ""},
    {"RODOP", "Całoroczne", ""},
    {"ROZOP", "195/65 R15", ""},
    {"ROZOP", "205/55 R16", ""},
    {"ROZOP", "215/65 R16C", ""},
    {"ROZOP", "225/45 R17", ""},
    {"ROZOP", "315/80 R22.5", ""},
    {"RDNAP", "Wymiana oleju i filtrów", ""},
    {"RDNAP", "Wymiana klocków i tarcz hamulcowych", ""},
    {"RDNAP", "Wymiana rozrządu", ""},
    {"RDNAP", "Naprawa zawieszenia", ""},
    {"RDNAP", "Naprawa układu wydechowego", ""},
    {"RDNAP", "Serwis klimatyzacji", ""},
    {"RDNAP", "Naprawa blacharsko-lakiernicza", ""},
    {"RDNAP", "Diagnostyka komputerowa", ""},
    {"TYPZA", "Przegląd", ""},
    {"TYPZA", "Naprawa", ""},
    {"TYPZA", "Wyjazd", ""},
    {"RDPAL", "Benzyna Pb95", ""},
    {"RDPAL", "Benzyna Pb98", ""},
    {"RDPAL", "Olej napędowy", ""},
    {"RDPAL", "Gaz LPG", ""},
    {"RDPAL", "AdBlue", ""},
    {"CZESC", "Olej silnikowy 5W-30", ""},
    {"CZESC", "Filtr oleju", ""},
    {"CZESC", "Filtr powietrza", ""},
    {"CZESC", "Płyn do spryskiwaczy", ""},
    {"CZESC", "Żarówka H7", ""},
};

// Kilometre rates in PLN per km for private vehicles used for work: from 1 March 2007
// and from 17 January 2023. The sixteen free kinds start at 0 for the company to set.
struct Rates {
    int from;
    double upTo900, above900, motorcycle, moped;
};
const Rates kRates[] = {
    {20070301, 0.5214, 0.8358, 0.2302, 0.1382},
    {20230117, 0.89, 1.15, 0.69, 0.42},
};

QString latin(const char* text) {
    return QString::fromUtf8(text);
}

DbError insertEntry(DbConnection& company, const QString& dictionary, const QString& text,
                    const QString& extra, qint64* key) {
    return insertRow(company, QStringLiteral("slowniki"),
                     {{QStringLiteral("IDSLOWNIK"), dictionary},
                      {QStringLiteral("OPIS"), text},
                      {QStringLiteral("UZUP1"), extra},
                      {QStringLiteral("UZUP2"), QString()}},
                     key);
}

}  // namespace

namespace CompanySeed {

QString supervisorName() {
    return QStringLiteral("ADMIN");
}
QString supervisorPassword() {
    return QStringLiteral("lotra");
}

QStringList dictionaryTexts(const QString& dictionary) {
    QStringList texts;
    for (const Entry& entry : kEntries) {
        if (dictionary == QLatin1String(entry.dictionary))
            texts << QString::fromUtf8(entry.text);
    }
    return texts;
}

DbError fill(DbConnection& company, const QString& firstPassword) {
    FieldValues firma{{QStringLiteral("IDFIRMA"), 1}};
    const TableDef* firmaTable = Schema::companyTable(QStringLiteral("firma"));
    for (const FieldDef& field : firmaTable->fields) {
        if (field.kind == FieldKind::Text)
            firma.append({field.name, QString()});
    }
    if (DbError failed = insertRow(company, QStringLiteral("firma"), firma))
        return failed;

    if (DbError failed = insertRow(
            company, QStringLiteral("userzy"),
            {{QStringLiteral("NAZWA"), supervisorName()},
             {QStringLiteral("HASLO"),
              PasswordHash::make(firstPassword.isEmpty() ? supervisorPassword() : firstPassword)},
             {QStringLiteral("OPIS"), QStringLiteral("Administrator")},
             {QStringLiteral("SUPERVISOR"), QStringLiteral("T")}}))
        return failed;

    int position = 0;
    for (const Entry& entry : kEntries) {
        qint64 key = 0;
        if (DbError failed = insertEntry(company, latin(entry.dictionary), latin(entry.text),
                                         latin(entry.extra), &key))
            return failed;
        ++position;
        // The kilometre rates find the car kinds, the motorcycle and the moped by KOD.
        if (position <= 4 && key != position)
            return {DbError::Kind::Other,
                    QStringLiteral("Słownik rodzajów pojazdów nie jest pusty.")};
        if (position == 4) {
            for (int n = 5; n <= 20; ++n) {
                if (DbError failed =
                        insertEntry(company, QStringLiteral("RDPOJ"),
                                    QStringLiteral("Inne %1").arg(n - 4), QString::number(n), &key))
                    return failed;
            }
        }
    }

    for (const Rates& rates : kRates) {
        FieldValues row{{QStringLiteral("DATAOD"), rates.from},
                        {QStringLiteral("LW900"), rates.upTo900},
                        {QStringLiteral("GT900"), rates.above900},
                        {QStringLiteral("MOTOCYKL"), rates.motorcycle},
                        {QStringLiteral("MOTOROWER"), rates.moped}};
        for (int n = 5; n <= 20; ++n)
            row.append({QStringLiteral("RDPOJ%1").arg(n), 0.0});
        if (DbError failed = insertRow(company, QStringLiteral("stawki"), row))
            return failed;
    }

    for (int i = 1; i <= 30; ++i) {
        if (DbError failed = insertRow(company, QStringLiteral("notatki"),
                                       {{QStringLiteral("IDNOTATKI"), i},
                                        {QStringLiteral("DATA"), QString()},
                                        {QStringLiteral("OPIS"), QString()},
                                        {QStringLiteral("RESERVED"), QString()}}))
            return failed;
    }
    return {};
}

}  // namespace CompanySeed
