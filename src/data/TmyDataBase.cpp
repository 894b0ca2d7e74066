#include "data/TmyDataBase.h"

#include "data/FilterClauses.h"
#include "data/ListModel.h"
#include "data/Money.h"
#include "data/RecordTemplates.h"
#include "data/records/DictionaryStore.h"
#include "data/schema/Schema.h"

#include <QAtomicInt>
#include <cmath>

namespace {

QString instanceSuffix() {
    static QAtomicInt counter;
    return QStringLiteral("-%1").arg(counter.fetchAndAddRelaxed(1));
}

// Numbers go into statements as decimal text with "." whatever the locale.
QString literal(double value) {
    return QString::number(value, 'f', 2);
}

std::optional<qint64> wholeNumber(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value != std::trunc(value))
        return std::nullopt;
    return qint64(value);
}

}  // namespace

TmyDataBase::TmyDataBase(MessageService* messages)
    : m_company(QStringLiteral("DatabaseFirma") + instanceSuffix()),
      m_main(QStringLiteral("DatabaseMain") + instanceSuffix()),
      m_report(messages),
      m_lookups(m_company, m_report),
      m_distances(m_main, m_report) {
    resetFilters(QDate::currentDate().year());
}

TmyDataBase::~TmyDataBase() = default;

bool TmyDataBase::openCompany(const DbLocation& location, const QString& dir, int currentYear) {
    closeDatabases();
    DbError error = m_company.openCompany(location, dir, true);
    if (!error)
        error = m_main.openMain(location, true);
    if (error) {
        closeDatabases();
        m_report.report(error, 566);
        return false;
    }
    m_location = location;
    m_dir = dir;
    m_lpg.fill(false);
    resetFilters(currentYear);

    SqlStatement kinds(
        QStringLiteral("SELECT OPIS FROM slowniki WHERE IDSLOWNIK = :CODE ORDER BY KOD"));
    kinds.bindText(QStringLiteral(":CODE"), QStringLiteral("RDPOJ"));
    DbQuery rows;
    m_kindTexts = QStringList{QString()};
    if (DbError failed = m_company.select(kinds, &rows)) {
        m_report.report(failed, 48);
        return true;
    }
    while (rows.next())
        m_kindTexts << rows.text(u"OPIS");
    return true;
}

void TmyDataBase::closeDatabases() {
    m_company.close();
    m_main.close();
    m_dir.clear();
}

void TmyDataBase::resetFilters(int year) {
    const auto [lo, hi] = FilterClauses::yearBounds(year, 0);
    m_chosenVehicle = VehicleInfo();
    for (const RegisterDescriptor& d : Registers::all()) {
        FilterState state;
        if (d.vehicleFilter == VehicleFilterKind::VehicleKey)
            state.vehicle = FilterClauses::vehicleByKey(-1);
        state.period = FilterClauses::period(d.period, lo, hi, false);
        state.sortField = d.defaultSort;
        m_filters[size_t(d.id)] = state;
        m_summaries[size_t(d.id)] = {};
    }
    m_periodBounds = {lo, hi};
}

VehicleInfo TmyDataBase::applySelection(const FilterSelection& selection) {
    qint64 lo = 0;
    qint64 hi = 0;
    bool inclusive = false;
    switch (selection.period) {
        case FilterSelection::Period::All:
            break;
        case FilterSelection::Period::Year:
            std::tie(lo, hi) = FilterClauses::yearBounds(selection.year, selection.month);
            break;
        case FilterSelection::Period::Range:
            std::tie(lo, hi) = FilterClauses::rangeBounds(selection.from, selection.to);
            inclusive = true;
            break;
    }
    m_periodBounds = {lo, hi};

    VehicleInfo vehicle;
    if (!selection.vehicle.isEmpty()) {
        DbError error;
        if (auto found = vehicleByRegistration(selection.vehicle, &error))
            vehicle = *found;
        else if (error)
            m_report.report(error, 161);
        vehicle.registration = selection.vehicle;
    }

    for (const RegisterDescriptor& d : Registers::all()) {
        FilterState& state = m_filters[size_t(d.id)];
        state.period = selection.period == FilterSelection::Period::All
                           ? Clause()
                           : FilterClauses::period(d.period, lo, hi, inclusive);
        switch (d.vehicleFilter) {
            case VehicleFilterKind::None:
                break;
            case VehicleFilterKind::Registration:
                state.vehicle = selection.vehicle.isEmpty()
                                    ? Clause()
                                    : FilterClauses::vehicleByRegistration(selection.vehicle);
                break;
            case VehicleFilterKind::VehicleKey:
                state.vehicle = FilterClauses::vehicleByKey(vehicle.key);
                break;
        }
    }
    FilterState& costs = m_filters[size_t(RegisterId::Koszty)];
    costs.fuelOnly = selection.fuelOnly ? FilterClauses::fuelOnly() : Clause();
    costs.costCentre =
        selection.costCentre ? FilterClauses::costCentre(*selection.costCentre) : Clause();
    costs.roadCard = selection.roadCard ? FilterClauses::roadCard(*selection.roadCard) : Clause();
    m_chosenVehicle = vehicle;
    return vehicle;
}

bool TmyDataBase::sortByColumn(RegisterId id, const QString& field) {
    const QString canonical = Registers::get(id).sortableField(field);
    if (canonical.isEmpty())
        return false;
    FilterState& state = filter(id);
    if (state.sortField.compare(canonical, Qt::CaseInsensitive) == 0)
        state.ascending = !state.ascending;
    state.sortField = canonical;
    return true;
}

QString TmyDataBase::tableOf(RegisterId id) const {
    const RegisterDescriptor& d = Registers::get(id);
    return d.isConsumption() && m_lpg.at(size_t(id)) ? d.lpgTable : d.name;
}

SqlStatement TmyDataBase::listStatement(RegisterId id, const FilterState& state) const {
    const RegisterDescriptor& d = Registers::get(id);
    SqlTemplate statement =
        SqlTemplate::parse(d.isConsumption() ? d.listTemplate.arg(tableOf(id)) : d.listTemplate);
    auto put = [&statement](int line, const Clause& clause) {
        if (line < 0)
            return;
        statement.setLine(line, clause.text);
        for (const auto& [name, value] : clause.bindings)
            statement.bind(name, value);
    };
    put(d.vehicleLine, state.vehicle);
    put(d.periodLine, state.period);
    put(d.reportLine, state.report);
    put(d.fuelOnlyLine, state.fuelOnly);
    put(d.costCentreLine, state.costCentre);
    put(d.roadCardLine, state.roadCard);
    if (!d.fixedSort) {
        // Only a field the register knows is ever written into the statement.
        QString sort = d.sortableField(state.sortField);
        if (sort.isEmpty())
            sort = d.defaultSort;
        statement.setLine(d.sortLine, sort);
        statement.setLine(d.directionLine, state.ascending ? QStringLiteral("ASC NULLS LAST")
                                                           : QStringLiteral("DESC NULLS LAST"));
    }
    return statement.statement();
}

std::shared_ptr<ListTable> TmyDataBase::runList(RegisterId id, const FilterState& state,
                                                DbError* error) {
    const RegisterDescriptor& d = Registers::get(id);
    if (d.computed == ComputedValues::TripRates)
        reloadRates();
    auto table = std::make_shared<ListTable>();
    const DbError failed = ListTable::read(m_company, listStatement(id, state), table.get());
    if (error)
        *error = failed;
    if (failed)
        return nullptr;
    computeValues(id, *table);
    return table;
}

void TmyDataBase::computeValues(RegisterId id, ListTable& table) {
    switch (Registers::get(id).computed) {
        case ComputedValues::None:
            return;
        case ComputedValues::SettlementValues: {
            // The value is money: the exact product of hours and rate, to the grosz.
            const int hours = table.fieldIndex(u"GODZINY");
            const int rate = table.fieldIndex(u"STAWKA");
            std::vector<double> values(size_t(table.rowCount()));
            for (int r = 0; r < table.rowCount(); ++r) {
                const auto grosze = Money::product(table.number(r, hours), table.number(r, rate));
                values[size_t(r)] = grosze ? double(*grosze) / 100 : 0.0;
            }
            table.setNumbers(QStringLiteral("WARTOSC"), values);
            return;
        }
        case ComputedValues::ContinuousConsumption:
            table.setNumbers(QStringLiteral("ZUZYCIE"), Consumption::continuous(table));
            return;
        case ComputedValues::TripRates: {
            const int kind = table.fieldIndex(u"RODZAJ");
            const int capacity = table.fieldIndex(u"POJEMNOSC");
            const int date = table.fieldIndex(u"DATA");
            const int distance = table.fieldIndex(u"ODLEGLOSC");
            std::vector<double> rates(size_t(table.rowCount()));
            std::vector<double> amounts(size_t(table.rowCount()));
            for (int r = 0; r < table.rowCount(); ++r) {
                const double rate = m_rates.rate(table.integer(r, kind), table.integer(r, capacity),
                                                 table.integer(r, date));
                rates[size_t(r)] = rate;
                // The amount to the grosz, from the exact product: 25 km at 0,8358 is 20,90.
                const auto grosze = Money::product(table.number(r, distance), rate);
                amounts[size_t(r)] = grosze ? double(*grosze) / 100 : 0.0;
            }
            table.setNumbers(QStringLiteral("STAWKA"), rates);
            table.setNumbers(QStringLiteral("KWOTA"), amounts);
            return;
        }
    }
}

bool TmyDataBase::refreshList(RegisterId id, ListModel& model) {
    DbError error;
    std::shared_ptr<ListTable> table = runList(id, filter(id), &error);
    if (!table) {
        m_report.report(error, Registers::get(id).listErrorCode);
        return false;
    }
    if (Registers::get(id).isConsumption())
        m_summaries[size_t(id)] = Consumption::summarize(id, *table);
    model.setTable(std::move(table));
    if (id == RegisterId::Stawki)
        titleRateColumns(model);
    return true;
}

void TmyDataBase::titleRateColumns(ListModel& model) {
    // The rates of the motorcycle, the moped and the free kinds are titled by the kinds'
    // current names, as the company called them.
    const auto kinds = DictionaryStore(*this).vehicleKinds();
    if (!kinds)
        return;
    const RegisterDescriptor& d = Registers::get(RegisterId::Stawki);
    for (int c = 0; c < d.columns.size(); ++c) {
        const QString& field = d.columns.at(c).field;
        int kind = 0;
        if (field == QLatin1String("MOTOCYKL"))
            kind = DictionaryStore::kFirstNamedKind;
        else if (field == QLatin1String("MOTOROWER"))
            kind = DictionaryStore::kFirstNamedKind + 1;
        else if (field.startsWith(QLatin1String("RDPOJ")))
            kind = field.mid(5).toInt();
        if (kind > 0 && kinds->contains(kind) && !kinds->value(kind).trimmed().isEmpty())
            model.setColumnTitle(c, kinds->value(kind).trimmed());
    }
}

bool TmyDataBase::reloadRates() {
    TripRates rates;
    if (DbError error = TripRates::load(m_company, &rates)) {
        m_report.report(error, 24);
        m_rates = TripRates();
        return false;
    }
    m_rates = std::move(rates);
    return true;
}

TmyDataBase::Existence TmyDataBase::exists(const QString& table, const QString& field, qint64 value,
                                           qint64 errorCode) {
    const TableDef* def = Schema::companyTable(table);
    if (!def || !def->field(field)) {
        m_report.report(QStringLiteral("Nieznane pole %1.%2").arg(table, field), true, errorCode);
        return Existence::Failed;
    }
    DbQuery rows;
    const SqlStatement statement(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = %3")
                                     .arg(def->name, def->field(field)->name)
                                     .arg(value));
    if (DbError error = m_company.select(statement, &rows)) {
        m_report.report(error, errorCode);
        return Existence::Failed;
    }
    return rows.next() && rows.value(0).toLongLong() > 0 ? Existence::Yes : Existence::No;
}

TmyDataBase::Existence TmyDataBase::exists(const QString& table, const QString& field,
                                           const QString& value, qint64 errorCode) {
    const TableDef* def = Schema::companyTable(table);
    if (!def || !def->field(field)) {
        m_report.report(QStringLiteral("Nieznane pole %1.%2").arg(table, field), true, errorCode);
        return Existence::Failed;
    }
    SqlStatement statement(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = :KEY")
                               .arg(def->name, def->field(field)->name));
    statement.bindText(QStringLiteral(":KEY"), value);
    DbQuery rows;
    if (DbError error = m_company.select(statement, &rows)) {
        m_report.report(error, errorCode);
        return Existence::Failed;
    }
    return rows.next() && rows.value(0).toLongLong() > 0 ? Existence::Yes : Existence::No;
}

TmyDataBase::Existence TmyDataBase::refuellingExists(RegisterId id, qint64 vehicle, qint64 date,
                                                     qint64 errorCode) {
    DbQuery rows;
    const SqlStatement statement(
        QStringLiteral("SELECT COUNT(*) FROM %1 WHERE DATA = %2 AND IDPOJAZD = %3")
            .arg(tableOf(id))
            .arg(date)
            .arg(vehicle));
    if (DbError error = m_company.select(statement, &rows)) {
        m_report.report(error, errorCode);
        return Existence::Failed;
    }
    return rows.next() && rows.value(0).toLongLong() > 0 ? Existence::Yes : Existence::No;
}

bool TmyDataBase::mergeRefuelling(RegisterId id, qint64 vehicle, qint64 date,
                                  const Consumption::Refuelling& added, DbError* failure) {
    const qint64 code = id == RegisterId::Zuzycie     ? 801
                        : id == RegisterId::ZuzycieKm ? 962035
                                                      : 972035;
    const QString table = tableOf(id);
    const QString first =
        id == RegisterId::Zuzycie ? QStringLiteral("BAK") : QStringLiteral("PRZEBIEG");
    Transaction transaction(m_company);
    DbError error = transaction.beginError();
    DbQuery rows;
    // The merge computes from the stored values: no other program may change them first.
    if (!error)
        error = m_company.select(
            SqlStatement(QStringLiteral("SELECT * FROM %1 WHERE DATA = %2 AND IDPOJAZD = %3")
                             .arg(table)
                             .arg(date)
                             .arg(vehicle) +
                         m_company.forUpdate()),
            &rows);
    if (!error && !rows.next())
        error = DbError(
            DbError::Kind::Other,
            QStringLiteral("Nie znaleziono tankowania pojazdu z dnia %1 do połączenia.").arg(date));
    if (!error) {
        const Consumption::Refuelling existing{rows.number(first), rows.number(u"TANKOWANIE"),
                                               rows.number(u"LICZNIK")};
        const Consumption::Refuelling merged = Consumption::merge(id, existing, added);
        const QString name = id == RegisterId::Zuzycie     ? QStringLiteral("DBFUpdateZuzycie")
                             : id == RegisterId::ZuzycieKm ? QStringLiteral("DBFUpdateZuzycieKm")
                                                           : QStringLiteral("DBFUpdateZuzycieMth");
        SqlTemplate update = RecordTemplates::get(name, table);
        update.setLine(3, QString::number(date));
        update.setLine(5, literal(merged.first));
        update.setLine(7, literal(merged.fuel));
        update.setLine(9, literal(merged.reading));
        update.setLine(11, QString::number(vehicle));
        update.setLine(13, QString::number(date));
        error = m_company.execute(update.statement());
    }
    if (!error)
        error = transaction.commit();
    if (failure)
        *failure = error;
    if (error) {
        m_report.report(error, code);
        return false;
    }
    return true;
}

std::optional<double> TmyDataBase::lastDistanceReading(qint64 date, bool* failed) {
    if (failed)
        *failed = false;
    const FilterState& state = filter(RegisterId::ZuzycieKm);
    SqlStatement statement(
        QStringLiteral(
            "SELECT DATA, LICZNIK FROM %1 WHERE 1 = 1 %2 AND DATA < %3 %4 ORDER BY DATA DESC")
            .arg(tableOf(RegisterId::ZuzycieKm), state.vehicle.text)
            .arg(date)
            .arg(state.report.text));
    for (const Clause* clause : {&state.vehicle, &state.report}) {
        for (const auto& [name, value] : clause->bindings)
            statement.bind(name, value);
    }
    DbQuery rows;
    if (DbError error = m_company.select(statement, &rows)) {
        m_report.report(error, 181827);
        if (failed)
            *failed = true;
        return std::nullopt;
    }
    if (!rows.next())
        return std::nullopt;
    return rows.number(u"LICZNIK");
}

bool TmyDataBase::deleteRecord(RegisterId id, const QStringList& keyValues) {
    const RegisterDescriptor& d = Registers::get(id);
    if (keyValues.size() != d.keyFields.size())
        return false;
    SqlTemplate statement = SqlTemplate::parse(d.isConsumption() ? d.deleteTemplate.arg(tableOf(id))
                                                                 : d.deleteTemplate);
    const TableDef* table = Schema::companyTable(tableOf(id));
    const QList<int> runs = statement.slotRuns();
    int run = 0;
    for (int k = 0; k < d.keyFields.size(); ++k) {
        const FieldDef* field = table ? table->field(d.keyFields[k]) : nullptr;
        if (field && field->kind == FieldKind::Text) {
            statement.setParam(0, keyValues[k]);
            continue;
        }
        const auto number = wholeNumber(keyValues[k]);
        if (!number || run >= runs.size())
            return false;
        statement.setLine(runs[run++], QString::number(*number));
    }
    if (DbError error = m_company.execute(statement.statement())) {
        m_report.report(error, d.deleteErrorCode);
        return false;
    }
    return true;
}

std::optional<VehicleInfo> TmyDataBase::vehicleByRegistration(const QString& registration,
                                                              DbError* error) {
    SqlStatement statement(
        QStringLiteral("SELECT IDPOJAZD, NRREJ, MARKA, POJEMNOSC, NORMAOD, NORMADO FROM pojazdy "
                       "WHERE NRREJ = :NRREJ"));
    statement.bindText(QStringLiteral(":NRREJ"), registration);
    DbQuery rows;
    *error = m_company.select(statement, &rows);
    if (*error || !rows.next())
        return std::nullopt;
    VehicleInfo info;
    info.key = rows.integer(u"IDPOJAZD");
    info.registration = rows.text(u"NRREJ");
    info.make = rows.text(u"MARKA");
    info.capacity = rows.integer(u"POJEMNOSC");
    info.normFrom = rows.number(u"NORMAOD");
    info.normTo = rows.number(u"NORMADO");
    return info;
}

QString TmyDataBase::companyDataName() {
    DbQuery rows;
    if (DbError error = m_company.select(
            SqlStatement(QStringLiteral("SELECT NAZWA FROM firma WHERE IDFIRMA = 1")), &rows)) {
        m_report.report(error, 1);
        return {};
    }
    return rows.next() ? rows.text(u"NAZWA") : QString();
}
