#pragma once

#include "data/engine/DbConnection.h"

#include <QDate>
#include <QList>
#include <QString>

struct CompanyEntry {
    QString name;  // firmy.NAZWA, shown at login
    QString dir;   // firmy.DIR, the company's directory or schema
};

struct CreateResult {
    bool ok = false;
    QString message;  // what to tell the user when not ok
    DbError error;    // the engine's error, when there was one
    QString backup;   // where a replaced database is kept (directory or schema), if any
};

// Creates a database in a location and adds companies to it: the tables of the main
// database, and for each company its directory (SQLite) or schema (PostgreSQL) with its
// tables and default contents, or the sample company.
//
// Either everything is made or nothing changes. A new database and its first companies
// are built aside (a directory beside the location, or one PostgreSQL transaction) and
// take the location's place as the last step; a database they replace is kept beside
// them as a dated backup. A new company is built under a temporary name and renamed,
// then listed, as its last steps.
class DatabaseCreator {
public:
    enum class Contents { Empty, Sample };

    struct NewCompany {
        QString name;
        QString dir;
        Contents contents = Contents::Empty;
        QString supervisorPassword;  // ADMIN's first password; empty: the default one
    };
    struct NewDatabase {
        bool replaceExisting = false;
        QString password;  // the database password; empty: taken at the first opening
        QList<NewCompany> companies;
        QDate today = QDate::currentDate();  // the sample company's records lead up to it
    };

    static QString sampleCompanyName() { return QStringLiteral("Firma przykładowa"); }
    static QString sampleCompanyDir() { return QStringLiteral("demo"); }

    static bool databaseExists(const DbLocation& location);
    // An existing database is refused unless replaceExisting.
    static CreateResult createDatabase(const DbLocation& location, const NewDatabase& what);
    static CreateResult createDatabase(const DbLocation& location, bool replaceExisting) {
        NewDatabase what;
        what.replaceExisting = replaceExisting;
        return createDatabase(location, what);
    }
    static CreateResult addCompany(const DbLocation& location, const NewCompany& company,
                                   const QDate& today = QDate::currentDate());
    static CreateResult addCompany(const DbLocation& location, const QString& name,
                                   const QString& dir, Contents contents = Contents::Empty,
                                   const QDate& today = QDate::currentDate()) {
        return addCompany(location, NewCompany{name, dir, contents, {}}, today);
    }
    static QList<CompanyEntry> companies(const DbLocation& location, DbError* error);

    // Empty when dir can name a company directory: one plain directory name.
    static QString checkCompanyDirectory(const QString& dir);

    // The name a replaced database (or schema) is kept under, stamped with local time.
    static QString backupName(const QString& name, const QDateTime& when);
};
