// Feeds arbitrary bytes to the INI reader as a settings file: reading sections and keys
// and writing one key must never crash, and the key written must read back.
#include "support/IniFile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// The reader has no in-memory entry point, so each input becomes this one file. It lives
// in memory where the system offers it: the atomic replace syncs to disk, which on a real
// disk slows the run a hundredfold.
QString settingsFile() {
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/fuzz_ini-XXXXXX")
                                 : QString());
    static const QString path = dir.filePath(QStringLiteral("ustawienia.ini"));
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = settingsFile();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    IniFile ini(path);
    const QStringList sections = ini.sections();
    for (const QString& section : sections.mid(0, 3)) {
        for (const QString& key : ini.keys(section).mid(0, 3)) {
            (void)ini.readString(section, key);
            (void)ini.readInteger(section, key, -1);
        }
    }
    (void)ini.readString(QStringLiteral("Baza"), QStringLiteral("Lokalizacja"));
    (void)ini.readBool(QStringLiteral("Opcje"), QStringLiteral("Pokaz"), false);

    const QString value = QStringLiteral("wartość");
    if (!ini.writeString(QStringLiteral("Import"), QStringLiteral("Uklad"), value))
        std::abort();
    if (ini.readString(QStringLiteral("Import"), QStringLiteral("Uklad")) != value)
        std::abort();
    return 0;
}
