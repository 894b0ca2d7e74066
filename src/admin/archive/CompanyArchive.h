#pragma once

#include "admin/archive/ArchiveDescription.h"
#include "data/engine/DbLocation.h"

#include <QSet>
#include <QString>
#include <functional>

// How far a long archive operation is: done of total units. Returning false stops it,
// which leaves everything as it was before.
using ArchiveProgress = std::function<bool(qint64 done, qint64 total)>;

struct ArchiveResult {
    bool ok = false;
    QString message;  // why it failed, in Polish
};

// The archive of one company in a directory of its own: the snapshot "firma.sqlite" (an
// SQLite database with the company's tables, whatever the engine of the company, so that
// an archive moves between engines) and the description "archiwum.bak". A directory holds
// at most one archive, and holds one exactly when "archiwum.bak" is there.
class CompanyArchive {
public:
    static QString snapshotFileName() { return QStringLiteral("firma.sqlite"); }
    static QString descriptionFileName() { return ArchiveDescription::fileName(); }
    // The progress is counted in thousandths of the whole operation.
    static constexpr qint64 kProgressTotal = 1000;

    static bool exists(const QString& directory);

    // Empty when an archive may be written into directory: it lies outside the database
    // location and is missing, empty or holds an archive (which it replaces). Otherwise
    // the reason.
    static QString checkTarget(const DbLocation& location, const QString& directory);

    // Writes a consistent snapshot of the company dir with its description into
    // directory, made while others may go on writing. An archive already there is kept
    // until the new one is complete and then replaced whole.
    static ArchiveResult create(const DbLocation& location, const QString& dir,
                                const QString& directory, const ArchiveDescription& description,
                                const ArchiveProgress& progress = {});

    // Empty when file is an SQLite database holding every company table with all its
    // fields; only the LPG consumption table may be missing, then present says so.
    static QString checkSnapshot(const QString& file, QSet<QString>* present = nullptr);

    // Replaces the data of the company dir by the archive in directory, all or nothing;
    // the archive itself is only read. A company whose archive lacks the LPG consumption
    // table keeps its own rows of it. Other programs working on the company see the old
    // data or the new, and may stay connected.
    static ArchiveResult restore(const DbLocation& location, const QString& dir,
                                 const QString& directory, const ArchiveProgress& progress = {});

    // Removes the snapshot, then the description; the first file that cannot be removed
    // stops it and is named in the message.
    static ArchiveResult remove(const QString& directory);
};
