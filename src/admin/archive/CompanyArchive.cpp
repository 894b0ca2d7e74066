#include "admin/archive/CompanyArchive.h"

#include "admin/archive/ArchiveFiles.h"
#include "data/engine/DbConnection.h"
#include "data/schema/SchemaDdl.h"
#include "support/PrivateFiles.h"

#include <sqlite3.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

using namespace ArchiveFiles;

namespace {

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

ArchiveResult failed(const QString& message) {
    return {false, message};
}

// SQLite: the online backup of the company file, read inside one read transaction so
// that writers carrying on meanwhile neither restart nor tear it.
QString snapshotSqlite(const DbLocation& location, const QString& dir, const QString& file,
                       Meter& meter) {
    DbConnection source(connectionName());
    if (DbError error = source.openCompany(location, dir, true))
        return error.message();
    if (DbError error = source.execute(SqlStatement(QStringLiteral("BEGIN"))))
        return error.message();
    {
        DbQuery first;
        if (DbError error = source.select(
                SqlStatement(QStringLiteral("SELECT COUNT(*) FROM sqlite_master")), &first))
            return error.message();
        first.next();
    }
    // The snapshot holds the company as it is now, whatever is written from here on.
    if (!meter.report(0))
        return stoppedMessage();
    QString problem;
    {
        SqliteFile target;
        problem = target.open(file, SqliteFile::Mode::Create);
        if (problem.isEmpty())
            problem = backup(handleOf(source.database()), target.handle(), meter);
    }
    source.execute(SqlStatement(QStringLiteral("ROLLBACK")));
    source.close();
    if (!problem.isEmpty())
        return problem;
    // The pages came from a WAL database; the snapshot goes back to a rollback journal so
    // that it can be read where nothing may be written beside it.
    SqliteFile snapshot;
    problem = snapshot.open(file, SqliteFile::Mode::Create);
    if (problem.isEmpty())
        problem = snapshot.exec(QStringLiteral("PRAGMA journal_mode = DELETE"));
    return problem;
}

// PostgreSQL: the company's rows, read in one repeatable-read transaction, written into a
// new SQLite file with the tables of the SQLite engine.
QString snapshotPostgres(const DbLocation& location, const QString& dir, const QString& file,
                         Meter& meter) {
    DbConnection source(connectionName());
    if (DbError error = source.openCompany(location, dir, true))
        return error.message();
    Transaction reading(source);
    if (DbError error = reading.beginError())
        return error.message();
    if (DbError error = source.execute(SqlStatement(
            QStringLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ, READ ONLY"))))
        return error.message();
    qint64 total = 0;
    for (const TableDef& table : Schema::companyTables()) {
        DbQuery count;
        if (DbError error = source.select(
                SqlStatement(QStringLiteral("SELECT COUNT(*) FROM ") + table.name), &count))
            return error.message();
        if (count.next())
            total += count.value(0).toLongLong();
    }
    meter.setUnits(total);
    if (!meter.report(0))
        return stoppedMessage();

    SqliteFile target;
    QString problem = target.open(file, SqliteFile::Mode::Create);
    if (problem.isEmpty())
        problem = target.exec(QStringLiteral("PRAGMA journal_mode = DELETE"));
    if (problem.isEmpty())
        problem = target.exec(QStringLiteral("BEGIN"));
    qint64 done = 0;
    for (const TableDef& table : Schema::companyTables()) {
        if (!problem.isEmpty())
            break;
        for (const QString& statement : SchemaDdl::createTable(table, EngineKind::Sqlite)) {
            problem = target.exec(statement);
            if (!problem.isEmpty())
                return problem;
        }
        const QStringList fields = fieldNames(table);
        const QString order =
            table.primaryKey.isEmpty()
                ? QString()
                : QStringLiteral(" ORDER BY ") + table.primaryKey.join(QStringLiteral(", "));
        DbQuery rows;
        if (DbError error = source.select(
                SqlStatement(QStringLiteral("SELECT %1 FROM %2%3")
                                 .arg(fields.join(QStringLiteral(", ")), table.name, order)),
                &rows))
            return error.message();
        QSqlQuery insert(target.database());
        if (!insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(table.name, fields.join(QStringLiteral(", ")),
                                     QStringList(fields.size(), QStringLiteral("?"))
                                         .join(QStringLiteral(", ")))))
            return insert.lastError().text();
        while (rows.next()) {
            for (qsizetype i = 0; i < table.fields.size(); ++i)
                insert.bindValue(int(i), convert(table.fields.at(i), rows.value(int(i))));
            if (!insert.exec())
                return insert.lastError().text();
            if (!meter.report(++done))
                return stoppedMessage();
        }
    }
    if (problem.isEmpty())
        problem = target.exec(QStringLiteral("COMMIT"));
    return problem;
}

}  // namespace

bool CompanyArchive::exists(const QString& directory) {
    return QFileInfo(QDir(directory).filePath(descriptionFileName())).isFile();
}

QString CompanyArchive::checkTarget(const DbLocation& location, const QString& directory) {
    if (directory.trimmed().isEmpty())
        return QStringLiteral("Nie wskazano katalogu archiwum.");
    if (!location.isPostgres() && isInside(directory, location.directory()))
        return QStringLiteral(
                   "Archiwum nie może powstać w katalogu bazy danych (%1). Wskaż inny katalog.")
            .arg(native(location.directory()));
    const QFileInfo info(directory);
    if (info.exists() && !info.isDir())
        return QStringLiteral("%1 nie jest katalogiem.").arg(native(directory));
    if (!info.exists() || exists(directory))
        return {};
    if (!databaseFiles(directory).isEmpty())
        return QStringLiteral(
            "Wskazany katalog zawiera pliki bazy danych. Wskaż katalog pusty "
            "albo katalog z archiwum.");
    if (!QDir(directory)
             .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
             .isEmpty())
        return QStringLiteral(
            "Wskazany katalog nie jest pusty. Wskaż katalog pusty albo katalog z archiwum.");
    return {};
}

ArchiveResult CompanyArchive::create(const DbLocation& location, const QString& dir,
                                     const QString& directory,
                                     const ArchiveDescription& description,
                                     const ArchiveProgress& progress) {
    const QString target = QDir::cleanPath(QFileInfo(directory).absoluteFilePath());
    recover(target);
    if (const QString refused = checkTarget(location, target); !refused.isEmpty())
        return failed(refused);
    const QString staged = stagedSibling(target);
    // A build stopped half-way was never an archive.
    if (QFileInfo::exists(staged) && !QDir(staged).removeRecursively())
        return failed(QStringLiteral("Nie udało się usunąć katalogu %1").arg(native(staged)));
    if (!PrivateFiles::makePath(staged))
        return failed(QStringLiteral("Nie udało się utworzyć katalogu %1").arg(native(staged)));

    Meter meter(progress);
    meter.phase(950, 1);
    const QString file = QDir(staged).filePath(snapshotFileName());
    QString problem = PrivateFiles::createFile(file)
                          ? QString()
                          : QStringLiteral("Nie udało się utworzyć pliku %1").arg(native(file));
    if (problem.isEmpty())
        problem = location.isPostgres() ? snapshotPostgres(location, dir, file, meter)
                                        : snapshotSqlite(location, dir, file, meter);
    if (problem.isEmpty())
        description.write(staged, &problem);
    meter.phase(50, 1);
    if (problem.isEmpty())
        problem = install(staged, target);
    if (!problem.isEmpty()) {
        QDir(staged).removeRecursively();
        return failed(problem);
    }
    meter.finish();
    return {true, {}};
}

QString CompanyArchive::checkSnapshot(const QString& file, QSet<QString>* present) {
    SqliteFile archive;
    if (const QString problem = archive.open(file, SqliteFile::Mode::ReadOnly); !problem.isEmpty())
        return problem;
    QSqlQuery tables(archive.database());
    if (!tables.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
        return QStringLiteral("Plik %1 nie jest bazą danych archiwum (%2).")
            .arg(native(file), tables.lastError().text());
    QSet<QString> found;
    while (tables.next())
        found.insert(tables.value(0).toString().toLower());
    tables.finish();
    QSet<QString> usable;
    for (const TableDef& table : Schema::companyTables()) {
        const QString name = table.name.toLower();
        if (!found.contains(name)) {
            if (name == QLatin1String("zuzycielpg"))
                continue;
            return QStringLiteral("W archiwum brakuje tabeli %1.").arg(table.name);
        }
        QSqlQuery columns(archive.database());
        if (!columns.prepare(QStringLiteral("SELECT name FROM pragma_table_info(?)")))
            return columns.lastError().text();
        columns.addBindValue(table.name);
        if (!columns.exec())
            return columns.lastError().text();
        QSet<QString> names;
        while (columns.next())
            names.insert(columns.value(0).toString().toUpper());
        for (const FieldDef& field : table.fields) {
            if (!names.contains(field.name.toUpper()))
                return QStringLiteral("W archiwum brakuje pola %1 tabeli %2.")
                    .arg(field.name, table.name);
        }
        usable.insert(name);
    }
    if (present)
        *present = usable;
    return {};
}

ArchiveResult CompanyArchive::remove(const QString& directory) {
    const QDir dir(directory);
    // The snapshot goes first: while it stays, so does the description that makes it an
    // archive, never database files without one.
    const QString snapshot = snapshotFileName();
    for (const QString& name :
         {snapshot + QStringLiteral("-journal"), snapshot + QStringLiteral("-wal"),
          snapshot + QStringLiteral("-shm"), snapshot, descriptionFileName()}) {
        const QString path = dir.filePath(name);
        if (!QFileInfo::exists(path))
            continue;
        QFile file(path);
        if (!file.remove())
            return failed(QStringLiteral("Nie udało się usunąć pliku %1: %2")
                              .arg(native(path), file.errorString()));
    }
    return {true, {}};
}
