#pragma once

#include "admin/ConfigPP.h"
#include "data/FilterSelection.h"
#include "output/report/PreparedReport.h"
#include "output/report/ReportCatalogue.h"

#include <QString>
#include <functional>
#include <optional>

class TmyDataBase;

// What the reports page holds when a report runs (the command line gives the same).
struct ReportChoices {
    FilterSelection selection;         // the filter bar: the vehicle and year preconditions
    QString company;                   // FIRMA as the main window shows it
    QString driver;                    // NREW of the driver list; empty: none chosen
    QString driverText;                // as the driver list shows it
    QString fuelCard;                  // IDKARTY; empty: none chosen
    std::optional<qint64> roadCard;    // IDDROGOWA
    std::optional<qint64> costCentre;  // KOD, when "Dla CK:" is checked
    QString costCentreText;
    QString orderNumber;
    QString orderText;
    std::optional<qint64> fuelKind;    // KOD, when "Wskazane paliwo" is checked
    QString fuelKindText;              // the consumption reports' fuel kind, as the list shows it
    std::optional<QString> issueDate;  // "Data wystawienia:" when checked
    std::function<QString(const QString&)> translate;
};

struct ReportOutcome {
    enum class Status { Prepared, Refused, LayoutFailed, Failed, Cancelled };
    Status status = Status::Failed;
    QString message;  // Refused: the precondition's message; LayoutFailed: where and why
    PreparedReport report;

    bool prepared() const { return status == Status::Prepared; }
};

// Runs a report of the catalogue: its precondition, then its list walked on a private copy
// of the list's filters with the report's own change (a driver, a card, an order number,
// every vehicle), the report module answering its variables, the layout prepared. The
// filters and lists of the main window are never touched, whatever fails.
namespace ReportRunner {

// The precondition's message when it fails, else empty.
QString precondition(const CatalogueReport& entry, const ReportChoices& choices);

ReportOutcome run(TmyDataBase& database, const CatalogueReport& entry, const ReportChoices& choices,
                  const TconfigPP& options);

// The column of the register's own table, qualified as its list statement names it.
QString ownColumn(RegisterId id, const QString& column);

}  // namespace ReportRunner
