#include "shell/TextPanes.h"

#include "support/CodePage.h"
#include "support/OVUtilities.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

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
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return;
    out.write(CodePage::encode(lines, TextEncoding::Utf8));
    out.commit();
}

}  // namespace TextPanes
