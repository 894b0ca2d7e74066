// Amounts in whole grosze: reading typed amounts, and the VAT calculator of the cost,
// damage and tyre dialogs keeping net + VAT = gross without touching the net typed.
#include "data/Money.h"
#include "data/schema/CompanySeed.h"
#include "registers/DecimalField.h"
#include "registers/VatCalculator.h"

#include <QComboBox>
#include <QLocale>
#include <QTest>

class TstVatCalculator : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    void readsTypedAmounts_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qint64>("hundredths");  // -1: no number
        QTest::newRow("comma") << "10,5" << qint64(1050);
        QTest::newRow("point") << "10.50" << qint64(1050);
        QTest::newRow("whole") << " 7 " << qint64(700);
        QTest::newRow("half up") << "1,005" << qint64(101);
        QTest::newRow("below half") << "1,00499" << qint64(100);
        QTest::newRow("negative half") << "-0,005" << qint64(-1);
        QTest::newRow("binary trap") << "0,29" << qint64(29);
        QTest::newRow("leading point") << ",5" << qint64(50);
        QTest::newRow("exponent") << "1e2" << qint64(10000);
        QTest::newRow("empty") << "" << qint64(-1);
        QTest::newRow("letters") << "12a" << qint64(-1);
        QTest::newRow("two points") << "1,2,3" << qint64(-1);
        QTest::newRow("sign only") << "-" << qint64(-1);
    }
    void readsTypedAmounts() {
        QFETCH(QString, typed);
        QFETCH(qint64, hundredths);
        const auto read = Money::hundredths(typed);
        QCOMPARE(read.value_or(-1), hundredths);
        if (read)
            QCOMPARE(Money::hundredths(Money::text(*read)).value_or(-1), *read);
    }

    // Leaving an amount writes it with two decimals rounded half up from what was typed.
    void leavingRoundsTheTypedDigits_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("half up") << "1,005"
                                 << "1,01";
        QTest::newRow("binary below half") << "2,675"
                                           << "2,68";
        QTest::newRow("negative") << "-0,005"
                                  << "-0,01";
        QTest::newRow("no number") << "abc"
                                   << "0,00";
        QTest::newRow("whole") << "7"
                               << "7,00";
    }
    void leavingRoundsTheTypedDigits() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        DecimalField field(QStringLiteral("fWARTNETTO"), 18);
        field.setText(typed);
        field.normalise();
        QCOMPARE(field.text(), shown);
    }

    // Every net from 0,01 to 100,00 at every rate a new company starts with.
    void rateKeepsNetAndAddsUpToTheGrosz() {
        DecimalField net(QStringLiteral("fWARTNETTO"), 18), vat(QStringLiteral("fWARTVAT"), 18),
            gross(QStringLiteral("fWARTBRUTTO"), 18);
        QComboBox rate;
        VatCalculator calculator(&net, &rate, &vat, &gross);
        const QStringList rates = CompanySeed::dictionaryTexts(QStringLiteral("STVAT"));
        QVERIFY(rates.size() >= 3);
        calculator.setRates(rates);
        int wrong = 0;
        QString first;
        for (int r = 0; r < rates.size(); ++r) {
            const qint64 rateHundredths = qRound64(rates[r].toDouble() * 100);
            for (qint64 n = 1; n <= 10000; ++n) {
                const QString typed = Money::text(n);
                net.setText(typed);
                rate.setCurrentIndex(r);
                emit rate.activated(r);
                // Half up: the remainder of net × rate in ten-thousandths decides.
                qint64 expected = n * rateHundredths / 10000;
                if (2 * (n * rateHundredths % 10000) >= 10000)
                    ++expected;
                const bool ok = net.text() == typed && vat.text() == Money::text(expected) &&
                                gross.text() == Money::text(n + expected);
                if (!ok && wrong++ == 0)
                    first = QStringLiteral("%1 at %2: %3 + %4 = %5")
                                .arg(typed, rates[r], net.text(), vat.text(), gross.text());
            }
        }
        QVERIFY2(wrong == 0,
                 qPrintable(QStringLiteral("%1 wrong, first %2").arg(wrong).arg(first)));
    }

    // Typing one amount recomputes another exactly; a gross below the VAT leaves the net.
    void typedAmountsRebalance_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("netVatGross");
        QTest::newRow("gross gives net") << "gross"
                                         << "12,91"
                                         << "10,49 2,42 12,91";
        QTest::newRow("gross below vat") << "gross"
                                         << "1,00"
                                         << "10,50 2,42 1,00";
        QTest::newRow("net gives gross") << "net"
                                         << "0,70"
                                         << "0,70 2,42 3,12";
        QTest::newRow("vat gives gross") << "vat"
                                         << "0,04"
                                         << "10,50 0,04 10,54";
    }
    void typedAmountsRebalance() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, netVatGross);
        DecimalField net(QStringLiteral("fWARTNETTO"), 18), vat(QStringLiteral("fWARTVAT"), 18),
            gross(QStringLiteral("fWARTBRUTTO"), 18);
        QComboBox rate;
        VatCalculator calculator(&net, &rate, &vat, &gross);
        net.setText(QStringLiteral("10,50"));
        vat.setText(QStringLiteral("2,42"));
        (field == QLatin1String("net")   ? net
         : field == QLatin1String("vat") ? vat
                                         : gross)
            .setText(typed);
        QCOMPARE(QStringList({net.text(), vat.text(), gross.text()}).join(u' '), netVatGross);
    }
};

QTEST_MAIN(TstVatCalculator)
#include "tst_vatcalculator.moc"
