#include "ScriptedMessageService.h"
#include "TestCompany.h"
#include "registers/LookupField.h"
#include "shell/ChartSubPage.h"
#include "shell/ChartsPage.h"
#include "support/OVUtilities.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolTip>
#include <QXYSeries>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Per shown series: its number (0..4) and its points.
using Shown = QList<std::pair<int, QList<QPointF>>>;

// The line series "seria1".."seria5" a chart shows, and those a plot has points for.
Shown shownSeries(QChart* chart) {
    Shown shown;
    for (QAbstractSeries* series : chart->series()) {
        auto* xy = qobject_cast<QXYSeries*>(series);
        if (xy && xy->objectName().startsWith(u"seria"_s) && xy->isVisible() && xy->count() > 0)
            shown.append({xy->objectName().mid(5).toInt() - 1, xy->points()});
    }
    return shown;
}

Shown visibleSeries(const ChartPlot& plot) {
    Shown shown;
    for (int i = 0; i < int(plot.series.size()); ++i) {
        if (plot.series[size_t(i)].visible())
            shown.append({i, plot.series[size_t(i)].points});
    }
    return shown;
}

}  // namespace

class TstChartsPage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup() { m_page.reset(); }
    void subPages_data();
    void subPages();
    void drawing_data();
    void drawing();
    void saving_data();
    void saving();
    void hoverAndPrint();
    void filtersUntouched();

private:
    // The first entries of a sub-page's series lists that have points in the data's year.
    QList<int> entriesWithData(int subPage, int count, bool fuelOnly = false);
    // Chooses entries in the series rows (-1: none, its box unchecked); their keys.
    ChartRequest choose(int subPage, const QList<int>& entries);
    ChartSubPage* page(int index) const { return m_page->subPage(index); }
    template <typename T>
    T* child(int index, const QString& name) const {
        return page(index)->findChild<T*>(name);
    }
    LookupField* series(int index, int row) const {
        return child<LookupField>(index,
                                  u"sel%1%2Panel"_s.arg(page(index)->setup().group).arg(row));
    }
    QCheckBox* seriesBox(int index, int row) const {
        return child<QCheckBox>(index, u"cb%1Seria%2"_s.arg(page(index)->setup().group).arg(row));
    }

    ScriptedMessageService m_messages;
    std::unique_ptr<TestCompany> m_company;
    TmyDataBase* m_db = nullptr;
    std::unique_ptr<ChartsPage> m_page;
    int m_year = 0;  // the sample company's records reach a year back from today
};

void TstChartsPage::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    m_company = std::make_unique<TestCompany>();
    REQUIRE_LOCATION(m_company->place());
    QVERIFY2(m_company->create(DatabaseCreator::Contents::Sample, &m_messages),
             qPrintable(m_company->error()));
    m_db = &m_company->db();
    m_year = QDate::currentDate().addMonths(-1).year();
}

void TstChartsPage::init() {
    m_messages.clear();
    m_page = std::make_unique<ChartsPage>(*m_db, m_messages);
    m_page->resize(1090, 640);
    m_page->refresh();
}

QList<int> TstChartsPage::entriesWithData(int subPage, int count, bool fuelOnly) {
    const auto kind = ChartKind(subPage);
    const QList<LookupEntry> entries = kind == ChartKind::FuelPrices
                                           ? m_db->lookups().dictionary(u"RDPAL"_s)
                                           : m_db->lookups().vehicles();
    QList<int> found;
    for (int i = 0; i < entries.size() && found.size() < count; ++i) {
        ChartRequest request;
        request.kind = kind;
        request.year = m_year;
        request.fuelOnly = fuelOnly;
        request.keys[0] = entries[i].key.toLongLong();
        if (ChartData::compute(*m_db, request).series[0].visible())
            found << i;
    }
    return found;
}

ChartRequest TstChartsPage::choose(int subPage, const QList<int>& entries) {
    ChartRequest request;
    request.kind = ChartKind(subPage);
    for (int row = 0; row < entries.size(); ++row) {
        if (entries[row] < 0)
            continue;
        series(subPage, row + 1)->combo()->setCurrentIndex(entries[row]);
        seriesBox(subPage, row + 1)->setChecked(true);
        request.keys[size_t(row)] = series(subPage, row + 1)->key().toLongLong();
    }
    return request;
}

void TstChartsPage::subPages_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("chart");
    QTest::addColumn<QString>("initial");
    const QString pad(6, u' ');
    QTest::newRow("1") << u"Zmiana cen paliw"_s << u"chartCenyPaliw"_s
                       << u"Zmiana cen paliw w roku"_s;
    QTest::newRow("2") << u"Zużycie paliwa ciągłe"_s << u"chartZuzycieCiagle"_s
                       << u"Zużycie paliwa ciągłe w roku"_s;
    QTest::newRow("3") << u"Zużycie paliwa - km"_s << u"chartZuzycieKm"_s
                       << u"Zużycie paliwa km w roku"_s;
    QTest::newRow("4") << u"Zużycie paliwa - Mth"_s << u"chartZuzycieMth"_s
                       << u"Zużycie paliwa Mth w roku"_s;
    QTest::newRow("5") << pad + u"Przebieg"_s + pad << u"chartPrzebieg"_s << u"Przebieg w roku"_s;
    QTest::newRow("6") << pad + u"Koszty"_s + pad << u"chartKoszty"_s << u"Koszty brutto w roku"_s;
}

void TstChartsPage::subPages() {
    QFETCH(QString, caption);
    QFETCH(QString, chart);
    QFETCH(QString, initial);
    const int index = QString::fromLatin1(QTest::currentDataTag()).toInt() - 1;
    QCOMPARE(m_page->objectName(), u"wykresy"_s);
    QCOMPARE(m_page->tabs()->widget(index)->objectName(), u"TabWykres%1"_s.arg(index + 1));
    QCOMPARE(m_page->tabs()->tabText(index), caption);
    QCOMPARE(child<QPushButton>(index, u"SpeedButton%1"_s.arg(42 + index))->text(),
             u"Rysuj wykres"_s);
    QChart* shown = child<QChartView>(index, chart)->chart();
    QCOMPARE(shown->title(), initial);
    QVERIFY(shownSeries(shown).isEmpty());
    const QString prefix = page(index)->setup().periodPrefix;
    auto* year = child<QComboBox>(index, prefix + u"Rok"_s);
    QCOMPARE(year->itemText(0) + year->itemText(year->count() - 1), u"19702100"_s);
    QCOMPARE(year->currentText(), QString::number(QDate::currentDate().year()));
    // The month list where there is one, the fuel kind on the consumption charts.
    auto* months = child<QComboBox>(index, prefix + u"Miesiac"_s);
    QCOMPARE(months ? months->currentText() + months->itemText(12) : QString(),
             index < 4 ? u"(Wszystkie)Grudzień"_s : QString());
    auto* fuel = child<QComboBox>(index, prefix + u"RDPaliwa"_s);
    QCOMPARE(fuel ? fuel->currentText() : QString(),
             index >= 1 && index <= 3 ? u"Paliwo płynne"_s : QString());
    const auto entries = index == 0 ? m_db->lookups().dictionary(u"RDPAL"_s).size()
                                    : m_db->lookups().vehicles().size();
    for (int row = 1; row <= 5; ++row) {
        QCOMPARE(seriesBox(index, row)->toolTip(), u"Umieść na wykresie"_s);
        QCOMPARE(series(index, row)->combo()->count(), entries);
    }
    // Choosing a value ticks its box; on the costs chart choosing a kind of expense too.
    const int row = index % 5 + 1;
    QList<std::pair<QComboBox*, QCheckBox*>> choices{
        {series(index, row)->combo(), seriesBox(index, row)}};
    if (index == 5)
        choices.append({child<QComboBox>(index, u"selKosztyRodzaj"_s),
                        child<QCheckBox>(index, u"cbKosztyRodzaj"_s)});
    for (auto [list, box] : choices) {
        QVERIFY(list->count() > 1 && !box->isChecked());
        list->setCurrentIndex(1);
        emit list->activated(1);
        QVERIFY(box->isChecked());
    }
}

void TstChartsPage::drawing_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("month");  // of 2024; 0: the data's year
    QTest::addColumn<QList<int>>("entries");
    QTest::addColumn<bool>("fuelOnly");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("points");  // the chart must show some
    const QString y = QString::number(m_year);
    const QList<int> prices = entriesWithData(0, 2);
    const QList<int> consumption = entriesWithData(1, 1);
    const QList<int> costs = entriesWithData(5, 2, true);
    QVERIFY(prices.size() == 2 && consumption.size() == 1 && costs.size() == 2);
    QTest::newRow("no box checked")
        << 0 << 0 << QList<int>{} << false << u"Zmiana cen paliw w roku "_s + y << false;
    QTest::newRow("prices, two kinds") << 0 << 0 << QList<int>{prices[0], -1, prices[1]} << false
                                       << u"Zmiana cen paliw w roku "_s + y << true;
    QTest::newRow("prices, month") << 0 << 2 << QList<int>{prices[0]} << false
                                   << u"Zmiana cen paliw w miesiącu Luty 2024"_s << false;
    QTest::newRow("continuous, one vehicle") << 1 << 0 << QList<int>{consumption[0]} << false
                                             << u"Zużycie paliwa ciągłe w roku "_s + y << true;
    QTest::newRow("costs, two vehicles") << 5 << 0 << QList<int>{-1, costs[0], costs[1]} << false
                                         << u"Koszty brutto w roku "_s + y << true;
    QTest::newRow("costs, fuel only") << 5 << 0 << QList<int>{costs[0], costs[1]} << true
                                      << u"Koszty brutto w roku "_s + y << true;
}

void TstChartsPage::drawing() {
    QFETCH(int, index);
    QFETCH(int, month);
    QFETCH(QList<int>, entries);
    QFETCH(bool, fuelOnly);
    QFETCH(QString, caption);
    QFETCH(bool, points);
    const ChartSubPage::Setup& setup = page(index)->setup();
    ChartRequest expected = choose(index, entries);
    expected.year = month ? 2024 : m_year;
    expected.month = month;
    expected.fuelOnly = fuelOnly;
    child<QComboBox>(index, setup.periodPrefix + u"Rok"_s)
        ->setCurrentText(QString::number(expected.year));
    if (month)
        child<QComboBox>(index, setup.periodPrefix + u"Miesiac"_s)->setCurrentIndex(month);
    if (fuelOnly)
        child<QCheckBox>(index, u"cbKosztyPaliwo"_s)->setChecked(true);
    // A value chosen with its box unchecked stays off the chart.
    series(index, 5)->combo()->setCurrentIndex(0);

    child<QPushButton>(index, setup.drawButton)->click();

    QChart* chart = child<QChartView>(index, setup.chartName)->chart();
    QCOMPARE(chart->title(), caption);
    QCOMPARE(shownSeries(chart), visibleSeries(ChartData::compute(*m_db, expected)));
    QCOMPARE(shownSeries(chart).isEmpty(), !points);
    QVERIFY(m_messages.shown().isEmpty());
}

void TstChartsPage::saving_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("start");  // the file's first bytes
    QTest::newRow("png") << u"wykres.png"_s << QByteArray("\x89PNG");
    QTest::newRow("svg") << u"wykres.svg"_s << QByteArray("<?xml");
    QTest::newRow("pdf") << u"wykres.pdf"_s << QByteArray("%PDF");
    QTest::newRow("cancelled") << QString() << QByteArray();
}

void TstChartsPage::saving() {
    QFETCH(QString, name);
    QFETCH(QByteArray, start);
    QTemporaryDir dir;
    const QString file = name.isEmpty() ? QString() : dir.filePath(name);
    choose(5, entriesWithData(5, 1));
    page(5)->draw();
    m_messages.answerFile(file);
    child<QPushButton>(5, u"SBZapiszKoszty"_s)->click();
    QCOMPARE(m_messages.shown().size(), name.isEmpty() ? 1 : 2);  // the file dialog, the result
    if (name.isEmpty()) {
        QVERIFY(QDir(dir.path()).isEmpty());
        return;
    }
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.read(start.size()), start);
    if (name.endsWith(u".png"_s))
        QCOMPARE(QImage(file).size(), QSize(1200, 800));
    QCOMPARE(m_messages.shown().last().title, u"Informacja"_s);
    QCOMPARE(m_messages.shown().last().text, u"Wykres zapisano w pliku:\n"_s + file);
}

void TstChartsPage::hoverAndPrint() {
    child<QComboBox>(0, u"cenyPaliwRok"_s)->setCurrentText(QString::number(m_year));
    choose(0, entriesWithData(0, 1));
    page(0)->draw();
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));

    // Near a point: the series, the date as the program writes dates, the value.
    const ChartSeries& first = page(0)->plot().series[0];
    QVERIFY(first.visible());
    const QString expected = first.name + u'\n' + TOVUtilities().dateNumberToText(first.dates[0]) +
                             u'\n' + QLocale().toString(first.points[0].y(), 'f', 2);
    QXYSeries* line = nullptr;
    for (QAbstractSeries* s : page(0)->view()->chart()->series())
        line = s->objectName() == u"seria1"_s ? qobject_cast<QXYSeries*>(s) : line;
    QVERIFY(line);
    emit line->hovered(first.points[0] + QPointF(0.001, 0), true);
    QTRY_COMPARE(QToolTip::text(), expected);
    emit line->hovered(first.points[0], false);
    QTRY_VERIFY(QToolTip::text().isEmpty());

    // Printed: the chart as shown, into a PDF file standing in for the printer.
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(u"wydruk.pdf"_s));
    page(0)->printChart(printer);
    QFile printed(printer.outputFileName());
    QVERIFY(printed.open(QIODevice::ReadOnly));
    QCOMPARE(printed.read(4), QByteArray("%PDF"));
}

void TstChartsPage::filtersUntouched() {
    FilterSelection selection{FilterSelection::Period::Year,
                              m_year - 1,
                              0,
                              0,
                              0,
                              m_db->lookups().registrations().value(0),
                              true,
                              {},
                              {}};
    m_db->applySelection(selection);
    m_db->setLpg(RegisterId::ZuzycieKm, true);
    const RegisterId watched[] = {RegisterId::Koszty, RegisterId::Zuzycie, RegisterId::ZuzycieKm,
                                  RegisterId::ZuzycieMth};
    QList<std::pair<FilterState, bool>> before;
    for (RegisterId id : watched)
        before.append({m_db->filter(id), m_db->lpg(id)});
    for (int index = 0; index < ChartsPage::kSubPages; ++index) {
        choose(index, {-1, 0});
        if (auto* fuel = child<QComboBox>(index, page(index)->setup().periodPrefix + u"RDPaliwa"_s))
            fuel->setCurrentIndex(0);
        page(index)->draw();
    }
    for (size_t i = 0; i < std::size(watched); ++i)
        QVERIFY(before[qsizetype(i)] ==
                std::make_pair(m_db->filter(watched[i]), m_db->lpg(watched[i])));
    m_db->applySelection(FilterSelection());
    m_db->setLpg(false);
}

QTEST_MAIN(TstChartsPage)
#include "tst_chartspage.moc"
