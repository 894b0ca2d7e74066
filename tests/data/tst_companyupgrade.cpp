#include "ScriptedMessageService.h"
#include "TestCompany.h"
#include "data/ErrorLog.h"
#include "data/schema/CompanyUpgrade.h"

#include <QFile>
#include <QTest>

namespace {

// What each version added, as the fixtures take it away again.
struct Added {
    QString version;
    QStringList fields;  // "table.FIELD"
    QStringList tables;
};

const QList<Added>& additions() {
    static const QList<Added> list = {
        {"1.0.5",
         {"pojazdy.STAWKA", "stawki.RDPOJ5", "stawki.RDPOJ20"},
         {"terminy", "opony", "rozliczenia", "zlecenia"}},
        {"1.0.6",
         {"pojazdy.NORMAOD", "pojazdy.LICZGWAR", "dokumenty.LICZTERM", "wyposazenie.LICZTERM"},
         {"zuzyciekm", "zuzyciemthlpg", "przebiegi", "szkody"}},
        {"1.0.7",
         {"pojazdy.NRFLOTY", "pojazdy.STATUS", "naprawy.DONE", "koszty.FUEL"},
         {"kartydrogowe"}},
        {"1.0.8", {}, {"cenypaliw", "magazyn"}},
    };
    return list;
}

}  // namespace

class TestCompanyUpgrade : public QObject {
    Q_OBJECT

    ScriptedMessageService m_messages;
    std::unique_ptr<TestCompany> m_company;

    DbConnection& db() { return m_company->db().DatabaseFirma(); }

    void run(const QString& sql) {
        const DbError error = db().execute(SqlStatement(sql));
        QVERIFY2(!error, qPrintable(sql + QStringLiteral(": ") + error.message()));
    }
    bool has(const QString& table, const QString& field = QStringLiteral("*")) {
        DbQuery rows;
        return !db().select(
            SqlStatement(QStringLiteral("SELECT %1 FROM %2 WHERE 1 = 0").arg(field, table)), &rows);
    }
    QStringList column(const QString& sql) {
        DbQuery rows;
        QStringList values;
        if (!db().select(SqlStatement(sql), &rows)) {
            while (rows.next())
                values << rows.value(0).toString();
        }
        return values;
    }
    QStringList upgrade() {
        m_messages.clear();
        CompanyUpgrade(db(), m_messages, QStringLiteral("test/proba")).run();
        return m_messages.texts();
    }

private slots:
    void init() {
        m_company = std::make_unique<TestCompany>();
        REQUIRE_LOCATION(m_company->place());
        QVERIFY2(m_company->create(DatabaseCreator::Contents::Sample, &m_messages),
                 qPrintable(m_company->error()));
    }
    void cleanup() { m_company.reset(); }

    // A database of each earlier version gets the later fields and tables, keeps its rows,
    // vehicles and their kinds, and says so once; logging in again changes nothing.
    void fromEachVersion_data() {
        QTest::addColumn<int>("reached");
        for (int i = 0; i <= additions().size(); ++i)
            QTest::newRow(qPrintable(i == 0 ? QStringLiteral("no version")
                                            : QStringLiteral("at ") + additions()[i - 1].version))
                << i;
    }
    void fromEachVersion() {
        QFETCH(int, reached);
        QCOMPARE(CompanyUpgrade(db(), m_messages, {}).reached(), CompanyUpgrade::versions());
        QVERIFY(upgrade().isEmpty());  // a new company needs nothing

        for (int i = reached; i < additions().size(); ++i) {
            for (const QString& field : additions()[i].fields) {
                const QStringList parts = field.split(u'.');
                run(QStringLiteral("ALTER TABLE %1 DROP COLUMN %2").arg(parts[0], parts[1]));
            }
            for (const QString& table : additions()[i].tables)
                run(QStringLiteral("DROP TABLE ") + table);
        }
        run("DROP TABLE zuzycielpg");
        run(QStringLiteral("DELETE FROM aktualizacje WHERE WERSJA NOT IN ('%1')")
                .arg(CompanyUpgrade::versions().mid(0, reached).join(QStringLiteral("','"))));
        const QStringList vehicles = column("SELECT NRREJ FROM pojazdy ORDER BY NRREJ");
        const QStringList kinds =
            column("SELECT IDPOJAZD || ':' || RODZAJ FROM pojazdy ORDER BY IDPOJAZD");
        const QStringList dictionary =
            column("SELECT KOD || ':' || OPIS FROM slowniki ORDER BY KOD");
        QVERIFY(!vehicles.isEmpty());

        QStringList expected{
            "Zaktualizowano bazę danych dla wskazanej firmy. Dodano nową tabelę "
            "tankowań Gazu LPG. Funkcjonalność programu została rozszerzona."};
        for (const QString& v : CompanyUpgrade::versions().mid(reached))
            expected << QStringLiteral("Baza danych zaktualizowana do wersji %1.").arg(v);
        QCOMPARE(upgrade(), expected);

        QCOMPARE(CompanyUpgrade(db(), m_messages, {}).reached().size(),
                 CompanyUpgrade::versions().size());
        for (const Added& added : additions()) {
            for (const QString& field : added.fields)
                QVERIFY2(has(field.section(u'.', 0, 0), field.section(u'.', 1)), qPrintable(field));
            for (const QString& table : added.tables)
                QVERIFY2(has(table), qPrintable(table));
        }
        QVERIFY(has("zuzycielpg"));
        QCOMPARE(column("SELECT NRREJ FROM pojazdy ORDER BY NRREJ"), vehicles);
        QCOMPARE(column("SELECT IDPOJAZD || ':' || RODZAJ FROM pojazdy ORDER BY IDPOJAZD"), kinds);
        QCOMPARE(column("SELECT KOD || ':' || OPIS FROM slowniki ORDER BY KOD"), dictionary);
        if (reached < 3) {
            QCOMPARE(column("SELECT DISTINCT STATUS FROM pojazdy"), QStringList{"0"});
            QVERIFY(has("pojazdy_bk3"));
        }
        if (reached == 0)
            QVERIFY(has("pojazdy_bak"));

        QFile log(ErrorLog::path());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString logged = QString::fromUtf8(log.readAll());
        for (const QString& v : CompanyUpgrade::versions().mid(reached))
            QVERIFY(logged.contains(
                        QStringLiteral("[9999999999]  baza danych zaktualizowana do wersji %1\r\n")
                            .arg(v)) ||
                    logged.contains(
                        QStringLiteral("[9999999999]  baza danych zaktualizowana do wersji %1\n")
                            .arg(v)));

        QVERIFY(upgrade().isEmpty());
        QCOMPARE(column("SELECT KOD || ':' || OPIS FROM slowniki ORDER BY KOD"), dictionary);
    }

    // The missing further vehicle kinds are added; a payment by card only once.
    void missingKindsOnly() {
        run("DELETE FROM aktualizacje");
        run("DELETE FROM slowniki WHERE IDSLOWNIK = 'RDPOJ' AND UZUP1 IN ('7', '20')");
        run("DELETE FROM slowniki WHERE IDSLOWNIK = 'RDPLA' AND OPIS = 'Karta płatnicza'");
        const QStringList kept =
            column("SELECT KOD FROM slowniki WHERE IDSLOWNIK = 'RDPOJ' ORDER BY KOD");
        upgrade();
        const QStringList now =
            column("SELECT KOD FROM slowniki WHERE IDSLOWNIK = 'RDPOJ' ORDER BY KOD");
        QCOMPARE(now.size(), kept.size() + 2);
        QCOMPARE(now.mid(0, kept.size()), kept);
        QCOMPARE(column("SELECT OPIS FROM slowniki WHERE IDSLOWNIK = 'RDPOJ' AND UZUP1 IN "
                        "('7', '20') ORDER BY OPIS"),
                 (QStringList{"Inne 16", "Inne 3"}));
        QCOMPARE(column("SELECT COUNT(*) FROM slowniki WHERE IDSLOWNIK = 'RDPLA' AND "
                        "OPIS = 'Karta płatnicza'"),
                 QStringList{"1"});
    }

    // A step that fails half-way leaves nothing of itself, reports it, lets the later
    // steps run, and is done at the next login once the cause is gone.
    void failingStepLeavesThePreviousVersion() {
        run("DELETE FROM aktualizacje WHERE WERSJA IN ('1.0.6', '1.0.7')");
        run("ALTER TABLE dokumenty DROP COLUMN LICZTERM");
        // The copy of the equipment table cannot take the name of an index.
        run("CREATE INDEX wyposazenie_bk2 ON slowniki (UZUP2)");
        const QStringList shown = upgrade();
        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown[0], "Nie udało się stworzyć kopii zbioru wyposazenie_bk2.");
        QVERIFY(shown[1].startsWith("Podczas próby aktualizacji wystąpił błąd."));
        QCOMPARE(shown[2], "Baza danych zaktualizowana do wersji 1.0.7.");
        QVERIFY(!CompanyUpgrade(db(), m_messages, {}).reached().contains("1.0.6"));
        QVERIFY(!has("pojazdy_bk2"));  // made in the step, undone with it
        QVERIFY(!has("dokumenty", "LICZTERM"));

        run("DROP INDEX wyposazenie_bk2");
        QCOMPARE(upgrade(), QStringList{"Baza danych zaktualizowana do wersji 1.0.6."});
        QVERIFY(has("dokumenty", "LICZTERM"));
        QVERIFY(has("wyposazenie_bk2"));
    }
};

QTEST_GUILESS_MAIN(TestCompanyUpgrade)
#include "tst_companyupgrade.moc"
