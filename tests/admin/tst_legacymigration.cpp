#include "ParadoxFixture.h"
#include "ScriptedMessageService.h"
#include "TestDataDir.h"
#include "TestLocation.h"
#include "admin/LocationStore.h"
#include "admin/UserStore.h"
#include "admin/legacy/LegacyMigration.h"
#include "admin/uWskazBaze.h"
#include "data/TmyDataBase.h"
#include "data/engine/DbConnection.h"
#include "data/schema/CompanyUpgrade.h"
#include "data/schema/DatabaseCreator.h"
#include "support/Progress.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using ParadoxFixture::Kind;

namespace {

QString write(const QString& path, const QList<ParadoxFixture::Field>& fields,
              const QList<ParadoxFixture::Row>& rows) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    return ParadoxFixture::write(path, fields, rows);
}

// A legacy main directory: one company at the newest layout with every marker, one of the
// oldest layout without markers and in capitals, and one listed under a bad directory.
void writeLegacy(const QString& root) {
    QVERIFY(write(root + "/FIRMY.DB", {{"NAZWA", Kind::Alpha, 50}, {"DIR", Kind::Alpha, 50}},
                  {{"Transport Żółw Sp. z o.o.", "zolw"},
                   {"Stara Firma Łódź", "stara"},
                   {"Zła", "../poza"}})
                .isEmpty());
    QVERIFY(write(root + "/odleglosci.db",
                  {{"M1", Kind::Alpha, 100}, {"M2", Kind::Alpha, 100}, {"KM", Kind::Number}},
                  {{"Gdańsk", "Łódź", 340.5}})
                .isEmpty());

    const QString zolw = root + "/zolw";
    QVERIFY(write(zolw + "/pojazdy.DB",
                  {{"IDPOJAZD", Kind::AutoInc},
                   {"NRREJ", Kind::Alpha, 15},
                   {"MARKA", Kind::Alpha, 50},
                   {"RODZAJ", Kind::Long},
                   {"DATAOC", Kind::Number},
                   {"STATUS", Kind::Number},
                   {"STAWKA", Kind::Number}},
                  {{7, "GD 1234Ż", "Żuk", 7, 20240315.0, 2.0, 0.8358},
                   {12, "GD 9999", "Star", 1, QVariant(), 0.0, QVariant()},
                   {13, "GD 9999", "Duplikat", 1, QVariant(), 0.0, QVariant()}})
                .isEmpty());
    QVERIFY(write(zolw + "/koszty.DB",
                  {{"IDKOSZT", Kind::AutoInc},
                   {"IDPOJAZD", Kind::Long},
                   {"DATA", Kind::Number},
                   {"RODZWYD", Kind::Alpha, 100},
                   {"WARTBRUTTO", Kind::Number},
                   {"CZYVAT", Kind::Alpha, 1}},
                  {{40, 12, 20240102.0, "Paliwo", 1234.56, "T"}})
                .isEmpty());
    QVERIFY(write(zolw + "/slowniki.DB",
                  {{"KOD", Kind::AutoInc},
                   {"IDSLOWNIK", Kind::Alpha, 5},
                   {"OPIS", Kind::Alpha, 100},
                   {"UZUP1", Kind::Alpha, 20}},
                  {{1, "RDPOJ", "Osobowy", ""},
                   {7, "RDPOJ", "Ciągnik", "7"},
                   {30, "RDPLA", "Gotówka", ""}})
                .isEmpty());
    QVERIFY(write(zolw + "/userzy.DB",
                  {{"NAZWA", Kind::Alpha, 20},
                   {"HASLO", Kind::Alpha, 200},
                   {"OPIS", Kind::Alpha, 100},
                   {"SUPERVISOR", Kind::Alpha, 1}},
                  {{"ADMIN", UserStore::legacyEnciphered("tajne"), "Kierownik floty", "T"}})
                .isEmpty());
    for (const QString& version : CompanyUpgrade::versions()) {
        QFile marker(zolw + "/update" + version);
        QVERIFY(marker.open(QIODevice::WriteOnly));
    }

    QVERIFY(
        write(root + "/STARA/POJAZDY.DB",
              {{"IDPOJAZD", Kind::AutoInc}, {"NRREJ", Kind::Alpha, 15}, {"MARKA", Kind::Alpha, 50}},
              {{3, "WA 1", "Polonez"}})
            .isEmpty());
}

}  // namespace

class TestLegacyMigration : public QObject {
    Q_OBJECT

    TestDataDir m_data;
    ScriptedMessageService m_messages;

    static QStringList column(const DbLocation& where, const QString& dir, const QString& sql) {
        DbConnection db(QStringLiteral("sprawdzenie"));
        QStringList values;
        if (dir.isEmpty() ? db.openMain(where) : db.openCompany(where, dir))
            return {QStringLiteral("nie otwarto")};
        DbQuery rows;
        if (db.select(SqlStatement(sql), &rows))
            return {QStringLiteral("błąd")};
        while (rows.next())
            values << rows.value(0).toString();
        return values;
    }

private slots:
    // The companies, their rows with their keys and Polish letters, the refused rows with
    // their reasons, and each company upgraded as far as its markers say it lacks.
    void migratesEveryTable() {
        QTemporaryDir source;
        writeLegacy(source.path());
        TestLocation place;
        REQUIRE_LOCATION(place);
        const DbLocation& where = place.location();

        const LegacyMigrationResult result =
            LegacyMigration::run(source.path(), where, QStringLiteral("hasło1"), m_messages);
        QVERIFY2(result.ok, qPrintable(result.message));
        QStringList lines;
        for (const LegacyTableReport& table : result.tables)
            lines << table.line();
        QCOMPARE(lines.join(u' '),
                 "firmy;3;2;1 odleglosci;1;1;0 zolw/userzy;1;1;0 zolw/slowniki;3;3;0 "
                 "zolw/pojazdy;3;2;1 zolw/koszty;1;1;0 stara/pojazdy;1;1;0");
        QVERIFY(result.tables[0].reasons.value(0).startsWith("wiersz 3: "));
        QVERIFY(result.tables[4].reasons.value(0).startsWith("wiersz 3: "));

        QCOMPARE(column(where, {}, "SELECT NAZWA FROM firmy ORDER BY DIR"),
                 (QStringList{"Stara Firma Łódź", "Transport Żółw Sp. z o.o."}));
        QCOMPARE(column(where, {}, "SELECT M1 || '-' || M2 || '-' || KM FROM odleglosci"),
                 QStringList{"Gdańsk-Łódź-340.5"});
        QCOMPARE(column(where, "zolw",
                        "SELECT IDPOJAZD || ' ' || NRREJ || ' ' || MARKA || ' ' || RODZAJ || ' ' "
                        "|| COALESCE(DATAOC, 0) || ' ' || CAST(STATUS AS INTEGER) FROM pojazdy "
                        "ORDER BY IDPOJAZD"),
                 (QStringList{"7 GD 1234Ż Żuk 7 20240315 2", "12 GD 9999 Star 1 0 0"}));
        QCOMPARE(
            column(where, "zolw", "SELECT IDKOSZT || ' ' || IDPOJAZD || ' ' || DATA FROM koszty"),
            QStringList{"40 12 20240102"});
        QCOMPARE(column(where, "zolw", "SELECT HASLO FROM userzy"),
                 QStringList{UserStore::legacyEnciphered("tajne")});
        // The legacy dictionary instead of the defaults; every marker: no step ran.
        QCOMPARE(column(where, "zolw", "SELECT KOD || ' ' || OPIS FROM slowniki ORDER BY KOD"),
                 (QStringList{"1 Osobowy", "7 Ciągnik", "30 Gotówka"}));
        // New rows are numbered past the kept keys.
        {
            DbConnection db(QStringLiteral("nowy"));
            QVERIFY(!db.openCompany(where, "zolw"));
            QVERIFY(!db.execute(SqlStatement("INSERT INTO pojazdy (NRREJ) VALUES ('NOWY')")));
        }
        QCOMPARE(column(where, "zolw", "SELECT IDPOJAZD FROM pojazdy WHERE NRREJ = 'NOWY'"),
                 QStringList{"13"});

        // The oldest company: every step ran, the vehicles got their status and the tables
        // of later releases exist, empty.
        QCOMPARE(
            column(where, "stara", "SELECT MARKA || ' ' || CAST(STATUS AS INTEGER) FROM pojazdy"),
            QStringList{"Polonez 0"});
        QCOMPARE(column(where, "stara", "SELECT COUNT(*) FROM aktualizacje"),
                 QStringList{QString::number(CompanyUpgrade::versions().size())});
        QCOMPARE(column(where, "stara", "SELECT COUNT(*) FROM magazyn"), QStringList{"0"});
        QCOMPARE(
            m_messages.texts().count(QStringLiteral("Baza danych zaktualizowana do wersji 1.0.7.")),
            1);
        QCOMPARE(QDir(source.path()).entryList(QDir::Files).size(), 2);  // nothing written there

        // A database is never migrated over.
        const LegacyMigrationResult again =
            LegacyMigration::run(source.path(), where, QStringLiteral("hasło1"), m_messages);
        QVERIFY(!again.ok);
        QCOMPARE(again.message, "W podanej lokalizacji znajduje się już baza danych.");
    }

    // The command line: the report on standard output, then the companies and a register
    // listed from the new database with their Polish letters.
    void commandLine() {
        QTemporaryDir source;
        writeLegacy(source.path());
        TestLocation place;
        REQUIRE_LOCATION(place);
        const QString where = place.location().text();
        auto cli = [](const QStringList& arguments) {
            QProcess process;
            process.start(QStringLiteral(FLOTANOR_CLI), arguments);
            process.waitForFinished(60000);
            return std::pair{process.exitCode(),
                             QString::fromUtf8(process.readAllStandardOutput())};
        };
        const auto [status, report] =
            cli({"import-legacy", source.path(), where, "--password", "hasło1"});
        QCOMPARE(status, 0);
        QVERIFY2(report.contains("zolw/pojazdy;3;2;1\n  wiersz 3: "), qPrintable(report));
        const auto [listed, companies] = cli({"companies", where, "--password", "hasło1"});
        QCOMPARE(listed, 0);
        QVERIFY2(companies.contains("Transport Żółw Sp. z o.o."), qPrintable(companies));
        const auto [shown, vehicles] =
            cli({"list", where, "zolw", "pojazdy", "--password", "hasło1", "--encoding", "utf-8"});
        QCOMPARE(shown, 0);
        QVERIFY2(vehicles.contains("GD 1234Ż") && vehicles.contains("Żuk"), qPrintable(vehicles));
    }

    // The database window's page: the report shown, the new database the program's.
    void databaseWindow() {
        QTemporaryDir source;
        writeLegacy(source.path());
        TestLocation place;
        REQUIRE_LOCATION(place);
        TmyDataBase data(&m_messages);
        LocationStore store(m_data.path() + QStringLiteral("/okno.ini"));
        TfWskazBaze window(data, m_messages, store);
        window.prepare(TfWskazBaze::Mode::Login);
        window.show();
        window.findChild<QRadioButton*>(QStringLiteral("RBPrzenies"))->setChecked(true);
        window.DalejClick();
        QCOMPARE(window.page(), TfWskazBaze::ImportLegacy);
        window.findChild<QLineEdit*>(QStringLiteral("EPrzeniesSkad"))->setText(source.path());
        window.findChild<QLineEdit*>(QStringLiteral("EPrzeniesDokad"))
            ->setText(place.location().text());
        m_messages.clear();
        m_messages.answerPrompt(QStringLiteral("hasło1"));
        m_messages.answerQuestion(true);
        window.DalejClick();
        QVERIFY(!m_messages.unusedAnswers());
        QCOMPARE(m_messages.texts().last(),
                 "Baza danych została przeniesiona. Użytkownicy logują się do swoich firm jak "
                 "dotąd.");
        const QString report =
            window.findChild<QPlainTextEdit*>(QStringLiteral("MRaportPrzeniesienia"))
                ->toPlainText();
        QVERIFY2(report.startsWith("firmy;3;2;1\n  wiersz 3: "), qPrintable(report));
        QCOMPARE(store.location(), place.location().text());
        QCOMPARE(store.password().value_or(QString()), QStringLiteral("hasło1"));
    }

    // A table that cannot be read stops the migration with its name, and so does the person
    // stopping it at its first table; either way no database is left.
    void stoppedMigrationLeavesNothing_data() {
        QTest::addColumn<bool>("unreadable");
        QTest::addColumn<QString>("message");
        QTest::newRow("unreadable table") << true << QStringLiteral("koszty.DB");
        QTest::newRow("stopped by the person") << false << QStringLiteral("przerwane");
    }

    void stoppedMigrationLeavesNothing() {
        QFETCH(bool, unreadable);
        QFETCH(QString, message);
        QTemporaryDir source;
        writeLegacy(source.path());
        if (unreadable) {
            QFile broken(source.path() + "/zolw/koszty.DB");
            QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
            broken.write(QByteArray(300, 'x'));
        }
        TestLocation place;
        REQUIRE_LOCATION(place);
        struct Stop : ProgressSink {
            bool update(const QString&, qint64, qint64 total) override { return total == 0; }
        } stop;
        std::optional<Progress::Scope> stopping;
        if (!unreadable)
            stopping.emplace(&stop);

        const LegacyMigrationResult result = LegacyMigration::run(
            source.path(), place.location(), QStringLiteral("hasło1"), m_messages);
        QVERIFY(!result.ok);
        QVERIFY2(result.message.contains(message), qPrintable(result.message));
        QVERIFY(!DatabaseCreator::databaseExists(place.location()));
    }
};

QTEST_MAIN(TestLegacyMigration)
#include "tst_legacymigration.moc"
