// Lists the registers of a large company through the data module and, in the same run,
// runs the same statements through the bare engine, and prints both times and their
// ratio. Usage: flotanor-bench [--location DIR-or-URL] [--fresh]
#include "BenchCompany.h"
#include "data/ListModel.h"
#include "data/TmyDataBase.h"
#include "data/schema/DatabaseCreator.h"
#include "output/Sums.h"
#include "support/MessageService.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kRuns = 5;

template <typename F>
double bestMs(F&& run) {
    double best = 1e300;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

void print(const char* name, int rows, double bare, double module) {
    std::printf("%-40s %7d rows  bare %9.1f ms  data module %9.1f ms  ratio %5.2f\n", name, rows,
                bare, module, module / bare);
}

// The bare engine: the statement run and every row stepped with every field read.
int bare(DbConnection& connection, const SqlStatement& statement) {
    DbQuery rows;
    if (DbError e = connection.select(statement, &rows)) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 0;
    }
    const int fields = rows.fieldCount();
    int count = 0;
    while (rows.next()) {
        for (int f = 0; f < fields; ++f)
            (void)rows.value(f);
        ++count;
    }
    return count;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int at = int(args.indexOf(QStringLiteral("--location")));
    const QString text = at > 0 && at + 1 < args.size()
                             ? args.at(at + 1)
                             : QStandardPaths::writableLocation(QStandardPaths::TempLocation) +
                                   QStringLiteral("/flotanor-bench-2");
    const auto location = DbLocation::parse(text);
    if (!location)
        return 1;
    if (args.contains(QStringLiteral("--fresh")) || !DatabaseCreator::databaseExists(*location)) {
        std::printf("Generating the benchmark company in %s ...\n",
                    qPrintable(location->displayText()));
        if (!location->isPostgres())
            QDir(location->directory()).removeRecursively();
        QElapsedTimer timer;
        timer.start();
        CreateResult result = DatabaseCreator::createDatabase(*location, true);
        if (result.ok)
            result = DatabaseCreator::addCompany(*location, QStringLiteral("Duża firma"),
                                                 QStringLiteral("bench"));
        if (!result.ok) {
            std::fprintf(stderr, "%s\n", qPrintable(result.message));
            return 1;
        }
        DbConnection company(QStringLiteral("generate"));
        company.openCompany(*location, QStringLiteral("bench"));
        if (DbError e = BenchCompany::fill(company, {})) {
            std::fprintf(stderr, "%s\n", qPrintable(e.message()));
            return 1;
        }
        if (!location->isPostgres())
            company.execute(SqlStatement(QStringLiteral("ANALYZE")));
        else
            company.execute(SqlStatement(QStringLiteral("ANALYZE")));
        std::printf("Generated in %.1f s\n", timer.elapsed() / 1000.0);
    }

    SilentMessageService messages;
    TmyDataBase database(&messages);
    if (!database.openCompany(*location, QStringLiteral("bench"))) {
        std::fprintf(stderr, "Cannot open the benchmark company\n");
        return 1;
    }
    database.applySelection(FilterSelection());
    std::printf("Engine: %s\n", location->isPostgres() ? "PostgreSQL" : "SQLite");

    struct Case {
        const char* name;
        RegisterId id;
        QString sort;
        bool ascending;
    };
    const Case cases[] = {
        {"costs, by date", RegisterId::Koszty, QStringLiteral("DATA"), true},
        {"costs, by kind of expense (Polish order)", RegisterId::Koszty, QStringLiteral("RODZWYD"),
         true},
        {"costs, by driver descending", RegisterId::Koszty, QStringLiteral("NAZWISKO"), false},
        {"trips with rates, by date", RegisterId::Przejazdy, QStringLiteral("DATA"), true},
        {"continuous consumption, all vehicles", RegisterId::Zuzycie, QString(), true},
    };
    for (const Case& c : cases) {
        FilterState state = database.filter(c.id);
        state.sortField = c.sort;
        state.ascending = c.ascending;
        if (c.id == RegisterId::Zuzycie)
            state.vehicle = Clause();  // every vehicle in one list
        const SqlStatement statement = database.listStatement(c.id, state);
        int rows = 0;
        const double bareMs = bestMs([&] { rows = bare(database.DatabaseFirma(), statement); });
        const double moduleMs = bestMs([&] {
            database.filter(c.id) = state;
            ListModel model(c.id);
            database.refreshList(c.id, model);
            rows = model.rowCount();
        });
        print(c.name, rows, bareMs, moduleMs);
    }

    // One vehicle's long history: the list with its consumption and its summary.
    {
        FilterSelection one;
        one.vehicle = BenchCompany::busiestVehicle();
        database.applySelection(one);
        const SqlStatement statement =
            database.listStatement(RegisterId::Zuzycie, database.filter(RegisterId::Zuzycie));
        int rows = 0;
        const double bareMs = bestMs([&] { rows = bare(database.DatabaseFirma(), statement); });
        const double moduleMs = bestMs([&] {
            ListModel model(RegisterId::Zuzycie);
            database.refreshList(RegisterId::Zuzycie, model);
            rows = model.rowCount();
            (void)database.summary(RegisterId::Zuzycie);
        });
        print("continuous consumption + summary, 1 veh.", rows, bareMs, moduleMs);
        database.applySelection(FilterSelection());
    }

    // The sums of every cost: the module's statement over the list against the plain
    // aggregate of the table.
    {
        const SqlStatement plain(QStringLiteral(
            "SELECT COUNT(*),SUM(WARTNETTO),SUM(WARTVAT),SUM(WARTBRUTTO),SUM(FUEL) FROM koszty AS "
            "A LEFT OUTER JOIN pojazdy AS B ON A.IDPOJAZD = B.IDPOJAZD WHERE 1 = 1"));
        FilterState all = database.filter(RegisterId::Koszty);
        all.period = Clause();
        database.filter(RegisterId::Koszty) = all;
        const double bareMs = bestMs([&] { bare(database.DatabaseFirma(), plain); });
        SumsSheet sheet;
        const double moduleMs =
            bestMs([&] { sheet = Sums::compute(database, RegisterId::Koszty, all); });
        print("sums of every cost", sheet.values.value(0).toInt(), bareMs, moduleMs);
    }

    // What the grid and the sheet export pay on top: the displayed text of every cell.
    {
        ListModel model(RegisterId::Koszty);
        database.filter(RegisterId::Koszty).sortField = QStringLiteral("DATA");
        database.refreshList(RegisterId::Koszty, model);
        const double sheetMs = bestMs([&] { (void)model.sheet(); });
        std::printf("%-40s %7d rows  displayed texts of every cell %9.1f ms\n", "costs, sheet",
                    model.rowCount(), sheetMs);
    }
    return 0;
}
