// The time field and the road card and fuel card dialogs: the time rule at its edges, the
// checks in order, the round trips from the dialog to the list on both engines, and the
// fuel card's unique identifier.
#include "DialogScript.h"
#include "ScriptedMessageService.h"
#include "TestDataDir.h"
#include "TestLocation.h"
#include "data/ListModel.h"
#include "data/TmyDataBase.h"
#include "data/engine/RowInsert.h"
#include "data/schema/DatabaseCreator.h"
#include "registers/DictionaryLibraryHook.h"
#include "registers/TimeField.h"
#include "registers/uKDrogowe.h"
#include "registers/uKPaliwowe.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

namespace {

using Mode = RecordEditors::Mode;
const QString kDuplicate = QStringLiteral("Istnieje już karta paliwowa o podanym ID");
const QStringList kRoadBase{"fDATAWYST=01.03.2024", "fNRKARTY=KD/1", "fIDPOJAZD=WZ 1001"};

}  // namespace

class TstCards : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void timeRule_data();
    void timeRule();
    void roadCardChecks_data();
    void roadCardChecks();
    void fuelCardChecks_data();
    void fuelCardChecks();
    void libraryReloadsBothSuggestionLists();
    void roadCardRoundTrip();
    void fuelCardRoundTripAndUniqueKey();

private:
    void checkTable(RecordDialog& dialog);
    RecordEditors::Outcome run(bool road, Mode mode, ListModel& model, int row);
    int listed(ListModel& model, const QStringList& key);
    qint64 count(const QString& sql);

    std::unique_ptr<TestDataDir> m_dataDir;
    std::unique_ptr<TestLocation> m_location;
    ScriptedMessageService m_messages;
    std::unique_ptr<TmyDataBase> m_db;
};

void TstCards::initTestCase() {
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
    const auto add = [this](const char* table, const QStringList& fields,
                            const QStringList& values) {
        FieldValues row;
        for (int i = 0; i < fields.size(); ++i)
            row.append({fields[i], values[i]});
        QVERIFY(insertRow(m_db->DatabaseFirma(), QLatin1String(table), row).ok());
    };
    add("osobowa", {"NREW", "NAZWISKO", "IMIE"}, {"K1", "Nowak", "Jan"});
    add("osobowa", {"NREW", "NAZWISKO", "IMIE"}, {"K2", "Zięba", "Ewa"});
    add("pojazdy", {"NRREJ", "IDKIEROWCY"}, {"WZ 1001", "K1"});
    add("pojazdy", {"NRREJ", "IDKIEROWCY"}, {"WZ 1002", "K2"});
    add("slowniki", {"IDSLOWNIK", "OPIS"}, {"CELWY", "Delegacja"});
    add("slowniki", {"IDSLOWNIK", "OPIS"}, {"TRASY", "Warszawa - Łódź"});
}

RecordEditors::Outcome TstCards::run(bool road, Mode mode, ListModel& model, int row) {
    RecordEditors::Request request{
        nullptr, *m_db, m_messages, model, row, mode, {}, QStringLiteral("Firma"), nullptr, {}};
    request.rights.set();
    return road ? RoadCardEditor::edit(request) : FuelCardEditor::edit(request);
}

int TstCards::listed(ListModel& model, const QStringList& key) {
    return m_db->refreshList(model.registerId(), model) ? model.findRow(key) : -1;
}

qint64 TstCards::count(const QString& sql) {
    DbQuery rows;
    if (!m_db->DatabaseFirma().select(SqlStatement(sql), &rows).ok() || !rows.next())
        return -1;
    return rows.value(0).toLongLong();
}

void TstCards::timeRule_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("empty");
    QTest::addColumn<qint64>("stored");
    QTest::newRow("23:59") << "23:59" << true << false << qint64(2359);
    QTest::newRow("07:05") << "07:05" << true << false << qint64(705);
    QTest::newRow("24:00") << "24:00" << false << false << qint64(0);
    QTest::newRow("12:60") << "12:60" << false << false << qint64(0);
    QTest::newRow("12:5") << "12:5" << false << false << qint64(0);
    QTest::newRow("empty") << "" << false << true << qint64(0);
}

void TstCards::timeRule() {
    QFETCH(QString, typed);
    QFETCH(bool, valid);
    QFETCH(bool, empty);
    QFETCH(qint64, stored);
    TimeField field(QStringLiteral("fGODZSTART"));
    field.setText(typed);
    QCOMPARE((QList<qint64>{field.isValid(), field.isEmpty(), field.timeNumber()}),
             (QList<qint64>{valid, empty, stored}));
    // A stored time comes back as typed; 0 as the empty mask.
    field.setTimeNumber(stored);
    QCOMPARE(field.text(), stored ? typed : QStringLiteral("  :  "));
}

// One row of a check table: the fields worked on a new record, the first message ("" when
// saved) with its focused control, and the texts of fields afterwards.
void TstCards::checkTable(RecordDialog& dialog) {
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    QFETCH(QString, focused);
    QFETCH(QStringList, after);
    dialog.setRecord(Record());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    enterAll(&dialog, fields);
    m_messages.clear();
    dialog.saveButton()->click();
    QCOMPARE(m_messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(dialog.isVisible(), !message.isEmpty());
    if (!message.isEmpty()) {
        QCOMPARE(m_messages.shown().first().title, QStringLiteral("Uwaga"));
        QCOMPARE(dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString(), focused);
    }
    for (const QString& pair : after)
        QCOMPARE(text(&dialog, pair.section(u'=', 0, 0)), pair.section(u'=', 1));
}

#define CHECK_COLUMNS()                      \
    QTest::addColumn<QStringList>("fields"); \
    QTest::addColumn<QString>("message");    \
    QTest::addColumn<QString>("focused");    \
    QTest::addColumn<QStringList>("after")

void TstCards::roadCardChecks_data() {
    CHECK_COLUMNS();
    const QString readings = QStringLiteral(
        "Stan licznika po powrocie mniejszy od licznika przed wyjazdem. Popraw pole");
    const QStringList base = kRoadBase;
    QTest::newRow("readings 0, dates and times empty")
        << base << ""
        << "" << QStringList{"fLICZSTART=0,00", "fLICZEND=0,00", "fCZAS=0,00"};
    QTest::newRow("decimals rewritten")
        << base + QStringList{"fLICZEND=12.5", "fODPOCZYNEK=x", "fGODZSUMA=9,25"} << ""
        << "" << QStringList{"fLICZEND=12,50", "fODPOCZYNEK=0,00", "fGODZSUMA=9,25"};
    QTest::newRow("end below start") << base + QStringList{"fLICZSTART=100", "fLICZEND=99,99"}
                                     << readings << "fLICZSTART" << QStringList{};
    QTest::newRow("start not a number is 0")
        << base + QStringList{"fLICZSTART=abc", "fLICZEND=5"} << ""
        << "" << QStringList{"fLICZSTART=0,00"};
    QTest::newRow("readings first")
        << QStringList{"fLICZSTART=10", "fLICZEND=5"} << readings << "fLICZSTART" << QStringList{};
    QTest::newRow("blank card number")
        << QStringList{"fDATAWYST=01.03.2024", "fNRKARTY=   ", "fIDPOJAZD=WZ 1001"}
        << "Nie podano numeru karty drogowej. Popraw pole"
        << "fNRKARTY" << QStringList{};
    QTest::newRow("no issue date") << QStringList{"fNRKARTY=KD/1", "fIDPOJAZD=WZ 1001"}
                                   << "Niepoprawny format daty wystawienia. Popraw pole"
                                   << "fDATAWYST" << QStringList{};
    QTest::newRow("partial start date") << base + QStringList{"fDATASTART=05.03."}
                                        << "Niepoprawny format daty rozpoczęcia pracy. Popraw pole"
                                        << "fDATASTART" << QStringList{};
    QTest::newRow("start hour 24") << base + QStringList{"fGODZSTART=24:00"}
                                   << "Niepoprawny format godziny rozpoczęcia pracy. Popraw pole"
                                   << "fGODZSTART" << QStringList{};
    QTest::newRow("bad end date") << base + QStringList{"fDATAEND=31.13.2024"}
                                  << "Niepoprawny format daty zakończenia pracy. Popraw pole"
                                  << "fDATAEND" << QStringList{};
    QTest::newRow("end minute 60") << base + QStringList{"fGODZEND=12:60"}
                                   << "Niepoprawny format godziny zakończenia pracy. Popraw pole"
                                   << "fGODZEND" << QStringList{};
    QTest::newRow("no vehicle") << QStringList{"fDATAWYST=01.03.2024", "fNRKARTY=KD/1"}
                                << "Nie wskazano pojazdu. Popraw pole"
                                << "fIDPOJAZD" << QStringList{};
    QTest::newRow("vehicle brings its driver, number trimmed")
        << QStringList{"fDATAWYST=01.03.2024", "fNRKARTY= KD/2 ", "fIDPOJAZD=WZ 1001"} << ""
        << "" << QStringList{"fIDKIEROWCY=Nowak Jan (ID K1)", "fNRKARTY=KD/2"};
}

void TstCards::roadCardChecks() {
    TfKDrogowe dialog(*m_db, m_messages);
    checkTable(dialog);
}

void TstCards::fuelCardChecks_data() {
    CHECK_COLUMNS();
    const QString expiry = QStringLiteral("Niepoprawny format terminu ważności karty. Popraw pole");
    QTest::newRow("expiry first") << QStringList{"fTERMIN=12.20.2025"} << expiry << "fTERMIN"
                                  << QStringList{};
    QTest::newRow("blank identifier") << QStringList{"fIDKARTY=   ", "fTERMIN=31.12.2025"}
                                      << "Nie wprowadzono ID karty. Popraw pole"
                                      << "fIDKARTY" << QStringList{};
    QTest::newRow("identifier trimmed, PIN as typed, vehicle brings its holder")
        << QStringList{"fIDKARTY= FC 9 ", "fPIN= 0042 ", "fNRREJ=WZ 1002"} << ""
        << "" << QStringList{"fIDKARTY=FC 9", "fPIN= 0042 ", "fIDKIEROWCY=Zięba Ewa (ID K2)"};
}

void TstCards::fuelCardChecks() {
    TfKPaliwowe dialog(*m_db, m_messages);
    checkTable(dialog);
}

void TstCards::libraryReloadsBothSuggestionLists() {
    // The library, opened on one dictionary, adds an entry to each of the two.
    QStringList opened;
    DictionaryLibraryHook::install([&opened](QWidget*, TmyDataBase& db, const QString& code) {
        opened << code;
        for (const char* dictionary : {"CELWY", "TRASY"})
            QVERIFY(
                insertRow(db.DatabaseFirma(), QStringLiteral("slowniki"),
                          {{QStringLiteral("IDSLOWNIK"), QLatin1String(dictionary)},
                           {QStringLiteral("OPIS"), QStringLiteral("Nowy %1").arg(opened.size())}})
                    .ok());
    });
    TfKDrogowe dialog(*m_db, m_messages);
    dialog.setRecord(Record());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    enterAll(&dialog,
             {"fCELWYJAZDU=Cel", "fTRASA=Trasa", "!fTRASABiblioteka", "!fCELWYJAZDUBiblioteka"});
    DictionaryLibraryHook::install({});
    QCOMPARE(opened, (QStringList{"TRASY", "CELWY"}));
    for (const char* name : {"fCELWYJAZDU", "fTRASA"}) {
        auto* combo = dialog.findChild<QComboBox*>(QLatin1String(name));
        QVERIFY(combo->findText(QStringLiteral("Nowy 1")) >= 0);
        QVERIFY(combo->findText(QStringLiteral("Nowy 2")) >= 0);
    }
    QCOMPARE((QStringList{text(&dialog, QStringLiteral("fCELWYJAZDU")),
                          text(&dialog, QStringLiteral("fTRASA"))}),
             (QStringList{"Cel", "Trasa"}));
    QVERIFY(
        m_db->DatabaseFirma()
            .execute(SqlStatement(QStringLiteral("DELETE FROM slowniki WHERE OPIS LIKE 'Nowy %'")))
            .ok());
}

void TstCards::roadCardRoundTrip() {
    ListModel cards(RegisterId::KDrogowe);
    Script add({[](RecordDialog* d) {
        enterAll(
            d, kRoadBase + QStringList{"fPRAWOJAZDY=AB 123", "@fCELWYJAZDU=Deleg",
                                       "@fTRASA=Warszawa", "fDATASTART=01.03.2024",
                                       "fGODZSTART=07:05", "fDATAEND=02.03.2024", "fGODZEND=23:59",
                                       "fLICZSTART=1000,5", "fLICZEND=1250", "fCZAS=7,5",
                                       "fODPOCZYNEK=11", "fGODZSUMA=9,75", "fUWAGI=Bez uwag"});
        save(d);
    }});
    const RecordEditors::Outcome added = run(true, Mode::Add, cards, -1);
    QVERIFY(add.played() && added.saved);
    int row = listed(cards, added.key);
    QVERIFY(row >= 0);
    QStringList shown;
    for (const char* f : {"NRKARTY", "DATAWYST", "NRREJ", "NAZWISKO", "CELWYJAZDU", "TRASA",
                          "DATASTART", "GODZSTART", "DATAEND", "GODZEND", "LICZSTART", "LICZEND",
                          "CZAS", "ODPOCZYNEK", "GODZSUMA", "PRAWOJAZDY", "UWAGI"})
        shown << cards.displayField(row, QLatin1String(f));
    QCOMPARE(shown,
             (QStringList{"KD/1", "01.03.2024", "WZ 1001", "Nowak Jan (ID K1)", "Delegacja",
                          "Warszawa - Łódź", "01.03.2024", "07:05", "02.03.2024", "23:59",
                          "1000,50", "1250,00", "7,50", "11,00", "9,75", "AB 123", "Bez uwag"}));
    QCOMPARE(cards.raw(row, QStringLiteral("GODZSTART")).toLongLong(), 705);

    // A copy saved unchanged: two cards may carry the same number.
    Script copy({[](RecordDialog* d) { save(d); }});
    const RecordEditors::Outcome copied = run(true, Mode::Copy, cards, row);
    QVERIFY(copy.played() && copied.saved && copied.key != added.key);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM kartydrogowe WHERE NRKARTY = 'KD/1'")), 2);

    // The edit shows the stored values; a chosen driver stays when the vehicle changes, and
    // emptied start date and time and a cleared driver store 0, 0 and the empty text.
    QStringList prefilled;
    Script edit({[&prefilled](RecordDialog* d) {
        for (const char* name : {"fIDKIEROWCY", "fGODZSTART", "fGODZEND", "fLICZSTART"})
            prefilled << text(d, QLatin1String(name));
        enterAll(d, {"fIDPOJAZD=WZ 1002"});
        prefilled << text(d, QStringLiteral("fIDKIEROWCY"));
        enterAll(d, {"fDATASTART=", "fGODZSTART=", "!fIDKIEROWCYClear"});
        save(d);
    }});
    const RecordEditors::Outcome edited = run(true, Mode::Edit, cards, listed(cards, copied.key));
    QVERIFY(edit.played() && edited.saved);
    QCOMPARE(edited.key, copied.key);
    QCOMPARE(prefilled,
             (QStringList{"Nowak Jan (ID K1)", "07:05", "23:59", "1000,50", "Nowak Jan (ID K1)"}));
    row = listed(cards, copied.key);
    QVERIFY(row >= 0);
    QCOMPARE((QStringList{cards.raw(row, QStringLiteral("DATASTART")).toString(),
                          cards.raw(row, QStringLiteral("GODZSTART")).toString(),
                          cards.raw(row, QStringLiteral("IDKIEROWCY")).toString(),
                          cards.displayField(row, QStringLiteral("NRREJ"))}),
             (QStringList{"0", "0", "", "WZ 1002"}));

    // The cost dialog's road card list offers both cards.
    QStringList offered;
    for (const LookupEntry& entry : m_db->lookups().roadCards())
        offered << entry.key.toString() + QLatin1Char('|') + entry.text;
    QCOMPARE(offered, (QStringList{added.key.first() + QStringLiteral("|KD/1"),
                                   copied.key.first() + QStringLiteral("|KD/1")}));
}

void TstCards::fuelCardRoundTripAndUniqueKey() {
    m_messages.clear();
    ListModel cards(RegisterId::KPaliwowe);
    Script add({[](RecordDialog* d) {
        enterAll(d, {"fIDKARTY=FC-1", "fNAZWA=Flota", "fSTACJA=Orlen", "fNRREJ=WZ 1001",
                     "fWWW=karta.example", "fEMAIL=obsluga@karta.example", "fPIN=1234",
                     "fUWAGI=Limit 2000"});
        save(d);
    }});
    const RecordEditors::Outcome added = run(false, Mode::Add, cards, -1);
    QVERIFY(add.played() && added.saved);
    QCOMPARE(added.key, QStringList{QStringLiteral("FC-1")});
    int row = listed(cards, added.key);
    QVERIFY(row >= 0);
    QStringList shown;
    for (const char* f : {"IDKARTY", "NAZWA", "STACJA", "NRREJ", "NAZWISKO", "TERMIN", "WWW",
                          "EMAIL", "PIN", "UWAGI"})
        shown << cards.displayField(row, QLatin1String(f));
    QCOMPARE(shown, (QStringList{"FC-1", "Flota", "Orlen", "WZ 1001", "Nowak Jan (ID K1)", "",
                                 "karta.example", "obsluga@karta.example", "1234", "Limit 2000"}));
    QCOMPARE(cards.raw(row, QStringLiteral("TERMIN")).toLongLong(), 0);

    // A second card with the same identifier is refused and shown again with its input.
    QStringList reopened;
    Script duplicate({[](RecordDialog* d) {
                          enterAll(d, {"fIDKARTY=FC-1", "fNAZWA=Druga", "fTERMIN=31.12.2026"});
                          save(d);
                      },
                      [&reopened](RecordDialog* d) {
                          reopened << text(d, QStringLiteral("fIDKARTY"))
                                   << text(d, QStringLiteral("fNAZWA"));
                          enter(d, QStringLiteral("fIDKARTY=FC-2"));
                          save(d);
                      }});
    const RecordEditors::Outcome second = run(false, Mode::Add, cards, -1);
    QVERIFY(duplicate.played() && second.saved);
    QCOMPARE(m_messages.texts(), QStringList{kDuplicate});
    QCOMPARE(m_messages.shown().first().title, QStringLiteral("Uwaga"));
    QCOMPARE(reopened, (QStringList{"FC-1", "Druga"}));
    QCOMPARE(count(QStringLiteral("SELECT TERMIN FROM kpaliwowe WHERE IDKARTY = 'FC-2'")),
             20261231);

    // An edit keeping its identifier is never refused; one taking another card's is.
    m_messages.clear();
    Script keep({[](RecordDialog* d) {
        enter(d, QStringLiteral("fNAZWA=Druga karta"));
        save(d);
    }});
    QVERIFY(run(false, Mode::Edit, cards, listed(cards, second.key)).saved && keep.played());
    QVERIFY2(m_messages.shown().isEmpty(), qPrintable(m_messages.texts().join(u'|')));
    Script taken({[](RecordDialog* d) {
                      enter(d, QStringLiteral("fIDKARTY=FC-1"));
                      save(d);
                  },
                  [](RecordDialog* d) { cancel(d); }});
    QVERIFY(!run(false, Mode::Edit, cards, listed(cards, second.key)).saved && taken.played());
    QCOMPARE(m_messages.texts(), QStringList{kDuplicate});

    // Renaming a card carries the new identifier into the costs paid with it; the cleared
    // vehicle and holder store 0 and the empty text.
    QVERIFY(insertRow(m_db->DatabaseFirma(), QStringLiteral("koszty"),
                      {{QStringLiteral("DATA"), 20240301}, {QStringLiteral("IDKARTY"), "FC-1"}})
                .ok());
    Script rename({[](RecordDialog* d) {
        enterAll(d, {"fIDKARTY=FC-7", "!fNRREJClear", "!fIDKIEROWCYClear"});
        save(d);
    }});
    const RecordEditors::Outcome renamed = run(false, Mode::Edit, cards, listed(cards, added.key));
    QVERIFY(rename.played() && renamed.saved);
    QCOMPARE(renamed.key, QStringList{QStringLiteral("FC-7")});
    QVERIFY(listed(cards, added.key) < 0);
    row = listed(cards, renamed.key);
    QVERIFY(row >= 0);
    QCOMPARE((QStringList{cards.raw(row, QStringLiteral("IDPOJAZD")).toString(),
                          cards.raw(row, QStringLiteral("IDKIEROWCY")).toString(),
                          cards.displayField(row, QStringLiteral("NAZWA"))}),
             (QStringList{"0", "", "Flota"}));
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM koszty WHERE IDKARTY = 'FC-7'")), 1);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM koszty WHERE IDKARTY = 'FC-1'")), 0);

    // The cost dialog's fuel card list offers the cards as "IDKARTY NAZWA".
    QStringList offered;
    for (const LookupEntry& entry : m_db->lookups().fuelCards())
        offered << entry.key.toString() + QLatin1Char('|') + entry.text;
    QCOMPARE(offered, (QStringList{"FC-2|FC-2 Druga karta", "FC-7|FC-7 Flota"}));
}

QTEST_MAIN(TstCards)
#include "tst_cards.moc"
