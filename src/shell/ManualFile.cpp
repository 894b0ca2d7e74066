#include "shell/ManualFile.h"

#include <QDir>
#include <QFileInfo>

namespace ManualFile {

QStringList candidates(const QString& programDirectory) {
    return {
        QDir::cleanPath(programDirectory + QStringLiteral("/docs/Manual.pdf")),
        QDir::cleanPath(programDirectory + QStringLiteral("/../share/flotanor/docs/Manual.pdf")),
    };
}

QString find(const QString& programDirectory) {
    for (const QString& path : candidates(programDirectory)) {
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

}  // namespace ManualFile
