#include "data/registers/ListSql.h"
#include "data/registers/RegisterBuilders.h"

using namespace RegisterBuilders;

namespace {

// The three consumption registers share their layout; the table of the fuel kind on
// screen replaces %1.
RegisterDescriptor consumption(RegisterId id, const char* table, const char* lpgTable) {
    RegisterDescriptor d = describe(id, QString::fromLatin1(table));
    d.lpgTable = QString::fromLatin1(lpgTable);
    setSlotLines(d, 2, 3, 4, -1, -1);
    d.fixedSort = true;
    d.defaultSort = QStringLiteral("DATA");
    d.keyFields = keys({"IDPOJAZD", "DATA"});
    d.deleteTemplate = QStringLiteral("DELETE FROM %1 WHERE IDPOJAZD = {1} AND DATA = {3}");
    d.period = PeriodKind::Date;
    d.vehicleFilter = VehicleFilterKind::VehicleKey;
    d.readRight = 9;
    d.writeRight = 10;
    return d;
}

void fixedColumns(RegisterDescriptor& d) {
    for (GridColumn& column : d.columns)
        column.sortable = false;
}

}  // namespace

QList<RegisterDescriptor> fuelTimeAndDictionaryRegisters() {
    QList<RegisterDescriptor> list;
    const QString person = ListSql::personName(QStringLiteral("o"));
    {
        RegisterDescriptor d = describe(RegisterId::KDrogowe, QStringLiteral("kartydrogowe"));
        d.caption = QStringLiteral("Karty drogowe");
        d.statementName = QStringLiteral("DBFKDrogowe");
        d.gridName = QStringLiteral("KDrogoweGrid");
        d.listTemplate =
            QStringLiteral(
                "SELECT k.IDDROGOWA, k.NRKARTY, k.DATAWYST, k.IDPOJAZD, p.NRREJ, p.MARKA, "
                "k.IDKIEROWCY, %1 AS NAZWISKO, k.CELWYJAZDU, k.TRASA, k.LICZSTART, k.LICZEND, "
                "k.DATASTART, k.GODZSTART, k.DATAEND, k.GODZEND, k.CZAS, k.UWAGI, k.PRAWOJAZDY, "
                "k.ODPOCZYNEK, k.GODZSUMA "
                "FROM kartydrogowe k LEFT OUTER JOIN osobowa o ON o.NREW = k.IDKIEROWCY "
                "LEFT OUTER JOIN pojazdy p ON p.IDPOJAZD = k.IDPOJAZD "
                "WHERE 1 = 1 {11} {12} {13} ORDER BY {17} {18} , k.IDDROGOWA")
                .arg(person);
        setSlotLines(d, 11, 12, 13, 17, 18);
        d.defaultSort = QStringLiteral("DATAWYST");
        d.keyFields = keys({"IDDROGOWA"});
        d.deleteTemplate = QStringLiteral("DELETE FROM kartydrogowe WHERE IDDROGOWA = {1}");
        d.listErrorCode = 161136;
        d.locateErrorCode = 182021;
        d.period = PeriodKind::RoadCard;
        d.vehicleFilter = VehicleFilterKind::Registration;
        d.columns = columns({{"Nr karty", "NRKARTY"},
                             {"Data wyst.", "DATAWYST"},
                             {"Nr Rej.", "NRREJ"},
                             {"Marka", "MARKA"},
                             {"Kierowca", "NAZWISKO"},
                             {"Cel wyjazdu", "CELWYJAZDU"},
                             {"Trasa", "TRASA"},
                             {"Czas pracy", "GODZSUMA"},
                             {"Inne", "UWAGI"}});
        d.conversions = conversions({{"DATAWYST", C::Date},
                                     {"DATASTART", C::Date},
                                     {"DATAEND", C::Date},
                                     {"GODZSTART", C::Time},
                                     {"GODZEND", C::Time},
                                     {"LICZSTART", C::Money},
                                     {"LICZEND", C::Money},
                                     {"CZAS", C::Money},
                                     {"ODPOCZYNEK", C::Money},
                                     {"GODZSUMA", C::Money}});
        d.searchFields = search({"NRKARTY", "*DATAWYST", "NRREJ", "MARKA", "NAZWISKO", "CELWYJAZDU",
                                 "TRASA", "*GODZSUMA", "UWAGI"});
        d.readRight = 45;
        d.writeRight = 46;
        list.append(d);
    }
    {
        RegisterDescriptor d = describe(RegisterId::Przebiegi, QStringLiteral("przebiegi"));
        d.caption = QStringLiteral("Historia przebiegów");
        d.statementName = QStringLiteral("DBFPrzebiegi");
        d.gridName = QStringLiteral("przebiegiGrid");
        d.listTemplate = QStringLiteral(
            "SELECT r.IDPRZEBIEGI, r.DATA, r.IDPOJAZD, p.NRREJ, p.MARKA, r.LICZNIK, r.UWAGI "
            "FROM przebiegi r LEFT OUTER JOIN pojazdy p ON p.IDPOJAZD = r.IDPOJAZD "
            "WHERE 1 = 1 {5} {6} {7} ORDER BY {9} {10} , r.IDPRZEBIEGI");
        setSlotLines(d, 5, 6, 7, 9, 10);
        d.defaultSort = QStringLiteral("DATA");
        d.keyFields = keys({"IDPRZEBIEGI"});
        d.deleteTemplate = QStringLiteral("DELETE FROM przebiegi WHERE IDPRZEBIEGI = {1}");
        d.listErrorCode = 572055;
        d.locateErrorCode = 562053;
        d.period = PeriodKind::Date;
        d.vehicleFilter = VehicleFilterKind::Registration;
        d.columns = columns({{"Data", "DATA"},
                             {"Nr rej.", "NRREJ"},
                             {"Marka", "MARKA"},
                             {"Stan licznika", "LICZNIK"},
                             {"Uwagi", "UWAGI"}});
        d.conversions = conversions({{"DATA", C::Date}, {"LICZNIK", C::Money}});
        d.searchFields = search({"*DATA", "NRREJ", "MARKA", "UWAGI", "*LICZNIK"});
        d.readRight = 43;
        d.writeRight = 44;
        list.append(d);
    }
    {
        RegisterDescriptor d = describe(RegisterId::Szkody, QStringLiteral("szkody"));
        d.caption = QStringLiteral("Szkody, stłuczki");
        d.statementName = QStringLiteral("DBFSzkody");
        d.gridName = QStringLiteral("szkodyGrid");
        d.listTemplate =
            QStringLiteral(
                "SELECT s.IDSZKODY, s.DATA, s.IDPOJAZD, p.NRREJ, p.MARKA, s.OPIS, s.WARTNETTO, "
                "s.WARTVAT, s.WARTBRUTTO, s.UWAGI, s.IDKIEROWCY, %1 AS NAZWISKO, s.LICZNIK "
                "FROM szkody s LEFT OUTER JOIN pojazdy p ON p.IDPOJAZD = s.IDPOJAZD "
                "LEFT OUTER JOIN osobowa o ON o.NREW = s.IDKIEROWCY "
                "WHERE 1 = 1 {5} {6} {7} ORDER BY {9} {10} , s.IDSZKODY")
                .arg(person);
        setSlotLines(d, 5, 6, 7, 9, 10);
        d.defaultSort = QStringLiteral("DATA");
        d.keyFields = keys({"IDSZKODY"});
        d.deleteTemplate = QStringLiteral("DELETE FROM szkody WHERE IDSZKODY = {1}");
        // The odometer readings' list code is 572055; damages get their own.
        d.listErrorCode = 572056;
        d.locateErrorCode = 562054;
        d.period = PeriodKind::Date;
        d.vehicleFilter = VehicleFilterKind::Registration;
        d.columns = columns({{"Data", "DATA"},
                             {"Nr Rej.", "NRREJ"},
                             {"Marka", "MARKA"},
                             {"Opis szkody", "OPIS"},
                             {"Kierowca", "NAZWISKO"},
                             {"Inne", "UWAGI"},
                             {"Stan licznika", "LICZNIK"}});
        d.conversions = conversions({{"DATA", C::Date},
                                     {"WARTNETTO", C::Money},
                                     {"WARTVAT", C::Money},
                                     {"WARTBRUTTO", C::Money},
                                     {"LICZNIK", C::Money}});
        d.searchFields =
            search({"*DATA", "NRREJ", "MARKA", "OPIS", "NAZWISKO", "UWAGI", "*LICZNIK"});
        d.readRight = 41;
        d.writeRight = 42;
        list.append(d);
    }
    {
        RegisterDescriptor d = describe(RegisterId::CenyPaliw, QStringLiteral("cenypaliw"));
        d.caption = QStringLiteral("Rejestr cen paliw");
        d.statementName = QStringLiteral("DBFCenyPaliw");
        d.gridName = QStringLiteral("CenyPaliwGrid");
        // Prices of one sort value are always listed by date.
        d.listTemplate = QStringLiteral(
            "SELECT c.ID, c.DATA, c.RODZAJPALIWA, s.OPIS AS PALIWO, c.MIEJSCE, c.BRUTTO "
            "FROM cenypaliw c LEFT OUTER JOIN slowniki s ON s.KOD = c.RODZAJPALIWA "
            "WHERE 1 = 1 {9} {10} {11} ORDER BY {13} {14} , c.DATA , c.ID");
        setSlotLines(d, 9, 10, 11, 13, 14);
        d.defaultSort = QStringLiteral("RODZAJPALIWA");
        d.keyFields = keys({"ID"});
        d.deleteTemplate = QStringLiteral("DELETE FROM cenypaliw WHERE ID = {1}");
        d.listErrorCode = 111834;
        d.locateErrorCode = 121802;
        d.period = PeriodKind::Date;
        d.columns = columns({{"Rodzaj paliwa", "PALIWO"},
                             {"Data", "DATA"},
                             {"Miejsce", "MIEJSCE"},
                             {"Cena brutto", "BRUTTO"}});
        d.conversions = conversions({{"DATA", C::Date}, {"BRUTTO", C::Money}});
        d.searchFields = search({"PALIWO", "*DATA", "MIEJSCE", "*BRUTTO"});
        d.readRight = 47;
        d.writeRight = 48;
        list.append(d);
    }
    {
        RegisterDescriptor d = describe(RegisterId::Magazyn, QStringLiteral("magazyn"));
        d.caption = QStringLiteral("Magazyn zasobów");
        d.statementName = QStringLiteral("DBFMagazyn");
        d.gridName = QStringLiteral("magazynGrid");
        d.listTemplate = QStringLiteral(
            "SELECT ID, CZESC, ILOSC, PRZYPOMNIJ, UWAGI FROM magazyn "
            "WHERE 1 = 1 {7} {8} {9} ORDER BY {12} {13} , ID");
        setSlotLines(d, 7, 8, 9, 12, 13);
        d.defaultSort = QStringLiteral("CZESC");
        d.keyFields = keys({"ID"});
        d.deleteTemplate = QStringLiteral("DELETE FROM magazyn WHERE ID = {1}");
        d.listErrorCode = 151731;
        d.locateErrorCode = 151730;
        d.columns = columns({{"Nazwa części", "CZESC"},
                             {"Ilość", "ILOSC"},
                             {"Przypomnij", "PRZYPOMNIJ"},
                             {"Inne", "UWAGI"}});
        d.conversions = conversions({{"ILOSC", C::Money}, {"PRZYPOMNIJ", C::Money}});
        d.searchFields = search({"CZESC", "UWAGI", "*ILOSC", "*PRZYPOMNIJ"});
        d.readRight = 49;
        d.writeRight = 50;
        list.append(d);
    }
    {
        RegisterDescriptor d = consumption(RegisterId::Zuzycie, "zuzycie", "zuzycielpg");
        d.caption = QStringLiteral("Zużycie paliwa - ciągłe");
        d.statementName = QStringLiteral("DBFZuzycie");
        d.gridName = QStringLiteral("ZuzycieGrid");
        d.listTemplate = QStringLiteral(
            "SELECT IDPOJAZD, DATA, BAK, TANKOWANIE, LICZNIK, ZUZYCIE FROM %1 "
            "WHERE 1 = 1 {2} {3} {4} ORDER BY DATA ASC, IDPOJAZD ASC");
        d.listErrorCode = 157;
        d.locateErrorCode = 156;
        d.computed = ComputedValues::ContinuousConsumption;
        d.columns = columns({{"Data", "DATA"},
                             {"Litrów w baku", "BAK"},
                             {"Zatankowano", "TANKOWANIE"},
                             {"Stan licznika", "LICZNIK"},
                             {"Zużycie l / 100 km", "ZUZYCIE"}});
        fixedColumns(d);
        d.conversions = conversions({{"DATA", C::Date},
                                     {"BAK", C::Money},
                                     {"TANKOWANIE", C::Money},
                                     {"LICZNIK", C::Money},
                                     {"ZUZYCIE", C::Consumption}});
        d.searchFields = search({"*DATA", "*BAK", "*TANKOWANIE", "*LICZNIK"});
        list.append(d);
    }
    const auto byAmount = [&list](RegisterId id, const char* table, const char* lpgTable,
                                  const char* caption, const char* statement, const char* grid,
                                  const char* worked, const char* perUnit, const char* factor,
                                  qint64 listCode, qint64 locateCode) {
        RegisterDescriptor d = consumption(id, table, lpgTable);
        d.caption = QString::fromUtf8(caption);
        d.statementName = QString::fromLatin1(statement);
        d.gridName = QString::fromLatin1(grid);
        // A refuelling without distance or hours has no consumption, on either engine.
        d.listTemplate = QStringLiteral(
                             "SELECT IDPOJAZD, DATA, PRZEBIEG, TANKOWANIE, LICZNIK, "
                             "TANKOWANIE / NULLIF(PRZEBIEG, 0)%1 AS ZUZYCIE FROM %2 "
                             "WHERE 1 = 1 {2} {3} {4} ORDER BY DATA ASC, IDPOJAZD ASC")
                             .arg(QString::fromLatin1(factor), QStringLiteral("%1"));
        d.listErrorCode = listCode;
        d.locateErrorCode = locateCode;
        d.columns = columns({{"Data", "DATA"},
                             {"Stan licznika", "LICZNIK"},
                             {worked, "PRZEBIEG"},
                             {"Spalono paliwa l", "TANKOWANIE"},
                             {perUnit, "ZUZYCIE"}});
        fixedColumns(d);
        d.conversions = conversions({{"DATA", C::Date},
                                     {"PRZEBIEG", C::Money},
                                     {"TANKOWANIE", C::Money},
                                     {"LICZNIK", C::Money},
                                     {"ZUZYCIE", C::Money}});
        d.searchFields = search({"*DATA", "*LICZNIK", "*PRZEBIEG", "*TANKOWANIE", "*ZUZYCIE"});
        list.append(d);
    };
    byAmount(RegisterId::ZuzycieKm, "zuzyciekm", "zuzyciekmlpg", "Zużycie paliwa - km",
             "DBFZuzycieKm", "zuzycieKmGrid", "Przejechano km", "Zużycie l / 100 km", " * 100",
             922023, 912021);
    byAmount(RegisterId::ZuzycieMth, "zuzyciemth", "zuzyciemthlpg", "Zużycie paliwa - mth",
             "DBFZuzycieMth", "zuzycieMthGrid", "Przepracowano h", "Zużycie l / 1 Mth", "", 942025,
             912022);
    {
        RegisterDescriptor d = describe(RegisterId::Stawki, QStringLiteral("stawki"));
        d.caption = QStringLiteral("Stawki za km.");
        d.statementName = QStringLiteral("DBFStawki");
        d.gridName = QStringLiteral("stawkiGrid");
        d.listTemplate = QStringLiteral("SELECT * FROM stawki ORDER BY {1} {2} , DATAOD");
        setSlotLines(d, -1, -1, -1, 1, 2);
        d.defaultSort = QStringLiteral("DATAOD");
        d.keyFields = keys({"DATAOD"});
        d.deleteTemplate = QStringLiteral("DELETE FROM stawki WHERE DATAOD = {1}");
        d.listErrorCode = 39;
        d.locateErrorCode = 29;
        d.columns = columns({{"Obow. od dnia", "DATAOD"},
                             {"Poniżej 900 cm3", "LW900"},
                             {"Powyżej 900 cm3", "GT900"},
                             {"Motocykl", "MOTOCYKL"},
                             {"Motorower", "MOTOROWER"}});
        d.conversions = conversions({{"DATAOD", C::Date},
                                     {"LW900", C::Rate},
                                     {"GT900", C::Rate},
                                     {"MOTOCYKL", C::Rate},
                                     {"MOTOROWER", C::Rate}});
        for (int n = 5; n <= 20; ++n) {
            const QString field = QStringLiteral("RDPOJ%1").arg(n);
            d.columns.append({QStringLiteral("Inne"), field, true});
            d.conversions.append({field, C::Rate});
        }
        d.searchFields = search({"*DATAOD", "*LW900", "*GT900", "*MOTOCYKL", "*MOTOROWER"});
        d.readRight = 20;
        d.writeRight = 21;
        list.append(d);
    }
    {
        RegisterDescriptor d = describe(RegisterId::Osobowa, QStringLiteral("osobowa"));
        d.caption = QStringLiteral("Kartoteka");
        d.statementName = QStringLiteral("DBFosobowa");
        d.gridName = QStringLiteral("osobowaGrid");
        d.listTemplate =
            QStringLiteral("SELECT * FROM osobowa WHERE 1 = 1 {1} ORDER BY {3} {4} , NREW");
        setSlotLines(d, -1, -1, -1, 3, 4);
        d.defaultSort = QStringLiteral("NAZWISKO");
        d.keyFields = keys({"NREW"});
        d.deleteTemplate = QStringLiteral("DELETE FROM osobowa WHERE NREW = :PARAM0 {1}");
        d.listErrorCode = 40;
        d.locateErrorCode = 30;
        d.columns = columns({{"Nr ewid.", "NREW"},
                             {"Nazwisko", "NAZWISKO"},
                             {"Adres", "ADRES"},
                             {"Kod poczt.", "KOD"},
                             {"Miasto", "MIASTO"},
                             {"Telefon", "TELEFON"}});
        d.conversions = conversions({{"NAZWISKO", C::PersonName}});
        d.searchFields =
            search({"NREW", "*NAZWISKO", "ADRES", "NUMER", "KOD", "MIASTO", "TELEFON"});
        d.readRight = 24;
        d.writeRight = 25;
        list.append(d);
    }
    return list;
}
