#pragma once

#include <QString>
#include <QStringList>

class CliArguments;

// print LOCATION DIR REGISTER KEY --out FILE.pdf [--lpg]: the one-record sheet of one
// record as PDF, as "Drukuj" shows it. 1 for an unknown register or key, 2 when the
// layout, the database or the file failed; no file is written then.
namespace PrintCommands {

int print(const CliArguments& args);
QStringList printValues();
QStringList printFlags();
// report LOCATION DIR NAME [filters] [the reports page's choices] --out FILE.pdf: a report
// of the reports page as PDF; a failed precondition prints its message, status 1.
int report(const CliArguments& args);
QStringList reportValues();
QStringList reportFlags();
// reports: "NAME;caption" of every report.
int reports();
QString helpText();

}  // namespace PrintCommands
