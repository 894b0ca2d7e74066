#include "data/Consumption.h"

#include "data/ListTable.h"

#include <cmath>
#include <limits>

namespace Consumption {

namespace {

double round2(double value) {
    return std::round(value * 100.0) / 100.0;
}

}  // namespace

std::vector<double> continuous(const ListTable& rows) {
    const int n = rows.rowCount();
    std::vector<double> result(size_t(n), std::numeric_limits<double>::quiet_NaN());
    const int dateColumn = rows.fieldIndex(u"DATA");
    const int tankColumn = rows.fieldIndex(u"BAK");
    const int fuelColumn = rows.fieldIndex(u"TANKOWANIE");
    const int readingColumn = rows.fieldIndex(u"LICZNIK");
    if (dateColumn < 0 || tankColumn < 0 || fuelColumn < 0 || readingColumn < 0)
        return result;

    int previous = -1;  // the newest row of an earlier day
    for (int r = 0; r < n; ++r) {
        if (r > 0 && rows.integer(r, dateColumn) != rows.integer(r - 1, dateColumn))
            previous = r - 1;
        const double tank = rows.number(r, tankColumn);
        const double reading = rows.number(r, readingColumn);
        double prevTank = 0, prevFuel = 0, prevReading = 0;
        if (previous >= 0) {
            prevTank = rows.number(previous, tankColumn);
            prevFuel = rows.number(previous, fuelColumn);
            prevReading = rows.number(previous, readingColumn);
        }
        const double distance = reading - prevReading;
        if (distance > 0 && (prevTank > 0 || prevFuel > 0 || prevReading > 0))
            result[size_t(r)] = (prevTank + prevFuel - tank) * 100.0 / distance;
    }
    return result;
}

Summary summarize(RegisterId id, const ListTable& rows) {
    Summary summary;
    const int n = rows.rowCount();
    const int dateColumn = rows.fieldIndex(u"DATA");
    const int fuelColumn = rows.fieldIndex(u"TANKOWANIE");
    const int readingColumn = rows.fieldIndex(u"LICZNIK");
    if (n == 0 || dateColumn < 0 || fuelColumn < 0)
        return summary;
    double fuelSum = 0;
    for (int r = 0; r < n; ++r) {
        const qint64 date = rows.integer(r, dateColumn);
        summary.firstDate = std::min(summary.firstDate, date);
        summary.lastDate = std::max(summary.lastDate, date);
        fuelSum += rows.number(r, fuelColumn);
    }
    if (id == RegisterId::Zuzycie) {
        const int tankColumn = rows.fieldIndex(u"BAK");
        if (tankColumn < 0 || readingColumn < 0)
            return summary;
        const double firstReading = rows.number(0, readingColumn);
        const double total = rows.number(0, tankColumn) + fuelSum;
        const double lastReading = rows.number(n - 1, readingColumn);
        const double distance = lastReading - firstReading;
        if (distance > 0)
            summary.average =
                (total - rows.number(n - 1, fuelColumn) - rows.number(n - 1, tankColumn)) /
                distance * 100.0;
        return summary;
    }
    const int workedColumn = rows.fieldIndex(u"PRZEBIEG");
    if (workedColumn < 0)
        return summary;
    double worked = 0;
    for (int r = 0; r < n; ++r)
        worked += rows.number(r, workedColumn);
    if (worked > 0)
        summary.average = fuelSum / worked * (id == RegisterId::ZuzycieKm ? 100.0 : 1.0);
    return summary;
}

Refuelling merge(RegisterId id, const Refuelling& existing, const Refuelling& added) {
    Refuelling merged;
    merged.fuel = round2(existing.fuel + added.fuel);
    merged.reading = round2(std::max(existing.reading, added.reading));
    if (id != RegisterId::Zuzycie) {
        merged.first = round2(existing.first + added.first);
        return merged;
    }
    const bool addedIsLater = added.reading > existing.reading ||
                              (added.reading == existing.reading && added.first > existing.first);
    const Refuelling& later = addedIsLater ? added : existing;
    const Refuelling& earlier = addedIsLater ? existing : added;
    merged.first = round2(later.first - earlier.fuel);
    return merged;
}

}  // namespace Consumption
