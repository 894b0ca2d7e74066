#include "shell/TipsOfTheDay.h"
#include "shell/WidgetMessageService.h"
#include "shell/uInfoForm.h"
#include "shell/uPoradaDnia.h"
#include "shell/uPromptForm.h"
#include "shell/uQuestionForm.h"
#include "support/CodePage.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

// Acts on the modal boxes as they appear, one step per box. A box nobody expected, or
// one still open after the safety timeout, is rejected and recorded, so no test hangs.
class ModalDriver : public QObject {
public:
    using Action = std::function<void(QWidget*)>;
    explicit ModalDriver(int timeoutMs = 5000) : m_timeoutMs(timeoutMs) {
        connect(&m_poll, &QTimer::timeout, this, &ModalDriver::poll);
        m_poll.start(10);
        m_clock.start();
    }
    ModalDriver& then(const char* className, Action action) {
        m_steps.append({className, std::move(action)});
        return *this;
    }
    bool done() const { return m_steps.isEmpty() && m_problem.isEmpty(); }
    QByteArray problem() const { return m_problem.toUtf8(); }

private:
    void poll() {
        QWidget* box = QApplication::activeModalWidget();
        if (!box || !box->isVisible())
            return;
        if (!m_steps.isEmpty() && box->inherits(m_steps.first().first) &&
            m_clock.elapsed() < m_timeoutMs) {
            m_steps.takeFirst().second(box);
            return;
        }
        m_problem += QStringLiteral("unexpected or unanswered box %1; ")
                         .arg(QString::fromLatin1(box->metaObject()->className()));
        if (auto* dialog = qobject_cast<QDialog*>(box))
            dialog->reject();
        else
            box->close();
    }
    QList<std::pair<const char*, Action>> m_steps;
    QTimer m_poll;
    QElapsedTimer m_clock;
    int m_timeoutMs;
    QString m_problem;
};

namespace {

// Keys go where the user's would: to the box's focused widget.
void press(QWidget* box, Qt::Key key) {
    QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, key);
}

// QTest::keyClicks sends Latin-1 only; this types any letter.
void type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent pressEvent(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent releaseEvent(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &pressEvent);
        QApplication::sendEvent(widget, &releaseEvent);
    }
}

QPushButton* button(QWidget* box, const char* name) {
    return box->findChild<QPushButton*>(QLatin1String(name));
}

// How a test leaves a box.
void leave(QWidget* box, const QString& how) {
    if (how == QLatin1String("enter"))
        press(box, Qt::Key_Return);
    else if (how == QLatin1String("escape"))
        press(box, Qt::Key_Escape);
    else if (how == QLatin1String("close"))
        box->close();
    else
        button(box, how.toLatin1().constData())->click();
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

QByteArray numberedTips(int count) {
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "Porada " + QByteArray::number(i) + "\r\n";
    return bytes;
}

}  // namespace

using Opt = std::optional<QString>;

class TestBoxes : public QObject {
    Q_OBJECT

private slots:
    void infoBox_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Enter") << "enter";
        QTest::newRow("Esc") << "escape";
        QTest::newRow("OK") << "BOK";
        QTest::newRow("window closed") << "close";
    }
    void infoBox() {
        QFETCH(QString, how);
        QString title, text, caption;
        bool wraps = false;
        ModalDriver driver;
        driver.then("TinfoForm", [&](QWidget* box) {
            title = box->windowTitle();
            text = static_cast<TinfoForm*>(box)->textLabel()->text();
            wraps = static_cast<TinfoForm*>(box)->textLabel()->wordWrap();
            caption = button(box, "BOK")->text();
            leave(box, how);
        });
        TinfoForm::show(nullptr, u"Błąd bazy danych"_qs, u"Brak <pliku> & co"_qs);
        QVERIFY2(driver.done(), driver.problem());
        QCOMPARE(title, u"Błąd bazy danych"_qs);
        QCOMPARE(text, u"Brak <pliku> & co"_qs);
        QVERIFY(wraps);
        QCOMPARE(caption, u"  &OK    "_qs);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void infoBoxIsCentred_data() {
        QTest::addColumn<bool>("withParent");
        QTest::newRow("on the parent") << true;
        QTest::newRow("on the screen") << false;
    }
    void infoBoxIsCentred() {
        QFETCH(bool, withParent);
        QWidget window;
        window.setGeometry(40, 50, 500, 380);
        if (withParent) {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        }
        TinfoForm box(u"Informacja"_qs, u"Tekst"_qs, withParent ? &window : nullptr);
        QCOMPARE(box.objectName(), u"TinfoForm"_qs);
        QPoint centre;
        ModalDriver driver;
        driver.then("TinfoForm", [&](QWidget* shown) {
            centre = shown->frameGeometry().center();
            press(shown, Qt::Key_Escape);
        });
        QCOMPARE(box.exec(), int(QDialog::Rejected));
        QVERIFY2(driver.done(), driver.problem());
        const QPoint expected = withParent ? window.frameGeometry().center()
                                           : box.screen()->availableGeometry().center();
        QVERIFY2((centre - expected).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1,%2").arg(centre.x()).arg(centre.y())));
    }

    void question_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("answer");
        QTest::newRow("Enter") << "enter" << true;
        QTest::newRow("Tak") << "BTak" << true;
        QTest::newRow("Nie") << "BNie" << false;
        QTest::newRow("Esc") << "escape" << false;
        QTest::newRow("window closed") << "close" << false;
    }
    // Through the service, which must return what the box answered.
    void question() {
        QFETCH(QString, how);
        QFETCH(bool, answer);
        QWidget window;
        WidgetMessageService service(&window);
        QWidget* parent = nullptr;
        QString name, title, text, yes, no;
        bool yesIsDefault = false;
        ModalDriver driver;
        driver.then("TquestionForm", [&](QWidget* box) {
            parent = box->parentWidget();
            name = box->objectName();
            title = box->windowTitle();
            text = static_cast<TquestionForm*>(box)->text();
            yes = button(box, "BTak")->text();
            no = button(box, "BNie")->text();
            yesIsDefault = button(box, "BTak")->isDefault() && !button(box, "BNie")->isDefault();
            leave(box, how);
        });
        const bool result = service.question(u"Pytanie"_qs, u"Usunąć pojazd?"_qs);
        QVERIFY2(driver.done(), driver.problem());
        QCOMPARE(result, answer);
        QCOMPARE(parent, &window);
        QCOMPARE(name, u"TquestionForm"_qs);
        QCOMPARE(title, u"Pytanie"_qs);
        QCOMPARE(text, u"Usunąć pojazd?"_qs);
        QCOMPARE(yes, u"  &Tak   "_qs);
        QCOMPARE(no, u"  &Nie   "_qs);
        QVERIFY(yesIsDefault);
    }

    void prompt_data() {
        QTest::addColumn<QString>("initial");
        QTest::addColumn<bool>("password");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("how");
        QTest::addColumn<Opt>("expected");
        QTest::newRow("replaced") << "stara" << false << "Łódź 1"
                                  << "enter" << Opt(u"Łódź 1"_qs);
        QTest::newRow("kept") << "Kowalski" << false << ""
                              << "enter" << Opt(u"Kowalski"_qs);
        QTest::newRow("Ok") << "" << false << "abc"
                            << "BOk" << Opt(u"abc"_qs);
        QTest::newRow("password") << "stare" << true << "tajne"
                                  << "enter" << Opt(u"tajne"_qs);
        QTest::newRow("Esc") << "stara" << false << "nowa"
                             << "escape" << Opt();
        QTest::newRow("Anuluj") << "stara" << false << "nowa"
                                << "BAnuluj" << Opt();
        QTest::newRow("closed") << "" << true << "x"
                                << "close" << Opt();
    }
    void prompt() {
        QFETCH(QString, initial);
        QFETCH(bool, password);
        QFETCH(QString, typed);
        QFETCH(QString, how);
        QFETCH(Opt, expected);
        QString name, selected, shown, label, ok, cancel;
        bool focused = false;
        ModalDriver driver;
        driver.then("TpromptForm", [&](QWidget* box) {
            auto* field = box->findChild<QLineEdit*>(u"fValue"_qs);
            name = box->objectName();
            selected = field->selectedText();
            focused = box->focusWidget() == field;
            label = static_cast<TpromptForm*>(box)->textLabel()->text();
            ok = button(box, "BOk")->text();
            cancel = button(box, "BAnuluj")->text();
            type(field, typed);
            shown = field->displayText();
            leave(box, how);
        });
        const Opt result =
            TpromptForm::prompt(nullptr, u"Hasło"_qs, u"Podaj wartość:"_qs, initial, password);
        QVERIFY2(driver.done(), driver.problem());
        QCOMPARE(result, expected);
        QCOMPARE(name, u"TpromptForm"_qs);
        QCOMPARE(selected, initial);
        QVERIFY(focused);
        QCOMPARE(label, u"Podaj wartość:"_qs);
        QCOMPARE(ok, u"  &Ok   "_qs);
        QCOMPARE(cancel, u"  &Anuluj   "_qs);
        const QString value = typed.isEmpty() ? initial : typed;
        QCOMPARE(shown, password ? QString(value.size(), QLatin1Char('*')) : value);
    }

    void passwordModeDoesNotStick() {
        QStringList shown;
        const auto typeAndAccept = [&](QWidget* box) {
            auto* field = box->findChild<QLineEdit*>(u"fValue"_qs);
            type(field, u"lotra"_qs);
            shown << field->displayText();
            press(box, Qt::Key_Return);
        };
        ModalDriver driver;
        driver.then("TpromptForm", typeAndAccept).then("TpromptForm", typeAndAccept);
        QCOMPARE(TpromptForm::prompt(nullptr, u"Hasło"_qs, u"Hasło:"_qs, {}, true), u"lotra"_qs);
        QCOMPARE(TpromptForm::prompt(nullptr, u"Nazwa"_qs, u"Nazwa:"_qs, {}, false), u"lotra"_qs);
        QVERIFY2(driver.done(), driver.problem());
        QCOMPARE(shown, QStringList({u"*****"_qs, u"lotra"_qs}));
    }

    void tipFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QStringList first300;
        for (int i = 1; i <= 300; ++i)
            first300 << QStringLiteral("Porada %1").arg(i);
        const QString polish = u"Zażółć gęślą jaźń – ŁÓDŹ"_qs;
        QTest::newRow("350 lines") << numberedTips(350) << first300;
        QTest::newRow("empty lines, BOM")
            << QByteArray("\xEF\xBB\xBFPierwsza\r\n\r\n   \n\tDruga  \nTrzecia")
            << QStringList({u"Pierwsza"_qs, u"Druga"_qs, u"Trzecia"_qs});
        QTest::newRow("Windows-1250")
            << CodePage::encode(polish + u"\r\nDruga\r\n"_qs, TextEncoding::Windows1250)
            << QStringList({polish, u"Druga"_qs});
        QTest::newRow("UTF-8") << (polish + u"\n"_qs).toUtf8() << QStringList{polish};
        QTest::newRow("one tip") << QByteArray("\nJedyna\n\n") << QStringList{u"Jedyna"_qs};
        QTest::newRow("no tips") << QByteArray("\r\n \r\n") << QStringList();
    }
    void tipFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        TipsOfTheDay tips(7);
        QVERIFY(tips.load(writeFile(dir, u"porady.dat"_qs, bytes)));
        QCOMPARE(tips.tips(), expected);
        QCOMPARE(tips.count(), expected.size());
        // A file that cannot be read empties the store.
        QVERIFY(!tips.load(dir.filePath(u"brak.dat"_qs)));
        QCOMPARE(tips.count(), 0);
    }

    void draws_data() {
        QTest::addColumn<int>("count");
        for (int count : {0, 1, 2, 3, 12, 300})
            QTest::addRow("%d tips", count) << count;
    }
    void draws() {
        QFETCH(int, count);
        QTemporaryDir dir;
        const QString file = writeFile(dir, u"porady.dat"_qs, numberedTips(count));
        // The same seed gives the same order; another seed another one.
        TipsOfTheDay tips(2024), same(2024), other(2025);
        QVERIFY(tips.load(file) && same.load(file) && other.load(file));
        QSet<QString> seen;
        QString previous = tips.next();
        bool otherOrder = previous != other.next();
        QCOMPARE(same.next(), previous);
        for (int i = 0; i < 5000; ++i) {
            const QString tip = tips.next();
            if (count < 2)
                QCOMPARE(tip, count == 0 ? QString() : u"Porada 1"_qs);
            else
                QVERIFY2(tip != previous && tips.tips().contains(tip), qPrintable(tip));
            QCOMPARE(same.next(), tip);
            otherOrder = otherOrder || other.next() != tip;
            seen.insert(tip);
            previous = tip;
        }
        QCOMPARE(seen.size(), qMax(count, 1));
        QCOMPARE(otherOrder, count >= 2);
    }

    void firstAvailableTipFile() {
        QTemporaryDir dir;
        const QString own = writeFile(dir, u"porady.dat"_qs, "Własna porada\nDruga własna\n");
        TipsOfTheDay tips(11);
        QVERIFY(tips.loadFirstAvailable(own));
        QCOMPARE(tips.tips(), QStringList({u"Własna porada"_qs, u"Druga własna"_qs}));
        QCOMPARE(TipsOfTheDay::shippedFile(), u":/porady.dat"_qs);
        QVERIFY(tips.loadFirstAvailable(dir.filePath(u"brak.dat"_qs)));
        QVERIFY2(tips.count() >= 30 && tips.count() < TipsOfTheDay::MaxTips,
                 qPrintable(QString::number(tips.count())));
        // The shipped file is UTF-8; its Polish letters must come through.
        const QString all = tips.tips().join(QLatin1Char(' '));
        QVERIFY(all.contains(u"ubezpieczyciela"_qs) && all.contains(u"następnego"_qs));
    }

    void tipWindow_data() {
        QTest::addColumn<int>("count");
        for (int count : {0, 1, 2, 5})
            QTest::addRow("%d tips", count) << count;
    }
    void tipWindow() {
        QFETCH(int, count);
        QTemporaryDir dir;
        TipsOfTheDay tips(8);
        QVERIFY(tips.load(writeFile(dir, u"porady.dat"_qs, numberedTips(count))));
        TfPoradaDnia window(&tips);
        QCOMPARE(window.objectName(), u"TfPoradaDnia"_qs);
        QCOMPARE(window.windowTitle(), u"Porada dnia"_qs);
        QCOMPARE(button(&window, "BNastepna")->text(), u"&Następna porada >>"_qs);
        QCOMPARE(button(&window, "BOK")->text(), u"   &OK        "_qs);
        auto* check = window.findChild<QCheckBox*>(u"cbNiePokazuj"_qs);
        QCOMPARE(check->text(), u"Nie pokazuj tego okna przy następnym uruchomieniu"_qs);
        window.setDontShow(true);
        QVERIFY(check->isChecked() && window.dontShow());
        check->click();
        QVERIFY(!window.dontShow());

        window.show();
        auto* view = window.findChild<QPlainTextEdit*>(u"Porada"_qs);
        QVERIFY(view->isReadOnly());
        QCOMPARE(view->toPlainText().isEmpty(), count == 0);
        QVERIFY(count == 0 || tips.tips().contains(view->toPlainText()));
        for (int i = 0; i < 20; ++i) {
            const QString before = view->toPlainText();
            button(&window, "BNastepna")->click();
            QCOMPARE(view->toPlainText() != before, count >= 2);
        }
        press(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }

    void tipWindowPicksATipEachShowing() {
        QTemporaryDir dir;
        TipsOfTheDay tips(4);
        QVERIFY(tips.load(writeFile(dir, u"porady.dat"_qs, numberedTips(2))));
        TfPoradaDnia window(&tips);
        QStringList shown;
        const auto read = [&](QWidget* box) {
            shown << static_cast<TfPoradaDnia*>(box)->currentTip();
            press(box, Qt::Key_Escape);
        };
        ModalDriver driver;
        driver.then("TfPoradaDnia", read).then("TfPoradaDnia", read).then("TfPoradaDnia", read);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(window.exec(), int(QDialog::Rejected));
        QVERIFY2(driver.done(), driver.problem());
        QCOMPARE(shown.size(), 3);
        QVERIFY(shown[0] != shown[1] && shown[1] != shown[2]);
    }

    void serviceSaveAsksBeforeOverwriting() {
        QTemporaryDir dir;
        const QString existing = writeFile(dir, u"raport.csv"_qs, "a;b\r\n");
        WidgetMessageService service(nullptr);
        for (const bool replace : {false, true}) {
            QString proposed, question;
            ModalDriver driver;
            driver.then("QFileDialog", [&](QWidget* box) {
                proposed = box->findChild<QLineEdit*>(u"fileNameEdit"_qs)->text();
                static_cast<QDialog*>(box)->accept();
            });
            driver.then("TquestionForm", [&](QWidget* box) {
                question = static_cast<TquestionForm*>(box)->text();
                button(box, replace ? "BTak" : "BNie")->click();
            });
            if (!replace) {
                // Back in the file dialog: a name without its extension.
                driver.then("QFileDialog", [&](QWidget* box) {
                    box->findChild<QLineEdit*>(u"fileNameEdit"_qs)
                        ->setText(dir.filePath(u"inny"_qs));
                    static_cast<QDialog*>(box)->accept();
                });
            }
            const QString chosen =
                service.saveFileName(u"Zapisz"_qs, existing, {u"Arkusz CSV (*.csv)"_qs});
            QVERIFY2(driver.done(), driver.problem());
            QCOMPARE(proposed, u"raport.csv"_qs);
            QVERIFY2(question.contains(u"raport.csv"_qs), qPrintable(question));
            QCOMPARE(chosen, replace ? existing : dir.filePath(u"inny.csv"_qs));
        }
    }

    void serviceOpenFileName() {
        QTemporaryDir dir;
        const QString file = writeFile(dir, u"dane.csv"_qs, "x\r\n");
        WidgetMessageService service(nullptr);
        QStringList filters;
        ModalDriver driver;
        driver.then("QFileDialog", [&](QWidget* box) {
            filters = static_cast<QFileDialog*>(box)->nameFilters();
            box->findChild<QLineEdit*>(u"fileNameEdit"_qs)->setText(file);
            static_cast<QDialog*>(box)->accept();
        });
        driver.then("QFileDialog", [&](QWidget* box) { press(box, Qt::Key_Escape); });
        QCOMPARE(service.openFileName(u"Otwórz"_qs, {u"Arkusz CSV (*.csv)"_qs}), file);
        QCOMPARE(service.openFileName(u"Otwórz"_qs, {}), QString());
        QVERIFY2(driver.done(), driver.problem());
        QCOMPARE(filters, QStringList{u"Arkusz CSV (*.csv)"_qs});
    }
};

QTEST_MAIN(TestBoxes)
#include "tst_boxes.moc"
