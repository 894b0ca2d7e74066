#include "data/schema/DemoMoneySteps.h"

#include "data/schema/DemoBuilder.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <utility>

namespace Demo {

void MoneySteps::registers() {
    for (int v = 0; v < kVehicleCount; ++v) {
        const VehicleSpec& s = vehicleSpec(v);
        const char* table = nullptr;
        switch (s.reg) {
            case Register::Tank:
                table = "zuzycie";
                break;
            case Register::TankLpg:
                table = "zuzycielpg";
                break;
            case Register::Distance:
                table = "zuzyciekm";
                break;
            case Register::DistanceLpg:
                table = "zuzyciekmlpg";
                break;
            case Register::Hours:
                table = "zuzyciemth";
                break;
            case Register::HoursLpg:
                table = "zuzyciemthlpg";
                break;
            case Register::None:
                continue;
        }
        const bool tank = s.reg == Register::Tank || s.reg == Register::TankLpg;
        for (const Refuelling& r : m_builder.vehicle(v).refuellings) {
            FieldValues row = {f("IDPOJAZD", m_builder.vehicle(v).id),
                               f("DATA", ymd(m_builder.day(r.day))), f("TANKOWANIE", pln(r.added)),
                               f("LICZNIK", r.reading)};
            row.append(tank ? f("BAK", pln(r.tank)) : f("PRZEBIEG", r.covered));
            if (!m_builder.add(table, row))
                return;
        }
    }
}

void MoneySteps::cost(int v, const QDate& date, const char* kind, const QString& item,
                      const Money& money, const char* payment, const QString& notes,
                      const QString& document) {
    if (!m_builder.inYear(date) || date > m_builder.lastUse(v))
        return;
    Cost c;
    c.date = date;
    c.vehicle = v;
    c.kind = u8(kind);
    c.item = item;
    c.money = money;
    c.vat = money.vat != 0 || money.net == 0;
    c.payment = u8(payment);
    c.notes = notes;
    c.document = document;
    m_costs.append(c);
}

qint64 MoneySteps::grosze(int lowPln, int highPln) {
    return qint64(m_builder.dice().between(lowPln * 100, highPln * 100));
}

QString MoneySteps::driverFor(int v) {
    // Now and then the fleet manager takes a company vehicle himself.
    return !isPrivate(v) && m_builder.dice().chance(6) ? QStringLiteral("K001")
                                                       : QString::fromLatin1(vehicleSpec(v).driver);
}

qint64 MoneySteps::roadCardOn(int v, int index) const {
    for (const RoadCard& card : m_builder.vehicle(v).cards) {
        if (index >= card.firstDay && index <= card.lastDay)
            return card.key;
    }
    return 0;
}

void MoneySteps::repairs() {
    struct Repair {
        int vehicle;
        int daysAgo;
        const char* what;
        int netLow, netHigh;  // PLN
        const char* notes;
    };
    const QList<Repair> list = {
        {kAxo, 200, "Wymiana klocków i tarcz hamulcowych", 650, 980, "Warsztat Zębatka, Pruszków"},
        {kStrada, 150, "Serwis klimatyzacji", 220, 340, "Klimaserwis Mróz, Warszawa"},
        {kPico, 180, "Naprawa blacharsko-lakiernicza", 1200, 1900, "Lakiernia Tęcza, Ożarów"},
        {kCargo, 90, "Naprawa zawieszenia", 900, 1600, "Serwis Dostawczaków Wola, Warszawa"},
        {kTiro, 250, "Diagnostyka komputerowa", 250, 400, "Serwis Ciężarówek Trakt, Łódź"},
        {kTiro, 41, "Wymiana oleju i filtrów", 1400, 2100, "Serwis Ciężarówek Trakt, Łódź"},
        {kFurgo, 300, "Naprawa układu wydechowego", 700, 1100, "Warsztat Zębatka, Pruszków"},
        {kDigger, 120, "Wymiana oleju i filtrów", 900, 1300, "Serwis maszyn Grundal, Radom"},
    };
    for (const Repair& r : list) {
        const QDate date = workdayBefore(m_builder.today().addDays(-r.daysAgo));
        const Money money = withVat(grosze(r.netLow, r.netHigh));
        if (!m_builder.add("naprawy",
                           {f("IDPOJAZD", m_builder.vehicle(r.vehicle).id), f("DATA", ymd(date)),
                            f("OPIS", r.what), f("WARTNETTO", pln(money.net)),
                            f("WARTVAT", pln(money.vat)), f("WARTBRUTTO", pln(money.gross)),
                            f("UWAGI", r.notes), f("IDKIEROWCY", vehicleSpec(r.vehicle).driver),
                            f("LICZNIK", m_builder.readingAt(r.vehicle, date)), f("LICZTERM", 0.0),
                            f("DONE", "T")}))
            return;
        cost(r.vehicle, date, "Naprawa", u8(r.what), money, "Przelew", u8(r.notes));
    }
    // The timing belt is due in a few hundred kilometres; the date is not set yet.
    const double due = std::ceil((m_builder.readingAt(kAxo, m_builder.today()) + 300) / 100) * 100;
    m_builder.add("naprawy",
                  {f("IDPOJAZD", m_builder.vehicle(kAxo).id), f("DATA", 0),
                   f("OPIS", "Wymiana rozrządu"), f("WARTNETTO", 0.0), f("WARTVAT", 0.0),
                   f("WARTBRUTTO", 0.0), f("UWAGI", "Zalecenie serwisu przy ostatnim przeglądzie"),
                   f("IDKIEROWCY", vehicleSpec(kAxo).driver), f("LICZNIK", 0.0), f("LICZTERM", due),
                   f("DONE", "N")});
}

void MoneySteps::tyres() {
    const QDate changed = m_builder.lastTyreChange();
    const bool winter = changed.month() == 11;
    struct Set {
        int vehicle;
        const char* kind;
        const char* size;
        const char* make;
        const char* tread;
        const char* features;
        int daysAgo;  // bought; kNone: with the vehicle, date unknown
        int netPerTyre;
        double maxKm;
        bool stored;
    };
    const QList<Set> sets = {
        {kAxo, "Letnie", "195/65 R15", "Krakon Aero", "7,5 mm", "Indeks nośności 91, prędkości H",
         300, 265, 50000, winter},
        {kAxo, "Zimowe", "195/65 R15", "Sarnel Polar", "8 mm", "Indeks 91, prędkości T, 3PMSF", 420,
         290, 40000, !winter},
        {kStrada, "Całoroczne", "205/55 R16", "Owidia Quattro", "7 mm", "Indeks 94, prędkości V",
         kNone, 0, 50000, false},
        {kCargo, "Całoroczne", "215/65 R16C", "Krakon Van", "9 mm", "Indeks 109/107, prędkości T",
         140, 410, 60000, false},
        {kFurgo, "Całoroczne", "215/65 R16C", "Sarnel Cargo", "6 mm", "Indeks 106/104, prędkości R",
         500, 360, 60000, false},
        {kTiro, "Całoroczne", "315/80 R22.5", "Owidia Trans", "16 mm",
         "Oś napędowa, indeks 156/150", 230, 1650, 150000, false},
        {kPico, "Całoroczne", "195/65 R15", "Krakon Aero", "5 mm", "Indeks 91, prędkości H", 640,
         240, 50000, false},
    };
    int n = 0;
    for (const Set& set : sets) {
        ++n;
        const QDate bought =
            set.daysAgo == kNone ? QDate() : workdayBefore(m_builder.today().addDays(-set.daysAgo));
        const Money money = withVat(qint64(set.netPerTyre) * 4 * 100);
        const QString document = bought.isValid()
                                     ? QStringLiteral("FS %1/%2/%3")
                                           .arg(140 + n * 23, 4, 10, QLatin1Char('0'))
                                           .arg(bought.month(), 2, 10, QLatin1Char('0'))
                                           .arg(bought.year())
                                     : QString();
        const bool seasonal = set.vehicle == kAxo;
        if (!m_builder.add(
                "opony",
                {f("ILOSC", 4.0), f("RODZAJ", m_builder.code("RODOP", set.kind)),
                 f("ROZMIAR", m_builder.code("ROZOP", set.size)), f("PRZEBMAX", set.maxKm),
                 f("IDPOJAZDU", set.stored ? qint64(0) : m_builder.vehicle(set.vehicle).id),
                 f("DATAZAKUPU", bought.isValid() ? ymd(bought) : 0), f("NETTO", pln(money.net)),
                 f("VAT", pln(money.vat)), f("BRUTTO", pln(money.gross)),
                 f("DATAWYMIANY", seasonal           ? ymd(changed)
                                  : bought.isValid() ? ymd(bought)
                                                     : 0),
                 f("NREWID", QStringLiteral("OP/%1").arg(n, 3, 10, QLatin1Char('0'))),
                 f("MARKA", set.make), f("BIEZNIK", set.tread), f("CECHY", set.features),
                 f("NRDOKUMENTU", document), f("MAGAZYN", set.stored ? "T" : "N"),
                 f("INNE", set.stored
                               ? QStringLiteral("Przechowalnia opon w bazie, regał %1").arg(n)
                               : QString()),
                 f("LICZTERM", 0.0)}))
            return;
        if (bought.isValid())
            cost(set.vehicle, bought, "Opony",
                 u8("Komplet opon %1 %2").arg(u8(set.make), u8(set.size)), money, "Przelew",
                 QString(), document);
    }
}

// Every cost of the year besides the repairs and tyres above.
void MoneySteps::costs() {
    for (int v = 0; v < kVehicleCount; ++v) {
        if (isPrivate(v))
            continue;
        fuelCosts(v);
        fixedCosts(v);
    }
    if (m_builder.error())
        return;
    // By date, and on one day the refuelling (read before the day's driving) first.
    std::stable_sort(m_costs.begin(), m_costs.end(), [](const Cost& a, const Cost& b) {
        return std::make_pair(a.date, a.litres > 0 ? 0 : 1) <
               std::make_pair(b.date, b.litres > 0 ? 0 : 1);
    });
    QHash<int, int> invoices;  // last number per month
    for (const Cost& c : m_costs) {
        QString document = c.document;
        if (document.isEmpty()) {
            const int month = c.date.year() * 100 + c.date.month();
            int& number = invoices[month];
            number = number == 0 ? m_builder.dice().between(40, 220)
                                 : number + m_builder.dice().between(1, 19);
            document = QStringLiteral("FV/%1/%2/%3")
                           .arg(c.date.year())
                           .arg(c.date.month(), 2, 10, QLatin1Char('0'))
                           .arg(number, 4, 10, QLatin1Char('0'));
        }
        const int index = m_builder.dayOf(c.date);
        const VehicleSpec& s = vehicleSpec(c.vehicle);
        const bool fuel = c.litres > 0;
        FieldValues row = {f("IDPOJAZD", m_builder.vehicle(c.vehicle).id),
                           f("DATA", ymd(c.date)),
                           f("RODZWYD", c.kind),
                           f("NAZWATOWAR", c.item),
                           f("NRDOKUMENT", document),
                           f("WARTNETTO", pln(c.money.net)),
                           f("WARTVAT", pln(c.money.vat)),
                           f("WARTBRUTTO", pln(c.money.gross)),
                           f("UWAGI", c.notes),
                           f("CZYVAT", c.vat ? "T" : "N"),
                           f("DATAWYSTAW", ymd(c.date)),
                           f("RODZAJPLAT", m_builder.code("RDPLA", c.payment)),
                           f("LICZNIK", fuel ? m_builder.readingBefore(c.vehicle, index)
                                             : m_builder.readingAt(c.vehicle, c.date)),
                           f("IDKIEROWCY", driverFor(c.vehicle)),
                           f("ISFUEL", fuel ? "T" : "N"),
                           f("FUEL", c.litres)};
        if (c.payment == u8("Karta paliwowa"))
            row.append(f("IDKARTY", m_builder.vehicle(c.vehicle).card));
        if (s.costCentre)
            row.append(f("CK", double(m_builder.code("CKKOD", s.costCentre))));
        if (const qint64 card = roadCardOn(c.vehicle, index))
            row.append(f("IDDROGOWA", double(card)));
        if (!m_builder.add("koszty", row))
            return;
    }
}

void MoneySteps::fuelCosts(int v) {
    const VehicleSpec& s = vehicleSpec(v);
    for (const Refuelling& r : m_builder.vehicle(v).refuellings) {
        const QDate date = m_builder.day(r.day);
        const double litres = pln(r.added);
        const double price =
            m_builder.priceOn(s.fuel, date) + m_builder.dice().between(-6, 6) / 100.0;
        // The pump shows the gross amount; the invoice works from the net one.
        const Money money = withVat(std::llround(litres * price * 100 / 1.23));
        const char* payment = m_builder.dice().chance(85) ? "Karta paliwowa" : "Karta płatnicza";
        Cost c;
        c.date = date;
        c.vehicle = v;
        c.kind = u8("Paliwo");
        c.item = u8(fuelName(s.fuel));
        c.money = money;
        c.vat = true;
        c.payment = u8(payment);
        c.litres = litres;
        c.notes = u8(kPlaces[m_builder.dice().between(0, 3)]);
        m_costs.append(c);
    }
}

void MoneySteps::fixedCosts(int v) {
    const VehicleSpec& s = vehicleSpec(v);
    const bool lorry = s.kind == 2 && s.capacity > 5000;
    const bool machine = s.hours;
    // Periodic service.
    const int serviceEvery = machine ? 95 : lorry ? 120 : 180;
    for (QDate date = m_builder.start().addDays(m_builder.dice().between(15, 70));
         date <= m_builder.today();
         date = date.addDays(serviceEvery + m_builder.dice().between(-15, 15))) {
        const int low = lorry ? 1200 : machine ? 800 : 450;
        cost(v, workdayBefore(date), "Serwis okresowy",
             u8(machine ? "Przegląd okresowy co 250 mth" : "Przegląd okresowy z wymianą oleju"),
             withVat(grosze(low, low * 2)), "Przelew");
    }
    if (s.inspection != kNone) {
        const QDate last = m_builder.today().addDays(s.inspection).addYears(-1);
        cost(v, workdayBefore(last), "Przegląd techniczny",
             u8(s.kind == 6 ? "Badanie dozoru technicznego" : "Badanie techniczne pojazdu"),
             withVat(s.kind == 6 ? 38000
                     : lorry     ? 12200
                                 : 8000),
             "Karta płatnicza");
    }
    if (s.oc != kNone) {
        const QDate bought = m_builder.policyStart(s.oc);
        const int low = lorry ? 3400 : machine ? 900 : 750;
        cost(v, bought, "Ubezpieczenie OC", u8("Polisa OC %1").arg(m_builder.policy(v, "OC")),
             withoutVat(grosze(low, low * 3 / 2)), "Przelew", QString(), m_builder.policy(v, "OC"));
    }
    if (s.ac != kNone) {
        const QDate bought = m_builder.policyStart(s.ac);
        const int low = lorry ? 5200 : 1300;
        cost(v, bought, "Ubezpieczenie AC", u8("Polisa AC %1").arg(m_builder.policy(v, "AC")),
             withoutVat(grosze(low, low * 3 / 2)), "Przelew", QString(), m_builder.policy(v, "AC"));
    }
    // Seasonal tyre changes for the cars and the vans.
    if (s.kind <= 2 && !lorry) {
        for (int year = m_builder.start().year(); year <= m_builder.today().year(); ++year) {
            for (const QDate& date : {QDate(year, 4, 7), QDate(year, 11, 4)}) {
                cost(v, workdayBefore(date.addDays(m_builder.dice().between(0, 12))), "Opony",
                     u8("Wymiana i wyważenie opon"), withVat(grosze(120, 220)), "Karta płatnicza");
            }
        }
    }
    for (int m = 0; m < 12; ++m) {
        const QDate month = m_builder.today().addMonths(-m);
        const QDate first(month.year(), month.month(), 1);
        if (v == kAxo || v == kStrada)
            cost(v, first.addDays(m_builder.dice().between(0, 4)), "Parking",
                 u8("Abonament parkingowy, ul. Prosta"), withVat(25000), "Przelew");
        if (v == kStrada)
            cost(v, first.addDays(9), "Leasing", u8("Rata leasingowa %1/48").arg(42 - m),
                 withVat(145000), "Przelew", u8("Umowa ") + m_builder.leaseNumber());
        if (v == kTiro)
            cost(v, workdayBefore(first.addDays(m_builder.dice().between(3, 25))), "Opłaty drogowe",
                 u8("Opłaty za przejazd drogami płatnymi"), withVat(grosze(250, 900)), "Przelew");
        if (v == kCargo && m_builder.dice().chance(60))
            cost(v, workdayBefore(first.addDays(m_builder.dice().between(3, 25))), "Opłaty drogowe",
                 u8("Przejazd autostradą A2"), withVat(grosze(20, 60)), "Karta płatnicza");
    }
    if (!machine) {
        for (QDate date = m_builder.start().addDays(m_builder.dice().between(3, 25));
             date <= m_builder.today(); date = date.addDays(m_builder.dice().between(18, 40)))
            cost(v, date, "Myjnia",
                 u8(m_builder.dice().chance(50) ? "Mycie z woskowaniem" : "Mycie i odkurzanie"),
                 withVat(grosze(30, 70)),
                 m_builder.dice().chance(70) ? "Karta płatnicza" : "Gotówka");
    }
    if (lorry) {
        for (int year = m_builder.start().year(); year <= m_builder.today().year(); ++year) {
            for (const QDate& date : {QDate(year, 2, 16), QDate(year, 9, 15)})
                cost(v, workdayBefore(date), "Podatek od środków transportu",
                     u8("Rata podatku od środków transportu"), withoutVat(114000), "Przelew");
        }
    }
    if (v == kCargo)
        cost(v, m_builder.start().addDays(m_builder.dice().between(100, 250)), "Mandat",
             u8("Mandat za parkowanie w miejscu niedozwolonym"), withoutVat(30000), "Gotówka");
    if (v == kAxo || v == kCargo || v == kDigger) {
        const QList<const char*> parts = {"Żarówka H7", "Płyn do spryskiwaczy", "Filtr powietrza"};
        for (int k = 0; k < 3; ++k)
            cost(v, m_builder.start().addDays(m_builder.dice().between(10, m_builder.days() - 10)),
                 "Części zamienne", u8(parts.at(k)), withVat(grosze(15, 120)), "Karta płatnicza");
    }
}

void MoneySteps::trips() {
    for (int v = 0; v < kVehicleCount; ++v) {
        for (const Trip& trip : m_builder.vehicle(v).trips) {
            if (!m_builder.add(
                    "przejazdy",
                    {f("DATA", ymd(m_builder.day(trip.day))),
                     f("IDPOJAZD", m_builder.vehicle(v).id), f("CELWYJAZDU", trip.purpose),
                     f("TRASA", trip.route), f("ODLEGLOSC", double(trip.distance)),
                     f("IDKIEROWCY", vehicleSpec(v).driver), f("UWAGI", trip.notes)}))
                return;
        }
    }
}

}  // namespace Demo
