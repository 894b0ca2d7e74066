#pragma once

#include "data/engine/DbLocation.h"

#include <QList>
#include <QString>
#include <QStringList>

class MessageService;

// What became of one legacy table.
struct LegacyTableReport {
    QString table;  // "firmy", or "DIR/koszty" for a company's table
    int read = 0;
    int written = 0;
    int refused = 0;
    QStringList reasons;  // one per refused row: "wiersz N: why"

    // "TABLE;read;written;refused"
    QString line() const;
};

struct LegacyMigrationResult {
    bool ok = false;
    QString message;  // why it failed
    QList<LegacyTableReport> tables;
};

// Moves the Paradox tables of the earlier Windows release into a new database: the
// company list and distance table of the legacy main directory, and every company's
// tables from its subdirectory. Every key is kept (record IDs, dictionary codes,
// evidence numbers), so references stay whole; the legacy rows take the place of the
// defaults of a new company; fields a legacy table lacks are left as the upgrade steps
// leave them. Each company then gets the upgrade steps its legacy markers ("update1.0.x")
// say it lacks. The source is only read. The target must be a new location; a migration
// that fails (a table that cannot be read among other causes) leaves no database behind.
namespace LegacyMigration {

LegacyMigrationResult run(const QString& sourceDirectory, const DbLocation& target,
                          const QString& databasePassword, MessageService& messages);

}  // namespace LegacyMigration
