#include "data/registers/RegisterBuilders.h"

namespace {

SumColumn count(const char* heading) {
    return {QString::fromUtf8(heading), SumKind::Count, {}};
}

SumColumn sum(const char* heading, const char* expression) {
    return {QString::fromUtf8(heading), SumKind::Sum, QString::fromLatin1(expression)};
}

SumColumn computed(const char* heading, SumKind kind) {
    return {QString::fromUtf8(heading), kind, {}};
}

RegisterSums sums(const char* table, qint64 code, QList<SumColumn> columns) {
    return {QStringLiteral("Sumy dla tabeli ") + QString::fromUtf8(table), std::move(columns),
            code};
}

}  // namespace

RegisterSums sumsOf(RegisterId id) {
    using R = RegisterId;
    switch (id) {
        case R::Pojazdy:
            return sums("POJAZDY", 260, {count("Ilość pojazdów")});
        case R::Przejazdy: {
            RegisterSums s = sums("PRZEJAZDY", 261,
                                  {count("Ilość przejazdów"), sum("Przejechanych km", "ODLEGLOSC"),
                                   computed("Kwota przejazdów", SumKind::TripAmount)});
            s.derivedErrorCode = 290;
            return s;
        }
        case R::Koszty:
            return sums("KOSZTY", 262,
                        {count("Ilość kosztów"), sum("Netto", "WARTNETTO"), sum("VAT", "WARTVAT"),
                         sum("Brutto", "WARTBRUTTO"), sum("Ilość paliwa", "FUEL")});
        case R::KDrogowe:
            return sums("KARTY DROGOWE", 161232,
                        {count("Ilość kart"), sum("Kilometrów", "LICZEND-LICZSTART"),
                         sum("Czas pracy", "GODZSUMA")});
        case R::Naprawy:
            return sums("NAPRAW", 263, {count("Ilość napraw")});
        case R::Magazyn:
            return sums("MAGAZYN", 151818, {count("Ilość danych")});
        case R::Osobowa:
            return sums("KARTOTEKA OSOBOWA", 264, {count("Ilość osób")});
        case R::Stawki: {
            RegisterSums s = sums("STAWKI", 806, {count("Ilość zapisów")});
            s.everyRow = true;
            return s;
        }
        case R::Szkody:
            return sums("SZKODY", 911802,
                        {count("Ilość szkód"), sum("Netto", "WARTNETTO"), sum("VAT", "WARTVAT"),
                         sum("Brutto", "WARTBRUTTO")});
        case R::Przebiegi:
            return sums("PRZEBIEGI", 311928, {count("Ilość zapisów")});
        case R::CenyPaliw:
            return sums("Ceny Paliw", 121817, {count("Ilość zapisów")});
        case R::Zuzycie: {
            RegisterSums s = sums("ZUŻYCIE PALIWA", 265,
                                  {count("Ilość wpisów"), sum("Zatankowano l.", "TANKOWANIE"),
                                   computed("Przejechano km.", SumKind::OdometerAdvance)});
            s.derivedErrorCode = 291;
            return s;
        }
        case R::ZuzycieKm:
            return sums("ZUŻYCIE PALIWA - przebieg", 922058,
                        {count("Ilość wpisów"), sum("Zużyto l.", "TANKOWANIE"),
                         sum("Przejechano km.", "PRZEBIEG")});
        case R::ZuzycieMth:
            return sums("ZUŻYCIE PALIWA - motogodziny", 922059,
                        {count("Ilość wpisów"), sum("Zużyto l.", "TANKOWANIE"),
                         sum("przepracowano h", "PRZEBIEG")});
        case R::Dokumenty:
            return sums("DOKUMENTY", 266, {count("Ilość dokumentów")});
        case R::Wyposazenie:
            return sums("WYPOSAŻENIE", 267, {count("Ilość wyposażenia")});
        case R::KPaliwowe:
            return sums("KARTY PALIWOWE", 268, {count("Ilość kart")});
        case R::Terminarz:
            return sums("TERMINARZ", 44005, {count("Ilość terminów")});
        case R::Opony:
            return sums("OPONY", 44006,
                        {count("Ilość opon"), sum("Netto", "NETTO"), sum("VAT", "VAT"),
                         sum("Brutto", "BRUTTO")});
        case R::Rozliczenia:
            return sums("ROZLICZENIA", 56010,
                        {count("Ilość rekordów"), sum("Przepracow. godzin", "GODZINY"),
                         sum("Koszt pracy", "(GODZINY*STAWKA)")});
        case R::Zlecenia:
            return sums("ZLECENIA", 44011, {count("Ilość zleceń")});
    }
    return {};
}
