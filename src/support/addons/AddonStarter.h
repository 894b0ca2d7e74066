#pragma once

#include "admin/ConfigPP.h"

#include <QList>
#include <QString>

// Starts programs without a shell. The program runs on its own; tests put in a launcher
// that only records.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // False with the reason when the program could not be started.
    virtual bool start(const QString& program, const QString& workingDirectory, QString* error) = 0;
};

// QProcess::startDetached with no arguments: the path is never read by a shell.
class DetachedLauncher : public ProgramLauncher {
public:
    bool start(const QString& program, const QString& workingDirectory, QString* error) override;
};

// One entry of the add-ons menu: tool0..tool15, shown exactly when the slot has a name.
struct AddonMenuEntry {
    int slot = 0;
    QString objectName;
    QString caption;
    bool visible = false;

    friend bool operator==(const AddonMenuEntry&, const AddonMenuEntry&) = default;
};

// The add-ons of the menu: what each slot shows and which program it starts.
class AddonStarter {
public:
    static constexpr int builtInSlots = 3;

    explicit AddonStarter(ProgramLauncher& launcher) : m_launcher(launcher) {}

    static QList<AddonMenuEntry> menuEntries(const TconfigPP& config);

    // The slot's program: its dir as it is, except "#" in slots 0..2, which means the
    // program shipped with Flotanor (see builtInProgram). Empty for a slot out of range.
    static QString command(const TconfigPP& config, int slot,
                           const QString& programDirectory = defaultProgramDirectory());

    // The shipped program of slot 0..2: "adresy/adresy", "banki/katalogbankow",
    // "kalkulator/kalkulator" beside the program, else under ../share/flotanor/; the path
    // beside the program when neither exists. Empty for other slots.
    static QString builtInProgram(int slot, const QString& programDirectory);

    static QString defaultProgramDirectory();

    // Starts the slot's program in its own folder; false with the reason. The old program
    // said nothing when an add-on failed to start; the caller decides.
    bool start(const TconfigPP& config, int slot, QString* error = nullptr,
               const QString& programDirectory = defaultProgramDirectory());

private:
    ProgramLauncher& m_launcher;
};
