#include "support/addons/AddonStarter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

bool DetachedLauncher::start(const QString& program, const QString& workingDirectory,
                             QString* error) {
    QProcess process;
    process.setProgram(program);
    process.setArguments({});
    process.setWorkingDirectory(workingDirectory);
    if (process.startDetached())
        return true;
    if (error) {
        *error = QStringLiteral("Nie można uruchomić programu %1: %2")
                     .arg(QDir::toNativeSeparators(program), process.errorString());
    }
    return false;
}

QList<AddonMenuEntry> AddonStarter::menuEntries(const TconfigPP& config) {
    QList<AddonMenuEntry> entries;
    for (int slot = 0; slot < TconfigPP::toolCount; ++slot) {
        const QString& name = config.tools[slot].name;
        entries.append({slot, QStringLiteral("tool%1").arg(slot), name, !name.isEmpty()});
    }
    return entries;
}

QString AddonStarter::defaultProgramDirectory() {
    return QCoreApplication::applicationDirPath();
}

QString AddonStarter::builtInProgram(int slot, const QString& programDirectory) {
    static const char* const kPrograms[builtInSlots] = {"/adresy/adresy", "/banki/katalogbankow",
                                                        "/kalkulator/kalkulator"};
    if (slot < 0 || slot >= builtInSlots)
        return {};
    const QString relative = QString::fromLatin1(kPrograms[slot]);
    const QString beside = programDirectory + relative;
    const QString shared =
        QDir::cleanPath(programDirectory + QStringLiteral("/../share/flotanor") + relative);
    if (!QFileInfo(beside).isFile() && QFileInfo(shared).isFile())
        return shared;
    return beside;
}

QString AddonStarter::command(const TconfigPP& config, int slot, const QString& programDirectory) {
    if (slot < 0 || slot >= TconfigPP::toolCount)
        return {};
    const QString& dir = config.tools[slot].dir;
    if (slot < builtInSlots && dir == QLatin1String("#"))
        return builtInProgram(slot, programDirectory);
    return dir;
}

bool AddonStarter::start(const TconfigPP& config, int slot, QString* error,
                         const QString& programDirectory) {
    const QString program = command(config, slot, programDirectory);
    if (program.isEmpty()) {
        if (error)
            *error = QStringLiteral("Dodatek nie ma wskazanego programu.");
        return false;
    }
    return m_launcher.start(program, QFileInfo(program).absolutePath(), error);
}
