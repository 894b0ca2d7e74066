#include "output/report/LayoutFiles.h"

#include "support/OVUtilities.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace LayoutFiles {

QStringList searchPath() {
    const QString program = QCoreApplication::applicationDirPath();
    return {
        TOVUtilities::defaultDataDirectory() + QStringLiteral("/raporty"),
        QDir::cleanPath(program + QStringLiteral("/../share/flotanor/raporty")),
        program + QStringLiteral("/raporty"),
        QStringLiteral(":/raporty"),
    };
}

QString find(const QString& name) {
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.startsWith(QLatin1Char('.')))
        return {};
    for (const QString& folder : searchPath()) {
        const QFileInfo file(folder + QLatin1Char('/') + name);
        if (file.isFile())
            return file.filePath();
    }
    return {};
}

}  // namespace LayoutFiles
