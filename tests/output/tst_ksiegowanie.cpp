// The yearly summary on SQLite and on PostgreSQL: the amount in words, the carry-over of the
// surpluses, exact amounts from stored binary numbers, a year read from rows the test
// inserts (month bounds, other vehicles and years, the VAT choice of a cost), the window's
// table and totals, the CSV sheet, the printed summary and the internal document with the
// month's check, and database errors reported with their codes.
#include "ScriptedMessageService.h"
#include "TestCompany.h"
#include "data/DisplayFormat.h"
#include "data/ErrorLog.h"
#include "data/TmyDataBase.h"
#include "data/engine/RowInsert.h"
#include "output/CsvSheet.h"
#include "output/YearlySummary.h"
#include "output/report/ReportPainter.h"
#include "output/report/ReportPreview.h"
#include "output/uKsiegowanie.h"
#include "registers/DateField.h"
#include "support/AmountInWords.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <limits>
#include <numeric>

using Amounts = std::array<qint64, YearlySummary::kMonths>;
Q_DECLARE_METATYPE(Amounts)
Q_DECLARE_METATYPE(std::optional<qint64>)

namespace {

constexpr int kYear = 2031;

Amounts amounts(std::initializer_list<qint64> first) {
    Amounts all{};
    std::copy(first.begin(), first.end(), all.begin());
    return all;
}

// Shows what a preview would and closes it: the pages of every printout the window opens.
class PreviewCatcher : public QObject {
public:
    PreviewCatcher() {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto* preview = qobject_cast<ReportPreview*>(QApplication::activeModalWidget())) {
                reports << preview->report();
                preview->reject();
            }
        });
        m_timer.start();
    }
    QList<PreparedReport> reports;

private:
    QTimer m_timer;
};

QStringList allTexts(const PreparedReport& report) {
    QStringList texts;
    for (int p = 0; p < report.pages.size(); ++p)
        texts << report.pageTexts(p);
    return texts;
}

}  // namespace

class TstKsiegowanie : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void amountInWords_data();
    void amountInWords();
    void carryOver_data();
    void carryOver();
    void exactAmounts_data();
    void exactAmounts();
    void yearFromInsertedRows_data();
    void yearFromInsertedRows();
    void windowShowsTheYear();
    void csvSheet_data();
    void csvSheet();
    void printedSummary_data();
    void printedSummary();
    void internalDocument_data();
    void internalDocument();
    void printoutsAsPdf();
    void databaseErrorsAreReported_data();
    void databaseErrorsAreReported();

private:
    qint64 addVehicle(const QString& registration, int capacity, const QString& owner);
    void addTrip(qint64 vehicle, qint64 date, double km);
    void addCost(qint64 vehicle, qint64 date, const QString& vat, const QVariant& net,
                 const QVariant& gross);
    void setCompany(const QString& name, const QString& city);

    ScriptedMessageService m_messages;
    std::unique_ptr<TestCompany> m_company;
    TmyDataBase* m_db = nullptr;
    qint64 m_car = -1;    // above 900 cm3: 1.00 zł a kilometre in the test year
    qint64 m_small = -1;  // 900 cm3: 0.8358 zł a kilometre
    qint64 m_other = -1;  // whose rows never count for the others
};

qint64 TstKsiegowanie::addVehicle(const QString& registration, int capacity, const QString& owner) {
    qint64 key = -1;
    const DbError error = insertRow(m_db->DatabaseFirma(), u"pojazdy"_qs,
                                    {{u"NRREJ"_qs, registration},
                                     {u"MARKA"_qs, u"Skoda Octavia"_qs},
                                     {u"RODZAJ"_qs, 1},
                                     {u"POJEMNOSC"_qs, capacity},
                                     {u"NREW"_qs, owner}},
                                    &key);
    if (error)
        qWarning("%s", qPrintable(error.message()));
    return key;
}

void TstKsiegowanie::addTrip(qint64 vehicle, qint64 date, double km) {
    const DbError error = insertRow(m_db->DatabaseFirma(), u"przejazdy"_qs,
                                    {{u"IDPOJAZD"_qs, vehicle},
                                     {u"DATA"_qs, date},
                                     {u"ODLEGLOSC"_qs, km},
                                     {u"TRASA"_qs, u"A-B"_qs}});
    QVERIFY2(!error, qPrintable(error.message()));
}

void TstKsiegowanie::addCost(qint64 vehicle, qint64 date, const QString& vat, const QVariant& net,
                             const QVariant& gross) {
    const DbError error = insertRow(m_db->DatabaseFirma(), u"koszty"_qs,
                                    {{u"IDPOJAZD"_qs, vehicle},
                                     {u"DATA"_qs, date},
                                     {u"CZYVAT"_qs, vat},
                                     {u"WARTNETTO"_qs, net},
                                     {u"WARTBRUTTO"_qs, gross},
                                     {u"NAZWATOWAR"_qs, u"Paliwo"_qs}});
    QVERIFY2(!error, qPrintable(error.message()));
}

void TstKsiegowanie::setCompany(const QString& name, const QString& city) {
    SqlStatement update(u"UPDATE firma SET NAZWA = :N, MIASTO = :M WHERE IDFIRMA = 1"_qs);
    update.bindText(u":N"_qs, name);
    update.bindText(u":M"_qs, city);
    const DbError error = m_db->DatabaseFirma().execute(update);
    QVERIFY2(!error, qPrintable(error.message()));
}

void TstKsiegowanie::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    m_company = std::make_unique<TestCompany>();
    REQUIRE_LOCATION(m_company->place());
    QVERIFY2(m_company->create(DatabaseCreator::Contents::Empty, &m_messages),
             qPrintable(m_company->error()));
    m_db = &m_company->db();

    FieldValues rates{{u"DATAOD"_qs, 20310101},
                      {u"LW900"_qs, 0.8358},
                      {u"GT900"_qs, 1.0},
                      {u"MOTOCYKL"_qs, 0.5},
                      {u"MOTOROWER"_qs, 0.25}};
    for (int n = 5; n <= 20; ++n)
        rates.append({u"RDPOJ%1"_qs.arg(n), 0.0});
    const DbError error = insertRow(m_db->DatabaseFirma(), u"stawki"_qs, rates);
    QVERIFY2(!error, qPrintable(error.message()));

    m_car = addVehicle(u"KR 1234"_qs, 1600, u"Leasing Polska"_qs);
    m_small = addVehicle(u"KR 900"_qs, 900, QString());
    m_other = addVehicle(u"WA 5555"_qs, 2000, QString());
    QVERIFY(m_car > 0 && m_small > 0 && m_other > 0);

    // January to March as in the worked example: allowances 100, 50, 0 against costs 60,
    // 120, 0; December adds 10 of allowance.
    addTrip(m_car, 20310115, 100);
    addTrip(m_car, 20310228, 50);
    addTrip(m_car, 20311231, 10);
    addCost(m_car, 20310101, u"T"_qs, 60.0, 73.8);       // the VAT is deducted: net
    addCost(m_car, 20310131, u"T"_qs, QVariant(), 5.0);  // no net amount: skipped
    addCost(m_car, 20310201, u"N"_qs, 97.56, 120.0);     // not deducted: gross
    // Outside the year, or on a day that is no day: never counted.
    addTrip(m_car, 20301231, 999);
    addTrip(m_car, 20320101, 999);
    addTrip(m_car, 20310100, 999);
    addCost(m_car, 20301231, u"N"_qs, 999.0, 999.0);
    addCost(m_car, 20320101, u"N"_qs, 999.0, 999.0);
    // Another vehicle's rows in the same months.
    addTrip(m_other, 20310115, 500);
    addCost(m_other, 20310115, u"N"_qs, 700.0, 700.0);
    // Amounts that binary fractions would get wrong: 25 × 0.8358 = 20.895 → 20.90, and
    // 0.10 + 0.20 = 0.30.
    addTrip(m_small, 20310305, 25);
    addCost(m_small, 20310310, u"N"_qs, 0.1, 0.1);
    addCost(m_small, 20310311, u"N"_qs, 0.2, 0.2);
    addCost(m_small, 20310312, u"N"_qs, 1.005, 1.005);  // 1.01, half away from zero
    setCompany(u"Transport Nowak"_qs, u"Kraków"_qs);
}

void TstKsiegowanie::amountInWords_data() {
    QTest::addColumn<qint64>("grosze");
    QTest::addColumn<QString>("words");
    QTest::newRow("zero") << 0LL << u"zero złotych 00/100"_qs;
    QTest::newRow("grosze only") << 7LL << u"zero złotych 07/100"_qs;
    QTest::newRow("1") << 100LL << u"jeden złoty 00/100"_qs;
    QTest::newRow("2") << 200LL << u"dwa złote 00/100"_qs;
    QTest::newRow("5") << 500LL << u"pięć złotych 00/100"_qs;
    QTest::newRow("12") << 1200LL << u"dwanaście złotych 00/100"_qs;
    QTest::newRow("14") << 1400LL << u"czternaście złotych 00/100"_qs;
    QTest::newRow("21") << 2100LL << u"dwadzieścia jeden złotych 00/100"_qs;
    QTest::newRow("22") << 2200LL << u"dwadzieścia dwa złote 00/100"_qs;
    QTest::newRow("112") << 11200LL << u"sto dwanaście złotych 00/100"_qs;
    QTest::newRow("123,45") << 12345LL << u"sto dwadzieścia trzy złote 45/100"_qs;
    QTest::newRow("1000") << 100000LL << u"tysiąc złotych 00/100"_qs;
    QTest::newRow("1001") << 100100LL << u"tysiąc jeden złotych 00/100"_qs;
    QTest::newRow("2000") << 200000LL << u"dwa tysiące złotych 00/100"_qs;
    QTest::newRow("5000") << 500000LL << u"pięć tysięcy złotych 00/100"_qs;
    QTest::newRow("12000") << 1200000LL << u"dwanaście tysięcy złotych 00/100"_qs;
    QTest::newRow("22000") << 2200000LL << u"dwadzieścia dwa tysiące złotych 00/100"_qs;
    QTest::newRow("101000") << 10100000LL << u"sto jeden tysięcy złotych 00/100"_qs;
    QTest::newRow("2 000 000") << 200000000LL << u"dwa miliony złotych 00/100"_qs;
    QTest::newRow("1 000 000") << 100000000LL << u"milion złotych 00/100"_qs;
    QTest::newRow("1 234 567,89")
        << 123456789LL
        << u"milion dwieście trzydzieści cztery tysiące pięćset sześćdziesiąt siedem złotych "
           "89/100"_qs;
    QTest::newRow("5 000 000 000") << 500000000000LL << u"pięć miliardów złotych 00/100"_qs;
    QTest::newRow("negative") << -120599LL << u"minus tysiąc dwieście pięć złotych 99/100"_qs;
    QTest::newRow("negative grosze") << -1LL << u"minus zero złotych 01/100"_qs;
    QTest::newRow("most negative")
        << std::numeric_limits<qint64>::min()
        << u"minus dziewięćdziesiąt dwa biliardy dwieście trzydzieści trzy biliony "
           "siedemset dwadzieścia miliardów trzysta sześćdziesiąt osiem milionów "
           "pięćset czterdzieści siedem tysięcy siedemset pięćdziesiąt osiem złotych 08/100"_qs;
}

void TstKsiegowanie::amountInWords() {
    QFETCH(qint64, grosze);
    QFETCH(QString, words);
    QCOMPARE(AmountInWords::text(grosze), words);
}

void TstKsiegowanie::carryOver_data() {
    QTest::addColumn<Amounts>("allowances");
    QTest::addColumn<Amounts>("costs");
    QTest::addColumn<Amounts>("booked");
    QTest::addColumn<Amounts>("carriedAllowance");
    QTest::addColumn<Amounts>("carriedCosts");
    QTest::newRow("worked example")
        << amounts({10000, 5000, 0}) << amounts({6000, 12000, 0}) << amounts({6000, 9000, 0})
        << amounts({4000, 0, 0})
        << amounts({0, 3000, 3000, 3000, 3000, 3000, 3000, 3000, 3000, 3000, 3000, 3000});
    QTest::newRow("an empty month passes the allowance on")
        << amounts({10000, 0, 0, 2000}) << amounts({0, 0, 0, 9000}) << amounts({0, 0, 0, 9000})
        << amounts({10000, 10000, 10000, 3000, 3000, 3000, 3000, 3000, 3000, 3000, 3000, 3000})
        << amounts({});
    QTest::newRow("equal amounts leave nothing")
        << amounts({5000, 1}) << amounts({5000, 1}) << amounts({5000, 1}) << amounts({})
        << amounts({});
    QTest::newRow("a surplus changes sides")
        << amounts({0, 10000, 0}) << amounts({4000, 1000, 8000}) << amounts({0, 5000, 5000})
        << amounts({0, 5000})
        << amounts({4000, 0, 3000, 3000, 3000, 3000, 3000, 3000, 3000, 3000, 3000, 3000});
    QTest::newRow("nothing") << amounts({}) << amounts({}) << amounts({}) << amounts({})
                             << amounts({});
}

void TstKsiegowanie::carryOver() {
    QFETCH(Amounts, allowances);
    QFETCH(Amounts, costs);
    QFETCH(Amounts, booked);
    QFETCH(Amounts, carriedAllowance);
    QFETCH(Amounts, carriedCosts);
    YearlySummary summary;
    summary.setMonths(kYear, YearlySummary::carryOver(allowances, costs));
    for (int m = 1; m <= YearlySummary::kMonths; ++m) {
        const size_t i = size_t(m - 1);
        QCOMPARE(summary.amount(m, 0), allowances.at(i));
        QCOMPARE(summary.amount(m, 1), costs.at(i));
        QCOMPARE(summary.amount(m, 2), booked.at(i));
        QCOMPARE(summary.amount(m, 3), carriedAllowance.at(i));
        QCOMPARE(summary.amount(m, 4), carriedCosts.at(i));
        // Nothing is lost: what is booked or still carried is what came in.
        qint64 balance = 0;
        for (size_t j = 0; j <= i; ++j)
            balance += allowances.at(j) - costs.at(j);
        QCOMPARE(carriedAllowance.at(i) - carriedCosts.at(i), balance);
    }
    const auto totals = summary.totals();
    QCOMPARE(totals[0], std::accumulate(allowances.begin(), allowances.end(), 0LL));
    QCOMPARE(totals[1], std::accumulate(costs.begin(), costs.end(), 0LL));
    QCOMPARE(totals[2], std::accumulate(booked.begin(), booked.end(), 0LL));
    QCOMPARE(totals[3], carriedAllowance.back());
    QCOMPARE(totals[4], carriedCosts.back());
}

void TstKsiegowanie::exactAmounts_data() {
    QTest::addColumn<double>("distance");  // NaN: the stored amount alone
    QTest::addColumn<double>("value");
    QTest::addColumn<std::optional<qint64>>("grosze");
    const double none = std::numeric_limits<double>::quiet_NaN();
    // 25 × 0.8358 = 20.895 exactly; the binary product is a hair below it.
    QTest::newRow("trip half up") << 25.0 << 0.8358 << std::optional<qint64>(2090);
    QTest::newRow("trip up") << 12.5 << 0.8358 << std::optional<qint64>(1045);
    QTest::newRow("trip plain") << 100.0 << 1.15 << std::optional<qint64>(11500);
    QTest::newRow("trip down") << 33.3 << 0.8358 << std::optional<qint64>(2783);
    QTest::newRow("trip half a grosz") << 1.0 << 0.005 << std::optional<qint64>(1);
    QTest::newRow("trip back") << -12.5 << 0.8358 << std::optional<qint64>(-1045);
    QTest::newRow("trip no rate") << 12.5 << 0.0 << std::optional<qint64>(0);
    QTest::newRow("trip no number") << 12.5 << none << std::optional<qint64>();
    QTest::newRow("amount 1.005") << none << 1.005 << std::optional<qint64>(101);
    QTest::newRow("amount -1.005") << none << -1.005 << std::optional<qint64>(-101);
    QTest::newRow("amount 0.1+0.2") << none << 0.1 + 0.2 << std::optional<qint64>(30);
    QTest::newRow("amount 73.8") << none << 73.8 << std::optional<qint64>(7380);
    QTest::newRow("amount infinite")
        << none << std::numeric_limits<double>::infinity() << std::optional<qint64>();
}

void TstKsiegowanie::exactAmounts() {
    QFETCH(double, distance);
    QFETCH(double, value);
    QFETCH(std::optional<qint64>, grosze);
    if (std::isnan(distance))
        QCOMPARE(YearlySummary::grosze(value), grosze);
    else
        QCOMPARE(YearlySummary::tripAmount(distance, value), grosze);
}

void TstKsiegowanie::yearFromInsertedRows_data() {
    QTest::addColumn<QString>("vehicle");
    QTest::addColumn<Amounts>("allowances");
    QTest::addColumn<Amounts>("costs");
    QTest::addColumn<Amounts>("booked");
    QTest::addColumn<QString>("header");
    QTest::newRow("the worked example and December")
        << u"car"_qs << amounts({10000, 5000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1000})
        << amounts({6000, 12000}) << amounts({6000, 9000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1000})
        << u"KR 1234, Skoda Octavia|1600 cm3|Leasing Polska"_qs;
    QTest::newRow("exact grosze") << u"small"_qs << amounts({0, 0, 2090}) << amounts({0, 0, 131})
                                  << amounts({0, 0, 131}) << u"KR 900, Skoda Octavia|900 cm3|"_qs;
}

void TstKsiegowanie::yearFromInsertedRows() {
    QFETCH(QString, vehicle);
    QFETCH(Amounts, allowances);
    QFETCH(Amounts, costs);
    QFETCH(Amounts, booked);
    QFETCH(QString, header);
    QList<int> steps;
    YearlySummary summary;
    m_messages.clear();
    QVERIFY(summary.compute(*m_db, vehicle == u"car"_qs ? m_car : m_small, kYear,
                            u"Transport Nowak"_qs, [&steps](int step) { steps << step; }));
    QVERIFY2(m_messages.shown().isEmpty(), qPrintable(m_messages.texts().join(u'\n')));
    const auto expected = YearlySummary::carryOver(allowances, costs);
    for (int m = 1; m <= YearlySummary::kMonths; ++m) {
        QCOMPARE(summary.months().at(size_t(m - 1)), expected.at(size_t(m - 1)));
        QCOMPARE(summary.amount(m, 2), booked.at(size_t(m - 1)));
    }
    const YearlySummary::Header& h = summary.header();
    QCOMPARE(QStringList({h.vehicle, h.capacity, h.owner}).join(u'|'), header);
    QCOMPARE(h.year, kYear);
    QCOMPARE(h.company, u"Transport Nowak"_qs);
    QVERIFY(!steps.isEmpty());
    QVERIFY(std::is_sorted(steps.begin(), steps.end()));
    QCOMPARE(steps.last(), YearlySummary::kProgressSteps);
}

void TstKsiegowanie::windowShowsTheYear() {
    TfKsiegowanie window(*m_db, m_messages, {});
    QVERIFY(window.compute(m_car, kYear, u"Transport Nowak"_qs));
    QTableWidget* table = window.findChild<QTableWidget*>(u"SGTabela"_qs);
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 13);
    QCOMPARE(table->columnCount(), 6);
    QCOMPARE(table->item(0, 4)->text(), u"Nadwyżka z przebiegu"_qs);
    const QStringList january{u"Styczeń"_qs, u"100,00"_qs, u"60,00"_qs,
                              u"60,00"_qs,   u"40,00"_qs,  u"0,00"_qs};
    const QStringList december{u"Grudzień"_qs, u"10,00"_qs, u"0,00"_qs,
                               u"10,00"_qs,    u"0,00"_qs,  u"20,00"_qs};
    for (int c = 0; c < 6; ++c) {
        QCOMPARE(table->item(1, c)->text(), january.at(c));
        QCOMPARE(table->item(12, c)->text(), december.at(c));
    }
    const QStringList totals{u"160,00 zł"_qs, u"180,00 zł"_qs, u"160,00 zł"_qs, u"0,00 zł"_qs,
                             u"20,00 zł"_qs};
    for (int c = 1; c <= 5; ++c) {
        auto* label = window.findChild<QLabel*>(c == 1 ? u"Suma1"_qs : u"suma%1"_qs.arg(c));
        QVERIFY(label);
        QCOMPARE(label->text(), totals.at(c - 1));
    }
    QCOMPARE(window.findChild<QLabel*>(u"lPojazd"_qs)->text(), u"KR 1234, Skoda Octavia"_qs);
    QCOMPARE(window.findChild<QLabel*>(u"lRok"_qs)->text(), u"2031"_qs);
    QCOMPARE(window.findChild<QLabel*>(u"lFirma"_qs)->text(), u"Transport Nowak"_qs);
    // The date of the document starts at today.
    const QDate today = QDate::currentDate();
    QCOMPARE(window.findChild<DateField*>(u"dataRapPanel"_qs)->dateNumber(),
             today.year() * 10000LL + today.month() * 100 + today.day());
    QCOMPARE(window.findChild<QComboBox*>(u"CBDWMiesiac"_qs)->currentIndex(), -1);
}

void TstKsiegowanie::csvSheet_data() {
    QTest::addColumn<QString>("answer");  // the file the dialog gives, relative to a temp dir
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("message");
    QTest::newRow("named") << u"rok.csv"_qs << u"rok.csv"_qs << u"Eksport zakończony poprawnie"_qs;
    QTest::newRow("suffix added") << u"rok"_qs << u"rok.csv"_qs
                                  << u"Eksport zakończony poprawnie"_qs;
    QTest::newRow("cancelled") << QString() << QString() << QString();
    QTest::newRow("unwritable") << u"brak/rok.csv"_qs << QString()
                                << u"Nie udało się wyeksportować danych"_qs;
}

void TstKsiegowanie::csvSheet() {
    QFETCH(QString, answer);
    QFETCH(QString, written);
    QFETCH(QString, message);
    QTemporaryDir dir;
    TfKsiegowanie window(*m_db, m_messages, {});
    QVERIFY(window.compute(m_car, kYear, u"Transport Nowak"_qs));
    m_messages.clear();
    m_messages.answerFile(answer.isEmpty() ? QString() : dir.filePath(answer));
    window.findChild<QPushButton*>(u"SBcsv"_qs)->click();
    QCOMPARE(m_messages.shown().first().kind, u"save"_qs);
    QCOMPARE(m_messages.shown().first().text, u"zestawienie.csv"_qs);
    if (message.isEmpty()) {
        QCOMPARE(m_messages.shown().size(), 1);
    } else {
        QCOMPARE(m_messages.shown().size(), 2);
        QCOMPARE(m_messages.shown().last().title, u"Informacja"_qs);
        QCOMPARE(m_messages.shown().last().text, message);
    }
    if (written.isEmpty()) {
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 0);
        return;
    }
    QFile file(dir.filePath(written));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.endsWith("\r\n"));
    const QList<QStringList> rows = CsvSheet::decode(bytes, TextEncoding::Windows1250);
    QCOMPARE(rows.size(), 13);
    QCOMPARE(rows.at(0), YearlySummary::columnTitles());
    QCOMPARE(rows.at(2), QStringList({u"Luty"_qs, u"50,00"_qs, u"120,00"_qs, u"90,00"_qs,
                                      u"0,00"_qs, u"30,00"_qs}));
    QCOMPARE(rows.at(10).first(), u"Październik"_qs);
}

void TstKsiegowanie::printedSummary_data() {
    QTest::addColumn<bool>("signatures");
    QTest::addColumn<QString>("issued");
    QTest::newRow("everything") << true << u"05-03-2031"_qs;
    QTest::newRow("nothing") << false << QString();
}

void TstKsiegowanie::printedSummary() {
    QFETCH(bool, signatures);
    QFETCH(QString, issued);
    SummaryPrintOptions options;
    options.signedBy = signatures;
    options.acceptedBy = signatures;
    if (!issued.isEmpty())
        options.issueDate = issued;
    TfKsiegowanie window(*m_db, m_messages, options);
    QVERIFY(window.compute(m_car, kYear, u"Transport Nowak"_qs));
    m_messages.clear();
    PreviewCatcher catcher;
    window.findChild<QPushButton*>(u"SBZestawienie"_qs)->click();
    QVERIFY2(m_messages.shown().isEmpty(), qPrintable(m_messages.texts().join(u'\n')));
    QCOMPARE(catcher.reports.size(), 1);
    const PreparedReport& report = catcher.reports.first();
    QCOMPARE(report.pages.size(), 1);
    const QStringList texts = allTexts(report);
    for (const QString& expected :
         {u"Transport Nowak"_qs, u"Dane z roku: 2031"_qs, u"Pojazd: KR 1234, Skoda Octavia"_qs,
          u"Pojemność silnika: 1600 cm3"_qs, u"Właściciel (nr ewid.): Leasing Polska"_qs,
          u"Styczeń"_qs, u"Grudzień"_qs, u"40,00"_qs, u"160,00 zł"_qs, u"180,00 zł"_qs,
          u"20,00 zł"_qs, u"Strona 1 z 1"_qs})
        QVERIFY2(texts.contains(expected), qPrintable(expected + u" in "_qs + texts.join(u'|')));
    // Twelve rows of months, each month once.
    QCOMPARE(texts.count(u"Marzec"_qs), 1);
    QCOMPARE(texts.contains(u"Wystawił"_qs), signatures);
    QCOMPARE(texts.contains(u"Zaakceptował"_qs), signatures);
    QCOMPARE(texts.contains(u"Wystawiono 05-03-2031"_qs), !issued.isEmpty());
}

void TstKsiegowanie::internalDocument_data() {
    QTest::addColumn<int>("month");  // 0: none chosen
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("words");
    QTest::newRow("no month") << 0 << QString() << QString() << QString();
    QTest::newRow("February") << 2 << u"DW/2/2031"_qs << u"90,00 zł"_qs
                              << u"Słownie: dziewięćdziesiąt złotych 00/100"_qs;
    QTest::newRow("nothing booked")
        << 5 << u"DW 5"_qs << u"0,00 zł"_qs << u"Słownie: zero złotych 00/100"_qs;
}

void TstKsiegowanie::internalDocument() {
    QFETCH(int, month);
    QFETCH(QString, number);
    QFETCH(QString, amount);
    QFETCH(QString, words);
    TfKsiegowanie window(*m_db, m_messages, {});
    QVERIFY(window.compute(m_car, kYear, u"Transport Nowak"_qs));
    window.findChild<QComboBox*>(u"CBDWMiesiac"_qs)->setCurrentIndex(month - 1);
    window.findChild<QLineEdit*>(u"nrDowodu"_qs)->setText(number);
    window.findChild<DateField*>(u"dataRapPanel"_qs)->setDateNumber(20310405);
    m_messages.clear();
    PreviewCatcher catcher;
    window.findChild<QPushButton*>(u"SBDowod"_qs)->click();
    if (month == 0) {
        QCOMPARE(m_messages.shown().size(), 1);
        QCOMPARE(m_messages.shown().first().title, u"Informacja"_qs);
        QCOMPARE(m_messages.shown().first().text,
                 u"Nie wskazano miesiąca, na który wygenerować Dowód Wewnętrzny"_qs);
        QCOMPARE(catcher.reports.size(), 0);
        return;
    }
    QVERIFY2(m_messages.shown().isEmpty(), qPrintable(m_messages.texts().join(u'\n')));
    QCOMPARE(catcher.reports.size(), 1);
    const QStringList texts = allTexts(catcher.reports.first());
    const QString monthName = YearlySummary::monthName(month);
    for (const QString& expected :
         {u"DOWÓD WEWNĘTRZNY nr "_qs + number, u"za miesiąc "_qs + monthName + u" 2031"_qs,
          u"Miejscowość: Kraków"_qs, u"Data wystawienia: "_qs + DisplayFormat().date(20310405),
          amount, words, u"Wystawił"_qs, u"Zaakceptował"_qs})
        QVERIFY2(texts.contains(expected), qPrintable(expected + u" in "_qs + texts.join(u'|')));
    // The company block: the name and the city, then nothing.
    const int name = int(texts.indexOf(u"Transport Nowak"_qs));
    QVERIFY(name >= 0);
    QCOMPARE(texts.value(name + 1), u"Kraków"_qs);
    QCOMPARE(texts.value(name + 2), u"(pieczęć firmy)"_qs);
}

// A company with only a name and a city fills two of the seven lines; both printouts write
// a PDF whose text keeps the Polish letters.
void TstKsiegowanie::printoutsAsPdf() {
    const auto block = CompanyBlock::read(*m_db);
    QVERIFY(block);
    QCOMPARE(block->lines, QStringList({u"Transport Nowak"_qs, u"Kraków"_qs, QString(), QString(),
                                        QString(), QString(), QString()}));
    QCOMPARE(block->city, u"Kraków"_qs);

    YearlySummary summary;
    QVERIFY(summary.compute(*m_db, m_car, kYear, u"Transport Nowak"_qs));
    SummaryPrintOptions options;
    options.signedBy = true;
    options.acceptedBy = true;
    options.issueDate = u"05-03-2031"_qs;
    YearlySummaryReport yearly(summary, options);
    InternalDocumentReport document(summary, 2, *block, u"DW/2/2031"_qs, u"05-04-2031"_qs);
    const auto yearlyPages =
        ReportEngine::prepare(YearlySummaryReport::layoutName(), &yearly, yearly);
    const auto documentPages =
        ReportEngine::prepare(InternalDocumentReport::layoutName(), nullptr, document);
    QVERIFY(std::holds_alternative<PreparedReport>(yearlyPages));
    QVERIFY(std::holds_alternative<PreparedReport>(documentPages));

    if (QStandardPaths::findExecutable(u"pdftotext"_qs).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    const QList<std::pair<QString, const PreparedReport*>> files{
        {dir.filePath(u"zest_m.pdf"_qs), &std::get<PreparedReport>(yearlyPages)},
        {dir.filePath(u"dw_miesiac.pdf"_qs), &std::get<PreparedReport>(documentPages)}};
    QStringList extracted;
    for (const auto& [path, report] : files) {
        QVERIFY(ReportPainter::writePdf(*report, path));
        QProcess text;
        text.start(u"pdftotext"_qs, {path, u"-"_qs});
        QVERIFY(text.waitForFinished());
        extracted << QString::fromUtf8(text.readAllStandardOutput());
    }
    QVERIFY(extracted.at(0).contains(u"Zestawienie roczne kosztów eksploatacji i przejazdów"_qs));
    QVERIFY(extracted.at(0).contains(u"160,00 zł"_qs));
    QVERIFY(extracted.at(0).contains(u"Październik"_qs));
    QVERIFY(extracted.at(1).contains(u"dziewięćdziesiąt złotych 00/100"_qs));
    QVERIFY(extracted.at(1).contains(u"DOWÓD WEWNĘTRZNY"_qs));
}

// Last: each case hides one table for a moment.
void TstKsiegowanie::databaseErrorsAreReported_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<qint64>("code");
    QTest::newRow("vehicle") << u"pojazdy"_qs << 54LL;
    QTest::newRow("trips") << u"przejazdy"_qs << 42LL;
    QTest::newRow("costs") << u"koszty"_qs << 43LL;
    QTest::newRow("company data") << u"firma"_qs << 1101LL;
}

void TstKsiegowanie::databaseErrorsAreReported() {
    QFETCH(QString, table);
    QFETCH(qint64, code);
    TfKsiegowanie window(*m_db, m_messages, {});
    const bool company = table == u"firma"_qs;
    if (company) {
        QVERIFY(window.compute(m_car, kYear, u"Transport Nowak"_qs));
        window.findChild<QComboBox*>(u"CBDWMiesiac"_qs)->setCurrentIndex(0);
    }
    QFile::remove(ErrorLog::path());
    DbConnection& db = m_db->DatabaseFirma();
    QVERIFY(!db.execute(u"ALTER TABLE %1 RENAME TO ukryta"_qs.arg(table)));
    m_messages.clear();
    PreviewCatcher catcher;
    if (company)
        window.findChild<QPushButton*>(u"SBDowod"_qs)->click();
    else
        QVERIFY(!window.compute(m_car, kYear, u"Transport Nowak"_qs));
    QVERIFY(!db.execute(u"ALTER TABLE ukryta RENAME TO %1"_qs.arg(table)));
    QCOMPARE(catcher.reports.size(), 0);
    QCOMPARE(m_messages.shown().size(), 1);
    QCOMPARE(m_messages.shown().first().title, u"Błąd bazy danych"_qs);
    QFile log(ErrorLog::path());
    QVERIFY(log.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(log.readAll()).contains(ErrorLog::codeText(code)));
    if (!company) {
        // Nothing half-read is shown as a result.
        const auto totals = window.summary().totals();
        QVERIFY(std::all_of(totals.begin(), totals.end(), [](qint64 v) { return v == 0; }));
    }
}

QTEST_MAIN(TstKsiegowanie)
#include "tst_ksiegowanie.moc"
