#include "data/schema/Schema.h"

namespace {

// Shorthands that keep the table list below readable.
FieldDef key(const char* name) {
    return {QString::fromLatin1(name), FieldKind::AutoKey};
}
FieldDef integer(const char* name) {
    return {QString::fromLatin1(name), FieldKind::Integer};
}
FieldDef number(const char* name) {
    return {QString::fromLatin1(name), FieldKind::Number};
}
FieldDef date(const char* name) {
    return {QString::fromLatin1(name), FieldKind::Date};
}
FieldDef dateNumber(const char* name) {
    return {QString::fromLatin1(name), FieldKind::DateNumber};
}
FieldDef time(const char* name) {
    return {QString::fromLatin1(name), FieldKind::Time};
}
FieldDef flag(const char* name) {
    return {QString::fromLatin1(name), FieldKind::Flag, 1};
}
// A text shown and sorted in lists: Polish order.
FieldDef text(const char* name, int width) {
    return {QString::fromLatin1(name), FieldKind::Text, width, true};
}
// A code, number or reference: compared as typed.
FieldDef code(const char* name, int width) {
    return {QString::fromLatin1(name), FieldKind::Text, width, false};
}
// A person reference: osobowa.NREW.
FieldDef person(const char* name) {
    return code(name, 15);
}

QStringList fields(std::initializer_list<const char*> names) {
    QStringList list;
    for (const char* name : names)
        list << QString::fromLatin1(name);
    return list;
}

QList<TableDef> buildCompanyTables() {
    QList<TableDef> t;
    t.append({QStringLiteral("userzy"),
              {code("NAZWA", 20), code("HASLO", 200), text("OPIS", 100), flag("SUPERVISOR")},
              {},
              {fields({"NAZWA"})},
              {}});
    t.append({QStringLiteral("slowniki"),
              {key("KOD"), code("IDSLOWNIK", 5), text("OPIS", 100), code("UZUP1", 20),
               code("UZUP2", 20)},
              fields({"KOD"}),
              {},
              {fields({"IDSLOWNIK"})}});
    {
        TableDef stawki{QStringLiteral("stawki"),
                        {date("DATAOD"), number("LW900"), number("GT900"), number("MOTOCYKL"),
                         number("MOTOROWER")},
                        {},
                        {fields({"DATAOD"})},
                        {}};
        for (int n = 5; n <= 20; ++n)
            stawki.fields.append({QStringLiteral("RDPOJ%1").arg(n), FieldKind::Number});
        t.append(stawki);
    }
    t.append({QStringLiteral("uprawnienia"),
              {code("NAZWA", 20), code("UPR", 10)},
              {},
              {fields({"NAZWA", "UPR"})},
              {}});
    t.append({QStringLiteral("pojazdy"),
              {key("IDPOJAZD"),        text("NRREJ", 15),     code("POPRZNRREJ", 15),
               text("MARKA", 50),      integer("RODZAJ"),     integer("POJEMNOSC"),
               integer("ROCZNIK"),     code("SERIADREJ", 15), code("NRSILNIKA", 30),
               code("NRNADWOZIA", 30), text("NREW", 100),     person("IDKIEROWCY"),
               date("DATAOC"),         code("NRPOLOC", 20),   date("DATAAC"),
               code("NRPOLAC", 20),    date("DATAPRZE"),      date("DATAPRZEGW"),
               text("UWAGI", 254),     number("STAWKA"),      dateNumber("DATATACHO"),
               number("NORMAOD"),      number("NORMADO"),     number("LICZPRZEG"),
               number("LICZGWAR"),     number("LP"),          number("NRFLOTY"),
               code("NREWID", 50),     number("STATUS")},
              fields({"IDPOJAZD"}),
              {fields({"NRREJ"})},
              {}});
    t.append({QStringLiteral("osobowa"),
              {code("NREW", 15), text("NAZWISKO", 50), text("IMIE", 30), text("ADRES", 50),
               code("NUMER", 10), code("KOD", 10), text("MIASTO", 50), text("KRAJ", 30),
               code("TELEFON", 100), text("KONTAKT", 254), text("UWAGI", 254)},
              {},
              {fields({"NREW"})},
              {}});
    t.append({QStringLiteral("notatki"),
              {integer("IDNOTATKI"), code("DATA", 10), text("OPIS", 255), code("RESERVED", 10)},
              fields({"IDNOTATKI"}),
              {},
              {}});
    t.append({QStringLiteral("naprawy"),
              {key("IDNAPRAWY"), integer("IDPOJAZD"), date("DATA"), text("OPIS", 254),
               number("WARTNETTO"), number("WARTVAT"), number("WARTBRUTTO"), text("UWAGI", 254),
               person("IDKIEROWCY"), number("LICZNIK"), number("LICZTERM"), flag("DONE")},
              fields({"IDNAPRAWY"}),
              {},
              {fields({"DATA"}), fields({"IDPOJAZD"})}});
    t.append({QStringLiteral("kpaliwowe"),
              {code("IDKARTY", 30), text("NAZWA", 100), person("IDKIEROWCY"), integer("IDPOJAZD"),
               text("STACJA", 100), date("TERMIN"), code("PIN", 20), code("WWW", 100),
               code("EMAIL", 100), text("UWAGI", 254)},
              {},
              {fields({"IDKARTY"})},
              {}});
    t.append({QStringLiteral("koszty"),
              {key("IDKOSZT"),        integer("IDPOJAZD"),     date("DATA"),
               text("RODZWYD", 100),  text("NAZWATOWAR", 100), code("NRDOKUMENT", 30),
               number("WARTNETTO"),   number("WARTVAT"),       number("WARTBRUTTO"),
               text("UWAGI", 254),    flag("CZYVAT"),          date("DATAWYSTAW"),
               integer("RODZAJPLAT"), code("IDKARTY", 30),     number("LICZNIK"),
               person("IDKIEROWCY"),  flag("ISFUEL"),          number("FUEL"),
               number("CK"),          number("IDDROGOWA")},
              fields({"IDKOSZT"}),
              {},
              {fields({"DATA"}), fields({"IDPOJAZD"})}});
    t.append({QStringLiteral("firma"),
              {integer("IDFIRMA"),  text("NAZWA", 254), code("KOD", 10),       text("MIASTO", 40),
               text("ULICA", 80),   code("NUMER", 10),  code("NIP", 13),       code("REGON", 9),
               text("BANK", 100),   code("ROR", 30),    code("TELEFON", 100),  code("FAX", 100),
               code("EMAIL", 100),  code("WWW", 100),   code("KKOD", 10),      text("KMIASTO", 40),
               text("KULICA", 80),  code("KNUMER", 10), code("KTELEFON", 100), code("KFAX", 100),
               code("KEMAIL", 100), text("INNE", 254)},
              fields({"IDFIRMA"}),
              {},
              {}});
    t.append({QStringLiteral("dokumenty"),
              {key("IDDOKUMENT"), date("DATA"), date("TERMIN"), integer("IDPOJAZD"),
               text("RODZAJ", 100), text("NAZWA", 254), text("OPIS", 254), text("UWAGI", 254),
               code("NUMER", 30), number("LICZTERM")},
              fields({"IDDOKUMENT"}),
              {},
              {fields({"DATA"})}});
    t.append({QStringLiteral("przejazdy"),
              {key("IDPRZEJAZD"), date("DATA"), integer("IDPOJAZD"), text("CELWYJAZDU", 100),
               text("TRASA", 100), number("ODLEGLOSC"), person("IDKIEROWCY"), text("UWAGI", 254),
               number("STAWKA"), number("KWOTA")},
              fields({"IDPRZEJAZD"}),
              {},
              {fields({"DATA"}), fields({"IDPOJAZD"})}});
    t.append({QStringLiteral("wyposazenie"),
              {key("IDWYPOS"), date("DATA"), date("TERMIN"), integer("IDPOJAZD"), number("LICZNIK"),
               text("RODZAJ", 100), text("OPIS", 254), text("UWAGI", 254), number("LICZTERM")},
              fields({"IDWYPOS"}),
              {},
              {fields({"DATA"})}});
    const auto continuous = [](const char* name) {
        return TableDef{QString::fromLatin1(name),
                        {integer("IDPOJAZD"), date("DATA"), number("BAK"), number("TANKOWANIE"),
                         number("LICZNIK"), number("ZUZYCIE")},
                        fields({"IDPOJAZD", "DATA"}),
                        {},
                        {fields({"DATA"})}};
    };
    const auto byDistance = [](const char* name) {
        return TableDef{QString::fromLatin1(name),
                        {integer("IDPOJAZD"), date("DATA"), number("PRZEBIEG"),
                         number("TANKOWANIE"), number("LICZNIK")},
                        fields({"IDPOJAZD", "DATA"}),
                        {},
                        {fields({"DATA"})}};
    };
    t.append(continuous("zuzycie"));
    t.append(continuous("zuzycielpg"));
    t.append({QStringLiteral("terminy"),
              {key("IDTERMINU"), date("DATAOD"), date("DATADO"), integer("RODZAJTERMINU"),
               integer("IDPOJAZDU"), code("SPRODDO", 1), person("NREW"), text("KONTRAHENT", 100),
               text("OPIS", 254), number("LICZTERM")},
              fields({"IDTERMINU"}),
              {},
              {fields({"DATAOD"})}});
    t.append({QStringLiteral("opony"),
              {key("IDOPONY"), number("ILOSC"), integer("RODZAJ"), integer("ROZMIAR"),
               number("PRZEBMAX"), integer("IDPOJAZDU"), date("DATAZAKUPU"), number("NETTO"),
               number("VAT"), number("BRUTTO"), date("DATAWYMIANY"), code("NREWID", 30),
               text("MARKA", 100), text("BIEZNIK", 100), text("CECHY", 254),
               code("NRDOKUMENTU", 30), flag("MAGAZYN"), text("INNE", 254), number("LICZTERM")},
              fields({"IDOPONY"}),
              {fields({"NREWID"})},
              {}});
    t.append({QStringLiteral("rozliczenia"),
              {key("IDROZLICZENIA"), date("DATAOD"), date("DATADO"), integer("IDPOJAZDU"),
               number("GODZINY"), number("STAWKA"), integer("RODZAJPRAC"), code("NRDOKUMENTU", 30),
               text("TRASA", 100), person("NREW"), text("KONTRAHENT", 100), text("OPIS", 254)},
              fields({"IDROZLICZENIA"}),
              {fields({"NRDOKUMENTU"})},
              {fields({"DATAOD"})}});
    t.append({QStringLiteral("zlecenia"),
              {key("IDZLECENIA"), date("DATAOD"), date("DATADO"), integer("IDPOJAZDU"),
               integer("RODZAJPRAC"), code("NRDOKUMENTU", 30), text("TRASA", 100), person("NREW"),
               text("KONTRAHENT", 100), text("OPIS", 254)},
              fields({"IDZLECENIA"}),
              {fields({"NRDOKUMENTU"})},
              {fields({"DATAOD"})}});
    t.append(byDistance("zuzyciekm"));
    t.append(byDistance("zuzyciekmlpg"));
    t.append(byDistance("zuzyciemth"));
    t.append(byDistance("zuzyciemthlpg"));
    t.append({QStringLiteral("przebiegi"),
              {key("IDPRZEBIEGI"), integer("IDPOJAZD"), date("DATA"), text("UWAGI", 254),
               number("LICZNIK")},
              fields({"IDPRZEBIEGI"}),
              {},
              {fields({"DATA"}), fields({"IDPOJAZD"})}});
    t.append({QStringLiteral("szkody"),
              {key("IDSZKODY"), integer("IDPOJAZD"), date("DATA"), text("OPIS", 254),
               number("WARTNETTO"), number("WARTVAT"), number("WARTBRUTTO"), text("UWAGI", 254),
               person("IDKIEROWCY"), number("LICZNIK")},
              fields({"IDSZKODY"}),
              {},
              {fields({"DATA"})}});
    t.append({QStringLiteral("kartydrogowe"),
              {key("IDDROGOWA"), code("NRKARTY", 254), date("DATAWYST"), integer("IDPOJAZD"),
               person("IDKIEROWCY"), text("CELWYJAZDU", 100), text("TRASA", 100),
               number("LICZSTART"), number("LICZEND"), date("DATASTART"), time("GODZSTART"),
               date("DATAEND"), time("GODZEND"), number("CZAS"), text("UWAGI", 254),
               code("PRAWOJAZDY", 254), number("ODPOCZYNEK"), number("GODZSUMA")},
              fields({"IDDROGOWA"}),
              {},
              {fields({"DATAWYST"})}});
    t.append(
        {QStringLiteral("cenypaliw"),
         {key("ID"), date("DATA"), integer("RODZAJPALIWA"), number("BRUTTO"), text("MIEJSCE", 100)},
         fields({"ID"}),
         {},
         {fields({"DATA"})}});
    t.append(
        {QStringLiteral("magazyn"),
         {key("ID"), text("CZESC", 100), number("ILOSC"), number("PRZYPOMNIJ"), text("UWAGI", 254)},
         fields({"ID"}),
         {},
         {}});
    Q_ASSERT(t.size() == 29);
    return t;
}

QList<TableDef> buildMainTables() {
    return {
        {QStringLiteral("firmy"),
         {text("NAZWA", 50), code("DIR", 50)},
         {},
         {fields({"NAZWA"}), fields({"DIR"})},
         {}},
        {QStringLiteral("odleglosci"),
         {text("M1", 100), text("M2", 100), number("KM")},
         {},
         {},
         {fields({"M1", "M2"})}},
    };
}

const TableDef* findTable(const QList<TableDef>& tables, const QString& name) {
    for (const TableDef& table : tables) {
        if (table.name.compare(name, Qt::CaseInsensitive) == 0)
            return &table;
    }
    return nullptr;
}

}  // namespace

const FieldDef* TableDef::field(const QString& fieldName) const {
    for (const FieldDef& f : fields) {
        if (f.name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return &f;
    }
    return nullptr;
}

QString TableDef::autoKey() const {
    for (const FieldDef& f : fields) {
        if (f.kind == FieldKind::AutoKey)
            return f.name;
    }
    return {};
}

namespace Schema {

const QList<TableDef>& companyTables() {
    static const QList<TableDef> tables = buildCompanyTables();
    return tables;
}

const QStringList& companyTableNames() {
    static const QStringList names = [] {
        QStringList list;
        for (const TableDef& table : companyTables())
            list << table.name;
        return list;
    }();
    return names;
}

const QList<TableDef>& mainTables() {
    static const QList<TableDef> tables = buildMainTables();
    return tables;
}

const TableDef* companyTable(const QString& name) {
    return findTable(companyTables(), name);
}

const TableDef* mainTable(const QString& name) {
    return findTable(mainTables(), name);
}

const QStringList& consumptionTables() {
    static const QStringList names = {
        QStringLiteral("zuzycie"),    QStringLiteral("zuzycielpg"),
        QStringLiteral("zuzyciekm"),  QStringLiteral("zuzyciekmlpg"),
        QStringLiteral("zuzyciemth"), QStringLiteral("zuzyciemthlpg")};
    return names;
}

}  // namespace Schema
