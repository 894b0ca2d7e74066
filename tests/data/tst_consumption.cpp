// Fuel consumption of the refuelling registers: every row of a continuous list, the
// figures above a list, and merging a second refuelling of the same day.
#include "data/Consumption.h"
#include "data/ListTable.h"

#include <QDate>
#include <QRandomGenerator>
#include <QTest>
#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(RegisterId)

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const QStringList kContinuousFields = {"DATA", "BAK", "TANKOWANIE", "LICZNIK"};
const QStringList kAmountFields = {"DATA", "PRZEBIEG", "TANKOWANIE", "LICZNIK"};

struct Fill {
    qint64 date;
    double tank, fuel, reading;
};

ListTable continuousTable(const QList<Fill>& fills) {
    QList<QVariantList> rows;
    for (const Fill& f : fills)
        rows.append({f.date, f.tank, f.fuel, f.reading});
    return ListTable::fromValues(kContinuousFields, rows);
}

bool sameNumber(double actual, double expected) {
    if (std::isnan(expected) || std::isnan(actual))
        return std::isnan(expected) && std::isnan(actual);
    return std::fabs(actual - expected) <= 1e-9 * std::max(1.0, std::fabs(expected));
}

QString describe(const std::vector<double>& values) {
    QStringList texts;
    for (double v : values)
        texts << (std::isnan(v) ? QStringLiteral("NaN") : QString::number(v, 'g', 10));
    return texts.join(QStringLiteral(", "));
}

// The rule written out directly: the previous refuelling of a row is the row with the
// largest date before its own; of several rows on that day, the last one listed.
std::vector<double> naiveContinuous(const QList<Fill>& fills) {
    std::vector<double> result;
    for (qsizetype i = 0; i < fills.size(); ++i) {
        qsizetype previous = -1;
        for (qsizetype j = 0; j < fills.size(); ++j) {
            if (fills[j].date < fills[i].date &&
                (previous < 0 || fills[j].date >= fills[previous].date))
                previous = j;
        }
        double bp = 0, tp = 0, lp = 0;
        if (previous >= 0) {
            bp = fills[previous].tank;
            tp = fills[previous].fuel;
            lp = fills[previous].reading;
        }
        const double distance = fills[i].reading - lp;
        if (distance > 0 && (bp > 0 || tp > 0 || lp > 0))
            result.push_back((bp + tp - fills[i].tank) * 100.0 / distance);
        else
            result.push_back(kNaN);
    }
    return result;
}

qint64 dateNumber(const QDate& date) {
    return qint64(date.year()) * 10000 + date.month() * 100 + date.day();
}

double hundredths(QRandomGenerator& random, int maxCents) {
    return random.bounded(maxCents + 1) / 100.0;
}

}  // namespace

class TstConsumption : public QObject {
    Q_OBJECT

private slots:
    void continuousMatchesTheRuleOnRandomRows();
    void averageAgreesWithTheRowsConsumption();
    void continuousHandCases_data();
    void continuousHandCases();
    void continuousWithoutAColumn();
    void summarize_data();
    void summarize();
    void mergeSameDayRefuellings_data();
    void mergeSameDayRefuellings();
    void mergeWithEqualReadings();
    void mergeDistanceAndHours_data();
    void mergeDistanceAndHours();
};

void TstConsumption::continuousMatchesTheRuleOnRandomRows() {
    QRandomGenerator random(20240305);
    QList<Fill> fills;
    QDate day(2023, 1, 1);
    double reading = 500;
    for (int i = 0; i < 400; ++i) {
        day = day.addDays(random.bounded(4));  // 0: another refuelling the same day
        const int kind = random.bounded(100);
        Fill f{dateNumber(day), hundredths(random, 6000), hundredths(random, 8000), 0};
        if (kind < 5) {
            f = {dateNumber(day), 0, 0, 0};  // nothing recorded
        } else if (kind < 10) {
            f.tank = 0;
        } else if (kind < 15) {
            f.fuel = 0;
        } else if (kind < 20) {
            f.reading = reading;  // odometer not moved
        }
        if (kind >= 20) {
            reading += random.bounded(-100, 900) + hundredths(random, 99);
            f.reading = reading;
        }
        fills.append(f);
    }
    const std::vector<double> expected = naiveContinuous(fills);
    const std::vector<double> actual = Consumption::continuous(continuousTable(fills));
    QCOMPARE(actual.size(), expected.size());
    int computed = 0;
    for (size_t i = 0; i < expected.size(); ++i) {
        if (!std::isnan(expected[i]))
            ++computed;
        QVERIFY2(sameNumber(actual[i], expected[i]),
                 qPrintable(QStringLiteral("row %1 (date %2): %3 instead of %4")
                                .arg(i)
                                .arg(fills[qsizetype(i)].date)
                                .arg(actual[i])
                                .arg(expected[i])));
    }
    // The rows exercise both outcomes.
    QVERIFY(computed > 100);
    QVERIFY(computed < 390);
}

void TstConsumption::averageAgreesWithTheRowsConsumption() {
    // One refuelling a day and a moving odometer: the period's average is the fuel of
    // every row's consumption over the whole distance.
    QRandomGenerator random(1598);
    QList<Fill> fills;
    QDate day(2024, 1, 1);
    double reading = 12000;
    for (int i = 0; i < 200; ++i) {
        day = day.addDays(1 + random.bounded(5));
        reading += 50 + random.bounded(700);
        fills.append(
            {dateNumber(day), 1 + hundredths(random, 5000), hundredths(random, 6000), reading});
    }
    const ListTable table = continuousTable(fills);
    const std::vector<double> rows = Consumption::continuous(table);
    double burnt = 0;
    for (qsizetype i = 1; i < fills.size(); ++i) {
        QVERIFY(!std::isnan(rows[size_t(i)]));
        burnt += rows[size_t(i)] * (fills[i].reading - fills[i - 1].reading) / 100.0;
    }
    const double expected = burnt / (fills.last().reading - fills.first().reading) * 100.0;
    const Consumption::Summary summary = Consumption::summarize(RegisterId::Zuzycie, table);
    QVERIFY2(sameNumber(summary.average, expected),
             qPrintable(QStringLiteral("%1 instead of %2").arg(summary.average).arg(expected)));
    QCOMPARE(summary.firstDate, fills.first().date);
    QCOMPARE(summary.lastDate, fills.last().date);
}

void TstConsumption::continuousHandCases_data() {
    QTest::addColumn<QList<QVariantList>>("rows");
    QTest::addColumn<QList<double>>("expected");
    const QVariantList a = {qint64(20240101), 20.0, 30.0, 1000.0};
    QTest::newRow("first row") << QList<QVariantList>{a} << QList<double>{kNaN};
    QTest::newRow("next day") << QList<QVariantList>{a, {qint64(20240102), 10.0, 35.0, 1250.0}}
                              << QList<double>{kNaN, 16.0};
    QTest::newRow("whole numbers")
        << QList<QVariantList>{{qint64(20240101), qint64(20), qint64(30), qint64(1000)},
                               {qint64(20240102), qint64(10), qint64(35), qint64(1250)}}
        << QList<double>{kNaN, 16.0};
    QTest::newRow("equal odometer")
        << QList<QVariantList>{a, {qint64(20240102), 10.0, 20.0, 1000.0}}
        << QList<double>{kNaN, kNaN};
    QTest::newRow("odometer went back")
        << QList<QVariantList>{a, {qint64(20240102), 10.0, 20.0, 900.0}}
        << QList<double>{kNaN, kNaN};
    QTest::newRow("gap of days") << QList<QVariantList>{a, {qint64(20240315), 10.0, 0.0, 1500.0}}
                                 << QList<double>{kNaN, 8.0};
    QTest::newRow("over the year's end")
        << QList<QVariantList>{{qint64(20231231), 20.0, 30.0, 1000.0},
                               {qint64(20240101), 10.0, 35.0, 1250.0}}
        << QList<double>{kNaN, 16.0};
    // B and C on one day both look back to A; D looks back to C, the day's last.
    QTest::newRow("two on one day") << QList<QVariantList>{a,
                                                           {qint64(20240102), 10.0, 35.0, 1250.0},
                                                           {qint64(20240102), 40.0, 5.0, 1300.0},
                                                           {qint64(20240103), 15.0, 30.0, 1700.0}}
                                    << QList<double>{kNaN, 16.0, 10.0 * 100.0 / 300.0, 7.5};
    QTest::newRow("two on the first day")
        << QList<QVariantList>{{qint64(20240101), 10.0, 20.0, 100.0},
                               {qint64(20240101), 15.0, 25.0, 150.0},
                               {qint64(20240102), 10.0, 0.0, 250.0}}
        << QList<double>{kNaN, kNaN, 30.0};
    QTest::newRow("previous refuelling empty")
        << QList<QVariantList>{{qint64(20240101), 0.0, 0.0, 0.0},
                               {qint64(20240102), 10.0, 20.0, 500.0},
                               {qint64(20240103), 5.0, 0.0, 600.0}}
        << QList<double>{kNaN, kNaN, 25.0};
    QTest::newRow("only the previous reading")
        << QList<QVariantList>{{qint64(20240101), 0.0, 0.0, 1000.0},
                               {qint64(20240102), 0.0, 40.0, 1100.0}}
        << QList<double>{kNaN, 0.0};
    QTest::newRow("only the previous tank")
        << QList<QVariantList>{{qint64(20240101), 30.0, 0.0, 0.0},
                               {qint64(20240102), 10.0, 40.0, 400.0}}
        << QList<double>{kNaN, 5.0};
    QTest::newRow("tank grew") << QList<QVariantList>{{qint64(20240101), 10.0, 0.0, 1000.0},
                                                      {qint64(20240102), 20.0, 0.0, 1100.0}}
                               << QList<double>{kNaN, -10.0};
    QTest::newRow("empty list") << QList<QVariantList>{} << QList<double>{};
}

void TstConsumption::continuousHandCases() {
    QFETCH(QList<QVariantList>, rows);
    QFETCH(QList<double>, expected);
    const std::vector<double> actual =
        Consumption::continuous(ListTable::fromValues(kContinuousFields, rows));
    const std::vector<double> wanted(expected.begin(), expected.end());
    QCOMPARE(actual.size(), wanted.size());
    for (size_t i = 0; i < wanted.size(); ++i)
        QVERIFY2(sameNumber(actual[i], wanted[i]),
                 qPrintable(describe(actual) + QStringLiteral(" instead of ") + describe(wanted)));
}

void TstConsumption::continuousWithoutAColumn() {
    const ListTable table =
        ListTable::fromValues({"DATA", "TANKOWANIE", "LICZNIK"},
                              {{qint64(20240101), 30.0, 1000.0}, {qint64(20240102), 35.0, 1250.0}});
    const std::vector<double> actual = Consumption::continuous(table);
    QCOMPARE(actual.size(), size_t(2));
    QVERIFY(std::isnan(actual[0]));
    QVERIFY(std::isnan(actual[1]));
}

void TstConsumption::summarize_data() {
    QTest::addColumn<RegisterId>("id");
    QTest::addColumn<QList<QVariantList>>("rows");
    QTest::addColumn<qint64>("firstDate");
    QTest::addColumn<qint64>("lastDate");
    QTest::addColumn<double>("average");

    // Burnt 20 + 30 - 10 = 40, then 10 + 40 - 15 = 35: 75 litres over 800 km.
    QTest::newRow("continuous") << RegisterId::Zuzycie
                                << QList<QVariantList>{{qint64(20240101), 20.0, 30.0, 1000.0},
                                                       {qint64(20240110), 10.0, 40.0, 1400.0},
                                                       {qint64(20240120), 15.0, 35.0, 1800.0}}
                                << qint64(20240101) << qint64(20240120) << 9.375;
    QTest::newRow("continuous one row")
        << RegisterId::Zuzycie << QList<QVariantList>{{qint64(20240105), 20.0, 30.0, 1000.0}}
        << qint64(20240105) << qint64(20240105) << 0.0;
    QTest::newRow("continuous odometer not moved")
        << RegisterId::Zuzycie
        << QList<QVariantList>{{qint64(20240101), 20.0, 30.0, 1000.0},
                               {qint64(20240110), 10.0, 40.0, 1000.0}}
        << qint64(20240101) << qint64(20240110) << 0.0;
    QTest::newRow("continuous empty")
        << RegisterId::Zuzycie << QList<QVariantList>{} << qint64(99999999) << qint64(0) << 0.0;

    // 24 + 16 litres over 300 + 200 km; rows in any date order.
    QTest::newRow("km") << RegisterId::ZuzycieKm
                        << QList<QVariantList>{{qint64(20240305), 300.0, 24.0, 15300.0},
                                               {qint64(20240301), 200.0, 16.0, 15000.0}}
                        << qint64(20240301) << qint64(20240305) << 8.0;
    QTest::newRow("km without distance")
        << RegisterId::ZuzycieKm
        << QList<QVariantList>{{qint64(20240301), 0.0, 24.0, 15300.0},
                               {qint64(20240302), QVariant(), 16.0, 15000.0}}
        << qint64(20240301) << qint64(20240302) << 0.0;
    QTest::newRow("km empty") << RegisterId::ZuzycieKm << QList<QVariantList>{} << qint64(99999999)
                              << qint64(0) << 0.0;

    // 30 + 16.5 litres over 10 + 5.5 hours.
    QTest::newRow("hours") << RegisterId::ZuzycieMth
                           << QList<QVariantList>{{qint64(20240201), 10.0, 30.0, 100.0},
                                                  {qint64(20240215), 5.5, 16.5, 105.5}}
                           << qint64(20240201) << qint64(20240215) << 3.0;
    QTest::newRow("hours without hours")
        << RegisterId::ZuzycieMth << QList<QVariantList>{{qint64(20240201), 0.0, 30.0, 100.0}}
        << qint64(20240201) << qint64(20240201) << 0.0;
    QTest::newRow("hours empty") << RegisterId::ZuzycieMth << QList<QVariantList>{}
                                 << qint64(99999999) << qint64(0) << 0.0;
}

void TstConsumption::summarize() {
    QFETCH(RegisterId, id);
    QFETCH(QList<QVariantList>, rows);
    QFETCH(qint64, firstDate);
    QFETCH(qint64, lastDate);
    QFETCH(double, average);
    const QStringList& fields = id == RegisterId::Zuzycie ? kContinuousFields : kAmountFields;
    const Consumption::Summary summary =
        Consumption::summarize(id, ListTable::fromValues(fields, rows));
    QCOMPARE(summary.firstDate, firstDate);
    QCOMPARE(summary.lastDate, lastDate);
    QCOMPARE(summary.average, average);
}

void TstConsumption::mergeSameDayRefuellings_data() {
    QTest::addColumn<bool>("laterAdded");
    QTest::newRow("C merged into B") << true;
    QTest::newRow("B merged into C") << false;
}

void TstConsumption::mergeSameDayRefuellings() {
    QFETCH(bool, laterAdded);
    const Fill a{20240101, 20, 30, 1000};
    const Fill b{20240102, 10, 35, 1250};
    const Fill c{20240102, 40, 5, 1300};
    const Fill d{20240103, 15, 30, 1700};
    const Consumption::Refuelling rb{b.tank, b.fuel, b.reading};
    const Consumption::Refuelling rc{c.tank, c.fuel, c.reading};
    const Consumption::Refuelling merged = laterAdded
                                               ? Consumption::merge(RegisterId::Zuzycie, rb, rc)
                                               : Consumption::merge(RegisterId::Zuzycie, rc, rb);
    QCOMPARE(merged.fuel, 40.0);
    QCOMPARE(merged.reading, 1300.0);
    QCOMPARE(merged.first, 5.0);

    const Fill m{20240102, merged.first, merged.fuel, merged.reading};
    const std::vector<double> separate = Consumption::continuous(continuousTable({a, b, c, d}));
    const std::vector<double> joined = Consumption::continuous(continuousTable({a, m, d}));
    // The next refuelling sees the same tank after the day.
    QVERIFY2(sameNumber(joined[2], separate[3]),
             qPrintable(describe(joined) + QStringLiteral(" vs ") + describe(separate)));
    // The day itself: all fuel burnt from A to C over A's to C's distance.
    const double burnt = (a.tank + a.fuel - b.tank) + (b.tank + b.fuel - c.tank);
    QVERIFY2(sameNumber(joined[1], burnt * 100.0 / (c.reading - a.reading)),
             qPrintable(describe(joined)));
    QVERIFY(sameNumber(joined[1], 15.0));
}

void TstConsumption::mergeWithEqualReadings() {
    // Without driving in between, the later refuelling found more in the tank.
    const Consumption::Refuelling earlier{10, 20, 500};
    const Consumption::Refuelling later{28, 4, 500};
    for (const auto& [existing, added] : {std::pair{earlier, later}, std::pair{later, earlier}}) {
        const Consumption::Refuelling merged =
            Consumption::merge(RegisterId::Zuzycie, existing, added);
        QCOMPARE(merged.first, 8.0);
        QCOMPARE(merged.fuel, 24.0);
        QCOMPARE(merged.reading, 500.0);
        // What was in the tank after the day.
        QCOMPARE(merged.first + merged.fuel, later.first + later.fuel);
    }
    const Consumption::Refuelling rounded =
        Consumption::merge(RegisterId::Zuzycie, {10.111, 35.333, 1250}, {40.555, 5.1, 1300.004});
    QCOMPARE(rounded.first, 5.22);
    QCOMPARE(rounded.fuel, 40.43);
    QCOMPARE(rounded.reading, 1300.0);
}

void TstConsumption::mergeDistanceAndHours_data() {
    QTest::addColumn<RegisterId>("id");
    QTest::addColumn<double>("first1");
    QTest::addColumn<double>("fuel1");
    QTest::addColumn<double>("reading1");
    QTest::addColumn<double>("first2");
    QTest::addColumn<double>("fuel2");
    QTest::addColumn<double>("reading2");
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("fuel");
    QTest::addColumn<double>("reading");
    QTest::newRow("km") << RegisterId::ZuzycieKm << 120.5 << 10.25 << 15000.0 << 80.25 << 7.5
                        << 15080.75 << 200.75 << 17.75 << 15080.75;
    QTest::newRow("km added reads less") << RegisterId::ZuzycieKm << 120.5 << 10.25 << 15080.75
                                         << 80.25 << 7.5 << 15000.0 << 200.75 << 17.75 << 15080.75;
    QTest::newRow("km rounded") << RegisterId::ZuzycieKm << 100.111 << 10.123 << 1000.456 << 200.222
                                << 5.456 << 999.0 << 300.33 << 15.58 << 1000.46;
    QTest::newRow("hours") << RegisterId::ZuzycieMth << 4.5 << 12.0 << 1200.5 << 3.25 << 8.5
                           << 1203.75 << 7.75 << 20.5 << 1203.75;
    QTest::newRow("hours added reads less") << RegisterId::ZuzycieMth << 4.5 << 12.0 << 1203.75
                                            << 3.25 << 8.5 << 1200.5 << 7.75 << 20.5 << 1203.75;
    QTest::newRow("hours rounded") << RegisterId::ZuzycieMth << 0.004 << 0.004 << 0.0 << 0.004
                                   << 0.004 << 0.0 << 0.01 << 0.01 << 0.0;
}

void TstConsumption::mergeDistanceAndHours() {
    QFETCH(RegisterId, id);
    QFETCH(double, first1);
    QFETCH(double, fuel1);
    QFETCH(double, reading1);
    QFETCH(double, first2);
    QFETCH(double, fuel2);
    QFETCH(double, reading2);
    QFETCH(double, first);
    QFETCH(double, fuel);
    QFETCH(double, reading);
    const Consumption::Refuelling one{first1, fuel1, reading1};
    const Consumption::Refuelling two{first2, fuel2, reading2};
    for (const Consumption::Refuelling& merged :
         {Consumption::merge(id, one, two), Consumption::merge(id, two, one)}) {
        QCOMPARE(merged.first, first);
        QCOMPARE(merged.fuel, fuel);
        QCOMPARE(merged.reading, reading);
    }
}

QTEST_GUILESS_MAIN(TstConsumption)
#include "tst_consumption.moc"
