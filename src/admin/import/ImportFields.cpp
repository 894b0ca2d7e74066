#include "admin/import/ImportFields.h"

namespace ImportFields {

namespace {

using V = ImportField::Value;

QList<ImportField> costFields() {
    return {
        {"DATA", "Data powstania kosztu", V::Date, "Brak daty powstania kosztu",
         "Niepoprawny format daty powstania kosztu", true},
        {"NRREJ", "Numer rejestracyjny pojazdu", V::Vehicle, "Brak numeru rejestracyjnego",
         "Nie znaleziono podanego pojazdu", true},
        {"RODZWYD", "Rodzaj wydatku", V::Text, {}, {}, true},
        {"NAZWATOWAR", "Nazwa towaru", V::Text, {}, {}},
        {"IDKARTY",
         "Karta paliwowa (ID karty)",
         V::FuelCard,
         {},
         "Nie znaleziono karty paliwowej o podanym ID"},
        {"IDKIEROWCY", "Numer ewidencyjny kierowcy", V::Text, {}, {}},
        {"LICZNIK",
         "Stan licznika w trakcie zakupu",
         V::Number,
         {},
         "Niepoprawny format stanu licznika"},
        {"UWAGI", "Inne", V::Text, {}, {}},
        {"DATAWYSTAW",
         "Data wystawienia",
         V::Date,
         {},
         "Niepoprawny format daty wystawienia dokumentu kosztowego",
         false,
         true},
        {"NRDOKUMENT", "Numer dokumentu", V::Text, {}, {}, false, true},
        {"RODZAJPLAT",
         "Rodzaj płatności",
         V::Payment,
         {},
         "Nie rozpoznano rodzaju płatności",
         false,
         true},
        {"WARTNETTO",
         "Wartość netto",
         V::Amount,
         {},
         "Niepoprawny format kwoty netto",
         false,
         true},
        {"WARTVAT", "Kwota VAT", V::Amount, {}, "Niepoprawny format kwoty VAT", false, true},
        {"WARTBRUTTO",
         "Wartość brutto",
         V::Amount,
         {},
         "Niepoprawny format kwoty brutto",
         false,
         true},
        {"CZYVAT", "Czy księgować VAT?", V::VatFlag, {}, {}, false, true},
        {"ISFUEL", "Czy zakup paliwa?", V::FuelFlag, {}, {}},
        {"FUEL", "Ilość paliwa", V::FuelQuantity, {}, "Niepoprawna ilość paliwa"},
        {"CK", "CK", V::CostCentre, {}, "Podane CK nie istnieje w słowniku"},
        {"IDDROGOWA", "Karta drogowa", V::RoadCard, {}, "Podany nr karty drogowej nie istnieje"},
    };
}

QList<ImportField> refuellingFields(ImportKind kind) {
    QList<ImportField> fields = {
        {"DATA", "Data tankowania", V::Date, "Brak daty tankowania",
         "Niepoprawny format daty tankowania", true},
        {"NRREJ", "Numer rejestracyjny pojazdu", V::Vehicle, "Brak numeru rejestracyjnego",
         "Nie znaleziono podanego pojazdu", true},
        {"PALIWO", "Rodzaj paliwa", V::FuelKind, {}, {}, true},
        {"LICZNIK",
         "Stan licznika w trakcie tankowania",
         V::Number,
         {},
         "Niepoprawny format stanu licznika"},
    };
    if (kind == ImportKind::Refuellings) {
        fields.append({"BAK",
                       "Ilość paliwa w baku przed tankowaniem",
                       V::Number,
                       {},
                       "Niepoprawny format ilości paliwa w baku przed tankowaniem"});
        fields.append({"TANKOWANIE", "Ilość zatankowanego paliwa", V::Number,
                       "Brak ilości zatankowanego paliwa",
                       "Niepoprawny format ilości zatankowanego paliwa"});
        return fields;
    }
    fields.append({"TANKOWANIE", "Zużyto paliwa", V::Number, "Brak ilości zużytego paliwa",
                   "Niepoprawny format ilości zużytego paliwa"});
    if (kind == ImportKind::RefuellingsKm)
        fields.append({"PRZEBIEG", "Przejechano kilometrów", V::Number,
                       "Brak ilości przejechanych kilometrów",
                       "Niepoprawny format ilości przejechanych kilometrów"});
    else
        fields.append({"PRZEBIEG", "Przepracowano godzin", V::Number,
                       "Brak ilości przepracowanych godzin",
                       "Niepoprawny format ilości przepracowanych godzin"});
    return fields;
}

}  // namespace

const QList<ImportField>& of(ImportKind kind) {
    static const QList<ImportField> costs = costFields();
    static const QList<ImportField> continuous = refuellingFields(ImportKind::Refuellings);
    static const QList<ImportField> distance = refuellingFields(ImportKind::RefuellingsKm);
    static const QList<ImportField> hours = refuellingFields(ImportKind::RefuellingsMth);
    switch (kind) {
        case ImportKind::Costs:
            return costs;
        case ImportKind::Refuellings:
            return continuous;
        case ImportKind::RefuellingsKm:
            return distance;
        case ImportKind::RefuellingsMth:
            break;
    }
    return hours;
}

int indexOf(ImportKind kind, const QString& name) {
    const QList<ImportField>& fields = of(kind);
    for (int i = 0; i < fields.size(); ++i) {
        if (fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

const QList<int>& verificationOrder(ImportKind kind) {
    static const QList<int> costs = {0,  8,  1,  2,  3,  4,  5,  6,  7, 9,
                                     10, 11, 12, 13, 14, 15, 16, 17, 18};
    static const QList<int> refuellings = {0, 1, 2, 3, 4, 5};
    return kind == ImportKind::Costs ? costs : refuellings;
}

RegisterId registerOf(ImportKind kind) {
    switch (kind) {
        case ImportKind::Costs:
            return RegisterId::Koszty;
        case ImportKind::Refuellings:
            return RegisterId::Zuzycie;
        case ImportKind::RefuellingsKm:
            return RegisterId::ZuzycieKm;
        case ImportKind::RefuellingsMth:
            break;
    }
    return RegisterId::ZuzycieMth;
}

bool isRefuelling(ImportKind kind) {
    return kind != ImportKind::Costs;
}

QString title(ImportKind kind) {
    switch (kind) {
        case ImportKind::Costs:
            return QStringLiteral("Import kosztów");
        case ImportKind::Refuellings:
            return QStringLiteral("Import tankowania paliwa");
        case ImportKind::RefuellingsKm:
            return QStringLiteral("Import tankowania paliwa - kilometry");
        case ImportKind::RefuellingsMth:
            break;
    }
    return QStringLiteral("Import tankowania paliwa - motogodziny");
}

QString banner(ImportKind kind) {
    switch (kind) {
        case ImportKind::Costs:
            return QStringLiteral("Import kosztów z arkusza .CSV");
        case ImportKind::Refuellings:
            return QStringLiteral("Import tankowania paliwa z arkusza .CSV");
        case ImportKind::RefuellingsKm:
            return QStringLiteral("Import tankowania paliwa (kilometry) z arkusza .CSV");
        case ImportKind::RefuellingsMth:
            break;
    }
    return QStringLiteral("Import tankowania paliwa (motogodziny) z arkusza .CSV");
}

QString commandName(ImportKind kind) {
    switch (kind) {
        case ImportKind::Costs:
            return QStringLiteral("koszty");
        case ImportKind::Refuellings:
            return QStringLiteral("zuzycie");
        case ImportKind::RefuellingsKm:
            return QStringLiteral("zuzyciekm");
        case ImportKind::RefuellingsMth:
            break;
    }
    return QStringLiteral("zuzyciemth");
}

}  // namespace ImportFields
