#include "data/registers/ListSql.h"

#include "data/engine/PolishCollation.h"
#include "data/schema/Schema.h"

#include <QHash>
#include <QRegularExpression>

namespace ListSql {

QString personName(const QString& a) {
    return QStringLiteral(
               "(CASE WHEN %1.NREW IS NULL THEN NULL ELSE COALESCE(%1.NAZWISKO, '') || ' ' || "
               "COALESCE(%1.IMIE, '') || ' (ID ' || %1.NREW || ')' END)")
               .arg(a) +
           PolishCollation::clause();
}

QString vehicleName(const QString& a) {
    return QStringLiteral(
               "(CASE WHEN %1.IDPOJAZD IS NULL THEN NULL ELSE COALESCE(%1.NRREJ, '') || ' ' || "
               "COALESCE(%1.MARKA, '') END)")
               .arg(a) +
           PolishCollation::clause();
}

namespace {

// The tables of a statement by their aliases: "FROM koszty k LEFT OUTER JOIN pojazdy p"
// gives k and p; a table without an alias answers to its own name.
QHash<QString, const TableDef*> tablesOf(const QString& statement) {
    static const QRegularExpression from(
        QStringLiteral("\\b(?:FROM|JOIN)\\s+([a-z_]+)(?:\\s+(?!ON\\b|WHERE\\b|LEFT\\b|INNER\\b|"
                       "JOIN\\b)([a-z]+))?"));
    QHash<QString, const TableDef*> tables;
    for (auto it = from.globalMatch(statement); it.hasNext();) {
        const auto match = it.next();
        const TableDef* table = Schema::companyTable(match.captured(1));
        if (!table)
            continue;
        tables.insert(match.captured(1), table);
        if (!match.captured(2).isEmpty())
            tables.insert(match.captured(2), table);
    }
    return tables;
}

// A column in Polish order: a text shown in lists.
QString sorted(const QString& column, const TableDef* table, const QString& field) {
    const FieldDef* def = table ? table->field(field) : nullptr;
    return def && def->kind == FieldKind::Text && def->collated ? column + PolishCollation::clause()
                                                                : column;
}

}  // namespace

QString withColumnNames(const QString& statement) {
    if (!statement.startsWith(QLatin1String("SELECT ")))
        return statement;
    // The select list ends at the first FROM outside parentheses.
    int depth = 0;
    qsizetype end = -1;
    QList<qsizetype> commas;
    for (qsizetype i = 7; i < statement.size() && end < 0; ++i) {
        const QChar c = statement.at(i);
        if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')'))
            --depth;
        else if (depth == 0 && c == QLatin1Char(','))
            commas << i;
        else if (depth == 0 && statement.mid(i, 6) == QLatin1String(" FROM "))
            end = i;
    }
    if (end < 0)
        return statement;
    const QHash<QString, const TableDef*> tables = tablesOf(statement.mid(end));
    const TableDef* only = tables.size() == 1 ? tables.begin().value() : nullptr;
    static const QRegularExpression qualified(
        QStringLiteral("^\\s*([a-z]+)\\.([A-Z0-9_]+)(?:\\s+AS\\s+([A-Z0-9_]+))?\\s*$"));
    static const QRegularExpression bare(QStringLiteral("^\\s*([A-Z0-9_]+)\\s*$"));
    QStringList items;
    qsizetype start = 7;
    commas << end;
    for (qsizetype comma : commas) {
        QString item = statement.mid(start, comma - start).trimmed();
        start = comma + 1;
        if (item == QLatin1String("*") && only) {
            // Every column by name, so that the texts can take the Polish order.
            for (const FieldDef& field : only->fields)
                items << sorted(field.name, only, field.name) + QStringLiteral(" AS ") + field.name;
            continue;
        }
        if (const auto match = qualified.match(item); match.hasMatch()) {
            const QString name =
                match.captured(3).isEmpty() ? match.captured(2) : match.captured(3);
            item = sorted(match.captured(1) + QLatin1Char('.') + match.captured(2),
                          tables.value(match.captured(1)), match.captured(2)) +
                   QStringLiteral(" AS ") + name;
        } else if (const auto plain = bare.match(item); plain.hasMatch() && only) {
            item = sorted(plain.captured(1), only, plain.captured(1)) + QStringLiteral(" AS ") +
                   plain.captured(1);
        }
        items << item;
    }
    return QStringLiteral("SELECT ") + items.join(QStringLiteral(", ")) + statement.mid(end);
}

}  // namespace ListSql
