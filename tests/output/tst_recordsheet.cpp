// The one-record sheets on SQLite and on PostgreSQL: records found by each form of key,
// their title and lines exactly as the dialogs show the values (dictionaries, persons,
// vehicles, computed list values, the vehicle filter, the company's vehicle kinds), the
// lines joined by lone carriage returns; keys that name nothing, typed SQL included.
#include "ScriptedMessageService.h"
#include "TestCompany.h"
#include "data/TmyDataBase.h"
#include "data/engine/RowInsert.h"
#include "data/schema/DatabaseCreator.h"
#include "output/RecordByKey.h"
#include "output/RecordSheet.h"

#include <QTest>

namespace {

const QLocale kPolish(QLocale::Polish, QLocale::Poland);

using Outcome = FoundRecord::Outcome;

}  // namespace

class TstRecordSheet : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sheetOfRecordFoundByKey_data();
    void sheetOfRecordFoundByKey();
    void keysThatFindNothing_data();
    void keysThatFindNothing();

private:
    qint64 add(const QString& table, const FieldValues& values);
    void execute(const QString& sql);
    qint64 count(const QString& table);

    ScriptedMessageService m_messages;
    std::unique_ptr<TestCompany> m_company;
    TmyDataBase* m_db = nullptr;
    qint64 m_vehicle = -1;
    qint64 m_roadCard = -1;
    qint64 m_fuelCost = -1;
    qint64 m_washCost = -1;
    qint64 m_trip = -1;
};

qint64 TstRecordSheet::add(const QString& table, const FieldValues& values) {
    qint64 key = -1;
    const DbError error = insertRow(m_db->DatabaseFirma(), table, values, &key);
    if (error)
        qWarning("%s: %s", qPrintable(table), qPrintable(error.message()));
    return error ? -1 : key;
}

void TstRecordSheet::execute(const QString& sql) {
    const DbError error = m_db->DatabaseFirma().execute(SqlStatement(sql));
    QVERIFY2(error.ok(), qPrintable(error.message()));
}

qint64 TstRecordSheet::count(const QString& table) {
    DbQuery rows;
    if (m_db->DatabaseFirma().select(SqlStatement(QStringLiteral("SELECT COUNT(*) FROM ") + table),
                                     &rows) ||
        !rows.next())
        return -1;
    return rows.value(0).toLongLong();
}

void TstRecordSheet::initTestCase() {
    QLocale::setDefault(kPolish);
    m_company = std::make_unique<TestCompany>();
    REQUIRE_LOCATION(m_company->place());
    QVERIFY2(m_company->create(DatabaseCreator::Contents::Empty, &m_messages,
                               QStringLiteral("Próba"), QStringLiteral("proba")),
             qPrintable(m_company->error()));
    m_db = &m_company->db();

    // The new company's dictionaries, renamed and extended as a company would.
    execute(
        QStringLiteral("UPDATE slowniki SET OPIS = 'Przyczepa' "
                       "WHERE IDSLOWNIK = 'RDPOJ' AND UZUP1 = '5'"));
    execute(
        QStringLiteral("UPDATE slowniki SET OPIS = '' WHERE IDSLOWNIK = 'RDPOJ' AND UZUP1 = '6'"));
    execute(QStringLiteral("UPDATE stawki SET RDPOJ5 = 0.3 WHERE DATAOD = 20230117"));
    const qint64 centre =
        add(QStringLiteral("slowniki"),
            {{"IDSLOWNIK", "CKKOD"}, {"OPIS", "Dział handlowy"}, {"UZUP1", ""}, {"UZUP2", ""}});
    DbQuery transfer;
    QVERIFY(m_db->DatabaseFirma()
                .select(SqlStatement(QStringLiteral("SELECT KOD FROM slowniki WHERE IDSLOWNIK = "
                                                    "'RDPLA' AND OPIS = 'Przelew'")),
                        &transfer)
                .ok());
    QVERIFY(transfer.next());
    const qint64 payment = transfer.value(0).toLongLong();

    // clang-format off
    for (const auto& [key, surname, name] :
         {std::tuple{"7", "Kowalski", "Jan"}, std::tuple{"12", "Nowak", "Anna"}})
        add("osobowa", {{"NREW", key}, {"NAZWISKO", surname}, {"IMIE", name}, {"ADRES", "Lipowa"},
                        {"NUMER", "5"}, {"MIASTO", "Gniezno"}, {"KOD", "62-200"},
                        {"KRAJ", "Polska"}, {"TELEFON", "601 100 200"}, {"UWAGI", "kierowca"}});
    m_vehicle = add("pojazdy", {{"NRREJ", "PGN 1234"}, {"LP", 3}, {"NREWID", "V-1"},
                                {"MARKA", "Fiat Doblo"}, {"RODZAJ", 2}, {"POJEMNOSC", 1598},
                                {"ROCZNIK", 2019}, {"STATUS", 3}, {"DATAPRZE", 20250615},
                                {"LICZPRZEG", 30000.0}, {"NREW", "Firma Sp. z o.o."},
                                {"STAWKA", 45.5}, {"NORMAOD", 6.5}, {"NORMADO", 8.25},
                                {"IDKIEROWCY", "7"}});
    add("pojazdy", {{"NRREJ", "PO 777"}, {"MARKA", "Iveco"}, {"STATUS", 0}});
    add("kpaliwowe", {{"IDKARTY", "K-01"}, {"NAZWA", "Flota Plus"}, {"IDPOJAZD", m_vehicle},
                      {"IDKIEROWCY", "7"}, {"TERMIN", 20261231}});
    m_roadCard = add("kartydrogowe", {{"NRKARTY", "KD/1"}, {"DATAWYST", 20250301},
                                      {"IDPOJAZD", m_vehicle}, {"IDKIEROWCY", "7"},
                                      {"CELWYJAZDU", "Dostawa"}, {"TRASA", "Poznań - Gniezno"},
                                      {"DATASTART", 20250301}, {"GODZSTART", 730},
                                      {"DATAEND", 20250302}, {"GODZEND", 1605},
                                      {"LICZSTART", 1000.0}, {"LICZEND", 1250.5}, {"CZAS", 8.0},
                                      {"ODPOCZYNEK", 11.0}, {"GODZSUMA", 9.5}});
    m_fuelCost = add("koszty", {{"DATA", 20250302}, {"IDPOJAZD", m_vehicle},
                                {"IDDROGOWA", double(m_roadCard)}, {"RODZWYD", "Paliwo"},
                                {"NAZWATOWAR", "Olej napędowy"}, {"WARTNETTO", 100.0},
                                {"WARTVAT", 23.0}, {"WARTBRUTTO", 123.0}, {"CZYVAT", "T"},
                                {"IDKARTY", "K-01"}, {"ISFUEL", "T"}, {"FUEL", 18.25},
                                {"CK", double(centre)}, {"IDKIEROWCY", "7"},
                                {"DATAWYSTAW", 20250302}, {"NRDOKUMENT", "FV 1/2025"},
                                {"RODZAJPLAT", payment}, {"LICZNIK", 1200.0}, {"UWAGI", "20 l"}});
    // A net amount whose binary value lies just below the half grosz.
    m_washCost = add("koszty", {{"DATA", 20250305}, {"IDPOJAZD", m_vehicle}, {"IDDROGOWA", -1.0},
                                {"RODZWYD", "Myjnia"}, {"NAZWATOWAR", "Mycie"},
                                {"WARTNETTO", 2.675}, {"WARTVAT", 0.62}, {"WARTBRUTTO", 3.3},
                                {"CZYVAT", "N"}, {"ISFUEL", ""}});
    m_trip = add("przejazdy", {{"DATA", 20250303}, {"IDPOJAZD", m_vehicle},
                               {"CELWYJAZDU", "Dostawa"}, {"TRASA", "Poznań - Gniezno"},
                               {"ODLEGLOSC", 120.0}, {"IDKIEROWCY", "7"}});
    for (const auto& [date, tank, fuel, reading] :
         {std::tuple{20250301, 10.0, 40.0, 1000.0}, std::tuple{20250310, 15.0, 30.0, 1500.0}})
        add("zuzycie", {{"IDPOJAZD", m_vehicle}, {"DATA", date}, {"BAK", tank},
                        {"TANKOWANIE", fuel}, {"LICZNIK", reading}});
    add("zuzyciekmlpg", {{"IDPOJAZD", m_vehicle}, {"DATA", 20250305}, {"PRZEBIEG", 400.0},
                         {"TANKOWANIE", 30.0}, {"LICZNIK", 1400.0}});
    // clang-format on
    QVERIFY(m_vehicle > 0 && m_roadCard > 0 && m_fuelCost > 0 && m_washCost > 0 && m_trip > 0);
    QVERIFY2(m_messages.shown().isEmpty(), qPrintable(m_messages.texts().join('\n')));
}

void TstRecordSheet::sheetOfRecordFoundByKey_data() {
    QTest::addColumn<QString>("reg");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("lpg");
    QTest::addColumn<bool>("translated");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("lines");

    const QStringList fuelCost = {"Data powstania kosztu: 02.03.2025",
                                  "Pojazd: PGN 1234",
                                  "Koszt z karty drogowej: KD/1",
                                  "Rodzaj wydatku: Paliwo",
                                  "Nazwa towaru: Olej napędowy",
                                  "Wartość netto: 100,00",
                                  "Kwota VAT: 23,00",
                                  "Wartość brutto: 123,00",
                                  "Czy księgować VAT?: TAK",
                                  "Karta paliwowa: K-01 Flota Plus",
                                  "Dotyczy zakupu paliwa: TAK",
                                  "Ilość paliwa [l]: 18,25",
                                  "CK: Dział handlowy",
                                  "Kierowca: Kowalski Jan (ID 7)",
                                  "Dokument kosztowy:",
                                  "Data wystawienia: 02.03.2025",
                                  "Numer dokumentu: FV 1/2025",
                                  "Rodzaj płatności: Przelew",
                                  "Stan licznika w trakcie zakupu: 1200,00",
                                  "Ilość towaru / inne: 20 l"};
    QStringList translatedCost = fuelCost;
    translatedCost[8] = "Czy księgować VAT?: YES";
    translatedCost[10] = "Dotyczy zakupu paliwa: YES";
    translatedCost.last() = "Quantity / other: 20 l";
    const QString costTitle = "Dane szczegółowe wskazanego kosztu";

    QTest::newRow("cost: a fuel purchase")
        << "koszty" << QString::number(m_fuelCost) << false << false << costTitle << fuelCost;
    QTest::newRow("cost: translated") << "koszty" << QString::number(m_fuelCost) << false << true
                                      << "Cost details" << translatedCost;
    QTest::newRow("cost: no card, no driver, half a grosz")
        << "KOSZTY" << QString::number(m_washCost) << false << false << costTitle
        << QStringList{"Data powstania kosztu: 05.03.2025",
                       "Pojazd: PGN 1234",
                       "Koszt z karty drogowej: ",
                       "Rodzaj wydatku: Myjnia",
                       "Nazwa towaru: Mycie",
                       "Wartość netto: 2,68",
                       "Kwota VAT: 0,62",
                       "Wartość brutto: 3,30",
                       "Czy księgować VAT?: NIE",
                       "Karta paliwowa: ",
                       "Dotyczy zakupu paliwa: NIE",
                       "Ilość paliwa [l]: 0,00",
                       "CK: ",
                       "Kierowca: ",
                       "Dokument kosztowy:",
                       "Data wystawienia: ",
                       "Numer dokumentu: ",
                       "Rodzaj płatności: ",
                       "Stan licznika w trakcie zakupu: 0,00",
                       "Ilość towaru / inne: "};
    QTest::newRow("vehicle") << "pojazdy" << QString::number(m_vehicle) << false << false
                             << "Dane pojazdu"
                             << QStringList{"Numer rejestracyjny: PGN 1234",
                                            "Lp: 3",
                                            "ID pojazdu: V-1",
                                            "Numer Floty: ",
                                            "Poprzedni nr rejestr.: ",
                                            "Marka / typ / model: Fiat Doblo",
                                            "Rodzaj pojazdu: Samochód ciężarowy",
                                            "Pojemność [cm3]: 1598",
                                            "Rocznik: 2019",
                                            "Status pojazdu: W naprawie",
                                            "Seria dow. rejestrac.: ",
                                            "Następny przegląd techniczny: 15.06.2025",
                                            "Numer silnika: ",
                                            "Przegl.tech. przy stanie licznika [km]: 30000,00",
                                            "Właściciel: Firma Sp. z o.o.",
                                            "Numer nadwozia: ",
                                            "Numer polisy OC: ",
                                            "Data ważności OC: ",
                                            "Numer polisy AC: ",
                                            "Data ważności AC: ",
                                            "Przegląd gwaranyjny po stanie licznika [km]: 0,00",
                                            "Data przeglądu gwarancyjnego: ",
                                            "Data legalizacji tachografu: ",
                                            "Stawka za godzinę pracy [PLN/h]: 45,50",
                                            "Norma zużycia paliwa od [l]: 6,50 do: 8,25",
                                            "Kierowca: Kowalski Jan (ID 7)",
                                            "Inne: "};
    QTest::newRow("person") << "osobowa"
                            << "7" << false << false << "Dane pracownika"
                            << QStringList{"Numer ewidencyjny: 7", "Nazwisko i imię: Kowalski Jan",
                                           "Adres: Lipowa",        "Numer domu: 5",
                                           "Miasto: Gniezno",      "Kod pocztowy: 62-200",
                                           "Kraj: Polska",         "Telefon (-y): 601 100 200",
                                           "Adres kontaktowy: ",   "Inne: kierowca"};
    QTest::newRow("fuel card") << "kpaliwowe"
                               << "K-01" << false << false << "Szczegóły wskazanej karty paliwowej"
                               << QStringList{"ID karty: K-01",
                                              "Nazwa: Flota Plus",
                                              "Stacja: ",
                                              "Termin: 31.12.2026",
                                              "Pojazd: PGN 1234",
                                              "Kierowca: Kowalski Jan (ID 7)",
                                              "WWW: ",
                                              "Email: ",
                                              "PIN: ",
                                              "Inne: "};
    QTest::newRow("road card: date and time")
        << "kartydrogowe" << QString::number(m_roadCard) << false << false
        << "Szczegóły wskazanej karty drogowej"
        << QStringList{"Data wystawienia: 01.03.2025",
                       "Pojazd: PGN 1234",
                       "Kierowca: Kowalski Jan (ID 7)",
                       "Numer karty: KD/1",
                       "Nr prawa jazdy: ",
                       "Cel wyjazdu: Dostawa",
                       "Trasa: Poznań - Gniezno",
                       "Data i godzina rozpoczęcia: 01.03.2025 07:30",
                       "Data i godzina zakończenia: 02.03.2025 16:05",
                       "Stan licznika przed wyjazdem [km]: 1000,00",
                       "Stan licznika po powrocie [km]: 1250,50",
                       "Czas prowadzenia pojazdu: 8,00",
                       "Dobowy czas odpoczynku: 11,00",
                       "Ogółem godzin pracy: 9,50",
                       "Inne: "};
    // The rate and the amount are the list's: the 2023 rate of a car above 900 cm3.
    QTest::newRow("trip: computed rate and amount")
        << "przejazdy" << QString::number(m_trip) << false << false << "Szczegóły przejazdu"
        << QStringList{"Data wyjazdu: 03.03.2025",
                       "Pojazd: PGN 1234",
                       "Cel wyjazdu: Dostawa",
                       "Trasa: Poznań - Gniezno",
                       "Stawka: 1,1500",
                       "Długość trasy [km]: 120",
                       "Kwota: 138,00",
                       "Kierowca: Kowalski Jan (ID 7)",
                       "Inne: "};
    // (10 + 40 - 15) litres over 500 km since the refuelling before.
    QTest::newRow("continuous consumption")
        << "zuzycie"
        << "PGN 1234@10.03.2025" << false << false
        << "Szczegóły dotyczące tankowania - zużycie ciągłe"
        << QStringList{"Rodzaj paliwa: Paliwo płynne",
                       "Pojazd: PGN 1234",
                       "Data tankowania: 10.03.2025",
                       "Ilość paliwa w baku przed tankowaniem [l]: 15,00",
                       "Ilość zatankowanego paliwa [l]: 30,00",
                       "Stan licznika w trakcie tankowania [km]: 1500,00",
                       "Zużycie l/100 km: 7,00"};
    QTest::newRow("consumption by distance, LPG")
        << "zuzyciekm"
        << "PGN 1234@05.03.2025" << true << false
        << "Szczegóły dotyczące tankowania - zużycie na podst. przebiegu"
        << QStringList{
               "Rodzaj paliwa: Gaz LPG",      "Pojazd: PGN 1234",
               "Data tankowania: 05.03.2025", "Przejechano kilometrów [km]: 400,00",
               "Zużyto paliwa [l]: 30,00",    "Stan licznika w trakcie tankowania [km]: 1400,00",
               "Zużycie l/100 km: 7,50"};
    QStringList rates = {"Od kiedy obowiązują stawki: 17.01.2023",
                         "Stawki w PLN w zależności od rodzaju pojazdu:",
                         "Poniżej 900 cm3: 0,8900",
                         "Powyżej 900 cm3: 1,1500",
                         "Motocykl: 0,6900",
                         "Motorower: 0,4200",
                         "Przyczepa: 0,3000",
                         "6.: 0,0000"};
    for (int kind = 7; kind <= 20; ++kind)
        rates << QStringLiteral("Inne %1: 0,0000").arg(kind - 4);
    QTest::newRow("rates with the kinds' names")
        << "stawki"
        << "17.01.2023" << false << false << "Informacje dotyczące stawek we wskazanym okresie"
        << rates;
}

void TstRecordSheet::sheetOfRecordFoundByKey() {
    QFETCH(QString, reg);
    QFETCH(QString, key);
    QFETCH(bool, lpg);
    QFETCH(bool, translated);
    QFETCH(QString, title);
    QFETCH(QStringList, lines);

    const FoundRecord found = RecordByKey::find(*m_db, reg, key, lpg);
    QVERIFY2(found.found(), qPrintable(found.message));
    RecordSheet::Translate translate;
    if (translated) {
        const QHash<QString, QString> english = {
            {"Dane szczegółowe wskazanego kosztu", "Cost details"},
            {"TAK", "YES"},
            {"Ilość towaru / inne", "Quantity / other"}};
        translate = [english](const QString& text) { return english.value(text, text); };
    }
    const RecordSheetText sheet = RecordSheet(*m_db, translate).build(*found.model, found.row);
    QCOMPARE(sheet.title, title);
    QCOMPARE(sheet.lines, lines);
    QCOMPARE(sheet.text(), lines.join(QLatin1Char('\r')));
    QVERIFY2(m_messages.shown().isEmpty(), qPrintable(m_messages.texts().join('\n')));
}

void TstRecordSheet::keysThatFindNothing_data() {
    QTest::addColumn<QString>("reg");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("lpg");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("message");

    const QString none = "Nie znaleziono pozycji";
    const QString cost = QString::number(m_fuelCost);
    QTest::newRow("unknown register")
        << "ksiazki"
        << "1" << false << Outcome::Refused << "Nie ma takiego rejestru";
    QTest::newRow("LPG of costs") << "koszty" << cost << true << Outcome::Refused << "Gaz LPG";
    QTest::newRow("unknown cost") << "koszty"
                                  << "999999" << false << Outcome::NotFound << none;
    QTest::newRow("cost key with SQL")
        << "koszty" << cost + " OR 1 = 1" << false << Outcome::NotFound << none;
    QTest::newRow("card key with a quote")
        << "kpaliwowe"
        << "K-01' OR '1' = '1" << false << Outcome::NotFound << none;
    QTest::newRow("card key with a statement")
        << "kpaliwowe"
        << "x'; DELETE FROM osobowa; --" << false << Outcome::NotFound << none;
    QTest::newRow("person key with a quote")
        << "osobowa"
        << "7' OR '1' = '1" << false << Outcome::NotFound << none;
    QTest::newRow("refuelling without a day")
        << "zuzycie"
        << "PGN 1234" << false << Outcome::Refused << "Niepoprawny klucz";
    QTest::newRow("refuelling on no real day")
        << "zuzycie"
        << "PGN 1234@31.02.2025" << false << Outcome::Refused << "Niepoprawny klucz";
    QTest::newRow("refuelling without a vehicle")
        << "zuzycie"
        << "@10.03.2025" << false << Outcome::Refused << "Niepoprawny klucz";
    QTest::newRow("refuelling of an unknown vehicle")
        << "zuzycie"
        << "XX 1' OR '1' = '1@10.03.2025" << false << Outcome::NotFound << none;
    QTest::newRow("refuelling on another day")
        << "zuzycie"
        << "PGN 1234@11.03.2025" << false << Outcome::NotFound << none;
    QTest::newRow("petrol refuelling in the LPG table")
        << "zuzycielpg"
        << "PGN 1234@10.03.2025" << false << Outcome::NotFound << none;
    QTest::newRow("rates of no set") << "stawki"
                                     << "18.01.2023" << false << Outcome::NotFound << none;
    QTest::newRow("rates in another date form")
        << "stawki"
        << "2023-01-17" << false << Outcome::Refused << "Niepoprawna data";
}

void TstRecordSheet::keysThatFindNothing() {
    QFETCH(QString, reg);
    QFETCH(QString, key);
    QFETCH(bool, lpg);
    QFETCH(Outcome, outcome);
    QFETCH(QString, message);

    const FoundRecord found = RecordByKey::find(*m_db, reg, key, lpg);
    QCOMPARE(found.outcome, outcome);
    QVERIFY2(found.message.startsWith(message), qPrintable(found.message));
    QCOMPARE(found.row, -1);
    // A typed key is bound, never run.
    QCOMPARE(count(QStringLiteral("osobowa")), qint64(2));
    QVERIFY2(m_messages.shown().isEmpty(), qPrintable(m_messages.texts().join('\n')));
}

QTEST_GUILESS_MAIN(TstRecordSheet)
#include "tst_recordsheet.moc"
