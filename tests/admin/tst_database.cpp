// The database as a whole: the location check, the database password kept as a hash,
// company directory names, renaming and deleting companies (also when files cannot all be
// removed), emptying and packing tables, the error log, and the database window and the
// administration window driven with scripted boxes, on both engines.
#include "ScriptedMessageService.h"
#include "TestDataDir.h"
#include "TestLocation.h"
#include "admin/DatabaseAdmin.h"
#include "admin/LocationStore.h"
#include "admin/uAdministracjaBaza.h"
#include "admin/uWskazBaze.h"
#include "data/ErrorLog.h"
#include "data/TmyDataBase.h"
#include "data/engine/RowInsert.h"
#include "data/schema/Schema.h"
#include "support/PasswordHash.h"

#include <QRegularExpression>

#include <unistd.h>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

namespace {

const QString kPassword = QStringLiteral("tajne");

// A location with a database, the password and the companies Alfa (a) and Beta (b).
struct Prepared {
    TestLocation place;
    bool ready = false;
    Prepared() {
        if (!place.isValid())
            return;
        const DbLocation& at = place.location();
        ready = DatabaseCreator::createDatabase(at, false).ok &&
                DatabaseCreator::addCompany(at, QStringLiteral("Alfa"), QStringLiteral("a")).ok &&
                DatabaseCreator::addCompany(at, QStringLiteral("Beta"), QStringLiteral("b")).ok &&
                DatabaseAdmin::setPassword(at, kPassword).ok();
    }
};

#define REQUIRE_PREPARED(prepared)             \
    do {                                       \
        REQUIRE_LOCATION((prepared).place);    \
        QVERIFY2((prepared).ready, "prepare"); \
    } while (false)

QStringList names(const DbLocation& location) {
    DbError error;
    QStringList list;
    for (const CompanyEntry& company : DatabaseCreator::companies(location, &error))
        list.append(company.name + QLatin1Char('=') + company.dir);
    return list;
}

// The texts of the information boxes shown, in order.
QStringList infos(const ScriptedMessageService& messages) {
    QStringList list;
    for (const ScriptedMessageService::Shown& shown : messages.shown()) {
        if (shown.kind == QLatin1String("information"))
            list.append(shown.text);
    }
    return list;
}

qint64 count(DbConnection& connection, const QString& sql) {
    DbQuery result;
    if (connection.select(SqlStatement(sql), &result) || !result.next())
        return -1;
    return result.value(0).toLongLong();
}

}  // namespace

class TstDatabase : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_dataDir = std::make_unique<TestDataDir>(); }

    void locationCheck_data();
    void locationCheck();
    void passwordHash();
    void newDirectoryNames_data();
    void newDirectoryNames();
    void renameCompany_data();
    void renameCompany();
    void deleteCompany();
    void replaceKeepsTheOldDatabase();
    void companyLeftoverIsCleared();
    void deleteRefusesUnsafeDirectory();
    void deleteKeepsWhatCannotBeRemoved();
    void emptyEntries_data();
    void emptyEntries();
    void packAndErrorLog();
    void windowCreatesDatabaseAndCompany();
    void windowOpensExistingDatabase();
    void windowDeletesCompany();
    void windowAddsCompany_data();
    void windowAddsCompany();
    void windowMakesSubdirectory();
    void administrationWindow();

private:
    std::unique_ptr<TestDataDir> m_dataDir;
};

void TstDatabase::locationCheck_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("testPassword");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("given");  // the location named on the command line
    QTest::newRow("nothing recorded") << "none" << true << 1 << false;
    QTest::newRow("no database there") << "empty" << true << 1 << false;
    QTest::newRow("right password") << "right" << true << 0 << false;
    QTest::newRow("wrong password") << "wrong" << true << 2 << false;
    QTest::newRow("wrong password, no test") << "wrong" << false << 0 << false;
    QTest::newRow("no password recorded") << "nopassword" << true << 2 << false;
    QTest::newRow("no hash yet: first one kept") << "nohash" << true << 0 << false;
    QTest::newRow("given, recorded with its password") << "right" << true << 0 << true;
    QTest::newRow("given, recorded with a wrong one") << "wrong" << true << 2 << true;
    QTest::newRow("given, another recorded") << "elsewhere" << true << 2 << true;
    QTest::newRow("given, nothing recorded") << "unrecorded" << true << 2 << true;
    QTest::newRow("given, no database there") << "none" << true << 1 << true;
}

void TstDatabase::locationCheck() {
    QFETCH(QString, setup);
    QFETCH(bool, testPassword);
    QFETCH(int, expected);
    QFETCH(bool, given);
    TestLocation place;
    REQUIRE_LOCATION(place);
    const DbLocation& at = place.location();
    LocationStore store(m_dataDir->path() + QStringLiteral("/check.ini"));
    QFile::remove(store.path());
    if (setup == QLatin1String("elsewhere") || setup == QLatin1String("unrecorded")) {
        // The right password, but recorded for another location or for none.
        if (setup == QLatin1String("elsewhere"))
            QVERIFY(store.setLocation(m_dataDir->path() + QStringLiteral("/inna")) &&
                    store.setPassword(kPassword));
    } else if (setup != QLatin1String("none")) {
        QVERIFY(store.setLocation(at.text()));
        if (setup != QLatin1String("nopassword"))
            QVERIFY(store.setPassword(setup == QLatin1String("wrong") ? QStringLiteral("inne")
                                                                      : kPassword));
    }
    if (setup != QLatin1String("none") && setup != QLatin1String("empty")) {
        QVERIFY(DatabaseCreator::createDatabase(at, false).ok);
        if (setup != QLatin1String("nohash"))
            QVERIFY(DatabaseAdmin::setPassword(at, kPassword).ok());
    }
    const DatabaseAdmin::CheckOutcome outcome =
        DatabaseAdmin::checkLocation(store, testPassword, nullptr, given ? at.text() : QString());
    QCOMPARE(int(outcome.result), expected);
    QCOMPARE(outcome.location.has_value(), expected != 1);
    if (setup == QLatin1String("nohash"))
        QCOMPARE(DatabaseAdmin::verifyPassword(at, QStringLiteral("inne")),
                 DatabaseAdmin::PasswordCheck::Wrong);
}

void TstDatabase::passwordHash() {
    TestLocation place;
    REQUIRE_LOCATION(place);
    const DbLocation& at = place.location();
    QVERIFY(DatabaseCreator::createDatabase(at, false).ok);
    QCOMPARE(DatabaseAdmin::verifyPassword(at, kPassword), DatabaseAdmin::PasswordCheck::NotSet);
    QVERIFY(DatabaseAdmin::setPassword(at, kPassword).ok());
    QCOMPARE(DatabaseAdmin::verifyPassword(at, kPassword), DatabaseAdmin::PasswordCheck::Correct);
    for (const QString& wrong :
         {QStringLiteral("TAJNE"), QStringLiteral("tajne "), QStringLiteral("taj"), QString()})
        QCOMPARE(DatabaseAdmin::verifyPassword(at, wrong), DatabaseAdmin::PasswordCheck::Wrong);
    // Only a salted hash is stored, never the password itself.
    DbConnection main(QStringLiteral("hash-read"));
    QVERIFY(main.openMain(at).ok());
    QString stored;
    {
        DbQuery row;
        QVERIFY(main.select(SqlStatement("SELECT HASH FROM haslo"), &row).ok());
        QVERIFY(row.next());
        stored = row.text(u"HASH");
    }
    QCOMPARE(PasswordHash::iterations(stored), PasswordHash::defaultIterations);
    QVERIFY(!stored.contains(kPassword));
    // A weaker hash of an earlier version is strengthened once the password is right.
    SqlStatement weak(QStringLiteral("UPDATE haslo SET HASH = :H"));
    weak.bindText(QStringLiteral(":H"), PasswordHash::make(kPassword, 1000));
    QVERIFY(main.execute(weak).ok());
    QCOMPARE(DatabaseAdmin::verifyPassword(at, QStringLiteral("inne")),
             DatabaseAdmin::PasswordCheck::Wrong);
    QCOMPARE(count(main, QStringLiteral("SELECT COUNT(*) FROM haslo WHERE HASH LIKE '%$1000$%'")),
             1);
    QCOMPARE(DatabaseAdmin::verifyPassword(at, kPassword), DatabaseAdmin::PasswordCheck::Correct);
    QCOMPARE(count(main, QStringLiteral("SELECT COUNT(*) FROM haslo WHERE HASH LIKE '%$600000$%'")),
             1);
    // A new password replaces the old one.
    QVERIFY(DatabaseAdmin::setPassword(at, QStringLiteral("nowe")).ok());
    QCOMPARE(DatabaseAdmin::verifyPassword(at, kPassword), DatabaseAdmin::PasswordCheck::Wrong);
    QCOMPARE(count(main, QStringLiteral("SELECT COUNT(*) FROM haslo")), 1);
    QVERIFY(!DatabaseAdmin::passwordLongEnough(QStringLiteral("ab")));
    QVERIFY(DatabaseAdmin::passwordLongEnough(QStringLiteral("abc")));
}

void TstDatabase::newDirectoryNames_data() {
    QTest::addColumn<QString>("dir");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("plain") << "nowa_firma" << true;
    QTest::newRow("parent") << ".." << false;
    QTest::newRow("current") << "." << false;
    QTest::newRow("slash") << "a/b" << false;
    QTest::newRow("backslash") << "a\\b" << false;
    QTest::newRow("climbing") << "../x" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("leading blank") << " x" << false;
    QTest::newRow("existing, other case") << "DEMO" << false;
    QTest::newRow("main schema") << "Main" << false;
    QTest::newRow("hidden") << ".firma" << false;
}

void TstDatabase::newDirectoryNames() {
    QFETCH(QString, dir);
    QFETCH(bool, accepted);
    const QList<CompanyEntry> existing{{QStringLiteral("Przykład"), QStringLiteral("demo")}};
    QCOMPARE(DatabaseAdmin::checkNewDirectory(dir, existing).isEmpty(), accepted);
}

void TstDatabase::renameCompany_data() {
    QTest::addColumn<QString>("newName");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << "  " << false << "Nazwa firmy niepoprawna.";
    QTest::newRow("other's name, other case")
        << "BETA" << false << "Istnieje już firma o podanej nazwie.";
    QTest::newRow("own name, other case")
        << "ALFA" << true << "Zmiana nazwy firmy zakończyło się sukcesem.";
    QTest::newRow("new name") << "Gamma" << true << "Zmiana nazwy firmy zakończyło się sukcesem.";
}

void TstDatabase::renameCompany() {
    QFETCH(QString, newName);
    QFETCH(bool, ok);
    QFETCH(QString, message);
    Prepared db;
    REQUIRE_PREPARED(db);
    const DatabaseAdmin::Outcome outcome =
        DatabaseAdmin::renameCompany(db.place.location(), QStringLiteral("Alfa"), newName);
    QCOMPARE(outcome.ok, ok);
    QCOMPARE(outcome.message, message);
    const QString first = ok ? newName + QStringLiteral("=a") : QStringLiteral("Alfa=a");
    QVERIFY(names(db.place.location()).contains(first));
    QVERIFY(names(db.place.location()).contains(QStringLiteral("Beta=b")));
    // A name or directory taken by another company is refused before anything is made.
    QVERIFY(!DatabaseAdmin::checkNewCompany(db.place.location(), QStringLiteral("beta"),
                                            QStringLiteral("c"))
                 .ok);
    QVERIFY(!DatabaseAdmin::checkNewCompany(db.place.location(), QStringLiteral("Delta"),
                                            QStringLiteral("B"))
                 .ok);
}

void TstDatabase::deleteCompany() {
    Prepared db;
    REQUIRE_PREPARED(db);
    const DbLocation& at = db.place.location();
    // A file a user kept in the company directory is not the database's: it stays, with
    // its directory, and the outcome says so. A directory of database files alone goes.
    const QString marker =
        at.companyDirectory(QStringLiteral("a")) + QStringLiteral("/znacznik.txt");
    if (!at.isPostgres()) {
        QFile file(marker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
    }
    const DatabaseAdmin::Outcome outcome = DatabaseAdmin::deleteCompany(at, QStringLiteral("Alfa"));
    QVERIFY2(outcome.ok, qPrintable(outcome.message));
    QCOMPARE(names(at), QStringList{QStringLiteral("Beta=b")});
    DbConnection company(QStringLiteral("deleted"));
    QVERIFY(company.openCompany(at, QStringLiteral("a")));
    if (!at.isPostgres()) {
        QVERIFY(QFileInfo::exists(marker));
        QVERIFY(!QFileInfo::exists(at.companyFile(QStringLiteral("a"))));
        QCOMPARE(outcome.remaining, QStringList{QDir::toNativeSeparators(marker)});
        QVERIFY(outcome.message.contains(QDir::toNativeSeparators(marker)));
    }
    QVERIFY(company.openCompany(at, QStringLiteral("b")).ok());
    company.close();
    const DatabaseAdmin::Outcome beta = DatabaseAdmin::deleteCompany(at, QStringLiteral("Beta"));
    QVERIFY(beta.ok && beta.remaining.isEmpty());
    if (!at.isPostgres())
        QVERIFY(!QFileInfo::exists(at.companyDirectory(QStringLiteral("b"))));
    QVERIFY(!DatabaseAdmin::deleteCompany(at, QStringLiteral("Nikt")).ok);
}

// Replacing a database makes the new one whole, with its password and sample company, and
// keeps the old one, every company in it, as a dated backup beside it.
void TstDatabase::replaceKeepsTheOldDatabase() {
    Prepared db;
    REQUIRE_PREPARED(db);
    const DbLocation& at = db.place.location();
    {
        DbConnection old(QStringLiteral("old"));
        QVERIFY(old.openCompany(at, QStringLiteral("a")).ok());
        QVERIFY(
            insertRow(old, QStringLiteral("pojazdy"), {{QStringLiteral("NRREJ"), u"STARY 1"_qs}})
                .ok());
    }
    QVERIFY(!DatabaseCreator::createDatabase(at, false).ok);
    DatabaseCreator::NewDatabase what;
    what.replaceExisting = true;
    what.password = QStringLiteral("nowe1");
    what.companies.append({u"Alfa nowa"_qs, u"a"_qs, DatabaseCreator::Contents::Sample, {}});
    const CreateResult replaced = DatabaseCreator::createDatabase(at, what);
    QVERIFY2(replaced.ok, qPrintable(replaced.message));
    QCOMPARE(names(at), QStringList{u"Alfa nowa=a"_qs});
    QCOMPARE(DatabaseAdmin::verifyPassword(at, u"nowe1"_qs), DatabaseAdmin::PasswordCheck::Correct);
    const QString stamp = QStringLiteral("\\.backup-\\d{8}-\\d{6}$");
    QVERIFY2(QRegularExpression(stamp).match(replaced.backup).hasMatch(),
             qPrintable(replaced.backup));

    // The old companies with their rows, where the backup keeps them.
    DbConnection kept(QStringLiteral("kept"));
    if (at.isPostgres()) {
        QVERIFY(replaced.backup.startsWith(u"main.backup-"_qs));
        QVERIFY(kept.openMain(at).ok());
        QCOMPARE(
            count(kept, QStringLiteral("SELECT COUNT(*) FROM \"%1\".firmy").arg(replaced.backup)),
            2);
        QCOMPARE(count(kept, QStringLiteral("SELECT COUNT(*) FROM \"a%1\".pojazdy WHERE NRREJ = "
                                            "'STARY 1'")
                                 .arg(replaced.backup.mid(4))),
                 1);
    } else {
        const DbLocation backup = DbLocation::sqlite(replaced.backup);
        QCOMPARE(QFileInfo(replaced.backup).absolutePath(),
                 QFileInfo(at.directory()).absolutePath());
        QCOMPARE(names(backup), QStringList({u"Alfa=a"_qs, u"Beta=b"_qs}));
        QVERIFY(kept.openCompany(backup, u"a"_qs).ok());
        QCOMPARE(count(kept, u"SELECT COUNT(*) FROM pojazdy WHERE NRREJ = 'STARY 1'"_qs), 1);
        kept.close();
        QVERIFY(QDir(replaced.backup).removeRecursively());
    }
}

// A company whose creation was stopped half-way was never listed; the next attempt clears
// what it left and succeeds.
void TstDatabase::companyLeftoverIsCleared() {
    Prepared db;
    REQUIRE_PREPARED(db);
    const DbLocation& at = db.place.location();
    if (!at.isPostgres()) {
        const QString leftover = at.companyDirectory(u".c.new"_qs);
        QVERIFY(QDir().mkpath(leftover));
        QFile partial(leftover + u"/flotanor.sqlite"_qs);
        QVERIFY(partial.open(QIODevice::WriteOnly));
        partial.write("to nie jest baza");
        partial.close();
    }
    const CreateResult added = DatabaseCreator::addCompany(at, u"Gamma"_qs, u"c"_qs);
    QVERIFY2(added.ok, qPrintable(added.message));
    QVERIFY(names(at).contains(u"Gamma=c"_qs));
    if (!at.isPostgres())
        QVERIFY(!QFileInfo::exists(at.companyDirectory(u".c.new"_qs)));
    // Database files and directories are their owner's alone.
    if (!at.isPostgres()) {
        const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                            QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        for (const QString& path :
             {at.directory(), at.mainFile(), at.companyDirectory(u"c"_qs), at.companyFile(u"c"_qs)})
            QVERIFY2(!(QFile::permissions(path) & others), qPrintable(path));
    }
}

void TstDatabase::deleteRefusesUnsafeDirectory() {
    Prepared db;
    REQUIRE_PREPARED(db);
    const DbLocation& at = db.place.location();
    DbConnection main(QStringLiteral("tamper"));
    QVERIFY(main.openMain(at).ok());
    QVERIFY(insertRow(main, QStringLiteral("firmy"),
                      {{QStringLiteral("NAZWA"), QStringLiteral("Zła")},
                       {QStringLiteral("DIR"), QStringLiteral("..")}})
                .ok());
    QVERIFY(insertRow(main, QStringLiteral("firmy"),
                      {{QStringLiteral("NAZWA"), QStringLiteral("Publiczna")},
                       {QStringLiteral("DIR"), QStringLiteral("public")}})
                .ok());
    for (const QString& name : {QStringLiteral("Zła"), QStringLiteral("Publiczna")}) {
        if (name == QLatin1String("Publiczna") && !at.isPostgres())
            continue;  // an ordinary directory name for SQLite files
        QVERIFY(!DatabaseAdmin::deleteCompany(at, name).ok);
    }
    QVERIFY(names(at).contains(QStringLiteral("Zła=..")));
    QVERIFY(DatabaseCreator::databaseExists(at));
}

void TstDatabase::deleteKeepsWhatCannotBeRemoved() {
    if (TestLocation::engine() == EngineKind::Postgres)
        QSKIP("a schema is dropped whole in one transaction");
    if (geteuid() == 0)
        QSKIP("file permissions do not stop the superuser from deleting files");
    Prepared db;
    REQUIRE_PREPARED(db);
    const DbLocation& at = db.place.location();
    const QString locked = at.companyDirectory(QStringLiteral("a")) + QStringLiteral("/kopia");
    QVERIFY(QDir().mkpath(locked));
    QFile kept(locked + QStringLiteral("/koszty.bak"));
    QVERIFY(kept.open(QIODevice::WriteOnly));
    kept.close();
    QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
    const DatabaseAdmin::Outcome outcome = DatabaseAdmin::deleteCompany(at, QStringLiteral("Alfa"));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(outcome.ok);
    QVERIFY(QFileInfo::exists(kept.fileName()));
    QVERIFY(outcome.remaining.contains(QDir::toNativeSeparators(locked)));

    // A database file that cannot go leaves the company listed and whole.
    const QString dirB = at.companyDirectory(QStringLiteral("b"));
    QVERIFY(QFile::setPermissions(dirB, QFile::ReadOwner | QFile::ExeOwner));
    const DatabaseAdmin::Outcome refused = DatabaseAdmin::deleteCompany(at, QStringLiteral("Beta"));
    QFile::setPermissions(dirB, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!refused.ok);
    QVERIFY(names(at).contains(QStringLiteral("Beta=b")));
    QVERIFY(QFileInfo::exists(at.companyFile(QStringLiteral("b"))));
}

void TstDatabase::emptyEntries_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("emptied");
    QTest::addColumn<QString>("kept");
    QTest::newRow("Koszty") << 2 << "SELECT COUNT(*) FROM koszty"
                            << "SELECT COUNT(*) FROM naprawy";
    QTest::newRow("fuel")
        << 8 << "SELECT (SELECT COUNT(*) FROM zuzycie) + (SELECT COUNT(*) FROM zuzyciemthlpg)"
        << "SELECT COUNT(*) FROM koszty";
    QTest::newRow("Rodzaje terminów")
        << 26 << "SELECT COUNT(*) FROM slowniki WHERE IDSLOWNIK='RTERM'"
        << "SELECT COUNT(*) FROM slowniki WHERE IDSLOWNIK='CELWY'";
    QTest::newRow("Dane Firmy") << 18 << "SELECT COUNT(*) FROM firma WHERE NAZWA <> ''"
                                << "SELECT COUNT(*) FROM firma";
}

void TstDatabase::emptyEntries() {
    QFETCH(int, entry);
    QFETCH(QString, emptied);
    QFETCH(QString, kept);
    const QList<DatabaseAdmin::EmptyEntry>& entries = DatabaseAdmin::emptyEntries();
    QCOMPARE(entries.size(), 36);
    for (const DatabaseAdmin::EmptyEntry& e : entries) {
        if (e.kind == DatabaseAdmin::EntryKind::Table ||
            e.kind == DatabaseAdmin::EntryKind::Company)
            QVERIFY2(Schema::companyTable(e.target), qPrintable(e.target));
    }
    Prepared db;
    REQUIRE_PREPARED(db);
    DbConnection company(QStringLiteral("empty"));
    QVERIFY(company.openCompany(db.place.location(), QStringLiteral("a")).ok());
    for (const char* table : {"koszty", "naprawy", "zuzycie", "zuzyciemthlpg"}) {
        FieldValues values{{QStringLiteral("IDPOJAZD"), 1}};
        if (QByteArray(table).startsWith("zuzycie"))
            values.append({QStringLiteral("DATA"), 20260101});
        const DbError e = insertRow(company, QString::fromLatin1(table), values);
        QVERIFY2(e.ok(), qPrintable(e.message()));
    }
    for (const char* code : {"RTERM", "RTERM", "CELWY"})
        QVERIFY(insertRow(company, QStringLiteral("slowniki"),
                          {{QStringLiteral("IDSLOWNIK"), QString::fromLatin1(code)},
                           {QStringLiteral("OPIS"), QStringLiteral("x")}})
                    .ok());
    company.execute(SqlStatement("DELETE FROM firma"));
    QVERIFY(
        insertRow(company, QStringLiteral("firma"),
                  {{QStringLiteral("IDFIRMA"), 1}, {QStringLiteral("NAZWA"), QStringLiteral("F")}})
            .ok());
    const qint64 before = count(company, kept);
    QVERIFY(before > 0);
    QVERIFY(count(company, emptied) > 0);
    QVERIFY(DatabaseAdmin::emptyEntry(company, entries.at(entry)).ok());
    QCOMPARE(count(company, emptied), 0);
    QCOMPARE(count(company, kept), before);
}

void TstDatabase::packAndErrorLog() {
    Prepared db;
    REQUIRE_PREPARED(db);
    DbConnection company(QStringLiteral("pack"));
    QVERIFY(company.openCompany(db.place.location(), QStringLiteral("a")).ok());
    const DatabaseAdmin::PackOutcome packed = DatabaseAdmin::pack(company);
    QVERIFY2(packed.ok, qPrintable(packed.error.message()));
    QVERIFY(DatabaseAdmin::emptyEntry(company, DatabaseAdmin::emptyEntries().at(0)).ok());

    ErrorLog::append(77, QStringLiteral("próba"));
    QVERIFY(DatabaseAdmin::errorLogExists());
    QVERIFY(DatabaseAdmin::readErrorLog().contains(QStringLiteral("[0000000077]  próba")));
    DatabaseAdmin::clearErrorLog();
    QCOMPARE(DatabaseAdmin::readErrorLog(), QStringLiteral("\r\n"));
}

void TstDatabase::windowCreatesDatabaseAndCompany() {
    TestLocation place;
    REQUIRE_LOCATION(place);
    ScriptedMessageService messages;
    TmyDataBase data(&messages);
    LocationStore store(m_dataDir->path() + QStringLiteral("/create.ini"));
    QFile::remove(store.path());
    TfWskazBaze window(data, messages, store);
    window.prepare(TfWskazBaze::Mode::Login);
    window.show();
    QVERIFY(!window.findChild<QRadioButton*>(QStringLiteral("RBDodajFirme"))->isEnabled());
    QVERIFY(!window.findChild<QPushButton*>(QStringLiteral("BMenu"))->isEnabled());
    window.DalejClick();  // "Stwórz nową bazę danych" is preselected; no database yet
    QCOMPARE(window.page(), TfWskazBaze::NewDatabase);
    window.findChild<QLineEdit*>(QStringLiteral("ENowaLokalizacja"))
        ->setText(place.location().text());
    messages.answerPrompt(QStringLiteral("ab"));
    messages.answerPrompt(kPassword);
    messages.answerQuestion(true);
    window.DalejClick();
    QCOMPARE(infos(messages).first(), DatabaseAdmin::passwordTooShortMessage());
    QVERIFY(infos(messages).last().startsWith(QStringLiteral("Założono nową bazę danych.")));
    QCOMPARE(window.page(), TfWskazBaze::AddCompany);
    QCOMPARE(store.location(), place.location().text());
    QCOMPARE(store.password().value_or(QString()), kPassword);
    QCOMPARE(DatabaseAdmin::verifyPassword(place.location(), kPassword),
             DatabaseAdmin::PasswordCheck::Correct);

    // The password just given is not asked again.
    window.findChild<QLineEdit*>(QStringLiteral("ENazwaFirmy"))->setText(QStringLiteral("Nowa"));
    window.findChild<QLineEdit*>(QStringLiteral("EKatalogFirmy"))->setText(QStringLiteral("nowa"));
    messages.clear();
    window.DalejClick();
    QVERIFY(infos(messages).value(0).startsWith(QStringLiteral("Zakładanie nowej firmy")));
    QVERIFY(!messages.unusedAnswers());
    QCOMPARE(names(place.location()), QStringList{QStringLiteral("Nowa=nowa")});
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QCOMPARE(int(DatabaseAdmin::checkLocation(store, true).result), 0);
}

void TstDatabase::windowOpensExistingDatabase() {
    Prepared db;
    REQUIRE_PREPARED(db);
    ScriptedMessageService messages;
    TmyDataBase data(&messages);
    LocationStore store(m_dataDir->path() + QStringLiteral("/open.ini"));
    QFile::remove(store.path());
    TfWskazBaze window(data, messages, store);
    window.prepare(TfWskazBaze::Mode::Normal);
    window.show();
    window.findChild<QRadioButton*>(QStringLiteral("RBOtworz"))->setChecked(true);
    window.DalejClick();
    QCOMPARE(window.page(), TfWskazBaze::OpenDatabase);
    auto* path = window.findChild<QLineEdit*>(QStringLiteral("ESciezka"));
    auto* next = window.findChild<QPushButton*>(QStringLiteral("BDalej"));
    QCOMPARE(next->text(), QStringLiteral("&Otwórz >>"));
    if (!db.place.location().isPostgres()) {
        path->setText(m_dataDir->path());
        QVERIFY(!next->isEnabled());
    }
    path->setText(db.place.location().text());
    QVERIFY(next->isEnabled());
    messages.answerPrompt(QStringLiteral("zle"));
    messages.answerPrompt(kPassword);
    window.DalejClick();
    QCOMPARE(
        infos(messages),
        (QStringList{QStringLiteral("Niepoprawne hasło dostępu do bazy danych. Spróbuj ponownie."),
                     QStringLiteral("Wskazano nową lokalizację bazy danych.")}));
    QCOMPARE(window.page(), TfWskazBaze::Menu);
    QCOMPARE(store.location(), db.place.location().text());
    QVERIFY(window.findChild<QRadioButton*>(QStringLiteral("RBUsunFirme"))->isEnabled());
}

void TstDatabase::windowDeletesCompany() {
    Prepared db;
    REQUIRE_PREPARED(db);
    ScriptedMessageService messages;
    TmyDataBase data(&messages);
    LocationStore store(m_dataDir->path() + QStringLiteral("/delete.ini"));
    QVERIFY(store.setLocation(db.place.location().text()) && store.setPassword(kPassword));
    TfWskazBaze window(data, messages, store);
    window.prepare(TfWskazBaze::Mode::Normal);
    window.show();
    window.findChild<QRadioButton*>(QStringLiteral("RBUsunFirme"))->setChecked(true);
    window.DalejClick();
    QCOMPARE(window.page(), TfWskazBaze::DeleteCompany);
    auto* list = window.findChild<QListWidget*>(QStringLiteral("LBFirmyUsun"));
    QCOMPARE(list->count(), 2);
    QVERIFY(!window.findChild<QPushButton*>(QStringLiteral("BDalej"))->isEnabled());
    list->setCurrentRow(0);
    messages.answerQuestion(false);  // "Nie": nothing happens
    window.DalejClick();
    QCOMPARE(names(db.place.location()).size(), 2);
    messages.answerQuestion(true);
    messages.answerPrompt(kPassword);
    window.DalejClick();
    QCOMPARE(infos(messages).last(), QStringLiteral("Firma została usunięta."));
    QCOMPARE(names(db.place.location()), QStringList{QStringLiteral("Beta=b")});
    QCOMPARE(window.page(), TfWskazBaze::Menu);
}

void TstDatabase::windowAddsCompany_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QStringList>("prompts");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("added");
    const QString wrong =
        QStringLiteral("Niepoprawne hasło dostępu do bazy danych. Spróbuj ponownie.");
    QTest::newRow("no name") << ""
                             << "c" << QStringList{} << "Nazwa firmy lub katalogu niepoprawna."
                             << false;
    QTest::newRow("climbing directory")
        << "Gamma"
        << "../c" << QStringList{kPassword} << "Niepoprawna nazwa katalogu firmy." << false;
    QTest::newRow("name taken") << "ALFA"
                                << "c" << QStringList{kPassword}
                                << "Istnieje już firma w podanym katalogu bądź o podanej nazwie."
                                << false;
    QTest::newRow("wrong, then right password")
        << "Gamma"
        << "c" << QStringList{QStringLiteral("zle"), kPassword} << wrong << true;
}

void TstDatabase::windowAddsCompany() {
    QFETCH(QString, name);
    QFETCH(QString, dir);
    QFETCH(QStringList, prompts);
    QFETCH(QString, message);
    QFETCH(bool, added);
    Prepared db;
    REQUIRE_PREPARED(db);
    ScriptedMessageService messages;
    TmyDataBase data(&messages);
    LocationStore store(m_dataDir->path() + QStringLiteral("/add.ini"));
    QVERIFY(store.setLocation(db.place.location().text()) && store.setPassword(kPassword));
    TfWskazBaze window(data, messages, store);
    window.prepare(TfWskazBaze::Mode::Normal);
    window.findChild<QRadioButton*>(QStringLiteral("RBDodajFirme"))->setChecked(true);
    window.DalejClick();
    QCOMPARE(window.page(), TfWskazBaze::AddCompany);
    QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("EKatalogFirmy"))->text(),
             QStringLiteral("Podaj_tutaj_nazwe_katalogu"));
    window.findChild<QLineEdit*>(QStringLiteral("ENazwaFirmy"))->setText(name);
    window.findChild<QLineEdit*>(QStringLiteral("EKatalogFirmy"))->setText(dir);
    for (const QString& prompt : prompts)
        messages.answerPrompt(prompt);
    window.DalejClick();
    QCOMPARE(infos(messages).value(0), message);
    QVERIFY(!messages.unusedAnswers());
    QCOMPARE(names(db.place.location()).contains(name + QStringLiteral("=") + dir), added);
    QCOMPARE(names(db.place.location()).size(), added ? 3 : 2);
    if (!db.place.location().isPostgres())
        QVERIFY(!QFileInfo::exists(db.place.location().directory() + QStringLiteral("/../c")));
}

void TstDatabase::windowMakesSubdirectory() {
    ScriptedMessageService messages;
    TmyDataBase data(&messages);
    LocationStore store(m_dataDir->path() + QStringLiteral("/subdir.ini"));
    TfWskazBaze window(data, messages, store);
    window.prepare(TfWskazBaze::Mode::Normal);
    window.DalejClick();
    auto* path = window.findChild<QLineEdit*>(QStringLiteral("ENowaLokalizacja"));
    const QString base = m_dataDir->path();
    path->setText(base);
    messages.answerPrompt(QStringLiteral("../obok"));
    window.NowyKatalogClick();
    QCOMPARE(messages.shown().last().title, QStringLiteral("Błąd"));
    QCOMPARE(QDir::fromNativeSeparators(path->text()), base);
    messages.answerPrompt(QStringLiteral("Nowa baza"));
    window.NowyKatalogClick();
    QCOMPARE(QDir::fromNativeSeparators(path->text()), base + QStringLiteral("/Nowa baza"));
    QVERIFY(QFileInfo(base + QStringLiteral("/Nowa baza")).isDir());
    path->setText(base);
    messages.answerPrompt(QStringLiteral("Nowa baza"));  // it exists now
    window.NowyKatalogClick();
    QCOMPARE(messages.shown().last().title, QStringLiteral("Błąd"));
}

void TstDatabase::administrationWindow() {
    Prepared db;
    REQUIRE_PREPARED(db);
    ScriptedMessageService messages;
    TmyDataBase data(&messages);
    QVERIFY(data.openCompany(db.place.location(), QStringLiteral("a")));
    QVERIFY(insertRow(data.DatabaseFirma(), QStringLiteral("pojazdy"),
                      {{QStringLiteral("NRREJ"), QStringLiteral("WA1")}})
                .ok());
    TfAdministracjaBaza window(data, messages);
    QCOMPARE(window.tables()->currentRow(), 0);
    messages.answerQuestion(false);
    window.WyczyscClick();
    QCOMPARE(count(data.DatabaseFirma(), QStringLiteral("SELECT COUNT(*) FROM pojazdy")), 1);
    messages.answerQuestion(true);
    window.WyczyscClick();
    QCOMPARE(count(data.DatabaseFirma(), QStringLiteral("SELECT COUNT(*) FROM pojazdy")), 0);
    QVERIFY(infos(messages).last().endsWith(QStringLiteral("został wyczyszczony.")));
    window.OptymalizujClick();
    QCOMPARE(infos(messages).last(), QStringLiteral("Optymalizacja zakończyła się powodzeniem"));

    QFile::remove(ErrorLog::path());
    window.OtworzLogClick();
    QCOMPARE(infos(messages).last(), QStringLiteral("Log błędów jest pusty"));
    ErrorLog::append(5, QStringLiteral("wpis"));
    window.OtworzLogClick();
    QVERIFY(window.logView()->toPlainText().contains(QStringLiteral("wpis")));
    messages.answerQuestion(true);
    window.CzyscLogClick();
    QVERIFY(!DatabaseAdmin::readErrorLog().contains(QStringLiteral("wpis")));
    QVERIFY(!messages.unusedAnswers());
}

QTEST_MAIN(TstDatabase)
#include "tst_database.moc"
