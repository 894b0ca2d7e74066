// Pricing of trips: which rate row is in force on a date and which of its columns a
// vehicle kind and engine capacity take.
#include "data/TripRates.h"

#include <QTest>

namespace {

// Every column of a row holds a different value, so a wrong column shows.
enum Column { LW900 = 0, GT900, MOTOCYKL, MOTOROWER };

double value(int base, int column) {
    return base + 0.01 * (column + 1);
}

double freeKind(int base, int n) {  // RDPOJn, n = 5 .. 20
    return base + 0.5 + 0.01 * n;
}

TripRates::Row row(qint64 from, int base) {
    TripRates::Row r;
    r.from = from;
    r.upTo900 = value(base, LW900);
    r.above900 = value(base, GT900);
    r.motorcycle = value(base, MOTOCYKL);
    r.moped = value(base, MOTOROWER);
    for (int n = 5; n <= 20; ++n)
        r.freeKinds[size_t(n - 5)] = freeKind(base, n);
    return r;
}

// Rows deliberately in neither date order.
TripRates rates(qint64 firstFreeKind) {
    TripRates result;
    result.setRows({row(20230101, 100), row(20240101, 200), row(20220701, 300)});
    result.setFirstFreeKind(firstFreeKind);
    return result;
}

}  // namespace

class TstTripRates : public QObject {
    Q_OBJECT

private slots:
    void rowsAreKeptNewestFirst();
    void rowInForce_data();
    void rowInForce();
    void columnOfKind_data();
    void columnOfKind();
    void noRows();
};

void TstTripRates::rowsAreKeptNewestFirst() {
    const TripRates r = rates(5);
    QCOMPARE(r.rows().size(), 3);
    QCOMPARE(r.rows().at(0).from, qint64(20240101));
    QCOMPARE(r.rows().at(1).from, qint64(20230101));
    QCOMPARE(r.rows().at(2).from, qint64(20220701));
    QCOMPARE(r.rows().at(0).upTo900, value(200, LW900));
}

void TstTripRates::rowInForce_data() {
    QTest::addColumn<qint64>("date");
    QTest::addColumn<double>("expected");
    QTest::newRow("after the newest") << qint64(20240315) << value(200, LW900);
    QTest::newRow("far future") << qint64(99991231) << value(200, LW900);
    QTest::newRow("on the newest's own day") << qint64(20240101) << value(200, LW900);
    QTest::newRow("day before the newest") << qint64(20231231) << value(100, LW900);
    QTest::newRow("on the middle's own day") << qint64(20230101) << value(100, LW900);
    QTest::newRow("between oldest and middle") << qint64(20221231) << value(300, LW900);
    QTest::newRow("on the oldest's own day") << qint64(20220701) << value(300, LW900);
    QTest::newRow("day before the oldest") << qint64(20220630) << 0.0;
    QTest::newRow("no date") << qint64(0) << 0.0;
}

void TstTripRates::rowInForce() {
    QFETCH(qint64, date);
    QFETCH(double, expected);
    QCOMPARE(rates(5).rate(1, 900, date), expected);
}

void TstTripRates::columnOfKind_data() {
    QTest::addColumn<qint64>("firstFree");
    QTest::addColumn<qint64>("kind");
    QTest::addColumn<qint64>("capacity");
    QTest::addColumn<double>("expected");
    // All on a date in force of the row with base 200.
    QTest::newRow("car 900") << qint64(5) << qint64(1) << qint64(900) << value(200, LW900);
    QTest::newRow("car 901") << qint64(5) << qint64(1) << qint64(901) << value(200, GT900);
    QTest::newRow("car no capacity") << qint64(5) << qint64(1) << qint64(0) << value(200, LW900);
    QTest::newRow("kind 2, 900") << qint64(5) << qint64(2) << qint64(900) << value(200, LW900);
    QTest::newRow("kind 2, 901") << qint64(5) << qint64(2) << qint64(901) << value(200, GT900);
    QTest::newRow("motorcycle") << qint64(5) << qint64(3) << qint64(1200) << value(200, MOTOCYKL);
    QTest::newRow("moped") << qint64(5) << qint64(4) << qint64(50) << value(200, MOTOROWER);
    // Capacity decides only for cars.
    QTest::newRow("motorcycle small")
        << qint64(5) << qint64(3) << qint64(125) << value(200, MOTOCYKL);

    QTest::newRow("F=5 kind 5") << qint64(5) << qint64(5) << qint64(0) << freeKind(200, 5);
    QTest::newRow("F=5 kind 12") << qint64(5) << qint64(12) << qint64(0) << freeKind(200, 12);
    QTest::newRow("F=5 kind 20") << qint64(5) << qint64(20) << qint64(2000) << freeKind(200, 20);
    QTest::newRow("F=7 kind 7") << qint64(7) << qint64(7) << qint64(0) << freeKind(200, 5);
    QTest::newRow("F=7 kind 8") << qint64(7) << qint64(8) << qint64(0) << freeKind(200, 6);
    QTest::newRow("F=7 kind 22") << qint64(7) << qint64(22) << qint64(0) << freeKind(200, 20);

    QTest::newRow("kind 0") << qint64(5) << qint64(0) << qint64(900) << 0.0;
    QTest::newRow("negative kind") << qint64(5) << qint64(-1) << qint64(900) << 0.0;
    QTest::newRow("F=5 kind 21") << qint64(5) << qint64(21) << qint64(0) << 0.0;
    QTest::newRow("F=7 kind 6") << qint64(7) << qint64(6) << qint64(0) << 0.0;
    QTest::newRow("F=7 kind 23") << qint64(7) << qint64(23) << qint64(0) << 0.0;
    QTest::newRow("F=-1 kind 5") << qint64(-1) << qint64(5) << qint64(0) << 0.0;
    QTest::newRow("F=-1 kind 12") << qint64(-1) << qint64(12) << qint64(0) << 0.0;
    QTest::newRow("F=-1 kind 20") << qint64(-1) << qint64(20) << qint64(0) << 0.0;
    // The fixed kinds do not depend on the free ones.
    QTest::newRow("F=-1 car") << qint64(-1) << qint64(1) << qint64(901) << value(200, GT900);
    QTest::newRow("F=-1 moped") << qint64(-1) << qint64(4) << qint64(0) << value(200, MOTOROWER);
}

void TstTripRates::columnOfKind() {
    QFETCH(qint64, firstFree);
    QFETCH(qint64, kind);
    QFETCH(qint64, capacity);
    QFETCH(double, expected);
    QCOMPARE(rates(firstFree).rate(kind, capacity, 20240601), expected);
}

void TstTripRates::noRows() {
    TripRates empty;
    empty.setFirstFreeKind(5);
    QCOMPARE(empty.rate(1, 900, 20240601), 0.0);
    QCOMPARE(empty.rate(5, 0, 20240601), 0.0);
}

QTEST_GUILESS_MAIN(TstTripRates)
#include "tst_triprates.moc"
