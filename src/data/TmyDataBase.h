#pragma once

#include "data/Consumption.h"
#include "data/DistanceTable.h"
#include "data/ErrorReport.h"
#include "data/FilterSelection.h"
#include "data/FilterState.h"
#include "data/ListTable.h"
#include "data/Lookups.h"
#include "data/NotesBook.h"
#include "data/TripRates.h"
#include "data/engine/DbConnection.h"
#include "data/registers/RegisterDescriptor.h"

#include <QDate>
#include <array>
#include <memory>

class ListModel;
class MessageService;

// The data module: the one place where statements meet the two databases. It owns the
// company database (DatabaseFirma) and the main database (DatabaseMain), the filter
// state of every register, the listing of every register, the fuel kind of the
// consumption registers, the rates table, the lookups, the notes and the error report.
class TmyDataBase {
public:
    explicit TmyDataBase(MessageService* messages = nullptr);
    ~TmyDataBase();
    TmyDataBase(const TmyDataBase&) = delete;
    TmyDataBase& operator=(const TmyDataBase&) = delete;

    DbConnection& DatabaseFirma() { return m_company; }
    DbConnection& DatabaseMain() { return m_main; }
    ErrorReport& errorReport() { return m_report; }

    // Points both databases at a location and one of its companies and sets every
    // register to its initial state for the given year (error codes 566 and 48).
    bool openCompany(const DbLocation& location, const QString& dir,
                     int currentYear = QDate::currentDate().year());
    void closeDatabases();
    bool isOpen() const { return m_company.isOpen(); }
    const DbLocation& location() const { return m_location; }
    QString companyDir() const { return m_dir; }

    // The filter state of each register.
    const FilterState& filter(RegisterId id) const { return m_filters.at(size_t(id)); }
    FilterState& filter(RegisterId id) { return m_filters.at(size_t(id)); }
    void resetFilters(int currentYear);
    // Writes the filter bar's choice into every register; returns the chosen vehicle.
    VehicleInfo applySelection(const FilterSelection& selection);
    // The vehicle of the last selection (key -1 when none was chosen or found).
    const VehicleInfo& chosenVehicle() const { return m_chosenVehicle; }
    // The bounds of the current period (0 and 0 for none), as the reports read them.
    std::pair<qint64, qint64> periodBounds() const { return m_periodBounds; }
    // A click on a column title: the same column again reverses the direction, another
    // keeps it. False when the register cannot be sorted by that field.
    bool sortByColumn(RegisterId id, const QString& field);

    // The fuel kind (LPG or liquid fuel) of each consumption register, and the table
    // each register reads.
    bool lpg(RegisterId id) const { return m_lpg.at(size_t(id)); }
    void setLpg(RegisterId id, bool lpg) { m_lpg.at(size_t(id)) = lpg; }
    void setLpg(bool lpg) { m_lpg.fill(lpg); }  // every consumption register
    QString tableOf(RegisterId id) const;

    // Listing. listStatement() is what runs; runList() runs it under any filter state
    // without reporting; refreshList() runs the register's own state into its grid and
    // reports a failure with the register's code, leaving the grid as it was.
    SqlStatement listStatement(RegisterId id, const FilterState& state) const;
    std::shared_ptr<ListTable> runList(RegisterId id, const FilterState& state, DbError* error);
    bool refreshList(RegisterId id, ListModel& model);
    // The figures above a consumption list from its last refresh.
    Consumption::Summary summary(RegisterId id) const { return m_summaries.at(size_t(id)); }

    // The rates table, rebuilt at every listing of trips, costs and repairs (code 24).
    bool reloadRates();
    const TripRates& rates() const { return m_rates; }
    // Position 0 empty, then the text of every vehicle kind in KOD order.
    const QStringList& vehicleKindTexts() const { return m_kindTexts; }

    // Existence tests of a typed key before it is saved. Failed is a database error (it
    // has been reported): the caller saves nothing.
    enum class Existence { No, Yes, Failed };
    // errorCode: the code of the write the test guards, under which a failure is reported.
    Existence exists(const QString& table, const QString& field, qint64 value,
                     qint64 errorCode = 0);
    Existence exists(const QString& table, const QString& field, const QString& value,
                     qint64 errorCode = 0);
    // The failure is reported with the caller's code.
    Existence refuellingExists(RegisterId id, qint64 vehicle, qint64 date, qint64 errorCode);
    // Merges a refuelling into the one of the same vehicle and day (codes 801, 962035,
    // 972035); false, with nothing written, when there is no such row or it fails, the
    // failure also in *failure.
    bool mergeRefuelling(RegisterId id, qint64 vehicle, qint64 date,
                         const Consumption::Refuelling& added, DbError* failure = nullptr);
    // The odometer reading of the last refuelling by distance before a date, under the
    // register's vehicle and report clauses; nullopt when there is none (code 181827).
    // failed tells a database error (reported) from no earlier reading.
    std::optional<double> lastDistanceReading(qint64 date, bool* failed = nullptr);

    // Deletes the record with these key values (as the list holds them) from a register.
    bool deleteRecord(RegisterId id, const QStringList& keyValues);

    // The vehicle with a registration number; nullopt when there is none.
    std::optional<VehicleInfo> vehicleByRegistration(const QString& registration, DbError* error);

    // The company's own name from its company data (the row IDFIRMA 1; code 1).
    QString companyDataName();

    Lookups& lookups() { return m_lookups; }
    NotesBook& notes() { return m_notes; }
    bool loadNotes() { return m_notes.load(m_company, m_report); }
    bool saveNotes() { return m_notes.save(m_company, m_report); }
    DistanceTable& distances() { return m_distances; }

private:
    void computeValues(RegisterId id, ListTable& table);
    void titleRateColumns(ListModel& model);

    DbConnection m_company;
    DbConnection m_main;
    ErrorReport m_report;
    DbLocation m_location;
    QString m_dir;
    std::array<FilterState, kRegisterCount> m_filters;
    std::array<Consumption::Summary, kRegisterCount> m_summaries;
    std::pair<qint64, qint64> m_periodBounds{0, 0};
    VehicleInfo m_chosenVehicle;
    std::array<bool, kRegisterCount> m_lpg{};
    TripRates m_rates;
    QStringList m_kindTexts;
    Lookups m_lookups;
    NotesBook m_notes;
    DistanceTable m_distances;
};
