// The sums of every register on the sample company, on SQLite and on PostgreSQL: each
// figure equals the same figure taken from the rows the register lists under the same
// filters, and the edges: nothing listed, consumption without a vehicle, the rates
// whatever the filters, the road cards of one vehicle, the costs' own filters.
#include "ScriptedMessageService.h"
#include "TestCompany.h"
#include "data/ListModel.h"
#include "data/TmyDataBase.h"
#include "data/schema/DatabaseCreator.h"
#include "output/Sums.h"

#include <QTest>
#include <cmath>

namespace {

const QLocale kPolish(QLocale::Polish, QLocale::Poland);

QString money(double value) {
    return kPolish.toString(value, 'f', 2).remove(kPolish.groupSeparator());
}

}  // namespace

class TstSums : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void figuresEqualTheListedRows_data();
    void figuresEqualTheListedRows();
    void nothingListedShowsZeros();
    void consumptionWithoutVehicleShowsZeros();
    void ratesCountEveryRow();
    void roadCardsOfOneVehicle();
    void costFiltersNarrowTheSums();
    void statementsEndInTheirOrder();
    void statementBindsTheVehicle();

private:
    // The figures the rows of the list give, in the order of the register's headings.
    QStringList fromList(RegisterId id);
    FilterSelection selection(const QString& kind) const;

    ScriptedMessageService m_messages;
    std::unique_ptr<TestCompany> m_company;
    TmyDataBase* m_db = nullptr;
    QString m_vehicle;  // a vehicle with refuellings, trips and road cards
    int m_year = 0;
};

void TstSums::initTestCase() {
    QLocale::setDefault(kPolish);
    m_company = std::make_unique<TestCompany>();
    REQUIRE_LOCATION(m_company->place());
    QVERIFY2(m_company->create(DatabaseCreator::Contents::Sample, &m_messages),
             qPrintable(m_company->error()));
    m_db = &m_company->db();
    m_year = QDate::currentDate().year();

    // The vehicle with the most refuellings in the continuous register.
    ListModel vehicles(RegisterId::Pojazdy);
    QVERIFY(m_db->refreshList(RegisterId::Pojazdy, vehicles));
    int most = -1;
    for (int r = 0; r < vehicles.rowCount(); ++r) {
        FilterSelection one;
        one.vehicle = vehicles.raw(r, QStringLiteral("NRREJ")).toString();
        m_db->applySelection(one);
        ListModel refuellings(RegisterId::Zuzycie);
        QVERIFY(m_db->refreshList(RegisterId::Zuzycie, refuellings));
        if (refuellings.rowCount() > most) {
            most = refuellings.rowCount();
            m_vehicle = one.vehicle;
        }
    }
    QVERIFY2(most >= 3, "the sample company refuels a vehicle at least three times");
}

FilterSelection TstSums::selection(const QString& kind) const {
    FilterSelection s;
    if (kind.contains(QLatin1String("vehicle")))
        s.vehicle = m_vehicle;
    if (kind.contains(QLatin1String("year"))) {
        s.period = FilterSelection::Period::Year;
        s.year = m_year;
    }
    if (kind.contains(QLatin1String("month"))) {
        s.period = FilterSelection::Period::Year;
        s.year = m_year;
        s.month = QDate::currentDate().month();
    }
    return s;
}

QStringList TstSums::fromList(RegisterId id) {
    const RegisterDescriptor& d = Registers::get(id);
    ListModel model(id);
    if (!m_db->refreshList(id, model))
        return {QStringLiteral("<list failed>")};
    QStringList figures;
    for (const SumColumn& column : d.sums.columns) {
        double total = 0;
        switch (column.kind) {
            case SumKind::Count:
                figures << QString::number(model.rowCount());
                continue;
            case SumKind::Sum:
                for (int r = 0; r < model.rowCount(); ++r) {
                    auto field = [&](const char* name) {
                        return model.raw(r, QString::fromLatin1(name)).toDouble();
                    };
                    if (column.expression == QLatin1String("LICZEND-LICZSTART"))
                        total += field("LICZEND") - field("LICZSTART");
                    else if (column.expression == QLatin1String("(GODZINY*STAWKA)"))
                        total += field("GODZINY") * field("STAWKA");
                    else
                        total += model.raw(r, column.expression).toDouble();
                }
                break;
            case SumKind::TripAmount:
                // The amounts as the list shows them, read back.
                for (int r = 0; r < model.rowCount(); ++r) {
                    bool ok = false;
                    const double shown =
                        kPolish.toDouble(model.displayField(r, QStringLiteral("KWOTA")), &ok);
                    if (ok)
                        total += shown;
                }
                break;
            case SumKind::OdometerAdvance:
                if (model.rowCount() > 0)
                    total = model.raw(model.rowCount() - 1, QStringLiteral("LICZNIK")).toDouble() -
                            model.raw(0, QStringLiteral("LICZNIK")).toDouble();
                break;
        }
        figures << money(total);
    }
    return figures;
}

void TstSums::figuresEqualTheListedRows_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("filters");
    for (const RegisterDescriptor& d : Registers::all()) {
        for (const char* filters : {"all", "year", "vehicle year", "vehicle month"})
            QTest::newRow(qPrintable(d.name + QLatin1Char(' ') + QLatin1String(filters)))
                << int(d.id) << QString::fromLatin1(filters);
    }
}

void TstSums::figuresEqualTheListedRows() {
    QFETCH(int, id);
    QFETCH(QString, filters);
    const RegisterId reg = RegisterId(id);
    m_db->applySelection(selection(filters));
    for (bool lpg : {false, true}) {
        if (lpg && !Registers::get(reg).isConsumption())
            continue;
        m_db->setLpg(reg, lpg);
        const SumsSheet sheet = Sums::compute(*m_db, reg, m_db->filter(reg), kPolish);
        QVERIFY(m_messages.shown().isEmpty());
        QCOMPARE(sheet.caption, Registers::get(reg).sums.caption);
        QCOMPARE(sheet.headings.size(), Registers::get(reg).sums.columns.size());
        QCOMPARE(sheet.values, fromList(reg));
    }
    m_db->setLpg(reg, false);
}

void TstSums::nothingListedShowsZeros() {
    FilterSelection past;
    past.period = FilterSelection::Period::Year;
    past.year = 1990;
    m_db->applySelection(past);
    const SumsSheet costs =
        Sums::compute(*m_db, RegisterId::Koszty, m_db->filter(RegisterId::Koszty), kPolish);
    QCOMPARE(costs.values, (QStringList{"0", "0,00", "0,00", "0,00", "0,00"}));
    const SumsSheet trips =
        Sums::compute(*m_db, RegisterId::Przejazdy, m_db->filter(RegisterId::Przejazdy), kPolish);
    QCOMPARE(trips.values, (QStringList{"0", "0,00", "0,00"}));
}

void TstSums::consumptionWithoutVehicleShowsZeros() {
    m_db->applySelection(FilterSelection());
    for (RegisterId id : {RegisterId::Zuzycie, RegisterId::ZuzycieKm, RegisterId::ZuzycieMth}) {
        const SumsSheet sheet = Sums::compute(*m_db, id, m_db->filter(id), kPolish);
        QCOMPARE(sheet.values, (QStringList{"0", "0,00", "0,00"}));
    }
    // One refuelling in the period: no distance yet.
    FilterSelection one = selection(QStringLiteral("vehicle"));
    m_db->applySelection(one);
    ListModel all(RegisterId::Zuzycie);
    QVERIFY(m_db->refreshList(RegisterId::Zuzycie, all));
    const qint64 first = all.raw(0, QStringLiteral("DATA")).toLongLong();
    one.period = FilterSelection::Period::Range;
    one.from = first;
    one.to = first;
    m_db->applySelection(one);
    const SumsSheet single =
        Sums::compute(*m_db, RegisterId::Zuzycie, m_db->filter(RegisterId::Zuzycie), kPolish);
    QCOMPARE(single.values.value(0), QStringLiteral("1"));
    QCOMPARE(single.values.value(2), QStringLiteral("0,00"));
}

void TstSums::ratesCountEveryRow() {
    m_db->applySelection(FilterSelection());
    const SumsSheet every =
        Sums::compute(*m_db, RegisterId::Stawki, m_db->filter(RegisterId::Stawki), kPolish);
    m_db->applySelection(selection(QStringLiteral("vehicle month")));
    const SumsSheet filtered =
        Sums::compute(*m_db, RegisterId::Stawki, m_db->filter(RegisterId::Stawki), kPolish);
    QVERIFY(every.values.value(0).toInt() >= 2);
    QCOMPARE(filtered.values, every.values);
}

void TstSums::roadCardsOfOneVehicle() {
    m_db->applySelection(FilterSelection());
    const SumsSheet every =
        Sums::compute(*m_db, RegisterId::KDrogowe, m_db->filter(RegisterId::KDrogowe), kPolish);
    m_db->applySelection(selection(QStringLiteral("vehicle")));
    const SumsSheet one =
        Sums::compute(*m_db, RegisterId::KDrogowe, m_db->filter(RegisterId::KDrogowe), kPolish);
    QVERIFY(m_messages.shown().isEmpty());
    QVERIFY(!one.values.value(0).isEmpty());
    QVERIFY(one.values.value(0).toInt() < every.values.value(0).toInt());
    QCOMPARE(one.values, fromList(RegisterId::KDrogowe));
}

void TstSums::costFiltersNarrowTheSums() {
    FilterSelection all;
    m_db->applySelection(all);
    const SumsSheet every =
        Sums::compute(*m_db, RegisterId::Koszty, m_db->filter(RegisterId::Koszty), kPolish);
    FilterSelection fuel;
    fuel.fuelOnly = true;
    m_db->applySelection(fuel);
    const SumsSheet fuelOnly =
        Sums::compute(*m_db, RegisterId::Koszty, m_db->filter(RegisterId::Koszty), kPolish);
    QCOMPARE(fuelOnly.values, fromList(RegisterId::Koszty));
    QVERIFY(fuelOnly.values.value(0).toInt() > 0);
    QVERIFY(fuelOnly.values.value(0).toInt() < every.values.value(0).toInt());
    // The fuel bought is all on fuel purchases.
    QCOMPARE(fuelOnly.values.value(4), every.values.value(4));

    ListModel costs(RegisterId::Koszty);
    m_db->applySelection(all);
    QVERIFY(m_db->refreshList(RegisterId::Koszty, costs));
    qint64 centre = 0;
    for (int r = 0; r < costs.rowCount() && centre == 0; ++r)
        centre = costs.raw(r, QStringLiteral("CK")).toLongLong();
    QVERIFY(centre > 0);
    FilterSelection byCentre;
    byCentre.costCentre = centre;
    m_db->applySelection(byCentre);
    const SumsSheet centreSums =
        Sums::compute(*m_db, RegisterId::Koszty, m_db->filter(RegisterId::Koszty), kPolish);
    QCOMPARE(centreSums.values, fromList(RegisterId::Koszty));
    QVERIFY(centreSums.values.value(0).toInt() < every.values.value(0).toInt());
}

void TstSums::statementsEndInTheirOrder() {
    // The sums drop the list's final ORDER BY; nothing of the list may follow it.
    m_db->applySelection(selection(QStringLiteral("vehicle year")));
    for (const RegisterDescriptor& d : Registers::all()) {
        const QString list = m_db->listStatement(d.id, m_db->filter(d.id)).text;
        const qsizetype order =
            list.lastIndexOf(QLatin1String("ORDER BY"), -1, Qt::CaseInsensitive);
        QVERIFY2(order > 0, qPrintable(d.name));
        const QString tail = list.mid(order);
        QVERIFY2(!tail.contains(u')') && !tail.contains(QLatin1String("WHERE")) &&
                     !tail.contains(QLatin1String("LIMIT")),
                 qPrintable(d.name + QLatin1String(": ") + tail));
    }
}

void TstSums::statementBindsTheVehicle() {
    FilterSelection quoted;
    quoted.vehicle = QStringLiteral("X' OR '1'='1");
    m_db->applySelection(quoted);
    const SqlStatement statement =
        Sums::statement(*m_db, RegisterId::Koszty, m_db->filter(RegisterId::Koszty));
    QVERIFY(!statement.text.contains(quoted.vehicle));
    const SumsSheet none =
        Sums::compute(*m_db, RegisterId::Koszty, m_db->filter(RegisterId::Koszty), kPolish);
    QCOMPARE(none.values.value(0), QStringLiteral("0"));
}

QTEST_GUILESS_MAIN(TstSums)
#include "tst_sums.moc"
