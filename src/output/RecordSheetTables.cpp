#include "output/RecordSheetTables.h"

namespace {

using V = SheetValue;

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

SheetLine line(const char* label, const char* field, V value = V::Text) {
    SheetLine l;
    l.label = utf8(label);
    l.first = {QString::fromLatin1(field), value, {}};
    return l;
}

SheetLine dictionary(const char* label, const char* field, const char* code) {
    SheetLine l = line(label, field, V::Dictionary);
    l.first.dictionary = QString::fromLatin1(code);
    return l;
}

SheetLine heading(const char* label) {
    SheetLine l;
    l.form = SheetForm::Heading;
    l.label = utf8(label);
    return l;
}

SheetLine joined(const char* label, const char* field, V value, const char* joiner,
                 const char* second, V secondValue) {
    SheetLine l = line(label, field, value);
    l.joiner = utf8(joiner);
    l.second = {QString::fromLatin1(second), secondValue, {}};
    return l;
}

SheetLine captioned(const char* caption, const char* field) {
    SheetLine l = line(caption, field);
    l.form = SheetForm::Captioned;
    return l;
}

SheetLine kindRates() {
    SheetLine l;
    l.form = SheetForm::KindRates;
    return l;
}

// The lines orders and settlements share.
QList<SheetLine> orderLines(const char* numberLabel) {
    return {line(numberLabel, "NRDOKUMENTU"),
            line("Data od:", "DATAOD", V::Date),
            line("Data do:", "DATADO", V::Date),
            line("Pracownik:", "NREW", V::Person),
            line("Pojazd:", "IDPOJAZDU", V::Vehicle),
            line("Kontrahent:", "KONTRAHENT"),
            dictionary("Rodzaj pracy:", "RODZAJPRAC", "RPRAC"),
            line("Trasa:", "TRASA"),
            line("Opis:", "OPIS")};
}

// The first three lines of every consumption sheet.
QList<SheetLine> refuellingLines() {
    return {line("Rodzaj paliwa:", "", V::FuelKind), line("Pojazd:", "", V::ChosenVehicle),
            line("Data tankowania:", "DATA", V::Date)};
}

QList<SheetLayout> buildLayouts() {
    QList<SheetLayout> all;
    auto add = [&all](RegisterId id, const char* title, const QList<SheetLine>& lines) {
        all.append({id, utf8(title), lines});
    };
    add(RegisterId::Pojazdy, "Dane pojazdu",
        {line("Numer rejestracyjny:", "NRREJ"),
         line("Lp:", "LP", V::WholeOrEmpty),
         line("ID pojazdu:", "NREWID"),
         dictionary("Numer Floty:", "NRFLOTY", "FLOTA"),
         line("Poprzedni nr rejestr.:", "POPRZNRREJ"),
         line("Marka / typ / model:", "MARKA"),
         dictionary("Rodzaj pojazdu:", "RODZAJ", "RDPOJ"),
         line("Pojemność [cm3]:", "POJEMNOSC", V::Whole),
         line("Rocznik:", "ROCZNIK", V::Year),
         line("Status pojazdu:", "STATUS", V::Status),
         line("Seria dow. rejestrac.:", "SERIADREJ"),
         line("Następny przegląd techniczny:", "DATAPRZE", V::Date),
         line("Numer silnika:", "NRSILNIKA"),
         line("Przegl.tech. przy stanie licznika [km]:", "LICZPRZEG", V::Decimal2),
         line("Właściciel:", "NREW"),
         line("Numer nadwozia:", "NRNADWOZIA"),
         line("Numer polisy OC:", "NRPOLOC"),
         line("Data ważności OC:", "DATAOC", V::Date),
         line("Numer polisy AC:", "NRPOLAC"),
         line("Data ważności AC:", "DATAAC", V::Date),
         line("Przegląd gwaranyjny po stanie licznika [km]:", "LICZGWAR", V::Decimal2),
         line("Data przeglądu gwarancyjnego:", "DATAPRZEGW", V::Date),
         line("Data legalizacji tachografu:", "DATATACHO", V::Date),
         line("Stawka za godzinę pracy [PLN/h]:", "STAWKA", V::Decimal2),
         joined("Norma zużycia paliwa od [l]:", "NORMAOD", V::Decimal2, " do: ", "NORMADO",
                V::Decimal2),
         line("Kierowca:", "IDKIEROWCY", V::Person),
         line("Inne:", "UWAGI")});
    add(RegisterId::Przejazdy, "Szczegóły przejazdu",
        {line("Data wyjazdu:", "DATA", V::Date), line("Pojazd:", "IDPOJAZD", V::Vehicle),
         line("Cel wyjazdu:", "CELWYJAZDU"), line("Trasa:", "TRASA"),
         line("Stawka:", "STAWKA", V::Listed), line("Długość trasy [km]:", "ODLEGLOSC", V::General),
         line("Kwota:", "KWOTA", V::Listed), line("Kierowca:", "IDKIEROWCY", V::Person),
         line("Inne:", "UWAGI")});
    add(RegisterId::Koszty, "Dane szczegółowe wskazanego kosztu",
        {line("Data powstania kosztu:", "DATA", V::Date),
         line("Pojazd:", "IDPOJAZD", V::Vehicle),
         line("Koszt z karty drogowej:", "IDDROGOWA", V::RoadCard),
         line("Rodzaj wydatku:", "RODZWYD"),
         line("Nazwa towaru:", "NAZWATOWAR"),
         line("Wartość netto:", "WARTNETTO", V::Decimal2),
         line("Kwota VAT:", "WARTVAT", V::Decimal2),
         line("Wartość brutto:", "WARTBRUTTO", V::Decimal2),
         line("Czy księgować VAT?:", "CZYVAT", V::YesNo),
         line("Karta paliwowa:", "IDKARTY", V::FuelCard),
         line("Dotyczy zakupu paliwa:", "ISFUEL", V::YesNo),
         line("Ilość paliwa [l]:", "FUEL", V::Decimal2),
         dictionary("CK:", "CK", "CKKOD"),
         line("Kierowca:", "IDKIEROWCY", V::Person),
         heading("Dokument kosztowy:"),
         line("Data wystawienia:", "DATAWYSTAW", V::Date),
         line("Numer dokumentu:", "NRDOKUMENT"),
         dictionary("Rodzaj płatności:", "RODZAJPLAT", "RDPLA"),
         line("Stan licznika w trakcie zakupu:", "LICZNIK", V::Decimal2),
         captioned("Ilość towaru / inne", "UWAGI")});
    add(RegisterId::Naprawy, "Szczegóły wskazanej naprawy",
        {line("Naprawa wykonana?:", "DONE", V::YesNo), line("Pojazd:", "IDPOJAZD", V::Vehicle),
         line("Data naprawy:", "DATA", V::Date),
         line("Termin przy stanie licznika:", "LICZTERM", V::Decimal2), line("Opis:", "OPIS"),
         line("Kierowca:", "IDKIEROWCY", V::Person), line("Inne:", "UWAGI"),
         line("Stan licznika przed naprawą:", "LICZNIK", V::Decimal2)});
    add(RegisterId::Dokumenty, "Szczegóły wskazanego dokumentu",
        {line("Data dokumentu:", "DATA", V::Date), line("Pojazd:", "IDPOJAZD", V::Vehicle),
         line("Termin ważności:", "TERMIN", V::Date),
         line("Termin przy stanie licznika:", "LICZTERM", V::Decimal2),
         line("Rodzaj dokumentu:", "RODZAJ"), line("Nazwa:", "NAZWA"),
         line("Numer dokumentu:", "NUMER"), line("Opis:", "OPIS"), line("Inne:", "UWAGI")});
    add(RegisterId::KPaliwowe, "Szczegóły wskazanej karty paliwowej",
        {line("ID karty:", "IDKARTY"), line("Nazwa:", "NAZWA"), line("Stacja:", "STACJA"),
         line("Termin:", "TERMIN", V::Date), line("Pojazd:", "IDPOJAZD", V::Vehicle),
         line("Kierowca:", "IDKIEROWCY", V::Person), line("WWW:", "WWW"), line("Email:", "EMAIL"),
         line("PIN:", "PIN"), line("Inne:", "UWAGI")});
    add(RegisterId::Wyposazenie, "Szczegóły wskazanego wyposażenia",
        {line("Data montażu:", "DATA", V::Date), line("Pojazd:", "IDPOJAZD", V::Vehicle),
         line("Termin ważności:", "TERMIN", V::Date),
         line("Termin przy stanie licznika:", "LICZTERM", V::Decimal2),
         line("Rodzaj wyposażenia:", "RODZAJ"), line("Opis elementu:", "OPIS"),
         line("Stan licznika w trakcie montażu:", "LICZNIK", V::Decimal2), line("Inne:", "UWAGI")});
    add(RegisterId::Terminarz, "Szczegóły wskazanego terminu",
        {line("Data od:", "DATAOD", V::Date), line("Data do:", "DATADO", V::Date),
         line("Termin przy stanie licznika:", "LICZTERM", V::Decimal2),
         line("Którą date uwzględnić przy sprawdzaniu terminów?:", "SPRODDO", V::WatchedDate),
         line("Pracownik:", "NREW", V::Person), line("Pojazd:", "IDPOJAZDU", V::Vehicle),
         line("Kontrahent:", "KONTRAHENT"), dictionary("Rodzaj terminu:", "RODZAJTERMINU", "RTERM"),
         line("Opis:", "OPIS")});
    add(RegisterId::Opony, "Szczegóły wskazanej opony (kompletu opon)",
        {line("Numer ewidencyjny:", "NREWID"),
         line("Ilość opon (jeśli komplet):", "ILOSC", V::Whole), line("Marka:", "MARKA"),
         dictionary("Rodzaj opon(y):", "RODZAJ", "RODOP"),
         dictionary("Rozmiar opon(y):", "ROZMIAR", "ROZOP"), line("Rodzaj bieżnika:", "BIEZNIK"),
         line("Przebieg maksymalny:", "PRZEBMAX", V::Decimal2), line("Cechy opon(y):", "CECHY"),
         line("Data zakupu:", "DATAZAKUPU", V::Date),
         line("Numer dokumentu zakupu:", "NRDOKUMENTU"),
         line("Wartość netto:", "NETTO", V::Decimal2), line("Kwota VAT:", "VAT", V::Decimal2),
         line("Wartość brutto:", "BRUTTO", V::Decimal2),
         line("Przypisane do pojazdu:", "IDPOJAZDU", V::Vehicle),
         line("Data kolejnej wymiany:", "DATAWYMIANY", V::Date),
         line("Czy w magazynie?:", "MAGAZYN", V::YesNo),
         line("Wymiana przy stanie licznika:", "LICZTERM", V::Decimal2), line("Inne:", "INNE")});
    add(RegisterId::Rozliczenia, "Szczegóły wskazanego rozliczenia",
        orderLines("Numer dokumentu:") +
            QList<SheetLine>{line("Ilość przepracowanych godzin:", "GODZINY", V::Decimal2),
                             line("Stawka:", "STAWKA", V::Decimal2),
                             line("Wartość:", "WARTOSC", V::Listed)});
    add(RegisterId::Zlecenia, "Szczegóły wskazanego zlecenia", orderLines("Numer zlecenia:"));
    add(RegisterId::KDrogowe, "Szczegóły wskazanej karty drogowej",
        {line("Data wystawienia:", "DATAWYST", V::Date), line("Pojazd:", "IDPOJAZD", V::Vehicle),
         line("Kierowca:", "IDKIEROWCY", V::Person), line("Numer karty:", "NRKARTY"),
         line("Nr prawa jazdy:", "PRAWOJAZDY"), line("Cel wyjazdu:", "CELWYJAZDU"),
         line("Trasa:", "TRASA"),
         joined("Data i godzina rozpoczęcia:", "DATASTART", V::Date, " ", "GODZSTART", V::Time),
         joined("Data i godzina zakończenia:", "DATAEND", V::Date, " ", "GODZEND", V::Time),
         line("Stan licznika przed wyjazdem [km]:", "LICZSTART", V::Decimal2),
         line("Stan licznika po powrocie [km]:", "LICZEND", V::Decimal2),
         line("Czas prowadzenia pojazdu:", "CZAS", V::Decimal2),
         line("Dobowy czas odpoczynku:", "ODPOCZYNEK", V::Decimal2),
         line("Ogółem godzin pracy:", "GODZSUMA", V::Decimal2), line("Inne:", "UWAGI")});
    add(RegisterId::Przebiegi, "Informacje o przebiegu we wskazanym dniu",
        {line("Data odczytu:", "DATA", V::Date), line("Pojazd:", "IDPOJAZD", V::Vehicle),
         line("Stan licznika:", "LICZNIK", V::Decimal2), line("Uwagi:", "UWAGI")});
    add(RegisterId::Szkody, "Szczegóły wskazanej szkody",
        {line("Data szkody:", "DATA", V::Date), line("Pojazd:", "IDPOJAZD", V::Vehicle),
         line("Kierowca:", "IDKIEROWCY", V::Person),
         line("Stan licznika w trakcie zdarzenia:", "LICZNIK", V::Decimal2),
         line("Opis zdarzenia:", "OPIS"), line("Wartość netto:", "WARTNETTO", V::Decimal2),
         line("Kwota VAT:", "WARTVAT", V::Decimal2),
         line("Wartość brutto:", "WARTBRUTTO", V::Decimal2), line("Inne:", "UWAGI")});
    add(RegisterId::CenyPaliw, "Cena paliwa we wskazanym dniu",
        {line("Data:", "DATA", V::Date), dictionary("Rodzaj paliwa:", "RODZAJPALIWA", "RDPAL"),
         line("Miejsce:", "MIEJSCE"), line("Cena brutto za 1 litr:", "BRUTTO", V::Decimal2)});
    add(RegisterId::Magazyn, "Szczegóły dotyczące stanu magazynowego zasobu",
        {line("Nazwa zasobu:", "CZESC"), line("Ilość - stan magazynowy:", "ILOSC", V::Decimal2),
         line("Przypomnij przy stanie:", "PRZYPOMNIJ", V::Decimal2), line("Inne:", "UWAGI")});
    add(RegisterId::Zuzycie, "Szczegóły dotyczące tankowania - zużycie ciągłe",
        refuellingLines() +
            QList<SheetLine>{
                line("Ilość paliwa w baku przed tankowaniem [l]:", "BAK", V::Decimal2),
                line("Ilość zatankowanego paliwa [l]:", "TANKOWANIE", V::Decimal2),
                line("Stan licznika w trakcie tankowania [km]:", "LICZNIK", V::Decimal2),
                line("Zużycie l/100 km:", "ZUZYCIE", V::Listed)});
    add(RegisterId::ZuzycieKm, "Szczegóły dotyczące tankowania - zużycie na podst. przebiegu",
        refuellingLines() +
            QList<SheetLine>{
                line("Przejechano kilometrów [km]:", "PRZEBIEG", V::Decimal2),
                line("Zużyto paliwa [l]:", "TANKOWANIE", V::Decimal2),
                line("Stan licznika w trakcie tankowania [km]:", "LICZNIK", V::Decimal2),
                line("Zużycie l/100 km:", "ZUZYCIE", V::Listed)});
    add(RegisterId::ZuzycieMth, "Szczegóły dotyczące tankowania - zużycie na podstawie motogodzin",
        refuellingLines() +
            QList<SheetLine>{
                line("Przepracowanych godzin [h]:", "PRZEBIEG", V::Decimal2),
                line("Zużyto paliwa [l]:", "TANKOWANIE", V::Decimal2),
                line("Stan licznika w trakcie tankowania [km]:", "LICZNIK", V::Decimal2),
                line("Zużycie l/1 Mth:", "ZUZYCIE", V::Listed)});
    add(RegisterId::Stawki, "Informacje dotyczące stawek we wskazanym okresie",
        {line("Od kiedy obowiązują stawki:", "DATAOD", V::Date),
         heading("Stawki w PLN w zależności od rodzaju pojazdu:"),
         line("Poniżej 900 cm3:", "LW900", V::Decimal4),
         line("Powyżej 900 cm3:", "GT900", V::Decimal4), kindRates()});
    add(RegisterId::Osobowa, "Dane pracownika",
        {line("Numer ewidencyjny:", "NREW"),
         joined("Nazwisko i imię:", "NAZWISKO", V::Text, " ", "IMIE", V::Text),
         line("Adres:", "ADRES"), line("Numer domu:", "NUMER"), line("Miasto:", "MIASTO"),
         line("Kod pocztowy:", "KOD"), line("Kraj:", "KRAJ"), line("Telefon (-y):", "TELEFON"),
         line("Adres kontaktowy:", "KONTAKT"), line("Inne:", "UWAGI")});
    return all;
}

}  // namespace

namespace RecordSheetTables {

const SheetLayout& layout(RegisterId id) {
    // Kept in the order of RegisterId, so that a register finds its sheet by its number.
    static const QList<SheetLayout> layouts = [] {
        QList<SheetLayout> list = buildLayouts();
        QList<SheetLayout> ordered(kRegisterCount);
        for (const SheetLayout& sheet : list)
            ordered[int(sheet.id)] = sheet;
        Q_ASSERT(list.size() == kRegisterCount);
        return ordered;
    }();
    return layouts.at(int(id));
}

}  // namespace RecordSheetTables
