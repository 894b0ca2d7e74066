#include "data/schema/DemoFleetTables.h"

#include "data/schema/DemoHelpers.h"

#include <QtGlobal>

namespace Demo {

// One vehicle a block: identity; owner and driver; fuel, register, tank, consumption;
// daily use and its chances; readings and status; fleet and cost centre; due dates
// (days from today); registration documents and numbers; notes.
// clang-format off
constexpr VehicleSpec kVehicles[kVehicleCount] = {
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

constexpr Person kPersons[kPersonCount] = {
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

constexpr Route kRoutes[kRouteCount] = {
    {"Warszawa - Łódź", 135},     {"Warszawa - Radom", 105},    {"Warszawa - Płock", 115},
    {"Warszawa - Siedlce", 95},   {"Warszawa - Lublin", 170},   {"Warszawa - Kraków", 295},
    {"Warszawa - Piaseczno", 20}, {"Warszawa - Legionowo", 30}, {"Warszawa - Pruszków", 18},
};

constexpr const char* kContractors[kContractorCount] = {
    "Hurtownia Budowlana Modrzew Sp. z o.o.", "Zakład Ogrodniczy Kalina",
    "Przedsiębiorstwo Drogowe Trakt-Bud",     "Osiedla Nad Zalewem Sp. j.",
    "Sklep Wielobranżowy Pod Lipą",           "Gminny Zakład Komunalny w Borowicach",
};
constexpr const char* kPlaces[kPlaceCount] = {
    "Stacja Gryf Warszawa, ul. Połczyńska", "Stacja Gryf Łódź, ul. Rokicińska",
    "Stacja Kormoran Radom, ul. Żelazna", "Baza własna Warszawa, ul. Magazynowa"};
constexpr const char* kCompanyName = "Warmelin Transport i Usługi Sp. z o.o.";
constexpr const char* kFleets[kFleetCount] = {"Flota osobowa", "Flota dostawcza", "Sprzęt"};
constexpr const char* kCostCentres[kCostCentreCount] = {"Administracja", "Sprzedaż", "Logistyka"};

// A table shorter than its count would end in empty rows.
static_assert(kVehicles[kVehicleCount - 1].plate && kPersons[kPersonCount - 1].nrew &&
              kRoutes[kRouteCount - 1].name && kContractors[kContractorCount - 1] &&
              kPlaces[kPlaceCount - 1] && kFleets[kFleetCount - 1] &&
              kCostCentres[kCostCentreCount - 1]);

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

const Person& personOf(const char* nrew) {
    for (const Person& p : kPersons) {
        if (qstrcmp(p.nrew, nrew) == 0)
            return p;
    }
    return kPersons[0];
}

}  // namespace Demo
