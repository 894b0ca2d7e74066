#pragma once

#include "data/Lookups.h"
#include "output/charts/ChartData.h"

#include <QWidget>
#include <array>

class LookupField;
class MessageService;
class QChart;
class QChartView;
class QCheckBox;
class QComboBox;
class QPrinter;
class QPushButton;
class QXYSeries;
class TmyDataBase;

// One sub-page of the charts page: the period, the five series rows (a check box and a
// selector each), the options of its chart, "Rysuj wykres", saving and printing, and the
// plot itself. The six sub-pages differ only in the Setup they are built from.
class ChartSubPage : public QWidget {
    Q_OBJECT

public:
    struct Setup {
        ChartKind kind = ChartKind::FuelPrices;
        QString tabName;         // TabWykres1
        QString caption;         // the tab's text
        QString group;           // CenyPaliw: cbCenyPaliwSeria1.., selCenyPaliw1..
        QString periodPrefix;    // cenyPaliw: cenyPaliwRok, cenyPaliwMiesiac, cenyPaliwRDPaliwa
        bool monthList = false;  // a month view can be chosen
        bool fuelKindList = false;
        bool costOptions = false;  // "Tylko paliwo" and "Rodzaj wydatku"
        QString drawButton;        // SpeedButton42
        QString chartName;         // chartCenyPaliw
        QString initialCaption;    // "Zmiana cen paliw w roku"
    };

    ChartSubPage(TmyDataBase& database, MessageService& messages, Setup setup,
                 QWidget* parent = nullptr);

    const Setup& setup() const { return m_setup; }

    // The selectors' entries read again (fuel kinds or vehicles, and the kinds of expense);
    // what was chosen stays chosen while it exists. A page not yet drawn shows its initial
    // caption again.
    void refresh(const QList<LookupEntry>& seriesEntries, const QList<LookupEntry>& expenseKinds);

    // What "Rysuj wykres" asks for, read from the controls.
    ChartRequest request() const;
    // The plot shown now: the last one drawn, or the empty one with the initial caption.
    const ChartPlot& plot() const { return m_plot; }
    QChartView* view() const { return m_view; }

    // The tooltip of a point: the series' name, the point's date (its month for distance
    // and costs) and value. Empty when there is no such point.
    QString pointText(int series, int point) const;
    // The chart as shown, scaled into the printer's page.
    void printChart(QPrinter& printer);

public slots:
    // "Rysuj wykres": the points from the chart data, drawn in place of the previous chart.
    void draw();
    // Asks for a file (PNG, SVG or PDF) and writes the chart at the command line's size.
    void saveChart();
    // The print dialog, then printChart on its printer.
    void print();

private:
    QWidget* controls();
    void display(const ChartPlot& plot);
    void pointHovered(int series, QXYSeries* shown, const QPointF& at, bool state);

    TmyDataBase& m_db;
    MessageService& m_messages;
    Setup m_setup;
    QComboBox* m_year = nullptr;
    QComboBox* m_month = nullptr;
    QComboBox* m_fuelKind = nullptr;
    std::array<QCheckBox*, 5> m_useSeries{};
    std::array<LookupField*, 5> m_series{};
    QCheckBox* m_fuelOnly = nullptr;
    QCheckBox* m_useExpenseKind = nullptr;
    LookupField* m_expenseKind = nullptr;
    QPushButton* m_draw = nullptr;
    QChartView* m_view = nullptr;
    QChart* m_chart = nullptr;  // owned by the view
    ChartPlot m_plot;
    int m_drawnYear = 0;
    bool m_drawn = false;
};
