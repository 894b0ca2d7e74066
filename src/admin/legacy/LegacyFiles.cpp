#include "admin/legacy/LegacyFiles.h"

#include <QDir>
#include <QStringList>

namespace LegacyFiles {

QString find(const QString& directory, const QString& fileName) {
    if (directory.isEmpty() || fileName.isEmpty())
        return {};
    const QDir dir(directory);
    // Sorted, so that of two names differing only in case the same one is always chosen.
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    if (names.contains(fileName))
        return dir.filePath(fileName);
    for (const QString& name : names) {
        if (name.compare(fileName, Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    }
    return {};
}

}  // namespace LegacyFiles
