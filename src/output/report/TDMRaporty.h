#pragma once

#include "data/Consumption.h"
#include "data/DisplayFormat.h"
#include "data/FilterSelection.h"
#include "data/ListModel.h"
#include "output/report/ReportSource.h"
#include "output/report/ReportVariableSets.h"

#include <QHash>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class TmyDataBase;

// What a report prints besides its rows: the choices of the main window and of the
// reports page at the time of the run. A report runs on its own copy.
struct ReportContext {
    QString company;  // FIRMA: the company name as the main window shows it
    // The vehicle the vehicles list stands on (NRREJ, POJEMNOSC, NORMAOD/DO, WLASCICIEL);
    // an empty registration prints them empty.
    VehicleInfo vehicle;
    QString vehicleOwner;                    // its NREW
    QString chosenRegistration;              // the vehicle filter's choice; empty for every vehicle
    std::pair<qint64, qint64> period{0, 0};  // TmyDataBase::periodBounds()
    QString driverText;                      // the driver list of the reports page
    QString fuelCard;                        // the chosen fuel card's IDKARTY
    std::optional<QString> issueDate;        // "Data wystawienia:" when checked
    bool signedBy = false;                   // the option cbRapWystawil
    bool acceptedBy = false;                 // the option cbRapZaakceptowal
    Consumption::Summary summary;            // of the consumption list walked
    QString fuelKindText;                    // rodzajPaliwaRaport's text
    bool fuelKindChosen = false;             // fuel prices narrowed to one fuel kind
    QString costCentre;      // the fuel purchases' cost centre name; empty when "Dla CK:" is off
    QString orderText;       // rapZlecTresc
    QString subject;         // the record printout's TEMAT
    QString body;            // and its TRESC
    QString companyAddress;  // the road-card form's FIRMA, see TDMRaporty::companyAddress()
    // The language file's translation of a fixed word; none leaves the words as they are.
    std::function<QString(const QString&)> translate;

    // Takes the vehicle, its owner and its norms from a row of the vehicles list.
    void setVehicle(const ListModel& vehicles, int row);
    // The vehicle the vehicle filter chose, from its own row of the vehicles list (which
    // under that filter holds it alone); nothing when none is chosen.
    void readChosenVehicle(TmyDataBase& database);
};

// The report module for one run: walks the rows of the list a report names and answers
// the layout's variables for the row it stands on. Totals and the page number start
// again at every first(); each summed value counts once per row, however often a layout
// asks for it.
class TDMRaporty final : public ReportDataSource, public ReportValues {
public:
    // Over the rows a register's grid holds (refreshed with the report's clauses).
    TDMRaporty(ReportKind kind, ReportContext context, const ListModel& rows);
    // Over rows of a statement of the reports (drivers of a vehicle, the single road card,
    // the fuel purchases), named as that statement selects them. Without rows the record
    // printout walks one empty row and every other report none.
    TDMRaporty(ReportKind kind, ReportContext context,
               std::shared_ptr<const ListTable> rows = nullptr);

    void first() override;
    void next() override;
    bool atEnd() const override;
    int rowCount() const override { return m_rowCount; }
    QString value(const QString& name) override;
    void pageStarted(int page) override;

    const ReportContext& context() const { return m_context; }

    // The company's own data (NAZWA, ULICA, NUMER, KOD, MIASTO joined by blanks) for the
    // road-card form; empty when missing, a database error reported with code 2.
    static QString companyAddress(TmyDataBase& database);

private:
    TDMRaporty(ReportKind kind, ReportContext context, RegisterId shownAs,
               std::shared_ptr<const ListTable> rows);

    struct Answer {
        QString text;
        std::optional<qint64> amount;  // hundredths added to the variable's total
    };
    Answer answer(const VariableDef& def) const;
    QString common(const QString& name) const;
    QString contextText(ContextItem item) const;
    QString currentDate() const;
    QString word(const char* polish) const;
    int currentRow() const;  // -1 when there is no row to read
    QString shownText(const QString& field, int row) const;
    QString rawText(const QString& field, int row) const;

    ReportContext m_context;
    ListModel m_rows;
    int m_rowCount = 0;
    DisplayFormat m_format;
    QHash<QString, VariableDef> m_variables;

    int m_row = 0;
    int m_page = 1;
    std::array<qint64, ReportVariableSets::kTotals> m_totals{};
    std::array<int, ReportVariableSets::kTotals> m_addedAt{};  // the row last added
    qint64 m_priceCount = 0;
};
