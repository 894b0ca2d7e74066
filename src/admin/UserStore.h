#pragma once

#include <QList>
#include <QString>
#include <bitset>
#include <optional>

class TmyDataBase;

// The rights of a user: 101 numbered flags, 0 to 100; a right is granted exactly when the
// company's uprawnienia holds a row for it.
constexpr int kRightCount = 101;
using RightsSet = std::bitset<kRightCount>;

// The rights the editor offers, in its order: one row of the rights grid can hold a read
// and a write right, or one access right; right 0 is the administrator box above it.
enum class RightColumn { Administrator, Read, Write, Access };

struct RightDef {
    int number = 0;
    QString row;  // the editor's row title
    RightColumn column = RightColumn::Access;
    QString governs;    // what the main window does with it
    bool shown = true;  // hidden rows keep whatever the account holds
};

namespace RightsTable {
// Rights 0 to 52 in number order; the numbers above are never granted by the editor.
const QList<RightDef>& all();
const RightDef* find(int number);
constexpr int kAdministrator = 0;
constexpr int kHighestEdited = 52;
QString columnTitle(RightColumn column);  // "Odczyt", "Zapis", "Dostęp"
}  // namespace RightsTable

struct UserAccount {
    QString name;
    QString description;
    bool supervisor = false;
};

// What a successful login keeps until the next one.
struct LoginData {
    QString userName;       // upper case, as stored
    QString description;    // the account's OPIS
    QString typedUserName;  // as typed, at most 20 characters, for report programs
    QString typedPassword;  // as typed, at most 20 characters, for report programs
    // The supervisor logged in with the password every new company starts with: the
    // program should ask for a new one.
    bool defaultPassword = false;
};

// A refused input of the account dialog: the message for the "Uwaga" box and the field
// it belongs to.
struct AccountProblem {
    enum class Field { Name, Password, Repeat };
    Field field = Field::Name;
    QString message;
};

// The accounts of the open company, their rights and the login check. Passwords are kept
// as salted PBKDF2 hashes; older databases hold them as typed or enciphered with the
// login key, which the login still accepts and replaces by a hash. No stored password
// ever leaves this class. Every database failure goes to the data module's error report
// with the code of the operation.
class UserStore {
public:
    // Error codes of the operations.
    static constexpr qint64 kCodeAccountUpdate = 202;
    static constexpr qint64 kCodeAccountInsert = 203;
    static constexpr qint64 kCodeAccountDelete = 204;
    static constexpr qint64 kCodeRightsDelete = 205;
    static constexpr qint64 kCodeRightGrant = 206;
    static constexpr qint64 kCodeRightRefuse = 207;
    static constexpr qint64 kCodeUserList = 210;
    static constexpr qint64 kCodeRightsLoad = 221;
    static constexpr qint64 kCodeUserLookup = 222;
    static constexpr qint64 kCodePasswordUpgrade = 223;
    static constexpr qint64 kCodePasswordChange = 224;

    static constexpr int kNameLength = 20;
    static constexpr int kPasswordLength = 20;
    static constexpr int kDescriptionLength = 100;
    static constexpr int kMinimumPassword = 3;

    explicit UserStore(TmyDataBase& database) : m_db(database) {}

    // The accounts ordered by name; nullopt after a failure (code 210).
    std::optional<QList<UserAccount>> accounts();
    // One account; nullopt when there is none or the look-up failed (then *failed is set).
    std::optional<UserAccount> account(const QString& name, qint64 code, bool* failed = nullptr);
    // Re-reads the logged-in user's description for the user label (code 222).
    std::optional<QString> description(const QString& name);

    static bool isSupervisor(const UserAccount& account);

    // The checks of the account dialog in their order; an edit with both password fields
    // empty keeps the stored password and passes.
    static std::optional<AccountProblem> checkAccount(const QString& name, const QString& password,
                                                      const QString& repeat, bool isNew);

    enum class AddResult { Added, Exists, Failed };
    // Adds an account with every right of the editor but the administrator's (1 to 52),
    // all or nothing (codes 203 and 206).
    AddResult add(const QString& name, const QString& password, const QString& description);
    // Writes the description and, unless newPassword is empty, the password (code 202).
    bool update(const QString& name, const QString& newPassword, const QString& description);
    // Replaces the password alone (code 224).
    bool setPassword(const QString& name, const QString& password);

    enum class RemoveResult { Removed, Supervisor, LoggedIn, Failed };
    // Deletes an account and its rights together (codes 204 and 205); the supervisor and
    // the logged-in user's own account are refused without writing anything.
    RemoveResult remove(const QString& name, const QString& loggedInUser);

    // The rights of a user; the supervisor holds every right. nullopt after a failure,
    // reported with code (221 for the rights of the session, 210 for the editor).
    std::optional<RightsSet> rights(const QString& name, qint64 code = kCodeRightsLoad);
    // Grants or refuses one right at once (codes 206 and 207); false when it could not be
    // stored, and then the right is as it was.
    bool setRight(const QString& name, int number, bool granted);

    enum class LoginStatus { LoggedIn, Refused, Failed };
    struct LoginOutcome {
        LoginStatus status = LoginStatus::Refused;
        LoginData data;
    };
    // The login check of a typed name and password: the name is taken in upper case; an
    // empty name or a password of fewer than three characters is refused without a query.
    // A database failure (code 222) is Failed, not a refusal.
    LoginOutcome login(const QString& typedName, const QString& typedPassword);

    static QString normalisedName(const QString& typedName) { return typedName.toUpper(); }
    static bool isDefaultSupervisorPassword(const QString& name, const QString& password);
    // The older stored forms of a password.
    static QString legacyEnciphered(const QString& password);
    static QString loginKey() { return QStringLiteral("k2QwR817m5Tz"); }

private:
    bool passwordMatches(const QString& typed, const QString& stored) const;

    TmyDataBase& m_db;
};
