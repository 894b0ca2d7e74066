#include "data/registers/ListSql.h"
#include "data/registers/RegisterBuilders.h"

using namespace RegisterBuilders;

QList<RegisterDescriptor> financeAndFleetRegisters() {
    const QString P = QStringLiteral("o");  // alias of the joined person
    QList<RegisterDescriptor> list;
    const QString person = ListSql::personName(P);
    const QString vehicle = ListSql::vehicleName(QStringLiteral("p"));

    {
        RegisterDescriptor d = describe(RegisterId::Pojazdy, QStringLiteral("pojazdy"));
        d.caption = QStringLiteral("Pojazdy");
        d.statementName = QStringLiteral("DBFpojazdy");
        d.gridName = QStringLiteral("PojazdyGrid");
        d.listTemplate =
            QStringLiteral(
                "SELECT p.IDPOJAZD, p.NRREJ, p.POPRZNRREJ, p.MARKA, p.RODZAJ, s.OPIS AS COPIS, "
                "p.POJEMNOSC, p.ROCZNIK, p.SERIADREJ, p.NRSILNIKA, p.NRNADWOZIA, p.NREW, "
                "p.IDKIEROWCY, %1 AS NAZWISKO, p.DATAOC, p.NRPOLOC, p.DATAAC, p.NRPOLAC, "
                "p.DATAPRZE, p.DATAPRZEGW, p.UWAGI, p.STAWKA, p.DATATACHO, p.NORMAOD, p.NORMADO, "
                "p.LICZPRZEG, p.LICZGWAR, p.LP, p.NRFLOTY, f.OPIS AS FLOTA, p.NREWID, p.STATUS, "
                "p.STATUS AS OSTATUS "
                "FROM pojazdy p LEFT OUTER JOIN osobowa o ON o.NREW = p.IDKIEROWCY "
                "LEFT OUTER JOIN slowniki s ON s.KOD = p.RODZAJ "
                "LEFT OUTER JOIN slowniki f ON f.KOD = p.NRFLOTY "
                "WHERE 1 = 1 {9} {10} {11} {12} {13} {14} {15} ORDER BY {17} {18} , p.IDPOJAZD")
                .arg(person);
        setSlotLines(d, 13, -1, -1, 17, 18);
        d.defaultSort = QStringLiteral("NRREJ");
        d.keyFields = keys({"IDPOJAZD"});
        d.deleteTemplate = QStringLiteral("DELETE FROM pojazdy WHERE IDPOJAZD = {1} {2} {3}");
        d.listErrorCode = 41;
        d.locateErrorCode = 28;
        d.deleteErrorCode = 16;
        d.vehicleFilter = VehicleFilterKind::Registration;
        d.columns = columns({{"Lp", "LP"},
                             {"Nr Rej.", "NRREJ"},
                             {"Marka", "MARKA"},
                             {"Poj. (w cm3)", "POJEMNOSC"},
                             {"Rodzaj pojazdu", "COPIS"},
                             {"Kierowca", "NAZWISKO"},
                             {"Nast. przegląd", "DATAPRZE"},
                             {"Data AC", "DATAAC"},
                             {"Data OC", "DATAOC"},
                             {"Rocznik", "ROCZNIK"},
                             {"Właściciel", "NREW"},
                             {"ID", "NREWID"},
                             {"Nr Floty", "FLOTA"},
                             {"Status", "OSTATUS"}});
        d.conversions = conversions({{"DATAPRZE", C::Date},
                                     {"DATAAC", C::Date},
                                     {"DATAOC", C::Date},
                                     {"OSTATUS", C::Status}});
        d.searchFields =
            search({"NRREJ", "MARKA", "POJEMNOSC", "COPIS", "NAZWISKO", "*DATAPRZE", "*DATAAC",
                    "*DATAOC", "ROCZNIK", "NREW", "LP", "FLOTA", "NREWID", "OSTATUS"});
        d.readRight = 1;
        d.writeRight = 2;
        list.append(d);
    }
    {
        RegisterDescriptor d = describe(RegisterId::Przejazdy, QStringLiteral("przejazdy"));
        d.caption = QStringLiteral("Przejazdy");
        d.statementName = QStringLiteral("DBFPrzejazdy");
        d.gridName = QStringLiteral("PrzejazdyGrid");
        d.listTemplate =
            QStringLiteral(
                "SELECT t.IDPRZEJAZD, t.IDPOJAZD, p.NRREJ, p.MARKA, t.DATA, t.CELWYJAZDU, t.TRASA, "
                "t.ODLEGLOSC, t.IDKIEROWCY, t.UWAGI, t.STAWKA, t.KWOTA, %1 AS NAZWISKO, p.RODZAJ, "
                "s.OPIS, p.POJEMNOSC "
                "FROM przejazdy t LEFT OUTER JOIN osobowa o ON o.NREW = t.IDKIEROWCY "
                "LEFT OUTER JOIN pojazdy p ON p.IDPOJAZD = t.IDPOJAZD "
                "LEFT OUTER JOIN slowniki s ON s.KOD = p.RODZAJ "
                "WHERE 1 = 1 {8} {9} {10} ORDER BY {12} {13} , t.IDPRZEJAZD")
                .arg(person);
        setSlotLines(d, 8, 9, 10, 12, 13);
        d.defaultSort = QStringLiteral("DATA");
        d.keyFields = keys({"IDPRZEJAZD"});
        d.deleteTemplate = QStringLiteral("DELETE FROM przejazdy WHERE IDPRZEJAZD = {1}");
        d.listErrorCode = 42;
        d.locateErrorCode = 25;
        d.period = PeriodKind::Date;
        d.vehicleFilter = VehicleFilterKind::Registration;
        d.computed = ComputedValues::TripRates;
        d.columns = columns({{"Data", "DATA"},
                             {"Nr Rej.", "NRREJ"},
                             {"Marka", "MARKA"},
                             {"Rodzaj pojazdu", "OPIS"},
                             {"Poj. (w cm3)", "POJEMNOSC"},
                             {"Stawka", "STAWKA"},
                             {"Dł. (w km)", "ODLEGLOSC"},
                             {"Kwota", "KWOTA"},
                             {"Trasa", "TRASA"},
                             {"Cel wyjazdu", "CELWYJAZDU"},
                             {"Kierowca", "NAZWISKO"}});
        // The rate and the amount are computed per row, not stored: nothing to sort by.
        noSort(d, "STAWKA");
        noSort(d, "KWOTA");
        d.conversions = conversions(
            {{"DATA", C::Date}, {"ODLEGLOSC", C::Money}, {"STAWKA", C::Rate}, {"KWOTA", C::Money}});
        d.searchFields = search({"*DATA", "NRREJ", "MARKA", "OPIS", "POJEMNOSC", "*ODLEGLOSC",
                                 "TRASA", "CELWYJAZDU", "NAZWISKO"});
        d.readRight = 3;
        d.writeRight = 4;
        list.append(d);
    }
    {
        RegisterDescriptor d = describe(RegisterId::Koszty, QStringLiteral("koszty"));
        d.caption = QStringLiteral("Koszty");
        d.statementName = QStringLiteral("DBFKoszty");
        d.gridName = QStringLiteral("KosztyGrid");
        d.listTemplate =
            QStringLiteral(
                "SELECT k.IDKOSZT, k.IDPOJAZD, p.NRREJ, p.MARKA, k.DATA, k.RODZWYD, k.NAZWATOWAR, "
                "k.NRDOKUMENT, k.WARTNETTO, k.WARTVAT, k.WARTBRUTTO, k.CZYVAT, k.UWAGI, "
                "k.DATAWYSTAW, k.RODZAJPLAT, k.IDKARTY, k.LICZNIK, k.IDKIEROWCY, %1 AS NAZWISKO, "
                "k.ISFUEL, k.FUEL, k.CK, c.OPIS, k.IDDROGOWA, d.NRKARTY "
                "FROM koszty k LEFT OUTER JOIN pojazdy p ON p.IDPOJAZD = k.IDPOJAZD "
                "LEFT OUTER JOIN osobowa o ON o.NREW = k.IDKIEROWCY "
                "LEFT OUTER JOIN slowniki c ON c.KOD = k.CK "
                "LEFT OUTER JOIN kartydrogowe d ON d.IDDROGOWA = k.IDDROGOWA "
                "WHERE 1 = 1 {6} {7} {8} {9} {10} {11} ORDER BY {13} {14} , k.IDKOSZT")
                .arg(person);
        setSlotLines(d, 6, 7, 8, 13, 14);
        d.fuelOnlyLine = 9;
        d.costCentreLine = 10;
        d.roadCardLine = 11;
        d.defaultSort = QStringLiteral("DATA");
        d.keyFields = keys({"IDKOSZT"});
        d.deleteTemplate = QStringLiteral("DELETE FROM koszty WHERE IDKOSZT = {1}");
        d.listErrorCode = 43;
        d.locateErrorCode = 26;
        d.period = PeriodKind::Date;
        d.vehicleFilter = VehicleFilterKind::Registration;
        d.columns = columns({{"Data", "DATA"},
                             {"Nr Rej.", "NRREJ"},
                             {"Marka", "MARKA"},
                             {"Rodzaj wydatku", "RODZWYD"},
                             {"Nazwa Towaru", "NAZWATOWAR"},
                             {"Nr dokumentu", "NRDOKUMENT"},
                             {"Netto", "WARTNETTO"},
                             {"VAT", "WARTVAT"},
                             {"Brutto", "WARTBRUTTO"},
                             {"Czy VAT?", "CZYVAT"},
                             {"Kierowca", "NAZWISKO"},
                             {"ID karty paliwowej", "IDKARTY"},
                             {"Ilość towaru / inne", "UWAGI"},
                             {"Paliwo?", "ISFUEL"},
                             {"Ilość paliwa", "FUEL"},
                             {"CK", "OPIS"},
                             {"Karta drogowa", "NRKARTY"}});
        d.conversions = conversions({{"DATA", C::Date},
                                     {"WARTNETTO", C::Money},
                                     {"WARTVAT", C::Money},
                                     {"WARTBRUTTO", C::Money},
                                     {"FUEL", C::Money},
                                     {"ISFUEL", C::FlagMark},
                                     {"CZYVAT", C::VatFlag}});
        d.searchFields = search({"*DATA", "NRREJ", "MARKA", "RODZWYD", "NAZWATOWAR", "NRDOKUMENT",
                                 "*WARTNETTO", "*WARTVAT", "*WARTBRUTTO", "NAZWISKO", "IDKARTY",
                                 "UWAGI", "ISFUEL", "*FUEL", "OPIS", "NRKARTY"});
        d.readRight = 5;
        d.writeRight = 6;
        list.append(d);
    }
    {
        RegisterDescriptor d = describe(RegisterId::Naprawy, QStringLiteral("naprawy"));
        d.caption = QStringLiteral("Naprawy");
        d.statementName = QStringLiteral("DBFNaprawy");
        d.gridName = QStringLiteral("NaprawyGrid");
        d.listTemplate =
            QStringLiteral(
                "SELECT n.IDNAPRAWY, n.DATA, n.IDPOJAZD, p.NRREJ, p.MARKA, n.OPIS, n.WARTNETTO, "
                "n.WARTVAT, n.WARTBRUTTO, n.UWAGI, n.IDKIEROWCY, %1 AS NAZWISKO, n.LICZNIK, "
                "n.LICZTERM, n.DONE "
                "FROM naprawy n LEFT OUTER JOIN pojazdy p ON p.IDPOJAZD = n.IDPOJAZD "
                "LEFT OUTER JOIN osobowa o ON o.NREW = n.IDKIEROWCY "
                "WHERE 1 = 1 {5} {6} {7} ORDER BY {9} {10} , n.IDNAPRAWY")
                .arg(person);
        setSlotLines(d, 5, 6, 7, 9, 10);
        d.defaultSort = QStringLiteral("DATA");
        d.keyFields = keys({"IDNAPRAWY"});
        d.deleteTemplate = QStringLiteral("DELETE FROM naprawy WHERE IDNAPRAWY = {1}");
        d.listErrorCode = 44;
        d.locateErrorCode = 27;
        d.period = PeriodKind::RepairDate;
        d.vehicleFilter = VehicleFilterKind::Registration;
        d.columns = columns({{"Wyk.?", "DONE"},
                             {"Data", "DATA"},
                             {"Nr Rej.", "NRREJ"},
                             {"Marka", "MARKA"},
                             {"Opis naprawy", "OPIS"},
                             {"Kierowca", "NAZWISKO"},
                             {"Inne", "UWAGI"},
                             {"Stan licznika", "LICZNIK"}});
        d.conversions = conversions({{"DATA", C::Date},
                                     {"WARTNETTO", C::Money},
                                     {"WARTVAT", C::Money},
                                     {"WARTBRUTTO", C::Money},
                                     {"LICZNIK", C::Money},
                                     {"DONE", C::FlagMark}});
        d.searchFields =
            search({"*DATA", "NRREJ", "MARKA", "OPIS", "NAZWISKO", "UWAGI", "*LICZNIK"});
        d.readRight = 7;
        d.writeRight = 8;
        list.append(d);
    }
    {
        RegisterDescriptor d = describe(RegisterId::Dokumenty, QStringLiteral("dokumenty"));
        d.caption = QStringLiteral("Dokumenty");
        d.statementName = QStringLiteral("DBFDokumenty");
        d.gridName = QStringLiteral("DokumentyGrid");
        d.listTemplate = QStringLiteral(
            "SELECT d.IDDOKUMENT, d.DATA, d.TERMIN, d.IDPOJAZD, p.NRREJ, p.MARKA, d.RODZAJ, "
            "d.NAZWA, d.OPIS, d.UWAGI, d.NUMER, d.LICZTERM "
            "FROM dokumenty d LEFT OUTER JOIN pojazdy p ON p.IDPOJAZD = d.IDPOJAZD "
            "WHERE 1 = 1 {5} {6} {7} ORDER BY {9} {10} , d.IDDOKUMENT");
        setSlotLines(d, 5, 6, 7, 9, 10);
        d.defaultSort = QStringLiteral("DATA");
        d.keyFields = keys({"IDDOKUMENT"});
        d.deleteTemplate = QStringLiteral("DELETE FROM dokumenty WHERE IDDOKUMENT = {1}");
        d.listErrorCode = 85;
        d.locateErrorCode = 83;
        d.period = PeriodKind::Date;
        d.vehicleFilter = VehicleFilterKind::Registration;
        d.columns = columns({{"Data", "DATA"},
                             {"Rodzaj dokumentu", "RODZAJ"},
                             {"Nr dokumentu", "NUMER"},
                             {"Nazwa dokumentu", "NAZWA"},
                             {"Nr rej.", "NRREJ"},
                             {"Marka", "MARKA"},
                             {"Termin", "TERMIN"},
                             {"Opis", "OPIS"},
                             {"Inne", "UWAGI"}});
        d.conversions = conversions({{"DATA", C::Date}, {"TERMIN", C::Date}});
        d.searchFields =
            search({"*DATA", "NRREJ", "RODZAJ", "NUMER", "NAZWA", "*TERMIN", "OPIS", "UWAGI"});
        d.readRight = 13;
        d.writeRight = 14;
        list.append(d);
    }
    {
        RegisterDescriptor d = describe(RegisterId::KPaliwowe, QStringLiteral("kpaliwowe"));
        d.caption = QStringLiteral("Karty paliwowe");
        d.statementName = QStringLiteral("DBFKpaliwowe");
        d.gridName = QStringLiteral("KartyPaliwoweGrid");
        d.listTemplate =
            QStringLiteral(
                "SELECT k.IDKARTY, k.NAZWA, k.IDPOJAZD, p.NRREJ, p.MARKA, k.IDKIEROWCY, "
                "%1 AS NAZWISKO, k.STACJA, k.TERMIN, k.PIN, k.WWW, k.EMAIL, k.UWAGI "
                "FROM kpaliwowe k LEFT OUTER JOIN pojazdy p ON p.IDPOJAZD = k.IDPOJAZD "
                "LEFT OUTER JOIN osobowa o ON o.NREW = k.IDKIEROWCY "
                "WHERE 1 = 1 {7} {8} {9} ORDER BY {11} {12} , k.IDKARTY")
                .arg(person);
        setSlotLines(d, 7, 8, 9, 11, 12);
        d.defaultSort = QStringLiteral("IDKARTY");
        d.keyFields = keys({"IDKARTY"});
        d.deleteTemplate = QStringLiteral("DELETE FROM kpaliwowe WHERE IDKARTY = :PARAM0 {1}");
        d.listErrorCode = 92;
        d.locateErrorCode = 91;
        d.vehicleFilter = VehicleFilterKind::Registration;
        d.columns = columns({{"ID karty", "IDKARTY"},
                             {"Nazwa", "NAZWA"},
                             {"Kierowca", "NAZWISKO"},
                             {"Nr rej.", "NRREJ"},
                             {"Marka", "MARKA"},
                             {"Termin", "TERMIN"},
                             {"Stacja", "STACJA"},
                             {"Adres WWW", "WWW"},
                             {"Email", "EMAIL"},
                             {"Inne", "UWAGI"}});
        d.conversions = conversions({{"TERMIN", C::Date}});
        d.searchFields = search({"IDKARTY", "NAZWA", "NAZWISKO", "NRREJ", "MARKA", "STACJA",
                                 "*TERMIN", "WWW", "EMAIL", "UWAGI"});
        d.readRight = 15;
        d.writeRight = 16;
        list.append(d);
    }
    {
        RegisterDescriptor d = describe(RegisterId::Wyposazenie, QStringLiteral("wyposazenie"));
        d.caption = QStringLiteral("Wyposażenie");
        d.statementName = QStringLiteral("DBFwyposazenie");
        d.gridName = QStringLiteral("WyposazenieGrid");
        d.listTemplate = QStringLiteral(
            "SELECT w.IDWYPOS, w.DATA, w.TERMIN, w.IDPOJAZD, p.NRREJ, p.MARKA, w.LICZNIK, "
            "w.RODZAJ, w.OPIS, w.UWAGI, w.LICZTERM "
            "FROM wyposazenie w LEFT OUTER JOIN pojazdy p ON p.IDPOJAZD = w.IDPOJAZD "
            "WHERE 1 = 1 {5} {6} {7} ORDER BY {9} {10} , w.IDWYPOS");
        setSlotLines(d, 5, 6, 7, 9, 10);
        d.defaultSort = QStringLiteral("DATA");
        d.keyFields = keys({"IDWYPOS"});
        d.deleteTemplate = QStringLiteral("DELETE FROM wyposazenie WHERE IDWYPOS = {1}");
        d.listErrorCode = 151;
        d.locateErrorCode = 150;
        d.period = PeriodKind::Date;
        d.vehicleFilter = VehicleFilterKind::Registration;
        d.columns = columns({{"Data", "DATA"},
                             {"Nr rej.", "NRREJ"},
                             {"Marka", "MARKA"},
                             {"Rodzaj wyposażenia", "RODZAJ"},
                             {"Termin", "TERMIN"},
                             {"Opis", "OPIS"},
                             {"Inne", "UWAGI"}});
        d.conversions = conversions({{"DATA", C::Date}, {"TERMIN", C::Date}});
        d.searchFields = search({"*DATA", "NRREJ", "RODZAJ", "MARKA", "*TERMIN", "OPIS", "UWAGI"});
        d.readRight = 11;
        d.writeRight = 12;
        list.append(d);
    }
    {
        RegisterDescriptor d = describe(RegisterId::Terminarz, QStringLiteral("terminy"));
        d.caption = QStringLiteral("Terminarz");
        d.statementName = QStringLiteral("DBFTerminarz");
        d.gridName = QStringLiteral("TerminarzGrid");
        d.listTemplate =
            QStringLiteral(
                "SELECT t.IDTERMINU, t.DATAOD, t.DATADO, t.SPRODDO, t.RODZAJTERMINU, t.IDPOJAZDU, "
                "t.NREW, t.KONTRAHENT, t.OPIS, %1 AS POJAZD, %2 AS OSOBA, s.OPIS AS RODZAJ, "
                "t.LICZTERM "
                "FROM terminy t LEFT OUTER JOIN pojazdy p ON p.IDPOJAZD = t.IDPOJAZDU "
                "LEFT OUTER JOIN osobowa o ON o.NREW = t.NREW "
                "LEFT OUTER JOIN slowniki s ON s.KOD = t.RODZAJTERMINU "
                "WHERE 1 = 1 {12} {13} {14} ORDER BY {16} {17} , t.IDTERMINU")
                .arg(vehicle, person);
        setSlotLines(d, 12, 13, 14, 16, 17);
        d.defaultSort = QStringLiteral("IDTERMINU");
        d.keyFields = keys({"IDTERMINU"});
        d.deleteTemplate = QStringLiteral("DELETE FROM terminy WHERE IDTERMINU = {1}");
        d.listErrorCode = 44031;
        d.locateErrorCode = 44021;
        d.period = PeriodKind::FromTo;
        d.vehicleFilter = VehicleFilterKind::Registration;
        d.columns = columns({{"Data od", "DATAOD"},
                             {"Data do", "DATADO"},
                             {"Rodzaj terminu", "RODZAJ"},
                             {"Pojazd", "POJAZD"},
                             {"Osoba", "OSOBA"},
                             {"Kontrahent", "KONTRAHENT"}});
        d.conversions = conversions({{"DATAOD", C::Date}, {"DATADO", C::Date}});
        d.searchFields = search({"*DATAOD", "*DATADO", "RODZAJ", "POJAZD", "OSOBA", "KONTRAHENT"});
        d.readRight = 33;
        d.writeRight = 34;
        list.append(d);
    }
    {
        RegisterDescriptor d = describe(RegisterId::Opony, QStringLiteral("opony"));
        d.caption = QStringLiteral("Opony");
        d.statementName = QStringLiteral("DBFOpony");
        d.gridName = QStringLiteral("OponyGrid");
        d.listTemplate =
            QStringLiteral(
                "SELECT o.IDOPONY, o.NREWID, o.ILOSC, o.MARKA, o.RODZAJ, o.ROZMIAR, o.BIEZNIK, "
                "o.CECHY, o.PRZEBMAX, o.IDPOJAZDU, o.DATAZAKUPU, o.NETTO, o.VAT, o.BRUTTO, "
                "o.NRDOKUMENTU, o.DATAWYMIANY, o.MAGAZYN, o.INNE, r.OPIS AS RODZAJO, "
                "z.OPIS AS ROZMIARO, %1 AS POJAZD, o.LICZTERM "
                "FROM opony o LEFT OUTER JOIN pojazdy p ON p.IDPOJAZD = o.IDPOJAZDU "
                "LEFT OUTER JOIN slowniki r ON r.KOD = o.RODZAJ "
                "LEFT OUTER JOIN slowniki z ON z.KOD = o.ROZMIAR "
                "WHERE 1 = 1 {13} {14} {15} ORDER BY {17} {18} , o.IDOPONY")
                .arg(vehicle);
        setSlotLines(d, 13, 14, 15, 17, 18);
        d.defaultSort = QStringLiteral("IDOPONY");
        d.keyFields = keys({"IDOPONY"});
        d.deleteTemplate = QStringLiteral("DELETE FROM opony WHERE IDOPONY = {1}");
        d.listErrorCode = 44032;
        d.locateErrorCode = 44022;
        d.period = PeriodKind::Tyres;
        d.vehicleFilter = VehicleFilterKind::Registration;
        d.columns = columns({{"Mag.?", "MAGAZYN"},
                             {"Nr ewid.", "NREWID"},
                             {"Marka", "MARKA"},
                             {"Rodzaj", "RODZAJO"},
                             {"Rozmiar", "ROZMIARO"},
                             {"Pojazd", "POJAZD"},
                             {"Data zak.", "DATAZAKUPU"},
                             {"Netto", "NETTO"},
                             {"VAT", "VAT"},
                             {"Brutto", "BRUTTO"}});
        d.conversions = conversions({{"DATAZAKUPU", C::Date},
                                     {"DATAWYMIANY", C::Date},
                                     {"NETTO", C::Money},
                                     {"VAT", C::Money},
                                     {"BRUTTO", C::Money},
                                     {"MAGAZYN", C::FlagMark}});
        d.searchFields = search({"MAGAZYN", "NREWID", "MARKA", "RODZAJO", "ROZMIARO", "POJAZD",
                                 "*DATAZAKUPU", "*NETTO", "*VAT", "*BRUTTO"});
        d.readRight = 35;
        d.writeRight = 36;
        list.append(d);
    }
    {
        RegisterDescriptor d = describe(RegisterId::Rozliczenia, QStringLiteral("rozliczenia"));
        d.caption = QStringLiteral("Rozliczenia");
        d.statementName = QStringLiteral("DBFRozliczenia");
        d.gridName = QStringLiteral("RozliczeniaGrid");
        d.listTemplate =
            QStringLiteral(
                "SELECT r.IDROZLICZENIA, r.NRDOKUMENTU, r.DATAOD, r.DATADO, r.IDPOJAZDU, "
                "r.RODZAJPRAC, r.TRASA, r.NREW, r.KONTRAHENT, r.GODZINY, r.STAWKA, r.OPIS, "
                "%1 AS POJAZD, %2 AS OSOBA, r.GODZINY * r.STAWKA AS WARTOSC, "
                "s.OPIS AS RODZAJPRACO "
                "FROM rozliczenia r LEFT OUTER JOIN osobowa o ON o.NREW = r.NREW "
                "LEFT OUTER JOIN pojazdy p ON p.IDPOJAZD = r.IDPOJAZDU "
                "LEFT OUTER JOIN slowniki s ON s.KOD = r.RODZAJPRAC "
                "WHERE 1 = 1 {14} {15} {16} ORDER BY {18} {19} , r.IDROZLICZENIA")
                .arg(vehicle, person);
        d.computed = ComputedValues::SettlementValues;
        setSlotLines(d, 14, 15, 16, 18, 19);
        d.defaultSort = QStringLiteral("IDROZLICZENIA");
        d.keyFields = keys({"IDROZLICZENIA"});
        d.deleteTemplate = QStringLiteral("DELETE FROM rozliczenia WHERE IDROZLICZENIA = {1}");
        d.listErrorCode = 44033;
        d.locateErrorCode = 44023;
        d.period = PeriodKind::FromTo;
        d.vehicleFilter = VehicleFilterKind::Registration;
        d.columns = columns({{"Nr dokum.", "NRDOKUMENTU"},
                             {"Data od", "DATAOD"},
                             {"Data do", "DATADO"},
                             {"Rodzaj", "RODZAJPRACO"},
                             {"Pojazd", "POJAZD"},
                             {"Il. godzin", "GODZINY"},
                             {"Stawka", "STAWKA"},
                             {"Wartość", "WARTOSC"}});
        d.conversions = conversions({{"DATAOD", C::Date},
                                     {"DATADO", C::Date},
                                     {"GODZINY", C::Money},
                                     {"STAWKA", C::Money},
                                     {"WARTOSC", C::Money}});
        d.searchFields = search({"NRDOKUMENTU", "*DATAOD", "*DATADO", "RODZAJPRACO", "POJAZD",
                                 "*GODZINY", "*STAWKA", "*WARTOSC"});
        d.readRight = 37;
        d.writeRight = 38;
        list.append(d);
    }
    {
        RegisterDescriptor d = describe(RegisterId::Zlecenia, QStringLiteral("zlecenia"));
        d.caption = QStringLiteral("Zlecenia");
        d.statementName = QStringLiteral("DBFZlecenia");
        d.gridName = QStringLiteral("ZleceniaGrid");
        d.listTemplate = QStringLiteral(
                             "SELECT z.IDZLECENIA, z.NRDOKUMENTU, z.DATAOD, z.DATADO, z.IDPOJAZDU, "
                             "z.RODZAJPRAC, z.TRASA, z.NREW, z.KONTRAHENT, z.OPIS, %1 AS POJAZD, "
                             "%2 AS OSOBA, s.OPIS AS RODZAJPRACO "
                             "FROM zlecenia z LEFT OUTER JOIN osobowa o ON o.NREW = z.NREW "
                             "LEFT OUTER JOIN pojazdy p ON p.IDPOJAZD = z.IDPOJAZDU "
                             "LEFT OUTER JOIN slowniki s ON s.KOD = z.RODZAJPRAC "
                             "WHERE 1 = 1 {14} {15} {16} ORDER BY {18} {19} , z.IDZLECENIA")
                             .arg(vehicle, person);
        setSlotLines(d, 14, 15, 16, 18, 19);
        d.defaultSort = QStringLiteral("IDZLECENIA");
        d.keyFields = keys({"IDZLECENIA"});
        d.deleteTemplate = QStringLiteral("DELETE FROM zlecenia WHERE IDZLECENIA = {1} {2}");
        d.listErrorCode = 44034;
        d.locateErrorCode = 44024;
        d.period = PeriodKind::FromTo;
        d.vehicleFilter = VehicleFilterKind::Registration;
        d.columns = columns({{"Nr zlec.", "NRDOKUMENTU"},
                             {"Data od", "DATAOD"},
                             {"Data do", "DATADO"},
                             {"Rodzaj", "RODZAJPRACO"},
                             {"Pojazd", "POJAZD"},
                             {"Pracownik", "OSOBA"}});
        d.conversions = conversions({{"DATAOD", C::Date}, {"DATADO", C::Date}});
        d.searchFields =
            search({"NRDOKUMENTU", "*DATAOD", "*DATADO", "RODZAJPRACO", "POJAZD", "OSOBA"});
        d.readRight = 39;
        d.writeRight = 40;
        list.append(d);
    }
    return list;
}
