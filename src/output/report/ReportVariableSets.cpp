#include "output/report/ReportVariableSets.h"

namespace {

using ReportVariableSets::bit;
using V = ValueKind;

constexpr unsigned kEvery = ~0u;
constexpr unsigned kVehicle = bit(ReportVariant::Vehicle);
constexpr unsigned kDriver = bit(ReportVariant::Driver);
constexpr unsigned kFuelCard = bit(ReportVariant::FuelCard);
constexpr unsigned kRoadCard = bit(ReportVariant::RoadCard);
constexpr unsigned kWhole = bit(ReportVariant::WholeRegister);
constexpr unsigned kOrder = bit(ReportVariant::SingleOrder);
constexpr unsigned kContinuous = bit(ReportVariant::Continuous);
constexpr unsigned kByAmount = bit(ReportVariant::ByDistance) | bit(ReportVariant::ByEngineHours);

// A variable read from the row; without a field it reads the field of its own name.
VariableDef row(V kind, const char* name, const char* field = nullptr, unsigned variants = kEvery) {
    VariableDef def;
    def.name = name;
    def.kind = kind;
    def.field = field ? field : name;
    def.variants = variants;
    return def;
}

VariableDef shown(const char* name, const char* field = nullptr, unsigned variants = kEvery) {
    return row(V::Shown, name, field, variants);
}

VariableDef plain(const char* name, const char* field = nullptr) {
    return row(V::Plain, name, field);
}

VariableDef summed(VariableDef def, int slot) {
    def.total = slot;
    return def;
}

VariableDef total(const char* name, int slot, unsigned variants = kEvery) {
    VariableDef def = row(V::Total, name, "", variants);
    def.total = slot;
    return def;
}

VariableDef mark(const char* name, const char* word, unsigned variants = kEvery) {
    VariableDef def = row(V::Mark, name, nullptr, variants);
    def.extra = word;
    return def;
}

VariableDef joined(const char* name, const char* fields, const char* separator,
                   unsigned variants = kEvery) {
    VariableDef def = row(V::Joined, name, fields, variants);
    def.extra = separator;
    return def;
}

VariableDef fromContext(const char* name, ContextItem item, unsigned variants = kEvery) {
    VariableDef def = row(V::Context, name, "", variants);
    def.item = item;
    return def;
}

// Net, VAT and gross with their totals in slots 0 to 2.
QList<VariableDef> amounts(V kind, const char* net, const char* vat, const char* gross) {
    return {summed(row(kind, "NETTO", net), 0),
            summed(row(kind, "VAT", vat), 1),
            summed(row(kind, "BRUTTO", gross), 2),
            total("SNETTO", 0),
            total("SVAT", 1),
            total("SBRUTTO", 2)};
}

QList<VariableDef> consumption() {
    return {shown("DATA"),
            shown("LICZNIK"),
            shown("TANKOWANIE"),
            shown("ZUZYCIE"),
            shown("BAK", nullptr, kContinuous),
            shown("PRZEBIEG", nullptr, kByAmount),
            fromContext("DATAOD", ContextItem::SummaryFirstDate),
            fromContext("DATADO", ContextItem::SummaryLastDate),
            fromContext("RODZPAL", ContextItem::FuelKindText),
            fromContext("SRZUZYCIE", ContextItem::SummaryAverage)};
}

QList<VariableDef> costs() {
    QList<VariableDef> set = {
        shown("DATA"), shown("RODZAJ", "RODZWYD"), shown("NAZWA", "NAZWATOWAR"),
        shown("NR", "NRDOKUMENT"), shown("CK", "OPIS"), shown("NRKARTY"),
        row(V::FuelPurchase, "ISFUEL", "FUEL", ~kRoadCard),
        // A road card's costs also total the litres bought.
        summed(row(V::FuelPurchase, "ISFUEL", "FUEL", kRoadCard), 3), total("SFUEL", 3, kRoadCard),
        shown("NRREJKK", "NRREJ", kFuelCard | kDriver),
        shown("MARKAKK", "MARKA", kFuelCard | kDriver), shown("NRREJ", nullptr, kRoadCard),
        shown("MARKA", nullptr, kRoadCard), shown("NAZWISKO", nullptr, kRoadCard)};
    return set + amounts(V::Shown, "WARTNETTO", "WARTVAT", "WARTBRUTTO");
}

QList<VariableDef> trips() {
    return {shown("DATA"),
            shown("STAWKA"),
            shown("TRASA"),
            shown("CEL", "CELWYJAZDU"),
            summed(shown("DL", "ODLEGLOSC"), 0),
            summed(shown("KWOTA"), 1),
            total("SDL", 0),
            total("SKWOTA", 1),
            shown("NRREJKI", "NRREJ", kDriver),
            shown("MARKAKI", "MARKA", kDriver)};
}

QList<VariableDef> repairs() {
    return {shown("DATA"),
            shown("OPIS"),
            shown("INNE", "UWAGI"),
            shown("STAN", "LICZNIK"),
            row(V::Fixed2, "LICZTERM"),
            mark("DONE", "Wykonano"),
            shown("NRREJKP", "NRREJ", kDriver),
            shown("MARKAKP", "MARKA", kDriver)};
}

QList<VariableDef> equipment() {
    return {shown("DATA"),
            shown("TERMIN"),
            shown("RODZAJ"),
            shown("OPIS"),
            row(V::Fixed2, "LICZTERM"),
            shown("STAN", "LICZNIK")};
}

QList<VariableDef> documents() {
    return {shown("DATA"),  shown("TERMIN"), shown("RODZAJ"),           shown("NR", "NUMER"),
            shown("NAZWA"), shown("OPIS"),   row(V::Fixed2, "LICZTERM")};
}

// The drivers of a vehicle come from a statement of their own, not from a grid.
QList<VariableDef> drivers() {
    return {plain("NREW"), plain("NAZWISKO"), plain("IMIE")};
}

QList<VariableDef> scheduler() {
    return {shown("DATAOD"),
            shown("DATADO"),
            shown("RODZAJ"),
            shown("KONTRAHENT"),
            row(V::Fixed2, "LICZTERM"),
            shown("OPIS"),
            shown("OSOBA", nullptr, kVehicle | kWhole),
            shown("POJAZD", nullptr, kDriver | kWhole)};
}

QList<VariableDef> tyres() {
    QList<VariableDef> set = {shown("NREWID"),
                              shown("MARKA"),
                              shown("RODZAJO"),
                              shown("ROZMIARO"),
                              shown("DATAZAKUPU"),
                              shown("NRDOKUMENTU"),
                              shown("DATAWYMIANY"),
                              row(V::Fixed2, "LICZTERM"),
                              shown("POJAZD", nullptr, kWhole),
                              shown("PRZEBMAX", nullptr, kWhole),
                              shown("ILOSC", nullptr, kWhole),
                              mark("MAGAZYN", "w magazynie", kWhole)};
    return set + amounts(V::Shown, "NETTO", "VAT", "BRUTTO");
}

QList<VariableDef> settlements() {
    return {shown("NRDOKUMENTU"),
            shown("DATAOD"),
            shown("DATADO"),
            shown("RODZAJPRACO"),
            shown("STAWKA"),
            shown("KONTRAHENT"),
            summed(shown("GODZIN", "GODZINY"), 0),
            summed(shown("WARTOSC"), 1),
            total("SGODZIN", 0),
            total("SWARTOSC", 1),
            shown("OSOBA", nullptr, kVehicle | kWhole),
            shown("POJAZD", nullptr, kDriver | kWhole)};
}

QList<VariableDef> orders() {
    return {shown("NRDOKUMENTU"),
            shown("DATAOD"),
            shown("DATADO"),
            shown("RODZAJPRACO"),
            shown("KONTRAHENT"),
            shown("TRASA"),
            shown("OSOBA", nullptr, kVehicle | kWhole | kOrder),
            shown("POJAZD", nullptr, kDriver | kWhole | kOrder),
            fromContext("TRESC", ContextItem::OrderText, kWhole | kOrder)};
}

QList<VariableDef> readings() {
    return {shown("DATA"), shown("STAN", "LICZNIK"), shown("UWAGI")};
}

QList<VariableDef> damages() {
    QList<VariableDef> set = {shown("DATA"),
                              shown("OPIS"),
                              shown("KIEROWCA", "NAZWISKO"),
                              shown("UWAGI"),
                              shown("STAN", "LICZNIK"),
                              joined("NRREJ", "NRREJ MARKA", ", ", kDriver | kWhole)};
    return set + amounts(V::Fixed2, "WARTNETTO", "WARTVAT", "WARTBRUTTO");
}

QList<VariableDef> roadCards() {
    return {shown("NRKARTY"),
            shown("NAZWISKO"),
            shown("NRREJ"),
            shown("MARKA"),
            shown("CELWYJAZDU"),
            shown("TRASA"),
            shown("DATAWYST"),
            shown("DATASTART"),
            shown("DATAEND"),
            row(V::Time, "GODZSTART"),
            row(V::Time, "GODZEND"),
            summed(row(V::Fixed2, "GODZSUMA"), 0),
            summed(row(V::Difference, "LICZSUMA", "LICZEND LICZSTART"), 1),
            total("SGODZSUMA", 0),
            total("SLICZSUMA", 1)};
}

// The single road card's own statement.
QList<VariableDef> roadCardForm() {
    QList<VariableDef> set = {plain("NRKARTY"),
                              plain("WLASCICIEL"),
                              plain("NAZWISKO"),
                              plain("PRAWOJAZDY"),
                              plain("NRREJ"),
                              plain("CELWYJAZDU"),
                              plain("TRASA"),
                              row(V::Date, "DATAWYST"),
                              row(V::Date, "DATASTART"),
                              row(V::Date, "DATAEND"),
                              row(V::Time, "GODZSTART"),
                              row(V::Time, "GODZEND"),
                              fromContext("FIRMA", ContextItem::CompanyAddress)};
    for (const char* name : {"GODZSUMA", "LICZSTART", "LICZEND", "LICZSUMA", "CZAS", "ODPOCZYNEK"})
        set.append(row(V::Fixed2, name));
    return set;
}

// The fuel purchases' own statement: a vehicle's sums per row, grand totals over them.
QList<VariableDef> fuelPurchases() {
    return {fromContext("CK", ContextItem::CostCentre),
            plain("NRREJ"),
            plain("MARKA"),
            summed(row(V::Fixed2, "SNETTO"), 0),
            summed(row(V::Fixed2, "SVAT"), 1),
            summed(row(V::Fixed2, "SBRUTTO"), 2),
            summed(row(V::Fixed2, "SFUEL"), 3),
            total("SSNETTO", 0),
            total("SSVAT", 1),
            total("SSBRUTTO", 2),
            total("SSFUEL", 3)};
}

QList<VariableDef> vehicles() {
    return {shown("NRREJP", "NRREJ"),         shown("MARKAP", "MARKA"),
            shown("POJEMNOSCP", "POJEMNOSC"), shown("RODZAJP", "COPIS"),
            shown("ROCZNIKP", "ROCZNIK"),     shown("WLASCICIELP", "NREW")};
}

QList<VariableDef> fuelCards() {
    return {shown("IDKARTY"), shown("NAZWA"), shown("KIEROWCA", "NAZWISKO"),
            shown("NRREJK", "NRREJ"), shown("TERMIN")};
}

QList<VariableDef> persons() {
    return {shown("NREW"),
            joined("NAZWISKO", "NAZWISKO IMIE", " "),
            joined("ADRES", "ADRES NUMER KOD MIASTO", " "),
            shown("TELEFON"),
            shown("KONTAKT"),
            shown("INNE", "UWAGI")};
}

QList<VariableDef> fuelPrices() {
    VariableDef price = summed(row(V::Fixed2, "BRUTTO"), 0);
    price.onlyWithFuelKind = true;
    VariableDef average = total("SBRUTTO", 0);
    average.kind = V::AveragePrice;
    return {shown("PALIWO"), shown("MIEJSCE"), shown("DATA"), price, average};
}

QList<VariableDef> store() {
    return {shown("CZESC"), shown("UWAGI"), row(V::Fixed2, "ILOSC"), row(V::Fixed2, "PRZYPOMNIJ")};
}

QList<VariableDef> recordPrintout() {
    return {fromContext("TEMAT", ContextItem::Subject), fromContext("TRESC", ContextItem::Body)};
}

QList<VariableDef> wholeSet(VariableSet set) {
    switch (set) {
        case VariableSet::Consumption:
            return consumption();
        case VariableSet::Costs:
            return costs();
        case VariableSet::Trips:
            return trips();
        case VariableSet::Repairs:
            return repairs();
        case VariableSet::Equipment:
            return equipment();
        case VariableSet::Documents:
            return documents();
        case VariableSet::Drivers:
            return drivers();
        case VariableSet::Scheduler:
            return scheduler();
        case VariableSet::Tyres:
            return tyres();
        case VariableSet::Settlements:
            return settlements();
        case VariableSet::Orders:
            return orders();
        case VariableSet::Readings:
            return readings();
        case VariableSet::Damages:
            return damages();
        case VariableSet::RoadCards:
            return roadCards();
        case VariableSet::RoadCardForm:
            return roadCardForm();
        case VariableSet::FuelPurchases:
            return fuelPurchases();
        case VariableSet::Vehicles:
            return vehicles();
        case VariableSet::FuelCards:
            return fuelCards();
        case VariableSet::Persons:
            return persons();
        case VariableSet::FuelPrices:
            return fuelPrices();
        case VariableSet::Store:
            return store();
        case VariableSet::RecordPrintout:
            return recordPrintout();
    }
    return {};
}

}  // namespace

namespace ReportVariableSets {

QList<VariableDef> of(ReportKind kind) {
    QList<VariableDef> result;
    for (const VariableDef& def : wholeSet(kind.set)) {
        if (def.variants & bit(kind.variant))
            result.append(def);
    }
    return result;
}

RegisterId registerOf(ReportKind kind) {
    switch (kind.set) {
        case VariableSet::Consumption:
            return kind.variant == ReportVariant::ByDistance      ? RegisterId::ZuzycieKm
                   : kind.variant == ReportVariant::ByEngineHours ? RegisterId::ZuzycieMth
                                                                  : RegisterId::Zuzycie;
        case VariableSet::Costs:
        case VariableSet::FuelPurchases:
            return RegisterId::Koszty;
        case VariableSet::Trips:
            return RegisterId::Przejazdy;
        case VariableSet::Repairs:
            return RegisterId::Naprawy;
        case VariableSet::Equipment:
            return RegisterId::Wyposazenie;
        case VariableSet::Documents:
            return RegisterId::Dokumenty;
        case VariableSet::Drivers:
        case VariableSet::Persons:
            return RegisterId::Osobowa;
        case VariableSet::Scheduler:
            return RegisterId::Terminarz;
        case VariableSet::Tyres:
            return RegisterId::Opony;
        case VariableSet::Settlements:
            return RegisterId::Rozliczenia;
        // The record printout is bound to the orders' walker; it prints no row of it.
        case VariableSet::Orders:
        case VariableSet::RecordPrintout:
            return RegisterId::Zlecenia;
        case VariableSet::Readings:
            return RegisterId::Przebiegi;
        case VariableSet::Damages:
            return RegisterId::Szkody;
        case VariableSet::RoadCards:
        case VariableSet::RoadCardForm:
            return RegisterId::KDrogowe;
        case VariableSet::Vehicles:
            return RegisterId::Pojazdy;
        case VariableSet::FuelCards:
            return RegisterId::KPaliwowe;
        case VariableSet::FuelPrices:
            return RegisterId::CenyPaliw;
        case VariableSet::Store:
            return RegisterId::Magazyn;
    }
    return RegisterId::Koszty;
}

}  // namespace ReportVariableSets
