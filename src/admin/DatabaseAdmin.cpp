#include "admin/DatabaseAdmin.h"

#include "admin/LocationStore.h"
#include "data/ErrorLog.h"
#include "data/schema/DatabasePassword.h"
#include "data/schema/Schema.h"
#include "support/MessageService.h"
#include "support/PasswordHash.h"
#include "support/Progress.h"

#include <sqlite3.h>

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString connectionName() {
    static QAtomicInt counter;
    return QStringLiteral("flotanor-admin-%1").arg(counter.fetchAndAddRelaxed(1));
}

DatabaseAdmin::Outcome refused(const QString& message) {
    DatabaseAdmin::Outcome outcome;
    outcome.message = message;
    return outcome;
}

DatabaseAdmin::Outcome failed(const DbError& error, qint64 code) {
    DatabaseAdmin::Outcome outcome;
    outcome.error = error;
    outcome.code = code;
    outcome.message = error.message();
    return outcome;
}

DbError hashTableExists(DbConnection& main, bool* exists) {
    SqlStatement find(main.engine() == EngineKind::Postgres
                          ? QStringLiteral("SELECT 1 FROM information_schema.tables WHERE "
                                           "table_schema = :SCHEMA AND table_name = 'haslo'")
                          : QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' "
                                           "AND name = 'haslo'"));
    if (main.engine() == EngineKind::Postgres)
        find.bindText(QStringLiteral(":SCHEMA"), main.schema());
    DbQuery found;
    const DbError error = main.select(find, &found);
    *exists = error.ok() && found.next();
    return error;
}

}  // namespace

// ---- Location check ----

QString DatabaseAdmin::lockedMessage(const QString& engineMessage) {
    return QStringLiteral(
               "Pojawił się problem z dostępem do Bazy Danych. Pliki bazy danych "
               "zostały zablokowane. Zamknij niezwłocznie program i uruchom go "
               "ponownie.\nOryginalny komunikat:\n") +
           engineMessage;
}

DatabaseAdmin::CheckOutcome DatabaseAdmin::checkLocation(const LocationStore& store,
                                                         bool testPassword,
                                                         MessageService* messages,
                                                         const QString& givenLocation) {
    CheckOutcome outcome;
    if (givenLocation.isEmpty() && !store.exists())
        return outcome;
    const std::optional<DbLocation> location =
        DbLocation::parse(givenLocation.isEmpty() ? store.location() : givenLocation);
    if (!location || !DatabaseCreator::databaseExists(*location))
        return outcome;
    outcome.location = location;
    outcome.result = Check::Usable;
    if (!testPassword)
        return outcome;
    const std::optional<DbLocation> recorded = DbLocation::parse(store.location());
    const bool sameLocation = store.exists() && recorded && recorded->text() == location->text();
    const std::optional<QString> password =
        sameLocation ? store.password() : std::optional<QString>();
    if (!password || !passwordLongEnough(*password)) {
        outcome.result = Check::WrongPassword;
        return outcome;
    }
    DbError error;
    if (!acceptPassword(*location, *password, &error)) {
        outcome.result = Check::WrongPassword;
        if (error) {
            ErrorLog::append(kCodeOpenTest, error.message());
            if (error.kind() == DbError::Kind::Busy && messages)
                messages->information(QStringLiteral("Informacja"), lockedMessage(error.message()));
        }
    }
    return outcome;
}

// ---- Database password ----

DbError DatabaseAdmin::setPassword(const DbLocation& location, const QString& password) {
    DbConnection main(connectionName());
    if (DbError error = main.openMain(location, true))
        return error;
    return DatabasePassword::store(main, password);
}

DatabaseAdmin::PasswordCheck DatabaseAdmin::verifyPassword(const DbLocation& location,
                                                           const QString& password,
                                                           DbError* error) {
    DbError local;
    DbError& failure = error ? *error : local;
    DbConnection main(connectionName());
    failure = main.openMain(location, true);
    if (failure)
        return PasswordCheck::Failed;
    bool exists = false;
    failure = hashTableExists(main, &exists);
    if (failure)
        return PasswordCheck::Failed;
    if (!exists)
        return PasswordCheck::NotSet;
    DbQuery row;
    failure =
        main.select(SqlStatement(QStringLiteral("SELECT HASH FROM haslo WHERE IDHASLO = 1")), &row);
    if (failure)
        return PasswordCheck::Failed;
    if (!row.next())
        return PasswordCheck::NotSet;
    const QString stored = row.text(u"HASH");
    row = DbQuery();
    if (!PasswordHash::verify(password, stored))
        return PasswordCheck::Wrong;
    if (PasswordHash::needsRehash(stored)) {
        // An older, weaker hash is replaced now that the password is known to be right;
        // a failure leaves the older hash working.
        SqlStatement upgrade(QStringLiteral("UPDATE haslo SET HASH = :PARAM0 WHERE IDHASLO = 1"));
        upgrade.bindText(QStringLiteral(":PARAM0"), PasswordHash::make(password));
        main.execute(upgrade);
    }
    return PasswordCheck::Correct;
}

bool DatabaseAdmin::acceptPassword(const DbLocation& location, const QString& password,
                                   DbError* error) {
    DbError local;
    DbError& failure = error ? *error : local;
    switch (verifyPassword(location, password, &failure)) {
        case PasswordCheck::Correct:
            return true;
        case PasswordCheck::NotSet:
            if (!passwordLongEnough(password))
                return false;
            failure = setPassword(location, password);
            return failure.ok();
        case PasswordCheck::Wrong:
        case PasswordCheck::Failed:
            break;
    }
    return false;
}

// ---- Companies ----

QString DatabaseAdmin::checkNewDirectory(const QString& dir, const QList<CompanyEntry>& existing) {
    if (const QString problem = DatabaseCreator::checkCompanyDirectory(dir); !problem.isEmpty())
        return problem;
    for (const CompanyEntry& company : existing) {
        if (company.dir.compare(dir, Qt::CaseInsensitive) == 0)
            return QStringLiteral("Istnieje już firma w podanym katalogu bądź o podanej nazwie.");
    }
    return {};
}

DatabaseAdmin::Outcome DatabaseAdmin::checkNewCompany(const DbLocation& location,
                                                      const QString& name, const QString& dir) {
    if (name.trimmed().isEmpty() || dir.trimmed().isEmpty())
        return refused(QStringLiteral("Nazwa firmy lub katalogu niepoprawna."));
    DbError error;
    const QList<CompanyEntry> existing = DatabaseCreator::companies(location, &error);
    if (error)
        return failed(error, kCodeCompanyCheck);
    if (const QString problem = checkNewDirectory(dir, existing); !problem.isEmpty())
        return refused(problem);
    for (const CompanyEntry& company : existing) {
        if (company.name.compare(name, Qt::CaseInsensitive) == 0)
            return refused(
                QStringLiteral("Istnieje już firma w podanym katalogu bądź o podanej nazwie."));
    }
    Outcome outcome;
    outcome.ok = true;
    return outcome;
}

DatabaseAdmin::Outcome DatabaseAdmin::renameCompany(const DbLocation& location,
                                                    const QString& oldName,
                                                    const QString& newName) {
    if (newName.trimmed().isEmpty() || newName.size() > 50)
        return refused(QStringLiteral("Nazwa firmy niepoprawna."));
    DbError error;
    const QList<CompanyEntry> existing = DatabaseCreator::companies(location, &error);
    if (error)
        return failed(error, kCodeRenameCheck);
    // Another company of the same name, whatever its letters' case; the company itself
    // may change the case of its own name.
    for (const CompanyEntry& company : existing) {
        if (company.name != oldName && company.name.compare(newName, Qt::CaseInsensitive) == 0)
            return refused(QStringLiteral("Istnieje już firma o podanej nazwie."));
    }
    DbConnection main(connectionName());
    error = main.openMain(location, true);
    int rows = 0;
    if (!error) {
        SqlStatement update(QStringLiteral("UPDATE firmy SET NAZWA=:PARAM0 WHERE NAZWA=:PARAM1"));
        update.bindText(QStringLiteral(":PARAM0"), newName);
        update.bindText(QStringLiteral(":PARAM1"), oldName);
        error = main.execute(update, &rows);
    }
    if (error)
        return failed(error, kCodeRenameOrDelete);
    if (rows == 0)
        return refused(QStringLiteral("Nie znaleziono firmy %1.").arg(oldName));
    Outcome outcome;
    outcome.ok = true;
    outcome.message = QStringLiteral("Zmiana nazwy firmy zakończyło się sukcesem.");
    return outcome;
}

DatabaseAdmin::Outcome DatabaseAdmin::deleteCompany(const DbLocation& location,
                                                    const QString& name) {
    DbError error;
    const QList<CompanyEntry> existing = DatabaseCreator::companies(location, &error);
    if (error)
        return failed(error, kCodeRenameOrDelete);
    const CompanyEntry* company = nullptr;
    for (const CompanyEntry& entry : existing) {
        if (entry.name == name)
            company = &entry;
    }
    if (!company)
        return refused(QStringLiteral("Nie znaleziono firmy %1.").arg(name));
    // The directory comes from the database: a name that could reach outside the main
    // directory (or the main schema) is never followed.
    if (const QString problem = DatabaseCreator::checkCompanyDirectory(company->dir);
        !problem.isEmpty())
        return refused(problem + QStringLiteral(" Firma nie została usunięta."));
    const QString dir = company->dir;
    // Schemas every PostgreSQL database has are never a company's.
    if (location.isPostgres() &&
        (dir.compare(QLatin1String("public"), Qt::CaseInsensitive) == 0 ||
         dir.compare(QLatin1String("information_schema"), Qt::CaseInsensitive) == 0))
        return refused(QStringLiteral("Nazwa katalogu %1 jest zastrzeżona. Firma nie została "
                                      "usunięta.")
                           .arg(dir));

    DbConnection main(connectionName());
    if ((error = main.openMain(location, true)))
        return failed(error, kCodeRenameOrDelete);
    Transaction transaction(main);
    if ((error = transaction.beginError()))
        return failed(error, kCodeRenameOrDelete);
    SqlStatement remove(QStringLiteral("DELETE FROM firmy WHERE NAZWA=:PARAM0"));
    remove.bindText(QStringLiteral(":PARAM0"), name);
    if ((error = main.execute(remove)))
        return failed(error, kCodeRenameOrDelete);

    if (location.isPostgres()) {
        // The schema goes with the row, in the same transaction.
        error = main.execute(SqlStatement(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE")
                                              .arg(DbConnection::quoteIdentifier(dir))));
        if (!error)
            error = transaction.commit();
        if (error)
            return failed(error, kCodeRenameOrDelete);
        Outcome outcome;
        outcome.ok = true;
        outcome.message = QStringLiteral("Firma została usunięta.");
        return outcome;
    }

    // The database file first: while it cannot be removed the company stays listed and
    // whole.
    const QString file = location.companyFile(dir);
    if (QFileInfo::exists(file) && !QFile::remove(file)) {
        // The transaction rolls back: the company stays listed.
        Outcome outcome = refused(QStringLiteral("Nie udało się usunąć pliku %1. Firma nie "
                                                 "została usunięta.")
                                      .arg(QDir::toNativeSeparators(file)));
        outcome.remaining.append(QDir::toNativeSeparators(file));
        return outcome;
    }
    if ((error = transaction.commit()))
        return failed(error, kCodeRenameOrDelete);

    // Only the database's own files go (a closed database leaves no journal, but one that
    // ended abruptly may); whatever else a user kept in the directory stays with it.
    for (const char* suffix : {"-wal", "-shm", "-journal"})
        QFile::remove(file + QLatin1String(suffix));
    const QString path = location.companyDirectory(dir);
    QDir().rmdir(path);  // only when nothing else is left in it
    Outcome outcome;
    outcome.ok = true;
    outcome.message = QStringLiteral("Firma została usunięta.");
    if (QFileInfo::exists(path)) {
        const QFileInfoList left = QDir(path).entryInfoList(
            QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
        for (const QFileInfo& entry : left)
            outcome.remaining.append(QDir::toNativeSeparators(entry.filePath()));
        if (outcome.remaining.isEmpty())
            outcome.remaining.append(QDir::toNativeSeparators(path));
        outcome.message += QStringLiteral(
                               " W jej katalogu %1 pozostały pliki, które nie należą "
                               "do bazy danych:\n")
                               .arg(QDir::toNativeSeparators(path)) +
                           outcome.remaining.join(QLatin1Char('\n'));
    }
    return outcome;
}

// ---- Tables of a company ----

const QList<DatabaseAdmin::EmptyEntry>& DatabaseAdmin::emptyEntries() {
    static const QList<EmptyEntry> entries = [] {
        QList<EmptyEntry> list;
        auto table = [&](const char* caption, const char* name) {
            list.append({QString::fromUtf8(caption), EntryKind::Table, QString::fromLatin1(name)});
        };
        auto dictionary = [&](const char* caption, const char* code) {
            list.append({QStringLiteral("Słowniki -> ") + QString::fromUtf8(caption),
                         EntryKind::Dictionary, QString::fromLatin1(code)});
        };
        table("Pojazdy", "pojazdy");
        table("Przejazdy", "przejazdy");
        table("Koszty", "koszty");
        table("Zlecenia", "zlecenia");
        table("Rozliczenia", "rozliczenia");
        table("Karty drogowe", "kartydrogowe");
        table("Karty paliwowe", "kpaliwowe");
        table("Ceny paliw", "cenypaliw");
        list.append({QStringLiteral("Zyżycie paliwa"), EntryKind::Fuel, QString()});
        table("Terminarz", "terminy");
        table("Przebiegi", "przebiegi");
        table("Magazyn", "magazyn");
        table("Wyposażenie", "wyposazenie");
        table("Dokumenty", "dokumenty");
        table("Opony", "opony");
        table("Szkody, stłuczki", "szkody");
        table("Naprawy", "naprawy");
        table("Stawki", "stawki");
        list.append({QStringLiteral("Dane Firmy"), EntryKind::Company, QStringLiteral("firma")});
        table("Kartoteka", "osobowa");
        dictionary("Cele wyjazdów", "CELWY");
        dictionary("Rodzaje wydatków", "RDWYD");
        dictionary("Trasy", "TRASY");
        dictionary("Stawki VAT", "STVAT");
        dictionary("Rodzaje dokumentów", "RDDOK");
        dictionary("Rodzaje wyposażenia", "RDWYP");
        dictionary("Rodzaje terminów", "RTERM");
        dictionary("Rodzaje prac", "RPRAC");
        dictionary("Kontrahenci", "KONTR");
        dictionary("Rodzaje opon", "RODOP");
        dictionary("Rozmiary opon", "ROZOP");
        dictionary("Numer Floty", "FLOTA");
        dictionary("Centra Kosztów", "CKKOD");
        dictionary("Typy zadań", "TYPZA");
        dictionary("Rodzaje paliw", "RDPAL");
        dictionary("Stacje paliw", "PMIEJ");
        return list;
    }();
    return entries;
}

DbError DatabaseAdmin::emptyEntry(DbConnection& company, const EmptyEntry& entry) {
    Transaction transaction(company);
    DbError error = transaction.beginError();
    if (error)
        return error;
    switch (entry.kind) {
        case EntryKind::Table:
            error = company.execute(SqlStatement(QStringLiteral("DELETE FROM ") + entry.target));
            break;
        case EntryKind::Fuel:
            for (const QString& table : Schema::consumptionTables()) {
                if ((error = company.execute(SqlStatement(QStringLiteral("DELETE FROM ") + table))))
                    break;
            }
            break;
        case EntryKind::Dictionary: {
            SqlStatement remove(QStringLiteral("DELETE FROM slowniki WHERE IDSLOWNIK = :PARAM0"));
            remove.bindText(QStringLiteral(":PARAM0"), entry.target);
            error = company.execute(remove);
            break;
        }
        case EntryKind::Company: {
            QStringList lines{QStringLiteral("UPDATE firma SET")};
            for (const char* field :
                 {"NAZWA",   "KOD",    "MIASTO",  "ULICA",    "NUMER", "NIP",    "REGON",
                  "BANK",    "ROR",    "TELEFON", "FAX",      "EMAIL", "WWW",    "KKOD",
                  "KMIASTO", "KULICA", "KNUMER",  "KTELEFON", "KFAX",  "KEMAIL", "INNE"})
                lines.append(QString::fromLatin1(field) + QStringLiteral("='',"));
            lines.append(QStringLiteral("IDFIRMA=1"));
            error = company.execute(SqlStatement(lines.join(QLatin1Char(' '))));
            break;
        }
    }
    if (!error)
        error = transaction.commit();
    return error;
}

DatabaseAdmin::PackOutcome DatabaseAdmin::pack(DbConnection& company) {
    PackOutcome outcome;
    if (company.engine() == EngineKind::Sqlite) {
        // One file holds every table of the company: one VACUUM packs them all. The engine
        // calls back while it works, so that the window stays painted.
        sqlite3* handle = company.sqliteHandle();
        if (handle)
            sqlite3_progress_handler(
                handle, 20000,
                [](void*) {
                    Progress::report(0, 0);
                    return 0;  // never interrupted: a VACUUM stopped midway would be lost work
                },
                nullptr);
        outcome.error = company.execute(SqlStatement(QStringLiteral("VACUUM")));
        if (handle)
            sqlite3_progress_handler(handle, 0, nullptr, nullptr);
        outcome.ok = outcome.error.ok();
        return outcome;
    }
    const QStringList tables = Schema::companyTableNames();
    for (const QString& table : tables) {
        Progress::stage(QStringLiteral("Tabela %1").arg(table));
        Progress::report(tables.indexOf(table), tables.size());
        outcome.error = company.execute(SqlStatement(
            QStringLiteral("VACUUM ANALYZE ") + DbConnection::quoteIdentifier(company.schema()) +
            QLatin1Char('.') + table));
        if (outcome.error) {
            outcome.ok = false;
            outcome.table = table;
            break;
        }
    }
    return outcome;
}

// ---- Error log ----

bool DatabaseAdmin::errorLogExists() {
    return QFileInfo::exists(ErrorLog::path());
}

QString DatabaseAdmin::readErrorLog() {
    QFile log(ErrorLog::path());
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readAll());
}

void DatabaseAdmin::clearErrorLog() {
    QFile log(ErrorLog::path());
    if (log.open(QIODevice::WriteOnly | QIODevice::Truncate))
        log.write("\r\n");
}
