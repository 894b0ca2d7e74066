#include "admin/UserStore.h"

#include "data/RecordTemplates.h"
#include "data/TmyDataBase.h"
#include "data/schema/CompanySeed.h"
#include "support/CodePage.h"
#include "support/OVCrypt.h"
#include "support/PasswordHash.h"

namespace {

RightDef right(int number, const char* row, RightColumn column, const char* governs,
               bool shown = true) {
    return {number, QString::fromUtf8(row), column, QString::fromUtf8(governs), shown};
}

// Registers with a read and a write right: the read right enables the register's button
// and its "Widok" entry, the write right its record operations.
struct RegisterPair {
    int read;
    const char* row;
    const char* governs;
};

QList<RightDef> buildTable() {
    using C = RightColumn;
    QList<RightDef> t;
    t << right(0, "Użytkownik ma uprawnienia administratora", C::Administrator,
               "menu \"Administracja\"");
    auto pair = [&t](int read, const char* row, const char* governs) {
        t << right(read, row, C::Read, governs) << right(read + 1, row, C::Write, governs);
    };
    pair(1, "Pojazdy", "pojazdy");
    pair(3, "Przejazdy", "przejazdy");
    pair(5, "Koszty", "koszty; zapis pozwala też dopisać rekord innego rejestru do kosztów");
    pair(7, "Naprawy", "naprawy");
    pair(9, "Zużycie paliwa", "trzy rejestry zużycia paliwa");
    pair(11, "Wyposażenie", "wyposażenie");
    pair(13, "Dokumenty", "dokumenty");
    pair(15, "Karty paliwowe", "karty paliwowe");
    t << right(17, "Raporty", C::Read, "raporty i karty drogowe do druku");
    pair(18, "Biblioteka",
         "odczyt: biblioteka słowników i przyciski \"[...]\"; zapis: zmiany w bibliotece");
    pair(20, "Stawki", "stawki za kilometr");
    pair(22, "Dane Firmy", "dane firmy");
    pair(24, "Kartoteka osobowa", "kartoteka osobowa");
    t << right(26, "Opcje programu", C::Access, "menu \"Opcje\"")
      << right(27, "Notatnik", C::Access, "menu \"Notatnik\" i notatki przy starcie")
      << right(28, "Planowanie podróży", C::Access, "zapamiętywane, bez działania")
      << right(29, "Uruchamianie dodatków", C::Access, "dodatki w menu \"Dodatki\"", false)
      << right(30, "Instalowanie dodatków", C::Access, "menu \"Zainstaluj dodatek\"", false)
      << right(31, "Sprawdzanie terminów i magazynu", C::Access,
               "sprawdzanie terminów i stanów magazynowych, także przy starcie")
      << right(32, "Tabela odległości", C::Access, "menu \"Tabela odległości\"", false);
    pair(33, "Terminarz", "terminarz");
    pair(35, "Opony", "opony");
    pair(37, "Rozliczenia", "rozliczenia");
    pair(39, "Zlecenia", "zlecenia");
    pair(41, "Szkody", "szkody, stłuczki");
    pair(43, "Przebiegi", "historia przebiegów");
    pair(45, "Karty drogowe", "karty drogowe");
    pair(47, "Ceny paliw", "rejestr cen paliw");
    pair(49, "Magazyn zasobów", "magazyn");
    pair(51, "Harmonogram", "harmonogram");
    return t;
}

QString rightText(int number) {
    return QString::number(number);
}

}  // namespace

namespace RightsTable {

const QList<RightDef>& all() {
    static const QList<RightDef> table = buildTable();
    return table;
}

const RightDef* find(int number) {
    for (const RightDef& def : all()) {
        if (def.number == number)
            return &def;
    }
    return nullptr;
}

QString columnTitle(RightColumn column) {
    switch (column) {
        case RightColumn::Read:
            return QStringLiteral("Odczyt");
        case RightColumn::Write:
            return QStringLiteral("Zapis");
        case RightColumn::Access:
            return QStringLiteral("Dostęp");
        case RightColumn::Administrator:
            break;
    }
    return {};
}

}  // namespace RightsTable

std::optional<QList<UserAccount>> UserStore::accounts() {
    DbQuery rows;
    if (DbError error = m_db.DatabaseFirma().select(
            SqlStatement(QStringLiteral("SELECT * from userzy ORDER BY NAZWA")), &rows)) {
        m_db.errorReport().report(error, kCodeUserList);
        return std::nullopt;
    }
    QList<UserAccount> list;
    while (rows.next())
        list.append({rows.text(u"NAZWA"), rows.text(u"OPIS"),
                     rows.text(u"SUPERVISOR") == QLatin1String("T")});
    return list;
}

std::optional<UserAccount> UserStore::account(const QString& name, qint64 code, bool* failed) {
    if (failed)
        *failed = false;
    SqlStatement statement(QStringLiteral("SELECT * FROM userzy WHERE NAZWA=:PARAM0"));
    statement.bindText(QStringLiteral(":PARAM0"), name);
    DbQuery rows;
    if (DbError error = m_db.DatabaseFirma().select(statement, &rows)) {
        m_db.errorReport().report(error, code);
        if (failed)
            *failed = true;
        return std::nullopt;
    }
    if (!rows.next())
        return std::nullopt;
    return UserAccount{rows.text(u"NAZWA"), rows.text(u"OPIS"),
                       rows.text(u"SUPERVISOR") == QLatin1String("T")};
}

std::optional<QString> UserStore::description(const QString& name) {
    bool failed = false;
    const std::optional<UserAccount> found = account(name, kCodeUserLookup, &failed);
    if (failed)
        return std::nullopt;
    return found ? found->description : QString();
}

bool UserStore::isSupervisor(const UserAccount& account) {
    return account.supervisor || account.name == CompanySeed::supervisorName();
}

std::optional<AccountProblem> UserStore::checkAccount(const QString& name, const QString& password,
                                                      const QString& repeat, bool isNew) {
    using F = AccountProblem::Field;
    if (name.trimmed().isEmpty())
        return AccountProblem{F::Name,
                              QStringLiteral("Nie wprowadzono nazwy użytkownika. Popraw pole")};
    // Editing an account with both password fields left empty keeps its password.
    if (!isNew && password.isEmpty() && repeat.isEmpty())
        return std::nullopt;
    if (password.trimmed().isEmpty())
        return AccountProblem{F::Password, QStringLiteral("Nie wprowadzono hasła. Popraw pole")};
    if (password.trimmed().size() < kMinimumPassword)
        return AccountProblem{F::Password,
                              QStringLiteral("Hasło zbyt krótkie. Powinno składać się conajmniej "
                                             "z trzech znaków. Popraw pole")};
    // The login takes at most this many characters: a longer password could never be typed.
    if (password.size() > kPasswordLength)
        return AccountProblem{F::Password,
                              QStringLiteral("Hasło może składać się najwyżej z %1 znaków. "
                                             "Popraw pole")
                                  .arg(kPasswordLength)};
    if (password != repeat)
        return AccountProblem{F::Repeat, QStringLiteral("Wprowadzone hasło jest inne od ponownie "
                                                        "wprowadzonego. Popraw pole")};
    return std::nullopt;
}

UserStore::AddResult UserStore::add(const QString& typedName, const QString& password,
                                    const QString& description) {
    const QString name = normalisedName(typedName);
    switch (m_db.exists(QStringLiteral("userzy"), QStringLiteral("NAZWA"), name)) {
        case TmyDataBase::Existence::Yes:
            return AddResult::Exists;
        case TmyDataBase::Existence::Failed:
            return AddResult::Failed;
        case TmyDataBase::Existence::No:
            break;
    }
    DbConnection& company = m_db.DatabaseFirma();
    // The account and its rights are written together: an account without the rights it
    // was promised, or rights rows without their account, are never left behind.
    Transaction transaction(company);
    if (DbError error = transaction.beginError()) {
        m_db.errorReport().report(error, kCodeAccountInsert);
        return AddResult::Failed;
    }
    SqlTemplate insert = RecordTemplates::get(QStringLiteral("DBFInsertUserzy"));
    insert.setParam(0, name);
    insert.setParam(1, PasswordHash::make(password));
    insert.setParam(2, description);
    if (DbError error = company.execute(insert.statement())) {
        if (error.isUniqueViolation())
            return AddResult::Exists;
        m_db.errorReport().report(error, kCodeAccountInsert);
        return AddResult::Failed;
    }
    for (int number = 1; number <= RightsTable::kHighestEdited; ++number) {
        SqlTemplate grant = RecordTemplates::get(QStringLiteral("DBFInsertRights"));
        grant.setParam(0, name);
        grant.setParam(1, rightText(number));
        if (DbError error = company.execute(grant.statement())) {
            m_db.errorReport().report(error, kCodeRightGrant);
            return AddResult::Failed;
        }
    }
    if (DbError error = transaction.commit()) {
        m_db.errorReport().report(error, kCodeAccountInsert);
        return AddResult::Failed;
    }
    return AddResult::Added;
}

bool UserStore::update(const QString& name, const QString& newPassword,
                       const QString& description) {
    DbError error;
    if (newPassword.isEmpty()) {
        SqlStatement statement(
            QStringLiteral("UPDATE userzy SET OPIS=:PARAM0 WHERE NAZWA=:PARAM1"));
        statement.bindText(QStringLiteral(":PARAM0"), description);
        statement.bindText(QStringLiteral(":PARAM1"), name);
        error = m_db.DatabaseFirma().execute(statement);
    } else {
        SqlTemplate statement = RecordTemplates::get(QStringLiteral("DBFUpdateUserzy"));
        statement.setParam(0, PasswordHash::make(newPassword));
        statement.setParam(1, description);
        statement.setParam(2, name);
        error = m_db.DatabaseFirma().execute(statement.statement());
    }
    if (error) {
        m_db.errorReport().report(error, kCodeAccountUpdate);
        return false;
    }
    return true;
}

bool UserStore::setPassword(const QString& name, const QString& password) {
    SqlStatement statement(QStringLiteral("UPDATE userzy SET HASLO=:PARAM0 WHERE NAZWA=:PARAM1"));
    statement.bindText(QStringLiteral(":PARAM0"), PasswordHash::make(password));
    statement.bindText(QStringLiteral(":PARAM1"), name);
    int rows = 0;
    if (DbError error = m_db.DatabaseFirma().execute(statement, &rows)) {
        m_db.errorReport().report(error, kCodePasswordChange);
        return false;
    }
    return rows > 0;
}

UserStore::RemoveResult UserStore::remove(const QString& name, const QString& loggedInUser) {
    if (name == CompanySeed::supervisorName())
        return RemoveResult::Supervisor;
    if (name.compare(loggedInUser, Qt::CaseInsensitive) == 0)
        return RemoveResult::LoggedIn;
    bool failed = false;
    const std::optional<UserAccount> found = account(name, kCodeAccountDelete, &failed);
    if (failed)
        return RemoveResult::Failed;
    if (found && isSupervisor(*found))
        return RemoveResult::Supervisor;

    DbConnection& company = m_db.DatabaseFirma();
    // Together: an account that stays must keep its rights, and a deleted one must not
    // leave rights behind for a later account of the same name.
    Transaction transaction(company);
    if (DbError error = transaction.beginError()) {
        m_db.errorReport().report(error, kCodeAccountDelete);
        return RemoveResult::Failed;
    }
    SqlTemplate account = RecordTemplates::get(QStringLiteral("DBFDeleteUserzy"));
    account.setParam(0, name);
    if (DbError error = company.execute(account.statement())) {
        m_db.errorReport().report(error, kCodeAccountDelete);
        return RemoveResult::Failed;
    }
    SqlTemplate rights = RecordTemplates::get(QStringLiteral("DBFDeleteAllRights"));
    rights.setParam(0, name);
    if (DbError error = company.execute(rights.statement())) {
        m_db.errorReport().report(error, kCodeRightsDelete);
        return RemoveResult::Failed;
    }
    if (DbError error = transaction.commit()) {
        m_db.errorReport().report(error, kCodeAccountDelete);
        return RemoveResult::Failed;
    }
    return RemoveResult::Removed;
}

std::optional<RightsSet> UserStore::rights(const QString& name, qint64 code) {
    RightsSet set;
    if (name == CompanySeed::supervisorName())
        return set.set();
    bool failed = false;
    const std::optional<UserAccount> found = account(name, code, &failed);
    if (failed)
        return std::nullopt;
    if (found && isSupervisor(*found))
        return set.set();

    SqlStatement statement(QStringLiteral("SELECT * FROM uprawnienia WHERE NAZWA=:PARAM0"));
    statement.bindText(QStringLiteral(":PARAM0"), name);
    DbQuery rows;
    if (DbError error = m_db.DatabaseFirma().select(statement, &rows)) {
        m_db.errorReport().report(error, code);
        return std::nullopt;
    }
    while (rows.next()) {
        bool ok = false;
        const int number = rows.text(u"UPR").trimmed().toInt(&ok);
        if (ok && number >= 0 && number < kRightCount)
            set.set(size_t(number));
    }
    return set;
}

bool UserStore::setRight(const QString& name, int number, bool granted) {
    if (number < 0 || number >= kRightCount || name.isEmpty())
        return false;
    DbConnection& company = m_db.DatabaseFirma();
    if (!granted) {
        SqlTemplate refuse = RecordTemplates::get(QStringLiteral("DBFDeleteRights"));
        refuse.setParam(0, name);
        refuse.setParam(1, rightText(number));
        if (DbError error = company.execute(refuse.statement())) {
            m_db.errorReport().report(error, kCodeRightRefuse);
            return false;
        }
        return true;
    }
    SqlStatement find(
        QStringLiteral("SELECT * FROM uprawnienia WHERE NAZWA=:PARAM0 AND UPR=:PARAM1"));
    find.bindText(QStringLiteral(":PARAM0"), name);
    find.bindText(QStringLiteral(":PARAM1"), rightText(number));
    DbQuery rows;
    if (DbError error = company.select(find, &rows)) {
        m_db.errorReport().report(error, kCodeRightGrant);
        return false;
    }
    const bool present = rows.next();
    rows = DbQuery();  // no reading statement stays open while the row is written
    if (present)
        return true;
    SqlTemplate grant = RecordTemplates::get(QStringLiteral("DBFInsertRights"));
    grant.setParam(0, name);
    grant.setParam(1, rightText(number));
    if (DbError error = company.execute(grant.statement())) {
        // Another computer granted the same right in between: it is granted.
        if (error.isUniqueViolation())
            return true;
        m_db.errorReport().report(error, kCodeRightGrant);
        return false;
    }
    return true;
}

QString UserStore::legacyEnciphered(const QString& password) {
    const QByteArray bytes = CodePage::encode(password, TextEncoding::Windows1250);
    return CodePage::decode(TOVCrypt::encipher(bytes, loginKey().toLatin1()),
                            TextEncoding::Windows1250);
}

bool UserStore::isDefaultSupervisorPassword(const QString& name, const QString& password) {
    return name == CompanySeed::supervisorName() && password == CompanySeed::supervisorPassword();
}

bool UserStore::passwordMatches(const QString& typed, const QString& stored) const {
    if (PasswordHash::isHash(stored))
        return PasswordHash::verify(typed, stored);
    if (stored.isEmpty())
        return false;
    return stored == typed || stored == legacyEnciphered(typed);
}

UserStore::LoginOutcome UserStore::login(const QString& typedName, const QString& typedPassword) {
    LoginOutcome outcome;
    const QString name = normalisedName(typedName);
    if (name.trimmed().isEmpty() || typedPassword.size() < kMinimumPassword)
        return outcome;

    SqlStatement statement(QStringLiteral("SELECT * FROM userzy WHERE NAZWA=:PARAM0"));
    statement.bindText(QStringLiteral(":PARAM0"), name);
    DbQuery rows;
    if (DbError error = m_db.DatabaseFirma().select(statement, &rows)) {
        m_db.errorReport().report(error, kCodeUserLookup);
        outcome.status = LoginStatus::Failed;
        return outcome;
    }
    if (!rows.next())
        return outcome;
    const QString stored = rows.text(u"HASLO");
    outcome.data.userName = rows.text(u"NAZWA");
    outcome.data.description = rows.text(u"OPIS");
    rows = DbQuery();  // no reading statement stays open while the hash is written
    if (!passwordMatches(typedPassword, stored)) {
        outcome.data = {};
        return outcome;
    }

    outcome.status = LoginStatus::LoggedIn;
    outcome.data.typedUserName = name.left(kNameLength);
    outcome.data.typedPassword = typedPassword.left(kPasswordLength);
    outcome.data.defaultPassword =
        isDefaultSupervisorPassword(outcome.data.userName, typedPassword);
    if (PasswordHash::needsRehash(stored)) {
        // A password kept readable, merely enciphered or hashed with fewer iterations is
        // replaced by a new hash now that the typed text is known to be right; a failure
        // leaves the older form working.
        SqlStatement upgrade(QStringLiteral("UPDATE userzy SET HASLO=:PARAM0 WHERE NAZWA=:PARAM1"));
        upgrade.bindText(QStringLiteral(":PARAM0"), PasswordHash::make(typedPassword));
        upgrade.bindText(QStringLiteral(":PARAM1"), outcome.data.userName);
        if (DbError error = m_db.DatabaseFirma().execute(upgrade))
            m_db.errorReport().report(error, kCodePasswordUpgrade);
    }
    return outcome;
}
