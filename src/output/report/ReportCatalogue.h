#pragma once

#include "data/registers/RegisterId.h"
#include "output/report/ReportVariableSets.h"

#include <QList>
#include <QString>

// What a report needs chosen before it runs, tested in this order of the reports page.
enum class ReportNeed { None, Vehicle, VehicleAndYear, Driver, RoadCard, FuelCard };

// What a report walks, and what it changes on its own copy of the list's filters.
enum class ReportRun {
    List,              // the register's list as the page shows it
    DriverByVehicle,   // narrowed to the driver (IDKIEROWCY), ordered by vehicle
    DriverOwn,         // narrowed to the driver (NREW)
    FuelCardCosts,     // costs of the chosen fuel card
    RoadCardCosts,     // costs of the chosen road card, whatever the costs' own road card
    EveryVehicle,      // the vehicles list without the vehicle filter
    OneOrder,          // the order of the typed number
    FuelPrices,        // narrowed to the chosen fuel kind when one is chosen
    DriversOfVehicle,  // the people who drove the listed trips
    OneRoadCard,       // the road-card form
    FuelPurchases,     // fuel purchases per vehicle
    YearlySummary,     // the yearly summary window, no layout
};

// The sub-pages of the reports page, in their order on the page.
enum class ReportPage { Vehicles, Drivers, RoadCards, Other1, Other2, Individual };

// One report of the reports page and of the menu "Raporty".
struct CatalogueReport {
    QString name;     // the layout's file stem, e.g. "koszty_p"; the command line's NAME
    QString caption;  // the menu's caption; the button's is padded with blanks
    QString handler;  // the page button, e.g. "SpeedButton3"
    ReportPage page = ReportPage::Vehicles;
    ReportNeed need = ReportNeed::None;
    RegisterId list = RegisterId::Koszty;  // the list walked
    ReportRun run = ReportRun::List;
    ReportKind kind;  // the variables answered

    QString layoutFile() const { return name + QStringLiteral(".xml"); }
};

namespace ReportCatalogue {

// Every report, in the order of its page.
const QList<CatalogueReport>& all();
const CatalogueReport* byName(const QString& name);
QString pageCaption(ReportPage page);

}  // namespace ReportCatalogue
