#include "data/RecordTemplates.h"

#include <QHash>

namespace {

const QHash<QString, QString>& templates() {
    static const QHash<QString, QString> all = {
        {QStringLiteral("DBFUpdateSlowniki"),
         QStringLiteral("UPDATE slowniki SET IDSLOWNIK = :PARAM0, OPIS = :PARAM1, UZUP1 = :PARAM2, "
                        "UZUP2 = :PARAM3 WHERE KOD = {6}")},
        {QStringLiteral("DBFInsertSlowniki"),
         QStringLiteral(
             "INSERT INTO slowniki(IDSLOWNIK, OPIS, UZUP1, UZUP2) VALUES (:PARAM0, :PARAM1, "
             ":PARAM2, :PARAM3)")},
        {QStringLiteral("DBFDeleteSlowniki"),
         QStringLiteral("DELETE FROM slowniki WHERE KOD = {1}")},
        {QStringLiteral("DBFDeleteStawki"),
         QStringLiteral("DELETE FROM stawki WHERE DATAOD = {1}")},
        {QStringLiteral("DBFInsertStawki"),
         QStringLiteral(
             "INSERT INTO stawki(DATAOD,LW900,GT900,MOTOCYKL,MOTOROWER, RDPOJ5,RDPOJ6,RDPOJ7,"
             "RDPOJ8,RDPOJ9,RDPOJ10,RDPOJ11,RDPOJ12, RDPOJ13,RDPOJ14,RDPOJ15,RDPOJ16,RDPOJ17,"
             "RDPOJ18,RDPOJ19,RDPOJ20) VALUES ({4} , {6} , {8} , {10} , {12} , {14} , {16} , "
             "{18} , {20} , {22} , {24} , {26} , {28} , {30} , {32} , {34} , {36} , {38} , "
             "{40} , {42} , {44})")},
        {QStringLiteral("DBFUpdateStawki"),
         QStringLiteral(
             "UPDATE stawki SET DATAOD = {1} , LW900 = {3} , GT900 = {5} , MOTOCYKL = {7} , "
             "MOTOROWER = {9} ,RDPOJ5= {11} ,RDPOJ6= {13} ,RDPOJ7= {15} ,RDPOJ8= {17} ,"
             "RDPOJ9= {19} ,RDPOJ10= {21} ,RDPOJ11= {23} ,RDPOJ12= {25} ,RDPOJ13= {27} ,"
             "RDPOJ14= {29} ,RDPOJ15= {31} ,RDPOJ16= {33} ,RDPOJ17= {35} ,RDPOJ18= {37} ,"
             "RDPOJ19= {39} ,RDPOJ20= {41} WHERE DATAOD = {43}")},
        {QStringLiteral("DBFUpdatePojazdy"),
         QStringLiteral(
             "UPDATE pojazdy SET NRREJ=:PARAM0, POPRZNRREJ=:PARAM1, MARKA=:PARAM2, RODZAJ= {5} "
             ",POJEMNOSC= {7} ,ROCZNIK= {9} ,SERIADREJ=:PARAM3,NRSILNIKA=:PARAM4,"
             "NRNADWOZIA=:PARAM5, NREW=:PARAM6,IDKIEROWCY=:PARAM7,DATAOC= {12} ,"
             "NRPOLOC=:PARAM8,DATAAC= {14} ,NRPOLAC=:PARAM9,DATAPRZE= {16} ,DATAPRZEGW= {18} "
             ",UWAGI=:PARAM10, STAWKA= {20} ,DATATACHO= {22} ,NORMAOD= {24} ,NORMADO= {26} ,"
             "LICZPRZEG= {28} ,LICZGWAR= {30} ,LP= {32} ,NRFLOTY= {34} ,NREWID=:PARAM11,"
             "STATUS= {36} WHERE IDPOJAZD = {38}")},
        {QStringLiteral("DBFInsertPojazdy"),
         QStringLiteral(
             "INSERT INTO pojazdy(NRREJ,POPRZNRREJ,MARKA,RODZAJ,POJEMNOSC,ROCZNIK, SERIADREJ,"
             "NRSILNIKA,NRNADWOZIA,NREW,IDKIEROWCY,DATAOC,NRPOLOC,DATAAC, NRPOLAC,DATAPRZE,"
             "DATAPRZEGW,UWAGI,STAWKA,DATATACHO,NORMAOD,NORMADO, LICZPRZEG,LICZGWAR,LP,"
             "NRFLOTY,NREWID,STATUS) VALUES ( {4} :PARAM0,:PARAM1,:PARAM2, {6} , {8} , {10} "
             ",:PARAM3,:PARAM4,:PARAM5,:PARAM6,:PARAM7, {12} ,:PARAM8, {14} ,:PARAM9, {16} , "
             "{18} ,:PARAM10, {20} , {22} , {24} , {26} , {28} , {30} , {32} , {34} ,"
             ":PARAM11, {36})")},
        {QStringLiteral("DBFDeletePojazdy"),
         QStringLiteral("DELETE FROM pojazdy WHERE IDPOJAZD= {1} {2} {3}")},
        {QStringLiteral("DBFUpdatePrzejazdy"),
         QStringLiteral("UPDATE przejazdy SET DATA= {1} ,IDPOJAZD= {3} ,CELWYJAZDU=:PARAM0, "
                        "TRASA=:PARAM1,ODLEGLOSC= {6} ,IDKIEROWCY= :PARAM2 ,UWAGI=:PARAM3 WHERE "
                        "IDPRZEJAZD= {11}")},
        {QStringLiteral("DBFInsertPrzejazdy"),
         QStringLiteral(
             "INSERT INTO przejazdy(DATA,IDPOJAZD,CELWYJAZDU, TRASA,ODLEGLOSC,IDKIEROWCY,"
             "UWAGI) VALUES ( {2} {3} {4} , {6} ,:PARAM0,:PARAM1, {8} , :PARAM2 ,:PARAM3)")},
        {QStringLiteral("DBFDeletePrzejazdy"),
         QStringLiteral("DELETE FROM przejazdy WHERE IDPRZEJAZD = {1}")},
        {QStringLiteral("DBFUpdateOsobowa"),
         QStringLiteral(
             "UPDATE osobowa SET NREW=:PARAM0,NAZWISKO=:PARAM1, IMIE=:PARAM2,ADRES=:PARAM3,"
             "NUMER=:PARAM4,KOD=:PARAM5, MIASTO=:PARAM6,KRAJ=:PARAM7,TELEFON=:PARAM8, "
             "KONTAKT=:PARAM9,UWAGI=:PARAM10 WHERE NREW=:PARAM11")},
        {QStringLiteral("DBFInsertOsobowa"),
         QStringLiteral(
             "INSERT INTO osobowa(NREW,NAZWISKO,IMIE,ADRES,NUMER, KOD,MIASTO,KRAJ,TELEFON,"
             "KONTAKT,UWAGI) VALUES (:PARAM0,:PARAM1,:PARAM2,:PARAM3,:PARAM4,:PARAM5,"
             ":PARAM6, :PARAM7,:PARAM8,:PARAM9,:PARAM10)")},
        {QStringLiteral("DBFDeleteOsobowa"),
         QStringLiteral("DELETE FROM osobowa WHERE NREW = :PARAM0 {1}")},
        {QStringLiteral("DBFUpdateKoszty"),
         QStringLiteral(
             "UPDATE koszty SET IDPOJAZD= {1} ,DATA= {3} ,RODZWYD=:PARAM0,"
             "NAZWATOWAR=:PARAM1, NRDOKUMENT=:PARAM2,WARTNETTO= {6} ,WARTVAT= {8} ,"
             "WARTBRUTTO= {10} ,UWAGI=:PARAM3,CZYVAT=:PARAM4,DATAWYSTAW= {12} ,"
             "IDKARTY=:PARAM5,RODZAJPLAT= {14} ,LICZNIK= {16} ,IDKIEROWCY=:PARAM6,"
             "ISFUEL=:PARAM7,FUEL= {18} ,CK= {20} ,IDDROGOWA= {22} WHERE IDKOSZT= {24}")},
        {QStringLiteral("DBFInsertKoszty"),
         QStringLiteral(
             "INSERT INTO koszty(IDPOJAZD,DATA,RODZWYD,NAZWATOWAR,NRDOKUMENT,WARTNETTO,"
             "WARTVAT, WARTBRUTTO,UWAGI,CZYVAT,DATAWYSTAW,RODZAJPLAT,IDKARTY,LICZNIK,"
             "IDKIEROWCY,ISFUEL,FUEL,CK,IDDROGOWA) VALUES ( {2} {3} {4} , {6} ,:PARAM0,"
             ":PARAM1,:PARAM2, {8} , {10} , {12} ,:PARAM3,:PARAM4, {14} , {16} ,:PARAM5, "
             "{18} ,:PARAM6,:PARAM7, {20} , {22} , {24}) {26}")},
        {QStringLiteral("DBFDeleteKoszty"),
         QStringLiteral("DELETE FROM koszty WHERE IDKOSZT = {1}")},
        {QStringLiteral("DBFUpdateNaprawy"),
         QStringLiteral("UPDATE naprawy SET DATA= {1} ,IDPOJAZD= {3} ,OPIS=:PARAM0,UWAGI=:PARAM1,"
                        "WARTNETTO= {5} ,WARTVAT= {7} ,WARTBRUTTO= {9} ,IDKIEROWCY=:PARAM2 ,"
                        "LICZNIK= {11} ,LICZTERM = {13} ,DONE=:PARAM3 WHERE IDNAPRAWY= {16}")},
        {QStringLiteral("DBFInsertNaprawy"),
         QStringLiteral(
             "INSERT INTO naprawy(IDPOJAZD,DATA,OPIS,WARTNETTO, WARTVAT,WARTBRUTTO,UWAGI,"
             "IDKIEROWCY,LICZNIK,LICZTERM,DONE) VALUES ( {2} {3} {4} , {6} ,:PARAM0, {8} , "
             "{10} , {12} ,:PARAM1,:PARAM2, {14} , {16} ,:PARAM3)")},
        {QStringLiteral("DBFDeleteNaprawy"),
         QStringLiteral("DELETE FROM naprawy WHERE IDNAPRAWY = {1}")},
        {QStringLiteral("DBFUpdateFirma"),
         QStringLiteral(
             "UPDATE firma SET NAZWA=:PARAM0, KOD=:PARAM1, MIASTO=:PARAM2, ULICA=:PARAM3, "
             "NUMER=:PARAM4, NIP=:PARAM5, REGON=:PARAM6, BANK=:PARAM7, ROR=:PARAM8, "
             "TELEFON=:PARAM9, FAX=:PARAM10, EMAIL=:PARAM11, WWW=:PARAM12, KKOD=:PARAM13, "
             "KMIASTO=:PARAM14, KULICA=:PARAM15, KNUMER=:PARAM16, KTELEFON=:PARAM17, "
             "KFAX=:PARAM18, KEMAIL=:PARAM19, INNE=:PARAM20 WHERE IDFIRMA= {23}")},
        {QStringLiteral("DBFUpdateDokumenty"),
         QStringLiteral(
             "UPDATE dokumenty SET DATA= {1} ,TERMIN= {3} ,IDPOJAZD= {5} ,RODZAJ=:PARAM0,"
             "NAZWA=:PARAM1,OPIS=:PARAM2,UWAGI=:PARAM3,NUMER=:PARAM4,LICZTERM = {7} WHERE "
             "IDDOKUMENT= {9}")},
        {QStringLiteral("DBFInsertDokumenty"),
         QStringLiteral(
             "INSERT INTO dokumenty(DATA,TERMIN,IDPOJAZD, RODZAJ,NAZWA,OPIS,UWAGI,NUMER,"
             "LICZTERM) VALUES ( {2} {3} {4} , {6} , {8} ,:PARAM0,:PARAM1,:PARAM2,:PARAM3,"
             ":PARAM4, {10})")},
        {QStringLiteral("DBFDeleteDokumenty"),
         QStringLiteral("DELETE FROM dokumenty WHERE IDDOKUMENT = {1}")},
        {QStringLiteral("DBFUpdateKPaliwowe"),
         QStringLiteral("UPDATE kpaliwowe SET NAZWA=:PARAM0,IDKIEROWCY=:PARAM1,IDPOJAZD= {1} ,"
                        "STACJA=:PARAM2,TERMIN= {3} ,PIN=:PARAM3,WWW=:PARAM4,EMAIL=:PARAM5,"
                        "UWAGI=:PARAM6, IDKARTY=:PARAM7 WHERE IDKARTY=:PARAM8")},
        {QStringLiteral("DBFInsertKPaliwowe"),
         QStringLiteral(
             "INSERT INTO kpaliwowe(IDKARTY,NAZWA,IDKIEROWCY,IDPOJAZD, STACJA,TERMIN,PIN,WWW,"
             "EMAIL,UWAGI) VALUES (:PARAM0,:PARAM1,:PARAM2, {3} ,:PARAM3, {5} ,:PARAM4,"
             ":PARAM5,:PARAM6,:PARAM7)")},
        {QStringLiteral("DBFDeleteKPaliwowe"),
         QStringLiteral("DELETE FROM kpaliwowe WHERE IDKARTY=:PARAM0 {1}")},
        {QStringLiteral("DBFUpdateWyposazenie"),
         QStringLiteral(
             "UPDATE wyposazenie SET DATA= {1} ,TERMIN= {3} ,IDPOJAZD= {5} ,LICZNIK= {7} ,"
             "RODZAJ=:PARAM0,OPIS=:PARAM1,UWAGI=:PARAM2,LICZTERM= {9} WHERE IDWYPOS= {11}")},
        {QStringLiteral("DBFInsertWyposazenie"),
         QStringLiteral(
             "INSERT INTO wyposazenie(DATA,TERMIN,IDPOJAZD,LICZNIK, RODZAJ,OPIS,UWAGI,"
             "LICZTERM) VALUES ( {2} {3} {4} , {6} , {8} , {10} ,:PARAM0,:PARAM1,:PARAM2, "
             "{12})")},
        {QStringLiteral("DBFDeleteWyposazenie"),
         QStringLiteral("DELETE FROM wyposazenie WHERE IDWYPOS = {1}")},
        {QStringLiteral("DBFUpdateZuzycie"),
         QStringLiteral(
             "UPDATE %1 SET {1} DATA= {3} ,BAK= {5} ,TANKOWANIE= {7} ,LICZNIK= {9} WHERE "
             "IDPOJAZD= {11} AND DATA= {13}")},
        {QStringLiteral("DBFInsertZuzycie"),
         QStringLiteral(
             "INSERT INTO %1 (DATA,IDPOJAZD,BAK,TANKOWANIE,LICZNIK) VALUES ( {1} , {3} , {5} "
             ", {7} , {9}) {11}")},
        {QStringLiteral("DBFDeleteZuzycie"),
         QStringLiteral("DELETE FROM %1 WHERE IDPOJAZD = {1} AND DATA = {3}")},
        {QStringLiteral("DBFUpdateUserzy"),
         QStringLiteral("UPDATE userzy SET HASLO=:PARAM0, OPIS=:PARAM1 WHERE NAZWA=:PARAM2")},
        {QStringLiteral("DBFInsertUserzy"),
         QStringLiteral(
             "INSERT INTO userzy (NAZWA,HASLO,OPIS) VALUES (:PARAM0,:PARAM1,:PARAM2) {2}")},
        {QStringLiteral("DBFDeleteUserzy"),
         QStringLiteral("DELETE FROM userzy WHERE NAZWA = :PARAM0 {2}")},
        {QStringLiteral("DBFDeleteAllRights"),
         QStringLiteral("DELETE FROM uprawnienia WHERE NAZWA = :PARAM0 {2}")},
        {QStringLiteral("DBFDeleteRights"),
         QStringLiteral("DELETE FROM uprawnienia WHERE NAZWA = :PARAM0 AND UPR = :PARAM1")},
        {QStringLiteral("DBFInsertRights"),
         QStringLiteral("INSERT INTO uprawnienia (NAZWA,UPR) VALUES (:PARAM0, :PARAM1)")},
        {QStringLiteral("DBFUpdateTerminarz"),
         QStringLiteral("UPDATE terminy SET DATAOD= {1} ,DATADO= {3} ,RODZAJTERMINU= {5} ,"
                        "IDPOJAZDU= {7} ,SPRODDO=:PARAM0 ,NREW=:PARAM1 ,KONTRAHENT=:PARAM2 ,"
                        "OPIS=:PARAM3,LICZTERM= {12} WHERE IDTERMINU= {14}")},
        {QStringLiteral("DBFInsertTerminarz"),
         QStringLiteral(
             "INSERT INTO terminy(DATAOD,DATADO, RODZAJTERMINU,IDPOJAZDU, SPRODDO,NREW,"
             "KONTRAHENT,OPIS,LICZTERM) VALUES ( {4} , {6} , {8} , {10} ,:PARAM0,:PARAM1,"
             ":PARAM2,:PARAM3, {12})")},
        {QStringLiteral("DBFDeleteTerminarz"),
         QStringLiteral("DELETE FROM terminy WHERE IDTERMINU = {1}")},
        {QStringLiteral("DBFUpdateOpony"),
         QStringLiteral("UPDATE opony SET ILOSC= {1} ,RODZAJ= {3} ,ROZMIAR= {5} ,PRZEBMAX= {7} ,"
                        "IDPOJAZDU= {9} ,DATAZAKUPU= {11} ,NETTO= {13} ,VAT= {15} ,BRUTTO= {17} ,"
                        "DATAWYMIANY= {19} ,NREWID=:PARAM0,MARKA=:PARAM1,BIEZNIK=:PARAM2 ,"
                        "CECHY=:PARAM3,NRDOKUMENTU=:PARAM4,MAGAZYN=:PARAM5 ,INNE=:PARAM6,"
                        "LICZTERM= {23} WHERE IDOPONY= {25}")},
        {QStringLiteral("DBFInsertOpony"),
         QStringLiteral(
             "INSERT INTO opony(ILOSC,RODZAJ,ROZMIAR,PRZEBMAX, IDPOJAZDU,DATAZAKUPU,NETTO,"
             "VAT,BRUTTO,DATAWYMIANY, NREWID,MARKA,BIEZNIK,CECHY,NRDOKUMENTU,MAGAZYN,INNE,"
             "LICZTERM) VALUES ( {4} , {6} , {8} , {10} , {12} , {14} , {16} , {18} , {20} "
             ", {22} ,:PARAM0,:PARAM1,:PARAM2,:PARAM3,:PARAM4,:PARAM5,:PARAM6, {24})")},
        {QStringLiteral("DBFDeleteOpony"), QStringLiteral("DELETE FROM opony WHERE IDOPONY = {1}")},
        {QStringLiteral("DBFUpdateRozliczenia"),
         QStringLiteral("UPDATE rozliczenia SET DATAOD= {1} ,DATADO= {3} ,IDPOJAZDU= {5} ,"
                        "GODZINY= {7} ,STAWKA= {9} ,RODZAJPRAC= {11} ,NRDOKUMENTU=:PARAM0, "
                        "TRASA=:PARAM1, NREW=:PARAM2, KONTRAHENT=:PARAM3, OPIS=:PARAM4 WHERE "
                        "IDROZLICZENIA= {18}")},
        {QStringLiteral("DBFInsertRozliczenia"),
         QStringLiteral(
             "INSERT INTO rozliczenia(DATAOD,DATADO,IDPOJAZDU,GODZINY,STAWKA,RODZAJPRAC, "
             "NRDOKUMENTU,TRASA,NREW,KONTRAHENT,OPIS) VALUES ( {4} , {6} , {8} , {10} , "
             "{12} , {14} ,:PARAM0,:PARAM1,:PARAM2,:PARAM3,:PARAM4)")},
        {QStringLiteral("DBFDeleteRozliczenia"),
         QStringLiteral("DELETE FROM rozliczenia WHERE IDROZLICZENIA = {1}")},
        {QStringLiteral("DBFUpdateZlecenia"),
         QStringLiteral(
             "UPDATE zlecenia SET DATAOD= {1} ,DATADO= {3} ,IDPOJAZDU= {5} {6} {7} {8} {9} "
             ",RODZAJPRAC= {11} ,NRDOKUMENTU=:PARAM0, TRASA=:PARAM1, NREW=:PARAM2, "
             "KONTRAHENT=:PARAM3, OPIS=:PARAM4 WHERE IDZLECENIA= {18} {19}")},
        {QStringLiteral("DBFInsertZlecenia"),
         QStringLiteral(
             "INSERT INTO zlecenia(DATAOD,DATADO,IDPOJAZDU,RODZAJPRAC, NRDOKUMENTU,TRASA,"
             "NREW,KONTRAHENT,OPIS) VALUES ( {4} , {6} , {8} , {10} {11} {12} {13} {14} ,"
             ":PARAM0,:PARAM1,:PARAM2,:PARAM3,:PARAM4) {16}")},
        {QStringLiteral("DBFDeleteZlecenia"),
         QStringLiteral("DELETE FROM zlecenia WHERE IDZLECENIA = {1} {2}")},
        {QStringLiteral("DBFUpdateZuzycieKm"),
         QStringLiteral("UPDATE %1 SET {1} DATA= {3} ,PRZEBIEG= {5} ,TANKOWANIE= {7} ,LICZNIK= {9} "
                        "WHERE IDPOJAZD= {11} AND DATA= {13}")},
        {QStringLiteral("DBFInsertZuzycieKm"),
         QStringLiteral(
             "INSERT INTO %1 (DATA,IDPOJAZD,PRZEBIEG,TANKOWANIE,LICZNIK) VALUES ( {1} , {3} "
             ", {5} , {7} , {9}) {11}")},
        {QStringLiteral("DBFDeleteZuzycieKm"),
         QStringLiteral("DELETE FROM %1 WHERE IDPOJAZD = {1} AND DATA = {3}")},
        {QStringLiteral("DBFUpdateZuzycieMth"),
         QStringLiteral("UPDATE %1 SET {1} DATA= {3} ,PRZEBIEG= {5} ,TANKOWANIE= {7} ,LICZNIK= {9} "
                        "WHERE IDPOJAZD= {11} AND DATA= {13}")},
        {QStringLiteral("DBFInsertZuzycieMth"),
         QStringLiteral(
             "INSERT INTO %1 (DATA,IDPOJAZD,PRZEBIEG,TANKOWANIE,LICZNIK) VALUES ( {1} , {3} "
             ", {5} , {7} , {9}) {11}")},
        {QStringLiteral("DBFDeleteZuzycieMth"),
         QStringLiteral("DELETE FROM %1 WHERE IDPOJAZD = {1} AND DATA = {3}")},
        {QStringLiteral("DBFUpdatePrzebiegi"),
         QStringLiteral(
             "UPDATE przebiegi SET DATA= {1} ,IDPOJAZD= {3} ,UWAGI=:PARAM0,LICZNIK= {5} WHERE "
             "IDPRZEBIEGI= {7}")},
        {QStringLiteral("DBFInsertPrzebiegi"),
         QStringLiteral(
             "INSERT INTO przebiegi(IDPOJAZD,DATA,UWAGI,LICZNIK) VALUES ( {1} , {3} ,:PARAM0, "
             "{5})")},
        {QStringLiteral("DBFDeletePrzebiegi"),
         QStringLiteral("DELETE FROM przebiegi WHERE IDPRZEBIEGI = {1}")},
        {QStringLiteral("DBFUpdateSzkody"),
         QStringLiteral("UPDATE szkody SET DATA= {1} ,IDPOJAZD= {3} ,OPIS=:PARAM0,UWAGI=:PARAM1,"
                        "WARTNETTO= {5} ,WARTVAT= {7} ,WARTBRUTTO= {9} ,IDKIEROWCY=:PARAM2 ,"
                        "LICZNIK= {11} WHERE IDSZKODY= {13}")},
        {QStringLiteral("DBFInsertSzkody"),
         QStringLiteral(
             "INSERT INTO szkody(IDPOJAZD,DATA,OPIS,WARTNETTO, WARTVAT,WARTBRUTTO,UWAGI,"
             "IDKIEROWCY,LICZNIK) VALUES ( {2} {3} {4} , {6} ,:PARAM0, {8} , {10} , {12} ,"
             ":PARAM1,:PARAM2, {14})")},
        {QStringLiteral("DBFDeleteSzkody"),
         QStringLiteral("DELETE FROM szkody WHERE IDSZKODY = {1}")},
        {QStringLiteral("DBFUpdateKDrogowe"),
         QStringLiteral(
             "UPDATE kartydrogowe SET NRKARTY=:PARAM0,DATAWYST= {2} ,IDPOJAZD= {4} ,"
             "IDKIEROWCY=:PARAM1,CELWYJAZDU=:PARAM2,TRASA=:PARAM3 ,LICZSTART= {7} ,"
             "LICZEND= {9} ,DATASTART= {11} ,GODZSTART= {13} ,DATAEND= {15} ,GODZEND= {17} "
             ",CZAS= {19} ,UWAGI=:PARAM4 {21} ,PRAWOJAZDY=:PARAM5 ,ODPOCZYNEK= {24} ,"
             "GODZSUMA= {26} WHERE IDDROGOWA= {28}")},
        {QStringLiteral("DBFInsertKDrogowe"),
         QStringLiteral(
             "INSERT INTO kartydrogowe(NRKARTY,DATAWYST,IDPOJAZD,IDKIEROWCY, CELWYJAZDU,TRASA,"
             "LICZSTART,LICZEND,DATASTART,GODZSTART, DATAEND,GODZEND,CZAS,UWAGI,PRAWOJAZDY,"
             "ODPOCZYNEK,GODZSUMA {3}) VALUES (:PARAM0, {6} , {8} ,:PARAM1,:PARAM2,:PARAM3, "
             "{10} , {12} , {14} , {16} , {18} , {20} , {22} , :PARAM4,:PARAM5, {25} , {27} "
             "{28})")},
        {QStringLiteral("DBFDeleteKDrogowe"),
         QStringLiteral("DELETE FROM kartydrogowe WHERE IDDROGOWA = {1}")},
        {QStringLiteral("DBFUpdateCenyPaliw"),
         QStringLiteral(
             "UPDATE cenypaliw SET DATA= {1} ,RODZAJPALIWA= {3} ,BRUTTO= {5} ,MIEJSCE=:PARAM0 "
             "{7} WHERE ID= {9}")},
        {QStringLiteral("DBFInsertCenyPaliw"),
         QStringLiteral(
             "INSERT INTO cenypaliw(DATA,RODZAJPALIWA,BRUTTO,MIEJSCE) VALUES ( {3} , {5} , "
             "{7} ,:PARAM0)")},
        {QStringLiteral("DBFDeleteCenyPaliw"),
         QStringLiteral("DELETE FROM cenypaliw WHERE ID = {1}")},
        {QStringLiteral("DBFUpdateMagazyn"),
         QStringLiteral(
             "UPDATE magazyn SET ILOSC= {1} ,PRZYPOMNIJ= {3} ,CZESC=:PARAM0,UWAGI=:PARAM1 {5} "
             "WHERE ID= {7} {8}")},
        {QStringLiteral("DBFInsertMagazyn"),
         QStringLiteral(
             "INSERT INTO magazyn (ILOSC,PRZYPOMNIJ,CZESC,UWAGI) VALUES ( {3} , {5} ,:PARAM0,"
             ":PARAM1)")},
        {QStringLiteral("DBFDeleteMagazyn"), QStringLiteral("DELETE FROM magazyn WHERE ID = {1}")},
    };
    return all;
}

}  // namespace

namespace RecordTemplates {

bool contains(const QString& name) {
    return templates().contains(name);
}

SqlTemplate get(const QString& name) {
    Q_ASSERT_X(contains(name), "RecordTemplates::get", qPrintable(name));
    return SqlTemplate::parse(templates().value(name));
}

SqlTemplate get(const QString& name, const QString& table) {
    return SqlTemplate::parse(templates().value(name).arg(table));
}

}  // namespace RecordTemplates
