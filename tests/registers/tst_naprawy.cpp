// The repair, damage and tyre dialogs: their checks in order, and the flows from the
// dialog to the list, from a cost into a repair or a tyre set, and on to the costs, on
// both engines.
#include "DialogScript.h"
#include "ScriptedMessageService.h"
#include "TestDataDir.h"
#include "TestLocation.h"
#include "data/ListModel.h"
#include "data/TmyDataBase.h"
#include "data/engine/RowInsert.h"
#include "data/schema/DatabaseCreator.h"
#include "data/schema/Schema.h"
#include "registers/uNaprawy.h"
#include "registers/uOpony.h"
#include "registers/uSzkody.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <functional>

namespace {

using Mode = RecordEditors::Mode;
void clearChoice(RecordDialog* dialog, const QString& name) {
    dialog->findChild<QToolButton*>(name + QStringLiteral("Clear"))->click();
}

QString thisYear(const char* dayAndMonth) {
    return QString::fromLatin1(dayAndMonth) + QString::number(QDate::currentDate().year());
}

qint64 thisYearNumber(int month, int day) {
    return qint64(QDate::currentDate().year()) * 10000 + month * 100 + day;
}

// A cost of a vehicle as the cost register hands it on.
Record cost(qint64 vehicle) {
    Record r;
    r.set(QStringLiteral("IDKOSZT"), 77);
    r.set(QStringLiteral("IDPOJAZD"), vehicle);
    r.set(QStringLiteral("DATA"), thisYearNumber(3, 15));
    r.set(QStringLiteral("RODZWYD"), QStringLiteral("Naprawa"));
    r.set(QStringLiteral("NAZWATOWAR"), QStringLiteral("Wymiana sprzęgła"));
    r.set(QStringLiteral("WARTNETTO"), 1000.0);
    r.set(QStringLiteral("WARTVAT"), 230.0);
    r.set(QStringLiteral("WARTBRUTTO"), 1230.0);
    r.set(QStringLiteral("UWAGI"), QStringLiteral("FV 12/03"));
    r.set(QStringLiteral("IDKIEROWCY"), QStringLiteral("K2"));
    r.set(QStringLiteral("LICZNIK"), 45210.5);
    return r;
}

}  // namespace

class TstNaprawy : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void repairChecks_data();
    void repairChecks();
    void damageChecks_data();
    void damageChecks();
    void tyreChecks_data();
    void tyreChecks();
    void repairWithoutDateListsEmptyDate();
    void repairRoundTrip();
    void repairFromCostIsDoneAndKeepsItsAmounts();
    void damageRoundTripWithVatCalculator();
    void damageWithoutDateIsRefused();
    void tyreRoundTrip();
    void tyreQuantityZeroIsSavedAsOne();
    void tyreEvidenceNumberIsUnique();
    void tyreFromCost();
    void handOnToCosts_data();
    void handOnToCosts();

private:
    void checkTable(RecordDialog& dialog, const Record& initial);
    RecordEditors::Outcome run(RegisterId id, Mode mode, ListModel& model, int row,
                               bool costRight = true,
                               const RecordEditors::HandOn* handOn = nullptr);
    int listed(ListModel& model, const QStringList& key);

    std::unique_ptr<TestDataDir> m_dataDir;
    std::unique_ptr<TestLocation> m_location;
    ScriptedMessageService m_messages;
    std::unique_ptr<TmyDataBase> m_db;
    QHash<QString, qint64> m_vehicles;  // keys by registration
};

void TstNaprawy::initTestCase() {
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
    DbConnection& db = m_db->DatabaseFirma();
    for (const auto& [nrew, surname, name] :
         {std::tuple{"K1", "Nowak", "Jan"}, std::tuple{"K2", "Zięba", "Ewa"}})
        QVERIFY(insertRow(db, QStringLiteral("osobowa"),
                          {{QStringLiteral("NREW"), QString::fromUtf8(nrew)},
                           {QStringLiteral("NAZWISKO"), QString::fromUtf8(surname)},
                           {QStringLiteral("IMIE"), QString::fromUtf8(name)}})
                    .ok());
    for (const auto& [registration, make, driver] :
         {std::tuple{"WZ 1001", "Norvik", "K1"}, std::tuple{"WZ 1002", "Tarvo", "K2"}}) {
        qint64 key = 0;
        QVERIFY(insertRow(db, QStringLiteral("pojazdy"),
                          {{QStringLiteral("NRREJ"), QString::fromLatin1(registration)},
                           {QStringLiteral("MARKA"), QString::fromLatin1(make)},
                           {QStringLiteral("RODZAJ"), 1},
                           {QStringLiteral("IDKIEROWCY"), QString::fromLatin1(driver)},
                           {QStringLiteral("STATUS"), 0}},
                          &key)
                    .ok());
        m_vehicles.insert(QString::fromLatin1(registration), key);
    }
}

RecordEditors::Outcome TstNaprawy::run(RegisterId id, Mode mode, ListModel& model, int row,
                                       bool costRight, const RecordEditors::HandOn* handOn) {
    RecordEditors::Request request{
        nullptr, *m_db, m_messages, model, row, mode, {}, QStringLiteral("Firma"), handOn};
    request.rights.set();
    request.rights.set(6, costRight);  // writing costs
    if (id == RegisterId::Naprawy)
        return RepairEditor::edit(request);
    return id == RegisterId::Szkody ? DamageEditor::edit(request) : TyreEditor::edit(request);
}

int TstNaprawy::listed(ListModel& model, const QStringList& key) {
    if (!m_db->refreshList(model.registerId(), model))
        return -1;
    return model.findRow(key);
}

// One row of a check table: the fields typed into a new record, the first message
// ("" when saved) with its focused control, and the texts of fields after saving.
void TstNaprawy::checkTable(RecordDialog& dialog, const Record& initial) {
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    QFETCH(QString, focused);
    QFETCH(QStringList, after);
    dialog.setRecord(initial);
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
        QVERIFY(!m_messages.shown().isEmpty());
        QCOMPARE(m_messages.shown().first().title, QStringLiteral("Uwaga"));
        QCOMPARE(m_messages.shown().first().text, message);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString(), focused);
    }
    for (const QString& pair : after) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        QCOMPARE(text(&dialog, pair.left(eq)), pair.mid(eq + 1));
    }
}

void TstNaprawy::repairChecks_data() {
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QStringList>("after");
    const QString date = QStringLiteral("Niepoprawny format daty naprawy. Popraw pole");
    const QString vehicle = QStringLiteral("Nie wskazano pojazdu. Popraw pole");
    QTest::newRow("month 13") << QStringList{"fNRREJ=WZ 1001", "fDATA=12.13.2026"} << date
                              << "fDATA" << QStringList{};
    QTest::newRow("partial date") << QStringList{"fNRREJ=WZ 1001", "fDATA=05.03."} << date
                                  << "fDATA" << QStringList{};
    QTest::newRow("date before vehicle")
        << QStringList{"fDATA=32.01.2026"} << date << "fDATA" << QStringList{};
    QTest::newRow("no vehicle") << QStringList{"fOPIS=Wymiana oleju"} << vehicle << "fNRREJ"
                                << QStringList{};
    QTest::newRow("readings rewritten before the checks")
        << QStringList{"fLICZNIK=12.5", "fLICZTERM=abc"} << vehicle << "fNRREJ"
        << QStringList{"fLICZNIK=12,50", "fLICZTERM=0,00"};
    QTest::newRow("no date is accepted") << QStringList{"fNRREJ=WZ 1001"} << ""
                                         << "" << QStringList{"fLICZNIK=0,00"};
    QTest::newRow("dot typed as comma") << QStringList{"fNRREJ=WZ 1001", "fLICZTERM=1500.5"} << ""
                                        << "" << QStringList{"fLICZTERM=1500,50"};
}

void TstNaprawy::repairChecks() {
    TfNaprawy dialog(*m_db, m_messages);
    checkTable(dialog, Record());
}

void TstNaprawy::damageChecks_data() {
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QStringList>("after");
    const QString date = QStringLiteral("Niepoprawny format daty szkody. Popraw pole");
    const QStringList valid{"fDATA=05.05.2026", "fNRREJ=WZ 1001"};
    QTest::newRow("empty date") << QStringList{"fNRREJ=WZ 1001"} << date << "fDATA"
                                << QStringList{};
    QTest::newRow("month 0") << QStringList{"fDATA=31.00.2026", "fNRREJ=WZ 1001"} << date << "fDATA"
                             << QStringList{};
    QTest::newRow("reading rewritten before the date")
        << QStringList{"fLICZNIK=abc"} << date << "fDATA" << QStringList{"fLICZNIK=0,00"};
    QTest::newRow("no vehicle") << QStringList{"fDATA=05.05.2026"}
                                << "Nie wskazano pojazdu. Popraw pole"
                                << "fNRREJ" << QStringList{};
    QTest::newRow("net not a number")
        << valid + QStringList{"fWARTNETTO=12a"} << "Niepoprawna wartość netto kosztu. Popraw pole"
        << "fWARTNETTO" << QStringList{};
    QTest::newRow("VAT not a number") << valid + QStringList{"fWARTNETTO=100", "fWARTVAT=2x"}
                                      << "Niepoprawna kwota VAT. Popraw pole"
                                      << "fWARTVAT" << QStringList{};
    QTest::newRow("gross not a number") << valid + QStringList{"fWARTNETTO=100", "fWARTBRUTTO=1o0"}
                                        << "Niepoprawna wartość brutto kosztu. Popraw pole"
                                        << "fWARTBRUTTO" << QStringList{};
    QTest::newRow("amounts disagree")
        << valid + QStringList{"fWARTNETTO=100", "fWARTVAT=23", "fWARTBRUTTO=10"}
        << "Wprowadzone kwoty nie zgadzają się. Popraw pola"
        << "fWARTNETTO" << QStringList{};
    // Left empty (and so not rewritten on leaving) the net value counts as 0.
    QTest::newRow("empty amount is 0") << valid + QStringList{"fWARTNETTO="} << ""
                                       << "" << QStringList{};
    QTest::newRow("agreeing amounts") << valid + QStringList{"fWARTNETTO=100", "fWARTVAT=23"} << ""
                                      << "" << QStringList{"fWARTBRUTTO=123,00"};
}

void TstNaprawy::damageChecks() {
    TfSzkody dialog(*m_db, m_messages);
    checkTable(dialog, Record());
}

void TstNaprawy::tyreChecks_data() {
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QStringList>("after");
    const QString number = QStringLiteral("Nie podano numeru ewidencyjnego");
    const QString bought = QStringLiteral("Niepoprawny format daty powstania kosztu. Popraw pole");
    const QString change = QStringLiteral("Niepoprawny format daty wymiany. Popraw pole");
    QTest::newRow("no evidence number") << QStringList{} << number << "fNREWID" << QStringList{};
    QTest::newRow("blank evidence number")
        << QStringList{"fNREWID=   "} << number << "fNREWID" << QStringList{};
    QTest::newRow("purchase date") << QStringList{"fNREWID=OP/X", "fDATAZAKUPU=12.13.2026"}
                                   << bought << "fDATAZAKUPU" << QStringList{};
    QTest::newRow("change date") << QStringList{"fNREWID=OP/X", "fDATAWYMIANY=01.01."} << change
                                 << "fDATAWYMIANY" << QStringList{};
    QTest::newRow("purchase date first")
        << QStringList{"fDATAWYMIANY=01.01.", "fDATAZAKUPU=00.01.2026"} << bought << "fDATAZAKUPU"
        << QStringList{};
    QTest::newRow("dates before amounts") << QStringList{"fDATAWYMIANY=01.01.", "fNETTO=abc"}
                                          << change << "fDATAWYMIANY" << QStringList{};
    QTest::newRow("amounts before the number")
        << QStringList{"fVAT=abc"} << "Niepoprawna kwota VAT. Popraw pole"
        << "fVAT" << QStringList{};
    QTest::newRow("amounts disagree")
        << QStringList{"fNREWID=OP/X", "fNETTO=100", "fVAT=23", "fBRUTTO=10"}
        << "Wprowadzone kwoty nie zgadzają się. Popraw pola"
        << "fNETTO" << QStringList{};
    const QString x = QStringLiteral("fNREWID=OP/X");
    QTest::newRow("quantity 0") << QStringList{x, "fILOSC=0"} << ""
                                << "" << QStringList{"fILOSC=1"};
    QTest::newRow("quantity -2") << QStringList{x, "fILOSC=-2"} << ""
                                 << "" << QStringList{"fILOSC=1"};
    QTest::newRow("quantity 2,5") << QStringList{x, "fILOSC=2,5"} << ""
                                  << "" << QStringList{"fILOSC=1"};
    QTest::newRow("quantity left at 2,5") << QStringList{"fILOSC=2,5", x} << ""
                                          << "" << QStringList{"fILOSC=3"};
    QTest::newRow("quantity 4") << QStringList{x, "fILOSC=4"} << ""
                                << "" << QStringList{"fILOSC=4"};
    QTest::newRow("readings rewritten")
        << QStringList{x, "fPRZEBMAX=40000", "fLICZTERM=x"} << ""
        << "" << QStringList{"fPRZEBMAX=40000,00", "fLICZTERM=0,00"};
    QTest::newRow("number trimmed") << QStringList{"fNREWID=  OP/7 "} << ""
                                    << "" << QStringList{"fNREWID=OP/7"};
}

void TstNaprawy::tyreChecks() {
    TfOpony dialog(*m_db, m_messages);
    checkTable(dialog, TfOpony::defaults());
}

void TstNaprawy::repairWithoutDateListsEmptyDate() {
    ListModel repairs(RegisterId::Naprawy);
    Script script({[](RecordDialog* d) {
        enterAll(d, {"fNRREJ=WZ 1001", "fOPIS=Wymiana rozrządu", "fLICZTERM=150000"});
        save(d);
    }});
    const RecordEditors::Outcome added = run(RegisterId::Naprawy, Mode::Add, repairs, -1);
    QVERIFY(script.played());
    QVERIFY(added.saved);
    const int row = listed(repairs, added.key);
    QVERIFY(row >= 0);
    QCOMPARE(repairs.raw(row, QStringLiteral("DATA")).toLongLong(), 0);
    QCOMPARE(repairs.displayField(row, QStringLiteral("DATA")), QString());
    QCOMPARE(repairs.displayField(row, QStringLiteral("OPIS")), QStringLiteral("Wymiana rozrządu"));
    QCOMPARE(repairs.displayField(row, QStringLiteral("DONE")), QString());
    // The vehicle chosen brought its driver.
    QCOMPARE(repairs.displayField(row, QStringLiteral("NAZWISKO")),
             QStringLiteral("Nowak Jan (ID K1)"));
    QCOMPARE(repairs.raw(row, QStringLiteral("LICZTERM")).toDouble(), 150000.0);
    for (const char* amount : {"WARTNETTO", "WARTVAT", "WARTBRUTTO"})
        QCOMPARE(repairs.raw(row, QLatin1String(amount)).toDouble(), 0.0);
}

void TstNaprawy::repairRoundTrip() {
    ListModel repairs(RegisterId::Naprawy);
    bool suggested = false;
    Script script({[&suggested](RecordDialog* d) {
        suggested = d->findChild<QComboBox*>(QStringLiteral("fOPIS"))
                        ->findText(QStringLiteral("Serwis klimatyzacji")) >= 0;
        // A driver chosen first stays when the vehicle is chosen.
        enterAll(d, {"fDONE=1", "fIDKIEROWCY=Zięba", "fNRREJ=WZ 1001", "fLICZNIK=52000",
                     "fLICZTERM=60000", "fOPIS=Wymiana klocków", "fUWAGI=Serwis ASO"});
        enter(d, QStringLiteral("fDATA"), thisYear("10.01."));
        save(d);
    }});
    const RecordEditors::Outcome added = run(RegisterId::Naprawy, Mode::Add, repairs, -1);
    QVERIFY(script.played());
    QVERIFY(suggested);
    int row = listed(repairs, added.key);
    QVERIFY(row >= 0);
    const auto shown = [&repairs, &row](const char* field) {
        return repairs.displayField(row, QLatin1String(field));
    };
    QCOMPARE(shown("DONE"), QStringLiteral("+"));
    QCOMPARE(shown("DATA"), thisYear("10.01."));
    QCOMPARE(shown("NRREJ"), QStringLiteral("WZ 1001"));
    QCOMPARE(shown("MARKA"), QStringLiteral("Norvik"));
    QCOMPARE(shown("OPIS"), QStringLiteral("Wymiana klocków"));
    QCOMPARE(shown("NAZWISKO"), QStringLiteral("Zięba Ewa (ID K2)"));
    QCOMPARE(shown("UWAGI"), QStringLiteral("Serwis ASO"));
    QCOMPARE(shown("LICZNIK"), QStringLiteral("52000,00"));
    QCOMPARE(repairs.raw(row, QStringLiteral("LICZTERM")).toDouble(), 60000.0);

    Script edit({[](RecordDialog* d) {
        enterAll(d, {"fDONE=0", "fOPIS=Serwis klimatyzacji"});
        clearChoice(d, QStringLiteral("fIDKIEROWCY"));
        save(d);
    }});
    const RecordEditors::Outcome edited = run(RegisterId::Naprawy, Mode::Edit, repairs, row);
    QVERIFY(edit.played());
    QCOMPARE(edited.key, added.key);
    row = listed(repairs, added.key);
    QVERIFY(row >= 0);
    QCOMPARE(shown("DONE"), QString());
    QCOMPARE(shown("OPIS"), QStringLiteral("Serwis klimatyzacji"));
    QCOMPARE(shown("NAZWISKO"), QString());
    QCOMPARE(shown("DATA"), thisYear("10.01."));
    QCOMPARE(shown("LICZNIK"), QStringLiteral("52000,00"));
}

void TstNaprawy::repairFromCostIsDoneAndKeepsItsAmounts() {
    ListModel repairs(RegisterId::Naprawy);
    const RecordEditors::HandOn handOn{RegisterId::Naprawy, RegisterId::Koszty,
                                       cost(m_vehicles.value(QStringLiteral("WZ 1002")))};
    QStringList seen;
    Script script({[&seen](RecordDialog* d) {
        for (const char* name : {"fDONE", "fOPIS", "fLICZTERM", "fLICZNIK", "fNRREJ", "fIDKIEROWCY",
                                 "fUWAGI", "fDATA"})
            seen << text(d, QLatin1String(name));
        save(d);
    }});
    const RecordEditors::Outcome added =
        run(RegisterId::Naprawy, Mode::HandOn, repairs, -1, true, &handOn);
    QVERIFY(script.played());
    QVERIFY(added.saved);
    QCOMPARE(seen, (QStringList{"1", "Wymiana sprzęgła", "0,00", "45210,50", "WZ 1002",
                                "Zięba Ewa (ID K2)", "FV 12/03", thisYear("15.03.")}));
    // Net, VAT and gross each stay in their own column through the edit and the copy.
    const auto amounts = [&repairs](int row) {
        QList<double> values;
        for (const char* field : {"WARTNETTO", "WARTVAT", "WARTBRUTTO", "LICZNIK"})
            values << repairs.raw(row, QLatin1String(field)).toDouble();
        return values;
    };
    const QList<double> expected{1000.0, 230.0, 1230.0, 45210.5};
    int row = listed(repairs, added.key);
    QVERIFY(row >= 0);
    QCOMPARE(repairs.displayField(row, QStringLiteral("DONE")), QStringLiteral("+"));
    QCOMPARE(repairs.displayField(row, QStringLiteral("OPIS")), QStringLiteral("Wymiana sprzęgła"));
    QCOMPARE(repairs.raw(row, QStringLiteral("DATA")).toLongLong(), thisYearNumber(3, 15));
    QCOMPARE(amounts(row), expected);

    Script edit({[](RecordDialog* d) {
        enter(d, QStringLiteral("fUWAGI"), QStringLiteral("Po korekcie"));
        save(d);
    }});
    QVERIFY(run(RegisterId::Naprawy, Mode::Edit, repairs, row).saved);
    QVERIFY(edit.played());
    row = listed(repairs, added.key);
    QCOMPARE(repairs.displayField(row, QStringLiteral("UWAGI")), QStringLiteral("Po korekcie"));
    QCOMPARE(amounts(row), expected);

    Script copy({[](RecordDialog* d) { save(d); }});
    const RecordEditors::Outcome copied = run(RegisterId::Naprawy, Mode::Copy, repairs, row);
    QVERIFY(copy.played());
    QVERIFY(copied.saved);
    QVERIFY(copied.key != added.key);
    const int copyRow = listed(repairs, copied.key);
    QVERIFY(copyRow >= 0);
    QCOMPARE(amounts(copyRow), expected);
}

void TstNaprawy::damageRoundTripWithVatCalculator() {
    ListModel damages(RegisterId::Szkody);
    QStringList computed;
    Script script({[&computed](RecordDialog* d) {
        enter(d, QStringLiteral("fDATA"), thisYear("14.02."));
        enterAll(d, {"fNRREJ=WZ 1002", "fLICZNIK=10500", "fOPIS=Otarcie zderzaka", "fWARTNETTO=100",
                     "stawkaVAT=23", "fUWAGI=Parking"});
        computed << text(d, QStringLiteral("fWARTVAT")) << text(d, QStringLiteral("fWARTBRUTTO"));
        save(d);
    }});
    const RecordEditors::Outcome added = run(RegisterId::Szkody, Mode::Add, damages, -1);
    QVERIFY(script.played());
    QCOMPARE(computed, (QStringList{"23,00", "123,00"}));
    int row = listed(damages, added.key);
    QVERIFY(row >= 0);
    const auto shown = [&damages, &row](const char* field) {
        return damages.displayField(row, QLatin1String(field));
    };
    QCOMPARE(shown("DATA"), thisYear("14.02."));
    QCOMPARE(shown("NRREJ"), QStringLiteral("WZ 1002"));
    QCOMPARE(shown("MARKA"), QStringLiteral("Tarvo"));
    QCOMPARE(shown("OPIS"), QStringLiteral("Otarcie zderzaka"));
    QCOMPARE(shown("NAZWISKO"), QStringLiteral("Zięba Ewa (ID K2)"));  // the vehicle's driver
    QCOMPARE(shown("UWAGI"), QStringLiteral("Parking"));
    QCOMPARE(shown("LICZNIK"), QStringLiteral("10500,00"));
    QCOMPARE(shown("WARTNETTO"), QStringLiteral("100,00"));
    QCOMPARE(shown("WARTVAT"), QStringLiteral("23,00"));
    QCOMPARE(shown("WARTBRUTTO"), QStringLiteral("123,00"));

    QStringList opened;
    Script edit({[&opened](RecordDialog* d) {
        for (const char* name : {"fWARTNETTO", "fWARTVAT", "fWARTBRUTTO", "fIDKIEROWCY"})
            opened << text(d, QLatin1String(name));
        enterAll(d, {"fWARTNETTO=200", "stawkaVAT=8"});
        clearChoice(d, QStringLiteral("fIDKIEROWCY"));
        save(d);
    }});
    QVERIFY(run(RegisterId::Szkody, Mode::Edit, damages, row).saved);
    QVERIFY(edit.played());
    QCOMPARE(opened, (QStringList{"100,00", "23,00", "123,00", "Zięba Ewa (ID K2)"}));
    row = listed(damages, added.key);
    QVERIFY(row >= 0);
    QCOMPARE(shown("WARTNETTO"), QStringLiteral("200,00"));
    QCOMPARE(shown("WARTVAT"), QStringLiteral("16,00"));
    QCOMPARE(shown("WARTBRUTTO"), QStringLiteral("216,00"));
    QCOMPARE(shown("NAZWISKO"), QString());
    QCOMPARE(shown("DATA"), thisYear("14.02."));
}

void TstNaprawy::damageWithoutDateIsRefused() {
    ListModel damages(RegisterId::Szkody);
    QVERIFY(m_db->refreshList(RegisterId::Szkody, damages));
    const int before = damages.rowCount();
    m_messages.clear();
    Script script({[](RecordDialog* d) {
        enterAll(d, {"fNRREJ=WZ 1001", "fOPIS=Bez daty"});
        save(d);  // refused: the dialog stays
        cancel(d);
    }});
    QVERIFY(!run(RegisterId::Szkody, Mode::Add, damages, -1).saved);
    QVERIFY(script.played());
    QCOMPARE(m_messages.texts(),
             QStringList{QStringLiteral("Niepoprawny format daty szkody. Popraw pole")});
    QVERIFY(m_db->refreshList(RegisterId::Szkody, damages));
    QCOMPARE(damages.rowCount(), before);
}

void TstNaprawy::tyreRoundTrip() {
    ListModel tyres(RegisterId::Opony);
    QStringList fresh;
    Script script({[&fresh](RecordDialog* d) {
        for (const char* name :
             {"fILOSC", "fLICZTERM", "fNETTO", "fRODZAJ", "fIDPOJAZDU", "fMAGAZYN"})
            fresh << text(d, QLatin1String(name));
        enterAll(d, {"fNREWID=OP/10", "fILOSC=4", "fMARKA=Polarmax", "fRODZAJ=Zimowe",
                     "fROZMIAR=205/55 R16", "fBIEZNIK=Kierunkowy", "fPRZEBMAX=50000",
                     "fCECHY=Run flat", "fNRDOKUMENTU=FV/7", "fNETTO=800", "stawkaVAT=23",
                     "fIDPOJAZDU=WZ 1001", "fMAGAZYN=1", "fLICZTERM=60000", "fINNE=Regał 3"});
        enter(d, QStringLiteral("fDATAZAKUPU"), thisYear("02.03."));
        enter(d, QStringLiteral("fDATAWYMIANY"), QStringLiteral("01.11.2099"));
        save(d);
    }});
    const RecordEditors::Outcome added = run(RegisterId::Opony, Mode::Add, tyres, -1);
    QVERIFY(script.played());
    QCOMPARE(fresh, (QStringList{"1", "0", "0,00", "", "", "0"}));
    int row = listed(tyres, added.key);
    QVERIFY(row >= 0);
    const auto shown = [&tyres, &row](const char* field) {
        return tyres.displayField(row, QLatin1String(field));
    };
    QCOMPARE(shown("MAGAZYN"), QStringLiteral("+"));
    QCOMPARE(shown("NREWID"), QStringLiteral("OP/10"));
    QCOMPARE(shown("MARKA"), QStringLiteral("Polarmax"));
    QCOMPARE(shown("RODZAJO"), QStringLiteral("Zimowe"));
    QCOMPARE(shown("ROZMIARO"), QStringLiteral("205/55 R16"));
    QCOMPARE(shown("POJAZD"), QStringLiteral("WZ 1001 Norvik"));
    QCOMPARE(shown("DATAZAKUPU"), thisYear("02.03."));
    QCOMPARE(shown("DATAWYMIANY"), QStringLiteral("01.11.2099"));
    QCOMPARE(shown("NETTO"), QStringLiteral("800,00"));
    QCOMPARE(shown("VAT"), QStringLiteral("184,00"));
    QCOMPARE(shown("BRUTTO"), QStringLiteral("984,00"));
    QCOMPARE(shown("BIEZNIK"), QStringLiteral("Kierunkowy"));
    QCOMPARE(shown("CECHY"), QStringLiteral("Run flat"));
    QCOMPARE(shown("NRDOKUMENTU"), QStringLiteral("FV/7"));
    QCOMPARE(shown("INNE"), QStringLiteral("Regał 3"));
    QCOMPARE(tyres.raw(row, QStringLiteral("ILOSC")).toDouble(), 4.0);
    QCOMPARE(tyres.raw(row, QStringLiteral("PRZEBMAX")).toDouble(), 50000.0);
    QCOMPARE(tyres.raw(row, QStringLiteral("LICZTERM")).toDouble(), 60000.0);

    // Taken off the vehicle into the store, kind no longer known.
    Script edit({[](RecordDialog* d) {
        clearChoice(d, QStringLiteral("fRODZAJ"));
        clearChoice(d, QStringLiteral("fIDPOJAZDU"));
        enter(d, QStringLiteral("fMAGAZYN"), QStringLiteral("0"));
        save(d);
    }});
    QVERIFY(run(RegisterId::Opony, Mode::Edit, tyres, row).saved);
    QVERIFY(edit.played());
    row = listed(tyres, added.key);
    QVERIFY(row >= 0);
    QCOMPARE(shown("MAGAZYN"), QString());
    QCOMPARE(shown("RODZAJO"), QString());
    QCOMPARE(shown("POJAZD"), QString());
    QCOMPARE(shown("ROZMIARO"), QStringLiteral("205/55 R16"));
    QCOMPARE(tyres.raw(row, QStringLiteral("RODZAJ")).toLongLong(), 0);
    QCOMPARE(tyres.raw(row, QStringLiteral("IDPOJAZDU")).toLongLong(), 0);
    QCOMPARE(shown("BRUTTO"), QStringLiteral("984,00"));
}

void TstNaprawy::tyreQuantityZeroIsSavedAsOne() {
    ListModel tyres(RegisterId::Opony);
    Script script({[](RecordDialog* d) {
        enterAll(d, {"fNREWID=OP/30", "fILOSC=0"});
        save(d);
    }});
    const RecordEditors::Outcome added = run(RegisterId::Opony, Mode::Add, tyres, -1);
    QVERIFY(script.played());
    const int row = listed(tyres, added.key);
    QVERIFY(row >= 0);
    QCOMPARE(tyres.raw(row, QStringLiteral("ILOSC")).toDouble(), 1.0);
}

void TstNaprawy::tyreEvidenceNumberIsUnique() {
    ListModel tyres(RegisterId::Opony);
    Script first({[](RecordDialog* d) {
        enterAll(d, {"fNREWID=OP/20", "fMARKA=Pierwsza"});
        save(d);
    }});
    QVERIFY(run(RegisterId::Opony, Mode::Add, tyres, -1).saved);
    QVERIFY(first.played());
    QVERIFY(m_db->refreshList(RegisterId::Opony, tyres));
    const int before = tyres.rowCount();

    m_messages.clear();
    QStringList reopened;
    Script second({[](RecordDialog* d) {
                       enterAll(d, {"fNREWID=OP/20", "fMARKA=Druga"});
                       save(d);
                   },
                   [&reopened](RecordDialog* d) {
                       reopened << text(d, QStringLiteral("fNREWID"))
                                << text(d, QStringLiteral("fMARKA"));
                       cancel(d);
                   }});
    QVERIFY(!run(RegisterId::Opony, Mode::Add, tyres, -1).saved);
    QVERIFY(second.played());
    QCOMPARE(m_messages.shown().size(), 1);
    QCOMPARE(m_messages.shown().first().title, QStringLiteral("Uwaga"));
    QCOMPARE(m_messages.shown().first().text,
             QStringLiteral("Istnieje już taki numer ewidencyjny"));
    QCOMPARE(reopened, (QStringList{"OP/20", "Druga"}));
    QVERIFY(m_db->refreshList(RegisterId::Opony, tyres));
    QCOMPARE(tyres.rowCount(), before);

    // An edit meets only the numbers of other sets.
    Script third({[](RecordDialog* d) {
        enter(d, QStringLiteral("fNREWID"), QStringLiteral("OP/21"));
        save(d);
    }});
    const RecordEditors::Outcome other = run(RegisterId::Opony, Mode::Add, tyres, -1);
    QVERIFY(third.played());
    m_messages.clear();
    Script keep({[](RecordDialog* d) { save(d); }});
    QVERIFY(run(RegisterId::Opony, Mode::Edit, tyres, listed(tyres, other.key)).saved);
    QVERIFY(keep.played());
    QVERIFY(m_messages.shown().isEmpty());
    Script taken({[](RecordDialog* d) {
                      enter(d, QStringLiteral("fNREWID"), QStringLiteral("OP/20"));
                      save(d);
                  },
                  [](RecordDialog* d) { cancel(d); }});
    QVERIFY(!run(RegisterId::Opony, Mode::Edit, tyres, listed(tyres, other.key)).saved);
    QVERIFY(taken.played());
    QCOMPARE(m_messages.texts(),
             QStringList{QStringLiteral("Istnieje już taki numer ewidencyjny")});
    const int row = listed(tyres, other.key);
    QCOMPARE(tyres.displayField(row, QStringLiteral("NREWID")), QStringLiteral("OP/21"));
}

void TstNaprawy::tyreFromCost() {
    ListModel tyres(RegisterId::Opony);
    const RecordEditors::HandOn handOn{RegisterId::Opony, RegisterId::Koszty,
                                       cost(m_vehicles.value(QStringLiteral("WZ 1002")))};
    QStringList seen;
    Script script({[&seen](RecordDialog* d) {
        for (const char* name :
             {"fDATAZAKUPU", "fNETTO", "fVAT", "fBRUTTO", "fIDPOJAZDU", "fINNE", "fILOSC",
              "fLICZTERM", "fNREWID", "fMARKA", "fRODZAJ", "fROZMIAR", "fMAGAZYN", "fDATAWYMIANY"})
            seen << text(d, QLatin1String(name));
        enter(d, QStringLiteral("fNREWID"), QStringLiteral("OP/40"));
        save(d);
    }});
    const RecordEditors::Outcome added =
        run(RegisterId::Opony, Mode::HandOn, tyres, -1, true, &handOn);
    QVERIFY(script.played());
    QCOMPARE(seen, (QStringList{thisYear("15.03."), "1000,00", "230,00", "1230,00", "WZ 1002",
                                "FV 12/03", "1", "0", "", "", "", "", "0", ".."}));
    const int row = listed(tyres, added.key);
    QVERIFY(row >= 0);
    QCOMPARE(tyres.raw(row, QStringLiteral("NETTO")).toDouble(), 1000.0);
    QCOMPARE(tyres.raw(row, QStringLiteral("VAT")).toDouble(), 230.0);
    QCOMPARE(tyres.raw(row, QStringLiteral("BRUTTO")).toDouble(), 1230.0);
    QCOMPARE(tyres.displayField(row, QStringLiteral("POJAZD")), QStringLiteral("WZ 1002 Tarvo"));
    QCOMPARE(tyres.raw(row, QStringLiteral("DATAZAKUPU")).toLongLong(), thisYearNumber(3, 15));
    QCOMPARE(tyres.raw(row, QStringLiteral("DATAWYMIANY")).toLongLong(), 0);
}

void TstNaprawy::handOnToCosts_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("right");
    QTest::addColumn<bool>("tick");
    const QStringList repair{"fNRREJ=WZ 1002", "fOPIS=Naprawa"};
    const QStringList damage{QStringLiteral("fDATA=") + thisYear("03.04."), "fNRREJ=WZ 1002",
                             "fWARTNETTO=100", "stawkaVAT=23"};
    const QStringList tyre{"fNREWID=OP/50", "fIDPOJAZDU=WZ 1002"};
    const QStringList otherTyre{"fNREWID=OP/51"};
    const auto add = [](const char* name, RegisterId id, const QStringList& fields, bool right,
                        bool tick) { QTest::newRow(name) << int(id) << fields << right << tick; };
    add("repair ticked", RegisterId::Naprawy, repair, true, true);
    add("repair not ticked", RegisterId::Naprawy, repair, true, false);
    add("repair without the right", RegisterId::Naprawy, repair, false, true);
    add("damage ticked", RegisterId::Szkody, damage, true, true);
    add("damage without the right", RegisterId::Szkody, damage, false, true);
    add("tyre ticked", RegisterId::Opony, tyre, true, true);
    add("tyre without the right", RegisterId::Opony, otherTyre, false, true);
}

void TstNaprawy::handOnToCosts() {
    QFETCH(int, id);
    QFETCH(QStringList, fields);
    QFETCH(bool, right);
    QFETCH(bool, tick);
    const RegisterId registerId = RegisterId(id);
    ListModel model(registerId);
    bool enabled = !right;
    bool checked = true;
    Script script({[&](RecordDialog* d) {
        auto* box = d->findChild<QCheckBox*>(QStringLiteral("dodajDoKosztow"));
        enabled = box->isEnabled();
        checked = box->isChecked();
        enterAll(d, fields);
        box->setChecked(tick);  // also where the user could not tick it
        save(d);
    }});
    const RecordEditors::Outcome outcome = run(registerId, Mode::Add, model, -1, right);
    QVERIFY(script.played());
    QVERIFY(outcome.saved);
    QCOMPARE(enabled, right);
    QVERIFY(!checked);
    QCOMPARE(outcome.handOn.has_value(), right && tick);
    if (!outcome.handOn)
        return;
    QCOMPARE(outcome.handOn->target, RegisterId::Koszty);
    QCOMPARE(outcome.handOn->source, registerId);
    const Record& values = outcome.handOn->values;
    const TableDef* table = Schema::companyTable(Registers::get(registerId).name);
    QVERIFY(table);
    for (const FieldDef& field : table->fields)
        QVERIFY2(values.contains(field.name), qPrintable(field.name));
    QCOMPARE(values.text(table->autoKey()), outcome.key.value(0));
    const int row = listed(model, outcome.key);
    QVERIFY(row >= 0);
    const QString vehicleKey =
        registerId == RegisterId::Opony ? QStringLiteral("IDPOJAZDU") : QStringLiteral("IDPOJAZD");
    QCOMPARE(values.integer(vehicleKey), model.raw(row, vehicleKey).toLongLong());
    QVERIFY(values.integer(vehicleKey) > 0);
}

QTEST_MAIN(TstNaprawy)
#include "tst_naprawy.moc"
