#include "admin/import/SheetImport.h"

#include "admin/import/ImportValues.h"
#include "data/Money.h"
#include "data/TmyDataBase.h"
#include "data/records/ConsumptionStores.h"
#include "data/records/Record.h"
#include "data/records/RecordStores.h"

#include <QHash>
#include <QLocale>
#include <QSet>

namespace ImportVerdicts {
QString ok() {
    return QStringLiteral("Ok");
}
QString skipped() {
    return QStringLiteral("Pominięto");
}
QString failed() {
    return QStringLiteral("Błędy");
}
}  // namespace ImportVerdicts

QString ImportCounts::line() const {
    return QStringLiteral("added %1; merged %2; skipped %3; failed %4")
        .arg(added)
        .arg(merged)
        .arg(skipped)
        .arg(failed);
}

namespace {

using V = ImportField::Value;
using Outcome = RowVerdict::Outcome;

QString databaseError(const DbError& error) {
    return QStringLiteral("Błąd bazy danych ") + error.message();
}

// A stored number in hundredths, read as the decimal its shortest form writes.
qint64 storedHundredths(double value) {
    return Money::hundredths(QString::number(value, 'g', QLocale::FloatingPointShortest))
        .value_or(0);
}

// What tells a cost imported before: vehicle, date, document number and amounts.
QString costKey(qint64 vehicle, qint64 date, const QString& document, qint64 net, qint64 vat,
                qint64 gross) {
    const QChar bar = QLatin1Char('|');
    return QString::number(vehicle) + bar + QString::number(date) + bar + document + bar +
           QString::number(net) + bar + QString::number(vat) + bar + QString::number(gross);
}

bool sameRefuelling(const Consumption::Refuelling& a, const Consumption::Refuelling& b) {
    return storedHundredths(a.first) == storedHundredths(b.first) &&
           storedHundredths(a.fuel) == storedHundredths(b.fuel) &&
           storedHundredths(a.reading) == storedHundredths(b.reading);
}

}  // namespace

// A row made ready for its register.
struct SheetImport::Prepared {
    bool ok = false;
    Record record;
    qint64 vehicle = 0;
    qint64 date = 0;
    bool lpg = false;
    Consumption::Refuelling refuelling;  // refuellings
    QString duplicateKey;                // costs
};

// What the cells name, read once per verification: vehicles, fuel cards, payment kinds,
// cost centres and road cards, compared in the program with the cell's key, so Polish
// capitals compare alike on both engines and no cell text ever becomes SQL.
class SheetImport::Lookups {
public:
    DbError load(DbConnection& company, bool costs) {
        DbError error =
            read(company, QStringLiteral("SELECT NRREJ, IDPOJAZD FROM pojazdy ORDER BY IDPOJAZD"),
                 &vehicles);
        if (!error && costs)
            error = read(company,
                         QStringLiteral("SELECT OPIS, KOD FROM slowniki WHERE IDSLOWNIK = 'RDPLA' "
                                        "ORDER BY KOD"),
                         &payments);
        if (!error && costs)
            error = read(company,
                         QStringLiteral("SELECT OPIS, KOD FROM slowniki WHERE IDSLOWNIK = 'CKKOD' "
                                        "ORDER BY KOD"),
                         &costCentres);
        if (!error && costs)
            error = read(company,
                         QStringLiteral("SELECT NRKARTY, IDDROGOWA FROM kartydrogowe ORDER BY "
                                        "IDDROGOWA"),
                         &roadCards);
        if (!error && costs) {
            DbQuery rows;
            error = company.select(SqlStatement(QStringLiteral("SELECT IDKARTY FROM kpaliwowe")),
                                   &rows);
            while (!error && rows.next())
                fuelCards.insert(rows.value(0).toString());
        }
        return error;
    }

    QHash<QString, qint64> vehicles, payments, costCentres, roadCards;
    QSet<QString> fuelCards;

private:
    // The first key of each name wins, as the first row of a look-up did.
    static DbError read(DbConnection& company, const QString& sql, QHash<QString, qint64>* into) {
        DbQuery rows;
        if (DbError error = company.select(SqlStatement(sql), &rows))
            return error;
        while (rows.next()) {
            const QString name = ImportValues::folded(rows.value(0).toString());
            if (!into->contains(name))
                into->insert(name, rows.value(1).toLongLong());
        }
        return {};
    }
};

// Costs: how many rows of each key the register held before the row at hand.
// Refuellings: for each table, vehicle and day, how many of the sheet's first rows are
// already in the register, and whether the day has a refuelling now.
struct SheetImport::Duplicates {
    QHash<QString, int> stored;
    struct Day {
        QList<int> rows;
        std::optional<Consumption::Refuelling> held;  // before this import
        int present = -1;                             // not worked out yet
        bool exists = false;
    };
    std::vector<Day> days;
    QHash<QString, int> dayIndex;  // of each table, vehicle and day
    std::vector<int> dayOfRow;     // the day of each row of the sheet
    void addDay(int row, const QString& key) {
        auto at = dayIndex.find(key);
        if (at == dayIndex.end()) {
            at = dayIndex.insert(key, int(days.size()));
            days.emplace_back();
        }
        if (dayOfRow.size() <= size_t(row))
            dayOfRow.resize(size_t(row) + 1, -1);
        dayOfRow[size_t(row)] = *at;
        days[size_t(*at)].rows.append(row);
    }
    // Each register's statement prepared once, by fuel kind for refuellings.
    std::unique_ptr<RecordInserter> inserters[2];
};

namespace {

QString dayKey(bool lpg, qint64 vehicle, qint64 date) {
    return QString::number(date * 2 + (lpg ? 1 : 0)) + QLatin1Char('|') + QString::number(vehicle);
}

}  // namespace

SheetImport::SheetImport(TmyDataBase& database, ImportKind kind)
    : m_database(database), m_kind(kind) {}

SheetImport::~SheetImport() = default;

void SheetImport::setSheet(CsvTable sheet) {
    m_sheet = std::move(sheet);
    m_verdicts = QList<RowVerdict>(m_sheet.rows.size());
    m_prepared.clear();
}

bool SheetImport::verify(const ImportLayout& layout) {
    return prepareRows(layout);
}

bool SheetImport::prepareRows(const ImportLayout& layout) {
    m_verdicts = QList<RowVerdict>(m_sheet.rows.size());
    m_prepared.assign(size_t(m_sheet.rows.size()), Prepared());
    m_lookups = std::make_unique<Lookups>();
    const DbError lookupError =
        m_lookups->load(m_database.DatabaseFirma(), m_kind == ImportKind::Costs);
    if (lookupError)
        m_database.errorReport().report(lookupError, 802);
    bool allPassed = true;
    for (int row = firstDataRow(layout); row < m_sheet.rows.size(); ++row) {
        QString error;
        if (lookupError)
            error = databaseError(lookupError);
        else
            prepare(row, layout, &m_prepared[size_t(row)], &error);
        if (error.isEmpty()) {
            m_prepared[size_t(row)].ok = true;
            m_verdicts[row] = {Outcome::Verified, ImportVerdicts::ok(), {}};
        } else {
            allPassed = false;
            m_verdicts[row] = {Outcome::Failed, ImportVerdicts::failed(), error};
        }
    }
    return allPassed;
}

bool SheetImport::prepare(int row, const ImportLayout& layout, Prepared* out,
                          QString* error) const {
    const QList<ImportField>& fields = ImportFields::of(m_kind);
    Record& record = out->record;
    qint64 amounts[3] = {0, 0, 0};  // net, VAT, gross in grosze
    int amount = 0;
    for (int f : ImportFields::verificationOrder(m_kind)) {
        const ImportField& field = fields[f];
        const int column = f < layout.columns.size() ? layout.columns[f] : 0;
        const QString cell = column > 0 ? m_sheet.cell(row, column - 1) : QString();
        const QString trimmed = ImportValues::text(cell);
        // An empty cell says no more than a column that is not there.
        const bool given = !trimmed.isEmpty();
        auto failWith = [&](const QString& message) {
            *error = message;
            return false;
        };
        switch (field.value) {
            case V::Date: {
                if (!given) {
                    if (!field.missing.isEmpty())
                        return failWith(field.missing);
                    record.set(field.name, 0);
                    break;
                }
                const std::optional<qint64> date = ImportValues::date(cell, layout.dateFormat);
                if (!date)
                    return failWith(field.invalid);
                record.set(field.name, *date);
                if (f == 0)
                    out->date = *date;
                break;
            }
            case V::Vehicle: {
                if (!given)
                    return failWith(field.missing);
                const auto found = m_lookups->vehicles.constFind(ImportValues::key(cell));
                if (found == m_lookups->vehicles.cend())
                    return failWith(field.invalid);
                out->vehicle = *found;
                record.set(QStringLiteral("IDPOJAZD"), *found);
                break;
            }
            case V::Text:
                record.set(field.name, trimmed);
                break;
            case V::FuelCard:
                if (given && !m_lookups->fuelCards.contains(trimmed))
                    return failWith(field.invalid);
                record.set(field.name, trimmed);
                break;
            case V::Number:
            case V::Amount: {
                const std::optional<qint64> value = ImportValues::hundredths(cell);
                if (!value)
                    return failWith(field.invalid);
                record.set(field.name, double(*value) / 100.0);
                if (field.value == V::Amount && amount < 3)
                    amounts[amount++] = *value;
                break;
            }
            case V::FuelQuantity: {
                std::optional<qint64> value = 0;
                if (record.flag(QStringLiteral("ISFUEL")))
                    value = ImportValues::hundredths(cell);
                if (!value)
                    return failWith(field.invalid);
                record.set(field.name, double(*value) / 100.0);
                break;
            }
            case V::Payment:
            case V::CostCentre:
            case V::RoadCard: {
                const QHash<QString, qint64>& entries =
                    field.value == V::Payment      ? m_lookups->payments
                    : field.value == V::CostCentre ? m_lookups->costCentres
                                                   : m_lookups->roadCards;
                const qint64 none = field.value == V::Payment ? 0 : -1;
                const QString key = ImportValues::key(cell);
                if (key.isEmpty()) {
                    record.set(field.name, none);
                    break;
                }
                const auto found = entries.constFind(key);
                if (found == entries.cend())
                    return failWith(field.invalid);
                record.set(field.name, *found);
                break;
            }
            case V::VatFlag:
                record.set(field.name, column > 0 && ImportValues::flag(cell, layout.vatSymbol)
                                           ? QStringLiteral("T")
                                           : QStringLiteral("N"));
                break;
            case V::FuelFlag:
                record.set(field.name, column > 0 && ImportValues::flag(cell, layout.fuelSymbol)
                                           ? QStringLiteral("T")
                                           : QString());
                break;
            case V::FuelKind:
                out->lpg = layout.fuelSource == ImportLayout::FuelSource::Lpg ||
                           (layout.fuelSource == ImportLayout::FuelSource::Column && column > 0 &&
                            trimmed.toUpper() == ImportValues::text(layout.lpgText).toUpper());
                break;
        }
        if (field.value == V::Number && !field.missing.isEmpty() && !given)
            return failWith(field.missing);
    }
    if (m_kind == ImportKind::Costs) {
        out->duplicateKey =
            costKey(out->vehicle, out->date, record.text(QStringLiteral("NRDOKUMENT")), amounts[0],
                    amounts[1], amounts[2]);
    } else {
        const RegisterId id = ImportFields::registerOf(m_kind);
        out->refuelling = ConsumptionStores::refuellingOf(id, record);
    }
    return true;
}

ImportCounts SheetImport::run(const ImportLayout& layout, const Options& options) {
    m_failure.clear();
    m_cancelled = false;
    prepareRows(layout);
    const RegisterId id = ImportFields::registerOf(m_kind);
    const bool lpgBefore = m_database.lpg(id);
    const ImportCounts counts = writeRows(layout, options);
    m_database.setLpg(id, lpgBefore);
    return counts;
}

ImportCounts SheetImport::writeRows(const ImportLayout& layout, const Options& options) {
    DbConnection& company = m_database.DatabaseFirma();
    Transaction transaction(company);
    if (DbError error = transaction.beginError())
        return failAll(layout, error);
    m_duplicates = std::make_unique<Duplicates>();
    qint64 first = 99999999;
    qint64 last = 0;
    for (int row = firstDataRow(layout); row < m_sheet.rows.size(); ++row) {
        const Prepared& p = m_prepared[size_t(row)];
        if (!p.ok)
            continue;
        first = std::min(first, p.date);
        last = std::max(last, p.date);
        if (m_kind != ImportKind::Costs)
            m_duplicates->addDay(row, dayKey(p.lpg, p.vehicle, p.date));
    }
    if (m_kind != ImportKind::Costs && first <= last) {
        if (const DbError error = readDays(first, last))
            return failAll(layout, error);
    }
    if (m_kind == ImportKind::Costs && first <= last) {
        DbQuery rows;
        const DbError error = company.select(
            SqlStatement(QStringLiteral("SELECT IDPOJAZD, DATA, NRDOKUMENT, WARTNETTO, WARTVAT, "
                                        "WARTBRUTTO FROM koszty WHERE DATA BETWEEN %1 AND %2")
                             .arg(first)
                             .arg(last)),
            &rows);
        if (error)
            return failAll(layout, error);
        while (rows.next())
            ++m_duplicates->stored[costKey(rows.value(0).toLongLong(), rows.value(1).toLongLong(),
                                           ImportValues::text(rows.value(2).toString()),
                                           storedHundredths(rows.value(3).toDouble()),
                                           storedHundredths(rows.value(4).toDouble()),
                                           storedHundredths(rows.value(5).toDouble()))];
    }

    const int begin = firstDataRow(layout);
    const int total = int(m_sheet.rows.size()) - begin;
    for (int row = begin; row < m_sheet.rows.size(); ++row) {
        if (options.progress && !options.progress(row - begin, total)) {
            m_cancelled = true;
            for (int rest = row; rest < m_sheet.rows.size(); ++rest) {
                if (m_prepared[size_t(rest)].ok)
                    m_verdicts[rest] = {Outcome::Skipped, ImportVerdicts::skipped(),
                                        QStringLiteral("Import przerwany")};
            }
            break;
        }
        if (!m_prepared[size_t(row)].ok)
            continue;
        if (m_kind == ImportKind::Costs)
            importCost(row);
        else
            importRefuelling(row, layout);
    }
    if (options.progress && !m_cancelled)
        options.progress(total, total);
    m_duplicates.reset();

    if (options.dryRun)
        return count();  // the transaction is rolled back on leaving
    if (DbError error = transaction.commit()) {
        m_failure = databaseError(error);
        for (RowVerdict& verdict : m_verdicts) {
            if (verdict.outcome == Outcome::Added || verdict.outcome == Outcome::Merged)
                verdict = {Outcome::Failed, ImportVerdicts::failed(), m_failure};
        }
    }
    return count();
}

void SheetImport::importCost(int row) {
    const Prepared& p = m_prepared[size_t(row)];
    int& stored = m_duplicates->stored[p.duplicateKey];
    if (stored > 0) {
        --stored;
        m_verdicts[row] = {Outcome::Skipped, ImportVerdicts::skipped(),
                           QStringLiteral("Wiersz jest już w rejestrze")};
        return;
    }
    std::optional<Savepoint> savepoint;
    DbError error = guardRow(savepoint, false);
    if (!error)
        error = inserter(false).insert(p.record);
    if (!error && savepoint)
        error = savepoint->release();
    if (error)
        return fail(row, databaseError(error));
    m_verdicts[row] = {Outcome::Added, ImportVerdicts::ok(), {}};
}

void SheetImport::importRefuelling(int row, const ImportLayout& layout) {
    const Prepared& p = m_prepared[size_t(row)];
    const RegisterId id = ImportFields::registerOf(m_kind);
    m_database.setLpg(id, p.lpg);
    Duplicates::Day& day = m_duplicates->days[size_t(m_duplicates->dayOfRow[size_t(row)])];
    if (day.present < 0) {
        // The sheet's first rows of the day that merge into exactly what the day held
        // before this import are the ones imported before.
        day.present = 0;
        day.exists = day.held.has_value();
        Consumption::Refuelling merged;
        for (int i = 0; day.held && i < day.rows.size(); ++i) {
            const Consumption::Refuelling next = m_prepared[size_t(day.rows[i])].refuelling;
            merged = i == 0 ? next : Consumption::merge(id, merged, next);
            if (sameRefuelling(merged, *day.held))
                day.present = i + 1;
        }
    }
    const int position = int(day.rows.indexOf(row));
    if (position < day.present) {
        m_verdicts[row] = {Outcome::Skipped, ImportVerdicts::skipped(),
                           QStringLiteral("Wiersz jest już w rejestrze")};
        return;
    }
    if (day.exists && !layout.mergeExistingDay)
        return fail(row, QStringLiteral("Na dany dzień istnieje już tankowanie"));

    std::optional<Savepoint> savepoint;
    DbError error = guardRow(savepoint, day.exists);
    if (!error && day.exists)
        m_database.mergeRefuelling(id, p.vehicle, p.date, p.refuelling, &error);
    else if (!error)
        error = inserter(p.lpg).insert(p.record);
    if (!error && savepoint)
        error = savepoint->release();
    if (error)
        return fail(row, databaseError(error));
    if (day.exists) {
        m_verdicts[row] = {Outcome::Merged, ImportVerdicts::ok(),
                           QStringLiteral("Zsumowano z istniejącym tankowaniem")};
    } else {
        day.exists = true;
        m_verdicts[row] = {Outcome::Added, ImportVerdicts::ok(), {}};
    }
}

DbError SheetImport::guardRow(std::optional<Savepoint>& savepoint, bool severalStatements) {
    // SQLite undoes a failed statement by itself and the transaction goes on; PostgreSQL
    // refuses every later statement until the savepoint is rolled back to.
    DbConnection& company = m_database.DatabaseFirma();
    if (!severalStatements && company.engine() == EngineKind::Sqlite)
        return {};
    savepoint.emplace(company, QStringLiteral("wiersz"));
    return savepoint->beginError();
}

RecordInserter& SheetImport::inserter(bool lpg) {
    std::unique_ptr<RecordInserter>& made = m_duplicates->inserters[lpg ? 1 : 0];
    if (!made) {
        const RegisterId id = ImportFields::registerOf(m_kind);
        made = std::make_unique<RecordInserter>(
            m_database, m_kind == ImportKind::Costs ? RecordStores::costs()
                                                    : ConsumptionStores::refuellings(id));
    }
    return *made;
}

DbError SheetImport::readDays(qint64 first, qint64 last) {
    const RegisterId id = ImportFields::registerOf(m_kind);
    for (const bool lpg : {false, true}) {
        m_database.setLpg(id, lpg);
        DbQuery rows;
        if (DbError error = m_database.DatabaseFirma().select(
                SqlStatement(QStringLiteral("SELECT IDPOJAZD, DATA, %1, TANKOWANIE, LICZNIK FROM "
                                            "%2 WHERE DATA BETWEEN %3 AND %4")
                                 .arg(ConsumptionStores::firstField(id), m_database.tableOf(id))
                                 .arg(first)
                                 .arg(last)),
                &rows))
            return error;
        while (rows.next()) {
            const auto day = m_duplicates->dayIndex.constFind(
                dayKey(lpg, rows.value(0).toLongLong(), rows.value(1).toLongLong()));
            if (day != m_duplicates->dayIndex.cend())
                m_duplicates->days[size_t(*day)].held = Consumption::Refuelling{
                    rows.value(2).toDouble(), rows.value(3).toDouble(), rows.value(4).toDouble()};
        }
    }
    return {};
}

ImportCounts SheetImport::failAll(const ImportLayout& layout, const DbError& error) {
    m_failure = databaseError(error);
    for (int row = firstDataRow(layout); row < m_sheet.rows.size(); ++row) {
        if (m_prepared[size_t(row)].ok)
            fail(row, m_failure);
    }
    return count();
}

void SheetImport::fail(int row, const QString& remark) {
    m_verdicts[row] = {Outcome::Failed, ImportVerdicts::failed(), remark};
}

ImportCounts SheetImport::count() const {
    ImportCounts counts;
    for (const RowVerdict& verdict : m_verdicts) {
        switch (verdict.outcome) {
            case Outcome::Added:
                ++counts.added;
                break;
            case Outcome::Merged:
                ++counts.merged;
                break;
            case Outcome::Skipped:
                ++counts.skipped;
                break;
            case Outcome::Failed:
                ++counts.failed;
                break;
            case Outcome::None:
            case Outcome::Verified:
                break;
        }
    }
    return counts;
}

QList<QStringList> SheetImport::resultSheet(bool withHeader) const {
    QList<QStringList> rows;
    if (withHeader) {
        QStringList header;
        for (int c = 1; c <= m_sheet.columns; ++c)
            header << QStringLiteral("Kolumna #%1").arg(c);
        rows << (header << QStringLiteral("Zaimportowano?") << QStringLiteral("Uwagi"));
    }
    for (int row = 0; row < m_sheet.rows.size(); ++row) {
        QStringList cells;
        for (int c = 0; c < m_sheet.columns; ++c)
            cells << m_sheet.cell(row, c);
        const RowVerdict verdict = row < m_verdicts.size() ? m_verdicts[row] : RowVerdict();
        rows << (cells << verdict.imported << verdict.remark);
    }
    return rows;
}
