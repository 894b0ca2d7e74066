// The data module on a real database, on SQLite and on PostgreSQL: every list statement
// runs on both engines, the filters list the right rows, sorting, the computed columns,
// merging, deleting, keys, notes and the error report.
#include "ScriptedMessageService.h"
#include "TestDataDir.h"
#include "TestLocation.h"
#include "data/ErrorLog.h"
#include "data/ListModel.h"
#include "data/TmyDataBase.h"
#include "data/engine/RowInsert.h"
#include "data/records/DictionaryStore.h"
#include "data/schema/DatabaseCreator.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <atomic>
#include <thread>

namespace {

const QString kQuoted = QStringLiteral("WA'2\"Q");  // a registration number with quotes

}  // namespace

class TstDataModule : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void everyListRunsUnderEveryFilterAndSort();
    void periodFilters_data();
    void periodFilters();
    void vehicleFilterWithQuotes();
    void sortsInPolishOrderWithNullsLast();
    void columnClickReversesOnlyTheSameColumn();
    void tripRatesAndAmounts();
    void rateColumnsTakeTheKindNames();
    void continuousConsumptionUnderThePeriod();
    void distanceListWithoutDistance();
    void mergeRefuelling();
    void concurrentMergesLoseNothing();
    void deleteRecords();
    void insertGivesItsOwnKey();
    void existenceTests();
    void notesRoundTripAndFailedSave();
    void errorReportWritesTheLogLine();
    void busyDatabaseShowsTheLockedMessage();
    void readerNeverHoldsUpAWriter();
    void companyChecks();
    void lookups();

private:
    // The displayed column of a register's list under the current filters.
    QStringList column(RegisterId id, const QString& field);
    void insert(const QString& table, const FieldValues& values, qint64* key = nullptr);
    qint64 vehicle(const QString& registration);

    std::unique_ptr<TestDataDir> m_dataDir;
    std::unique_ptr<TestLocation> m_location;
    std::unique_ptr<DbConnection> m_raw;
    ScriptedMessageService m_messages;
    std::unique_ptr<TmyDataBase> m_db;
    QHash<QString, qint64> m_vehicles;
};

void TstDataModule::insert(const QString& table, const FieldValues& values, qint64* key) {
    const DbError error = insertRow(*m_raw, table, values, key);
    QVERIFY2(error.ok(), qPrintable(error.message()));
}

qint64 TstDataModule::vehicle(const QString& registration) {
    return m_vehicles.value(registration, -1);
}

void TstDataModule::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    DbConnection::setBusyTimeout(300);
    m_dataDir = std::make_unique<TestDataDir>();
    m_location = std::make_unique<TestLocation>();
    REQUIRE_LOCATION(*m_location);
    const DbLocation& where = m_location->location();
    CreateResult result = DatabaseCreator::createDatabase(where, false);
    QVERIFY2(result.ok, qPrintable(result.message));
    result =
        DatabaseCreator::addCompany(where, QStringLiteral("Firma testowa"), QStringLiteral("test"));
    QVERIFY2(result.ok, qPrintable(result.message));

    m_raw = std::make_unique<DbConnection>(QStringLiteral("raw"));
    QVERIFY(m_raw->openCompany(where, QStringLiteral("test")).ok());

    for (const auto& [nrew, surname, name] :
         {std::tuple{"K1", "Łoś", "Łukasz"}, std::tuple{"K2", "Lis", "Adam"},
          std::tuple{"K3", "Zając", "Ewa"}, std::tuple{"K4", "Ćwik", "Celina"},
          std::tuple{"K'5", "Cegła", "Jan"}})
        insert(QStringLiteral("osobowa"), {{QStringLiteral("NREW"), QString::fromUtf8(nrew)},
                                           {QStringLiteral("NAZWISKO"), QString::fromUtf8(surname)},
                                           {QStringLiteral("IMIE"), QString::fromUtf8(name)}});
    // Kind 6 is a free kind (UZUP1 "6"), kind 0 none at all.
    const struct {
        const char* registration;
        int kind;
        int capacity;
        QVariant lp;
    } vehicles[] = {{"WA 1000", 1, 900, 2},
                    {"WA'2\"Q", 1, 1600, 1},
                    {"KR 3000", 3, 650, QVariant()},
                    {"PO 4000", 6, 2000, 3},
                    {"GD 5000", 0, 1200, 4}};
    for (const auto& v : vehicles) {
        qint64 key = 0;
        FieldValues values{
            {QStringLiteral("NRREJ"), QString::fromUtf8(v.registration)},
            {QStringLiteral("MARKA"), QStringLiteral("Marka ") + QString::fromUtf8(v.registration)},
            {QStringLiteral("RODZAJ"), v.kind},
            {QStringLiteral("POJEMNOSC"), v.capacity},
            {QStringLiteral("IDKIEROWCY"), QStringLiteral("K1")},
            {QStringLiteral("STATUS"), 0}};
        if (v.lp.isValid())
            values.append({QStringLiteral("LP"), v.lp});
        insert(QStringLiteral("pojazdy"), values, &key);
        m_vehicles.insert(QString::fromUtf8(v.registration), key);
    }
    const qint64 v1 = vehicle(QStringLiteral("WA 1000"));
    const qint64 v2 = vehicle(kQuoted);
    for (const auto& [date, car, fuel] :
         {std::tuple{20241231, v1, "N"}, std::tuple{20250101, v1, "N"},
          std::tuple{20241201, v2, "N"}, std::tuple{20241130, v2, "N"},
          std::tuple{20240101, v2, "T"}, std::tuple{0, v1, "N"}})
        insert(QStringLiteral("koszty"), {{QStringLiteral("IDPOJAZD"), car},
                                          {QStringLiteral("DATA"), date},
                                          {QStringLiteral("RODZWYD"), QStringLiteral("Paliwo")},
                                          {QStringLiteral("WARTNETTO"), 100.0},
                                          {QStringLiteral("WARTVAT"), 23.0},
                                          {QStringLiteral("WARTBRUTTO"), 123.0},
                                          {QStringLiteral("CZYVAT"), QStringLiteral("T")},
                                          {QStringLiteral("ISFUEL"), QString::fromLatin1(fuel)},
                                          {QStringLiteral("IDKIEROWCY"), QStringLiteral("K2")}});
    for (const auto& [date, car] :
         {std::pair{0, v1}, std::pair{20241215, v2}, std::pair{20230505, v1}})
        insert(QStringLiteral("naprawy"), {{QStringLiteral("IDPOJAZD"), car},
                                           {QStringLiteral("DATA"), date},
                                           {QStringLiteral("OPIS"), QStringLiteral("Naprawa")},
                                           {QStringLiteral("DONE"), QStringLiteral("N")}});
    for (const auto& [date, id] :
         {std::pair{0, "O-1"}, std::pair{20241010, "O-2"}, std::pair{20220202, "O-3"}})
        insert(QStringLiteral("opony"), {{QStringLiteral("NREWID"), QString::fromLatin1(id)},
                                         {QStringLiteral("ILOSC"), 4},
                                         {QStringLiteral("IDPOJAZDU"), v1},
                                         {QStringLiteral("DATAZAKUPU"), date},
                                         {QStringLiteral("MAGAZYN"), QStringLiteral("N")}});
    // Trips for the rates: the 2023 row of the new company applies from 17 January 2023.
    for (const auto& [registration, date] :
         {std::pair{"WA 1000", 20240601}, std::pair{"WA'2\"Q", 20240602},
          std::pair{"WA 1000", 20060101}, std::pair{"KR 3000", 20240603},
          std::pair{"PO 4000", 20240604}, std::pair{"GD 5000", 20240605}})
        insert(QStringLiteral("przejazdy"),
               {{QStringLiteral("IDPOJAZD"), vehicle(QString::fromUtf8(registration))},
                {QStringLiteral("DATA"), date},
                {QStringLiteral("ODLEGLOSC"), 100.0},
                {QStringLiteral("TRASA"), QStringLiteral("Trasa")}});
    QVERIFY(m_raw->execute(SqlStatement(QStringLiteral("UPDATE stawki SET RDPOJ6 = 0.5"))).ok());
    // Continuous refuellings of WA 1000.
    for (const auto& [date, tank, fuel, reading] :
         {std::tuple{20241101, 10.0, 40.0, 1000.0}, std::tuple{20241201, 12.0, 38.0, 1500.0},
          std::tuple{20241215, 8.0, 42.0, 2000.0}, std::tuple{20250105, 5.0, 45.0, 2600.0}})
        insert(QStringLiteral("zuzycie"), {{QStringLiteral("IDPOJAZD"), v1},
                                           {QStringLiteral("DATA"), date},
                                           {QStringLiteral("BAK"), tank},
                                           {QStringLiteral("TANKOWANIE"), fuel},
                                           {QStringLiteral("LICZNIK"), reading}});
    for (const auto& [date, distance, fuel] :
         {std::tuple{20241101, 0.0, 10.0}, std::tuple{20241110, 500.0, 40.0}})
        insert(QStringLiteral("zuzyciekm"), {{QStringLiteral("IDPOJAZD"), v1},
                                             {QStringLiteral("DATA"), date},
                                             {QStringLiteral("PRZEBIEG"), distance},
                                             {QStringLiteral("TANKOWANIE"), fuel},
                                             {QStringLiteral("LICZNIK"), 1000.0 + distance}});
    insert(QStringLiteral("zuzyciemthlpg"), {{QStringLiteral("IDPOJAZD"), v1},
                                             {QStringLiteral("DATA"), 20241105},
                                             {QStringLiteral("PRZEBIEG"), 0.0},
                                             {QStringLiteral("TANKOWANIE"), 5.0},
                                             {QStringLiteral("LICZNIK"), 10.0}});
    insert(QStringLiteral("kpaliwowe"), {{QStringLiteral("IDKARTY"), QStringLiteral("C'1")},
                                         {QStringLiteral("NAZWA"), QStringLiteral("Karta")},
                                         {QStringLiteral("IDPOJAZD"), v1}});

    m_db = std::make_unique<TmyDataBase>(&m_messages);
    QVERIFY(m_db->openCompany(where, QStringLiteral("test"), 2024));
}

void TstDataModule::cleanupTestCase() {
    m_db.reset();
    m_raw.reset();
    m_location.reset();
}

void TstDataModule::init() {
    if (!m_db)
        QSKIP("no database");
    m_db->resetFilters(2024);
    m_db->applySelection(FilterSelection());
    m_db->setLpg(false);
    m_messages.clear();
}

QStringList TstDataModule::column(RegisterId id, const QString& field) {
    ListModel model(id);
    if (!m_db->refreshList(id, model))
        return {QStringLiteral("<error: ") + m_messages.texts().join(QLatin1Char(' ')) +
                QLatin1Char('>')};
    QStringList values;
    for (int r = 0; r < model.rowCount(); ++r)
        values << model.displayField(r, field);
    return values;
}

void TstDataModule::everyListRunsUnderEveryFilterAndSort() {
    FilterSelection year;
    year.period = FilterSelection::Period::Year;
    year.year = 2024;
    FilterSelection range;
    range.period = FilterSelection::Period::Range;
    range.from = 20240101;
    range.vehicle = kQuoted;
    range.fuelOnly = true;
    range.costCentre = 3;
    range.roadCard = 1;
    for (const FilterSelection& selection : {FilterSelection(), year, range}) {
        for (bool lpg : {false, true}) {
            m_db->setLpg(lpg);
            m_db->applySelection(selection);
            for (const RegisterDescriptor& d : Registers::all()) {
                QStringList fields{d.defaultSort};
                for (const GridColumn& c : d.columns)
                    fields << c.field;
                for (const QString& field : fields) {
                    for (bool ascending : {true, false}) {
                        FilterState state = m_db->filter(d.id);
                        state.sortField = field;
                        state.ascending = ascending;
                        DbError error;
                        const auto table = m_db->runList(d.id, state, &error);
                        QVERIFY2(table, qPrintable(d.name + QLatin1Char(' ') + field +
                                                   QStringLiteral(": ") + error.message()));
                    }
                }
            }
        }
    }
}

void TstDataModule::periodFilters_data() {
    QTest::addColumn<int>("registerId");
    QTest::addColumn<FilterSelection>("selection");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("expected");

    auto year = [](int y, int m) {
        FilterSelection s;
        s.period = FilterSelection::Period::Year;
        s.year = y;
        s.month = m;
        return s;
    };
    auto range = [](qint64 from, qint64 to) {
        FilterSelection s;
        s.period = FilterSelection::Period::Range;
        s.from = from;
        s.to = to;
        return s;
    };
    const int costs = int(RegisterId::Koszty);
    QTest::newRow("all") << costs << FilterSelection() << "DATA"
                         << QStringList{"",           "01.01.2024", "30.11.2024",
                                        "01.12.2024", "31.12.2024", "01.01.2025"};
    QTest::newRow("year") << costs << year(2024, 0) << "DATA"
                          << QStringList{"01.01.2024", "30.11.2024", "01.12.2024", "31.12.2024"};
    QTest::newRow("december") << costs << year(2024, 12) << "DATA"
                              << QStringList{"01.12.2024", "31.12.2024"};
    QTest::newRow("november") << costs << year(2024, 11) << "DATA" << QStringList{"30.11.2024"};
    QTest::newRow("from only") << costs << range(20241201, 0) << "DATA"
                               << QStringList{"01.12.2024", "31.12.2024", "01.01.2025"};
    QTest::newRow("to only, undated too")
        << costs << range(0, 20241130) << "DATA" << QStringList{"", "01.01.2024", "30.11.2024"};
    QTest::newRow("one day") << costs << range(20241231, 20241231) << "DATA"
                             << QStringList{"31.12.2024"};
    const int repairs = int(RegisterId::Naprawy);
    QTest::newRow("undated repair in 2022")
        << repairs << year(2022, 0) << "DATA" << QStringList{""};
    QTest::newRow("repairs december")
        << repairs << year(2024, 12) << "DATA" << QStringList{"", "15.12.2024"};
    QTest::newRow("repairs range")
        << repairs << range(20230101, 20231231) << "DATA" << QStringList{"", "05.05.2023"};
    const int tyres = int(RegisterId::Opony);
    QTest::newRow("tyres without purchase date")
        << tyres << year(2022, 0) << "NREWID" << QStringList{"O-1", "O-3"};
    QTest::newRow("tyres october")
        << tyres << year(2024, 10) << "NREWID" << QStringList{"O-1", "O-2"};
}

void TstDataModule::periodFilters() {
    QFETCH(int, registerId);
    QFETCH(FilterSelection, selection);
    QFETCH(QString, field);
    QFETCH(QStringList, expected);
    m_db->applySelection(selection);
    const RegisterId id = RegisterId(registerId);
    m_db->filter(id).sortField = field;
    QCOMPARE(column(id, field), expected);
}

void TstDataModule::vehicleFilterWithQuotes() {
    FilterSelection selection;
    selection.vehicle = kQuoted;
    const VehicleInfo info = m_db->applySelection(selection);
    QCOMPARE(info.key, vehicle(kQuoted));
    QCOMPARE(info.make, QStringLiteral("Marka ") + kQuoted);
    QCOMPARE(column(RegisterId::Koszty, QStringLiteral("NRREJ")), QStringList(3, kQuoted));
    QCOMPARE(column(RegisterId::Pojazdy, QStringLiteral("NRREJ")), QStringList{kQuoted});
    // The consumption registers list by the vehicle's key: this one has none.
    QCOMPARE(column(RegisterId::Zuzycie, QStringLiteral("DATA")), QStringList());

    selection.vehicle = QStringLiteral("XX 0000' OR '1'='1");
    QCOMPARE(m_db->applySelection(selection).key, qint64(-1));
    QCOMPARE(column(RegisterId::Koszty, QStringLiteral("NRREJ")), QStringList());
    QCOMPARE(column(RegisterId::Zuzycie, QStringLiteral("DATA")), QStringList());

    // No vehicle chosen: the consumption registers list nothing, the others everything.
    m_db->applySelection(FilterSelection());
    QCOMPARE(column(RegisterId::Zuzycie, QStringLiteral("DATA")), QStringList());
    QCOMPARE(column(RegisterId::Pojazdy, QStringLiteral("NRREJ")).size(), 5);
}

void TstDataModule::sortsInPolishOrderWithNullsLast() {
    m_db->filter(RegisterId::Osobowa).sortField = QStringLiteral("NAZWISKO");
    const QStringList ascending = column(RegisterId::Osobowa, QStringLiteral("NAZWISKO"));
    QCOMPARE(ascending,
             (QStringList{"Cegła Jan", "Ćwik Celina", "Lis Adam", "Łoś Łukasz", "Zając Ewa"}));
    m_db->filter(RegisterId::Osobowa).ascending = false;
    QStringList reversed = ascending;
    std::reverse(reversed.begin(), reversed.end());
    QCOMPARE(column(RegisterId::Osobowa, QStringLiteral("NAZWISKO")), reversed);

    // A vehicle without an ordinal comes last in both directions.
    m_db->filter(RegisterId::Pojazdy).sortField = QStringLiteral("LP");
    QCOMPARE(column(RegisterId::Pojazdy, QStringLiteral("LP")),
             (QStringList{"1", "2", "3", "4", ""}));
    m_db->filter(RegisterId::Pojazdy).ascending = false;
    QCOMPARE(column(RegisterId::Pojazdy, QStringLiteral("LP")),
             (QStringList{"4", "3", "2", "1", ""}));
}

void TstDataModule::columnClickReversesOnlyTheSameColumn() {
    const RegisterId id = RegisterId::Koszty;
    QVERIFY(m_db->filter(id).ascending);
    QVERIFY(m_db->sortByColumn(id, QStringLiteral("DATA")));  // the default sort column
    QVERIFY(!m_db->filter(id).ascending);
    QVERIFY(m_db->sortByColumn(id, QStringLiteral("nrrej")));
    QCOMPARE(m_db->filter(id).sortField, QStringLiteral("NRREJ"));
    QVERIFY(!m_db->filter(id).ascending);
    QVERIFY(m_db->sortByColumn(id, QStringLiteral("NRREJ")));
    QVERIFY(m_db->filter(id).ascending);
    // Not a column of the register, computed columns and the consumption lists: refused.
    QVERIFY(!m_db->sortByColumn(id, QStringLiteral("DATA; DROP TABLE koszty")));
    QVERIFY(!m_db->sortByColumn(RegisterId::Przejazdy, QStringLiteral("KWOTA")));
    QVERIFY(!m_db->sortByColumn(RegisterId::Zuzycie, QStringLiteral("DATA")));
    QCOMPARE(m_db->filter(id).sortField, QStringLiteral("NRREJ"));
}

void TstDataModule::rateColumnsTakeTheKindNames() {
    DictionaryStore store(*m_db);
    const auto before = store.vehicleKinds();
    QVERIFY(before);
    QVERIFY(store.writeVehicleKinds({{3, QStringLiteral("Quad")}, {5, QStringLiteral("Ciągnik")}}));
    ListModel rates(RegisterId::Stawki);
    QVERIFY(m_db->refreshList(RegisterId::Stawki, rates));
    QStringList titles;
    for (int c = 0; c < rates.columnCount(); ++c)
        titles << rates.columnTitle(c);
    QVERIFY2(titles.contains(QStringLiteral("Quad")), qPrintable(titles.join(u'|')));
    QVERIFY(titles.contains(QStringLiteral("Ciągnik")));
    QVERIFY(!titles.contains(QStringLiteral("Motocykl")));
    QVERIFY(store.writeVehicleKinds(*before));
    QVERIFY(m_db->refreshList(RegisterId::Stawki, rates));
    QCOMPARE(rates.columnTitle(titles.indexOf(QStringLiteral("Quad"))), before->value(3));
}

void TstDataModule::tripRatesAndAmounts() {
    m_db->filter(RegisterId::Przejazdy).sortField = QStringLiteral("DATA");
    QCOMPARE(column(RegisterId::Przejazdy, QStringLiteral("DATA")),
             (QStringList{"01.01.2006", "01.06.2024", "02.06.2024", "03.06.2024", "04.06.2024",
                          "05.06.2024"}));
    // Before the first rates row, 900 cm3, above 900, motorcycle, the free kind 6, no kind.
    QCOMPARE(column(RegisterId::Przejazdy, QStringLiteral("STAWKA")),
             (QStringList{"0,0000", "0,8900", "1,1500", "0,6900", "0,5000", "0,0000"}));
    QCOMPARE(column(RegisterId::Przejazdy, QStringLiteral("KWOTA")),
             (QStringList{"0,00", "89,00", "115,00", "69,00", "50,00", "0,00"}));
    // 1,5 km at 1,15 is 1,725 exactly: 1,73, though the binary product lies below it.
    auto distance = [this](double km) {
        return m_db->DatabaseFirma()
            .execute(SqlStatement(QStringLiteral("UPDATE przejazdy SET ODLEGLOSC = %1 "
                                                 "WHERE DATA = 20240602")
                                      .arg(km)))
            .ok();
    };
    QVERIFY(distance(1.5));
    QCOMPARE(column(RegisterId::Przejazdy, QStringLiteral("KWOTA")).at(2), QStringLiteral("1,73"));
    QVERIFY(distance(100));
    // The rates do not depend on how the rates grid is sorted.
    m_db->filter(RegisterId::Stawki).sortField = QStringLiteral("LW900");
    m_db->filter(RegisterId::Stawki).ascending = false;
    QCOMPARE(column(RegisterId::Stawki, QStringLiteral("DATAOD")),
             (QStringList{"17.01.2023", "01.03.2007"}));
    QCOMPARE(column(RegisterId::Przejazdy, QStringLiteral("STAWKA")).at(1),
             QStringLiteral("0,8900"));
}

void TstDataModule::continuousConsumptionUnderThePeriod() {
    FilterSelection selection;
    selection.vehicle = QStringLiteral("WA 1000");
    selection.period = FilterSelection::Period::Year;
    selection.year = 2024;
    m_db->applySelection(selection);
    QCOMPARE(column(RegisterId::Zuzycie, QStringLiteral("ZUZYCIE")),
             (QStringList{"-", "7,60", "8,40"}));
    Consumption::Summary summary = m_db->summary(RegisterId::Zuzycie);
    QCOMPARE(summary.firstDate, qint64(20241101));
    QCOMPARE(summary.lastDate, qint64(20241215));
    // (10 + 40 + 38 + 42 - 42 - 8) / (2000 - 1000) * 100
    QCOMPARE(summary.average, 8.0);

    // The first refuelling of the period has no previous one under the same clauses.
    selection.month = 12;
    m_db->applySelection(selection);
    QCOMPARE(column(RegisterId::Zuzycie, QStringLiteral("ZUZYCIE")), (QStringList{"-", "8,40"}));
    selection.period = FilterSelection::Period::All;
    m_db->applySelection(selection);
    QCOMPARE(column(RegisterId::Zuzycie, QStringLiteral("ZUZYCIE")),
             (QStringList{"-", "7,60", "8,40", "7,50"}));

    // No vehicle: nothing listed, the summary empty.
    m_db->applySelection(FilterSelection());
    QCOMPARE(column(RegisterId::Zuzycie, QStringLiteral("DATA")), QStringList());
    summary = m_db->summary(RegisterId::Zuzycie);
    QCOMPARE(summary.average, 0.0);
    QCOMPARE(summary.lastDate, qint64(0));
}

void TstDataModule::distanceListWithoutDistance() {
    FilterSelection selection;
    selection.vehicle = QStringLiteral("WA 1000");
    m_db->applySelection(selection);
    QCOMPARE(column(RegisterId::ZuzycieKm, QStringLiteral("ZUZYCIE")), (QStringList{"", "8,00"}));
    QCOMPARE(m_db->summary(RegisterId::ZuzycieKm).average, 10.0);  // 50 l over 500 km
    m_db->setLpg(true);
    QCOMPARE(column(RegisterId::ZuzycieMth, QStringLiteral("ZUZYCIE")), QStringList{""});
    QCOMPARE(column(RegisterId::ZuzycieKm, QStringLiteral("ZUZYCIE")), QStringList());
    QCOMPARE(m_db->lastDistanceReading(20241120), std::optional<double>());
    m_db->setLpg(false);
    QCOMPARE(m_db->lastDistanceReading(20241120), std::optional<double>(1500.0));
    QCOMPARE(m_db->lastDistanceReading(20241101), std::optional<double>());
}

void TstDataModule::mergeRefuelling() {
    const qint64 car = vehicle(QStringLiteral("KR 3000"));
    insert(QStringLiteral("zuzycie"), {{QStringLiteral("IDPOJAZD"), car},
                                       {QStringLiteral("DATA"), 20240301},
                                       {QStringLiteral("BAK"), 10.0},
                                       {QStringLiteral("TANKOWANIE"), 30.0},
                                       {QStringLiteral("LICZNIK"), 1250.0}});
    QCOMPARE(m_db->refuellingExists(RegisterId::Zuzycie, car, 20240301, 169),
             TmyDataBase::Existence::Yes);
    QCOMPARE(m_db->refuellingExists(RegisterId::Zuzycie, car, 20240302, 169),
             TmyDataBase::Existence::No);
    QVERIFY(m_db->mergeRefuelling(RegisterId::Zuzycie, car, 20240301, {35.0, 5.0, 1300.0}));
    DbQuery row;
    QVERIFY(m_raw
                ->select(SqlStatement(
                             QStringLiteral(
                                 "SELECT BAK, TANKOWANIE, LICZNIK FROM zuzycie WHERE IDPOJAZD = %1")
                                 .arg(car)),
                         &row)
                .ok());
    QVERIFY(row.next());
    QCOMPARE(row.number(u"BAK"), 5.0);  // the later tank 35 less the earlier 30 litres
    QCOMPARE(row.number(u"TANKOWANIE"), 35.0);
    QCOMPARE(row.number(u"LICZNIK"), 1300.0);
    QVERIFY(!row.next());

    // Nothing to merge into: refused, reported, nothing written.
    QVERIFY(!m_db->mergeRefuelling(RegisterId::ZuzycieKm, car, 20240301, {100.0, 8.0, 1300.0}));
    QCOMPARE(m_messages.shown().size(), 1);
    QCOMPARE(m_messages.shown().first().title, ErrorReport::title());
    QVERIFY(
        m_raw
            ->select(
                SqlStatement(
                    QStringLiteral("SELECT COUNT(*) FROM zuzyciekm WHERE IDPOJAZD = %1").arg(car)),
                &row)
            .ok());
    QVERIFY(row.next());
    QCOMPARE(row.value(0).toInt(), 0);
}

// Four programs merging into one refuelling at once: every litre arrives.
void TstDataModule::concurrentMergesLoseNothing() {
    const qint64 car = vehicle(QStringLiteral("PO 4000"));
    insert(QStringLiteral("zuzyciekm"), {{QStringLiteral("IDPOJAZD"), car},
                                         {QStringLiteral("DATA"), 20240505},
                                         {QStringLiteral("PRZEBIEG"), 0.0},
                                         {QStringLiteral("TANKOWANIE"), 0.0},
                                         {QStringLiteral("LICZNIK"), 100.0}});
    DbConnection::setBusyTimeout(15000);
    constexpr int programs = 4, merges = 25;
    std::atomic<int> done = 0;
    std::vector<std::thread> threads;
    const DbLocation where = m_location->location();
    for (int p = 0; p < programs; ++p) {
        threads.emplace_back([&done, &where, car] {
            TmyDataBase program;
            if (!program.openCompany(where, QStringLiteral("test")))
                return;
            for (int m = 0; m < merges; ++m) {
                if (program.mergeRefuelling(RegisterId::ZuzycieKm, car, 20240505,
                                            {1.0, 1.0, 100.0}))
                    ++done;
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    DbConnection::setBusyTimeout(300);
    QCOMPARE(done.load(), programs * merges);
    DbQuery row;
    QVERIFY(m_raw
                ->select(SqlStatement(QStringLiteral("SELECT PRZEBIEG, TANKOWANIE FROM zuzyciekm "
                                                     "WHERE IDPOJAZD = %1 AND DATA = 20240505")
                                          .arg(car)),
                         &row)
                .ok());
    QVERIFY(row.next());
    QCOMPARE(row.number(u"TANKOWANIE"), double(programs * merges));
    QCOMPARE(row.number(u"PRZEBIEG"), double(programs * merges));
}

void TstDataModule::deleteRecords() {
    // A person keyed by a text with a quote, a fuel card the same, a cost by its number
    // and a refuelling by vehicle and day: each deletes exactly its own row.
    QVERIFY(m_db->deleteRecord(RegisterId::Osobowa, {QStringLiteral("K'5")}));
    QCOMPARE(column(RegisterId::Osobowa, QStringLiteral("NREW")).size(), 4);
    QVERIFY(m_db->deleteRecord(RegisterId::KPaliwowe, {QStringLiteral("C'1")}));
    QCOMPARE(column(RegisterId::KPaliwowe, QStringLiteral("IDKARTY")), QStringList());

    ListModel costs(RegisterId::Koszty);
    QVERIFY(m_db->refreshList(RegisterId::Koszty, costs));
    const int before = costs.rowCount();
    const QString key = costs.raw(0, QStringLiteral("IDKOSZT")).toString();
    QVERIFY(m_db->deleteRecord(RegisterId::Koszty, {key}));
    QVERIFY(m_db->refreshList(RegisterId::Koszty, costs));
    QCOMPARE(costs.rowCount(), before - 1);
    QCOMPARE(costs.findRow({key}), -1);

    FilterSelection selection;
    selection.vehicle = QStringLiteral("WA 1000");
    m_db->applySelection(selection);
    const QString car = QString::number(vehicle(QStringLiteral("WA 1000")));
    QVERIFY(m_db->deleteRecord(RegisterId::Zuzycie, {car, QStringLiteral("20250105")}));
    QCOMPARE(column(RegisterId::Zuzycie, QStringLiteral("DATA")),
             (QStringList{"01.11.2024", "01.12.2024", "15.12.2024"}));
    // A key that is no number is refused before anything runs.
    QVERIFY(!m_db->deleteRecord(RegisterId::Koszty, {QStringLiteral("1 OR 1=1")}));
    QVERIFY(!m_db->deleteRecord(RegisterId::Zuzycie, {car}));
}

void TstDataModule::insertGivesItsOwnKey() {
    qint64 first = 0;
    insert(QStringLiteral("magazyn"), {{QStringLiteral("CZESC"), QStringLiteral("Filtr")}}, &first);
    qint64 second = 0;
    insert(QStringLiteral("magazyn"), {{QStringLiteral("CZESC"), QStringLiteral("Olej")}}, &second);
    QVERIFY(second > first);
    QVERIFY(
        m_raw
            ->execute(SqlStatement(QStringLiteral("DELETE FROM magazyn WHERE ID = %1").arg(second)))
            .ok());
    // A deleted key is never given again.
    qint64 third = 0;
    insert(QStringLiteral("magazyn"), {{QStringLiteral("CZESC"), QStringLiteral("Płyn")}}, &third);
    QVERIFY(third > second);
    DbQuery row;
    QVERIFY(m_raw
                ->select(SqlStatement(
                             QStringLiteral("SELECT CZESC FROM magazyn WHERE ID = %1").arg(third)),
                         &row)
                .ok());
    QVERIFY(row.next());
    QCOMPARE(row.text(u"CZESC"), QStringLiteral("Płyn"));

    // The unique index on a typed key refuses a second vehicle of the same number.
    const DbError error =
        insertRow(*m_raw, QStringLiteral("pojazdy"), {{QStringLiteral("NRREJ"), kQuoted}});
    QCOMPARE(error.kind(), DbError::Kind::Constraint);
    QVERIFY(error.isUniqueViolation());
}

void TstDataModule::existenceTests() {
    using E = TmyDataBase::Existence;
    QCOMPARE(m_db->exists(QStringLiteral("pojazdy"), QStringLiteral("NRREJ"), kQuoted), E::Yes);
    QCOMPARE(
        m_db->exists(QStringLiteral("pojazdy"), QStringLiteral("NRREJ"), QStringLiteral("wa 1000")),
        E::No);
    QCOMPARE(m_db->exists(QStringLiteral("pojazdy"), QStringLiteral("IDPOJAZD"), vehicle(kQuoted)),
             E::Yes);
    QCOMPARE(m_db->exists(QStringLiteral("pojazdy"), QStringLiteral("IDPOJAZD"), qint64(999999)),
             E::No);
    QCOMPARE(
        m_db->exists(QStringLiteral("pojazdy"), QStringLiteral("NOFIELD"), QStringLiteral("x")),
        E::Failed);
}

void TstDataModule::notesRoundTripAndFailedSave() {
    NotesBook& notes = m_db->notes();
    QVERIFY(m_db->loadNotes());
    notes.note(0) = {QStringLiteral("05.03.2024"), QStringLiteral("Przegląd 'WA 1000'"),
                     QStringLiteral("r")};
    notes.note(29) = {QStringLiteral("01.01.2025 nadmiar"), QString(300, QLatin1Char('x')),
                      QString()};
    QVERIFY(m_db->saveNotes());
    notes.note(0) = {};
    QVERIFY(m_db->loadNotes());
    QCOMPARE(notes.note(0).text, QStringLiteral("Przegląd 'WA 1000'"));
    QCOMPARE(notes.note(0).reserved, QStringLiteral("r"));
    QCOMPARE(notes.note(29).date, QStringLiteral("01.01.2025"));
    QCOMPARE(notes.note(29).text.size(), 255);

    // A save that fails halfway leaves the stored notes as they were.
    QVERIFY(m_raw
                ->execute(SqlStatement(
                    QStringLiteral("UPDATE notatki SET OPIS = 'n' || IDNOTATKI WHERE OPIS = ''")))
                .ok());
    QVERIFY(m_raw
                ->execute(SqlStatement(
                    QStringLiteral("CREATE UNIQUE INDEX notatki_test_uq ON notatki (OPIS)")))
                .ok());
    notes.note(0).text = QStringLiteral("nowa");
    notes.note(1).text = QStringLiteral("nowa");
    QVERIFY(!m_db->saveNotes());
    QVERIFY(m_raw->execute(SqlStatement(QStringLiteral("DROP INDEX notatki_test_uq"))).ok());
    NotesBook stored;
    QVERIFY(stored.load(*m_raw, m_db->errorReport()));
    QCOMPARE(stored.note(0).text, QStringLiteral("Przegląd 'WA 1000'"));
    QCOMPARE(stored.note(1).text, QStringLiteral("n2"));
    // The failed changes stay to be saved again; only they are written, and a lost row
    // comes back.
    QVERIFY(notes.isChanged(0) && notes.isChanged(1) && !notes.isChanged(2));
    QVERIFY(m_raw->execute(SqlStatement(QStringLiteral("DELETE FROM notatki WHERE IDNOTATKI = 3")))
                .ok());
    QVERIFY(m_raw
                ->execute(SqlStatement(QStringLiteral(
                    "UPDATE notatki SET OPIS = 'inny komputer' WHERE IDNOTATKI = 4")))
                .ok());
    notes.note(2).text = QStringLiteral("trzecia");
    QVERIFY(m_db->saveNotes());
    QVERIFY(m_db->loadNotes());
    QCOMPARE((QStringList{notes.note(0).text, notes.note(1).text, notes.note(2).text,
                          notes.note(3).text}),
             (QStringList{"nowa", "nowa", "trzecia", "inny komputer"}));
}

void TstDataModule::errorReportWritesTheLogLine() {
    QFile::remove(ErrorLog::path());
    m_db->errorReport().report(QStringLiteral("Komunikat bazy"), true, 41);
    m_db->errorReport().report(QStringLiteral("Drugi"), true, 12345678901LL);
    QCOMPARE(m_messages.shown().size(), 2);
    QCOMPARE(m_messages.shown().first().title, QStringLiteral("Błąd bazy danych"));
    QCOMPARE(m_messages.shown().first().text,
             QStringLiteral("Wystąpił nieoczekiwany błąd. Orginalny komunikat: Komunikat bazy"));
    QFile log(ErrorLog::path());
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(log.readAll()).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines.last().isEmpty());
    static const QRegularExpression time(
        QStringLiteral("^\\d{4}\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d:\\d\\d  "));
    QVERIFY2(time.match(lines[0]).hasMatch(), qPrintable(lines[0]));
    QCOMPARE(lines[0].mid(21), QStringLiteral("[0000000041]  Komunikat bazy"));
    QCOMPARE(lines[1].mid(21), QStringLiteral("[12345678901]  Drugi"));
    // The log names companies and users: its owner alone reads it.
    QCOMPARE(QFile::permissions(ErrorLog::path()) & ~(QFile::ReadUser | QFile::WriteUser),
             QFile::ReadOwner | QFile::WriteOwner);
}

void TstDataModule::busyDatabaseShowsTheLockedMessage() {
    DbConnection other(QStringLiteral("other"));
    QVERIFY(other.openCompany(m_location->location(), QStringLiteral("test")).ok());
    if (m_location->location().isPostgres()) {
        QVERIFY(other.begin().ok());
        QVERIFY(
            other
                .execute(SqlStatement(QStringLiteral("LOCK TABLE koszty IN ACCESS EXCLUSIVE MODE")))
                .ok());
        // The connection's own lock timeout ends the wait; this only stops a test that
        // would otherwise wait for ever.
        QVERIFY(m_db->DatabaseFirma()
                    .execute(SqlStatement(QStringLiteral("SET statement_timeout = '5s'")))
                    .ok());
    } else {
        QVERIFY(other.begin().ok());
        QVERIFY(other.execute(SqlStatement(QStringLiteral("DELETE FROM magazyn"))).ok());
    }
    const DbError error =
        m_location->location().isPostgres()
            ? m_db->DatabaseFirma().execute(SqlStatement(QStringLiteral("SELECT * FROM koszty")))
            : m_db->DatabaseFirma().begin();
    QCOMPARE(error.kind(), DbError::Kind::Busy);
    m_db->errorReport().report(error, 43);
    QCOMPARE(m_messages.shown().last().text, ErrorReport::lockedMessage());
    other.rollback();
    if (m_location->location().isPostgres())
        QVERIFY(m_db->DatabaseFirma()
                    .execute(SqlStatement(QStringLiteral("SET statement_timeout = 0")))
                    .ok());
    // Once the other program is done, the list runs again.
    QVERIFY(!column(RegisterId::Koszty, QStringLiteral("DATA")).isEmpty());
}

// A list still being read in one program, a save in another goes through at once.
void TstDataModule::readerNeverHoldsUpAWriter() {
    DbConnection reader(QStringLiteral("reader"));
    QVERIFY(reader.openCompany(m_location->location(), QStringLiteral("test")).ok());
    DbQuery rows;
    QVERIFY(reader.select(SqlStatement(QStringLiteral("SELECT * FROM osobowa")), &rows).ok());
    QVERIFY(rows.next());
    DbConnection writer(QStringLiteral("writer"));
    QVERIFY(writer.openCompany(m_location->location(), QStringLiteral("test")).ok());
    Transaction save(writer);
    QVERIFY(save.beginError().ok());
    QVERIFY(writer.execute(SqlStatement(QStringLiteral("UPDATE osobowa SET UWAGI = 'x'"))).ok());
    const DbError committed = save.commit();
    QVERIFY2(committed.ok(), qPrintable(committed.message()));
    QVERIFY(rows.next());
}

void TstDataModule::companyChecks() {
    const DbLocation& where = m_location->location();
    QVERIFY(DatabaseCreator::databaseExists(where));
    QVERIFY(!DatabaseCreator::createDatabase(where, false).ok);
    QVERIFY(!DatabaseCreator::addCompany(where, QStringLiteral("Inna"), QStringLiteral("TEST")).ok);
    QVERIFY(
        !DatabaseCreator::addCompany(where, QStringLiteral("firma TESTOWA"), QStringLiteral("inna"))
             .ok);
    for (const char* bad : {"..", "a/b", "a\\b", " spacja", "main", "pg_x", ""})
        QVERIFY2(
            !DatabaseCreator::addCompany(where, QStringLiteral("Nowa"), QString::fromLatin1(bad))
                 .ok,
            bad);
    const CreateResult added =
        DatabaseCreator::addCompany(where, QStringLiteral("Druga firma"), QStringLiteral("Druga"));
    QVERIFY2(added.ok, qPrintable(added.message));
    DbError error;
    const QList<CompanyEntry> companies = DatabaseCreator::companies(where, &error);
    QVERIFY(error.ok());
    QCOMPARE(companies.size(), 2);
    QCOMPARE(companies.at(0).dir, QStringLiteral("Druga"));
    TmyDataBase other(&m_messages);
    QVERIFY(other.openCompany(where, QStringLiteral("Druga")));
    QCOMPARE(other.vehicleKindTexts().size(), 21);
    QCOMPARE(other.vehicleKindTexts().at(1), QStringLiteral("Samochód osobowy"));
    QCOMPARE(other.vehicleKindTexts().at(20), QStringLiteral("Inne 16"));
    QVERIFY(!other.openCompany(where, QStringLiteral("brak")));
}

void TstDataModule::lookups() {
    QStringList rates;
    for (const LookupEntry& entry : m_db->lookups().dictionary(QStringLiteral("STVAT")))
        rates << entry.text;
    QCOMPARE(rates, (QStringList{"8.00", "5.00", "23.00", "0.00"}));  // by text, descending
    const QList<LookupEntry> kinds = m_db->lookups().dictionary(QStringLiteral("RDPOJ"));
    QCOMPARE(kinds.size(), 20);
    QCOMPARE(kinds.at(4).extra.toString(), QStringLiteral("5"));
    QCOMPARE(kinds.at(4).key.toInt(), 5);
    QStringList payments;
    for (const LookupEntry& entry : m_db->lookups().dictionary(QStringLiteral("RDPLA")))
        payments << entry.text;
    // By text in Polish order: "pa" before "pł".
    QCOMPARE(payments, (QStringList{"Gotówka", "Karta paliwowa", "Karta płatnicza", "Przelew"}));
    QStringList persons;
    for (const LookupEntry& entry : m_db->lookups().persons())
        persons << entry.key.toString();
    QCOMPARE(persons, (QStringList{"K4", "K2", "K1", "K3"}));  // Ćwik, Lis, Łoś, Zając
    QCOMPARE(m_db->lookups().registrations().size(), 5);

    // A contractor entered twice is suggested once.
    for (int i = 0; i < 2; ++i)
        insert(QStringLiteral("slowniki"),
               {{QStringLiteral("IDSLOWNIK"), QStringLiteral("KONTR")},
                {QStringLiteral("OPIS"), QStringLiteral("Auto-Serwis")}});
    QCOMPARE(m_db->lookups().contractorSuggestions().count(QStringLiteral("Auto-Serwis")), 1);
}

QTEST_GUILESS_MAIN(TstDataModule)
#include "tst_datamodule.moc"
