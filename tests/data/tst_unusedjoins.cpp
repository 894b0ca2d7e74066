// A sum over a list drops only the joins that cannot change its rows: a LEFT JOIN on the
// whole unique key of its table that nothing but its own condition and unread items name.
#include "data/registers/ListSql.h"

#include <QTest>

class TstUnusedJoins : public QObject {
    Q_OBJECT

private slots:
    void dropsOnlyJoinsThatCannotChangeTheRows_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QStringList>("used");
        QTest::addColumn<QString>("expected");
        const QString costs = QStringLiteral(
            "SELECT k.IDKOSZT AS IDKOSZT, p.NRREJ AS NRREJ, k.WARTNETTO AS WARTNETTO, "
            "(CASE WHEN o.NREW IS NULL THEN NULL ELSE o.NAZWISKO || ' (ID ' || o.NREW || ')' "
            "END) AS NAZWISKO FROM koszty k LEFT OUTER JOIN pojazdy p ON p.IDPOJAZD = k.IDPOJAZD "
            "LEFT OUTER JOIN osobowa o ON o.NREW = k.IDKIEROWCY WHERE 1 = 1 ");
        QTest::newRow("neither table read")
            << costs << QStringList{"WARTNETTO"}
            << QStringLiteral(
                   "SELECT k.IDKOSZT AS IDKOSZT, NULL AS NRREJ, k.WARTNETTO AS "
                   "WARTNETTO, NULL AS NAZWISKO FROM koszty k WHERE 1 = 1 ");
        QTest::newRow("a figure reads the person")
            << costs << QStringList{"NAZWISKO"}
            << QStringLiteral(
                   "SELECT k.IDKOSZT AS IDKOSZT, NULL AS NRREJ, k.WARTNETTO AS "
                   "WARTNETTO, (CASE WHEN o.NREW IS NULL THEN NULL ELSE o.NAZWISKO || "
                   "' (ID ' || o.NREW || ')' END) AS NAZWISKO FROM koszty k LEFT OUTER "
                   "JOIN osobowa o ON o.NREW = k.IDKIEROWCY WHERE 1 = 1 ");
        QTest::newRow("the clause names the vehicle unqualified")
            << costs + QStringLiteral("AND NRREJ = :VEHICLE AND k.DATA > 20260000") << QStringList{}
            << QStringLiteral(
                   "SELECT k.IDKOSZT AS IDKOSZT, p.NRREJ AS NRREJ, k.WARTNETTO AS "
                   "WARTNETTO, NULL AS NAZWISKO FROM koszty k LEFT OUTER JOIN pojazdy p "
                   "ON p.IDPOJAZD = k.IDPOJAZD WHERE 1 = 1 AND NRREJ = :VEHICLE AND "
                   "k.DATA > 20260000");
        QTest::newRow("the clause names the vehicle by its table")
            << costs + QStringLiteral("AND p.NRREJ = :VEHICLE AND o.NREW IS NOT NULL")
            << QStringList{} << QString();
        QTest::newRow("the clause names an item")
            << QStringLiteral(
                   "SELECT k.IDKOSZT AS IDKOSZT, d.NRKARTY AS KARTA FROM koszty k "
                   "LEFT OUTER JOIN kartydrogowe d ON d.IDDROGOWA = k.IDDROGOWA "
                   "WHERE KARTA = :CARD")
            << QStringList{} << QString();
        QTest::newRow("a join not on a unique key may repeat rows")
            << QStringLiteral(
                   "SELECT k.IDKOSZT AS IDKOSZT, s.OPIS AS OPIS FROM koszty k LEFT "
                   "OUTER JOIN slowniki s ON s.IDSLOWNIK = k.RODZWYD WHERE 1 = 1")
            << QStringList{} << QString();
        QTest::newRow("an inner join may leave rows out")
            << QStringLiteral(
                   "SELECT k.IDKOSZT AS IDKOSZT, p.NRREJ AS NRREJ FROM koszty k JOIN "
                   "pojazdy p ON p.IDPOJAZD = k.IDPOJAZD WHERE 1 = 1")
            << QStringList{} << QString();
        QTest::newRow("a join another join reads")
            << QStringLiteral(
                   "SELECT t.IDPRZEJAZD AS IDPRZEJAZD FROM przejazdy t LEFT OUTER JOIN "
                   "pojazdy p ON p.IDPOJAZD = t.IDPOJAZD LEFT OUTER JOIN osobowa o ON "
                   "o.NREW = p.IDKIEROWCY LEFT OUTER JOIN slowniki c ON c.IDSLOWNIK = "
                   "o.NREW WHERE 1 = 1")
            << QStringList{} << QString();
        QTest::newRow("an item without a name keeps its table")
            << QStringLiteral(
                   "SELECT k.IDKOSZT AS IDKOSZT, p.NRREJ FROM koszty k LEFT OUTER JOIN "
                   "pojazdy p ON p.IDPOJAZD = k.IDPOJAZD WHERE 1 = 1")
            << QStringList{} << QString();
        QTest::newRow("words inside quotes and brackets are no clauses")
            << QStringLiteral(
                   "SELECT k.IDKOSZT AS IDKOSZT, (SELECT MAX(x.DATA) FROM koszty x "
                   "WHERE x.IDPOJAZD = k.IDPOJAZD) AS OSTATNI, 'FROM a JOIN b' AS T "
                   "FROM koszty k LEFT OUTER JOIN pojazdy p ON p.IDPOJAZD = "
                   "k.IDPOJAZD WHERE k.UWAGI <> ' JOIN p ON '")
            << QStringList{"OSTATNI"}
            << QStringLiteral(
                   "SELECT k.IDKOSZT AS IDKOSZT, (SELECT MAX(x.DATA) FROM koszty x "
                   "WHERE x.IDPOJAZD = k.IDPOJAZD) AS OSTATNI, 'FROM a JOIN b' AS T "
                   "FROM koszty k WHERE k.UWAGI <> ' JOIN p ON '");
    }

    void dropsOnlyJoinsThatCannotChangeTheRows() {
        QFETCH(QString, statement);
        QFETCH(QStringList, used);
        QFETCH(QString, expected);
        QCOMPARE(ListSql::withoutUnusedJoins(statement, used),
                 expected.isEmpty() ? statement : expected);
    }
};

QTEST_GUILESS_MAIN(TstUnusedJoins)
#include "tst_unusedjoins.moc"
