#pragma once

#include "data/engine/DbLocation.h"

#include <QString>
#include <optional>

class MessageService;
class TmyDataBase;
struct TconfigPP;

// Which database and company a session opens: the location given on the command line,
// else the one recorded in the data directory, else the sample database, created there
// on the first run; the company given, else the one chosen last, else the first.
class Session {
public:
    Session(TmyDataBase& database, MessageService& messages, TconfigPP& config);

    void setLocationOption(const QString& location) { m_locationOption = location; }
    void setCompanyOption(const QString& dir) { m_companyOption = dir; }

    // Opens the company; false after telling the user why not.
    bool open();
    QString companyName() const { return m_companyName; }
    QString companyDir() const { return m_dir; }

    static QString sampleLocation();

private:
    std::optional<DbLocation> location();

    TmyDataBase& m_db;
    MessageService& m_messages;
    TconfigPP& m_config;
    QString m_locationOption;
    QString m_companyOption;
    QString m_companyName;
    QString m_dir;
};
