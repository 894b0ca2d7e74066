#pragma once

#include "data/engine/DbLocation.h"

#include <QString>
#include <bitset>
#include <optional>

class MessageService;
class QWidget;
class TmyDataBase;
struct TconfigPP;

// Which database and company a session opens, and who works in it: the location given
// on the command line, else the one recorded in the data directory if its password opens
// it, else the one the database window records; then the login chooses the company and
// the user, whose rights the session holds.
class Session {
public:
    Session(TmyDataBase& database, MessageService& messages, TconfigPP& config);

    void setLocationOption(const QString& location) { m_locationOption = location; }
    void setCompanyOption(const QString& dir) { m_companyOption = dir; }

    // The login window on the location's companies; false when the user gave up or the
    // database failed (told). Asks for a new password after the first one of a company.
    bool logIn(QWidget* parent = nullptr);
    // Without the window (pictures of the program): the company given, else the one
    // chosen last, else the first, as its supervisor with the first password.
    bool openAsSupervisor();
    QString companyName() const { return m_companyName; }
    QString companyDir() const { return m_dir; }
    QString userName() const { return m_user; }
    QString password() const { return m_password; }  // as typed at the login
    // The user's own password changed in the session: individual reports log in with it.
    void setPassword(const QString& password) { m_password = password; }
    // "NAME, description", as the status bar shows the user.
    QString userText() const;
    const std::bitset<101>& rights() const { return m_rights; }
    // After the users window: the user's description and rights read again.
    void reloadUser();

    static QString sampleLocation();

private:
    // The location checked with its password; without one, the explanation and the
    // database window first.
    std::optional<DbLocation> location();
    // The company database brought up to date, after the login and before the rights.
    void upgradeCompany(const DbLocation& where);
    // The pictures' location: --location, or the sample database.
    std::optional<DbLocation> givenLocation();
    bool open();

    TmyDataBase& m_db;
    MessageService& m_messages;
    TconfigPP& m_config;
    QString m_locationOption;
    QString m_companyOption;
    QString m_companyName;
    QString m_dir;
    QString m_user;
    QString m_password;
    QString m_description;
    std::bitset<101> m_rights;
    bool m_pictures = false;  // openAsSupervisor(): the sample database, no windows
    QWidget* m_parent = nullptr;
};
