#pragma once

#include "data/engine/DbError.h"
#include "data/engine/EngineKind.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <vector>

class DbConnection;
class DbQuery;
struct SqlStatement;

// The rows of one run of a list statement, kept by column: numbers as doubles, texts as
// numbers of the column's distinct texts (repeated texts such as registration numbers are
// stored once), so that a list of a hundred thousand costs stays small and quick to build.
class ListTable {
public:
    // A table of given rows, each a list of values in field order (for computations that
    // run on rows the program holds, and for tests).
    static ListTable fromValues(const QStringList& fields, const QList<QVariantList>& rows);
    // Runs a SELECT and reads every row straight from the engine's own library (SQLite's,
    // libpq), or through QtSql while the session is still reading another statement.
    static DbError read(DbConnection& connection, const SqlStatement& statement, ListTable* table);

    int rowCount() const { return m_rows; }
    int columnCount() const { return int(m_columns.size()); }
    QString fieldName(int column) const { return m_columns.at(column).name; }
    int fieldIndex(QStringView name) const;  // ignoring case; -1 when absent

    QVariant value(int row, int column) const;
    bool isNull(int row, int column) const;
    // A number column's value; 0 with ok false for NULL or a text that is no number.
    double number(int row, int column, bool* ok = nullptr) const;
    qint64 integer(int row, int column, bool* ok = nullptr) const;
    QString text(int row, int column) const;

    // Replaces a column by computed numbers (NaN for "cannot be computed"), or appends
    // it when the list has no such field.
    void setNumbers(const QString& name, const std::vector<double>& values);

private:
    enum class Type { Empty, Number, Integer, Text, Variant };
    struct Column {
        QString name;
        Type type = Type::Empty;
        std::vector<double> numbers;
        std::vector<quint32> textIds;  // per row, its text in texts; 0 is the null text
        QList<QString> texts;
        QList<QVariant> variants;
        std::vector<bool> nulls;
    };
    // Values are appended to the column of the given row by their kind; the first value
    // that is not NULL decides how the column stores them.
    static void append(Column& column, const QVariant& value, int row);
    static void appendNull(Column& column);
    static void appendInteger(Column& column, qint64 value, int row);
    static void appendNumber(Column& column, double value, int row);
    static void appendText(Column& column, const QString& text, int row);
    static void appendTextId(Column& column, quint32 id);
    static void appendVariant(Column& column, const QVariant& value, int row);
    static void prepare(Column& column, Type kind, int row);
    static void toVariants(Column& column, int rows);

    static DbError readQuery(DbQuery& query, EngineKind engine, ListTable* table);
    // The rows of an engine's own reader (SQLite's or libpq's) into columns.
    template <class Rows>
    static DbError readRows(Rows& rows, ListTable* table);
    void finish(int rows);

    std::vector<Column> m_columns;
    int m_rows = 0;
};
