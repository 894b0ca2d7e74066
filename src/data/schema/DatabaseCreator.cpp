#include "data/schema/DatabaseCreator.h"

#include "data/engine/PolishCollation.h"
#include "data/engine/RowInsert.h"
#include "data/schema/CompanySeed.h"
#include "data/schema/CompanyUpgrade.h"
#include "data/schema/DatabasePassword.h"
#include "data/schema/DemoCompany.h"
#include "data/schema/SchemaDdl.h"
#include "support/PrivateFiles.h"

#include <QAtomicInt>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

using NewCompany = DatabaseCreator::NewCompany;

const QString kDatabaseFailed = QStringLiteral("Nie udało się stworzyć nowej bazy danych");
const QString kCompanyFailed = QStringLiteral("Nie udało się stworzyć nowej firmy");

QString connectionName() {
    static QAtomicInt counter;
    return QStringLiteral("flotanor-create-%1").arg(counter.fetchAndAddRelaxed(1));
}

CreateResult failure(const QString& message, const DbError& error = {}) {
    CreateResult result;
    result.message = error ? message + QStringLiteral("\n") + error.message() : message;
    result.error = error;
    return result;
}

CreateResult success(const QString& backup = {}) {
    CreateResult result;
    result.ok = true;
    result.backup = backup;
    return result;
}

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

bool schemaExists(DbConnection& connection, const QString& schema, DbError* error,
                  bool ignoreCase = false) {
    SqlStatement find(ignoreCase ? QStringLiteral("SELECT 1 FROM information_schema.schemata "
                                                  "WHERE lower(schema_name) = lower(:SCHEMA)")
                                 : QStringLiteral("SELECT 1 FROM information_schema.schemata "
                                                  "WHERE schema_name = :SCHEMA"));
    find.bindText(QStringLiteral(":SCHEMA"), schema);
    DbQuery result;
    *error = connection.select(find, &result);
    return error->ok() && result.next();
}

// A connection to the PostgreSQL database itself; the main schema need not exist yet.
DbError openServer(DbConnection& connection, const DbLocation& location) {
    return connection.openMain(location, false);
}

// PostgreSQL: unqualified names reach this schema until the transaction ends.
DbError useSchema(DbConnection& connection, const QString& schema) {
    return connection.execute(SqlStatement(QStringLiteral("SET LOCAL search_path TO ") +
                                           DbConnection::quoteIdentifier(schema)));
}

QString checkNewCompany(const NewCompany& company, const QList<CompanyEntry>& others) {
    if (company.name.trimmed().isEmpty() || company.dir.trimmed().isEmpty())
        return QStringLiteral("Nazwa firmy lub katalogu niepoprawna.");
    if (company.name.size() > 50)
        return QStringLiteral("Nazwa firmy może mieć najwyżej 50 znaków.");
    if (const QString problem = DatabaseCreator::checkCompanyDirectory(company.dir);
        !problem.isEmpty())
        return problem;
    for (const CompanyEntry& other : others) {
        if (other.name.compare(company.name, Qt::CaseInsensitive) == 0 ||
            other.dir.compare(company.dir, Qt::CaseInsensitive) == 0)
            return QStringLiteral("Istnieje już firma w podanym katalogu bądź o podanej nazwie.");
    }
    return {};
}

// The tables and contents of a new company, on a connection whose unqualified names
// reach the company's tables, inside the caller's transaction.
DbError fillCompany(DbConnection& connection, const NewCompany& company, const QDate& today) {
    DbError error = SchemaDdl::ensurePolishCollation(connection);
    if (!error)
        error = SchemaDdl::createTables(connection, Schema::companyTables());
    if (!error)
        error = CompanyUpgrade::recordAll(connection);  // made at the newest version
    if (!error)
        error = CompanySeed::fill(connection, company.supervisorPassword);
    if (!error && company.contents == DatabaseCreator::Contents::Sample)
        error = DemoCompany::fill(connection, today);
    return error;
}

DbError listCompany(DbConnection& main, const NewCompany& company) {
    return insertRow(
        main, QStringLiteral("firmy"),
        {{QStringLiteral("NAZWA"), company.name}, {QStringLiteral("DIR"), company.dir}});
}

// PostgreSQL: the company's schema, filled and listed in the connection's transaction,
// which the caller commits; the search path is the main schema's again afterwards.
DbError createCompanySchema(DbConnection& server, const NewCompany& company, const QDate& today) {
    DbError error = SchemaDdl::createSchema(server, company.dir);
    if (!error)
        error = useSchema(server, company.dir);
    if (!error)
        error = fillCompany(server, company, today);
    if (!error)
        error = useSchema(server, DbLocation::mainSchema());
    if (!error)
        error = listCompany(server, company);
    return error;
}

// SQLite: the directory a company is built in before it takes its own name. A company
// directory never begins with a dot, so this name is never a company's.
QString stagedCompany(const QString& dir) {
    return QLatin1Char('.') + dir + QStringLiteral(".new");
}

// SQLite: builds the company in its staged directory, then gives the directory the
// company's name. The caller lists it.
CreateResult buildCompanyDirectory(const DbLocation& location, const NewCompany& company,
                                   const QDate& today) {
    const QString path = location.companyDirectory(company.dir);
    if (QFileInfo::exists(path))
        return failure(QStringLiteral("Katalog %1 już istnieje.").arg(native(path)));
    const QString staged = location.companyDirectory(stagedCompany(company.dir));
    // What a creation stopped half-way left behind was never listed: it goes.
    if (QFileInfo::exists(staged) && !QDir(staged).removeRecursively())
        return failure(QStringLiteral("Nie udało się usunąć katalogu %1").arg(native(staged)));
    if (!PrivateFiles::makePath(staged))
        return failure(QStringLiteral("Nie udało się utworzyć katalogu %1").arg(native(staged)));
    DbError error;
    {
        DbConnection connection(connectionName());
        error = connection.openCompany(location, stagedCompany(company.dir), false);
        if (!error) {
            Transaction transaction(connection);
            error = transaction.beginError();
            if (!error)
                error = fillCompany(connection, company, today);
            if (!error)
                error = transaction.commit();
        }
    }
    if (!error && !QDir().rename(staged, path))
        error = DbError(DbError::Kind::Other,
                        QStringLiteral("Nie udało się utworzyć katalogu %1").arg(native(path)));
    if (error) {
        QDir(staged).removeRecursively();
        return failure(kCompanyFailed, error);
    }
    return success();
}

// ---- A whole new database on SQLite ----

// The files of an SQLite database beside its main file.
QStringList withJournals(const QString& file) {
    return {file, file + QStringLiteral("-wal"), file + QStringLiteral("-shm"),
            file + QStringLiteral("-journal")};
}

// Renames done so far, undone in reverse order when a later one fails.
class Moves {
public:
    bool move(const QString& from, const QString& to) {
        if (!QFileInfo::exists(from) && !QFileInfo(from).isSymLink())
            return true;
        if (QFileInfo::exists(to) || !QDir().rename(from, to))
            return false;
        m_done.append({from, to});
        return true;
    }
    void undo() {
        for (auto it = m_done.crbegin(); it != m_done.crend(); ++it)
            QDir().rename(it->second, it->first);
        m_done.clear();
    }

private:
    QList<std::pair<QString, QString>> m_done;
};

// The company directories an existing main database lists.
QStringList listedDirectories(const DbLocation& location) {
    QStringList dirs;
    DbError error;
    for (const CompanyEntry& company : DatabaseCreator::companies(location, &error)) {
        if (DatabaseCreator::checkCompanyDirectory(company.dir).isEmpty() &&
            QFileInfo(location.companyDirectory(company.dir)).isDir())
            dirs << company.dir;
    }
    return dirs;
}

CreateResult createSqliteDatabase(const DbLocation& location,
                                  const DatabaseCreator::NewDatabase& what) {
    const QString target = QDir::cleanPath(QFileInfo(location.directory()).absoluteFilePath());
    const DbLocation final = DbLocation::sqlite(target);
    const bool replacing = QFileInfo::exists(final.mainFile());
    if (replacing && !what.replaceExisting)
        return failure(QStringLiteral("W podanej lokalizacji znajduje się już baza danych."));
    // A new company's directory may only take the place of one the old database lists.
    const QStringList oldDirs = replacing ? listedDirectories(final) : QStringList();
    for (const NewCompany& company : what.companies) {
        const QString path = final.companyDirectory(company.dir);
        if (QFileInfo::exists(path) && !oldDirs.contains(company.dir))
            return failure(QStringLiteral("Katalog %1 już istnieje.").arg(native(path)));
    }
    const bool targetExisted = QFileInfo(target).isDir();
    if (!PrivateFiles::makePath(target))
        return failure(QStringLiteral("Nie udało się utworzyć katalogu %1").arg(native(target)));

    // The new database is built in a hidden directory of the location; what a creation
    // stopped half-way left there goes first.
    static const QRegularExpression leftover(QStringLiteral("^\\.flotanor-new-\\d{8}-\\d{6}$"));
    for (const QString& entry : QDir(target).entryList(QDir::Dirs | QDir::Hidden)) {
        if (leftover.match(entry).hasMatch())
            QDir(target + QLatin1Char('/') + entry).removeRecursively();
    }
    const QDateTime now = QDateTime::currentDateTime();
    const QString staging = target + QStringLiteral("/.flotanor-new-") +
                            now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const DbLocation staged = DbLocation::sqlite(staging);
    auto abandon = [&](const CreateResult& result) {
        QDir(staging).removeRecursively();
        if (!targetExisted)
            QDir().rmdir(target);
        return result;
    };
    if (!PrivateFiles::makePath(staging))
        return abandon(
            failure(QStringLiteral("Nie udało się utworzyć katalogu %1").arg(native(staging))));
    DbError error;
    {
        DbConnection main(connectionName());
        error = main.openMain(staged, false);
        if (!error) {
            Transaction transaction(main);
            error = transaction.beginError();
            if (!error)
                error = SchemaDdl::createTables(main, Schema::mainTables());
            if (!error && !what.password.isEmpty())
                error = DatabasePassword::store(main, what.password);
            for (const NewCompany& company : what.companies) {
                if (!error)
                    error = listCompany(main, company);
            }
            if (!error)
                error = transaction.commit();
        }
    }
    if (error)
        return abandon(failure(kDatabaseFailed, error));
    for (const NewCompany& company : what.companies) {
        const CreateResult built = buildCompanyDirectory(staged, company, what.today);
        if (!built.ok)
            return abandon(built);
    }

    // The old database's own files go to the backup beside the location; whatever else
    // the location holds stays. Then the new files take their places, the main file last.
    Moves moves;
    QString backup;
    if (replacing) {
        backup = DatabaseCreator::backupName(target, now);
        for (int n = 2; QFileInfo::exists(backup); ++n)
            backup = DatabaseCreator::backupName(target, now) + QStringLiteral("-%1").arg(n);
        if (!PrivateFiles::makePath(backup))
            return abandon(
                failure(QStringLiteral("Nie udało się utworzyć katalogu kopii istniejącej bazy "
                                       "%1. Istniejąca baza pozostała bez zmian.")
                            .arg(native(backup))));
        const DbLocation kept = DbLocation::sqlite(backup);
        bool moved = true;
        const QStringList mainFiles = withJournals(final.mainFile());
        const QStringList keptFiles = withJournals(kept.mainFile());
        for (int i = 0; i < mainFiles.size() && moved; ++i)
            moved = moves.move(mainFiles[i], keptFiles[i]);
        for (const QString& dir : oldDirs) {
            if (moved)
                moved = moves.move(final.companyDirectory(dir), kept.companyDirectory(dir));
        }
        if (!moved) {
            moves.undo();
            QDir().rmdir(backup);
            return abandon(failure(QStringLiteral("Nie udało się przenieść istniejącej bazy do "
                                                  "kopii %1. Istniejąca baza pozostała bez zmian.")
                                       .arg(native(backup))));
        }
    }
    bool placed = true;
    for (const NewCompany& company : what.companies) {
        if (placed)
            placed = moves.move(staged.companyDirectory(company.dir),
                                final.companyDirectory(company.dir));
    }
    if (placed)
        placed = moves.move(staged.mainFile(), final.mainFile());
    if (!placed) {
        moves.undo();
        if (!backup.isEmpty())
            QDir().rmdir(backup);
        return abandon(failure(kDatabaseFailed + QStringLiteral("\nNie udało się przenieść "
                                                                "plików do katalogu %1.")
                                                     .arg(native(target))));
    }
    QDir(staging).removeRecursively();
    return success(backup.isEmpty() ? QString() : native(backup));
}

// ---- A whole new database on PostgreSQL: one transaction ----

CreateResult createPostgresDatabase(const DbLocation& location,
                                    const DatabaseCreator::NewDatabase& what) {
    DbConnection server(connectionName());
    if (DbError error = openServer(server, location))
        return failure(kDatabaseFailed, error);
    DbError error;
    const bool replacing = schemaExists(server, DbLocation::mainSchema(), &error);
    if (error)
        return failure(kDatabaseFailed, error);
    if (replacing && !what.replaceExisting)
        return failure(QStringLiteral("W podanej lokalizacji znajduje się już baza danych."));
    Transaction transaction(server);
    if (transaction.beginError())
        return failure(kDatabaseFailed, transaction.beginError());
    QString backup;
    if (replacing) {
        // The old schemas stay, renamed, in the same database.
        QStringList schemas{DbLocation::mainSchema()};
        {
            DbQuery listed;
            error = server.select(SqlStatement(QStringLiteral("SELECT DIR FROM firmy")), &listed);
            while (!error && listed.next())
                schemas << listed.text(u"DIR");
        }
        const QDateTime now = QDateTime::currentDateTime();
        for (const QString& schema : schemas) {
            bool exists = false;
            if (!error)
                exists = schemaExists(server, schema, &error);
            if (error || !exists || schema.isEmpty())
                continue;
            QString kept = DatabaseCreator::backupName(schema, now);
            for (int n = 2; !error && schemaExists(server, kept, &error); ++n)
                kept = DatabaseCreator::backupName(schema, now) + QStringLiteral("-%1").arg(n);
            if (!error)
                error = server.execute(SqlStatement(QStringLiteral("ALTER SCHEMA %1 RENAME TO %2")
                                                        .arg(DbConnection::quoteIdentifier(schema),
                                                             DbConnection::quoteIdentifier(kept))));
            if (schema == DbLocation::mainSchema())
                backup = kept;
        }
    }
    if (!error)
        error = SchemaDdl::createSchema(server, DbLocation::mainSchema());
    if (!error)
        error = useSchema(server, DbLocation::mainSchema());
    if (!error)
        error = SchemaDdl::ensurePolishCollation(server);
    if (!error)
        error = SchemaDdl::createTables(server, Schema::mainTables());
    if (!error && !what.password.isEmpty())
        error = DatabasePassword::store(server, what.password);
    for (const NewCompany& company : what.companies) {
        bool taken = false;
        if (!error)
            taken = schemaExists(server, company.dir, &error, true);
        if (!error && taken)
            return failure(
                QStringLiteral("Schemat %1 już istnieje w bazie danych.").arg(company.dir));
        if (!error)
            error = createCompanySchema(server, company, what.today);
    }
    if (!error)
        error = transaction.commit();
    if (error)
        return failure(kDatabaseFailed, error);
    return success(backup);
}

}  // namespace

bool DatabaseCreator::databaseExists(const DbLocation& location) {
    if (!location.isPostgres())
        return QFileInfo::exists(location.mainFile());
    DbConnection server(connectionName());
    if (openServer(server, location))
        return false;
    DbError error;
    return schemaExists(server, DbLocation::mainSchema(), &error);
}

QString DatabaseCreator::backupName(const QString& name, const QDateTime& when) {
    const QString suffix =
        QStringLiteral(".backup-") + when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    // PostgreSQL names hold at most 63 bytes; a directory path has room enough.
    QString base = name;
    while (!base.isEmpty() && !base.contains(QLatin1Char('/')) &&
           (base + suffix).toUtf8().size() > 63)
        base.chop(1);
    return base + suffix;
}

CreateResult DatabaseCreator::createDatabase(const DbLocation& location, const NewDatabase& what) {
    QList<CompanyEntry> earlier;
    for (const NewCompany& company : what.companies) {
        if (const QString problem = checkNewCompany(company, earlier); !problem.isEmpty())
            return failure(problem);
        earlier.append({company.name, company.dir});
    }
    return location.isPostgres() ? createPostgresDatabase(location, what)
                                 : createSqliteDatabase(location, what);
}

QString DatabaseCreator::checkCompanyDirectory(const QString& dir) {
    const QString invalid = QStringLiteral("Niepoprawna nazwa katalogu firmy.");
    // A leading dot would hide the directory, and marks a company still being built.
    if (dir.isEmpty() || dir.trimmed() != dir || dir.startsWith(QLatin1Char('.')) ||
        dir.size() > 50)
        return invalid;
    for (const QChar c : dir) {
        if (c.category() == QChar::Other_Control || c == QLatin1Char('/') ||
            c == QLatin1Char('\\') || c == QLatin1Char(':') || c == QLatin1Char('*') ||
            c == QLatin1Char('?') || c == QLatin1Char('"') || c == QLatin1Char('<') ||
            c == QLatin1Char('>') || c == QLatin1Char('|'))
            return invalid;
    }
    // The main tables live in the schema "main"; PostgreSQL keeps "pg_" for itself.
    if (dir.compare(DbLocation::mainSchema(), Qt::CaseInsensitive) == 0 ||
        dir.startsWith(QLatin1String("pg_"), Qt::CaseInsensitive))
        return QStringLiteral("Nazwa katalogu %1 jest zastrzeżona.").arg(dir);
    return {};
}

QList<CompanyEntry> DatabaseCreator::companies(const DbLocation& location, DbError* error) {
    QList<CompanyEntry> list;
    DbConnection main(connectionName());
    *error = main.openMain(location, true);
    if (*error)
        return list;
    DbQuery result;
    *error =
        main.select(SqlStatement(QStringLiteral("SELECT NAZWA, DIR FROM firmy ORDER BY NAZWA") +
                                 PolishCollation::clause()),
                    &result);
    while (error->ok() && result.next())
        list.append({result.text(u"NAZWA"), result.text(u"DIR")});
    return list;
}

CreateResult DatabaseCreator::addCompany(const DbLocation& location, const NewCompany& company,
                                         const QDate& today) {
    DbError error;
    const QList<CompanyEntry> existing = companies(location, &error);
    if (error)
        return failure(kCompanyFailed, error);
    if (const QString problem = checkNewCompany(company, existing); !problem.isEmpty())
        return failure(problem);

    if (location.isPostgres()) {
        // The schema, its tables and the company's row: one transaction.
        DbConnection server(connectionName());
        error = server.openMain(location, true);
        if (error)
            return failure(kCompanyFailed, error);
        bool taken = schemaExists(server, company.dir, &error, true);
        if (error)
            return failure(kCompanyFailed, error);
        if (taken)
            return failure(
                QStringLiteral("Schemat %1 już istnieje w bazie danych.").arg(company.dir));
        Transaction transaction(server);
        error = transaction.beginError();
        if (!error)
            error = createCompanySchema(server, company, today);
        if (!error)
            error = transaction.commit();
        return error ? failure(kCompanyFailed, error) : success();
    }

    const CreateResult built = buildCompanyDirectory(location, company, today);
    if (!built.ok)
        return built;
    // Listed as the last step: until then no one sees the company.
    DbConnection main(connectionName());
    error = main.openMain(location, true);
    if (!error)
        error = listCompany(main, company);
    if (error) {
        main.close();
        QDir(location.companyDirectory(company.dir)).removeRecursively();
        return failure(kCompanyFailed, error);
    }
    return success();
}
