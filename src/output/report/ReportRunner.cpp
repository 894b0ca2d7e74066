#include "output/report/ReportRunner.h"

#include "data/Consumption.h"
#include "data/ListModel.h"
#include "data/TmyDataBase.h"
#include "output/report/ReportEngine.h"
#include "output/report/ReportStatements.h"
#include "output/report/TDMRaporty.h"
#include "support/translation/TResourceTranslator.h"

#include <QRegularExpression>

namespace ReportRunner {
namespace {

const QString kYearFilter = QStringLiteral("\"Dane dla <ROK>\"");

Clause equals(RegisterId id, const char* column, const QVariant& value) {
    Clause clause;
    clause.text = QStringLiteral("AND %1 = :REPORTKEY").arg(ownColumn(id, QLatin1String(column)));
    clause.bindings.append({QStringLiteral(":REPORTKEY"), value});
    return clause;
}

// The report's change, applied to its own copy of the list's filters.
FilterState stateFor(TmyDataBase& database, const CatalogueReport& entry, const ReportChoices& c) {
    FilterState state = database.filter(entry.list);
    switch (entry.run) {
        case ReportRun::DriverByVehicle:
            state.report = equals(entry.list, "IDKIEROWCY", c.driver);
            // By vehicle, as the reader looks for them: the registration column.
            state.sortField = QStringLiteral("NRREJ");
            state.ascending = true;
            break;
        case ReportRun::DriverOwn:
            state.report = equals(entry.list, "NREW", c.driver);
            break;
        case ReportRun::FuelCardCosts:
            state.report = equals(entry.list, "IDKARTY", c.fuelCard);
            break;
        case ReportRun::RoadCardCosts:
            state.roadCard = equals(entry.list, "IDDROGOWA", c.roadCard.value_or(0));
            break;
        case ReportRun::EveryVehicle:
            state.vehicle = Clause();
            break;
        case ReportRun::OneOrder:
            state.report = equals(entry.list, "NRDOKUMENTU", c.orderNumber);
            break;
        case ReportRun::FuelPrices:
            if (c.fuelKind)
                state.report = equals(entry.list, "RODZAJPALIWA", *c.fuelKind);
            break;
        default:
            break;
    }
    return state;
}

ReportContext contextFor(TmyDataBase& database, const CatalogueReport& entry,
                         const ReportChoices& c, const TconfigPP& options) {
    ReportContext context;
    context.company = c.company;
    context.period = database.periodBounds();
    context.driverText = c.driverText;
    context.fuelCard = c.fuelCard;
    context.issueDate = c.issueDate;
    context.signedBy = options.cbRapWystawil;
    context.acceptedBy = options.cbRapZaakceptowal;
    context.fuelKindText = c.fuelKindText;
    context.fuelKindChosen = entry.run == ReportRun::FuelPrices && c.fuelKind.has_value();
    context.costCentre = c.costCentre ? c.costCentreText : QString();
    context.orderText = c.orderText;
    context.translate = c.translate;
    if (entry.run == ReportRun::OneRoadCard)
        context.companyAddress = TDMRaporty::companyAddress(database);
    context.readChosenVehicle(database);
    return context;
}

}  // namespace

QString ownColumn(RegisterId id, const QString& column) {
    // The list statements name their own table first: "FROM koszty k ...".
    static const QRegularExpression from(QStringLiteral(R"(\bFROM\s+\S+\s+([A-Za-z]\w*))"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = from.match(Registers::get(id).listTemplate);
    const QString alias = match.captured(1);
    static const QStringList keywords{QStringLiteral("LEFT"),  QStringLiteral("JOIN"),
                                      QStringLiteral("WHERE"), QStringLiteral("INNER"),
                                      QStringLiteral("ORDER"), QStringLiteral("GROUP")};
    if (alias.isEmpty() || keywords.contains(alias, Qt::CaseInsensitive))
        return column;
    return alias + QLatin1Char('.') + column;
}

QString precondition(const CatalogueReport& entry, const ReportChoices& c) {
    switch (entry.need) {
        case ReportNeed::None:
            return {};
        case ReportNeed::RoadCard:
            return c.roadCard ? QString()
                              : QStringLiteral(
                                    "Nie wskazano karty drogowej. Wybierz kartę z "
                                    "rozwijanej listy obok.");
        case ReportNeed::Driver:
            return !c.driver.isEmpty() ? QString()
                                       : QStringLiteral(
                                             "Nie wskazano kierowcy, dla którego wygenerować "
                                             "zestawienie. Wybierz kierowcę z rozwijanej listy "
                                             "powyżej.");
        case ReportNeed::FuelCard:
            return !c.fuelCard.isEmpty()
                       ? QString()
                       : QStringLiteral(
                             "Nie wskazano karty paliwowej, dla której wygenerować "
                             "zestawienie. Wybierz kartę z rozwijanej listy powyżej.");
        case ReportNeed::Vehicle:
        case ReportNeed::VehicleAndYear:
            break;
    }
    if (c.selection.vehicle.isEmpty())
        return QStringLiteral(
            "Nie wskazano pojazdu, dla którego wygenerować zestawienie. "
            "Wybierz pojazd z filtra poniżej: \"Dane dla pojazdu\".");
    if (entry.need != ReportNeed::VehicleAndYear)
        return {};
    if (c.selection.period == FilterSelection::Period::Range)
        return QStringLiteral("Filtr ") + kYearFilter +
               QStringLiteral(
                   " u dołu ekranu nieaktywny. Aktywuj filtr i wskaż w nim rok, "
                   "dla którego wygenerować zestawienie.");
    if (c.selection.year <= 0)
        return QStringLiteral(
                   "Nie wskazano roku, dla którego wygenerować zestawienie. Wybierz "
                   "rok z filtru ") +
               kYearFilter + QStringLiteral(" u dołu ekranu.");
    return {};
}

ReportOutcome run(TmyDataBase& database, const CatalogueReport& entry, const ReportChoices& choices,
                  const TconfigPP& options) {
    ReportOutcome outcome;
    outcome.message = precondition(entry, choices);
    if (!outcome.message.isEmpty()) {
        outcome.status = ReportOutcome::Status::Refused;
        return outcome;
    }
    if (entry.run == ReportRun::YearlySummary) {
        outcome.status = ReportOutcome::Status::Failed;
        outcome.message = QStringLiteral("Zestawienie roczne nie jest raportem z układem.");
        return outcome;
    }
    const FilterState state = stateFor(database, entry, choices);
    std::shared_ptr<const ListTable> rows;
    RegisterId shownAs = entry.list;
    switch (entry.run) {
        case ReportRun::DriversOfVehicle:
            rows = ReportStatements::driversOfVehicle(database, state);
            break;
        case ReportRun::OneRoadCard:
            rows = ReportStatements::roadCard(database, choices.roadCard.value_or(0));
            break;
        case ReportRun::FuelPurchases:
            rows = ReportStatements::fuelPurchases(database, state, choices.costCentre);
            break;
        default: {
            DbError error;
            rows = database.runList(entry.list, state, &error);
            if (!rows)
                database.errorReport().report(error, Registers::get(entry.list).listErrorCode);
            break;
        }
    }
    // A list that failed (reported) prints what it holds: nothing.
    if (!rows)
        rows = std::make_shared<ListTable>();
    ReportContext context = contextFor(database, entry, choices, options);
    if (Registers::get(entry.list).isConsumption()) {
        context.summary = Consumption::summarize(entry.list, *rows);
        // The fuel kind of the table walked, whatever list last switched.
        const QString kind =
            database.lpg(entry.list) ? QStringLiteral("Gaz LPG") : QStringLiteral("Paliwo płynne");
        context.fuelKindText = choices.translate ? choices.translate(kind) : tx(kind);
    }
    std::unique_ptr<TDMRaporty> module;
    if (entry.run == ReportRun::DriversOfVehicle || entry.run == ReportRun::OneRoadCard ||
        entry.run == ReportRun::FuelPurchases) {
        module = std::make_unique<TDMRaporty>(entry.kind, std::move(context), rows);
    } else {
        ListModel list(shownAs);
        list.setTable(rows);
        module = std::make_unique<TDMRaporty>(entry.kind, std::move(context), list);
    }
    ReportEngine::Result result = ReportEngine::prepare(entry.layoutFile(), module.get(), *module);
    if (auto* error = std::get_if<LayoutError>(&result)) {
        outcome.status = ReportOutcome::Status::LayoutFailed;
        outcome.message = error->text();
        return outcome;
    }
    outcome.report = std::move(std::get<PreparedReport>(result));
    outcome.status = outcome.report.cancelled ? ReportOutcome::Status::Cancelled
                                              : ReportOutcome::Status::Prepared;
    return outcome;
}

}  // namespace ReportRunner
