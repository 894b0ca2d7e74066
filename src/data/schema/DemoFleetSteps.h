#pragma once

#include "data/schema/DemoFleetTables.h"

class QDate;

namespace Demo {

class Builder;

// The company and its fleet: the company's data, the dictionaries, the people and the
// vehicles; the simulated year of use with its refuellings, the fuel prices, the fuel
// and road cards, and the monthly readings.
class FleetSteps {
public:
    explicit FleetSteps(Builder& builder) : m_builder(builder) {}

    void company();
    void dictionaries();
    void persons();
    void vehicles();
    void simulate();
    void fuelPrices();
    void fuelCards();
    void roadCards();
    void readings();

private:
    double companyDay(const VehicleSpec& s, const QDate& date);
    double privateDay(int v, int index);
    void refuel(int v);

    Builder& m_builder;
    const char* const m_fuelKinds[5] = {"Benzyna Pb95", "Benzyna Pb98", "Olej napędowy", "Gaz LPG",
                                        "AdBlue"};
};

}  // namespace Demo
