// The clauses the filter bar writes into the list statements: period bounds, the period
// clause of every kind of register, and the bound vehicle and fuel clauses.
#include "data/FilterClauses.h"

#include <QRegularExpression>
#include <QTest>

Q_DECLARE_METATYPE(PeriodKind)
Q_DECLARE_METATYPE(Clause)

namespace {

// Every "AND" of a clause stands alone: at the start or after a blank, and before a blank,
// so that clauses and template lines can be put together in any order.
void checkAndsStandAlone(const QString& text) {
    static const QRegularExpression word(QStringLiteral("AND"));
    auto it = word.globalMatch(text);
    while (it.hasNext()) {
        const auto match = it.next();
        const qsizetype at = match.capturedStart();
        QVERIFY2(at == 0 || text.at(at - 1) == QLatin1Char(' '), qPrintable(text));
        QVERIFY2(
            match.capturedEnd() < text.size() && text.at(match.capturedEnd()) == QLatin1Char(' '),
            qPrintable(text));
    }
}

}  // namespace

class TstFilterClauses : public QObject {
    Q_OBJECT

private slots:
    void yearBounds_data();
    void yearBounds();
    void rangeBounds_data();
    void rangeBounds();
    void period_data();
    void period();
    void otherClausesStandAlone_data();
    void otherClausesStandAlone();
    void vehicleByRegistration_data();
    void vehicleByRegistration();
    void vehicleByKey();
    void fuelOnly();
};

void TstFilterClauses::yearBounds_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<qint64>("lo");
    QTest::addColumn<qint64>("hi");
    QTest::newRow("whole year") << 2024 << 0 << qint64(20240000) << qint64(20241300);
    QTest::newRow("January") << 2024 << 1 << qint64(20240100) << qint64(20240200);
    QTest::newRow("June") << 2024 << 6 << qint64(20240600) << qint64(20240700);
    QTest::newRow("December") << 2024 << 12 << qint64(20241200) << qint64(20241300);
    QTest::newRow("old year") << 1999 << 0 << qint64(19990000) << qint64(19991300);
}

void TstFilterClauses::yearBounds() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(qint64, lo);
    QFETCH(qint64, hi);
    const auto bounds = FilterClauses::yearBounds(year, month);
    QCOMPARE(bounds.first, lo);
    QCOMPARE(bounds.second, hi);
}

void TstFilterClauses::rangeBounds_data() {
    QTest::addColumn<qint64>("from");
    QTest::addColumn<qint64>("to");
    QTest::addColumn<qint64>("lo");
    QTest::addColumn<qint64>("hi");
    QTest::newRow("both given") << qint64(20240105) << qint64(20240220) << qint64(20240105)
                                << qint64(20240220);
    QTest::newRow("open start") << qint64(0) << qint64(20240220) << qint64(0) << qint64(20240220);
    QTest::newRow("open end") << qint64(20240105) << qint64(0) << qint64(20240105)
                              << qint64(99999999);
    QTest::newRow("both open") << qint64(0) << qint64(0) << qint64(0) << qint64(99999999);
    QTest::newRow("same day") << qint64(20240105) << qint64(20240105) << qint64(20240105)
                              << qint64(20240105);
}

void TstFilterClauses::rangeBounds() {
    QFETCH(qint64, from);
    QFETCH(qint64, to);
    QFETCH(qint64, lo);
    QFETCH(qint64, hi);
    const auto bounds = FilterClauses::rangeBounds(from, to);
    QCOMPARE(bounds.first, lo);
    QCOMPARE(bounds.second, hi);
}

void TstFilterClauses::period_data() {
    QTest::addColumn<PeriodKind>("kind");
    QTest::addColumn<qint64>("lo");
    QTest::addColumn<qint64>("hi");
    QTest::addColumn<bool>("inclusive");
    QTest::addColumn<QString>("expected");
    const qint64 y0 = 20240000, y1 = 20241300;  // the year 2024
    const qint64 r0 = 20240105, r1 = 20240220;  // a date range

    QTest::newRow("none strict") << PeriodKind::None << y0 << y1 << false << QString();
    QTest::newRow("none inclusive") << PeriodKind::None << r0 << r1 << true << QString();

    QTest::newRow("date strict") << PeriodKind::Date << y0 << y1 << false
                                 << "AND DATA > 20240000 AND DATA < 20241300";
    QTest::newRow("date inclusive")
        << PeriodKind::Date << r0 << r1 << true << "AND DATA >= 20240105 AND DATA <= 20240220";
    QTest::newRow("date open range") << PeriodKind::Date << qint64(0) << qint64(99999999) << true
                                     << "AND DATA >= 0 AND DATA <= 99999999";

    QTest::newRow("repair strict") << PeriodKind::RepairDate << y0 << y1 << false
                                   << "AND ((DATA > 20240000 AND DATA < 20241300) OR (DATA = 0))";
    QTest::newRow("repair inclusive")
        << PeriodKind::RepairDate << r0 << r1 << true
        << "AND ((DATA >= 20240105 AND DATA <= 20240220) OR (DATA = 0))";

    QTest::newRow("from-to strict")
        << PeriodKind::FromTo << y0 << y1 << false << "AND DATAOD > 20240000 AND DATADO < 20241300";
    QTest::newRow("from-to inclusive") << PeriodKind::FromTo << r0 << r1 << true
                                       << "AND DATAOD >= 20240105 AND DATADO <= 20240220";

    QTest::newRow("tyres strict")
        << PeriodKind::Tyres << y0 << y1 << false
        << "AND (DATAZAKUPU = 0 OR (DATAZAKUPU > 20240000 AND DATAZAKUPU < 20241300))";
    QTest::newRow("tyres inclusive")
        << PeriodKind::Tyres << r0 << r1 << true
        << "AND (DATAZAKUPU = 0 OR (DATAZAKUPU >= 20240105 AND DATAZAKUPU <= 20240220))";

    QTest::newRow("road card strict") << PeriodKind::RoadCard << y0 << y1 << false
                                      << "AND DATAWYST > 20240000 AND DATAWYST < 20241300";
    QTest::newRow("road card inclusive") << PeriodKind::RoadCard << r0 << r1 << true
                                         << "AND DATAWYST >= 20240105 AND DATAWYST <= 20240220";

    const auto december = FilterClauses::yearBounds(2024, 12);
    QTest::newRow("date December") << PeriodKind::Date << december.first << december.second << false
                                   << "AND DATA > 20241200 AND DATA < 20241300";
}

void TstFilterClauses::period() {
    QFETCH(PeriodKind, kind);
    QFETCH(qint64, lo);
    QFETCH(qint64, hi);
    QFETCH(bool, inclusive);
    QFETCH(QString, expected);
    const Clause clause = FilterClauses::period(kind, lo, hi, inclusive);
    QCOMPARE(clause.text, expected);
    QCOMPARE(clause.isEmpty(), expected.isEmpty());
    // Dates are numbers the code writes itself; nothing is bound.
    QVERIFY(clause.bindings.isEmpty());
    checkAndsStandAlone(clause.text);
}

void TstFilterClauses::otherClausesStandAlone_data() {
    QTest::addColumn<Clause>("clause");
    QTest::addColumn<QString>("expected");
    QTest::newRow("vehicle") << FilterClauses::vehicleByRegistration(QStringLiteral("ANDA 1"))
                             << "AND NRREJ = :VEHICLE";
    QTest::newRow("vehicle key") << FilterClauses::vehicleByKey(12) << "AND IDPOJAZD = 12";
    QTest::newRow("fuel only") << FilterClauses::fuelOnly() << "AND ISFUEL = :FUELFLAG";
    QTest::newRow("cost centre") << FilterClauses::costCentre(7) << "AND CK = 7";
    QTest::newRow("road card") << FilterClauses::roadCard(31) << "AND k.IDDROGOWA = 31";
}

void TstFilterClauses::otherClausesStandAlone() {
    QFETCH(Clause, clause);
    QFETCH(QString, expected);
    QCOMPARE(clause.text, expected);
    checkAndsStandAlone(clause.text);
}

void TstFilterClauses::vehicleByRegistration_data() {
    QTest::addColumn<QString>("registration");
    QTest::newRow("plain") << QStringLiteral("WA 12345");
    QTest::newRow("apostrophe") << QStringLiteral("WA'12");
    QTest::newRow("quotes") << QStringLiteral("WA'2\"Q");
    QTest::newRow("injection") << QStringLiteral("X' OR '1' = '1");
    QTest::newRow("Polish letters") << QStringLiteral("ŁÓDŹ 1");
    QTest::newRow("blanks kept") << QStringLiteral(" KR 1 ");
}

void TstFilterClauses::vehicleByRegistration() {
    QFETCH(QString, registration);
    const Clause clause = FilterClauses::vehicleByRegistration(registration);
    // The number never enters the text, whatever it holds.
    QCOMPARE(clause.text, QStringLiteral("AND NRREJ = :VEHICLE"));
    QCOMPARE(clause.bindings.size(), 1);
    QCOMPARE(clause.bindings.at(0).first, QStringLiteral(":VEHICLE"));
    QCOMPARE(clause.bindings.at(0).second.typeId(), int(QMetaType::QString));
    QCOMPARE(clause.bindings.at(0).second.toString(), registration);
}

void TstFilterClauses::vehicleByKey() {
    QCOMPARE(FilterClauses::vehicleByKey(42).text, QStringLiteral("AND IDPOJAZD = 42"));
    QVERIFY(FilterClauses::vehicleByKey(42).bindings.isEmpty());
    // No vehicle chosen: a key that no row has, so the list is empty.
    QCOMPARE(FilterClauses::vehicleByKey(-1).text, QStringLiteral("AND IDPOJAZD = -1"));
}

void TstFilterClauses::fuelOnly() {
    const Clause clause = FilterClauses::fuelOnly();
    QCOMPARE(clause.bindings.size(), 1);
    const auto& [name, value] = clause.bindings.at(0);
    QVERIFY2(clause.text.contains(name), qPrintable(clause.text));
    QVERIFY(clause.text.startsWith(QLatin1String("AND ISFUEL = ")));
    QCOMPARE(value.typeId(), int(QMetaType::QString));
    QCOMPARE(value.toString(), QStringLiteral("T"));
}

QTEST_GUILESS_MAIN(TstFilterClauses)
#include "tst_filterclauses.moc"
