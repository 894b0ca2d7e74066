#include "admin/ConfigPP.h"
#include "support/addons/AddonInstaller.h"
#include "support/addons/AddonPackage.h"
#include "support/addons/AddonStarter.h"
#include "support/addons/Versions.h"

#include "TestDataDir.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

using Status = AddonInstallResult::Status;

struct Entry {
    QString section;
    QString key;
    QString value;
};
using Entries = QList<Entry>;

const QString kFailed = QStringLiteral(
    "Podczas instalacji wystąpił błąd. Dodatek nie został zainstalowany. Spróbuj zamknąć "
    "wszystkie programy, zrestartować komputer i spróbować ponownie");

// A package that installs: slot 3, one folder, two files (spelt with "./", "//" and '\',
// which the package may use), one file for a first install only.
Entries validPackage(const QString& version) {
    return {
        {"CONFIG", "menuid", "3"},
        {"CONFIG", "ver", version},
        {"CONFIG", "name", "Kalendarz"},
        {"CONFIG", "dir", "kalendarz"},
        {"CONFIG", "mainfile", "bin/kalendarz"},
        {"CONFIG", "run", "setup"},
        {"CONFIG", "rez", "r" + version},
        {"CONFIG", "comment", "Dodatek " + version + " gotowy"},
        {"MAKEDIR", "count", "1"},
        {"MAKEDIR", "dir1", "logi"},
        {"FILE", "count", "2"},
        {"FILE", "file1", "./bin//kalendarz"},
        {"FILE", "file2", "dane\\a.txt"},
        {"SPECFILE", "count", "1"},
        {"SPECFILE", "file1", "ustawienia/start.ini"},
    };
}

Entries with(Entries entries, const QString& section, const QString& key, const QString& value) {
    for (Entry& e : entries) {
        if (e.section == section && e.key == key) {
            e.value = value;
            return entries;
        }
    }
    entries.append({section, key, value});
    return entries;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<brak>");
}

// Writes the package file into folder (its own files are the caller's), sections in the
// order they first appear.
QString writePackage(const QString& folder, const Entries& entries) {
    QStringList sections;
    for (const Entry& e : entries) {
        if (!sections.contains(e.section))
            sections.append(e.section);
    }
    QByteArray text;
    for (const QString& section : sections) {
        text += "[" + section.toUtf8() + "]\r\n";
        for (const Entry& e : entries) {
            if (e.section == section)
                text += e.key.toUtf8() + "=" + e.value.toUtf8() + "\r\n";
        }
    }
    const QString path = folder + "/dodatek.ppi";
    writeFile(path, text);
    return path;
}

// Every file and folder below root with its contents, to see that nothing moved.
QMap<QString, QByteArray> snapshot(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = QDir(root).relativeFilePath(path);
        files[relative] = it.fileInfo().isDir() ? QByteArray("<folder>") : readFile(path);
    }
    return files;
}

class RecordingLauncher : public ProgramLauncher {
public:
    struct Call {
        QString program;
        QString workingDirectory;
    };
    bool start(const QString& program, const QString& workingDirectory, QString* error) override {
        calls.append({program, workingDirectory});
        if (!succeed && error)
            *error = QStringLiteral("nie uruchomiono");
        return succeed;
    }
    QList<Call> calls;
    bool succeed = true;
};

}  // namespace

class TestAddons : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void refusedPackage_data();
    void refusedPackage();
    void packageWithoutSlot_data();
    void packageWithoutSlot();
    void freshInstall();
    void update();
    void sameVersion();
    void interruptedInstall();
    void copyFailure_data();
    void copyFailure();

    void command_data();
    void command();
    void start();
    void detachedLauncherUsesNoShell();
    void menuEntries();
    void newer_data();
    void newer();

private:
    QString addonFolder() const { return AddonInstaller::addonsDirectory() + "/kalendarz"; }
    // Package files of a version: their contents name the version.
    QString makePackage(const QString& version, const Entries& entries);
    AddonInstallResult install(const QString& packageFile);
    void installFirst();

    std::unique_ptr<TestDataDir> m_data;
    std::unique_ptr<QTemporaryDir> m_packages;
    QString m_settings;
    TconfigPP m_config;
    RecordingLauncher m_launcher;
};

void TestAddons::init() {
    m_data = std::make_unique<TestDataDir>();
    m_packages = std::make_unique<QTemporaryDir>();
    m_settings = m_data->path() + "/flotanor.ini";
    m_config = TconfigPP();
    m_launcher.calls.clear();
    m_launcher.succeed = true;
}

void TestAddons::cleanup() {
    m_packages.reset();
    m_data.reset();
}

QString TestAddons::makePackage(const QString& version, const Entries& entries) {
    const QString folder = m_packages->path() + "/" + version;
    const QByteArray v = version.toUtf8();
    writeFile(folder + "/bin/kalendarz", "program " + v);
    writeFile(folder + "/bin/kalendarz2", "program2 " + v);
    writeFile(folder + "/dane/a.txt", "dane " + v);
    writeFile(folder + "/ustawienia/start.ini", "ustawienia " + v);
    return writePackage(folder, entries);
}

AddonInstallResult TestAddons::install(const QString& packageFile) {
    return AddonInstaller(m_launcher).install(packageFile, m_config, m_settings);
}

void TestAddons::installFirst() {
    const AddonInstallResult result = install(makePackage("1.0", validPackage("1.0")));
    QCOMPARE(result.status, Status::Installed);
}

void TestAddons::refusedPackage_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("named");  // the entry the message names
    // clang-format off
    QTest::newRow("dir absolute") << "CONFIG" << "dir" << "/tmp/kalendarz" << "dir";
    QTest::newRow("dir parent") << "CONFIG" << "dir" << "a/../../x" << "dir";
    QTest::newRow("dir backslash parent") << "CONFIG" << "dir" << "a\\..\\..\\x" << "dir";
    QTest::newRow("dir drive") << "CONFIG" << "dir" << "C:\\kalendarz" << "dir";
    QTest::newRow("dir unc") << "CONFIG" << "dir" << "\\\\serwer\\x" << "dir";
    QTest::newRow("dir empty") << "CONFIG" << "dir" << "" << "dir";
    QTest::newRow("dir only dot") << "CONFIG" << "dir" << "." << "dir";
    QTest::newRow("dir windows dots") << "CONFIG" << "dir" << "a/. ./b" << "dir";
    QTest::newRow("dir three dots") << "CONFIG" << "dir" << ".../b" << "dir";
    QTest::newRow("dir control character") << "CONFIG" << "dir" << "a\tb" << "dir";
    QTest::newRow("mainfile parent") << "CONFIG" << "mainfile" << "../../bin/sh" << "mainfile";
    QTest::newRow("mainfile empty") << "CONFIG" << "mainfile" << "" << "mainfile";
    QTest::newRow("run absolute") << "CONFIG" << "run" << "/bin/sh" << "run";
    QTest::newRow("run stream") << "CONFIG" << "run" << "setup:strumien" << "run";
    QTest::newRow("name empty") << "CONFIG" << "name" << "" << "name";
    QTest::newRow("ver empty") << "CONFIG" << "ver" << "" << "ver";
    QTest::newRow("makedir parent") << "MAKEDIR" << "dir1" << "..\\logi" << "dir1";
    QTest::newRow("file absolute") << "FILE" << "file1" << "/etc/passwd" << "file1";
    QTest::newRow("file empty") << "FILE" << "file2" << "" << "file2";
    QTest::newRow("file count past entries") << "FILE" << "count" << "3" << "file3";
    QTest::newRow("file count too big") << "FILE" << "count" << "256" << "count";
    QTest::newRow("makedir count negative") << "MAKEDIR" << "count" << "-1" << "count";
    QTest::newRow("first-install file parent") << "SPECFILE" << "file1" << "x/../../y" << "file1";
    QTest::newRow("first-install file drive") << "SPECFILE" << "file1" << "D:start.ini" << "file1";
    // clang-format on
}

void TestAddons::refusedPackage() {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, named);
    const AddonInstallResult result =
        install(makePackage("1.0", with(validPackage("1.0"), section, key, value)));
    QCOMPARE(result.status, Status::Refused);
    QVERIFY2(result.message.contains(QString("%1 w sekcji [%2]").arg(named, section)),
             qPrintable(result.message));
    QVERIFY(!QFileInfo::exists(AddonInstaller::addonsDirectory()));
    QVERIFY(!QFileInfo::exists(m_settings));
    QVERIFY(m_config == TconfigPP());
    QVERIFY(m_launcher.calls.isEmpty());
}

void TestAddons::packageWithoutSlot_data() {
    QTest::addColumn<QString>("menuid");
    QTest::addColumn<QString>("dir");
    // clang-format off
    QTest::newRow("missing") << "" << "kalendarz";
    QTest::newRow("minus one") << "-1" << "kalendarz";
    QTest::newRow("sixteen") << "16" << "kalendarz";
    QTest::newRow("not a number") << "trzy" << "kalendarz";
    QTest::newRow("missing with bad path") << "" << "../x";
    // clang-format on
}

void TestAddons::packageWithoutSlot() {
    QFETCH(QString, menuid);
    QFETCH(QString, dir);
    Entries entries = with(validPackage("1.0"), "CONFIG", "dir", dir);
    if (menuid.isEmpty())
        entries.removeIf([](const Entry& e) { return e.key == "menuid"; });
    else
        entries = with(entries, "CONFIG", "menuid", menuid);
    const AddonInstallResult result = install(makePackage("1.0", entries));
    QCOMPARE(result.status, Status::NotAPackage);
    QVERIFY(result.message.isEmpty());
    QVERIFY(!QFileInfo::exists(AddonInstaller::addonsDirectory()));
    QVERIFY(!QFileInfo::exists(m_settings));
    QVERIFY(m_config == TconfigPP());
    QVERIFY(m_launcher.calls.isEmpty());
}

void TestAddons::freshInstall() {
    const QString package = makePackage("1.0", validPackage("1.0"));
    const AddonInstallResult result = install(package);
    QCOMPARE(result.status, Status::Installed);
    QCOMPARE(result.slot, 3);
    QCOMPARE(result.comment, QString("Dodatek 1.0 gotowy"));

    const QString folder = addonFolder();
    QCOMPARE(readFile(folder + "/bin/kalendarz"), QByteArray("program 1.0"));
    QCOMPARE(readFile(folder + "/dane/a.txt"), QByteArray("dane 1.0"));
    QCOMPARE(readFile(folder + "/ustawienia/start.ini"), QByteArray("ustawienia 1.0"));
    QVERIFY(QFileInfo(folder + "/logi").isDir());
    QVERIFY(QFileInfo(folder + "/bin/kalendarz").permissions() & QFile::ExeOwner);
    // Nothing of the staging is left beside the add-on.
    QCOMPARE(QDir(AddonInstaller::addonsDirectory())
                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{"kalendarz"});

    const Ttool expected{"Kalendarz", folder + "/bin/kalendarz", "1.0", "r1.0"};
    QCOMPARE(m_config.tools[3], expected);
    QCOMPARE(SettingsFile(m_settings).load().tools[3], expected);

    QCOMPARE(m_launcher.calls.size(), 1);
    const QString packageFolder = QFileInfo(package).absolutePath();
    QCOMPARE(m_launcher.calls[0].program, packageFolder + "/setup");
    QCOMPARE(m_launcher.calls[0].workingDirectory, packageFolder);
}

void TestAddons::update() {
    installFirst();
    const QString folder = addonFolder();
    writeFile(folder + "/ustawienia/start.ini", "zmienione ręcznie");
    writeFile(folder + "/dane/wlasny.txt", "własny");

    Entries entries = with(validPackage("1.1"), "CONFIG", "name", "Kalendarz nowy");
    entries = with(entries, "CONFIG", "mainfile", "bin/kalendarz2");
    entries = with(entries, "CONFIG", "run", "");
    entries = with(entries, "FILE", "file1", "bin/kalendarz2");
    const AddonInstallResult result = install(makePackage("1.1", entries));
    QCOMPARE(result.status, Status::Installed);

    QCOMPARE(readFile(folder + "/bin/kalendarz2"), QByteArray("program2 1.1"));
    QCOMPARE(readFile(folder + "/dane/a.txt"), QByteArray("dane 1.1"));
    QCOMPARE(readFile(folder + "/bin/kalendarz"), QByteArray("program 1.0"));
    QCOMPARE(readFile(folder + "/ustawienia/start.ini"), QByteArray("zmienione ręcznie"));
    QCOMPARE(readFile(folder + "/dane/wlasny.txt"), QByteArray("własny"));

    const Ttool expected{"Kalendarz nowy", folder + "/bin/kalendarz2", "1.1", "r1.1"};
    QCOMPARE(m_config.tools[3], expected);
    QCOMPARE(SettingsFile(m_settings).load().tools[3], expected);
    QCOMPARE(m_launcher.calls.size(), 1);  // only the first package had a run program
}

// A program killed between moving the old folder aside and moving the new one in: the
// next installation puts the old folder back first, so the user's files survive it.
void TestAddons::interruptedInstall() {
    installFirst();
    const QString root = AddonInstaller::addonsDirectory();
    const QString folder = addonFolder();
    writeFile(folder + "/dane/wlasny.txt", "własny");
    const QString work = root + "/.instalacja-AbC123";
    QVERIFY(QDir().mkpath(work));
    writeFile(work + "/cel", QDir(root).relativeFilePath(folder).toUtf8());
    QVERIFY(QDir().rename(folder, work + "/stary"));
    QVERIFY(QDir().mkpath(root + "/.instalacja-pusta"));

    QCOMPARE(install(makePackage("1.1", validPackage("1.1"))).status, Status::Installed);
    QCOMPARE(readFile(folder + "/dane/wlasny.txt"), QByteArray("własny"));
    QCOMPARE(readFile(folder + "/dane/a.txt"), QByteArray("dane 1.1"));
    QCOMPARE(QDir(root).entryList({".instalacja-*"}, QDir::Dirs | QDir::Hidden), QStringList());
}

void TestAddons::sameVersion() {
    installFirst();
    const QByteArray settings = readFile(m_settings);
    const TconfigPP config = m_config;
    // Same version text, other contents: nothing of it may arrive.
    Entries entries = with(validPackage("1.0"), "CONFIG", "name", "Inna nazwa");
    const QString package = writePackage(m_packages->path() + "/inna", entries);
    writeFile(m_packages->path() + "/inna/bin/kalendarz", "inny program");
    writeFile(m_packages->path() + "/inna/dane/a.txt", "inne dane");
    const auto before = snapshot(AddonInstaller::addonsDirectory());

    const AddonInstallResult result = install(package);
    QCOMPARE(result.status, Status::SameVersion);
    QCOMPARE(result.message, QString("Program zawiera już instalowany dodatek"));
    QCOMPARE(snapshot(AddonInstaller::addonsDirectory()), before);
    QCOMPARE(readFile(m_settings), settings);
    QVERIFY(m_config == config);
    QCOMPARE(m_launcher.calls.size(), 1);
}

void TestAddons::copyFailure_data() {
    QTest::addColumn<bool>("missingFile");
    QTest::addColumn<bool>("settingsWritable");
    // clang-format off
    QTest::newRow("file not in the package") << true << true;
    QTest::newRow("settings not writable") << false << false;
    // clang-format on
}

void TestAddons::copyFailure() {
    QFETCH(bool, missingFile);
    QFETCH(bool, settingsWritable);
    installFirst();
    const QByteArray settings = readFile(m_settings);
    const TconfigPP config = m_config;
    const auto before = snapshot(AddonInstaller::addonsDirectory());

    Entries entries = with(validPackage("2.0"), "MAKEDIR", "dir1", "nowy-folder");
    if (missingFile) {  // the first two files would copy, the third is not there
        entries = with(entries, "FILE", "count", "3");
        entries = with(entries, "FILE", "file3", "nie-ma.txt");
    }
    // A settings path below a plain file cannot be written: the swapped-in folder goes back.
    const QString settingsPath =
        settingsWritable ? m_settings : m_settings + "/pod-plikiem/flotanor.ini";
    const AddonInstallResult result =
        AddonInstaller(m_launcher).install(makePackage("2.0", entries), m_config, settingsPath);
    QCOMPARE(result.status, Status::CopyFailed);
    QCOMPARE(result.message, kFailed);
    QVERIFY2(result.detail.contains(missingFile ? "nie-ma.txt" : "pod-plikiem"),
             qPrintable(result.detail));
    QCOMPARE(snapshot(AddonInstaller::addonsDirectory()), before);
    QCOMPARE(readFile(m_settings), settings);
    QVERIFY(m_config == config);
    QCOMPARE(m_launcher.calls.size(), 1);
}

void TestAddons::command_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("existing");  // a shipped program made for the row
    QTest::addColumn<QString>("expected");  // %R: the root holding bin/ and share/
    // clang-format off
    QTest::newRow("0 beside") << 0 << "#" << "bin/adresy/adresy" << "%R/bin/adresy/adresy";
    QTest::newRow("1 shared") << 1 << "#" << "share/flotanor/banki/katalogbankow"
                              << "%R/share/flotanor/banki/katalogbankow";
    QTest::newRow("2 beside wins") << 2 << "#" << "bin/kalkulator/kalkulator"
                                   << "%R/bin/kalkulator/kalkulator";
    QTest::newRow("2 none") << 2 << "#" << "" << "%R/bin/kalkulator/kalkulator";
    QTest::newRow("3 hash") << 3 << "#" << "bin/adresy/adresy" << "#";
    QTest::newRow("15 hash") << 15 << "#" << "" << "#";
    QTest::newRow("0 own path") << 0 << "/opt/dodatek/prog" << "" << "/opt/dodatek/prog";
    QTest::newRow("1 hash and more") << 1 << "#x" << "" << "#x";
    QTest::newRow("5 empty") << 5 << "" << "" << "";
    // clang-format on
}

void TestAddons::command() {
    QFETCH(int, slot);
    QFETCH(QString, dir);
    QFETCH(QString, existing);
    QFETCH(QString, expected);
    const QString root = m_packages->path();
    QDir().mkpath(root + "/bin");
    if (!existing.isEmpty())
        writeFile(root + "/" + existing, "program");
    if (slot == 2 && !existing.isEmpty())  // both places: the one beside the program wins
        writeFile(root + "/share/flotanor/kalkulator/kalkulator", "program");
    m_config.tools[slot].dir = dir;
    QCOMPARE(AddonStarter::command(m_config, slot, root + "/bin"), expected.replace("%R", root));
}

void TestAddons::start() {
    m_config.tools[4].dir = "/opt/dodatek/bin/prog";
    m_launcher.succeed = false;
    AddonStarter starter(m_launcher);
    QString error;
    QVERIFY(!starter.start(m_config, 4, &error, "/usr/bin"));
    QCOMPARE(error, QString("nie uruchomiono"));
    QCOMPARE(m_launcher.calls.size(), 1);
    QCOMPARE(m_launcher.calls[0].program, QString("/opt/dodatek/bin/prog"));
    QCOMPARE(m_launcher.calls[0].workingDirectory, QString("/opt/dodatek/bin"));

    // A free slot and one out of range start nothing.
    error.clear();
    QVERIFY(!starter.start(m_config, 5, &error, "/usr/bin"));
    QVERIFY(!error.isEmpty());
    QVERIFY(!starter.start(m_config, 16, nullptr, "/usr/bin"));
    QCOMPARE(m_launcher.calls.size(), 1);
}

void TestAddons::detachedLauncherUsesNoShell() {
    const QString folder = m_packages->path();
    const QString marker = folder + "/znacznik";
    QString error;
    // Through a shell the part after ';' would run and leave the marker.
    QVERIFY(!DetachedLauncher().start(folder + "/brak; touch " + marker, folder, &error));
    QVERIFY(!error.isEmpty());
    QTest::qWait(200);
    QVERIFY(!QFileInfo::exists(marker));
}

void TestAddons::menuEntries() {
    m_config.tools[0].name = "Adresy";
    m_config.tools[7].name = "Kalendarz";
    m_config.tools[7].dir = "/x";
    m_config.tools[9].dir = "/tylko/folder";  // no name: a free slot
    m_config.tools[15].name = "Ostatni";
    const QList<AddonMenuEntry> entries = AddonStarter::menuEntries(m_config);
    QCOMPARE(entries.size(), TconfigPP::toolCount);
    for (int slot = 0; slot < TconfigPP::toolCount; ++slot) {
        const AddonMenuEntry& entry = entries[slot];
        QCOMPARE(entry.slot, slot);
        QCOMPARE(entry.objectName, QString("tool%1").arg(slot));
        QCOMPARE(entry.caption, m_config.tools[slot].name);
        QCOMPARE(entry.visible, slot == 0 || slot == 7 || slot == 15);
    }
}

void TestAddons::newer_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("order");  // sign of compare(a, b)
    // clang-format off
    QTest::newRow("last part numeric") << "2.0.10" << "2.0.9" << 1;
    QTest::newRow("middle part") << "2.1" << "2.0.9" << 1;
    QTest::newRow("missing parts are zero") << "2.0" << "2.0.0" << 0;
    QTest::newRow("longer is newer when not zero") << "2.0.1" << "2" << 1;
    QTest::newRow("equal") << "2.0.1" << "2.0.1" << 0;
    QTest::newRow("leading zeros") << "01.2" << "1.10" << -1;
    QTest::newRow("beyond 64 bits") << "99999999999999999999.1" << "99999999999999999998.9" << 1;
    QTest::newRow("text part") << "1.b" << "1.a" << 1;
    QTest::newRow("mixed part as text") << "1.0a" << "1.0" << 1;
    QTest::newRow("empty is zero") << "" << "0" << 0;
    QTest::newRow("anything over empty") << "0.1" << "" << 1;
    // clang-format on
}

void TestAddons::newer() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, order);
    QCOMPARE(Versions::compare(a, b), order);
    QCOMPARE(Versions::compare(b, a), -order);
    QCOMPARE(Versions::newer(a, b), order > 0);
    QCOMPARE(Versions::newer(b, a), order < 0);
}

QTEST_GUILESS_MAIN(TestAddons)
#include "tst_addons.moc"
