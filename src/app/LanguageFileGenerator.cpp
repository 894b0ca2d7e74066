#include "app/LanguageFileGenerator.h"

#include "app/EveryWindow.h"
#include "output/report/ReportEngine.h"
#include "output/report/ReportTexts.h"
#include "shell/WindowTexts.h"
#include "support/IniFile.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <memory>

namespace {

// Report objects' texts with literal words, each once, as the "Reports" keys hold them.
QList<QPair<QString, QString>> reportTexts() {
    QList<QPair<QString, QString>> entries;
    QSet<QString> seen;
    const QStringList names =
        QDir(QStringLiteral(":/raporty")).entryList({QStringLiteral("*.xml")}, QDir::Files);
    for (const QString& name : names) {
        auto loaded = ReportEngine::loadLayout(name);
        auto* layout = std::get_if<ReportLayout>(&loaded);
        if (!layout)
            continue;
        layout->translateTexts([&](const QString& text) {
            QString withoutPlaceholders = text;
            withoutPlaceholders.remove(QRegularExpression(QStringLiteral("\\[[^\\]]*\\]")));
            const bool words =
                withoutPlaceholders.contains(QRegularExpression(QStringLiteral("\\p{L}")));
            QString key = text;
            key.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
            if (words && !key.contains(u'=') && !seen.contains(key.toCaseFolded())) {
                seen.insert(key.toCaseFolded());
                entries.append({QStringLiteral("R") + key, key});
            }
            return text;
        });
    }
    return entries;
}

}  // namespace

GeneratedLanguageFile generateLanguageFile(TfMain& window, TmyDataBase& database,
                                           MessageService& messages, const QString& file) {
    GeneratedLanguageFile result;
    bool& written = result.written;
    forEveryWindow(window, database, messages, [&](QWidget& w) {
        written = WindowTexts::generate(w, file) && written;
        for (const QString& control : WindowTexts::unnamed(w))
            result.unnamed << WindowTexts::sectionOf(w) + QStringLiteral(": ") + control;
    });

    IniFile language(file);
    written = language.writeStrings(QStringLiteral("Reports"), reportTexts()) && written;
    QList<QPair<QString, QString>> engine;
    const QStringList& polish = ReportTexts::polishTexts();
    for (qsizetype n = 0; n < polish.size(); ++n)
        engine.append({QString::number(n), polish[n]});
    written = language.writeStrings(QStringLiteral("FreeReport"), engine) && written;
    return result;
}
