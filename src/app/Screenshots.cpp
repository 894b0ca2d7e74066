#include "app/Screenshots.h"

#include "admin/import/uImportKoszty.h"
#include "admin/uArchiwum.h"
#include "admin/uOpcjeProgramu.h"
#include "data/engine/DbQuery.h"
#include "support/MessageService.h"

#include "data/ListModel.h"
#include "data/TmyDataBase.h"
#include "data/records/DictionaryStore.h"
#include "data/registers/RegisterDescriptor.h"
#include "output/RecordPrintout.h"
#include "output/report/ReportPreview.h"
#include "output/report/ReportRunner.h"
#include "output/uSprawdzenieDat.h"
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
#include "registers/uStawki.h"
#include "registers/uSzkody.h"
#include "registers/uTerminarz.h"
#include "registers/uWyposazenie.h"
#include "registers/uZlecenia.h"
#include "registers/uZuzycie.h"
#include "shell/FilterBar.h"
#include "shell/ProgressBox.h"
#include "shell/RegisterPage.h"
#include "shell/uAbout.h"
#include "shell/uMain.h"
#include "shell/uNews.h"
#include "shell/uQuestionForm.h"
#include "support/translation/TResourceTranslator.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QProgressDialog>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QToolButton>

namespace {

void grabWidget(QWidget& widget, const QString& file) {
    widget.show();
    QApplication::processEvents();
    widget.grab().save(file);
    widget.hide();
}

void grabDialog(RecordDialog& dialog, const Record& record, const QString& file) {
    dialog.setRecord(record);
    grabWidget(dialog, file);
}

// The cost import verified over this month's costs as a sheet: the rows already in the
// register and one whose vehicle the company does not have.
void grabImport(TmyDataBase& database, const QString& file) {
    QTemporaryDir dir;
    QByteArray sheet = "Data;Pojazd;Rodzaj;Dokument;Netto;VAT;Brutto\r\n";
    DbQuery rows;
    database.DatabaseFirma().select(
        SqlStatement(QStringLiteral("SELECT k.DATA, p.NRREJ, k.RODZWYD, k.NRDOKUMENT, "
                                    "k.WARTNETTO, k.WARTVAT, k.WARTBRUTTO FROM koszty k JOIN "
                                    "pojazdy p ON p.IDPOJAZD = k.IDPOJAZD ORDER BY k.DATA DESC, "
                                    "k.IDKOSZT LIMIT 12")),
        &rows);
    while (rows.next()) {
        const QString date = rows.value(0).toString();
        QStringList cells = {date.mid(6, 2) + u'-' + date.mid(4, 2) + u'-' + date.left(4)};
        for (int c = 1; c < 7; ++c)
            cells << rows.value(c).toString();
        sheet += cells.join(u';').toUtf8() + "\r\n";
    }
    sheet += "09-12-2026;WX 0000;Myjnia;FV/2026/12/0999;40;9.2;49.2\r\n";
    QFile out(dir.filePath(QStringLiteral("koszty.csv")));
    if (!out.open(QIODevice::WriteOnly) || out.write(sheet) != sheet.size())
        return;
    out.close();
    SilentMessageService quiet;
    const QString layouts = dir.filePath(QStringLiteral("importy.ini"));
    TfImportKoszty window(database, quiet, layouts);
    window.resize(1024, 700);
    window.show();
    ImportLayout layout = ImportLayout::defaults(ImportKind::Costs);
    layout.skipFirst = true;
    QString error;
    layout.assignColumns(ImportKind::Costs,
                         QStringLiteral("DATA=1,NRREJ=2,RODZWYD=3,NRDOKUMENT=4,WARTNETTO=5,"
                                        "WARTVAT=6,WARTBRUTTO=7"),
                         &error);
    window.loadFile(out.fileName());
    window.applyLayout(layout);
    window.zweryfikujClick();
    QApplication::processEvents();
    window.grab().save(file);
}

}  // namespace

void saveScreenshots(TfMain& window, TmyDataBase& database, MessageService& messages,
                     const QString& directory) {
    QDir().mkpath(directory);
    auto path = [&directory](const QString& name) {
        return directory + QLatin1Char('/') + name + QStringLiteral(".png");
    };
    auto grab = [&window, &path](const QString& name) {
        QApplication::processEvents();
        window.grab().save(path(name));
    };
    grab(QStringLiteral("00-start"));
    QComboBox* vehicles = window.filterBar()->vehicleList();
    int n = 1;
    for (const RegisterDescriptor& d : Registers::all()) {
        window.filterBar()->chooseVehicle(QString());
        window.showRegister(d.id);
        // The consumption pages list one vehicle: the first that has refuellings there.
        for (int v = 1; d.isConsumption() && v < vehicles->count(); ++v) {
            window.filterBar()->chooseVehicle(vehicles->itemText(v));
            if (window.page(d.id)->model().rowCount() > 0)
                break;
        }
        grab(QStringLiteral("%1-%2").arg(n++, 2, 10, QLatin1Char('0')).arg(d.name));
    }

    // The record dialogs, each on the first row of its register.
    auto firstRow = [&window](RegisterId id) {
        window.showRegister(id);
        return Record::fromRow(window.page(id)->model(), 0);
    };
    TfPojazdy vehicle(database, messages, QStringLiteral("Firma przykładowa"), &window);
    grabDialog(vehicle, firstRow(RegisterId::Pojazdy), path(QStringLiteral("dialog-pojazdy")));
    TfOsobowa person(messages, &window);
    grabDialog(person, firstRow(RegisterId::Osobowa), path(QStringLiteral("dialog-osobowa")));
    TfKoszty cost(database, messages, &window);
    grabDialog(cost, firstRow(RegisterId::Koszty), path(QStringLiteral("dialog-koszty")));
    TfNaprawy repair(database, messages, &window);
    grabDialog(repair, firstRow(RegisterId::Naprawy), path(QStringLiteral("dialog-naprawy")));
    TfSzkody damage(database, messages, &window);
    grabDialog(damage, firstRow(RegisterId::Szkody), path(QStringLiteral("dialog-szkody")));
    TfOpony tyres(database, messages, &window);
    grabDialog(tyres, firstRow(RegisterId::Opony), path(QStringLiteral("dialog-opony")));

    TfPrzejazdy trip(database, messages, &window);
    grabDialog(trip, firstRow(RegisterId::Przejazdy), path(QStringLiteral("dialog-przejazdy")));
    TfStawki rates(database, messages, &window);
    grabDialog(rates, firstRow(RegisterId::Stawki), path(QStringLiteral("dialog-stawki")));
    TfRozliczenia settlement(database, messages, &window);
    grabDialog(settlement, firstRow(RegisterId::Rozliczenia),
               path(QStringLiteral("dialog-rozliczenia")));
    TfCenyPaliw price(database, messages, &window);
    grabDialog(price, firstRow(RegisterId::CenyPaliw), path(QStringLiteral("dialog-cenypaliw")));
    TfKDrogowe roadCard(database, messages, &window);
    grabDialog(roadCard, firstRow(RegisterId::KDrogowe),
               path(QStringLiteral("dialog-kartydrogowe")));
    TfKPaliwowe fuelCard(database, messages, &window);
    grabDialog(fuelCard, firstRow(RegisterId::KPaliwowe), path(QStringLiteral("dialog-kpaliwowe")));
    TfZlecenia order(database, messages, &window);
    grabDialog(order, firstRow(RegisterId::Zlecenia), path(QStringLiteral("dialog-zlecenia")));
    TfDokumenty document(database, messages, &window);
    grabDialog(document, firstRow(RegisterId::Dokumenty), path(QStringLiteral("dialog-dokumenty")));
    TfWyposazenie equipment(database, messages, &window);
    grabDialog(equipment, firstRow(RegisterId::Wyposazenie),
               path(QStringLiteral("dialog-wyposazenie")));
    TfMagazyn stock(messages, &window);
    grabDialog(stock, firstRow(RegisterId::Magazyn), path(QStringLiteral("dialog-magazyn")));
    TfTerminarz term(database, messages, &window);
    grabDialog(term, firstRow(RegisterId::Terminarz), path(QStringLiteral("dialog-terminy")));
    TfPrzebiegi reading(database, messages, &window);
    grabDialog(reading, firstRow(RegisterId::Przebiegi), path(QStringLiteral("dialog-przebiegi")));
    database.loadNotes();
    TfNotatki notebook(database.notes(), messages, true, &window);
    grabWidget(notebook, path(QStringLiteral("dialog-notatki")));
    // The refuellings of the first vehicle that has some in each register.
    QComboBox* list = window.filterBar()->vehicleList();
    for (RegisterId id : {RegisterId::Zuzycie, RegisterId::ZuzycieKm, RegisterId::ZuzycieMth}) {
        window.showRegister(id);
        for (int v = 1; v < list->count() && window.page(id)->model().rowCount() == 0; ++v)
            window.filterBar()->chooseVehicle(list->itemText(v));
        TfZuzycie refuelling(id, database, messages, &window);
        grabDialog(refuelling, Record::fromRow(window.page(id)->model(), 0),
                   path(QStringLiteral("dialog-") + Registers::get(id).name));
    }

    TfBiblioteka library(database, messages, true, true, &window);
    library.selectDictionary(QStringLiteral("RDWYD"));
    grabWidget(library, path(QStringLiteral("dialog-biblioteka")));
    library.selectDictionary(QStringLiteral("RDPOJ"));
    grabWidget(library, path(QStringLiteral("dialog-biblioteka-rodzaje")));
    TfEditBibliotekaAll entry(QStringLiteral("TRASY"), true, messages, &window);
    Record route;
    route.set(QStringLiteral("OPIS"), QStringLiteral("Warszawa - Łódź"));
    route.set(QStringLiteral("UZUP1"), QStringLiteral("135"));
    grabDialog(entry, route, path(QStringLiteral("dialog-biblioteka-wpis")));
    DictionaryStore store(database);
    if (const auto company = store.companyData()) {
        TfFirma firm(messages, &window);
        grabDialog(firm, *company, path(QStringLiteral("dialog-firma")));
    }
    // The reminder window on its date page, the other two checks beside it; run here rather
    // than by the start-up reminders, whose modal notes would wait for a click.
    TfSprawdzenieDat* checks = window.remindersWindow();
    checks->run({.dates = true, .odometer = true, .store = true}, TconfigPP());
    QApplication::processEvents();
    checks->grab().save(path(QStringLiteral("dialog-sprawdzenie")));
    checks->hide();
    grabImport(database, path(QStringLiteral("import-koszty")));
    TconfigPP defaults;
    TfOpcjeProgramu options(defaults, nullptr, messages, {}, &window);
    grabWidget(options, path(QStringLiteral("dialog-opcje")));
    TfAbout about(defaults, &window);
    grabWidget(about, path(QStringLiteral("dialog-o-programie")));
    // A question as the program asks it, and Qt's own file dialog beside the program's.
    TquestionForm question(tx(QStringLiteral("Pytanie")),
                           tx(QStringLiteral("Czy napewno usunąć zaznaczoną pozycję?")), &window);
    grabWidget(question, path(QStringLiteral("komunikat")));
    QFileDialog files(&window, tx(QStringLiteral("Zapisz arkusz CSV")), directory);
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.setAcceptMode(QFileDialog::AcceptSave);
    files.setNameFilters({tx(QStringLiteral("Arkusz CSV (*.csv)"))});
    files.resize(760, 460);
    grabWidget(files, path(QStringLiteral("dialog-pliku")));
    {
        // The progress box of a long report, once it has shown itself.
        ProgressBox progress(&window, QStringLiteral("Przygotowanie raportu"), true);
        QThread::msleep(600);
        progress.update(QStringLiteral("Przygotowanie raportu"), 4200, 10000);
        if (auto* box = window.findChild<QProgressDialog*>(QStringLiteral("ProgressBox")))
            grabWidget(*box, path(QStringLiteral("postep")));
    }
    // The news and the update check against the server of the settings, as far as they get
    // within a few seconds.
    const TconfigPP settings = SettingsFile(SettingsFile::defaultPath()).load();
    auto grabNews = [&path](NewsWindowBase& news, const QString& name) {
        QEventLoop wait;
        QObject::connect(&news, &NewsWindowBase::workFinished, &wait, &QEventLoop::quit);
        QTimer::singleShot(5000, &wait, &QEventLoop::quit);
        news.show();
        wait.exec();
        QApplication::processEvents();
        news.grab().save(path(name));
        news.hide();
    };
    TfNews news(settings, &window);
    grabNews(news, QStringLiteral("wiadomosci"));
    QTemporaryDir updateData;
    TfAktualizacja update(settings, updateData.filePath(QStringLiteral("flotanor.ini")),
                          updateData.path(), &window);
    grabNews(update, QStringLiteral("aktualizacja"));
    TfArchiwum archive(database, messages, &window);
    archive.selectDirectory(directory);
    grabWidget(archive, path(QStringLiteral("dialog-archiwum")));
    // "Drukuj" on the first cost: the report preview of its sheet.
    window.showRegister(RegisterId::Koszty);
    const ReportEngine::Result sheet = RecordPrintout::prepare(
        database, window.page(RegisterId::Koszty)->model(), 0,
        RecordPrintout::currentContext(database, database.companyDataName(), TconfigPP()));
    if (const auto* prepared = std::get_if<PreparedReport>(&sheet)) {
        ReportPreview preview(*prepared, messages, &window);
        grabWidget(preview, path(QStringLiteral("podglad-wydruku")));
    }
    // The costs chart of three vehicles of the sample company over this year.
    if (auto* charts = window.findChild<QToolButton*>(QStringLiteral("SBWykresy"))) {
        charts->click();
        if (auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("PageControlWykresy")))
            tabs->setCurrentIndex(5);
        const QStringList drawn{QStringLiteral("WA 12345"), QStringLiteral("WA 7730P"),
                                QStringLiteral("WN 2205C")};
        for (int s = 1; s <= int(drawn.size()); ++s) {
            if (auto* vehicle =
                    window.findChild<QComboBox*>(QStringLiteral("selKoszty%1").arg(s))) {
                const int at = vehicle->findText(drawn[s - 1]);
                vehicle->setCurrentIndex(at);
                emit vehicle->activated(at);
            }
        }
        if (auto* draw = window.findChild<QAbstractButton*>(QStringLiteral("SpeedButton47")))
            draw->click();
        grab(QStringLiteral("wykresy"));
    }
    // The reports page, and the vehicle costs report of the first vehicle with costs.
    if (auto* reports = window.findChild<QToolButton*>(QStringLiteral("SBRaporty"))) {
        reports->click();
        grab(QStringLiteral("raporty"));
    }
    window.filterBar()->chooseVehicle(vehicles->itemText(1));
    ReportChoices choices;
    choices.selection = window.filterBar()->selection();
    choices.company = database.companyDataName();
    const ReportOutcome costs = ReportRunner::run(
        database, *ReportCatalogue::byName(QStringLiteral("koszty_p")), choices, TconfigPP());
    if (costs.prepared()) {
        ReportPreview preview(costs.report, messages, &window);
        preview.resize(1100, 760);
        grabWidget(preview, path(QStringLiteral("raport-koszty")));
    }
    QApplication::quit();
}
