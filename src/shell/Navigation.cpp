#include "shell/Navigation.h"

#include "data/registers/RegisterDescriptor.h"

namespace Navigation {

namespace {

Entry reg(const char* caption, const char* objectName, RegisterId id) {
    return {QString::fromUtf8(caption), QString::fromLatin1(objectName), Page::Register, id};
}

Entry page(const char* caption, const char* objectName, Page p, int readRight) {
    return {QString::fromUtf8(caption), QString::fromLatin1(objectName), p, std::nullopt,
            readRight};
}

QList<Group> build() {
    using R = RegisterId;
    return {
        {QStringLiteral("Start"), QStringLiteral("SBStart"), Page::Start, std::nullopt, {}},
        {QStringLiteral("Pojazdy"), QStringLiteral("SBPojazdy"), Page::Register, R::Pojazdy, {}},
        {QStringLiteral("Finanse"),
         QStringLiteral("SBFinanse"),
         Page::GroupStart,
         std::nullopt,
         {reg("Przejazdy", "SBPrzejazdy", R::Przejazdy), reg("Koszty", "SBKoszty", R::Koszty),
          reg("Karty drogowe ", "SBKDrogowe", R::KDrogowe),
          reg("Karty paliwowe ", "SBKPaliwowe", R::KPaliwowe),
          reg("Rozliczenia", "SBRozliczenia", R::Rozliczenia),
          reg("Zlecenia", "SBZlecenia", R::Zlecenia)}},
        {QStringLiteral("Paliwa"),
         QStringLiteral("SBPaliwa"),
         Page::GroupStart,
         std::nullopt,
         {reg("Zużycie paliwa - ciągłe", "SBZuzycie", R::Zuzycie),
          reg("Zużycie paliwa - km", "SBZuzycieKm", R::ZuzycieKm),
          reg("Zużycie paliwa - mth", "SBZuzycieMth", R::ZuzycieMth),
          reg("Rejestr cen paliw", "SBCenyPaliw", R::CenyPaliw)}},
        {QStringLiteral("Czas"),
         QStringLiteral("SBCzas"),
         Page::GroupStart,
         std::nullopt,
         {reg("Terminarz", "SBTerminarz", R::Terminarz),
          reg(" Historia przebiegów ", "SBPrzebiegi", R::Przebiegi)}},
        {QStringLiteral("Rejestry"),
         QStringLiteral("SBRejestry"),
         Page::GroupStart,
         std::nullopt,
         {reg("Wyposażenie", "SBWyposazenie", R::Wyposazenie),
          reg("Dokumenty", "SBDokumenty", R::Dokumenty), reg(" Opony", "SBOpony", R::Opony),
          reg("Szkody, stłuczki", "SBSzkody", R::Szkody), reg("Naprawy", "SBNaprawy", R::Naprawy),
          reg("Magazyn zasobów", "SBMagazyn", R::Magazyn)}},
        {QStringLiteral("Raporty"),
         QStringLiteral("SBRaporty"),
         Page::Reports,
         std::nullopt,
         {},
         17},
        {QStringLiteral("Wykresy"), QStringLiteral("SBWykresy"), Page::Charts, std::nullopt, {}},
        {QStringLiteral("Słowniki"),
         QStringLiteral("SBSlowniki"),
         Page::GroupStart,
         std::nullopt,
         {page("Biblioteka", "SBBiblioteka", Page::Library, 18),
          reg("Stawki za km.", "SBStawki", R::Stawki),
          page("Dane Firmy", "SBDaneFirmy", Page::CompanyData, 22),
          reg("Kartoteka", "SBOsobowa", R::Osobowa)}},
    };
}

}  // namespace

const QList<Group>& groups() {
    static const QList<Group> all = build();
    return all;
}

const Group& groupOf(RegisterId id) {
    for (const Group& group : groups()) {
        if (group.registerId == id)
            return group;
        for (const Entry& entry : group.entries) {
            if (entry.registerId == id)
                return group;
        }
    }
    return groups().first();
}

int readRight(const Group& group) {
    return group.registerId ? Registers::get(*group.registerId).readRight : group.readRight;
}

int readRight(const Entry& entry) {
    return entry.registerId ? Registers::get(*entry.registerId).readRight : entry.readRight;
}

QString captionOf(RegisterId id) {
    const Group& group = groupOf(id);
    if (group.registerId == id)
        return group.caption;
    for (const Entry& entry : group.entries) {
        if (entry.registerId == id)
            return entry.caption;
    }
    return {};
}

}  // namespace Navigation
