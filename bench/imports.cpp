// Imports 10,000 cost rows and 10,000 refuellings from sheets into an empty company of 200
// vehicles, and inserts the same rows bare (one prepared statement, one transaction); prints
// the rows per second of both and their ratio (every field the import writes). The import also
// verifies every row and looks for rows already in the register, which the bare insert does not.
// Usage: flotanor-bench-imports [--location LOCATION] (a new SQLite directory by default)
#include "BenchCompany.h"
#include "admin/import/SheetImport.h"
#include "data/TmyDataBase.h"
#include "data/schema/DatabaseCreator.h"
#include "support/MessageService.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <random>

namespace {

constexpr int kRows = 10000;

struct Sheet {
    QByteArray bytes;
    QList<QVariantList> values;  // what the bare insert binds, row by row
    QString columns;
};

QString decimal(qint64 hundredths) {
    return QStringLiteral("%1,%2")
        .arg(hundredths / 100)
        .arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

Sheet costSheet(const QList<qint64>& vehicles) {
    std::mt19937 random(7);
    Sheet sheet;
    sheet.columns = QStringLiteral(
        "DATA=1,NRREJ=2,RODZWYD=3,NRDOKUMENT=4,WARTNETTO=5,WARTVAT=6,WARTBRUTTO=7,CZYVAT=8");
    for (int i = 0; i < kRows; ++i) {
        const int vehicle = int(random() % unsigned(vehicles.size()));
        const int day = 1 + int(random() % 28u);
        const int month = 1 + int(random() % 12u);
        const qint64 net = 1000 + qint64(random() % 200000u);
        const qint64 vat = net * 23 / 100;
        sheet.bytes += QStringLiteral("%1-%2-2026;WB %3;Paliwo;FV/%4/2026;%5;%6;%7;TAK\r\n")
                           .arg(day, 2, 10, QLatin1Char('0'))
                           .arg(month, 2, 10, QLatin1Char('0'))
                           .arg(10000 + vehicle)
                           .arg(i + 1)
                           .arg(decimal(net), decimal(vat), decimal(net + vat))
                           .toUtf8();
        // Every field the import writes, the unassigned ones with its defaults.
        sheet.values.append({vehicles[vehicle], 20260000 + month * 100 + day,
                             QStringLiteral("Paliwo"), QString(),
                             QStringLiteral("FV/%1/2026").arg(i + 1), net / 100.0, vat / 100.0,
                             (net + vat) / 100.0, QString(), QStringLiteral("T"), 0, 0, QString(),
                             0.0, QString(), QString(), 0.0, -1, -1});
    }
    return sheet;
}

Sheet refuellingSheet(const QList<qint64>& vehicles) {
    Sheet sheet;
    sheet.columns = QStringLiteral("DATA=1,NRREJ=2,LICZNIK=3,BAK=4,TANKOWANIE=5");
    const QDate start(2026, 1, 1);
    for (int i = 0; i < kRows; ++i) {
        const int vehicle = i % int(vehicles.size());
        const QDate day = start.addDays(i / int(vehicles.size()));
        const qint64 reading = 1000000 + qint64(i) * 100;
        sheet.bytes += QStringLiteral("%1;WB %2;%3;%4;%5\n")
                           .arg(day.toString(QStringLiteral("dd-MM-yyyy")))
                           .arg(10000 + vehicle)
                           .arg(decimal(reading), decimal(500 + i % 300), decimal(4000 + i % 900))
                           .toUtf8();
        sheet.values.append({day.toString(QStringLiteral("yyyyMMdd")).toLongLong(),
                             vehicles[vehicle], (500 + i % 300) / 100.0, (4000 + i % 900) / 100.0,
                             reading / 100.0});
    }
    return sheet;
}

double bare(DbConnection& company, const QString& sql, const QList<QVariantList>& values) {
    QElapsedTimer timer;
    timer.start();
    Transaction transaction(company);
    QSqlQuery query(company.database());
    query.prepare(sql);
    for (const QVariantList& row : values) {
        for (int i = 0; i < row.size(); ++i)
            query.bindValue(i, row[i]);
        if (!query.exec()) {
            std::fprintf(stderr, "%s\n", qPrintable(query.lastError().text()));
            return -1;
        }
    }
    transaction.commit();
    return timer.nsecsElapsed() / 1e9;
}

bool measure(const char* name, TmyDataBase& database, ImportKind kind, const Sheet& sheet,
             const QString& bareSql, const QString& table) {
    DbConnection& company = database.DatabaseFirma();
    const SqlStatement empty(QStringLiteral("DELETE FROM ") + table);
    ImportLayout layout = ImportLayout::defaults(kind);
    QString error;
    layout.assignColumns(kind, sheet.columns, &error);
    // The best of three runs of each, the register emptied in between.
    double bareSeconds = 1e9, readSeconds = 1e9, importSeconds = 1e9, againSeconds = 1e9;
    int skipped = 0;
    for (int round = 0; round < 3; ++round) {
        const double seconds = bare(company, bareSql, sheet.values);
        company.execute(empty);
        if (seconds < 0)
            return false;
        bareSeconds = std::min(bareSeconds, seconds);

        QElapsedTimer timer;
        timer.start();
        CsvTable rows = CsvReader::parse(sheet.bytes, QLatin1Char(';'));
        readSeconds = std::min(readSeconds, timer.nsecsElapsed() / 1e9);
        SheetImport import(database, kind);
        import.setSheet(std::move(rows));
        timer.restart();
        const ImportCounts counts = import.run(layout, {});
        importSeconds = std::min(importSeconds, timer.nsecsElapsed() / 1e9);
        if (counts.added != kRows) {
            std::fprintf(stderr, "%s: %s\n", name, qPrintable(counts.line()));
            return false;
        }
        timer.restart();
        skipped = import.run(layout, {}).skipped;
        againSeconds = std::min(againSeconds, timer.nsecsElapsed() / 1e9);
        company.execute(empty);
    }
    const double bareRate = kRows / bareSeconds;
    const double importRate = kRows / (readSeconds + importSeconds);
    std::printf(
        "%-12s bare insert %8.0f rows/s | import %8.0f rows/s (reading %.3f s, "
        "import %.3f s) = %.2f of bare (aim >= 0.50) | again, all skipped: %.3f s (%d)\n",
        name, bareRate, importRate, readSeconds, importSeconds, importRate / bareRate, againSeconds,
        skipped);
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTemporaryDir scratch;
    const int at = int(args.indexOf(QStringLiteral("--location")));
    const QString text = at > 0 && at + 1 < args.size() ? args.at(at + 1) : scratch.path();
    const auto location = DbLocation::parse(text);
    if (!location)
        return 1;
    CreateResult result = DatabaseCreator::createDatabase(*location, true);
    if (result.ok)
        result = DatabaseCreator::addCompany(*location, QStringLiteral("Import"),
                                             QStringLiteral("import"));
    if (!result.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(result.message));
        return 1;
    }
    SilentMessageService messages;
    TmyDataBase database(&messages);
    if (!database.openCompany(*location, QStringLiteral("import")))
        return 1;
    DbConnection& company = database.DatabaseFirma();
    if (DbError e = BenchCompany::fill(company, {.vehicles = 200,
                                                 .costs = 0,
                                                 .refuellings = 0,
                                                 .oneVehicleRefuellings = 0,
                                                 .trips = 0})) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
    QList<qint64> vehicles;
    DbQuery rows;
    company.select(SqlStatement(QStringLiteral("SELECT IDPOJAZD FROM pojazdy ORDER BY NRREJ")),
                   &rows);
    while (rows.next())
        vehicles << rows.value(0).toLongLong();
    std::printf("Engine: %s, %d rows each\n", location->isPostgres() ? "PostgreSQL" : "SQLite",
                kRows);
    const bool ok =
        measure("costs", database, ImportKind::Costs, costSheet(vehicles),
                QStringLiteral("INSERT INTO koszty (IDPOJAZD,DATA,RODZWYD,NAZWATOWAR,NRDOKUMENT,"
                               "WARTNETTO,WARTVAT,WARTBRUTTO,UWAGI,CZYVAT,DATAWYSTAW,RODZAJPLAT,"
                               "IDKARTY,LICZNIK,IDKIEROWCY,ISFUEL,FUEL,CK,IDDROGOWA) VALUES "
                               "(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
                QStringLiteral("koszty")) &&
        measure("refuellings", database, ImportKind::Refuellings, refuellingSheet(vehicles),
                QStringLiteral("INSERT INTO zuzycie (DATA,IDPOJAZD,BAK,TANKOWANIE,LICZNIK) VALUES "
                               "(?,?,?,?,?)"),
                QStringLiteral("zuzycie"));
    return ok ? 0 : 1;
}
