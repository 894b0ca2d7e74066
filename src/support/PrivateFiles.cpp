#include "support/PrivateFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace PrivateFiles {

namespace {

constexpr QFile::Permissions kOwnerDirectory =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr QFile::Permissions kOwnerFile = QFile::ReadOwner | QFile::WriteOwner;

}  // namespace

bool makePath(const QString& path) {
    QStringList missing;
    for (QString at = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
         !QFileInfo::exists(at) && !at.isEmpty() && at != QLatin1String("/");
         at = QFileInfo(at).path())
        missing.prepend(at);
    for (const QString& directory : missing) {
        if (!QDir().mkdir(directory, kOwnerDirectory) && !QFileInfo(directory).isDir())
            return false;
    }
    return QFileInfo(path).isDir();
}

bool createFile(const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kOwnerFile))
        return true;
    return QFileInfo::exists(path);
}

}  // namespace PrivateFiles
