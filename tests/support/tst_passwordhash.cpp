#include "support/PasswordHash.h"

#include <QStringList>
#include <QTest>

class TestPasswordHash : public QObject {
    Q_OBJECT

private slots:
    void pbkdf2KnownVectors_data();
    void pbkdf2KnownVectors();
    void pbkdf2RejectsNonsense_data();
    void pbkdf2RejectsNonsense();
    void makeAndVerify_data();
    void makeAndVerify();
    void defaultIterations();
    void saltIsRandom();
    void verifiesAHashBuiltFromAKnownVector();
    void malformed_data();
    void malformed();
    void tamperedHashIsRejected_data();
    void tamperedHashIsRejected();
};

void TestPasswordHash::pbkdf2KnownVectors_data() {
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<QByteArray>("salt");
    QTest::addColumn<int>("iterations");
    QTest::addColumn<QByteArray>("key");

    // RFC 7914, section 11: two blocks of output.
    QTest::newRow("rfc7914 passwd") << QByteArray("passwd") << QByteArray("salt") << 1
                                    << QByteArray::fromHex(
                                           "55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d"
                                           "57c20dacbc49ca9cccf179b645991664b39d77ef317c71b845b1e3"
                                           "0bd509112041d3a19783");
    // The PBKDF2-HMAC-SHA256 vectors published alongside RFC 6070.
    QTest::newRow("c=1") << QByteArray("password") << QByteArray("salt") << 1
                         << QByteArray::fromHex(
                                "120fb6cffcf8b32c43e7225256c4f837a86548c92ccc35480805987cb70be17b");
    QTest::newRow("c=2") << QByteArray("password") << QByteArray("salt") << 2
                         << QByteArray::fromHex(
                                "ae4d0c95af6b46d32d0adff928f06dd02a303f8ef3c251dfd6e2d85a95474c43");
    QTest::newRow("c=4096")
        << QByteArray("password") << QByteArray("salt") << 4096
        << QByteArray::fromHex("c5e478d59288c841aa530db6845c4c8d962893a001ce4e11a4963873aa98134a");
    // 40 bytes: the second block is cut short.
    QTest::newRow("long password and salt")
        << QByteArray("passwordPASSWORDpassword")
        << QByteArray("saltSALTsaltSALTsaltSALTsaltSALTsalt") << 4096
        << QByteArray::fromHex(
               "348c89dbcbd32b2f32d814b8116e84cf2b17347ebc1800181c4e2a1fb8dd53e1c635518c7dac47e9");
    QTest::newRow("zero bytes inside")
        << QByteArray("pass\0word", 9) << QByteArray("sa\0lt", 5) << 4096
        << QByteArray::fromHex("89b69d0516f829893c696226650a8687");
}

void TestPasswordHash::pbkdf2KnownVectors() {
    QFETCH(QByteArray, password);
    QFETCH(QByteArray, salt);
    QFETCH(int, iterations);
    QFETCH(QByteArray, key);
    const QByteArray derived =
        PasswordHash::pbkdf2Sha256(password, salt, iterations, static_cast<int>(key.size()));
    QCOMPARE(derived.toHex(), key.toHex());
    // A shorter key is the beginning of the longer one.
    QCOMPARE(PasswordHash::pbkdf2Sha256(password, salt, iterations, 7), key.left(7));
}

void TestPasswordHash::pbkdf2RejectsNonsense_data() {
    QTest::addColumn<int>("iterations");
    QTest::addColumn<int>("keyLength");
    QTest::newRow("no iterations") << 0 << 32;
    QTest::newRow("negative iterations") << -5 << 32;
    QTest::newRow("no key") << 1 << 0;
    QTest::newRow("negative key length") << 1 << -1;
}

void TestPasswordHash::pbkdf2RejectsNonsense() {
    QFETCH(int, iterations);
    QFETCH(int, keyLength);
    QVERIFY(PasswordHash::pbkdf2Sha256("password", "salt", iterations, keyLength).isEmpty());
}

void TestPasswordHash::makeAndVerify_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("wrongPassword");
    QTest::addColumn<int>("iterations");
    QTest::newRow("ascii") << QStringLiteral("tajne") << QStringLiteral("Tajne") << 3;
    QTest::newRow("Polish") << QStringLiteral("Zażółć") << QStringLiteral("Zazolc") << 1;
    QTest::newRow("empty") << QString() << QStringLiteral(" ") << 2;
    QTest::newRow("wrong one is longer") << QStringLiteral("abc") << QStringLiteral("abcd") << 5;
    QTest::newRow("zero iterations become one") << QStringLiteral("x") << QStringLiteral("y") << 0;
}

void TestPasswordHash::makeAndVerify() {
    QFETCH(QString, password);
    QFETCH(QString, wrongPassword);
    QFETCH(int, iterations);
    const QString stored = PasswordHash::make(password, iterations);
    const QStringList parts = stored.split(u'$');
    QCOMPARE(parts.size(), 4);
    QCOMPARE(parts[0], QStringLiteral("pbkdf2-sha256"));
    QCOMPARE(parts[1].toInt(), qMax(1, iterations));
    const QByteArray salt = QByteArray::fromBase64(parts[2].toLatin1());
    const QByteArray key = QByteArray::fromBase64(parts[3].toLatin1());
    QCOMPARE(salt.size(), 16);
    QCOMPARE(key, PasswordHash::pbkdf2Sha256(password.toUtf8(), salt, qMax(1, iterations), 32));

    QVERIFY(PasswordHash::isHash(stored));
    QVERIFY(PasswordHash::verify(password, stored));
    QVERIFY(!PasswordHash::verify(wrongPassword, stored));
}

void TestPasswordHash::defaultIterations() {
    const QString stored = PasswordHash::make(QStringLiteral("flota"));
    QVERIFY(stored.startsWith(QStringLiteral("pbkdf2-sha256$600000$")));
    QVERIFY(PasswordHash::verify(QStringLiteral("flota"), stored));
}

void TestPasswordHash::saltIsRandom() {
    const QString first = PasswordHash::make(QStringLiteral("same"), 1);
    const QString second = PasswordHash::make(QStringLiteral("same"), 1);
    QVERIFY(first.section(u'$', 2, 2) != second.section(u'$', 2, 2));
    QVERIFY(first != second);
}

void TestPasswordHash::verifiesAHashBuiltFromAKnownVector() {
    const QString stored =
        QStringLiteral("pbkdf2-sha256$1$") + QString::fromLatin1(QByteArray("salt").toBase64()) +
        u'$' +
        QString::fromLatin1(
            QByteArray::fromHex("120fb6cffcf8b32c43e7225256c4f837a86548c92ccc35480805987cb70be17b")
                .toBase64());
    QVERIFY(PasswordHash::isHash(stored));
    QVERIFY(PasswordHash::verify(QStringLiteral("password"), stored));
    QVERIFY(!PasswordHash::verify(QStringLiteral("passwort"), stored));
}

void TestPasswordHash::malformed_data() {
    QTest::addColumn<QString>("stored");
    // Everything but one field is a valid hash of "password" (the c=1 vector).
    const QString salt = QString::fromLatin1(QByteArray("salt").toBase64());
    const QString key = QString::fromLatin1(
        QByteArray::fromHex("120fb6cffcf8b32c43e7225256c4f837a86548c92ccc35480805987cb70be17b")
            .toBase64());
    const auto hash = [](const QString& scheme, const QString& count, const QString& salt,
                         const QString& key) {
        return QStringList{scheme, count, salt, key}.join(u'$');
    };
    const QString scheme = QStringLiteral("pbkdf2-sha256");
    QTest::newRow("empty") << QString();
    QTest::newRow("plain password") << QStringLiteral("password");
    QTest::newRow("other scheme") << hash(QStringLiteral("pbkdf2-sha1"), "1", salt, key);
    QTest::newRow("scheme in capitals") << hash(QStringLiteral("PBKDF2-SHA256"), "1", salt, key);
    QTest::newRow("zero iterations") << hash(scheme, "0", salt, key);
    QTest::newRow("negative iterations") << hash(scheme, "-1", salt, key);
    QTest::newRow("signed iterations") << hash(scheme, "+1", salt, key);
    QTest::newRow("iterations not a number") << hash(scheme, "jeden", salt, key);
    QTest::newRow("no iterations") << hash(scheme, "", salt, key);
    QTest::newRow("absurd iterations") << hash(scheme, "99999999999", salt, key);
    QTest::newRow("empty salt") << hash(scheme, "1", "", key);
    QTest::newRow("salt not base64") << hash(scheme, "1", "s*lt", key);
    QTest::newRow("empty key") << hash(scheme, "1", salt, "");
    QTest::newRow("key not base64") << hash(scheme, "1", salt, "!!!!");
    QTest::newRow("missing field") << QStringList{scheme, "1", salt}.join(u'$');
    QTest::newRow("extra field") << hash(scheme, "1", salt, key) + QStringLiteral("$x");
}

void TestPasswordHash::malformed() {
    QFETCH(QString, stored);
    QVERIFY(!PasswordHash::isHash(stored));
    QVERIFY(!PasswordHash::verify(QStringLiteral("password"), stored));
}

void TestPasswordHash::tamperedHashIsRejected_data() {
    QTest::addColumn<int>("field");
    QTest::newRow("salt") << 2;
    QTest::newRow("key") << 3;
    QTest::newRow("iterations") << 1;
}

void TestPasswordHash::tamperedHashIsRejected() {
    QFETCH(int, field);
    QStringList parts = PasswordHash::make(QStringLiteral("kierowca"), 4).split(u'$');
    if (field == 1) {
        parts[1] = QStringLiteral("5");
    } else {
        // Flip one bit of the first byte and encode again, so the field stays valid base64.
        QByteArray bytes = QByteArray::fromBase64(parts[field].toLatin1());
        bytes[0] = static_cast<char>(bytes[0] ^ 0x01);
        parts[field] = QString::fromLatin1(bytes.toBase64());
    }
    const QString stored = parts.join(u'$');
    QVERIFY(PasswordHash::isHash(stored));
    QVERIFY(!PasswordHash::verify(QStringLiteral("kierowca"), stored));
}

QTEST_GUILESS_MAIN(TestPasswordHash)
#include "tst_passwordhash.moc"
