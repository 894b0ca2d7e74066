// The texts grids, sheets, printouts and search show for stored values, under the Polish
// locale and under the C locale, and the grid model that shows them.
#include "data/Consumption.h"
#include "data/DisplayFormat.h"
#include "data/ListModel.h"
#include "data/ListTable.h"

#include <QTest>
#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(Conversion)

class TstDisplayFormat : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void separators_data();
    void separators();
    void polishTexts_data();
    void polishTexts();
    void cLocaleTexts_data();
    void cLocaleTexts();
    void pieces();

    void modelShowsConvertedColumns();
    void modelPersonName_data();
    void modelPersonName();
    void modelConsumptionColumn();
    void modelFindRow_data();
    void modelFindRow();
};

void TstDisplayFormat::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
}

void TstDisplayFormat::separators_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QChar>("dateSeparator");
    QTest::addColumn<QString>("decimalPoint");
    QTest::newRow("Polish") << QLocale(QLocale::Polish, QLocale::Poland) << QChar(u'.')
                            << QStringLiteral(",");
    QTest::newRow("C") << QLocale::c() << QChar(u'-') << QStringLiteral(".");
}

void TstDisplayFormat::separators() {
    QFETCH(QLocale, locale);
    QFETCH(QChar, dateSeparator);
    QFETCH(QString, decimalPoint);
    const DisplayFormat format(locale);
    QCOMPARE(format.dateSeparator(), dateSeparator);
    QCOMPARE(format.decimalPoint(), decimalPoint);
}

void TstDisplayFormat::polishTexts_data() {
    QTest::addColumn<Conversion>("conversion");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("expected");
    const QVariant null;
    const double nan = std::numeric_limits<double>::quiet_NaN();

    QTest::newRow("date") << Conversion::Date << QVariant(qint64(20240305)) << "05.03.2024";
    QTest::newRow("date int") << Conversion::Date << QVariant(int(19991231)) << "31.12.1999";
    QTest::newRow("date as double") << Conversion::Date << QVariant(20240305.0) << "05.03.2024";
    QTest::newRow("date as text") << Conversion::Date << QVariant(QStringLiteral("20240305"))
                                  << "05.03.2024";
    QTest::newRow("date zero") << Conversion::Date << QVariant(qint64(0)) << "";
    QTest::newRow("date 7 digits") << Conversion::Date << QVariant(qint64(2024035)) << "";
    QTest::newRow("date 9 digits") << Conversion::Date << QVariant(qint64(202403051)) << "";
    QTest::newRow("date negative") << Conversion::Date << QVariant(qint64(-20240305)) << "";
    QTest::newRow("date null") << Conversion::Date << null << "";
    QTest::newRow("date empty text") << Conversion::Date << QVariant(QString()) << "";
    QTest::newRow("date smallest")
        << Conversion::Date << QVariant(qint64(10000101)) << "01.01.1000";

    QTest::newRow("money") << Conversion::Money << QVariant(1234.5) << "1234,50";
    QTest::newRow("money no grouping")
        << Conversion::Money << QVariant(1234567.891) << "1234567,89";
    QTest::newRow("money negative zero") << Conversion::Money << QVariant(-0.001) << "0,00";
    QTest::newRow("money -0.0") << Conversion::Money << QVariant(-0.0) << "0,00";
    QTest::newRow("money negative") << Conversion::Money << QVariant(-12.5) << "-12,50";
    QTest::newRow("money negative small") << Conversion::Money << QVariant(-0.05) << "-0,05";
    QTest::newRow("money integer") << Conversion::Money << QVariant(qint64(7)) << "7,00";
    QTest::newRow("money zero") << Conversion::Money << QVariant(0.0) << "0,00";
    QTest::newRow("money null") << Conversion::Money << null << "";
    QTest::newRow("money NaN") << Conversion::Money << QVariant(nan) << "";
    QTest::newRow("money text") << Conversion::Money << QVariant(QStringLiteral("12.3")) << "12,30";
    QTest::newRow("money rounds up") << Conversion::Money << QVariant(99.999) << "100,00";

    QTest::newRow("rate") << Conversion::Rate << QVariant(0.89) << "0,8900";
    QTest::newRow("rate four places") << Conversion::Rate << QVariant(1.23456) << "1,2346";
    QTest::newRow("rate negative zero") << Conversion::Rate << QVariant(-0.00001) << "0,0000";
    QTest::newRow("rate null") << Conversion::Rate << null << "";

    QTest::newRow("consumption null") << Conversion::Consumption << null << "-";
    QTest::newRow("consumption NaN") << Conversion::Consumption << QVariant(nan) << "-";
    QTest::newRow("consumption") << Conversion::Consumption << QVariant(7.256) << "7,26";
    QTest::newRow("consumption zero") << Conversion::Consumption << QVariant(0.0) << "0,00";

    QTest::newRow("flag T") << Conversion::FlagMark << QVariant(QStringLiteral("T")) << "+";
    QTest::newRow("flag N") << Conversion::FlagMark << QVariant(QStringLiteral("N")) << "";
    QTest::newRow("flag empty") << Conversion::FlagMark << QVariant(QStringLiteral("")) << "";
    QTest::newRow("flag null") << Conversion::FlagMark << null << "";

    QTest::newRow("vat T") << Conversion::VatFlag << QVariant(QStringLiteral("T")) << "Tak";
    QTest::newRow("vat N") << Conversion::VatFlag << QVariant(QStringLiteral("N")) << "Nie";
    QTest::newRow("vat empty") << Conversion::VatFlag << QVariant(QStringLiteral("")) << "Nie";
    QTest::newRow("vat null") << Conversion::VatFlag << null << "Nie";
    QTest::newRow("vat other") << Conversion::VatFlag << QVariant(QStringLiteral("X")) << "Nie";

    const char* const statuses[] = {"Aktywny",    "Nieaktywny", "Sprzedany",
                                    "W naprawie", "Zniszczony", "Inne"};
    for (int s = 0; s < 6; ++s) {
        QTest::addRow("status %d", s)
            << Conversion::Status << QVariant(qint64(s)) << QString::fromUtf8(statuses[s]);
    }
    QTest::newRow("status as double") << Conversion::Status << QVariant(2.0) << "Sprzedany";
    QTest::newRow("status as text")
        << Conversion::Status << QVariant(QStringLiteral("3")) << "W naprawie";
    QTest::newRow("status 6") << Conversion::Status << QVariant(qint64(6)) << "";
    QTest::newRow("status -1") << Conversion::Status << QVariant(qint64(-1)) << "";
    QTest::newRow("status null") << Conversion::Status << null << "";
    QTest::newRow("status 1.5") << Conversion::Status << QVariant(1.5) << "";

    QTest::newRow("time morning") << Conversion::Time << QVariant(qint64(715)) << "07:15";
    QTest::newRow("time afternoon") << Conversion::Time << QVariant(qint64(1630)) << "16:30";
    QTest::newRow("time minutes only") << Conversion::Time << QVariant(qint64(5)) << "00:05";
    QTest::newRow("time as double") << Conversion::Time << QVariant(2359.0) << "23:59";
    QTest::newRow("time zero") << Conversion::Time << QVariant(qint64(0)) << "  :  ";
    QTest::newRow("time null") << Conversion::Time << null << "  :  ";

    QTest::newRow("none text") << Conversion::None << QVariant(QStringLiteral(" WA 1234 "))
                               << " WA 1234 ";
    QTest::newRow("none Polish text")
        << Conversion::None << QVariant(QStringLiteral("Łódź")) << "Łódź";
    QTest::newRow("none integer") << Conversion::None << QVariant(qint64(1598)) << "1598";
    QTest::newRow("none large integer")
        << Conversion::None << QVariant(qint64(1234567)) << "1234567";
    QTest::newRow("none whole double") << Conversion::None << QVariant(1.0) << "1";
    QTest::newRow("none fraction") << Conversion::None << QVariant(2.5) << "2,5";
    QTest::newRow("none large fraction")
        << Conversion::None << QVariant(1234567.25) << "1234567,25";
    QTest::newRow("none negative fraction") << Conversion::None << QVariant(-2.5) << "-2,5";
    QTest::newRow("none negative zero") << Conversion::None << QVariant(-0.0) << "0";
    QTest::newRow("none null") << Conversion::None << null << "";
    QTest::newRow("person name") << Conversion::PersonName << QVariant(QStringLiteral("Kowalski"))
                                 << "Kowalski";
}

void TstDisplayFormat::polishTexts() {
    QFETCH(Conversion, conversion);
    QFETCH(QVariant, value);
    QFETCH(QString, expected);
    // The default locale, set to Polish above.
    QCOMPARE(DisplayFormat().text(conversion, value), expected);
}

void TstDisplayFormat::cLocaleTexts_data() {
    QTest::addColumn<Conversion>("conversion");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("date") << Conversion::Date << QVariant(qint64(20240305)) << "05-03-2024";
    QTest::newRow("money") << Conversion::Money << QVariant(1234.5) << "1234.50";
    QTest::newRow("money negative zero") << Conversion::Money << QVariant(-0.001) << "0.00";
    QTest::newRow("money negative") << Conversion::Money << QVariant(-12.5) << "-12.50";
    QTest::newRow("rate") << Conversion::Rate << QVariant(0.89) << "0.8900";
    QTest::newRow("consumption") << Conversion::Consumption << QVariant(7.256) << "7.26";
    QTest::newRow("none fraction") << Conversion::None << QVariant(2.5) << "2.5";
    QTest::newRow("none large fraction")
        << Conversion::None << QVariant(1234567.25) << "1234567.25";
    QTest::newRow("none whole double") << Conversion::None << QVariant(1.0) << "1";
}

void TstDisplayFormat::cLocaleTexts() {
    QFETCH(Conversion, conversion);
    QFETCH(QVariant, value);
    QFETCH(QString, expected);
    QCOMPARE(DisplayFormat(QLocale::c()).text(conversion, value), expected);
}

void TstDisplayFormat::pieces() {
    const DisplayFormat format;
    QCOMPARE(format.date(20240305), QStringLiteral("05.03.2024"));
    QCOMPARE(format.date(99999999), QStringLiteral("99.99.9999"));
    QCOMPARE(format.date(100000000), QString());
    QCOMPARE(format.date(9999999), QString());
    QCOMPARE(format.number(-0.004, 2), QStringLiteral("0,00"));
    QCOMPARE(format.number(-100.0, 2), QStringLiteral("-100,00"));
    QCOMPARE(format.number(-10.0, 0), QStringLiteral("-10"));
    QCOMPARE(format.number(-0.2, 0), QStringLiteral("0"));
    QCOMPARE(format.number(1000000.0, 0), QStringLiteral("1000000"));
    QCOMPARE(format.time(1630), QStringLiteral("16:30"));
}

void TstDisplayFormat::modelShowsConvertedColumns() {
    // Costs list with only some of its grid's fields: the others show empty.
    const QStringList fields = {"IDKOSZT", "DATA",   "NRREJ", "WARTBRUTTO",
                                "CZYVAT",  "ISFUEL", "FUEL"};
    const QList<QVariantList> rows = {
        {qint64(17), qint64(20240305), QStringLiteral("WA 123"), 1234.5, QStringLiteral("T"),
         QStringLiteral("T"), 40.0},
        {qint64(18), qint64(0), QVariant(), -0.001, QStringLiteral("N"), QStringLiteral("N"),
         QVariant()},
    };
    ListModel model(RegisterId::Koszty);
    model.setTable(std::make_shared<ListTable>(ListTable::fromValues(fields, rows)));

    const RegisterDescriptor& d = Registers::get(RegisterId::Koszty);
    auto columnOf = [&d](const char* field) {
        for (int c = 0; c < d.columns.size(); ++c) {
            if (d.columns.at(c).field == QLatin1String(field))
                return c;
        }
        return -1;
    };
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.columnCount(), int(d.columns.size()));

    const QList<QStringList> sheet = model.sheet();
    QCOMPARE(sheet.size(), 3);
    QStringList titles;
    for (const GridColumn& column : d.columns)
        titles << column.title;
    QCOMPARE(sheet.at(0), titles);

    QStringList first(int(d.columns.size()));
    first[columnOf("DATA")] = QStringLiteral("05.03.2024");
    first[columnOf("NRREJ")] = QStringLiteral("WA 123");
    first[columnOf("WARTBRUTTO")] = QStringLiteral("1234,50");
    first[columnOf("CZYVAT")] = QStringLiteral("Tak");
    first[columnOf("ISFUEL")] = QStringLiteral("+");
    first[columnOf("FUEL")] = QStringLiteral("40,00");
    QCOMPARE(sheet.at(1), first);

    QStringList second(int(d.columns.size()));
    second[columnOf("WARTBRUTTO")] = QStringLiteral("0,00");
    second[columnOf("CZYVAT")] = QStringLiteral("Nie");
    QCOMPARE(sheet.at(2), second);

    QCOMPARE(model.data(model.index(0, columnOf("DATA"))).toString(), QStringLiteral("05.03.2024"));
    QCOMPARE(model.data(model.index(0, columnOf("DATA")), Qt::UserRole).toLongLong(),
             qint64(20240305));
    // A field that is listed but has no grid column still shows converted.
    QCOMPARE(model.displayField(0, QStringLiteral("wartbrutto")), QStringLiteral("1234,50"));
    QCOMPARE(model.displayField(0, QStringLiteral("NOSUCHFIELD")), QString());
    QCOMPARE(model.raw(1, QStringLiteral("NRREJ")), QVariant());
}

void TstDisplayFormat::modelPersonName_data() {
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QVariantList>("row");
    QTest::addColumn<QString>("expected");
    QTest::newRow("surname and first name")
        << QStringList{"NREW", "NAZWISKO", "IMIE"}
        << QVariantList{qint64(1), QStringLiteral("Kowalski"), QStringLiteral("Jan")}
        << "Kowalski Jan";
    QTest::newRow("no first name column")
        << QStringList{"NREW", "NAZWISKO"} << QVariantList{qint64(1), QStringLiteral("Nowak")}
        << "Nowak";
}

void TstDisplayFormat::modelPersonName() {
    QFETCH(QStringList, fields);
    QFETCH(QVariantList, row);
    QFETCH(QString, expected);
    ListModel model(RegisterId::Osobowa);
    model.setTable(std::make_shared<ListTable>(ListTable::fromValues(fields, {row})));
    QCOMPARE(model.displayField(0, QStringLiteral("NAZWISKO")), expected);
}

void TstDisplayFormat::modelConsumptionColumn() {
    ListTable table = ListTable::fromValues({"IDPOJAZD", "DATA", "BAK", "TANKOWANIE", "LICZNIK"},
                                            {{qint64(3), qint64(20240101), 20.0, 30.0, 1000.0},
                                             {qint64(3), qint64(20240102), 10.0, 35.0, 1250.0}});
    table.setNumbers(QStringLiteral("ZUZYCIE"), Consumption::continuous(table));
    ListModel model(RegisterId::Zuzycie);
    model.setTable(std::make_shared<ListTable>(table));
    QCOMPARE(model.displayField(0, QStringLiteral("ZUZYCIE")), QStringLiteral("-"));
    QCOMPARE(model.displayField(1, QStringLiteral("ZUZYCIE")), QStringLiteral("16,00"));
    QCOMPARE(model.displayField(1, QStringLiteral("DATA")), QStringLiteral("02.01.2024"));
}

void TstDisplayFormat::modelFindRow_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("row");
    QTest::newRow("first") << QStringList{"3", "20240101"} << 0;
    QTest::newRow("second") << QStringList{"3", "20240102"} << 1;
    QTest::newRow("other vehicle") << QStringList{"4", "20240101"} << 2;
    QTest::newRow("no such date") << QStringList{"3", "20240103"} << -1;
    QTest::newRow("too few keys") << QStringList{"3"} << -1;
    QTest::newRow("too many keys") << QStringList{"3", "20240101", "x"} << -1;
}

void TstDisplayFormat::modelFindRow() {
    QFETCH(QStringList, keys);
    QFETCH(int, row);
    const ListTable table =
        ListTable::fromValues({"IDPOJAZD", "DATA", "BAK", "TANKOWANIE", "LICZNIK"},
                              {{qint64(3), qint64(20240101), 20.0, 30.0, 1000.0},
                               {qint64(3), qint64(20240102), 10.0, 35.0, 1250.0},
                               {qint64(4), qint64(20240101), 10.0, 35.0, 1250.0}});
    ListModel model(RegisterId::Zuzycie);
    model.setTable(std::make_shared<ListTable>(table));
    QCOMPARE(model.findRow(keys), row);
}

QTEST_GUILESS_MAIN(TstDisplayFormat)
#include "tst_displayformat.moc"
