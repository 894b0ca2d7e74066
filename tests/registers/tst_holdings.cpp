// The order, document, equipment and store dialogs: their checks in order, the flows from
// the dialog to the list on both engines, the order number as a key and the hand-on of a
// saved order to the settlements.
#include "DialogScript.h"
#include "ScriptedMessageService.h"
#include "TestDataDir.h"
#include "TestLocation.h"
#include "data/ListModel.h"
#include "data/TmyDataBase.h"
#include "data/engine/RowInsert.h"
#include "data/schema/DatabaseCreator.h"
#include "registers/uDokumenty.h"
#include "registers/uMagazyn.h"
#include "registers/uRozliczenia.h"
#include "registers/uWyposazenie.h"
#include "registers/uZlecenia.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

namespace {

using Mode = RecordEditors::Mode;

constexpr size_t kSettlementsWrite = 38;

// Each "name=text" against what read(name) gives.
void expect(const QStringList& pairs, const std::function<QString(const QString&)>& read) {
    for (const QString& pair : pairs) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        const QString seen = read(pair.left(eq));
        QVERIFY2(seen == pair.mid(eq + 1), qPrintable(pair + QStringLiteral(" but ") + seen));
    }
}

// "FIELD=text" is the list's display text, "#FIELD=value" the stored value.
void compareListed(const ListModel& model, int row, const QStringList& pairs) {
    expect(pairs, [&](const QString& name) {
        return name.startsWith(QLatin1Char('#')) ? model.raw(row, name.mid(1)).toString()
                                                 : model.displayField(row, name);
    });
}

void compareControls(QWidget* dialog, const QStringList& pairs) {
    expect(pairs, [dialog](const QString& name) { return text(dialog, name); });
}

}  // namespace

class TstHoldings : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void checks_data();
    void checks();
    void orderRoundTripAndUniqueNumber();
    void orderHandOnToSettlement_data();
    void orderHandOnToSettlement();
    void roundTrip_data();
    void roundTrip();

private:
    RecordEditors::Outcome run(RegisterId id, Mode mode, ListModel& model, int row,
                               bool settlementsRight = true,
                               const RecordEditors::HandOn* handOn = nullptr);
    int listed(ListModel& model, const QStringList& key);

    std::unique_ptr<TestDataDir> m_dataDir;
    std::unique_ptr<TestLocation> m_location;
    ScriptedMessageService m_messages;
    std::unique_ptr<TmyDataBase> m_db;
};

void TstHoldings::initTestCase() {
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
    for (const auto& [nrew, surname, name] :
         {std::tuple{"K1", "Nowak", "Jan"}, std::tuple{"K2", "Zięba", "Ewa"}})
        QVERIFY(insertRow(db, QStringLiteral("osobowa"),
                          {{QStringLiteral("NREW"), QString::fromUtf8(nrew)},
                           {QStringLiteral("NAZWISKO"), QString::fromUtf8(surname)},
                           {QStringLiteral("IMIE"), QString::fromUtf8(name)}})
                    .ok());
    for (const auto& [registration, rate] :
         {std::pair{"WZ 1001", 55.5}, std::pair{"WZ 1002", 40.0}})
        QVERIFY(insertRow(db, QStringLiteral("pojazdy"),
                          {{QStringLiteral("NRREJ"), QString::fromLatin1(registration)},
                           {QStringLiteral("RODZAJ"), 1},
                           {QStringLiteral("STAWKA"), rate},
                           {QStringLiteral("STATUS"), 0}})
                    .ok());
    for (const auto& [dictionary, text] :
         {std::pair{"KONTR", "Budmax"}, std::pair{"TRASY", "Plac budowy"}})
        QVERIFY(insertRow(db, QStringLiteral("slowniki"),
                          {{QStringLiteral("IDSLOWNIK"), QString::fromLatin1(dictionary)},
                           {QStringLiteral("OPIS"), QString::fromUtf8(text)}})
                    .ok());
}

RecordEditors::Outcome TstHoldings::run(RegisterId id, Mode mode, ListModel& model, int row,
                                        bool settlementsRight,
                                        const RecordEditors::HandOn* handOn) {
    RecordEditors::Request request{
        nullptr, *m_db, m_messages, model, row, mode, {}, QStringLiteral("Firma"), handOn, {}};
    request.rights.set();
    request.rights.set(kSettlementsWrite, settlementsRight);
    switch (id) {
        case RegisterId::Zlecenia:
            return OrderEditor::edit(request);
        case RegisterId::Rozliczenia:
            return SettlementEditor::edit(request);
        case RegisterId::Dokumenty:
            return DocumentEditor::edit(request);
        case RegisterId::Wyposazenie:
            return EquipmentEditor::edit(request);
        default:
            return StoreEditor::edit(request);
    }
}

int TstHoldings::listed(ListModel& model, const QStringList& key) {
    if (!m_db->refreshList(model.registerId(), model))
        return -1;
    return model.findRow(key);
}

void TstHoldings::checks_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("message");  // "" when saved
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QStringList>("after");
    const auto row = [](const char* name, RegisterId id, const QStringList& fields,
                        const char* message, const char* focused, const QStringList& after = {}) {
        QTest::newRow(name) << int(id) << fields << QString::fromUtf8(message)
                            << QString::fromLatin1(focused) << after;
    };
    const RegisterId order = RegisterId::Zlecenia;
    const QStringList number{"fNRDOKUMENTU=Z/9"};
    const QStringList vehicle{"fIDPOJAZDU=WZ 1001"};
    const QStringList dated{"fDATAOD=01.02.2024", "fDATADO=03.02.2024"};
    row("order: no number", order, vehicle + dated, "Nie podano numeru zlecenia", "fNRDOKUMENTU");
    row("order: blank number", order, QStringList{"fNRDOKUMENTU=   "} + vehicle + dated,
        "Nie podano numeru zlecenia", "fNRDOKUMENTU");
    row("order: no vehicle", order, number + dated, "Nie wskazano pojazdu. Popraw pole",
        "fIDPOJAZDU");
    row("order: a cleared vehicle is a choice", order,
        number + dated + QStringList{"!fIDPOJAZDUClear"}, "", "");
    row("order: no start", order, number + vehicle + QStringList{"fDATADO=03.02.2024"},
        "Niepoprawny format daty od. Popraw pole", "fDATAOD");
    row("order: partial end", order,
        number + vehicle + QStringList{"fDATAOD=01.02.2024", "fDATADO=03.02."},
        "Niepoprawny format daty do. Popraw pole", "fDATADO");
    row("order: ends a day before it starts", order,
        number + vehicle + QStringList{"fDATAOD=02.02.2024", "fDATADO=01.02.2024"},
        "Data od większa niż data do. Popraw pola", "fDATAOD");
    row("order: ends the day it starts", order,
        number + vehicle + QStringList{"fDATAOD=02.02.2024", "fDATADO=02.02.2024"}, "", "");
    row("order: contractor cleared", order,
        number + vehicle + dated + QStringList{"fKONTRAHENT=Firma X", "!fKONTRAHENTClear"}, "", "",
        {"fKONTRAHENT="});

    const RegisterId document = RegisterId::Dokumenty;
    row("document: no date, the reading rewritten first", document,
        {"fNRREJ=WZ 1001", "fLICZTERM=12a"}, "Niepoprawny format daty dokumentu. Popraw pole",
        "fDATA", {"fLICZTERM=0,00"});
    row("document: bad term", document,
        {"fDATA=01.02.2024", "fTERMIN=01.13.2024", "fNRREJ=WZ 1001"},
        "Niepoprawny format terminu ważności dokumentu. Popraw pole", "fTERMIN");
    row("document: no vehicle", document, {"fDATA=01.02.2024"}, "Nie wskazano pojazdu. Popraw pole",
        "fNRREJ");
    row("document: an empty term passes", document,
        {"fDATA=01.02.2024", "fNRREJ=WZ 1001", "fLICZTERM=1.5"}, "", "", {"fLICZTERM=1,50"});

    const RegisterId equipment = RegisterId::Wyposazenie;
    row("equipment: no date, the readings rewritten first", equipment,
        {"fNRREJ=WZ 1001", "fLICZNIK=x"},
        "Niepoprawny format daty montażu elementu wyposażenia. Popraw pole", "fDATA",
        {"fLICZNIK=0,00", "fLICZTERM=0,00"});
    row("equipment: bad term", equipment, {"fDATA=01.02.2024", "fTERMIN=05.03.", "fNRREJ=WZ 1001"},
        "Niepoprawny format terminu ważności elementu wyposażenia. Popraw pole", "fTERMIN");
    row("equipment: no vehicle", equipment, {"fDATA=01.02.2024"},
        "Nie wskazano pojazdu. Popraw pole", "fNRREJ");

    const RegisterId store = RegisterId::Magazyn;
    row("store: blank name", store, {"fCZESC=   ", "fILOSC=2"},
        "Nie podano nazwy zasobu. Popraw pole", "fCZESC");
    row("store: not a number is 0", store, {"fCZESC=Olej", "fILOSC=abc", "fPRZYPOMNIJ=2,5"}, "", "",
        {"fILOSC=0,00", "fPRZYPOMNIJ=2,50"});
}

void TstHoldings::checks() {
    QFETCH(int, id);
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    QFETCH(QString, focused);
    QFETCH(QStringList, after);
    std::unique_ptr<RecordDialog> dialog;
    switch (RegisterId(id)) {
        case RegisterId::Zlecenia:
            dialog = std::make_unique<TfZlecenia>(*m_db, m_messages);
            break;
        case RegisterId::Dokumenty:
            dialog = std::make_unique<TfDokumenty>(*m_db, m_messages);
            break;
        case RegisterId::Wyposazenie:
            dialog = std::make_unique<TfWyposazenie>(*m_db, m_messages);
            break;
        default:
            dialog = std::make_unique<TfMagazyn>(m_messages);
    }
    dialog->setRecord(Record());
    dialog->show();
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    enterAll(dialog.get(), fields);
    m_messages.clear();
    dialog->saveButton()->click();
    if (message.isEmpty()) {
        QVERIFY2(m_messages.shown().isEmpty(), qPrintable(m_messages.texts().join(u'|')));
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
    } else {
        QCOMPARE(m_messages.texts(), QStringList{message});
        QCOMPARE(m_messages.shown().first().title, QStringLiteral("Uwaga"));
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString(), focused);
    }
    compareControls(dialog.get(), after);
}

void TstHoldings::orderRoundTripAndUniqueNumber() {
    m_messages.clear();
    ListModel orders(RegisterId::Zlecenia);
    QStringList suggested;
    Script add({[&suggested](RecordDialog* d) {
        for (const char* name : {"fKONTRAHENT", "fTRASA"})
            suggested << d->findChild<QComboBox*>(QLatin1String(name))->itemText(0);
        enterAll(d, {"fNRDOKUMENTU= Z/1 ", "fDATAOD=01.03.2024", "fDATADO=05.03.2024",
                     "fNREW=Zięba", "fIDPOJAZDU=WZ 1001", "@fKONTRAHENT=Budmax",
                     "fRODZAJPRAC=Prace ziemne", "@fTRASA=Plac", "fOPIS=Wykop"});
        save(d);
    }});
    const RecordEditors::Outcome added = run(RegisterId::Zlecenia, Mode::Add, orders, -1);
    QVERIFY(add.played());
    QVERIFY(added.saved);
    QVERIFY(!added.handOn);
    QCOMPARE(suggested, (QStringList{"Budmax", "Plac budowy"}));
    int row = listed(orders, added.key);
    QVERIFY(row >= 0);
    compareListed(orders, row,
                  {"NRDOKUMENTU=Z/1", "DATAOD=01.03.2024", "DATADO=05.03.2024",
                   "RODZAJPRACO=Prace ziemne", "OSOBA=Zięba Ewa (ID K2)", "#KONTRAHENT=Budmax",
                   "#TRASA=Plac budowy", "#OPIS=Wykop", "#NREW=K2"});

    // Editing without changing the number meets no duplicate; cleared choices store their
    // empty values (no employee is the empty text, never "0").
    Script edit({[](RecordDialog* d) {
        compareControls(d, {"fNRDOKUMENTU=Z/1", "fDATAOD=01.03.2024", "fNREW=Zięba Ewa (ID K2)",
                            "fIDPOJAZDU=WZ 1001", "fKONTRAHENT=Budmax", "fRODZAJPRAC=Prace ziemne",
                            "fTRASA=Plac budowy", "fOPIS=Wykop", "dodajDoRozliczen=0"});
        enterAll(d, {"!fNREWClear", "!fIDPOJAZDUClear", "!fRODZAJPRACClear"});
        save(d);
    }});
    QVERIFY(run(RegisterId::Zlecenia, Mode::Edit, orders, row).saved);
    QVERIFY(edit.played());
    QVERIFY2(m_messages.shown().isEmpty(), qPrintable(m_messages.texts().join(u'|')));
    row = listed(orders, added.key);
    compareListed(orders, row, {"#IDPOJAZDU=0", "#RODZAJPRAC=0", "#NREW=", "OSOBA=", "POJAZD="});

    // A copy keeps its source's number and is refused until the number changes; the
    // cleared vehicle stays a choice.
    QStringList reopened;
    Script copy({[](RecordDialog* d) {
                     enter(d, QStringLiteral("fOPIS=Drugi"));
                     save(d);
                 },
                 [&reopened](RecordDialog* d) {
                     reopened << text(d, QStringLiteral("fNRDOKUMENTU"))
                              << text(d, QStringLiteral("fOPIS"));
                     enter(d, QStringLiteral("fNRDOKUMENTU=Z/2"));
                     save(d);
                 }});
    const RecordEditors::Outcome copied = run(RegisterId::Zlecenia, Mode::Copy, orders, row);
    QVERIFY(copy.played());
    QVERIFY(copied.saved);
    QVERIFY(copied.key != added.key);
    QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Istnieje już taki numer zlecenia")});
    QCOMPARE(m_messages.shown().first().title, QStringLiteral("Uwaga"));
    QCOMPARE(reopened, (QStringList{"Z/1", "Drugi"}));
}

void TstHoldings::orderHandOnToSettlement_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("right");  // writing settlements; orders may always be written
    QTest::addColumn<bool>("tick");
    QTest::newRow("ticked, with the settlements' right") << "Z/H1" << true << true;
    QTest::newRow("not ticked") << "Z/H2" << true << false;
    QTest::newRow("without the settlements' right") << "Z/H3" << false << true;
}

void TstHoldings::orderHandOnToSettlement() {
    QFETCH(QString, number);
    QFETCH(bool, right);
    QFETCH(bool, tick);
    ListModel orders(RegisterId::Zlecenia);
    bool enabled = !right;
    bool checked = true;
    Script script({[&](RecordDialog* d) {
        auto* box = d->findChild<QCheckBox*>(QStringLiteral("dodajDoRozliczen"));
        enabled = box->isEnabled();
        checked = box->isChecked();
        enterAll(d, {QStringLiteral("fNRDOKUMENTU=") + number, "fDATAOD=10.04.2024",
                     "fDATADO=12.04.2024", "fNREW=Nowak", "fIDPOJAZDU=WZ 1002",
                     "@fKONTRAHENT=Budmax", "fRODZAJPRAC=Przewóz", "@fTRASA=Plac", "fOPIS=Dowóz"});
        box->setChecked(tick);  // also where the user could not tick it
        save(d);
    }});
    const RecordEditors::Outcome order = run(RegisterId::Zlecenia, Mode::Add, orders, -1, right);
    QVERIFY(script.played());
    QVERIFY(order.saved);
    QCOMPARE(enabled, right);
    QVERIFY(!checked);
    QCOMPARE(order.handOn.has_value(), right && tick);
    if (!order.handOn)
        return;
    QCOMPARE(order.handOn->target, RegisterId::Rozliczenia);
    QCOMPARE(order.handOn->source, RegisterId::Zlecenia);
    QCOMPARE(order.handOn->values.text(QStringLiteral("IDZLECENIA")), order.key.value(0));

    // The settlement's add opens with the order's values, no hours and no rate.
    ListModel settlements(RegisterId::Rozliczenia);
    Script settle({[&number](RecordDialog* d) {
        compareControls(d, {QStringLiteral("fNRDOKUMENTU=") + number, "fDATAOD=10.04.2024",
                            "fDATADO=12.04.2024", "fNREW=Nowak Jan (ID K1)", "fIDPOJAZDU=WZ 1002",
                            "fKONTRAHENT=Budmax", "fRODZAJPRAC=Przewóz osób", "fTRASA=Plac budowy",
                            "fOPIS=Dowóz", "fGODZINY=0,00", "fSTAWKA=0,00"});
        enter(d, QStringLiteral("fGODZINY=6"));
        save(d);
    }});
    const RecordEditors::Outcome settlement =
        run(RegisterId::Rozliczenia, Mode::HandOn, settlements, -1, right, &*order.handOn);
    QVERIFY(settle.played());
    QVERIFY(settlement.saved);
    const int row = listed(settlements, settlement.key);
    QVERIFY(row >= 0);
    compareListed(settlements, row,
                  {QStringLiteral("NRDOKUMENTU=") + number, "DATAOD=10.04.2024",
                   "OSOBA=Nowak Jan (ID K1)", "RODZAJPRACO=Przewóz osób", "GODZINY=6,00",
                   "#KONTRAHENT=Budmax", "#TRASA=Plac budowy", "#OPIS=Dowóz"});
}

void TstHoldings::roundTrip_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("listedAfterAdd");
    QTest::addColumn<QStringList>("prefilled");
    QTest::addColumn<QStringList>("changed");
    QTest::addColumn<QStringList>("listedAfterEdit");
    // An empty term stores 0, which keeps the record out of the date reminder.
    QTest::newRow("documents")
        << int(RegisterId::Dokumenty)
        << QStringList{"fDATA=15.01.2024", "fNRREJ=WZ 1001", "@fRODZAJ=Polisa OC", "fNAZWA=Polisa",
                       "fNUMER=PL-1",      "fOPIS=Roczna",   "fUWAGI=Agent"}
        << QStringList{"DATA=15.01.2024", "RODZAJ=Polisa OC", "NUMER=PL-1",  "NAZWA=Polisa",
                       "NRREJ=WZ 1001",   "TERMIN=",          "OPIS=Roczna", "UWAGI=Agent",
                       "#TERMIN=0",       "#LICZTERM=0"}
        << QStringList{"fDATA=15.01.2024", "fNRREJ=WZ 1001", "fRODZAJ=Polisa OC", "fNUMER=PL-1",
                       "fLICZTERM=0,00"}
        << QStringList{"fTERMIN=15.01.2025", "fLICZTERM=150000", "fNRREJ=WZ 1002"}
        << QStringList{"TERMIN=15.01.2025", "NRREJ=WZ 1002", "#LICZTERM=150000"};
    QTest::newRow("equipment")
        << int(RegisterId::Wyposazenie)
        << QStringList{"fDATA=01.02.2024", "fNRREJ=WZ 1002",   "@fRODZAJ=Gaś",
                       "fOPIS=2 kg",       "fLICZNIK=45210,5", "fUWAGI=Bagażnik"}
        << QStringList{"DATA=01.02.2024", "NRREJ=WZ 1002",    "RODZAJ=Gaśnica",
                       "TERMIN=",         "OPIS=2 kg",        "UWAGI=Bagażnik",
                       "#TERMIN=0",       "#LICZNIK=45210.5", "#LICZTERM=0"}
        << QStringList{"fDATA=01.02.2024", "fNRREJ=WZ 1002", "fRODZAJ=Gaśnica", "fLICZNIK=45210,50",
                       "fLICZTERM=0,00"}
        << QStringList{"fTERMIN=01.02.2026", "fLICZTERM=60000"}
        << QStringList{"TERMIN=01.02.2026", "#LICZTERM=60000", "#LICZNIK=45210.5"};
    QTest::newRow("store") << int(RegisterId::Magazyn)
                           << QStringList{"fCZESC=Olej 5W30", "fILOSC=12,5", "fPRZYPOMNIJ=abc",
                                          "fUWAGI=Półka 3"}
                           << QStringList{"CZESC=Olej 5W30", "ILOSC=12,50", "PRZYPOMNIJ=0,00",
                                          "UWAGI=Półka 3"}
                           << QStringList{"fCZESC=Olej 5W30", "fILOSC=12,50", "fPRZYPOMNIJ=0,00"}
                           << QStringList{"fILOSC=3", "fPRZYPOMNIJ=4,25"}
                           << QStringList{"ILOSC=3,00", "PRZYPOMNIJ=4,25", "CZESC=Olej 5W30"};
}

void TstHoldings::roundTrip() {
    QFETCH(int, id);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, listedAfterAdd);
    QFETCH(QStringList, prefilled);
    QFETCH(QStringList, changed);
    QFETCH(QStringList, listedAfterEdit);
    const RegisterId reg = RegisterId(id);
    ListModel model(reg);
    m_messages.clear();
    Script add({[&typed](RecordDialog* d) {
        enterAll(d, typed);
        save(d);
    }});
    const RecordEditors::Outcome added = run(reg, Mode::Add, model, -1);
    QVERIFY(add.played());
    QVERIFY(added.saved);
    int row = listed(model, added.key);
    QVERIFY(row >= 0);
    compareListed(model, row, listedAfterAdd);

    Script edit({[&](RecordDialog* d) {
        compareControls(d, prefilled);
        enterAll(d, changed);
        save(d);
    }});
    const RecordEditors::Outcome edited = run(reg, Mode::Edit, model, row);
    QVERIFY(edit.played());
    QCOMPARE(edited.key, added.key);
    row = listed(model, added.key);
    QVERIFY(row >= 0);
    compareListed(model, row, listedAfterEdit);

    // These registers have no key of their own: an unchanged copy is a second record.
    Script copy({[](RecordDialog* d) { save(d); }});
    const RecordEditors::Outcome copied = run(reg, Mode::Copy, model, row);
    QVERIFY(copy.played());
    QVERIFY(copied.saved);
    QVERIFY(copied.key != added.key);
    compareListed(model, listed(model, copied.key), listedAfterEdit);
    QVERIFY2(m_messages.shown().isEmpty(), qPrintable(m_messages.texts().join(u'|')));
}

QTEST_MAIN(TstHoldings)
#include "tst_holdings.moc"
