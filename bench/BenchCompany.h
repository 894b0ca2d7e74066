#pragma once

#include "data/engine/DbConnection.h"

// A large company for the benchmarks: 200 vehicles, 100,000 costs, 20,000 continuous
// refuellings and 50,000 trips, generated from a fixed seed.
namespace BenchCompany {

struct Size {
    int vehicles = 200;
    int costs = 100000;
    int refuellings = 20000;
    int trips = 50000;
};

DbError fill(DbConnection& company, const Size& size);

}  // namespace BenchCompany
