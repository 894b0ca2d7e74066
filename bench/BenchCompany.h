#pragma once

#include "data/engine/DbConnection.h"

#include <QStringList>

class TmyDataBase;
#include <optional>

// A large company for the benchmarks: 200 vehicles, 100,000 costs, 20,000 continuous
// refuellings spread over the vehicles plus 5,000 more of the first one ("WB 10000"), and
// 50,000 trips, generated from a fixed seed.
namespace BenchCompany {

struct Size {
    int vehicles = 200;
    int costs = 100000;
    int refuellings = 20000;
    int oneVehicleRefuellings = 5000;  // the first vehicle's own long history
    int trips = 50000;
};

DbError fill(DbConnection& company, const Size& size);

// The benchmark company at --location (a directory or a PostgreSQL URL; a directory in the
// temporary folder by default), generated when it is missing or --fresh is given. The
// company's directory is "bench".
std::optional<DbLocation> prepare(const QStringList& arguments);
// Opens the company with every row selected (no vehicle, no period).
bool open(TmyDataBase& database, const DbLocation& location);
inline QString directory() {
    return QStringLiteral("bench");
}
// The registration number of the vehicle with the long history.
inline QString busiestVehicle() {
    return QStringLiteral("WB 10000");
}

}  // namespace BenchCompany
