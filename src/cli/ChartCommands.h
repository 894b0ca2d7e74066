#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

class CliArguments;
struct ChartPlot;

// chart LOCATION DIR KIND --year Y [--month M] --series KEY [--series KEY ...] [--lpg]
// [--fuel-only] [--kind TEXT] [--size WxH] [--points] --out FILE.png|.svg|.pdf: a chart of
// the charts page drawn offscreen, or its points as "SERIES;X;Y" lines with --points.
// 1 for a wrong command line or an unknown key, 2 when the database or the file failed.
namespace ChartCommands {

// words: the command line after "chart"; the parsed arguments keep only the last of the
// repeated --series.
int chart(const CliArguments& args, const QStringList& words);
QStringList chartValues();
QStringList chartFlags();

// The values of every --series in the order given.
QStringList seriesKeys(const QStringList& words);
// "KEY;X;Y" per point of every series, KEY as given, numbers with a decimal point.
QByteArray pointLines(const ChartPlot& plot, const std::array<QString, 5>& keys);
QString helpText();

}  // namespace ChartCommands
