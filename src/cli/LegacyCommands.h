#pragma once

#include <QString>

class CliArguments;

// import-legacy SOURCE_DIR LOCATION [--password P]: a legacy Paradox database of the
// earlier Windows release moved into a new database, one report line per table.
namespace LegacyCommands {

int importLegacy(const CliArguments& args);
QString helpText();

}  // namespace LegacyCommands
