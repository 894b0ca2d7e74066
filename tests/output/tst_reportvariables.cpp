// The report module on SQLite and on PostgreSQL: run totals counted once per row and from
// zero at every run, the period line of each kind of period filter, road-card times,
// the fuel-price average, page numbers, row variables of several sets, statement rows,
// and the fallback from a report's own variables to the common ones.
#include "ScriptedMessageService.h"
#include "TestCompany.h"
#include "data/FilterClauses.h"
#include "data/TmyDataBase.h"
#include "data/engine/RowInsert.h"
#include "data/schema/DatabaseCreator.h"
#include "output/report/TDMRaporty.h"

#include <QTest>

namespace {

const QLocale kPolish(QLocale::Polish, QLocale::Poland);
const QString kNineBlanks(9, QLatin1Char(' '));
using Bounds = std::pair<qint64, qint64>;

// What the tests insert: net, VAT, gross and, for costs, litres (0: no fuel purchase).
const QList<QList<double>> kCosts = {
    {10.10, 2.32, 12.42, 45.5}, {20.05, 4.61, 24.66, 0}, {333.33, 76.67, 410.00, 12.25}};
const QList<QList<double>> kTyres = {{400.00, 92.00, 492.00}, {123.45, 28.39, 151.84}};
const QList<QList<double>> kDamages = {{50.00, 11.50, 61.50}, {9.99, 2.30, 12.29}};
// LICZSTART, LICZEND, GODZSUMA, GODZSTART, GODZEND.
const QList<QList<double>> kRoadCards = {{1000.40, 1250.90, 8.5, 730, 1605},
                                         {1250.90, 1300.00, 7.25, 0, 0}};
const QList<double> kPrices = {5.00, 6.01, 5.99};

FieldValues named(const QStringList& fields, const QList<double>& values) {
    FieldValues result;
    for (int i = 0; i < fields.size(); ++i)
        result.append({fields[i], values[i]});
    return result;
}

// Asks every name twice on every row, as a layout printing it twice would, and the
// totals once after the walk.
QStringList walk(TDMRaporty& report, const QStringList& perRow, const QStringList& after) {
    for (report.first(); !report.atEnd(); report.next()) {
        for (int ask = 0; ask < 2; ++ask) {
            for (const QString& name : perRow)
                report.value(name);
        }
    }
    QStringList answers;
    for (const QString& name : after)
        answers << report.value(name);
    return answers;
}

}  // namespace

class TstReportVariables : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void currentDate_data();
    void currentDate();
    void commonAndFallback_data();
    void commonAndFallback();
    void pageNumber();
    void statementRows_data();
    void statementRows();
    void totalsOncePerRowAndRun_data();
    void totalsOncePerRowAndRun();
    void rowVariables_data();
    void rowVariables();
    void fuelPriceAverage_data();
    void fuelPriceAverage();
    void readFromDatabase();

private:
    void add(const QString& table, const FieldValues& values, qint64* key = nullptr);
    std::unique_ptr<TDMRaporty> listed(ReportKind kind, ReportContext context = {});

    ScriptedMessageService m_messages;
    std::unique_ptr<TestCompany> m_company;
    TmyDataBase* m_db = nullptr;
};

void TstReportVariables::add(const QString& table, const FieldValues& values, qint64* key) {
    const DbError error = insertRow(m_db->DatabaseFirma(), table, values, key);
    QVERIFY2(!error, qPrintable(table + QStringLiteral(": ") + error.message()));
}

void TstReportVariables::initTestCase() {
    QLocale::setDefault(kPolish);
    m_company = std::make_unique<TestCompany>();
    REQUIRE_LOCATION(m_company->place());
    QVERIFY2(m_company->create(DatabaseCreator::Contents::Empty, &m_messages,
                               QStringLiteral("proba"), QStringLiteral("proba")),
             qPrintable(m_company->error()));
    m_db = &m_company->db();
    m_db->applySelection(FilterSelection());  // every period, every vehicle

    qint64 vehicle = 0;
    add("pojazdy",
        {{"NRREJ", "WX 1"}, {"MARKA", "Fiat"}, {"POJEMNOSC", 1600}, {"NREW", "K1"}, {"STATUS", 0}},
        &vehicle);
    add("osobowa", {{"NREW", "K1"}, {"NAZWISKO", "Nowak"}, {"IMIE", "Jan"}});
    const QStringList money{"WARTNETTO", "WARTVAT", "WARTBRUTTO"};
    QList<qint64> cards(kRoadCards.size());
    for (int i = 0; i < kRoadCards.size(); ++i)
        add("kartydrogowe",
            FieldValues{{"NRKARTY", QStringLiteral("KD/%1").arg(i + 1)},
                        {"DATAWYST", 20240101 + i},
                        {"IDPOJAZD", vehicle},
                        {"IDKIEROWCY", "K1"}} +
                named({"LICZSTART", "LICZEND", "GODZSUMA", "GODZSTART", "GODZEND"}, kRoadCards[i]),
            &cards[i]);
    for (int i = 0; i < kCosts.size(); ++i) {
        const bool fuel = kCosts[i][3] > 0;
        add("koszty", FieldValues{{"IDPOJAZD", vehicle},
                                  {"DATA", 20240101 + i},
                                  {"ISFUEL", fuel ? "T" : "N"},
                                  {"FUEL", fuel ? QVariant(kCosts[i][3]) : QVariant()},
                                  {"IDDROGOWA", cards.first()},
                                  {"IDKIEROWCY", "K1"}} +
                          named(money, kCosts[i]));
    }
    for (int i = 0; i < 2; ++i)
        add("naprawy", {{"IDPOJAZD", vehicle}, {"DATA", 20240105 + i}, {"DONE", i ? "N" : "T"}});
    for (int i = 0; i < kTyres.size(); ++i)
        add("opony", FieldValues{{"NREWID", QStringLiteral("OP/%1").arg(i + 1)},
                                 {"IDPOJAZDU", vehicle},
                                 {"MAGAZYN", i ? "N" : "T"}} +
                         named({"NETTO", "VAT", "BRUTTO"}, kTyres[i]));
    for (int i = 0; i < kDamages.size(); ++i)
        add("szkody",
            FieldValues{{"IDPOJAZD", vehicle}, {"DATA", 20240110 + i}} + named(money, kDamages[i]));
    for (int i = 0; i < kPrices.size(); ++i)
        add("cenypaliw", {{"DATA", 20240201 + i}, {"RODZAJPALIWA", 1}, {"BRUTTO", kPrices[i]}});
}

std::unique_ptr<TDMRaporty> TstReportVariables::listed(ReportKind kind, ReportContext context) {
    const RegisterId id = ReportVariableSets::registerOf(kind);
    ListModel list(id);
    if (!m_db->refreshList(id, list))
        return nullptr;
    return std::make_unique<TDMRaporty>(kind, std::move(context), list);
}

void TstReportVariables::currentDate_data() {
    QTest::addColumn<Bounds>("bounds");
    QTest::addColumn<bool>("dashLocale");
    QTest::addColumn<QString>("expected");
    using namespace FilterClauses;
    QTest::newRow("year") << yearBounds(2024, 0) << false << u"Dane z roku: 2024"_qs;
    QTest::newRow("December") << yearBounds(2024, 12) << false << u"Dane z miesiąca: 12-2024"_qs;
    QTest::newRow("March") << yearBounds(2024, 3) << false << u"Dane z miesiąca: 03-2024"_qs;
    QTest::newRow("range") << rangeBounds(20240201, 20240215) << true
                           << u"Dane z okresu: 01-02-2024 - 15-02-2024"_qs;
    // A month's bounds one day apart from a month: still a range.
    QTest::newRow("range of a month")
        << rangeBounds(20240201, 20240301) << true << u"Dane z okresu: 01-02-2024 - 01-03-2024"_qs;
    QTest::newRow("open end") << rangeBounds(20240201, 0) << true
                              << u"Dane z okresu: 01-02-2024 - 99-99-9999"_qs;
    QTest::newRow("no lower bound") << rangeBounds(0, 20240215) << true << QString();
    QTest::newRow("(Wszystkie)") << Bounds{0, 0} << false << QString();
}

void TstReportVariables::currentDate() {
    QFETCH(Bounds, bounds);
    QFETCH(bool, dashLocale);
    QFETCH(QString, expected);
    QLocale::setDefault(dashLocale ? QLocale::c() : kPolish);
    ReportContext context;
    context.period = bounds;
    TDMRaporty report({VariableSet::Costs, ReportVariant::Vehicle}, context);
    QLocale::setDefault(kPolish);
    QCOMPARE(report.value(QStringLiteral("CURRENTDATE")), expected);
}

void TstReportVariables::commonAndFallback_data() {
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    const int costs = int(VariableSet::Costs);
    const int vehicle = int(ReportVariant::Vehicle);
    auto row = [](const char* tag, int set, int variant, const char* name, const QString& value) {
        QTest::newRow(tag) << set << variant << QString::fromLatin1(name) << value;
    };
    row("common NRREJ", costs, vehicle, "NRREJ", u"WX 1, Fiat"_qs);
    row("road card's own NRREJ", costs, int(ReportVariant::RoadCard), "NRREJ", u"WY 2"_qs);
    row("fuel card's NRREJKK", costs, int(ReportVariant::FuelCard), "NRREJKK", u"WY 2"_qs);
    row("unknown", costs, vehicle, "NIEZNANA", QString());
    row("names are case-sensitive", costs, vehicle, "nrrej", QString());
    row("POJEMNOSC", costs, vehicle, "POJEMNOSC", u"1600 cm3"_qs);
    row("NORMAOD", costs, vehicle, "NORMAOD", u"6,5"_qs);
    row("CURRENTNRREJ", costs, vehicle, "CURRENTNRREJ", u"Wybrany pojazd: WX 1"_qs);
    row("WYSTAWIONO", costs, vehicle, "WYSTAWIONO", u"Wystawiono 15.02.2024"_qs);
    row("WYSTAWIL translated", costs, vehicle, "WYSTAWIL", QString(21, u'_') + u"\rIssued by"_qs);
    row("ZAAKCEPTOWAL off", costs, vehicle, "ZAAKCEPTOWAL", QString());
    row("common FIRMA", costs, vehicle, "FIRMA", u"Flota"_qs);
    row("form's FIRMA", int(VariableSet::RoadCardForm), vehicle, "FIRMA", u"Flota ul. Polna 5"_qs);
    row("printout TEMAT", int(VariableSet::RecordPrintout), vehicle, "TEMAT", u"Dane pojazdu"_qs);
    row("order list TRESC", int(VariableSet::Orders), int(ReportVariant::WholeRegister), "TRESC",
        u"Przewóz"_qs);
    row("no TRESC by vehicle", int(VariableSet::Orders), vehicle, "TRESC", QString());
}

void TstReportVariables::commonAndFallback() {
    QFETCH(int, set);
    QFETCH(int, variant);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    ReportContext c;
    c.company = QStringLiteral("Flota");
    c.companyAddress = QStringLiteral("Flota ul. Polna 5");
    c.vehicle = {1, QStringLiteral("WX 1"), QStringLiteral("Fiat"), 1600, 6.5, 8};
    c.chosenRegistration = QStringLiteral("WX 1");
    c.issueDate = QStringLiteral("15.02.2024");
    c.signedBy = true;
    c.subject = QStringLiteral("Dane pojazdu");
    c.orderText = QStringLiteral("Przewóz");
    c.translate = [](const QString& word) {
        return word == QStringLiteral("Wystawił") ? QStringLiteral("Issued by") : word;
    };
    auto rows = std::make_shared<ListTable>(ListTable::fromValues(
        {QStringLiteral("NRREJ"), QStringLiteral("MARKA")}, {{u"WY 2"_qs, u"Opel"_qs}}));
    TDMRaporty report({VariableSet(set), ReportVariant(variant)}, c, rows);
    QCOMPARE(report.value(name), expected);
}

void TstReportVariables::pageNumber() {
    TDMRaporty report({VariableSet::RecordPrintout, ReportVariant::Vehicle}, {});
    report.first();
    QCOMPARE(report.value(u"STRONA"_qs), u"1"_qs);
    for (int page : {1, 2, 3}) {
        report.pageStarted(page);
        QCOMPARE(report.value(u"STRONA"_qs), QString::number(page));
    }
    report.first();
    QCOMPARE(report.value(u"STRONA"_qs), u"1"_qs);
}

void TstReportVariables::statementRows_data() {
    QTest::addColumn<int>("set");
    QTest::addColumn<QString>("costCentre");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("expected");
    const int form = int(VariableSet::RoadCardForm);
    const int purchases = int(VariableSet::FuelPurchases);
    QTest::newRow("form") << form << QString()
                          << QStringList{"GODZSTART", "GODZEND", "DATAWYST", "LICZSUMA"}
                          << QStringList{"07:30", kNineBlanks, "15.02.2024", "80,50"};
    QTest::newRow("purchases totals")
        << purchases << QString() << QStringList{"SSNETTO", "SSFUEL", "CK"}
        << QStringList{"30,30", "70,25", QString()};
    QTest::newRow("purchases of a centre")
        << purchases << u"Baza"_qs << QStringList{"CK"} << QStringList{"Dla CK: Baza"};
}

void TstReportVariables::statementRows() {
    QFETCH(int, set);
    QFETCH(QString, costCentre);
    QFETCH(QStringList, names);
    QFETCH(QStringList, expected);
    const bool form = VariableSet(set) == VariableSet::RoadCardForm;
    const QStringList fields = form ? QStringList{"GODZSTART", "GODZEND", "DATAWYST", "LICZSUMA"}
                                    : QStringList{"NRREJ", "SNETTO", "SFUEL"};
    const QList<QVariantList> values =
        form ? QList<QVariantList>{{730, 0, 20240215, 80.5}}
             : QList<QVariantList>{{u"WX 1"_qs, 10.1, 50.0}, {u"WY 2"_qs, 20.2, 20.25}};
    ReportContext context;
    context.costCentre = costCentre;
    TDMRaporty report({VariableSet(set), ReportVariant::Vehicle}, context,
                      std::make_shared<ListTable>(ListTable::fromValues(fields, values)));
    // After the walk the last row stays current: the form's values read from it.
    const QStringList summed = form ? QStringList() : QStringList{"SNETTO", "SFUEL"};
    QCOMPARE(walk(report, summed, names), expected);
}

void TstReportVariables::totalsOncePerRowAndRun_data() {
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QStringList>("perRow");
    QTest::addColumn<QStringList>("totals");
    QTest::addColumn<QStringList>("expected");
    const QStringList amounts{"NETTO", "VAT", "BRUTTO"};
    const QStringList totals{"SNETTO", "SVAT", "SBRUTTO"};
    QTest::newRow("costs of a road card")
        << int(VariableSet::Costs) << int(ReportVariant::RoadCard)
        << amounts + QStringList{"ISFUEL"} << totals + QStringList{"SFUEL"}
        << QStringList{"363,48", "83,60", "447,08", "57,75"};
    QTest::newRow("tyres") << int(VariableSet::Tyres) << int(ReportVariant::WholeRegister)
                           << amounts << totals << QStringList{"523,45", "120,39", "643,84"};
    QTest::newRow("damages") << int(VariableSet::Damages) << int(ReportVariant::Driver) << amounts
                             << totals << QStringList{"59,99", "13,80", "73,79"};
    QTest::newRow("road cards") << int(VariableSet::RoadCards) << int(ReportVariant::Vehicle)
                                << QStringList{"GODZSUMA", "LICZSUMA"}
                                << QStringList{"SGODZSUMA", "SLICZSUMA"}
                                << QStringList{"15,75", "299,60"};
}

void TstReportVariables::totalsOncePerRowAndRun() {
    QFETCH(int, set);
    QFETCH(int, variant);
    QFETCH(QStringList, perRow);
    QFETCH(QStringList, totals);
    QFETCH(QStringList, expected);
    auto report = listed({VariableSet(set), ReportVariant(variant)});
    QVERIFY(report);
    for (int run = 1; run <= 2; ++run)
        QCOMPARE(walk(*report, perRow, totals), expected);
}

void TstReportVariables::rowVariables_data() {
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("expected");  // row by row
    const int vehicle = int(ReportVariant::Vehicle);
    const int whole = int(ReportVariant::WholeRegister);
    QTest::newRow("ISFUEL") << int(VariableSet::Costs) << vehicle << u"ISFUEL"_qs
                            << QStringList{"Zakup paliwa: 45,50 l.", "", "Zakup paliwa: 12,25 l."};
    QTest::newRow("DONE") << int(VariableSet::Repairs) << vehicle << u"DONE"_qs
                          << QStringList{"Wykonano", ""};
    QTest::newRow("MAGAZYN") << int(VariableSet::Tyres) << whole << u"MAGAZYN"_qs
                             << QStringList{"w magazynie", ""};
    QTest::newRow("MAGAZYN by vehicle")
        << int(VariableSet::Tyres) << vehicle << u"MAGAZYN"_qs << QStringList{"", ""};
    QTest::newRow("GODZSTART") << int(VariableSet::RoadCards) << vehicle << u"GODZSTART"_qs
                               << QStringList{"07:30", kNineBlanks};
    QTest::newRow("damage's vehicle") << int(VariableSet::Damages) << whole << u"NRREJ"_qs
                                      << QStringList{"WX 1, Fiat", "WX 1, Fiat"};
    QTest::newRow("road-card costs' driver")
        << int(VariableSet::Costs) << int(ReportVariant::RoadCard) << u"NAZWISKO"_qs
        << QStringList(3, u"Nowak Jan (ID K1)"_qs);
}

void TstReportVariables::rowVariables() {
    QFETCH(int, set);
    QFETCH(int, variant);
    QFETCH(QString, name);
    QFETCH(QStringList, expected);
    auto report = listed({VariableSet(set), ReportVariant(variant)});
    QVERIFY(report);
    QStringList answers;
    for (report->first(); !report->atEnd(); report->next())
        answers << report->value(name);
    QCOMPARE(answers, expected);
}

void TstReportVariables::fuelPriceAverage_data() {
    QTest::addColumn<bool>("fuelKindChosen");
    QTest::addColumn<bool>("pricesPrinted");
    QTest::addColumn<QString>("expected");
    // (5,00 + 6,01 + 5,99) / 3 = 5,666…
    QTest::newRow("one fuel kind") << true << true << u"Średnia cena zakupu paliwa: 5,67"_qs;
    QTest::newRow("every fuel") << false << true << QString();
    QTest::newRow("no price printed") << true << false << QString();
}

void TstReportVariables::fuelPriceAverage() {
    QFETCH(bool, fuelKindChosen);
    QFETCH(bool, pricesPrinted);
    QFETCH(QString, expected);
    ReportContext context;
    context.fuelKindChosen = fuelKindChosen;
    auto report = listed({VariableSet::FuelPrices, ReportVariant::WholeRegister}, context);
    QVERIFY(report);
    const QStringList perRow = pricesPrinted ? QStringList{"BRUTTO"} : QStringList();
    for (int run = 1; run <= 2; ++run)
        QCOMPARE(walk(*report, perRow, {u"SBRUTTO"_qs}), QStringList{expected});
}

// The vehicle of the common variables from the vehicles list, the form's company data.
void TstReportVariables::readFromDatabase() {
    ListModel vehicles(RegisterId::Pojazdy);
    QVERIFY(m_db->refreshList(RegisterId::Pojazdy, vehicles));
    ReportContext context;
    context.setVehicle(vehicles, 0);
    TDMRaporty report({VariableSet::Vehicles, ReportVariant::Vehicle}, context, vehicles);
    QStringList answers;
    for (const char* name : {"NRREJ", "POJEMNOSC", "WLASCICIEL", "NRREJP", "WLASCICIELP"})
        answers << report.value(QString::fromLatin1(name));
    QCOMPARE(answers, (QStringList{"WX 1, Fiat", "1600 cm3", "K1", "WX 1", "K1"}));

    SqlStatement update(
        "UPDATE firma SET NAZWA = :N, ULICA = :U, NUMER = :R, KOD = :K, MIASTO = :M "
        "WHERE IDFIRMA = 1");
    update.bindText(u":N"_qs, u"Flota"_qs).bindText(u":U"_qs, u"Polna"_qs);
    update.bindText(u":R"_qs, u"5"_qs).bindText(u":K"_qs, u"00-001"_qs);
    update.bindText(u":M"_qs, u"Łódź"_qs);
    QVERIFY(m_db->DatabaseFirma().execute(update).ok());
    QCOMPARE(TDMRaporty::companyAddress(*m_db), u"Flota Polna 5 00-001 Łódź"_qs);
}

QTEST_GUILESS_MAIN(TstReportVariables)
#include "tst_reportvariables.moc"
