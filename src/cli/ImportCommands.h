#pragma once

#include <QStringList>

class CliArguments;

// The import commands of flotanor-cli: a CSV sheet into the costs or a refuelling
// register, with the verdict of every row on standard output.
namespace ImportCommands {

// import-costs LOCATION DIR FILE (--layout NAME | --columns FIELDS) [options]
int importCosts(const CliArguments& args);
// import-refuellings LOCATION DIR REGISTER FILE (--layout NAME | --columns FIELDS) [options]
int importRefuellings(const CliArguments& args);

QStringList values();
QStringList flags();
QString helpText();

}  // namespace ImportCommands
