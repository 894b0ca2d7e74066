#include "shell/TextPanes.h"

#include "support/CodePage.h"
#include "support/OVUtilities.h"
#include "support/WholeFile.h"

#include <QDir>
#include <QFile>

namespace TextPanes {

QString orderTextFile() {
    return TOVUtilities::defaultDataDirectory() + QStringLiteral("/trescZlecenia.txt");
}

QString notepadFile() {
    return TOVUtilities::defaultDataDirectory() + QStringLiteral("/podrecznyNotatnik.txt");
}

QString load(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    QString text = CodePage::decode(in.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

void save(const QString& file, const QString& text) {
    QDir().mkpath(QFileInfo(file).absolutePath());
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    WholeFile::write(file, CodePage::encode(lines, TextEncoding::Utf8));
}

}  // namespace TextPanes
