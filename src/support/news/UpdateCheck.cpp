#include "support/news/UpdateCheck.h"

#include "support/CodePage.h"
#include "support/IniFile.h"
#include "support/WholeFile.h"
#include "support/addons/Versions.h"
#include "support/news/Downloader.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

const QString kVersion = QStringLiteral("VERSION");
const QString kTips = QStringLiteral("tips");
const QString kIni = QStringLiteral("INI");
const QString kFile = QStringLiteral("file");
const QString kOptions = QStringLiteral("OPTIONS");

// The server's file arrives in memory; it is read with the rules of IniFile (sections and
// keys without regard to case, the first of each wins, ';' starts a comment).
bool isWebAddress(const QString& value) {
    const QUrl url(value, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == u"http" || scheme == u"https") && !url.host().isEmpty();
}

// The address goes into a mailto: link; anything that could start a query or a second
// address is refused.
bool isEmailAddress(const QString& value) {
    if (value.count(u'@') != 1 || value.startsWith(u'@') || value.endsWith(u'@'))
        return false;
    for (const QChar c : value) {
        if (c.isSpace() || c.unicode() < 0x20 || QStringLiteral("?&#/\\:;,<>\"'()[]").contains(c))
            return false;
    }
    return true;
}

bool acceptableValue(const QString& key, const QString& value) {
    if (key == u"newsFileName")
        return Downloader::isPlainFileName(value);
    if (key == u"Email")
        return isEmailAddress(value);
    return isWebAddress(value);
}

// The path as the server wrote it, relative to the settings file's folder; only that very
// file is known, and nothing that climbs out of the folder.
bool isSettingsFile(QString path, const QString& settingsPath) {
    path = path.trimmed();
    path.replace(u'\\', u'/');
    if (path.isEmpty() || path.startsWith(u'/') || path.contains(u':'))
        return false;
    const QString clean = QDir::cleanPath(path);
    if (clean == u".." || clean.startsWith(QStringLiteral("../")))
        return false;
    return clean.compare(QFileInfo(settingsPath).fileName(), Qt::CaseInsensitive) == 0;
}

}  // namespace

UpgradeInfo UpgradeInfo::parse(const QByteArray& body) {
    const IniText ini(body);
    UpgradeInfo info;
    info.mainVersion = ini.readString(kVersion, QStringLiteral("main"));
    info.tipsVersion = ini.readString(kVersion, kTips);
    info.comment = ini.readString(QStringLiteral("INFORMATION"), QStringLiteral("comment"));
    info.www = ini.readString(QStringLiteral("INFORMATION"), QStringLiteral("www"));
    info.iniFile = ini.readString(kIni, kFile);
    for (int i = 0; i < TconfigPP::toolCount; ++i) {
        const QString n = QString::number(i);
        info.tools[i].ver = ini.readString(QStringLiteral("TOOLS"), QStringLiteral("ver") + n);
        info.tools[i].name = ini.readString(QStringLiteral("TOOLS"), QStringLiteral("name") + n);
        info.tools[i].comment =
            ini.readString(QStringLiteral("TOOLS"), QStringLiteral("comment") + n);
    }
    return info;
}

InstalledState InstalledState::from(const TconfigPP& config, const QString& settingsPath) {
    const IniFile ini(settingsPath);
    InstalledState state;
    state.version = config.version;
    state.tipsVersion = ini.readString(kVersion, kTips);
    state.iniFile = ini.readString(kIni, kFile);
    state.tools = config.tools;
    return state;
}

UpdateCheck::UpdateCheck(UpgradeInfo server, InstalledState installed, QString settingsPath,
                         QString dataDirectory)
    : m_server(std::move(server)),
      m_installed(std::move(installed)),
      m_settingsPath(std::move(settingsPath)),
      m_dataDirectory(std::move(dataDirectory)) {}

bool UpdateCheck::programUpdate() const {
    // An older version on the server (a mirror not yet refreshed) is never offered.
    return !m_server.mainVersion.isEmpty() && m_server.mainVersion != m_installed.version &&
           Versions::newer(m_server.mainVersion, m_installed.version);
}

bool UpdateCheck::wantsTips() const {
    return !m_server.tipsVersion.isEmpty() && m_server.tipsVersion != m_installed.tipsVersion;
}

QString UpdateCheck::configFileName() const {
    if (m_server.iniFile.isEmpty() || m_server.iniFile == m_installed.iniFile ||
        !Downloader::isPlainFileName(m_server.iniFile))
        return {};
    return m_server.iniFile;
}

const QStringList& UpdateCheck::allowedKeys() {
    static const QStringList keys = {
        QStringLiteral("newsFileName"),     QStringLiteral("newsURL"), QStringLiteral("URLRaporty"),
        QStringLiteral("URLOfertaRaporty"), QStringLiteral("URLMain"), QStringLiteral("Email"),
    };
    return keys;
}

int UpdateCheck::applyConfigUpdate(const QByteArray& body, const QString& settingsPath,
                                   QStringList* refused) {
    QStringList lines = CodePage::decode(body).split(u'\n');
    for (QString& line : lines)
        line = line.trimmed();
    // Blank lines at the end are no group.
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();

    IniFile ini(settingsPath);
    int written = 0;
    for (qsizetype i = 0; i + 3 < lines.size(); i += 4) {
        const QString& file = lines[i];
        const QString& section = lines[i + 1];
        const QString& value = lines[i + 3];
        QString key;
        for (const QString& allowed : allowedKeys()) {
            if (allowed.compare(lines[i + 2], Qt::CaseInsensitive) == 0)
                key = allowed;
        }
        // The add-on tools name programs to run; a server may never set them.
        if (!isSettingsFile(file, settingsPath) ||
            section.compare(kOptions, Qt::CaseInsensitive) != 0 || key.isEmpty() ||
            !acceptableValue(key, value)) {
            if (refused)
                refused->append(QStringList{file, section, lines[i + 2], value}.join(u'|'));
            continue;
        }
        if (!ini.writeString(kOptions, key, value))
            return -1;
        ++written;
    }
    return written;
}

QStringList UpdateCheck::addonLines(bool* found) const {
    QStringList lines;
    for (int i = 0; i < TconfigPP::toolCount; ++i) {
        const UpgradeInfo::Tool& offered = m_server.tools[i];
        const Ttool& have = m_installed.tools[i];
        const bool installed = !have.name.isEmpty();
        QString heading;
        if (installed && !offered.ver.isEmpty() && Versions::newer(offered.ver, have.ver))
            heading = QStringLiteral("Jest już nowsza wersja dodatku");
        else if (!installed && !offered.name.isEmpty())
            heading = QStringLiteral("Ukazał się nowy dodatek");
        else
            continue;
        const QString name = offered.name.isEmpty() ? have.name : offered.name;
        lines << heading + u' ' + name + u' ' + QStringLiteral("o numerze") + u' ' + offered.ver;
        if (!offered.comment.isEmpty())
            lines << offered.comment;
        lines << QString();
        *found = true;
    }
    return lines;
}

bool UpdateCheck::writeTips(const QByteArray& body, QString* error) const {
    if (!QDir().mkpath(m_dataDirectory)) {
        *error = QStringLiteral("Nie można utworzyć katalogu %1").arg(m_dataDirectory);
        return false;
    }
    // WholeFile writes a temporary file and renames it into place: the tips being read
    // at start-up are never half a file.
    return WholeFile::write(QDir(m_dataDirectory).filePath(tipsFileName()), body, error);
}

UpdateCheck::Result UpdateCheck::apply(const std::optional<QByteArray>& tips,
                                       const std::optional<QByteArray>& config) {
    Result result;
    const auto failed = [&result](const QString& status, qint64 code, const QString& detail) {
        if (!result.status.isEmpty())
            return;
        result.status = status;
        result.errorCode = code;
        result.errorDetail = detail;
    };
    bool found = false;

    if (programUpdate()) {
        result.lines << QStringLiteral("Jest już nowsza wersja programu o numerze ") +
                            m_server.mainVersion
                     << QString();
        found = true;
    }

    if (wantsTips()) {
        QString error;
        // An empty answer is no tip file; keeping the old tips is better.
        if (!tips || tips->trimmed().isEmpty()) {
            failed(Downloader::downloadErrorText(), Downloader::downloadErrorCode, tipsFileName());
        } else if (!writeTips(*tips, &error)) {
            failed(Downloader::saveErrorText(), Downloader::saveErrorCode, error);
        } else {
            result.lines << QStringLiteral("Pobrano nowy komplet porad dnia") << QString();
            if (!IniFile(m_settingsPath).writeString(kVersion, kTips, m_server.tipsVersion))
                failed(Downloader::saveErrorText(), Downloader::saveErrorCode, m_settingsPath);
        }
    }

    result.lines << addonLines(&found);

    const QString configName = configFileName();
    if (!configName.isEmpty()) {
        if (!config) {
            failed(Downloader::downloadErrorText(), Downloader::downloadErrorCode, configName);
        } else {
            const int written = applyConfigUpdate(*config, m_settingsPath);
            if (written < 0) {
                failed(Downloader::saveErrorText(), Downloader::saveErrorCode, m_settingsPath);
            } else {
                if (written > 0)
                    result.lines << QStringLiteral("Zaktualizowano pliki konfiguracyjne")
                                 << QString();
                // Marked as applied even with refused lines, so it is not fetched every time.
                if (!IniFile(m_settingsPath).writeString(kIni, kFile, m_server.iniFile))
                    failed(Downloader::saveErrorText(), Downloader::saveErrorCode, m_settingsPath);
            }
        }
    }

    if (found) {
        if (!m_server.comment.isEmpty())
            result.lines << QString() << m_server.comment;
    } else {
        result.lines << noUpdateText();
    }
    return result;
}
