// The refuelling dialogs of the three consumption registers and the fuel price dialog:
// their checks in order, the round trips through the lists for both fuel kinds, the merge
// of a second refuelling of the same day, the move onto a taken day that fails midway,
// the distance calculator, and the hand-on from a cost and on to the costs, on both
// engines.
#include "DialogScript.h"
#include "ScriptedMessageService.h"
#include "TestDataDir.h"
#include "TestLocation.h"
#include "data/ListModel.h"
#include "data/TmyDataBase.h"
#include "data/engine/RowInsert.h"
#include "data/schema/DatabaseCreator.h"
#include "data/schema/Schema.h"
#include "data/schema/SchemaDdl.h"
#include "registers/DecimalField.h"
#include "registers/uCenyPaliw.h"
#include "registers/uKoszty.h"
#include "registers/uZuzycie.h"

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
// The refuelling dialog's date and its three numbers as they read.
QVariantList entered(QWidget* dialog) {
    QVariantList values{text(dialog, QStringLiteral("FDATA"))};
    for (const char* name : {"fBAK", "fTANKOWANIE", "fLICZNIK"})
        values << DecimalField::parse(text(dialog, QLatin1String(name))).value_or(-1);
    return values;
}

QStringList texts(QWidget* dialog, const QStringList& names) {
    QStringList values;
    for (const QString& name : names)
        values << text(dialog, name);
    return values;
}

int year() {
    return QDate::currentDate().year();
}

QString day(int d, int m) {
    return QStringLiteral("%1.%2.%3")
        .arg(d, 2, 10, QLatin1Char('0'))
        .arg(m, 2, 10, QLatin1Char('0'))
        .arg(year());
}

qint64 dayNumber(int d, int m) {
    return qint64(year()) * 10000 + m * 100 + d;
}

QString firstField(RegisterId id) {
    return id == RegisterId::Zuzycie ? QStringLiteral("BAK") : QStringLiteral("PRZEBIEG");
}

const QStringList kRefuellingFields{"FDATA", "fBAK", "fTANKOWANIE", "fLICZNIK"};

}  // namespace

class TstZuzycie : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void refuellingChecks_data();
    void refuellingChecks();
    void roundTrip_data();
    void roundTrip();
    void addWithoutVehicleIsRefused();
    void sameDayMerge();
    void sameDayAnsweredNo();
    void sameDayLooksInItsOwnFuelTable();
    void moveOntoTakenDay_data();
    void moveOntoTakenDay();
    void failedExistenceTestSavesNothing();
    void distanceCalculator_data();
    void distanceCalculator();
    void fromCost_data();
    void fromCost();
    void fromCostOfAnotherVehicle();
    void handOnToCosts_data();
    void handOnToCosts();
    void fuelPriceChecks_data();
    void fuelPriceChecks();
    void fuelPriceRoundTrip();

private:
    qint64 newVehicle(const QString& registration);
    void choose(const QString& registration);
    void insertRefuelling(RegisterId id, bool lpg, qint64 vehicle, qint64 date, double first,
                          double fuel, double reading);
    RecordEditors::Outcome run(RegisterId id, Mode mode, ListModel& model, int row,
                               bool costRight = true,
                               const RecordEditors::HandOn* handOn = nullptr);
    // The register's list for the chosen vehicle under the given fuel kind.
    bool list(ListModel& model, bool lpg);
    void createTrigger(const QString& table, const QString& condition);

    std::unique_ptr<TestDataDir> m_dataDir;
    std::unique_ptr<TestLocation> m_location;
    ScriptedMessageService m_messages;
    std::unique_ptr<TmyDataBase> m_db;
    int m_vehicleCount = 0;
};

void TstZuzycie::initTestCase() {
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
    for (const char* place : {"Stacja Północ", "Baza Zachód"})
        QVERIFY(insertRow(m_db->DatabaseFirma(), QStringLiteral("slowniki"),
                          {{QStringLiteral("IDSLOWNIK"), QStringLiteral("PMIEJ")},
                           {QStringLiteral("OPIS"), QString::fromUtf8(place)}})
                    .ok());
}

void TstZuzycie::init() {
    m_messages.clear();
    m_db->setLpg(false);
}

qint64 TstZuzycie::newVehicle(const QString& registration) {
    qint64 key = 0;
    const DbError error = insertRow(m_db->DatabaseFirma(), QStringLiteral("pojazdy"),
                                    {{QStringLiteral("NRREJ"), registration},
                                     {QStringLiteral("MARKA"), QStringLiteral("Norvik")},
                                     {QStringLiteral("RODZAJ"), 1},
                                     {QStringLiteral("STATUS"), 0}},
                                    &key);
    if (!error.ok())
        qWarning() << error.message();
    return key;
}

// Each test works on a vehicle of its own, chosen in the filter as the main window does.
void TstZuzycie::choose(const QString& registration) {
    FilterSelection selection;
    selection.vehicle = registration;
    m_db->applySelection(selection);
}

void TstZuzycie::insertRefuelling(RegisterId id, bool lpg, qint64 vehicle, qint64 date,
                                  double first, double fuel, double reading) {
    const bool was = m_db->lpg(id);
    m_db->setLpg(id, lpg);
    const QString table = m_db->tableOf(id);
    m_db->setLpg(id, was);
    QVERIFY(insertRow(m_db->DatabaseFirma(), table,
                      {{QStringLiteral("IDPOJAZD"), vehicle},
                       {QStringLiteral("DATA"), date},
                       {firstField(id), first},
                       {QStringLiteral("TANKOWANIE"), fuel},
                       {QStringLiteral("LICZNIK"), reading}})
                .ok());
}

RecordEditors::Outcome TstZuzycie::run(RegisterId id, Mode mode, ListModel& model, int row,
                                       bool costRight, const RecordEditors::HandOn* handOn) {
    RecordEditors::Request request{
        nullptr, *m_db, m_messages, model, row, mode, {}, QStringLiteral("Firma"), handOn};
    request.rights.set();
    request.rights.set(6, costRight);  // writing costs
    if (id == RegisterId::CenyPaliw)
        return FuelPriceEditor::edit(request);
    return RefuellingEditor::edit(request);
}

bool TstZuzycie::list(ListModel& model, bool lpg) {
    m_db->setLpg(model.registerId(), lpg);
    return m_db->refreshList(model.registerId(), model);
}

void TstZuzycie::createTrigger(const QString& table, const QString& condition) {
    QStringList ddl;
    if (TestLocation::engine() == EngineKind::Postgres) {
        ddl << QStringLiteral(
                   "CREATE OR REPLACE FUNCTION flotanor_fuel_boom() RETURNS trigger AS $$ BEGIN "
                   "IF %1 THEN RAISE EXCEPTION 'boom'; END IF; RETURN NEW; END $$ "
                   "LANGUAGE plpgsql")
                   .arg(QString(condition).toLower())
            << QStringLiteral(
                   "CREATE TRIGGER flotanor_fuel_boom BEFORE UPDATE ON %1 FOR EACH ROW "
                   "EXECUTE FUNCTION flotanor_fuel_boom()")
                   .arg(table);
    } else {
        ddl << QStringLiteral(
                   "CREATE TRIGGER flotanor_fuel_boom BEFORE UPDATE ON %1 WHEN %2 "
                   "BEGIN SELECT RAISE(ABORT, 'boom'); END")
                   .arg(table, condition);
    }
    for (const QString& statement : ddl)
        QVERIFY2(m_db->DatabaseFirma().execute(SqlStatement(statement)).ok(),
                 qPrintable(statement));
}

void TstZuzycie::refuellingChecks_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QStringList>("after");
    const int tank = int(RegisterId::Zuzycie);
    const int km = int(RegisterId::ZuzycieKm);
    const int mth = int(RegisterId::ZuzycieMth);
    const QString date = QStringLiteral("Niepoprawny format daty. Popraw pole");
    const QString fuel = QStringLiteral("Niepoprawna ilość zatankowanego paliwa");
    const QString reading = QStringLiteral("Niepoprawny stan licznika");
    const QString valid = QStringLiteral("FDATA=") + day(3, 2);
    const auto row = [](const char* name, int id, const QStringList& fields, const QString& message,
                        const char* focused, const QStringList& after = {}) {
        QTest::newRow(name) << id << fields << message << QString::fromLatin1(focused) << after;
    };
    row("empty date", tank, {"fTANKOWANIE=30"}, date, "FDATA");
    row("partial date", km, {"FDATA=05.03."}, date, "FDATA");
    row("year before 1900", mth, {"FDATA=05.03.1899"}, date, "FDATA");
    row("month 13", tank, {"FDATA=05.13.2026"}, date, "FDATA");
    row("date first, before a bad number", tank, {"FDATA=32.01.2026", "fBAK=x"}, date, "FDATA");
    row("tank not a number", tank, {valid, "fBAK=1x"},
        QStringLiteral("Niepoprawny stan baku przed tankowaniem"), "fBAK");
    row("kilometres not a number", km, {valid, "fBAK=1x"},
        QStringLiteral("Niepoprawna ilość przejechanych kilometrów"), "fBAK");
    row("hours not a number", mth, {valid, "fBAK=1x"},
        QStringLiteral("Niepoprawna ilość przepracowanych godzin"), "fBAK");
    for (const auto& [name, id] :
         {std::pair{"continuous", tank}, std::pair{"distance", km}, std::pair{"hours", mth}}) {
        row(qPrintable(QStringLiteral("%1: fuel not a number").arg(QLatin1String(name))), id,
            {valid, "fTANKOWANIE=3..5"}, fuel, "fTANKOWANIE");
        row(qPrintable(QStringLiteral("%1: reading not a number").arg(QLatin1String(name))), id,
            {valid, "fLICZNIK=abc"}, reading, "fLICZNIK");
        row(qPrintable(QStringLiteral("%1: an empty number counts 0").arg(QLatin1String(name))), id,
            {valid, "fLICZNIK="}, QString(), "");
    }
    row("a field left is rewritten with two decimals", tank, {"fBAK=abc", "fLICZNIK=7.5", valid},
        QString(), "", {"fBAK=0", "fLICZNIK=7,5"});
    row("saved numbers in the shortest form", km, {"fBAK=120.50", "fTANKOWANIE=9,25", valid},
        QString(), "", {"fBAK=120,5", "fTANKOWANIE=9,25"});
    row("no comparison with earlier readings", mth, {"fLICZNIK=-5", valid}, QString(), "",
        {"fLICZNIK=-5"});
}

void TstZuzycie::refuellingChecks() {
    QFETCH(int, id);
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    QFETCH(QString, focused);
    QFETCH(QStringList, after);
    TfZuzycie dialog(RegisterId(id), *m_db, m_messages);
    dialog.setRecord(TfZuzycie::defaults(RegisterId(id)));
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(texts(&dialog, kRefuellingFields.mid(1)), (QStringList{"0,00", "0,00", "0,00"}));
    enterAll(&dialog, fields);
    m_messages.clear();
    dialog.saveButton()->click();
    if (message.isEmpty()) {
        QVERIFY2(m_messages.shown().isEmpty(), qPrintable(m_messages.texts().join(u'|')));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    } else {
        QCOMPARE(m_messages.shown().size(), 1);
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

void TstZuzycie::roundTrip_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("lpg");
    QTest::addColumn<QString>("consumption");  // of the first row as listed
    const auto row = [](const char* name, RegisterId id, bool lpg, const char* consumption) {
        QTest::newRow(name) << int(id) << lpg << QString::fromLatin1(consumption);
    };
    // 40 litres on 500 km, or in 12.5 hours; a continuous first refuelling has no previous.
    row("continuous, petrol", RegisterId::Zuzycie, false, "-");
    row("continuous, LPG", RegisterId::Zuzycie, true, "-");
    row("distance, petrol", RegisterId::ZuzycieKm, false, "8,00");
    row("distance, LPG", RegisterId::ZuzycieKm, true, "8,00");
    row("hours, petrol", RegisterId::ZuzycieMth, false, "3,20");
    row("hours, LPG", RegisterId::ZuzycieMth, true, "3,20");
}

void TstZuzycie::roundTrip() {
    QFETCH(int, id);
    QFETCH(bool, lpg);
    QFETCH(QString, consumption);
    const RegisterId registerId = RegisterId(id);
    const QString registration = QStringLiteral("RT %1").arg(++m_vehicleCount);
    const qint64 vehicle = newVehicle(registration);
    QVERIFY(vehicle > 0);
    choose(registration);
    ListModel model(registerId);
    const QString first = firstField(registerId);
    const QString key = QString::number(vehicle);
    const double firstValue = registerId == RegisterId::ZuzycieKm    ? 500.0
                              : registerId == RegisterId::ZuzycieMth ? 12.5
                                                                     : 12.5;

    m_db->setLpg(registerId, lpg);
    Script add({[firstValue](RecordDialog* d) {
        enterAll(d, {QStringLiteral("FDATA=") + day(10, 3),
                     QStringLiteral("fBAK=") + QString::number(firstValue), "fTANKOWANIE=40",
                     "fLICZNIK=15000.5"});
        save(d);
    }});
    const RecordEditors::Outcome added = run(registerId, Mode::Add, model, -1);
    QVERIFY(add.played());
    QVERIFY(added.saved);
    QCOMPARE(added.key, (QStringList{key, QString::number(dayNumber(10, 3))}));
    QVERIFY(m_messages.shown().isEmpty());

    // The other fuel kind's table knows nothing of it.
    QVERIFY(list(model, !lpg));
    QCOMPARE(model.rowCount(), 0);
    QVERIFY(list(model, lpg));
    QCOMPARE(model.rowCount(), 1);
    int row = model.findRow(added.key);
    QVERIFY(row >= 0);
    QCOMPARE(model.displayField(row, QStringLiteral("DATA")), day(10, 3));
    QCOMPARE(model.raw(row, first).toDouble(), firstValue);
    QCOMPARE(model.displayField(row, QStringLiteral("TANKOWANIE")), QStringLiteral("40,00"));
    QCOMPARE(model.displayField(row, QStringLiteral("LICZNIK")), QStringLiteral("15000,50"));
    QCOMPARE(model.displayField(row, QStringLiteral("ZUZYCIE")), consumption);

    // An edit to a free day moves the row there.
    QStringList opened;
    Script edit({[&opened](RecordDialog* d) {
        opened = texts(d, kRefuellingFields);
        enterAll(d, {QStringLiteral("FDATA=") + day(11, 3), "fTANKOWANIE=42"});
        save(d);
    }});
    const RecordEditors::Outcome edited = run(registerId, Mode::Edit, model, row);
    QVERIFY(edit.played());
    QVERIFY(edited.saved);
    QCOMPARE(opened,
             (QStringList{day(10, 3), DisplayFormat().number(firstValue, 2), "40,00", "15000,50"}));
    QVERIFY(list(model, lpg));
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.findRow(added.key), -1);
    row = model.findRow(edited.key);
    QVERIFY(row >= 0);
    QCOMPARE(model.raw(row, QStringLiteral("DATA")).toLongLong(), dayNumber(11, 3));
    QCOMPARE(model.raw(row, QStringLiteral("TANKOWANIE")).toDouble(), 42.0);
    QCOMPARE(model.raw(row, first).toDouble(), firstValue);

    // An edit on the same day updates the row in place.
    Script same({[](RecordDialog* d) {
        enter(d, QStringLiteral("fLICZNIK"), QStringLiteral("15100"));
        save(d);
    }});
    QVERIFY(run(registerId, Mode::Edit, model, row).saved);
    QVERIFY(same.played());
    QVERIFY(list(model, lpg));
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.raw(model.findRow(edited.key), QStringLiteral("LICZNIK")).toDouble(), 15100.0);

    // A copy to another day adds a second refuelling of the same vehicle.
    Script copy({[](RecordDialog* d) {
        enter(d, QStringLiteral("FDATA"), day(12, 3));
        save(d);
    }});
    const RecordEditors::Outcome copied =
        run(registerId, Mode::Copy, model, model.findRow(edited.key));
    QVERIFY(copy.played());
    QVERIFY(copied.saved);
    QVERIFY(list(model, lpg));
    QCOMPARE(model.rowCount(), 2);
    QVERIFY(model.findRow(copied.key) >= 0);
    QVERIFY(list(model, !lpg));
    QCOMPARE(model.rowCount(), 0);
    QVERIFY(m_messages.shown().isEmpty());
}

void TstZuzycie::addWithoutVehicleIsRefused() {
    choose(QString());
    for (RegisterId id : {RegisterId::Zuzycie, RegisterId::ZuzycieKm, RegisterId::ZuzycieMth}) {
        ListModel model(id);
        m_messages.clear();
        Script script({});
        QVERIFY(!run(id, Mode::Add, model, -1).saved);
        QVERIFY(!script.shown());
        QCOMPARE(m_messages.shown().size(), 1);
        QCOMPARE(m_messages.shown().first().title, QStringLiteral("Informacja"));
        QCOMPARE(
            m_messages.shown().first().text,
            QStringLiteral("Należy wskazać pojazd, dla którego analizowane będzie zużycie paliwa"));
    }
}

void TstZuzycie::sameDayMerge() {
    const qint64 vehicle = newVehicle(QStringLiteral("MG 1"));
    choose(QStringLiteral("MG 1"));
    const RegisterId id = RegisterId::Zuzycie;
    insertRefuelling(id, false, vehicle, dayNumber(1, 5), 20, 30, 1000);   // A
    insertRefuelling(id, false, vehicle, dayNumber(10, 5), 10, 35, 1250);  // B
    insertRefuelling(id, false, vehicle, dayNumber(20, 5), 15, 30, 1700);  // D
    ListModel model(id);
    QVERIFY(list(model, false));
    const QStringList b{QString::number(vehicle), QString::number(dayNumber(10, 5))};
    const QStringList d{QString::number(vehicle), QString::number(dayNumber(20, 5))};
    // Against B alone: (10 + 35 - 15) * 100 / 450.
    QCOMPARE(model.displayField(model.findRow(d), QStringLiteral("ZUZYCIE")),
             QStringLiteral("6,67"));

    m_messages.answerQuestion(true);
    Script script({[](RecordDialog* dialog) {
        enterAll(dialog, {QStringLiteral("FDATA=") + day(10, 5), "fBAK=40", "fTANKOWANIE=5",
                          "fLICZNIK=1300"});
        save(dialog);
    }});
    const RecordEditors::Outcome outcome = run(id, Mode::Add, model, -1);
    QVERIFY(script.played());
    QVERIFY(outcome.saved);
    QCOMPARE(outcome.key, b);
    QCOMPARE(m_messages.shown().size(), 1);
    QCOMPARE(m_messages.shown().first().kind, QStringLiteral("question"));
    QCOMPARE(m_messages.shown().first().title, QStringLiteral("Pytanie"));
    QCOMPARE(m_messages.shown().first().text,
             QStringLiteral("Istnieje już informacja o tankowaniu na wskazaną datę. Czy "
                            "zsumować ilość zatankowanego paliwa?"));

    QVERIFY(list(model, false));
    QCOMPARE(model.rowCount(), 3);
    const int merged = model.findRow(b);
    QVERIFY(merged >= 0);
    QCOMPARE(model.raw(merged, QStringLiteral("BAK")).toDouble(), 5.0);
    QCOMPARE(model.raw(merged, QStringLiteral("TANKOWANIE")).toDouble(), 40.0);
    QCOMPARE(model.raw(merged, QStringLiteral("LICZNIK")).toDouble(), 1300.0);
    QCOMPARE(model.displayField(model.findRow(d), QStringLiteral("ZUZYCIE")),
             QStringLiteral("7,50"));
}

void TstZuzycie::sameDayAnsweredNo() {
    const qint64 vehicle = newVehicle(QStringLiteral("MG 2"));
    choose(QStringLiteral("MG 2"));
    const RegisterId id = RegisterId::ZuzycieKm;
    insertRefuelling(id, false, vehicle, dayNumber(4, 6), 300, 24, 5000);
    ListModel model(id);
    m_messages.answerQuestion(false);
    QVariantList reopened;
    Script script({[](RecordDialog* d) {
                       enterAll(d, {QStringLiteral("FDATA=") + day(4, 6), "fBAK=100",
                                    "fTANKOWANIE=8.5", "fLICZNIK=5100"});
                       save(d);
                   },
                   [&reopened](RecordDialog* d) {
                       reopened = entered(d);
                       cancel(d);
                   }});
    QVERIFY(!run(id, Mode::Add, model, -1).saved);
    QVERIFY(script.played());
    QVERIFY(!m_messages.unusedAnswers());
    QCOMPARE(reopened, (QVariantList{day(4, 6), 100.0, 8.5, 5100.0}));
    QVERIFY(list(model, false));
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.raw(0, QStringLiteral("PRZEBIEG")).toDouble(), 300.0);
    QCOMPARE(model.raw(0, QStringLiteral("TANKOWANIE")).toDouble(), 24.0);
}

void TstZuzycie::sameDayLooksInItsOwnFuelTable() {
    const qint64 vehicle = newVehicle(QStringLiteral("MG 3"));
    choose(QStringLiteral("MG 3"));
    const RegisterId id = RegisterId::ZuzycieMth;
    insertRefuelling(id, false, vehicle, dayNumber(7, 7), 6, 30, 800);
    ListModel model(id);
    m_db->setLpg(id, true);
    Script script({[](RecordDialog* d) {
        enterAll(
            d, {QStringLiteral("FDATA=") + day(7, 7), "fBAK=4", "fTANKOWANIE=12", "fLICZNIK=810"});
        save(d);
    }});
    QVERIFY(run(id, Mode::Add, model, -1).saved);
    QVERIFY(script.played());
    QVERIFY(m_messages.shown().isEmpty());  // no question: the LPG table had no such day
    QVERIFY(list(model, true));
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.raw(0, QStringLiteral("TANKOWANIE")).toDouble(), 12.0);
    QVERIFY(list(model, false));
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.raw(0, QStringLiteral("TANKOWANIE")).toDouble(), 30.0);
    QCOMPARE(model.raw(0, QStringLiteral("PRZEBIEG")).toDouble(), 6.0);
}

void TstZuzycie::moveOntoTakenDay_data() {
    QTest::addColumn<bool>("fail");
    QTest::newRow("merged") << false;
    QTest::newRow("merge fails: nothing lost") << true;
}

void TstZuzycie::moveOntoTakenDay() {
    QFETCH(bool, fail);
    const QString registration = QStringLiteral("MV %1").arg(++m_vehicleCount);
    const qint64 vehicle = newVehicle(registration);
    choose(registration);
    const RegisterId id = RegisterId::ZuzycieKm;
    insertRefuelling(id, false, vehicle, dayNumber(2, 8), 400, 30, 7000);
    insertRefuelling(id, false, vehicle, dayNumber(9, 8), 350, 28, 7350);
    if (fail)
        createTrigger(QStringLiteral("zuzyciekm"), QStringLiteral("NEW.LICZNIK = 7777"));
    const QStringList taken{QString::number(vehicle), QString::number(dayNumber(2, 8))};
    const QStringList moved{QString::number(vehicle), QString::number(dayNumber(9, 8))};
    ListModel model(id);
    QVERIFY(list(model, false));
    const QList<QStringList> before = model.sheet();

    m_messages.answerQuestion(true);
    QList<Step> steps{[](RecordDialog* d) {
        enterAll(d, {QStringLiteral("FDATA=") + day(2, 8), "fLICZNIK=7777"});
        save(d);
    }};
    QVariantList reopened;
    if (fail)
        steps << [&reopened](RecordDialog* d) {
            reopened = entered(d);
            cancel(d);
        };
    Script script(steps);
    const RecordEditors::Outcome outcome = run(id, Mode::Edit, model, model.findRow(moved));
    QVERIFY(script.played());
    QCOMPARE(outcome.saved, !fail);
    QVERIFY(!m_messages.unusedAnswers());
    QVERIFY(list(model, false));
    if (fail) {
        m_db->DatabaseFirma().execute(
            SqlStatement(QStringLiteral("DROP TRIGGER flotanor_fuel_boom%1")
                             .arg(TestLocation::engine() == EngineKind::Postgres
                                      ? QStringLiteral(" ON zuzyciekm")
                                      : QString())));
        QCOMPARE(m_messages.shown().last().title, QStringLiteral("Błąd bazy danych"));
        QCOMPARE(reopened, (QVariantList{day(2, 8), 350.0, 28.0, 7777.0}));
        QCOMPARE(model.sheet(), before);
        return;
    }
    QCOMPARE(outcome.key, taken);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.findRow(moved), -1);
    const int row = model.findRow(taken);
    QCOMPARE(model.raw(row, QStringLiteral("PRZEBIEG")).toDouble(), 750.0);
    QCOMPARE(model.raw(row, QStringLiteral("TANKOWANIE")).toDouble(), 58.0);
    QCOMPARE(model.raw(row, QStringLiteral("LICZNIK")).toDouble(), 7777.0);
}

void TstZuzycie::failedExistenceTestSavesNothing() {
    const qint64 vehicle = newVehicle(QStringLiteral("EX 1"));
    QVERIFY(vehicle > 0);
    choose(QStringLiteral("EX 1"));
    const RegisterId id = RegisterId::ZuzycieMth;
    // The LPG hours table goes missing: the existence test cannot run.
    DbConnection& company = m_db->DatabaseFirma();
    QVERIFY(company.execute(SqlStatement(QStringLiteral("DROP TABLE zuzyciemthlpg"))).ok());
    m_db->setLpg(id, true);
    ListModel model(id);
    // No answer is scripted: a question would fail the test.
    QVariantList reopened;
    Script script({[](RecordDialog* d) {
                       enterAll(d, {QStringLiteral("FDATA=") + day(5, 9), "fBAK=3", "fTANKOWANIE=9",
                                    "fLICZNIK=100"});
                       save(d);
                   },
                   [&reopened](RecordDialog* d) {
                       reopened = entered(d);
                       cancel(d);
                   }});
    const RecordEditors::Outcome outcome = run(id, Mode::Add, model, -1);
    QVERIFY(script.played());
    QVERIFY(
        SchemaDdl::createTables(company, {*Schema::companyTable(QStringLiteral("zuzyciemthlpg"))})
            .ok());
    QVERIFY(!outcome.saved);
    // One error and no question: nothing was merged into or inserted.
    QCOMPARE(m_messages.shown().size(), 1);
    QCOMPARE(m_messages.shown().first().title, QStringLiteral("Błąd bazy danych"));
    QCOMPARE(reopened, (QVariantList{day(5, 9), 3.0, 9.0, 100.0}));
    QVERIFY(list(model, true));
    QCOMPARE(model.rowCount(), 0);
    QVERIFY(list(model, false));
    QCOMPARE(model.rowCount(), 0);
}

void TstZuzycie::distanceCalculator_data() {
    QTest::addColumn<bool>("lpg");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("title");  // "" when computed
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QString>("kilometres");
    const QString noReading = QStringLiteral(
        "Aby obliczyć ilość przejechanych kilometrów należy podać stan licznika w trakcie "
        "tankowania. Uzupełnij pole.");
    const QString noDate = QStringLiteral(
        "Aby obliczyć ilość przejechanych kilometrów należy podać date tankowania. Uzupełnij "
        "pole.");
    const QString noEarlier = QStringLiteral(
        "Nie znaleziono wcześniejszego tankowania tego pojazdu przed wskazaną datą. Ilość "
        "przejechanych kilometrów należy wpisać samodzielnie.");
    const QString info = QStringLiteral("Informacja");
    const QString on10 = QStringLiteral("FDATA=") + day(10, 4);
    const auto row = [](const char* name, bool lpg, const QStringList& fields, const QString& title,
                        const QString& message, const char* focused, const char* kilometres) {
        QTest::newRow(name) << lpg << fields << title << message << QString::fromLatin1(focused)
                            << QString::fromLatin1(kilometres);
    };
    // The kilometres hold 99 before the button: a refusal leaves them (rewritten on
    // leaving the field), a computation replaces them.
    row("no reading", false, {on10, "fBAK=99"}, info, noReading, "fLICZNIK", "99,00");
    row("reading 0", false, {on10, "fBAK=99", "fLICZNIK=0"}, info, noReading, "fLICZNIK", "99,00");
    row("reading not a number", false, {on10, "fBAK=99", "fLICZNIK=1o"}, info, noReading,
        "fLICZNIK", "99,00");
    row("no date", false, {"fBAK=99", "fLICZNIK=10450"}, info, noDate, "FDATA", "99,00");
    row("partial date", false, {"FDATA=10.04.", "fBAK=99", "fLICZNIK=10450"}, info, noDate, "FDATA",
        "99,00");
    row("no earlier refuelling", false,
        {QStringLiteral("FDATA=") + day(1, 3), "fBAK=99", "fLICZNIK=9000"}, info, noEarlier, "fBAK",
        "99,00");
    row("earlier only on the same day", false,
        {QStringLiteral("FDATA=") + day(1, 4), "fBAK=99", "fLICZNIK=10100"}, info, noEarlier,
        "fBAK", "99,00");
    row("reading below the earlier one", false, {on10, "fBAK=99", "fLICZNIK=10150"},
        QStringLiteral("Uwaga"),
        QStringLiteral("Stan licznika jest mniejszy niż przy poprzednim tankowaniu (10200,00 km). "
                       "Popraw pole."),
        "fLICZNIK", "99,00");
    row("from the latest earlier reading", false, {on10, "fBAK=99", "fLICZNIK=10450.5"}, QString(),
        QString(), "", "250,50");
    row("same reading as before", false, {on10, "fBAK=99", "fLICZNIK=10200"}, QString(), QString(),
        "", "0,00");
    row("LPG has no earlier refuelling", true, {on10, "fBAK=99", "fLICZNIK=10450"}, info, noEarlier,
        "fBAK", "99,00");
}

void TstZuzycie::distanceCalculator() {
    QFETCH(bool, lpg);
    QFETCH(QStringList, fields);
    QFETCH(QString, title);
    QFETCH(QString, message);
    QFETCH(QString, focused);
    QFETCH(QString, kilometres);
    static qint64 vehicle = 0;
    if (!vehicle) {
        vehicle = newVehicle(QStringLiteral("KM 1"));
        const RegisterId id = RegisterId::ZuzycieKm;
        insertRefuelling(id, false, vehicle, dayNumber(1, 4), 0, 30, 10000);
        insertRefuelling(id, false, vehicle, dayNumber(5, 4), 200, 16, 10200);
        insertRefuelling(id, false, vehicle, dayNumber(20, 4), 800, 60, 11000);
        // Another vehicle's reading in between is not this vehicle's.
        const qint64 other = newVehicle(QStringLiteral("KM 2"));
        insertRefuelling(id, false, other, dayNumber(8, 4), 100, 8, 10400);
        insertRefuelling(id, true, other, dayNumber(8, 4), 100, 8, 10400);
    }
    choose(QStringLiteral("KM 1"));
    m_db->setLpg(RegisterId::ZuzycieKm, lpg);
    TfZuzycie dialog(RegisterId::ZuzycieKm, *m_db, m_messages);
    dialog.setRecord(TfZuzycie::defaults(RegisterId::ZuzycieKm));
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    enterAll(&dialog, fields);
    m_messages.clear();
    auto* button = dialog.findChild<QToolButton*>(QStringLiteral("BWylicz"));
    QVERIFY(button);
    QCOMPARE(button->toolTip(),
             QStringLiteral("Wylicz ilość przejechanych kilometrów na podstawie stanu licznika "
                            "(bieżącego i poprzedniego)"));
    button->click();
    if (title.isEmpty()) {
        QVERIFY2(m_messages.shown().isEmpty(), qPrintable(m_messages.texts().join(u'|')));
    } else {
        QCOMPARE(m_messages.shown().size(), 1);
        QCOMPARE(m_messages.shown().first().title, title);
        QCOMPARE(m_messages.shown().first().text, message);
        QCOMPARE(dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString(), focused);
    }
    QCOMPARE(text(&dialog, QStringLiteral("fBAK")), kilometres);
    QVERIFY(dialog.isVisible());
}

void TstZuzycie::fromCost_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("lpg");
    for (const auto& [name, id] : {std::pair{"continuous", RegisterId::Zuzycie},
                                   std::pair{"distance", RegisterId::ZuzycieKm},
                                   std::pair{"hours", RegisterId::ZuzycieMth}}) {
        QTest::newRow(qPrintable(QStringLiteral("%1, petrol").arg(QLatin1String(name))))
            << int(id) << false;
        QTest::newRow(qPrintable(QStringLiteral("%1, LPG").arg(QLatin1String(name))))
            << int(id) << true;
    }
}

void TstZuzycie::fromCost() {
    QFETCH(int, id);
    QFETCH(bool, lpg);
    const RegisterId registerId = RegisterId(id);
    const QString registration = QStringLiteral("KS %1").arg(++m_vehicleCount);
    const qint64 vehicle = newVehicle(registration);
    choose(registration);
    Record cost;
    cost.set(QStringLiteral("IDKOSZT"), 91);
    cost.set(QStringLiteral("IDPOJAZD"), vehicle);
    cost.set(QStringLiteral("DATA"), dayNumber(15, 3));
    cost.set(QStringLiteral("RODZWYD"), QStringLiteral("Zakup paliwa"));
    cost.set(QStringLiteral("ISFUEL"), QStringLiteral("T"));
    cost.set(QStringLiteral("FUEL"), 42.5);
    cost.set(QStringLiteral("LICZNIK"), 45210.5);
    cost.set(QStringLiteral("WARTBRUTTO"), 250.0);
    const RecordEditors::HandOn handOn{registerId, RegisterId::Koszty, cost, lpg};
    m_db->setLpg(registerId, !lpg);  // the cost's choice wins
    ListModel model(registerId);
    QStringList seen;
    Script script({[&seen](RecordDialog* d) {
        seen = texts(d, kRefuellingFields);
        save(d);
    }});
    const RecordEditors::Outcome outcome = run(registerId, Mode::HandOn, model, -1, true, &handOn);
    QVERIFY(script.played());
    QVERIFY(outcome.saved);
    QVERIFY(m_messages.shown().isEmpty());
    QCOMPARE(seen, (QStringList{day(15, 3), "0,00", "42,50", "45210,50"}));
    QCOMPARE(m_db->lpg(registerId), lpg);
    QVERIFY(list(model, lpg));
    QCOMPARE(model.rowCount(), 1);
    const int row = model.findRow(outcome.key);
    QVERIFY(row >= 0);
    QCOMPARE(model.raw(row, QStringLiteral("IDPOJAZD")).toLongLong(), vehicle);
    QCOMPARE(model.raw(row, QStringLiteral("TANKOWANIE")).toDouble(), 42.5);
    QCOMPARE(model.raw(row, QStringLiteral("LICZNIK")).toDouble(), 45210.5);
    QCOMPARE(model.raw(row, firstField(registerId)).toDouble(), 0.0);
    QVERIFY(list(model, !lpg));
    QCOMPARE(model.rowCount(), 0);
}

void TstZuzycie::fromCostOfAnotherVehicle() {
    const qint64 costVehicle = newVehicle(QStringLiteral("KX 1"));
    newVehicle(QStringLiteral("KX 2"));
    choose(QStringLiteral("KX 2"));  // the filter could not be set to the cost's vehicle
    Record cost;
    cost.set(QStringLiteral("IDPOJAZD"), costVehicle);
    cost.set(QStringLiteral("DATA"), dayNumber(15, 3));
    cost.set(QStringLiteral("FUEL"), 20.0);
    const RecordEditors::HandOn handOn{RegisterId::Zuzycie, RegisterId::Koszty, cost, false};
    ListModel model(RegisterId::Zuzycie);
    Script script({});
    QVERIFY(!run(RegisterId::Zuzycie, Mode::HandOn, model, -1, true, &handOn).saved);
    QVERIFY(!script.shown());
    QCOMPARE(m_messages.texts(),
             QStringList{QStringLiteral(
                 "Należy wskazać pojazd, dla którego analizowane będzie zużycie paliwa")});
    QVERIFY(list(model, false));
    QCOMPARE(model.rowCount(), 0);
}

void TstZuzycie::handOnToCosts_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("right");
    QTest::addColumn<bool>("tick");
    const auto row = [](const char* name, RegisterId id, bool right, bool tick) {
        QTest::newRow(name) << int(id) << right << tick;
    };
    row("continuous ticked", RegisterId::Zuzycie, true, true);
    row("continuous not ticked", RegisterId::Zuzycie, true, false);
    row("continuous without the right", RegisterId::Zuzycie, false, true);
    row("distance ticked", RegisterId::ZuzycieKm, true, true);
    row("hours ticked", RegisterId::ZuzycieMth, true, true);
    row("hours without the right", RegisterId::ZuzycieMth, false, true);
}

void TstZuzycie::handOnToCosts() {
    QFETCH(int, id);
    QFETCH(bool, right);
    QFETCH(bool, tick);
    const RegisterId registerId = RegisterId(id);
    const QString registration = QStringLiteral("DK %1").arg(++m_vehicleCount);
    const qint64 vehicle = newVehicle(registration);
    choose(registration);
    ListModel model(registerId);
    bool enabled = !right;
    bool checked = true;
    Script script({[&](RecordDialog* d) {
        auto* box = d->findChild<QCheckBox*>(QStringLiteral("dodajDoKosztow"));
        enabled = box->isEnabled();
        checked = box->isChecked();
        enterAll(d, {QStringLiteral("FDATA=") + day(6, 6), "fBAK=5", "fTANKOWANIE=33.3",
                     "fLICZNIK=2500"});
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
    // The cost dialog opens with the refuelling's date, vehicle, litres and reading.
    const Record costRecord = TfKoszty::fromHandOn(*m_db, *outcome.handOn);
    QCOMPARE(costRecord.integer(QStringLiteral("IDPOJAZD")), vehicle);
    QCOMPARE(costRecord.integer(QStringLiteral("DATA")), dayNumber(6, 6));
    QCOMPARE(costRecord.integer(QStringLiteral("DATAWYSTAW")), dayNumber(6, 6));
    QCOMPARE(costRecord.number(QStringLiteral("FUEL")), 33.3);
    QCOMPARE(costRecord.number(QStringLiteral("LICZNIK")), 2500.0);
    QCOMPARE(costRecord.text(QStringLiteral("ISFUEL")), QStringLiteral("T"));
    QCOMPARE(costRecord.text(QStringLiteral("RODZWYD")), QStringLiteral("Zakup paliwa"));
}

void TstZuzycie::fuelPriceChecks_data() {
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QStringList>("after");
    const QString kind = QStringLiteral("Nie wskazano rodzaju paliwa. Popraw pole");
    const QString date = QStringLiteral("Niepoprawny format daty od. Popraw pole");
    const auto row = [](const char* name, const QStringList& fields, const QString& message,
                        const char* focused, const QStringList& after = {}) {
        QTest::newRow(name) << fields << message << QString::fromLatin1(focused) << after;
    };
    row("nothing chosen: the kind first", {}, kind, "fRODZAJPALIWA", {"fBRUTTO=0,00"});
    row("no kind", {"fDATA=01.02.2026", "fBRUTTO=6.1"}, kind, "fRODZAJPALIWA", {"fBRUTTO=6,10"});
    row("no date", {"fRODZAJPALIWA=Olej"}, date, "fDATA");
    row("day 32", {"fRODZAJPALIWA=Olej", "fDATA=32.01.2026"}, date, "fDATA");
    row("year 1899", {"fRODZAJPALIWA=Olej", "fDATA=01.01.1899"}, date, "fDATA");
    row("price not a number becomes 0", {"fRODZAJPALIWA=Gaz", "fBRUTTO=6,x", "fDATA=01.02.2026"},
        QString(), "", {"fBRUTTO=0"});
    row("price rounded to two decimals",
        {"fRODZAJPALIWA=Benzyna Pb95", "fBRUTTO=5.899", "fDATA=01.02.2026"}, QString(), "",
        {"fBRUTTO=5,90"});
}

void TstZuzycie::fuelPriceChecks() {
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    QFETCH(QString, focused);
    QFETCH(QStringList, after);
    TfCenyPaliw dialog(*m_db, m_messages);
    dialog.setRecord(TfCenyPaliw::defaults());
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(texts(&dialog, {"fRODZAJPALIWA", "fMIEJSCE", "fBRUTTO"}), (QStringList{"", "", "0"}));
    enterAll(&dialog, fields);
    m_messages.clear();
    dialog.saveButton()->click();
    if (message.isEmpty()) {
        QVERIFY2(m_messages.shown().isEmpty(), qPrintable(m_messages.texts().join(u'|')));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    } else {
        QCOMPARE(m_messages.shown().size(), 1);
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

void TstZuzycie::fuelPriceRoundTrip() {
    ListModel prices(RegisterId::CenyPaliw);
    choose(QString());
    QStringList places;
    Script add({[&places](RecordDialog* d) {
        auto* place = d->findChild<QComboBox*>(QStringLiteral("fMIEJSCE"));
        for (int i = 0; i < place->count(); ++i)
            places << place->itemText(i);
        enterAll(d, {QStringLiteral("fDATA=") + day(3, 3), "fRODZAJPALIWA=Olej",
                     "fMIEJSCE=Stacja Północ", "fBRUTTO=6.49"});
        save(d);
    }});
    const RecordEditors::Outcome added = run(RegisterId::CenyPaliw, Mode::Add, prices, -1);
    QVERIFY(add.played());
    QVERIFY(added.saved);
    QCOMPARE(places, (QStringList{"Baza Zachód", "Stacja Północ"}));
    QVERIFY(m_db->refreshList(RegisterId::CenyPaliw, prices));
    int row = prices.findRow(added.key);
    QVERIFY(row >= 0);
    const auto shown = [&prices, &row](const char* field) {
        return prices.displayField(row, QLatin1String(field));
    };
    QCOMPARE(shown("PALIWO"), QStringLiteral("Olej napędowy"));
    QCOMPARE(shown("DATA"), day(3, 3));
    QCOMPARE(shown("MIEJSCE"), QStringLiteral("Stacja Północ"));
    QCOMPARE(shown("BRUTTO"), QStringLiteral("6,49"));

    QStringList opened;
    Script edit({[&opened](RecordDialog* d) {
        opened = texts(d, {"fDATA", "fRODZAJPALIWA", "fMIEJSCE", "fBRUTTO"});
        enterAll(d, {"fRODZAJPALIWA=Gaz LPG", "fMIEJSCE=Baza 'Zachód'; --", "fBRUTTO=3"});
        save(d);
    }});
    const RecordEditors::Outcome edited = run(RegisterId::CenyPaliw, Mode::Edit, prices, row);
    QVERIFY(edit.played());
    QVERIFY(edited.saved);
    QCOMPARE(edited.key, added.key);
    QCOMPARE(opened, (QStringList{day(3, 3), "Olej napędowy", "Stacja Północ", "6,49"}));
    QVERIFY(m_db->refreshList(RegisterId::CenyPaliw, prices));
    row = prices.findRow(added.key);
    QCOMPARE(shown("PALIWO"), QStringLiteral("Gaz LPG"));
    QCOMPARE(shown("MIEJSCE"), QStringLiteral("Baza 'Zachód'; --"));
    QCOMPARE(shown("BRUTTO"), QStringLiteral("3,00"));

    Script copy({[](RecordDialog* d) { save(d); }});
    const RecordEditors::Outcome copied = run(RegisterId::CenyPaliw, Mode::Copy, prices, row);
    QVERIFY(copy.played());
    QVERIFY(copied.saved);
    QVERIFY(copied.key != added.key);
    QVERIFY(m_db->refreshList(RegisterId::CenyPaliw, prices));
    row = prices.findRow(copied.key);
    QVERIFY(row >= 0);
    QCOMPARE(shown("PALIWO"), QStringLiteral("Gaz LPG"));
    QCOMPARE(shown("BRUTTO"), QStringLiteral("3,00"));
    QCOMPARE(shown("DATA"), day(3, 3));
    QVERIFY(m_messages.shown().isEmpty());
}

QTEST_MAIN(TstZuzycie)
#include "tst_zuzycie.moc"
