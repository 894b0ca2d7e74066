// The vehicle and person dialogs: their checks in order, and the whole flow from the
// dialog to the list on both engines.
#include "ScriptedMessageService.h"
#include "TestDataDir.h"
#include "TestLocation.h"
#include "data/ListModel.h"
#include "data/TmyDataBase.h"
#include "data/engine/RowInsert.h"
#include "data/schema/DatabaseCreator.h"
#include "registers/DateField.h"
#include "registers/uOsobowa.h"
#include "registers/uPojazdy.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QQueue>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// Answers the modal dialogs of a flow one after another: each action fills the dialog
// that is up and presses one of its buttons.
class DialogDriver : public QObject {
public:
    using Action = std::function<void(QDialog*)>;
    explicit DialogDriver(QList<Action> actions) : m_actions(actions) {
        s_newest = this;
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            // Only the newest driver answers; an unexpected dialog is cancelled, never waited on.
            if (!dialog || dialog == m_last || s_newest != this)
                return;
            m_last = dialog;
            if (m_actions.isEmpty()) {
                dialog->reject();
                return;
            }
            m_actions.dequeue()(dialog);
            QTimer::singleShot(0, this, [this] { m_last = nullptr; });
        });
        m_timer.start(10);
    }
    ~DialogDriver() override {
        if (s_newest == this)
            s_newest = nullptr;
    }
    bool done() const { return m_actions.isEmpty(); }

private:
    static inline DialogDriver* s_newest = nullptr;
    QQueue<Action> m_actions;
    QTimer m_timer;
    QDialog* m_last = nullptr;
};

void set(QDialog* d, const char* name, const QString& text) {
    if (auto* edit = d->findChild<QLineEdit*>(QString::fromLatin1(name)))
        edit->setText(text);
    else if (auto* combo = d->findChild<QComboBox*>(QString::fromLatin1(name)))
        combo->setEditText(text);
    else
        QFAIL(name);
}

void save(QDialog* d) {
    d->findChild<QPushButton*>(QStringLiteral("BZapisz"))->click();
}

void cancel(QDialog* d) {
    d->findChild<QPushButton*>(QStringLiteral("BAnuluj"))->click();
}

}  // namespace

class TstPojazdy : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void vehicleChecks_data();
    void vehicleChecks();
    void vehicleRoundTrip();
    void duplicateRegistrationReopensWithInput();
    void personChecksAndTrim();
    void personRenameCarriesReferences();
    void previewChangesNothing();

private:
    RecordEditors::Outcome run(RegisterId id, RecordEditors::Mode mode, ListModel& model, int row);

    std::unique_ptr<TestDataDir> m_dataDir;
    std::unique_ptr<TestLocation> m_location;
    ScriptedMessageService m_messages;
    std::unique_ptr<TmyDataBase> m_db;
};

void TstPojazdy::initTestCase() {
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
    QVERIFY(insertRow(m_db->DatabaseFirma(), QStringLiteral("osobowa"),
                      {{QStringLiteral("NREW"), QStringLiteral("K1")},
                       {QStringLiteral("NAZWISKO"), QStringLiteral("Nowak")}})
                .ok());
}

RecordEditors::Outcome TstPojazdy::run(RegisterId id, RecordEditors::Mode mode, ListModel& model,
                                       int row) {
    RecordEditors::Request request{
        nullptr, *m_db, m_messages, model, row, mode, {}, QStringLiteral("Firma"), nullptr};
    request.rights.set();
    return id == RegisterId::Pojazdy ? VehicleEditor::edit(request) : PersonEditor::edit(request);
}

void TstPojazdy::vehicleChecks_data() {
    QTest::addColumn<QStringList>("fields");  // name=value pairs
    QTest::addColumn<QString>("message");     // empty: accepted
    QTest::addColumn<QString>("focused");
    QTest::newRow("no registration")
        << QStringList{"fNRREJ=  "} << "Nie wprowadzono numeru rejestracyjnego. Popraw pole"
        << "fNRREJ";
    QTest::newRow("year 1969") << QStringList{"fNRREJ=A 1", "fROCZNIK=1969"}
                               << "Niepoprawny rocznik pojazdu. Popraw pole"
                               << "";
    QTest::newRow("year not a number")
        << QStringList{"fNRREJ=A 1", "fROCZNIK=20x"} << "Niepoprawny rocznik pojazdu. Popraw pole"
        << "";
    QTest::newRow("year 2150") << QStringList{"fNRREJ=A 1", "fROCZNIK=2150"} << ""
                               << "";
    QTest::newRow("tachograph before inspection")
        << QStringList{"fNRREJ=A 1", "fDATAPRZE=12.12.", "fDATATACHO=99.99.2020"}
        << "Niepoprawny format daty legalizacji tachografu. Popraw pole"
        << "fDATATACHO";
    QTest::newRow("partial OC date")
        << QStringList{"fNRREJ=A 1", "fDATAOC=12.05."}
        << "Niepoprawny format daty ważności ubezpieczenia OC. Popraw pole"
        << "fDATAOC";
    QTest::newRow("31 February passes") << QStringList{"fNRREJ=A 1", "fDATAAC=31.02.2010"} << ""
                                        << "";
    QTest::newRow("capacity with a blank")
        << QStringList{"fNRREJ=A 1", "fPOJEMNOSC=1 600"}
        << "Niepoprawna pojemność silnika. Podaj pojemność jako liczę całkowitą "
           "wyrażoną w centymetrach sześciennych. Popraw pole"
        << "fPOJEMNOSC";
    QTest::newRow("empty capacity") << QStringList{"fNRREJ=A 1", "fPOJEMNOSC="} << ""
                                    << "";
}

void TstPojazdy::vehicleChecks() {
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    QFETCH(QString, focused);
    TfPojazdy dialog(*m_db, m_messages, QStringLiteral("Firma"));
    dialog.setRecord(Record());
    dialog.show();
    for (const QString& pair : fields) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        set(&dialog, qPrintable(pair.left(eq)), pair.mid(eq + 1));
    }
    m_messages.clear();
    dialog.saveButton()->click();
    if (message.isEmpty()) {
        QVERIFY2(m_messages.shown().isEmpty(),
                 qPrintable(m_messages.texts().join(QLatin1Char('|'))));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        return;
    }
    QCOMPARE(m_messages.shown().size(), 1);
    QCOMPARE(m_messages.shown().first().title, QStringLiteral("Uwaga"));
    QCOMPARE(m_messages.shown().first().text, message);
    QVERIFY(dialog.isVisible());
    if (!focused.isEmpty())
        QCOMPARE(dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString(), focused);
}

void TstPojazdy::vehicleRoundTrip() {
    ListModel vehicles(RegisterId::Pojazdy);
    DialogDriver driver({[](QDialog* d) {
        set(d, "fNRREJ", QStringLiteral("WZ 2150"));
        set(d, "fMARKA", QStringLiteral("Norvik Vento"));
        set(d, "fROCZNIK", QStringLiteral("2150"));
        set(d, "fPOJEMNOSC", QStringLiteral("1598"));
        set(d, "fDATAOC", QStringLiteral("05.03.2027"));
        set(d, "fSTAWKA", QStringLiteral("45,5"));
        set(d, "fLP", QStringLiteral("7"));
        save(d);
    }});
    const RecordEditors::Outcome added =
        run(RegisterId::Pojazdy, RecordEditors::Mode::Add, vehicles, -1);
    QVERIFY(added.saved);
    QVERIFY(m_db->refreshList(RegisterId::Pojazdy, vehicles));
    const int row = vehicles.findRow(added.key);
    QVERIFY(row >= 0);
    QCOMPARE(vehicles.displayField(row, QStringLiteral("NRREJ")), QStringLiteral("WZ 2150"));
    QCOMPARE(vehicles.displayField(row, QStringLiteral("DATAOC")), QStringLiteral("05.03.2027"));
    QCOMPARE(vehicles.displayField(row, QStringLiteral("COPIS")),
             QStringLiteral("Samochód osobowy"));
    QCOMPARE(vehicles.displayField(row, QStringLiteral("OSTATUS")), QStringLiteral("Aktywny"));
    QCOMPARE(vehicles.raw(row, QStringLiteral("ROCZNIK")).toInt(), 2150);
    QCOMPARE(vehicles.raw(row, QStringLiteral("STAWKA")).toDouble(), 45.5);
    QVERIFY(vehicles.raw(row, QStringLiteral("NRFLOTY")).isNull());

    // An edit that changes only the status keeps the year beyond the list.
    DialogDriver edit({[](QDialog* d) {
        d->findChild<QComboBox*>(QStringLiteral("fSTATUS"))->setCurrentIndex(3);
        save(d);
    }});
    QVERIFY(run(RegisterId::Pojazdy, RecordEditors::Mode::Edit, vehicles, row).saved);
    QVERIFY(m_db->refreshList(RegisterId::Pojazdy, vehicles));
    const int again = vehicles.findRow(added.key);
    QCOMPARE(vehicles.raw(again, QStringLiteral("ROCZNIK")).toInt(), 2150);
    QCOMPARE(vehicles.displayField(again, QStringLiteral("OSTATUS")), QStringLiteral("W naprawie"));
    QCOMPARE(vehicles.raw(again, QStringLiteral("LP")).toInt(), 7);
}

void TstPojazdy::duplicateRegistrationReopensWithInput() {
    ListModel vehicles(RegisterId::Pojazdy);
    QVERIFY(m_db->refreshList(RegisterId::Pojazdy, vehicles));
    const int before = vehicles.rowCount();
    QString seen;
    m_messages.clear();
    DialogDriver driver({[](QDialog* d) {
                             set(d, "fNRREJ", QStringLiteral("WZ 2150"));
                             set(d, "fMARKA", QStringLiteral("Druga"));
                             save(d);
                         },
                         [&seen](QDialog* d) {
                             seen = d->findChild<QLineEdit*>(QStringLiteral("fMARKA"))->text();
                             cancel(d);
                         }});
    QVERIFY(!run(RegisterId::Pojazdy, RecordEditors::Mode::Add, vehicles, -1).saved);
    QCOMPARE(m_messages.texts(),
             QStringList{QStringLiteral("Istnieje już pojazd o podanym numerze rejestracyjnym")});
    QCOMPARE(seen, QStringLiteral("Druga"));
    QVERIFY(m_db->refreshList(RegisterId::Pojazdy, vehicles));
    QCOMPARE(vehicles.rowCount(), before);

    // Editing a vehicle without touching its number never meets its own number.
    m_messages.clear();
    DialogDriver edit({[](QDialog* d) { save(d); }});
    QVERIFY(run(RegisterId::Pojazdy, RecordEditors::Mode::Edit, vehicles, 0).saved);
    QVERIFY(m_messages.shown().isEmpty());
}

void TstPojazdy::personChecksAndTrim() {
    ListModel persons(RegisterId::Osobowa);
    m_messages.clear();
    DialogDriver driver({[](QDialog* d) {
                             set(d, "fNREW", QStringLiteral("  K7 "));
                             save(d);  // no surname
                         },
                         [](QDialog* d) {
                             set(d, "fNAZWISKO", QStringLiteral("Zając"));
                             save(d);
                         }});
    const RecordEditors::Outcome added =
        run(RegisterId::Osobowa, RecordEditors::Mode::Add, persons, -1);
    QVERIFY(added.saved);
    QCOMPARE(m_messages.texts(),
             QStringList{QStringLiteral("Nie wprowadzono nazwiska. Popraw pole")});
    QCOMPARE(added.key, QStringList{QStringLiteral("K7")});
    QCOMPARE(m_db->exists(QStringLiteral("osobowa"), QStringLiteral("NREW"), QStringLiteral("K7")),
             TmyDataBase::Existence::Yes);

    m_messages.clear();
    DialogDriver duplicate({[](QDialog* d) {
        set(d, "fNREW", QStringLiteral("K7"));
        set(d, "fNAZWISKO", QStringLiteral("Inny"));
        save(d);
    }});
    QVERIFY(!run(RegisterId::Osobowa, RecordEditors::Mode::Add, persons, -1).saved);
    QCOMPARE(m_messages.texts(),
             QStringList{QStringLiteral("Istnieje już osoba o podanym numerze ewidencyjnym")});
}

void TstPojazdy::personRenameCarriesReferences() {
    QVERIFY(insertRow(m_db->DatabaseFirma(), QStringLiteral("koszty"),
                      {{QStringLiteral("IDPOJAZD"), 1},
                       {QStringLiteral("DATA"), 20260101},
                       {QStringLiteral("IDKIEROWCY"), QStringLiteral("K1")}})
                .ok());
    ListModel persons(RegisterId::Osobowa);
    QVERIFY(m_db->refreshList(RegisterId::Osobowa, persons));
    const int row = persons.findRow({QStringLiteral("K1")});
    QVERIFY(row >= 0);
    DialogDriver driver({[](QDialog* d) {
        set(d, "fNREW", QStringLiteral("K100"));
        save(d);
    }});
    QVERIFY(run(RegisterId::Osobowa, RecordEditors::Mode::Edit, persons, row).saved);
    QCOMPARE(
        m_db->exists(QStringLiteral("koszty"), QStringLiteral("IDKIEROWCY"), QStringLiteral("K1")),
        TmyDataBase::Existence::No);
    QCOMPARE(m_db->exists(QStringLiteral("koszty"), QStringLiteral("IDKIEROWCY"),
                          QStringLiteral("K100")),
             TmyDataBase::Existence::Yes);
}

void TstPojazdy::previewChangesNothing() {
    ListModel vehicles(RegisterId::Pojazdy);
    QVERIFY(m_db->refreshList(RegisterId::Pojazdy, vehicles));
    bool readOnly = false;
    DialogDriver driver({[&readOnly](QDialog* d) {
        auto* registration = d->findChild<QLineEdit*>(QStringLiteral("fNRREJ"));
        readOnly = registration->isReadOnly() &&
                   !d->findChild<QPushButton*>(QStringLiteral("BAnuluj"))->isVisible();
        save(d);  // "&OK" only closes
    }});
    QVERIFY(!run(RegisterId::Pojazdy, RecordEditors::Mode::Preview, vehicles, 0).saved);
    QVERIFY(readOnly);
}

QTEST_MAIN(TstPojazdy)
#include "tst_pojazdy.moc"
