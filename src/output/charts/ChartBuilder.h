#pragma once

#include "output/charts/ChartData.h"

#include <QChart>
#include <QSize>
#include <QString>

// The charts page's plots drawn with Qt Charts, and saved as pictures.
namespace ChartBuilder {

// The plot as a chart: series 1..5 in green, navy, red, yellow and orange, diamond marks of
// 11 x 11 px joined by lines of the same colour, hidden (with their legend entry) when empty;
// the page's background and plot field colours; left axis "0.00" with 11 ticks, bottom axis
// from 1 to plot.xMax with a tick per unit, both with silver grid lines; the caption on top.
// For a consumption chart that shows one vehicle with a norm, the norm band is shaded
// behind the series and the legend names it. chart->series() holds the five line series
// in order (objectName "seria1" .. "seria5"), point i of series n standing for
// plot.series[n].dates[i]. The caller owns the chart.
QChart* build(const ChartPlot& plot);

// Saves the chart at the given size in pixels as PNG, SVG or PDF by the file's extension;
// false with the reason. A chart shown in a view is laid out again for it and put back.
bool save(QChart* chart, const QSize& size, const QString& fileName, QString* error = nullptr);

// The colour of series n (0..4).
QColor seriesColour(int index);

}  // namespace ChartBuilder
