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
QString helpText();

}  // namespace PrintCommands
