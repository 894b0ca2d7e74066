// The reminder window on the offscreen platform, on SQLite and on PostgreSQL: which pages a
// run shows and whether the window appears, saving the visible list and the calendar, and
// the start-up reminders of the main window with their rights and the due notes.
#include "ScriptedMessageService.h"
#include "TestDataDir.h"
#include "TestLocation.h"
#include "data/TmyDataBase.h"
#include "data/engine/RowInsert.h"
#include "data/schema/DatabaseCreator.h"
#include "output/uSprawdzenieDat.h"
#include "registers/uShowNotatka.h"
#include "shell/uMain.h"
#include "support/OVUtilities.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

Q_DECLARE_METATYPE(ReminderRun)

namespace {

qint64 ymd(const QDate& date) {
    return date.year() * 10000LL + date.month() * 100 + date.day();
}

// Remembers the filters the save dialog was offered.
class FilterRecorder : public ScriptedMessageService {
public:
    QString saveFileName(const QString& title, const QString& name,
                         const QStringList& filters) override {
        lastFilters = filters;
        return ScriptedMessageService::saveFileName(title, name, filters);
    }
    QStringList lastFilters;
};

}  // namespace

class TstReminderWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void runShowsItsPages_data();
    void runShowsItsPages();
    void okEscAndOnTop();
    void saveWritesTheVisibleList_data();
    void saveWritesTheVisibleList();
    void calendarExportWritesTheDatedTerms();
    void startupRemindersFollowTheRights_data();
    void startupRemindersFollowTheRights();
    void menuEntriesAndLogOff();
    void cleanupTestCase();

private:
    // "d": an insurance due today, "o": an inspection due by odometer, "s": a low part.
    void addDue(const QString& kinds);
    QStringList visibleTabs(const TfSprawdzenieDat& window) const;

    std::unique_ptr<TestDataDir> m_dataDir;
    std::unique_ptr<TestLocation> m_location;
    FilterRecorder m_messages;
    TconfigPP m_config;
    std::unique_ptr<TmyDataBase> m_db;
    std::unique_ptr<TfMain> m_main;
};

void TstReminderWindow::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    m_dataDir = std::make_unique<TestDataDir>();
    m_location = std::make_unique<TestLocation>();
    REQUIRE_LOCATION(*m_location);
    QVERIFY(DatabaseCreator::createDatabase(m_location->location(), false).ok);
    QVERIFY(DatabaseCreator::addCompany(m_location->location(), u"proba"_qs, u"proba"_qs,
                                        DatabaseCreator::Contents::Empty)
                .ok);
    m_db = std::make_unique<TmyDataBase>(&m_messages);
    QVERIFY(m_db->openCompany(m_location->location(), u"proba"_qs));
    m_config.pokazujPoradeDnia = false;
    m_main = std::make_unique<TfMain>(*m_db, m_messages, m_config);
}

void TstReminderWindow::init() {
    QVERIFY(m_main);
    for (const char* table : {"pojazdy", "przebiegi", "magazyn"})
        QVERIFY(m_db->DatabaseFirma()
                    .execute(SqlStatement(u"DELETE FROM "_qs + QString::fromLatin1(table)))
                    .ok());
    m_main->remindersWindow()->hide();
    m_messages.clear();
}

void TstReminderWindow::cleanupTestCase() {
    m_main.reset();
    m_db.reset();
}

void TstReminderWindow::addDue(const QString& kinds) {
    DbConnection& company = m_db->DatabaseFirma();
    qint64 car = 0;
    if (kinds.contains(u'd'))
        QVERIFY(!insertRow(
            company, u"pojazdy"_qs,
            {{"NRREJ", u"WZ 1"_qs}, {"STATUS", 0.0}, {"DATAOC", ymd(QDate::currentDate())}}));
    if (kinds.contains(u'o')) {
        QVERIFY(!insertRow(company, u"pojazdy"_qs,
                           {{"NRREJ", u"WZ 2"_qs}, {"STATUS", 0.0}, {"LICZPRZEG", 50000.0}}, &car));
        QVERIFY(!insertRow(company, u"przebiegi"_qs, {{"IDPOJAZD", car}, {"LICZNIK", 49500.0}}));
    }
    if (kinds.contains(u's'))
        QVERIFY(!insertRow(company, u"magazyn"_qs,
                           {{"CZESC", u"Filtr oleju"_qs}, {"ILOSC", 0.0}, {"PRZYPOMNIJ", 1.0}}));
}

QStringList TstReminderWindow::visibleTabs(const TfSprawdzenieDat& window) const {
    QStringList tabs;
    for (int p = 0; p < window.pages()->count(); ++p) {
        if (window.pages()->isTabVisible(p))
            tabs << window.pages()->widget(p)->objectName();
    }
    return tabs;
}

// A quiet run shows the window only for a find; every shown run opens on the page of the
// last check run, whichever found something.
void TstReminderWindow::runShowsItsPages_data() {
    QTest::addColumn<ReminderRun>("run");
    QTest::addColumn<QString>("due");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QStringList>("tabs");
    QTest::addColumn<QString>("page");
    const QStringList all{u"daty"_qs, u"przebiegi"_qs, u"magazyn"_qs};
    const ReminderRun startup{true, true, true, true};
    QTest::newRow("no check") << ReminderRun{} << u"dos"_qs << false << QStringList() << QString();
    QTest::newRow("start-up, nothing due") << startup << QString() << false << all << QString();
    QTest::newRow("start-up, the store due") << startup << u"s"_qs << true << all << u"daty"_qs;
    QTest::newRow("start-up, odometer and store")
        << startup << u"os"_qs << true << all << u"daty"_qs;
    QTest::newRow("start-up, everything") << startup << u"dos"_qs << true << all << u"daty"_qs;
    QTest::newRow("start-up without odometer")
        << ReminderRun{true, false, true, true} << u"d"_qs << true
        << QStringList{u"daty"_qs, u"magazyn"_qs} << u"daty"_qs;
    QTest::newRow("Sprawdź terminy, nothing due")
        << ReminderRun{true, true, false, false} << QString() << true
        << QStringList{u"daty"_qs, u"przebiegi"_qs} << u"daty"_qs;
    QTest::newRow("Sprawdź terminy, odometer due")
        << ReminderRun{true, true, false, false} << u"o"_qs << true
        << QStringList{u"daty"_qs, u"przebiegi"_qs} << u"daty"_qs;
    QTest::newRow("Sprawdź stany magazynowe")
        << ReminderRun{false, false, false, true} << QString() << true << QStringList{u"magazyn"_qs}
        << u"magazyn"_qs;
}

void TstReminderWindow::runShowsItsPages() {
    QFETCH(ReminderRun, run);
    QFETCH(QString, due);
    QFETCH(bool, shown);
    QFETCH(QStringList, tabs);
    QFETCH(QString, page);
    addDue(due);
    TfSprawdzenieDat window(*m_db, m_messages);
    QCOMPARE(window.run(run, m_config), shown);
    QCOMPARE(window.isVisible(), shown);
    QCOMPARE(visibleTabs(window), tabs);
    if (shown)
        QCOMPARE(window.pages()->currentWidget()->objectName(), page);
    // Each page shows its check's lines; a page without a find says so.
    const QString lists[] = {u"output1"_qs, u"output2"_qs, u"output3"_qs};
    for (int p = 0; p < tabs.size(); ++p) {
        const auto which =
            TfSprawdzenieDat::Page(window.pages()->indexOf(window.findChild<QWidget*>(tabs[p])));
        QCOMPARE(window.findChild<QPlainTextEdit*>(lists[which])->toPlainText(),
                 window.list(which).lines.join(u'\n'));
        QCOMPARE(window.list(which).found, due.contains(u"dos"_qs.at(which)));
    }
    QVERIFY(m_messages.shown().isEmpty());
}

void TstReminderWindow::okEscAndOnTop() {
    TfSprawdzenieDat* window = m_main->remindersWindow();
    QVERIFY(window->run({.dates = true, .odometer = true}, m_config));
    auto* dates = window->findChild<QPlainTextEdit*>(u"output1"_qs);
    QCOMPARE(window->focusWidget(), dates);
    QVERIFY(dates->isReadOnly());
    QCOMPARE(dates->lineWrapMode(), QPlainTextEdit::NoWrap);
    QTest::keyClick(dates, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
    window->run({.store = true}, m_config);
    auto* top = window->findChild<QCheckBox*>(u"cbTop"_qs);
    top->click();
    QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(window->isVisible());
    top->click();
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    window->findChild<QToolButton*>(u"SpeedButton4"_qs)->click();
    QVERIFY(!window->isVisible());
}

void TstReminderWindow::saveWritesTheVisibleList_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("proposed");
    QTest::addColumn<QString>("file");  // in the temporary directory; empty: cancelled
    QTest::newRow("dates") << 0 << u"przypomnienie-daty.txt"_qs << u"daty.txt"_qs;
    QTest::newRow("odometer") << 1 << u"przypomnienie-przebieg.txt"_qs << u"przebieg.txt"_qs;
    QTest::newRow("store") << 2 << u"stany-magazynowe.txt"_qs << u"magazyn.txt"_qs;
    QTest::newRow("no such folder") << 0 << u"przypomnienie-daty.txt"_qs << u"nie/ma.txt"_qs;
    QTest::newRow("cancelled") << 2 << u"stany-magazynowe.txt"_qs << QString();
}

void TstReminderWindow::saveWritesTheVisibleList() {
    QFETCH(int, page);
    QFETCH(QString, proposed);
    QFETCH(QString, file);
    addDue(u"dos"_qs);
    TfSprawdzenieDat* window = m_main->remindersWindow();
    window->run({true, true, false, true}, m_config);
    window->pages()->setCurrentIndex(page);
    QTemporaryDir dir;
    const QString path = file.isEmpty() ? QString() : dir.filePath(file);
    m_messages.answerFile(path);
    window->findChild<QToolButton*>(u"SBcsv"_qs)->click();
    QCOMPARE(m_messages.shown().first().text, proposed);
    QCOMPARE(m_messages.lastFilters.first(), u"Plik tekstowy (*.txt)"_qs);
    if (file.isEmpty()) {
        QCOMPARE(m_messages.shown().size(), 1);
        return;
    }
    QFile written(path);
    const bool ok = written.open(QIODevice::ReadOnly);
    QCOMPARE(ok, !file.contains(u'/'));
    QCOMPARE(m_messages.shown().last().text, ok ? u"Dane zostały zapisane w pliku: "_qs + path
                                                : u"Zapisywanie danych nie powiodło się"_qs);
    if (ok)
        QCOMPARE(written.readAll(), window->list(TfSprawdzenieDat::Page(page)).bytes());
}

void TstReminderWindow::calendarExportWritesTheDatedTerms() {
    addDue(u"dos"_qs);
    QTemporaryDir dir;
    m_messages.answerFile(dir.filePath(u"terminy.ics"_qs));
    m_main->remindersWindow()->findChild<QToolButton*>(u"SBKalendarz"_qs)->click();
    QCOMPARE(m_messages.shown().first().text, u"terminy.ics"_qs);
    QCOMPARE(m_messages.lastFilters.first(), u"Kalendarz (*.ics)"_qs);
    QCOMPARE(m_messages.shown().last().text,
             u"Dane zostały zapisane w pliku: "_qs + dir.filePath(u"terminy.ics"_qs));
    QFile written(dir.filePath(u"terminy.ics"_qs));
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray text = written.readAll();
    QVERIFY(text.startsWith("BEGIN:VCALENDAR"));
    QCOMPARE(text.count("BEGIN:VEVENT"), 1);  // the insurance; the others have no date
}

void TstReminderWindow::startupRemindersFollowTheRights_data() {
    QTest::addColumn<bool>("checksRight");
    QTest::addColumn<bool>("notebookRight");
    QTest::addColumn<bool>("notesOption");
    QTest::addColumn<QStringList>("notes");  // the numbers shown, in order
    const QStringList due{u"2"_qs, u"5"_qs};
    QTest::newRow("both rights") << true << true << true << due;
    QTest::newRow("no checks right") << false << true << true << due;
    QTest::newRow("no notebook right") << true << false << true << QStringList();
    QTest::newRow("notes not asked for") << true << true << false << QStringList();
}

void TstReminderWindow::startupRemindersFollowTheRights() {
    QFETCH(bool, checksRight);
    QFETCH(bool, notebookRight);
    QFETCH(bool, notesOption);
    QFETCH(QStringList, notes);
    addDue(u"d"_qs);
    // Due: yesterday's note 2 and note 5 without a date; not due: tomorrow's, a blank one.
    const TOVUtilities utilities;
    const QDate today = QDate::currentDate();
    for (int i = 0; i < NotesBook::kCount; ++i)
        m_db->notes().note(i) = {};
    m_db->notes().note(1) = {utilities.dateNumberToText(ymd(today.addDays(-1))), u"Olej"_qs, {}};
    m_db->notes().note(4) = {QString(), u"Bez daty"_qs, {}};
    m_db->notes().note(6) = {utilities.dateNumberToText(ymd(today.addDays(1))), u"Jutro"_qs, {}};
    m_db->notes().note(8) = {utilities.dateNumberToText(ymd(today)), u"   "_qs, {}};
    QVERIFY(m_db->saveNotes());

    std::bitset<101> rights;
    rights.set();
    rights.set(31, checksRight);
    rights.set(27, notebookRight);
    m_main->setRights(rights);
    m_config.sprawdzajNotatki = notesOption;
    // Each note window is answered as it opens; whatever else turned modal is closed.
    QStringList shown;
    QTimer answer;
    answer.setInterval(20);
    connect(&answer, &QTimer::timeout, this, [&shown] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* note = qobject_cast<TfShowNotatka*>(modal)) {
            shown << note->findChild<QLineEdit*>(u"ilosc_n"_qs)->text();
            note->findChild<QPushButton*>(u"BOK"_qs)->click();
        } else if (auto* other = qobject_cast<QDialog*>(modal)) {
            other->reject();
        }
    });
    answer.start();
    m_main->runStartupReminders();
    answer.stop();
    m_config.sprawdzajNotatki = true;
    QCOMPARE(shown, notes);
    QCOMPARE(m_main->remindersWindow()->isVisible(), checksRight);
    QVERIFY(m_messages.shown().isEmpty());
}

// Both entries follow right 31; log-off hides the window.
void TstReminderWindow::menuEntriesAndLogOff() {
    std::bitset<101> rights;
    rights.set();
    m_main->setRights(rights);
    TfSprawdzenieDat* window = m_main->remindersWindow();
    m_main->action(u"SprawdzMagazyn1"_qs)->trigger();
    QCOMPARE(visibleTabs(*window), QStringList{u"magazyn"_qs});
    m_main->action(u"sprawdzajTermin1"_qs)->trigger();
    QCOMPARE(visibleTabs(*window), (QStringList{u"daty"_qs, u"przebiegi"_qs}));
    QCOMPARE(window->pages()->currentWidget()->objectName(), u"daty"_qs);
    m_main->action(u"Wyloguj1"_qs)->trigger();
    QVERIFY(!window->isVisible());
    rights.reset(31);
    m_main->setRights(rights);
    QVERIFY(!m_main->action(u"sprawdzajTermin1"_qs)->isEnabled());
    QVERIFY(!m_main->action(u"SprawdzMagazyn1"_qs)->isEnabled());
}

QTEST_MAIN(TstReminderWindow)
#include "tst_reminderwindow.moc"
