#pragma once

#include "admin/ConfigPP.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The server's "upgradeinfo.ini".
struct UpgradeInfo {
    struct Tool {
        QString ver;
        QString name;
        QString comment;
    };

    QString mainVersion;                           // [VERSION] main
    QString tipsVersion;                           // [VERSION] tips
    QString comment;                               // [INFORMATION] comment
    QString www;                                   // [INFORMATION] www
    QString iniFile;                               // [INI] file
    std::array<Tool, TconfigPP::toolCount> tools;  // [TOOLS] verN, nameN, commentN

    // The file as the INI reader reads it (UTF-8 or Windows-1250).
    static UpgradeInfo parse(const QByteArray& body);
};

// What this installation has, as the check compares it with the server.
struct InstalledState {
    QString version;      // the program's version
    QString tipsVersion;  // [VERSION] tips of the settings file
    QString iniFile;      // [INI] file of the settings file: the last configuration applied
    std::array<Ttool, TconfigPP::toolCount> tools;

    static InstalledState from(const TconfigPP& config, const QString& settingsPath);
};

// Composes the update report from the server's information and applies the tips and the
// configuration update that came with it. Nothing here touches the network: the caller
// downloads what wantsTips() and configFileName() ask for and passes the bodies to apply().
class UpdateCheck {
public:
    static QString tipsFileName() { return QStringLiteral("porady.dat"); }
    static QString upgradeInfoFileName() { return QStringLiteral("upgradeinfo.ini"); }
    static QString noUpdateText() {
        return QStringLiteral("Brak aktualizacji. Posiadasz najnowszą wersję programu");
    }

    struct Result {
        QStringList lines;
        // Empty, or the status of the first failure with its error-log code.
        QString status;
        qint64 errorCode = 0;
        QString errorDetail;
        QString text() const { return lines.join(u'\n'); }
    };

    // settingsPath is flotanor.ini, whose folder is the one the configuration update may
    // write into; dataDirectory receives porady.dat.
    UpdateCheck(UpgradeInfo server, InstalledState installed, QString settingsPath,
                QString dataDirectory);

    bool programUpdate() const;
    bool wantsTips() const;
    // Empty when no configuration update is due or the server's name is not a plain one.
    QString configFileName() const;

    // nullopt for a download that failed or was not asked for.
    Result apply(const std::optional<QByteArray>& tips, const std::optional<QByteArray>& config);

    // The keys a configuration update may set: [OPTIONS] of flotanor.ini, in their spelling.
    static const QStringList& allowedKeys();
    // Applies the groups of four lines (file, section, key, value) that name an allowed key
    // with an acceptable value; refused groups are skipped. Returns the number written, or
    // -1 when the settings file could not be written.
    static int applyConfigUpdate(const QByteArray& body, const QString& settingsPath,
                                 QStringList* refused = nullptr);

private:
    QStringList addonLines(bool* found) const;
    bool writeTips(const QByteArray& body, QString* error) const;

    UpgradeInfo m_server;
    InstalledState m_installed;
    QString m_settingsPath;
    QString m_dataDirectory;
};
