// Lists the registers of a large company through the data module and, in the same run,
// through QtSql and through the bare SQLite C API, and prints the three times and the
// ratios. Usage: flotanor-bench [--location DIR-or-URL] [--fresh]
#include "BenchCompany.h"
#include "data/ListModel.h"
#include "data/TmyDataBase.h"
#include "output/Sums.h"
#include "support/MessageService.h"

#include <sqlite3.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kRuns = 7;

template <typename F>
double elapsedMs(F&& run) {
    QElapsedTimer timer;
    timer.start();
    run();
    return timer.nsecsElapsed() / 1e6;
}

template <typename F>
double bestMs(F&& run) {
    double best = 1e300;
    for (int i = 0; i < kRuns; ++i)
        best = std::min(best, elapsedMs(run));
    return best;
}

// The best time of each of three ways to the same result, their runs taken in turn so
// that a slow spell of the machine falls on all three alike.
struct Three {
    double engine = 1e300, bare = 1e300, module = 1e300;
};

template <typename E, typename B, typename M>
Three bestOfThree(E&& engine, B&& bare, M&& module) {
    Three best;
    for (int i = 0; i < kRuns; ++i) {
        best.engine = std::min(best.engine, elapsedMs(engine));
        best.bare = std::min(best.bare, elapsedMs(bare));
        best.module = std::min(best.module, elapsedMs(module));
    }
    return best;
}

void print(const char* name, int rows, const Three& t, bool sqlite) {
    if (!sqlite) {
        std::printf("%-40s %7d rows  QtSql %8.1f ms  data module %8.1f ms  ratio %5.2f\n", name,
                    rows, t.bare, t.module, t.module / t.bare);
        return;
    }
    std::printf(
        "%-40s %7d rows  C API %8.1f ms  QtSql %8.1f ms  data module %8.1f ms  "
        "ratio %5.2f (to C API %5.2f)\n",
        name, rows, t.engine, t.bare, t.module, t.module / t.bare, t.module / t.engine);
}

// The bare statement: run through QtSql in its quickest way (forward only, rows fetched as
// they are read) and every row stepped with every field read.
int bare(DbConnection& connection, const SqlStatement& statement) {
    QSqlQuery rows(connection.database());
    rows.setForwardOnly(true);
    bool ok = rows.prepare(statement.text);
    for (const auto& [name, value] : statement.bindings) {
        if (statement.text.contains(name))
            rows.bindValue(name, value);
    }
    ok = ok && rows.exec();
    if (!ok) {
        std::fprintf(stderr, "%s\n", qPrintable(rows.lastError().text()));
        return 0;
    }
    const int fields = rows.record().count();
    int count = 0;
    while (rows.next()) {
        for (int f = 0; f < fields; ++f)
            (void)rows.value(f);
        ++count;
    }
    return count;
}

// The engine's own limit: the same statement stepped through SQLite's C API, every field
// read as the engine keeps it (texts as UTF-8, no copy).
int engineOnly(DbConnection& connection, const SqlStatement& statement) {
    sqlite3* handle = connection.sqliteHandle();
    sqlite3_stmt* rows = nullptr;
    const QByteArray text = statement.text.toUtf8();
    if (!handle)
        return 0;  // PostgreSQL: no figure
    if (sqlite3_prepare_v2(handle, text.constData(), -1, &rows, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", sqlite3_errmsg(handle));
        return 0;
    }
    for (const auto& [name, value] : statement.bindings) {
        const int index = sqlite3_bind_parameter_index(rows, name.toUtf8().constData());
        if (index == 0)
            continue;
        if (value.typeId() == QMetaType::Double)
            sqlite3_bind_double(rows, index, value.toDouble());
        else if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong)
            sqlite3_bind_int64(rows, index, value.toLongLong());
        else
            sqlite3_bind_text(rows, index, value.toString().toUtf8().constData(), -1,
                              SQLITE_TRANSIENT);
    }
    const int fields = sqlite3_column_count(rows);
    int count = 0;
    size_t sink = 0;
    while (sqlite3_step(rows) == SQLITE_ROW) {
        for (int f = 0; f < fields; ++f) {
            switch (sqlite3_column_type(rows, f)) {
                case SQLITE_INTEGER:
                    sink += size_t(sqlite3_column_int64(rows, f));
                    break;
                case SQLITE_FLOAT:
                    sink += size_t(sqlite3_column_double(rows, f) != 0);
                    break;
                case SQLITE_TEXT:
                    sink += size_t(sqlite3_column_text(rows, f)[0]);
                    sink += size_t(sqlite3_column_bytes(rows, f));
                    break;
                default:
                    break;
            }
        }
        ++count;
    }
    sqlite3_finalize(rows);
    static volatile size_t keep = 0;
    keep = keep + sink;
    return count;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const auto location = BenchCompany::prepare(app.arguments());
    if (!location)
        return 1;

    SilentMessageService messages;
    TmyDataBase database(&messages);
    if (!BenchCompany::open(database, *location))
        return 1;
    const bool sqlite = !location->isPostgres();
    std::printf("Engine: %s\n", sqlite ? "SQLite" : "PostgreSQL");

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
        const Three t = bestOfThree([&] { rows = engineOnly(database.DatabaseFirma(), statement); },
                                    [&] { rows = bare(database.DatabaseFirma(), statement); },
                                    [&] {
                                        database.filter(c.id) = state;
                                        ListModel model(c.id);
                                        database.refreshList(c.id, model);
                                        rows = model.rowCount();
                                    });
        print(c.name, rows, t, sqlite);
    }

    // One vehicle's long history: the list with its consumption and its summary.
    {
        FilterSelection one;
        one.vehicle = BenchCompany::busiestVehicle();
        database.applySelection(one);
        const SqlStatement statement =
            database.listStatement(RegisterId::Zuzycie, database.filter(RegisterId::Zuzycie));
        int rows = 0;
        const Three t = bestOfThree([&] { rows = engineOnly(database.DatabaseFirma(), statement); },
                                    [&] { rows = bare(database.DatabaseFirma(), statement); },
                                    [&] {
                                        ListModel model(RegisterId::Zuzycie);
                                        database.refreshList(RegisterId::Zuzycie, model);
                                        rows = model.rowCount();
                                        (void)database.summary(RegisterId::Zuzycie);
                                    });
        print("continuous consumption + summary, 1 veh.", rows, t, sqlite);
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
        SumsSheet sheet;
        const Three t =
            bestOfThree([&] { engineOnly(database.DatabaseFirma(), plain); },
                        [&] { bare(database.DatabaseFirma(), plain); },
                        [&] { sheet = Sums::compute(database, RegisterId::Koszty, all); });
        print("sums of every cost", sheet.values.value(0).toInt(), t, sqlite);
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
