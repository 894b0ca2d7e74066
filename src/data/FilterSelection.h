#pragma once

#include <QString>
#include <optional>

// What the filter bar of the main window holds, and the command line's filter options:
// the period (everything, a year or one month of it, or a date range), the vehicle and
// the costs' own three filters. The data module turns it into every register's clauses.
struct FilterSelection {
    enum class Period { All, Year, Range };

    Period period = Period::All;
    int year = 0;
    int month = 0;    // 1..12, 0 for the whole year
    qint64 from = 0;  // YYYYMMDD, 0 for an open start
    qint64 to = 0;    // YYYYMMDD, 0 for an open end
    QString vehicle;  // registration number; empty for every vehicle
    bool fuelOnly = false;
    std::optional<qint64> costCentre;  // KOD of a cost centre
    std::optional<qint64> roadCard;    // IDDROGOWA; an empty choice writes no clause
};

// The vehicle chosen in the filter, as the consumption pages show it.
struct VehicleInfo {
    qint64 key = -1;  // IDPOJAZD; -1 when none was chosen or it could not be read
    QString registration;
    QString make;
    qint64 capacity = 0;
    double normFrom = 0;
    double normTo = 0;
};
