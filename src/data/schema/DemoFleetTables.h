#pragma once

// The fleet of the sample company: its vehicles, the people who drive them, and the
// names its records draw on. The tables themselves live in the source file.

namespace Demo {

enum class Fuel { None, Petrol, Diesel, Lpg };
// Which consumption register a vehicle's refuellings are kept in.
enum class Register { None, Tank, TankLpg, Distance, DistanceLpg, Hours, HoursLpg };

struct VehicleSpec {
    const char* plate;
    const char* make;
    int kind;  // RDPOJ KOD
    int capacity;
    int year;
    const char* owner;   // a person who owns a private vehicle, nullptr: the company
    const char* driver;  // osobowa.NREW
    Fuel fuel;
    Register reg;
    int tank;                                        // litres
    double rateLow, rateHigh;                        // l/100 km, or l/h on an hour meter
    double useLow, useHigh;                          // km or hours on a day of work
    int workdayPercent;                              // chance of use on a working day
    int saturdayPercent;                             // and on a Saturday
    bool hours;                                      // an hour meter instead of an odometer
    double startReading;                             // a year ago
    int status;                                      // 0 in use, 1 inactive, 3 in the workshop
    int idleDays;                                    // the last days without use
    const char* fleet;                               // FLOTA text, nullptr: none
    const char* costCentre;                          // CKKOD text, nullptr: none
    int oc, ac, inspection, warrantyService, tacho;  // days from today, or kNone
    const char* serial;
    const char* engineNumber;
    const char* vin;
    const char* previousPlate;
    const char* notes;
};

// The fleet. Indexes below refer to this order.
// clang-format off
enum VehicleIndex {
    kAxo, kStrada, kMini, kNomad, kPico, kCargo, kTiro, kFurgo, kSowa, kDrobik, kDigger, kForklift
};
// clang-format on
inline constexpr int kVehicleCount = kForklift + 1;
extern const VehicleSpec kVehicles[kVehicleCount];

struct Person {
    const char* nrew;
    const char* surname;
    const char* name;
    const char* street;
    const char* number;
    const char* postcode;
    const char* town;
    const char* phone;
    const char* contact;
    const char* notes;
    const char* licence;  // driving licence number
};
inline constexpr int kPersonCount = 12;
extern const Person kPersons[kPersonCount];

struct Route {
    const char* name;
    int km;
};
inline constexpr int kRouteCount = 9;
extern const Route kRoutes[kRouteCount];

inline constexpr int kContractorCount = 6;
extern const char* const kContractors[kContractorCount];
inline constexpr int kPlaceCount = 4;
extern const char* const kPlaces[kPlaceCount];
extern const char* const kCompanyName;
inline constexpr int kFleetCount = 3;
extern const char* const kFleets[kFleetCount];
inline constexpr int kCostCentreCount = 3;
extern const char* const kCostCentres[kCostCentreCount];

inline const VehicleSpec& vehicleSpec(int v) {
    return kVehicles[v];
}
inline bool isPrivate(int v) {
    return vehicleSpec(v).owner != nullptr;
}
const char* fuelName(Fuel fuel);
// The person of an NREW; the first person when there is none such.
const Person& personOf(const char* nrew);

}  // namespace Demo
