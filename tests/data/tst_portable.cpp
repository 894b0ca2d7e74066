// A company's database is an ordinary database of its engine: the stock sqlite3 tool
// checks, writes, dumps and restores it whole, and no PostgreSQL column or index depends
// on a collation library's version. The Polish order belongs to the list statements.
#include "TestDataDir.h"
#include "TestLocation.h"
#include "data/engine/DbConnection.h"
#include "data/schema/DatabaseCreator.h"
#include "data/schema/Schema.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Sqlite3 {
    int status = -1;
    QByteArray out;
};

Sqlite3 runSqliteTool(const QString& file, const QByteArray& input) {
    QProcess process;
    process.start(QStringLiteral("sqlite3"), {QStringLiteral("-bail"), file});
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput() + process.readAllStandardError()};
}

// Every table of the company with its number of rows.
QStringList tableRows(DbConnection& company) {
    QStringList counts;
    for (const QString& table : Schema::companyTableNames()) {
        DbQuery rows;
        const DbError error =
            company.select(SqlStatement(QStringLiteral("SELECT COUNT(*) FROM ") + table), &rows);
        counts << table + QLatin1Char('=') +
                      (error || !rows.next() ? QStringLiteral("?") : rows.value(0).toString());
    }
    return counts;
}

qint64 count(DbConnection& connection, const QString& sql) {
    DbQuery rows;
    if (connection.select(SqlStatement(sql), &rows) || !rows.next())
        return -1;
    return rows.value(0).toLongLong();
}

}  // namespace

class TstPortable : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        m_dataDir = std::make_unique<TestDataDir>();
        m_location = std::make_unique<TestLocation>();
        REQUIRE_LOCATION(*m_location);
        DatabaseCreator::NewDatabase what;
        what.companies.append({DatabaseCreator::sampleCompanyName(),
                               DatabaseCreator::sampleCompanyDir(),
                               DatabaseCreator::Contents::Sample,
                               {}});
        const CreateResult created = DatabaseCreator::createDatabase(m_location->location(), what);
        QVERIFY2(created.ok, qPrintable(created.message));
    }

    void stockToolRestoresEveryTableAndRow() {
        if (m_location->location().isPostgres())
            QSKIP("the sqlite3 tool reads SQLite files");
        const QString file =
            m_location->location().companyFile(DatabaseCreator::sampleCompanyDir());
        const Sqlite3 check = runSqliteTool(file, "PRAGMA integrity_check;\n");
        QCOMPARE(check.status, 0);
        QCOMPARE(check.out.trimmed(), QByteArray("ok"));
        // Another program writes a vehicle; the unique index of registrations stays whole.
        const Sqlite3 written =
            runSqliteTool(file,
                          "INSERT INTO pojazdy (NRREJ, MARKA) VALUES ('ŁÓDŹ 77', 'Żuk');\n"
                          "PRAGMA integrity_check;\nVACUUM;\n");
        QVERIFY2(written.status == 0 && written.out.trimmed() == "ok", written.out.constData());

        const Sqlite3 dump = runSqliteTool(file, ".dump\n");
        QCOMPARE(dump.status, 0);
        QTemporaryDir restoredDir;
        const DbLocation elsewhere = DbLocation::sqlite(restoredDir.path());
        QVERIFY(QDir().mkpath(elsewhere.companyDirectory(u"demo"_qs)));
        const Sqlite3 restore = runSqliteTool(elsewhere.companyFile(u"demo"_qs), dump.out);
        QVERIFY2(restore.status == 0, restore.out.constData());

        DbConnection original(QStringLiteral("original"));
        QVERIFY(
            original.openCompany(m_location->location(), DatabaseCreator::sampleCompanyDir()).ok());
        DbConnection copy(QStringLiteral("restored"));
        QVERIFY(copy.openCompany(elsewhere, u"demo"_qs).ok());
        const QStringList before = tableRows(original);
        QCOMPARE(before.size(), 29);
        QVERIFY(!before.join(u' ').contains(QLatin1Char('?')));
        QCOMPARE(tableRows(copy), before);
    }

    void noColumnOrIndexNamesACollation() {
        if (!m_location->location().isPostgres())
            QSKIP("the SQLite schema is checked by the sqlite3 tool");
        DbConnection company(QStringLiteral("company"));
        QVERIFY(
            company.openCompany(m_location->location(), DatabaseCreator::sampleCompanyDir()).ok());
        QCOMPARE(count(company, QStringLiteral("SELECT COUNT(*) FROM information_schema.columns "
                                               "WHERE table_schema = current_schema() AND "
                                               "collation_name IS NOT NULL")),
                 0);
        // 0: no collation (numbers), 100: the database's default.
        QCOMPARE(
            count(company,
                  QStringLiteral("SELECT COUNT(*) FROM pg_index i JOIN pg_class c ON c.oid = "
                                 "i.indrelid WHERE c.relnamespace = current_schema()::regnamespace "
                                 "AND EXISTS (SELECT 1 FROM unnest(i.indcollation::oid[]) AS k "
                                 "WHERE k NOT IN (0, 100))")),
            0);
    }

private:
    std::unique_ptr<TestDataDir> m_dataDir;
    std::unique_ptr<TestLocation> m_location;
};

QTEST_GUILESS_MAIN(TstPortable)
#include "tst_portable.moc"
