#pragma once

#include "data/FilterState.h"
#include "data/registers/RegisterDescriptor.h"

#include <QtGlobal>

// The clauses the filter bar writes, for one register at a time.
namespace FilterClauses {

// The period clause of a register for the bounds lo and hi (YYYYMMDD numbers).
// A year or a month compares strictly (lo = Y0000 or YM00, hi the first day that no
// longer belongs); a date range compares inclusively.
Clause period(PeriodKind kind, qint64 lo, qint64 hi, bool inclusive);

// Bounds of a year (month 0) or of one month of it.
std::pair<qint64, qint64> yearBounds(int year, int month);
// Bounds of a date range; a missing bound (0) is open.
std::pair<qint64, qint64> rangeBounds(qint64 from, qint64 to);

// The vehicle clause: by registration number (bound, so any text lists correctly) or, for
// the consumption registers, by key; -1 lists nothing.
Clause vehicleByRegistration(const QString& registration);
Clause vehicleByKey(qint64 vehicleKey);

// The costs' own three filters.
Clause fuelOnly();
Clause costCentre(qint64 code);
Clause roadCard(qint64 roadCardKey);

}  // namespace FilterClauses
