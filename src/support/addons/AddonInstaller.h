#pragma once

#include "admin/ConfigPP.h"

#include <QString>

class ProgramLauncher;

struct AddonInstallResult {
    enum class Status {
        Installed,
        NotAPackage,  // names no slot 0..15; the old program ended without a word
        SameVersion,  // the slot holds this very version
        Refused,      // unreadable or unsafe package; nothing written
        CopyFailed,   // nothing changed: the slot and the old files are as they were
    };

    Status status = Status::NotAPackage;
    int slot = -1;
    QString message;   // what to show for SameVersion, Refused and CopyFailed
    QString detail;    // for CopyFailed: which step failed, for the error log
    QString comment;   // the package's comment, shown after a successful install
    QString runError;  // the package's run program could not be started
};

// Installs an add-on package into the slot it names. The add-ons live in the data
// directory's "addons" folder, since the program's own folder is read-only: the files go
// to <data>/addons/<dir>/. The new folder is put together beside the old one (a copy of
// the old folder, the MAKEDIR folders, the FILE files and, into a slot never installed,
// the SPECFILE files) and swapped in by renames only when all of that succeeded; the
// settings keys are written last, and their failure swaps the old folder back.
class AddonInstaller {
public:
    explicit AddonInstaller(ProgramLauncher& launcher) : m_launcher(launcher) {}

    static QString addonsDirectory();

    // On success the slot of config and the [TOOLS] keys name<n>, dir<n>, ver<n>, rez<n>
    // of settingsPath hold the add-on, and the package's run program has been started.
    AddonInstallResult install(const QString& packageFile, TconfigPP& config,
                               const QString& settingsPath);

private:
    ProgramLauncher& m_launcher;
};
