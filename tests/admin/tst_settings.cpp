#include "admin/ConfigPP.h"
#include "support/CodePage.h"
#include "support/IniFile.h"

#include "TestDataDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <limits>
#include <variant>

namespace {

// Every key of [OPTIONS] with its default, as written in the file, and whether save writes
// it. The window size and the version are covered by their own tests as well.
struct Field {
    const char* key;
    std::variant<QString TconfigPP::*, bool TconfigPP::*, int TconfigPP::*> member;
    const char* defaultText;
    bool saved;
};

const Field kFields[] = {
    {"newsFileName", &TconfigPP::newsFileName, "", false},
    {"newsURL", &TconfigPP::newsURL, "https://www.flotanor.pl/download/files/", false},
    {"URLRaporty", &TconfigPP::URLRaporty, "https://www.flotanor.pl", false},
    {"URLOfertaRaporty", &TconfigPP::URLOfertaRaporty, "https://www.flotanor.pl", false},
    {"URLMain", &TconfigPP::URLMain, "https://www.flotanor.pl", false},
    {"Email", &TconfigPP::Email, "pomoc@flotanor.pl", false},
    {"firmaDir", &TconfigPP::firmaDir, "", true},
    {"pokazujPoradeDnia", &TconfigPP::pokazujPoradeDnia, "1", true},
    {"pytajPrzedZamknieciem", &TconfigPP::pytajPrzedZamknieciem, "1", true},
    {"pytajPrzedKasowaniem", &TconfigPP::pytajPrzedKasowaniem, "1", true},
    {"sprawdzajTerminy", &TconfigPP::sprawdzajTerminy, "1", true},
    {"sprawdzajPrzebieg", &TconfigPP::sprawdzajPrzebieg, "1", true},
    {"sprawdzajNotatki", &TconfigPP::sprawdzajNotatki, "1", true},
    {"dataWsteczna", &TconfigPP::dataWsteczna, "7", true},
    {"dataWstecznaMin", &TconfigPP::dataWstecznaMin, "0", true},
    {"cbOC", &TconfigPP::cbOC, "1", true},
    {"cbAC", &TconfigPP::cbAC, "1", true},
    {"cbPRZEG", &TconfigPP::cbPRZEG, "1", true},
    {"cbPRZEGW", &TconfigPP::cbPRZEGW, "1", true},
    {"cbKPALIWOWE", &TconfigPP::cbKPALIWOWE, "1", true},
    {"cbDOKUMENTY", &TconfigPP::cbDOKUMENTY, "1", true},
    {"cbWYPOSAZENIE", &TconfigPP::cbWYPOSAZENIE, "1", true},
    {"cbNAPRAWY", &TconfigPP::cbNAPRAWY, "1", true},
    {"cbTERMINARZ", &TconfigPP::cbTERMINARZ, "1", true},
    {"cbOPONY", &TconfigPP::cbOPONY, "1", true},
    {"cbRapZaakceptowal", &TconfigPP::cbRapZaakceptowal, "1", true},
    {"cbRapWystawil", &TconfigPP::cbRapWystawil, "1", true},
    {"cbRapData", &TconfigPP::cbRapData, "1", true},
    {"cbRapFirma", &TconfigPP::cbRapFirma, "1", true},
    {"cbLICZPRZEG", &TconfigPP::cbLICZPRZEG, "1", true},
    {"cbLICZGWAR", &TconfigPP::cbLICZGWAR, "1", true},
    {"cbLICZNAPR", &TconfigPP::cbLICZNAPR, "1", true},
    {"cbLICZWYPOS", &TconfigPP::cbLICZWYPOS, "1", true},
    {"cbLICZDOK", &TconfigPP::cbLICZDOK, "1", true},
    {"cbLICZTERM", &TconfigPP::cbLICZTERM, "1", true},
    {"cbLICZOPONY", &TconfigPP::cbLICZOPONY, "1", true},
    {"cbMAGAZYN", &TconfigPP::cbMAGAZYN, "1", true},
    {"kmOd", &TconfigPP::kmOd, "1000", true},
    {"kmDo", &TconfigPP::kmDo, "0", true},
    {"poleInneJestLiczba", &TconfigPP::poleInneJestLiczba, "0", true},
    {"RodzajKosztuRO", &TconfigPP::RodzajKosztuRO, "0", false},
    {"mainWinWidth", &TconfigPP::mainWinWidth, "-1", true},
    {"mainWinHeight", &TconfigPP::mainWinHeight, "-1", true},
};

const Field& field(const QString& key) {
    for (const Field& f : kFields) {
        if (key == QLatin1String(f.key))
            return f;
    }
    qFatal("no field %s", qPrintable(key));
}

// The field's value as the file writes it: texts as they are, flags 1/0, numbers.
QString fieldText(const TconfigPP& config, const Field& f) {
    if (auto text = std::get_if<QString TconfigPP::*>(&f.member))
        return config.**text;
    if (auto flag = std::get_if<bool TconfigPP::*>(&f.member))
        return (config.**flag) ? QStringLiteral("1") : QStringLiteral("0");
    return QString::number(config.*std::get<int TconfigPP::*>(f.member));
}

// A value other than the default, distinct for every field.
QString otherText(const Field& f, int index) {
    if (std::holds_alternative<QString TconfigPP::*>(f.member))
        return QStringLiteral("inna wartość %1").arg(index);
    if (std::holds_alternative<bool TconfigPP::*>(f.member))
        return QLatin1String(f.defaultText) == QLatin1String("1") ? QStringLiteral("0")
                                                                  : QStringLiteral("1");
    return QString::number(100 + 37 * index);
}

void setField(TconfigPP& config, const Field& f, const QString& text) {
    if (auto m = std::get_if<QString TconfigPP::*>(&f.member))
        config.** m = text;
    else if (auto m = std::get_if<bool TconfigPP::*>(&f.member))
        config.** m = text == QLatin1String("1");
    else
        config.*std::get<int TconfigPP::*>(f.member) = text.toInt();
}

// The key spelt in a case other than the program's, alternating between two spellings.
QString oddCase(const QString& key, int index) {
    return index % 2 == 0 ? key.toUpper() : key.toLower();
}

const QString kKeysSaved[] = {"PokazujPoradeDnia",
                              "pytajPrzedZamknieciem",
                              "pytajPrzedKasowaniem",
                              "sprawdzajNotatki",
                              "sprawdzajTerminy",
                              "dataWsteczna",
                              "dataWstecznaMin",
                              "firmaDir",
                              "cbOC",
                              "cbAC",
                              "cbPRZEG",
                              "cbPRZEGW",
                              "cbKPALIWOWE",
                              "cbDOKUMENTY",
                              "cbWYPOSAZENIE",
                              "cbNAPRAWY",
                              "cbTERMINARZ",
                              "cbOPONY",
                              "cbRapZaakceptowal",
                              "cbRapWystawil",
                              "cbRapData",
                              "cbRapFirma",
                              "poleInneJestLiczba",
                              "sprawdzajPrzebieg",
                              "cbLICZPRZEG",
                              "cbLICZGWAR",
                              "cbLICZNAPR",
                              "cbLICZWYPOS",
                              "cbLICZDOK",
                              "cbLICZTERM",
                              "cbLICZOPONY",
                              "cbMAGAZYN",
                              "kmOd",
                              "kmDo",
                              "mainWinWidth",
                              "mainWinHeight"};

const Ttool kTool2{QStringLiteral("Radozedova Zodeduded"), QStringLiteral("#"),
                   QStringLiteral("1.0"), QString()};

// A TOOLS section with tool 2 present, so that loading does not write it.
const QByteArray kToolsWithTool2 = "[TOOLS]\r\nname2=Kalkulator\r\ndir2=kalk\r\n";

}  // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void init();

    void defaultPaths();
    void defaults_data();
    void defaults();
    void missingFileGetsTool2AndTheVersion();
    void readsOtherValuesWhateverTheCaseOfKeys_data();
    void readsOtherValuesWhateverTheCaseOfKeys();
    void readsTheTools_data();
    void readsTheTools();
    void numbersAndFlags_data();
    void numbersAndFlags();
    void version_data();
    void version();
    void tool2_data();
    void tool2();
    void tool2IsWrittenOnce();
    void tool10_data();
    void tool10();

    void saveWritesExactlyTheseKeys();
    void saveLeavesHandEditedKeys_data();
    void saveLeavesHandEditedKeys();
    void roundTrip_data();
    void roundTrip();
    void saveKeepsTheRestOfTheFile();
    void saveFailsWhenTheFileCannotBeWritten();

    void reportListLoad_data();
    void reportListLoad();
    void reportListLoadReadsAtMost100_data();
    void reportListLoadReadsAtMost100();
    void reportListSave_data();
    void reportListSave();
    void reportListSaveWritesAtMost100();
    void reportListSaveOverwritesAndRoundTrips();
    void reportListSaveFailsWhenUnwritable();

private:
    QString writeFile(const QByteArray& bytes,
                      const QString& name = QStringLiteral("flotanor.ini"));
    static QByteArray readFile(const QString& path);
    QString settingsPath() const { return m_dir->filePath(QStringLiteral("flotanor.ini")); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

QString TestSettings::writeFile(const QByteArray& bytes, const QString& name) {
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray TestSettings::readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void TestSettings::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestSettings::defaultPaths() {
    TestDataDir data;
    QCOMPARE(SettingsFile::defaultPath(), data.path() + QStringLiteral("/flotanor.ini"));
    QCOMPARE(ReportList::defaultPath(),
             QCoreApplication::applicationDirPath() + QStringLiteral("/raporty.cfg"));
}

void TestSettings::defaults_data() {
    QTest::addColumn<QString>("key");
    for (const Field& f : kFields)
        QTest::newRow(f.key) << QString::fromLatin1(f.key);
}

void TestSettings::defaults() {
    QFETCH(QString, key);
    const Field& f = field(key);
    QCOMPARE(fieldText(TconfigPP{}, f), QString::fromLatin1(f.defaultText));
    // Also from a file that lacks the key, and from one that lacks the whole section.
    const QString path = writeFile("[OPTIONS]\r\nsomethingElse=5\r\n" + kToolsWithTool2);
    QCOMPARE(fieldText(SettingsFile(path).load(), f), QString::fromLatin1(f.defaultText));
    const QString missing = m_dir->filePath(QStringLiteral("missing.ini"));
    QCOMPARE(fieldText(SettingsFile(missing).load(), f), QString::fromLatin1(f.defaultText));
}

void TestSettings::missingFileGetsTool2AndTheVersion() {
    const QString path = m_dir->filePath(QStringLiteral("missing.ini"));
    const TconfigPP config = SettingsFile(path).load();

    // A new file records the current version.
    TconfigPP expected;
    expected.tools[2] = kTool2;
    QVERIFY(config == expected);
    QCOMPARE(config.version, QStringLiteral("2.0.1"));
    QCOMPARE(TconfigPP{}.version, QStringLiteral("2.0.1"));
    for (int i = 0; i < TconfigPP::toolCount; ++i) {
        if (i != 2)
            QVERIFY2(config.tools[i] == Ttool{}, qPrintable(QString::number(i)));
    }
    QCOMPARE(config.tools[2], kTool2);
    // The file now exists with the version and tool 2.
    const IniFile ini(path);
    QCOMPARE(ini.sections(), (QStringList{QStringLiteral("VERSION"), QStringLiteral("TOOLS")}));
}

void TestSettings::readsOtherValuesWhateverTheCaseOfKeys_data() {
    QTest::addColumn<QString>("key");
    for (const Field& f : kFields)
        QTest::newRow(f.key) << QString::fromLatin1(f.key);
}

void TestSettings::readsOtherValuesWhateverTheCaseOfKeys() {
    QFETCH(QString, key);
    QByteArray content = "[options]\r\n";
    int index = 0;
    for (const Field& f : kFields) {
        content +=
            (oddCase(QString::fromLatin1(f.key), index) + u'=' + otherText(f, index)).toUtf8() +
            "\r\n";
        ++index;
    }
    const QString path = writeFile(content + kToolsWithTool2);
    const TconfigPP config = SettingsFile(path).load();

    int position = 0;
    while (QLatin1String(kFields[position].key) != key)
        ++position;
    const Field& f = field(key);
    QCOMPARE(fieldText(config, f), otherText(f, position));
    QVERIFY(otherText(f, position) != QLatin1String(f.defaultText));
}

void TestSettings::readsTheTools_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < TconfigPP::toolCount; ++i)
        QTest::addRow("tool %d", i) << i;
}

void TestSettings::readsTheTools() {
    QFETCH(int, index);
    QString content = QStringLiteral("[Tools]\r\n");
    for (int i = 0; i < TconfigPP::toolCount; ++i) {
        content += QStringLiteral(
                       "NAME%1=Narzędzie %1\r\nDir%1=/opt/n%1\r\n"
                       "ver%1=%1.5\r\nREZ%1=wynik %1\r\n")
                       .arg(i);
    }
    const TconfigPP config = SettingsFile(writeFile(content.toUtf8())).load();
    const Ttool expected{QStringLiteral("Narzędzie %1").arg(index),
                         QStringLiteral("/opt/n%1").arg(index), QStringLiteral("%1.5").arg(index),
                         QStringLiteral("wynik %1").arg(index)};
    QCOMPARE(config.tools[index].name, expected.name);
    QCOMPARE(config.tools[index].dir, expected.dir);
    QCOMPARE(config.tools[index].ver, expected.ver);
    QCOMPARE(config.tools[index].rez, expected.rez);
}

void TestSettings::numbersAndFlags_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("width 1280, key upper case") << "mainWinWidth" << QByteArray("1280") << "1280";
    QTest::newRow("height negative") << "mainWinHeight" << QByteArray("-20") << "-20";
    QTest::newRow("width not a number") << "mainWinWidth" << QByteArray("szeroko") << "-1";
    QTest::newRow("height empty") << "mainWinHeight" << QByteArray("") << "-1";
    QTest::newRow("kmOd not a number") << "kmOd" << QByteArray("tysiąc") << "1000";
    QTest::newRow("kmDo not a number") << "kmDo" << QByteArray("x5") << "0";
    QTest::newRow("dataWsteczna not a number") << "dataWsteczna" << QByteArray("tydzień") << "7";
    QTest::newRow("dataWstecznaMin number") << "dataWstecznaMin" << QByteArray("3") << "3";
    QTest::newRow("flag not a number keeps true") << "cbOC" << QByteArray("tak") << "1";
    QTest::newRow("flag not a number keeps false")
        << "poleInneJestLiczba" << QByteArray("tak") << "0";
    QTest::newRow("flag 0") << "sprawdzajNotatki" << QByteArray("0") << "0";
    QTest::newRow("flag 2 is true") << "RodzajKosztuRO" << QByteArray("2") << "1";
    QTest::newRow("flag -1 is true") << "poleInneJestLiczba" << QByteArray("-1") << "1";
}

void TestSettings::numbersAndFlags() {
    QFETCH(QString, key);
    QFETCH(QByteArray, value);
    QFETCH(QString, expected);
    const QString path = writeFile("[OPTIONS]\r\n" + key.toUpper().toLatin1() + "=" + value +
                                   "\r\n" + kToolsWithTool2);
    QCOMPARE(fieldText(SettingsFile(path).load(), field(key)), expected);
}

void TestSettings::version_data() {
    QTest::addColumn<QByteArray>("section");  // empty: no VERSION section
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<bool>("rewritten");

    QTest::newRow("older version") << QByteArray("[VERSION]\r\nmain=1.9.4\r\n") << "2.0.1" << true;
    QTest::newRow("newer version") << QByteArray("[VERSION]\r\nmain=2.1\r\n") << "2.0.1" << true;
    QTest::newRow("close but not equal")
        << QByteArray("[VERSION]\r\nmain=2.0.1a\r\n") << "2.0.1" << true;
    QTest::newRow("empty value") << QByteArray("[VERSION]\r\nmain=\r\n") << "2.0.1" << true;
    QTest::newRow("current, names in other case")
        << QByteArray("[version]\r\nMAIN=2.0.1\r\n") << "2.0.1" << false;
    QTest::newRow("no key") << QByteArray("[VERSION]\r\nother=1\r\n") << "2.0.1" << true;
    QTest::newRow("no section") << QByteArray() << "2.0.1" << true;
}

void TestSettings::version() {
    QFETCH(QByteArray, section);
    QFETCH(QString, loaded);
    QFETCH(bool, rewritten);
    const QByteArray before = kToolsWithTool2 + section;
    const QString path = writeFile(before);

    QCOMPARE(SettingsFile(path).load().version, loaded);
    QCOMPARE(readFile(path) != before, rewritten);
    if (rewritten) {
        QCOMPARE(IniFile(path).readString(QStringLiteral("VERSION"), QStringLiteral("main")),
                 QStringLiteral("2.0.1"));
        // The next load finds nothing to rewrite.
        const QByteArray after = readFile(path);
        QCOMPARE(SettingsFile(path).load().version, QStringLiteral("2.0.1"));
        QCOMPARE(readFile(path), after);
    }
}

void TestSettings::tool2_data() {
    QTest::addColumn<QByteArray>("tools");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("ver");
    QTest::addColumn<QString>("rez");
    QTest::addColumn<bool>("written");

    QTest::newRow("no key") << QByteArray("[TOOLS]\r\nname1=Inny\r\n") << "Radozedova Zodeduded"
                            << "#"
                            << "1.0" << QString() << true;
    QTest::newRow("empty name replaces the other fields")
        << QByteArray("[TOOLS]\r\nname2=\r\ndir2=/opt/x\r\nver2=9\r\nrez2=r\r\n")
        << "Radozedova Zodeduded"
        << "#"
        << "1.0" << QString() << true;
    QTest::newRow("own tool 2 kept")
        << QByteArray("[TOOLS]\r\nNAME2=Kalkulator\r\nDIR2=/opt/kalk\r\nVER2=3\r\nREZ2=wynik\r\n")
        << "Kalkulator"
        << "/opt/kalk"
        << "3"
        << "wynik" << false;
}

void TestSettings::tool2() {
    QFETCH(QByteArray, tools);
    QFETCH(QString, name);
    QFETCH(QString, dir);
    QFETCH(QString, ver);
    QFETCH(QString, rez);
    QFETCH(bool, written);
    const QByteArray before = "[VERSION]\r\nmain=2.0.1\r\n" + tools;
    const QString path = writeFile(before);

    const TconfigPP config = SettingsFile(path).load();
    QCOMPARE(config.tools[2].name, name);
    QCOMPARE(config.tools[2].dir, dir);
    QCOMPARE(config.tools[2].ver, ver);
    QCOMPARE(config.tools[2].rez, rez);
    QCOMPARE(readFile(path) != before, written);
    // What load returned is what the file now holds.
    const IniFile ini(path);
    const QString t = QStringLiteral("TOOLS");
    QCOMPARE(ini.readString(t, QStringLiteral("name2")), name);
    QCOMPARE(ini.readString(t, QStringLiteral("dir2")), dir);
    QCOMPARE(ini.readString(t, QStringLiteral("ver2")), ver);
    QCOMPARE(ini.readString(t, QStringLiteral("rez2")), rez);
}

void TestSettings::tool2IsWrittenOnce() {
    const QString path = writeFile("[TOOLS]\r\nname1=Inny\r\n[VERSION]\r\nmain=2.0.1\r\n");
    SettingsFile settings(path);
    QCOMPARE(settings.load().tools[2], kTool2);

    // Written in the order dir, name, rez, ver after the last key of the section.
    const QList<QByteArray> lines = readFile(path).split('\n');
    const QList<QByteArray> expectedStart = {"[TOOLS]\r", "name1=Inny\r",
                                             "dir2=#\r",  "name2=Radozedova Zodeduded\r",
                                             "rez2=\r",   "ver2=1.0\r"};
    QCOMPARE(lines.mid(0, expectedStart.size()), expectedStart);

    const QByteArray afterFirst = readFile(path);
    QCOMPARE(settings.load().tools[2], kTool2);
    QCOMPARE(readFile(path), afterFirst);

    // A name the user gives tool 2 is kept.
    QVERIFY(IniFile(path).writeString(QStringLiteral("TOOLS"), QStringLiteral("name2"),
                                      QStringLiteral("Mój program")));
    QCOMPARE(settings.load().tools[2].name, QStringLiteral("Mój program"));
    QCOMPARE(settings.load().tools[2].dir, QStringLiteral("#"));
}

void TestSettings::tool10_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("written");

    QTest::newRow("damaged name") << QByteArray("name10=dir10=") << QString() << true;
    QTest::newRow("damaged name, key in other case")
        << QByteArray("NAME10 = dir10=") << QString() << true;
    QTest::newRow("other case of the value is kept")
        << QByteArray("name10=DIR10=") << "DIR10=" << false;
    QTest::newRow("longer value is kept") << QByteArray("name10=dir10=x") << "dir10=x" << false;
    QTest::newRow("ordinary name") << QByteArray("name10=Notatnik") << "Notatnik" << false;
}

void TestSettings::tool10() {
    QFETCH(QByteArray, line);
    QFETCH(QString, name);
    QFETCH(bool, written);
    const QByteArray before = kToolsWithTool2 + line + "\r\n[VERSION]\r\nmain=2.0.1\r\n";
    const QString path = writeFile(before);

    QCOMPARE(SettingsFile(path).load().tools[10].name, name);
    QCOMPARE(readFile(path) != before, written);
    QCOMPARE(IniFile(path).readString(QStringLiteral("TOOLS"), QStringLiteral("name10")), name);
    QCOMPARE(SettingsFile(path).load().tools[10].name, name);
}

void TestSettings::saveWritesExactlyTheseKeys() {
    const QString path = settingsPath();
    TconfigPP config;
    config.newsURL = QStringLiteral("https://gdzie.indziej/");
    config.tools[4].name = QStringLiteral("nie zapisywane");
    config.version = QStringLiteral("9.9");
    QVERIFY(SettingsFile(path).save(config));

    const IniFile ini(path);
    QCOMPARE(ini.sections(), QStringList{QStringLiteral("OPTIONS")});
    QStringList expected;
    for (const QString& key : kKeysSaved)
        expected << key;
    QCOMPARE(ini.keys(QStringLiteral("OPTIONS")), expected);
    // Exactly one line per key: the header, 36 keys and nothing else.
    QCOMPARE(readFile(path).count("\r\n"), 37);
}

void TestSettings::saveLeavesHandEditedKeys_data() {
    QTest::addColumn<QString>("key");
    for (const Field& f : kFields) {
        if (!f.saved)
            QTest::newRow(f.key) << QString::fromLatin1(f.key);
    }
}

void TestSettings::saveLeavesHandEditedKeys() {
    QFETCH(QString, key);
    const Field& f = field(key);
    const QString handEdited = std::holds_alternative<QString TconfigPP::*>(f.member)
                                   ? QStringLiteral("https://ręcznie.example/")
                                   : otherText(f, 0);
    const QString path =
        writeFile(("[OPTIONS]\r\n" + key + u'=' + handEdited + "\r\n").toUtf8() + kToolsWithTool2);
    SettingsFile settings(path);
    TconfigPP config = settings.load();
    QCOMPARE(fieldText(config, f), handEdited);

    setField(config, f, QString::fromLatin1(f.defaultText));
    QVERIFY(settings.save(config));
    QCOMPARE(IniFile(path).readString(QStringLiteral("OPTIONS"), key), handEdited);
    QCOMPARE(fieldText(settings.load(), f), handEdited);
}

void TestSettings::roundTrip_data() {
    QTest::addColumn<QString>("values");
    QTest::newRow("other values") << "other";
    QTest::newRow("defaults over a file of other values") << "defaults";
    QTest::newRow("extreme numbers") << "extreme";
}

void TestSettings::roundTrip() {
    QFETCH(QString, values);
    // Every saved field other than its default at once, so that no key overwrites another.
    TconfigPP config;
    if (values != QLatin1String("defaults")) {
        int index = 0;
        for (const Field& f : kFields) {
            if (f.saved)
                setField(config, f, otherText(f, index));
            ++index;
        }
        config.firmaDir = QStringLiteral("/srv/firmy/Łódź");
    }
    if (values == QLatin1String("extreme")) {
        config.kmOd = std::numeric_limits<int>::max();
        config.kmDo = std::numeric_limits<int>::min();
        config.dataWsteczna = -3;
        config.mainWinWidth = 0;
    }
    // A file holding the opposite values, so that each key is truly written.
    QByteArray content = "[OPTIONS]\r\n";
    int index = 0;
    for (const Field& f : kFields) {
        if (f.saved && fieldText(config, f) == QLatin1String(f.defaultText))
            content += (QString::fromLatin1(f.key) + u'=' + otherText(f, index) + "\r\n").toUtf8();
        ++index;
    }
    const QString path = writeFile(content + kToolsWithTool2);
    SettingsFile settings(path);
    QVERIFY(settings.save(config));

    const TconfigPP loaded = settings.load();
    for (const Field& f : kFields) {
        if (f.saved)
            QVERIFY2(fieldText(loaded, f) == fieldText(config, f), f.key);
    }
}

void TestSettings::saveKeepsTheRestOfTheFile() {
    const QByteArray before =
        "; ustawienia programu\r\n"
        "[VERSION]\r\n"
        "main=2.0.1\r\n"
        "\r\n"
        "[Options]\r\n"
        "; okno\r\n"
        "MAINWINWIDTH=800\r\n"
        "URLMain=https://lokalnie/\r\n"
        "\r\n"
        "[TOOLS]\r\n"
        "name2=Kalkulator\r\n"
        "[Inne]\r\n"
        "klucz=wartość\r\n";
    const QString path = writeFile(before);
    SettingsFile settings(path);
    TconfigPP config = settings.load();
    QCOMPARE(config.mainWinWidth, 800);
    config.mainWinWidth = 1280;
    QVERIFY(settings.save(config));

    const QString after = QString::fromUtf8(readFile(path));
    const QStringList lines = after.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.mid(0, 7), (QStringList{"; ustawienia programu", "[VERSION]", "main=2.0.1", "",
                                           "[Options]", "; okno", "MAINWINWIDTH=1280"}));
    QVERIFY(after.contains(QStringLiteral("URLMain=https://lokalnie/\r\n")));
    QVERIFY(
        after.endsWith(QStringLiteral("\r\n[TOOLS]\r\nname2=Kalkulator\r\n[Inne]\r\n"
                                      "klucz=wartość\r\n")));
    QCOMPARE(after.count(QStringLiteral("mainwinwidth"), Qt::CaseInsensitive), 1);
    QCOMPARE(after.count(QStringLiteral("["), Qt::CaseInsensitive), 4);
    QCOMPARE(settings.load().mainWinWidth, 1280);
}

void TestSettings::saveFailsWhenTheFileCannotBeWritten() {
    // A regular file where the directory should be: no user, not even root, can write there.
    const QString blocker = writeFile("plik", QStringLiteral("blokada"));
    QVERIFY(!SettingsFile(blocker + QStringLiteral("/flotanor.ini")).save(TconfigPP{}));
    QCOMPARE(readFile(blocker), QByteArray("plik"));
}

using Entries = QList<ReportEntry>;

void TestSettings::reportListLoad_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<Entries>("expected");

    QTest::newRow("trimmed at the comma")
        << QByteArray("  koszty.rtf  ,  Koszty pojazdu  \r\npaliwo.rtf,Paliwo\r\n")
        << Entries{{"Koszty pojazdu", "koszty.rtf"}, {"Paliwo", "paliwo.rtf"}};
    QTest::newRow("further commas belong to the name")
        << QByteArray("zest.rtf , Zestawienie, netto, brutto\r\n")
        << Entries{{"Zestawienie, netto, brutto", "zest.rtf"}};
    QTest::newRow("empty name") << QByteArray("a.rtf,\r\n") << Entries{{"", "a.rtf"}};
    QTest::newRow("line without a comma ends the list")
        << QByteArray("a.rtf,A\r\nTylko nazwa\r\nb.rtf,B\r\n") << Entries{{"A", "a.rtf"}};
    QTest::newRow("empty file name ends the list")
        << QByteArray("a.rtf,A\r\n   , B\r\nc.rtf,C\r\n") << Entries{{"A", "a.rtf"}};
    QTest::newRow("empty line ends the list")
        << QByteArray("a.rtf,A\r\n\r\nc.rtf,C\r\n") << Entries{{"A", "a.rtf"}};
    QTest::newRow("first line without a file") << QByteArray(",A\r\nb.rtf,B\r\n") << Entries{};
    QTest::newRow("LF and CR line ends") << QByteArray("a.rtf,A\nb.rtf,B\rc.rtf,C")
                                         << Entries{{"A", "a.rtf"}, {"B", "b.rtf"}, {"C", "c.rtf"}};
    QTest::newRow("Windows-1250") << QByteArray(
                                         "\xbf\xf3\xb3w.rtf , Raport \xa3\xf3"
                                         "d\x9f\r\n")
                                  << Entries{{QStringLiteral("Raport Łódź"),
                                              QStringLiteral("żółw.rtf")}};
    QTest::newRow("UTF-8 with BOM")
        << QByteArray("\xEF\xBB\xBF") + QStringLiteral("żółw.rtf , Raport Łódź\r\n").toUtf8()
        << Entries{{QStringLiteral("Raport Łódź"), QStringLiteral("żółw.rtf")}};
    QTest::newRow("empty file") << QByteArray() << Entries{};
}

void TestSettings::reportListLoad() {
    QFETCH(QByteArray, content);
    QFETCH(Entries, expected);
    const Entries loaded = ReportList::load(writeFile(content, QStringLiteral("raporty.cfg")));
    QCOMPARE(loaded.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QCOMPARE(loaded[i].file, expected[i].file);
        QCOMPARE(loaded[i].name, expected[i].name);
    }
    QVERIFY(ReportList::load(m_dir->filePath(QStringLiteral("brak.cfg"))).isEmpty());
}

void TestSettings::reportListLoadReadsAtMost100_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("expected");
    QTest::newRow("99") << 99 << 99;
    QTest::newRow("100") << 100 << 100;
    QTest::newRow("101") << 101 << 100;
    QTest::newRow("250") << 250 << 100;
}

void TestSettings::reportListLoadReadsAtMost100() {
    QFETCH(int, lines);
    QFETCH(int, expected);
    QByteArray content;
    for (int i = 0; i < lines; ++i)
        content += QByteArray::number(i) + ".rtf,Raport " + QByteArray::number(i) + "\r\n";
    const Entries loaded = ReportList::load(writeFile(content, QStringLiteral("raporty.cfg")));
    QCOMPARE(loaded.size(), expected);
    QCOMPARE(loaded.first().file, QStringLiteral("0.rtf"));
    QCOMPARE(loaded.last().name, QStringLiteral("Raport %1").arg(expected - 1));
}

void TestSettings::reportListSave_data() {
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("trimmed, CR LF")
        << Entries{{"  Koszty ", " koszty.rtf "}, {"Paliwo", "paliwo.rtf"}}
        << QByteArray("koszty.rtf , Koszty\r\npaliwo.rtf , Paliwo\r\n");
    QTest::newRow("stops at the first blank file name")
        << Entries{{"A", "a.rtf"}, {"B", "   "}, {"C", "c.rtf"}} << QByteArray("a.rtf , A\r\n");
    QTest::newRow("stops at an empty first file name")
        << Entries{{"A", ""}, {"B", "b.rtf"}} << QByteArray();
    QTest::newRow("empty list") << Entries{} << QByteArray();
    QTest::newRow("Polish letters in UTF-8")
        << Entries{{QStringLiteral("Łódź"), QStringLiteral("żółw.rtf")}}
        << QStringLiteral("żółw.rtf , Łódź\r\n").toUtf8();
    QTest::newRow("a line break cannot split the line")
        << Entries{{"Dwa\r\nwiersze", "a.rtf"}} << QByteArray("a.rtf , Dwa  wiersze\r\n");
}

void TestSettings::reportListSave() {
    QFETCH(Entries, entries);
    QFETCH(QByteArray, expected);
    const QString path = m_dir->filePath(QStringLiteral("raporty.cfg"));
    QVERIFY(ReportList::save(path, entries));
    QCOMPARE(readFile(path), expected);
    QVERIFY(QFileInfo::exists(path));
}

void TestSettings::reportListSaveWritesAtMost100() {
    Entries entries;
    for (int i = 0; i < 130; ++i)
        entries.append({QStringLiteral("Raport %1").arg(i), QStringLiteral("%1.rtf").arg(i)});
    const QString path = m_dir->filePath(QStringLiteral("raporty.cfg"));
    QVERIFY(ReportList::save(path, entries));
    const QByteArray bytes = readFile(path);
    QCOMPARE(bytes.count("\r\n"), 100);
    QVERIFY(bytes.endsWith("99.rtf , Raport 99\r\n"));
    QCOMPARE(ReportList::load(path), entries.mid(0, 100));
}

void TestSettings::reportListSaveOverwritesAndRoundTrips() {
    const QString path = writeFile(QByteArray(5000, 'x'), QStringLiteral("raporty.cfg"));
    const Entries entries{{QStringLiteral("Koszty, netto"), QStringLiteral("koszty.rtf")},
                          {QStringLiteral("Przebiegi"), QStringLiteral("/srv/r/przebiegi.rtf")}};
    QVERIFY(ReportList::save(path, entries));
    QCOMPARE(readFile(path),
             QByteArray("koszty.rtf , Koszty, netto\r\n/srv/r/przebiegi.rtf , Przebiegi\r\n"));
    QCOMPARE(ReportList::load(path), entries);
}

void TestSettings::reportListSaveFailsWhenUnwritable() {
    const QString blocker = writeFile("plik", QStringLiteral("blokada"));
    QVERIFY(!ReportList::save(blocker + QStringLiteral("/raporty.cfg"), {{"A", "a.rtf"}}));
    QCOMPARE(readFile(blocker), QByteArray("plik"));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
