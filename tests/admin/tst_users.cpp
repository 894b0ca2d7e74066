// The accounts, their rights and the login: the stored password forms and their upgrade,
// the account checks, the supervisor's and the logged-in user's protection, rights stored
// one at a time (also when storing fails), the users window and the login window, on both
// engines.
#include "ScriptedMessageService.h"
#include "TestDataDir.h"
#include "TestLocation.h"
#include "admin/UserStore.h"
#include "admin/uLogin.h"
#include "admin/uUserEdit.h"
#include "admin/uUserzy.h"
#include "data/ErrorLog.h"
#include "data/TmyDataBase.h"
#include "data/schema/DatabaseCreator.h"
#include "support/CodePage.h"
#include "support/OVCrypt.h"
#include "support/PasswordHash.h"

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
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// Answers the modal dialogs of a flow one after another; a dialog nobody expected is
// cancelled and counted.
class DialogDriver : public QObject {
public:
    using Action = std::function<void(QDialog*)>;
    explicit DialogDriver(QList<Action> actions = {}) : m_actions(actions) {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog == m_last)
                return;
            m_last = dialog;
            if (m_actions.isEmpty()) {
                ++m_unexpected;
                dialog->reject();
                return;
            }
            // Outside this timer's slot, so that a dialog the action opens is served too.
            QTimer::singleShot(0, this, [this, action = m_actions.dequeue(), dialog] {
                action(dialog);
                QTimer::singleShot(0, this, [this] { m_last = nullptr; });
            });
        });
        m_timer.start(10);
    }
    bool done() const { return m_actions.isEmpty(); }
    int unexpected() const { return m_unexpected; }

private:
    QQueue<Action> m_actions;
    QTimer m_timer;
    QDialog* m_last = nullptr;
    int m_unexpected = 0;
};

QLineEdit* edit(QWidget* w, const QString& name) {
    return w->findChild<QLineEdit*>(name);
}

void click(QWidget* w, const QString& name) {
    auto* button = w->findChild<QPushButton*>(name);
    QVERIFY2(button, qPrintable(name));
    button->click();
}

QString lastLoggedCode() {
    QFile log(ErrorLog::path());
    if (!log.open(QIODevice::ReadOnly))
        return {};
    const QList<QByteArray> lines = log.readAll().trimmed().split('\n');
    const QString last = QString::fromUtf8(lines.last());
    const qsizetype open = last.indexOf(QLatin1Char('['));
    return open < 0 ? QString() : last.mid(open, 12);
}

// A user whose right 0 cannot be granted and whose right 5 cannot be refused, and an
// account description that cannot be written.
const QString kBroken = QStringLiteral("ZEPSUTY");

}  // namespace

class TstUsers : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void loginPasswordForms_data();
    void loginPasswordForms();
    void defaultSupervisorPassword();
    void supervisorHoldsEveryRight();
    void newAccountGetsEditorRights();
    void rightStoredAndReadBack_data();
    void rightStoredAndReadBack();
    void strayRightRowsIgnored();
    void accountChecks_data();
    void accountChecks();
    void editWithEmptyPasswordKeepsIt_data();
    void editWithEmptyPasswordKeepsIt();
    void removeRules();
    void removeIsAllOrNothing();
    void windowDeleteMessages();
    void windowAddExistingReopensWithValues();
    void windowEditFailureKeepsList();
    void windowRightsGrid();
    void windowRightFailureNotLeftChecked();
    void loginWindowThreeFailures();
    void loginWindowSucceeds();
    void loginWindowWithoutCompany();
    void loginWindowSetupFailure();
    void newPasswordInsteadOfDefault();

private:
    UserStore store() { return UserStore(*m_db); }
    void setStored(const QString& name, const QString& haslo);
    QString stored(const QString& name);
    int rightRows(const QString& name);
    void ensureUser(const QString& name, const QString& password);
    void execute(const QString& sql);

    std::unique_ptr<TestDataDir> m_dataDir;
    std::unique_ptr<TestLocation> m_location;
    ScriptedMessageService m_messages;
    std::unique_ptr<TmyDataBase> m_db;
    QTimer m_watchdog;
    bool m_stuck = false;
};

void TstUsers::initTestCase() {
    m_dataDir = std::make_unique<TestDataDir>();
    m_location = std::make_unique<TestLocation>();
    REQUIRE_LOCATION(*m_location);
    const DbLocation& location = m_location->location();
    QVERIFY(DatabaseCreator::createDatabase(location, false).ok);
    QVERIFY(DatabaseCreator::addCompany(location, QStringLiteral("Beta"), QStringLiteral("b")).ok);
    QVERIFY(DatabaseCreator::addCompany(location, QStringLiteral("Alfa"), QStringLiteral("f")).ok);
    m_db = std::make_unique<TmyDataBase>(&m_messages);
    QVERIFY(m_db->openCompany(location, QStringLiteral("f")));

    QStringList ddl;
    if (TestLocation::engine() == EngineKind::Postgres) {
        ddl << QStringLiteral(
                   "CREATE FUNCTION users_boom() RETURNS trigger AS $$ BEGIN "
                   "IF TG_OP = 'DELETE' THEN IF OLD.nazwa = 'ZEPSUTY' AND OLD.upr = '5' THEN "
                   "RAISE EXCEPTION 'keep'; END IF; RETURN OLD; END IF; "
                   "IF (NEW.nazwa = 'ZEPSUTY' AND NEW.upr = '0') OR (NEW.nazwa = 'ZLAMANY' AND "
                   "NEW.upr = '52') THEN RAISE EXCEPTION 'boom'; "
                   "END IF; RETURN NEW; END $$ LANGUAGE plpgsql")
            << QStringLiteral(
                   "CREATE TRIGGER users_boom BEFORE INSERT OR DELETE ON uprawnienia "
                   "FOR EACH ROW EXECUTE FUNCTION users_boom()")
            << QStringLiteral(
                   "CREATE FUNCTION opis_boom() RETURNS trigger AS $$ BEGIN "
                   "IF NEW.opis = 'BOOM' THEN RAISE EXCEPTION 'boom'; END IF; "
                   "RETURN NEW; END $$ LANGUAGE plpgsql")
            << QStringLiteral(
                   "CREATE TRIGGER opis_boom BEFORE UPDATE ON userzy "
                   "FOR EACH ROW EXECUTE FUNCTION opis_boom()");
    } else {
        ddl << QStringLiteral(
                   "CREATE TRIGGER grant_boom BEFORE INSERT ON uprawnienia WHEN "
                   "(NEW.NAZWA = 'ZEPSUTY' AND NEW.UPR = '0') OR (NEW.NAZWA = 'ZLAMANY' AND "
                   "NEW.UPR = '52') "
                   "BEGIN SELECT RAISE(ABORT, 'boom'); END")
            << QStringLiteral(
                   "CREATE TRIGGER refuse_boom BEFORE DELETE ON uprawnienia WHEN "
                   "OLD.NAZWA = 'ZEPSUTY' AND OLD.UPR = '5' "
                   "BEGIN SELECT RAISE(ABORT, 'keep'); END")
            << QStringLiteral(
                   "CREATE TRIGGER opis_boom BEFORE UPDATE ON userzy WHEN "
                   "NEW.OPIS = 'BOOM' BEGIN SELECT RAISE(ABORT, 'boom'); END");
    }
    for (const QString& statement : ddl)
        execute(statement);
    ensureUser(QStringLiteral("JAN"), QStringLiteral("jan123"));
    ensureUser(kBroken, QStringLiteral("zepsuty"));

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

void TstUsers::cleanup() {
    QVERIFY2(!m_stuck, "a modal dialog was left waiting");
    QVERIFY(!m_messages.unusedAnswers());
    m_messages.clear();
}

void TstUsers::execute(const QString& sql) {
    const DbError error = m_db->DatabaseFirma().execute(SqlStatement(sql));
    QVERIFY2(error.ok(), qPrintable(sql + QLatin1Char(' ') + error.message()));
}

void TstUsers::setStored(const QString& name, const QString& haslo) {
    SqlStatement update(QStringLiteral("UPDATE userzy SET HASLO = :H WHERE NAZWA = :N"));
    update.bindText(QStringLiteral(":H"), haslo);
    update.bindText(QStringLiteral(":N"), name);
    int rows = 0;
    QVERIFY(m_db->DatabaseFirma().execute(update, &rows).ok());
    QCOMPARE(rows, 1);
}

QString TstUsers::stored(const QString& name) {
    SqlStatement select(QStringLiteral("SELECT HASLO FROM userzy WHERE NAZWA = :N"));
    select.bindText(QStringLiteral(":N"), name);
    DbQuery rows;
    if (m_db->DatabaseFirma().select(select, &rows) || !rows.next())
        return QStringLiteral("<none>");
    return rows.text(u"HASLO");
}

int TstUsers::rightRows(const QString& name) {
    SqlStatement select(QStringLiteral("SELECT COUNT(*) FROM uprawnienia WHERE NAZWA = :N"));
    select.bindText(QStringLiteral(":N"), name);
    DbQuery rows;
    if (m_db->DatabaseFirma().select(select, &rows) || !rows.next())
        return -1;
    return int(rows.value(0).toLongLong());
}

void TstUsers::ensureUser(const QString& name, const QString& password) {
    const auto result = store().add(name, password, name + QStringLiteral(" opis"));
    QVERIFY(result != UserStore::AddResult::Failed);
    if (result == UserStore::AddResult::Exists)
        QVERIFY(store().update(name, password, name + QStringLiteral(" opis")));
}

void TstUsers::loginPasswordForms_data() {
    QTest::addColumn<QString>("form");  // hash, plain, enciphered
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("typedName");
    QTest::addColumn<QString>("typedPassword");
    QTest::addColumn<bool>("loggedIn");
    QTest::newRow("hash") << "hash"
                          << "tajne1"
                          << "LEGACY"
                          << "tajne1" << true;
    QTest::newRow("hash, name typed in lower case") << "hash"
                                                    << "tajne1"
                                                    << "legacy"
                                                    << "tajne1" << true;
    QTest::newRow("hash, wrong password") << "hash"
                                          << "tajne1"
                                          << "LEGACY"
                                          << "tajne2" << false;
    QTest::newRow("hash, password case matters") << "hash"
                                                 << "tajne1"
                                                 << "LEGACY"
                                                 << "TAJNE1" << false;
    QTest::newRow("as typed") << "plain"
                              << "tajne1"
                              << "Legacy"
                              << "tajne1" << true;
    QTest::newRow("as typed, wrong") << "plain"
                                     << "tajne1"
                                     << "LEGACY"
                                     << "tajne" << false;
    QTest::newRow("enciphered") << "enciphered"
                                << "tajne1"
                                << "legacy"
                                << "tajne1" << true;
    QTest::newRow("enciphered, Polish letters") << "enciphered"
                                                << "źdźbło"
                                                << "LEGACY"
                                                << "źdźbło" << true;
    QTest::newRow("enciphered, wrong") << "enciphered"
                                       << "tajne1"
                                       << "LEGACY"
                                       << "tajne9" << false;
    // Short passwords are refused before any look-up, even when they are stored so.
    QTest::newRow("two characters") << "plain"
                                    << "ab"
                                    << "LEGACY"
                                    << "ab" << false;
    QTest::newRow("empty name") << "plain"
                                << "tajne1"
                                << "  "
                                << "tajne1" << false;
    QTest::newRow("unknown user") << "hash"
                                  << "tajne1"
                                  << "NIKT"
                                  << "tajne1" << false;
}

void TstUsers::loginPasswordForms() {
    QFETCH(QString, form);
    QFETCH(QString, password);
    QFETCH(QString, typedName);
    QFETCH(QString, typedPassword);
    QFETCH(bool, loggedIn);
    const QString name = QStringLiteral("LEGACY");
    ensureUser(name, QStringLiteral("poczatkowe"));
    QString haslo = PasswordHash::make(password, 10);
    if (form == QLatin1String("plain"))
        haslo = password;
    else if (form == QLatin1String("enciphered"))
        haslo = CodePage::decode(
            TOVCrypt::encipher(CodePage::encode(password, TextEncoding::Windows1250),
                               QByteArrayLiteral("k2QwR817m5Tz")),
            TextEncoding::Windows1250);
    if (form == QLatin1String("enciphered"))
        QVERIFY(haslo != password);
    setStored(name, haslo);

    const UserStore::LoginOutcome outcome = store().login(typedName, typedPassword);
    QCOMPARE(outcome.status,
             loggedIn ? UserStore::LoginStatus::LoggedIn : UserStore::LoginStatus::Refused);
    if (!loggedIn) {
        QCOMPARE(stored(name), haslo);  // a refusal never rewrites the password
        QVERIFY(outcome.data.userName.isEmpty());
        return;
    }
    QCOMPARE(outcome.data.userName, name);
    QCOMPARE(outcome.data.typedUserName, typedName.toUpper());
    QCOMPARE(outcome.data.description, QStringLiteral("LEGACY opis"));
    QVERIFY(!outcome.data.defaultPassword);
    // Whatever form it was kept in (a hash of few iterations too), the password is a
    // salted hash of full strength from now on and still works.
    const QString now = stored(name);
    QVERIFY(now != haslo);
    QCOMPARE(PasswordHash::iterations(now), PasswordHash::defaultIterations);
    QVERIFY(PasswordHash::verify(password, now));
    QCOMPARE(store().login(name, password).status, UserStore::LoginStatus::LoggedIn);
    QVERIFY(m_messages.shown().isEmpty());
}

void TstUsers::defaultSupervisorPassword() {
    const QString admin = QStringLiteral("ADMIN");
    UserStore::LoginOutcome outcome =
        store().login(QStringLiteral("admin"), QStringLiteral("lotra"));
    QCOMPARE(outcome.status, UserStore::LoginStatus::LoggedIn);
    QVERIFY(outcome.data.defaultPassword);
    QCOMPARE(outcome.data.description, QStringLiteral("Administrator"));

    QVERIFY(store().setPassword(admin, QStringLiteral("nowe-haslo")));
    QCOMPARE(store().login(admin, QStringLiteral("lotra")).status, UserStore::LoginStatus::Refused);
    outcome = store().login(admin, QStringLiteral("nowe-haslo"));
    QCOMPARE(outcome.status, UserStore::LoginStatus::LoggedIn);
    QVERIFY(!outcome.data.defaultPassword);

    // Another account with the same password is no default supervisor login.
    ensureUser(QStringLiteral("LOTRA"), QStringLiteral("lotra"));
    outcome = store().login(QStringLiteral("LOTRA"), QStringLiteral("lotra"));
    QCOMPARE(outcome.status, UserStore::LoginStatus::LoggedIn);
    QVERIFY(!outcome.data.defaultPassword);

    QVERIFY(store().setPassword(admin, QStringLiteral("lotra")));
    QVERIFY(!store().setPassword(QStringLiteral("NIKT"), QStringLiteral("abc")));
}

void TstUsers::supervisorHoldsEveryRight() {
    QCOMPARE(rightRows(QStringLiteral("ADMIN")), 0);
    const std::optional<RightsSet> rights = store().rights(QStringLiteral("ADMIN"));
    QVERIFY(rights);
    QVERIFY(rights->all());
    QCOMPARE(int(rights->size()), 101);
}

void TstUsers::newAccountGetsEditorRights() {
    QCOMPARE(store().add(QStringLiteral("nowak"), QStringLiteral("nowak1"), QStringLiteral("N")),
             UserStore::AddResult::Added);
    QCOMPARE(store().add(QStringLiteral("NOWAK"), QStringLiteral("inne12"), QString()),
             UserStore::AddResult::Exists);
    QVERIFY(PasswordHash::isHash(stored(QStringLiteral("NOWAK"))));
    QCOMPARE(rightRows(QStringLiteral("NOWAK")), 52);
    const std::optional<RightsSet> rights = store().rights(QStringLiteral("NOWAK"));
    QVERIFY(rights);
    QVERIFY(!rights->test(0));  // not an administrator until right 0 is granted
    for (int n = 1; n <= 52; ++n)
        QVERIFY2(rights->test(size_t(n)), qPrintable(QString::number(n)));
    for (int n = 53; n <= 100; ++n)
        QVERIFY(!rights->test(size_t(n)));
    QCOMPARE(store().login(QStringLiteral("nowak"), QStringLiteral("nowak1")).status,
             UserStore::LoginStatus::LoggedIn);

    // The last right cannot be granted: no account is left without its rights.
    QCOMPARE(store().add(QStringLiteral("zlamany"), QStringLiteral("zlamany"), QString()),
             UserStore::AddResult::Failed);
    QCOMPARE(lastLoggedCode(), QStringLiteral("[0000000206]"));
    QCOMPARE(stored(QStringLiteral("ZLAMANY")), QStringLiteral("<none>"));
    QCOMPARE(rightRows(QStringLiteral("ZLAMANY")), 0);
    QCOMPARE(m_messages.shown().size(), 1);
}

void TstUsers::rightStoredAndReadBack_data() {
    QTest::addColumn<int>("number");
    QTest::newRow("administrator") << 0;
    QTest::newRow("costs write") << 6;
    QTest::newRow("hidden add-ons") << 29;
    QTest::newRow("never offered") << 53;
    QTest::newRow("last") << 100;
}

void TstUsers::rightStoredAndReadBack() {
    QFETCH(int, number);
    const QString name = QStringLiteral("PRAWA");
    ensureUser(name, QStringLiteral("prawa1"));
    const int rowsBefore = rightRows(name);
    const bool before = store().rights(name)->test(size_t(number));

    QVERIFY(store().setRight(name, number, true));
    QVERIFY(store().setRight(name, number, true));  // granting twice keeps one row
    QVERIFY(store().rights(name)->test(size_t(number)));
    QCOMPARE(rightRows(name), rowsBefore + (before ? 0 : 1));

    QVERIFY(store().setRight(name, number, false));
    QVERIFY(!store().rights(name)->test(size_t(number)));
    QCOMPARE(rightRows(name), rowsBefore - (before ? 1 : 0));
    QVERIFY(store().setRight(name, number, before));
    QVERIFY(m_messages.shown().isEmpty());
}

void TstUsers::strayRightRowsIgnored() {
    const QString name = QStringLiteral("DZIWNY");
    QCOMPARE(store().add(name, QStringLiteral("dziwny"), QString()), UserStore::AddResult::Added);
    for (int n = 1; n <= 52; ++n)
        QVERIFY(store().setRight(name, n, false));
    for (const char* upr : {"abc", "101", "-1", "7", ""}) {
        SqlStatement insert(QStringLiteral("INSERT INTO uprawnienia (NAZWA, UPR) VALUES (:N, :U)"));
        insert.bindText(QStringLiteral(":N"), name);
        insert.bindText(QStringLiteral(":U"), QString::fromLatin1(upr));
        QVERIFY(m_db->DatabaseFirma().execute(insert).ok());
    }
    const std::optional<RightsSet> rights = store().rights(name);
    QVERIFY(rights);
    QCOMPARE(int(rights->count()), 1);
    QVERIFY(rights->test(7));
    QVERIFY(!store().setRight(name, 101, true));
    QVERIFY(!store().setRight(name, -1, true));
}

void TstUsers::accountChecks_data() {
    QTest::addColumn<bool>("isNew");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("repeat");
    QTest::addColumn<QString>("message");  // empty: accepted
    QTest::addColumn<QString>("focused");
    const QString noName = QStringLiteral("Nie wprowadzono nazwy użytkownika. Popraw pole");
    const QString noPassword = QStringLiteral("Nie wprowadzono hasła. Popraw pole");
    const QString tooShort = QStringLiteral(
        "Hasło zbyt krótkie. Powinno składać się conajmniej z trzech znaków. Popraw pole");
    const QString differ =
        QStringLiteral("Wprowadzone hasło jest inne od ponownie wprowadzonego. Popraw pole");
    QTest::newRow("blank name first") << true << "  "
                                      << ""
                                      << "x" << noName << "fNAZWA";
    QTest::newRow("new without password") << true << "EWA"
                                          << ""
                                          << "" << noPassword << "fHASLO";
    QTest::newRow("blanks only") << true << "EWA"
                                 << "   "
                                 << "   " << noPassword << "fHASLO";
    QTest::newRow("two after trimming") << true << "EWA"
                                        << " ab "
                                        << " ab " << tooShort << "fHASLO";
    QTest::newRow("three") << true << "EWA"
                           << "abc"
                           << "abc"
                           << ""
                           << "";
    QTest::newRow("repeat differs") << true << "EWA"
                                    << "abcd"
                                    << "abce" << differ << "fHASLO2";
    QTest::newRow("edit keeps password") << false << "EWA"
                                         << ""
                                         << ""
                                         << ""
                                         << "";
    QTest::newRow("edit, repeat only") << false << "EWA"
                                       << ""
                                       << "abcd" << noPassword << "fHASLO";
    QTest::newRow("edit, new password short") << false << "EWA"
                                              << "ab"
                                              << "ab" << tooShort << "fHASLO";
}

void TstUsers::accountChecks() {
    QFETCH(bool, isNew);
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, repeat);
    QFETCH(QString, message);
    QFETCH(QString, focused);
    // Through the dialog: the box, the field with the focus, and whether it closed saved.
    TfUserEdit dialog(m_messages);
    if (isNew)
        dialog.setNew({name, password, repeat, QString()});
    else
        dialog.setExisting(name, QStringLiteral("opis"));
    edit(&dialog, QStringLiteral("fHASLO"))->setText(password);
    edit(&dialog, QStringLiteral("fHASLO2"))->setText(repeat);
    bool saved = false;
    QWidget* focus = nullptr;
    QTimer::singleShot(0, &dialog, [&] {
        click(&dialog, QStringLiteral("BZapisz"));
        focus = dialog.focusWidget();
        if (dialog.isVisible())
            dialog.reject();
    });
    saved = dialog.run();
    QCOMPARE(saved, message.isEmpty());
    if (message.isEmpty()) {
        QVERIFY(m_messages.shown().isEmpty());
        return;
    }
    QCOMPARE(m_messages.shown().size(), 1);
    QCOMPARE(m_messages.shown().first().title, QStringLiteral("Uwaga"));
    QCOMPARE(m_messages.shown().first().text, message);
    QVERIFY(focus);
    QCOMPARE(focus->objectName(), focused);
}

void TstUsers::editWithEmptyPasswordKeepsIt_data() {
    QTest::addColumn<QString>("newPassword");
    QTest::addColumn<QString>("loggedIn");
    QTest::newRow("fields left empty") << ""
                                       << "ADMIN";
    QTest::newRow("new password typed") << "zmienione"
                                        << "ADMIN";
    QTest::newRow("own password typed") << "zmienione"
                                        << "EDYTOWANY";
    QTest::newRow("own account, fields left empty") << ""
                                                    << "edytowany";
}

void TstUsers::editWithEmptyPasswordKeepsIt() {
    QFETCH(QString, newPassword);
    QFETCH(QString, loggedIn);
    const QString name = QStringLiteral("EDYTOWANY");
    ensureUser(name, QStringLiteral("stare1"));
    TfUserzy window(*m_db, m_messages);
    window.prepare(loggedIn);
    QVERIFY(window.selectAccount(name));
    QString shownPassword = QStringLiteral("<not opened>");
    DialogDriver driver({[&](QDialog* d) {
        shownPassword =
            edit(d, QStringLiteral("fHASLO"))->text() + edit(d, QStringLiteral("fHASLO2"))->text();
        QVERIFY(edit(d, QStringLiteral("fNAZWA"))->isReadOnly());
        edit(d, QStringLiteral("fHASLO"))->setText(newPassword);
        edit(d, QStringLiteral("fHASLO2"))->setText(newPassword);
        edit(d, QStringLiteral("fOPIS"))->setText(QStringLiteral("nowy opis"));
        click(d, QStringLiteral("BZapisz"));
    }});
    window.editUser();
    QVERIFY(driver.done());
    QCOMPARE(driver.unexpected(), 0);
    QCOMPARE(shownPassword, QString());  // the stored password is never put on screen
    QCOMPARE(window.accounts().at(window.currentRow()).description, QStringLiteral("nowy opis"));
    const bool keeps = newPassword.isEmpty();
    QCOMPARE(store().login(name, QStringLiteral("stare1")).status,
             keeps ? UserStore::LoginStatus::LoggedIn : UserStore::LoginStatus::Refused);
    if (!keeps)
        QCOMPARE(store().login(name, newPassword).status, UserStore::LoginStatus::LoggedIn);
    QVERIFY(PasswordHash::isHash(stored(name)));
    // Only a new password of one's own account is what the session logs in with from now.
    const bool own = !keeps && loggedIn.compare(name, Qt::CaseInsensitive) == 0;
    QCOMPARE(window.ownNewPassword(), own ? std::optional(newPassword) : std::nullopt);
}

void TstUsers::removeRules() {
    QCOMPARE(store().remove(QStringLiteral("ADMIN"), QStringLiteral("JAN")),
             UserStore::RemoveResult::Supervisor);
    QCOMPARE(store().remove(QStringLiteral("JAN"), QStringLiteral("JAN")),
             UserStore::RemoveResult::LoggedIn);
    // The supervisor mark protects an account of any name.
    ensureUser(QStringLiteral("SZEF"), QStringLiteral("szef12"));
    execute(QStringLiteral("UPDATE userzy SET SUPERVISOR = 'T' WHERE NAZWA = 'SZEF'"));
    QCOMPARE(store().remove(QStringLiteral("SZEF"), QStringLiteral("JAN")),
             UserStore::RemoveResult::Supervisor);
    QVERIFY(store().rights(QStringLiteral("SZEF"))->all());
    QCOMPARE(stored(QStringLiteral("JAN")).isEmpty(), false);

    ensureUser(QStringLiteral("DOUSUNIECIA"), QStringLiteral("abcdef"));
    QVERIFY(rightRows(QStringLiteral("DOUSUNIECIA")) > 0);
    QCOMPARE(store().remove(QStringLiteral("DOUSUNIECIA"), QStringLiteral("JAN")),
             UserStore::RemoveResult::Removed);
    QCOMPARE(stored(QStringLiteral("DOUSUNIECIA")), QStringLiteral("<none>"));
    QCOMPARE(rightRows(QStringLiteral("DOUSUNIECIA")), 0);
    QVERIFY(m_messages.shown().isEmpty());
}

void TstUsers::removeIsAllOrNothing() {
    // The rights row 5 of the broken user cannot be deleted: the account stays too.
    const int rows = rightRows(kBroken);
    QVERIFY(rows > 0);
    QCOMPARE(store().remove(kBroken, QStringLiteral("ADMIN")), UserStore::RemoveResult::Failed);
    QCOMPARE(lastLoggedCode(), QStringLiteral("[0000000205]"));
    QCOMPARE(m_messages.shown().size(), 1);
    QCOMPARE(m_messages.shown().first().title, QStringLiteral("Błąd bazy danych"));
    QVERIFY(stored(kBroken) != QStringLiteral("<none>"));
    QCOMPARE(rightRows(kBroken), rows);
}

void TstUsers::windowDeleteMessages() {
    ensureUser(QStringLiteral("ZBEDNY"), QStringLiteral("zbedny"));
    TfUserzy window(*m_db, m_messages);
    window.prepare(QStringLiteral("JAN"));
    struct Case {
        QString name;
        QString message;  // empty: the question is asked
    };
    const QList<Case> cases{
        {QStringLiteral("ADMIN"), QStringLiteral("Nie można usunąć konta ADMIN")},
        {QStringLiteral("JAN"),
         QStringLiteral("Nie można usunąć konta dla zalogowanego użytkownika.")},
    };
    for (const Case& c : cases) {
        QVERIFY(window.selectAccount(c.name));
        window.deleteUser();
        QCOMPARE(m_messages.shown().size(), 1);
        QCOMPARE(m_messages.shown().first().title, QStringLiteral("Uwaga"));
        QCOMPARE(m_messages.shown().first().text, c.message);
        QVERIFY(window.selectAccount(c.name));
        m_messages.clear();
    }
    QVERIFY(window.selectAccount(QStringLiteral("ZBEDNY")));
    m_messages.answerQuestion(false);
    window.deleteUser();
    QVERIFY(window.selectAccount(QStringLiteral("ZBEDNY")));
    m_messages.answerQuestion(true);
    window.deleteUser();
    QCOMPARE(m_messages.shown().last().text, QStringLiteral("Czy usunąć wskazanego użytkownika?"));
    QVERIFY(!window.selectAccount(QStringLiteral("ZBEDNY")));
    QCOMPARE(window.userChoice()->findText(QStringLiteral("ZBEDNY")), -1);
    QCOMPARE(rightRows(QStringLiteral("ZBEDNY")), 0);
}

void TstUsers::windowAddExistingReopensWithValues() {
    TfUserzy window(*m_db, m_messages);
    window.prepare(QStringLiteral("ADMIN"));
    QString reopenedName;
    QString reopenedPassword;
    DialogDriver driver({[](QDialog* d) {
                             // Letters typed in lower case go in as upper case.
                             QTest::keyClicks(edit(d, QStringLiteral("fNAZWA")),
                                              QStringLiteral("jan"));
                             edit(d, QStringLiteral("fHASLO"))->setText(QStringLiteral("abcd"));
                             edit(d, QStringLiteral("fHASLO2"))->setText(QStringLiteral("abcd"));
                             click(d, QStringLiteral("BZapisz"));
                         },
                         [&](QDialog* d) {
                             reopenedName = edit(d, QStringLiteral("fNAZWA"))->text();
                             reopenedPassword = edit(d, QStringLiteral("fHASLO"))->text();
                             edit(d, QStringLiteral("fNAZWA"))->setText(QStringLiteral("KAROL"));
                             click(d, QStringLiteral("BZapisz"));
                         }});
    window.addUser();
    QVERIFY(driver.done());
    QCOMPARE(driver.unexpected(), 0);
    QCOMPARE(m_messages.texts(),
             QStringList{QStringLiteral("Istnieje już użytkownik o podanej nazwie")});
    QCOMPARE(reopenedName, QStringLiteral("JAN"));
    QCOMPARE(reopenedPassword, QStringLiteral("abcd"));
    QVERIFY(window.selectAccount(QStringLiteral("KAROL")));
    QCOMPARE(store().login(QStringLiteral("karol"), QStringLiteral("abcd")).status,
             UserStore::LoginStatus::LoggedIn);
    QCOMPARE(store().login(QStringLiteral("JAN"), QStringLiteral("jan123")).status,
             UserStore::LoginStatus::LoggedIn);
}

void TstUsers::windowEditFailureKeepsList() {
    TfUserzy window(*m_db, m_messages);
    window.prepare(QStringLiteral("ADMIN"));
    QVERIFY(window.selectAccount(QStringLiteral("JAN")));
    const QString before = window.accounts().at(window.currentRow()).description;
    DialogDriver driver({[](QDialog* d) {
        edit(d, QStringLiteral("fOPIS"))->setText(QStringLiteral("BOOM"));
        click(d, QStringLiteral("BZapisz"));
    }});
    window.editUser();
    QVERIFY(driver.done());
    QCOMPARE(lastLoggedCode(), QStringLiteral("[0000000202]"));
    QCOMPARE(m_messages.shown().size(), 1);
    QCOMPARE(m_messages.shown().first().title, QStringLiteral("Błąd bazy danych"));
    QCOMPARE(window.accounts().at(window.currentRow()).description, before);
    QCOMPARE(store().description(QStringLiteral("JAN")).value_or(QString()), before);
}

void TstUsers::windowRightsGrid() {
    TfUserzy window(*m_db, m_messages);
    window.prepare(QStringLiteral("ADMIN"));
    // Every right of the editor has its box, the hidden rows' boxes hidden; after showing,
    // no user is chosen and nothing can be ticked.
    for (const RightDef& def : RightsTable::all()) {
        QCheckBox* box = window.rightBox(def.number);
        QVERIFY2(box, qPrintable(QString::number(def.number)));
        QCOMPARE(box->objectName(), QStringLiteral("cb%1").arg(def.number));
        QCOMPARE(box->isHidden(), !def.shown);
        QVERIFY(!box->isChecked());
        QVERIFY(!box->isEnabled());
    }
    QCOMPARE(RightsTable::all().size(), 53);
    QCOMPARE(window.userChoice()->currentIndex(), -1);

    // Switching to the rights tab shows the user highlighted in the grid.
    QVERIFY(window.selectAccount(QStringLiteral("ADMIN")));
    window.tabs()->setCurrentIndex(1);
    QCOMPARE(window.userChoice()->currentText(), QStringLiteral("ADMIN"));
    for (const RightDef& def : RightsTable::all()) {
        QVERIFY(window.rightBox(def.number)->isChecked());
        QVERIFY(!window.rightBox(def.number)->isEnabled());
    }

    const QString name = QStringLiteral("SIATKA");
    ensureUser(name, QStringLiteral("siatka"));
    window.prepare(QStringLiteral("ADMIN"));
    window.showRightsOf(name);
    const RightsSet held = *store().rights(name);
    for (const RightDef& def : RightsTable::all()) {
        QCOMPARE(window.rightBox(def.number)->isChecked(), held.test(size_t(def.number)));
        QVERIFY(window.rightBox(def.number)->isEnabled());
    }
    // A click is stored at once and shows what is stored.
    for (int number : {0, 4, 51}) {
        QCheckBox* box = window.rightBox(number);
        const bool was = box->isChecked();
        box->click();
        QCOMPARE(box->isChecked(), !was);
        QCOMPARE(store().rights(name)->test(size_t(number)), !was);
    }
    QVERIFY(m_messages.shown().isEmpty());
}

void TstUsers::windowRightFailureNotLeftChecked() {
    TfUserzy window(*m_db, m_messages);
    window.prepare(QStringLiteral("ADMIN"));
    window.showRightsOf(kBroken);
    struct Case {
        int number;
        bool checkedBefore;
        const char* code;
    };
    for (const Case& c : {Case{0, false, "[0000000206]"}, Case{5, true, "[0000000207]"}}) {
        QCheckBox* box = window.rightBox(c.number);
        QCOMPARE(box->isChecked(), c.checkedBefore);
        box->click();
        QCOMPARE(box->isChecked(), c.checkedBefore);
        QCOMPARE(store().rights(kBroken)->test(size_t(c.number)), c.checkedBefore);
        QCOMPARE(lastLoggedCode(), QString::fromLatin1(c.code));
        QCOMPARE(m_messages.shown().size(), 1);
        QCOMPARE(m_messages.shown().first().title, QStringLiteral("Błąd bazy danych"));
        m_messages.clear();
    }
    // The other boxes still work.
    QCheckBox* box = window.rightBox(7);
    QVERIFY(box->isChecked());
    box->click();
    QVERIFY(!store().rights(kBroken)->test(7));
    box->click();
    QVERIFY(store().rights(kBroken)->test(7));
}

void TstUsers::loginWindowThreeFailures() {
    TfLogin login(*m_db, m_messages);
    int visibleAfterFirst = -1;
    QString typedShown;
    QTimer::singleShot(0, &login, [&] {
        QLineEdit* user = edit(&login, QStringLiteral("user"));
        QLineEdit* pwd = edit(&login, QStringLiteral("pwd"));
        QTest::keyClicks(user, QStringLiteral("jan"));
        typedShown = user->text();
        pwd->setText(QStringLiteral("zle-haslo"));
        click(&login, QStringLiteral("BOK"));
        visibleAfterFirst =
            login.findChild<QLabel*>(QStringLiteral("info"))->isVisible() && pwd->text().isEmpty();
        pwd->setText(QStringLiteral("ja"));  // too short: an attempt all the same
        click(&login, QStringLiteral("BOK"));
        pwd->setText(QStringLiteral("jeszcze-zle"));
        click(&login, QStringLiteral("BOK"));
        if (login.isVisible())
            login.reject();
    });
    const TfLogin::Result result = login.run(m_location->location(), QStringLiteral("f"));
    QCOMPARE(result, TfLogin::Result::Failed);
    QCOMPARE(login.failedAttempts(), 3);
    QCOMPARE(typedShown, QStringLiteral("JAN"));
    QCOMPARE(visibleAfterFirst, 1);
    QVERIFY(m_messages.shown().isEmpty());
}

void TstUsers::loginWindowSucceeds() {
    TfLogin login(*m_db, m_messages);
    QCOMPARE(login.windowTitle(), QStringLiteral("Flotanor 2.0.1"));
    QStringList companies;
    QString preselected;
    QTimer::singleShot(0, &login, [&] {
        for (int i = 0; i < login.companies()->count(); ++i)
            companies << login.companies()->itemText(i);
        preselected = login.companies()->currentText();
        edit(&login, QStringLiteral("user"))->setText(QStringLiteral("jan"));
        edit(&login, QStringLiteral("pwd"))->setText(QStringLiteral("zle"));
        click(&login, QStringLiteral("BOK"));
        edit(&login, QStringLiteral("pwd"))->setText(QStringLiteral("jan123"));
        click(&login, QStringLiteral("BOK"));
        if (login.isVisible())
            login.reject();
    });
    QCOMPARE(login.run(m_location->location(), QStringLiteral("f")), TfLogin::Result::LoggedIn);
    QCOMPARE(companies, (QStringList{QStringLiteral("Alfa"), QStringLiteral("Beta")}));
    QCOMPARE(preselected, QStringLiteral("Alfa"));
    QCOMPARE(login.companyDir(), QStringLiteral("f"));
    QCOMPARE(login.companyName(), QStringLiteral("Alfa"));
    QCOMPARE(login.login().userName, QStringLiteral("JAN"));
    QCOMPARE(login.login().description, QStringLiteral("JAN opis"));
    QCOMPARE(login.login().typedPassword, QStringLiteral("jan123"));
    QCOMPARE(m_db->companyDir(), QStringLiteral("f"));

    // An unknown remembered company preselects the first; "Konfiguruj bazę" asks for the
    // database window.
    QTimer::singleShot(0, &login, [&] {
        preselected = login.companies()->currentText();
        click(&login, QStringLiteral("BKonfiguruj"));
    });
    QCOMPARE(login.run(m_location->location(), QStringLiteral("nieznana")),
             TfLogin::Result::ConfigureDatabase);
    QCOMPARE(preselected, QStringLiteral("Alfa"));

    // Esc in the user name abandons the login.
    QTimer::singleShot(0, &login, [&] {
        QTest::keyClick(edit(&login, QStringLiteral("user")), Qt::Key_Escape);
        if (login.isVisible())
            click(&login, QStringLiteral("BKonfiguruj"));
    });
    QCOMPARE(login.run(m_location->location(), QStringLiteral("b")), TfLogin::Result::Abandoned);
    QVERIFY(m_messages.shown().isEmpty());
}

void TstUsers::loginWindowWithoutCompany() {
    TestLocation empty;
    REQUIRE_LOCATION(empty);
    QVERIFY(DatabaseCreator::createDatabase(empty.location(), false).ok);
    TmyDataBase db(&m_messages);
    TfLogin login(db, m_messages);
    QTimer::singleShot(0, &login, [&] {
        edit(&login, QStringLiteral("user"))->setText(QStringLiteral("ADMIN"));
        edit(&login, QStringLiteral("pwd"))->setText(QStringLiteral("lotra"));
        click(&login, QStringLiteral("BOK"));
        if (login.isVisible())
            login.reject();
    });
    QCOMPARE(login.run(empty.location(), QString()), TfLogin::Result::Abandoned);
    QCOMPARE(login.failedAttempts(), 0);
    QCOMPARE(m_messages.texts(),
             QStringList{QStringLiteral("Nie wskazano firmy. Kliknij przycisk \"Konfiguruj bazę\" "
                                        "i dodaj nową firmę.")});
}

void TstUsers::loginWindowSetupFailure() {
    TfLogin login(*m_db, m_messages);
    const DbLocation missing = DbLocation::sqlite(m_dataDir->path() + QStringLiteral("/brak"));
    QCOMPARE(login.run(missing, QString()), TfLogin::Result::SetupFailed);
    QCOMPARE(lastLoggedCode(), QStringLiteral("[0000000330]"));
    QCOMPARE(m_messages.shown().size(), 1);
    QCOMPARE(m_messages.shown().first().title, QStringLiteral("Błąd bazy danych"));
}

void TstUsers::newPasswordInsteadOfDefault() {
    const QString admin = QStringLiteral("ADMIN");
    // Cancelled: nothing changes.
    m_messages.answerPrompt(std::nullopt);
    QCOMPARE(TfLogin::askForNewPassword(*m_db, m_messages, admin), std::nullopt);
    QVERIFY(store().login(admin, QStringLiteral("lotra")).data.defaultPassword);

    // Refused answers are explained and asked again; the accepted one is stored.
    const QStringList answers{QStringLiteral("nowe1"),
                              QStringLiteral("nowe2"),  // differ
                              QStringLiteral("lotra"),
                              QStringLiteral("lotra"),  // the default
                              QStringLiteral("123456789012345678901"),
                              QStringLiteral("123456789012345678901"),  // too long to type
                              QStringLiteral("nowe1"),
                              QStringLiteral("nowe1")};
    for (const QString& answer : answers)
        m_messages.answerPrompt(answer);
    QCOMPARE(TfLogin::askForNewPassword(*m_db, m_messages, admin), std::optional(u"nowe1"_qs));
    QStringList warnings;
    for (const auto& shown : m_messages.shown()) {
        if (shown.kind == QLatin1String("information"))
            warnings << shown.title;
    }
    QCOMPARE(warnings.size(), 3);
    QCOMPARE(warnings.count(QStringLiteral("Uwaga")), 3);
    QCOMPARE(store().login(admin, QStringLiteral("lotra")).status, UserStore::LoginStatus::Refused);
    const UserStore::LoginOutcome outcome = store().login(admin, QStringLiteral("nowe1"));
    QCOMPARE(outcome.status, UserStore::LoginStatus::LoggedIn);
    QVERIFY(!outcome.data.defaultPassword);
    QVERIFY(store().setPassword(admin, QStringLiteral("lotra")));
}

QTEST_MAIN(TstUsers)
#include "tst_users.moc"
