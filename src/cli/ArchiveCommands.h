#pragma once

#include <QString>
#include <QStringList>

class CliArguments;

// The archive commands of flotanor-cli: a company's archive written into a directory,
// and a company's data restored from one. The window "Praca z Archiwum" does the same.
namespace ArchiveCommands {

// archive LOCATION DIR TARGET_DIR [--description TEXT] [--password P] [--progress]
int archive(const CliArguments& args);
// restore LOCATION DIR ARCHIVE_DIR [--password P] [--progress]
int restore(const CliArguments& args);

QStringList values();
QStringList flags();
QString helpText();

}  // namespace ArchiveCommands
