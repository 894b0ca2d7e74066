#pragma once

#include "data/engine/DbConnection.h"
#include "data/schema/DatabaseCreator.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class LocationStore;
class MessageService;

// The administration of a database as a whole, without windows: the location check made
// at start-up and at login, the database password, renaming and deleting companies,
// emptying and packing the tables of a company and the error log.
//
// The database password is kept in the main database as a salted PBKDF2 hash, in the one
// row (IDHASLO 1) of the small table haslo, which is made when the first hash is written.
// A database without that row (made by an older release or by the command line) takes the
// first password it is opened with and keeps its hash from then on.
class DatabaseAdmin {
public:
    // Error report codes of the operations.
    static constexpr qint64 kCodeEmpty = 300;
    static constexpr qint64 kCodeCompanyCheck = 320;
    static constexpr qint64 kCodeCompanyInsert = 321;
    static constexpr qint64 kCodeRenameCheck = 322;
    static constexpr qint64 kCodeRenameOrDelete = 323;
    static constexpr qint64 kCodeRenameList = 325;
    static constexpr qint64 kCodeDeleteList = 326;
    static constexpr qint64 kCodePack = 370;
    static constexpr qint64 kCodeOpenTest = 3104;

    static constexpr int kMinimumPassword = 3;

    // ---- Location check ----

    enum class Check { Usable = 0, NoDatabase = 1, WrongPassword = 2 };
    struct CheckOutcome {
        Check result = Check::NoDatabase;
        std::optional<DbLocation> location;  // set unless NoDatabase
    };
    // Result 1 when no location is recorded or it holds no database; with testPassword,
    // result 2 when the stored password does not open it. A failed open is logged with
    // code 3104; a locked database also shows lockedMessage() through messages. A location
    // given instead of the recorded one (the command line's) is checked the same way; the
    // recorded password counts only when the store records that same location.
    static CheckOutcome checkLocation(const LocationStore& store, bool testPassword,
                                      MessageService* messages = nullptr,
                                      const QString& givenLocation = {});
    static QString lockedMessage(const QString& engineMessage);

    // ---- Database password ----

    static bool passwordLongEnough(const QString& password) {
        return password.size() >= kMinimumPassword;
    }
    static QString passwordTooShortMessage() {
        return QStringLiteral(
            "Hasło zbyt krótkie. Podać inne hasło zawierające conajmniej 3 znaki.");
    }

    // Replaces the stored hash by one of password.
    static DbError setPassword(const DbLocation& location, const QString& password);

    enum class PasswordCheck { Correct, Wrong, NotSet, Failed };
    // Compares the password with the stored hash; NotSet when the database keeps none;
    // Failed (with *error) when the database could not be read.
    static PasswordCheck verifyPassword(const DbLocation& location, const QString& password,
                                        DbError* error = nullptr);
    // Correct, or NotSet after which the hash of password has been stored.
    static bool acceptPassword(const DbLocation& location, const QString& password,
                               DbError* error = nullptr);

    // ---- Companies ----

    struct Outcome {
        bool ok = false;
        QString message;  // what to tell the user
        DbError error;    // a database failure, reported with code
        qint64 code = 0;
        QStringList remaining;  // files of a deleted company that could not be removed
    };

    // Empty when dir can name a new company: one plain directory name that no company of
    // the list uses, compared without regard to case.
    static QString checkNewDirectory(const QString& dir, const QList<CompanyEntry>& existing);
    // The checks before a company is added: both fields, the directory name and a name or
    // directory already in firmy (a read failure has code 320).
    static Outcome checkNewCompany(const DbLocation& location, const QString& name,
                                   const QString& dir);

    // Renames a company; its directory never changes (codes 322 for the check, 323).
    static Outcome renameCompany(const DbLocation& location, const QString& oldName,
                                 const QString& newName);
    // Removes a company from firmy and its data: the directory with everything in it on
    // SQLite, the schema on PostgreSQL (code 323). When its database file cannot be
    // removed nothing is changed; files left behind are listed in remaining and the
    // outcome is not ok.
    static Outcome deleteCompany(const DbLocation& location, const QString& name);

    // ---- Tables of a company ----

    enum class EntryKind { Table, Fuel, Company, Dictionary };
    struct EmptyEntry {
        QString caption;
        EntryKind kind;
        QString target;  // table name or dictionary code
    };
    // The 36 entries of the list of tables that can be emptied.
    static const QList<EmptyEntry>& emptyEntries();
    // Empties one entry in one transaction.
    static DbError emptyEntry(DbConnection& company, const EmptyEntry& entry);

    struct PackOutcome {
        bool ok = true;
        QString table;  // the table that failed
        DbError error;
    };
    // Packs the company's tables: VACUUM of the company file on SQLite, VACUUM ANALYZE of
    // each table in order on PostgreSQL, stopping at the first failure.
    static PackOutcome pack(DbConnection& company);

    // ---- Error log ----

    static bool errorLogExists();
    static QString readErrorLog();
    // Rewrites the log with one empty line; failures are ignored.
    static void clearErrorLog();
};
