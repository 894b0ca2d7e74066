#include "data/FilterClauses.h"

namespace FilterClauses {

namespace {

QString between(const QString& field, qint64 lo, qint64 hi, bool inclusive) {
    const QLatin1String above = inclusive ? QLatin1String(" >= ") : QLatin1String(" > ");
    const QLatin1String below = inclusive ? QLatin1String(" <= ") : QLatin1String(" < ");
    return field + above + QString::number(lo) + QLatin1String(" AND ") + field + below +
           QString::number(hi);
}

}  // namespace

Clause period(PeriodKind kind, qint64 lo, qint64 hi, bool inclusive) {
    Clause clause;
    switch (kind) {
        case PeriodKind::None:
            break;
        case PeriodKind::Date:
            clause.text =
                QStringLiteral("AND ") + between(QStringLiteral("DATA"), lo, hi, inclusive);
            break;
        case PeriodKind::RepairDate:
            // Planned repairs without a date belong to every period.
            clause.text = QStringLiteral("AND ((") +
                          between(QStringLiteral("DATA"), lo, hi, inclusive) +
                          QStringLiteral(") OR (DATA = 0))");
            break;
        case PeriodKind::FromTo: {
            const QLatin1String above = inclusive ? QLatin1String(" >= ") : QLatin1String(" > ");
            const QLatin1String below = inclusive ? QLatin1String(" <= ") : QLatin1String(" < ");
            clause.text = QStringLiteral("AND DATAOD") + above + QString::number(lo) +
                          QStringLiteral(" AND DATADO") + below + QString::number(hi);
            break;
        }
        case PeriodKind::Tyres:
            // Sets without a purchase date belong to every period.
            clause.text = QStringLiteral("AND (DATAZAKUPU = 0 OR (") +
                          between(QStringLiteral("DATAZAKUPU"), lo, hi, inclusive) +
                          QStringLiteral("))");
            break;
        case PeriodKind::RoadCard:
            clause.text =
                QStringLiteral("AND ") + between(QStringLiteral("DATAWYST"), lo, hi, inclusive);
            break;
    }
    return clause;
}

std::pair<qint64, qint64> yearBounds(int year, int month) {
    if (month >= 1 && month <= 12) {
        const qint64 lo = qint64(year) * 10000 + month * 100;
        return {lo, lo + 100};
    }
    const qint64 lo = qint64(year) * 10000;
    return {lo, lo + 1300};
}

std::pair<qint64, qint64> rangeBounds(qint64 from, qint64 to) {
    return {from > 0 ? from : 0, to > 0 ? to : 99999999};
}

Clause vehicleByRegistration(const QString& registration) {
    Clause clause;
    clause.text = QStringLiteral("AND NRREJ = :VEHICLE");
    clause.bindings.append({QStringLiteral(":VEHICLE"), registration});
    return clause;
}

Clause vehicleByKey(qint64 vehicleKey) {
    return {QStringLiteral("AND IDPOJAZD = %1").arg(vehicleKey), {}};
}

Clause fuelOnly() {
    Clause clause;
    clause.text = QStringLiteral("AND ISFUEL = :FUELFLAG");
    clause.bindings.append({QStringLiteral(":FUELFLAG"), QStringLiteral("T")});
    return clause;
}

Clause costCentre(qint64 code) {
    return {QStringLiteral("AND CK = %1").arg(code), {}};
}

Clause roadCard(qint64 roadCardKey) {
    // The costs list joins the road cards, which have a column of the same name.
    return {QStringLiteral("AND k.IDDROGOWA = %1").arg(roadCardKey), {}};
}

}  // namespace FilterClauses
