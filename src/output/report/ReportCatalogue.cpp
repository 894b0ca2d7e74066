#include "output/report/ReportCatalogue.h"

namespace ReportCatalogue {
namespace {

using S = VariableSet;
using V = ReportVariant;
using N = ReportNeed;
using R = ReportRun;
using P = ReportPage;
using Id = RegisterId;

CatalogueReport entry(const char* name, const char* caption, const char* handler, P page, N need,
                      Id list, R run, S set, V variant = V::WholeRegister) {
    return {QString::fromLatin1(name),
            QString::fromUtf8(caption),
            QString::fromLatin1(handler),
            page,
            need,
            list,
            run,
            {set, variant}};
}

}  // namespace

const QList<CatalogueReport>& all() {
    static const QList<CatalogueReport> entries = {
        entry("zest_m", "Zestawienie roczne", "SpeedButton1", P::Vehicles, N::VehicleAndYear,
              Id::Przejazdy, R::YearlySummary, S::Trips),
        entry("koszty_p", "Koszty związane ze wskazanym pojazdem", "SpeedButton3", P::Vehicles,
              N::Vehicle, Id::Koszty, R::List, S::Costs, V::Vehicle),
        entry("przejazdy_p", "Przejazdy wskazanego pojazdu", "SpeedButton4", P::Vehicles,
              N::Vehicle, Id::Przejazdy, R::List, S::Trips, V::Vehicle),
        entry("zuzycie_p", "Zużycie paliwa - ciągłe", "SpeedButton2", P::Vehicles, N::Vehicle,
              Id::Zuzycie, R::List, S::Consumption, V::Continuous),
        entry("zuzyciekm_p", "Zużycie paliwa na podstawie przebiegu", "SpeedButton30", P::Vehicles,
              N::Vehicle, Id::ZuzycieKm, R::List, S::Consumption, V::ByDistance),
        entry("zuzyciemth_p", "Zużycie paliwa na podstawie motogodzin", "SpeedButton31",
              P::Vehicles, N::Vehicle, Id::ZuzycieMth, R::List, S::Consumption, V::ByEngineHours),
        entry("naprawy_p", "Naprawy wskazanego pojazdu", "SpeedButton5", P::Vehicles, N::Vehicle,
              Id::Naprawy, R::List, S::Repairs, V::Vehicle),
        entry("wyposazenie_p", "Wyposażenie wskazanego pojazdu", "SpeedButton8", P::Vehicles,
              N::Vehicle, Id::Wyposazenie, R::List, S::Equipment, V::Vehicle),
        entry("dokumenty_p", "Dokumenty związane ze wskazanym pojazdem", "SpeedButton6",
              P::Vehicles, N::Vehicle, Id::Dokumenty, R::List, S::Documents, V::Vehicle),
        entry("kierujacy_p", "Kierowcy prowadzący wskazany pojazd", "SpeedButton7", P::Vehicles,
              N::Vehicle, Id::Przejazdy, R::DriversOfVehicle, S::Drivers, V::Vehicle),
        entry("terminarz_p", "Terminy związane z pojazdem", "SpeedButton21", P::Vehicles,
              N::Vehicle, Id::Terminarz, R::List, S::Scheduler, V::Vehicle),
        entry("opony_p", "Opony przypisane do pojazdu", "SpeedButton20", P::Vehicles, N::Vehicle,
              Id::Opony, R::List, S::Tyres, V::Vehicle),
        entry("rozliczenia_p", "Rozliczenia związane z pojazdem", "SpeedButton19", P::Vehicles,
              N::Vehicle, Id::Rozliczenia, R::List, S::Settlements, V::Vehicle),
        entry("zlecenia_p", "Zlecenia związane z pojazdem", "SpeedButton17", P::Vehicles,
              N::Vehicle, Id::Zlecenia, R::List, S::Orders, V::Vehicle),
        entry("przebiegi_p", "Przebieg dla wskazanego pojazdu", "SpeedButton32", P::Vehicles,
              N::Vehicle, Id::Przebiegi, R::List, S::Readings, V::Vehicle),
        entry("szkody_p", "Szkody, stłuczki wskazanego pojazdu", "SpeedButton33", P::Vehicles,
              N::Vehicle, Id::Szkody, R::List, S::Damages, V::Vehicle),

        entry("kier_koszty", "Koszty związane ze wskazanym kierowcą", "SpeedButton10", P::Drivers,
              N::Driver, Id::Koszty, R::DriverByVehicle, S::Costs, V::Driver),
        entry("kier_przejazdy", "Przejazdy wskazanego kierowcy", "SpeedButton11", P::Drivers,
              N::Driver, Id::Przejazdy, R::DriverByVehicle, S::Trips, V::Driver),
        entry("kier_naprawy", "Naprawy wskazanego kierowcy", "SpeedButton12", P::Drivers, N::Driver,
              Id::Naprawy, R::DriverByVehicle, S::Repairs, V::Driver),
        entry("kier_terminarz", "Terminy związane z kierowcą", "SpeedButton22", P::Drivers,
              N::Driver, Id::Terminarz, R::DriverOwn, S::Scheduler, V::Driver),
        entry("kier_rozliczenia", "Rozliczenia związane z kierowcą", "SpeedButton23", P::Drivers,
              N::Driver, Id::Rozliczenia, R::DriverOwn, S::Settlements, V::Driver),
        entry("kier_zlecenia", "Zlecenia związane z kierowcą", "SpeedButton24", P::Drivers,
              N::Driver, Id::Zlecenia, R::DriverOwn, S::Orders, V::Driver),
        entry("kier_szkody", "Szkody związane z kierowcą", "SpeedButton34", P::Drivers, N::Driver,
              Id::Szkody, R::DriverByVehicle, S::Damages, V::Driver),

        entry("kartadrogowa", "Wydruk karty drogowej", "SpeedButton37", P::RoadCards, N::RoadCard,
              Id::KDrogowe, R::OneRoadCard, S::RoadCardForm),
        entry("koszty_karta", "Koszty związane z kartą drogową", "SpeedButton38", P::RoadCards,
              N::RoadCard, Id::Koszty, R::RoadCardCosts, S::Costs, V::RoadCard),
        entry("kdrogowe", "Zestawienie kart drogowych", "SpeedButton39", P::RoadCards, N::None,
              Id::KDrogowe, R::List, S::RoadCards),
        entry("koszty_paliwa", "koszty zakupu paliwa", "SpeedButton36", P::RoadCards, N::None,
              Id::Koszty, R::FuelPurchases, S::FuelPurchases),

        entry("pojazdy", "Zestawienie pojazdów", "SpeedButton15", P::Other1, N::None, Id::Pojazdy,
              R::EveryVehicle, S::Vehicles),
        entry("kpaliwowe", "Zestawienie kart paliwowych", "SpeedButton14", P::Other1, N::None,
              Id::KPaliwowe, R::List, S::FuelCards),
        entry("osobowa", "Kartoteka osobowa", "SpeedButton13", P::Other1, N::None, Id::Osobowa,
              R::List, S::Persons),
        entry("koszty_k", "Koszty przypisane do wskazanej karty paliwowej", "SpeedButton9",
              P::Other1, N::FuelCard, Id::Koszty, R::FuelCardCosts, S::Costs, V::FuelCard),
        entry("terminarz", "Zdarzenia zapisane w terminarzu", "SpeedButton27", P::Other1, N::None,
              Id::Terminarz, R::List, S::Scheduler),
        entry("opony", "Zestawienie opon", "SpeedButton26", P::Other1, N::None, Id::Opony, R::List,
              S::Tyres),
        entry("rozliczenia", "Zestawienie rozliczeń", "SpeedButton25", P::Other1, N::None,
              Id::Rozliczenia, R::List, S::Settlements),
        entry("zlecenia", "Zestawienie zleceń", "SpeedButton28", P::Other1, N::None, Id::Zlecenia,
              R::List, S::Orders),
        entry("zlecenie", "Drukuj wskazane zlecenie", "SpeedButton29", P::Other1, N::None,
              Id::Zlecenia, R::OneOrder, S::Orders, V::SingleOrder),
        entry("szkody", "Zestawienie szkód, stłuczek", "SpeedButton35", P::Other1, N::None,
              Id::Szkody, R::List, S::Damages),

        entry("cenypaliw", "Rejestr cen paliw", "SpeedButton40", P::Other2, N::None, Id::CenyPaliw,
              R::FuelPrices, S::FuelPrices),
        entry("magazyn", "Stany magazynowe", "SpeedButton41", P::Other2, N::None, Id::Magazyn,
              R::List, S::Store),
    };
    return entries;
}

const CatalogueReport* byName(const QString& name) {
    for (const CatalogueReport& e : all()) {
        if (e.name.compare(name, Qt::CaseInsensitive) == 0)
            return &e;
    }
    return nullptr;
}

QString pageCaption(ReportPage page) {
    switch (page) {
        case ReportPage::Vehicles:
            return QStringLiteral("Raporty wg pojazdów");
        case ReportPage::Drivers:
            return QStringLiteral("Raporty wg kierowców");
        case ReportPage::RoadCards:
            return QStringLiteral("Karty drogowe");
        case ReportPage::Other1:
            return QStringLiteral("Pozostałe raporty 1");
        case ReportPage::Other2:
            return QStringLiteral("Pozostałe raporty 2");
        case ReportPage::Individual:
            return QStringLiteral("Raporty Indywidualne");
    }
    return {};
}

}  // namespace ReportCatalogue
