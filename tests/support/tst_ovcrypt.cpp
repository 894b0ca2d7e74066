#include "support/OVCrypt.h"

#include <QTest>

namespace {

QByteArray allByteValues() {
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(static_cast<char>(i));
    return bytes;
}

}  // namespace

class TestOVCrypt : public QObject {
    Q_OBJECT

private slots:
    void knownVectors_data();
    void knownVectors();
    void roundTripOfEveryByte_data();
    void roundTripOfEveryByte();
    void onlyTheFirstKeyBytesOfALongKeyAreUsed();
    void emptyKeyIsIdentity();
    void membersWorkInPlace();
};

void TestOVCrypt::knownVectors_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("cryptogram");

    // 'A'+1 = 'B', 'B'+2 = 'D', 'C'+1 = 'D': the key starts again at its first byte.
    QTest::newRow("key repeats") << QByteArray("ABC") << QByteArray("\x01\x02")
                                 << QByteArray("BDD");
    QTest::newRow("sum wraps past 255")
        << QByteArray("\xFF\xFE\x80") << QByteArray("\x02") << QByteArray("\x01\x00\x82", 3);
    // 0x61 + 0xFF = 0x160 -> 0x60; 0x00 + 0x80 = 0x80
    QTest::newRow("high key bytes")
        << QByteArray("a\x00", 2) << QByteArray("\xFF\x80") << QByteArray("\x60\x80");
    QTest::newRow("zero key byte leaves the byte")
        << QByteArray("xyz") << QByteArray("\x00\x01", 2) << QByteArray("xzz");
    QTest::newRow("key longer than text")
        << QByteArray("AB") << QByteArray("\x01\x02\x03\x04") << QByteArray("BD");
    QTest::newRow("empty text") << QByteArray() << QByteArray("key") << QByteArray();
    // 'F'=70+'k'=107=177, 'l'=108+'e'=101=209, 'o'=111+'y'=121=232, 't'=116+'k'=107=223
    QTest::newRow("word with a word key")
        << QByteArray("Flot") << QByteArray("key") << QByteArray("\xB1\xD1\xE8\xDF");
}

void TestOVCrypt::knownVectors() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, cryptogram);
    QCOMPARE(TOVCrypt::encipher(text, key), cryptogram);
    QCOMPARE(TOVCrypt::decipher(cryptogram, key), text);
}

void TestOVCrypt::roundTripOfEveryByte_data() {
    QTest::addColumn<QByteArray>("key");
    QTest::newRow("one byte") << QByteArray("\x01");
    QTest::newRow("byte 255") << QByteArray("\xFF");
    QTest::newRow("word") << QByteArray("Flotanor");
    QTest::newRow("with zero bytes") << QByteArray("\x00\x7F\x00\x80", 4);
    QTest::newRow("longer than text") << allByteValues() + QByteArray("tail");
}

void TestOVCrypt::roundTripOfEveryByte() {
    QFETCH(QByteArray, key);
    const QByteArray text = allByteValues();
    const QByteArray cryptogram = TOVCrypt::encipher(text, key);
    QCOMPARE(cryptogram.size(), text.size());
    QVERIFY(cryptogram != text);
    QCOMPARE(TOVCrypt::decipher(cryptogram, key), text);
    // Deciphering first and enciphering after must also give the text back.
    QCOMPARE(TOVCrypt::encipher(TOVCrypt::decipher(text, key), key), text);
}

void TestOVCrypt::onlyTheFirstKeyBytesOfALongKeyAreUsed() {
    const QByteArray text("pojazd");
    const QByteArray key("\x05\x06\x07\x08\x09\x0A\x0B\x0C\x0D");
    QCOMPARE(TOVCrypt::encipher(text, key), TOVCrypt::encipher(text, key.left(text.size())));
    QCOMPARE(TOVCrypt::encipher(text, key), QByteArray("uuqi\x83n"));
}

void TestOVCrypt::emptyKeyIsIdentity() {
    const QByteArray text = allByteValues();
    QCOMPARE(TOVCrypt::encipher(text, {}), text);
    QCOMPARE(TOVCrypt::decipher(text, {}), text);

    TOVCrypt crypt;
    crypt.Cryptogram = text;
    crypt.Encipher();
    QCOMPARE(crypt.Cryptogram, text);
    crypt.Decipher();
    QCOMPARE(crypt.Cryptogram, text);
}

void TestOVCrypt::membersWorkInPlace() {
    TOVCrypt crypt;
    crypt.Key = QByteArray("\x01\x02");
    crypt.Cryptogram = QByteArray("ABC");
    crypt.Encipher();
    QCOMPARE(crypt.Cryptogram, QByteArray("BDD"));
    QCOMPARE(crypt.Key, QByteArray("\x01\x02"));
    crypt.Decipher();
    QCOMPARE(crypt.Cryptogram, QByteArray("ABC"));
}

QTEST_GUILESS_MAIN(TestOVCrypt)
#include "tst_ovcrypt.moc"
