#pragma once

#include "admin/import/ImportLayout.h"
#include "support/CsvReader.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class DbError;
class RecordInserter;
class TmyDataBase;

// What became of one row of the sheet.
struct RowVerdict {
    enum class Outcome { None, Verified, Added, Merged, Skipped, Failed };
    Outcome outcome = Outcome::None;
    QString imported;  // "Zaimportowano?": "Ok", "Pominięto", "Błędy" or empty
    QString remark;    // "Uwagi"
};

struct ImportCounts {
    int added = 0;
    int merged = 0;
    int skipped = 0;
    int failed = 0;
    // "added N; merged N; skipped N; failed N"
    QString line() const;
};

// Imports one sheet into the costs or a refuelling register, for the import windows and
// the command line alike. Verification prepares every row and tells its first error; the
// import writes the rows that passed in one transaction with a savepoint per row, so that
// a failing row is undone alone and a killed program leaves nothing half imported.
// A row already in the register is skipped: for costs one with the same vehicle, date,
// document number and amounts (as many as the register holds of them); for refuellings
// the first rows of a vehicle's day when they make, merged as the import merges them,
// what the register holds for that day. Importing a sheet twice therefore adds nothing.
class SheetImport {
public:
    SheetImport(TmyDataBase& database, ImportKind kind);
    ~SheetImport();
    SheetImport(const SheetImport&) = delete;
    SheetImport& operator=(const SheetImport&) = delete;

    ImportKind kind() const { return m_kind; }
    void setSheet(CsvTable sheet);  // forgets every verdict
    const CsvTable& sheet() const { return m_sheet; }
    // The first row read as data: 1 when the layout skips the first, else 0.
    static int firstDataRow(const ImportLayout& layout) { return layout.skipFirst ? 1 : 0; }

    // Prepares every data row: "Ok", or "Błędy" with the row's first error. True when every
    // row passed. Nothing is written.
    bool verify(const ImportLayout& layout);

    struct Options {
        bool dryRun = false;  // every verdict as the import would give it, then undone
        // Called as rows are done; false cancels: the rows done so far stay imported.
        std::function<bool(int done, int total)> progress;
    };
    // Verifies and imports. The counts cover every data row.
    ImportCounts run(const ImportLayout& layout, const Options& options);
    // Why the last run wrote nothing at all (the transaction could not start or end);
    // empty when it did.
    QString failure() const { return m_failure; }
    bool cancelled() const { return m_cancelled; }

    // One verdict per row of the sheet; rows before the first data row have none.
    const QList<RowVerdict>& verdicts() const { return m_verdicts; }
    // Every row of the sheet with its cells (as many as the widest row) and its two verdict
    // cells; with a header the titles "Kolumna #1" ... "Zaimportowano?", "Uwagi" come first.
    QList<QStringList> resultSheet(bool withHeader) const;

private:
    struct Prepared;
    class Lookups;
    bool prepareRows(const ImportLayout& layout);
    bool prepare(int row, const ImportLayout& layout, Prepared* out, QString* error) const;
    ImportCounts writeRows(const ImportLayout& layout, const Options& options);
    void importCost(int row);
    void importRefuelling(int row, const ImportLayout& layout);
    void fail(int row, const QString& remark);
    // The pass could not run: every row that passed verification fails with the reason.
    ImportCounts failAll(const ImportLayout& layout, const DbError& error);
    RecordInserter& inserter(bool lpg);
    DbError readDays(qint64 first, qint64 last);
    // A savepoint for a row that needs one: undone alone when it fails.
    DbError guardRow(std::optional<class Savepoint>& savepoint, bool severalStatements);
    ImportCounts count() const;

    TmyDataBase& m_database;
    ImportKind m_kind;
    CsvTable m_sheet;
    QList<RowVerdict> m_verdicts;
    std::vector<Prepared> m_prepared;
    std::unique_ptr<Lookups> m_lookups;
    QString m_failure;
    bool m_cancelled = false;
    struct Duplicates;
    std::unique_ptr<Duplicates> m_duplicates;
};

// The window's and the command line's verdict texts.
namespace ImportVerdicts {
QString ok();       // "Ok"
QString skipped();  // "Pominięto"
QString failed();   // "Błędy"
}  // namespace ImportVerdicts
