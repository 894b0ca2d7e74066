#include "app/EveryWindow.h"

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

#include <QDir>
#include <QTemporaryDir>

void forEveryWindow(TfMain& window, TmyDataBase& database, MessageService& messages,
                    const std::function<void(QWidget&)>& visit) {
    visit(window);
    visit(*window.sumsWindow());
    visit(*window.remindersWindow());
    TfFiszka notepad;
    visit(notepad);

    TfPojazdy vehicle(database, messages, QString());
    visit(vehicle);
    TfOsobowa person(messages);
    visit(person);
    TfKoszty cost(database, messages);
    visit(cost);
    TfNaprawy repair(database, messages);
    visit(repair);
    TfSzkody damage(database, messages);
    visit(damage);
    TfOpony tyres(database, messages);
    visit(tyres);
    TfPrzejazdy trip(database, messages);
    visit(trip);
    TfStawki rates(database, messages);
    visit(rates);
    TfRozliczenia settlement(database, messages);
    visit(settlement);
    TfCenyPaliw price(database, messages);
    visit(price);
    TfKDrogowe roadCard(database, messages);
    visit(roadCard);
    TfKPaliwowe fuelCard(database, messages);
    visit(fuelCard);
    TfZlecenia order(database, messages);
    visit(order);
    TfDokumenty document(database, messages);
    visit(document);
    TfWyposazenie equipment(database, messages);
    visit(equipment);
    TfMagazyn stock(messages);
    visit(stock);
    TfTerminarz term(database, messages);
    visit(term);
    TfPrzebiegi reading(database, messages);
    visit(reading);
    TfZuzycie refuelling(RegisterId::Zuzycie, database, messages);
    visit(refuelling);
    database.loadNotes();
    TfNotatki notebook(database.notes(), messages, true);
    visit(notebook);
    TfShowNotatka note(database, messages, true);
    visit(note);
    TfBiblioteka library(database, messages, true, true);
    visit(library);
    TfEditBibliotekaAll entry(QStringLiteral("TRASY"), true, messages);
    visit(entry);
    TfFirma firm(messages);
    visit(firm);

    TconfigPP defaults;
    TfOpcjeProgramu options(defaults, nullptr, messages, {});
    visit(options);
    TfAbout about(defaults);
    visit(about);
    TfArchiwum archive(database, messages);
    visit(archive);
    TfAdministracjaBaza administration(database, messages);
    visit(administration);
    TfUserzy users(database, messages);
    visit(users);
    TfUserEdit user(messages);
    visit(user);
    TfLogin login(database, messages);
    visit(login);
    TfTutorial1 tutorial;
    visit(tutorial);
    LocationStore store;
    TfWskazBaze location(database, messages, store);
    visit(location);
    const QTemporaryDir layouts;
    const QString layoutsPath = QDir(layouts.path()).filePath(QStringLiteral("importy.ini"));
    TfImportKoszty costImport(database, messages, layoutsPath);
    visit(costImport);
    TfImportZuzycie refuellingImport(database, messages, layoutsPath);
    visit(refuellingImport);
    TfImportZuzycieKm kmImport(database, messages, layoutsPath);
    visit(kmImport);
    TfImportZuzycieMth mthImport(database, messages, layoutsPath);
    visit(mthImport);
    TfKsiegowanie summary(database, messages, {});
    visit(summary);
    TfNews news(defaults);
    visit(news);
    TfAktualizacja update(defaults, layoutsPath, layouts.path());
    visit(update);
    TfPoradaDnia tip(nullptr);
    visit(tip);
    FindDialog find;
    visit(find);
    TinfoForm info{QString(), QString()};
    visit(info);
    TquestionForm question{QString(), QString()};
    visit(question);
    TpromptForm prompt(QString(), QString(), QString(), false);
    visit(prompt);
    ReportPreview preview(PreparedReport(), messages);
    visit(preview);
}
