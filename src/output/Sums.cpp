#include "output/Sums.h"

#include "data/DisplayFormat.h"
#include "data/TmyDataBase.h"
#include "data/engine/DbQuery.h"
#include "data/registers/ListSql.h"

#include <QRegularExpression>

#include <cmath>

namespace {

// The sum of the amounts exactly as the trips list shows them, each in grosze.
std::optional<double> tripAmount(const ListTable& rows, const DisplayFormat& format,
                                 const QLocale& locale, Conversion conversion) {
    const int amount = rows.fieldIndex(u"KWOTA");
    if (amount < 0)
        return std::nullopt;
    double total = 0;
    for (int r = 0; r < rows.rowCount(); ++r) {
        bool ok = false;
        const double value = rows.number(r, amount, &ok);
        if (!ok || !std::isfinite(value))
            continue;  // a trip without a rate adds nothing
        const double shown = locale.toDouble(format.text(conversion, value), &ok);
        if (ok)
            total += shown;
    }
    return total;
}

// The odometer advance between the first and the last listed refuelling (by date).
std::optional<double> odometerAdvance(const ListTable& rows) {
    const int reading = rows.fieldIndex(u"LICZNIK");
    if (reading < 0)
        return std::nullopt;
    if (rows.rowCount() == 0)
        return 0.0;
    return rows.number(rows.rowCount() - 1, reading) - rows.number(0, reading);
}

}  // namespace

namespace Sums {

QString promptCaption() {
    return QStringLiteral("Włącz odpowiednią tabelę i ponownie kliknij \"Przelicz sumy\"");
}

SqlStatement statement(TmyDataBase& database, RegisterId id, const FilterState& state) {
    const RegisterDescriptor& d = Registers::get(id);
    const SqlStatement list = database.listStatement(id, d.sums.everyRow ? FilterState() : state);
    QStringList figures;
    QStringList fields;
    static const QRegularExpression name(QStringLiteral("[A-Za-z_][A-Za-z0-9_]*"));
    for (const SumColumn& column : d.sums.columns) {
        if (column.kind == SumKind::Count)
            figures << QStringLiteral("COUNT(*)");
        else if (column.kind == SumKind::Sum)
            figures << QStringLiteral("SUM(%1)").arg(column.expression);
        for (auto it = name.globalMatch(column.expression); it.hasNext();)
            fields << it.next().captured();
    }
    // Over the list statement itself, so that the figures always follow its joins and
    // clauses (and the vehicle clause finds the columns it names).
    // The list's order means nothing to a sum and would make the engine sort every row.
    QString rows = list.text;
    const qsizetype order = rows.lastIndexOf(QLatin1String("ORDER BY"), -1, Qt::CaseInsensitive);
    if (order > 0)
        rows.truncate(order);
    // Nor do the names the figures leave unread: their joins go, the engine would walk them.
    rows = ListSql::withoutUnusedJoins(rows, fields);
    SqlStatement aggregate(QStringLiteral("SELECT ") + figures.join(QLatin1Char(',')) +
                           QStringLiteral(" FROM (") + rows + QStringLiteral(") AS L"));
    aggregate.bindings = list.bindings;
    return aggregate;
}

SumsSheet compute(TmyDataBase& database, RegisterId id, const FilterState& state,
                  const QLocale& locale) {
    const RegisterDescriptor& d = Registers::get(id);
    const DisplayFormat format(locale);
    SumsSheet sheet;
    sheet.caption = d.sums.caption;
    for (const SumColumn& column : d.sums.columns) {
        sheet.headings << column.heading;
        sheet.values << QString();
    }
    if (sheet.headings.isEmpty())
        return sheet;

    DbQuery row;
    if (DbError error = database.DatabaseFirma().select(statement(database, id, state), &row)) {
        database.errorReport().report(error, d.sums.errorCode);
        return sheet;
    }
    if (!row.next())
        return sheet;  // an aggregate always has its one row
    int result = 0;
    for (int c = 0; c < d.sums.columns.size(); ++c) {
        const SumColumn& column = d.sums.columns.at(c);
        if (column.kind == SumKind::Count) {
            sheet.values[c] = QString::number(row.value(result++).toLongLong());
        } else if (column.kind == SumKind::Sum) {
            // A sum over no rows is NULL: shown as nothing summed.
            const QVariant value = row.value(result++);
            sheet.values[c] = format.number(value.isNull() ? 0.0 : value.toDouble(), 2);
        }
    }

    for (int c = 0; c < d.sums.columns.size(); ++c) {
        const SumKind kind = d.sums.columns.at(c).kind;
        if (kind != SumKind::TripAmount && kind != SumKind::OdometerAdvance)
            continue;
        DbError error;
        const auto rows = database.runList(id, state, &error);
        std::optional<double> figure;
        if (rows)
            figure =
                kind == SumKind::TripAmount
                    ? tripAmount(*rows, format, locale, d.conversionOf(QStringLiteral("KWOTA")))
                    : odometerAdvance(*rows);
        if (!figure) {
            database.errorReport().report(error, d.sums.derivedErrorCode);
            continue;
        }
        sheet.values[c] = format.number(*figure, 2);
    }
    return sheet;
}

}  // namespace Sums
