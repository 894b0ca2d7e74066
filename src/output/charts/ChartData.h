#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <QVariant>
#include <array>
#include <functional>
#include <optional>

class TmyDataBase;

// The six charts of the charts page.
enum class ChartKind { FuelPrices, Continuous, ByDistance, ByEngineHours, Distance, Costs };

// What one "Rysuj wykres" asks for.
struct ChartRequest {
    ChartKind kind = ChartKind::FuelPrices;
    int year = 0;
    int month = 0;  // 1..12 for a month view, 0 for the year (always the year: distance, costs)
    // Per series 1..5: the fuel kind's KOD (fuel prices) or the vehicle's IDPOJAZD; none when
    // its box is unchecked or nothing is chosen.
    std::array<std::optional<qint64>, 5> keys;
    bool lpg = false;                  // consumption charts: the gas refuellings
    bool fuelOnly = false;             // costs: "Tylko paliwo"
    std::optional<QString> expenseKind;  // costs: the kind of expense's shown name
    // The titles and month names of the caption pass through it (the language file);
    // unset: as written.
    std::function<QString(const QString&)> translate;
};

// One series as drawn: its points in order (x the position on the bottom axis, y the value),
// the date or month each point stands for, its ranges, and the name shown in the legend.
struct ChartSeries {
    QString name;           // the fuel kind's or the vehicle's text
    QList<QPointF> points;
    QList<qint64> dates;    // YYYYMMDD per point; the month number for distance and costs
    double xMin = 0, xMax = 0;
    double yMin = 0, yMax = 0;
    // Consumption of one vehicle: its norm NORMAOD..NORMADO, when it has one.
    std::optional<std::pair<double, double>> norm;

    bool visible() const { return !points.isEmpty(); }
};

// One plot: its caption, the bottom axis and the five series.
struct ChartPlot {
    QString caption;  // "Zmiana cen paliw w roku 2026", "… w miesiącu Luty 2024"
    int ticks = 12;   // of the bottom axis
    double xMax = 12.9;
    std::array<ChartSeries, 5> series;
    // False when the points or the name of a series failed to load (reported with the
    // chart's code); what was read is still drawn.
    bool complete = true;
};

// The series of the charts as logic without widgets: each chart reads its points from the
// same lists and computations the registers use, on its own copy of the filter state, so
// the main window's filters and fuel kinds stay as they are. A series whose points fail to
// load is reported with the chart's code and keeps what it has; the others still draw.
namespace ChartData {

ChartPlot compute(TmyDataBase& database, const ChartRequest& request);

// Where a date lies on the bottom axis: in a month view its day; in a year view
// month + (day - 1) / days-in-month, December's days spread up to 12.9.
double datePosition(qint64 yyyymmdd, bool monthView);

}  // namespace ChartData
