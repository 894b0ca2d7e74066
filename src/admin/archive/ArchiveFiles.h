#pragma once

#include "admin/archive/CompanyArchive.h"
#include "data/schema/Schema.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>

struct sqlite3;

// What the archive operations share: SQLite files opened outside the program's own
// connections, the progress meter, the values of a row and the archive directory rules.
namespace ArchiveFiles {

QString connectionName();

// An SQLite file opened straight through QtSql: a snapshot or a staging copy, never a
// database of the location (those go through DbConnection and its WAL setting).
class SqliteFile {
public:
    enum class Mode { ReadOnly, Create };
    SqliteFile() = default;
    ~SqliteFile();
    SqliteFile(const SqliteFile&) = delete;
    SqliteFile& operator=(const SqliteFile&) = delete;

    // Empty on success, else the reason. ReadOnly never writes to the file, not even a
    // journal; Create makes the file when missing and allows file: names in ATTACH.
    QString open(const QString& path, Mode mode);
    void close();
    QSqlDatabase database() const;
    sqlite3* handle() const;
    // Runs a statement without values; empty or the reason.
    QString exec(const QString& sql);
    QString exec(const QString& sql, const QVariantList& values);

private:
    QString m_name;
};

sqlite3* handleOf(const QSqlDatabase& database);

// A file: name that opens path read-only, for ATTACH with the name bound.
QString readOnlyUri(const QString& path);

// Maps phases of an operation onto CompanyArchive::kProgressTotal.
class Meter {
public:
    explicit Meter(const ArchiveProgress& progress) : m_progress(progress) {}
    // The next phase covers share thousandths.
    void phase(qint64 share, qint64 units);
    // units of the phase done so far; false when the caller asked to stop.
    bool report(qint64 done);
    // The phase's units once they are known.
    void setUnits(qint64 units) { m_units = qMax<qint64>(units, 1); }
    bool finish();

private:
    const ArchiveProgress& m_progress;
    qint64 m_base = 0;
    qint64 m_share = 0;
    qint64 m_units = 1;
    qint64 m_last = -1;
};

// A stored value as the field's kind has it, whatever the other engine gave.
QVariant convert(const FieldDef& field, const QVariant& value);
QStringList fieldNames(const TableDef& table);

// SQLite backup of every page of source into destination in one destination
// transaction, with the progress between steps; empty or the reason. A stop or a failure
// leaves destination as it was.
QString backup(sqlite3* source, sqlite3* destination, Meter& meter);

QString stoppedMessage();

// Files in directory that look like database files (*.sqlite*, *.db).
QStringList databaseFiles(const QString& directory);
bool isInside(const QString& path, const QString& directory);

// Moves the archive built in staged into target: the files into a missing or empty
// target, or the whole directory in place of an archive, whose other files follow.
// Empty or the reason; on failure target still holds its old archive.
QString install(const QString& staged, const QString& target);
// A sibling of target for building a new archive, and for its old one during the swap.
QString stagedSibling(const QString& target);
QString oldSibling(const QString& target);
// Puts back an archive that a swap stopped half-way left beside target.
void recover(const QString& target);

}  // namespace ArchiveFiles
