#pragma once

#include "admin/UserStore.h"
#include "data/engine/DbLocation.h"

#include <QDialog>
#include <optional>

class MessageService;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TmyDataBase;

// The login window ("Zaloguj się"): the company, the user name and the password. A
// successful login leaves the data module on the chosen company and keeps the login data;
// three failed attempts end it without a login.
class TfLogin : public QDialog {
    Q_OBJECT

public:
    enum class Result {
        LoggedIn,
        Failed,             // three failed attempts
        Abandoned,          // Esc or the window closed
        ConfigureDatabase,  // "Konfiguruj bazę": the database window is wanted
        SetupFailed,        // the company list could not be read (reported, code 330)
    };

    static constexpr qint64 kCodeSetup = 330;
    static constexpr int kAttempts = 3;

    TfLogin(TmyDataBase& database, MessageService& messages, QWidget* parent = nullptr);
    ~TfLogin() override;

    static QString windowTitleText() { return QStringLiteral("Flotanor 2.0.1"); }

    // Reads the companies of the location, preselects the remembered one (else the
    // first) and shows the window.
    Result run(const DbLocation& location, const QString& preselectedDir);

    // After LoggedIn.
    const LoginData& login() const { return m_login; }
    // The password typed, kept for the report programs the user starts.
    QString password() const;
    QString companyDir() const { return m_companyDir; }
    QString companyName() const { return m_companyName; }
    int failedAttempts() const { return m_failed; }

    QComboBox* companies() const { return m_companies; }

    // After a login with the supervisor's first password: asks for a new one twice, with
    // the checks of the account dialog, until it is stored or the user cancels. The new
    // password once stored.
    static std::optional<QString> askForNewPassword(TmyDataBase& database, MessageService& messages,
                                                    const QString& userName);

private:
    bool prepare(const DbLocation& location, const QString& preselectedDir);
    void confirm();
    void failedAttempt();
    bool eventFilter(QObject* watched, QEvent* event) override;

    TmyDataBase& m_db;
    MessageService& m_messages;
    DbLocation m_location;
    QComboBox* m_companies = nullptr;
    QLineEdit* m_user = nullptr;
    QLineEdit* m_password = nullptr;
    QLabel* m_info = nullptr;
    Result m_result = Result::Abandoned;
    LoginData m_login;
    QString m_companyDir;
    QString m_companyName;
    int m_failed = 0;
};
