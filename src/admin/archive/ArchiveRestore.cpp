// CompanyArchive::restore: the archive's rows take the place of the company's, all or
// nothing, on either engine.
#include "admin/archive/ArchiveFiles.h"
#include "admin/archive/CompanyArchive.h"
#include "data/engine/DbConnection.h"
#include "data/schema/CompanyUpgrade.h"
#include "data/schema/SchemaDdl.h"
#include "support/PrivateFiles.h"

#include <sqlite3.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

using namespace ArchiveFiles;

namespace {

const QString kLpgTable = QStringLiteral("zuzycielpg");

// The archive's own key counters (SQLite's sqlite_sequence): a restored company never
// hands out again a key that the archived one had already used.
QHash<QString, qint64> archivedSequences(const QSqlDatabase& archive, const QString& prefix = {}) {
    QHash<QString, qint64> sequences;
    QSqlQuery query(archive);
    // An archive without keyed rows may have no counters at all.
    if (query.exec(QStringLiteral("SELECT name, seq FROM %1sqlite_sequence").arg(prefix))) {
        while (query.next())
            sequences.insert(query.value(0).toString().toLower(), query.value(1).toLongLong());
    }
    return sequences;
}

QString keepSequences(SqliteFile& stage, const QHash<QString, qint64>& sequences) {
    for (const TableDef& table : Schema::companyTables()) {
        const qint64 seq = sequences.value(table.name.toLower(), 0);
        if (table.autoKey().isEmpty() || seq <= 0)
            continue;
        QString problem = stage.exec(
            QStringLiteral("DELETE FROM main.sqlite_sequence WHERE name = ? AND seq < ?"),
            {table.name, seq});
        if (problem.isEmpty())
            problem = stage.exec(QStringLiteral("INSERT INTO main.sqlite_sequence (name, seq) "
                                                "SELECT ?, ? WHERE NOT EXISTS (SELECT 1 FROM "
                                                "main.sqlite_sequence WHERE name = ?)"),
                                 {table.name, seq, table.name});
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

qint64 rowCount(const QSqlDatabase& archive, const QSet<QString>& present) {
    qint64 total = 0;
    for (const TableDef& table : Schema::companyTables()) {
        if (!present.contains(table.name.toLower()))
            continue;
        QSqlQuery count(archive);
        if (count.exec(QStringLiteral("SELECT COUNT(*) FROM ") + table.name) && count.next())
            total += count.value(0).toLongLong();
    }
    return total;
}

// SQLite: the archive is copied into a staging file built with today's tables, which the
// backup API then writes over the company file in one transaction. A restore that is
// stopped or killed before that commit leaves the company as it was.
QString restoreSqlite(const DbLocation& location, const QString& dir, const QString& snapshot,
                      const QSet<QString>& present, Meter& meter) {
    DbConnection live(connectionName());
    if (DbError error = live.openCompany(location, dir, true))
        return error.message();
    int pageSize = 4096;
    {
        DbQuery size;
        if (DbError error = live.select(SqlStatement(QStringLiteral("PRAGMA page_size")), &size))
            return error.message();
        if (size.next())
            pageSize = size.value(0).toInt();
    }

    const QString staging =
        QDir(location.companyDirectory(dir)).filePath(QStringLiteral(".odtwarzanie.sqlite"));
    for (const QString& suffix : {QString(), QStringLiteral("-journal")})
        QFile::remove(staging + suffix);
    if (!PrivateFiles::createFile(staging))
        return QStringLiteral("Nie udało się utworzyć pliku %1")
            .arg(QDir::toNativeSeparators(staging));
    QString problem;
    {
        SqliteFile stage;
        problem = stage.open(staging, SqliteFile::Mode::Create);
        // The backup into a WAL database needs pages of the same size.
        const QStringList setup = {QStringLiteral("PRAGMA page_size = %1").arg(pageSize),
                                   QStringLiteral("PRAGMA journal_mode = OFF"),
                                   QStringLiteral("PRAGMA synchronous = OFF")};
        for (const QString& statement : setup) {
            if (problem.isEmpty())
                problem = stage.exec(statement);
        }
        if (problem.isEmpty())
            problem = stage.exec(QStringLiteral("ATTACH DATABASE ? AS archiwum"),
                                 {readOnlyUri(snapshot)});
        const bool keepLpg = !present.contains(kLpgTable);
        if (problem.isEmpty() && keepLpg)
            problem = stage.exec(QStringLiteral("ATTACH DATABASE ? AS biezaca"),
                                 {readOnlyUri(location.companyFile(dir))});
        if (problem.isEmpty())
            problem = stage.exec(QStringLiteral("BEGIN"));
        int tableIndex = 0;
        meter.phase(600, Schema::companyTables().size());
        for (const TableDef& table : Schema::companyTables()) {
            if (!problem.isEmpty())
                break;
            for (const QString& statement : SchemaDdl::createTable(table, EngineKind::Sqlite)) {
                if (problem.isEmpty())
                    problem = stage.exec(statement);
            }
            const QString from = present.contains(table.name.toLower()) ? QStringLiteral("archiwum")
                                                                        : QStringLiteral("biezaca");
            const QString fields = fieldNames(table).join(QStringLiteral(", "));
            if (problem.isEmpty())
                problem = stage.exec(QStringLiteral("INSERT INTO main.%1 (%2) SELECT %2 FROM %3.%1")
                                         .arg(table.name, fields, from));
            if (problem.isEmpty() && !meter.report(++tableIndex))
                problem = stoppedMessage();
        }
        // The archive holds today's tables: the company stays at the newest version.
        for (const QString& statement : CompanyUpgrade::recordAllStatements()) {
            if (problem.isEmpty())
                problem = stage.exec(statement);
        }
        // Keys the archived company had used stay used.
        if (problem.isEmpty())
            problem = keepSequences(
                stage, archivedSequences(stage.database(), QStringLiteral("archiwum.")));
        if (problem.isEmpty())
            problem = stage.exec(QStringLiteral("COMMIT"));
        if (problem.isEmpty())
            problem = stage.exec(QStringLiteral("DETACH DATABASE archiwum"));
        if (problem.isEmpty() && keepLpg)
            problem = stage.exec(QStringLiteral("DETACH DATABASE biezaca"));
        meter.phase(400, 1);
        if (problem.isEmpty())
            problem = backup(stage.handle(), handleOf(live.database()), meter);
    }
    live.close();
    QFile::remove(staging);
    return problem;
}

// PostgreSQL: one transaction replaces the rows of the company's schema and moves the
// identity sequences past the highest keys.
QString restorePostgres(const DbLocation& location, const QString& dir, const QString& snapshot,
                        const QSet<QString>& present, Meter& meter) {
    SqliteFile archive;
    if (const QString problem = archive.open(snapshot, SqliteFile::Mode::ReadOnly);
        !problem.isEmpty())
        return problem;
    const QHash<QString, qint64> sequences = archivedSequences(archive.database());
    meter.phase(980, rowCount(archive.database(), present));

    DbConnection company(connectionName());
    if (DbError error = company.openCompany(location, dir, true))
        return error.message();
    Transaction writing(company);
    if (DbError error = writing.beginError())
        return error.message();
    qint64 done = 0;
    for (const TableDef& table : Schema::companyTables()) {
        if (!present.contains(table.name.toLower()))
            continue;
        if (DbError error =
                company.execute(SqlStatement(QStringLiteral("DELETE FROM ") + table.name)))
            return error.message();
        const QStringList fields = fieldNames(table);
        QSqlQuery rows(archive.database());
        rows.setForwardOnly(true);
        if (!rows.exec(QStringLiteral("SELECT %1 FROM %2")
                           .arg(fields.join(QStringLiteral(", ")), table.name)))
            return rows.lastError().text();
        QStringList holders;
        for (qsizetype i = 0; i < fields.size(); ++i)
            holders << QStringLiteral(":V%1").arg(i);
        PreparedStatement insert(company, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                              .arg(table.name, fields.join(QStringLiteral(", ")),
                                                   holders.join(QStringLiteral(", "))));
        if (DbError error = insert.prepareError())
            return error.message();
        while (rows.next()) {
            for (qsizetype i = 0; i < fields.size(); ++i)
                insert.bind(holders.at(i), convert(table.fields.at(i), rows.value(int(i))));
            if (DbError error = insert.run())
                return error.message();
            if (!meter.report(++done))
                return stoppedMessage();
        }
        const QString key = table.autoKey();
        if (key.isEmpty())
            continue;
        qint64 highest = sequences.value(table.name.toLower(), 0);
        {
            DbQuery max;
            if (DbError error = company.select(
                    SqlStatement(QStringLiteral("SELECT MAX(%1) FROM %2").arg(key, table.name)),
                    &max))
                return error.message();
            if (max.next())
                highest = qMax(highest, max.value(0).toLongLong());
        }
        SqlStatement setval(QStringLiteral(
            "SELECT setval(pg_get_serial_sequence(:TABLE, :FIELD), :VALUE, :CALLED)"));
        setval.bindText(QStringLiteral(":TABLE"), DbConnection::quoteIdentifier(company.schema()) +
                                                      QLatin1Char('.') + table.name.toLower());
        setval.bindText(QStringLiteral(":FIELD"), key.toLower());
        setval.bind(QStringLiteral(":VALUE"), qMax<qint64>(highest, 1));
        setval.bind(QStringLiteral(":CALLED"), highest > 0);
        DbQuery moved;
        if (DbError error = company.select(setval, &moved))
            return error.message();
    }
    if (DbError error = writing.commit())
        return error.message();
    return {};
}

}  // namespace

ArchiveResult CompanyArchive::restore(const DbLocation& location, const QString& dir,
                                      const QString& directory, const ArchiveProgress& progress) {
    if (!exists(directory))
        return {false, QStringLiteral("We wskazanym katalogu nie znaleziono archiwum.")};
    const QString snapshot = QDir(directory).filePath(snapshotFileName());
    QSet<QString> present;
    if (const QString refused = checkSnapshot(snapshot, &present); !refused.isEmpty())
        return {false, refused};
    Meter meter(progress);
    const QString problem = location.isPostgres()
                                ? restorePostgres(location, dir, snapshot, present, meter)
                                : restoreSqlite(location, dir, snapshot, present, meter);
    if (!problem.isEmpty())
        return {false, problem};
    meter.finish();
    return {true, {}};
}
