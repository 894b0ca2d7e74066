// Lists are read straight from SQLite and from libpq: every value, NULL and type the engine
// gives comes out of the list as QtSql reads it, texts the engine
// repeats or not, numbers whole or not, a column that changes its kind midway; bound values
// reach the statement and a failing statement is an error, never a short list. The Polish
// order of the engine is the collator's.
#include "TestDataDir.h"
#include "TestLocation.h"
#include "data/ListTable.h"
#include "data/engine/DbConnection.h"
#include "data/engine/PolishCollation.h"
#include "data/schema/DatabaseCreator.h"

#include <QTest>
#include <algorithm>

class TstListReading : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        m_dataDir = std::make_unique<TestDataDir>();
        m_location = std::make_unique<TestLocation>();
        REQUIRE_LOCATION(*m_location);
        const CreateResult created = DatabaseCreator::createDatabase(m_location->location(), true);
        QVERIFY2(created.ok, qPrintable(created.message));
        QVERIFY(!m_connection.openMain(m_location->location()));
    }

    void valuesAsTheEngineGivesThem_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("engine");  // the one engine the statement is for
        // 5,000 rows: more distinct texts than a column pools.
        const QString rows = QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 5000) ");
        QTest::newRow("kinds of values")
            << rows + QStringLiteral(
                          "SELECT i AS ID, 'rodzaj ' || (i % 7) AS RODZAJ, "
                          "CASE WHEN i % 3 = 0 THEN NULL ELSE i * 0.25 END AS KWOTA, "
                          "'Żółć nr ' || i AS UWAGI, NULL AS PUSTE, "
                          "CASE WHEN i % 2 = 0 THEN NULL ELSE 'ł' END AS RZADKI FROM n")
            << QString();
        QTest::newRow("kind changing midway")
            << rows + QStringLiteral(
                          "SELECT CASE WHEN i < 10 THEN i WHEN i < 20 THEN i * 0.5 "
                          "WHEN i < 30 THEN 'tekst' ELSE i END AS MIESZANE, "
                          "CASE WHEN i < 4000 THEN 'a' ELSE i END AS POZNO, "
                          "CASE WHEN i = 7 THEN X'00FF' END AS BAJTY FROM n")
            << u"sqlite"_qs;
        QTest::newRow("the server's types")
            << rows + QStringLiteral(
                          "SELECT i::bigint AS ID, (i * 0.1)::double precision AS D, "
                          "(i * 0.5)::real AS R, (i / 3.0)::numeric(12, 4) AS N, "
                          "i % 2 = 0 AS B, CASE WHEN i % 9 = 0 THEN decode('00ff0a', 'hex') END "
                          "AS BAJTY, ':NIE' AS Q, 'x'::varchar(3) AS V FROM n")
            << u"postgres"_qs;
    }

    void valuesAsTheEngineGivesThem() {
        QFETCH(QString, sql);
        QFETCH(QString, engine);
        const bool sqlite = m_connection.engine() == EngineKind::Sqlite;
        if (!engine.isEmpty() && engine != (sqlite ? u"sqlite"_qs : u"postgres"_qs))
            QSKIP("a statement of the other engine");
        ListTable table;
        QVERIFY(!ListTable::read(m_connection, SqlStatement(sql), &table));
        DbQuery query;
        QVERIFY(!m_connection.select(SqlStatement(sql), &query));
        QCOMPARE(table.columnCount(), query.fieldCount());
        int row = 0;
        for (; query.next(); ++row) {
            for (int c = 0; c < query.fieldCount(); ++c) {
                const QVariant expected = query.value(c);
                const QVariant got = table.value(row, c);
                const QString where = QStringLiteral("row %1 column %2").arg(row).arg(c);
                QVERIFY2(got.isNull() == expected.isNull(), qPrintable(where));
                if (expected.isNull())
                    continue;
                if (expected.typeId() == QMetaType::QString ||
                    expected.typeId() == QMetaType::QByteArray)
                    QVERIFY2(got == expected,
                             qPrintable(where + QLatin1String(": ") + got.toString() +
                                        QLatin1String(" / ") + expected.toString()));
                else
                    QVERIFY2(got.toDouble() == expected.toDouble(), qPrintable(where));
            }
        }
        QCOMPARE(table.rowCount(), row);
        QCOMPARE(row, 5000);
    }

    void boundValuesAndFailures() {
        SqlStatement statement(
            QStringLiteral("SELECT CAST(:TEXT AS TEXT) AS T, "
                           "CAST(:NUMBER AS REAL) AS N, CAST(:NONE AS TEXT) AS X, "
                           "CAST(:TEXT AS TEXT) || ':TEXT' AS TT"));
        ListTable table;
        QVERIFY(ListTable::read(m_connection, statement, &table));  // no values: an error
        statement.bindText(QStringLiteral(":TEXT"), QStringLiteral("X' OR '1'='1"));
        statement.bind(QStringLiteral(":NUMBER"), 12.5);
        statement.bind(QStringLiteral(":NONE"), QVariant());
        statement.bind(QStringLiteral(":UNUSED"), 1);  // a value the text does not name
        QVERIFY(!ListTable::read(m_connection, statement, &table));
        QCOMPARE(table.rowCount(), 1);
        QCOMPARE(table.text(0, 0), QStringLiteral("X' OR '1'='1"));
        QCOMPARE(table.number(0, 1), 12.5);
        QVERIFY(table.isNull(0, 2));
        QCOMPARE(table.text(0, 3), QStringLiteral("X' OR '1'='1:TEXT"));  // named twice

        // A list read while another statement of the session is half read.
        DbQuery open;
        QVERIFY(!m_connection.select(
            SqlStatement(
                QStringLiteral("SELECT 'a' AS A UNION ALL SELECT 'b' UNION ALL SELECT 'c'")),
            &open));
        QVERIFY(open.next());
        QVERIFY(!ListTable::read(m_connection, statement, &table));
        QCOMPARE(table.text(0, 3), QStringLiteral("X' OR '1'='1:TEXT"));
        QVERIFY(!m_connection.execute(SqlStatement(QStringLiteral("SELECT 1"))));
        QStringList rest;
        while (open.next())
            rest << open.value(0).toString();
        QCOMPARE(rest, (QStringList{"b", "c"}));  // nothing of it was dropped

        const DbError broken = ListTable::read(
            m_connection, SqlStatement(QStringLiteral("SELECT NIEMA FROM firmy")), &table);
        QVERIFY(broken);
        QVERIFY(!broken.message().isEmpty());
    }

    void polishOrderIsTheCollators() {
        const QStringList words = {"łódź", "Łódź",   "lody",   "Lody",   "zebra", "źdźbło", "żaba",
                                   "Ćma",  "cma",    "czapla", "ą",      "a",     "",       "10",
                                   "9",    "Ósemka", "osa",    "ósemka", "łódź"};
        QStringList selects;
        for (qsizetype i = 0; i < words.size(); ++i)
            selects << QStringLiteral("SELECT '%1' AS W, %2 AS I").arg(words.at(i)).arg(i);
        const QString sql =
            QStringLiteral("SELECT W FROM (") + selects.join(QStringLiteral(" UNION ALL ")) +
            QStringLiteral(") AS L ORDER BY W") + PolishCollation::clause() + QStringLiteral(", I");
        ListTable table;
        QVERIFY(!ListTable::read(m_connection, SqlStatement(sql), &table));
        QStringList listed;
        for (int r = 0; r < table.rowCount(); ++r)
            listed << table.text(r, 0);
        QStringList expected = words;
        std::stable_sort(expected.begin(), expected.end(), [](const QString& a, const QString& b) {
            return PolishCollation::compare(a, b) < 0;
        });
        QCOMPARE(listed, expected);
    }

private:
    std::unique_ptr<TestDataDir> m_dataDir;
    std::unique_ptr<TestLocation> m_location;
    DbConnection m_connection{QStringLiteral("listreading")};
};

QTEST_GUILESS_MAIN(TstListReading)
#include "tst_listreading.moc"
