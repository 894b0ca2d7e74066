#pragma once

#include <QString>

// Expressions the list statements share, in SQL that both engines accept.
namespace ListSql {

// A person as lists show them: "NAZWISKO IMIE (ID NREW)", empty when there is none.
QString personName(const QString& alias);
// A vehicle as lists show it: "NRREJ MARKA", empty when there is none.
QString vehicleName(const QString& alias);

// Names every plain column of a statement's select list ("p.NREW" becomes
// "p.NREW AS NREW", "*" every column of its one table): SQLite resolves ORDER BY names
// against output names only when they are given explicitly, and two joined tables often
// share a field name. A text shown in lists takes the Polish order there, so that sorting
// by its name sorts it so; the stored schema compares texts as the engines do.
QString withColumnNames(const QString& statement);

// The statement without the LEFT JOINs that cannot change its rows: a join on the whole
// unique key of its table adds at most one row to each, so when nothing but its own
// condition and the select items outside usedNames names the table, the join only costs
// time (the engines keep it under an aggregate). Items naming a dropped table become
// NULL under their own names. A statement of another shape comes back unchanged.
QString withoutUnusedJoins(const QString& statement, const QStringList& usedNames);

}  // namespace ListSql
