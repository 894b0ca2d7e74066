// Reading delimited sheets: every quirk of the sheets people bring, both encodings, and
// reading back exactly what the program's own sheet writer wrote.
#include "output/CsvSheet.h"
#include "support/CsvReader.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(TextEncoding)
Q_DECLARE_METATYPE(std::optional<TextEncoding>)

using Rows = QList<QStringList>;

namespace {

const QString zolc = QStringLiteral("Żółć");
constexpr std::optional<TextEncoding> detected;

int widest(const Rows& rows) {
    int columns = 0;
    for (const QStringList& row : rows)
        columns = qMax(columns, int(row.size()));
    return columns;
}

}  // namespace

class TstCsvReader : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void roundTrip_data();
    void roundTrip();
    void readFile_data();
    void readFile();
};

void TstCsvReader::parse_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<std::optional<TextEncoding>>("encoding");
    QTest::addColumn<Rows>("rows");
    const QChar semicolon(u';');

    QTest::newRow("empty") << QByteArray() << semicolon << detected << Rows{};
    QTest::newRow("only line ends") << QByteArray("\r\n\n\r\n") << semicolon << detected << Rows{};
    QTest::newRow("LF") << QByteArray("a;b\nc;d\n") << semicolon << detected
                        << Rows{{"a", "b"}, {"c", "d"}};
    QTest::newRow("CR LF, no end on the last line")
        << QByteArray("a;b\r\nc;d") << semicolon << detected << Rows{{"a", "b"}, {"c", "d"}};
    QTest::newRow("lone CR") << QByteArray("a\rb\r") << semicolon << detected << Rows{{"a"}, {"b"}};
    QTest::newRow("trailing empty lines ignored")
        << QByteArray("a\r\n\r\n\n\r\n") << semicolon << detected << Rows{{"a"}};
    QTest::newRow("empty line in the middle kept")
        << QByteArray("a\n\nb\n") << semicolon << detected << Rows{{"a"}, {}, {"b"}};
    QTest::newRow("ragged rows") << QByteArray("a\nb;c;d\n;\n") << semicolon << detected
                                 << Rows{{"a"}, {"b", "c", "d"}, {"", ""}};
    QTest::newRow("doubled quotes") << QByteArray("\"Opona \"\"zimowa\"\"\";\"\"\"\"\n")
                                    << semicolon << detected << Rows{{"Opona \"zimowa\"", "\""}};
    QTest::newRow("empty quoted cell")
        << QByteArray("\"\"\n") << semicolon << detected << Rows{{""}};
    QTest::newRow("separator and line breaks in quotes")
        << QByteArray("\"a;b\";\"c\nd\";\"e\r\nf\"\r\ng\r\n") << semicolon << detected
        << Rows{{"a;b", "c\nd", "e\r\nf"}, {"g"}};
    QTest::newRow("quote inside an unquoted cell")
        << QByteArray("opona 15\";x\n") << semicolon << detected << Rows{{"opona 15\"", "x"}};
    QTest::newRow("text after the closing quote")
        << QByteArray("\"ab\"cd;e\n") << semicolon << detected << Rows{{"abcd", "e"}};
    QTest::newRow("unterminated quote")
        << QByteArray("x;\"a;b\nc\r\n") << semicolon << detected << Rows{{"x", "a;b\nc\r\n"}};
    QTest::newRow("tab") << QByteArray("a\tb;c\n\"d\te\"\tf\n") << QChar(u'\t') << detected
                         << Rows{{"a", "b;c"}, {"d\te", "f"}};
    QTest::newRow("comma") << QByteArray("12,50;x,\"1,5\"\n") << QChar(u',') << detected
                           << Rows{{"12", "50;x", "1,5"}};
    QTest::newRow("a quote cannot separate")
        << QByteArray("a\"b;c\n") << QChar(u'"') << detected << Rows{{"a\"b;c"}};
    QTest::newRow("utf-8 bom") << QByteArray("\xEF\xBB\xBF\"Data\";Kwota\n") << semicolon
                               << detected << Rows{{"Data", "Kwota"}};
    QTest::newRow("utf-8 detected") << zolc.toUtf8() + ";x\n"
                                    << semicolon << detected << Rows{{zolc, "x"}};
    QTest::newRow("windows-1250 detected")
        << QByteArray("\xAF\xF3\xB3\xE6;x\n") << semicolon << detected << Rows{{zolc, "x"}};
    QTest::newRow("windows-1250 chosen for bytes that are valid utf-8")
        << QByteArray("\xC5\x81\n") << semicolon << std::optional(TextEncoding::Windows1250)
        << Rows{{QStringLiteral("Ĺ\u0081")}};
    QTest::newRow("utf-8 chosen") << zolc.toUtf8() << semicolon << std::optional(TextEncoding::Utf8)
                                  << Rows{{zolc}};
}

void TstCsvReader::parse() {
    QFETCH(QByteArray, bytes);
    QFETCH(QChar, separator);
    QFETCH(std::optional<TextEncoding>, encoding);
    QFETCH(Rows, rows);
    const CsvTable table = CsvReader::parse(bytes, separator, encoding);
    QCOMPARE(table.rows, rows);
    QCOMPARE(table.columns, widest(rows));
    QCOMPARE(table.cell(0, table.columns), QString());
}

void TstCsvReader::roundTrip_data() {
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<TextEncoding>("encoding");
    const QList<std::pair<const char*, Rows>> sheets = {
        {"costs",
         {{"Data", "Nr rej.", "Kwota"},
          {"05-03-2024", "WA 1234", "12,50"},
          {zolc + " paliwo", "ŁÓDŹ", "-3"}}},
        {"quotes", {{"\"", "\"\"", "Opona \"zimowa\""}}},
        {"separators and line breaks", {{"a;b", "c\r\nd", "e\nf", "\t"}}},
        {"empty cells", {{""}, {"", "", ""}, {"", "x"}}},
        {"ragged with an empty row", {{"a"}, {}, {"b", "c", "d"}}},
    };
    for (const auto& [name, rows] : sheets) {
        for (const TextEncoding encoding : {TextEncoding::Windows1250, TextEncoding::Utf8}) {
            QTest::addRow("%s, %s", name, qPrintable(CodePage::encodingName(encoding)))
                << rows << encoding;
        }
    }
}

void TstCsvReader::roundTrip() {
    QFETCH(Rows, rows);
    QFETCH(TextEncoding, encoding);
    const QByteArray bytes = CsvSheet::encode(rows, encoding);
    const CsvTable told = CsvReader::parse(bytes, u';', encoding);
    QCOMPARE(told.rows, rows);
    QCOMPARE(told.columns, widest(rows));
    QCOMPARE(CsvReader::parse(bytes, u';').rows, rows);
}

void TstCsvReader::readFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("readable");
    QTest::newRow("sheet") << "arkusz.csv" << true;
    QTest::newRow("missing") << "brak.csv" << false;
    QTest::newRow("directory") << "katalog" << false;
}

void TstCsvReader::readFile() {
    QFETCH(QString, name);
    QFETCH(bool, readable);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const Rows rows = {{"Kolumna", zolc}, {"1", "2,5"}};
    QVERIFY(CsvSheet::write(rows, dir.filePath("arkusz.csv")));
    QVERIFY(QDir(dir.path()).mkdir("katalog"));

    QString error;
    const auto table = CsvReader::readFile(dir.filePath(name), u';', detected, &error);
    QCOMPARE(table.has_value(), readable);
    QCOMPARE(error.isEmpty(), readable);
    if (table)
        QCOMPARE(table->rows, rows);
}

QTEST_GUILESS_MAIN(TstCsvReader)
#include "tst_csvreader.moc"
