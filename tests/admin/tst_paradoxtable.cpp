#include "admin/legacy/LegacyFiles.h"
#include "admin/legacy/ParadoxTable.h"

#include "ParadoxFixture.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <functional>

using ParadoxFixture::Field;
using ParadoxFixture::Kind;
using Rows = QList<QVariantList>;

Q_DECLARE_METATYPE(ParadoxFixture::Field)

namespace {

// Type and value in one string, so that a failing comparison shows both.
QString describe(const QVariant& value) {
    if (!value.isValid())
        return QStringLiteral("null");
    switch (value.typeId()) {
        case QMetaType::Double:
            return QStringLiteral("double:") + QString::number(value.toDouble(), 'g', 17);
        case QMetaType::QString:
            return value.toString().isNull() ? QStringLiteral("QString(null)")
                                             : QStringLiteral("QString:") + value.toString();
        default:
            return QString::fromLatin1(value.typeName()) + u':' + value.toString();
    }
}

QStringList describe(const QVariantList& values) {
    QStringList described;
    for (const QVariant& value : values)
        described << describe(value);
    return described;
}

QVariant n(qint64 value) {
    return QVariant(value);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

}  // namespace

class TestParadoxTable : public QObject {
    Q_OBJECT

private slots:
    void readsBack_data();
    void readsBack();
    void memosOfAMissingOrDamagedMemoFileAreEmpty();
    void refusesUnreadableFiles_data();
    void refusesUnreadableFiles();
    void findsFilesRegardlessOfCase_data();
    void findsFilesRegardlessOfCase();

private:
    QTemporaryDir m_dir;
};

void TestParadoxTable::readsBack_data() {
    QTest::addColumn<QList<Field>>("fields");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QList<int>>("deleted");
    QTest::addColumn<Rows>("expected");

    const QString polish = QStringLiteral("Zażółć gęślą jaźń");
    QTest::newRow("alpha") << QList<Field>{{QStringLiteral("Nazwa"), Kind::Alpha, 40},
                                           {QStringLiteral("Miejscowość"), Kind::Alpha, 10}}
                           << Rows{{polish, QStringLiteral("Łódź")},
                                   {polish.toUpper(), QStringLiteral("1234567890")},
                                   {QStringLiteral(" ze spacją "), QString()},
                                   {QString(), QVariant()}}
                           << QString() << QList<int>{}
                           << Rows{{polish, QStringLiteral("Łódź")},
                                   {polish.toUpper(), QStringLiteral("1234567890")},
                                   {QStringLiteral(" ze spacją "), QStringLiteral("")},
                                   {QStringLiteral(""), QStringLiteral("")}};

    // Zero is stored unlike a missing value and must stay a number.
    QTest::newRow("numbers") << QList<Field>{{QStringLiteral("Lp"), Kind::AutoInc},
                                             {QStringLiteral("Ilosc"), Kind::Short},
                                             {QStringLiteral("Przebieg"), Kind::Long},
                                             {QStringLiteral("Kwota"), Kind::Number},
                                             {QStringLiteral("Cena"), Kind::Currency},
                                             {QStringLiteral("Stawka"), Kind::Bcd, 2}}
                             << Rows{{1, 32767, 2147483647, 1234.56, 0.01, 1234.56},
                                     {2, -32767, -2147483647, -0.75, -1e9, -7.5},
                                     {3, 0, 0, 0.0, 0.0, 0.0},
                                     {4, 1, 20230517, 20230517.0, 3.14159, 99.99}}
                             << QString() << QList<int>{}
                             << Rows{{n(1), n(32767), n(2147483647), 1234.56, 0.01, 1234.56},
                                     {n(2), n(-32767), n(-2147483647), -0.75, -1e9, -7.5},
                                     {n(3), n(0), n(0), 0.0, 0.0, 0.0},
                                     {n(4), n(1), n(20230517), 20230517.0, 3.14159, 99.99}};

    // Longer than the memo's part in the record: kept in the table's .MB file, in a block
    // shared with other memos or, when longer still, in blocks of its own.
    const QString longMemo = QStringLiteral("Wymiana rozrządu, żółć. ").repeated(40);
    const QString longerMemo = QStringLiteral("Przegląd po szkodzie. ").repeated(400);
    QTest::newRow("dates, times, flags and memos")
        << QList<Field>{{QStringLiteral("Data"), Kind::Date},
                        {QStringLiteral("Godzina"), Kind::Time},
                        {QStringLiteral("Zmiana"), Kind::Timestamp},
                        {QStringLiteral("Aktywny"), Kind::Logical},
                        {QStringLiteral("Uwagi"), Kind::Memo, 60}}
        << Rows{{QDate(2023, 5, 17), QTime(13, 45, 12),
                 QDateTime(QDate(2023, 5, 17), QTime(8, 5, 59)), true, polish},
                {QDate(1999, 12, 31), QTime(0, 0, 30), QDateTime(QDate(2000, 1, 1), QTime(23, 59)),
                 false, QStringLiteral("krótko")},
                {QDate(2024, 2, 29), QTime(23, 59), QDateTime(QDate(1990, 6, 1), QTime(0, 1)),
                 QStringLiteral("T"), QVariant()},
                {QVariant(), QVariant(), QVariant(), QStringLiteral("N"), QVariant()},
                {QVariant(), QVariant(), QVariant(), QVariant(), longMemo},
                {QVariant(), QVariant(), QVariant(), QVariant(), longerMemo}}
        << QString() << QList<int>{}
        << Rows{{n(20230517), n(1345), n(202305170805), QStringLiteral("T"), polish},
                {n(19991231), n(0), n(200001012359), QStringLiteral("N"), QStringLiteral("krótko")},
                {n(20240229), n(2359), n(199006010001), QStringLiteral("T"), QVariant()},
                {QVariant(), QVariant(), QVariant(), QStringLiteral("N"), QVariant()},
                {QVariant(), QVariant(), QVariant(), QVariant(), longMemo},
                {QVariant(), QVariant(), QVariant(), QVariant(), longerMemo}};

    const QList<Field> allKinds{
        {QStringLiteral("A"), Kind::Alpha, 5}, {QStringLiteral("S"), Kind::Short},
        {QStringLiteral("L"), Kind::Long},     {QStringLiteral("I"), Kind::AutoInc},
        {QStringLiteral("N"), Kind::Number},   {QStringLiteral("C"), Kind::Currency},
        {QStringLiteral("B"), Kind::Bcd, 2},   {QStringLiteral("D"), Kind::Date},
        {QStringLiteral("T"), Kind::Time},     {QStringLiteral("TS"), Kind::Timestamp},
        {QStringLiteral("F"), Kind::Logical},  {QStringLiteral("M"), Kind::Memo, 20}};
    QVariantList nulls(allKinds.size());
    nulls[0] = QStringLiteral("");
    QTest::newRow("no values") << allKinds << Rows{QVariantList(allKinds.size())} << QString()
                               << QList<int>{} << Rows{nulls};
    QTest::newRow("no rows") << allKinds << Rows{} << QString() << QList<int>{} << Rows{};

    QTest::newRow("encrypted") << QList<Field>{{QStringLiteral("Nazwa"), Kind::Alpha, 30},
                                               {QStringLiteral("Kwota"), Kind::Number}}
                               << Rows{{polish, 12.5}, {QStringLiteral("Druga"), -3.0}}
                               << QStringLiteral("tajne") << QList<int>{}
                               << Rows{{polish, 12.5}, {QStringLiteral("Druga"), -3.0}};

    QTest::newRow("deleted records")
        << QList<Field>{{QStringLiteral("Nr"), Kind::Long}} << Rows{{10}, {11}, {12}, {13}, {14}}
        << QString() << QList<int>{1, 3} << Rows{{n(10)}, {n(12)}, {n(14)}};

    // Enough rows for a chain of many data blocks.
    Rows many, manyRead;
    for (int i = 0; i < 700; ++i) {
        many << QVariantList{i, QStringLiteral("pojazd %1 ęą").arg(i)};
        manyRead << QVariantList{n(i), QStringLiteral("pojazd %1 ęą").arg(i)};
    }
    QTest::newRow("several blocks") << QList<Field>{{QStringLiteral("Nr"), Kind::Long},
                                                    {QStringLiteral("Nazwa"), Kind::Alpha, 40}}
                                    << many << QString() << QList<int>{} << manyRead;
}

void TestParadoxTable::readsBack() {
    QFETCH(QList<Field>, fields);
    QFETCH(Rows, rows);
    QFETCH(QString, password);
    QFETCH(QList<int>, deleted);
    QFETCH(Rows, expected);

    const QString path = m_dir.filePath(QStringLiteral("tabela.DB"));
    QCOMPARE(ParadoxFixture::write(path, fields, rows, password), QString());
    if (!deleted.isEmpty())
        QCOMPARE(ParadoxFixture::deleteRecords(path, deleted), QString());

    // pxlib decrypts without the password; a wrong one changes nothing.
    for (const QString& given : {password, QStringLiteral("inne")}) {
        ParadoxTable table;
        QVERIFY2(table.open(path, given), qPrintable(table.error()));
        QCOMPARE(table.isEncrypted(), !password.isEmpty());

        QStringList names;
        for (const Field& field : fields)
            names << field.name;
        QCOMPARE(table.fieldNames(), names);
        for (int i = 0; i < names.size(); ++i) {
            QCOMPARE(table.fieldIndex(names[i].toUpper()), i);
            QCOMPARE(table.fieldIndex(names[i].toLower()), i);
        }
        QCOMPARE(table.fieldIndex(QStringLiteral("brak")), -1);

        QCOMPARE(table.rowCount(), expected.size());
        QVariantList values;
        for (int row = 0; row < expected.size(); ++row) {
            QVERIFY2(table.readRow(row, &values), qPrintable(table.error()));
            QCOMPARE(describe(values), describe(expected[row]));
        }
        QVERIFY(!table.readRow(int(expected.size()), &values));
        QVERIFY(values.isEmpty());
        QVERIFY(table.error().contains(QStringLiteral("brak rekordu")));
    }
}

// A memo whose text the .MB file should hold but does not becomes null; the table's other
// values and the memos kept in the record are still read.
void TestParadoxTable::memosOfAMissingOrDamagedMemoFileAreEmpty() {
    const QList<Field> fields{{QStringLiteral("Nr"), Kind::Long},
                              {QStringLiteral("Uwagi"), Kind::Memo, 30}};
    const QString shortMemo = QStringLiteral("krótko");
    const QString longMemo = QStringLiteral("długa notatka ").repeated(30);
    const QString path = m_dir.filePath(QStringLiteral("notatki.DB"));
    const QString memoPath = m_dir.filePath(QStringLiteral("notatki.MB"));
    const auto damages = {
        std::function<void()>([&] { QVERIFY(QFile::remove(memoPath)); }),
        std::function<void()>([&] { writeAll(memoPath, readAll(memoPath).left(4096)); }),
        std::function<void()>(
            [&] { writeAll(memoPath, QByteArray(readAll(memoPath).size(), 'x')); })};
    for (const auto& damage : damages) {
        QCOMPARE(ParadoxFixture::write(path, fields, {{1, longMemo}, {2, shortMemo}}), QString());
        damage();
        ParadoxTable table;
        QVERIFY2(table.open(path), qPrintable(table.error()));
        QVariantList values;
        QVERIFY(table.readRow(0, &values));
        QCOMPARE(describe(values), describe({n(1), QVariant()}));
        QVERIFY(table.readRow(1, &values));
        QCOMPARE(describe(values), describe({n(2), shortMemo}));
    }
}

void TestParadoxTable::refusesUnreadableFiles_data() {
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing") << "missing"
                             << "plik nie istnieje";
    QTest::newRow("empty") << "empty"
                           << "nie jest tabelą Paradox";
    QTest::newRow("text") << "text"
                          << "nie jest tabelą Paradox";
    QTest::newRow("noise") << "noise"
                           << "nie jest tabelą Paradox";
    QTest::newRow("cut in the header") << "cut 100"
                                       << "plik jest ucięty";
    QTest::newRow("cut after the header") << "cut 2048"
                                          << "plik jest ucięty";
    QTest::newRow("cut in a block") << "cut 3000"
                                    << "plik jest ucięty";
    QTest::newRow("record count") << "count"
                                  << "nagłówek podaje 699 rekordów, a bloki danych zawierają 700";
    QTest::newRow("block chain loop") << "loop"
                                      << "uszkodzony łańcuch bloków danych";
}

void TestParadoxTable::refusesUnreadableFiles() {
    QFETCH(QString, damage);
    QFETCH(QString, reason);

    const QString good = m_dir.filePath(QStringLiteral("dobra.DB"));
    Rows rows;
    for (int i = 0; i < 700; ++i)
        rows << QVariantList{i};
    QCOMPARE(ParadoxFixture::write(good, {{QStringLiteral("Nr"), Kind::Long}}, rows), QString());
    const QByteArray bytes = readAll(good);
    QVERIFY(bytes.size() > 4096);

    const QString path = m_dir.filePath(QStringLiteral("zla.DB"));
    QFile::remove(path);
    if (damage == u"empty") {
        writeAll(path, {});
    } else if (damage == u"text") {
        writeAll(path, "firma;adres\r\nTrans-Pol;Łódź\r\n");
    } else if (damage == u"noise") {
        QByteArray noise;
        for (int i = 0; i < 5000; ++i)
            noise += char((i * 7919 + 13) % 251);
        writeAll(path, noise);
    } else if (damage.startsWith(u"cut ")) {
        writeAll(path, bytes.left(damage.mid(4).toInt()));
    } else if (damage == u"count") {
        QByteArray changed = bytes;
        qToLittleEndian<quint32>(699, changed.data() + 6);
        writeAll(path, changed);
    } else if (damage == u"loop") {
        // The last block points back at the first.
        QByteArray changed = bytes;
        const int headerSize = qFromLittleEndian<quint16>(bytes.constData() + 2);
        const int blockSize = quint8(bytes[5]) * 1024;
        const int lastBlock = qFromLittleEndian<quint16>(bytes.constData() + 0x10);
        QVERIFY(lastBlock > 1);
        qToLittleEndian<quint16>(1, changed.data() + headerSize + (lastBlock - 1) * blockSize);
        writeAll(path, changed);
    }

    ParadoxTable table;
    QVERIFY(!table.open(path));
    QVERIFY(!table.isOpen());
    QVERIFY2(table.error().startsWith(QStringLiteral("nie można odczytać tabeli ") +
                                      QDir::toNativeSeparators(path) + u':'),
             qPrintable(table.error()));
    QVERIFY2(table.error().contains(reason), qPrintable(table.error()));
    QCOMPARE(table.rowCount(), 0);
    QVariantList values;
    QVERIFY(!table.readRow(0, &values));

    // The same object reads a sound table afterwards.
    QVERIFY2(table.open(good), qPrintable(table.error()));
    QCOMPARE(table.rowCount(), 700);
    QVERIFY(table.readRow(699, &values));
    QCOMPARE(describe(values), QStringList{QStringLiteral("qlonglong:699")});
}

void TestParadoxTable::findsFilesRegardlessOfCase_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("found");

    QTest::newRow("upper case on disk") << QStringList{"FIRMY.DB", "POJAZDY.DB"} << "firmy.DB"
                                        << "FIRMY.DB";
    QTest::newRow("mixed case on disk") << QStringList{"Firmy.db"} << "FIRMY.DB"
                                        << "Firmy.db";
    QTest::newRow("exact match first")
        << QStringList{"FIRMY.DB", "Firmy.db", "firmy.DB"} << "firmy.DB"
        << "firmy.DB";
    QTest::newRow("Polish letters") << QStringList{"ODLEGŁOŚCI.DB"} << "odległości.DB"
                                    << "ODLEGŁOŚCI.DB";
    QTest::newRow("similar names only")
        << QStringList{"firmy.DB.bak", "firmyDB", "firmy.MB"} << "firmy.DB"
        << "";
    QTest::newRow("a directory") << QStringList{"FIRMY.DB/"} << "firmy.DB"
                                 << "";
    QTest::newRow("empty directory") << QStringList{} << "firmy.DB"
                                     << "";
}

void TestParadoxTable::findsFilesRegardlessOfCase() {
    QFETCH(QStringList, files);
    QFETCH(QString, wanted);
    QFETCH(QString, found);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString& name : files) {
        if (name.endsWith(u'/'))
            QVERIFY(QDir(dir.path()).mkdir(name.chopped(1)));
        else
            writeAll(dir.filePath(name), name.toUtf8());
    }

    const QString path = LegacyFiles::find(dir.path(), wanted);
    QCOMPARE(path, found.isEmpty() ? QString() : QDir(dir.path()).filePath(found));
    if (!found.isEmpty())
        QCOMPARE(readAll(path), found.toUtf8());
    QCOMPARE(LegacyFiles::find(dir.filePath(QStringLiteral("brak")), wanted), QString());
}

QTEST_GUILESS_MAIN(TestParadoxTable)
#include "tst_paradoxtable.moc"
