#include "support/OVUtilities.h"

#include <QDate>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestOVUtilities : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void dateSeparatorFor_data();
    void dateSeparatorFor();
    void dateTemplates_data();
    void dateTemplates();
    void dateFormatFormatsAQDate();
    void dateTextValidity_data();
    void dateTextValidity();
    void dateNumberToText_data();
    void dateNumberToText();
    void dateTextToNumber_data();
    void dateTextToNumber();
    void partsOfADate_data();
    void partsOfADate();
    void monthNames();
    void digitWords();
    void daysInMonth_data();
    void daysInMonth();
    void daysInMonthAgreesWithQDate();
    void replaceAll_data();
    void replaceAll();
    void replaceAllStopsOnATextThatKeepsGrowing();
    void wheelRows_data();
    void wheelRows();

    void dataDirectoryFromEnvironment();
    void dataDirectoryIsKept();
    void dataDirectoryWithoutEnvironment_data();
    void dataDirectoryWithoutEnvironment();
    void defaultDataDirectoryFollowsEnvironment();

private:
    QByteArray m_savedDataDir;
    bool m_hadDataDir = false;
};

void TestOVUtilities::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    m_hadDataDir = qEnvironmentVariableIsSet("FLOTANOR_DATA_DIR");
    m_savedDataDir = qgetenv("FLOTANOR_DATA_DIR");
}

void TestOVUtilities::cleanup() {
    if (m_hadDataDir)
        qputenv("FLOTANOR_DATA_DIR", m_savedDataDir);
    else
        qunsetenv("FLOTANOR_DATA_DIR");
}

void TestOVUtilities::dateSeparatorFor_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QChar>("separator");
    QTest::newRow("pl_PL d.MM.yyyy") << QLocale(QLocale::Polish, QLocale::Poland) << QChar(u'.');
    QTest::newRow("C d MMM yyyy: blank") << QLocale::c() << QChar(u'-');
    QTest::newRow("en_US M/d/yy") << QLocale(QLocale::English, QLocale::UnitedStates)
                                  << QChar(u'/');
    QTest::newRow("nl_NL dd-MM-yyyy")
        << QLocale(QLocale::Dutch, QLocale::Netherlands) << QChar(u'-');
    QTest::newRow("ja_JP yyyy/MM/dd") << QLocale(QLocale::Japanese, QLocale::Japan) << QChar(u'/');
    QTest::newRow("ko_KR yy. M. d.")
        << QLocale(QLocale::Korean, QLocale::SouthKorea) << QChar(u'.');
    // d<RLM>/M<RLM>/yyyy: the first non-letter is the right-to-left mark, not '/'.
    QTest::newRow("ar_EG with marks") << QLocale(QLocale::Arabic, QLocale::Egypt) << QChar(u'-');
}

void TestOVUtilities::dateSeparatorFor() {
    QFETCH(QLocale, locale);
    QFETCH(QChar, separator);
    QCOMPARE(TOVUtilities::dateSeparatorFor(locale), separator);
    QCOMPARE(TOVUtilities(locale).dateSeparator(), separator);
}

void TestOVUtilities::dateTemplates_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("emptyDate");
    QTest::addColumn<QString>("format");
    QTest::newRow("Polish") << QLocale(QLocale::Polish, QLocale::Poland)
                            << QStringLiteral("  .  .    ") << QStringLiteral("dd.MM.yyyy");
    QTest::newRow("C") << QLocale::c() << QStringLiteral("  -  -    ")
                       << QStringLiteral("dd-MM-yyyy");
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates)
                           << QStringLiteral("  /  /    ") << QStringLiteral("dd/MM/yyyy");
}

void TestOVUtilities::dateTemplates() {
    QFETCH(QLocale, locale);
    QFETCH(QString, emptyDate);
    QFETCH(QString, format);
    const TOVUtilities utilities(locale);
    QCOMPARE(utilities.emptyDate(), emptyDate);
    QCOMPARE(utilities.dateFormat(), format);
    QCOMPARE(utilities.emptyTime(), QStringLiteral("  :  "));
}

void TestOVUtilities::dateFormatFormatsAQDate() {
    // The default object takes the default locale, Polish here.
    const TOVUtilities utilities;
    const QDate date(2024, 3, 5);
    QCOMPARE(date.toString(utilities.dateFormat()), QStringLiteral("05.03.2024"));
    QCOMPARE(QDate::fromString(QStringLiteral("05.03.2024"), utilities.dateFormat()), date);
    QCOMPARE(date.toString(utilities.dateFormat()), utilities.dateNumberToText(20240305));
}

void TestOVUtilities::dateTextValidity_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("entered");
    QTest::newRow("ordinary") << QStringLiteral("05.03.2024") << true << true;
    QTest::newRow("month length not checked") << QStringLiteral("31.02.2024") << true << true;
    QTest::newRow("separators not checked") << QStringLiteral("05x03y2024") << true << true;
    QTest::newRow("dashes") << QStringLiteral("31-12-9999") << true << true;
    QTest::newRow("day 0") << QStringLiteral("00.01.2024") << false << false;
    QTest::newRow("day 32") << QStringLiteral("32.01.2024") << false << false;
    QTest::newRow("month 0") << QStringLiteral("01.00.2024") << false << false;
    QTest::newRow("month 13") << QStringLiteral("01.13.2024") << false << false;
    QTest::newRow("year 999") << QStringLiteral("01.12.0999") << false << false;
    QTest::newRow("year 1000") << QStringLiteral("01.12.1000") << true << false;
    QTest::newRow("year 1899") << QStringLiteral("31.12.1899") << true << false;
    QTest::newRow("year 1900") << QStringLiteral("01.01.1900") << true << true;
    QTest::newRow("short day") << QStringLiteral("5.03.2024") << false << false;
    QTest::newRow("too long") << QStringLiteral("05.03.20245") << false << false;
    QTest::newRow("blank in the day") << QStringLiteral("5 .03.2024") << false << false;
    QTest::newRow("empty template") << QStringLiteral("  .  .    ") << false << false;
    QTest::newRow("empty") << QString() << false << false;
    QTest::newRow("letters") << QStringLiteral("ab.cd.efgh") << false << false;
    QTest::newRow("sign in the year") << QStringLiteral("01.01.+999") << false << false;
    QTest::newRow("fullwidth digits") << QStringLiteral("05.03.２０２４") << false << false;
    QTest::newRow("Arabic-Indic digits") << QStringLiteral("٠٥.03.2024") << false << false;
}

void TestOVUtilities::dateTextValidity() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(bool, entered);
    QCOMPARE(TOVUtilities::isDateTextValid(text), valid);
    QCOMPARE(TOVUtilities::isEnteredDateValid(text), entered);
}

void TestOVUtilities::dateNumberToText_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<qint64>("number");
    QTest::addColumn<QString>("text");
    const QLocale pl(QLocale::Polish, QLocale::Poland);
    QTest::newRow("ordinary") << pl << qint64(20240305) << QStringLiteral("05.03.2024");
    QTest::newRow("smallest") << pl << qint64(10000000) << QStringLiteral("00.00.1000");
    QTest::newRow("largest") << pl << qint64(99999999) << QStringLiteral("99.99.9999");
    QTest::newRow("zero") << pl << qint64(0) << QString();
    QTest::newRow("seven digits") << pl << qint64(9999999) << QString();
    QTest::newRow("nine digits") << pl << qint64(100000000) << QString();
    QTest::newRow("negative") << pl << qint64(-20240305) << QString();
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << qint64(20241231)
                           << QStringLiteral("31/12/2024");
    QTest::newRow("C") << QLocale::c() << qint64(19991101) << QStringLiteral("01-11-1999");
}

void TestOVUtilities::dateNumberToText() {
    QFETCH(QLocale, locale);
    QFETCH(qint64, number);
    QFETCH(QString, text);
    QCOMPARE(TOVUtilities(locale).dateNumberToText(number), text);
}

void TestOVUtilities::dateTextToNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("number");
    QTest::newRow("dots") << QStringLiteral("05.03.2024") << qint64(20240305);
    QTest::newRow("dashes") << QStringLiteral("05-03-2024") << qint64(20240305);
    QTest::newRow("slashes") << QStringLiteral("05/03/2024") << qint64(20240305);
    QTest::newRow("any separator") << QStringLiteral("05 03 2024") << qint64(20240305);
    QTest::newRow("first entered year") << QStringLiteral("01.01.1900") << qint64(19000101);
    QTest::newRow("before 1900") << QStringLiteral("31.12.1899") << qint64(0);
    QTest::newRow("month length not checked") << QStringLiteral("30.02.2023") << qint64(20230230);
    QTest::newRow("day 32") << QStringLiteral("32.01.2024") << qint64(0);
    QTest::newRow("empty template") << QStringLiteral("  .  .    ") << qint64(0);
    QTest::newRow("empty") << QString() << qint64(0);
    QTest::newRow("ISO order") << QStringLiteral("2024-03-05") << qint64(0);
}

void TestOVUtilities::dateTextToNumber() {
    QFETCH(QString, text);
    QFETCH(qint64, number);
    const TOVUtilities utilities(QLocale(QLocale::Polish, QLocale::Poland));
    QCOMPARE(utilities.dateTextToNumber(text), number);
    if (number != 0) {
        // And back, with the separator of the locale.
        QString expected = text;
        expected[2] = expected[5] = u'.';
        QCOMPARE(utilities.dateNumberToText(number), expected);
    }
}

void TestOVUtilities::partsOfADate_data() {
    QTest::addColumn<qint64>("date");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::newRow("ordinary") << qint64(20240305) << 5 << 3 << 2024;
    QTest::newRow("month length not checked") << qint64(20240231) << 31 << 2 << 2024;
    QTest::newRow("first valid") << qint64(10000101) << 1 << 1 << 1000;
    QTest::newRow("last valid") << qint64(99991231) << 31 << 12 << 9999;
    QTest::newRow("month 13") << qint64(20241305) << 1 << 1 << 1;
    QTest::newRow("month 0") << qint64(20240005) << 1 << 1 << 1;
    QTest::newRow("day 0") << qint64(20240300) << 1 << 1 << 1;
    QTest::newRow("day 32") << qint64(20240132) << 1 << 1 << 1;
    QTest::newRow("zero") << qint64(0) << 1 << 1 << 1;
    QTest::newRow("seven digits") << qint64(9991231) << 1 << 1 << 1;
    QTest::newRow("nine digits") << qint64(120240305) << 1 << 1 << 1;
    QTest::newRow("negative") << qint64(-20240305) << 1 << 1 << 1;
}

void TestOVUtilities::partsOfADate() {
    QFETCH(qint64, date);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QCOMPARE(TOVUtilities::dayOf(date), day);
    QCOMPARE(TOVUtilities::monthOf(date), month);
    QCOMPARE(TOVUtilities::yearOf(date), year);
}

void TestOVUtilities::monthNames() {
    // The nominative Polish month names of the locale data, capitalised.
    const QLocale polish(QLocale::Polish, QLocale::Poland);
    const TOVUtilities utilities(QLocale::c());
    for (int month = 1; month <= 12; ++month) {
        QString expected = polish.standaloneMonthName(month, QLocale::LongFormat);
        expected[0] = expected[0].toUpper();
        QCOMPARE(utilities.monthName(month), expected);
    }
    QCOMPARE(utilities.monthName(9), QStringLiteral("Wrzesień"));
    QVERIFY(utilities.monthName(0).isEmpty());
    QVERIFY(utilities.monthName(13).isEmpty());
    QVERIFY(utilities.monthName(-1).isEmpty());
}

void TestOVUtilities::digitWords() {
    // The first three letters of the Polish number words, in capitals.
    const QStringList numberWords = {QStringLiteral("zero"),   QStringLiteral("jeden"),
                                     QStringLiteral("dwa"),    QStringLiteral("trzy"),
                                     QStringLiteral("cztery"), QStringLiteral("pięć"),
                                     QStringLiteral("sześć"),  QStringLiteral("siedem"),
                                     QStringLiteral("osiem"),  QStringLiteral("dziewięć")};
    const TOVUtilities utilities;
    for (int digit = 0; digit <= 9; ++digit)
        QCOMPARE(utilities.digitWord(digit), numberWords[digit].left(3).toUpper());
    QVERIFY(utilities.digitWord(-1).isEmpty());
    QVERIFY(utilities.digitWord(10).isEmpty());
}

void TestOVUtilities::daysInMonth_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("days");
    QTest::newRow("February 2000") << 2 << 2000 << 29;
    QTest::newRow("February 2024") << 2 << 2024 << 29;
    QTest::newRow("February 1900") << 2 << 1900 << 28;
    QTest::newRow("February 2023") << 2 << 2023 << 28;
    QTest::newRow("February 2100") << 2 << 2100 << 28;
    QTest::newRow("February 2400") << 2 << 2400 << 29;
    QTest::newRow("January") << 1 << 2023 << 31;
    QTest::newRow("April") << 4 << 2024 << 30;
    QTest::newRow("July") << 7 << 2024 << 31;
    QTest::newRow("August") << 8 << 2024 << 31;
    QTest::newRow("November") << 11 << 2024 << 30;
    QTest::newRow("December") << 12 << 2024 << 31;
    QTest::newRow("month 0") << 0 << 2024 << 0;
    QTest::newRow("month 13") << 13 << 2024 << 0;
}

void TestOVUtilities::daysInMonth() {
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, days);
    QCOMPARE(TOVUtilities::daysInMonth(month, year), days);
}

void TestOVUtilities::daysInMonthAgreesWithQDate() {
    for (int year = 1896; year <= 2404; ++year) {
        for (int month = 1; month <= 12; ++month)
            QCOMPARE(TOVUtilities::daysInMonth(month, year), QDate(year, month, 1).daysInMonth());
    }
}

void TestOVUtilities::replaceAll_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("result");
    QTest::newRow("collapse blanks") << QStringLiteral("a     b  c") << QStringLiteral("  ")
                                     << QStringLiteral(" ") << QStringLiteral("a b c");
    QTest::newRow("shrinks again and again") << QStringLiteral("aaaa") << QStringLiteral("aa")
                                             << QStringLiteral("a") << QStringLiteral("a");
    // One pass would leave "ab": removing the inner "ab" joins the outer letters.
    QTest::newRow("occurrence formed by a replacement")
        << QStringLiteral("aabb") << QStringLiteral("ab") << QString() << QString();
    QTest::newRow("occurrence formed, same length")
        << QStringLiteral("aab") << QStringLiteral("ab") << QStringLiteral("ba")
        << QStringLiteral("baa");
    QTest::newRow("formed across the join") << QStringLiteral("xabcc") << QStringLiteral("bc")
                                            << QStringLiteral("b") << QStringLiteral("xab");
    QTest::newRow("every occurrence") << QStringLiteral("hello world") << QStringLiteral("o")
                                      << QStringLiteral("0") << QStringLiteral("hell0 w0rld");
    QTest::newRow("case matters") << QStringLiteral("ABab") << QStringLiteral("ab")
                                  << QStringLiteral("x") << QStringLiteral("ABx");
    QTest::newRow("not found") << QStringLiteral("flota") << QStringLiteral("x")
                               << QStringLiteral("y") << QStringLiteral("flota");
    QTest::newRow("empty search") << QStringLiteral("abc") << QString() << QStringLiteral("x")
                                  << QStringLiteral("abc");
    QTest::newRow("empty text") << QString() << QStringLiteral("a") << QStringLiteral("b")
                                << QString();
    QTest::newRow("replacement contains search") << QStringLiteral("aXa") << QStringLiteral("a")
                                                 << QStringLiteral("aa") << QStringLiteral("aaXaa");
    QTest::newRow("replacement wraps search") << QStringLiteral("x-x") << QStringLiteral("x")
                                              << QStringLiteral("[x]") << QStringLiteral("[x]-[x]");
    QTest::newRow("replacement equals search") << QStringLiteral("abab") << QStringLiteral("ab")
                                               << QStringLiteral("ab") << QStringLiteral("abab");
    QTest::newRow("Polish letters") << QStringLiteral("Łódź  Łódź") << QStringLiteral("ó")
                                    << QStringLiteral("o") << QStringLiteral("Łodź  Łodź");
}

void TestOVUtilities::replaceAll() {
    QFETCH(QString, text);
    QFETCH(QString, search);
    QFETCH(QString, replacement);
    QFETCH(QString, result);
    QCOMPARE(TOVUtilities::replaceAll(text, search, replacement), result);
}

void TestOVUtilities::replaceAllStopsOnATextThatKeepsGrowing() {
    // "ab" -> "bbaa" does not contain "ab", yet every replacement forms a new "ab" with the
    // letter before it: "aab" -> "abbaa" -> "bbaabaa" -> ... The call must still return.
    const QString result = TOVUtilities::replaceAll(QStringLiteral("aab"), QStringLiteral("ab"),
                                                    QStringLiteral("bbaa"));
    QVERIFY(result.startsWith(QStringLiteral("bb")));
    QVERIFY(result.size() < 100000);
}

void TestOVUtilities::wheelRows_data() {
    QTest::addColumn<int>("angleDeltaY");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("rows");
    // The grid is 200 x 100.
    QTest::newRow("two notches away: two rows up") << 240 << QPoint(50, 50) << -2;
    QTest::newRow("one notch towards: one row down") << -120 << QPoint(50, 50) << 1;
    QTest::newRow("three notches") << 360 << QPoint(1, 1) << -3;
    QTest::newRow("less than a notch") << 119 << QPoint(50, 50) << 0;
    QTest::newRow("truncated toward zero, down") << -239 << QPoint(50, 50) << 1;
    QTest::newRow("truncated toward zero, up") << 250 << QPoint(50, 50) << -2;
    QTest::newRow("no turn") << 0 << QPoint(50, 50) << 0;
    QTest::newRow("top left corner") << 120 << QPoint(0, 0) << -1;
    QTest::newRow("bottom right corner") << 120 << QPoint(200, 100) << -1;
    QTest::newRow("left of the grid") << 120 << QPoint(-1, 50) << 0;
    QTest::newRow("right of the grid") << 120 << QPoint(201, 50) << 0;
    QTest::newRow("above the grid") << 120 << QPoint(50, -1) << 0;
    QTest::newRow("below the grid") << 120 << QPoint(50, 101) << 0;
}

void TestOVUtilities::wheelRows() {
    QFETCH(int, angleDeltaY);
    QFETCH(QPoint, pos);
    QFETCH(int, rows);
    QCOMPARE(TOVUtilities::wheelRows(angleDeltaY, pos, QSize(200, 100)), rows);
}

void TestOVUtilities::dataDirectoryFromEnvironment() {
    QTemporaryDir temporary;
    const QString directory = temporary.path() + QStringLiteral("/nie-ma-jeszcze");
    qputenv("FLOTANOR_DATA_DIR", directory.toLocal8Bit());
    TOVUtilities utilities;
    utilities.setDataSubfolder(QStringLiteral("/Orvelin/Flotanor"));
    // The variable names the whole directory; the subfolder is not appended to it.
    QCOMPARE(utilities.dataDirectory(), directory);
    QCOMPARE(TOVUtilities::defaultDataDirectory(), directory);
    QVERIFY(!QDir(directory).exists());
}

void TestOVUtilities::dataDirectoryIsKept() {
    qputenv("FLOTANOR_DATA_DIR", "/tmp/flotanor-first");
    TOVUtilities utilities;
    QCOMPARE(utilities.dataDirectory(), QStringLiteral("/tmp/flotanor-first"));
    qputenv("FLOTANOR_DATA_DIR", "/tmp/flotanor-second");
    QCOMPARE(utilities.dataDirectory(), QStringLiteral("/tmp/flotanor-first"));
    // A new subfolder makes the object work the directory out again.
    utilities.setDataSubfolder(QStringLiteral("/Orvelin/Flotanor"));
    QCOMPARE(utilities.dataDirectory(), QStringLiteral("/tmp/flotanor-second"));
}

void TestOVUtilities::dataDirectoryWithoutEnvironment_data() {
    QTest::addColumn<bool>("setEmpty");
    QTest::newRow("unset") << false;
    QTest::newRow("set but empty") << true;
}

void TestOVUtilities::dataDirectoryWithoutEnvironment() {
    QFETCH(bool, setEmpty);
    if (setEmpty)
        qputenv("FLOTANOR_DATA_DIR", "");
    else
        qunsetenv("FLOTANOR_DATA_DIR");
    const QString generic = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    TOVUtilities utilities;
    utilities.setDataSubfolder(QStringLiteral("/Orvelin/Flotanor"));
    QCOMPARE(utilities.dataDirectory(), generic + QStringLiteral("/Orvelin/Flotanor"));
    QCOMPARE(TOVUtilities::defaultDataDirectory(), generic + QStringLiteral("/Orvelin/Flotanor"));
}

void TestOVUtilities::defaultDataDirectoryFollowsEnvironment() {
    qputenv("FLOTANOR_DATA_DIR", "/tmp/flotanor-a");
    QCOMPARE(TOVUtilities::defaultDataDirectory(), QStringLiteral("/tmp/flotanor-a"));
    qputenv("FLOTANOR_DATA_DIR", "/tmp/flotanor-b");
    QCOMPARE(TOVUtilities::defaultDataDirectory(), QStringLiteral("/tmp/flotanor-b"));
}

QTEST_GUILESS_MAIN(TestOVUtilities)
#include "tst_ovutilities.moc"
