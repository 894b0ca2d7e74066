#include "TestLocation.h"
#include "data/engine/DbConnection.h"
#include "data/schema/DatabaseCreator.h"
#include "data/schema/Schema.h"
#include "support/PasswordHash.h"

#include <QAtomicInt>
#include <QDateTime>
#include <QSet>
#include <QTest>
#include <cmath>
#include <memory>

namespace {

int ymd(const QDate& date) {
    return date.year() * 10000 + date.month() * 100 + date.day();
}

QDate fromYmd(qint64 value) {
    return QDate(int(value / 10000), int(value / 100 % 100), int(value % 100));
}

qint64 grosze(double amount) {
    return std::llround(amount * 100);
}

QString connectionName() {
    static QAtomicInt counter;
    return QStringLiteral("tst-democompany-%1").arg(counter.fetchAndAddRelaxed(1));
}

// The rows of a SELECT, or why there are none.
struct Rows {
    QList<QVariantList> rows;
    QString error;
};

Rows query(DbConnection& db, const QString& sql) {
    Rows result;
    DbQuery q;
    if (DbError error = db.select(SqlStatement(sql), &q)) {
        result.error = error.message() + QStringLiteral("\n") + sql;
        return result;
    }
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < q.fieldCount(); ++i)
            row << q.value(i);
        result.rows << row;
    }
    return result;
}

// The first column of the first row as a number, -1 when the statement failed.
qint64 scalar(DbConnection& db, const QString& sql, QString* error) {
    const Rows result = query(db, sql);
    if (!result.error.isEmpty()) {
        *error = result.error;
        return -1;
    }
    return result.rows.isEmpty() ? 0 : std::llround(result.rows.first().value(0).toDouble());
}

// Dates the test writes into its statements: today, and today plus a number of days.
QString withDates(QString sql, const QDate& today) {
    sql.replace(QStringLiteral("{TODAY}"), QString::number(ymd(today)));
    for (int days : {7, 14, 30})
        sql.replace(QStringLiteral("{IN%1}").arg(days), QString::number(ymd(today.addDays(days))));
    return sql;
}

// A new location holding the sample company of a day, opened.
QString createSample(const TestLocation& location, const QDate& today, DbConnection* company) {
    const CreateResult created = DatabaseCreator::createDatabase(location.location(), false);
    if (!created.ok)
        return created.message;
    const CreateResult added = DatabaseCreator::addCompany(
        location.location(), DatabaseCreator::sampleCompanyName(),
        DatabaseCreator::sampleCompanyDir(), DatabaseCreator::Contents::Sample, today);
    if (!added.ok)
        return added.message;
    if (DbError error = company->openCompany(location.location(), QStringLiteral("demo")))
        return error.message();
    return {};
}

// Dated rows of the year's registers lie between a year ago (exclusive) and today, and
// cover the year rather than a few days of it.
struct Window {
    const char* table;
    const char* field;
    int recentDays;  // the newest row is at most this old
};
const Window kWindows[] = {
    {"koszty", "DATA", 31},
    {"koszty", "DATAWYSTAW", 31},
    {"przejazdy", "DATA", 31},
    {"zuzycie", "DATA", 31},
    {"zuzycielpg", "DATA", 31},
    {"zuzyciekm", "DATA", 31},
    // The LPG car of this register went out of service two months ago.
    {"zuzyciekmlpg", "DATA", 90},
    {"zuzyciemth", "DATA", 31},
    {"zuzyciemthlpg", "DATA", 31},
    {"przebiegi", "DATA", 31},
    {"cenypaliw", "DATA", 7},
};

QString windowProblem(DbConnection& db, const Window& w, const QDate& today) {
    QString error;
    const QString from = QString::number(ymd(today.addYears(-1)));
    const QString to = QString::number(ymd(today));
    const QString table = QString::fromLatin1(w.table);
    const QString field = QString::fromLatin1(w.field);
    const qint64 outside =
        scalar(db,
               QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 IS NULL OR %2 <= %3 OR %2 > %4")
                   .arg(table, field, from, to),
               &error);
    const qint64 oldest =
        scalar(db, QStringLiteral("SELECT MIN(%2) FROM %1").arg(table, field), &error);
    const qint64 newest =
        scalar(db, QStringLiteral("SELECT MAX(%2) FROM %1").arg(table, field), &error);
    if (!error.isEmpty())
        return error;
    if (outside != 0)
        return QStringLiteral("%1.%2: %3 rows outside the year").arg(table, field).arg(outside);
    if (oldest > ymd(today.addYears(-1).addDays(45)))
        return QStringLiteral("%1.%2 starts only on %3").arg(table, field).arg(oldest);
    if (newest < ymd(today.addDays(-w.recentDays)))
        return QStringLiteral("%1.%2 ends already on %3").arg(table, field).arg(newest);
    return {};
}

// Every date of every table is a day of the calendar (no 30 February) and every time a
// time of day.
QString calendarProblem(DbConnection& db) {
    for (const TableDef& table : Schema::companyTables()) {
        for (const FieldDef& field : table.fields) {
            const bool date = field.kind == FieldKind::Date || field.kind == FieldKind::DateNumber;
            if (!date && field.kind != FieldKind::Time)
                continue;
            const Rows result = query(db, QStringLiteral("SELECT %1 FROM %2 WHERE %1 IS NOT NULL")
                                              .arg(field.name, table.name));
            if (!result.error.isEmpty())
                return result.error;
            for (const QVariantList& row : result.rows) {
                const qint64 value = std::llround(row.first().toDouble());
                const bool valid = date ? value == 0 || fromYmd(value).isValid()
                                        : value >= 0 && value / 100 < 24 && value % 100 < 60;
                if (!valid)
                    return QStringLiteral("%1.%2 holds %3").arg(table.name, field.name).arg(value);
            }
        }
    }
    return {};
}

// The tank register: each refuelling's tank is the previous tank and refuelling less what
// the distance between them took, never below empty, at a believable rate.
QString tankProblem(DbConnection& db, const QString& table, int* vehicles, int* rows) {
    const Rows result =
        query(db, QStringLiteral("SELECT IDPOJAZD, DATA, BAK, TANKOWANIE, LICZNIK FROM %1 "
                                 "ORDER BY IDPOJAZD, DATA")
                      .arg(table));
    if (!result.error.isEmpty())
        return result.error;
    *vehicles = 0;
    *rows = int(result.rows.size());
    for (qsizetype i = 0; i < result.rows.size(); ++i) {
        const QVariantList& row = result.rows.at(i);
        const QString where = QStringLiteral("%1 vehicle %2 on %3")
                                  .arg(table, row.at(0).toString(), row.at(1).toString());
        if (row.at(2).toDouble() < 0 || row.at(3).toDouble() <= 0)
            return where + QStringLiteral(": tank %1, refuelled %2")
                               .arg(row.at(2).toDouble())
                               .arg(row.at(3).toDouble());
        if (i == 0 || result.rows.at(i - 1).at(0) != row.at(0)) {
            ++*vehicles;
            continue;
        }
        const QVariantList& previous = result.rows.at(i - 1);
        const double distance = row.at(4).toDouble() - previous.at(4).toDouble();
        const qint64 used = grosze(previous.at(2).toDouble()) + grosze(previous.at(3).toDouble()) -
                            grosze(row.at(2).toDouble());
        if (distance <= 0)
            return where + QStringLiteral(": the odometer went from %1 to %2")
                               .arg(previous.at(4).toDouble())
                               .arg(row.at(4).toDouble());
        if (used < 0)
            return where + QStringLiteral(": the tank grew without refuelling");
        const double per100 = used / distance;  // centilitres per km = litres per 100 km
        if (per100 < 4 || per100 > 35)
            return where + QStringLiteral(": %1 l/100 km").arg(per100);
    }
    return {};
}

}  // namespace

class TestDemoCompany : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void everyTableHasRows_data();
    void everyTableHasRows();
    void datedRowsLieWithinTheYear_data();
    void datedRowsLieWithinTheYear();
    void everyDateIsACalendarDay();
    void referencesNameExistingRows_data();
    void referencesNameExistingRows();
    void tanksStayConsistent_data();
    void tanksStayConsistent();
    void distanceRegistersAddUp_data();
    void distanceRegistersAddUp();
    void amountsAddUpToTheGrosz_data();
    void amountsAddUpToTheGrosz();
    void costsFollowVatAndFuel();
    void readingsNeverGoBack_data();
    void readingsNeverGoBack();
    void tripsFollowTheirRoutes();
    void periodsRunForward_data();
    void periodsRunForward();
    void roadCardHoursAddUp();
    void companyHasTheExpectedMix_data();
    void companyHasTheExpectedMix();
    void registrationNumbersHaveNoQuotes();
    void somethingFallsDue_data();
    void somethingFallsDue();
    void notesAndTheSecondUser();
    void sameDayGivesTheSameCompany_data();
    void sameDayGivesTheSameCompany();
    void awkwardDays_data();
    void awkwardDays();

private:
    const QDate m_today{2026, 3, 12};
    std::unique_ptr<TestLocation> m_location;
    std::unique_ptr<DbConnection> m_company;
    std::unique_ptr<TestLocation> m_twinLocation;
    std::unique_ptr<DbConnection> m_twin;
};

void TestDemoCompany::initTestCase() {
    m_location = std::make_unique<TestLocation>();
    REQUIRE_LOCATION(*m_location);
    m_company = std::make_unique<DbConnection>(connectionName());
    const QString problem = createSample(*m_location, m_today, m_company.get());
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    // A second company of the same day in a location of its own.
    m_twinLocation = std::make_unique<TestLocation>();
    REQUIRE_LOCATION(*m_twinLocation);
    m_twin = std::make_unique<DbConnection>(connectionName());
    const QString twinProblem = createSample(*m_twinLocation, m_today, m_twin.get());
    QVERIFY2(twinProblem.isEmpty(), qPrintable(twinProblem));
}

void TestDemoCompany::everyTableHasRows_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("condition");
    QTest::addColumn<int>("minimum");
    // Tables a new company fills by itself count only with what the sample adds to them.
    const QHash<QString, std::pair<QString, int>> stricter = {
        {QStringLiteral("firma"), {QStringLiteral("NAZWA <> '' AND NIP <> ''"), 1}},
        {QStringLiteral("userzy"), {QStringLiteral("NAZWA = 'JAN'"), 1}},
        {QStringLiteral("uprawnienia"), {QStringLiteral("NAZWA = 'JAN'"), 52}},
        {QStringLiteral("notatki"), {QStringLiteral("OPIS <> ''"), 2}},
        {QStringLiteral("slowniki"), {QStringLiteral("IDSLOWNIK IN ('KONTR', 'TRASY')"), 10}},
        {QStringLiteral("pojazdy"), {QStringLiteral("1 = 1"), 9}},
        {QStringLiteral("osobowa"), {QStringLiteral("1 = 1"), 10}},
        {QStringLiteral("koszty"), {QStringLiteral("1 = 1"), 200}},
        {QStringLiteral("przejazdy"), {QStringLiteral("1 = 1"), 50}},
        {QStringLiteral("cenypaliw"), {QStringLiteral("1 = 1"), 200}},
        {QStringLiteral("przebiegi"), {QStringLiteral("1 = 1"), 100}},
    };
    QCOMPARE(Schema::companyTableNames().size(), 29);
    for (const QString& table : Schema::companyTableNames()) {
        const auto rule = stricter.value(table, {QStringLiteral("1 = 1"), 1});
        QTest::newRow(qPrintable(table)) << table << rule.first << rule.second;
    }
}

void TestDemoCompany::everyTableHasRows() {
    QFETCH(QString, table);
    QFETCH(QString, condition);
    QFETCH(int, minimum);
    QString error;
    const qint64 rows =
        scalar(*m_company, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2").arg(table, condition),
               &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY2(rows >= minimum, qPrintable(QStringLiteral("%1 rows").arg(rows)));
}

void TestDemoCompany::datedRowsLieWithinTheYear_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(kWindows)); ++i)
        QTest::newRow(qPrintable(QStringLiteral("%1.%2").arg(QLatin1String(kWindows[i].table),
                                                             QLatin1String(kWindows[i].field))))
            << i;
}

void TestDemoCompany::datedRowsLieWithinTheYear() {
    QFETCH(int, index);
    const QString problem = windowProblem(*m_company, kWindows[index], m_today);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void TestDemoCompany::everyDateIsACalendarDay() {
    const QString problem = calendarProblem(*m_company);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void TestDemoCompany::referencesNameExistingRows_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("target");  // a condition on t, the row that refers
    QTest::addColumn<bool>("optional");   // NULL allowed
    const QString vehicle = QStringLiteral("SELECT 1 FROM pojazdy p WHERE p.IDPOJAZD = t.%1");
    const QString person = QStringLiteral("SELECT 1 FROM osobowa o WHERE o.NREW = t.%1");
    const auto entry = [](const char* dictionary, const char* column) {
        return QStringLiteral("SELECT 1 FROM slowniki s WHERE s.IDSLOWNIK = '%1' AND s.%2 = t.%3")
            .arg(QLatin1String(dictionary), QLatin1String(column));
    };
    const auto row = [](const char* table, const char* field, const QString& target,
                        bool optional = false) {
        QTest::addRow("%s.%s", table, field)
            << QString::fromLatin1(table) << QString::fromLatin1(field)
            << target.arg(QLatin1String(field)) << optional;
    };
    for (const char* table :
         {"koszty", "przejazdy", "naprawy", "szkody", "przebiegi", "kartydrogowe", "kpaliwowe",
          "dokumenty", "wyposazenie", "zuzycie", "zuzycielpg", "zuzyciekm", "zuzyciekmlpg",
          "zuzyciemth", "zuzyciemthlpg"})
        row(table, "IDPOJAZD", vehicle);
    for (const char* table :
         {"koszty", "przejazdy", "naprawy", "szkody", "kartydrogowe", "kpaliwowe", "pojazdy"})
        row(table, "IDKIEROWCY", person);
    for (const char* table : {"terminy", "rozliczenia", "zlecenia"})
        row(table, "NREW", person);
    row("koszty", "RODZWYD", entry("RDWYD", "OPIS"));
    row("koszty", "RODZAJPLAT", entry("RDPLA", "KOD"));
    row("koszty", "CK", entry("CKKOD", "KOD"), true);
    row("koszty", "IDKARTY", QStringLiteral("SELECT 1 FROM kpaliwowe k WHERE k.IDKARTY = t.%1"),
        true);
    row("koszty", "IDDROGOWA",
        QStringLiteral("SELECT 1 FROM kartydrogowe k WHERE k.IDDROGOWA = t.%1 AND "
                       "k.IDPOJAZD = t.IDPOJAZD AND t.DATA BETWEEN k.DATASTART AND k.DATAEND"),
        true);
    row("przejazdy", "CELWYJAZDU", entry("CELWY", "OPIS"));
    row("przejazdy", "TRASA", entry("TRASY", "OPIS"));
    row("kartydrogowe", "TRASA", entry("TRASY", "OPIS"));
    row("naprawy", "OPIS", entry("RDNAP", "OPIS"));
    row("pojazdy", "RODZAJ", entry("RDPOJ", "KOD"));
    row("pojazdy", "NRFLOTY", entry("FLOTA", "KOD"), true);
    row("opony", "RODZAJ", entry("RODOP", "KOD"));
    row("opony", "ROZMIAR", entry("ROZOP", "KOD"));
    row("cenypaliw", "RODZAJPALIWA", entry("RDPAL", "KOD"));
    row("cenypaliw", "MIEJSCE", entry("PMIEJ", "OPIS"));
    row("terminy", "RODZAJTERMINU", entry("RTERM", "KOD"));
    row("rozliczenia", "RODZAJPRAC", entry("RPRAC", "KOD"));
    row("rozliczenia", "KONTRAHENT", entry("KONTR", "OPIS"));
    row("zlecenia", "RODZAJPRAC", entry("RPRAC", "KOD"));
    row("dokumenty", "RODZAJ", entry("RDDOK", "OPIS"));
    row("wyposazenie", "RODZAJ", entry("RDWYP", "OPIS"));
    row("magazyn", "CZESC", entry("CZESC", "OPIS"));
}

void TestDemoCompany::referencesNameExistingRows() {
    QFETCH(QString, table);
    QFETCH(QString, field);
    QFETCH(QString, target);
    QFETCH(bool, optional);
    QString error;
    const qint64 dangling = scalar(
        *m_company,
        QStringLiteral("SELECT COUNT(*) FROM %1 t WHERE t.%2 IS NOT NULL AND NOT EXISTS (%3)")
            .arg(table, field, target),
        &error);
    const qint64 referring =
        scalar(*m_company,
               QStringLiteral("SELECT COUNT(*) FROM %1 t WHERE t.%2 IS NOT NULL").arg(table, field),
               &error);
    const qint64 missing = scalar(
        *m_company,
        QStringLiteral("SELECT COUNT(*) FROM %1 t WHERE t.%2 IS NULL").arg(table, field), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(dangling, 0);
    QVERIFY(referring > 0);
    if (!optional)
        QCOMPARE(missing, 0);
}

void TestDemoCompany::tanksStayConsistent_data() {
    QTest::addColumn<QString>("table");
    QTest::newRow("zuzycie") << QStringLiteral("zuzycie");
    QTest::newRow("zuzycielpg") << QStringLiteral("zuzycielpg");
}

void TestDemoCompany::tanksStayConsistent() {
    QFETCH(QString, table);
    int vehicles = 0, rows = 0;
    const QString problem = tankProblem(*m_company, table, &vehicles, &rows);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(vehicles >= 1);
    QVERIFY2(rows >= 20, qPrintable(QStringLiteral("%1 refuellings").arg(rows)));
}

void TestDemoCompany::distanceRegistersAddUp_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<double>("perUnit");  // 100 for l/100 km, 1 for l/h
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::newRow("zuzyciekm") << QStringLiteral("zuzyciekm") << 100.0 << 4.0 << 35.0;
    QTest::newRow("zuzyciekmlpg") << QStringLiteral("zuzyciekmlpg") << 100.0 << 6.0 << 14.0;
    QTest::newRow("zuzyciemth") << QStringLiteral("zuzyciemth") << 1.0 << 5.0 << 18.0;
    QTest::newRow("zuzyciemthlpg") << QStringLiteral("zuzyciemthlpg") << 1.0 << 2.0 << 18.0;
}

void TestDemoCompany::distanceRegistersAddUp() {
    QFETCH(QString, table);
    QFETCH(double, perUnit);
    QFETCH(double, low);
    QFETCH(double, high);
    const Rows result = query(
        *m_company,
        QStringLiteral(
            "SELECT IDPOJAZD, DATA, PRZEBIEG, TANKOWANIE, LICZNIK FROM %1 ORDER BY IDPOJAZD, DATA")
            .arg(table));
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QVERIFY(result.rows.size() >= 10);
    for (qsizetype i = 0; i < result.rows.size(); ++i) {
        const QVariantList& row = result.rows.at(i);
        const QByteArray where = QStringLiteral("vehicle %1 on %2")
                                     .arg(row.at(0).toString(), row.at(1).toString())
                                     .toUtf8();
        const double covered = row.at(2).toDouble();
        const double fuel = row.at(3).toDouble();
        QVERIFY2(covered > 0, where.constData());
        const double rate = fuel / covered * perUnit;
        QVERIFY2(rate >= low && rate <= high,
                 qPrintable(QStringLiteral("%1: %2").arg(QString::fromUtf8(where)).arg(rate)));
        if (i > 0 && result.rows.at(i - 1).at(0) == row.at(0)) {
            // The distance covered is the reading's increase since the previous refuelling.
            const double increase = row.at(4).toDouble() - result.rows.at(i - 1).at(4).toDouble();
            QVERIFY2(std::abs(increase - covered) < 1e-6, where.constData());
        }
    }
}

void TestDemoCompany::amountsAddUpToTheGrosz_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("net");
    QTest::addColumn<QString>("vat");
    QTest::addColumn<QString>("gross");
    for (const char* table : {"koszty", "naprawy", "szkody"})
        QTest::newRow(table) << QString::fromLatin1(table) << QStringLiteral("WARTNETTO")
                             << QStringLiteral("WARTVAT") << QStringLiteral("WARTBRUTTO");
    QTest::newRow("opony") << QStringLiteral("opony") << QStringLiteral("NETTO")
                           << QStringLiteral("VAT") << QStringLiteral("BRUTTO");
}

void TestDemoCompany::amountsAddUpToTheGrosz() {
    QFETCH(QString, table);
    QFETCH(QString, net);
    QFETCH(QString, vat);
    QFETCH(QString, gross);
    const Rows result =
        query(*m_company, QStringLiteral("SELECT %1, %2, %3 FROM %4").arg(net, vat, gross, table));
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    int priced = 0;
    for (const QVariantList& row : result.rows) {
        const qint64 n = grosze(row.at(0).toDouble());
        const qint64 v = grosze(row.at(1).toDouble());
        const qint64 g = grosze(row.at(2).toDouble());
        QVERIFY2(n >= 0 && v >= 0, qPrintable(QStringLiteral("%1 + %2").arg(n).arg(v)));
        QCOMPARE(n + v, g);
        // The amounts themselves hold whole grosze.
        QVERIFY(std::abs(row.at(0).toDouble() * 100 - double(n)) < 1e-6);
        if (n > 0)
            ++priced;
    }
    QVERIFY(priced > 0);
}

void TestDemoCompany::costsFollowVatAndFuel() {
    const Rows result =
        query(*m_company, QStringLiteral("SELECT IDKOSZT, CZYVAT, WARTNETTO, WARTVAT, WARTBRUTTO, "
                                         "ISFUEL, FUEL, RODZWYD, RODZAJPLAT, IDKARTY FROM koszty"));
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QString error;
    const qint64 fuelCardPayment = scalar(
        *m_company,
        QStringLiteral(
            "SELECT KOD FROM slowniki WHERE IDSLOWNIK = 'RDPLA' AND OPIS = 'Karta paliwowa'"),
        &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    int withoutVat = 0, fuel = 0, card = 0;
    for (const QVariantList& row : result.rows) {
        const QByteArray where = QByteArray("IDKOSZT ") + row.at(0).toString().toLatin1();
        const qint64 net = grosze(row.at(2).toDouble());
        const qint64 vat = grosze(row.at(3).toDouble());
        const qint64 gross = grosze(row.at(4).toDouble());
        if (row.at(1).toString() == QLatin1String("T")) {
            // 23% of the net amount, rounded half up to the grosz.
            QVERIFY2(gross == (net * 123 + 50) / 100, where.constData());
        } else {
            QCOMPARE(row.at(1).toString(), QStringLiteral("N"));
            QVERIFY2(vat == 0, where.constData());
            ++withoutVat;
        }
        const bool isFuel = row.at(5).toString() == QLatin1String("T");
        QCOMPARE(isFuel, row.at(6).toDouble() > 0);
        QCOMPARE(isFuel, row.at(7).toString() == QLatin1String("Paliwo"));
        if (isFuel)
            ++fuel;
        // A fuel card payment names the card, no other payment does.
        const bool byCard = row.at(8).toLongLong() == fuelCardPayment;
        QVERIFY2(byCard == !row.at(9).isNull(), where.constData());
        if (byCard)
            ++card;
    }
    QVERIFY(withoutVat > 0);
    QVERIFY(fuel >= 100);
    QVERIFY(card > 0);
}

void TestDemoCompany::readingsNeverGoBack_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<bool>("strictly");
    QTest::newRow("koszty")
        << QStringLiteral("SELECT IDPOJAZD, LICZNIK FROM koszty ORDER BY IDPOJAZD, DATA, IDKOSZT")
        << false;
    QTest::newRow("przebiegi")
        << QStringLiteral("SELECT IDPOJAZD, LICZNIK FROM przebiegi ORDER BY IDPOJAZD, DATA")
        << true;
    QTest::newRow("kartydrogowe")
        << QStringLiteral(
               "SELECT IDPOJAZD, LICZSTART, LICZEND FROM kartydrogowe ORDER BY IDPOJAZD, DATASTART")
        << false;
}

void TestDemoCompany::readingsNeverGoBack() {
    QFETCH(QString, sql);
    QFETCH(bool, strictly);
    const Rows result = query(*m_company, sql);
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QVERIFY(result.rows.size() >= 10);
    QSet<qint64> vehicles;
    for (qsizetype i = 0; i < result.rows.size(); ++i) {
        const QVariantList& row = result.rows.at(i);
        vehicles.insert(row.at(0).toLongLong());
        // A road card runs forward from its start to its end.
        if (row.size() > 2)
            QVERIFY(row.at(2).toDouble() > row.at(1).toDouble());
        if (i == 0 || result.rows.at(i - 1).at(0) != row.at(0))
            continue;
        const double before = result.rows.at(i - 1).last().toDouble();
        const double now = row.at(1).toDouble();
        QVERIFY2(strictly ? now > before : now >= before,
                 qPrintable(QStringLiteral("vehicle %1: %2 after %3")
                                .arg(row.at(0).toString())
                                .arg(now)
                                .arg(before)));
    }
    QVERIFY(!vehicles.isEmpty());
}

void TestDemoCompany::tripsFollowTheirRoutes() {
    // Trips of private cars, motorcycles and mopeds: a route's length one way or both,
    // priced by the list itself.
    const Rows result = query(
        *m_company,
        QStringLiteral("SELECT t.IDPRZEJAZD, t.ODLEGLOSC, s.UZUP1, p.RODZAJ, t.STAWKA, t.KWOTA "
                       "FROM przejazdy t JOIN pojazdy p ON p.IDPOJAZD = t.IDPOJAZD "
                       "JOIN slowniki s ON s.IDSLOWNIK = 'TRASY' AND s.OPIS = t.TRASA"));
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QSet<qint64> kinds;
    for (const QVariantList& row : result.rows) {
        const QByteArray where = QByteArray("IDPRZEJAZD ") + row.at(0).toString().toLatin1();
        const double km = row.at(2).toString().toDouble();
        QVERIFY2(km > 0, where.constData());
        QVERIFY2(row.at(1).toDouble() == km || row.at(1).toDouble() == 2 * km, where.constData());
        kinds.insert(row.at(3).toLongLong());
        QVERIFY2(row.at(4).isNull() && row.at(5).isNull(), where.constData());
    }
    QCOMPARE(kinds, (QSet<qint64>{1, 3, 4}));
}

void TestDemoCompany::periodsRunForward_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("kartydrogowe") << QStringLiteral("kartydrogowe") << QStringLiteral("DATASTART")
                                  << QStringLiteral("DATAEND");
    for (const char* table : {"rozliczenia", "zlecenia", "terminy"})
        QTest::newRow(table) << QString::fromLatin1(table) << QStringLiteral("DATAOD")
                             << QStringLiteral("DATADO");
}

void TestDemoCompany::periodsRunForward() {
    QFETCH(QString, table);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QString error;
    const qint64 all =
        scalar(*m_company, QStringLiteral("SELECT COUNT(*) FROM %1").arg(table), &error);
    const qint64 backwards = scalar(
        *m_company,
        QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 <= 0 OR %3 < %2").arg(table, from, to),
        &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(all > 0);
    QCOMPARE(backwards, 0);
}

void TestDemoCompany::roadCardHoursAddUp() {
    const Rows result = query(
        *m_company, QStringLiteral("SELECT NRKARTY, DATASTART, GODZSTART, DATAEND, GODZEND, CZAS, "
                                   "ODPOCZYNEK, GODZSUMA FROM kartydrogowe"));
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QVERIFY(!result.rows.isEmpty());
    QSet<QString> numbers;
    for (const QVariantList& row : result.rows) {
        const QByteArray where = row.at(0).toString().toUtf8();
        numbers.insert(row.at(0).toString());
        const auto at = [](qint64 date, qint64 time) {
            return QDateTime(fromYmd(date), QTime(int(time / 100), int(time % 100)), Qt::UTC);
        };
        const QDateTime start = at(row.at(1).toLongLong(), row.at(2).toLongLong());
        const QDateTime end = at(row.at(3).toLongLong(), row.at(4).toLongLong());
        QVERIFY2(start.isValid() && end.isValid() && start < end, where.constData());
        // The time on the road is the span from start to end; work is that less the rest.
        QVERIFY2(std::abs(start.secsTo(end) / 3600.0 - row.at(5).toDouble()) < 1e-6,
                 where.constData());
        QVERIFY2(row.at(7).toDouble() > 0, where.constData());
        QVERIFY2(
            std::abs(row.at(5).toDouble() - row.at(6).toDouble() - row.at(7).toDouble()) < 1e-6,
            where.constData());
    }
    QCOMPARE(numbers.size(), result.rows.size());
}

void TestDemoCompany::companyHasTheExpectedMix_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    const auto row = [](const char* name, const char* sql, int minimum, int maximum) {
        QTest::newRow(name) << QString::fromUtf8(sql) << minimum << maximum;
    };
    row("cars up to 900 cm3", "SELECT COUNT(*) FROM pojazdy WHERE RODZAJ = 1 AND POJEMNOSC <= 900",
        2, 9);
    row("a car of exactly 900 cm3",
        "SELECT COUNT(*) FROM pojazdy WHERE RODZAJ = 1 AND POJEMNOSC = 900", 1, 9);
    row("cars above 900 cm3", "SELECT COUNT(*) FROM pojazdy WHERE RODZAJ = 1 AND POJEMNOSC > 900",
        2, 9);
    row("lorries and vans", "SELECT COUNT(*) FROM pojazdy WHERE RODZAJ = 2", 2, 3);
    row("a motorcycle", "SELECT COUNT(*) FROM pojazdy WHERE RODZAJ = 3", 1, 1);
    row("a moped", "SELECT COUNT(*) FROM pojazdy WHERE RODZAJ = 4", 1, 1);
    row("a machine on engine hours", "SELECT COUNT(*) FROM pojazdy WHERE RODZAJ >= 5", 1, 3);
    row("a lorry with a tachograph",
        "SELECT COUNT(*) FROM pojazdy WHERE RODZAJ = 2 AND DATATACHO > 0", 1, 3);
    row("vehicles in use", "SELECT COUNT(*) FROM pojazdy WHERE STATUS = 0", 7, 12);
    row("an inactive vehicle", "SELECT COUNT(*) FROM pojazdy WHERE STATUS = 1", 1, 1);
    row("a vehicle in the workshop", "SELECT COUNT(*) FROM pojazdy WHERE STATUS = 3", 1, 1);
    row("a vehicle without an ordinal", "SELECT COUNT(*) FROM pojazdy WHERE LP IS NULL", 1, 1);
    row("ordinals are distinct",
        "SELECT COUNT(*) - COUNT(DISTINCT LP) FROM pojazdy WHERE LP IS NOT NULL", 0, 0);
    row("a vehicle outside every fleet", "SELECT COUNT(*) FROM pojazdy WHERE NRFLOTY IS NULL", 1,
        1);
    row("the first free kind renamed",
        "SELECT COUNT(*) FROM slowniki WHERE IDSLOWNIK = 'RDPOJ' AND KOD = 5 AND OPIS <> 'Inne 1'",
        1, 1);
    row("contractors", "SELECT COUNT(*) FROM slowniki WHERE IDSLOWNIK = 'KONTR'", 5, 8);
    row("fleets", "SELECT COUNT(*) FROM slowniki WHERE IDSLOWNIK = 'FLOTA'", 2, 3);
    row("cost centres", "SELECT COUNT(*) FROM slowniki WHERE IDSLOWNIK = 'CKKOD'", 3, 3);
    row("places", "SELECT COUNT(*) FROM slowniki WHERE IDSLOWNIK = 'PMIEJ'", 4, 6);
    row("routes with a length",
        "SELECT COUNT(*) FROM slowniki WHERE IDSLOWNIK = 'TRASY' AND UZUP1 <> ''", 4, 12);
    row("routes without a length",
        "SELECT COUNT(*) FROM slowniki WHERE IDSLOWNIK = 'TRASY' AND UZUP1 = ''", 0, 0);
    row("persons from Poland",
        "SELECT COUNT(*) FROM osobowa WHERE KRAJ = 'Polska' AND NAZWISKO <> ''", 10, 15);
    row("costs with a cost centre", "SELECT COUNT(*) FROM koszty WHERE CK IS NOT NULL", 1, 100000);
    row("costs without a cost centre", "SELECT COUNT(*) FROM koszty WHERE CK IS NULL", 1, 100000);
    row("costs on a road card", "SELECT COUNT(*) FROM koszty WHERE IDDROGOWA IS NOT NULL", 1,
        100000);
    row("done repairs",
        "SELECT COUNT(*) FROM naprawy WHERE DONE = 'T' AND DATA > 0 AND WARTBRUTTO > 0", 3, 50);
    row("tyres without a purchase date", "SELECT COUNT(*) FROM opony WHERE DATAZAKUPU = 0", 1, 5);
    row("tyres in store", "SELECT COUNT(*) FROM opony WHERE MAGAZYN = 'T' AND IDPOJAZDU = 0", 1, 5);
    row("tyre sets of four", "SELECT COUNT(*) FROM opony WHERE ILOSC <> 4", 0, 0);
    row("every fuel kind priced weekly",
        "SELECT MIN(n) FROM (SELECT COUNT(*) AS n FROM cenypaliw GROUP BY RODZAJPALIWA) c", 50, 53);
    row("fuel kinds priced", "SELECT COUNT(DISTINCT RODZAJPALIWA) FROM cenypaliw", 5, 5);
    row("believable LPG prices",
        "SELECT COUNT(*) FROM cenypaliw c JOIN slowniki s ON s.KOD = c.RODZAJPALIWA "
        "WHERE s.OPIS = 'Gaz LPG' AND (c.BRUTTO < 2 OR c.BRUTTO > 4.5)",
        0, 0);
    row("believable diesel prices",
        "SELECT COUNT(*) FROM cenypaliw c JOIN slowniki s ON s.KOD = c.RODZAJPALIWA "
        "WHERE s.OPIS = 'Olej napędowy' AND (c.BRUTTO < 4.5 OR c.BRUTTO > 8.5)",
        0, 0);
}

void TestDemoCompany::companyHasTheExpectedMix() {
    QFETCH(QString, sql);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QString error;
    const qint64 count = scalar(*m_company, sql, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY2(count >= minimum && count <= maximum, qPrintable(QString::number(count)));
}

void TestDemoCompany::registrationNumbersHaveNoQuotes() {
    const Rows result = query(*m_company, QStringLiteral("SELECT NRREJ FROM pojazdy"));
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QVERIFY(!result.rows.isEmpty());
    for (const QVariantList& row : result.rows) {
        const QString plate = row.first().toString();
        QVERIFY2(!plate.contains(QLatin1Char('\'')) && !plate.contains(QLatin1Char('"')),
                 qPrintable(plate));
        QVERIFY2(plate.contains(QLatin1Char(' ')), qPrintable(plate));
    }
}

void TestDemoCompany::somethingFallsDue_data() {
    QTest::addColumn<QString>("sql");
    const auto row = [](const char* name, const char* sql) {
        QTest::newRow(name) << QString::fromUtf8(sql);
    };
    row("OC within a week", "SELECT COUNT(*) FROM pojazdy WHERE DATAOC BETWEEN {TODAY} AND {IN7}");
    row("AC within a month",
        "SELECT COUNT(*) FROM pojazdy WHERE DATAAC BETWEEN {TODAY} AND {IN30}");
    row("an inspection overdue",
        "SELECT COUNT(*) FROM pojazdy WHERE DATAPRZE > 0 AND DATAPRZE < {TODAY}");
    row("a document within two weeks",
        "SELECT COUNT(*) FROM dokumenty WHERE TERMIN BETWEEN {TODAY} AND {IN14}");
    row("equipment overdue",
        "SELECT COUNT(*) FROM wyposazenie WHERE TERMIN > 0 AND TERMIN < {TODAY}");
    row("a fuel card within a month",
        "SELECT COUNT(*) FROM kpaliwowe WHERE TERMIN BETWEEN {TODAY} AND {IN30}");
    row("a scheduled end within two weeks",
        "SELECT COUNT(*) FROM terminy WHERE SPRODDO = 'D' AND DATADO BETWEEN {TODAY} AND {IN14}");
    row("a scheduled start within two weeks",
        "SELECT COUNT(*) FROM terminy WHERE SPRODDO = 'O' AND DATAOD BETWEEN {TODAY} AND {IN14}");
    row("a store item below its reminder", "SELECT COUNT(*) FROM magazyn WHERE ILOSC < PRZYPOMNIJ");
    row("a planned repair a short way ahead",
        "SELECT COUNT(*) FROM naprawy n WHERE n.DONE = 'N' AND n.DATA = 0 AND n.LICZTERM > "
        "(SELECT MAX(r.LICZNIK) FROM przebiegi r WHERE r.IDPOJAZD = n.IDPOJAZD) AND n.LICZTERM < "
        "(SELECT MAX(r.LICZNIK) FROM przebiegi r WHERE r.IDPOJAZD = n.IDPOJAZD) + 1000");
    row("an order still to do", "SELECT COUNT(*) FROM zlecenia WHERE DATAOD > {TODAY}");
}

void TestDemoCompany::somethingFallsDue() {
    QFETCH(QString, sql);
    QString error;
    const qint64 count = scalar(*m_company, withDates(sql, m_today), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(count >= 1);
}

void TestDemoCompany::notesAndTheSecondUser() {
    const Rows notes =
        query(*m_company, QStringLiteral("SELECT DATA FROM notatki WHERE OPIS <> ''"));
    QVERIFY2(notes.error.isEmpty(), qPrintable(notes.error));
    QVERIFY(notes.rows.size() >= 2);
    for (const QVariantList& row : notes.rows) {
        const QDate date = QDate::fromString(row.first().toString(), QStringLiteral("dd.MM.yyyy"));
        QVERIFY2(date.isValid(), qPrintable(row.first().toString()));
        QVERIFY(std::abs(date.daysTo(m_today)) <= 7);
    }
    const Rows user =
        query(*m_company,
              QStringLiteral("SELECT HASLO, OPIS, SUPERVISOR FROM userzy WHERE NAZWA = 'JAN'"));
    QVERIFY2(user.error.isEmpty(), qPrintable(user.error));
    QCOMPARE(user.rows.size(), 1);
    QVERIFY(PasswordHash::verify(QStringLiteral("jan123"), user.rows.first().at(0).toString()));
    QVERIFY(!PasswordHash::verify(QStringLiteral("jan124"), user.rows.first().at(0).toString()));
    QCOMPARE(user.rows.first().at(1).toString(), QStringLiteral("Jan Kowalski - kierownik floty"));
    QCOMPARE(user.rows.first().at(2).toString(), QStringLiteral("N"));
    const Rows rights =
        query(*m_company, QStringLiteral("SELECT UPR FROM uprawnienia WHERE NAZWA = 'JAN'"));
    QVERIFY2(rights.error.isEmpty(), qPrintable(rights.error));
    QSet<QString> granted, expected;
    for (const QVariantList& row : rights.rows)
        granted.insert(row.first().toString());
    for (int right = 1; right <= 52; ++right)
        expected.insert(QString::number(right));
    QCOMPARE(granted, expected);
    QCOMPARE(rights.rows.size(), 52);
}

void TestDemoCompany::sameDayGivesTheSameCompany_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("order");
    QTest::newRow("koszty") << QStringLiteral("koszty") << QStringLiteral("IDKOSZT");
    QTest::newRow("pojazdy") << QStringLiteral("pojazdy") << QStringLiteral("IDPOJAZD");
    QTest::newRow("zuzycie") << QStringLiteral("zuzycie") << QStringLiteral("IDPOJAZD, DATA");
    QTest::newRow("przejazdy") << QStringLiteral("przejazdy") << QStringLiteral("IDPRZEJAZD");
}

void TestDemoCompany::sameDayGivesTheSameCompany() {
    QFETCH(QString, table);
    QFETCH(QString, order);
    const QString sql = QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(table, order);
    const Rows first = query(*m_company, sql);
    const Rows second = query(*m_twin, sql);
    QVERIFY2(first.error.isEmpty(), qPrintable(first.error));
    QVERIFY2(second.error.isEmpty(), qPrintable(second.error));
    QVERIFY(first.rows.size() >= 10);
    QCOMPARE(second.rows.size(), first.rows.size());
    for (qsizetype i = 0; i < first.rows.size(); ++i) {
        QStringList a, b;
        for (const QVariant& value : first.rows.at(i))
            a << (value.isNull() ? QStringLiteral("NULL") : value.toString());
        for (const QVariant& value : second.rows.at(i))
            b << (value.isNull() ? QStringLiteral("NULL") : value.toString());
        QCOMPARE(b, a);
    }
}

void TestDemoCompany::awkwardDays_data() {
    QTest::addColumn<QDate>("today");
    QTest::newRow("29 February 2024") << QDate(2024, 2, 29);
    QTest::newRow("31 January 2025") << QDate(2025, 1, 31);
    QTest::newRow("31 March 2025") << QDate(2025, 3, 31);
    QTest::newRow("31 December 2027") << QDate(2027, 12, 31);
}

void TestDemoCompany::awkwardDays() {
    QFETCH(QDate, today);
    TestLocation location;
    REQUIRE_LOCATION(location);
    DbConnection company(connectionName());
    const QString problem = createSample(location, today, &company);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    const QString calendar = calendarProblem(company);
    QVERIFY2(calendar.isEmpty(), qPrintable(calendar));
    for (const Window& window : kWindows) {
        const QString outside = windowProblem(company, window, today);
        QVERIFY2(outside.isEmpty(), qPrintable(outside));
    }
    for (const char* table : {"zuzycie", "zuzycielpg"}) {
        int vehicles = 0, rows = 0;
        const QString tank = tankProblem(company, QString::fromLatin1(table), &vehicles, &rows);
        QVERIFY2(tank.isEmpty(), qPrintable(tank));
        QVERIFY(rows > 0);
    }
    QString error;
    const qint64 dueSoon = scalar(
        company,
        withDates(
            QStringLiteral("SELECT COUNT(*) FROM pojazdy WHERE DATAOC BETWEEN {TODAY} AND {IN7}"),
            today),
        &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(dueSoon, 1);
}

QTEST_GUILESS_MAIN(TestDemoCompany)
#include "tst_democompany.moc"
