#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The tables of the main database and of a company database, described once: the DDL
// for both engines, the whole-database operations and the edit fields' limits read it.

enum class FieldKind {
    AutoKey,     // 32-bit key the engine assigns on insert
    Integer,     // count, code or key of another table
    Number,      // money, litres, kilometres, hours, readings, rates ("." in statements)
    Date,        // YYYYMMDD in an integer column, 0 for no date
    DateNumber,  // YYYYMMDD in a number column
    Time,        // HHMM
    Flag,        // one character, "T" for yes
    Text,        // text of at most width characters
};

struct FieldDef {
    QString name;
    FieldKind kind;
    int width = 0;          // texts: the limit of the edit field that fills it
    bool collated = false;  // texts shown and sorted: Polish order
};

struct TableDef {
    QString name;
    QList<FieldDef> fields;
    QStringList primaryKey;            // the AutoKey field, or fields of a compound key
    QList<QStringList> uniqueIndexes;  // keys that users type
    QList<QStringList> indexes;        // for the lists' filters and joins

    const FieldDef* field(const QString& name) const;
    QString autoKey() const;  // the AutoKey field, or empty
};

namespace Schema {

// The 29 company tables in the order every whole-database operation visits them.
const QList<TableDef>& companyTables();
const QStringList& companyTableNames();
const QList<TableDef>& mainTables();
const TableDef* companyTable(const QString& name);
const TableDef* mainTable(const QString& name);

// The consumption tables of the petrol and LPG registers.
const QStringList& consumptionTables();

}  // namespace Schema
