#include "data/schema/DatabaseCreator.h"

#include "data/engine/RowInsert.h"
#include "data/schema/CompanySeed.h"
#include "data/schema/DemoCompany.h"
#include "data/schema/SchemaDdl.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

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

CreateResult success() {
    CreateResult result;
    result.ok = true;
    return result;
}

bool schemaExists(DbConnection& connection, const QString& schema, DbError* error) {
    SqlStatement find(
        QStringLiteral("SELECT 1 FROM information_schema.schemata WHERE schema_name = :SCHEMA"));
    find.bindText(QStringLiteral(":SCHEMA"), schema);
    DbQuery result;
    *error = connection.select(find, &result);
    return error->ok() && result.next();
}

// A connection to the PostgreSQL database itself, outside any company schema.
DbError openServer(DbConnection& connection, const DbLocation& location) {
    return connection.openMain(location, false);
}

DbError dropSchema(DbConnection& connection, const QString& schema) {
    return connection.execute(SqlStatement(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE")
                                               .arg(DbConnection::quoteIdentifier(schema))));
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

CreateResult DatabaseCreator::createDatabase(const DbLocation& location, bool replaceExisting) {
    const QString failed = QStringLiteral("Nie udało się stworzyć nowej bazy danych");
    DbConnection main(connectionName());
    if (location.isPostgres()) {
        if (DbError error = openServer(main, location))
            return failure(failed, error);
        DbError error;
        const bool exists = schemaExists(main, DbLocation::mainSchema(), &error);
        if (error)
            return failure(failed, error);
        if (exists && !replaceExisting)
            return failure(QStringLiteral("W podanej lokalizacji znajduje się już baza danych."));
        Transaction transaction(main);
        if (transaction.beginError())
            return failure(failed, transaction.beginError());
        if (exists) {
            if (DbError dropped = dropSchema(main, DbLocation::mainSchema()))
                return failure(failed, dropped);
        }
        if (DbError created = SchemaDdl::createSchema(main, DbLocation::mainSchema()))
            return failure(failed, created);
        if (DbError collation = SchemaDdl::ensurePolishCollation(main))
            return failure(failed, collation);
        if (DbError tables = SchemaDdl::createTables(main, Schema::mainTables()))
            return failure(failed, tables);
        if (DbError committed = transaction.commit())
            return failure(failed, committed);
        return success();
    }

    if (!QDir().mkpath(location.directory()))
        return failure(QStringLiteral("Nie udało się utworzyć katalogu %1")
                           .arg(QDir::toNativeSeparators(location.directory())));
    const QString file = location.mainFile();
    if (QFileInfo::exists(file)) {
        if (!replaceExisting)
            return failure(QStringLiteral("W podanej lokalizacji znajduje się już baza danych."));
        if (!QFile::remove(file))
            return failure(QStringLiteral("Nie udało się usunąć istniejącej bazy %1")
                               .arg(QDir::toNativeSeparators(file)));
    }
    if (DbError error = main.openMain(location, false))
        return failure(failed, error);
    Transaction transaction(main);
    DbError error = transaction.beginError();
    if (!error)
        error = SchemaDdl::createTables(main, Schema::mainTables());
    if (!error)
        error = transaction.commit();
    if (error) {
        main.close();
        QFile::remove(file);
        return failure(failed, error);
    }
    return success();
}

QString DatabaseCreator::checkCompanyDirectory(const QString& dir) {
    const QString invalid = QStringLiteral("Niepoprawna nazwa katalogu firmy.");
    if (dir.isEmpty() || dir.trimmed() != dir || dir == QLatin1String(".") ||
        dir == QLatin1String("..") || dir.size() > 50)
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
    *error = main.select(
        SqlStatement(QStringLiteral("SELECT NAZWA, DIR FROM firmy ORDER BY NAZWA")), &result);
    while (error->ok() && result.next())
        list.append({result.text(u"NAZWA"), result.text(u"DIR")});
    return list;
}

CreateResult DatabaseCreator::addCompany(const DbLocation& location, const QString& name,
                                         const QString& dir, Contents contents,
                                         const QDate& today) {
    const QString failed = QStringLiteral("Nie udało się stworzyć nowej firmy");
    if (name.trimmed().isEmpty() || dir.trimmed().isEmpty())
        return failure(QStringLiteral("Nazwa firmy lub katalogu niepoprawna."));
    if (name.size() > 50)
        return failure(QStringLiteral("Nazwa firmy może mieć najwyżej 50 znaków."));
    if (const QString problem = checkCompanyDirectory(dir); !problem.isEmpty())
        return failure(problem);

    DbError error;
    const QList<CompanyEntry> existing = companies(location, &error);
    if (error)
        return failure(failed, error);
    for (const CompanyEntry& company : existing) {
        if (company.name.compare(name, Qt::CaseInsensitive) == 0 ||
            company.dir.compare(dir, Qt::CaseInsensitive) == 0)
            return failure(
                QStringLiteral("Istnieje już firma w podanym katalogu bądź o podanej nazwie."));
    }

    // The company's own place: a new directory, or a new schema.
    DbConnection company(connectionName());
    if (location.isPostgres()) {
        DbConnection server(connectionName());
        if (DbError opened = openServer(server, location))
            return failure(failed, opened);
        SqlStatement find(QStringLiteral(
            "SELECT 1 FROM information_schema.schemata WHERE lower(schema_name) = lower(:SCHEMA)"));
        find.bindText(QStringLiteral(":SCHEMA"), dir);
        DbQuery found;
        if (DbError lookup = server.select(find, &found))
            return failure(failed, lookup);
        if (found.next())
            return failure(QStringLiteral("Schemat %1 już istnieje w bazie danych.").arg(dir));
        if (DbError created = SchemaDdl::createSchema(server, dir))
            return failure(failed, created);
    } else {
        const QString path = location.companyDirectory(dir);
        if (QFileInfo::exists(path))
            return failure(
                QStringLiteral("Katalog %1 już istnieje.").arg(QDir::toNativeSeparators(path)));
        if (!QDir().mkpath(path))
            return failure(QStringLiteral("Nie udało się utworzyć katalogu %1")
                               .arg(QDir::toNativeSeparators(path)));
    }
    auto removeCompany = [&]() {
        company.close();
        if (location.isPostgres()) {
            DbConnection server(connectionName());
            if (!openServer(server, location))
                dropSchema(server, dir);
        } else {
            QFile::remove(location.companyFile(dir));
            QDir().rmdir(location.companyDirectory(dir));
        }
    };

    error = company.openCompany(location, dir, false);
    if (!error) {
        Transaction transaction(company);
        error = transaction.beginError();
        if (!error)
            error = SchemaDdl::ensurePolishCollation(company);
        if (!error)
            error = SchemaDdl::createTables(company, Schema::companyTables());
        if (!error)
            error = CompanySeed::fill(company);
        if (!error && contents == Contents::Sample)
            error = DemoCompany::fill(company, today);
        if (!error)
            error = transaction.commit();
    }
    if (error) {
        removeCompany();
        return failure(failed, error);
    }
    company.close();

    DbConnection main(connectionName());
    error = main.openMain(location, true);
    if (!error)
        error = insertRow(main, QStringLiteral("firmy"),
                          {{QStringLiteral("NAZWA"), name}, {QStringLiteral("DIR"), dir}});
    if (error) {
        removeCompany();
        return failure(failed, error);
    }
    return success();
}
