#include "app/LanguageFileGenerator.h"

#include "admin/LocationStore.h"
#include "admin/import/uImportKoszty.h"
#include "admin/import/uImportZuzycie.h"
#include "admin/uAdministracjaBaza.h"
#include "admin/uArchiwum.h"
#include "admin/uLogin.h"
#include "admin/uOpcjeProgramu.h"
#include "admin/uTutorial1.h"
#include "admin/uUserEdit.h"
#include "admin/uUserzy.h"
#include "admin/uWskazBaze.h"
#include "data/TmyDataBase.h"
#include "output/report/ReportEngine.h"
#include "output/report/ReportPreview.h"
#include "output/report/ReportTexts.h"
#include "output/uKsiegowanie.h"
#include "output/uSprawdzenieDat.h"
#include "output/uSumy.h"
#include "registers/uBiblioteka.h"
#include "registers/uCenyPaliw.h"
#include "registers/uDokumenty.h"
#include "registers/uEditBibliotekaAll.h"
#include "registers/uFirma.h"
#include "registers/uKDrogowe.h"
#include "registers/uKPaliwowe.h"
#include "registers/uKoszty.h"
#include "registers/uMagazyn.h"
#include "registers/uNaprawy.h"
#include "registers/uNotatki.h"
#include "registers/uOpony.h"
#include "registers/uOsobowa.h"
#include "registers/uPojazdy.h"
#include "registers/uPrzebiegi.h"
#include "registers/uPrzejazdy.h"
#include "registers/uRozliczenia.h"
#include "registers/uShowNotatka.h"
#include "registers/uStawki.h"
#include "registers/uSzkody.h"
#include "registers/uTerminarz.h"
#include "registers/uWyposazenie.h"
#include "registers/uZlecenia.h"
#include "registers/uZuzycie.h"
#include "shell/FindDialog.h"
#include "shell/WindowTexts.h"
#include "shell/uAbout.h"
#include "shell/uFiszka.h"
#include "shell/uInfoForm.h"
#include "shell/uMain.h"
#include "shell/uNews.h"
#include "shell/uPoradaDnia.h"
#include "shell/uPromptForm.h"
#include "shell/uQuestionForm.h"
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
    auto generate = [&](QWidget& w) {
        written = WindowTexts::generate(w, file) && written;
        for (const QString& control : WindowTexts::unnamed(w))
            result.unnamed << WindowTexts::sectionOf(w) + QStringLiteral(": ") + control;
    };

    generate(window);
    generate(*window.sumsWindow());
    generate(*window.remindersWindow());
    TfFiszka notepad;
    generate(notepad);

    TfPojazdy vehicle(database, messages, QString());
    generate(vehicle);
    TfOsobowa person(messages);
    generate(person);
    TfKoszty cost(database, messages);
    generate(cost);
    TfNaprawy repair(database, messages);
    generate(repair);
    TfSzkody damage(database, messages);
    generate(damage);
    TfOpony tyres(database, messages);
    generate(tyres);
    TfPrzejazdy trip(database, messages);
    generate(trip);
    TfStawki rates(database, messages);
    generate(rates);
    TfRozliczenia settlement(database, messages);
    generate(settlement);
    TfCenyPaliw price(database, messages);
    generate(price);
    TfKDrogowe roadCard(database, messages);
    generate(roadCard);
    TfKPaliwowe fuelCard(database, messages);
    generate(fuelCard);
    TfZlecenia order(database, messages);
    generate(order);
    TfDokumenty document(database, messages);
    generate(document);
    TfWyposazenie equipment(database, messages);
    generate(equipment);
    TfMagazyn stock(messages);
    generate(stock);
    TfTerminarz term(database, messages);
    generate(term);
    TfPrzebiegi reading(database, messages);
    generate(reading);
    TfZuzycie refuelling(RegisterId::Zuzycie, database, messages);
    generate(refuelling);
    database.loadNotes();
    TfNotatki notebook(database.notes(), messages, true);
    generate(notebook);
    TfShowNotatka note(database, messages, true);
    generate(note);
    TfBiblioteka library(database, messages, true, true);
    generate(library);
    TfEditBibliotekaAll entry(QStringLiteral("TRASY"), true, messages);
    generate(entry);
    TfFirma firm(messages);
    generate(firm);

    TconfigPP defaults;
    TfOpcjeProgramu options(defaults, nullptr, messages, {});
    generate(options);
    TfAbout about(defaults);
    generate(about);
    TfArchiwum archive(database, messages);
    generate(archive);
    TfAdministracjaBaza administration(database, messages);
    generate(administration);
    TfUserzy users(database, messages);
    generate(users);
    TfUserEdit user(messages);
    generate(user);
    TfLogin login(database, messages);
    generate(login);
    TfTutorial1 tutorial;
    generate(tutorial);
    LocationStore store;
    TfWskazBaze location(database, messages, store);
    generate(location);
    const QTemporaryDir layouts;
    const QString layoutsPath = QDir(layouts.path()).filePath(QStringLiteral("importy.ini"));
    TfImportKoszty costImport(database, messages, layoutsPath);
    generate(costImport);
    TfImportZuzycie refuellingImport(database, messages, layoutsPath);
    generate(refuellingImport);
    TfImportZuzycieKm kmImport(database, messages, layoutsPath);
    generate(kmImport);
    TfImportZuzycieMth mthImport(database, messages, layoutsPath);
    generate(mthImport);
    TfKsiegowanie summary(database, messages, {});
    generate(summary);
    TfNews news(defaults);
    generate(news);
    TfAktualizacja update(defaults, layoutsPath, layouts.path());
    generate(update);
    TfPoradaDnia tip(nullptr);
    generate(tip);
    FindDialog find;
    generate(find);
    TinfoForm info{QString(), QString()};
    generate(info);
    TquestionForm question{QString(), QString()};
    generate(question);
    TpromptForm prompt(QString(), QString(), QString(), false);
    generate(prompt);
    ReportPreview preview(PreparedReport(), messages);
    generate(preview);

    IniFile language(file);
    written = language.writeStrings(QStringLiteral("Reports"), reportTexts()) && written;
    QList<QPair<QString, QString>> engine;
    const QStringList& polish = ReportTexts::polishTexts();
    for (qsizetype n = 0; n < polish.size(); ++n)
        engine.append({QString::number(n), polish[n]});
    written = language.writeStrings(QStringLiteral("FreeReport"), engine) && written;
    return result;
}
