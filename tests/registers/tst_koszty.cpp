// The cost dialog: its checks in order, the VAT calculator, the kind of expense and the
// vehicle filling the form, the hand-on in both directions, and the whole flow from the
// dialog to the costs list on both engines.
#include "ScriptedMessageService.h"
#include "TestDataDir.h"
#include "TestLocation.h"
#include "data/ListModel.h"
#include "data/TmyDataBase.h"
#include "data/engine/RowInsert.h"
#include "data/schema/DatabaseCreator.h"
#include "data/schema/Schema.h"
#include "registers/uKoszty.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace {

using Mode = RecordEditors::Mode;
using Snapshot = QMap<QString, QString>;

// Acts on each modal cost dialog the flow brings up while run() runs it, one step per
// showing. A dialog with no step left is cancelled; after the safety time every dialog is
// rejected.
class ModalScript : public QObject {
public:
    using Step = std::function<void(TfKoszty*)>;
    explicit ModalScript(QList<Step> steps) : m_steps(std::move(steps)) {
        m_safety.setSingleShot(true);
        connect(&m_safety, &QTimer::timeout, this, [this] {
            m_expired = true;
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
    }
    RecordEditors::Outcome run(const std::function<RecordEditors::Outcome()>& flow) {
        m_active = true;
        m_safety.start(15000);
        poll();
        const RecordEditors::Outcome outcome = flow();
        m_active = false;
        m_safety.stop();
        return outcome;
    }
    // Every step ran, none was missing and the safety time did not run out.
    bool clean() const { return m_steps.isEmpty() && !m_unexpected && !m_expired; }

private:
    void poll() {
        QTimer::singleShot(20, this, [this] {
            if (!m_active || m_expired)
                return;
            if (auto* dialog = qobject_cast<TfKoszty*>(QApplication::activeModalWidget())) {
                if (m_steps.isEmpty()) {
                    m_unexpected = true;
                    dialog->cancelButton()->click();
                } else {
                    m_steps.takeFirst()(dialog);
                }
            }
            poll();
        });
    }

    QList<Step> m_steps;
    QTimer m_safety;
    bool m_active = false;
    bool m_unexpected = false;
    bool m_expired = false;
};

QWidget* child(QWidget* dialog, const QString& name) {
    auto* widget = dialog->findChild<QWidget*>(name);
    if (!widget)
        qWarning("no control %s", qPrintable(name));
    return widget;
}

// Puts a value into a control as a user would leave it; quiet keeps the other amounts
// from being rebalanced by the VAT calculator. "#n" picks the n-th entry of a list.
void put(QWidget* dialog, const QString& name, const QString& value, bool quiet = false) {
    QWidget* widget = child(dialog, name);
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        box->setChecked(value == QLatin1String("T"));
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        const int index =
            value.startsWith(QLatin1Char('#')) ? value.mid(1).toInt() : combo->findText(value);
        if (combo->isEditable() && index < 0) {
            combo->setEditText(value);
            return;
        }
        if (index < 0 && !value.isEmpty())
            qWarning("%s has no entry %s", qPrintable(name), qPrintable(value));
        combo->setCurrentIndex(index);
        if (!quiet && index >= 0)
            emit combo->activated(index);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        const QSignalBlocker blocker(quiet ? edit : nullptr);
        edit->setText(value);
    }
}

void putAll(QWidget* dialog, const QStringList& pairs, bool quiet = false) {
    for (const QString& pair : pairs) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        put(dialog, pair.left(eq), pair.mid(eq + 1), quiet);
    }
}

// What a control shows: a check box as "T" or "N", an empty date as "".
QString shown(QWidget* dialog, const QString& name) {
    QWidget* widget = child(dialog, name);
    if (auto* box = qobject_cast<QCheckBox*>(widget))
        return box->isChecked() ? QStringLiteral("T") : QStringLiteral("N");
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->currentText();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        static const QRegularExpression digit(QStringLiteral("[0-9]"));
        if (!edit->inputMask().isEmpty() && !edit->text().contains(digit))
            return {};
        return edit->text();
    }
    return QStringLiteral("?");
}

Snapshot snapshot(QWidget* dialog, const QStringList& names) {
    Snapshot values;
    for (const QString& name : names)
        values.insert(name, shown(dialog, name));
    return values;
}

Snapshot expected(const QStringList& pairs) {
    Snapshot values;
    for (const QString& pair : pairs) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        values.insert(pair.left(eq), pair.mid(eq + 1));
    }
    return values;
}

void save(TfKoszty* dialog) {
    dialog->saveButton()->click();
}

const QString kNowak = QStringLiteral("Nowak Jan (ID K1)");
const QString kLis = QStringLiteral("Lis Adam (ID K2)");
const QStringList kValid{QStringLiteral("fDATA=12.03.2024"), QStringLiteral("fNRREJ=WA 1000")};

}  // namespace

class TstKoszty : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { m_messages.clear(); }
    void checks_data();
    void checks();
    void vatSequences_data();
    void vatSequences();
    void kindOfExpense_data();
    void kindOfExpense();
    void kindsInPolishOrder();
    void vehicleFillsEmptyDriver_data();
    void vehicleFillsEmptyDriver();
    void addOpensEmpty_data();
    void addOpensEmpty();
    void kindCanOnlyBeChosen();
    void storedAmountsShownAsStored();
    void roundTripThroughTheList();
    void handOnIn_data();
    void handOnIn();
    void handOnOut_data();
    void handOnOut();
    void handOnChoiceAcrossOpenings();

private:
    RecordEditors::Outcome run(Mode mode, ListModel& model, int row,
                               const RecordEditors::HandOn* handOn = nullptr,
                               const RecordEditors::CostOptions& costs = {});
    qint64 dictionaryKey(const QString& code, const QString& text);
    void insert(const QString& table, const FieldValues& values, qint64* key = nullptr);

    std::unique_ptr<TestDataDir> m_dataDir;
    std::unique_ptr<TestLocation> m_location;
    ScriptedMessageService m_messages;
    std::unique_ptr<TmyDataBase> m_db;
    qint64 m_wa = 0;
    qint64 m_roadCard = 0;
};

void TstKoszty::insert(const QString& table, const FieldValues& values, qint64* key) {
    const DbError error = insertRow(m_db->DatabaseFirma(), table, values, key);
    QVERIFY2(error.ok(), qPrintable(error.message()));
}

qint64 TstKoszty::dictionaryKey(const QString& code, const QString& text) {
    for (const LookupEntry& entry : m_db->lookups().dictionary(code)) {
        if (entry.text == text)
            return entry.key.toLongLong();
    }
    return -1;
}

void TstKoszty::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    m_dataDir = std::make_unique<TestDataDir>();
    m_location = std::make_unique<TestLocation>();
    REQUIRE_LOCATION(*m_location);
    QVERIFY(DatabaseCreator::createDatabase(m_location->location(), false).ok);
    QVERIFY(DatabaseCreator::addCompany(m_location->location(), QStringLiteral("Firma"),
                                        QStringLiteral("k"))
                .ok);
    m_db = std::make_unique<TmyDataBase>(&m_messages);
    QVERIFY(m_db->openCompany(m_location->location(), QStringLiteral("k")));
    // The records use dates of several years: the list shows all of them.
    m_db->filter(RegisterId::Koszty).period = Clause();
    const auto s = [](const char* text) { return QString::fromUtf8(text); };
    insert(s("osobowa"),
           {{s("NREW"), s("K1")}, {s("NAZWISKO"), s("Nowak")}, {s("IMIE"), s("Jan")}});
    insert(s("osobowa"), {{s("NREW"), s("K2")}, {s("NAZWISKO"), s("Lis")}, {s("IMIE"), s("Adam")}});
    for (const auto& [registration, driver] : {std::pair{"WA 1000", "K1"}, {"KR 2000", ""}}) {
        qint64 key = 0;
        insert(s("pojazdy"),
               {{s("NRREJ"), s(registration)},
                {s("MARKA"), s("Marka")},
                {s("RODZAJ"), 1},
                {s("POJEMNOSC"), 1600},
                {s("IDKIEROWCY"), s(driver)},
                {s("STATUS"), 0}},
               &key);
        if (QLatin1String(registration) == QLatin1String("WA 1000"))
            m_wa = key;
    }
    insert(s("kpaliwowe"), {{s("IDKARTY"), s("FC1")}, {s("NAZWA"), s("Orlen")}});
    insert(s("kartydrogowe"), {{s("NRKARTY"), s("KD/1")}, {s("IDPOJAZD"), m_wa}}, &m_roadCard);
    for (const auto& [code, text, extra] : {std::tuple{"CKKOD", "Dział A", ""},
                                            {"CKKOD", "Dział B", ""},
                                            {"RDWYD", "Usługa obca", "YES"},
                                            {"RDWYD", "Darowizna", ""},
                                            {"RDWYD", "Ładowanie", "Tak"}})
        insert(s("slowniki"),
               {{s("IDSLOWNIK"), s(code)}, {s("OPIS"), s(text)}, {s("UZUP1"), s(extra)}});
}

RecordEditors::Outcome TstKoszty::run(Mode mode, ListModel& model, int row,
                                      const RecordEditors::HandOn* handOn,
                                      const RecordEditors::CostOptions& costs) {
    RecordEditors::Request request{
        nullptr, *m_db, m_messages, model, row, mode, {}, QStringLiteral("Firma"), handOn, costs};
    request.rights.set();
    return CostEditor::edit(request);
}

void TstKoszty::checks_data() {
    QTest::addColumn<QStringList>("fields");  // name=value over a valid cost
    QTest::addColumn<bool>("remarkNumber");
    QTest::addColumn<QString>("message");  // empty: accepted
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QStringList>("after");  // name=value shown after an accepted save
    const QString date = QStringLiteral("Niepoprawny format daty powstania kosztu. Popraw pole");
    const QString vehicle = QStringLiteral("Nie wskazano pojazdu. Popraw pole");
    const QString issued =
        QStringLiteral("Niepoprawny format daty wystawienia dokumentu kosztowego. Popraw pole");
    const QString net = QStringLiteral("Niepoprawna wartość netto kosztu. Popraw pole");
    const QString vat = QStringLiteral("Niepoprawna kwota VAT. Popraw pole");
    const QString gross = QStringLiteral("Niepoprawna wartość brutto kosztu. Popraw pole");
    const QString disagree = QStringLiteral("Wprowadzone kwoty nie zgadzają się. Popraw pola");
    const QString remark =
        QStringLiteral("Pole \"Ilość towaru / inne\" powinno w pierwszych znakach zawierać liczbę");
    auto row = [](const char* name, QStringList fields, bool option, const QString& message,
                  const char* focused, QStringList after = {}) {
        QTest::newRow(name) << fields << option << message << QString::fromLatin1(focused) << after;
    };
    row("valid", {}, false, {}, "",
        {"fWARTNETTO=0", "fWARTVAT=0", "fWARTBRUTTO=0", "fLICZNIK=0", "fFUEL=0,00"});
    row("empty date", {"fDATA="}, false, date, "fDATA");
    row("partial date", {"fDATA=12.03."}, false, date, "fDATA");
    row("month 13", {"fDATA=12.13.2024"}, false, date, "fDATA");
    row("year 1899", {"fDATA=12.03.1899"}, false, date, "fDATA");
    row("no vehicle", {"fNRREJ="}, false, vehicle, "fNRREJ");
    row("date before vehicle", {"fDATA=", "fNRREJ="}, false, date, "fDATA");
    row("empty issue date", {"fDATAWYSTAW="}, false, {}, "");
    row("full issue date", {"fDATAWYSTAW=11.03.2024"}, false, {}, "");
    row("partial issue date", {"fDATAWYSTAW=11.03."}, false, issued, "fDATAWYSTAW");
    row("vehicle before issue date", {"fNRREJ=", "fDATAWYSTAW=11"}, false, vehicle, "fNRREJ");
    row("odometer not a number becomes 0", {"fLICZNIK=abc"}, false, {}, "", {"fLICZNIK=0"});
    row("odometer in general form", {"fLICZNIK=12345,50"}, false, {}, "", {"fLICZNIK=12345,5"});
    row("litres not a number become 0", {"fFUEL=x"}, false, {}, "", {"fFUEL=0,00"});
    row("litres with two decimals", {"fFUEL=40.5"}, false, {}, "", {"fFUEL=40,50"});
    row("net not a number", {"fWARTNETTO=12a"}, false, net, "fWARTNETTO");
    row("VAT not a number", {"fWARTVAT=2..3"}, false, vat, "fWARTVAT");
    row("gross not a number", {"fWARTBRUTTO=-"}, false, gross, "fWARTBRUTTO");
    row("net before VAT and gross", {"fWARTNETTO=x", "fWARTVAT=y", "fWARTBRUTTO=z"}, false, net,
        "fWARTNETTO");
    row("VAT before gross", {"fWARTVAT=y", "fWARTBRUTTO=z"}, false, vat, "fWARTVAT");
    row("issue date before amounts", {"fDATAWYSTAW=1", "fWARTNETTO=x"}, false, issued,
        "fDATAWYSTAW");
    row("empty amounts become 0", {"fWARTNETTO=", "fWARTVAT= ", "fWARTBRUTTO="}, false, {}, "",
        {"fWARTNETTO=0", "fWARTVAT=0", "fWARTBRUTTO=0"});
    row("amounts disagree", {"fWARTNETTO=0,10", "fWARTVAT=0,02", "fWARTBRUTTO=0,13"}, false,
        disagree, "fWARTNETTO");
    row("amounts agree", {"fWARTNETTO=0,10", "fWARTVAT=0,02", "fWARTBRUTTO=0,12"}, false, {}, "",
        {"fWARTNETTO=0,1", "fWARTVAT=0,02", "fWARTBRUTTO=0,12"});
    row("dot separator", {"fWARTNETTO=100.5", "fWARTVAT=0", "fWARTBRUTTO=100,50"}, false, {}, "",
        {"fWARTNETTO=100,5", "fWARTBRUTTO=100,5"});
    row("negative amounts agree", {"fWARTNETTO=-10,5", "fWARTVAT=-2,3", "fWARTBRUTTO=-12,80"},
        false, {}, "", {"fWARTNETTO=-10,5", "fWARTBRUTTO=-12,8"});
    row("negative whole amounts", {"fWARTNETTO=-10", "fWARTVAT=-2", "fWARTBRUTTO=-12"}, false, {},
        "", {"fWARTNETTO=-10", "fWARTVAT=-2", "fWARTBRUTTO=-12"});
    row("remark without a number", {"fUWAGI=szt. 5"}, true, remark, "fUWAGI");
    row("remark with a decimal", {"fUWAGI=12,5 kg"}, true, {}, "");
    row("remark with blanks first", {"fUWAGI=  7 szt."}, true, {}, "");
    row("blank remark", {"fUWAGI=   "}, true, {}, "");
    row("remark unchecked without the option", {"fUWAGI=szt. 5"}, false, {}, "");
    row("amounts before remark", {"fWARTBRUTTO=1", "fUWAGI=x"}, true, disagree, "fWARTNETTO");
}

void TstKoszty::checks() {
    QFETCH(QStringList, fields);
    QFETCH(bool, remarkNumber);
    QFETCH(QString, message);
    QFETCH(QString, focused);
    QFETCH(QStringList, after);
    TfKoszty dialog(*m_db, m_messages);
    dialog.setRemarkMustBeginWithNumber(remarkNumber);
    dialog.setRecord(TfKoszty::defaults());
    dialog.show();
    putAll(&dialog, kValid + fields, true);
    dialog.saveButton()->click();
    if (message.isEmpty()) {
        QVERIFY2(m_messages.shown().isEmpty(), qPrintable(m_messages.texts().join(u'|')));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const Snapshot want = expected(after);
        QCOMPARE(snapshot(&dialog, want.keys()), want);
        return;
    }
    QCOMPARE(m_messages.shown().size(), 1);
    QCOMPARE(m_messages.shown().first().title, QStringLiteral("Uwaga"));
    QCOMPARE(m_messages.shown().first().text, message);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString(), focused);
}

void TstKoszty::vatSequences_data() {
    // Steps: "type NAME TEXT" types into the focused field, "pick NAME TEXT" chooses from a
    // list, "tick NAME T|N" sets a check box, "expect NAME TEXT" compares what it shows.
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("rate gives VAT and gross") << QStringList{
        "type fWARTNETTO 100,00",    "pick stawkaVAT 23.00",     "expect fWARTVAT 23,00",
        "expect fWARTBRUTTO 123,00", "expect fWARTNETTO 100,00", "expect stawkaVAT "};
    QTest::newRow("gross below VAT keeps net") << QStringList{
        "type fWARTNETTO 100", "type fWARTVAT 23",         "expect fWARTBRUTTO 123,00",
        "type fWARTBRUTTO 10", "expect fWARTNETTO 100,00", "expect fWARTBRUTTO 10"};
    QTest::newRow("gross gives net")
        << QStringList{"type fWARTVAT 23", "type fWARTBRUTTO 123", "expect fWARTNETTO 100,00",
                       "expect fWARTBRUTTO 123"};
    QTest::newRow("net typed after a rate") << QStringList{
        "type fWARTNETTO 50",       "pick stawkaVAT 8.00", "expect fWARTVAT 4,00",
        "expect fWARTBRUTTO 54,00", "type fWARTNETTO 60",  "expect fWARTBRUTTO 64,00",
        "expect fWARTVAT 4,00",     "expect stawkaVAT "};
    QTest::newRow("litres mark the fuel purchase")
        << QStringList{"expect fISFUEL N", "type fFUEL 12",  "expect fISFUEL T", "type fFUEL 12x",
                       "expect fISFUEL N", "tick fISFUEL T", "type fFUEL 0",     "expect fISFUEL T",
                       "tick fISFUEL N",   "type fFUEL 0",   "expect fISFUEL N", "type fFUEL 0,5",
                       "expect fISFUEL T", "type fFUEL abc", "expect fISFUEL N"};
}

void TstKoszty::vatSequences() {
    QFETCH(QStringList, steps);
    TfKoszty dialog(*m_db, m_messages);
    dialog.setRecord(TfKoszty::defaults());
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    for (const QString& step : steps) {
        const QString verb = step.section(u' ', 0, 0);
        const QString name = step.section(u' ', 1, 1);
        const QString value = step.section(u' ', 2);
        QWidget* widget = child(&dialog, name);
        QVERIFY2(widget, qPrintable(step));
        if (verb == QLatin1String("type")) {
            auto* edit = qobject_cast<QLineEdit*>(widget);
            edit->setFocus();
            QVERIFY(edit->hasFocus());
            edit->selectAll();
            QTest::keyClicks(edit, value);
        } else if (verb == QLatin1String("pick")) {
            widget->setFocus();
            put(&dialog, name, value);
        } else if (verb == QLatin1String("tick")) {
            put(&dialog, name, value);
        } else {
            QVERIFY2(verb == QLatin1String("expect"), qPrintable(step));
            QCOMPARE(shown(&dialog, name), value);
        }
    }
}

void TstKoszty::kindOfExpense_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("choose");  // chosen from the list, not only typed
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("Tak") << "Naprawa" << true << "N"
                         << "T";
    QTest::newRow("Nie") << "Mandat" << true << "T"
                         << "N";
    QTest::newRow("YES") << "Usługa obca" << true << "N"
                         << "T";
    QTest::newRow("no mark") << "Darowizna" << true << "T"
                             << "N";
    QTest::newRow("typed only") << "Naprawa" << false << "N"
                                << "N";
}

void TstKoszty::kindOfExpense() {
    QFETCH(QString, kind);
    QFETCH(bool, choose);
    QFETCH(QString, before);
    QFETCH(QString, after);
    TfKoszty dialog(*m_db, m_messages);
    dialog.setRecord(TfKoszty::defaults());
    dialog.show();
    put(&dialog, QStringLiteral("fCZYVAT"), before);
    auto* kinds = dialog.findChild<QComboBox*>(QStringLiteral("fRODZWYD"));
    if (choose)
        put(&dialog, QStringLiteral("fRODZWYD"), kind);
    else
        kinds->setEditText(kind);
    QCOMPARE(kinds->currentText(), kind);
    QCOMPARE(shown(&dialog, QStringLiteral("fCZYVAT")), after);
}

void TstKoszty::kindsInPolishOrder() {
    TfKoszty dialog(*m_db, m_messages);
    dialog.setRecord(TfKoszty::defaults());
    auto* kinds = dialog.findChild<QComboBox*>(QStringLiteral("fRODZWYD"));
    QStringList texts;
    for (int i = 0; i < kinds->count(); ++i)
        texts << kinds->itemText(i);
    const QStringList want{"Części zamienne",
                           "Darowizna",
                           "Inne",
                           "Leasing",
                           "Ładowanie",
                           "Mandat",
                           "Myjnia",
                           "Naprawa",
                           "Opłaty drogowe",
                           "Opony",
                           "Paliwo",
                           "Parking",
                           "Podatek od środków transportu",
                           "Przegląd techniczny",
                           "Serwis okresowy",
                           "Ubezpieczenie AC",
                           "Ubezpieczenie OC",
                           "Usługa obca"};
    QCOMPARE(texts, want);
    QCOMPARE(kinds->currentText(), QString());
}

void TstKoszty::vehicleFillsEmptyDriver_data() {
    QTest::addColumn<QString>("vehicle");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("empty driver") << "WA 1000" << QString() << kNowak;
    QTest::newRow("chosen driver stays") << "WA 1000" << kLis << kLis;
    QTest::newRow("vehicle without a driver") << "KR 2000" << QString() << QString();
}

void TstKoszty::vehicleFillsEmptyDriver() {
    QFETCH(QString, vehicle);
    QFETCH(QString, before);
    QFETCH(QString, after);
    TfKoszty dialog(*m_db, m_messages);
    dialog.setRecord(TfKoszty::defaults());
    dialog.show();
    put(&dialog, QStringLiteral("fIDKIEROWCY"), before);
    put(&dialog, QStringLiteral("fNRREJ"), vehicle);
    QCOMPARE(shown(&dialog, QStringLiteral("fIDKIEROWCY")), after);
}

// A plain add opens empty but for the costs list's own filters, which it takes over.
void TstKoszty::addOpensEmpty_data() {
    QTest::addColumn<bool>("filtered");
    QTest::addColumn<QStringList>("taken");  // what the filters put into the dialog
    QTest::newRow("no filter") << false
                               << QStringList{u"fISFUEL=N"_qs, u"fCK="_qs, u"fIDDROGOWA="_qs};
    QTest::newRow("fuel, centre, road card")
        << true << QStringList{u"fISFUEL=T"_qs, u"fCK=Dział B"_qs, u"fIDDROGOWA=KD/1"_qs};
}

void TstKoszty::addOpensEmpty() {
    QFETCH(bool, filtered);
    QFETCH(QStringList, taken);
    ListModel costs(RegisterId::Koszty);
    RecordEditors::CostOptions list;
    if (filtered) {
        list.fuelOnly = true;
        list.costCentre = dictionaryKey(u"CKKOD"_qs, u"Dział B"_qs);
        list.roadCard = m_roadCard;
    }
    const Snapshot want = expected(
        QStringList{"fDATA=", "fNRREJ=", "fRODZWYD=", "fNAZWATOWAR=", "fNRDOKUMENT=", "fUWAGI=",
                    "fDATAWYSTAW=", "fRODZAJPLAT=", "fIDKARTY=", "fIDKIEROWCY=", "fWARTNETTO=0,00",
                    "fWARTVAT=0,00", "fWARTBRUTTO=0,00", "fLICZNIK=0,00", "fFUEL=0", "fCZYVAT=T",
                    "stawkaVAT=", "dodaj=N"} +
        taken);
    Snapshot seen;
    int limits[5] = {};
    ModalScript script({[&](TfKoszty* d) {
        seen = snapshot(d, want.keys());
        int i = 0;
        for (const char* name : {"fRODZWYD", "fNAZWATOWAR", "fNRDOKUMENT", "fUWAGI", "fLICZNIK"}) {
            QWidget* w = child(d, QString::fromLatin1(name));
            auto* combo = qobject_cast<QComboBox*>(w);
            limits[i++] = (combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(w))->maxLength();
        }
        d->cancelButton()->click();
    }});
    QVERIFY(!script.run([&] { return run(Mode::Add, costs, -1, nullptr, list); }).saved);
    QVERIFY(script.clean());
    QCOMPARE(seen, want);
    QCOMPARE(QList<int>(std::begin(limits), std::end(limits)), QList<int>({100, 100, 30, 254, 18}));
}

void TstKoszty::storedAmountsShownAsStored() {
    // Amounts that disagree (typed before the calculator existed) open unchanged, so the
    // check on saving points at them instead of a silent change of the net value.
    Record stored = TfKoszty::defaults();
    stored.set(QStringLiteral("WARTNETTO"), 100.0);
    stored.set(QStringLiteral("WARTVAT"), 23.0);
    stored.set(QStringLiteral("WARTBRUTTO"), 130.0);
    TfKoszty dialog(*m_db, m_messages);
    dialog.setRecord(stored);
    dialog.show();
    QCOMPARE(snapshot(&dialog, {"fWARTNETTO", "fWARTVAT", "fWARTBRUTTO", "stawkaVAT"}),
             expected({"fWARTNETTO=100,00", "fWARTVAT=23,00", "fWARTBRUTTO=130,00", "stawkaVAT="}));
    putAll(&dialog, kValid);
    dialog.saveButton()->click();
    QCOMPARE(m_messages.texts(),
             QStringList{QStringLiteral("Wprowadzone kwoty nie zgadzają się. Popraw pola")});
}

void TstKoszty::roundTripThroughTheList() {
    ListModel costs(RegisterId::Koszty);
    QVERIFY(m_db->refreshList(RegisterId::Koszty, costs));
    const int before = costs.rowCount();
    ModalScript add({[](TfKoszty* d) {
        putAll(d,
               {"fDATA=15.03.2024", "fNRREJ=WA 1000", "fRODZWYD=Mandat", "fNAZWATOWAR=Mycie",
                "fWARTNETTO=100", "stawkaVAT=23.00", "fNRDOKUMENT=FV/1", "fDATAWYSTAW=14.03.2024",
                "fRODZAJPLAT=Przelew", "fIDKARTY=FC1 Orlen", "fFUEL=40", "fLICZNIK=12345,5",
                "fCK=Dział A", "fIDDROGOWA=KD/1", "fUWAGI=5 szt."});
        save(d);
    }});
    const RecordEditors::Outcome added = add.run([&] { return run(Mode::Add, costs, -1); });
    QVERIFY(added.saved);
    QVERIFY(add.clean());
    QVERIFY(m_messages.shown().isEmpty());
    QVERIFY(m_db->refreshList(RegisterId::Koszty, costs));
    QCOMPARE(costs.rowCount(), before + 1);
    int row = costs.findRow(added.key);
    QVERIFY(row >= 0);
    const Snapshot listed =
        expected({"DATA=15.03.2024", "NRREJ=WA 1000", "RODZWYD=Mandat", "NAZWATOWAR=Mycie",
                  "NRDOKUMENT=FV/1", "WARTNETTO=100,00", "WARTVAT=23,00", "WARTBRUTTO=123,00",
                  "CZYVAT=Nie", "NAZWISKO=" + kNowak, "IDKARTY=FC1", "UWAGI=5 szt.", "ISFUEL=+",
                  "FUEL=40,00", "OPIS=Dział A", "NRKARTY=KD/1"});
    for (auto it = listed.begin(); it != listed.end(); ++it)
        QCOMPARE(costs.displayField(row, it.key()), it.value());
    QCOMPARE(costs.raw(row, QStringLiteral("LICZNIK")).toDouble(), 12345.5);
    QCOMPARE(costs.raw(row, QStringLiteral("DATAWYSTAW")).toLongLong(), 20240314);
    QCOMPARE(costs.raw(row, QStringLiteral("RODZAJPLAT")).toLongLong(),
             dictionaryKey(QStringLiteral("RDPLA"), QStringLiteral("Przelew")));
    QCOMPARE(costs.raw(row, QStringLiteral("IDDROGOWA")).toLongLong(), m_roadCard);

    // The edit shows every column as stored; the road card cleared is stored as -1.
    const QStringList names{"fDATA",      "fNRREJ",      "fWARTNETTO",  "fWARTBRUTTO", "fLICZNIK",
                            "fFUEL",      "fISFUEL",     "fCZYVAT",     "fIDKARTY",    "fCK",
                            "fIDDROGOWA", "fIDKIEROWCY", "fRODZAJPLAT", "fDATAWYSTAW", "fUWAGI"};
    Snapshot opened;
    ModalScript edit({[&](TfKoszty* d) {
        opened = snapshot(d, names);
        putAll(d, {"fNAZWATOWAR=Mycie i woskowanie", "fCZYVAT=T"});
        d->findChild<QToolButton*>(QStringLiteral("fIDDROGOWAClear"))->click();
        save(d);
    }});
    QVERIFY(edit.run([&] { return run(Mode::Edit, costs, row); }).saved);
    QVERIFY(edit.clean());
    QCOMPARE(opened, expected({"fDATA=15.03.2024", "fNRREJ=WA 1000", "fWARTNETTO=100,00",
                               "fWARTBRUTTO=123,00", "fLICZNIK=12345,50", "fFUEL=40,00",
                               "fISFUEL=T", "fCZYVAT=N", "fIDKARTY=FC1 Orlen", "fCK=Dział A",
                               "fIDDROGOWA=KD/1", "fIDKIEROWCY=" + kNowak, "fRODZAJPLAT=Przelew",
                               "fDATAWYSTAW=14.03.2024", "fUWAGI=5 szt."}));
    QVERIFY(m_db->refreshList(RegisterId::Koszty, costs));
    QCOMPARE(costs.rowCount(), before + 1);
    row = costs.findRow(added.key);
    QVERIFY(row >= 0);
    QCOMPARE(costs.displayField(row, QStringLiteral("NAZWATOWAR")),
             QStringLiteral("Mycie i woskowanie"));
    QCOMPARE(costs.displayField(row, QStringLiteral("CZYVAT")), QStringLiteral("Tak"));
    QCOMPARE(costs.displayField(row, QStringLiteral("NRKARTY")), QString());
    QCOMPARE(costs.raw(row, QStringLiteral("IDDROGOWA")).toLongLong(), -1);
    QCOMPARE(costs.displayField(row, QStringLiteral("WARTBRUTTO")), QStringLiteral("123,00"));

    // A copy saved unchanged is a second row with the same texts.
    ModalScript copy({[](TfKoszty* d) { save(d); }});
    const RecordEditors::Outcome copied = copy.run([&] { return run(Mode::Copy, costs, row); });
    QVERIFY(copied.saved);
    QVERIFY(copy.clean());
    QVERIFY(copied.key != added.key);
    QVERIFY(m_db->refreshList(RegisterId::Koszty, costs));
    const int twin = costs.findRow(copied.key);
    QVERIFY(twin >= 0);
    for (int c = 0; c < costs.columnCount(); ++c)
        QCOMPARE(costs.displayText(twin, c), costs.displayText(costs.findRow(added.key), c));
}

void TstKoszty::handOnIn_data() {
    QTest::addColumn<int>("source");
    QTest::addColumn<QVariantMap>("values");
    QTest::addColumn<QStringList>("fields");
    const QStringList common{"fCZYVAT=T", "fRODZAJPLAT=", "fIDKARTY=", "fCK=", "fIDDROGOWA="};
    const QVariantMap repair{{"DATA", 20240310},   {"IDPOJAZD", m_wa},   {"OPIS", "Wymiana oleju"},
                             {"WARTNETTO", 200.0}, {"WARTVAT", 46.0},    {"WARTBRUTTO", 246.0},
                             {"UWAGI", "ASO"},     {"LICZNIK", 50000.0}, {"IDKIEROWCY", "K2"}};
    const QStringList repaired{"fDATA=10.03.2024",    "fNRREJ=WA 1000", "fNAZWATOWAR=Wymiana oleju",
                               "fWARTNETTO=200,00",   "fWARTVAT=46,00", "fWARTBRUTTO=246,00",
                               "fUWAGI=ASO",          "fDATAWYSTAW=",   "fLICZNIK=50000,00",
                               "fIDKIEROWCY=" + kLis, "fISFUEL=N",      "fFUEL=0"};
    QTest::newRow("repair") << int(RegisterId::Naprawy) << repair
                            << common + repaired + QStringList{"fRODZWYD=Naprawy"};
    QTest::newRow("damage") << int(RegisterId::Szkody) << repair
                            << common + repaired + QStringList{"fRODZWYD=Szkody"};
    const QVariantMap tyres{{"DATAZAKUPU", 20240401},
                            {"IDPOJAZDU", m_wa},
                            {"MARKA", "Dębica"},
                            {"RODZAJ", dictionaryKey("RODOP", "Zimowe")},
                            {"ROZMIAR", dictionaryKey("ROZOP", "205/55 R16")},
                            {"NRDOKUMENTU", "FV/9"},
                            {"NETTO", 800.0},
                            {"VAT", 184.0},
                            {"BRUTTO", 984.0},
                            {"INNE", "4 szt."},
                            {"IDKIEROWCY", "K2"}};
    QTest::newRow("tyres") << int(RegisterId::Opony) << tyres
                           << common +
                                  QStringList{
                                      "fDATA=01.04.2024", "fNRREJ=WA 1000",
                                      "fRODZWYD=Opony",   "fNAZWATOWAR=Dębica Zimowe 205/55 R16",
                                      "fNRDOKUMENT=FV/9", "fWARTNETTO=800,00",
                                      "fWARTVAT=184,00",  "fWARTBRUTTO=984,00",
                                      "fUWAGI=4 szt.",    "fDATAWYSTAW=01.04.2024",
                                      "fLICZNIK=0,00",    "fIDKIEROWCY="};
    const QVariantMap refuelling{
        {"IDPOJAZD", m_wa}, {"DATA", 20240320}, {"TANKOWANIE", 45.5}, {"LICZNIK", 51000.0}};
    const QStringList refuelled{"fDATA=20.03.2024",
                                "fNRREJ=WA 1000",
                                "fRODZWYD=Zakup paliwa",
                                "fWARTNETTO=0,00",
                                "fWARTVAT=0,00",
                                "fWARTBRUTTO=0,00",
                                "fDATAWYSTAW=20.03.2024",
                                "fLICZNIK=51000,00",
                                "fISFUEL=T",
                                "fFUEL=45,50",
                                "fIDKIEROWCY="};
    QTest::newRow("continuous refuelling")
        << int(RegisterId::Zuzycie) << refuelling << common + refuelled;
    QTest::newRow("refuelling by km")
        << int(RegisterId::ZuzycieKm) << refuelling << common + refuelled;
    QTest::newRow("refuelling by mth")
        << int(RegisterId::ZuzycieMth) << refuelling << common + refuelled;
}

void TstKoszty::handOnIn() {
    QFETCH(int, source);
    QFETCH(QVariantMap, values);
    QFETCH(QStringList, fields);
    RecordEditors::HandOn handOn{RegisterId::Koszty, RegisterId(source), {}, false};
    for (auto it = values.begin(); it != values.end(); ++it)
        handOn.values.set(it.key(), it.value());
    const Snapshot want = expected(fields);
    Snapshot seen;
    ModalScript script({[&](TfKoszty* d) {
        seen = snapshot(d, want.keys());
        save(d);
    }});
    ListModel costs(RegisterId::Koszty);
    const RecordEditors::Outcome outcome =
        script.run([&] { return run(Mode::HandOn, costs, -1, &handOn); });
    QVERIFY(script.clean());
    QCOMPARE(seen, want);
    QVERIFY(outcome.saved);
    QVERIFY(m_messages.shown().isEmpty());
    // Without a road card chosen a handed-on cost stores 0, and no cost centre 0.
    QVERIFY(m_db->refreshList(RegisterId::Koszty, costs));
    const int row = costs.findRow(outcome.key);
    QVERIFY(row >= 0);
    QCOMPARE(costs.raw(row, QStringLiteral("IDDROGOWA")).toLongLong(), 0);
    QCOMPARE(costs.raw(row, QStringLiteral("CK")).toLongLong(), 0);
    QCOMPARE(costs.displayField(row, QStringLiteral("CZYVAT")), QStringLiteral("Tak"));
    QCOMPARE(costs.displayField(row, QStringLiteral("RODZWYD")), want.value("fRODZWYD"));
}

void TstKoszty::handOnOut_data() {
    QTest::addColumn<int>("target");    // -1: "dodaj" left unchecked
    QTest::addColumn<int>("fuelKind");  // 1: LPG
    QTest::addColumn<bool>("fuelShown");
    QTest::addColumn<int>("registerId");
    QTest::addColumn<bool>("lpg");
    QTest::newRow("repairs") << 0 << 1 << false << int(RegisterId::Naprawy) << false;
    QTest::newRow("continuous, LPG") << 1 << 1 << true << int(RegisterId::Zuzycie) << true;
    QTest::newRow("tyres") << 2 << 1 << false << int(RegisterId::Opony) << false;
    QTest::newRow("km, liquid fuel") << 3 << 0 << true << int(RegisterId::ZuzycieKm) << false;
    QTest::newRow("mth, LPG") << 4 << 1 << true << int(RegisterId::ZuzycieMth) << true;
    QTest::newRow("not asked") << -1 << 0 << false << -1 << false;
}

void TstKoszty::handOnOut() {
    QFETCH(int, target);
    QFETCH(int, fuelKind);
    QFETCH(bool, fuelShown);
    QFETCH(int, registerId);
    QFETCH(bool, lpg);
    bool shownFuelKind = !fuelShown;
    ModalScript script({[&](TfKoszty* d) {
        putAll(d, kValid + QStringList{"fRODZWYD=Paliwo", "fWARTNETTO=80", "fFUEL=12"});
        if (target >= 0) {
            put(d, QStringLiteral("dodaj"), QStringLiteral("T"));
            put(d, QStringLiteral("dodajDo"), QStringLiteral("#%1").arg(target));
            put(d, QStringLiteral("rPaliwaCombo"), QStringLiteral("#%1").arg(fuelKind));
            shownFuelKind = child(d, QStringLiteral("rPaliwaCombo"))->isVisible() &&
                            child(d, QStringLiteral("rPaliwaLabel"))->isVisible();
        }
        save(d);
    }});
    ListModel costs(RegisterId::Koszty);
    const RecordEditors::Outcome outcome = script.run([&] { return run(Mode::Add, costs, -1); });
    QVERIFY(script.clean());
    QVERIFY(outcome.saved);
    if (target < 0) {
        QVERIFY(!outcome.handOn);
        return;
    }
    QCOMPARE(shownFuelKind, fuelShown);
    QVERIFY(outcome.handOn);
    const RecordEditors::HandOn& handOn = *outcome.handOn;
    QCOMPARE(int(handOn.target), registerId);
    QCOMPARE(handOn.source, RegisterId::Koszty);
    QCOMPARE(handOn.lpg, lpg);
    const Record& v = handOn.values;
    for (const FieldDef& f : Schema::companyTable(QStringLiteral("koszty"))->fields) {
        if (f.kind != FieldKind::AutoKey)
            QVERIFY2(v.contains(f.name), qPrintable(f.name));
    }
    QCOMPARE(v.integer(QStringLiteral("IDPOJAZD")), m_wa);
    QCOMPARE(v.integer(QStringLiteral("DATA")), 20240312);
    QCOMPARE(v.text(QStringLiteral("RODZWYD")), QStringLiteral("Paliwo"));
    QCOMPARE(v.number(QStringLiteral("WARTNETTO")), 80.0);
    QCOMPARE(v.number(QStringLiteral("WARTBRUTTO")), 80.0);
    QCOMPARE(v.number(QStringLiteral("FUEL")), 12.0);
    QCOMPARE(v.text(QStringLiteral("ISFUEL")), QStringLiteral("T"));
    QCOMPARE(v.text(QStringLiteral("IDKIEROWCY")), QStringLiteral("K1"));
}

void TstKoszty::handOnChoiceAcrossOpenings() {
    {
        TfKoszty first(*m_db, m_messages);
        first.setRecord(TfKoszty::defaults());
        first.show();
        put(&first, QStringLiteral("dodaj"), QStringLiteral("T"));
        put(&first, QStringLiteral("dodajDo"), QStringLiteral("#3"));
        first.setPreview(true);
        QVERIFY(!child(&first, QStringLiteral("dodaj"))->isEnabled());
    }
    // The next opening (a dialog of its own) starts unchecked and enabled, with the
    // target kept.
    TfKoszty dialog(*m_db, m_messages);
    dialog.show();
    dialog.setPreview(true);
    dialog.setRecord(TfKoszty::defaults());
    QCOMPARE(shown(&dialog, QStringLiteral("dodaj")), QStringLiteral("N"));
    QVERIFY(child(&dialog, QStringLiteral("dodaj"))->isEnabled());
    dialog.setPreview(false);
    QCOMPARE(shown(&dialog, QStringLiteral("dodajDo")), QStringLiteral("zużycia paliwa - km"));
    QVERIFY(child(&dialog, QStringLiteral("rPaliwaCombo"))->isVisible());
    QVERIFY(!dialog.handOn(dialog.record()));
    put(&dialog, QStringLiteral("dodajDo"), QStringLiteral("#2"));
    QVERIFY(!child(&dialog, QStringLiteral("rPaliwaCombo"))->isVisible());
    QVERIFY(!child(&dialog, QStringLiteral("rPaliwaLabel"))->isVisible());
}

// With the option RodzajKosztuRO the kind of expense is chosen from its list, never typed.
void TstKoszty::kindCanOnlyBeChosen() {
    for (const bool chosenOnly : {false, true}) {
        TfKoszty dialog(*m_db, m_messages);
        dialog.setKindChosenOnly(chosenOnly);
        dialog.setRecord(TfKoszty::defaults());
        dialog.show();
        auto* kind = static_cast<QComboBox*>(child(&dialog, u"fRODZWYD"_qs));
        kind->lineEdit()->setFocus();
        QTest::keyClicks(kind->lineEdit(), u"Abc"_qs);
        QTest::keyClick(kind->lineEdit(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(kind->currentText(), chosenOnly ? QString() : u"Abc"_qs);
        QCOMPARE(kind->lineEdit()->contextMenuPolicy() == Qt::NoContextMenu, chosenOnly);
        put(&dialog, u"fRODZWYD"_qs, u"Ładowanie"_qs);
        QCOMPARE(kind->currentText(), u"Ładowanie"_qs);
    }
}

QTEST_MAIN(TstKoszty)
#include "tst_koszty.moc"
