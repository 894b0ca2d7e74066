// The sheet lists are exported to: its exact bytes, reading it back, the two encodings,
// and writing the whole file or nothing.
#include "data/ListModel.h"
#include "output/CsvSheet.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(TextEncoding)

namespace {

QByteArray readAll(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return file.readAll();
}

}  // namespace

class TstCsvSheet : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void exactBytes_data();
    void exactBytes();
    void roundTrip_data();
    void roundTrip();
    void polishLetters_data();
    void polishLetters();
    void emptyListGivesTheTitleLine();

    void writeCreatesTheFile();
    void writeReplacesAnExistingFile();
    void writeIntoAMissingDirectoryFails();
    void writeOverADirectoryFails();
};

void TstCsvSheet::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
}

void TstCsvSheet::exactBytes_data() {
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("two lines") << QList<QStringList>{{"Data", "Kwota"}, {"05.03.2024", "12,50"}}
                               << QByteArray("\"Data\";\"Kwota\"\r\n\"05.03.2024\";\"12,50\"\r\n");
    QTest::newRow("empty cells") << QList<QStringList>{{"", "x", ""}}
                                 << QByteArray("\"\";\"x\";\"\"\r\n");
    QTest::newRow("quote doubled")
        << QList<QStringList>{{"Opona \"zimowa\""}} << QByteArray("\"Opona \"\"zimowa\"\"\"\r\n");
    QTest::newRow("only a quote") << QList<QStringList>{{"\""}} << QByteArray("\"\"\"\"\r\n");
    QTest::newRow("separator in a cell")
        << QList<QStringList>{{"a;b", "c"}} << QByteArray("\"a;b\";\"c\"\r\n");
    QTest::newRow("line break in a cell")
        << QList<QStringList>{{"a\nb"}} << QByteArray("\"a\nb\"\r\n");
    QTest::newRow("blanks kept") << QList<QStringList>{{" a "}} << QByteArray("\" a \"\r\n");
    QTest::newRow("nothing") << QList<QStringList>{} << QByteArray();
}

void TstCsvSheet::exactBytes() {
    QFETCH(QList<QStringList>, rows);
    QFETCH(QByteArray, bytes);
    QCOMPARE(CsvSheet::encode(rows), bytes);
    QCOMPARE(CsvSheet::encode(rows, TextEncoding::Utf8), bytes);
}

void TstCsvSheet::roundTrip_data() {
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<TextEncoding>("encoding");
    const QList<QStringList> tricky = {
        {"Nr Rej.", "Uwagi", "Kwota"},  {"WA'2\"Q", "opona \"zimowa\"; przód", "12,50"},
        {"", "dwie\r\nlinie", ""},      {"\"", ";", "\n"},
        {"\"\"", "a\"\"b", "koniec\""},
    };
    QTest::newRow("tricky 1250") << tricky << TextEncoding::Windows1250;
    QTest::newRow("tricky utf-8") << tricky << TextEncoding::Utf8;
    const QList<QStringList> polish = {{"Łódź", "Żółć gęślą jaźń"}, {"ZAŻÓŁĆ", "Śląsk"}};
    QTest::newRow("Polish 1250") << polish << TextEncoding::Windows1250;
    QTest::newRow("Polish utf-8") << polish << TextEncoding::Utf8;
    QTest::newRow("single empty cell") << QList<QStringList>{{""}} << TextEncoding::Windows1250;
    // "WĘŻE" in Windows-1250 (57 CA AF 45) is also valid UTF-8: only the named encoding
    // reads it back.
    QTest::newRow("1250 bytes that are valid UTF-8")
        << QList<QStringList>{{"WĘŻE"}} << TextEncoding::Windows1250;
}

void TstCsvSheet::roundTrip() {
    QFETCH(QList<QStringList>, rows);
    QFETCH(TextEncoding, encoding);
    const QByteArray bytes = CsvSheet::encode(rows, encoding);
    QVERIFY(bytes.endsWith("\r\n"));
    QVERIFY(bytes.count("\r\n") >= rows.size());
    QCOMPARE(CsvSheet::decode(bytes, encoding), rows);
}

void TstCsvSheet::polishLetters_data() {
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("Windows-1250") << TextEncoding::Windows1250
                                  << QByteArray(
                                         "\"\xA3\xF3"
                                         "d\x9F\";\"\xBF\xF3\xB3\xE6\"\r\n");
    QTest::newRow("UTF-8") << TextEncoding::Utf8
                           << QByteArray(
                                  "\"\xC5\x81\xC3\xB3"
                                  "d\xC5\xBA\";\"\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87\"\r\n");
}

void TstCsvSheet::polishLetters() {
    QFETCH(TextEncoding, encoding);
    QFETCH(QByteArray, bytes);
    const QList<QStringList> rows = {{QStringLiteral("Łódź"), QStringLiteral("żółć")}};
    const QByteArray written = CsvSheet::encode(rows, encoding);
    QCOMPARE(written, bytes);
    QVERIFY(!written.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(CsvSheet::decode(written), rows);
}

void TstCsvSheet::emptyListGivesTheTitleLine() {
    ListModel model(RegisterId::Przebiegi);
    model.setTable(std::make_shared<ListTable>(ListTable::fromValues(
        {"IDPRZEBIEGI", "DATA", "IDPOJAZD", "NRREJ", "MARKA", "LICZNIK", "UWAGI"}, {})));
    const QByteArray bytes = CsvSheet::encode(model.sheet());
    QCOMPARE(bytes, QByteArray("\"Data\";\"Nr rej.\";\"Marka\";\"Stan licznika\";\"Uwagi\"\r\n"));
    QCOMPARE(CsvSheet::decode(bytes).size(), 1);
}

void TstCsvSheet::writeCreatesTheFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString fileName = dir.filePath(QStringLiteral("koszty.csv"));
    const QList<QStringList> rows = {{"Data", "Opis"}, {"05.03.2024", "Wymiana oleju"}};
    QString error;
    QVERIFY(CsvSheet::write(rows, fileName, TextEncoding::Windows1250, &error));
    QCOMPARE(readAll(fileName), CsvSheet::encode(rows));
    // Nothing else left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"koszty.csv"});
}

void TstCsvSheet::writeReplacesAnExistingFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString fileName = dir.filePath(QStringLiteral("lista.csv"));
    {
        QFile old(fileName);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(1000, 'x'));
    }
    const QList<QStringList> rows = {{"Łódź"}};
    QVERIFY(CsvSheet::write(rows, fileName, TextEncoding::Utf8));
    // No tail of the longer old file.
    QCOMPARE(readAll(fileName), QByteArray("\"\xC5\x81\xC3\xB3"
                                           "d\xC5\xBA\"\r\n"));
}

void TstCsvSheet::writeIntoAMissingDirectoryFails() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString missing = dir.filePath(QStringLiteral("brak"));
    const QString fileName = missing + QStringLiteral("/lista.csv");
    QString error;
    QVERIFY(!CsvSheet::write({{"a"}}, fileName, TextEncoding::Windows1250, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(fileName));
    QVERIFY(!QFileInfo::exists(missing));
    QVERIFY(QDir(dir.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                .isEmpty());
}

void TstCsvSheet::writeOverADirectoryFails() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString target = dir.filePath(QStringLiteral("lista.csv"));
    QVERIFY(QDir().mkdir(target));
    const QString inside = target + QStringLiteral("/zawartosc.txt");
    {
        QFile file(inside);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("bez zmian");
    }
    QString error;
    QVERIFY(!CsvSheet::write({{"a", "b"}}, target, TextEncoding::Windows1250, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QFileInfo(target).isDir());
    QCOMPARE(readAll(inside), QByteArray("bez zmian"));
    // No temporary file left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"lista.csv"});
}

QTEST_GUILESS_MAIN(TstCsvSheet)
#include "tst_csvsheet.moc"
