#pragma once

#include <QString>
#include <QStringList>

// Where the user manual "Manual.pdf" is: in "docs" beside the program (the build tree) or
// in the installation's share/flotanor/docs.
namespace ManualFile {

QStringList candidates(const QString& programDirectory);
// The first that exists, or empty.
QString find(const QString& programDirectory);

}  // namespace ManualFile
