#include "support/addons/AddonInstaller.h"

#include "support/IniFile.h"
#include "support/OVUtilities.h"
#include "support/addons/AddonPackage.h"
#include "support/addons/AddonStarter.h"
#include "support/addons/Versions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <filesystem>
#include <system_error>

namespace {

namespace fs = std::filesystem;

const QString kTools = QStringLiteral("TOOLS");
const QString kAlreadyInstalled = QStringLiteral("Program zawiera już instalowany dodatek");
const QString kFailed = QStringLiteral(
    "Podczas instalacji wystąpił błąd. Dodatek nie został zainstalowany. Spróbuj zamknąć "
    "wszystkie programy, zrestartować komputer i spróbować ponownie");

fs::path fsPath(const QString& path) {
    return fs::path(QFile::encodeName(path).toStdString());
}

// Writing through a symbolic link inside the add-on's folder could land outside it.
bool noLinkOnWay(const QString& root, const QString& relative, QString* error) {
    QString path = root;
    for (const QString& part : relative.split(u'/', Qt::SkipEmptyParts)) {
        path += u'/' + part;
        if (QFileInfo(path).isSymLink()) {
            *error = QStringLiteral("%1 jest dowiązaniem symbolicznym").arg(path);
            return false;
        }
    }
    return true;
}

bool copyTree(const QString& from, const QString& to, QString* error) {
    std::error_code code;
    fs::copy(fsPath(from), fsPath(to),
             fs::copy_options::recursive | fs::copy_options::copy_symlinks, code);
    if (code) {
        *error = QStringLiteral("kopia %1: %2").arg(from, QString::fromLocal8Bit(code.message()));
        return false;
    }
    return true;
}

// Copies source to root/relative, replacing what is there.
bool placeFile(const QString& source, const QString& root, const QString& relative,
               QString* error) {
    const QString target = root + u'/' + relative;
    const qsizetype slash = relative.lastIndexOf(u'/');
    if (slash > 0 && !noLinkOnWay(root, relative.left(slash), error))
        return false;
    if (!QFileInfo(source).isFile()) {
        *error = QStringLiteral("brak pliku %1").arg(source);
        return false;
    }
    if (!QDir().mkpath(QFileInfo(target).absolutePath())) {
        *error = QStringLiteral("nie można utworzyć folderu dla %1").arg(target);
        return false;
    }
    const QFileInfo existing(target);
    if (existing.isSymLink() || existing.exists()) {
        if (existing.isDir() && !existing.isSymLink()) {
            *error = QStringLiteral("%1 jest folderem").arg(target);
            return false;
        }
        if (!QFile::remove(target)) {
            *error = QStringLiteral("nie można zastąpić %1").arg(target);
            return false;
        }
    }
    QFile file(source);
    if (!file.copy(target)) {
        *error = QStringLiteral("kopia %1: %2").arg(source, file.errorString());
        return false;
    }
    return true;
}

QString toolKey(const char* name, int slot) {
    return QString::fromLatin1(name) + QString::number(slot);
}

// All four keys or, as far as the file lets us, none of them.
bool writeTool(const QString& settingsPath, int slot, const Ttool& tool) {
    static const char* const kNames[] = {"name", "dir", "ver", "rez"};
    const QString values[] = {tool.name, tool.dir, tool.ver, tool.rez};
    QDir().mkpath(QFileInfo(settingsPath).absolutePath());
    IniFile ini(settingsPath);
    QStringList previous;
    for (const char* name : kNames)
        previous.append(ini.readString(kTools, toolKey(name, slot)));
    for (int i = 0; i < 4; ++i) {
        if (!ini.writeString(kTools, toolKey(kNames[i], slot), values[i])) {
            for (int j = 0; j < i; ++j)
                ini.writeString(kTools, toolKey(kNames[j], slot), previous[j]);
            return false;
        }
    }
    return true;
}

const QString kWorkPattern = QStringLiteral(".instalacja-*");
const QString kTargetFile = QStringLiteral("cel");

// An installation killed half-way leaves its work folder: the add-on's previous folder
// moved aside ("stary") goes back where "cel" says it was, when nothing took its place;
// then the work folder goes.
void recoverInterrupted(const QString& root) {
    const QDir addons(root);
    const QStringList left =
        addons.entryList({kWorkPattern}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& name : left) {
        const QString work = addons.filePath(name);
        QFile target(work + u'/' + kTargetFile);
        const QString dir =
            target.open(QIODevice::ReadOnly) ? QString::fromUtf8(target.readAll()) : QString();
        target.close();
        const QString old = work + QStringLiteral("/stary");
        if (!dir.isEmpty() && !dir.contains(QStringLiteral("..")) && QFileInfo(old).isDir() &&
            !QFileInfo::exists(addons.filePath(dir)))
            QDir().rename(old, addons.filePath(dir));
        QDir(work).removeRecursively();
    }
}

}  // namespace

QString AddonInstaller::addonsDirectory() {
    return TOVUtilities::defaultDataDirectory() + QStringLiteral("/addons");
}

AddonInstallResult AddonInstaller::install(const QString& packageFile, TconfigPP& config,
                                           const QString& settingsPath) {
    using Status = AddonInstallResult::Status;
    AddonInstallResult result;
    const AddonPackage package = AddonPackage::read(packageFile);
    if (!package.readable) {
        result.status = Status::Refused;
        result.message = package.error;
        return result;
    }
    if (package.menuId < 0 || package.menuId >= TconfigPP::toolCount) {
        result.status = Status::NotAPackage;
        return result;
    }
    result.slot = package.menuId;
    if (!package.error.isEmpty()) {
        result.status = Status::Refused;
        result.message = package.error;
        return result;
    }
    const Ttool& current = config.tools[result.slot];
    if (Versions::same(package.version, current.ver)) {
        result.status = Status::SameVersion;
        result.message = kAlreadyInstalled;
        return result;
    }

    const auto fail = [&result](const QString& detail) {
        result.status = Status::CopyFailed;
        result.message = kFailed;
        result.detail = detail;
        return result;
    };
    QString detail;
    const QString root = addonsDirectory();
    const QString target = root + u'/' + package.dir;
    if (!QDir().mkpath(root))
        return fail(QStringLiteral("nie można utworzyć folderu %1").arg(root));
    recoverInterrupted(root);
    if (!noLinkOnWay(root, package.dir, &detail))
        return fail(detail);
    const QFileInfo targetInfo(target);
    const bool hadFolder = targetInfo.isDir();
    if (targetInfo.exists() && !hadFolder)
        return fail(QStringLiteral("%1 nie jest folderem").arg(target));

    // Beside the old folder, so that the swap is a rename on one file system; removed with
    // whatever is left in it (the old folder after a success) when work goes out of scope.
    QTemporaryDir work(root + QStringLiteral("/.instalacja-XXXXXX"));
    if (!work.isValid())
        return fail(work.errorString());
    const QString fresh = work.path() + QStringLiteral("/nowy");
    const QString old = work.path() + QStringLiteral("/stary");
    {
        QFile targetName(work.path() + u'/' + kTargetFile);
        if (!targetName.open(QIODevice::WriteOnly) || targetName.write(package.dir.toUtf8()) < 0)
            return fail(QStringLiteral("nie można zapisać %1").arg(targetName.fileName()));
    }

    if (hadFolder ? !copyTree(target, fresh, &detail) : !QDir().mkpath(fresh))
        return fail(detail.isEmpty() ? QStringLiteral("nie można utworzyć %1").arg(fresh) : detail);
    for (const QString& dir : package.makeDirs) {
        if (!noLinkOnWay(fresh, dir, &detail))
            return fail(detail);
        if (!QDir(fresh).mkpath(dir))
            return fail(QStringLiteral("nie można utworzyć folderu %1").arg(dir));
    }
    QStringList copies = package.files;
    if (current.ver.isEmpty())
        copies += package.firstInstallFiles;
    for (const QString& file : copies) {
        if (!placeFile(package.directory + u'/' + file, fresh, file, &detail))
            return fail(detail);
    }
    // Packages often come from archives that lose the execute bit of the main program.
    QFile mainFile(fresh + u'/' + package.mainFile);
    if (QFileInfo(mainFile).isFile() && !QFileInfo(mainFile).isSymLink())
        mainFile.setPermissions(mainFile.permissions() | QFile::ReadOwner | QFile::ExeOwner);

    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        return fail(QStringLiteral("nie można utworzyć folderu dla %1").arg(target));
    if (hadFolder && !QDir().rename(target, old))
        return fail(QStringLiteral("nie można przenieść %1").arg(target));
    if (!QDir().rename(fresh, target)) {
        if (hadFolder)
            QDir().rename(old, target);
        return fail(QStringLiteral("nie można przenieść %1 do %2").arg(fresh, target));
    }

    Ttool tool;
    tool.name = package.name;
    tool.dir = QDir::cleanPath(target + u'/' + package.mainFile);
    tool.ver = package.version;
    tool.rez = package.rez;
    if (!writeTool(settingsPath, result.slot, tool)) {
        QDir().rename(target, work.path() + QStringLiteral("/nieudany"));
        if (hadFolder)
            QDir().rename(old, target);
        return fail(QStringLiteral("nie można zapisać ustawień %1").arg(settingsPath));
    }
    config.tools[result.slot] = tool;
    result.status = Status::Installed;
    result.comment = package.comment;
    if (!package.run.isEmpty())
        m_launcher.start(package.directory + u'/' + package.run, package.directory,
                         &result.runError);
    return result;
}
