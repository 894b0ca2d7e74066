#pragma once

#include <QString>

class QSqlDatabase;

// Text columns sort in Polish order on both engines under one collation name: on
// PostgreSQL the ICU collation of that name, on SQLite a collation of the same name
// registered on each connection's handle.
namespace PolishCollation {

QString name();    // "pl-x-icu"
QString clause();  // COLLATE "pl-x-icu"
bool registerOn(const QSqlDatabase& sqliteDatabase);
int compare(QStringView a, QStringView b);  // the order the collation gives

}  // namespace PolishCollation
