#include "admin/legacy/LegacyMigration.h"

#include "support/Progress.h"

#include "admin/legacy/LegacyFiles.h"
#include "admin/legacy/ParadoxTable.h"
#include "data/engine/DbConnection.h"
#include "data/engine/RowInsert.h"
#include "data/schema/CompanyUpgrade.h"
#include "data/schema/DatabaseCreator.h"
#include "data/schema/Schema.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUuid>

namespace {

QString connectionName() {
    return QStringLiteral("migracja-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// A legacy value as the field of today's table holds it.
QVariant converted(const FieldDef& field, const QVariant& value) {
    if (value.isNull())
        return {};
    switch (field.kind) {
        case FieldKind::AutoKey:
        case FieldKind::Integer:
        case FieldKind::Date:
        case FieldKind::Time:
            return qint64(value.toDouble());
        case FieldKind::Number:
        case FieldKind::DateNumber:
            return value.toDouble();
        case FieldKind::Flag:
        case FieldKind::Text:
            return value.toString();
    }
    return value;
}

// What the upgrade steps give a field they add: the vehicles' status 0, else nothing.
QVariant addedByUpgrade(const TableDef& table, const FieldDef& field) {
    if (table.name == u"pojazdy" && field.name == u"STATUS")
        return 0;
    return {};
}

// The subdirectory of the legacy main directory named dir, regardless of letter case.
QString legacySubdirectory(const QString& main, const QString& dir) {
    const QStringList entries = QDir(main).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(dir, Qt::CaseInsensitive) == 0)
            return QDir(main).filePath(entry);
    }
    return {};
}

struct Failure {
    QString message;
};

class Migration {
public:
    Migration(const QString& source, const DbLocation& target, MessageService& messages)
        : m_source(source), m_target(target), m_messages(messages) {}

    LegacyMigrationResult result;

    // Copies the rows of one legacy table into today's table of the connection; the
    // rows already there (a new company's defaults) go first.
    bool copyTable(DbConnection& db, const TableDef& table, const QString& file,
                   const QString& label) {
        ParadoxTable legacy;
        if (!legacy.open(file)) {
            result.message = QStringLiteral("Nie można odczytać tabeli %1: %2")
                                 .arg(QDir::toNativeSeparators(file), legacy.error());
            return false;
        }
        LegacyTableReport report;
        report.table = label;
        Progress::stage(QStringLiteral("Przenoszenie tabeli %1").arg(label));
        if (DbError error =
                db.execute(SqlStatement(QStringLiteral("DELETE FROM %1").arg(table.name)))) {
            result.message = error.message();
            return false;
        }
        QList<int> columns;
        for (const FieldDef& field : table.fields)
            columns << legacy.fieldIndex(field.name);
        const QString key = table.autoKey();
        QVariantList values;
        for (int row = 0; row < legacy.rowCount(); ++row) {
            // Stopping is safe: a migration that does not finish leaves nothing behind.
            if (row % 256 == 0 && !Progress::report(row, legacy.rowCount())) {
                result.message = QStringLiteral("Przenoszenie bazy danych przerwane.");
                return false;
            }
            if (!legacy.readRow(row, &values))
                continue;  // a deleted record
            ++report.read;
            FieldValues fields;
            for (qsizetype i = 0; i < table.fields.size(); ++i) {
                const FieldDef& field = table.fields[i];
                const QVariant value = columns[i] < 0 ? addedByUpgrade(table, field)
                                                      : converted(field, values.value(columns[i]));
                if (value.isNull() && field.name == key)
                    continue;  // the engine numbers a row without its key
                fields.append({field.name, value});
            }
            const QString savepoint = QStringLiteral("wiersz");
            DbError error = db.savepoint(savepoint);
            if (!error)
                error = insertRow(db, table.name, fields);
            if (error) {
                db.rollbackToSavepoint(savepoint);
                ++report.refused;
                report.reasons
                    << QStringLiteral("wiersz %1: %2").arg(report.read).arg(error.message());
                continue;
            }
            db.releaseSavepoint(savepoint);
            ++report.written;
        }
        result.tables << report;
        return true;
    }

    // PostgreSQL numbers new rows past the kept keys; SQLite does so by itself.
    bool moveCounters(DbConnection& db, const TableDef& table) {
        const QString key = table.autoKey();
        if (key.isEmpty() || db.engine() != EngineKind::Postgres)
            return true;
        DbQuery moved;
        SqlStatement setval(QStringLiteral("SELECT setval(pg_get_serial_sequence(:TABLE, :FIELD), "
                                           "COALESCE((SELECT MAX(%1) FROM %2), 0) + 1, false)")
                                .arg(key, table.name));
        setval.bindText(QStringLiteral(":TABLE"), DbConnection::quoteIdentifier(db.schema()) +
                                                      QLatin1Char('.') + table.name.toLower());
        setval.bindText(QStringLiteral(":FIELD"), key.toLower());
        if (DbError error = db.select(setval, &moved)) {
            result.message = error.message();
            return false;
        }
        return true;
    }

    bool migrateCompany(const QString& dir, const QString& legacyDir) {
        DbConnection db(connectionName());
        if (DbError error = db.openCompany(m_target, dir)) {
            result.message = error.message();
            return false;
        }
        {
            Transaction transaction(db);
            if (DbError error = transaction.beginError()) {
                result.message = error.message();
                return false;
            }
            for (const TableDef& table : Schema::companyTables()) {
                const QString file =
                    LegacyFiles::find(legacyDir, table.name + QStringLiteral(".DB"));
                if (file.isEmpty())
                    continue;  // a table of a later release: it stays as created
                if (!copyTable(db, table, file, dir + u'/' + table.name) ||
                    !moveCounters(db, table))
                    return false;
            }
            // The versions the legacy directory's markers do not name are still to come.
            QStringList missing;
            for (const QString& version : CompanyUpgrade::versions()) {
                if (LegacyFiles::find(legacyDir, QStringLiteral("update") + version).isEmpty())
                    missing << QStringLiteral("'%1'").arg(version);
            }
            if (!missing.isEmpty()) {
                if (DbError error = db.execute(
                        SqlStatement(QStringLiteral("DELETE FROM aktualizacje WHERE WERSJA IN (%1)")
                                         .arg(missing.join(u','))))) {
                    result.message = error.message();
                    return false;
                }
            }
            if (DbError error = transaction.commit()) {
                result.message = error.message();
                return false;
            }
        }
        CompanyUpgrade(db, m_messages, m_target.displayText() + u'/' + dir).run();
        return true;
    }

    bool migrate(const QString& password) {
        const QString companiesFile = LegacyFiles::find(m_source, QStringLiteral("firmy.DB"));
        if (companiesFile.isEmpty()) {
            result.message = QStringLiteral("W katalogu %1 nie ma tabeli firmy.DB.")
                                 .arg(QDir::toNativeSeparators(m_source));
            return false;
        }
        ParadoxTable companies;
        if (!companies.open(companiesFile)) {
            result.message = QStringLiteral("Nie można odczytać tabeli %1: %2")
                                 .arg(QDir::toNativeSeparators(companiesFile), companies.error());
            return false;
        }
        DatabaseCreator::NewDatabase what;
        what.password = password;
        const CreateResult created = DatabaseCreator::createDatabase(m_target, what);
        if (!created.ok) {
            result.message = created.message;
            return false;
        }
        m_created = true;

        LegacyTableReport listed;
        listed.table = QStringLiteral("firmy");
        const int nameColumn = companies.fieldIndex(QStringLiteral("NAZWA"));
        const int dirColumn = companies.fieldIndex(QStringLiteral("DIR"));
        QList<std::pair<QString, QString>> toMigrate;  // dir, legacy directory
        QVariantList values;
        for (int row = 0; row < companies.rowCount(); ++row) {
            if (!companies.readRow(row, &values))
                continue;
            ++listed.read;
            const QString name = values.value(nameColumn).toString().trimmed();
            const QString dir = values.value(dirColumn).toString().trimmed();
            const QString legacyDir = legacySubdirectory(m_source, dir);
            QString reason = DatabaseCreator::checkCompanyDirectory(dir);
            if (reason.isEmpty() && name.isEmpty())
                reason = QStringLiteral("brak nazwy firmy");
            if (reason.isEmpty() && legacyDir.isEmpty())
                reason = QStringLiteral("brak katalogu firmy %1").arg(dir);
            CreateResult added;
            if (reason.isEmpty()) {
                added = DatabaseCreator::addCompany(m_target, name, dir);
                if (!added.ok)
                    reason =
                        added.message +
                        (added.error ? QStringLiteral(": ") + added.error.message() : QString());
            }
            if (!reason.isEmpty()) {
                ++listed.refused;
                listed.reasons << QStringLiteral("wiersz %1: %2").arg(listed.read).arg(reason);
                continue;
            }
            ++listed.written;
            toMigrate.append({dir, legacyDir});
        }
        result.tables << listed;

        const QString distances = LegacyFiles::find(m_source, QStringLiteral("odleglosci.DB"));
        if (!distances.isEmpty()) {
            DbConnection main(connectionName());
            if (DbError error = main.openMain(m_target)) {
                result.message = error.message();
                return false;
            }
            Transaction transaction(main);
            if (!copyTable(main, *Schema::mainTable(QStringLiteral("odleglosci")), distances,
                           QStringLiteral("odleglosci")))
                return false;
            if (DbError error = transaction.commit()) {
                result.message = error.message();
                return false;
            }
        }
        for (const auto& [dir, legacyDir] : toMigrate) {
            if (!migrateCompany(dir, legacyDir))
                return false;
        }
        return true;
    }

    // A failed migration leaves nothing: the schemas made on PostgreSQL are dropped (an
    // SQLite database is made in a directory of its own, removed by the caller).
    void dropPostgres() {
        if (!m_created || !m_target.isPostgres())
            return;
        QStringList schemas{DbLocation::mainSchema()};
        DbError error;
        for (const CompanyEntry& company : DatabaseCreator::companies(m_target, &error))
            schemas << company.dir;
        DbConnection main(connectionName());
        if (main.openMain(m_target))
            return;
        for (const QString& schema : schemas) {
            main.execute(SqlStatement(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE")
                                          .arg(DbConnection::quoteIdentifier(schema))));
        }
    }

private:
    QString m_source;
    DbLocation m_target;
    MessageService& m_messages;
    bool m_created = false;
};

}  // namespace

QString LegacyTableReport::line() const {
    return QStringLiteral("%1;%2;%3;%4").arg(table).arg(read).arg(written).arg(refused);
}

namespace LegacyMigration {

LegacyMigrationResult run(const QString& sourceDirectory, const DbLocation& target,
                          const QString& databasePassword, MessageService& messages) {
    LegacyMigrationResult failed;
    if (!QFileInfo(sourceDirectory).isDir()) {
        failed.message =
            QStringLiteral("Nie ma katalogu %1.").arg(QDir::toNativeSeparators(sourceDirectory));
        return failed;
    }
    if (DatabaseCreator::databaseExists(target)) {
        failed.message = QStringLiteral("W podanej lokalizacji znajduje się już baza danych.");
        return failed;
    }
    if (!target.isPostgres()) {
        // Made beside the target and moved into place whole when complete.
        const QDir wanted(target.directory());
        if (wanted.exists() &&
            !wanted.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
            failed.message = QStringLiteral("Katalog %1 nie jest pusty.")
                                 .arg(QDir::toNativeSeparators(target.directory()));
            return failed;
        }
        const QFileInfo info(target.directory());
        QDir().mkpath(info.absolutePath());
        QTemporaryDir staging(info.absolutePath() + QStringLiteral("/.migracja-XXXXXX"));
        if (!staging.isValid()) {
            failed.message = staging.errorString();
            return failed;
        }
        Migration migration(sourceDirectory, DbLocation::sqlite(staging.path()), messages);
        migration.result.ok = migration.migrate(databasePassword);
        if (!migration.result.ok)
            return migration.result;
        if (wanted.exists())
            QDir().rmdir(target.directory());
        if (!QDir().rename(staging.path(), target.directory())) {
            migration.result.ok = false;
            migration.result.message = QStringLiteral("Nie można przenieść bazy danych do %1.")
                                           .arg(QDir::toNativeSeparators(target.directory()));
            return migration.result;
        }
        staging.setAutoRemove(false);
        return migration.result;
    }
    Migration migration(sourceDirectory, target, messages);
    migration.result.ok = migration.migrate(databasePassword);
    if (!migration.result.ok)
        migration.dropPostgres();
    return migration.result;
}

}  // namespace LegacyMigration
