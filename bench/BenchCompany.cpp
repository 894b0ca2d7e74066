#include "BenchCompany.h"

#include "data/TmyDataBase.h"
#include "data/engine/RowInsert.h"
#include "data/schema/DatabaseCreator.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <cstdio>
#include <random>

namespace BenchCompany {

namespace {

qint64 dateNumber(const QDate& d) {
    return qint64(d.year()) * 10000 + d.month() * 100 + d.day();
}

}  // namespace

DbError fill(DbConnection& company, const Size& size) {
    std::mt19937 random(20241231);
    auto pick = [&random](int n) { return int(random() % unsigned(n)); };
    const QDate start(2021, 1, 1);
    const char* kinds[] = {"Paliwo",  "Naprawa",        "Myjnia",
                           "Parking", "Opłaty drogowe", "Serwis okresowy"};
    const char* makes[] = {"Norvik Vento 1.6", "Baltar Cargo 2.2D", "Orsa Trak 12t",
                           "Kestrel City 1.0"};

    Transaction transaction(company);
    if (transaction.beginError())
        return transaction.beginError();
    for (int p = 0; p < 50; ++p) {
        if (DbError e = insertRow(
                company, QStringLiteral("osobowa"),
                {{QStringLiteral("NREW"), QStringLiteral("P%1").arg(p, 3, 10, QLatin1Char('0'))},
                 {QStringLiteral("NAZWISKO"), QStringLiteral("Kierowca%1").arg(p)},
                 {QStringLiteral("IMIE"), QStringLiteral("Jan")}}))
            return e;
    }
    QList<qint64> vehicles;
    for (int v = 0; v < size.vehicles; ++v) {
        qint64 key = 0;
        if (DbError e =
                insertRow(company, QStringLiteral("pojazdy"),
                          {{QStringLiteral("NRREJ"), QStringLiteral("WB %1").arg(10000 + v)},
                           {QStringLiteral("MARKA"), QString::fromUtf8(makes[v % 4])},
                           {QStringLiteral("RODZAJ"), 1 + v % 4},
                           {QStringLiteral("POJEMNOSC"), 800 + 10 * pick(120)},
                           {QStringLiteral("IDKIEROWCY"),
                            QStringLiteral("P%1").arg(v % 50, 3, 10, QLatin1Char('0'))},
                           {QStringLiteral("STATUS"), 0}},
                          &key))
            return e;
        vehicles << key;
    }
    for (int c = 0; c < size.costs; ++c) {
        const double net = 10 + pick(200000) / 100.0;
        const double gross = std::round(net * 123.0) / 100.0;
        if (DbError e = insertRow(
                company, QStringLiteral("koszty"),
                {{QStringLiteral("IDPOJAZD"), vehicles[pick(int(vehicles.size()))]},
                 {QStringLiteral("DATA"), dateNumber(start.addDays(pick(1800)))},
                 {QStringLiteral("RODZWYD"), QString::fromUtf8(kinds[pick(6)])},
                 {QStringLiteral("NAZWATOWAR"), QStringLiteral("Towar %1").arg(pick(500))},
                 {QStringLiteral("NRDOKUMENT"), QStringLiteral("FV/%1").arg(c)},
                 {QStringLiteral("WARTNETTO"), net},
                 {QStringLiteral("WARTVAT"), gross - net},
                 {QStringLiteral("WARTBRUTTO"), gross},
                 {QStringLiteral("CZYVAT"), QStringLiteral("T")},
                 {QStringLiteral("IDKIEROWCY"),
                  QStringLiteral("P%1").arg(pick(50), 3, 10, QLatin1Char('0'))},
                 {QStringLiteral("ISFUEL"), c % 3 == 0 ? QStringLiteral("T") : QStringLiteral("N")},
                 {QStringLiteral("FUEL"), c % 3 == 0 ? 30.0 + pick(40) : 0.0}}))
            return e;
    }
    // Refuellings: one per vehicle and day, odometers increasing per vehicle.
    const int perVehicle = std::max(1, size.refuellings / int(vehicles.size()));
    for (qint64 vehicle : vehicles) {
        double reading = 10000 + pick(50000);
        // The first vehicle refuels every day after the others' history.
        const int count =
            vehicle == vehicles.first() ? perVehicle + size.oneVehicleRefuellings : perVehicle;
        for (int r = 0; r < count; ++r) {
            reading += 300 + pick(400);
            if (DbError e = insertRow(
                    company, QStringLiteral("zuzycie"),
                    {{QStringLiteral("IDPOJAZD"), vehicle},
                     {QStringLiteral("DATA"),
                      dateNumber(r < perVehicle
                                     ? start.addDays(r * 17 + pick(10))
                                     : start.addDays(perVehicle * 17 + 10 + (r - perVehicle)))},
                     {QStringLiteral("BAK"), 5.0 + pick(10)},
                     {QStringLiteral("TANKOWANIE"), 30.0 + pick(20)},
                     {QStringLiteral("LICZNIK"), reading}}))
                return e;
        }
    }
    for (int t = 0; t < size.trips; ++t) {
        if (DbError e =
                insertRow(company, QStringLiteral("przejazdy"),
                          {{QStringLiteral("IDPOJAZD"), vehicles[pick(int(vehicles.size()))]},
                           {QStringLiteral("DATA"), dateNumber(start.addDays(pick(1800)))},
                           {QStringLiteral("CELWYJAZDU"), QStringLiteral("Spotkanie z klientem")},
                           {QStringLiteral("TRASA"), QStringLiteral("Trasa %1").arg(pick(100))},
                           {QStringLiteral("ODLEGLOSC"), 5.0 + pick(500)},
                           {QStringLiteral("IDKIEROWCY"),
                            QStringLiteral("P%1").arg(pick(50), 3, 10, QLatin1Char('0'))}}))
            return e;
    }
    return transaction.commit();
}

std::optional<DbLocation> prepare(const QStringList& arguments) {
    const int at = int(arguments.indexOf(QStringLiteral("--location")));
    const QString text = at > 0 && at + 1 < arguments.size()
                             ? arguments.at(at + 1)
                             : QStandardPaths::writableLocation(QStandardPaths::TempLocation) +
                                   QStringLiteral("/flotanor-bench-2");
    const auto location = DbLocation::parse(text);
    if (!location) {
        std::fprintf(stderr, "Not a location: %s\n", qPrintable(text));
        return std::nullopt;
    }
    if (!arguments.contains(QStringLiteral("--fresh")) &&
        DatabaseCreator::databaseExists(*location))
        return location;
    std::printf("Generating the benchmark company in %s ...\n",
                qPrintable(location->displayText()));
    if (!location->isPostgres())
        QDir(location->directory()).removeRecursively();
    QElapsedTimer timer;
    timer.start();
    CreateResult result = DatabaseCreator::createDatabase(*location, true);
    if (result.ok)
        result = DatabaseCreator::addCompany(*location, QStringLiteral("Duża firma"), directory());
    if (!result.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(result.message));
        return std::nullopt;
    }
    DbConnection company(QStringLiteral("generate"));
    DbError failed = company.openCompany(*location, directory());
    if (!failed)
        failed = fill(company, {});
    if (!failed)
        failed = company.execute(SqlStatement(QStringLiteral("ANALYZE")));
    if (failed) {
        std::fprintf(stderr, "%s\n", qPrintable(failed.message()));
        return std::nullopt;
    }
    std::printf("Generated in %.1f s\n", timer.elapsed() / 1000.0);
    return location;
}

bool open(TmyDataBase& database, const DbLocation& location) {
    if (!database.openCompany(location, directory())) {
        std::fprintf(stderr, "Cannot open the benchmark company\n");
        return false;
    }
    database.applySelection(FilterSelection());
    return true;
}

}  // namespace BenchCompany
