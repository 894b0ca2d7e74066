#include "data/schema/DemoCompany.h"

#include "data/engine/RowInsert.h"
#include "support/PasswordHash.h"

#include <QHash>
#include <QList>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <random>
#include <tuple>
#include <utility>

namespace {

using Field = std::pair<QString, QVariant>;

Field f(const char* name, const QString& value) {
    return {QString::fromLatin1(name), value};
}
Field f(const char* name, const char* utf8) {
    return {QString::fromLatin1(name), QString::fromUtf8(utf8)};
}
Field f(const char* name, int value) {
    return {QString::fromLatin1(name), value};
}
Field f(const char* name, qint64 value) {
    return {QString::fromLatin1(name), value};
}
Field f(const char* name, double value) {
    return {QString::fromLatin1(name), value};
}

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

int ymd(const QDate& date) {
    return date.year() * 10000 + date.month() * 100 + date.day();
}

// A date a number of days from today; kNone stands for "no date" and gives 0.
constexpr int kNone = INT_MIN;
int ymdIn(const QDate& today, int days) {
    return days == kNone ? 0 : ymd(today.addDays(days));
}

bool isWeekend(const QDate& date) {
    return date.dayOfWeek() >= 6;
}

// The raw output of std::mt19937 is fixed by the standard while its distributions are
// not, so the ranges are taken from the raw numbers: the same company on every compiler.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : m_engine(seed) {}
    int between(int low, int high) { return low + int(m_engine() % std::uint32_t(high - low + 1)); }
    double real(double low, double high) {
        return low + (high - low) * (m_engine() / 4294967296.0);
    }
    bool chance(int percent) { return between(1, 100) <= percent; }
    template <typename T>
    const T& pick(const QList<T>& list) {
        return list.at(between(0, int(list.size()) - 1));
    }

private:
    std::mt19937 m_engine;
};

// Amounts in grosze so that net + VAT is the gross to the grosz.
struct Money {
    qint64 net = 0, vat = 0, gross = 0;
};
Money withVat(qint64 net) {
    const qint64 gross = (net * 123 + 50) / 100;  // round(net * 1.23, 2), half up
    return {net, gross - net, gross};
}
Money withoutVat(qint64 net) {
    return {net, 0, net};
}
double pln(qint64 grosze) {
    return double(grosze) / 100.0;
}

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

// One vehicle a block: identity; owner and driver; fuel, register, tank, consumption;
// daily use and its chances; readings and status; fleet and cost centre; due dates
// (days from today); registration documents and numbers; notes.
// clang-format off
const VehicleSpec kVehicles[] = {
    {"WA 12345", "Tarvik Axo 1.4", 1, 1398, 2020,
     nullptr, "K002",
     Fuel::Petrol, Register::Tank, 45, 6.2, 7.8,
     40, 180, 88, 10, false,
     68150, 0, 0,
     "Flota osobowa", "Sprzedaż",
     5, 5, 210, kNone, kNone,
     "DR/BAK 4410273", "TX14K 0381122", "TRVAX14K0L0012345", "",
     ""},
    {"WX 4821K", "Orlena Strada 1.6 LPG", 1, 1598, 2019,
     nullptr, "K005",
     Fuel::Lpg, Register::TankLpg, 42, 8.5, 10.5,
     40, 150, 85, 10, false,
     121400, 0, 0,
     "Flota osobowa", "Sprzedaż",
     20, 20, 95, kNone, kNone,
     "DR/BAJ 2205918", "OR16G 1177420", "ORLST16G0K0098123", "",
     "Sekwencyjna instalacja LPG, zbiornik toroidalny 42 l"},
    {"WE 900AB", "Veltra Mini 0.9", 1, 900, 2016,
     "Anna Wiśniewska", "K003",
     Fuel::Petrol, Register::None, 35, 5.0, 6.5,
     5, 35, 60, 40, false,
     143200, 0, 0,
     "Flota osobowa", nullptr,
     128, kNone, 40, kNone, kNone,
     "DR/AZK 9902114", "VL09 5521876", "VLTMN09P0G0043317", "",
     "Pojazd prywatny używany do celów służbowych"},
    {"WPI 7K204", "Kalwer Nomad 2.0 D", 1, 1995, 2018,
     "Grzegorz Zieliński", "K007",
     Fuel::Diesel, Register::None, 60, 5.5, 7.0,
     5, 40, 60, 40, false,
     98300, 0, 0,
     "Flota osobowa", nullptr,
     203, kNone, 160, kNone, kNone,
     "DR/BAB 3318402", "KW20D 7712009", "KLWNM20D0J0077120", "KR 4F112",
     "Pojazd prywatny używany do celów służbowych"},
    {"WGM 58812", "Veltra Pico 0.8 LPG", 1, 796, 2015,
     nullptr, "K012",
     Fuel::Lpg, Register::DistanceLpg, 30, 8.2, 10.8,
     20, 110, 80, 0, false,
     176050, 1, 60,
     "Flota osobowa", "Administracja",
     160, kNone, 250, kNone, kNone,
     "DR/AZC 1184305", "VL08G 2209641", "VLTPC08G0F0022096", "",
     "Wycofany z eksploatacji, przeznaczony do sprzedaży"},
    {"WA 7730P", "Brenvik Cargo 3.5", 2, 2998, 2021,
     nullptr, "K006",
     Fuel::Diesel, Register::Distance, 80, 9.5, 12.5,
     60, 260, 90, 15, false,
     54020, 0, 0,
     "Flota dostawcza", "Logistyka",
     88, 88, -10, 52, kNone,
     "DR/BAM 5530117", "BC30D 0045871", "BRVCG35D0M0004587", "",
     "Furgon 3,5 t, gwarancja producenta do 120 000 km"},
    {"WY 8842T", "Brenvik Tiro 18.28", 2, 10837, 2018,
     nullptr, "K004",
     Fuel::Diesel, Register::Tank, 400, 22.0, 29.0,
     120, 520, 92, 20, false,
     412700, 0, 0,
     "Flota dostawcza", "Logistyka",
     239, 239, 45, kNone, 150,
     "DR/BAA 0927735", "BT108 9930412", "BRVTR18D0J0993041", "",
     "Skrzyniowy z windą załadowczą, ładowność 9 t"},
    {"WN 2205C", "Orlena Furgo 2.2", 2, 2179, 2016,
     nullptr, "K010",
     Fuel::Diesel, Register::None, 70, 8.5, 11.0,
     40, 200, 85, 5, false,
     238400, 3, 6,
     "Flota dostawcza", "Logistyka",
     61, kNone, 120, kNone, kNone,
     "DR/AZF 6617390", "OR22D 4471093", "ORLFG22D0G0447109", "",
     "Po kolizji, w warsztacie"},
    {"WA 3M41", "Sowa MX 650", 3, 652, 2014,
     "Jan Kowalski", "K001",
     Fuel::Petrol, Register::None, 17, 4.0, 5.0,
     5, 30, 40, 50, false,
     31050, 0, 0,
     "Flota osobowa", nullptr,
     95, kNone, 300, kNone, kNone,
     "DR/AYK 7709211", "SW65 0089123", "SOWMX65P0E0008912", "",
     "Motocykl prywatny używany do celów służbowych"},
    {"WA 4Z12", "Drobik 50", 4, 49, 2021,
     "Łukasz Mazur", "K011",
     Fuel::Petrol, Register::None, 6, 2.5, 3.2,
     4, 20, 55, 30, false,
     6420, 0, 0,
     "Flota osobowa", nullptr,
     300, kNone, 180, kNone, kNone,
     "DR/BAL 1022398", "DR50 3301987", "DRBK050P0M0330198", "",
     "Motorower prywatny używany do celów służbowych"},
    {"WPZ 3M19", "Grundal KT-8 koparko-ładowarka", 5, 4400, 2017,
     nullptr, "K008",
     Fuel::Diesel, Register::Hours, 150, 8.5, 14.0,
     2, 7, 65, 15, true,
     5230, 0, 0,
     "Sprzęt", nullptr,
     174, kNone, 75, kNone, kNone,
     "DR/AZN 4431876", "GK44D 1188304", "GRDKT8D00H0118830", "",
     "Pojazd wolnobieżny, licznik motogodzin"},
    {"MAG 0001", "Lanmar WL-25 LPG", 6, 2400, 2019,
     nullptr, "K009",
     Fuel::Lpg, Register::HoursLpg, 60, 3.5, 5.5,
     1, 5, 75, 30, true,
     7810, 0, 0,
     nullptr, "Logistyka",
     kNone, kNone, 33, kNone, kNone,
     "", "LM24G 5521907", "LNMWL25G0K0552190", "",
     "Wózek widłowy magazynowy, dozór UDT"},
};
// clang-format on
constexpr int kVehicleCount = int(sizeof(kVehicles) / sizeof(kVehicles[0]));

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

const Person kPersons[] = {
    {"K001", "Kowalski", "Jan", "ul. Lipowa", "12/4", "02-495", "Warszawa", "+48 501 204 117",
     "jan.kowalski@warmelin.example", "Kierownik floty", "00412/09/1465"},
    {"K002", "Nowak", "Piotr", "ul. Kasztanowa", "7", "05-800", "Pruszków", "+48 502 318 440",
     "piotr.nowak@warmelin.example", "Przedstawiciel handlowy", "01277/11/1421"},
    {"K003", "Wiśniewska", "Anna", "ul. Słoneczna", "3/15", "01-234", "Warszawa", "+48 503 771 092",
     "anna.wisniewska@warmelin.example", "Główna księgowa", "00951/08/1465"},
    {"K004", "Wójcik", "Tomasz", "ul. Polna", "28", "05-500", "Piaseczno", "+48 504 660 218",
     "tomasz.wojcik@warmelin.example", "Kierowca kat. C+E, karta kierowcy", "02214/06/1419"},
    {"K005", "Kamińska", "Magdalena", "ul. Ogrodowa", "9/2", "03-145", "Warszawa",
     "+48 505 129 833", "magdalena.kaminska@warmelin.example", "Przedstawiciel handlowy",
     "00387/14/1465"},
    {"K006", "Lewandowski", "Marek", "ul. Brzozowa", "41", "05-120", "Legionowo", "+48 506 448 702",
     "marek.lewandowski@warmelin.example", "Kierowca samochodu dostawczego", "01733/10/1408"},
    {"K007", "Zieliński", "Grzegorz", "ul. Jesionowa", "5", "02-776", "Warszawa", "+48 507 902 361",
     "grzegorz.zielinski@warmelin.example", "Kierownik sprzedaży", "00620/05/1465"},
    {"K008", "Szymański", "Paweł", "ul. Wiejska", "17", "05-520", "Konstancin-Jeziorna",
     "+48 508 215 904", "pawel.szymanski@warmelin.example", "Operator koparko-ładowarki",
     "01190/12/1419"},
    {"K009", "Dąbrowski", "Krzysztof", "ul. Magazynowa", "2/8", "02-652", "Warszawa",
     "+48 509 337 615", "krzysztof.dabrowski@warmelin.example",
     "Magazynier, uprawnienia UDT na wózki widłowe", "02045/16/1465"},
    {"K010", "Jankowski", "Michał", "ul. Leśna", "33", "05-092", "Łomianki", "+48 510 884 276",
     "michal.jankowski@warmelin.example", "Kierowca samochodu dostawczego", "01562/13/1432"},
    {"K011", "Mazur", "Łukasz", "ul. Klonowa", "14/1", "03-301", "Warszawa", "+48 511 406 738",
     "lukasz.mazur@warmelin.example", "Goniec", "00093/20/1465"},
    {"K012", "Krawczyk", "Agnieszka", "ul. Akacjowa", "6", "05-850", "Ożarów Mazowiecki",
     "+48 512 590 143", "agnieszka.krawczyk@warmelin.example", "Specjalistka ds. administracji",
     "01804/15/1421"},
};

struct Route {
    const char* name;
    int km;
};
const Route kRoutes[] = {
    {"Warszawa - Łódź", 135},     {"Warszawa - Radom", 105},    {"Warszawa - Płock", 115},
    {"Warszawa - Siedlce", 95},   {"Warszawa - Lublin", 170},   {"Warszawa - Kraków", 295},
    {"Warszawa - Piaseczno", 20}, {"Warszawa - Legionowo", 30}, {"Warszawa - Pruszków", 18},
};

const char* const kContractors[] = {
    "Hurtownia Budowlana Modrzew Sp. z o.o.", "Zakład Ogrodniczy Kalina",
    "Przedsiębiorstwo Drogowe Trakt-Bud",     "Osiedla Nad Zalewem Sp. j.",
    "Sklep Wielobranżowy Pod Lipą",           "Gminny Zakład Komunalny w Borowicach",
};
const char* const kPlaces[] = {
    "Stacja Gryf Warszawa, ul. Połczyńska", "Stacja Gryf Łódź, ul. Rokicińska",
    "Stacja Kormoran Radom, ul. Żelazna", "Baza własna Warszawa, ul. Magazynowa"};
const char* const kCompanyName = "Warmelin Transport i Usługi Sp. z o.o.";
const char* const kFleets[] = {"Flota osobowa", "Flota dostawcza", "Sprzęt"};
const char* const kCostCentres[] = {"Administracja", "Sprzedaż", "Logistyka"};

const char* fuelName(Fuel fuel) {
    switch (fuel) {
        case Fuel::Petrol:
            return "Benzyna Pb95";
        case Fuel::Diesel:
            return "Olej napędowy";
        case Fuel::Lpg:
            return "Gaz LPG";
        case Fuel::None:
            break;
    }
    return "";
}

struct Refuelling {
    int day;
    qint64 tank;   // centilitres before refuelling (tank register)
    qint64 added;  // centilitres
    double reading;
    double covered;  // km or hours since the previous refuelling (distance registers)
};

struct Trip {
    int day;
    QString purpose, route, notes;
    int distance;
};

struct RoadCard {
    qint64 key = 0;
    int firstDay = 0, lastDay = 0;
    QString number, route, purpose;
    double start = 0, end = 0;
    int startTime = 0, endTime = 0;
    double span = 0, rest = 0, worked = 0;
};

struct Vehicle {
    qint64 id = 0;
    QList<double> used;     // km or hours per day of the year
    QList<double> reading;  // at the end of each day
    QList<Refuelling> refuellings;
    QList<Trip> trips;
    QList<RoadCard> cards;
    QString card;  // fuel card number
};

struct Cost {
    QDate date;
    int vehicle = 0;
    QString kind, item, document, notes, payment;
    Money money;
    bool vat = true;
    double litres = 0;
};

struct Repair {
    int vehicle;
    int daysAgo;
    const char* what;
    int netLow, netHigh;  // PLN
    const char* notes;
};

class Builder {
public:
    Builder(DbConnection& company, const QDate& today)
        : m_db(company),
          m_today(today),
          m_start(today.addYears(-1).addDays(1)),
          m_days(int(m_start.daysTo(today)) + 1),
          m_dice(0x464C4F54u) {}

    DbError run() {
        const QList<void (Builder::*)()> steps = {
            &Builder::company,   &Builder::dictionaries, &Builder::persons,   &Builder::simulate,
            &Builder::vehicles,  &Builder::fuelPrices,   &Builder::fuelCards, &Builder::roadCards,
            &Builder::registers, &Builder::repairs,      &Builder::tyres,     &Builder::costs,
            &Builder::trips,     &Builder::documents,    &Builder::equipment, &Builder::schedule,
            &Builder::work,      &Builder::damages,      &Builder::readings,  &Builder::store,
            &Builder::notes,     &Builder::users};
        for (auto step : steps) {
            (this->*step)();
            if (m_error)
                return m_error;
        }
        return {};
    }

private:
    bool add(const char* table, const FieldValues& values, qint64* key = nullptr) {
        if (m_error)
            return false;
        m_error = insertRow(m_db, QString::fromLatin1(table), values, key);
        return m_error.ok();
    }

    bool exec(const SqlStatement& statement, int expectedRows = -1) {
        if (m_error)
            return false;
        int rows = 0;
        m_error = m_db.execute(statement, &rows);
        if (!m_error && expectedRows >= 0 && rows != expectedRows)
            m_error = {DbError::Kind::Other,
                       QStringLiteral("Nieoczekiwana liczba zmienionych wierszy: %1").arg(rows)};
        return m_error.ok();
    }

    // KOD of an entry the new company already holds, or that was added above.
    qint64 code(const char* dictionary, const QString& text) {
        const QString key = QString::fromLatin1(dictionary) + QLatin1Char('|') + text;
        if (const auto found = m_codes.constFind(key); found != m_codes.constEnd())
            return *found;
        if (m_error)
            return 0;
        SqlStatement find(QStringLiteral(
            "SELECT KOD FROM slowniki WHERE IDSLOWNIK = :DICT AND OPIS = :TEXT ORDER BY KOD"));
        find.bindText(QStringLiteral(":DICT"), QString::fromLatin1(dictionary));
        find.bindText(QStringLiteral(":TEXT"), text);
        DbQuery result;
        m_error = m_db.select(find, &result);
        if (m_error)
            return 0;
        if (!result.next()) {
            m_error = {DbError::Kind::Other, QStringLiteral("Brak pozycji słownika %1: %2")
                                                 .arg(QString::fromLatin1(dictionary), text)};
            return 0;
        }
        const qint64 kod = result.integer(u"KOD");
        m_codes.insert(key, kod);
        return kod;
    }
    qint64 code(const char* dictionary, const char* text) { return code(dictionary, u8(text)); }

    void entry(const char* dictionary, const char* text, const QString& extra = QString()) {
        qint64 key = 0;
        if (add("slowniki",
                {f("IDSLOWNIK", QString::fromLatin1(dictionary)), f("OPIS", text),
                 f("UZUP1", extra), f("UZUP2", QString())},
                &key))
            m_codes.insert(QString::fromLatin1(dictionary) + QLatin1Char('|') + u8(text), key);
    }

    QDate day(int index) const { return m_start.addDays(index); }
    int dayOf(const QDate& date) const { return int(m_start.daysTo(date)); }
    bool inYear(const QDate& date) const { return date >= m_start && date <= m_today; }

    const VehicleSpec& spec(int v) const { return kVehicles[v]; }
    double readingBefore(int v, int index) const {
        return index <= 0 ? spec(v).startReading : m_vehicles[v].reading.at(index - 1);
    }
    // The reading at the end of a day; before the year the reading of a year ago.
    double readingAt(int v, const QDate& date) const {
        if (date < m_start)
            return spec(v).startReading;
        return m_vehicles[v].reading.at(std::min(dayOf(date), m_days - 1));
    }
    // The last day a vehicle is used: out of service or in the workshop after it.
    QDate lastUse(int v) const { return m_today.addDays(-spec(v).idleDays); }
    bool isPrivate(int v) const { return spec(v).owner != nullptr; }
    QString driverFor(int v) {
        // Now and then the fleet manager takes a company vehicle himself.
        return !isPrivate(v) && m_dice.chance(6) ? QStringLiteral("K001")
                                                 : QString::fromLatin1(spec(v).driver);
    }
    // A policy runs for a year up to the day it ends; its number carries the year it began.
    QDate policyStart(int endDays) const {
        return m_today.addDays(endDays).addYears(-1).addDays(1);
    }
    QString policy(int v, const char* kind) const {
        const VehicleSpec& s = spec(v);
        const bool oc = qstrcmp(kind, "OC") == 0;
        return QStringLiteral("%1/%2/%3")
            .arg(QString::fromLatin1(kind))
            .arg(policyStart(oc ? s.oc : s.ac).year())
            .arg(310457 + v * 7919 + (oc ? 0 : 1));
    }

    // The car on lease pays its 42nd of 48 instalments this month.
    QDate leaseStart() const {
        const QDate start = m_today.addMonths(-41);
        return QDate(start.year(), start.month(), 1);
    }
    QString leaseNumber() const { return QStringLiteral("LS/%1/00871").arg(leaseStart().year()); }

    // A Monday to Friday on or before date.
    static QDate workdayBefore(QDate date) {
        while (isWeekend(date))
            date = date.addDays(-1);
        return date;
    }

    void company() {
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
        exec(update, 1);
    }

    void dictionaries() {
        for (const char* contractor : kContractors)
            entry("KONTR", contractor);
        for (const char* fleet : kFleets)
            entry("FLOTA", fleet);
        for (const char* centre : kCostCentres)
            entry("CKKOD", centre);
        for (const char* place : kPlaces)
            entry("PMIEJ", place);
        for (const Route& route : kRoutes)
            entry("TRASY", route.name, QString::number(route.km));
        // The machines get names in place of the first two free vehicle kinds.
        const QList<std::pair<int, const char*>> kinds = {{5, "Koparko-ładowarka"},
                                                          {6, "Wózek widłowy"}};
        for (const auto& [kind, name] : kinds) {
            SqlStatement rename(QStringLiteral(
                "UPDATE slowniki SET OPIS = :OPIS WHERE IDSLOWNIK = :DICT AND KOD = :KOD"));
            rename.bindText(QStringLiteral(":OPIS"), u8(name));
            rename.bindText(QStringLiteral(":DICT"), QStringLiteral("RDPOJ"));
            rename.bind(QStringLiteral(":KOD"), kind);
            if (!exec(rename, 1))
                return;
        }
    }

    void persons() {
        for (const Person& p : kPersons) {
            if (!add("osobowa", {f("NREW", p.nrew), f("NAZWISKO", p.surname), f("IMIE", p.name),
                                 f("ADRES", p.street), f("NUMER", p.number), f("KOD", p.postcode),
                                 f("MIASTO", p.town), f("KRAJ", "Polska"), f("TELEFON", p.phone),
                                 f("KONTAKT", p.contact), f("UWAGI", p.notes)}))
                return;
        }
    }

    void vehicles() {
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
            const double now = readingAt(v, m_today) + 1;
            FieldValues row = {
                f("NRREJ", s.plate),
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
                f("DATAOC", ymdIn(m_today, s.oc)),
                f("NRPOLOC", s.oc == kNone ? QString() : policy(v, "OC")),
                f("DATAAC", ymdIn(m_today, s.ac)),
                f("NRPOLAC", s.ac == kNone ? QString() : policy(v, "AC")),
                f("DATAPRZE", ymdIn(m_today, s.inspection)),
                f("DATAPRZEGW", ymdIn(m_today, s.warrantyService)),
                f("UWAGI", s.notes),
                f("STAWKA", 0.0),
                f("DATATACHO", double(ymdIn(m_today, s.tacho))),
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
                row.append(f("NRFLOTY", double(code("FLOTA", s.fleet))));
            if (!add("pojazdy", row, &m_vehicles[v].id))
                return;
        }
    }

    // A year of use, day by day: every reading, refuelling and trip below follows it.
    void simulate() {
        m_vehicles.resize(kVehicleCount);
        for (int v = 0; v < kVehicleCount; ++v) {
            Vehicle& vehicle = m_vehicles[v];
            const VehicleSpec& s = spec(v);
            double reading = s.startReading;
            for (int i = 0; i < m_days; ++i) {
                const QDate date = day(i);
                double used = 0;
                if (date <= lastUse(v)) {
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

    double companyDay(const VehicleSpec& s, const QDate& date) {
        const int percent = date.dayOfWeek() == 7   ? 0
                            : date.dayOfWeek() == 6 ? s.saturdayPercent
                                                    : s.workdayPercent;
        if (!m_dice.chance(percent))
            return 0;
        if (s.hours)  // half hours on the hour meter
            return m_dice.between(int(s.useLow * 2), int(s.useHigh * 2)) / 2.0;
        return m_dice.between(int(s.useLow), int(s.useHigh));
    }

    // A private vehicle: its owner's own driving and now and then a trip for the company.
    double privateDay(int v, int index) {
        const VehicleSpec& s = spec(v);
        const QDate date = day(index);
        // Two wheels stay in the garage in the cold months.
        const bool season = s.kind == 3   ? date.month() >= 4 && date.month() <= 10
                            : s.kind == 4 ? date.month() >= 3 && date.month() <= 11
                                          : true;
        if (!season)
            return 0;
        double used = m_dice.chance(isWeekend(date) ? s.saturdayPercent : s.workdayPercent)
                          ? m_dice.between(int(s.useLow), int(s.useHigh))
                          : 0;
        const int tripPercent = s.kind == 1 ? 24 : 16;
        if (!isWeekend(date) && m_dice.chance(tripPercent)) {
            // A moped stays near town, a motorcycle takes no day-long journeys.
            const int longest = s.kind == 4 ? 30 : s.kind == 3 ? 140 : 300;
            QList<const Route*> routes;
            for (const Route& route : kRoutes) {
                if (route.km <= longest)
                    routes.append(&route);
            }
            const Route* route = m_dice.pick(routes);
            QList<const char*> purposes = {"Spotkanie z klientem", "Delegacja", "Szkolenie",
                                           "Odbiór towaru"};
            if (s.kind == 4)
                purposes = {"Dostawa towaru", "Odbiór towaru"};
            Trip trip;
            trip.day = index;
            trip.purpose = u8(m_dice.pick(purposes));
            trip.route = u8(route->name);
            const bool both = m_dice.chance(75);
            trip.distance = both ? route->km * 2 : route->km;
            if (trip.purpose == u8("Spotkanie z klientem"))
                trip.notes = u8(kContractors[m_dice.between(0, 5)]);
            if (both)
                trip.notes = trip.notes.isEmpty() ? u8("Tam i z powrotem")
                                                  : trip.notes + u8(", tam i z powrotem");
            m_vehicles[v].trips.append(trip);
            used += trip.distance;
        }
        return used;
    }

    // Refuellings that keep every tank sane: a vehicle fills up before a day whose use
    // would leave less than a tenth of the tank, so the tank never runs dry.
    void refuel(int v) {
        Vehicle& vehicle = m_vehicles[v];
        const VehicleSpec& s = spec(v);
        const bool partial = s.reg == Register::Tank || s.reg == Register::TankLpg;
        const qint64 full = qint64(s.tank) * 100;
        const qint64 reserve = full / 10;
        qint64 level = partial ? full * 6 / 10 : full;
        double lastFill = s.startReading;
        for (int i = 0; i < m_days; ++i) {
            const double rate = m_dice.real(s.rateLow, s.rateHigh);
            const qint64 use = std::llround(vehicle.used.at(i) * rate * (s.hours ? 100 : 1));
            if (use > 0 && level - use < reserve) {
                Refuelling r;
                r.day = i;
                r.tank = level;
                r.reading = readingBefore(v, i);
                r.covered = r.reading - lastFill;
                // The tank register also sees fills short of a full tank.
                r.added = full - level;
                if (partial) {
                    r.added -= m_dice.between(0, s.tank * 4);
                    // Now and then only part of the tank, yet enough for the day ahead.
                    if (m_dice.chance(15))
                        r.added = std::min(
                            std::max(r.added * m_dice.between(50, 80) / 100, use + reserve - level),
                            full - level);
                }
                vehicle.refuellings.append(r);
                level += r.added;
                lastFill = r.reading;
            }
            level -= use;
        }
    }

    QList<double> m_prices[5];  // per RDPAL entry, one a week, oldest first
    const char* const m_fuelKinds[5] = {"Benzyna Pb95", "Benzyna Pb98", "Olej napędowy", "Gaz LPG",
                                        "AdBlue"};
    static constexpr int kWeeks = 52;

    // Weekly prices by a random walk within a believable band.
    void fuelPrices() {
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
            for (int w = 0; w < kWeeks; ++w) {
                price += m_dice.real(-bands[k].step, bands[k].step);
                price = std::clamp(price, bands[k].low, bands[k].high);
                m_prices[k].append(std::round(price * 100) / 100);
            }
        }
        for (int w = 0; w < kWeeks; ++w) {
            const QDate date = m_today.addDays(-7 * (kWeeks - 1 - w));
            for (int k = 0; k < 5; ++k) {
                if (!add("cenypaliw",
                         {f("DATA", ymd(date)), f("RODZAJPALIWA", code("RDPAL", m_fuelKinds[k])),
                          f("BRUTTO", m_prices[k].at(w)), f("MIEJSCE", kPlaces[(w + k) % 4])}))
                    return;
            }
        }
    }

    double priceOn(Fuel fuel, const QDate& date) const {
        const int kind = fuel == Fuel::Petrol ? 0 : fuel == Fuel::Diesel ? 2 : 3;
        const int weeksAgo = int((date.daysTo(m_today) + 6) / 7);
        const int w = std::clamp(kWeeks - 1 - weeksAgo, 0, kWeeks - 1);
        return m_prices[kind].at(w);
    }

    void fuelCards() {
        int n = 0;
        for (int v = 0; v < kVehicleCount; ++v) {
            if (isPrivate(v) || spec(v).fuel == Fuel::None)
                continue;
            ++n;
            Vehicle& vehicle = m_vehicles[v];
            vehicle.card = QStringLiteral("7080 %1 %2")
                               .arg(4100 + n * 37, 4, 10, QLatin1Char('0'))
                               .arg((5521 + n * 613) % 10000, 4, 10, QLatin1Char('0'));
            // One card runs out within the month.
            const int expires = v == kStrada ? 21 : 150 + n * 60;
            if (!add("kpaliwowe",
                     {f("IDKARTY", vehicle.card), f("NAZWA", "Gryf Flota Biznes"),
                      f("IDKIEROWCY", spec(v).driver), f("IDPOJAZD", vehicle.id),
                      f("STACJA", "Sieć stacji Gryf"), f("TERMIN", ymdIn(m_today, expires)),
                      f("PIN", QString()), f("WWW", "www.gryf-paliwa.example"),
                      f("EMAIL", "karty@gryf-paliwa.example"),
                      f("UWAGI", spec(v).fuel == Fuel::Lpg ? "Limit 1500 zł miesięcznie, tylko LPG"
                                                           : "Limit 3000 zł miesięcznie")}))
                return;
        }
    }

    // Road cards of the two delivery vehicles: a card for every run of working days.
    void roadCards() {
        const QList<std::pair<int, int>> plan = {{kTiro, 120}, {kCargo, 30}};
        QHash<int, int> numbers;  // per year
        for (const auto& [v, daysBack] : plan) {
            Vehicle& vehicle = m_vehicles[v];
            const int maxLength = v == kTiro ? 3 : 1;
            int i = std::max(0, m_days - daysBack);
            while (i < m_days) {
                if (vehicle.used.at(i) <= 0) {
                    ++i;
                    continue;
                }
                int last = i;
                while (last + 1 < m_days && last - i + 1 < maxLength &&
                       vehicle.used.at(last + 1) > 0)
                    ++last;
                RoadCard card;
                card.firstDay = i;
                card.lastDay = last;
                const QDate first = day(i);
                const int number = ++numbers[first.year()];
                card.number = QStringLiteral("KD/%1/%2")
                                  .arg(first.year())
                                  .arg(number, 3, 10, QLatin1Char('0'));
                card.route = u8(kRoutes[m_dice.between(0, 5)].name);
                card.purpose = u8(m_dice.chance(60) ? "Dostawa towaru" : "Odbiór towaru");
                card.start = readingBefore(v, i);
                card.end = vehicle.reading.at(last);
                card.startTime =
                    600 + m_dice.between(0, 7) * 15 % 60 + (m_dice.chance(50) ? 100 : 0);
                card.endTime = 1500 + m_dice.between(0, 3) * 100 + m_dice.between(0, 3) * 15;
                const int startMinutes = card.startTime / 100 * 60 + card.startTime % 100;
                const int endMinutes = card.endTime / 100 * 60 + card.endTime % 100;
                const int length = last - i + 1;
                card.span = ((length - 1) * 24 * 60 + endMinutes - startMinutes) / 60.0;
                // A 45-minute break every day and an 11-hour rest every night.
                card.rest = 0.75 * length + 11.0 * (length - 1);
                card.worked = card.span - card.rest;
                const Person& driver = personOf(spec(v).driver);
                if (!add("kartydrogowe",
                         {f("NRKARTY", card.number),
                          f("DATAWYST", ymd(workdayBefore(first.addDays(-1)))),
                          f("IDPOJAZD", vehicle.id), f("IDKIEROWCY", spec(v).driver),
                          f("CELWYJAZDU", card.purpose), f("TRASA", card.route),
                          f("LICZSTART", card.start), f("LICZEND", card.end),
                          f("DATASTART", ymd(first)), f("GODZSTART", card.startTime),
                          f("DATAEND", ymd(day(last))), f("GODZEND", card.endTime),
                          f("CZAS", card.span), f("UWAGI", QString()),
                          f("PRAWOJAZDY", driver.licence), f("ODPOCZYNEK", card.rest),
                          f("GODZSUMA", card.worked)},
                         &card.key))
                    return;
                vehicle.cards.append(card);
                i = last + 1;
            }
        }
    }

    static const Person& personOf(const char* nrew) {
        for (const Person& p : kPersons) {
            if (qstrcmp(p.nrew, nrew) == 0)
                return p;
        }
        return kPersons[0];
    }

    qint64 roadCardOn(int v, int index) const {
        for (const RoadCard& card : m_vehicles[v].cards) {
            if (index >= card.firstDay && index <= card.lastDay)
                return card.key;
        }
        return 0;
    }

    void registers() {
        for (int v = 0; v < kVehicleCount; ++v) {
            const VehicleSpec& s = spec(v);
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
            for (const Refuelling& r : m_vehicles[v].refuellings) {
                FieldValues row = {f("IDPOJAZD", m_vehicles[v].id), f("DATA", ymd(day(r.day))),
                                   f("TANKOWANIE", pln(r.added)), f("LICZNIK", r.reading)};
                row.append(tank ? f("BAK", pln(r.tank)) : f("PRZEBIEG", r.covered));
                if (!add(table, row))
                    return;
            }
        }
    }

    QList<Cost> m_costs;

    void cost(int v, const QDate& date, const char* kind, const QString& item, const Money& money,
              const char* payment, const QString& notes = QString(),
              const QString& document = QString()) {
        if (!inYear(date) || date > lastUse(v))
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
    qint64 grosze(int lowPln, int highPln) {
        return qint64(m_dice.between(lowPln * 100, highPln * 100));
    }

    const QList<Repair> m_repairs = {
        {kAxo, 200, "Wymiana klocków i tarcz hamulcowych", 650, 980, "Warsztat Zębatka, Pruszków"},
        {kStrada, 150, "Serwis klimatyzacji", 220, 340, "Klimaserwis Mróz, Warszawa"},
        {kPico, 180, "Naprawa blacharsko-lakiernicza", 1200, 1900, "Lakiernia Tęcza, Ożarów"},
        {kCargo, 90, "Naprawa zawieszenia", 900, 1600, "Serwis Dostawczaków Wola, Warszawa"},
        {kTiro, 250, "Diagnostyka komputerowa", 250, 400, "Serwis Ciężarówek Trakt, Łódź"},
        {kTiro, 41, "Wymiana oleju i filtrów", 1400, 2100, "Serwis Ciężarówek Trakt, Łódź"},
        {kFurgo, 300, "Naprawa układu wydechowego", 700, 1100, "Warsztat Zębatka, Pruszków"},
        {kDigger, 120, "Wymiana oleju i filtrów", 900, 1300, "Serwis maszyn Grundal, Radom"},
    };

    void repairs() {
        for (const Repair& r : m_repairs) {
            const QDate date = workdayBefore(m_today.addDays(-r.daysAgo));
            const Money money = withVat(grosze(r.netLow, r.netHigh));
            if (!add("naprawy", {f("IDPOJAZD", m_vehicles[r.vehicle].id), f("DATA", ymd(date)),
                                 f("OPIS", r.what), f("WARTNETTO", pln(money.net)),
                                 f("WARTVAT", pln(money.vat)), f("WARTBRUTTO", pln(money.gross)),
                                 f("UWAGI", r.notes), f("IDKIEROWCY", spec(r.vehicle).driver),
                                 f("LICZNIK", readingAt(r.vehicle, date)), f("LICZTERM", 0.0),
                                 f("DONE", "T")}))
                return;
            cost(r.vehicle, date, "Naprawa", u8(r.what), money, "Przelew", u8(r.notes));
        }
        // The timing belt is due in a few hundred kilometres; the date is not set yet.
        const double due = std::ceil((readingAt(kAxo, m_today) + 300) / 100) * 100;
        add("naprawy",
            {f("IDPOJAZD", m_vehicles[kAxo].id), f("DATA", 0), f("OPIS", "Wymiana rozrządu"),
             f("WARTNETTO", 0.0), f("WARTVAT", 0.0), f("WARTBRUTTO", 0.0),
             f("UWAGI", "Zalecenie serwisu przy ostatnim przeglądzie"),
             f("IDKIEROWCY", spec(kAxo).driver), f("LICZNIK", 0.0), f("LICZTERM", due),
             f("DONE", "N")});
    }

    // The last seasonal change of tyres on or before today: early April or early November.
    QDate lastTyreChange() const {
        for (int year = m_today.year(); year >= m_today.year() - 1; --year) {
            const QDate autumn(year, 11, 4), spring(year, 4, 7);
            if (autumn <= m_today)
                return autumn;
            if (spring <= m_today)
                return spring;
        }
        return m_today.addYears(-1);
    }

    void tyres() {
        const QDate changed = lastTyreChange();
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
            {kAxo, "Letnie", "195/65 R15", "Krakon Aero", "7,5 mm",
             "Indeks nośności 91, prędkości H", 300, 265, 50000, winter},
            {kAxo, "Zimowe", "195/65 R15", "Sarnel Polar", "8 mm", "Indeks 91, prędkości T, 3PMSF",
             420, 290, 40000, !winter},
            {kStrada, "Całoroczne", "205/55 R16", "Owidia Quattro", "7 mm",
             "Indeks 94, prędkości V", kNone, 0, 50000, false},
            {kCargo, "Całoroczne", "215/65 R16C", "Krakon Van", "9 mm",
             "Indeks 109/107, prędkości T", 140, 410, 60000, false},
            {kFurgo, "Całoroczne", "215/65 R16C", "Sarnel Cargo", "6 mm",
             "Indeks 106/104, prędkości R", 500, 360, 60000, false},
            {kTiro, "Całoroczne", "315/80 R22.5", "Owidia Trans", "16 mm",
             "Oś napędowa, indeks 156/150", 230, 1650, 150000, false},
            {kPico, "Całoroczne", "195/65 R15", "Krakon Aero", "5 mm", "Indeks 91, prędkości H",
             640, 240, 50000, false},
        };
        int n = 0;
        for (const Set& set : sets) {
            ++n;
            const QDate bought =
                set.daysAgo == kNone ? QDate() : workdayBefore(m_today.addDays(-set.daysAgo));
            const Money money = withVat(qint64(set.netPerTyre) * 4 * 100);
            const QString document = bought.isValid()
                                         ? QStringLiteral("FS %1/%2/%3")
                                               .arg(140 + n * 23, 4, 10, QLatin1Char('0'))
                                               .arg(bought.month(), 2, 10, QLatin1Char('0'))
                                               .arg(bought.year())
                                         : QString();
            const bool seasonal = set.vehicle == kAxo;
            if (!add("opony",
                     {f("ILOSC", 4.0), f("RODZAJ", code("RODOP", set.kind)),
                      f("ROZMIAR", code("ROZOP", set.size)), f("PRZEBMAX", set.maxKm),
                      f("IDPOJAZDU", set.stored ? qint64(0) : m_vehicles[set.vehicle].id),
                      f("DATAZAKUPU", bought.isValid() ? ymd(bought) : 0),
                      f("NETTO", pln(money.net)), f("VAT", pln(money.vat)),
                      f("BRUTTO", pln(money.gross)),
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
    void costs() {
        for (int v = 0; v < kVehicleCount; ++v) {
            if (isPrivate(v))
                continue;
            fuelCosts(v);
            fixedCosts(v);
        }
        if (m_error)
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
                number = number == 0 ? m_dice.between(40, 220) : number + m_dice.between(1, 19);
                document = QStringLiteral("FV/%1/%2/%3")
                               .arg(c.date.year())
                               .arg(c.date.month(), 2, 10, QLatin1Char('0'))
                               .arg(number, 4, 10, QLatin1Char('0'));
            }
            const int index = dayOf(c.date);
            const VehicleSpec& s = spec(c.vehicle);
            const bool fuel = c.litres > 0;
            FieldValues row = {
                f("IDPOJAZD", m_vehicles[c.vehicle].id),
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
                f("RODZAJPLAT", code("RDPLA", c.payment)),
                f("LICZNIK", fuel ? readingBefore(c.vehicle, index) : readingAt(c.vehicle, c.date)),
                f("IDKIEROWCY", driverFor(c.vehicle)),
                f("ISFUEL", fuel ? "T" : "N"),
                f("FUEL", c.litres)};
            if (c.payment == u8("Karta paliwowa"))
                row.append(f("IDKARTY", m_vehicles[c.vehicle].card));
            if (s.costCentre)
                row.append(f("CK", double(code("CKKOD", s.costCentre))));
            if (const qint64 card = roadCardOn(c.vehicle, index))
                row.append(f("IDDROGOWA", double(card)));
            if (!add("koszty", row))
                return;
        }
    }

    void fuelCosts(int v) {
        const VehicleSpec& s = spec(v);
        for (const Refuelling& r : m_vehicles[v].refuellings) {
            const QDate date = day(r.day);
            const double litres = pln(r.added);
            const double price = priceOn(s.fuel, date) + m_dice.between(-6, 6) / 100.0;
            // The pump shows the gross amount; the invoice works from the net one.
            const Money money = withVat(std::llround(litres * price * 100 / 1.23));
            const char* payment = m_dice.chance(85) ? "Karta paliwowa" : "Karta płatnicza";
            Cost c;
            c.date = date;
            c.vehicle = v;
            c.kind = u8("Paliwo");
            c.item = u8(fuelName(s.fuel));
            c.money = money;
            c.vat = true;
            c.payment = u8(payment);
            c.litres = litres;
            c.notes = u8(kPlaces[m_dice.between(0, 3)]);
            m_costs.append(c);
        }
    }

    void fixedCosts(int v) {
        const VehicleSpec& s = spec(v);
        const bool lorry = s.kind == 2 && s.capacity > 5000;
        const bool machine = s.hours;
        // Periodic service.
        const int serviceEvery = machine ? 95 : lorry ? 120 : 180;
        for (QDate date = m_start.addDays(m_dice.between(15, 70)); date <= m_today;
             date = date.addDays(serviceEvery + m_dice.between(-15, 15))) {
            const int low = lorry ? 1200 : machine ? 800 : 450;
            cost(v, workdayBefore(date), "Serwis okresowy",
                 u8(machine ? "Przegląd okresowy co 250 mth" : "Przegląd okresowy z wymianą oleju"),
                 withVat(grosze(low, low * 2)), "Przelew");
        }
        if (s.inspection != kNone) {
            const QDate last = m_today.addDays(s.inspection).addYears(-1);
            cost(v, workdayBefore(last), "Przegląd techniczny",
                 u8(s.kind == 6 ? "Badanie dozoru technicznego" : "Badanie techniczne pojazdu"),
                 withVat(s.kind == 6 ? 38000
                         : lorry     ? 12200
                                     : 8000),
                 "Karta płatnicza");
        }
        if (s.oc != kNone) {
            const QDate bought = policyStart(s.oc);
            const int low = lorry ? 3400 : machine ? 900 : 750;
            cost(v, bought, "Ubezpieczenie OC", u8("Polisa OC %1").arg(policy(v, "OC")),
                 withoutVat(grosze(low, low * 3 / 2)), "Przelew", QString(), policy(v, "OC"));
        }
        if (s.ac != kNone) {
            const QDate bought = policyStart(s.ac);
            const int low = lorry ? 5200 : 1300;
            cost(v, bought, "Ubezpieczenie AC", u8("Polisa AC %1").arg(policy(v, "AC")),
                 withoutVat(grosze(low, low * 3 / 2)), "Przelew", QString(), policy(v, "AC"));
        }
        // Seasonal tyre changes for the cars and the vans.
        if (s.kind <= 2 && !lorry) {
            for (int year = m_start.year(); year <= m_today.year(); ++year) {
                for (const QDate& date : {QDate(year, 4, 7), QDate(year, 11, 4)}) {
                    cost(v, workdayBefore(date.addDays(m_dice.between(0, 12))), "Opony",
                         u8("Wymiana i wyważenie opon"), withVat(grosze(120, 220)),
                         "Karta płatnicza");
                }
            }
        }
        for (int m = 0; m < 12; ++m) {
            const QDate month = m_today.addMonths(-m);
            const QDate first(month.year(), month.month(), 1);
            if (v == kAxo || v == kStrada)
                cost(v, first.addDays(m_dice.between(0, 4)), "Parking",
                     u8("Abonament parkingowy, ul. Prosta"), withVat(25000), "Przelew");
            if (v == kStrada)
                cost(v, first.addDays(9), "Leasing", u8("Rata leasingowa %1/48").arg(42 - m),
                     withVat(145000), "Przelew", u8("Umowa ") + leaseNumber());
            if (v == kTiro)
                cost(v, workdayBefore(first.addDays(m_dice.between(3, 25))), "Opłaty drogowe",
                     u8("Opłaty za przejazd drogami płatnymi"), withVat(grosze(250, 900)),
                     "Przelew");
            if (v == kCargo && m_dice.chance(60))
                cost(v, workdayBefore(first.addDays(m_dice.between(3, 25))), "Opłaty drogowe",
                     u8("Przejazd autostradą A2"), withVat(grosze(20, 60)), "Karta płatnicza");
        }
        if (!machine) {
            for (QDate date = m_start.addDays(m_dice.between(3, 25)); date <= m_today;
                 date = date.addDays(m_dice.between(18, 40)))
                cost(v, date, "Myjnia",
                     u8(m_dice.chance(50) ? "Mycie z woskowaniem" : "Mycie i odkurzanie"),
                     withVat(grosze(30, 70)), m_dice.chance(70) ? "Karta płatnicza" : "Gotówka");
        }
        if (lorry) {
            for (int year = m_start.year(); year <= m_today.year(); ++year) {
                for (const QDate& date : {QDate(year, 2, 16), QDate(year, 9, 15)})
                    cost(v, workdayBefore(date), "Podatek od środków transportu",
                         u8("Rata podatku od środków transportu"), withoutVat(114000), "Przelew");
            }
        }
        if (v == kCargo)
            cost(v, m_start.addDays(m_dice.between(100, 250)), "Mandat",
                 u8("Mandat za parkowanie w miejscu niedozwolonym"), withoutVat(30000), "Gotówka");
        if (v == kAxo || v == kCargo || v == kDigger) {
            const QList<const char*> parts = {"Żarówka H7", "Płyn do spryskiwaczy",
                                              "Filtr powietrza"};
            for (int k = 0; k < 3; ++k)
                cost(v, m_start.addDays(m_dice.between(10, m_days - 10)), "Części zamienne",
                     u8(parts.at(k)), withVat(grosze(15, 120)), "Karta płatnicza");
        }
    }

    void trips() {
        for (int v = 0; v < kVehicleCount; ++v) {
            for (const Trip& trip : m_vehicles[v].trips) {
                if (!add("przejazdy",
                         {f("DATA", ymd(day(trip.day))), f("IDPOJAZD", m_vehicles[v].id),
                          f("CELWYJAZDU", trip.purpose), f("TRASA", trip.route),
                          f("ODLEGLOSC", double(trip.distance)), f("IDKIEROWCY", spec(v).driver),
                          f("UWAGI", trip.notes)}))
                    return;
            }
        }
    }

    void addDocument(int v, const QDate& date, int termDays, const char* kind, const QString& name,
                     const QString& number, const char* description = "") {
        add("dokumenty", {f("DATA", ymd(date)), f("TERMIN", ymdIn(m_today, termDays)),
                          f("IDPOJAZD", m_vehicles[v].id), f("RODZAJ", kind), f("NAZWA", name),
                          f("OPIS", description), f("UWAGI", QString()), f("NUMER", number),
                          f("LICZTERM", 0.0)});
    }

    void documents() {
        for (int v = 0; v < kVehicleCount && !m_error; ++v) {
            const VehicleSpec& s = spec(v);
            const QString plate = u8(s.plate);
            if (s.serial[0] != '\0')
                addDocument(v, QDate(s.year, 3 + v % 8, 10 + v), kNone, "Dowód rejestracyjny",
                            u8("Dowód rejestracyjny %1").arg(plate), u8(s.serial));
            if (s.oc != kNone)
                addDocument(v, policyStart(s.oc), s.oc, "Polisa OC", u8("Polisa OC %1").arg(plate),
                            policy(v, "OC"));
            if (s.ac != kNone)
                addDocument(v, policyStart(s.ac), s.ac, "Polisa AC", u8("Polisa AC %1").arg(plate),
                            policy(v, "AC"));
        }
        // The transport licence runs out within two weeks.
        addDocument(kTiro, m_today.addYears(-5).addDays(10), 10, "Licencja transportowa",
                    u8("Licencja na transport drogowy rzeczy"), QStringLiteral("LTR/0042871"),
                    "Wypis z licencji dla pojazdu");
        addDocument(kStrada, leaseStart(), int(m_today.daysTo(leaseStart().addMonths(48))),
                    "Umowa leasingu", u8("Umowa leasingu operacyjnego"), leaseNumber(),
                    "48 rat, wykup 1%");
        addDocument(kCargo, QDate(2021, 5, 20), kNone, "Faktura zakupu",
                    u8("Faktura zakupu pojazdu"), QStringLiteral("FV/2021/05/0318"));
        addDocument(kForklift, QDate(2019, 9, 2), kNone, "Świadectwo homologacji",
                    u8("Deklaracja zgodności wózka"), QStringLiteral("WL25/19/5521"));
    }

    void equipment() {
        struct Item {
            int vehicle;
            const char* kind;
            const char* description;
            int term;  // days from today, kNone: none
            const char* notes;
        };
        const QList<Item> items = {
            {kAxo, "Gaśnica", "Gaśnica proszkowa 1 kg", 140, ""},
            {kStrada, "Gaśnica", "Gaśnica proszkowa 1 kg", 95, ""},
            {kCargo, "Gaśnica", "Gaśnica proszkowa 2 kg", 230, ""},
            {kTiro, "Gaśnica", "Gaśnica proszkowa 6 kg", -12, "Legalizacja po terminie"},
            {kTiro, "Gaśnica", "Gaśnica proszkowa 2 kg", 180, "Kabina"},
            {kFurgo, "Gaśnica", "Gaśnica proszkowa 2 kg", 60, ""},
            {kDigger, "Gaśnica", "Gaśnica proszkowa 2 kg", 300, ""},
            {kAxo, "Apteczka", "Apteczka samochodowa DIN 13164", 410, ""},
            {kCargo, "Apteczka", "Apteczka samochodowa DIN 13164", 260, ""},
            {kTiro, "Nawigacja GPS", "Nawigacja dla samochodów ciężarowych", kNone,
             "Mapy aktualizowane co rok"},
            {kTiro, "Radio CB", "Radio CB z anteną magnetyczną", kNone, ""},
            {kCargo, "Łańcuchy śniegowe", "Łańcuchy 215/65 R16C", kNone, "Przewożone zimą"},
            {kFurgo, "Trójkąt ostrzegawczy", "Trójkąt ostrzegawczy", kNone, ""},
        };
        for (const Item& item : items) {
            const QDate fitted = item.term == kNone ? m_today.addDays(-200 - item.vehicle * 9)
                                                    : m_today.addDays(item.term).addYears(-1);
            if (!add("wyposazenie",
                     {f("DATA", ymd(fitted)), f("TERMIN", ymdIn(m_today, item.term)),
                      f("IDPOJAZD", m_vehicles[item.vehicle].id),
                      f("LICZNIK", readingAt(item.vehicle, fitted)), f("RODZAJ", item.kind),
                      f("OPIS", item.description), f("UWAGI", item.notes), f("LICZTERM", 0.0)}))
                return;
        }
    }

    void schedule() {
        struct Term {
            const char* kind;
            int vehicle;  // -1: none
            const char* person;
            int from, to;       // days from today
            const char* watch;  // "O": from the start, "D": by the end
            const char* contractor;
            const char* description;
            double reading;
        };
        const QDate nextChange = lastTyreChange().month() == 11
                                     ? QDate(lastTyreChange().year() + 1, 4, 7)
                                     : QDate(lastTyreChange().year(), 11, 4);
        const int change = int(m_today.daysTo(nextChange));
        const QList<Term> terms = {
            {"Przegląd techniczny", kCargo, "K006", -40, spec(kCargo).inspection, "D",
             "Stacja Kontroli Pojazdów Wola", "Badanie techniczne po terminie, umówić stację", 0},
            {"Ubezpieczenie", kAxo, "K002", -10, spec(kAxo).oc, "D", "", "Odnowić polisę OC i AC",
             0},
            {"Ubezpieczenie", kStrada, "K005", -5, spec(kStrada).oc, "D", "",
             "Odnowić polisę OC i AC, porównać oferty", 0},
            {"Wymiana oleju", kDigger, "K008", 0, 25, "D", "Serwis maszyn Grundal, Radom",
             "Wymiana oleju silnikowego co 250 mth",
             std::ceil(readingAt(kDigger, m_today) / 250) * 250},
            {"Wymiana opon", kAxo, "K002", change - 7, change, "O", "Warsztat Zębatka, Pruszków",
             "Sezonowa wymiana opon", 0},
            {"Legalizacja tachografu", kTiro, "K004", spec(kTiro).tacho - 30, spec(kTiro).tacho,
             "D", "Serwis Ciężarówek Trakt, Łódź", "Okresowe sprawdzenie tachografu", 0},
            {"Przegląd techniczny", kTiro, "K004", spec(kTiro).inspection - 14,
             spec(kTiro).inspection, "D", "Stacja Kontroli Pojazdów Wola", "Badanie roczne", 0},
            {"Przegląd techniczny", kForklift, "K009", spec(kForklift).inspection - 21,
             spec(kForklift).inspection, "D", "Urząd Dozoru Technicznego",
             "Badanie okresowe wózka jezdniowego", 0},
            {"Badania lekarskie kierowcy", -1, "K004", 6, 6, "D", "Przychodnia Medycyny Pracy",
             "Badania okresowe kierowcy kat. C+E", 0},
            {"Urlop kierowcy", -1, "K006", 4, 15, "O", "", "Urlop wypoczynkowy", 0},
        };
        for (const Term& t : terms) {
            if (!add("terminy",
                     {f("DATAOD", ymdIn(m_today, t.from)), f("DATADO", ymdIn(m_today, t.to)),
                      f("RODZAJTERMINU", code("RTERM", t.kind)),
                      f("IDPOJAZDU", t.vehicle < 0 ? qint64(0) : m_vehicles[t.vehicle].id),
                      f("SPRODDO", t.watch), f("NREW", t.person), f("KONTRAHENT", t.contractor),
                      f("OPIS", t.description), f("LICZTERM", t.reading)}))
                return;
        }
    }

    // Orders and their settlements: the digger's jobs and the lorry's trips.
    void work() {
        struct Job {
            int vehicle, first, last;
            double hours, rate;
            const char* kind;
            QString route, description;
        };
        QList<Job> jobs;
        const Vehicle& digger = m_vehicles[kDigger];
        for (int i = 0; i < m_days; ++i) {
            if (digger.used.at(i) < 3 || !m_dice.chance(25))
                continue;
            Job job{kDigger, i, i, 0, 185, "Prace ziemne", QString(), QString()};
            while (job.last + 1 < m_days && job.last - i < 2 && digger.used.at(job.last + 1) > 0)
                ++job.last;
            for (int k = job.first; k <= job.last; ++k)
                job.hours += digger.used.at(k);
            const int month = day(i).month();
            const bool winter = month == 12 || month <= 2;
            if (winter && m_dice.chance(50)) {
                job.kind = "Usługi sprzętowe";
                job.description = u8("Odśnieżanie i wywóz śniegu z placu");
            } else {
                job.description = u8(m_dice.pick(
                    QList<const char*>{"Wykop pod fundamenty", "Niwelacja terenu",
                                       "Załadunek kruszywa", "Wykop pod przyłącze kanalizacyjne"}));
            }
            jobs.append(job);
            i = job.last;
        }
        for (int n = 0; n < m_vehicles[kTiro].cards.size(); n += 2) {
            const RoadCard& card = m_vehicles[kTiro].cards.at(n);
            jobs.append({kTiro, card.firstDay, card.lastDay, card.worked, 150, "Transport towarów",
                         card.route, u8("Przewóz materiałów budowlanych")});
        }
        std::stable_sort(jobs.begin(), jobs.end(),
                         [](const Job& a, const Job& b) { return a.first < b.first; });
        QHash<int, int> numbers;  // documents numbered anew every year
        for (const Job& job : jobs) {
            const QDate first = day(job.first);
            const int number = ++numbers[first.year()];
            const QString contractor = u8(kContractors[m_dice.between(0, 5)]);
            const QString person = QString::fromLatin1(spec(job.vehicle).driver);
            const qint64 kind = code("RPRAC", job.kind);
            if (!add("zlecenia", {f("DATAOD", ymd(first)), f("DATADO", ymd(day(job.last))),
                                  f("IDPOJAZDU", m_vehicles[job.vehicle].id), f("RODZAJPRAC", kind),
                                  f("NRDOKUMENTU", QStringLiteral("ZL/%1/%2")
                                                       .arg(first.year())
                                                       .arg(number, 3, 10, QLatin1Char('0'))),
                                  f("TRASA", job.route), f("NREW", person),
                                  f("KONTRAHENT", contractor), f("OPIS", job.description)}))
                return;
            if (!add("rozliczenia",
                     {f("DATAOD", ymd(first)), f("DATADO", ymd(day(job.last))),
                      f("IDPOJAZDU", m_vehicles[job.vehicle].id), f("GODZINY", job.hours),
                      f("STAWKA", job.rate), f("RODZAJPRAC", kind),
                      f("NRDOKUMENTU", QStringLiteral("RZ/%1/%2")
                                           .arg(first.year())
                                           .arg(number, 3, 10, QLatin1Char('0'))),
                      f("TRASA", job.route), f("NREW", person), f("KONTRAHENT", contractor),
                      f("OPIS", job.description)}))
                return;
        }
        // Orders already taken for the coming days, not settled yet.
        const QList<std::tuple<int, int, int, const char*, const char*>> planned = {
            {kDigger, 3, 5, "Prace ziemne", "Wykop pod zbiornik retencyjny"},
            {kTiro, 2, 2, "Transport towarów", "Dostawa stali zbrojeniowej"},
            {kCargo, 1, 1, "Transport towarów", "Rozwóz zamówień do sklepów"}};
        for (const auto& [v, from, to, kind, description] : planned) {
            const QDate first = m_today.addDays(from);
            const int number = ++numbers[first.year()];
            if (!add("zlecenia",
                     {f("DATAOD", ymd(first)), f("DATADO", ymdIn(m_today, to)),
                      f("IDPOJAZDU", m_vehicles[v].id), f("RODZAJPRAC", code("RPRAC", kind)),
                      f("NRDOKUMENTU", QStringLiteral("ZL/%1/%2")
                                           .arg(first.year())
                                           .arg(number, 3, 10, QLatin1Char('0'))),
                      f("TRASA", v == kDigger ? QString() : u8(kRoutes[1].name)),
                      f("NREW", spec(v).driver), f("KONTRAHENT", kContractors[number % 6]),
                      f("OPIS", description)}))
                return;
        }
    }

    void damages() {
        struct Damage {
            int vehicle, daysAgo;
            const char* description;
            int net;  // PLN
            const char* notes;
        };
        const QList<Damage> list = {
            {kFurgo, 6, "Kolizja na parkingu, uszkodzony zderzak i błotnik", 4200,
             "Pojazd w warsztacie, likwidacja z OC sprawcy"},
            {kAxo, 230, "Zarysowanie drzwi kierowcy", 850, "Naprawa we własnym zakresie"},
            {kCargo, 70, "Urwane lusterko boczne", 640, "Szkoda z AC"},
            {kTiro, 160, "Odprysk na szybie czołowej", 380, "Naprawa szyby metodą żywiczną"},
        };
        for (const Damage& d : list) {
            const QDate date = m_today.addDays(-d.daysAgo);
            const Money money = withVat(qint64(d.net) * 100);
            if (!add("szkody", {f("IDPOJAZD", m_vehicles[d.vehicle].id), f("DATA", ymd(date)),
                                f("OPIS", d.description), f("WARTNETTO", pln(money.net)),
                                f("WARTVAT", pln(money.vat)), f("WARTBRUTTO", pln(money.gross)),
                                f("UWAGI", d.notes), f("IDKIEROWCY", spec(d.vehicle).driver),
                                f("LICZNIK", readingAt(d.vehicle, date))}))
                return;
        }
    }

    // A reading a month for every vehicle; a month without use brings none.
    void readings() {
        for (int v = 0; v < kVehicleCount; ++v) {
            double last = -1;
            for (int m = 11; m >= 0; --m) {
                const QDate date = m_today.addMonths(-m);
                const double reading = readingAt(v, date);
                if (reading <= last || date > lastUse(v))
                    continue;
                last = reading;
                if (!add("przebiegi",
                         {f("IDPOJAZD", m_vehicles[v].id), f("DATA", ymd(date)),
                          f("UWAGI", m == 0 ? u8("Odczyt bieżący") : u8("Odczyt miesięczny")),
                          f("LICZNIK", reading)}))
                    return;
            }
        }
    }

    void store() {
        const QList<std::tuple<const char*, double, double, const char*>> items = {
            {"Olej silnikowy 5W-30", 14, 5, "Butelki 1 l"},
            {"Filtr oleju", 2, 4, "Do samochodów osobowych, zamówić"},
            {"Filtr powietrza", 6, 2, ""},
            {"Płyn do spryskiwaczy", 20, 6, "Zimowy do -22 °C"},
            {"Żarówka H7", 8, 4, ""}};
        for (const auto& [part, count, remind, notes] : items) {
            if (!add("magazyn", {f("CZESC", part), f("ILOSC", count), f("PRZYPOMNIJ", remind),
                                 f("UWAGI", notes)}))
                return;
        }
    }

    void notes() {
        const QList<std::tuple<int, int, const char*>> list = {
            {1, -2, "Zebrać od kierowców karty drogowe za poprzedni miesiąc"},
            {2, 0, "Zadzwonić do ubezpieczyciela w sprawie odnowienia polis OC"},
            {3, 3, "Odebrać furgon z warsztatu po naprawie blacharskiej"}};
        for (const auto& [id, days, text] : list) {
            SqlStatement update(QStringLiteral(
                "UPDATE notatki SET DATA = :DATA, OPIS = :OPIS WHERE IDNOTATKI = :ID"));
            update.bindText(QStringLiteral(":DATA"),
                            m_today.addDays(days).toString(QStringLiteral("dd.MM.yyyy")));
            update.bindText(QStringLiteral(":OPIS"), u8(text));
            update.bind(QStringLiteral(":ID"), id);
            if (!exec(update, 1))
                return;
        }
    }

    void users() {
        if (!add("userzy",
                 {f("NAZWA", "JAN"), f("HASLO", PasswordHash::make(QStringLiteral("jan123"))),
                  f("OPIS", "Jan Kowalski - kierownik floty"), f("SUPERVISOR", "N")}))
            return;
        for (int right = 1; right <= 52; ++right) {
            if (!add("uprawnienia", {f("NAZWA", "JAN"), f("UPR", QString::number(right))}))
                return;
        }
    }

    DbConnection& m_db;
    const QDate m_today;
    const QDate m_start;  // the first day of the year up to today
    const int m_days;
    Dice m_dice;
    DbError m_error;
    QHash<QString, qint64> m_codes;
    QList<Vehicle> m_vehicles;
};

}  // namespace

namespace DemoCompany {

DbError fill(DbConnection& company, const QDate& today) {
    if (!today.isValid())
        return {DbError::Kind::Other, QStringLiteral("Niepoprawna data przykładowej firmy.")};
    Builder builder(company, today);
    return builder.run();
}

}  // namespace DemoCompany
