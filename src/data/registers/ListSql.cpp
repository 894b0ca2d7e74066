#include "data/registers/ListSql.h"

#include "data/engine/PolishCollation.h"

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
    static const QRegularExpression plain(QStringLiteral("^\\s*[a-z]+\\.([A-Z0-9_]+)\\s*$"));
    QStringList items;
    qsizetype start = 7;
    commas << end;
    for (qsizetype comma : commas) {
        QString item = statement.mid(start, comma - start);
        const auto match = plain.match(item);
        if (match.hasMatch())
            item = item.trimmed() + QStringLiteral(" AS ") + match.captured(1);
        items << item.trimmed();
        start = comma + 1;
    }
    return QStringLiteral("SELECT ") + items.join(QStringLiteral(", ")) + statement.mid(end);
}

}  // namespace ListSql
