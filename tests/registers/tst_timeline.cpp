// The scheduler and odometer reading dialogs (their checks in order, the flows from the
// dialog to the list on both engines), the notebook and its due-note window, and the
// temporary notepad.
#include "DialogScript.h"
#include "ScriptedMessageService.h"
#include "TestDataDir.h"
#include "TestLocation.h"
#include "data/ListModel.h"
#include "data/TmyDataBase.h"
#include "data/engine/RowInsert.h"
#include "data/schema/DatabaseCreator.h"
#include "registers/uNotatki.h"
#include "registers/uPrzebiegi.h"
#include "registers/uShowNotatka.h"
#include "registers/uTerminarz.h"
#include "shell/uFiszka.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

using Mode = RecordEditors::Mode;

// Plays one step on the next dialog of this name that the code under test shows modally.
class OnShow : public QObject {
public:
    OnShow(const QString& name, std::function<void(QDialog*)> step)
        : m_name(name), m_step(std::move(step)) {
        qApp->installEventFilter(this);
    }
    ~OnShow() override { qApp->removeEventFilter(this); }
    bool played() const { return m_played; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && event->type() == QEvent::Show && dialog->objectName() == m_name &&
            !m_played) {
            m_played = true;
            QTimer::singleShot(0, dialog, [this, dialog] { m_step(dialog); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QString m_name;
    std::function<void(QDialog*)> m_step;
    bool m_played = false;
};

void click(QWidget* window, const char* name) {
    auto* button = window->findChild<QPushButton*>(QLatin1String(name));
    QVERIFY2(button, name);
    button->click();
}

QString noteText(QWidget* window) {
    return window->findChild<QPlainTextEdit*>(QStringLiteral("notatka"))->toPlainText();
}

}  // namespace

class TstTimeline : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void scheduleChecks_data();
    void scheduleChecks();
    void readingChecks_data();
    void readingChecks();
    void scheduleRoundTrip();
    void lowerReadingKeepsTheMileage();
    void notebookMovesAndClears();
    void notebookKeepsTheNote_data();
    void notebookKeepsTheNote();
    void notebooksSaveOnlyTheirChanges();
    void notesDue();
    void dueNoteWindow_data();
    void dueNoteWindow();
    void notepadStaysOnTop();

private:
    void checkTable(RecordDialog& dialog);
    RecordEditors::Outcome run(RegisterId id, Mode mode, ListModel& model, int row);
    int listed(ListModel& model, const QStringList& key);
    // The listed record's fields as the list shows them.
    QStringList shown(ListModel& model, const QStringList& key, const QStringList& fields);
    qint64 count(const QString& sql);
    NotesBook stored();

    std::unique_ptr<TestDataDir> m_dataDir;
    std::unique_ptr<TestLocation> m_location;
    ScriptedMessageService m_messages;
    std::unique_ptr<TmyDataBase> m_db;
    QHash<QString, qint64> m_vehicles;
};

void TstTimeline::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    m_dataDir = std::make_unique<TestDataDir>();
    m_location = std::make_unique<TestLocation>();
    REQUIRE_LOCATION(*m_location);
    QVERIFY(DatabaseCreator::createDatabase(m_location->location(), false).ok);
    QVERIFY(DatabaseCreator::addCompany(m_location->location(), QStringLiteral("Firma"),
                                        QStringLiteral("f"))
                .ok);
    m_db = std::make_unique<TmyDataBase>(&m_messages);
    QVERIFY(m_db->openCompany(m_location->location(), QStringLiteral("f")));
    m_db->applySelection(FilterSelection{});  // every period
    DbConnection& db = m_db->DatabaseFirma();
    for (const auto& [nrew, surname] : {std::pair{"K1", "Nowak"}, std::pair{"0", "Zerowy"}})
        QVERIFY(insertRow(db, QStringLiteral("osobowa"),
                          {{QStringLiteral("NREW"), QString::fromLatin1(nrew)},
                           {QStringLiteral("NAZWISKO"), QString::fromLatin1(surname)},
                           {QStringLiteral("IMIE"), QStringLiteral("Jan")}})
                    .ok());
    for (const char* registration : {"WZ 1001", "WZ 1002"}) {
        qint64 key = 0;
        QVERIFY(insertRow(db, QStringLiteral("pojazdy"),
                          {{QStringLiteral("NRREJ"), QString::fromLatin1(registration)},
                           {QStringLiteral("STATUS"), 0}},
                          &key)
                    .ok());
        m_vehicles.insert(QString::fromLatin1(registration), key);
    }
}

RecordEditors::Outcome TstTimeline::run(RegisterId id, Mode mode, ListModel& model, int row) {
    RecordEditors::Request request{
        nullptr, *m_db, m_messages, model, row, mode, {}, QStringLiteral("Firma"), nullptr, {}};
    request.rights.set();
    return id == RegisterId::Terminarz ? ScheduleEditor::edit(request)
                                       : ReadingEditor::edit(request);
}

int TstTimeline::listed(ListModel& model, const QStringList& key) {
    return m_db->refreshList(model.registerId(), model) ? model.findRow(key) : -1;
}

QStringList TstTimeline::shown(ListModel& model, const QStringList& key,
                               const QStringList& fields) {
    const int row = listed(model, key);
    QStringList texts;
    for (const QString& field : fields)
        texts << (row < 0 ? QStringLiteral("<not listed>") : model.displayField(row, field));
    return texts;
}

qint64 TstTimeline::count(const QString& sql) {
    DbQuery rows;
    if (!m_db->DatabaseFirma().select(SqlStatement(sql), &rows).ok() || !rows.next())
        return -1;
    return rows.value(0).toLongLong();
}

NotesBook TstTimeline::stored() {
    NotesBook notes;
    [&] { QVERIFY(notes.load(m_db->DatabaseFirma(), m_db->errorReport())); }();
    return notes;
}

// One row of a check table: the fields worked on a new record, the first message ("" when
// saved) with its focused control, and the texts of fields afterwards.
void TstTimeline::checkTable(RecordDialog& dialog) {
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    QFETCH(QString, focused);
    QFETCH(QStringList, after);
    dialog.setRecord(Record());
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    enterAll(&dialog, fields);
    m_messages.clear();
    dialog.saveButton()->click();
    if (message.isEmpty()) {
        QVERIFY2(m_messages.shown().isEmpty(), qPrintable(m_messages.texts().join(u'|')));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    } else {
        QCOMPARE(m_messages.texts(), QStringList{message});
        QCOMPARE(m_messages.shown().first().title, QStringLiteral("Uwaga"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString(), focused);
    }
    for (const QString& pair : after) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        QCOMPARE(text(&dialog, pair.left(eq)), pair.mid(eq + 1));
    }
}

#define CHECK_COLUMNS()                      \
    QTest::addColumn<QStringList>("fields"); \
    QTest::addColumn<QString>("message");    \
    QTest::addColumn<QString>("focused");    \
    QTest::addColumn<QStringList>("after")

void TstTimeline::scheduleChecks_data() {
    CHECK_COLUMNS();
    const QString from = QStringLiteral("Niepoprawny format daty od. Popraw pole");
    const QString to = QStringLiteral("Niepoprawny format daty do. Popraw pole");
    const QStringList dated{"fDATAOD=01.03.2024", "fDATADO=10.03.2024"};
    QTest::newRow("reading rewritten before the dates")
        << QStringList{"fLICZTERM=abc"} << from << "fDATAOD" << QStringList{"fLICZTERM=0,00"};
    QTest::newRow("no start") << QStringList{"fDATADO=10.03.2024"} << from << "fDATAOD"
                              << QStringList{};
    QTest::newRow("partial start") << QStringList{"fDATAOD=01.03.", "fDATADO=10.03.2024"} << from
                                   << "fDATAOD" << QStringList{};
    QTest::newRow("no end") << QStringList{"fDATAOD=01.03.2024"} << to << "fDATADO"
                            << QStringList{};
    QTest::newRow("end before start") << QStringList{"fDATAOD=02.03.2024", "fDATADO=01.03.2024"}
                                      << "Data od większa niż data do. Popraw pola"
                                      << "fDATAOD" << QStringList{};
    QTest::newRow("one day") << QStringList{"fDATAOD=02.03.2024", "fDATADO=02.03.2024"} << ""
                             << "" << QStringList{};
    QTest::newRow("nothing chosen")
        << dated << ""
        << ""
        << QStringList{"fSPRODDO=Datę do",
                       "fNREW=", "fIDPOJAZDU=", "fRODZAJTERMINU=", "fLICZTERM=0,00"};
    QTest::newRow("reading with two decimals") << dated + QStringList{"fLICZTERM=150.5"} << ""
                                               << "" << QStringList{"fLICZTERM=150,50"};
    QTest::newRow("contractor cleared")
        << dated + QStringList{"fKONTRAHENT=Firma X", "!fKONTRAHENTClear"} << ""
        << "" << QStringList{"fKONTRAHENT="};
}

void TstTimeline::scheduleChecks() {
    TfTerminarz dialog(*m_db, m_messages);
    checkTable(dialog);
}

void TstTimeline::readingChecks_data() {
    CHECK_COLUMNS();
    const QString date = QStringLiteral("Niepoprawny format daty. Popraw pole");
    QTest::newRow("no date") << QStringList{"fNRREJ=WZ 1001", "fLICZNIK=x"} << date << "fDATA"
                             << QStringList{"fLICZNIK=0,00"};
    QTest::newRow("date before vehicle")
        << QStringList{"fDATA=05.13.2024"} << date << "fDATA" << QStringList{};
    QTest::newRow("no vehicle") << QStringList{"fDATA=05.03.2024"}
                                << "Nie wskazano pojazdu. Popraw pole"
                                << "fNRREJ" << QStringList{};
    QTest::newRow("valid") << QStringList{"fDATA=05.03.2024", "fNRREJ=WZ 1002", "fLICZNIK=12,345"}
                           << ""
                           << "" << QStringList{"fLICZNIK=12,35"};
}

void TstTimeline::readingChecks() {
    TfPrzebiegi dialog(*m_db, m_messages);
    checkTable(dialog);
}

void TstTimeline::scheduleRoundTrip() {
    m_messages.clear();
    ListModel events(RegisterId::Terminarz);
    Script add({[](RecordDialog* d) {
        enterAll(d,
                 {"fDATAOD=01.03.2024", "fDATADO=10.03.2024", "fSPRODDO=Datę od", "fLICZTERM=15000",
                  "fNREW=Nowak", "fIDPOJAZDU=WZ 1001", "fKONTRAHENT=Serwis Łódź",
                  "fRODZAJTERMINU=Ubezpieczenie", "fOPIS=Polisa 'OC'"});
        save(d);
    }});
    const RecordEditors::Outcome added = run(RegisterId::Terminarz, Mode::Add, events, -1);
    QVERIFY(add.played());
    QVERIFY(added.saved);
    const QStringList fields{"DATAOD",    "DATADO", "SPRODDO",    "LICZTERM", "RODZAJ",
                             "IDPOJAZDU", "OSOBA",  "KONTRAHENT", "OPIS"};
    const QString car = QString::number(m_vehicles.value(QStringLiteral("WZ 1001")));
    QCOMPARE(shown(events, added.key, fields),
             (QStringList{"01.03.2024", "10.03.2024", "O", "15000", "Ubezpieczenie", car,
                          "Nowak Jan (ID K1)", "Serwis Łódź", "Polisa 'OC'"}));

    // Every choice cleared stores none: 0, the empty employee, 0, the empty contractor.
    QStringList prefilled;
    Script edit({[&prefilled](RecordDialog* d) {
        for (const char* name : {"fDATAOD", "fSPRODDO", "fLICZTERM", "fNREW", "fIDPOJAZDU",
                                 "fKONTRAHENT", "fRODZAJTERMINU"})
            prefilled << text(d, QLatin1String(name));
        enterAll(d, {"!fNREWClear", "!fIDPOJAZDUClear", "!fRODZAJTERMINUClear", "!fKONTRAHENTClear",
                     "fSPRODDO=Datę do", "fDATADO=01.03.2024"});
        save(d);
    }});
    const RecordEditors::Outcome edited =
        run(RegisterId::Terminarz, Mode::Edit, events, listed(events, added.key));
    QVERIFY(edit.played());
    QCOMPARE(edited.key, added.key);
    QCOMPARE(prefilled, (QStringList{"01.03.2024", "Datę od", "15000,00", "Nowak Jan (ID K1)",
                                     "WZ 1001", "Serwis Łódź", "Ubezpieczenie"}));
    QCOMPARE(shown(events, added.key,
                   {"DATADO", "SPRODDO", "RODZAJTERMINU", "IDPOJAZDU", "NREW", "KONTRAHENT"}),
             (QStringList{"01.03.2024", "D", "0", "0", "", ""}));
    QVERIFY2(m_messages.shown().isEmpty(), qPrintable(m_messages.texts().join(u'|')));

    // An old row: any other watched date shows "Datę do", the employee "0" nobody.
    TfTerminarz old(*m_db, m_messages);
    Record r;
    r.set(QStringLiteral("SPRODDO"), QStringLiteral("X"));
    r.set(QStringLiteral("NREW"), QStringLiteral("0"));
    old.setRecord(r);
    QCOMPARE(
        (QStringList{text(&old, QStringLiteral("fSPRODDO")), text(&old, QStringLiteral("fNREW"))}),
        (QStringList{"Datę do", ""}));
}

void TstTimeline::lowerReadingKeepsTheMileage() {
    m_messages.clear();
    ListModel readings(RegisterId::Przebiegi);
    const QString vehicle = QString::number(m_vehicles.value(QStringLiteral("WZ 1002")));
    const QString mileage =
        QStringLiteral("SELECT MAX(LICZNIK) FROM przebiegi WHERE IDPOJAZD = ") + vehicle;
    QStringList keys;
    for (const QStringList& typed :
         {QStringList{"fDATA=01.03.2024", "fNRREJ=WZ 1002", "fLICZNIK=1000", "fUWAGI=Pierwszy"},
          QStringList{"fDATA=02.03.2024", "fNRREJ=WZ 1002", "fLICZNIK=900,5"}}) {
        Script add({[&typed](RecordDialog* d) {
            enterAll(d, typed);
            save(d);
        }});
        const RecordEditors::Outcome added = run(RegisterId::Przebiegi, Mode::Add, readings, -1);
        QVERIFY(add.played());
        QVERIFY(added.saved);
        keys << added.key;
    }
    QVERIFY2(m_messages.shown().isEmpty(), qPrintable(m_messages.texts().join(u'|')));
    QCOMPARE(count(mileage), 1000);
    const QStringList fields{"DATA", "NRREJ", "LICZNIK", "UWAGI"};
    QCOMPARE(shown(readings, {keys.first()}, fields),
             (QStringList{"01.03.2024", "WZ 1002", "1000,00", "Pierwszy"}));

    QStringList prefilled;
    Script edit({[&prefilled](RecordDialog* d) {
        for (const char* name : {"fDATA", "fNRREJ", "fLICZNIK", "fUWAGI"})
            prefilled << text(d, QLatin1String(name));
        enterAll(d, {"fLICZNIK=1200", "fUWAGI=Korekta", "fNRREJ=WZ 1001"});
        save(d);
    }});
    const int row = listed(readings, {keys.last()});
    QCOMPARE(run(RegisterId::Przebiegi, Mode::Edit, readings, row).key, QStringList{keys.last()});
    QVERIFY(edit.played());
    QCOMPARE(prefilled, (QStringList{"02.03.2024", "WZ 1002", "900,50", ""}));
    QCOMPARE(shown(readings, {keys.last()}, fields),
             (QStringList{"02.03.2024", "WZ 1001", "1200,00", "Korekta"}));
    QCOMPARE(count(mileage), 1000);
}

void TstTimeline::notebookMovesAndClears() {
    NotesBook notes;
    notes.note(0) = {QString(), QStringLiteral("pierwsza"), QString()};
    notes.note(29) = {QStringLiteral("05.03.2024"), QStringLiteral("ostatnia"), QString()};
    TfNotatki dialog(notes, m_messages, true);
    dialog.show();
    const auto at = [&dialog] {
        return QStringList{text(&dialog, QStringLiteral("ilosc_n")),
                           text(&dialog, QStringLiteral("termin")), noteText(&dialog)};
    };
    QCOMPARE(at(), (QStringList{"1", "..", "pierwsza"}));
    click(&dialog, "BPoprzednia");
    QCOMPARE(at(), (QStringList{"30", "05.03.2024", "ostatnia"}));
    click(&dialog, "BNastepna");
    QCOMPARE(at(), (QStringList{"1", "..", "pierwsza"}));
    click(&dialog, "BPoprzednia");

    // "Wyczyść" asks first; "Nie" keeps the note, "Tak" clears it.
    m_messages.clear();
    m_messages.answerQuestion(false);
    click(&dialog, "BWyczysc");
    QCOMPARE(at(), (QStringList{"30", "05.03.2024", "ostatnia"}));
    QCOMPARE(notes.note(29).text, QStringLiteral("ostatnia"));
    m_messages.answerQuestion(true);
    click(&dialog, "BWyczysc");
    QCOMPARE(at(), (QStringList{"30", "..", ""}));
    QCOMPARE(notes.note(29), NotesBook::Note{});
    QCOMPARE(m_messages.texts(), QStringList(2, QStringLiteral("Czy usunąć bieżącą notatkę?")));
    dialog.reject();
}

void TstTimeline::notebookKeepsTheNote_data() {
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("leave");  // a button, or a key in the date field
    QTest::addColumn<QString>("storedDate");
    QTest::addColumn<QString>("storedText");
    const auto row = [](const char* name, const QString& date, const QString& typed,
                        const char* leave, const QString& storedDate, const QString& storedText) {
        QTest::newRow(name) << date << typed << QString::fromLatin1(leave) << storedDate
                            << storedText;
    };
    const QString text = QStringLiteral("Tekst");
    const QString x255(255, QLatin1Char('x'));
    row("moving on", "05.03.2024", text, "BNastepna", "05.03.2024", text);
    row("an invalid date is emptied", "31.13.2024", text, "BPoprzednia", "", text);
    row("a partial date is emptied", "05.03.", text, "BOK", "", text);
    row("blanks clear the note", "05.03.2024", "  \n  ", "Escape", "", "");
    row("text cut to 255", "", x255 + QStringLiteral("yyy"), "Return", "", x255);
    row("the close box keeps it too", "06.03.2024", text, "close", "06.03.2024", text);
}

void TstTimeline::notebookKeepsTheNote() {
    QFETCH(QString, date);
    QFETCH(QString, typed);
    QFETCH(QString, leave);
    QFETCH(QString, storedDate);
    QFETCH(QString, storedText);
    NotesBook notes;
    notes.note(0) = {QStringLiteral("01.01.2024"), QStringLiteral("stara"), QStringLiteral("r")};
    TfNotatki dialog(notes, m_messages, false);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* dateEdit = dialog.findChild<QLineEdit*>(QStringLiteral("termin"));
    dateEdit->setText(date);
    dialog.findChild<QPlainTextEdit*>(QStringLiteral("notatka"))->setPlainText(typed);
    if (leave == QLatin1String("Escape") || leave == QLatin1String("Return")) {
        dateEdit->setFocus();
        QTest::keyClick(dateEdit,
                        leave == QLatin1String("Escape") ? Qt::Key_Escape : Qt::Key_Return);
    } else if (leave == QLatin1String("close")) {
        dialog.close();
    } else {
        click(&dialog, leave.toLatin1().constData());
    }
    const bool moved = leave.startsWith(QLatin1String("BP")) || leave == QLatin1String("BNastepna");
    QCOMPARE(dialog.isVisible(), moved);
    QCOMPARE(notes.note(0), (NotesBook::Note{storedDate, storedText, QStringLiteral("r")}));
}

// Two computers: this one edits note 2 in the notebook while another has changed note 5,
// and the other saves again afterwards with note 2 as it first read it.
void TstTimeline::notebooksSaveOnlyTheirChanges() {
    DbConnection& db = m_db->DatabaseFirma();
    QVERIFY(db.execute(SqlStatement(QStringLiteral(
                           "UPDATE notatki SET OPIS = 'n' || IDNOTATKI WHERE IDNOTATKI < 11")))
                .ok());
    QVERIFY(m_db->loadNotes());
    DbConnection second(QStringLiteral("second"));
    QVERIFY(second.openCompany(m_location->location(), QStringLiteral("f")).ok());
    NotesBook other;
    QVERIFY(other.load(second, m_db->errorReport()));
    other.note(4).text = QStringLiteral("piąta z drugiego");
    QVERIFY(other.save(second, m_db->errorReport()));

    QStringList seen;
    OnShow step(QStringLiteral("TfNotatki"), [&seen](QDialog* d) {
        click(d, "BNastepna");
        d->findChild<QPlainTextEdit*>(QStringLiteral("notatka"))->setPlainText(u"druga"_qs);
        for (int i = 0; i < 3; ++i)
            click(d, "BNastepna");
        seen << noteText(d);  // the other computer's note 5, read when the notebook opened
        click(d, "BOK");
    });
    TfNotatki::open(nullptr, *m_db, m_messages, false);
    QVERIFY(step.played());
    QCOMPARE(seen, QStringList{u"piąta z drugiego"_qs});

    other.note(9).text = QStringLiteral("dziesiąta");
    QVERIFY(other.save(second, m_db->errorReport()));
    const NotesBook now = stored();
    QCOMPARE((QStringList{now.note(0).text, now.note(1).text, now.note(4).text, now.note(9).text}),
             (QStringList{"n1", "druga", "piąta z drugiego", "dziesiąta"}));
    second.close();
}

void TstTimeline::notesDue() {
    const struct {
        const char* date;
        const char* text;
        bool due;  // on 5.03.2024
    } cases[] = {{"05.03.2024", "x", true}, {"04.03.2024", "x", true}, {"06.03.2024", "x", false},
                 {"", "x", true},           {"06.13.2024", "x", true}, {"01.01.2024", "  ", false}};
    for (const auto& c : cases) {
        NotesBook notes;
        notes.note(3) = {QString::fromLatin1(c.date), QString::fromLatin1(c.text), QString()};
        QVERIFY2(notes.isDue(3, 20240305) == c.due, c.date);
    }
}

void TstTimeline::dueNoteWindow_data() {
    QTest::addColumn<bool>("ask");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("press");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("OK keeps it due") << false << false << "BOK" << false;
    QTest::newRow("Esc keeps it due") << true << false << "Escape" << false;
    QTest::newRow("delete at once") << false << false << "BUsun" << true;
    QTest::newRow("delete answered Nie") << true << false << "BUsun" << false;
    QTest::newRow("delete answered Tak") << true << true << "BUsun" << true;
}

void TstTimeline::dueNoteWindow() {
    QFETCH(bool, ask);
    QFETCH(bool, answer);
    QFETCH(QString, press);
    QFETCH(bool, cleared);
    QVERIFY(m_db->loadNotes());
    m_db->notes().note(6) = {QStringLiteral("01.01.2024"), QStringLiteral("pilna"), QString()};
    QVERIFY(m_db->saveNotes());
    m_messages.clear();
    TfShowNotatka window(*m_db, m_messages, ask);
    window.setNote(6);
    window.show();
    QCOMPARE(text(&window, QStringLiteral("ilosc_n")), QStringLiteral("7"));
    QCOMPARE(noteText(&window), QStringLiteral("pilna"));
    if (press == QLatin1String("Escape")) {
        QTest::keyClick(window.findChild<QPlainTextEdit*>(QStringLiteral("notatka")),
                        Qt::Key_Escape);
    } else {
        if (ask)
            m_messages.answerQuestion(answer);
        click(&window, press.toLatin1().constData());
    }
    QVERIFY(!window.isVisible());
    QVERIFY(!m_messages.unusedAnswers());
    QCOMPARE(stored().note(6).text, cleared ? QString() : QStringLiteral("pilna"));
}

void TstTimeline::notepadStaysOnTop() {
    TfFiszka notepad;
    notepad.show();
    QVERIFY(QTest::qWaitForWindowExposed(&notepad));
    QCOMPARE(notepad.windowTitle(), QStringLiteral("Fiszka - notatki tymczasowe"));
    auto* onTop = notepad.findChild<QCheckBox*>(QStringLiteral("naWierzchu"));
    QCOMPARE(onTop->text(), QStringLiteral("Okno zawsze na wierzchu"));
    onTop->setChecked(true);
    QVERIFY(notepad.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(notepad.isVisible());
    onTop->setChecked(false);
    QVERIFY(!notepad.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(notepad.isVisible());
    QTest::keyClick(notepad.text(), Qt::Key_Escape);
    QVERIFY(!notepad.isVisible());
}

QTEST_MAIN(TstTimeline)
#include "tst_timeline.moc"
