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
};

// Creates a database in a location and adds companies to it: the tables of the main
// database, and for each company its directory (SQLite) or schema (PostgreSQL) with its
// tables and default contents, or the sample company.
class DatabaseCreator {
public:
    enum class Contents { Empty, Sample };

    static QString sampleCompanyName() { return QStringLiteral("Firma przykładowa"); }
    static QString sampleCompanyDir() { return QStringLiteral("demo"); }

    static bool databaseExists(const DbLocation& location);
    // Creates the main tables; an existing database is refused unless replaceExisting,
    // which drops its main tables (company data of other directories stays untouched).
    static CreateResult createDatabase(const DbLocation& location, bool replaceExisting);
    // Adds a company; Contents::Sample fills in the sample fleet up to today.
    static CreateResult addCompany(const DbLocation& location, const QString& name,
                                   const QString& dir, Contents contents = Contents::Empty,
                                   const QDate& today = QDate::currentDate());
    static QList<CompanyEntry> companies(const DbLocation& location, DbError* error);

    // Empty when dir can name a company directory: one plain directory name.
    static QString checkCompanyDirectory(const QString& dir);
};
