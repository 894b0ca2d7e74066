#include "support/translation/TResourceTranslator.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestTranslator : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QByteArray& text) {
        const QString path = m_dir.filePath(QStringLiteral("english.ini"));
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(text);
        return path;
    }

private slots:
    void singleTexts_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QByteArray yes = "[global]\r\nTak=Yes\r\nTak =Spaced\r\n";
        QTest::newRow("exact") << yes << "Tak"
                               << "Yes";
        QTest::newRow("letter case") << yes << "TAK"
                                     << "Yes";
        QTest::newRow("trailing blank is another text") << yes << "Tak "
                                                        << "Spaced";
        QTest::newRow("blank source not used for bare") << QByteArray("[global]\nTak =X\n") << "Tak"
                                                        << "Tak";
        QTest::newRow("first pair wins") << QByteArray("[global]\nNie=No\nnie=Nope\n") << "NIE"
                                         << "No";
        QTest::newRow("split at first equals") << QByteArray("[global]\nA=b=c\n") << "A"
                                               << "b=c";
        QTest::newRow("line without equals") << QByteArray("[global]\nhello\n") << ""
                                             << "hello";
        QTest::newRow("no global section") << QByteArray("[x]\nTak=Yes\n") << "Tak"
                                           << "Tak";
        QTest::newRow("header must be exact") << QByteArray(" [global]\nTak=Yes\n") << "Tak"
                                              << "Tak";
        QTest::newRow("later headers are pairs")
            << QByteArray("[global]\n[Reports]=R\n[Reports]\nRx=y\n") << "[Reports]"
            << "R";
        QTest::newRow("composed from a pattern")
            << QByteArray("[global]\nDodano wierszy: %1. Pominięto: %2.=Added %1, skipped %2.\n")
            << "Dodano wierszy: 12. Pominięto: 3."
            << "Added 12, skipped 3.";
        QTest::newRow("pattern with swapped arguments")
            << QByteArray("[global]\nPlik %1 w %2=In %2: %1\n") << "Plik a.csv w /tmp"
            << "In /tmp: a.csv";
        QTest::newRow("exact pair beats pattern")
            << QByteArray("[global]\nPlik %1=File %1\nPlik x=The x file\n") << "Plik x"
            << "The x file";
        QTest::newRow("lines of a message")
            << QByteArray("[global]\nBłąd zapisu=Write error\nSpróbuj ponownie.=Try again.\n")
            << "Błąd zapisu\nSpróbuj ponownie."
            << "Write error\nTry again.";
        QTest::newRow("windows-1250 file")
            << QByteArray("[global]\nZu\xbf\x79\x63ie=Consumption\n") << "Zużycie"
            << "Consumption";
    }
    void singleTexts() {
        QFETCH(QByteArray, file);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const TResourceTranslator translator(write(file));
        QCOMPARE(translator.translateText(text), expected);
    }

    // Report texts end each line with CR LF; the engine table takes numbers 0..2346 only;
    // sections before "[global]" are read as sections and after it also as pairs.
    void reportAndEngineTexts() {
        const TResourceTranslator translator(
            write("[Reports]\r\n"
                  "RWystawił<br>=Issued by<br>\r\n"
                  "xRazem=Total\r\n"
                  "xPusty=\r\n"
                  "#Dwie<br>linie<br>=\"Two<br>lines<br>\"\r\n"
                  "[FreeReport]\r\n"
                  "0=Preview\r\n2346=Last\r\n2347=Out\r\n"
                  "-1=Negative\r\nabc=Word\r\n"
                  "[global]\r\n"
                  "[FreeReport]=pair\r\n"));
        QCOMPARE(translator.translateReport(QStringLiteral("Wystawił\r\n")), "Issued by\r\n");
        QCOMPARE(translator.translateReport(QStringLiteral("WYSTAWIŁ\r\n")), "Issued by\r\n");
        QCOMPARE(translator.translateReport(QStringLiteral("Razem\r\n")), "Razem\r\n");
        QCOMPARE(translator.translateReport(QStringLiteral("Razem")), "Total");
        QCOMPARE(translator.translateReport(QStringLiteral("Pusty")), "Pusty");
        QCOMPARE(translator.translateReport(QStringLiteral("Dwie\r\nlinie\r\n")),
                 "Two\r\nlines\r\n");
        const QStringList& engine = translator.engineTexts();
        QCOMPARE(engine.size(), TResourceTranslator::kEngineTextCount);
        QCOMPARE(engine[0], "Preview");
        QCOMPARE(engine[2346], "Last");
        QCOMPARE(engine.count(QString()), TResourceTranslator::kEngineTextCount - 2);
        QCOMPARE(translator.translateText(QStringLiteral("[FreeReport]")), "pair");
    }

    void missingFileAndWindowSections() {
        const TResourceTranslator none(m_dir.filePath(QStringLiteral("brak.ini")));
        QVERIFY(none.isEmpty());
        QCOMPARE(none.translateText(QStringLiteral("Tak")), "Tak");
        QVERIFY(none.windowSection(QStringLiteral("TfMain")).isEmpty());

        const TResourceTranslator translator(
            write("[TfKoszty]\nfKoszty.Caption = \"Cost\" \nBZapisz.text=\nBZapisz.text=Save\n"));
        const QHash<QString, QString> section =
            translator.windowSection(QStringLiteral("tfkoszty"));
        QCOMPARE(section.value(QStringLiteral("fkoszty.caption")), "Cost");
        // The first of two keys counts, even when empty.
        QVERIFY(section.contains(QStringLiteral("bzapisz.text")));
        QCOMPARE(section.value(QStringLiteral("bzapisz.text")), "");

        TResourceTranslator::install(&translator);
        QCOMPARE(tx(QStringLiteral("x")), "x");
        TResourceTranslator::install(nullptr);
    }
};

QTEST_GUILESS_MAIN(TestTranslator)
#include "tst_translator.moc"
