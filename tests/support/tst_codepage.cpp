#include "support/CodePage.h"

#include <QTest>

Q_DECLARE_METATYPE(TextEncoding)

class TestCodePage : public QObject {
    Q_OBJECT

private slots:
    void polishLetters_data();
    void polishLetters();
    void everyWindows1250ByteSurvivesARoundTrip();
    void detect_data();
    void detect();
    void decode_data();
    void decode();
    void roundTrip_data();
    void roundTrip();
    void unmappableCharacters_data();
    void unmappableCharacters();
    void utf8IsWrittenWithoutBom();
    void encodingFromName_data();
    void encodingFromName();
};

void TestCodePage::polishLetters_data() {
    QTest::addColumn<QString>("letter");
    QTest::addColumn<int>("byte");
    const QList<std::pair<const char16_t*, int>> letters = {
        {u"ą", 0xB9}, {u"ć", 0xE6}, {u"ę", 0xEA}, {u"ł", 0xB3}, {u"ń", 0xF1}, {u"ó", 0xF3},
        {u"ś", 0x9C}, {u"ź", 0x9F}, {u"ż", 0xBF}, {u"Ą", 0xA5}, {u"Ć", 0xC6}, {u"Ę", 0xCA},
        {u"Ł", 0xA3}, {u"Ń", 0xD1}, {u"Ó", 0xD3}, {u"Ś", 0x8C}, {u"Ź", 0x8F}, {u"Ż", 0xAF}};
    for (const auto& [letter, byte] : letters) {
        const QString text = QString::fromUtf16(letter);
        QTest::newRow(text.toUtf8().constData()) << text << byte;
    }
}

void TestCodePage::polishLetters() {
    QFETCH(QString, letter);
    QFETCH(int, byte);
    const QByteArray bytes(1, static_cast<char>(byte));
    QCOMPARE(CodePage::encode(letter, TextEncoding::Windows1250), bytes);
    QCOMPARE(CodePage::decode(bytes, TextEncoding::Windows1250), letter);
    // A lone byte above 0x7F is never valid UTF-8, so it is taken as Windows-1250.
    QCOMPARE(CodePage::detect(bytes), TextEncoding::Windows1250);
    QCOMPARE(CodePage::decode(bytes), letter);
    QCOMPARE(CodePage::encode(letter, TextEncoding::Utf8), letter.toUtf8());
    QCOMPARE(CodePage::encode(letter, TextEncoding::Utf8).size(), 2);
}

void TestCodePage::everyWindows1250ByteSurvivesARoundTrip() {
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(static_cast<char>(i));
    const QString text = CodePage::decode(bytes, TextEncoding::Windows1250);
    QCOMPARE(text.size(), 256);
    QCOMPARE(CodePage::encode(text, TextEncoding::Windows1250), bytes);
}

void TestCodePage::detect_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::newRow("empty") << QByteArray() << TextEncoding::Utf8;
    QTest::newRow("ascii") << QByteArray("[Baza]\r\nNazwa=flota\r\n") << TextEncoding::Utf8;
    QTest::newRow("utf-8 Polish") << QStringLiteral("Łódź, ulica Żółta").toUtf8()
                                  << TextEncoding::Utf8;
    QTest::newRow("1250 with ł") << QByteArray("Bia\xB3ystok") << TextEncoding::Windows1250;
    // 0xC5 0x82 is "ł" in UTF-8; cut before its second byte the text is no longer UTF-8.
    QTest::newRow("utf-8 cut in a character") << QByteArray("Bia\xC5") << TextEncoding::Windows1250;
    QTest::newRow("overlong form") << QByteArray("\xC0\xAF") << TextEncoding::Windows1250;
    QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80") << TextEncoding::Windows1250;
    QTest::newRow("bom alone") << QByteArray("\xEF\xBB\xBF") << TextEncoding::Utf8;
    QTest::newRow("bom before invalid bytes")
        << QByteArray("\xEF\xBB\xBF\xB3\xF3") << TextEncoding::Utf8;
    // "Żółć" in Windows-1250: AF F3 B3 E6 -- F3 B3 would start a four-byte UTF-8 form.
    QTest::newRow("1250 Zolc") << QByteArray("\xAF\xF3\xB3\xE6") << TextEncoding::Windows1250;
}

void TestCodePage::detect() {
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, encoding);
    QCOMPARE(CodePage::detect(bytes), encoding);
}

void TestCodePage::decode_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("bom is dropped")
        << QByteArray("\xEF\xBB\xBFZa\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87") << QStringLiteral("Zażółć");
    QTest::newRow("bom alone") << QByteArray("\xEF\xBB\xBF") << QString();
    QTest::newRow("only the first bom is dropped") << QByteArray(
                                                          "\xEF\xBB\xBF\xEF\xBB\xBF"
                                                          "a")
                                                   << QStringLiteral("\uFEFFa");
    QTest::newRow("utf-8") << QByteArray("g\xC4\x99\xC5\x9Bl\xC4\x85") << QStringLiteral("gęślą");
    QTest::newRow("1250") << QByteArray(
                                 "ja\x9F\xF1 \xA3\xF3"
                                 "d\x9F")
                          << QStringLiteral("jaźń Łódź");
    QTest::newRow("1250 punctuation") << QByteArray(
                                             "\x84"
                                             "cudzys\xB3\xF3w\x94 \x96 \x80")
                                      << QStringLiteral("„cudzysłów” – €");
}

void TestCodePage::decode() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(CodePage::decode(bytes), text);
}

void TestCodePage::roundTrip_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<TextEncoding>("encoding");
    const QString pangram = QStringLiteral("Zażółć gęślą jaźń. ZAŻÓŁĆ GĘŚLĄ JAŹŃ\r\n\t;=[]");
    QTest::newRow("1250 pangram") << pangram << TextEncoding::Windows1250;
    QTest::newRow("utf-8 pangram") << pangram << TextEncoding::Utf8;
    QTest::newRow("utf-8 beyond 1250")
        << QStringLiteral("Škoda 中文 \U0001F697") << TextEncoding::Utf8;
    QTest::newRow("1250 empty") << QString() << TextEncoding::Windows1250;
}

void TestCodePage::roundTrip() {
    QFETCH(QString, text);
    QFETCH(TextEncoding, encoding);
    const QByteArray bytes = CodePage::encode(text, encoding);
    QCOMPARE(CodePage::decode(bytes, encoding), text);
    QCOMPARE(CodePage::decode(bytes), text);
}

void TestCodePage::unmappableCharacters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("cjk") << QStringLiteral("a中b") << QByteArray("a?b");
    QTest::newRow("surrogate pair is one character")
        << QStringLiteral("x\U0001F697y") << QByteArray("x?y");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
    QTest::newRow("à has no byte") << QStringLiteral("à la") << QByteArray("? la");
    QTest::newRow("Czech and German letters have bytes")
        << QStringLiteral("Šäß") << QByteArray("\x8A\xE4\xDF");
    // U+001A is what the converter puts for unmappable characters; the character itself
    // has its own byte and must not turn into '?'.
    QTest::newRow("substitute control") << QStringLiteral("\x1A中") << QByteArray("\x1A?");
    QTest::newRow("question mark stays") << QStringLiteral("?") << QByteArray("?");
}

void TestCodePage::unmappableCharacters() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(CodePage::encode(text, TextEncoding::Windows1250), bytes);
}

void TestCodePage::utf8IsWrittenWithoutBom() {
    const QByteArray bytes = CodePage::encode(QStringLiteral("Łódź"), TextEncoding::Utf8);
    QVERIFY(!CodePage::hasUtf8Bom(bytes));
    QCOMPARE(bytes, QByteArray("\xC5\x81\xC3\xB3"
                               "d\xC5\xBA"));
}

void TestCodePage::encodingFromName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("known");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::newRow("windows-1250") << QStringLiteral("windows-1250") << true
                                  << TextEncoding::Windows1250;
    QTest::newRow("Windows-1250") << QStringLiteral("Windows-1250") << true
                                  << TextEncoding::Windows1250;
    QTest::newRow("cp1250") << QStringLiteral("cp1250") << true << TextEncoding::Windows1250;
    QTest::newRow("CP1250") << QStringLiteral("CP1250") << true << TextEncoding::Windows1250;
    QTest::newRow("utf-8") << QStringLiteral("utf-8") << true << TextEncoding::Utf8;
    QTest::newRow("UTF-8") << QStringLiteral("UTF-8") << true << TextEncoding::Utf8;
    QTest::newRow("utf8") << QStringLiteral("utf8") << true << TextEncoding::Utf8;
    QTest::newRow("Utf8") << QStringLiteral("Utf8") << true << TextEncoding::Utf8;
    QTest::newRow("empty") << QStringLiteral("") << false << TextEncoding::Utf8;
    QTest::newRow("windows-1252") << QStringLiteral("windows-1252") << false << TextEncoding::Utf8;
    QTest::newRow("latin2") << QStringLiteral("latin2") << false << TextEncoding::Utf8;
    QTest::newRow("utf-16") << QStringLiteral("utf-16") << false << TextEncoding::Utf8;
    QTest::newRow("cp-1250") << QStringLiteral("cp-1250") << false << TextEncoding::Utf8;
}

void TestCodePage::encodingFromName() {
    QFETCH(QString, name);
    QFETCH(bool, known);
    QFETCH(TextEncoding, encoding);
    const auto result = CodePage::encodingFromName(name);
    QCOMPARE(result.has_value(), known);
    if (known) {
        QCOMPARE(*result, encoding);
        QCOMPARE(CodePage::encodingFromName(CodePage::encodingName(encoding)), result);
    }
}

QTEST_GUILESS_MAIN(TestCodePage)
#include "tst_codepage.moc"
