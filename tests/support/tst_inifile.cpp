#include "support/CodePage.h"
#include "support/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestIniFile : public QObject {
    Q_OBJECT

private slots:
    void init();

    void readString_data();
    void readString();
    void readInteger_data();
    void readInteger();
    void readBool_data();
    void readBool();
    void missingFile();
    void listsSectionsAndKeys();

    void replacesAValueInPlace();
    void newKeyPlacement_data();
    void newKeyPlacement();
    void newSectionGoesAtTheEnd_data();
    void newSectionGoesAtTheEnd();
    void writesANewFileInUtf8();
    void createsTheParentDirectory();
    void failsWhenTheFileCannotBeWritten();
    void rejectsWhatTheFormatCannotHold_data();
    void rejectsWhatTheFormatCannotHold();
    void windows1250FileStaysWindows1250();
    void utf8FileKeepsItsBom();
    void lineEndsBecomeCrLf();

    void eraseKey();
    void eraseSection();
    void erasingNothingLeavesTheFileAlone();

private:
    QString writeFile(const QByteArray& bytes);
    static QByteArray readFile(const QString& path);

    std::unique_ptr<QTemporaryDir> m_dir;
};

QString TestIniFile::writeFile(const QByteArray& bytes) {
    const QString path = m_dir->filePath(QStringLiteral("flotanor.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray TestIniFile::readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void TestIniFile::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestIniFile::readString_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");  // "<default>" when the default comes back

    QTest::newRow("names in other case") << QByteArray("[Baza]\r\nSciezka=/srv/flota\r\n") << "BAZA"
                                         << "sCIEZKA"
                                         << "/srv/flota";
    QTest::newRow("Polish names in other case")
        << QStringLiteral("[Łódź]\r\nŻuraw=1\r\n").toUtf8() << QStringLiteral("ŁÓDŹ")
        << QStringLiteral("żURAW") << "1";
    QTest::newRow("blanks around names and value")
        << QByteArray("  [ Baza ]  \r\n   Nazwa   =   Flota  firmy  \r\n") << "Baza"
        << "Nazwa"
        << "Flota  firmy";
    QTest::newRow("value after the first '='") << QByteArray("[A]\r\nwzor=a=b=c\r\n") << "A"
                                               << "wzor"
                                               << "a=b=c";
    QTest::newRow("quotes are kept") << QByteArray("[A]\r\nk=\"  x  \"\r\n") << "A"
                                     << "k"
                                     << "\"  x  \"";
    QTest::newRow("semicolon inside a value is kept") << QByteArray("[A]\r\nk=a ; b\r\n") << "A"
                                                      << "k"
                                                      << "a ; b";
    QTest::newRow("empty value is not the default") << QByteArray("[A]\r\nk=\r\n") << "A"
                                                    << "k"
                                                    << "";
    QTest::newRow("first of two keys") << QByteArray("[A]\r\nk=1\r\nK=2\r\n") << "A"
                                       << "k"
                                       << "1";
    QTest::newRow("first of two sections")
        << QByteArray("[A]\r\nk=1\r\n[B]\r\nk=3\r\n[a]\r\nk=2\r\nj=5\r\n") << "A"
        << "k"
        << "1";
    QTest::newRow("later section of the same name is not read")
        << QByteArray("[A]\r\nk=1\r\n[a]\r\nj=5\r\n") << "A"
        << "j"
        << "<default>";
    QTest::newRow("comment line") << QByteArray("[A]\r\n;k=1\r\nk=2\r\n") << "A"
                                  << "k"
                                  << "2";
    QTest::newRow("indented comment line") << QByteArray("[A]\r\n   ;k=1\r\nk=2\r\n") << "A"
                                           << "k"
                                           << "2";
    QTest::newRow("commented section header") << QByteArray(";[A]\r\nk=1\r\n") << "A"
                                              << "k"
                                              << "<default>";
    QTest::newRow("line without '='") << QByteArray("[A]\r\nk\r\nk=7\r\n") << "A"
                                      << "k"
                                      << "7";
    QTest::newRow("key of another section") << QByteArray("[A]\r\nx=1\r\n[B]\r\ny=2\r\n") << "A"
                                            << "y"
                                            << "<default>";
    QTest::newRow("key before any section") << QByteArray("k=0\r\n[A]\r\nx=1\r\n") << "A"
                                            << "k"
                                            << "<default>";
    QTest::newRow("missing section") << QByteArray("[A]\r\nk=1\r\n") << "B"
                                     << "k"
                                     << "<default>";
    QTest::newRow("missing key") << QByteArray("[A]\r\nk=1\r\n") << "A"
                                 << "j"
                                 << "<default>";
    QTest::newRow("key name is not a prefix") << QByteArray("[A]\r\nkey=1\r\n") << "A"
                                              << "ke"
                                              << "<default>";
    QTest::newRow("LF line ends") << QByteArray("[A]\nk=1\nj=2") << "A"
                                  << "j"
                                  << "2";
    QTest::newRow("no line end at the end") << QByteArray("[A]\r\nk=ostatni") << "A"
                                            << "k"
                                            << "ostatni";
    QTest::newRow("Windows-1250 value") << QByteArray("[Pojazd]\r\nMarka=\xAFuk\r\n") << "Pojazd"
                                        << "Marka"
                                        << "Żuk";
    QTest::newRow("UTF-8 value with BOM")
        << QByteArray("\xEF\xBB\xBF[Pojazd]\r\nMarka=\xC5\xBBuk\r\n") << "Pojazd"
        << "Marka"
        << "Żuk";
}

void TestIniFile::readString() {
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const IniFile ini(writeFile(content));
    QCOMPARE(ini.readString(section, key, QStringLiteral("<default>")), value);
}

void TestIniFile::readInteger_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("number");
    QTest::newRow("plain") << "42" << 42;
    QTest::newRow("negative") << "-7" << -7;
    QTest::newRow("plus sign") << "+5" << 5;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("digits then text") << "12 km" << 12;
    QTest::newRow("decimal") << "3.9" << 3;
    QTest::newRow("hexadecimal is read as decimal") << "0x10" << 0;
    QTest::newRow("text") << "dużo" << -99;
    QTest::newRow("empty") << "" << -99;
    QTest::newRow("sign alone") << "-" << -99;
    QTest::newRow("sign then blank") << "- 3" << -99;
    QTest::newRow("largest int") << "2147483647" << 2147483647;
    QTest::newRow("smallest int") << "-2147483648" << int(-2147483647 - 1);
    QTest::newRow("too large") << "99999999999999999999" << 2147483647;
    QTest::newRow("too small") << "-99999999999" << int(-2147483647 - 1);
}

void TestIniFile::readInteger() {
    QFETCH(QString, value);
    QFETCH(int, number);
    const IniFile ini(writeFile(QStringLiteral("[A]\r\nn=%1\r\n").arg(value).toUtf8()));
    QCOMPARE(ini.readInteger(QStringLiteral("a"), QStringLiteral("N"), -99), number);
    QCOMPARE(ini.readInteger(QStringLiteral("a"), QStringLiteral("missing"), -99), -99);
}

void TestIniFile::readBool_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("defaultValue");
    QTest::addColumn<bool>("result");
    QTest::newRow("1") << "1" << false << true;
    QTest::newRow("0") << "0" << true << false;
    QTest::newRow("2") << "2" << false << true;
    QTest::newRow("-1") << "-1" << false << true;
    QTest::newRow("0 then text") << "0 nie" << true << false;
    QTest::newRow("word, default true") << "tak" << true << true;
    QTest::newRow("word, default false") << "tak" << false << false;
    QTest::newRow("empty, default true") << "" << true << true;
}

void TestIniFile::readBool() {
    QFETCH(QString, value);
    QFETCH(bool, defaultValue);
    QFETCH(bool, result);
    const IniFile ini(writeFile(QStringLiteral("[A]\r\nb=%1\r\n").arg(value).toUtf8()));
    QCOMPARE(ini.readBool(QStringLiteral("A"), QStringLiteral("b"), defaultValue), result);
}

void TestIniFile::missingFile() {
    const QString path = m_dir->filePath(QStringLiteral("brak.ini"));
    const IniFile ini(path);
    QCOMPARE(ini.readString(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("d")),
             QStringLiteral("d"));
    QCOMPARE(ini.readInteger(QStringLiteral("A"), QStringLiteral("k"), 17), 17);
    QCOMPARE(ini.readBool(QStringLiteral("A"), QStringLiteral("k"), true), true);
    QVERIFY(ini.sections().isEmpty());
    QVERIFY(ini.keys(QStringLiteral("A")).isEmpty());
    QVERIFY(!QFileInfo::exists(path));
}

void TestIniFile::listsSectionsAndKeys() {
    const IniFile ini(writeFile(
        "; ustawienia\r\nx=0\r\n[Baza]\r\nSciezka=a\r\n;Haslo=b\r\nsciezka=c\r\nUzytkownik=d\r\n"
        "bez znaku rownosci\r\n[Okno]\r\nSzerokosc=800\r\n[BAZA]\r\nPort=5432\r\n"));
    QCOMPARE(ini.sections(), (QStringList{QStringLiteral("Baza"), QStringLiteral("Okno")}));
    // Only the first section of a name counts, and each key once, as first spelt.
    QCOMPARE(ini.keys(QStringLiteral("baza")),
             (QStringList{QStringLiteral("Sciezka"), QStringLiteral("Uzytkownik")}));
    QCOMPARE(ini.keys(QStringLiteral("OKNO")), QStringList{QStringLiteral("Szerokosc")});
    QVERIFY(ini.keys(QStringLiteral("Druk")).isEmpty());
}

void TestIniFile::replacesAValueInPlace() {
    const QByteArray before =
        "; Flotanor\r\n[Baza]\r\n  SciEzka = /stara  \r\nPort=5432\r\n\r\n"
        "; okno\r\n[Okno]\r\nSciezka=inna\r\n";
    IniFile ini(writeFile(before));
    QVERIFY(ini.writeString(QStringLiteral("BAZA"), QStringLiteral("sciezka"),
                            QStringLiteral("/srv/nowa")));
    // The name keeps its spelling and indentation; every other byte stays.
    const QByteArray after =
        "; Flotanor\r\n[Baza]\r\n  SciEzka=/srv/nowa\r\nPort=5432\r\n\r\n"
        "; okno\r\n[Okno]\r\nSciezka=inna\r\n";
    QCOMPARE(readFile(ini.path()), after);
    QCOMPARE(ini.readString(QStringLiteral("Baza"), QStringLiteral("Sciezka")),
             QStringLiteral("/srv/nowa"));
    QCOMPARE(ini.readString(QStringLiteral("Okno"), QStringLiteral("Sciezka")),
             QStringLiteral("inna"));
}

void TestIniFile::newKeyPlacement_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("after the last key, before blank line and comment")
        << QByteArray("[A]\r\na=1\r\n; o b\r\nb=2\r\n\r\n; o B\r\n[B]\r\nc=3\r\n") << "a"
        << QByteArray("[A]\r\na=1\r\n; o b\r\nb=2\r\nnowy=x\r\n\r\n; o B\r\n[B]\r\nc=3\r\n");
    QTest::newRow("section without keys: right after its header")
        << QByteArray("[A]\r\n; pusta\r\n\r\n[B]\r\nc=3\r\n") << "A"
        << QByteArray("[A]\r\nnowy=x\r\n; pusta\r\n\r\n[B]\r\nc=3\r\n");
    QTest::newRow("last section of the file")
        << QByteArray("[A]\r\na=1\r\n[B]\r\nc=3\r\n; koniec\r\n") << "B"
        << QByteArray("[A]\r\na=1\r\n[B]\r\nc=3\r\nnowy=x\r\n; koniec\r\n");
    QTest::newRow("first of two sections of the name")
        << QByteArray("[A]\r\na=1\r\n[a]\r\nb=2\r\n") << "A"
        << QByteArray("[A]\r\na=1\r\nnowy=x\r\n[a]\r\nb=2\r\n");
    QTest::newRow("a commented-out key is not the key")
        << QByteArray("[A]\r\n;nowy=stary\r\n") << "A"
        << QByteArray("[A]\r\nnowy=x\r\n;nowy=stary\r\n");
}

void TestIniFile::newKeyPlacement() {
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QByteArray, after);
    IniFile ini(writeFile(before));
    QVERIFY(ini.writeString(section, QStringLiteral("nowy"), QStringLiteral("x")));
    QCOMPARE(readFile(ini.path()), after);
    QCOMPARE(ini.readString(section, QStringLiteral("NOWY")), QStringLiteral("x"));
}

void TestIniFile::newSectionGoesAtTheEnd_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("after a key line") << QByteArray("; c\r\n[A]\r\na=1\r\n")
                                      << QByteArray("; c\r\n[A]\r\na=1\r\n\r\n[Nowa]\r\nk=v\r\n");
    QTest::newRow("file ends with a blank line")
        << QByteArray("[A]\r\na=1\r\n\r\n") << QByteArray("[A]\r\na=1\r\n\r\n[Nowa]\r\nk=v\r\n");
    QTest::newRow("empty file") << QByteArray() << QByteArray("[Nowa]\r\nk=v\r\n");
    QTest::newRow("only a commented header")
        << QByteArray(";[Nowa]\r\n") << QByteArray(";[Nowa]\r\n\r\n[Nowa]\r\nk=v\r\n");
}

void TestIniFile::newSectionGoesAtTheEnd() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    IniFile ini(writeFile(before));
    QVERIFY(ini.writeString(QStringLiteral("Nowa"), QStringLiteral("k"), QStringLiteral("v")));
    QCOMPARE(readFile(ini.path()), after);
}

void TestIniFile::writesANewFileInUtf8() {
    const QString path = m_dir->filePath(QStringLiteral("nowy.ini"));
    IniFile ini(path);
    QVERIFY(
        ini.writeString(QStringLiteral("Pojazd"), QStringLiteral("Marka"), QStringLiteral("Żuk")));
    QVERIFY(ini.writeInteger(QStringLiteral("Pojazd"), QStringLiteral("Przebieg"), -15));
    QCOMPARE(readFile(path), QByteArray("[Pojazd]\r\nMarka=\xC5\xBBuk\r\nPrzebieg=-15\r\n"));
    QCOMPARE(ini.readString(QStringLiteral("pojazd"), QStringLiteral("marka")),
             QStringLiteral("Żuk"));
    QCOMPARE(ini.readInteger(QStringLiteral("pojazd"), QStringLiteral("przebieg"), 0), -15);
}

void TestIniFile::createsTheParentDirectory() {
    const QString path = m_dir->filePath(QStringLiteral("Orvelin/Flotanor/flotanor.ini"));
    IniFile ini(path);
    QVERIFY(ini.writeInteger(QStringLiteral("Okno"), QStringLiteral("Szerokosc"), 800));
    QCOMPARE(readFile(path), QByteArray("[Okno]\r\nSzerokosc=800\r\n"));
}

void TestIniFile::failsWhenTheFileCannotBeWritten() {
    // The parent "directory" is a regular file, whoever runs the test.
    const QString blocker = writeFile("to nie katalog");
    IniFile ini(blocker + QStringLiteral("/flotanor.ini"));
    QVERIFY(!ini.writeString(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("v")));
    QCOMPARE(readFile(blocker), QByteArray("to nie katalog"));

    // A directory where the file should be.
    IniFile directory(m_dir->path());
    QVERIFY(!directory.writeString(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("v")));
}

void TestIniFile::rejectsWhatTheFormatCannotHold_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("empty section") << ""
                                   << "k"
                                   << "v";
    QTest::newRow("blank section") << "  "
                                   << "k"
                                   << "v";
    QTest::newRow("empty key") << "A"
                               << ""
                               << "v";
    QTest::newRow("'=' in key") << "A"
                                << "a=b"
                                << "v";
    QTest::newRow("key looks like a comment") << "A"
                                              << ";k"
                                              << "v";
    QTest::newRow("key looks like a section") << "A"
                                              << "[k]"
                                              << "v";
    QTest::newRow("']' in section") << "A]"
                                    << "k"
                                    << "v";
    QTest::newRow("line break in value") << "A"
                                         << "k"
                                         << "v\r\n[B]";
    QTest::newRow("line feed in key") << "A"
                                      << "k\nj"
                                      << "v";
    QTest::newRow("carriage return in section") << "A\rB"
                                                << "k"
                                                << "v";
}

void TestIniFile::rejectsWhatTheFormatCannotHold() {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const QByteArray before("[A]\r\nk=1\r\n");
    IniFile ini(writeFile(before));
    QVERIFY(!ini.writeString(section, key, value));
    QCOMPARE(readFile(ini.path()), before);
}

void TestIniFile::windows1250FileStaysWindows1250() {
    const QByteArray before(
        "; Zak\xB3"
        "ad\r\n[Pojazd]\r\nMarka=\xAFuk\r\n");
    IniFile ini(writeFile(before));
    QVERIFY(ini.writeString(QStringLiteral("Pojazd"), QStringLiteral("Kierowca"),
                            QStringLiteral("Łucja Źródlana")));
    QVERIFY(ini.writeString(QStringLiteral("Pojazd"), QStringLiteral("Uwagi"),
                            QStringLiteral("bez 中")));
    const QByteArray after = readFile(ini.path());
    QCOMPARE(after, QByteArray("; Zak\xB3"
                               "ad\r\n[Pojazd]\r\nMarka=\xAFuk\r\n"
                               "Kierowca=\xA3ucja \x8Fr\xF3"
                               "dlana\r\nUwagi=bez ?\r\n"));
    QCOMPARE(CodePage::detect(after), TextEncoding::Windows1250);
    QCOMPARE(ini.readString(QStringLiteral("Pojazd"), QStringLiteral("Kierowca")),
             QStringLiteral("Łucja Źródlana"));
}

void TestIniFile::utf8FileKeepsItsBom() {
    IniFile ini(writeFile("\xEF\xBB\xBF[A]\r\nk=1\r\n"));
    QVERIFY(ini.writeString(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("ł")));
    QCOMPARE(readFile(ini.path()), QByteArray("\xEF\xBB\xBF[A]\r\nk=\xC5\x82\r\n"));
}

void TestIniFile::lineEndsBecomeCrLf() {
    IniFile ini(writeFile("[A]\nk=1\n; uwaga\n[B]\r\nj=2"));
    QVERIFY(ini.writeString(QStringLiteral("B"), QStringLiteral("j"), QStringLiteral("3")));
    QCOMPARE(readFile(ini.path()), QByteArray("[A]\r\nk=1\r\n; uwaga\r\n[B]\r\nj=3\r\n"));
}

void TestIniFile::eraseKey() {
    IniFile ini(writeFile("[A]\r\nk=1\r\n; o k\r\nK=2\r\nj=3\r\n[B]\r\nk=4\r\n[a]\r\nk=5\r\n"));
    QVERIFY(ini.eraseKey(QStringLiteral("a"), QStringLiteral("K")));
    // Gone from every section of the name, with its duplicates; other lines stay.
    QCOMPARE(readFile(ini.path()), QByteArray("[A]\r\n; o k\r\nj=3\r\n[B]\r\nk=4\r\n[a]\r\n"));
    QCOMPARE(ini.readString(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("brak")),
             QStringLiteral("brak"));
    QCOMPARE(ini.readString(QStringLiteral("B"), QStringLiteral("k")), QStringLiteral("4"));
}

void TestIniFile::eraseSection() {
    IniFile ini(writeFile("; naglowek\r\n[A]\r\nk=1\r\n; o A\r\n\r\n[B]\r\nj=2\r\n[a]\r\nm=3\r\n"));
    QVERIFY(ini.eraseSection(QStringLiteral("A")));
    QCOMPARE(readFile(ini.path()), QByteArray("; naglowek\r\n[B]\r\nj=2\r\n"));
    QCOMPARE(ini.sections(), QStringList{QStringLiteral("B")});
    QCOMPARE(ini.readString(QStringLiteral("A"), QStringLiteral("m"), QStringLiteral("brak")),
             QStringLiteral("brak"));
}

void TestIniFile::erasingNothingLeavesTheFileAlone() {
    const QByteArray before("[A]\nk=1\n");  // LF: a rewrite would show as CR LF
    IniFile ini(writeFile(before));
    QVERIFY(ini.eraseKey(QStringLiteral("A"), QStringLiteral("j")));
    QVERIFY(ini.eraseKey(QStringLiteral("B"), QStringLiteral("k")));
    QVERIFY(ini.eraseSection(QStringLiteral("B")));
    QCOMPARE(readFile(ini.path()), before);

    const QString missing = m_dir->filePath(QStringLiteral("brak.ini"));
    IniFile none(missing);
    QVERIFY(none.eraseKey(QStringLiteral("A"), QStringLiteral("k")));
    QVERIFY(none.eraseSection(QStringLiteral("A")));
    QVERIFY(!QFileInfo::exists(missing));
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
