#pragma once

#include "admin/ConfigPP.h"

#include <QList>
#include <QString>
#include <QStringList>

class DbLocation;
class QObject;
class QProcess;

// The individual reports: programs of their own, listed in "raporty.cfg" and kept in an
// "include" folder. A program is started without a shell and reads who is working and
// where the company's data lie from its standard input, one line each: the user name,
// the password, the company's location. Nothing of it goes on the command line or into a
// file, where other users of the computer could read it.
namespace IndividualReports {

struct Credentials {
    QString user;
    QString password;
    QString location;  // companyLocation()
};

// The user's own "raporty.cfg" in the data directory; the installation's copy when the
// user has none.
QString configPath();
// At most ReportList::maxEntries entries, in file order.
QList<ReportEntry> load();

// Where a report program is looked for, first match wins: the data directory's
// "include", then the installation's.
QStringList programFolders();
// The program's path, or empty when there is no such executable file. A name with a
// folder part is refused: the list cannot reach outside these folders.
QString findProgram(const QString& file);

// What an individual report needs to open the company: SQLite its directory; PostgreSQL
// a connection URI that lands in the company's schema.
QString companyLocation(const DbLocation& location, const QString& companyDir);

// The three lines the program reads.
QByteArray standardInput(const Credentials& credentials);

struct Launch {
    enum class Status { Started, NoReport, NotFound, Failed };
    Status status = Status::Failed;
    QString message;              // for the "Informacja" box unless started
    QProcess* process = nullptr;  // Started: deleted when the program ends
};

// "Brak raportu. ...": the list is empty.
QString noReportMessage();

// Starts the program of entry index (none: noReportMessage()) and hands it the credentials.
// The owner keeps the process until the program ends; a program still running when its
// owner goes is ended with it.
Launch launch(const QList<ReportEntry>& entries, int index, const Credentials& credentials,
              QObject* owner);

}  // namespace IndividualReports
