#include "data/schema/DemoFleetSteps.h"

#include "data/schema/DemoBuilder.h"
#include "data/schema/DemoHelpers.h"

#include <QHash>
#include <QList>
#include <algorithm>
#include <cmath>
#include <utility>

namespace Demo {

void FleetSteps::company() {
    SqlStatement update(QStringLiteral(
        "UPDATE firma SET NAZWA = :NAZWA, KOD = :KOD, MIASTO = :MIASTO, ULICA = :ULICA, "
        "NUMER = :NUMER, NIP = :NIP, REGON = :REGON, BANK = :BANK, ROR = :ROR, "
        "TELEFON = :TELEFON, FAX = :FAX, EMAIL = :EMAIL, WWW = :WWW, KKOD = :KKOD, "
        "KMIASTO = :KMIASTO, KULICA = :KULICA, KNUMER = :KNUMER, KTELEFON = :KTELEFON, "
        "KFAX = :KFAX, KEMAIL = :KEMAIL, INNE = :INNE WHERE IDFIRMA = 1"));
    const QList<std::pair<const char*, const char*>> values = {
        {":NAZWA", kCompanyName},
        {":KOD", "02-652"},
        {":MIASTO", "Warszawa"},
        {":ULICA", "ul. Magazynowa"},
        {":NUMER", "18"},
        {":NIP", "5273184065"},
        {":REGON", "146582032"},
        {":BANK", "Bank Ziemi Nadwiślańskiej S.A."},
        {":ROR", "97 9980 0019 2874 0155 0000 0000"},
        {":TELEFON", "+48 22 410 52 00"},
        {":FAX", "+48 22 410 52 01"},
        {":EMAIL", "biuro@warmelin.example"},
        {":WWW", "www.warmelin.example"},
        {":KKOD", "05-500"},
        {":KMIASTO", "Piaseczno"},
        {":KULICA", "ul. Składowa"},
        {":KNUMER", "4"},
        {":KTELEFON", "+48 22 410 52 10"},
        {":KFAX", ""},
        {":KEMAIL", "flota@warmelin.example"},
        {":INNE", "Kapitał zakładowy 150 000 zł, baza sprzętu w Piasecznie"}};
    for (const auto& [name, value] : values)
        update.bindText(QString::fromLatin1(name), u8(value));
    m_builder.exec(update, 1);
}

void FleetSteps::dictionaries() {
    for (const char* contractor : kContractors)
        m_builder.entry("KONTR", contractor);
    for (const char* fleet : kFleets)
        m_builder.entry("FLOTA", fleet);
    for (const char* centre : kCostCentres)
        m_builder.entry("CKKOD", centre);
    for (const char* place : kPlaces)
        m_builder.entry("PMIEJ", place);
    for (const Route& route : kRoutes)
        m_builder.entry("TRASY", route.name, QString::number(route.km));
    // The machines get names in place of the first two free vehicle kinds.
    const QList<std::pair<int, const char*>> kinds = {{5, "Koparko-ładowarka"},
                                                      {6, "Wózek widłowy"}};
    for (const auto& [kind, name] : kinds) {
        SqlStatement rename(QStringLiteral(
            "UPDATE slowniki SET OPIS = :OPIS WHERE IDSLOWNIK = :DICT AND KOD = :KOD"));
        rename.bindText(QStringLiteral(":OPIS"), u8(name));
        rename.bindText(QStringLiteral(":DICT"), QStringLiteral("RDPOJ"));
        rename.bind(QStringLiteral(":KOD"), kind);
        if (!m_builder.exec(rename, 1))
            return;
    }
}

void FleetSteps::persons() {
    for (const Person& p : kPersons) {
        if (!m_builder.add("osobowa",
                           {f("NREW", p.nrew), f("NAZWISKO", p.surname), f("IMIE", p.name),
                            f("ADRES", p.street), f("NUMER", p.number), f("KOD", p.postcode),
                            f("MIASTO", p.town), f("KRAJ", "Polska"), f("TELEFON", p.phone),
                            f("KONTAKT", p.contact), f("UWAGI", p.notes)}))
            return;
    }
}

void FleetSteps::vehicles() {
    int ordinal = 0;
    for (int v = 0; v < kVehicleCount; ++v) {
        const VehicleSpec& s = kVehicles[v];
        // The next service: every 250 h on an hour meter, 30 000 km for the vans and
        // lorries, 15 000 for the cars, less for two wheels.
        const double interval = s.hours       ? 250
                                : s.kind == 2 ? 30000
                                : s.kind == 3 ? 6000
                                : s.kind == 4 ? 3000
                                              : 15000;
        const double now = m_builder.readingAt(v, m_builder.today()) + 1;
        FieldValues row = {f("NRREJ", s.plate),
                           f("POPRZNRREJ", s.previousPlate),
                           f("MARKA", s.make),
                           f("RODZAJ", s.kind),
                           f("POJEMNOSC", s.capacity),
                           f("ROCZNIK", s.year),
                           f("SERIADREJ", s.serial),
                           f("NRSILNIKA", s.engineNumber),
                           f("NRNADWOZIA", s.vin),
                           f("NREW", u8(s.owner ? s.owner : kCompanyName)),
                           f("IDKIEROWCY", s.driver),
                           f("DATAOC", ymdIn(m_builder.today(), s.oc)),
                           f("NRPOLOC", s.oc == kNone ? QString() : m_builder.policy(v, "OC")),
                           f("DATAAC", ymdIn(m_builder.today(), s.ac)),
                           f("NRPOLAC", s.ac == kNone ? QString() : m_builder.policy(v, "AC")),
                           f("DATAPRZE", ymdIn(m_builder.today(), s.inspection)),
                           f("DATAPRZEGW", ymdIn(m_builder.today(), s.warrantyService)),
                           f("UWAGI", s.notes),
                           f("STAWKA", 0.0),
                           f("DATATACHO", double(ymdIn(m_builder.today(), s.tacho))),
                           f("NORMAOD", s.rateLow),
                           f("NORMADO", s.rateHigh),
                           f("LICZPRZEG", std::ceil(now / interval) * interval),
                           f("LICZGWAR", s.warrantyService == kNone ? 0.0 : 120000.0),
                           f("NREWID", QStringLiteral("ST/%1").arg(v + 1, 3, 10, QLatin1Char('0'))),
                           f("STATUS", double(s.status))};
        // One vehicle without an ordinal and one outside every fleet.
        if (v != kDrobik)
            row.append(f("LP", double(++ordinal)));
        if (s.fleet)
            row.append(f("NRFLOTY", double(m_builder.code("FLOTA", s.fleet))));
        if (!m_builder.add("pojazdy", row, &m_builder.vehicle(v).id))
            return;
    }
}

// A year of use, day by day: every reading, refuelling and trip below follows it.
void FleetSteps::simulate() {
    for (int v = 0; v < kVehicleCount; ++v) {
        Vehicle& vehicle = m_builder.vehicle(v);
        const VehicleSpec& s = vehicleSpec(v);
        double reading = s.startReading;
        for (int i = 0; i < m_builder.days(); ++i) {
            const QDate date = m_builder.day(i);
            double used = 0;
            if (date <= m_builder.lastUse(v)) {
                if (isPrivate(v))
                    used = privateDay(v, i);
                else
                    used = companyDay(s, date);
            }
            reading += used;
            vehicle.used.append(used);
            vehicle.reading.append(reading);
        }
        if (s.reg != Register::None || (!isPrivate(v) && s.fuel != Fuel::None))
            refuel(v);
    }
}

double FleetSteps::companyDay(const VehicleSpec& s, const QDate& date) {
    const int percent = date.dayOfWeek() == 7   ? 0
                        : date.dayOfWeek() == 6 ? s.saturdayPercent
                                                : s.workdayPercent;
    if (!m_builder.dice().chance(percent))
        return 0;
    if (s.hours)  // half hours on the hour meter
        return m_builder.dice().between(int(s.useLow * 2), int(s.useHigh * 2)) / 2.0;
    return m_builder.dice().between(int(s.useLow), int(s.useHigh));
}

// A private vehicle: its owner's own driving and now and then a trip for the company.
double FleetSteps::privateDay(int v, int index) {
    const VehicleSpec& s = vehicleSpec(v);
    const QDate date = m_builder.day(index);
    // Two wheels stay in the garage in the cold months.
    const bool season = s.kind == 3   ? date.month() >= 4 && date.month() <= 10
                        : s.kind == 4 ? date.month() >= 3 && date.month() <= 11
                                      : true;
    if (!season)
        return 0;
    double used = m_builder.dice().chance(isWeekend(date) ? s.saturdayPercent : s.workdayPercent)
                      ? m_builder.dice().between(int(s.useLow), int(s.useHigh))
                      : 0;
    const int tripPercent = s.kind == 1 ? 24 : 16;
    if (!isWeekend(date) && m_builder.dice().chance(tripPercent)) {
        // A moped stays near town, a motorcycle takes no day-long journeys.
        const int longest = s.kind == 4 ? 30 : s.kind == 3 ? 140 : 300;
        QList<const Route*> routes;
        for (const Route& route : kRoutes) {
            if (route.km <= longest)
                routes.append(&route);
        }
        const Route* route = m_builder.dice().pick(routes);
        QList<const char*> purposes = {"Spotkanie z klientem", "Delegacja", "Szkolenie",
                                       "Odbiór towaru"};
        if (s.kind == 4)
            purposes = {"Dostawa towaru", "Odbiór towaru"};
        Trip trip;
        trip.day = index;
        trip.purpose = u8(m_builder.dice().pick(purposes));
        trip.route = u8(route->name);
        const bool both = m_builder.dice().chance(75);
        trip.distance = both ? route->km * 2 : route->km;
        if (trip.purpose == u8("Spotkanie z klientem"))
            trip.notes = u8(kContractors[m_builder.dice().between(0, 5)]);
        if (both)
            trip.notes = trip.notes.isEmpty() ? u8("Tam i z powrotem")
                                              : trip.notes + u8(", tam i z powrotem");
        m_builder.vehicle(v).trips.append(trip);
        used += trip.distance;
    }
    return used;
}

// Refuellings that keep every tank sane: a vehicle fills up before a day whose use
// would leave less than a tenth of the tank, so the tank never runs dry.
void FleetSteps::refuel(int v) {
    Vehicle& vehicle = m_builder.vehicle(v);
    const VehicleSpec& s = vehicleSpec(v);
    const bool partial = s.reg == Register::Tank || s.reg == Register::TankLpg;
    const qint64 full = qint64(s.tank) * 100;
    const qint64 reserve = full / 10;
    qint64 level = partial ? full * 6 / 10 : full;
    double lastFill = s.startReading;
    for (int i = 0; i < m_builder.days(); ++i) {
        const double rate = m_builder.dice().real(s.rateLow, s.rateHigh);
        const qint64 use = std::llround(vehicle.used.at(i) * rate * (s.hours ? 100 : 1));
        if (use > 0 && level - use < reserve) {
            Refuelling r;
            r.day = i;
            r.tank = level;
            r.reading = m_builder.readingBefore(v, i);
            r.covered = r.reading - lastFill;
            // The tank register also sees fills short of a full tank.
            r.added = full - level;
            if (partial) {
                r.added -= m_builder.dice().between(0, s.tank * 4);
                // Now and then only part of the tank, yet enough for the day ahead.
                if (m_builder.dice().chance(15))
                    r.added = std::min(std::max(r.added * m_builder.dice().between(50, 80) / 100,
                                                use + reserve - level),
                                       full - level);
            }
            vehicle.refuellings.append(r);
            level += r.added;
            lastFill = r.reading;
        }
        level -= use;
    }
}

// Weekly prices by a random walk within a believable band.
void FleetSteps::fuelPrices() {
    struct Band {
        double start, low, high, step;
    };
    const Band bands[5] = {{6.29, 5.79, 6.89, 0.07},
                           {6.89, 6.39, 7.49, 0.07},
                           {6.39, 5.89, 6.99, 0.08},
                           {2.99, 2.69, 3.39, 0.04},
                           {3.89, 3.49, 4.29, 0.03}};
    for (int k = 0; k < 5; ++k) {
        double price = bands[k].start;
        for (int w = 0; w < Builder::kWeeks; ++w) {
            price += m_builder.dice().real(-bands[k].step, bands[k].step);
            price = std::clamp(price, bands[k].low, bands[k].high);
            m_builder.prices(k).append(std::round(price * 100) / 100);
        }
    }
    for (int w = 0; w < Builder::kWeeks; ++w) {
        const QDate date = m_builder.today().addDays(-7 * (Builder::kWeeks - 1 - w));
        for (int k = 0; k < 5; ++k) {
            if (!m_builder.add(
                    "cenypaliw",
                    {f("DATA", ymd(date)),
                     f("RODZAJPALIWA", m_builder.code("RDPAL", m_fuelKinds[k])),
                     f("BRUTTO", m_builder.prices(k).at(w)), f("MIEJSCE", kPlaces[(w + k) % 4])}))
                return;
        }
    }
}

void FleetSteps::fuelCards() {
    int n = 0;
    for (int v = 0; v < kVehicleCount; ++v) {
        if (isPrivate(v) || vehicleSpec(v).fuel == Fuel::None)
            continue;
        ++n;
        Vehicle& vehicle = m_builder.vehicle(v);
        vehicle.card = QStringLiteral("7080 %1 %2")
                           .arg(4100 + n * 37, 4, 10, QLatin1Char('0'))
                           .arg((5521 + n * 613) % 10000, 4, 10, QLatin1Char('0'));
        // One card runs out within the month.
        const int expires = v == kStrada ? 21 : 150 + n * 60;
        if (!m_builder.add(
                "kpaliwowe",
                {f("IDKARTY", vehicle.card), f("NAZWA", "Gryf Flota Biznes"),
                 f("IDKIEROWCY", vehicleSpec(v).driver), f("IDPOJAZD", vehicle.id),
                 f("STACJA", "Sieć stacji Gryf"), f("TERMIN", ymdIn(m_builder.today(), expires)),
                 f("PIN", QString()), f("WWW", "www.gryf-paliwa.example"),
                 f("EMAIL", "karty@gryf-paliwa.example"),
                 f("UWAGI", vehicleSpec(v).fuel == Fuel::Lpg
                                ? "Limit 1500 zł miesięcznie, tylko LPG"
                                : "Limit 3000 zł miesięcznie")}))
            return;
    }
}

// Road cards of the two delivery vehicles: a card for every run of working days.
void FleetSteps::roadCards() {
    const QList<std::pair<int, int>> plan = {{kTiro, 120}, {kCargo, 30}};
    QHash<int, int> numbers;  // per year
    for (const auto& [v, daysBack] : plan) {
        Vehicle& vehicle = m_builder.vehicle(v);
        const int maxLength = v == kTiro ? 3 : 1;
        int i = std::max(0, m_builder.days() - daysBack);
        while (i < m_builder.days()) {
            if (vehicle.used.at(i) <= 0) {
                ++i;
                continue;
            }
            int last = i;
            while (last + 1 < m_builder.days() && last - i + 1 < maxLength &&
                   vehicle.used.at(last + 1) > 0)
                ++last;
            RoadCard card;
            card.firstDay = i;
            card.lastDay = last;
            const QDate first = m_builder.day(i);
            const int number = ++numbers[first.year()];
            card.number =
                QStringLiteral("KD/%1/%2").arg(first.year()).arg(number, 3, 10, QLatin1Char('0'));
            card.route = u8(kRoutes[m_builder.dice().between(0, 5)].name);
            card.purpose = u8(m_builder.dice().chance(60) ? "Dostawa towaru" : "Odbiór towaru");
            card.start = m_builder.readingBefore(v, i);
            card.end = vehicle.reading.at(last);
            card.startTime = 600 + m_builder.dice().between(0, 7) * 15 % 60 +
                             (m_builder.dice().chance(50) ? 100 : 0);
            card.endTime =
                1500 + m_builder.dice().between(0, 3) * 100 + m_builder.dice().between(0, 3) * 15;
            const int startMinutes = card.startTime / 100 * 60 + card.startTime % 100;
            const int endMinutes = card.endTime / 100 * 60 + card.endTime % 100;
            const int length = last - i + 1;
            card.span = ((length - 1) * 24 * 60 + endMinutes - startMinutes) / 60.0;
            // A 45-minute break every day and an 11-hour rest every night.
            card.rest = 0.75 * length + 11.0 * (length - 1);
            card.worked = card.span - card.rest;
            const Person& driver = personOf(vehicleSpec(v).driver);
            if (!m_builder.add(
                    "kartydrogowe",
                    {f("NRKARTY", card.number),
                     f("DATAWYST", ymd(workdayBefore(first.addDays(-1)))),
                     f("IDPOJAZD", vehicle.id), f("IDKIEROWCY", vehicleSpec(v).driver),
                     f("CELWYJAZDU", card.purpose), f("TRASA", card.route),
                     f("LICZSTART", card.start), f("LICZEND", card.end), f("DATASTART", ymd(first)),
                     f("GODZSTART", card.startTime), f("DATAEND", ymd(m_builder.day(last))),
                     f("GODZEND", card.endTime), f("CZAS", card.span), f("UWAGI", QString()),
                     f("PRAWOJAZDY", driver.licence), f("ODPOCZYNEK", card.rest),
                     f("GODZSUMA", card.worked)},
                    &card.key))
                return;
            vehicle.cards.append(card);
            i = last + 1;
        }
    }
}

// A reading a month for every vehicle; a month without use brings none.
void FleetSteps::readings() {
    for (int v = 0; v < kVehicleCount; ++v) {
        double last = -1;
        for (int m = 11; m >= 0; --m) {
            const QDate date = m_builder.today().addMonths(-m);
            const double reading = m_builder.readingAt(v, date);
            if (reading <= last || date > m_builder.lastUse(v))
                continue;
            last = reading;
            if (!m_builder.add("przebiegi",
                               {f("IDPOJAZD", m_builder.vehicle(v).id), f("DATA", ymd(date)),
                                f("UWAGI", m == 0 ? u8("Odczyt bieżący") : u8("Odczyt miesięczny")),
                                f("LICZNIK", reading)}))
                return;
        }
    }
}

}  // namespace Demo
