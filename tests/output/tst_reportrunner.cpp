// The reports of the catalogue on the sample company, on SQLite and PostgreSQL: the
// preconditions in their order with their messages, a driver's and an order's report
// narrowed to keys typed with quotes, a broken layout leaving every filter as it was, and
// every report of the catalogue prepared from its shipped layout.
#include "ScriptedMessageService.h"
#include "TestCompany.h"
#include "data/ListModel.h"
#include "data/Money.h"
#include "data/engine/DbQuery.h"
#include "data/engine/RowInsert.h"
#include "output/report/ReportRunner.h"
#include "support/Progress.h"

#include <QDir>
#include <QTest>

Q_DECLARE_METATYPE(ReportNeed)
Q_DECLARE_METATYPE(FilterSelection::Period)

namespace {

const CatalogueReport& report(const char* name) {
    const CatalogueReport* entry = ReportCatalogue::byName(QString::fromLatin1(name));
    Q_ASSERT(entry);
    return *entry;
}

}  // namespace

class TstReportRunner : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void preconditionsInOrder_data();
    void preconditionsInOrder();
    void typedKeysNarrowTheList();
    void brokenLayoutChangesNothing();
    void costsReportHoldsTheListAndItsTotal();
    void everyReportPrepares();
    void longReportShowsProgressAndStops();

private:
    // A layout of the data directory's own that prints one field per row.
    void ownLayout(const char* name, const QByteArray& row);
    QStringList rowsOf(const CatalogueReport& entry, const ReportChoices& choices);

    ScriptedMessageService m_messages;
    std::unique_ptr<TestCompany> m_company;
    TmyDataBase* m_db = nullptr;
};

void TstReportRunner::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    m_company = std::make_unique<TestCompany>();
    REQUIRE_LOCATION(m_company->place());
    QVERIFY2(m_company->create(DatabaseCreator::Contents::Sample, &m_messages),
             qPrintable(m_company->error()));
    m_db = &m_company->db();
    m_db->applySelection(FilterSelection());
}

void TstReportRunner::ownLayout(const char* name, const QByteArray& row) {
    const QString folder = m_company->dataDirectory() + u"/raporty"_qs;
    QVERIFY(QDir().mkpath(folder));
    QFile file(folder + u'/' + QString::fromLatin1(name) + u".xml"_qs);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "<report><band kind=\"data\" height=\"5\"><text x=\"0\" width=\"180\" height=\"5\">" + row +
        "</text></band></report>");
}

QStringList TstReportRunner::rowsOf(const CatalogueReport& entry, const ReportChoices& choices) {
    const ReportOutcome outcome = ReportRunner::run(*m_db, entry, choices, TconfigPP());
    QStringList rows;
    for (int page = 0; page < outcome.report.pages.size(); ++page)
        rows << outcome.report.pageTexts(page);
    return rows;
}

void TstReportRunner::preconditionsInOrder_data() {
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("vehicle");
    QTest::addColumn<FilterSelection::Period>("period");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message");  // the start of the refusal; empty: it runs
    using P = FilterSelection::Period;
    const QString noVehicle =
        u"Nie wskazano pojazdu, dla którego wygenerować zestawienie. "
        "Wybierz pojazd z filtra poniżej: \"Dane dla pojazdu\"."_qs;
    QTest::newRow("vehicle report, no vehicle")
        << u"koszty_p"_qs << QString() << P::All << 0 << noVehicle;
    QTest::newRow("vehicle report")
        << u"koszty_p"_qs << u"WA 12345"_qs << P::Range << 0 << QString();
    QTest::newRow("yearly summary, no vehicle first")
        << u"zest_m"_qs << QString() << P::Range << 0 << noVehicle;
    QTest::newRow("yearly summary, range filter")
        << u"zest_m"_qs << u"WA 12345"_qs << P::Range << 0
        << u"Filtr \"Dane dla <ROK>\" u dołu ekranu nieaktywny. Aktywuj filtr i wskaż w nim "
           "rok, dla którego wygenerować zestawienie."_qs;
    QTest::newRow("yearly summary, every year")
        << u"zest_m"_qs << u"WA 12345"_qs << P::All << 0
        << u"Nie wskazano roku, dla którego wygenerować zestawienie. Wybierz rok z filtru "
           "\"Dane dla <ROK>\" u dołu ekranu."_qs;
    QTest::newRow("driver") << u"kier_koszty"_qs << u"WA 12345"_qs << P::All << 0
                            << u"Nie wskazano kierowcy, dla którego wygenerować zestawienie. "
                               "Wybierz kierowcę z rozwijanej listy powyżej."_qs;
    QTest::newRow("road card") << u"kartadrogowa"_qs << QString() << P::All << 0
                               << u"Nie wskazano karty drogowej. Wybierz kartę z rozwijanej "
                                  "listy obok."_qs;
    QTest::newRow("fuel card") << u"koszty_k"_qs << QString() << P::All << 0
                               << u"Nie wskazano karty paliwowej, dla której wygenerować "
                                  "zestawienie. Wybierz kartę z rozwijanej listy powyżej."_qs;
    QTest::newRow("needs nothing") << u"pojazdy"_qs << QString() << P::All << 0 << QString();
}

void TstReportRunner::preconditionsInOrder() {
    QFETCH(QString, report);
    QFETCH(QString, vehicle);
    QFETCH(FilterSelection::Period, period);
    QFETCH(int, year);
    QFETCH(QString, message);
    ReportChoices choices;
    choices.selection.vehicle = vehicle;
    choices.selection.period = period;
    choices.selection.year = year;
    const CatalogueReport* entry = ReportCatalogue::byName(report);
    QVERIFY(entry);
    QCOMPARE(ReportRunner::precondition(*entry, choices), message);
    if (!message.isEmpty()) {
        const ReportOutcome refused = ReportRunner::run(*m_db, *entry, choices, TconfigPP());
        QCOMPARE(refused.status, ReportOutcome::Status::Refused);
        QCOMPARE(refused.message, message);
    }
}

// A driver and an order whose keys hold quotes print their own records, and only those; the
// register's own filters stay as they were.
void TstReportRunner::typedKeysNarrowTheList() {
    DbConnection& company = m_db->DatabaseFirma();
    QVERIFY(
        !insertRow(company, u"osobowa"_qs,
                   {{"NREW", u"K\"9'"_qs}, {"NAZWISKO", u"Cudzysłów"_qs}, {"IMIE", u"Jan"_qs}}));
    qint64 vehicle = 0;
    {
        DbQuery rows;
        QVERIFY(!company.select(SqlStatement("SELECT MIN(IDPOJAZD) FROM pojazdy"), &rows));
        QVERIFY(rows.next());
        vehicle = rows.value(0).toLongLong();
    }
    for (const char* name : {"Olej \"A\"", "Opona 'B'"})
        QVERIFY(!insertRow(company, u"koszty"_qs,
                           {{"IDPOJAZD", vehicle},
                            {"DATA", 20260105LL},
                            {"NAZWATOWAR", QString::fromUtf8(name)},
                            {"IDKIEROWCY", u"K\"9'"_qs},
                            {"WARTNETTO", 10.0},
                            {"WARTVAT", 2.3},
                            {"WARTBRUTTO", 12.3}}));
    QVERIFY(!insertRow(company, u"zlecenia"_qs,
                       {{"NRDOKUMENTU", u"ZL/\"7\""_qs},
                        {"DATAOD", 20260105LL},
                        {"DATADO", 20260106LL},
                        {"OPIS", u"Z cudzysłowem"_qs}}));
    ownLayout("kier_koszty", "[NAZWA]");
    ownLayout("zlecenie", "[NRDOKUMENTU] [TRESC]");
    const FilterState costsBefore = m_db->filter(RegisterId::Koszty);

    ReportChoices choices;
    choices.selection.vehicle = u"WA 12345"_qs;
    choices.driver = u"K\"9'"_qs;
    QStringList driver = rowsOf(report("kier_koszty"), choices);
    driver.sort();
    QCOMPARE(driver, (QStringList{u"Olej \"A\""_qs, u"Opona 'B'"_qs}));

    choices.orderNumber = u"ZL/\"7\""_qs;
    choices.orderText = u"Treść"_qs;
    QCOMPARE(rowsOf(report("zlecenie"), choices), QStringList{u"ZL/\"7\" Treść"_qs});
    choices.orderNumber = u"ZL/ 7 "_qs;  // the quotes replaced by blanks: no such order
    QVERIFY(rowsOf(report("zlecenie"), choices).isEmpty());
    QCOMPARE(m_db->filter(RegisterId::Koszty), costsBefore);
    QDir(m_company->dataDirectory() + u"/raporty"_qs).removeRecursively();
}

void TstReportRunner::brokenLayoutChangesNothing() {
    ownLayout("kier_koszty", "[NAZWA");
    const FilterState before = m_db->filter(RegisterId::Koszty);
    ReportChoices choices;
    choices.selection.vehicle = u"WA 12345"_qs;
    choices.driver = u"K002"_qs;
    const ReportOutcome outcome =
        ReportRunner::run(*m_db, report("kier_koszty"), choices, TconfigPP());
    QCOMPARE(outcome.status, ReportOutcome::Status::LayoutFailed);
    QVERIFY2(outcome.message.startsWith(u"kier_koszty.xml, wiersz 1"_qs),
             qPrintable(outcome.message));
    QCOMPARE(m_db->filter(RegisterId::Koszty), before);
    QDir(m_company->dataDirectory() + u"/raporty"_qs).removeRecursively();
}

// The vehicle costs report under a vehicle and a year prints every row of the costs list
// and the gross total of those rows, to the grosz.
// Preparing a report tells how far it has come, row by row against the list's rows, and
// stops when the person asks: then there is no report to show.
void TstReportRunner::longReportShowsProgressAndStops() {
    struct Watch : ProgressSink {
        QList<std::pair<qint64, qint64>> reports;
        int stopAfter = -1;
        bool update(const QString&, qint64 done, qint64 total) override {
            reports.append({done, total});
            return stopAfter < 0 || reports.size() <= stopAfter;
        }
    };
    ReportChoices choices;
    choices.selection.vehicle = u"WA 12345"_qs;  // every cost of the vehicle
    m_db->applySelection(choices.selection);
    ListModel costs(RegisterId::Koszty);
    QVERIFY(m_db->refreshList(RegisterId::Koszty, costs));
    QVERIFY2(costs.rowCount() > 64, "the sample vehicle has too few costs to see progress");
    for (const int stopAfter : {-1, 1}) {
        Watch watch;
        watch.stopAfter = stopAfter;
        ReportOutcome outcome;
        {
            Progress::Scope scope(&watch);
            outcome = ReportRunner::run(*m_db, report("koszty_p"), choices, TconfigPP());
        }
        QVERIFY(watch.reports.size() >= (stopAfter < 0 ? 2 : 1));
        for (qsizetype i = 0; i < watch.reports.size(); ++i) {
            QCOMPARE(watch.reports[i].second, qint64(costs.rowCount()));
            QVERIFY(i == 0 || watch.reports[i].first > watch.reports[i - 1].first);
        }
        QCOMPARE(outcome.status, stopAfter < 0 ? ReportOutcome::Status::Prepared
                                               : ReportOutcome::Status::Cancelled);
    }
    // Without anybody watching nothing stops.
    QVERIFY(ReportRunner::run(*m_db, report("koszty_p"), choices, TconfigPP()).prepared());
}

void TstReportRunner::costsReportHoldsTheListAndItsTotal() {
    FilterSelection selection;
    selection.vehicle = u"WA 12345"_qs;
    selection.period = FilterSelection::Period::Year;
    selection.year = 2025;
    m_db->applySelection(selection);
    ListModel costs(RegisterId::Koszty);
    QVERIFY(m_db->refreshList(RegisterId::Koszty, costs));
    QVERIFY(costs.rowCount() > 0);
    ReportChoices choices;
    choices.selection = selection;
    const ReportOutcome outcome =
        ReportRunner::run(*m_db, report("koszty_p"), choices, TconfigPP());
    QVERIFY(outcome.prepared());
    QStringList printed;
    for (int page = 0; page < outcome.report.pages.size(); ++page)
        printed << outcome.report.pageTexts(page);
    qint64 gross = 0;
    for (int row = 0; row < costs.rowCount(); ++row) {
        QVERIFY(printed.contains(costs.displayField(row, u"NRDOKUMENT"_qs)));
        gross += *Money::hundredths(costs.displayField(row, u"WARTBRUTTO"_qs));
    }
    QVERIFY2(printed.contains(Money::text(gross)), qPrintable(Money::text(gross)));
    QVERIFY(printed.contains(u"Dane z roku: 2025"_qs));
    m_db->applySelection(FilterSelection());
}

// Every report of the catalogue, with everything it may need chosen, prepares from the
// layout shipped with the program and prints the company.
void TstReportRunner::everyReportPrepares() {
    FilterSelection selection;
    selection.vehicle = u"WA 12345"_qs;
    selection.period = FilterSelection::Period::Year;
    selection.year = 2025;
    m_db->applySelection(selection);
    ReportChoices choices;
    choices.selection = selection;
    choices.company = u"Firma testowa"_qs;
    choices.driver = u"K002"_qs;
    choices.fuelCard = u"7080 4137 6134"_qs;
    choices.roadCard = 1;
    choices.orderNumber = u"ZL/2025/001"_qs;
    for (const CatalogueReport& entry : ReportCatalogue::all()) {
        if (entry.run == ReportRun::YearlySummary)
            continue;
        const ReportOutcome outcome = ReportRunner::run(*m_db, entry, choices, TconfigPP());
        QVERIFY2(outcome.prepared(), qPrintable(entry.name + u": "_qs + outcome.message));
        // The road-card form's FIRMA is the company's own address, from its data.
        const QString company =
            entry.kind.set == VariableSet::RoadCardForm ? m_db->companyDataName() : choices.company;
        QVERIFY2(outcome.report.pageTexts(0).join(u' ').contains(company), qPrintable(entry.name));
    }
    QVERIFY(m_messages.shown().isEmpty());
    m_db->applySelection(FilterSelection());
}

QTEST_MAIN(TstReportRunner)
#include "tst_reportrunner.moc"
