// The trip, kilometre-rate and settlement dialogs: their checks in order, the flows from
// the dialog to the list on both engines, the pricing of trips by the rates in force on
// their dates, and the keys the user types.
#include "DialogScript.h"
#include "ScriptedMessageService.h"
#include "TestDataDir.h"
#include "TestLocation.h"
#include "data/ErrorLog.h"
#include "data/ListModel.h"
#include "data/TmyDataBase.h"
#include "data/engine/RowInsert.h"
#include "data/records/DictionaryStore.h"
#include "data/schema/DatabaseCreator.h"
#include "registers/uPrzejazdy.h"
#include "registers/uRozliczenia.h"
#include "registers/uStawki.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {

using Mode = RecordEditors::Mode;

// Renames a table so that the next statement on it fails, and back.
DbError renameTable(DbConnection& db, const QString& from, const QString& to) {
    return db.execute(SqlStatement(QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(from, to)));
}

}  // namespace

class TstPrzejazdy : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void tripChecks_data();
    void tripChecks();
    void rateChecks_data();
    void rateChecks();
    void settlementChecks_data();
    void settlementChecks();
    void rateLabelsFollowVehicleKinds();
    void tripRoundTrip();
    void tripsPricedByRatesInForce();
    void rateRoundTripAndUniqueDate();
    void settlementRoundTripAndUniqueNumber();
    void existenceFailureSavesNothing_data();
    void existenceFailureSavesNothing();
    void oldZeroPersonReadAsNone_data();
    void oldZeroPersonReadAsNone();

private:
    void checkTable(RecordDialog& dialog, const Record& initial);
    RecordEditors::Outcome run(RegisterId id, Mode mode, ListModel& model, int row);
    int listed(ListModel& model, const QStringList& key);
    qint64 count(const QString& sql);

    std::unique_ptr<TestDataDir> m_dataDir;
    std::unique_ptr<TestLocation> m_location;
    ScriptedMessageService m_messages;
    std::unique_ptr<TmyDataBase> m_db;
    QHash<QString, qint64> m_vehicles;  // keys by registration
};

void TstPrzejazdy::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    m_dataDir = std::make_unique<TestDataDir>();
    m_location = std::make_unique<TestLocation>();
    REQUIRE_LOCATION(*m_location);
    QVERIFY(DatabaseCreator::createDatabase(m_location->location(), false).ok);
    QVERIFY(DatabaseCreator::addCompany(m_location->location(), QStringLiteral("Firma"),
                                        QStringLiteral("f"))
                .ok);
    m_db = std::make_unique<TmyDataBase>(&m_messages);
    QVERIFY(m_db->openCompany(m_location->location(), QStringLiteral("f")));
    m_db->applySelection(FilterSelection{});  // every period
    DbConnection& db = m_db->DatabaseFirma();
    for (const auto& [nrew, surname, name] :
         {std::tuple{"K1", "Nowak", "Jan"}, std::tuple{"K2", "Zięba", "Ewa"},
          std::tuple{"0", "Zerowy", "Adam"}})
        QVERIFY(insertRow(db, QStringLiteral("osobowa"),
                          {{QStringLiteral("NREW"), QString::fromUtf8(nrew)},
                           {QStringLiteral("NAZWISKO"), QString::fromUtf8(surname)},
                           {QStringLiteral("IMIE"), QString::fromUtf8(name)}})
                    .ok());
    // The free kind numbered 6 (its KOD is whatever the company gave it).
    DbQuery freeKind;
    SqlStatement kindQuery(
        QStringLiteral("SELECT KOD FROM slowniki WHERE IDSLOWNIK = :C AND UZUP1 = :N"));
    kindQuery.bindText(QStringLiteral(":C"), QStringLiteral("RDPOJ"));
    kindQuery.bindText(QStringLiteral(":N"), QStringLiteral("6"));
    QVERIFY(db.select(kindQuery, &freeKind).ok());
    QVERIFY(freeKind.next());
    const qint64 sixth = freeKind.integer(u"KOD");
    for (const auto& [registration, kind, capacity, driver, rate] :
         {std::tuple{"WZ 1001", qint64(1), 1600, "K1", 55.5},
          std::tuple{"WZ 1002", qint64(2), 900, "K2", 40.0},
          std::tuple{"WZ 1003", qint64(3), 600, "", 0.0},
          std::tuple{"WZ 1006", sixth, 0, "", 0.0}}) {
        qint64 key = 0;
        QVERIFY(insertRow(db, QStringLiteral("pojazdy"),
                          {{QStringLiteral("NRREJ"), QString::fromLatin1(registration)},
                           {QStringLiteral("RODZAJ"), kind},
                           {QStringLiteral("POJEMNOSC"), capacity},
                           {QStringLiteral("IDKIEROWCY"), QString::fromLatin1(driver)},
                           {QStringLiteral("STAWKA"), rate},
                           {QStringLiteral("STATUS"), 0}},
                          &key)
                    .ok());
        m_vehicles.insert(QString::fromLatin1(registration), key);
    }
    for (const auto& [route, length] :
         {std::pair{"Warszawa - Łódź", "135"}, std::pair{"Bez długości", ""}})
        QVERIFY(insertRow(db, QStringLiteral("slowniki"),
                          {{QStringLiteral("IDSLOWNIK"), QStringLiteral("TRASY")},
                           {QStringLiteral("OPIS"), QString::fromUtf8(route)},
                           {QStringLiteral("UZUP1"), QString::fromLatin1(length)}})
                    .ok());
}

RecordEditors::Outcome TstPrzejazdy::run(RegisterId id, Mode mode, ListModel& model, int row) {
    RecordEditors::Request request{
        nullptr, *m_db, m_messages, model, row, mode, {}, QStringLiteral("Firma"), nullptr};
    request.rights.set();
    if (id == RegisterId::Przejazdy)
        return TripEditor::edit(request);
    return id == RegisterId::Stawki ? RateEditor::edit(request) : SettlementEditor::edit(request);
}

int TstPrzejazdy::listed(ListModel& model, const QStringList& key) {
    if (!m_db->refreshList(model.registerId(), model))
        return -1;
    return model.findRow(key);
}

qint64 TstPrzejazdy::count(const QString& sql) {
    DbQuery rows;
    if (!m_db->DatabaseFirma().select(SqlStatement(sql), &rows).ok() || !rows.next())
        return -1;
    return rows.value(0).toLongLong();
}

// One row of a check table: the fields worked on a new record, the first message ("" when
// saved) with its focused control, and the texts of fields afterwards.
void TstPrzejazdy::checkTable(RecordDialog& dialog, const Record& initial) {
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    QFETCH(QString, focused);
    QFETCH(QStringList, after);
    dialog.setRecord(initial);
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    enterAll(&dialog, fields);
    m_messages.clear();
    dialog.saveButton()->click();
    if (message.isEmpty()) {
        QVERIFY2(m_messages.shown().isEmpty(), qPrintable(m_messages.texts().join(u'|')));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    } else {
        QVERIFY(!m_messages.shown().isEmpty());
        QCOMPARE(m_messages.shown().first().title, QStringLiteral("Uwaga"));
        QCOMPARE(m_messages.shown().first().text, message);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString(), focused);
    }
    for (const QString& pair : after) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        QCOMPARE(text(&dialog, pair.left(eq)), pair.mid(eq + 1));
    }
}

#define CHECK_COLUMNS()                      \
    QTest::addColumn<QStringList>("fields"); \
    QTest::addColumn<QString>("message");    \
    QTest::addColumn<QString>("focused");    \
    QTest::addColumn<QStringList>("after")

void TstPrzejazdy::tripChecks_data() {
    CHECK_COLUMNS();
    const QString date = QStringLiteral("Niepoprawny format daty wyjazdu. Popraw pole");
    const QString noLength = QStringLiteral("Nie wprowadzono długości trasy. Popraw pole");
    const QString badLength = QStringLiteral("Niepoprawna długość trasy. Popraw pole");
    const QStringList valid{"fDATA=10.05.2024", "fNRREJ=WZ 1001"};
    QTest::newRow("no date") << QStringList{"fNRREJ=WZ 1001", "fODLEGLOSC=10"} << date << "fDATA"
                             << QStringList{};
    QTest::newRow("partial date") << QStringList{"fDATA=05.03.", "fNRREJ=WZ 1001"} << date
                                  << "fDATA" << QStringList{};
    QTest::newRow("no vehicle") << QStringList{"fDATA=10.05.2024", "fODLEGLOSC=10"}
                                << "Nie wskazano pojazdu. Popraw pole"
                                << "fNRREJ" << QStringList{};
    QTest::newRow("no length") << valid << noLength << "fODLEGLOSC" << QStringList{};
    QTest::newRow("blank length") << valid + QStringList{"fODLEGLOSC=   "} << noLength
                                  << "fODLEGLOSC" << QStringList{};
    QTest::newRow("length not a number")
        << valid + QStringList{"fODLEGLOSC=12a"} << badLength << "fODLEGLOSC" << QStringList{};
    QTest::newRow("length 0") << valid + QStringList{"fODLEGLOSC=0"} << badLength << "fODLEGLOSC"
                              << QStringList{};
    QTest::newRow("route without a length empties it")
        << valid + QStringList{"fODLEGLOSC=50", "@fTRASA=Bez długości"} << noLength << "fODLEGLOSC"
        << QStringList{"fODLEGLOSC="};
    QTest::newRow("route brings its length")
        << valid + QStringList{"@fTRASA=Warszawa"} << ""
        << "" << QStringList{"fODLEGLOSC=135", "fTRASA=Warszawa - Łódź"};
    QTest::newRow("length in its shortest form")
        << valid + QStringList{"fODLEGLOSC=12.50", "fUWAGI=x"} << ""
        << "" << QStringList{"fODLEGLOSC=12,5"};
    QTest::newRow("vehicle brings its driver")
        << valid + QStringList{"fODLEGLOSC=1"} << ""
        << "" << QStringList{"fIDKIEROWCY=Nowak Jan (ID K1)"};
    QTest::newRow("a chosen driver stays")
        << QStringList{"fIDKIEROWCY=Zięba", "fDATA=10.05.2024", "fNRREJ=WZ 1001", "fODLEGLOSC=1"}
        << ""
        << "" << QStringList{"fIDKIEROWCY=Zięba Ewa (ID K2)"};
}

void TstPrzejazdy::tripChecks() {
    TfPrzejazdy dialog(*m_db, m_messages);
    checkTable(dialog, Record());
}

void TstPrzejazdy::rateChecks_data() {
    CHECK_COLUMNS();
    const QStringList dated{"FDataOd=01.01.2040"};
    QTest::newRow("no date") << QStringList{"FLW900=1"} << "Niepoprawny format daty. Popraw pole"
                             << "FDataOd" << QStringList{};
    QTest::newRow("empty rates are 0") << dated << ""
                                       << "" << QStringList{"FLW900=0", "FMotorower=0", "rodz20=0"};
    QTest::newRow("below 900") << dated + QStringList{"FLW900=x"}
                               << "Niepoprawna wartość stawki dla pojazdów poniżej 900 cm3"
                               << "FLW900" << QStringList{};
    QTest::newRow("above 900") << dated + QStringList{"FGT900=1,2,3"}
                               << "Niepoprawna wartość stawki dla pojazdów powyżej 900 cm3"
                               << "FGT900" << QStringList{};
    QTest::newRow("motorcycle") << dated + QStringList{"FMotocykl=a"}
                                << "Niepoprawna wartość stawki dla Motocykli"
                                << "FMotocykl" << QStringList{};
    // The free kind's label is the kind's text: the company starts with "Inne 3" for 7.
    QTest::newRow("free kind") << dated + QStringList{"rodz7=c"}
                               << "Niepoprawna wartość stawki dla Inne 3"
                               << "rodz7" << QStringList{};
    QTest::newRow("first failure in order")
        << dated + QStringList{"rodz5=y", "FGT900=x"}
        << "Niepoprawna wartość stawki dla pojazdów powyżej 900 cm3"
        << "FGT900" << QStringList{"rodz5=0,0000"};
    QTest::newRow("leaving rewrites with four decimals")
        << dated + QStringList{"rodz20=2.1", "FGT900=x"}
        << "Niepoprawna wartość stawki dla pojazdów powyżej 900 cm3"
        << "FGT900" << QStringList{"rodz20=2,1000"};
    QTest::newRow("valid rates in their shortest form")
        << dated + QStringList{"FGT900=0.8358", "FLW900=1.10000", "FMotocykl=2"} << ""
        << "" << QStringList{"FGT900=0,8358", "FLW900=1,1"};
}

void TstPrzejazdy::rateChecks() {
    TfStawki dialog(*m_db, m_messages);
    checkTable(dialog, Record());
}

void TstPrzejazdy::settlementChecks_data() {
    CHECK_COLUMNS();
    const QStringList number{"fNRDOKUMENTU=R/9"};
    const QStringList dated{"fDATAOD=01.02.2024", "fDATADO=03.02.2024"};
    QTest::newRow("amounts rewritten before the number")
        << QStringList{"fGODZINY=abc", "fSTAWKA=12.5"}
        << "Nie podano numeru dokumentu rozliczeniowego"
        << "fNRDOKUMENTU" << QStringList{"fGODZINY=0,00", "fSTAWKA=12,50"};
    QTest::newRow("no vehicle") << number + dated << "Nie wskazano pojazdu. Popraw pole"
                                << "fIDPOJAZDU" << QStringList{};
    QTest::newRow("a cleared vehicle is a choice")
        << number + dated + QStringList{"!fIDPOJAZDUClear"} << ""
        << "" << QStringList{};
    QTest::newRow("bad start") << number + QStringList{"fIDPOJAZDU=WZ 1002", "fDATAOD=31.02."}
                               << "Niepoprawny format daty od. Popraw pole"
                               << "fDATAOD" << QStringList{};
    QTest::newRow("ends a day before it starts")
        << number + QStringList{"fIDPOJAZDU=WZ 1002", "fDATAOD=02.02.2024", "fDATADO=01.02.2024"}
        << "Data od większa niż data do. Popraw pola"
        << "fDATAOD" << QStringList{};
    QTest::newRow("ends the day it starts")
        << number + QStringList{"fIDPOJAZDU=WZ 1002", "fDATAOD=02.02.2024", "fDATADO=02.02.2024"}
        << ""
        << "" << QStringList{};
    QTest::newRow("vehicle brings its hourly rate")
        << number + dated + QStringList{"fSTAWKA=70", "fIDPOJAZDU=WZ 1001", "fGODZINY=8"} << ""
        << "" << QStringList{"fSTAWKA=55,50", "fGODZINY=8,00"};
    QTest::newRow("a rate typed after the vehicle stays")
        << number + dated + QStringList{"fIDPOJAZDU=WZ 1001", "fSTAWKA=70"} << ""
        << "" << QStringList{"fSTAWKA=70,00"};
    QTest::newRow("contractor cleared")
        << number + dated +
               QStringList{"fIDPOJAZDU=WZ 1002", "fKONTRAHENT=Firma X", "!fKONTRAHENTClear"}
        << ""
        << "" << QStringList{"fKONTRAHENT="};
}

void TstPrzejazdy::settlementChecks() {
    TfRozliczenia dialog(*m_db, m_messages);
    checkTable(dialog, TfRozliczenia::defaults());
}

void TstPrzejazdy::rateLabelsFollowVehicleKinds() {
    DictionaryStore store(*m_db);
    const auto before = store.vehicleKinds();
    QVERIFY(before);
    QVERIFY(
        store.writeVehicleKinds({{3, QStringLiteral("Skuter")}, {7, QStringLiteral("Ciągnik")}}));
    TfStawki dialog(*m_db, m_messages);
    dialog.setRecord(Record());
    const QStringList labels{text(&dialog, QStringLiteral("FLW900Label")),
                             text(&dialog, QStringLiteral("FMotocyklLabel")),
                             text(&dialog, QStringLiteral("FMotorowerLabel")),
                             text(&dialog, QStringLiteral("lab7")),
                             text(&dialog, QStringLiteral("lab8"))};
    QCOMPARE(labels, (QStringList{"Poniżej 900 cm3", "Skuter", "Motorower", "Ciągnik", "Inne 4"}));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    enterAll(&dialog, {"FDataOd=01.01.2040", "rodz7=x"});
    m_messages.clear();
    dialog.saveButton()->click();
    QCOMPARE(m_messages.texts(),
             QStringList{QStringLiteral("Niepoprawna wartość stawki dla Ciągnik")});
    dialog.reject();
    QVERIFY(store.writeVehicleKinds(*before));
    dialog.setRecord(Record());
    QCOMPARE(text(&dialog, QStringLiteral("FMotocyklLabel")), QStringLiteral("Motocykl"));
    QCOMPARE(text(&dialog, QStringLiteral("lab7")), QStringLiteral("Inne 3"));
}

void TstPrzejazdy::tripRoundTrip() {
    ListModel trips(RegisterId::Przejazdy);
    bool suggested = false;
    Script add({[&suggested](RecordDialog* d) {
        suggested = d->findChild<QComboBox*>(QStringLiteral("fCELWYJAZDU"))
                        ->findText(QStringLiteral("Delegacja")) >= 0;
        enterAll(d, {"fDATA=10.05.2024", "fNRREJ=WZ 1001", "fCELWYJAZDU=Delegacja",
                     "@fTRASA=Warszawa", "fUWAGI=Hotel"});
        save(d);
    }});
    const RecordEditors::Outcome added = run(RegisterId::Przejazdy, Mode::Add, trips, -1);
    QVERIFY(add.played());
    QVERIFY(added.saved);
    QVERIFY(suggested);
    int row = listed(trips, added.key);
    QVERIFY(row >= 0);
    const auto shown = [&trips, &row](const char* field) {
        return trips.displayField(row, QLatin1String(field));
    };
    // 1600 cm3 on a date of the 2023 set: 1.15 PLN per km.
    const QStringList first{shown("DATA"),       shown("NRREJ"),     shown("TRASA"),
                            shown("CELWYJAZDU"), shown("ODLEGLOSC"), shown("STAWKA"),
                            shown("KWOTA"),      shown("NAZWISKO")};
    QCOMPARE(first, (QStringList{"10.05.2024", "WZ 1001", "Warszawa - Łódź", "Delegacja", "135,00",
                                 "1,1500", "155,25", "Nowak Jan (ID K1)"}));
    QCOMPARE(trips.raw(row, QStringLiteral("UWAGI")).toString(), QStringLiteral("Hotel"));

    QStringList prefilled;
    Script edit({[&prefilled](RecordDialog* d) {
        for (const char* name :
             {"fDATA", "fNRREJ", "fCELWYJAZDU", "fTRASA", "fODLEGLOSC", "fIDKIEROWCY", "fUWAGI"})
            prefilled << text(d, QLatin1String(name));
        enterAll(d, {"fNRREJ=WZ 1002", "fODLEGLOSC=100", "!fIDKIEROWCYClear", "fDATA=11.05.2024"});
        save(d);
    }});
    const RecordEditors::Outcome edited = run(RegisterId::Przejazdy, Mode::Edit, trips, row);
    QVERIFY(edit.played());
    QCOMPARE(edited.key, added.key);
    QCOMPARE(prefilled, (QStringList{"10.05.2024", "WZ 1001", "Delegacja", "Warszawa - Łódź", "135",
                                     "Nowak Jan (ID K1)", "Hotel"}));
    row = listed(trips, added.key);
    QVERIFY(row >= 0);
    // 900 cm3 exactly takes the rate below 900 cm3 (0.89).
    const QStringList second{shown("DATA"),  shown("NRREJ"),    shown("ODLEGLOSC"), shown("STAWKA"),
                             shown("KWOTA"), shown("NAZWISKO"), shown("UWAGI")};
    QCOMPARE(second,
             (QStringList{"11.05.2024", "WZ 1002", "100,00", "0,8900", "89,00", "", "Hotel"}));
    // The cleared driver is stored empty, as the list joins on it, never as "0".
    QVERIFY(trips.raw(row, QStringLiteral("IDKIEROWCY")).toString().isEmpty());
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM przejazdy WHERE IDKIEROWCY = '0'")), 0);
}

void TstPrzejazdy::tripsPricedByRatesInForce() {
    struct Trip {
        const char* vehicle;
        qint64 date;
        double km;
        double rateBefore;  // under the company's own sets (2007 and 2023)
        double rateAfter;   // once a set from 1.01.2031 is added
    };
    // The new set: below 900 cm3 2, above 3, motorcycle 1, moped 0.5, free kind 6: 4.
    const Trip table[] = {
        {"WZ 1001", 20301231, 10, 1.15, 1.15},      // the day before the new set
        {"WZ 1001", 20310101, 10, 1.15, 3.0},       // its first day
        {"WZ 1002", 20310201, 20, 0.89, 2.0},       // exactly 900 cm3
        {"WZ 1002", 20100101, 20, 0.5214, 0.5214},  // the 2007 set
        {"WZ 1003", 20310201, 5, 0.69, 1.0},        // motorcycle
        {"WZ 1006", 20310201, 5, 0.0, 4.0},         // the sixth free kind
        {"WZ 1001", 20000101, 50, 0.0, 0.0},        // before the first set
    };
    QStringList keys;
    for (const Trip& trip : table) {
        qint64 key = 0;
        QVERIFY(
            insertRow(m_db->DatabaseFirma(), QStringLiteral("przejazdy"),
                      {{QStringLiteral("DATA"), trip.date},
                       {QStringLiteral("IDPOJAZD"), m_vehicles.value(QLatin1String(trip.vehicle))},
                       {QStringLiteral("ODLEGLOSC"), trip.km},
                       {QStringLiteral("IDKIEROWCY"), QString()}},
                      &key)
                .ok());
        keys << QString::number(key);
    }
    ListModel trips(RegisterId::Przejazdy);
    auto check = [&](bool after) {
        for (int i = 0; i < int(std::size(table)); ++i) {
            const int row = listed(trips, {keys[i]});
            QVERIFY(row >= 0);
            const double rate = after ? table[i].rateAfter : table[i].rateBefore;
            QCOMPARE(trips.raw(row, QStringLiteral("STAWKA")).toDouble(), rate);
            // The amount is money: the product to the grosz.
            QCOMPARE(trips.raw(row, QStringLiteral("KWOTA")).toDouble(),
                     std::round(rate * table[i].km * 100) / 100);
        }
    };
    check(false);
    const int before = listed(trips, {keys.last()});
    QCOMPARE(trips.displayField(before, QStringLiteral("STAWKA")), QStringLiteral("0,0000"));
    QCOMPARE(trips.displayField(before, QStringLiteral("KWOTA")), QStringLiteral("0,00"));

    ListModel rates(RegisterId::Stawki);
    Script add({[](RecordDialog* d) {
        enterAll(d, {"FDataOd=01.01.2031", "FLW900=2", "FGT900=3", "FMotocykl=1", "FMotorower=0,5",
                     "rodz6=4"});
        save(d);
    }});
    QVERIFY(run(RegisterId::Stawki, Mode::Add, rates, -1).saved);
    QVERIFY(add.played());
    // The data module prices with the new set at once, before trips are listed again.
    QCOMPARE(m_db->rates().rate(1, 1600, 20310101), 3.0);
    check(true);
}

void TstPrzejazdy::rateRoundTripAndUniqueDate() {
    ListModel rates(RegisterId::Stawki);
    QStringList typed{"FDataOd=01.03.2032"};
    const QStringList controls{"FLW900", "FGT900", "FMotocykl", "FMotorower"};
    QStringList names = controls;
    for (int n = 5; n <= 20; ++n)
        names << QStringLiteral("rodz%1").arg(n);
    // Twenty different rates, so that a rate written into another column shows.
    for (int i = 0; i < names.size(); ++i)
        typed << QStringLiteral("%1=%2,%3").arg(names[i]).arg(i + 1).arg(1000 + i);
    Script add({[&typed](RecordDialog* d) {
        enterAll(d, typed);
        save(d);
    }});
    const RecordEditors::Outcome added = run(RegisterId::Stawki, Mode::Add, rates, -1);
    QVERIFY(add.played());
    QVERIFY(added.saved);
    QCOMPARE(added.key, QStringList{QStringLiteral("20320301")});
    QStringList fields{"LW900", "GT900", "MOTOCYKL", "MOTOROWER"};
    for (int n = 5; n <= 20; ++n)
        fields << QStringLiteral("RDPOJ%1").arg(n);
    auto stored = [&](int row) {
        QList<double> values;
        for (const QString& f : fields)
            values << rates.raw(row, f).toDouble();
        return values;
    };
    QList<double> expected;
    for (int i = 0; i < fields.size(); ++i)
        expected << QStringLiteral("%1.%2").arg(i + 1).arg(1000 + i).toDouble();
    int row = listed(rates, added.key);
    QVERIFY(row >= 0);
    QCOMPARE(stored(row), expected);
    QCOMPARE(rates.displayField(row, QStringLiteral("GT900")), QStringLiteral("2,1001"));

    // Editing without changing the date never meets the duplicate; the rates come back
    // with four decimals.
    QStringList prefilled;
    m_messages.clear();
    Script keep({[&prefilled](RecordDialog* d) {
        prefilled << text(d, QStringLiteral("FDataOd")) << text(d, QStringLiteral("FLW900"))
                  << text(d, QStringLiteral("rodz20"));
        enter(d, QStringLiteral("FLW900=0,75"));
        save(d);
    }});
    QVERIFY(run(RegisterId::Stawki, Mode::Edit, rates, row).saved);
    QVERIFY(keep.played());
    QVERIFY2(m_messages.shown().isEmpty(), qPrintable(m_messages.texts().join(u'|')));
    QCOMPARE(prefilled, (QStringList{"01.03.2032", "1,1000", "20,1019"}));
    expected[0] = 0.75;
    row = listed(rates, added.key);
    QCOMPARE(stored(row), expected);

    // A copy on the same date is refused and shown again with the input kept.
    QStringList reopened;
    Script copy({[](RecordDialog* d) {
                     enter(d, QStringLiteral("FGT900=9"));
                     save(d);
                 },
                 [&reopened](RecordDialog* d) {
                     reopened << text(d, QStringLiteral("FDataOd"))
                              << text(d, QStringLiteral("FGT900"));
                     cancel(d);
                 }});
    QVERIFY(!run(RegisterId::Stawki, Mode::Copy, rates, row).saved);
    QVERIFY(copy.played());
    QCOMPARE(m_messages.texts(),
             QStringList{QStringLiteral("Istnieje już definicja stawek na podaną datę")});
    QCOMPARE(m_messages.shown().first().title, QStringLiteral("Uwaga"));
    // Shown again, the rate is left as leaving the field writes it.
    QCOMPARE(reopened, (QStringList{"01.03.2032", "9,0000"}));

    // An edit moving the set onto another set's date is refused; onto a free date it moves.
    m_messages.clear();
    Script taken({[](RecordDialog* d) {
                      enter(d, QStringLiteral("FDataOd=17.01.2023"));
                      save(d);
                  },
                  [](RecordDialog* d) {
                      enter(d, QStringLiteral("FDataOd=01.04.2032"));
                      save(d);
                  }});
    const RecordEditors::Outcome moved = run(RegisterId::Stawki, Mode::Edit, rates, row);
    QVERIFY(taken.played());
    QVERIFY(moved.saved);
    QCOMPARE(m_messages.texts(),
             QStringList{QStringLiteral("Istnieje już definicja stawek na podaną datę")});
    QCOMPARE(moved.key, QStringList{QStringLiteral("20320401")});
    QVERIFY(listed(rates, added.key) < 0);
    row = listed(rates, moved.key);
    QVERIFY(row >= 0);
    QCOMPARE(stored(row), expected);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM stawki WHERE DATAOD = 20230117")), 1);
}

void TstPrzejazdy::settlementRoundTripAndUniqueNumber() {
    m_messages.clear();
    ListModel settlements(RegisterId::Rozliczenia);
    Script add({[](RecordDialog* d) {
        enterAll(d,
                 {"fNRDOKUMENTU= R/1 ", "fDATAOD=01.03.2024", "fDATADO=05.03.2024", "fNREW=Zięba",
                  "fIDPOJAZDU=WZ 1001", "fKONTRAHENT=Budmax", "fRODZAJPRAC=Prace ziemne",
                  "fTRASA=Plac budowy", "fOPIS=Wykop", "fGODZINY=8,5"});
        save(d);
    }});
    const RecordEditors::Outcome added = run(RegisterId::Rozliczenia, Mode::Add, settlements, -1);
    QVERIFY(add.played());
    QVERIFY(added.saved);
    int row = listed(settlements, added.key);
    QVERIFY(row >= 0);
    const auto shown = [&settlements, &row](const char* field) {
        return settlements.displayField(row, QLatin1String(field));
    };
    // The vehicle's 55.5 PLN per hour, times 8.5 hours.
    const QStringList first{shown("NRDOKUMENTU"), shown("DATAOD"),     shown("DATADO"),
                            shown("RODZAJPRACO"), shown("GODZINY"),    shown("STAWKA"),
                            shown("WARTOSC"),     shown("KONTRAHENT"), shown("TRASA"),
                            shown("OPIS"),        shown("OSOBA")};
    QCOMPARE(first, (QStringList{"R/1", "01.03.2024", "05.03.2024", "Prace ziemne", "8,50", "55,50",
                                 "471,75", "Budmax", "Plac budowy", "Wykop", "Zięba Ewa (ID K2)"}));
    QCOMPARE(settlements.raw(row, QStringLiteral("IDPOJAZDU")).toLongLong(),
             m_vehicles.value(QStringLiteral("WZ 1001")));

    // Clearing the employee, the vehicle and the kind of work stores the empty values.
    QStringList prefilled;
    Script edit({[&prefilled](RecordDialog* d) {
        for (const char* name :
             {"fNRDOKUMENTU", "fNREW", "fIDPOJAZDU", "fRODZAJPRAC", "fGODZINY", "fSTAWKA"})
            prefilled << text(d, QLatin1String(name));
        enterAll(d, {"!fNREWClear", "!fIDPOJAZDUClear", "!fRODZAJPRACClear", "fSTAWKA=10"});
        save(d);
    }});
    QVERIFY(run(RegisterId::Rozliczenia, Mode::Edit, settlements, row).saved);
    QVERIFY(edit.played());
    QCOMPARE(prefilled,
             (QStringList{"R/1", "Zięba Ewa (ID K2)", "WZ 1001", "Prace ziemne", "8,50", "55,50"}));
    row = listed(settlements, added.key);
    QVERIFY(row >= 0);
    QCOMPARE(settlements.raw(row, QStringLiteral("IDPOJAZDU")).toLongLong(), 0);
    QCOMPARE(settlements.raw(row, QStringLiteral("RODZAJPRAC")).toLongLong(), 0);
    QVERIFY(settlements.raw(row, QStringLiteral("NREW")).toString().isEmpty());
    const QStringList second{shown("POJAZD"), shown("OSOBA"), shown("RODZAJPRACO"),
                             shown("WARTOSC")};
    QCOMPARE(second, (QStringList{"", "", "", "85,00"}));
    // 1,5 h at 33,33 is 49,995 exactly: 50,00, though the binary product lies below it.
    QVERIFY(
        m_db->DatabaseFirma()
            .execute(SqlStatement(QStringLiteral(
                "UPDATE rozliczenia SET GODZINY = 1.5, STAWKA = 33.33 WHERE NRDOKUMENTU = 'R/1'")))
            .ok());
    row = listed(settlements, added.key);
    QVERIFY(row >= 0);
    QCOMPARE(shown("WARTOSC"), QStringLiteral("50,00"));
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM rozliczenia WHERE NREW = '0'")), 0);

    // The number is unique: a second "R/1" is refused, the input kept.
    QVERIFY2(m_messages.shown().isEmpty(), qPrintable(m_messages.texts().join(u'|')));
    QStringList reopened;
    Script second_({[](RecordDialog* d) {
                        enterAll(d, {"fNRDOKUMENTU=R/1", "fDATAOD=01.04.2024", "fDATADO=01.04.2024",
                                     "fIDPOJAZDU=WZ 1002", "fOPIS=Drugi"});
                        save(d);
                    },
                    [&reopened](RecordDialog* d) {
                        reopened << text(d, QStringLiteral("fNRDOKUMENTU"))
                                 << text(d, QStringLiteral("fOPIS"));
                        enter(d, QStringLiteral("fNRDOKUMENTU=R/2"));
                        save(d);
                    }});
    const RecordEditors::Outcome other = run(RegisterId::Rozliczenia, Mode::Add, settlements, -1);
    QVERIFY(second_.played());
    QVERIFY(other.saved);
    QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Istnieje już taki numer dokumentu")});
    QCOMPARE(reopened, (QStringList{"R/1", "Drugi"}));
    m_messages.clear();
    Script taken({[](RecordDialog* d) {
                      enter(d, QStringLiteral("fNRDOKUMENTU=R/1"));
                      save(d);
                  },
                  [](RecordDialog* d) { cancel(d); }});
    QVERIFY(!run(RegisterId::Rozliczenia, Mode::Edit, settlements, listed(settlements, other.key))
                 .saved);
    QVERIFY(taken.played());
    QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("Istnieje już taki numer dokumentu")});
    row = listed(settlements, other.key);
    QCOMPARE(shown("NRDOKUMENTU"), QStringLiteral("R/2"));
}

void TstPrzejazdy::existenceFailureSavesNothing_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<qint64>("code");  // the code of the insert the test guards
    QTest::newRow("rates") << int(RegisterId::Stawki) << "stawki"
                           << QStringList{"FDataOd=01.06.2033", "FLW900=1"} << qint64(5);
    QTest::newRow("settlements") << int(RegisterId::Rozliczenia) << "rozliczenia"
                                 << QStringList{"fNRDOKUMENTU=R/77", "fDATAOD=01.06.2024",
                                                "fDATADO=02.06.2024", "fIDPOJAZDU=WZ 1002"}
                                 << qint64(56002);
}

void TstPrzejazdy::existenceFailureSavesNothing() {
    QFETCH(int, id);
    QFETCH(QString, table);
    QFETCH(QStringList, fields);
    QFETCH(qint64, code);
    const RegisterId reg = RegisterId(id);
    ListModel model(reg);
    const QString moved = table + QStringLiteral("_away");
    const QString rows = QStringLiteral("SELECT COUNT(*) FROM ") + table;
    const qint64 before = count(rows);
    DbConnection& db = m_db->DatabaseFirma();
    m_messages.clear();
    QStringList reopened;
    Script script({[&](RecordDialog* d) {
                       enterAll(d, fields);
                       // The key test cannot read the table: it is a failure, not a free key.
                       QVERIFY(renameTable(db, table, moved).ok());
                       save(d);
                   },
                   [&](RecordDialog* d) {
                       QVERIFY(renameTable(db, moved, table).ok());
                       const QString first = fields.first();
                       reopened << text(d, first.left(first.indexOf(QLatin1Char('='))));
                       cancel(d);
                   }});
    QVERIFY(!run(reg, Mode::Add, model, -1).saved);
    QVERIFY(script.played());
    QCOMPARE(m_messages.shown().size(), 1);
    QCOMPARE(m_messages.shown().first().title, QStringLiteral("Błąd bazy danych"));
    QCOMPARE(reopened.size(), 1);
    QVERIFY(!reopened.first().isEmpty());
    QCOMPARE(count(rows), before);
    QFile log(ErrorLog::path());
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = log.readAll().trimmed().split('\n');
    QVERIFY(lines.last().contains(ErrorLog::codeText(code).toLatin1()));
}

void TstPrzejazdy::oldZeroPersonReadAsNone_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("person");
    QTest::newRow("trip driver") << int(RegisterId::Przejazdy) << "fIDKIEROWCY";
    QTest::newRow("settlement employee") << int(RegisterId::Rozliczenia) << "fNREW";
}

void TstPrzejazdy::oldZeroPersonReadAsNone() {
    QFETCH(int, id);
    QFETCH(QString, person);
    const RegisterId reg = RegisterId(id);
    const bool trip = reg == RegisterId::Przejazdy;
    // Earlier releases stored a cleared person as "0". Even with a person of that evidence
    // number in the company (see initTestCase) the old value names nobody.
    const QString table = trip ? QStringLiteral("przejazdy") : QStringLiteral("rozliczenia");
    const QString column = trip ? QStringLiteral("IDKIEROWCY") : QStringLiteral("NREW");
    qint64 key = 0;
    const FieldValues values =
        trip
            ? FieldValues{{QStringLiteral("DATA"), 20240610},
                          {QStringLiteral("IDPOJAZD"), m_vehicles.value(QStringLiteral("WZ 1003"))},
                          {QStringLiteral("ODLEGLOSC"), 7.0},
                          {QStringLiteral("IDKIEROWCY"), QStringLiteral("0")}}
            : FieldValues{
                  {QStringLiteral("DATAOD"), 20240610},
                  {QStringLiteral("DATADO"), 20240611},
                  {QStringLiteral("IDPOJAZDU"), m_vehicles.value(QStringLiteral("WZ 1003"))},
                  {QStringLiteral("NRDOKUMENTU"), QStringLiteral("R/OLD")},
                  {QStringLiteral("NREW"), QStringLiteral("0")}};
    QVERIFY(insertRow(m_db->DatabaseFirma(), table, values, &key).ok());
    ListModel model(reg);
    const int row = listed(model, {QString::number(key)});
    QVERIFY(row >= 0);
    QString seen;
    Script script({[&](RecordDialog* d) {
        seen = text(d, person);
        save(d);
    }});
    QVERIFY(run(reg, Mode::Edit, model, row).saved);
    QVERIFY(script.played());
    QCOMPARE(seen, QString());
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = '0'").arg(table, column)), 0);
}

QTEST_MAIN(TstPrzejazdy)
#include "tst_przejazdy.moc"
