// The main window on the offscreen platform, over the sample company: pages, filters,
// sorting, deleting, search and the sheet export, found by their object names.
#include "ScriptedMessageService.h"
#include "TestDataDir.h"
#include "TestLocation.h"
#include "admin/ConfigPP.h"
#include "data/TmyDataBase.h"
#include "data/schema/DatabaseCreator.h"
#include "output/RecordSheet.h"
#include "output/report/ReportPreview.h"
#include "output/uSumy.h"
#include "registers/DateField.h"
#include "registers/RegisterEditorsInstall.h"
#include "registers/uKoszty.h"
#include "registers/uPojazdy.h"
#include "shell/FilterBar.h"
#include "shell/FindDialog.h"
#include "shell/RegisterGrid.h"
#include "shell/RegisterPage.h"
#include "shell/RegisterSearch.h"
#include "shell/SingleInstance.h"
#include "shell/uMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

class TstMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void pageSwitchListsTheRegister();
    void yearAndMonthFilter();
    void rangeWithOneBound();
    void undatedRepairsUnderEveryPeriod();
    void titleClickTwiceReverses();
    void deleteWithAndWithoutTheQuestion();
    void searchFindsLowerCaseAndWraps();
    void exportEqualsTheCommandLine();
    void vehicleFilterAndConsumptionHeader();
    void sumsWindowFollowsTheRegister();
    void rightsSwitchTheButtons_data();
    void rightsSwitchTheButtons();
    void rereadKeepsNotepadAndFilters();
    void ownerSuggestsTheCompanyDataName();
    void everyRegisterHasItsDialog();
    void printAndPreviewTheCurrentRecord();
    void secondCopyIsRefused();
    void cleanupTestCase();

private:
    RegisterGrid* grid(const char* name) const {
        return m_window->findChild<RegisterGrid*>(QString::fromLatin1(name));
    }
    void click(const char* button);
    QStringList column(RegisterGrid* grid, int column) const;
    void chooseYear(int year, int month);

    std::unique_ptr<TestDataDir> m_dataDir;
    std::unique_ptr<TestLocation> m_location;
    ScriptedMessageService m_messages;
    TconfigPP m_config;
    std::unique_ptr<TmyDataBase> m_db;
    std::unique_ptr<TfMain> m_window;
};

void TstMainWindow::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    m_dataDir = std::make_unique<TestDataDir>();
    m_location = std::make_unique<TestLocation>();
    REQUIRE_LOCATION(*m_location);
    QVERIFY(DatabaseCreator::createDatabase(m_location->location(), false).ok);
    const CreateResult demo = DatabaseCreator::addCompany(
        m_location->location(), DatabaseCreator::sampleCompanyName(),
        DatabaseCreator::sampleCompanyDir(), DatabaseCreator::Contents::Sample);
    QVERIFY2(demo.ok, qPrintable(demo.message));
    m_db = std::make_unique<TmyDataBase>(&m_messages);
    QVERIFY(m_db->openCompany(m_location->location(), DatabaseCreator::sampleCompanyDir()));
    m_config.pokazujPoradeDnia = false;
    m_config.pytajPrzedZamknieciem = false;
    m_window = std::make_unique<TfMain>(*m_db, m_messages, m_config);
    m_window->startSession(DatabaseCreator::sampleCompanyName(),
                           QStringLiteral("ADMIN, Administrator"));
    m_window->resize(1280, 800);
    m_window->show();
}

void TstMainWindow::init() {
    QVERIFY(m_window);
    m_messages.clear();
    m_config.pytajPrzedKasowaniem = true;
    m_window->filterBar()->reset();
    m_window->fillVehicleList();
}

void TstMainWindow::cleanupTestCase() {
    m_window.reset();
    m_db.reset();
}

void TstMainWindow::click(const char* button) {
    auto* b = m_window->findChild<QToolButton*>(QString::fromLatin1(button));
    QVERIFY2(b, button);
    b->click();
}

QStringList TstMainWindow::column(RegisterGrid* grid, int c) const {
    QStringList values;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        values << grid->model()->index(r, c).data().toString();
    return values;
}

void TstMainWindow::chooseYear(int year, int month) {
    QComboBox* years = m_window->filterBar()->yearList();
    QComboBox* months = m_window->filterBar()->monthList();
    years->setCurrentIndex(years->findText(QString::number(year)));
    months->setCurrentIndex(month);
    emit months->activated(month);
}

void TstMainWindow::pageSwitchListsTheRegister() {
    click("SBFinanse");
    QVERIFY(!m_window->currentRegister());
    QVERIFY(!m_window->action(QStringLiteral("SBDodaj"))->isEnabled());
    click("SBKoszty");
    QCOMPARE(m_window->currentRegister(), std::optional<RegisterId>(RegisterId::Koszty));
    RegisterGrid* costs = grid("KosztyGrid");
    QVERIFY(costs->isVisible());
    QCOMPARE(costs->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Data"));
    QCOMPARE(costs->model()->headerData(16, Qt::Horizontal).toString(),
             QStringLiteral("Karta drogowa"));
    DbError error;
    const auto all = m_db->runList(RegisterId::Koszty, m_db->filter(RegisterId::Koszty), &error);
    QVERIFY(all && all->rowCount() > 100);
    QCOMPARE(costs->model()->rowCount(), all->rowCount());
    // Long names do not push the amounts out of sight on a common screen.
    const int gross = 8;
    QCOMPARE(costs->model()->headerData(gross, Qt::Horizontal).toString(), u"Brutto"_qs);
    QVERIFY(costs->columnViewportPosition(gross) + costs->columnWidth(gross) <=
            costs->viewport()->width());
    QVERIFY(m_window->action(QStringLiteral("SBDodaj"))->isEnabled());
    QVERIFY(m_window->action(QStringLiteral("SBcsvMenu"))->isEnabled());

    click("SBPaliwa");
    click("SBCenyPaliw");
    QCOMPARE(m_window->currentRegister(), std::optional<RegisterId>(RegisterId::CenyPaliw));
    QVERIFY(grid("CenyPaliwGrid")->model()->rowCount() > 0);
    click("SBStart");
    QVERIFY(!m_window->currentRegister());
    QVERIFY(!m_window->action(QStringLiteral("SBcsv"))->isEnabled());
}

void TstMainWindow::sumsWindowFollowsTheRegister() {
    // Off a register the window asks for one, above one empty column.
    click("SBStart");
    m_window->action(QStringLiteral("SBSuma"))->trigger();
    QCOMPARE(m_window->sumsWindow()->windowTitle(),
             QStringLiteral("Włącz odpowiednią tabelę i ponownie kliknij \"Przelicz sumy\""));
    QCOMPARE(m_window->sumsWindow()->grid()->columnCount(), 1);
    click("SBFinanse");
    click("SBKoszty");
    chooseYear(QDate::currentDate().year(), 0);
    m_window->action(QStringLiteral("SBSuma"))->trigger();
    TfSumy* sums = m_window->sumsWindow();
    QVERIFY(sums->isVisible());
    QCOMPARE(sums->windowTitle(), QStringLiteral("Sumy dla tabeli KOSZTY"));
    QTableWidget* cells = sums->grid();
    QCOMPARE(cells->columnCount(), 5);
    QCOMPARE(cells->item(0, 1)->text(), QStringLiteral("Netto"));
    // The count is that of the rows on screen, under the same year.
    QCOMPARE(cells->item(1, 0)->text(), QString::number(grid("KosztyGrid")->model()->rowCount()));

    // Another register rewrites the window in place, without stale columns.
    click("SBPojazdy");
    m_window->action(QStringLiteral("SBSuma"))->trigger();
    QCOMPARE(sums->windowTitle(), QStringLiteral("Sumy dla tabeli POJAZDY"));
    QCOMPARE(cells->columnCount(), 1);
    QCOMPARE(cells->item(0, 0)->text(), QStringLiteral("Ilość pojazdów"));
    QCOMPARE(cells->item(1, 0)->text(), QString::number(grid("PojazdyGrid")->model()->rowCount()));

    auto* top = sums->findChild<QCheckBox*>(QStringLiteral("cbTop"));
    top->click();
    QVERIFY(sums->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(sums->isVisible());
    top->click();
    QVERIFY(!sums->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    sums->findChild<QToolButton*>(QStringLiteral("SpeedButton1"))->click();
    QVERIFY(!sums->isVisible());
    QCOMPARE(cells->item(0, 0)->text(), QStringLiteral("Ilość pojazdów"));
}

// One right taken away: exactly its page's button and "Widok" entry are disabled.
void TstMainWindow::rightsSwitchTheButtons_data() {
    QTest::addColumn<int>("right");
    QTest::addColumn<QStringList>("disabled");
    QTest::newRow("administration") << 0 << QStringList{u"Administracja1"_qs};
    QTest::newRow("vehicles") << 1 << QStringList{u"SBPojazdy"_qs, u"Widok_pojazdy"_qs};
    QTest::newRow("costs") << 5 << QStringList{u"SBKoszty"_qs, u"Widok_koszty"_qs};
    QTest::newRow("consumption") << 9 << QStringList{u"SBZuzycie"_qs,       u"SBZuzycieKm"_qs,
                                                     u"SBZuzycieMth"_qs,    u"Widok_zuzycie"_qs,
                                                     u"Widok_zuzyciekm"_qs, u"Widok_zuzyciemth"_qs};
    QTest::newRow("reports") << 17 << QStringList{u"SBRaporty"_qs, u"SBRaportyMenu"_qs};
    QTest::newRow("library") << 18 << QStringList{u"SBBiblioteka"_qs, u"SBBibliotekaMenu"_qs};
    QTest::newRow("company data") << 22 << QStringList{u"SBDaneFirmy"_qs, u"SBDaneFirmyMenu"_qs};
    QTest::newRow("persons") << 24 << QStringList{u"SBOsobowa"_qs, u"Widok_osobowa"_qs};
    QTest::newRow("notebook") << 27 << QStringList{u"Notatnik1"_qs};
    QTest::newRow("installing add-ons") << 30 << QStringList{u"instalujDodatki1"_qs};
    QTest::newRow("options") << 26 << QStringList{u"Opcje1"_qs};
    QTest::newRow("checks") << 31 << QStringList{u"sprawdzajTermin1"_qs, u"SprawdzMagazyn1"_qs};
    QTest::newRow("road cards") << 45 << QStringList{u"SBKDrogowe"_qs, u"Widok_kartydrogowe"_qs};
}

void TstMainWindow::rightsSwitchTheButtons() {
    QFETCH(int, right);
    QFETCH(QStringList, disabled);
    auto button = [this](const char* name) {
        return m_window->findChild<QToolButton*>(QString::fromLatin1(name));
    };
    std::bitset<101> rights;
    rights.set();
    rights.reset(size_t(right));
    m_window->setRights(rights);
    // The navigation's buttons and the menu entries of the pages.
    QStringList off;
    for (QToolButton* b : m_window->findChildren<QToolButton*>()) {
        if (!b->objectName().startsWith(u"SB"_qs) || b->window() != m_window.get())
            continue;  // the tool windows' own buttons go with the window
        if (!b->isEnabled())
            off << b->objectName();
        if (QAction* entry = m_window->action(b->objectName() + u"Menu"_qs);
            entry && !entry->isEnabled())
            off << entry->objectName();
    }
    // A hidden action (a free add-on slot) counts as disabled in Qt: only shown ones count.
    for (QAction* a : m_window->findChildren<QAction*>()) {
        if ((a->objectName().startsWith(u"Widok_"_qs) || a->objectName().endsWith(u'1')) &&
            a->isVisible() && !a->isEnabled())
            off << a->objectName();
    }
    if (auto* menu = m_window->findChild<QMenu*>(u"Administracja1"_qs);
        !menu->menuAction()->isEnabled())
        off << menu->objectName();
    off.removeDuplicates();
    off.sort();
    disabled.sort();
    QCOMPARE(off, disabled);
    // The page goes with its right: the reports page gives way to the start page.
    if (right == 17) {
        rights.set();
        m_window->setRights(rights);
        click("SBRaporty");
        QCOMPARE(m_window->findChild<QStackedWidget*>(u"Pages"_qs)->currentWidget()->objectName(),
                 u"ReportsPage"_qs);
        rights.reset(17);
        m_window->setRights(rights);
        QCOMPARE(m_window->findChild<QStackedWidget*>(u"Pages"_qs)->currentWidget()->objectName(),
                 u"StartPage"_qs);
    }
    if (right != 5)
        return;

    // Without the write right the register lists, but adds nothing.
    rights.set();
    rights.reset(size_t(Registers::get(RegisterId::Koszty).writeRight));
    m_window->setRights(rights);
    click("SBFinanse");
    click("SBKoszty");
    QVERIFY(!m_window->action(QStringLiteral("SBDodaj"))->isEnabled());
    QVERIFY(m_window->action(QStringLiteral("SBcsvMenu"))->isEnabled());
    // Enter on a row opens the read-only preview: only "&OK", nothing written.
    RecordEditors::install(RegisterId::Koszty, &CostEditor::edit);
    bool preview = false;
    QTimer::singleShot(200, this, [&preview] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("BZapisz"));
        preview = ok && ok->text() == QLatin1String("&OK") &&
                  !dialog->findChild<QPushButton*>(QStringLiteral("BAnuluj"))->isVisible();
        ok ? ok->click() : dialog->reject();
    });
    QTest::keyClick(grid("KosztyGrid"), Qt::Key_Return);
    QVERIFY(preview);
    rights.set();
    m_window->setRights(rights);
    QVERIFY(button("SBBiblioteka")->isEnabled());
}

// Closing the users or the administration window reads the session again without
// starting it afresh: the temporary notepad and the filters stay.
void TstMainWindow::rereadKeepsNotepadAndFilters() {
    auto* memo = m_window->findChild<QPlainTextEdit*>(u"Memo"_qs);
    memo->setPlainText(u"Zadzwonić do serwisu"_qs);
    const QDate month = QDate::currentDate().addMonths(-1);  // the sample has costs in it
    chooseYear(month.year(), month.month());
    click("SBFinanse");
    click("SBKoszty");
    m_window->rereadSession(u"JAN, Jan Kowalski"_qs);
    QCOMPARE(memo->toPlainText(), u"Zadzwonić do serwisu"_qs);
    QCOMPARE(m_window->filterBar()->yearList()->currentText(), QString::number(month.year()));
    QCOMPARE(m_window->filterBar()->monthList()->currentIndex(), month.month());
    QVERIFY(m_window->findChild<QLabel*>(u"LUser"_qs)->text().endsWith(u"JAN, Jan Kowalski"_qs));
    QVERIFY(!m_window->currentRegister());
    // The register reads its rows again, under the same filter.
    click("SBFinanse");
    click("SBKoszty");
    const QStringList dates = column(grid("KosztyGrid"), 0);
    QVERIFY(!dates.isEmpty());
    for (const QString& date : dates)
        QVERIFY2(date.endsWith(month.toString(u".MM.yyyy"_qs)), qPrintable(date));
}

// The vehicle dialog offers the company's own name from its company data as the first
// owner, as the start page shows it, not the short name of the login.
void TstMainWindow::ownerSuggestsTheCompanyDataName() {
    RecordEditors::install(RegisterId::Pojazdy, &VehicleEditor::edit);
    click("SBPojazdy");
    QString first;
    QTimer::singleShot(200, this, [&first] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (auto* owner = dialog->findChild<QComboBox*>(u"fNREW"_qs))
            first = owner->itemText(0);
        dialog->reject();
    });
    m_window->action(u"SBDodaj"_qs)->trigger();
    QVERIFY(!m_db->companyDataName().trimmed().isEmpty());
    QVERIFY(m_db->companyDataName() != DatabaseCreator::sampleCompanyName());
    QCOMPARE(first, m_db->companyDataName());
}

// No register page says any more that its dialog is missing.
void TstMainWindow::everyRegisterHasItsDialog() {
    installRegisterEditors(
        m_messages, [] { return std::bitset<101>().set(); }, [] { return true; });
    for (const RegisterDescriptor& d : Registers::all())
        QVERIFY2(RecordEditors::has(d.id), qPrintable(d.name));
}

// "Drukuj" shows the current record's sheet in the report preview and "Podgląd" its dialog
// read-only, on every register; on an empty list neither opens anything.
void TstMainWindow::printAndPreviewTheCurrentRecord() {
    installRegisterEditors(
        m_messages, [] { return std::bitset<101>().set(); }, [] { return true; });
    QStringList sheetPage;  // the texts of the preview's first page
    int previewPages = 0;
    bool readOnly = false;
    int opened = 0;
    QTimer answer;
    answer.setInterval(10);
    connect(&answer, &QTimer::timeout, this, [&] {
        if (auto* preview = qobject_cast<ReportPreview*>(QApplication::activeModalWidget())) {
            previewPages = int(preview->report().pages.size());
            sheetPage = preview->report().pageTexts(0);
            ++opened;
            preview->reject();
        } else if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            const auto edits = dialog->findChildren<QLineEdit*>();
            readOnly = !edits.isEmpty() && std::all_of(edits.begin(), edits.end(),
                                                       [](auto* e) { return e->isReadOnly(); });
            ++opened;
            dialog->reject();
        }
    });
    answer.start();
    int printed = 0;
    for (const RegisterDescriptor& d : Registers::all()) {
        m_window->showRegister(d.id);
        RegisterPage* page = m_window->page(d.id);
        const int row = page->grid()->currentRow();
        const bool empty = page->model().rowCount() == 0;
        opened = 0;
        sheetPage.clear();
        readOnly = false;
        m_window->action(u"SBDrukuj"_qs)->trigger();
        m_window->action(u"SBPodglad"_qs)->trigger();
        QCOMPARE(opened, empty ? 0 : 2);
        if (empty)
            continue;
        ++printed;
        QVERIFY2(readOnly, qPrintable(d.name));
        QCOMPARE(previewPages, 1);
        const RecordSheetText sheet = RecordSheet(*m_db).build(page->model(), row);
        QVERIFY2(sheetPage.contains(sheet.title), qPrintable(d.name));
        QVERIFY(sheetPage.contains(sheet.lines.first()));
        QVERIFY(sheetPage.contains(DatabaseCreator::sampleCompanyName()));
    }
    QVERIFY(printed > 15);
    QVERIFY(m_messages.shown().isEmpty());
}

void TstMainWindow::yearAndMonthFilter() {
    click("SBFinanse");
    click("SBKoszty");
    const int year = QDate::currentDate().year() - (QDate::currentDate().month() == 12 ? 0 : 1);
    chooseYear(year, 12);
    QCOMPARE(m_db->filter(RegisterId::Koszty).period.text,
             QStringLiteral("AND DATA > %1 AND DATA < %2")
                 .arg(year * 10000 + 1200)
                 .arg(year * 10000 + 1300));
    QCOMPARE(m_db->filter(RegisterId::Naprawy).period.text,
             QStringLiteral("AND ((DATA > %1 AND DATA < %2) OR (DATA = 0))")
                 .arg(year * 10000 + 1200)
                 .arg(year * 10000 + 1300));
    const QStringList dates = column(grid("KosztyGrid"), 0);
    QVERIFY(!dates.isEmpty());
    for (const QString& date : dates)
        QVERIFY2(date.endsWith(QStringLiteral(".12.%1").arg(year)), qPrintable(date));
    // "(Wszystkie)" as the year empties every period clause, the month with it.
    m_window->filterBar()->yearList()->setCurrentIndex(0);
    emit m_window->filterBar()->yearList()->activated(0);
    QCOMPARE(m_window->filterBar()->monthList()->currentIndex(), 0);
    QVERIFY(m_db->filter(RegisterId::Koszty).period.isEmpty());
}

void TstMainWindow::rangeWithOneBound() {
    click("SBFinanse");
    click("SBKoszty");
    const QDate from = QDate::currentDate().addMonths(-1);
    DateField* field = m_window->filterBar()->fromField();
    field->setDateNumber(from.year() * 10000LL + from.month() * 100 + from.day());
    QTest::keyClick(field->edit(), Qt::Key_Return);
    QCOMPARE(m_db->filter(RegisterId::Koszty).period.text,
             QStringLiteral("AND DATA >= %1 AND DATA <= 99999999")
                 .arg(from.year() * 10000LL + from.month() * 100 + from.day()));
    const QStringList dates = column(grid("KosztyGrid"), 0);
    QVERIFY(!dates.isEmpty());
    for (const QString& date : dates)
        QVERIFY2(QDate::fromString(date, QStringLiteral("dd.MM.yyyy")) >= from, qPrintable(date));
}

void TstMainWindow::undatedRepairsUnderEveryPeriod() {
    click("SBRejestry");
    click("SBNaprawy");
    chooseYear(1999, 0);
    // The planned repair without a date is the only one of 1999.
    QCOMPARE(column(grid("NaprawyGrid"), 1), QStringList{QString()});
}

void TstMainWindow::titleClickTwiceReverses() {
    click("SBPojazdy");
    RegisterGrid* vehicles = grid("PojazdyGrid");
    QStringList registrations = column(vehicles, 1);
    QVERIFY(registrations.size() > 5);
    emit vehicles->horizontalHeader()->sectionClicked(
        2);  // "Marka": another column, still ascending
    QCOMPARE(m_db->filter(RegisterId::Pojazdy).sortField, QStringLiteral("MARKA"));
    QVERIFY(m_db->filter(RegisterId::Pojazdy).ascending);
    const QStringList ascending = column(vehicles, 2);
    emit vehicles->horizontalHeader()->sectionClicked(2);
    QStringList reversed = ascending;
    std::reverse(reversed.begin(), reversed.end());
    QCOMPARE(column(vehicles, 2), reversed);
    emit vehicles->horizontalHeader()->sectionClicked(1);
    QCOMPARE(column(vehicles, 1).first() > column(vehicles, 1).last(),
             true);  // the direction is kept
    emit vehicles->horizontalHeader()->sectionClicked(1);
    m_db->filter(RegisterId::Pojazdy).ascending = true;
}

void TstMainWindow::deleteWithAndWithoutTheQuestion() {
    click("SBCzas");
    click("SBPrzebiegi");
    RegisterGrid* readings = grid("przebiegiGrid");
    const int before = readings->model()->rowCount();
    QVERIFY(before > 2);
    readings->setCurrentRow(1);
    m_messages.answerQuestion(false);
    m_window->SBUsunClick();
    QCOMPARE(m_messages.shown().last().text,
             QStringLiteral("Czy napewno usunąć zaznaczoną pozycję?"));
    QCOMPARE(readings->model()->rowCount(), before);
    m_messages.answerQuestion(true);
    m_window->SBUsunClick();
    QCOMPARE(readings->model()->rowCount(), before - 1);
    m_config.pytajPrzedKasowaniem = false;
    m_messages.clear();
    m_window->action(QStringLiteral("SBUsun"))->trigger();
    QCOMPARE(readings->model()->rowCount(), before - 2);
    QVERIFY(m_messages.shown().isEmpty());
    QVERIFY(!m_messages.unusedAnswers());
}

void TstMainWindow::searchFindsLowerCaseAndWraps() {
    click("SBPojazdy");
    RegisterGrid* vehicles = grid("PojazdyGrid");
    m_window->SBSzukajClick();
    QVERIFY(m_window->findDialog()->isVisible());
    const QString wanted = vehicles->model()->index(3, 1).data().toString();
    m_window->FindTextFind(wanted.toLower());
    QCOMPARE(vehicles->currentRow(), 3);
    // Every further step either finds a later row or wraps to the first with the message.
    for (int i = 0; i < 20 && m_messages.shown().isEmpty(); ++i)
        m_window->FindTextFind(wanted.toLower());
    QCOMPARE(m_messages.shown().size(), 1);
    QCOMPARE(m_messages.shown().first().text, RegisterSearch::notFoundMessage());
    QCOMPARE(vehicles->currentRow(), 0);
    m_window->findDialog()->hide();
}

void TstMainWindow::exportEqualsTheCommandLine() {
    click("SBFinanse");
    click("SBKoszty");
    const int year = QDate::currentDate().year();
    chooseYear(year, 0);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("koszty.csv"));
    m_messages.answerFile(file);
    m_window->SBcsvClick();
    QCOMPARE(m_messages.shown().first().kind, QStringLiteral("save"));
    QCOMPARE(m_messages.shown().first().text, QStringLiteral("Koszty.csv"));
    QCOMPARE(m_messages.shown().last().text, QStringLiteral("Eksport zakończony poprawnie"));
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));

    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANG"), QStringLiteral("pl_PL.UTF-8"));
    cli.setProcessEnvironment(env);
    cli.start(
        QStringLiteral(FLOTANOR_CLI),
        {QStringLiteral("list"), m_location->location().text(), DatabaseCreator::sampleCompanyDir(),
         QStringLiteral("koszty"), QStringLiteral("--year"), QString::number(year)});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 0);
    QCOMPARE(written.readAll(), cli.readAllStandardOutput());
}

void TstMainWindow::vehicleFilterAndConsumptionHeader() {
    click("SBPaliwa");
    click("SBZuzycie");
    RegisterGrid* refuellings = grid("ZuzycieGrid");
    QCOMPARE(refuellings->model()->rowCount(), 0);  // no vehicle chosen
    RegisterPage* page = m_window->page(RegisterId::Zuzycie);
    QCOMPARE(page->findChild<QLabel*>(QStringLiteral("LPojazd"))->text(),
             QStringLiteral("(Wybierz pojazd)"));
    m_window->filterBar()->chooseVehicle(QStringLiteral("WA 12345"));
    QVERIFY(refuellings->model()->rowCount() > 5);
    QVERIFY(page->findChild<QLabel*>(QStringLiteral("LPojazd"))
                ->text()
                .startsWith(QStringLiteral("WA 12345, ")));
    QVERIFY(!page->findChild<QLabel*>(QStringLiteral("LSrednia"))
                 ->text()
                 .startsWith(QStringLiteral("0,00")));
    QCOMPARE(refuellings->model()->index(0, 4).data().toString(), QStringLiteral("-"));
}

void TstMainWindow::secondCopyIsRefused() {
    SingleInstance first(m_dataDir->path());
    SingleInstance second(m_dataDir->path());
    QVERIFY(first.acquire());
    QVERIFY(!second.acquire());
}

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
