// The dictionary library, its entry dialog and the company data dialog: the checks of
// the entry dialog, the round trips through the grid on both engines, the vehicle kinds
// page and the company's own row.
#include "ScriptedMessageService.h"
#include "TestDataDir.h"
#include "TestLocation.h"
#include "data/ErrorLog.h"
#include "data/TmyDataBase.h"
#include "data/records/DictionaryStore.h"
#include "data/schema/DatabaseCreator.h"
#include "data/schema/Schema.h"
#include "registers/DictionaryLibraryHook.h"
#include "registers/uBiblioteka.h"
#include "registers/uEditBibliotekaAll.h"
#include "registers/uFirma.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QQueue>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <functional>

namespace {

// Answers the modal dialogs of a flow one after another: each action fills the dialog
// that is up and presses one of its buttons. A dialog nobody expected is cancelled and
// counted.
class DialogDriver : public QObject {
public:
    using Action = std::function<void(QDialog*)>;
    explicit DialogDriver(QList<Action> actions = {}) : m_actions(actions) {
        s_newest = this;
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog == m_last || s_newest != this)
                return;
            m_last = dialog;
            if (m_actions.isEmpty()) {
                ++m_unexpected;
                dialog->reject();
                return;
            }
            // Run outside this timer's slot: Qt does not fire a timer again while its slot
            // runs, so a dialog the action opens would otherwise wait for nobody.
            QTimer::singleShot(0, this, [this, action = m_actions.dequeue(), dialog] {
                action(dialog);
                QTimer::singleShot(0, this, [this] { m_last = nullptr; });
            });
        });
        m_timer.start(10);
    }
    ~DialogDriver() override {
        if (s_newest == this)
            s_newest = nullptr;
    }
    bool done() const { return m_actions.isEmpty(); }
    int unexpected() const { return m_unexpected; }

private:
    static inline DialogDriver* s_newest = nullptr;
    QQueue<Action> m_actions;
    QTimer m_timer;
    QDialog* m_last = nullptr;
    int m_unexpected = 0;
};

QLineEdit* edit(QWidget* w, const QString& name) {
    return w->findChild<QLineEdit*>(name);
}

void set(QWidget* w, const QString& name, const QString& text) {
    QLineEdit* field = edit(w, name);
    QVERIFY2(field, qPrintable(name));
    field->setText(text);
}

void click(QWidget* w, const QString& name) {
    auto* button = w->findChild<QPushButton*>(name);
    QVERIFY2(button, qPrintable(name));
    button->click();
}

QStringList gridTexts(const TfBiblioteka& library, int column = 0) {
    QStringList texts;
    for (int row = 0; row < library.grid()->rowCount(); ++row)
        texts << library.grid()->item(row, column)->text();
    return texts;
}

QString currentText(const TfBiblioteka& library) {
    const int row = library.currentRow();
    return row < 0 ? QString() : library.entries().at(row).text;
}

int rowOf(const TfBiblioteka& library, const QString& text) {
    for (int row = 0; row < library.entries().size(); ++row) {
        if (library.entries().at(row).text == text)
            return row;
    }
    return -1;
}

// The error code of the last line of the error log.
QString lastLoggedCode() {
    QFile log(ErrorLog::path());
    if (!log.open(QIODevice::ReadOnly))
        return {};
    const QList<QByteArray> lines = log.readAll().trimmed().split('\n');
    const QString last = QString::fromUtf8(lines.last());
    const qsizetype open = last.indexOf(QLatin1Char('['));
    return open < 0 ? QString() : last.mid(open, 12);
}

}  // namespace

class TstBiblioteka : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void entryChecks_data();
    void entryChecks();
    void entryLayout_data();
    void entryLayout();
    void typedSeparatorBecomesDecimalPoint();
    void chooserHoldsTheDictionaries();
    void storeBindsCodeAndGivesBackKey();
    void addCopyEditDeleteRoundTrip();
    void deleteAsksOnlyWhenTold_data();
    void deleteAsksOnlyWhenTold();
    void emptyDictionaryDoesNothing();
    void withoutRightNothingChanges();
    void expenseKindKeepsItsVatBox();
    void routesAndVatRatesStoredForms();
    void failedStatementKeepsTheList();
    void hookOpensLibraryAndLookupsSeeEntry();
    void wheelMovesCurrentRow_data();
    void wheelMovesCurrentRow();
    void vehicleKindsPage();
    void vehicleKindsAllOrNothing();
    void companyRowCreatedAndSaved();
    void companyReadOnlyWithoutRight();

private:
    DictionaryStore store() { return DictionaryStore(*m_db); }
    QStringList stored(const QString& code, bool extra = false);

    std::unique_ptr<TestDataDir> m_dataDir;
    std::unique_ptr<TestLocation> m_location;
    ScriptedMessageService m_messages;
    std::unique_ptr<TmyDataBase> m_db;
    QTimer m_watchdog;
    bool m_stuck = false;
};

void TstBiblioteka::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    m_dataDir = std::make_unique<TestDataDir>();
    m_location = std::make_unique<TestLocation>();
    REQUIRE_LOCATION(*m_location);
    QVERIFY(DatabaseCreator::createDatabase(m_location->location(), false).ok);
    QVERIFY(DatabaseCreator::addCompany(m_location->location(), QStringLiteral("Firma"),
                                        QStringLiteral("f"))
                .ok);
    m_db = std::make_unique<TmyDataBase>(&m_messages);
    QVERIFY(m_db->openCompany(m_location->location(), QStringLiteral("f")));

    // A dictionary text "BOOM" cannot be written and an entry "KEEP" cannot be deleted,
    // so that a failing statement can be provoked at a chosen point.
    DbConnection& company = m_db->DatabaseFirma();
    QStringList ddl;
    if (TestLocation::engine() == EngineKind::Postgres) {
        ddl << QStringLiteral(
                   "CREATE FUNCTION flotanor_boom() RETURNS trigger AS $$ BEGIN "
                   "IF TG_OP = 'DELETE' THEN IF OLD.opis = 'KEEP' THEN RAISE EXCEPTION 'keep'; "
                   "END IF; RETURN OLD; END IF; IF NEW.opis = 'BOOM' THEN RAISE EXCEPTION "
                   "'boom'; END IF; RETURN NEW; END $$ LANGUAGE plpgsql")
            << QStringLiteral(
                   "CREATE TRIGGER flotanor_boom BEFORE INSERT OR UPDATE OR DELETE ON slowniki "
                   "FOR EACH ROW EXECUTE FUNCTION flotanor_boom()");
    } else {
        for (const char* event : {"INSERT", "UPDATE"})
            ddl << QStringLiteral(
                       "CREATE TRIGGER boom_%1 BEFORE %1 ON slowniki WHEN NEW.OPIS = "
                       "'BOOM' BEGIN SELECT RAISE(ABORT, 'boom'); END")
                       .arg(QLatin1String(event));
        ddl << QStringLiteral(
            "CREATE TRIGGER keep_delete BEFORE DELETE ON slowniki WHEN OLD.OPIS = 'KEEP' "
            "BEGIN SELECT RAISE(ABORT, 'keep'); END");
    }
    for (const QString& statement : ddl)
        QVERIFY2(company.execute(SqlStatement(statement)).ok(), qPrintable(statement));

    // Safety: a modal dialog up for five seconds is closed and fails the test.
    connect(&m_watchdog, &QTimer::timeout, this, [this] {
        static QPointer<QWidget> seen;
        static QElapsedTimer since;
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != seen) {
            seen = modal;
            since.start();
        } else if (modal && since.elapsed() > 5000) {
            m_stuck = true;
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
        }
    });
    m_watchdog.start(100);
}

void TstBiblioteka::cleanup() {
    QVERIFY2(!m_stuck, "a modal dialog was left waiting");
    QVERIFY(!m_messages.unusedAnswers());
    m_messages.clear();
}

QStringList TstBiblioteka::stored(const QString& code, bool extra) {
    QStringList texts;
    const auto entries = store().list(code);
    if (!entries)
        return {QStringLiteral("<list failed>")};
    for (const DictionaryEntry& e : *entries)
        texts << (extra ? e.text + QLatin1Char('=') + e.extra : e.text);
    return texts;
}

void TstBiblioteka::entryChecks_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("adding");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("message");  // empty: accepted
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QString>("storedText");
    QTest::addColumn<QString>("storedExtra");
    const QString empty = QStringLiteral("Nie wypełniono pola");
    const QString badRate = QStringLiteral("Niewłaściwa stawka VAT");
    const QString badLength = QStringLiteral("Niepoprawna wartość długości trasy");
    QTest::newRow("blank text") << "CELWY" << true << "   "
                                << "" << empty << "FOpis"
                                << ""
                                << "";
    QTest::newRow("text trimmed") << "CELWY" << false << " Targi "
                                  << ""
                                  << ""
                                  << ""
                                  << "Targi"
                                  << "";
    QTest::newRow("vat 8") << "STVAT" << true << "8"
                           << ""
                           << ""
                           << ""
                           << "8.00"
                           << "";
    QTest::newRow("vat 8,5") << "STVAT" << true << "8,5"
                             << ""
                             << ""
                             << ""
                             << "8.50"
                             << "";
    QTest::newRow("vat 23.456") << "STVAT" << false << "23.456"
                                << ""
                                << ""
                                << ""
                                << "23.46"
                                << "";
    QTest::newRow("vat abc") << "STVAT" << true << "abc"
                             << "" << badRate << "FOpis"
                             << ""
                             << "";
    QTest::newRow("vat 8%") << "STVAT" << true << "8%"
                            << "" << badRate << "FOpis"
                            << ""
                            << "";
    QTest::newRow("vat blank") << "STVAT" << true << " "
                               << "" << empty << "FOpis"
                               << ""
                               << "";
    QTest::newRow("route 12,5 adding") << "TRASY" << true << "Kraków - Tarnów"
                                       << "12,5"
                                       << ""
                                       << ""
                                       << "Kraków - Tarnów"
                                       << "12,5";
    QTest::newRow("route 12,5 editing") << "TRASY" << false << "Kraków - Tarnów"
                                        << "12,5"
                                        << ""
                                        << ""
                                        << "Kraków - Tarnów"
                                        << "12,5";
    QTest::newRow("route 12.50 adding") << "TRASY" << true << "A - B"
                                        << "12.50"
                                        << ""
                                        << ""
                                        << "A - B"
                                        << "12,5";
    QTest::newRow("route 40,00 editing") << "TRASY" << false << "A - B"
                                         << "40,00"
                                         << ""
                                         << ""
                                         << "A - B"
                                         << "40";
    QTest::newRow("route no length") << "TRASY" << true << "A - B"
                                     << " "
                                     << ""
                                     << ""
                                     << "A - B"
                                     << "";
    QTest::newRow("route abc adding") << "TRASY" << true << "A - B"
                                      << "abc" << badLength << "FUzup1"
                                      << ""
                                      << "";
    QTest::newRow("route abc editing") << "TRASY" << false << "A - B"
                                       << "abc" << badLength << "FUzup1"
                                       << ""
                                       << "";
    QTest::newRow("route blank text first") << "TRASY" << true << ""
                                            << "abc" << empty << "FOpis"
                                            << ""
                                            << "";
}

void TstBiblioteka::entryChecks() {
    QFETCH(QString, code);
    QFETCH(bool, adding);
    QFETCH(QString, text);
    QFETCH(QString, length);
    QFETCH(QString, message);
    QFETCH(QString, focused);
    QFETCH(QString, storedText);
    QFETCH(QString, storedExtra);
    TfEditBibliotekaAll dialog(code, adding, m_messages);
    dialog.setRecord(Record());
    dialog.show();
    set(&dialog, QStringLiteral("FOpis"), text);
    set(&dialog, QStringLiteral("FUzup1"), length);
    dialog.saveButton()->click();
    if (message.isEmpty()) {
        QVERIFY2(m_messages.shown().isEmpty(), qPrintable(m_messages.texts().join(u'|')));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.record().text(QStringLiteral("OPIS")), storedText);
        if (code == QLatin1String("TRASY"))
            QCOMPARE(dialog.record().text(QStringLiteral("UZUP1")), storedExtra);
        return;
    }
    QCOMPARE(m_messages.shown().size(), 1);
    QCOMPARE(m_messages.shown().first().title, QStringLiteral("Uwaga"));
    QCOMPARE(m_messages.shown().first().text, message);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString(), focused);
}

void TstBiblioteka::entryLayout_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("adding");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("lengthLabel");  // empty: no length field
    QTest::addColumn<bool>("vatBox");
    QTest::addColumn<QStringList>("units");
    QTest::newRow("trip purpose") << "CELWY" << true << "Edytuj cel wyjazdu"
                                  << "Cel wyjazdu"
                                  << "" << false << QStringList{};
    QTest::newRow("route adding") << "TRASY" << true << "Edytuj informacje o trasie"
                                  << "Trasa"
                                  << "Długość trasy" << false << QStringList{"w kilometrach"};
    QTest::newRow("route editing") << "TRASY" << false << "Edytuj informacje o trasie"
                                   << "Trasa"
                                   << "Długość trasy" << false << QStringList{};
    QTest::newRow("expense kind") << "RDWYD" << false << "Edytuj rodzaj wydatku"
                                  << "Rodzaj wydatku"
                                  << "" << true << QStringList{};
    QTest::newRow("vat rate") << "STVAT" << false << "Edytuj stawkę VAT"
                              << "Stawka VAT"
                              << "" << false << QStringList{"w procentach %"};
    QTest::newRow("cost centre") << "CKKOD" << true << "Edytuj nazwę/numer Centrum Kosztów (CK)"
                                 << "Centrum Kosztów"
                                 << "" << false << QStringList{};
}

void TstBiblioteka::entryLayout() {
    QFETCH(QString, code);
    QFETCH(bool, adding);
    QFETCH(QString, title);
    QFETCH(QString, label);
    QFETCH(QString, lengthLabel);
    QFETCH(bool, vatBox);
    QFETCH(QStringList, units);
    TfEditBibliotekaAll dialog(code, adding, m_messages);
    dialog.show();
    QCOMPARE(dialog.objectName(), QStringLiteral("TfEditBibliotekaAll"));
    QCOMPARE(dialog.windowTitle(), title);
    QCOMPARE(edit(&dialog, QStringLiteral("FOpis"))->maxLength(), 100);
    QLineEdit* length = edit(&dialog, QStringLiteral("FUzup1"));
    QCOMPARE(length->maxLength(), 20);
    QCOMPARE(length->isVisible(), !lengthLabel.isEmpty());
    QCOMPARE(dialog.findChild<QCheckBox*>(QStringLiteral("cbVAT"))->isVisible(), vatBox);
    QStringList captions;
    QStringList shownUnits;
    for (QLabel* l : dialog.findChildren<QLabel*>()) {
        if (l->buddy() == edit(&dialog, QStringLiteral("FOpis")))
            captions << l->text();
        if (l->buddy() == length && l->isVisible())
            captions << l->text();
        if (l->objectName() == QLatin1String("LJednostka") && l->isVisible())
            shownUnits << l->text();
    }
    QStringList expected{label};
    if (!lengthLabel.isEmpty())
        expected << lengthLabel;
    QCOMPARE(captions, expected);
    QCOMPARE(shownUnits, units);
}

void TstBiblioteka::typedSeparatorBecomesDecimalPoint() {
    TfEditBibliotekaAll dialog(QStringLiteral("TRASY"), true, m_messages);
    dialog.show();
    QLineEdit* length = edit(&dialog, QStringLiteral("FUzup1"));
    QTest::keyClicks(length, QStringLiteral("12.5"));
    QCOMPARE(length->text(), QStringLiteral("12,5"));
    length->clear();
    QTest::keyClicks(length, QStringLiteral("7,25"));
    QCOMPARE(length->text(), QStringLiteral("7,25"));
}

void TstBiblioteka::chooserHoldsTheDictionaries() {
    TfBiblioteka library(*m_db, m_messages, true, true);
    QCOMPARE(library.objectName(), QStringLiteral("TfBiblioteka"));
    QCOMPARE(library.windowTitle(), QStringLiteral("Biblioteka"));
    auto* chooser = library.findChild<QComboBox*>(QStringLiteral("CBSlownik"));
    QVERIFY(chooser);
    const QStringList names{"Cele wyjazdów",    "Rodzaje wydatków",   "Trasy",
                            "Stawki VAT",       "Rodzaje dokumentów", "Rodzaje wyposażenia",
                            "Rodzaje pojazdów", "Rodzaje terminów",   "Rodzaje prac",
                            "Kontrahenci",      "Rodzaje opon",       "Rozmiary opon",
                            "Rodzaje napraw",   "Numer floty",        "Centra kosztów",
                            "Typy zadań",       "Rodzaje paliw",      "Stacje paliw"};
    QStringList shown;
    for (int i = 0; i < chooser->count(); ++i)
        shown << chooser->itemText(i);
    QCOMPARE(shown, names);
    QVERIFY(library.selectDictionary(QStringLiteral("RDWYD")));
    QCOMPARE(chooser->currentText(), QStringLiteral("Rodzaje wydatków"));
    QCOMPARE(library.grid()->columnCount(), 2);
    QCOMPARE(library.grid()->horizontalHeaderItem(1)->text(), QStringLiteral("Odliczyć VAT?"));
    QVERIFY(!library.selectDictionary(QStringLiteral("CZESC")));
    QCOMPARE(library.dictionaryCode(), QStringLiteral("RDWYD"));
}

void TstBiblioteka::storeBindsCodeAndGivesBackKey() {
    const auto injected = store().list(QStringLiteral("CELWY' OR '1'='1"));
    QVERIFY(injected.has_value());
    QVERIFY(injected->isEmpty());
    const auto key = store().insert(QStringLiteral("CZESC"), QStringLiteral("Pasek klinowy"),
                                    QStringLiteral("x"));
    QVERIFY(key && *key > 0);
    bool found = false;
    const auto listed = store().list(QStringLiteral("CZESC"));
    QVERIFY(listed.has_value());
    for (const DictionaryEntry& e : *listed)
        found = found || (e.key == *key && e.text == QLatin1String("Pasek klinowy") &&
                          e.extra == QLatin1String("x") && e.extra2.isEmpty());
    QVERIFY(found);
    QVERIFY(store().remove(*key));
    QVERIFY(!stored(QStringLiteral("CZESC")).contains(QStringLiteral("Pasek klinowy")));
}

void TstBiblioteka::addCopyEditDeleteRoundTrip() {
    TfBiblioteka library(*m_db, m_messages, true, false);
    library.show();
    QVERIFY(library.selectDictionary(QStringLiteral("KONTR")));
    QCOMPARE(library.entries().size(), 0);
    for (const char* name : {"Zeta", "Alfa", "Ćma", "Celina"}) {
        DialogDriver driver({[name](QDialog* d) {
            QCOMPARE(edit(d, QStringLiteral("FOpis"))->text(), QString());
            set(d, QStringLiteral("FOpis"), QString::fromUtf8(name));
            click(d, QStringLiteral("BZapisz"));
        }});
        library.addEntry();
        QVERIFY(driver.done());
        QCOMPARE(currentText(library), QString::fromUtf8(name));
    }
    const QStringList polishOrder{"Alfa", "Celina", "Ćma", "Zeta"};
    QCOMPARE(stored(QStringLiteral("KONTR")), polishOrder);
    QCOMPARE(gridTexts(library), polishOrder);

    // Copy: the dialog starts from the current entry, which stays as it was.
    library.grid()->setCurrentCell(0, 0);
    QString prefilled;
    {
        DialogDriver driver({[&prefilled](QDialog* d) {
            prefilled = edit(d, QStringLiteral("FOpis"))->text();
            set(d, QStringLiteral("FOpis"), QStringLiteral("Beta"));
            click(d, QStringLiteral("BZapisz"));
        }});
        click(&library, QStringLiteral("SBKopiuj"));
    }
    QCOMPARE(prefilled, QStringLiteral("Alfa"));
    QCOMPARE(currentText(library), QStringLiteral("Beta"));
    QCOMPARE(gridTexts(library), (QStringList{"Alfa", "Beta", "Celina", "Ćma", "Zeta"}));

    // Edit by Enter: the same KOD gets the new text and stays current.
    const int zeta = rowOf(library, QStringLiteral("Zeta"));
    const qint64 zetaKey = library.entries().at(zeta).key;
    library.grid()->setCurrentCell(zeta, 0);
    {
        DialogDriver driver({[&prefilled](QDialog* d) {
            prefilled = edit(d, QStringLiteral("FOpis"))->text();
            set(d, QStringLiteral("FOpis"), QStringLiteral("Bogdan"));
            click(d, QStringLiteral("BZapisz"));
        }});
        QTest::keyClick(library.grid(), Qt::Key_Return);
        QVERIFY(driver.done());
    }
    QCOMPARE(prefilled, QStringLiteral("Zeta"));
    QCOMPARE(currentText(library), QStringLiteral("Bogdan"));
    QCOMPARE(library.entries().at(library.currentRow()).key, zetaKey);
    QCOMPARE(stored(QStringLiteral("KONTR")),
             (QStringList{"Alfa", "Beta", "Bogdan", "Celina", "Ćma"}));

    // A cancelled edit writes nothing.
    {
        DialogDriver driver({[](QDialog* d) {
            set(d, QStringLiteral("FOpis"), QStringLiteral("Nikt"));
            click(d, QStringLiteral("BAnuluj"));
        }});
        library.editEntry();
    }
    QCOMPARE(stored(QStringLiteral("KONTR")).size(), 5);
    QVERIFY(!stored(QStringLiteral("KONTR")).contains(QStringLiteral("Nikt")));

    // Delete without asking; the entry after it becomes current.
    library.grid()->setCurrentCell(rowOf(library, QStringLiteral("Celina")), 0);
    library.deleteEntry();
    QVERIFY(m_messages.shown().isEmpty());
    QCOMPARE(stored(QStringLiteral("KONTR")), (QStringList{"Alfa", "Beta", "Bogdan", "Ćma"}));
    QCOMPARE(currentText(library), QStringLiteral("Ćma"));
}

void TstBiblioteka::deleteAsksOnlyWhenTold_data() {
    QTest::addColumn<bool>("ask");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("asked, Nie keeps") << true << false << false;
    QTest::newRow("asked, Tak deletes") << true << true << true;
    QTest::newRow("not asked") << false << false << true;
}

void TstBiblioteka::deleteAsksOnlyWhenTold() {
    QFETCH(bool, ask);
    QFETCH(bool, answer);
    QFETCH(bool, deleted);
    QVERIFY(store().insert(QStringLiteral("PMIEJ"), QStringLiteral("Orlen Tczew"), {}));
    TfBiblioteka library(*m_db, m_messages, true, ask);
    QVERIFY(library.selectDictionary(QStringLiteral("PMIEJ")));
    library.grid()->setCurrentCell(rowOf(library, QStringLiteral("Orlen Tczew")), 0);
    if (ask)
        m_messages.answerQuestion(answer);
    click(&library, QStringLiteral("SBUsun"));
    QStringList questions;
    for (const auto& shown : m_messages.shown()) {
        if (shown.kind == QLatin1String("question"))
            questions << shown.title + QLatin1Char(':') + shown.text;
    }
    QCOMPARE(questions,
             ask ? QStringList{"Pytanie:Czy napewno usunąć zaznaczoną pozycję?"} : QStringList{});
    QCOMPARE(stored(QStringLiteral("PMIEJ")).contains(QStringLiteral("Orlen Tczew")), !deleted);
    QCOMPARE(gridTexts(library), stored(QStringLiteral("PMIEJ")));
    if (!deleted)
        QVERIFY(store().remove(library.entries().at(library.currentRow()).key));
}

void TstBiblioteka::emptyDictionaryDoesNothing() {
    TfBiblioteka library(*m_db, m_messages, true, true);
    library.show();
    QVERIFY(library.selectDictionary(QStringLiteral("CKKOD")));
    QCOMPARE(library.entries().size(), 0);
    DialogDriver driver;
    library.copyEntry();
    library.deleteEntry();
    library.editEntry();
    QTest::keyClick(library.grid(), Qt::Key_Return);
    QTest::qWait(50);
    QCOMPARE(driver.unexpected(), 0);
    QVERIFY(m_messages.shown().isEmpty());
    QCOMPARE(stored(QStringLiteral("CKKOD")), QStringList{});
}

void TstBiblioteka::withoutRightNothingChanges() {
    TfBiblioteka library(*m_db, m_messages, false, true);
    library.show();
    QVERIFY(library.selectDictionary(QStringLiteral("CELWY")));
    const QStringList before = stored(QStringLiteral("CELWY"));
    QVERIFY(!before.isEmpty());
    QCOMPARE(gridTexts(library), before);
    for (const char* name : {"SBDodaj", "SBEdytuj", "SBUsun", "SBKopiuj"})
        QVERIFY2(!library.findChild<QPushButton*>(QLatin1String(name))->isEnabled(), name);
    const QList<QAction*> menu = library.grid()->actions();
    QCOMPARE(menu.size(), 4);
    for (QAction* action : menu)
        QVERIFY2(!action->isEnabled(), qPrintable(action->text()));
    DialogDriver driver;
    library.grid()->setCurrentCell(0, 0);
    library.addEntry();
    library.copyEntry();
    library.editEntry();
    library.deleteEntry();
    for (QAction* action : menu)
        action->trigger();
    QTest::keyClick(library.grid(), Qt::Key_Return);
    QTest::qWait(50);
    QCOMPARE(driver.unexpected(), 0);
    QVERIFY(m_messages.shown().isEmpty());
    QCOMPARE(stored(QStringLiteral("CELWY")), before);

    // The vehicle kinds cannot be renamed either.
    QVERIFY(library.selectDictionary(QStringLiteral("RDPOJ")));
    QVERIFY(!library.findChild<QPushButton*>(QStringLiteral("BZapamietaj"))->isEnabled());
    QVERIFY(edit(&library, QStringLiteral("fRodzaj3"))->isReadOnly());
    library.saveVehicleKinds();
    QVERIFY(m_messages.shown().isEmpty());
}

void TstBiblioteka::expenseKindKeepsItsVatBox() {
    TfBiblioteka library(*m_db, m_messages, true, true);
    library.show();
    QVERIFY(library.selectDictionary(QStringLiteral("RDWYD")));
    QList<bool> seen;
    auto checkBox = [](QDialog* d) { return d->findChild<QCheckBox*>(QStringLiteral("cbVAT")); };
    {
        DialogDriver driver({[&](QDialog* d) {
            seen << checkBox(d)->isChecked();
            set(d, QStringLiteral("FOpis"), QStringLiteral("Autostrada A4"));
            click(d, QStringLiteral("BZapisz"));
        }});
        library.addEntry();
    }
    QVERIFY(stored(QStringLiteral("RDWYD"), true).contains(QStringLiteral("Autostrada A4=Tak")));
    const int row = library.currentRow();
    QCOMPARE(library.grid()->item(row, 1)->text(), QStringLiteral("Tak"));
    {
        // Edited by a double click: the box shows the stored "Tak" and is cleared.
        DialogDriver driver({[&](QDialog* d) {
            seen << checkBox(d)->isChecked();
            checkBox(d)->setChecked(false);
            click(d, QStringLiteral("BZapisz"));
        }});
        const QRect cell = library.grid()->visualItemRect(library.grid()->item(row, 0));
        QTest::mouseDClick(library.grid()->viewport(), Qt::LeftButton, {}, cell.center());
        QVERIFY(driver.done());
    }
    QVERIFY(stored(QStringLiteral("RDWYD"), true).contains(QStringLiteral("Autostrada A4=Nie")));
    QCOMPARE(library.grid()->item(library.currentRow(), 1)->text(), QStringLiteral("Nie"));
    // An older company wrote "YES"; it counts as booked.
    QVERIFY(
        store().insert(QStringLiteral("RDWYD"), QStringLiteral("Winieta"), QStringLiteral("YES")));
    QVERIFY(library.selectDictionary(QStringLiteral("RDWYD")));
    for (const QString& name : {QStringLiteral("Autostrada A4"), QStringLiteral("Winieta")}) {
        library.grid()->setCurrentCell(rowOf(library, name), 0);
        DialogDriver driver({[&](QDialog* d) {
            seen << checkBox(d)->isChecked();
            click(d, QStringLiteral("BAnuluj"));
        }});
        library.editEntry();
    }
    QCOMPARE(seen, (QList<bool>{true, true, false, true}));
    QCOMPARE(library.grid()->item(rowOf(library, QStringLiteral("Winieta")), 1)->text(),
             QStringLiteral("Tak"));
}

void TstBiblioteka::routesAndVatRatesStoredForms() {
    TfBiblioteka library(*m_db, m_messages, true, true);
    library.show();
    QVERIFY(library.selectDictionary(QStringLiteral("TRASY")));
    const int before = int(library.entries().size());
    {
        DialogDriver driver({[](QDialog* d) {
            set(d, QStringLiteral("FOpis"), QStringLiteral("Gdańsk - Sopot"));
            set(d, QStringLiteral("FUzup1"), QStringLiteral("12.5"));
            click(d, QStringLiteral("BZapisz"));
        }});
        library.addEntry();
    }
    QCOMPARE(library.entries().size(), before + 1);
    QVERIFY(stored(QStringLiteral("TRASY"), true).contains(QStringLiteral("Gdańsk - Sopot=12,5")));
    QCOMPARE(library.grid()->item(library.currentRow(), 1)->text(), QStringLiteral("12,5"));
    {
        // Refused first, then corrected in the same dialog.
        DialogDriver driver({[](QDialog* d) {
                                 set(d, QStringLiteral("FUzup1"), QStringLiteral("dwanaście"));
                                 click(d, QStringLiteral("BZapisz"));
                             },
                             [](QDialog* d) {
                                 set(d, QStringLiteral("FUzup1"), QStringLiteral("15,0"));
                                 click(d, QStringLiteral("BZapisz"));
                             }});
        library.editEntry();
        QVERIFY(driver.done());
    }
    QCOMPARE(m_messages.texts(), QStringList{"Niepoprawna wartość długości trasy"});
    QVERIFY(stored(QStringLiteral("TRASY"), true).contains(QStringLiteral("Gdańsk - Sopot=15")));

    QVERIFY(library.selectDictionary(QStringLiteral("STVAT")));
    {
        DialogDriver driver({[](QDialog* d) {
            set(d, QStringLiteral("FOpis"), QStringLiteral("8,5"));
            click(d, QStringLiteral("BZapisz"));
        }});
        library.addEntry();
    }
    QCOMPARE(currentText(library), QStringLiteral("8.50"));
    // The rates are texts listed from the highest text down.
    QCOMPARE(gridTexts(library), (QStringList{"8.50", "8.00", "5.00", "23.00", "0.00"}));
}

void TstBiblioteka::failedStatementKeepsTheList() {
    QVERIFY(store().insert(QStringLiteral("RDNAP"), QStringLiteral("KEEP"), {}));
    TfBiblioteka library(*m_db, m_messages, true, false);
    library.show();
    QVERIFY(library.selectDictionary(QStringLiteral("RDNAP")));
    const QStringList before = gridTexts(library);
    const int keep = rowOf(library, QStringLiteral("KEEP"));
    library.grid()->setCurrentCell(keep, 0);
    const struct {
        std::function<void()> run;
        const char* code;
    } failures[] = {
        {[&] { library.addEntry(); }, "[0000000050]"},
        {[&] { library.copyEntry(); }, "[0000000050]"},
        {[&] { library.editEntry(); }, "[0000000052]"},
        {[&] { library.deleteEntry(); }, "[0000000051]"},
    };
    for (const auto& failure : failures) {
        m_messages.clear();
        DialogDriver driver({[](QDialog* d) {
            set(d, QStringLiteral("FOpis"), QStringLiteral("BOOM"));
            click(d, QStringLiteral("BZapisz"));
        }});
        failure.run();
        QCOMPARE(m_messages.shown().size(), 1);
        QCOMPARE(m_messages.shown().first().title, QStringLiteral("Błąd bazy danych"));
        QCOMPARE(lastLoggedCode(), QString::fromLatin1(failure.code));
        QCOMPARE(gridTexts(library), before);
        QCOMPARE(library.currentRow(), keep);
    }
    QCOMPARE(stored(QStringLiteral("RDNAP")), before);
    m_messages.clear();
}

void TstBiblioteka::hookOpensLibraryAndLookupsSeeEntry() {
    TfBiblioteka::installAsLibraryHook(m_messages);
    QString chooser;
    bool gridFocused = false;
    QStringList listed;
    m_messages.answerQuestion(false);  // the hook's library asks before deleting
    DialogDriver driver(
        {[&](QDialog* library) {
             chooser = library->findChild<QComboBox*>(QStringLiteral("CBSlownik"))->currentText();
             auto* lib = static_cast<TfBiblioteka*>(library);
             gridFocused = library->focusWidget() == lib->grid();
             click(library, QStringLiteral("SBDodaj"));
             click(library, QStringLiteral("SBUsun"));
             listed = gridTexts(*lib);
             library->reject();
         },
         [](QDialog* d) {
             QCOMPARE(d->windowTitle(), QStringLiteral("Edytuj numer Floty"));
             set(d, QStringLiteral("FOpis"), QStringLiteral("FL-12"));
             click(d, QStringLiteral("BZapisz"));
         }});
    QVERIFY(DictionaryLibraryHook::open(nullptr, *m_db, QStringLiteral("FLOTA")));
    QVERIFY(driver.done());
    QCOMPARE(chooser, QStringLiteral("Numer floty"));
    QVERIFY(gridFocused);
    QVERIFY(listed.contains(QStringLiteral("FL-12")));
    QCOMPARE(m_messages.texts(), QStringList{"Czy napewno usunąć zaznaczoną pozycję?"});
    QStringList looked;
    for (const LookupEntry& e : m_db->lookups().dictionary(QStringLiteral("FLOTA")))
        looked << e.text;
    QVERIFY(looked.contains(QStringLiteral("FL-12")));
    DictionaryLibraryHook::install({});
}

void TstBiblioteka::wheelMovesCurrentRow_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("delta");
    QTest::addColumn<bool>("inside");
    QTest::addColumn<int>("expected");
    QTest::newRow("towards the user: down") << 2 << -120 << true << 3;
    QTest::newRow("away: up") << 2 << 120 << true << 1;
    QTest::newRow("two notches") << 2 << -240 << true << 4;
    QTest::newRow("stops at the top") << 0 << 360 << true << 0;
    QTest::newRow("stops at the bottom") << 6 << -480 << true << 7;
    QTest::newRow("outside the grid") << 2 << -120 << false << 2;
}

void TstBiblioteka::wheelMovesCurrentRow() {
    QFETCH(int, start);
    QFETCH(int, delta);
    QFETCH(bool, inside);
    QFETCH(int, expected);
    TfBiblioteka library(*m_db, m_messages, true, true);
    library.show();
    QVERIFY(library.selectDictionary(QStringLiteral("RDDOK")));
    QCOMPARE(library.entries().size(), 8);
    library.grid()->setCurrentCell(start, 0);
    QWidget* viewport = library.grid()->viewport();
    const QPointF at = inside ? QPointF(viewport->rect().center()) : QPointF(-5, -5);
    QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &event);
    QCOMPARE(library.currentRow(), expected);
}

void TstBiblioteka::vehicleKindsPage() {
    TfBiblioteka library(*m_db, m_messages, true, true);
    library.show();
    QVERIFY(library.selectDictionary(QStringLiteral("RDPOJ")));
    for (const char* name : {"SBDodaj", "SBEdytuj", "SBUsun", "SBKopiuj"})
        QVERIFY2(!library.findChild<QPushButton*>(QLatin1String(name))->isEnabled(), name);
    QCOMPARE(edit(&library, QStringLiteral("fRodzaj1"))->text(),
             QStringLiteral("Samochód osobowy"));
    QVERIFY(edit(&library, QStringLiteral("fRodzaj2"))->isReadOnly());
    QCOMPARE(edit(&library, QStringLiteral("fRodzaj3"))->text(), QStringLiteral("Motocykl"));
    QCOMPARE(edit(&library, QStringLiteral("fRodzaj4"))->text(), QStringLiteral("Motorower"));
    for (int kind = 5; kind <= 20; ++kind)
        QCOMPARE(edit(&library, QStringLiteral("fRodzaj%1").arg(kind))->text(),
                 QStringLiteral("Inne %1").arg(kind - 4));
    set(&library, QStringLiteral("fRodzaj3"), QStringLiteral("Quad"));
    set(&library, QStringLiteral("fRodzaj12"), QStringLiteral("Koparka"));
    set(&library, QStringLiteral("fRodzaj20"), QStringLiteral("Melex"));

    m_messages.answerQuestion(false);
    click(&library, QStringLiteral("BZapamietaj"));
    QCOMPARE(m_messages.shown().size(), 1);
    QCOMPARE(m_messages.shown().first().title, QStringLiteral("Pytanie"));
    QCOMPARE(m_messages.shown().first().text, QStringLiteral("Czy napewno zapamiętać zmiany?"));
    QCOMPARE(store().vehicleKinds()->value(3), QStringLiteral("Motocykl"));

    m_messages.answerQuestion(true);
    click(&library, QStringLiteral("BZapamietaj"));
    const auto kinds = store().vehicleKinds();
    QVERIFY(kinds);
    QCOMPARE(kinds->size(), 18);
    QCOMPARE(kinds->value(3), QStringLiteral("Quad"));
    QCOMPARE(kinds->value(4), QStringLiteral("Motorower"));
    QCOMPARE(kinds->value(12), QStringLiteral("Koparka"));
    QCOMPARE(kinds->value(20), QStringLiteral("Melex"));
    // The car kinds and the free kinds' numbers are untouched.
    const QList<LookupEntry> entries = m_db->lookups().dictionary(QStringLiteral("RDPOJ"));
    QCOMPARE(entries.size(), 20);
    QCOMPARE(entries.at(0).text, QStringLiteral("Samochód osobowy"));
    QCOMPARE(entries.at(19).extra.toString(), QStringLiteral("20"));
    QCOMPARE(entries.at(19).text, QStringLiteral("Melex"));
}

void TstBiblioteka::vehicleKindsAllOrNothing() {
    TfBiblioteka library(*m_db, m_messages, true, true);
    QVERIFY(library.selectDictionary(QStringLiteral("RDPOJ")));
    const auto before = store().vehicleKinds();
    QVERIFY(before);
    set(&library, QStringLiteral("fRodzaj4"), QStringLiteral("Trójkołowiec"));
    set(&library, QStringLiteral("fRodzaj20"), QStringLiteral("BOOM"));  // written last, fails
    m_messages.answerQuestion(true);
    library.saveVehicleKinds();
    QCOMPARE(m_messages.shown().size(), 2);
    QCOMPARE(m_messages.shown().at(1).title, QStringLiteral("Błąd bazy danych"));
    QCOMPARE(lastLoggedCode(), QStringLiteral("[0000003101]"));
    QVERIFY(store().vehicleKinds() == before);
    QVERIFY(!m_db->DatabaseFirma().inTransaction());
}

void TstBiblioteka::companyRowCreatedAndSaved() {
    DbConnection& company = m_db->DatabaseFirma();
    QVERIFY(company.execute(SqlStatement("DELETE FROM firma")).ok());
    auto rows = [&company] {
        DbQuery q;
        if (company.select(SqlStatement("SELECT COUNT(*) FROM firma WHERE IDFIRMA = 1"), &q))
            return qint64(-1);
        return q.next() ? q.value(0).toLongLong() : qint64(-1);
    };
    QCOMPARE(rows(), 0);
    const TableDef* table = Schema::companyTable(QStringLiteral("firma"));
    QStringList wrong;
    {
        DialogDriver driver({[&](QDialog* d) {
            QCOMPARE(d->objectName(), QStringLiteral("TfFirma"));
            QCOMPARE(d->windowTitle(), QStringLiteral("Dane Firmy"));
            for (const QString& field : DictionaryStore::companyFields()) {
                QLineEdit* e = edit(d, QStringLiteral("f") + field);
                if (!e || !e->text().isEmpty() || e->maxLength() != table->field(field)->width)
                    wrong << field;
            }
            click(d, QStringLiteral("BAnuluj"));
        }});
        QVERIFY(!TfFirma::edit(nullptr, *m_db, m_messages, true));
    }
    QCOMPARE(wrong, QStringList{});
    QCOMPARE(rows(), 1);

    // Every field goes to its own column.
    DialogDriver driver({[](QDialog* d) {
        for (const QString& field : DictionaryStore::companyFields())
            set(d, QStringLiteral("f") + field, field.toLower() + QStringLiteral("-ł"));
        set(d, QStringLiteral("fNAZWA"), QStringLiteral("Orvelin Transport Sp. z o.o."));
        QTest::keyClick(edit(d, QStringLiteral("fINNE")), Qt::Key_Return);
    }});
    QVERIFY(TfFirma::edit(nullptr, *m_db, m_messages, true));
    QVERIFY(driver.done());
    QCOMPARE(rows(), 1);
    const auto data = store().companyData();
    QVERIFY(data);
    for (const QString& field : DictionaryStore::companyFields()) {
        if (field != QLatin1String("NAZWA"))
            QCOMPARE(data->text(field), field.toLower() + QStringLiteral("-ł"));
    }
    QCOMPARE(m_db->companyDataName(), QStringLiteral("Orvelin Transport Sp. z o.o."));
    QVERIFY(m_messages.shown().isEmpty());
}

void TstBiblioteka::companyReadOnlyWithoutRight() {
    const QString name = m_db->companyDataName();
    bool readOnly = false;
    QString closeText;
    DialogDriver driver({[&](QDialog* d) {
        readOnly = true;
        for (QLineEdit* e : d->findChildren<QLineEdit*>())
            readOnly = readOnly && e->isReadOnly();
        readOnly = readOnly && !d->findChild<QPushButton*>(QStringLiteral("BAnuluj"))->isVisible();
        QCOMPARE(edit(d, QStringLiteral("fNAZWA"))->text(), name);
        set(d, QStringLiteral("fNAZWA"), QStringLiteral("Nie zapisze się"));
        auto* close = d->findChild<QPushButton*>(QStringLiteral("BZapisz"));
        closeText = close->text();
        close->click();
    }});
    QVERIFY(!TfFirma::edit(nullptr, *m_db, m_messages, false));
    QVERIFY(driver.done());
    QVERIFY(readOnly);
    QCOMPARE(closeText, QStringLiteral("&Zamknij"));
    QCOMPARE(m_db->companyDataName(), name);
}

QTEST_MAIN(TstBiblioteka)
#include "tst_biblioteka.moc"
