// The reminder checks on SQLite and on PostgreSQL: the windows of days and kilometres at
// their edges, who takes part (vehicles not in use, repairs done, the scheduler's marks),
// readings of vehicles that are gone, the layout of each kind of list, the span of the
// calendar, and a failing section reported while the others still run.
#include "ScriptedMessageService.h"
#include "TestDataDir.h"
#include "TestLocation.h"
#include "data/DisplayFormat.h"
#include "data/ErrorLog.h"
#include "data/TmyDataBase.h"
#include "data/engine/RowInsert.h"
#include "data/schema/DatabaseCreator.h"
#include "output/Reminders.h"

#include <QFile>
#include <QTest>

namespace {

const QLocale kPolish(QLocale::Polish, QLocale::Poland);
const QDate kToday(2025, 3, 10);
const QVariant kNull = QVariant(QMetaType::fromType<double>());

const QStringList kTables = {"pojazdy", "naprawy", "wyposazenie", "dokumenty", "kpaliwowe",
                             "terminy", "opony",   "przebiegi",   "magazyn",   "osobowa"};

FieldValues fields(const QVariantMap& map) {
    FieldValues values;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        values.append({it.key(), it.value()});
    return values;
}

QList<TermKind> kinds(const ReminderList& list) {
    QList<TermKind> result;
    for (const ReminderTerm& term : list.terms)
        result << term.kind;
    return result;
}

}  // namespace

class TstReminders : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void dateWindow_data();
    void dateWindow();
    void whoIsListedByDate_data();
    void whoIsListedByDate();
    void odometerWindow_data();
    void odometerWindow();
    void readingsOfMissingVehiclesArePassedOver();
    void linesOfEachKind();
    void calendarSpanTakesEverySection();
    void failingSectionIsReportedAndOthersRun();

private:
    qint64 add(const QString& table, const FieldValues& values);
    qint64 vehicle(const QVariant& status, const FieldValues& extra = {});
    TconfigPP options(int daysBefore = 7, int daysAfter = 0, int kmBefore = 1000,
                      int kmAfter = 0) const;

    std::unique_ptr<TestDataDir> m_dataDir;
    std::unique_ptr<TestLocation> m_location;
    ScriptedMessageService m_messages;
    std::unique_ptr<TmyDataBase> m_db;
};

void TstReminders::initTestCase() {
    QLocale::setDefault(kPolish);
    m_dataDir = std::make_unique<TestDataDir>();
    m_location = std::make_unique<TestLocation>();
    REQUIRE_LOCATION(*m_location);
    const DbLocation& where = m_location->location();
    CreateResult result = DatabaseCreator::createDatabase(where, false);
    QVERIFY2(result.ok, qPrintable(result.message));
    for (const char* dir : {"proba", "zepsuta"}) {
        result =
            DatabaseCreator::addCompany(where, QString::fromLatin1(dir), QString::fromLatin1(dir),
                                        DatabaseCreator::Contents::Empty);
        QVERIFY2(result.ok, qPrintable(result.message));
    }
    m_db = std::make_unique<TmyDataBase>(&m_messages);
    QVERIFY(m_db->openCompany(where, QStringLiteral("proba")));
}

void TstReminders::init() {
    if (!m_db || !m_db->isOpen())
        return;
    for (const QString& table : kTables)
        QVERIFY(m_db->DatabaseFirma()
                    .execute(SqlStatement(QStringLiteral("DELETE FROM ") + table))
                    .ok());
    m_messages.clear();
}

qint64 TstReminders::add(const QString& table, const FieldValues& values) {
    qint64 key = -1;
    const DbError error = insertRow(m_db->DatabaseFirma(), table, values, &key);
    if (error)
        qWarning("%s: %s", qPrintable(table), qPrintable(error.message()));
    return error ? -1 : key;
}

qint64 TstReminders::vehicle(const QVariant& status, const FieldValues& extra) {
    static int number = 0;
    FieldValues values{{"NRREJ", QStringLiteral("WZ %1").arg(++number)},
                       {"MARKA", QStringLiteral("Fiat")},
                       {"STATUS", status}};
    return add(QStringLiteral("pojazdy"), values + extra);
}

TconfigPP TstReminders::options(int daysBefore, int daysAfter, int kmBefore, int kmAfter) const {
    TconfigPP o;
    o.dataWsteczna = daysBefore;
    o.dataWstecznaMin = daysAfter;
    o.kmOd = kmBefore;
    o.kmDo = kmAfter;
    return o;
}

void TstReminders::dateWindow_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::addColumn<qint64>("due");
    QTest::addColumn<bool>("listed");
    QTest::newRow("the term today") << kToday << 7 << 0 << qint64(20250310) << true;
    QTest::newRow("the last day inside") << kToday << 7 << 0 << qint64(20250317) << true;
    QTest::newRow("the first day outside") << kToday << 7 << 0 << qint64(20250318) << false;
    QTest::newRow("backward 0: ten years ago") << kToday << 7 << 0 << qint64(20150310) << true;
    QTest::newRow("backward 3: three days after") << kToday << 7 << 3 << qint64(20250307) << true;
    QTest::newRow("backward 3: four days after") << kToday << 7 << 3 << qint64(20250306) << false;
    QTest::newRow("backward 0: date 0") << kToday << 7 << 0 << qint64(0) << false;
    QTest::newRow("backward 3: date 0") << kToday << 7 << 3 << qint64(0) << false;
    QTest::newRow("before 0: tomorrow") << kToday << 0 << 0 << qint64(20250311) << false;
    QTest::newRow("over the new year") << QDate(2024, 12, 30) << 7 << 0 << qint64(20250106) << true;
    QTest::newRow("over the new year, outside")
        << QDate(2024, 12, 30) << 7 << 0 << qint64(20250107) << false;
}

// Every kind of date term on the same day comes and goes with the window.
void TstReminders::dateWindow() {
    QFETCH(QDate, today);
    QFETCH(int, before);
    QFETCH(int, after);
    QFETCH(qint64, due);
    QFETCH(bool, listed);
    const qint64 car =
        vehicle(0.0, {{"DATAOC", due}, {"DATAAC", due}, {"DATAPRZE", due}, {"DATAPRZEGW", due}});
    QVERIFY(car > 0);
    QVERIFY(add("naprawy", {{"IDPOJAZD", car}, {"DATA", due}, {"DONE", QStringLiteral("N")}}) > 0);
    QVERIFY(add("wyposazenie", {{"IDPOJAZD", car}, {"TERMIN", due}}) > 0);
    QVERIFY(add("dokumenty", {{"IDPOJAZD", car}, {"TERMIN", due}}) > 0);
    add("kpaliwowe", {{"IDKARTY", QStringLiteral("K1")}, {"IDPOJAZD", car}, {"TERMIN", due}});
    QVERIFY(add("terminy", {{"IDPOJAZDU", car},
                            {"SPRODDO", QStringLiteral("O")},
                            {"DATAOD", due},
                            {"DATADO", 0}}) > 0);
    QVERIFY(add("terminy", {{"IDPOJAZDU", car},
                            {"SPRODDO", QStringLiteral("D")},
                            {"DATAOD", 0},
                            {"DATADO", due}}) > 0);
    QVERIFY(add("opony", {{"IDPOJAZDU", car}, {"DATAWYMIANY", due}}) > 0);

    Reminders reminders(*m_db, options(before, after), today);
    const ReminderList list = reminders.dateCheck();
    QVERIFY(!list.failed());
    QCOMPARE(list.found, listed);
    if (!listed) {
        QCOMPARE(list.lines, QStringList{Reminders::nothingFound()});
        return;
    }
    using K = TermKind;
    QCOMPARE(kinds(list), (QList<K>{K::InsuranceOC, K::InsuranceAC, K::Inspection,
                                    K::WarrantyInspection, K::Repair, K::Equipment, K::Document,
                                    K::FuelCard, K::Scheduler, K::Scheduler, K::Tyres}));
    for (const ReminderTerm& term : list.terms) {
        QCOMPARE(term.date, due);
        QVERIFY(list.lines.contains(DisplayFormat(kPolish).date(due) + u' ' + term.text));
    }
    QCOMPARE(list.lines.size(), list.terms.size());
}

void TstReminders::whoIsListedByDate_data() {
    QTest::addColumn<QVariant>("status");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QVariantMap>("record");
    QTest::addColumn<bool>("listed");
    const qint64 today = 20250310;
    const qint64 far = 20990101;
    const QVariantMap oc{{"DATAOC", today}};
    QTest::newRow("vehicle in use") << QVariant(0.0) << QStringLiteral("pojazdy") << oc << true;
    QTest::newRow("vehicle without status") << kNull << QStringLiteral("pojazdy") << oc << true;
    QTest::newRow("vehicle not in use")
        << QVariant(1.0) << QStringLiteral("pojazdy") << oc << false;
    QTest::newRow("vehicle sold") << QVariant(2.0) << QStringLiteral("pojazdy") << oc << false;
    QTest::newRow("repair not done") << QVariant(0.0) << QStringLiteral("naprawy")
                                     << QVariantMap{{"DATA", today}, {"DONE", "N"}} << true;
    QTest::newRow("repair never marked")
        << QVariant(0.0) << QStringLiteral("naprawy") << QVariantMap{{"DATA", today}} << true;
    QTest::newRow("repair done") << QVariant(0.0) << QStringLiteral("naprawy")
                                 << QVariantMap{{"DATA", today}, {"DONE", "T"}} << false;
    QTest::newRow("repair of a vehicle not in use")
        << QVariant(1.0) << QStringLiteral("naprawy") << QVariantMap{{"DATA", today}} << true;
    QTest::newRow("scheduler O on its start")
        << QVariant(0.0) << QStringLiteral("terminy")
        << QVariantMap{{"SPRODDO", "O"}, {"DATAOD", today}, {"DATADO", far}} << true;
    QTest::newRow("scheduler O, end due")
        << QVariant(0.0) << QStringLiteral("terminy")
        << QVariantMap{{"SPRODDO", "O"}, {"DATAOD", far}, {"DATADO", today}} << false;
    QTest::newRow("scheduler D on its end")
        << QVariant(0.0) << QStringLiteral("terminy")
        << QVariantMap{{"SPRODDO", "D"}, {"DATAOD", far}, {"DATADO", today}} << true;
    QTest::newRow("scheduler D, start due")
        << QVariant(0.0) << QStringLiteral("terminy")
        << QVariantMap{{"SPRODDO", "D"}, {"DATAOD", today}, {"DATADO", far}} << false;
    for (const char* mark : {"X", "o", ""})
        QTest::newRow(qPrintable(QStringLiteral("scheduler marked '%1'").arg(QLatin1String(mark))))
            << QVariant(0.0) << QStringLiteral("terminy")
            << QVariantMap{{"SPRODDO", QString::fromLatin1(mark)},
                           {"DATAOD", today},
                           {"DATADO", today}}
            << false;
    QTest::newRow("scheduler unmarked")
        << QVariant(0.0) << QStringLiteral("terminy")
        << QVariantMap{{"DATAOD", today}, {"DATADO", today}} << false;
}

void TstReminders::whoIsListedByDate() {
    QFETCH(QVariant, status);
    QFETCH(QString, table);
    QFETCH(QVariantMap, record);
    QFETCH(bool, listed);
    const bool own = table == QLatin1String("pojazdy");
    const qint64 car = vehicle(status, own ? fields(record) : FieldValues{});
    QVERIFY(car > 0);
    if (!own) {
        record.insert(table == QLatin1String("terminy") ? "IDPOJAZDU" : "IDPOJAZD", car);
        QVERIFY(add(table, fields(record)) > 0);
    }
    Reminders reminders(*m_db, options(7, 3), kToday);
    const ReminderList list = reminders.dateCheck();
    QVERIFY(!list.failed());
    QCOMPARE(list.found, listed);
    if (listed) {
        QCOMPARE(list.terms.size(), 1);
        QCOMPARE(list.terms.first().table, table);
        QCOMPARE(list.terms.first().vehicle, car);
        QCOMPARE(list.terms.first().date, qint64(20250310));
    }
}

void TstReminders::odometerWindow_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::addColumn<double>("term");
    QTest::addColumn<double>("reading");
    QTest::addColumn<bool>("listed");
    QTest::newRow("1000 before: from 49000 on") << 1000 << 0 << 50000.0 << 49000.0 << true;
    QTest::newRow("1000 before: not at 48999") << 1000 << 0 << 50000.0 << 48999.0 << false;
    QTest::newRow("at the term") << 1000 << 0 << 50000.0 << 50000.0 << true;
    QTest::newRow("after 0: for ever") << 1000 << 0 << 50000.0 << 900000.0 << true;
    QTest::newRow("after 500: at 50500") << 1000 << 500 << 50000.0 << 50500.0 << true;
    QTest::newRow("after 500: not above 50500") << 1000 << 500 << 50000.0 << 50501.0 << false;
    QTest::newRow("a term at 0 never") << 1000 << 0 << 0.0 << 500.0 << false;
}

// Every kind of odometer term at the same reading comes and goes with the window.
void TstReminders::odometerWindow() {
    QFETCH(int, before);
    QFETCH(int, after);
    QFETCH(double, term);
    QFETCH(double, reading);
    QFETCH(bool, listed);
    const qint64 car = vehicle(0.0, {{"LICZPRZEG", term}, {"LICZGWAR", term}});
    QVERIFY(car > 0);
    // A vehicle not in use with the same terms and readings is never listed.
    const qint64 idle = vehicle(1.0, {{"LICZPRZEG", term}, {"LICZGWAR", term}});
    for (qint64 v : {car, idle}) {
        add("naprawy", {{"IDPOJAZD", v}, {"LICZTERM", term}, {"DATA", 20250301}});
        add("naprawy", {{"IDPOJAZD", v}, {"LICZTERM", term}, {"DONE", QStringLiteral("T")}});
        add("wyposazenie", {{"IDPOJAZD", v}, {"LICZTERM", term}, {"DATA", 20250302}});
        add("dokumenty", {{"IDPOJAZD", v}, {"LICZTERM", term}, {"DATA", 20250303}});
        add("terminy", {{"IDPOJAZDU", v}, {"LICZTERM", term}, {"DATAOD", 20250304}});
        add("opony", {{"IDPOJAZDU", v}, {"LICZTERM", term}});
        add("przebiegi", {{"IDPOJAZD", v}, {"LICZNIK", reading - 700}});
        add("przebiegi", {{"IDPOJAZD", v}, {"LICZNIK", reading}});
    }
    Reminders reminders(*m_db, options(7, 0, before, after), kToday);
    const ReminderList list = reminders.odometerCheck();
    QVERIFY(!list.failed());
    QCOMPARE(list.found, listed);
    if (!listed) {
        QCOMPARE(list.lines, QStringList{Reminders::nothingFound()});
        return;
    }
    using K = TermKind;
    QCOMPARE(kinds(list), (QList<K>{K::Inspection, K::WarrantyInspection, K::Repair, K::Equipment,
                                    K::Document, K::Scheduler, K::Tyres}));
    for (const ReminderTerm& t : list.terms) {
        QCOMPARE(t.vehicle, car);
        QCOMPARE(t.reading, term);
        QCOMPARE(t.odometer, reading);
    }
    QCOMPARE(list.lines.size(), 3 * list.terms.size());
}

// A reading without a vehicle, of a deleted vehicle or of one not in use comes before the
// vehicle with a term in key order: the walk passes over it and still finds the term.
void TstReminders::readingsOfMissingVehiclesArePassedOver() {
    const qint64 idle = vehicle(1.0, {{"LICZPRZEG", 10000.0}});
    const qint64 gone = vehicle(0.0, {{"LICZPRZEG", 10000.0}});
    const qint64 first = vehicle(0.0, {{"LICZPRZEG", 10000.0}});
    const qint64 second = vehicle(kNull, {{"LICZGWAR", 20000.0}});
    QVERIFY(idle > 0 && gone > idle && first > gone && second > first);
    QVERIFY(m_db->DatabaseFirma()
                .execute(SqlStatement(
                    QStringLiteral("DELETE FROM pojazdy WHERE IDPOJAZD = %1").arg(gone)))
                .ok());
    add("przebiegi", {{"IDPOJAZD", QVariant(QMetaType::fromType<qint64>())}, {"LICZNIK", 10000.0}});
    for (qint64 v : {idle, gone, second, first})
        add("przebiegi", {{"IDPOJAZD", v}, {"LICZNIK", v == second ? 19500.0 : 10000.0}});

    Reminders reminders(*m_db, options(), kToday);
    const auto vehicles = reminders.vehicleReadings();
    QVERIFY(vehicles);
    QCOMPARE(vehicles->size(), 2);
    QCOMPARE(vehicles->at(0).vehicle, first);
    QCOMPARE(vehicles->at(1).vehicle, second);
    const ReminderList list = reminders.odometerCheck();
    QVERIFY(!list.failed());
    QCOMPARE(list.terms.size(), 2);
    QCOMPARE(list.terms.at(0).vehicle, first);
    QCOMPARE(list.terms.at(0).kind, TermKind::Inspection);
    QCOMPARE(list.terms.at(1).vehicle, second);
    QCOMPARE(list.terms.at(1).kind, TermKind::WarrantyInspection);
}

// The exact lines of the three lists, and the date separator and decimal point of the
// locale.
void TstReminders::linesOfEachKind() {
    const qint64 today = 20250310;
    const qint64 car = add("pojazdy", {{"NRREJ", QStringLiteral("WZ 1234")},
                                       {"MARKA", QStringLiteral("Fiat Ducato")},
                                       {"STATUS", 0.0},
                                       {"DATAOC", today},
                                       {"LICZPRZEG", 50000.0}});
    add("osobowa", {{"NREW", QStringLiteral("K1")},
                    {"NAZWISKO", QStringLiteral("Kowalski")},
                    {"IMIE", QStringLiteral("Jan")}});
    const qint64 medical = add("slowniki", {{"IDSLOWNIK", QStringLiteral("RTERM")},
                                            {"OPIS", QStringLiteral("Badanie lekarskie")}});
    const qint64 winter = add(
        "slowniki", {{"IDSLOWNIK", QStringLiteral("RODOP")}, {"OPIS", QStringLiteral("Zimowe")}});
    add("terminy", {{"SPRODDO", QStringLiteral("O")},
                    {"DATAOD", today},
                    {"RODZAJTERMINU", medical},
                    {"NREW", QStringLiteral("K1")},
                    {"KONTRAHENT", QStringLiteral("Przychodnia")},
                    {"IDPOJAZDU", car}});
    add("terminy", {{"SPRODDO", QStringLiteral("O")},
                    {"DATAOD", today},
                    {"RODZAJTERMINU", medical},
                    {"NREW", QStringLiteral(" ")}});
    add("kpaliwowe", {{"IDKARTY", QStringLiteral("KP/1")},
                      {"NAZWA", QStringLiteral("Karta Gryf")},
                      {"TERMIN", today}});
    add("opony", {{"NREWID", QStringLiteral("OP-1")},
                  {"MARKA", QStringLiteral("Dębica")},
                  {"RODZAJ", winter},
                  {"IDPOJAZDU", car},
                  {"DATAWYMIANY", today}});
    add("opony", {{"NREWID", QStringLiteral("OP-2")}, {"RODZAJ", winter}, {"DATAWYMIANY", today}});
    add("naprawy", {{"IDPOJAZD", car},
                    {"LICZTERM", 50000.0},
                    {"DATA", 20250301},
                    {"OPIS", QStringLiteral("Wymiana rozrządu")}});
    add("przebiegi", {{"IDPOJAZD", car}, {"LICZNIK", 49500.0}});
    for (const auto& [part, quantity, level] :
         {std::tuple{"Olej", 2.0, 5.0}, std::tuple{"Filtr", 10.0, 3.0},
          std::tuple{"Żarówka", 0.0, 0.0}, std::tuple{"Łożysko", 1.0, 1.0}})
        add("magazyn",
            {{"CZESC", QString::fromUtf8(part)}, {"ILOSC", quantity}, {"PRZYPOMNIJ", level}});

    Reminders reminders(*m_db, options(), kToday);
    QCOMPARE(reminders.dateCheck().lines,
             (QStringList{"10.03.2025 Ważność ubezpieczenia OC dla pojazdu WZ 1234, Fiat Ducato",
                          "01.03.2025 Termin naprawy dla pojazdu WZ 1234, Fiat Ducato, Wymiana "
                          "rozrządu",
                          "10.03.2025 Termin Karty Paliwowej KP/1, Karta Gryf",
                          "10.03.2025 Badanie lekarskie, Kowalski Jan(K1), Przychodnia, WZ 1234",
                          "10.03.2025 Badanie lekarskie",
                          "10.03.2025 Wymiana opon (OP-1), pojazd: WZ 1234, Zimowe, Dębica",
                          "10.03.2025 Wymiana opon (OP-2), pojazd: , Zimowe"}));
    QCOMPARE(reminders.odometerCheck().lines,
             (QStringList{"WZ 1234 Fiat Ducato,przeb.:49500,00",
                          "  Termin przeglądu technicznego po przebiegu 50000,00", "",
                          "WZ 1234 Fiat Ducato,przeb.:49500,00",
                          "  Termin naprawy przy stanie licznika 50000,00 (01.03.2025)", ""}));
    // Polish order: Ł between L and M, Ż last.
    const ReminderList store = reminders.storeCheck();
    QCOMPARE(store.lines,
             (QStringList{"Niski stan magazynowy następujących części:", "Łożysko (Ilość = 1,00)",
                          "Olej (Ilość = 2,00)", "Żarówka (Ilość = 0,00)"}));
    QCOMPARE(store.bytes(TextEncoding::Utf8).count("\r\n"), 4);

    Reminders inC(*m_db, options(), kToday, QLocale::c());
    QCOMPARE(
        inC.dateCheck().lines.first(),
        QStringLiteral("10-03-2025 Ważność ubezpieczenia OC dla pojazdu WZ 1234, Fiat Ducato"));
    QCOMPARE(inC.odometerCheck().lines.first(),
             QStringLiteral("WZ 1234 Fiat Ducato,przeb.:49500.00"));
}

// The calendar's span includes both ends and every section, whatever the options.
void TstReminders::calendarSpanTakesEverySection() {
    const qint64 car = vehicle(0.0, {{"DATAOC", 20250301},
                                     {"DATAAC", 20250331},
                                     {"DATAPRZE", 20250228},
                                     {"DATAPRZEGW", 20250401}});
    vehicle(1.0, {{"DATAOC", 20250315}});
    add("dokumenty", {{"IDPOJAZD", car}, {"TERMIN", 20250315}});
    TconfigPP nothing = options();
    nothing.cbOC = nothing.cbAC = nothing.cbDOKUMENTY = false;
    Reminders reminders(*m_db, nothing, kToday);
    const ReminderList march =
        reminders.datedTerms(DateSpan::between(QDate(2025, 3, 1), QDate(2025, 3, 31)));
    QCOMPARE(kinds(march),
             (QList<TermKind>{TermKind::InsuranceOC, TermKind::InsuranceAC, TermKind::Document}));
    QCOMPARE(reminders.datedTerms(DateSpan()).terms.size(), 5);
    QVERIFY(!reminders.datedTerms(DateSpan::between(QDate(2026, 1, 1), QDate())).found);
}

void TstReminders::failingSectionIsReportedAndOthersRun() {
    TmyDataBase broken(&m_messages);
    QVERIFY(broken.openCompany(m_location->location(), QStringLiteral("zepsuta")));
    DbConnection& db = broken.DatabaseFirma();
    qint64 car = 0;
    QVERIFY(insertRow(db, "pojazdy",
                      {{"NRREJ", QStringLiteral("X 1")},
                       {"STATUS", 0.0},
                       {"DATAOC", 20250310},
                       {"LICZPRZEG", 1000.0}},
                      &car)
                .ok());
    QVERIFY(insertRow(db, "przebiegi", {{"IDPOJAZD", car}, {"LICZNIK", 900.0}}).ok());
    for (const char* table : {"kpaliwowe", "dokumenty", "magazyn"})
        QVERIFY(
            db.execute(SqlStatement(QStringLiteral("DROP TABLE ") + QLatin1String(table))).ok());

    Reminders reminders(broken, options(), kToday);
    const ReminderList dates = reminders.dateCheck();
    QCOMPARE(dates.failedCodes, (QList<qint64>{197, 198}));
    QCOMPARE(kinds(dates), QList<TermKind>{TermKind::InsuranceOC});
    const ReminderList readings = reminders.odometerCheck();
    QCOMPARE(readings.failedCodes, QList<qint64>{185306});
    QCOMPARE(kinds(readings), QList<TermKind>{TermKind::Inspection});
    const ReminderList store = reminders.storeCheck();
    QCOMPARE(store.failedCodes, QList<qint64>{151923});
    QVERIFY(store.lines.isEmpty());
    QCOMPARE(m_messages.shown().size(), 4);
    QCOMPARE(m_messages.shown().first().title, ErrorReport::title());

    // The walk over the vehicles fails as a whole, and nothing found is said.
    QVERIFY(db.execute(SqlStatement(QStringLiteral("DROP TABLE przebiegi"))).ok());
    const ReminderList walk = reminders.odometerCheck();
    QCOMPARE(walk.failedCodes, QList<qint64>{331934});
    QCOMPARE(walk.lines, QStringList{Reminders::nothingFound()});

    QFile log(ErrorLog::path());
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QByteArray logged = log.readAll();
    for (const char* code :
         {"[0000000197]", "[0000000198]", "[0000185306]", "[0000151923]", "[0000331934]"})
        QVERIFY2(logged.contains(code), code);
}

QTEST_GUILESS_MAIN(TstReminders)
#include "tst_reminders.moc"
