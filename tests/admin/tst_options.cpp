#include "admin/ConfigPP.h"
#include "admin/uOpcjeProgramu.h"
#include "support/IniFile.h"

#include "ScriptedMessageService.h"
#include "TestDataDir.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <memory>

namespace {

// The controls bound to keys of [OPTIONS], page by page; a control's key is its name but
// for the few renamed in kKeys.
const QList<QStringList> kPages = {
    {"PokazujPoradeDnia", "sprawdzajTerminy", "sprawdzajPrzebieg", "sprawdzajNotatki",
     "sprawdzajMagazyn", "pytajPrzedKasowaniem", "pytajPrzedZamknieciem", "poleInneJestLiczba"},
    {"cbOC", "cbAC", "cbPRZEG", "cbPRZEGW", "cbNAPRAWY", "cbWYPOSAZENIE", "cbDOKUMENTY",
     "cbKPALIWOWE", "cbTERMINARZ", "cbOPONY", "dataPrzed", "dataPo"},
    {"cbLICZPRZEG", "cbLICZGWAR", "cbLICZNAPR", "cbLICZWYPOS", "cbLICZDOK", "cbLICZTERM",
     "cbLICZOPONY", "kmOd", "kmDo"},
    {"cbRapZaakceptowal", "cbRapWystawil", "cbRapData", "cbRapFirma"},
};
const QHash<QString, QString> kKeys = {{"sprawdzajMagazyn", "cbMAGAZYN"},
                                       {"dataPrzed", "dataWsteczna"},
                                       {"dataPo", "dataWstecznaMin"}};

QString keyOf(const QString& name) {
    return kKeys.value(name, name);
}

bool isNumber(const QString& name) {
    return QStringList{"dataPrzed", "dataPo", "kmOd", "kmDo"}.contains(name);
}

// [OPTIONS] with flags alternating 0 and 1 and a distinct number for every field, so that a
// control bound to another key shows; a key no program knows and other sections to keep.
QByteArray startingFile() {
    QByteArray text = "; ustawienia\r\n[OPTIONS]\r\nnieznanyKlucz=zostaje\r\n";
    int i = 0;
    for (const QStringList& page : kPages) {
        for (const QString& name : page) {
            const QByteArray value =
                isNumber(name) ? QByteArray::number(100 + i) : QByteArray::number(i % 2);
            text += keyOf(name).toLatin1() + '=' + value + "\r\n";
            ++i;
        }
    }
    return text + "[TOOLS]\r\nname2=Kalkulator\r\n[VERSION]\r\nmain=2.0.1\r\n[Inne]\r\nklucz=x\r\n";
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QString optionValue(const QString& path, const QString& name) {
    return IniFile(path).readString(QStringLiteral("OPTIONS"), keyOf(name));
}

using Entries = QList<ReportEntry>;

}  // namespace

class TestOptions : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void roundTrip();
    void badNumberRefusesSaving_data();
    void badNumberRefusesSaving();
    void cancellingChangesNothing_data();
    void cancellingChangesNothing();
    void reportLines_data();
    void reportLines();
    void userCopyWinsAndSavingSparesTheInstallation();
    void failedReportListSavesNothing();

private:
    void openWindow(bool withSettings = true);
    template <class T>
    T* control(const char* name) const {
        return m_window->findChild<T*>(QString::fromLatin1(name));
    }
    QPlainTextEdit* lines() const { return control<QPlainTextEdit>("raportyPrywatneDef"); }
    void clickSave() { QTest::mouseClick(control<QPushButton>("SpeedButton1"), Qt::LeftButton); }
    QString settingsPath() const { return m_data->path() + QStringLiteral("/flotanor.ini"); }
    static QString installationCopy() { return ReportList::defaultPath(); }

    std::unique_ptr<TestDataDir> m_data;
    std::unique_ptr<SettingsFile> m_settings;
    TconfigPP m_config;
    ScriptedMessageService m_messages;
    std::unique_ptr<TfOpcjeProgramu> m_window;
};

void TestOptions::init() {
    m_data = std::make_unique<TestDataDir>();
    QFile::remove(installationCopy());
    writeFile(settingsPath(), startingFile());
    m_settings = std::make_unique<SettingsFile>(settingsPath());
    m_config = m_settings->load();
    m_messages.clear();
}

void TestOptions::cleanup() {
    m_window.reset();
    QFile::setPermissions(installationCopy(), QFile::ReadOwner | QFile::WriteOwner);
    QFile::remove(installationCopy());
    m_settings.reset();
    m_data.reset();
}

void TestOptions::openWindow(bool withSettings) {
    m_window = std::make_unique<TfOpcjeProgramu>(
        m_config, withSettings ? m_settings.get() : nullptr, m_messages);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestOptions::roundTrip() {
    openWindow();
    auto* tabs = control<QTabWidget>("opcjeTab");
    const QStringList pages{"ogolne", "SprawdzanieTerminy", "sprawdzaniePrzebiegi", "Raporty",
                            "RaportyPrywatneTab"};
    for (int i = 0; i < pages.size(); ++i)
        QCOMPARE(tabs->widget(i)->objectName(), pages[i]);
    QCOMPARE(m_window->findChildren<QCheckBox*>().size(), 29);

    // Every control shows its key on its page, then gets another value.
    for (int p = 0; p < kPages.size(); ++p) {
        for (const QString& name : kPages[p]) {
            QWidget* page = tabs->widget(p);
            auto* widget = page->findChild<QWidget*>(name);
            QVERIFY2(widget, qPrintable(name));
            QCOMPARE(widget->isVisibleTo(page), name != QLatin1String("cbRapFirma"));
            if (auto* box = qobject_cast<QCheckBox*>(widget)) {
                QCOMPARE(QString::number(box->isChecked()), optionValue(settingsPath(), name));
                box->toggle();
            } else {
                auto* edit = qobject_cast<QLineEdit*>(widget);
                QCOMPARE(edit->text(), optionValue(settingsPath(), name));
                edit->clear();
                // The bounds themselves are taken.
                QTest::keyClicks(edit, p == 1 ? QStringLiteral("3650") : QStringLiteral("1000000"));
            }
        }
    }
    lines()->setPlainText(QStringLiteral("koszty.exe , Koszty\nŁódź.exe,Raport z Łodzi"));
    const TconfigPP before = m_config;
    clickSave();

    QCOMPARE(m_window->result(), int(QDialog::Accepted));
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_messages.texts(), QStringList());
    for (const QStringList& page : kPages) {
        for (const QString& name : page) {
            QWidget* widget = m_window->findChild<QWidget*>(name);
            const auto* box = qobject_cast<QCheckBox*>(widget);
            QCOMPARE(
                optionValue(settingsPath(), name),
                box ? QString::number(box->isChecked()) : qobject_cast<QLineEdit*>(widget)->text());
        }
    }
    QCOMPARE(m_config.cbRapFirma, !before.cbRapFirma);
    QVERIFY(m_config == m_settings->load());
    const QByteArray text = readFile(settingsPath());
    QVERIFY(text.startsWith("; ustawienia\r\n[OPTIONS]\r\nnieznanyKlucz=zostaje\r\n"));
    QVERIFY(text.endsWith(
        "[TOOLS]\r\nname2=Kalkulator\r\n[VERSION]\r\nmain=2.0.1\r\n[Inne]\r\nklucz=x\r\n"));
    QCOMPARE(ReportList::load(ReportList::userPath()),
             (Entries{{"Koszty", "koszty.exe"}, {"Raport z Łodzi", "Łódź.exe"}}));

    // Shown again: what was saved, on the first page.
    tabs->setCurrentIndex(4);
    m_window->show();
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(lines()->toPlainText(),
             QStringLiteral("koszty.exe , Koszty\nŁódź.exe , Raport z Łodzi"));
}

void TestOptions::badNumberRefusesSaving_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");  // empty: the user empties the field
    QTest::addColumn<QString>("caption");

    // Only digits can be typed, and no value over the bound: left to refuse are an emptied
    // field and a value of the file outside the bounds.
    QTest::newRow("days emptied") << "dataPrzed" << 1 << "dataWsteczna"
                                  << ""
                                  << "Ile dni przed terminem informować";
    QTest::newRow("kilometres emptied") << "kmOd" << 2 << "kmOd"
                                        << ""
                                        << "Ile kilometrów przed terminem informować";
    QTest::newRow("negative days in the file") << "dataPo" << 1 << "dataWstecznaMin"
                                               << "-3"
                                               << "Ile dni po terminie informować";
    QTest::newRow("too many kilometres in the file") << "kmDo" << 2 << "kmDo"
                                                     << "2147483647"
                                                     << "Ile kilometrów po terminie informować";
}

void TestOptions::badNumberRefusesSaving() {
    QFETCH(QString, field);
    QFETCH(int, page);
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, caption);
    if (!stored.isEmpty()) {
        QVERIFY(IniFile(settingsPath()).writeString(QStringLiteral("OPTIONS"), key, stored));
        m_config = m_settings->load();
    }
    const QByteArray fileBefore = readFile(settingsPath());
    const TconfigPP configBefore = m_config;
    openWindow();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    auto* edit = m_window->findChild<QLineEdit*>(field);
    QCOMPARE(edit->text(), stored.isEmpty() ? edit->text() : stored);
    if (stored.isEmpty()) {
        // A digit over the bound is refused as it is typed.
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("10000009"));
        QCOMPARE(edit->text(), page == 1 ? QStringLiteral("1000") : QStringLiteral("1000000"));
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
    }
    control<QCheckBox>("cbOC")->toggle();
    lines()->setPlainText(QStringLiteral("a.exe,A"));
    clickSave();

    QCOMPARE(m_messages.shown().size(), 1);
    QCOMPARE(m_messages.shown()[0].title, QStringLiteral("Uwaga"));
    QVERIFY(m_messages.shown()[0].text.startsWith(
        QStringLiteral("Niepoprawna wartość pola \"%1\"").arg(caption)));
    QVERIFY(m_window->isVisible());
    QCOMPARE(control<QTabWidget>("opcjeTab")->currentIndex(), page);
    QVERIFY(edit->hasFocus());
    QCOMPARE(readFile(settingsPath()), fileBefore);
    QVERIFY(m_config == configBefore);
    QVERIFY(!QFile::exists(ReportList::userPath()));

    // Mended, the same window saves.
    edit->setText(QStringLiteral("12"));
    clickSave();
    QCOMPARE(m_window->result(), int(QDialog::Accepted));
    QCOMPARE(IniFile(settingsPath()).readString(QStringLiteral("OPTIONS"), key),
             QStringLiteral("12"));
}

void TestOptions::cancellingChangesNothing_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("Esc") << 0;
    QTest::newRow("close box") << 1;
    QTest::newRow("Anuluj") << 2;
}

void TestOptions::cancellingChangesNothing() {
    QFETCH(int, how);
    writeFile(installationCopy(), "r.exe , Raport\r\n");
    const QByteArray fileBefore = readFile(settingsPath());
    const TconfigPP configBefore = m_config;
    openWindow();
    control<QCheckBox>("cbOC")->toggle();
    control<QLineEdit>("kmOd")->setText(QStringLiteral("77"));
    lines()->setPlainText(QStringLiteral("b.exe,B"));
    if (how == 0)
        QTest::keyClick(m_window.get(), Qt::Key_Escape);
    else if (how == 1)
        m_window->close();
    else
        QTest::mouseClick(control<QPushButton>("SpeedButton2"), Qt::LeftButton);

    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->result(), int(QDialog::Rejected));
    QVERIFY(m_config == configBefore);
    QCOMPARE(readFile(settingsPath()), fileBefore);
    QVERIFY(!QFile::exists(ReportList::userPath()));
    QCOMPARE(readFile(installationCopy()), QByteArray("r.exe , Raport\r\n"));
    QVERIFY(m_messages.shown().isEmpty());

    // Shown again, it holds the record and the list, not what was typed.
    m_window->show();
    QCOMPARE(control<QCheckBox>("cbOC")->isChecked(), m_config.cbOC);
    QCOMPARE(control<QLineEdit>("kmOd")->text(), QString::number(m_config.kmOd));
    QCOMPARE(lines()->toPlainText(), QStringLiteral("r.exe , Raport"));
}

void TestOptions::reportLines_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Entries>("expected");

    QTest::newRow("four lines, two entries")
        << "  a.exe , Raport A  \n   \nTylko nazwa bez przecinka\nb.exe,B"
        << Entries{{"Raport A", "a.exe"}, {"B", "b.exe"}};
    QTest::newRow("split at the first comma")
        << "zest.exe , Zestawienie, netto\nc.exe,"
        << Entries{{"Zestawienie, netto", "zest.exe"}, {"", "c.exe"}};
    // A line without a file ends the list in the file, as reading the file would.
    QTest::newRow("a line beginning with a comma")
        << "a.exe,A\n, Bez pliku\nc.exe,C" << Entries{{"A", "a.exe"}};
    QTest::newRow("empty box") << "" << Entries{};

    QString full;
    QString late;
    Entries hundred;
    for (int i = 0; i < 120; ++i) {
        full += QStringLiteral("r%1.exe,Raport %1\n").arg(i);
        late += i < 20 ? QStringLiteral("\n") : QStringLiteral("r%1.exe,Raport %1\n").arg(i);
        if (i < 100)
            hundred.append({QStringLiteral("Raport %1").arg(i), QStringLiteral("r%1.exe").arg(i)});
    }
    QTest::newRow("120 lines, the first 100 taken") << full << hundred;
    QTest::newRow("20 blank lines count among the 100") << late << hundred.mid(20);
}

void TestOptions::reportLines() {
    QFETCH(QString, typed);
    QFETCH(Entries, expected);
    writeFile(ReportList::userPath(), "stary.exe , Stary raport\r\n");
    openWindow(false);
    QCOMPARE(lines()->toPlainText(), QStringLiteral("stary.exe , Stary raport"));
    lines()->setPlainText(typed);
    clickSave();
    QCOMPARE(m_window->result(), int(QDialog::Accepted));
    QCOMPARE(ReportList::load(ReportList::userPath()), expected);
}

void TestOptions::userCopyWinsAndSavingSparesTheInstallation() {
    const QByteArray installed = "inst.exe , Z instalacji\r\n";
    writeFile(installationCopy(), installed);
    // Read-only does not stop root, so the copy is also checked to stay untouched.
    QVERIFY(QFile::setPermissions(installationCopy(), QFile::ReadOwner | QFile::ReadOther));
    QCOMPARE(ReportList::userPath(), m_data->path() + QStringLiteral("/raporty.cfg"));
    QCOMPARE(ReportList::effectivePath(), installationCopy());

    openWindow();
    QCOMPARE(lines()->toPlainText(), QStringLiteral("inst.exe , Z instalacji"));
    lines()->appendPlainText(QStringLiteral("wlasny.exe , Własny"));
    clickSave();
    QCOMPARE(m_window->result(), int(QDialog::Accepted));
    QCOMPARE(ReportList::effectivePath(), ReportList::userPath());
    QCOMPARE(ReportList::load(ReportList::userPath()),
             (Entries{{"Z instalacji", "inst.exe"}, {"Własny", "wlasny.exe"}}));

    // The user's copy wins from now on, even when emptied.
    m_window->show();
    lines()->clear();
    clickSave();
    m_window->show();
    QCOMPARE(lines()->toPlainText(), QString());
    QCOMPARE(readFile(installationCopy()), installed);
}

void TestOptions::failedReportListSavesNothing() {
    // A directory where the user's copy should be: no one, not even root, can write it.
    QVERIFY(QDir().mkpath(ReportList::userPath()));
    const QByteArray fileBefore = readFile(settingsPath());
    const TconfigPP configBefore = m_config;
    openWindow();
    control<QCheckBox>("cbOC")->toggle();
    lines()->setPlainText(QStringLiteral("a.exe,A"));
    clickSave();

    QCOMPARE(m_messages.shown().size(), 1);
    QCOMPARE(m_messages.shown()[0].title, QStringLiteral("Błąd"));
    QVERIFY(m_messages.shown()[0].text.contains(ReportList::userPath()));
    QVERIFY(m_window->isVisible());
    QCOMPARE(readFile(settingsPath()), fileBefore);
    QVERIFY(m_config == configBefore);
}

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
