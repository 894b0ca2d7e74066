#pragma once

#include <QString>

// The files of the earlier Windows release were named in whatever letter case its users'
// copies left them ("FIRMY.DB", "Firmy.db"); they are looked up regardless of it.
namespace LegacyFiles {

// The path of the file in directory whose name equals fileName ignoring letter case; an
// exact match wins over the others. Empty when there is none.
QString find(const QString& directory, const QString& fileName);

}  // namespace LegacyFiles
