#pragma once

#include <QString>
#include <QStringList>

// Where report layouts and their fragments are found, first match wins: the data
// directory's "raporty" (a company's own version of a layout), the installation's
// "share/flotanor/raporty", a "raporty" folder beside the program, and the layouts built
// into the program.
namespace LayoutFiles {

QStringList searchPath();
// The path of a layout or fragment by its file name, or empty when none exists. Names
// with a folder part are refused: a layout cannot reach outside these folders.
QString find(const QString& name);

}  // namespace LayoutFiles
