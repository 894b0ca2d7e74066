#pragma once

#include "data/engine/DbConnection.h"
#include "data/schema/Schema.h"

#include <QStringList>

// The statements that create the tables of the schema on one engine.
namespace SchemaDdl {

QStringList createTable(const TableDef& table, EngineKind engine);
// The statement that adds one field of the table to a table made without it.
QString addColumn(const TableDef& table, const FieldDef& field, EngineKind engine);

// Creates every table of the list on the connection (inside the caller's transaction).
DbError createTables(DbConnection& connection, const QList<TableDef>& tables);

// PostgreSQL: the schema the connection works in, and the Polish collation when the
// server offers no ICU collation of that name.
DbError createSchema(DbConnection& connection, const QString& schema);
DbError ensurePolishCollation(DbConnection& connection);

}  // namespace SchemaDdl
