#include "support/addons/AddonPackage.h"

#include "support/IniFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kConfig = QStringLiteral("CONFIG");

QString badPath(const QString& section, const QString& key, const QString& value) {
    return QStringLiteral(
               "Plik instalacyjny jest nieprawidłowy: wpis %1 w sekcji [%2] („%3”) "
               "wskazuje poza folder dodatku. Dodatek nie został zainstalowany.")
        .arg(key, section, value);
}

QString missing(const QString& section, const QString& key) {
    return QStringLiteral(
               "Plik instalacyjny jest nieprawidłowy: brak wpisu %1 w sekcji [%2]. "
               "Dodatek nie został zainstalowany.")
        .arg(key, section);
}

QString badCount(const QString& section, const QString& value) {
    return QStringLiteral(
               "Plik instalacyjny jest nieprawidłowy: wpis count w sekcji [%1] („%2”) "
               "musi być liczbą od 0 do %3. Dodatek nie został zainstalowany.")
        .arg(section, value)
        .arg(AddonPackage::maxCount);
}

// Windows drops trailing dots and blanks of a name, so ". ." or "..." would mean "..".
bool onlyDotsAndBlanks(const QString& part) {
    for (const QChar c : part) {
        if (c != u'.' && c != u' ')
            return false;
    }
    return true;
}

// Reads one path entry; false with the message when it is missing (and required) or unsafe.
bool readPath(const IniFile& ini, const QString& section, const QString& key, bool required,
              QString* path, QString* error) {
    const QString raw = ini.readString(section, key);
    if (raw.isEmpty()) {
        if (required)
            *error = missing(section, key);
        path->clear();
        return !required;
    }
    *path = AddonPackage::safeRelativePath(raw);
    if (path->isEmpty()) {
        *error = badPath(section, key, raw);
        return false;
    }
    return true;
}

bool readList(const IniFile& ini, const QString& section, const QString& prefix, QStringList* list,
              QString* error) {
    const QString countText = ini.readString(section, QStringLiteral("count"));
    int count = 0;
    if (!countText.isEmpty()) {
        count = ini.readInteger(section, QStringLiteral("count"), -1);
        if (count < 0 || count > AddonPackage::maxCount) {
            *error = badCount(section, countText);
            return false;
        }
    }
    for (int i = 1; i <= count; ++i) {
        QString path;
        if (!readPath(ini, section, prefix + QString::number(i), true, &path, error))
            return false;
        list->append(path);
    }
    return true;
}

}  // namespace

QString AddonPackage::safeRelativePath(const QString& path) {
    QString text = path;
    text.replace(u'\\', u'/');
    if (text.startsWith(u'/'))
        return {};
    QStringList parts;
    for (const QString& part : text.split(u'/', Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (onlyDotsAndBlanks(part) || part.contains(u':'))
            return {};
        for (const QChar c : part) {
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                return {};
        }
        parts.append(part);
    }
    return parts.join(u'/');
}

AddonPackage AddonPackage::read(const QString& path) {
    AddonPackage package;
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        package.error = QStringLiteral("Nie można odczytać pliku instalacyjnego %1.")
                            .arg(QDir::toNativeSeparators(path));
        return package;
    }
    package.readable = true;
    package.directory = info.absolutePath();

    const IniFile ini(path);
    package.menuId = ini.readInteger(kConfig, QStringLiteral("menuid"), -1);
    package.version = ini.readString(kConfig, QStringLiteral("ver"));
    package.name = ini.readString(kConfig, QStringLiteral("name"));
    package.rez = ini.readString(kConfig, QStringLiteral("rez"));
    package.comment = ini.readString(kConfig, QStringLiteral("comment"));

    // An empty name would leave the slot looking free, an empty version never installed.
    if (package.name.isEmpty()) {
        package.error = missing(kConfig, QStringLiteral("name"));
        return package;
    }
    if (package.version.isEmpty()) {
        package.error = missing(kConfig, QStringLiteral("ver"));
        return package;
    }
    QString& error = package.error;
    // The first bad entry ends the reading; error names it.
    readPath(ini, kConfig, QStringLiteral("dir"), true, &package.dir, &error) &&
        readPath(ini, kConfig, QStringLiteral("mainfile"), true, &package.mainFile, &error) &&
        readPath(ini, kConfig, QStringLiteral("run"), false, &package.run, &error) &&
        readList(ini, QStringLiteral("MAKEDIR"), QStringLiteral("dir"), &package.makeDirs,
                 &error) &&
        readList(ini, QStringLiteral("FILE"), QStringLiteral("file"), &package.files, &error) &&
        readList(ini, QStringLiteral("SPECFILE"), QStringLiteral("file"),
                 &package.firstInstallFiles, &error);
    return package;
}
