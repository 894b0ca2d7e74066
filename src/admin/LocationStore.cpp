#include "admin/LocationStore.h"

#include "support/CodePage.h"
#include "support/IniFile.h"
#include "support/OVCrypt.h"
#include "support/OVUtilities.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kSection = QStringLiteral("DataBase");
const QString kLocation = QStringLiteral("Location");
const QString kPassword = QStringLiteral("param1");
const QString kPasswordLength = QStringLiteral("param1s");
const QString kDriver = QStringLiteral("Driver");
const QByteArray kDriverKey = QByteArrayLiteral("Tq!8Wm#2(&51R90Hx;=v");

constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner;

bool isSeparator(QChar c) {
    return c == u'/' || c == u'\\';
}

bool hasKey(const IniFile& ini, const QString& key) {
    return ini.keys(kSection).contains(key, Qt::CaseInsensitive);
}

// Two hexadecimal digits a byte; nullopt for anything else.
std::optional<QByteArray> fromHex(const QString& text) {
    if (text.size() % 2 != 0)
        return std::nullopt;
    for (QChar c : text) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F')))
            return std::nullopt;
    }
    return QByteArray::fromHex(text.toLatin1());
}

}  // namespace

LocationStore::LocationStore(const QString& path) : m_path(path) {}

QString LocationStore::defaultPath() {
    return TOVUtilities::defaultDataDirectory() + QStringLiteral("/database.ini");
}

bool LocationStore::exists() const {
    return !IniFile(m_path).readString(kSection, kLocation).isEmpty();
}

QString LocationStore::location() const {
    QString location = IniFile(m_path).readString(kSection, kLocation);
    while (location.size() > 1 && isSeparator(location.back()))
        location.chop(1);
    return location;
}

bool LocationStore::setLocation(const QString& location) {
    return write(kLocation, location);
}

std::optional<QString> LocationStore::password() const {
    const IniFile ini(m_path);
    if (hasKey(ini, kPassword)) {
        bool ok = false;
        const int length = ini.readString(kSection, kPasswordLength).toInt(&ok);
        const QString value = ini.readString(kSection, kPassword);
        if (ok && length == value.size())
            return value;
    }
    if (hasKey(ini, kDriver)) {
        if (const auto bytes = fromHex(ini.readString(kSection, kDriver))) {
            return CodePage::decode(TOVCrypt::decipher(*bytes, kDriverKey),
                                    TextEncoding::Windows1250);
        }
    }
    return std::nullopt;
}

bool LocationStore::setPassword(const QString& password) {
    if (password != password.trimmed() || password.contains(u'\n') || password.contains(u'\r'))
        return false;
    return write(kPasswordLength, QString::number(password.size())) && write(kPassword, password);
}

bool LocationStore::write(const QString& key, const QString& value) {
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return false;
    // A new file starts out owner-only, so the password is never readable by others, not
    // even between the write and the change of its permissions; the atomic replacement
    // keeps the permissions of the file it replaces.
    if (!QFileInfo::exists(m_path)) {
        QFile file(m_path);
        if (!file.open(QIODevice::WriteOnly, kOwnerOnly))
            return false;
    }
    const bool written = IniFile(m_path).writeString(kSection, key, value);
    return QFile::setPermissions(m_path, kOwnerOnly) && written;
}
