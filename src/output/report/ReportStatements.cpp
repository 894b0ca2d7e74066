#include "output/report/ReportStatements.h"

#include "data/TmyDataBase.h"
#include "data/engine/DbQuery.h"
#include "data/engine/PolishCollation.h"

namespace ReportStatements {
namespace {

SqlStatement withClauses(QString text, std::initializer_list<const Clause*> clauses) {
    QString where;
    SqlStatement statement;
    for (const Clause* clause : clauses) {
        if (clause->isEmpty())
            continue;
        where += QLatin1Char(' ') + clause->text;
        for (const auto& [name, value] : clause->bindings)
            statement.bind(name, value);
    }
    statement.text = text.replace(QStringLiteral("{WHERE}"), where);
    return statement;
}

std::shared_ptr<const ListTable> read(TmyDataBase& database, const SqlStatement& statement,
                                      qint64 errorCode) {
    auto table = std::make_shared<ListTable>();
    if (const DbError error = ListTable::read(database.DatabaseFirma(), statement, table.get())) {
        database.errorReport().report(error, errorCode);
        return nullptr;
    }
    return table;
}

}  // namespace

std::shared_ptr<const ListTable> driversOfVehicle(TmyDataBase& database, const FilterState& trips) {
    const QString polish = PolishCollation::clause();
    const QString text = QStringLiteral(
                             "SELECT A.NAZWISKO, A.IMIE, A.NREW FROM osobowa A "
                             "JOIN przejazdy B ON A.NREW = B.IDKIEROWCY "
                             "LEFT OUTER JOIN pojazdy C ON C.IDPOJAZD = B.IDPOJAZD "
                             "WHERE 1 = 1 {WHERE} GROUP BY A.NAZWISKO, A.IMIE, A.NREW "
                             "ORDER BY A.NAZWISKO%1, A.IMIE%1, A.NREW")
                             .arg(polish);
    return read(database, withClauses(text, {&trips.vehicle, &trips.period}), kDriversError);
}

std::shared_ptr<const ListTable> roadCard(TmyDataBase& database, qint64 roadCardKey) {
    SqlStatement statement(QStringLiteral(
        "SELECT A.NRKARTY, C.NREW AS WLASCICIEL, "
        "COALESCE(B.NAZWISKO, '') || ' ' || COALESCE(B.IMIE, '') || ' (ID ' || "
        "COALESCE(B.NREW, '') || ')' AS NAZWISKO, "
        "C.NRREJ, C.MARKA, A.DATAWYST, A.CELWYJAZDU, A.TRASA, A.LICZSTART, A.LICZEND, "
        "(A.LICZEND - A.LICZSTART) AS LICZSUMA, A.DATASTART, A.GODZSTART, A.DATAEND, "
        "A.GODZEND, A.CZAS, A.PRAWOJAZDY, A.GODZSUMA, A.ODPOCZYNEK "
        "FROM kartydrogowe A LEFT OUTER JOIN osobowa B ON B.NREW = A.IDKIEROWCY "
        "LEFT OUTER JOIN pojazdy C ON A.IDPOJAZD = C.IDPOJAZD "
        "WHERE A.IDDROGOWA = :CARD"));
    statement.bind(QStringLiteral(":CARD"), roadCardKey);
    return read(database, statement, kRoadCardError);
}

std::shared_ptr<const ListTable> fuelPurchases(TmyDataBase& database, const FilterState& costs,
                                               std::optional<qint64> costCentre) {
    Clause centre;
    if (costCentre) {
        centre.text = QStringLiteral("AND A.CK = :CENTRE");
        centre.bindings.append({QStringLiteral(":CENTRE"), *costCentre});
    }
    const QString text = QStringLiteral(
                             "SELECT B.NRREJ, B.MARKA, SUM(A.WARTNETTO) AS SNETTO, "
                             "SUM(A.WARTVAT) AS SVAT, SUM(A.WARTBRUTTO) AS SBRUTTO, "
                             "SUM(A.FUEL) AS SFUEL "
                             "FROM koszty A LEFT OUTER JOIN pojazdy B ON A.IDPOJAZD = B.IDPOJAZD "
                             "WHERE A.ISFUEL = 'T' {WHERE} GROUP BY B.NRREJ, B.MARKA "
                             "ORDER BY B.NRREJ%1 NULLS LAST, B.MARKA")
                             .arg(PolishCollation::clause());
    return read(database, withClauses(text, {&centre, &costs.period}), kFuelPurchasesError);
}

QStringList orderNumbers(TmyDataBase& database, const FilterState& orders, bool* failed) {
    const QString text = QStringLiteral(
                             "SELECT R.NRDOKUMENTU FROM zlecenia R "
                             "LEFT OUTER JOIN pojazdy P ON R.IDPOJAZDU = P.IDPOJAZD "
                             "WHERE 1 = 1 {WHERE} ORDER BY R.NRDOKUMENTU%1")
                             .arg(PolishCollation::clause());
    const auto table =
        read(database, withClauses(text, {&orders.vehicle, &orders.period}), kOrderNumbersError);
    if (failed)
        *failed = !table;
    QStringList numbers;
    for (int row = 0; table && row < table->rowCount(); ++row)
        numbers << table->value(row, 0).toString();
    return numbers;
}

}  // namespace ReportStatements
