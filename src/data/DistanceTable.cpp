#include "data/DistanceTable.h"

#include "data/ErrorReport.h"
#include "data/engine/DbConnection.h"
#include "data/engine/PolishCollation.h"

QStringList DistanceTable::places(const QString& field) {
    QStringList list;
    DbQuery rows;
    const SqlStatement statement(
        QStringLiteral("SELECT %1 FROM odleglosci GROUP BY %1 ORDER BY %1%2")
            .arg(field, PolishCollation::clause()));
    if (DbError error = m_main.select(statement, &rows)) {
        m_report.report(error, 0);
        return list;
    }
    while (rows.next())
        list << rows.value(0).toString();
    return list;
}

QStringList DistanceTable::departures() {
    return places(QStringLiteral("M1"));
}

QStringList DistanceTable::destinations() {
    return places(QStringLiteral("M2"));
}

std::optional<double> DistanceTable::distance(const QString& from, const QString& to) {
    SqlStatement statement(
        QStringLiteral("SELECT KM FROM odleglosci WHERE M1 = :PARAM0 AND M2 = :PARAM1"));
    statement.bindText(QStringLiteral(":PARAM0"), from);
    statement.bindText(QStringLiteral(":PARAM1"), to);
    DbQuery rows;
    if (DbError error = m_main.select(statement, &rows)) {
        m_report.report(error, 0);
        return std::nullopt;
    }
    if (!rows.next())
        return std::nullopt;
    return rows.number(u"KM");
}
