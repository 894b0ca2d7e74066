#include "support/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace WholeFile {

bool write(const QString& path, const QByteArray& bytes, QString* error) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir()) {
        QFile target(path);
        if (target.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
            target.write(bytes) == bytes.size())
            return true;
        if (error)
            *error = target.errorString();
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

}  // namespace WholeFile
