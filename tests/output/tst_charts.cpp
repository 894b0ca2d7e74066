// The charts on a small known data set, on SQLite and PostgreSQL: the points of every kind
// of series, the month and year views, the positions of the days of a year, an empty
// series hidden, the consumption register left as it was, the chart saved as pictures and
// drawn by the command line.
#include "ScriptedMessageService.h"
#include "TestCompany.h"
#include "cli/ChartCommands.h"
#include "cli/CliArguments.h"
#include "data/engine/DbQuery.h"
#include "data/engine/RowInsert.h"
#include "output/charts/ChartBuilder.h"

#include <QDate>
#include <QFile>
#include <QImage>
#include <QLegend>
#include <QLegendMarker>
#include <QTemporaryDir>
#include <QTest>
#include <QXYSeries>

Q_DECLARE_METATYPE(ChartKind)
Q_DECLARE_METATYPE(ChartRequest)

namespace {

// Year-view position of a day of January to November.
double at(int month, int day, int days) {
    return month + double(day - 1) / days;
}

const QString kFluid = u"Płyn \"D'\""_qs;  // an expense kind that quotes would break

}  // namespace

class TstCharts : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void seriesPoints_data();
    void seriesPoints();
    void monthlySumsInWholeGrosze();
    void views_data();
    void views();
    void positionsGrowThroughTheYear();
    void emptySeriesHidden();
    void consumptionRegisterUntouched();
    void normBandAndPictures();
    void commandLine_data();
    void commandLine();

private:
    qint64 fuelKind(const QString& text);
    ChartRequest request(ChartKind kind, int month, std::initializer_list<qint64> keys) const;

    ScriptedMessageService m_messages;
    std::unique_ptr<TestCompany> m_company;
    TmyDataBase* m_db = nullptr;
    qint64 m_a = 0, m_b = 0, m_c = 0;  // vehicles: norm 6..8, none, no records
    qint64 m_petrol = 0, m_diesel = 0;
};

qint64 TstCharts::fuelKind(const QString& text) {
    SqlStatement statement(u"SELECT KOD FROM slowniki WHERE IDSLOWNIK = 'RDPAL' AND OPIS = :T"_qs);
    statement.bindText(u":T"_qs, text);
    DbQuery rows;
    if (m_db->DatabaseFirma().select(statement, &rows) || !rows.next())
        return -1;
    return rows.value(0).toLongLong();
}

ChartRequest TstCharts::request(ChartKind kind, int month,
                                std::initializer_list<qint64> keys) const {
    ChartRequest r;
    r.kind = kind;
    r.year = 2024;
    r.month = month;
    size_t i = 0;
    for (qint64 key : keys)
        r.keys[i++] = key;
    return r;
}

void TstCharts::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    m_company = std::make_unique<TestCompany>();
    REQUIRE_LOCATION(m_company->place());
    QVERIFY2(m_company->create(DatabaseCreator::Contents::Empty, &m_messages),
             qPrintable(m_company->error()));
    m_db = &m_company->db();
    DbConnection& c = m_db->DatabaseFirma();
    QVERIFY(!insertRow(c, u"pojazdy"_qs,
                       {{"NRREJ", u"TST1"_qs}, {"NORMAOD", 6.0}, {"NORMADO", 8.0}}, &m_a));
    QVERIFY(!insertRow(c, u"pojazdy"_qs, {{"NRREJ", u"TST2"_qs}}, &m_b));
    QVERIFY(!insertRow(c, u"pojazdy"_qs, {{"NRREJ", u"TST3"_qs}}, &m_c));
    m_petrol = fuelKind(u"Benzyna Pb95"_qs);
    m_diesel = fuelKind(u"Olej napędowy"_qs);
    QVERIFY(m_petrol > 0 && m_diesel > 0);

    struct Row {
        const char* table;
        const char* fields;
        QVariantList values;
    };
    const char* price = "DATA RODZAJPALIWA BRUTTO";
    const char* tank = "IDPOJAZD DATA BAK TANKOWANIE LICZNIK";  // continuous
    const char* worked = "IDPOJAZD DATA PRZEBIEG TANKOWANIE";   // by distance or hours
    const char* trip = "IDPOJAZD DATA ODLEGLOSC";
    const char* cost = "IDPOJAZD DATA WARTBRUTTO ISFUEL RODZWYD";
    const QList<Row> rows = {
        {"cenypaliw", price, {20240105, m_petrol, 6.5}},
        {"cenypaliw", price, {20240105, m_petrol, 6.4}},
        {"cenypaliw", price, {20240229, m_petrol, 6.8}},
        {"cenypaliw", price, {20241227, m_petrol, 7.0}},
        {"cenypaliw", price, {20241231, m_petrol, 7.1}},
        {"cenypaliw", price, {20231231, m_petrol, 9.9}},
        {"cenypaliw", price, {20240215, m_diesel, 6.9}},
        // 6.00 and 7.00 l/100 km after the first refuelling, which has none; 10.00 on gas.
        {"zuzycie", tank, {m_a, 20240110, 10, 40, 1000}},
        {"zuzycie", tank, {m_a, 20240120, 20, 30, 1500}},
        {"zuzycie", tank, {m_a, 20240201, 15, 35, 2000}},
        {"zuzycielpg", tank, {m_a, 20240110, 5, 30, 1000}},
        {"zuzycielpg", tank, {m_a, 20240125, 5, 30, 1300}},
        // 7.00 l/100 km, none without distance, 2.50 l/h.
        {"zuzyciekm", worked, {m_a, 20240305, 500, 35}},
        {"zuzyciekm", worked, {m_a, 20240306, 0, 10}},
        {"zuzyciemth", worked, {m_a, 20240410, 10, 25}},
        {"przejazdy", trip, {m_a, 20240105, 100.5}},
        {"przejazdy", trip, {m_a, 20240120, 50.25}},
        {"przejazdy", trip, {m_a, 20240301, -20}},
        {"przejazdy", trip, {m_a, 20241231, 10}},
        {"przejazdy", trip, {m_a, 20231231, 70}},
        {"przejazdy", trip, {m_b, 20240105, 300}},
        {"koszty", cost, {m_a, 20240110, 0.1, u"T"_qs, u"Paliwo"_qs}},
        {"koszty", cost, {m_a, 20240111, 0.2, u"T"_qs, u"Paliwo"_qs}},
        {"koszty", cost, {m_a, 20240115, 100, u"N"_qs, u"Naprawa"_qs}},
        {"koszty", cost, {m_a, 20240205, 50, u"T"_qs, kFluid}},
        {"koszty", cost, {m_a, 20240206, 30, u"N"_qs, kFluid}},
        {"koszty", cost, {m_a, 20240310, -40, u"N"_qs, u"Naprawa"_qs}},
        {"koszty", cost, {m_b, 20240110, 999, u"T"_qs, u"Paliwo"_qs}},
    };
    for (const Row& row : rows) {
        const QStringList names = QString::fromLatin1(row.fields).split(u' ');
        FieldValues values;
        for (qsizetype i = 0; i < names.size(); ++i)
            values.append({names.at(i), row.values.at(i)});
        QVERIFY(!insertRow(c, QString::fromLatin1(row.table), values));
    }
}

void TstCharts::seriesPoints_data() {
    QTest::addColumn<ChartRequest>("chart");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<QPointF>>("points");
    QTest::addColumn<QList<qint64>>("dates");
    using K = ChartKind;
    using P = QList<QPointF>;
    using D = QList<qint64>;
    const double dec27 = 12 + 26 * 0.9 / 30;
    QTest::newRow("fuel prices, by date then price")
        << request(K::FuelPrices, 0, {m_petrol}) << u"Benzyna Pb95"_qs
        << P{{at(1, 5, 31), 6.4},
             {at(1, 5, 31), 6.5},
             {at(2, 29, 29), 6.8},
             {dec27, 7.0},
             {12.9, 7.1}}
        << D{20240105, 20240105, 20240229, 20241227, 20241231};
    QTest::newRow("fuel prices, February") << request(K::FuelPrices, 2, {m_diesel})
                                           << u"Olej napędowy"_qs << P{{15, 6.9}} << D{20240215};
    QTest::newRow("continuous, first refuelling has none")
        << request(K::Continuous, 0, {m_a}) << u"TST1"_qs << P{{at(1, 20, 31), 6.0}, {2, 7.0}}
        << D{20240120, 20240201};
    ChartRequest gas = request(K::Continuous, 1, {m_a});
    gas.lpg = true;
    QTest::newRow("continuous, LPG, January") << gas << u"TST1"_qs << P{{25, 10.0}} << D{20240125};
    QTest::newRow("by distance, none without distance")
        << request(K::ByDistance, 0, {m_a}) << u"TST1"_qs << P{{at(3, 5, 31), 7.0}} << D{20240305};
    QTest::newRow("by engine hours") << request(K::ByEngineHours, 0, {m_a}) << u"TST1"_qs
                                     << P{{at(4, 10, 30), 2.5}} << D{20240410};
    QTest::newRow("distance per month, negative month none")
        << request(K::Distance, 0, {m_a}) << u"TST1"_qs << P{{1, 150.75}, {12, 10}} << D{1, 12};
    QTest::newRow("costs per month")
        << request(K::Costs, 0, {m_a}) << u"TST1"_qs << P{{1, 100.3}, {2, 80}} << D{1, 2};
    ChartRequest fuel = request(K::Costs, 0, {m_a});
    fuel.fuelOnly = true;
    QTest::newRow("costs, fuel only") << fuel << u"TST1"_qs << P{{1, 0.3}, {2, 50}} << D{1, 2};
    ChartRequest kind = request(K::Costs, 0, {m_a});
    kind.expenseKind = kFluid;
    QTest::newRow("costs, one kind") << kind << u"TST1"_qs << P{{2, 80}} << D{2};
    kind.fuelOnly = true;
    QTest::newRow("costs, fuel only and one kind") << kind << u"TST1"_qs << P{{2, 50}} << D{2};
}

void TstCharts::seriesPoints() {
    QFETCH(ChartRequest, chart);
    QFETCH(QString, name);
    QFETCH(QList<QPointF>, points);
    QFETCH(QList<qint64>, dates);
    const ChartPlot plot = ChartData::compute(*m_db, chart);
    QVERIFY(plot.complete);
    const ChartSeries& series = plot.series[0];
    QCOMPARE(series.name, name);
    QCOMPARE(series.points, points);
    QCOMPARE(series.dates, dates);
    double top = 0;
    for (const QPointF& point : points)
        top = std::max(top, point.y());
    QCOMPARE(series.yMax, top);
    QCOMPARE(series.yMin, 0.0);
    QVERIFY(m_messages.shown().isEmpty());
}

// 0.10 + 0.20 is 0.30 exactly, and so it is printed.
void TstCharts::monthlySumsInWholeGrosze() {
    ChartRequest fuel = request(ChartKind::Costs, 0, {m_a});
    fuel.fuelOnly = true;
    const QByteArray lines =
        ChartCommands::pointLines(ChartData::compute(*m_db, fuel), {u"TST1"_qs});
    QCOMPARE(lines, QByteArray("TST1;1;0.3\nTST1;2;50\n"));
}

void TstCharts::views_data() {
    QTest::addColumn<ChartKind>("kind");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<double>("xMax");
    QTest::addColumn<QString>("caption");
    using K = ChartKind;
    QTest::newRow("February, leap year")
        << K::FuelPrices << 2024 << 2 << 29 << 29.0 << u"Zmiana cen paliw w miesiącu Luty 2024"_qs;
    QTest::newRow("February, common year") << K::ByEngineHours << 2023 << 2 << 28 << 28.0
                                           << u"Zużycie paliwa Mth w miesiącu Luty 2023"_qs;
    QTest::newRow("year") << K::Continuous << 2024 << 0 << 12 << 12.9
                          << u"Zużycie paliwa ciągłe w roku 2024"_qs;
    QTest::newRow("distance ignores the month")
        << K::Distance << 2024 << 2 << 12 << 12.0 << u"Przebieg w roku 2024"_qs;
    QTest::newRow("costs") << K::Costs << 2024 << 0 << 12 << 12.0
                           << u"Koszty brutto w roku 2024"_qs;
}

void TstCharts::views() {
    QFETCH(ChartKind, kind);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, ticks);
    QFETCH(double, xMax);
    QFETCH(QString, caption);
    ChartRequest r = request(kind, month, {});
    r.year = year;
    const ChartPlot plot = ChartData::compute(*m_db, r);
    QCOMPARE(plot.ticks, ticks);
    QCOMPARE(plot.xMax, xMax);
    QCOMPARE(plot.caption, caption);
    QCOMPARE(plot.series[4].xMin, 1.0);
    QCOMPARE(plot.series[4].xMax, xMax);
    r.translate = [](const QString& text) { return text.toUpper(); };
    QCOMPARE(ChartData::compute(*m_db, r).caption, caption.toUpper());
}

void TstCharts::positionsGrowThroughTheYear() {
    for (int year : {2023, 2024}) {
        double previous = 0;
        for (QDate day(year, 1, 1); day.year() == year; day = day.addDays(1)) {
            const qint64 date = day.year() * 10000 + day.month() * 100 + day.day();
            const double x = ChartData::datePosition(date, false);
            QVERIFY2(x > previous && x <= 12.9, qPrintable(day.toString(Qt::ISODate)));
            previous = x;
            QCOMPARE(ChartData::datePosition(date, true), double(day.day()));
        }
        QCOMPARE(previous, 12.9);
    }
    QCOMPARE(ChartData::datePosition(20240301, false), 3.0);
}

void TstCharts::emptySeriesHidden() {
    const ChartPlot plot = ChartData::compute(*m_db, request(ChartKind::Costs, 0, {m_c, m_a}));
    QVERIFY(!plot.series[0].visible());
    QCOMPARE(plot.series[0].name, u"TST3"_qs);
    QVERIFY(plot.series[1].visible());
    const std::unique_ptr<QChart> chart(ChartBuilder::build(plot));
    QTemporaryDir dir;
    QVERIFY(ChartBuilder::save(chart.get(), QSize(400, 300), dir.filePath(u"w.png"_qs)));
    const QList<QAbstractSeries*> series = chart->series();
    QCOMPARE(series.size(), 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(series.at(i)->objectName(), u"seria%1"_qs.arg(i + 1));
        QCOMPARE(series.at(i)->isVisible(), i == 1);
        QCOMPARE(chart->legend()->markers(series.at(i)).value(0)->isVisible(), i == 1);
        QCOMPARE(static_cast<QXYSeries*>(series.at(i))->color(), ChartBuilder::seriesColour(i));
    }
    QCOMPARE(static_cast<QXYSeries*>(series.at(1))->points(), plot.series[1].points);
}

void TstCharts::consumptionRegisterUntouched() {
    FilterSelection selection;
    selection.period = FilterSelection::Period::Year;
    selection.year = 2023;
    selection.vehicle = u"TST2"_qs;
    m_db->applySelection(selection);
    m_db->setLpg(RegisterId::Zuzycie, true);
    m_db->setLpg(RegisterId::ZuzycieKm, false);
    const FilterState before = m_db->filter(RegisterId::Zuzycie);
    const FilterState beforeKm = m_db->filter(RegisterId::ZuzycieKm);
    ChartRequest gas = request(ChartKind::ByDistance, 0, {m_a});
    gas.lpg = true;
    QVERIFY(
        ChartData::compute(*m_db, request(ChartKind::Continuous, 0, {m_a})).series[0].visible());
    ChartData::compute(*m_db, gas);
    QVERIFY(m_db->lpg(RegisterId::Zuzycie));
    QVERIFY(!m_db->lpg(RegisterId::ZuzycieKm));
    QCOMPARE(m_db->filter(RegisterId::Zuzycie), before);
    QCOMPARE(m_db->filter(RegisterId::ZuzycieKm), beforeKm);
    m_db->setLpg(false);
    m_db->applySelection(FilterSelection());
}

// One vehicle's consumption shades its norm 6..8 behind the plot; the pictures have the
// asked size.
void TstCharts::normBandAndPictures() {
    const ChartPlot plot = ChartData::compute(*m_db, request(ChartKind::Continuous, 0, {m_a}));
    QCOMPARE(plot.series[0].norm, std::make_optional(std::make_pair(6.0, 8.0)));
    const std::unique_ptr<QChart> chart(ChartBuilder::build(plot));
    QVERIFY(chart->series().at(0)->name().contains(u"norma 6,00 - 8,00"_qs));
    QTemporaryDir dir;
    const QString png = dir.filePath(u"wykres.png"_qs);
    QString error;
    QVERIFY2(ChartBuilder::save(chart.get(), QSize(640, 480), png, &error), qPrintable(error));
    const QImage image(png);
    QCOMPARE(image.size(), QSize(640, 480));
    // The band's pixels between the grid lines at x 12.5, the plot field's below it.
    auto* series = chart->series().at(0);
    const QPoint inside = chart->mapToPosition(QPointF(12.5, 7.5), series).toPoint();
    const QPoint below = chart->mapToPosition(QPointF(12.5, 3.5), series).toPoint();
    QCOMPARE(image.pixelColor(inside), QColor(178, 222, 178));
    QCOMPARE(image.pixelColor(below), QColor(203, 203, 228));
    for (const char* name : {"wykres.svg", "wykres.pdf"}) {
        const QString file = dir.filePath(QString::fromLatin1(name));
        QVERIFY2(ChartBuilder::save(chart.get(), QSize(800, 600), file, &error), qPrintable(error));
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray head = written.read(5);
        QVERIFY2(head == "%PDF-" || head == "<?xml", head.constData());
        QVERIFY(written.size() > 1000);
    }
    QVERIFY(!ChartBuilder::save(chart.get(), QSize(800, 600), dir.filePath(u"w.bmp"_qs), &error));
    QVERIFY(error.contains(u"PNG, SVG lub PDF"_qs));
}

void TstCharts::commandLine_data() {
    QTest::addColumn<QString>("words");
    QTest::addColumn<int>("status");
    QTest::addColumn<QSize>("size");  // of the PNG written
    const QSize none(0, 0);
    QTest::newRow("repeated series, asked size")
        << u"koszty --year 2024 --series TST1 --out --series TST2 --size 640x400"_qs << 0
        << QSize(640, 400);
    QTest::newRow("default size") << u"przebieg --year 2024 --series=TST1 --out"_qs << 0
                                  << QSize(1200, 800);
    QTest::newRow("unknown vehicle") << u"przebieg --year 2024 --series XX --out"_qs << 1 << none;
    QTest::newRow("unknown fuel kind")
        << u"cenypaliw --year 2024 --series 999 --out"_qs << 1 << none;
    QTest::newRow("month of a yearly chart")
        << u"koszty --year 2024 --month 2 --series TST1 --out"_qs << 1 << none;
    QTest::newRow("six series") << u"koszty --year 2024 --series=1 --series=2 --series=3 "
                                   "--series=4 --series=5 --series=6 --out"_qs
                                << 1 << none;
    QTest::newRow("bad size") << u"koszty --year 2024 --series TST1 --size 12x --out"_qs << 1
                              << none;
}

void TstCharts::commandLine() {
    QFETCH(QString, words);
    QFETCH(int, status);
    QFETCH(QSize, size);
    QTemporaryDir dir;
    // "--out" takes the picture's name wherever it stands.
    const QStringList line =
        QStringList{m_company->location().text(), u"proba"_qs} +
        words.replace(u"--out"_qs, u"--out "_qs + dir.filePath(u"w.png"_qs)).split(u' ');
    const CliArguments args(line, ChartCommands::chartValues(), ChartCommands::chartFlags());
    QVERIFY(args.ok());
    QCOMPARE(ChartCommands::chart(args, line), status);
    const QImage image(dir.filePath(u"w.png"_qs));
    QCOMPARE(image.size(), size);
}

QTEST_MAIN(TstCharts)
#include "tst_charts.moc"
