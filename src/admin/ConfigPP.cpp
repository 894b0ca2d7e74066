#include "admin/ConfigPP.h"

#include "support/CodePage.h"
#include "support/IniFile.h"
#include "support/OVUtilities.h"
#include "support/WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace {

const QString kOptions = QStringLiteral("OPTIONS");
const QString kTools = QStringLiteral("TOOLS");
const QString kVersion = QStringLiteral("VERSION");
const QString kVersionKey = QStringLiteral("main");
const QString kCurrentVersion = QStringLiteral("2.0.1");

struct FlagKey {
    const char* key;
    bool TconfigPP::*member;
};

struct NumberKey {
    const char* key;
    int TconfigPP::*member;
};

struct TextKey {
    const char* key;
    QString TconfigPP::*member;
};

// Everything in [OPTIONS] that load reads, apart from the window size read last.
constexpr TextKey kTexts[] = {
    {"newsFileName", &TconfigPP::newsFileName}, {"newsURL", &TconfigPP::newsURL},
    {"URLRaporty", &TconfigPP::URLRaporty},     {"URLOfertaRaporty", &TconfigPP::URLOfertaRaporty},
    {"URLMain", &TconfigPP::URLMain},           {"Email", &TconfigPP::Email},
    {"firmaDir", &TconfigPP::firmaDir},
};

constexpr FlagKey kFlags[] = {
    {"pokazujPoradeDnia", &TconfigPP::pokazujPoradeDnia},
    {"pytajPrzedZamknieciem", &TconfigPP::pytajPrzedZamknieciem},
    {"pytajPrzedKasowaniem", &TconfigPP::pytajPrzedKasowaniem},
    {"sprawdzajTerminy", &TconfigPP::sprawdzajTerminy},
    {"sprawdzajPrzebieg", &TconfigPP::sprawdzajPrzebieg},
    {"sprawdzajNotatki", &TconfigPP::sprawdzajNotatki},
    {"cbOC", &TconfigPP::cbOC},
    {"cbAC", &TconfigPP::cbAC},
    {"cbPRZEG", &TconfigPP::cbPRZEG},
    {"cbPRZEGW", &TconfigPP::cbPRZEGW},
    {"cbKPALIWOWE", &TconfigPP::cbKPALIWOWE},
    {"cbDOKUMENTY", &TconfigPP::cbDOKUMENTY},
    {"cbWYPOSAZENIE", &TconfigPP::cbWYPOSAZENIE},
    {"cbNAPRAWY", &TconfigPP::cbNAPRAWY},
    {"cbTERMINARZ", &TconfigPP::cbTERMINARZ},
    {"cbOPONY", &TconfigPP::cbOPONY},
    {"cbRapZaakceptowal", &TconfigPP::cbRapZaakceptowal},
    {"cbRapWystawil", &TconfigPP::cbRapWystawil},
    {"cbRapData", &TconfigPP::cbRapData},
    {"cbRapFirma", &TconfigPP::cbRapFirma},
    {"cbLICZPRZEG", &TconfigPP::cbLICZPRZEG},
    {"cbLICZGWAR", &TconfigPP::cbLICZGWAR},
    {"cbLICZNAPR", &TconfigPP::cbLICZNAPR},
    {"cbLICZWYPOS", &TconfigPP::cbLICZWYPOS},
    {"cbLICZDOK", &TconfigPP::cbLICZDOK},
    {"cbLICZTERM", &TconfigPP::cbLICZTERM},
    {"cbLICZOPONY", &TconfigPP::cbLICZOPONY},
    {"cbMAGAZYN", &TconfigPP::cbMAGAZYN},
    {"poleInneJestLiczba", &TconfigPP::poleInneJestLiczba},
    {"RodzajKosztuRO", &TconfigPP::RodzajKosztuRO},
};

constexpr NumberKey kNumbers[] = {
    {"dataWsteczna", &TconfigPP::dataWsteczna},
    {"dataWstecznaMin", &TconfigPP::dataWstecznaMin},
    {"kmOd", &TconfigPP::kmOd},
    {"kmDo", &TconfigPP::kmDo},
};

QString toolKey(const char* name, int index) {
    return QString::fromLatin1(name) + QString::number(index);
}

QString flagText(bool flag) {
    return flag ? QStringLiteral("1") : QStringLiteral("0");
}

// A line break inside a text would split its line in two; a report's line is one line.
QString oneLine(const QString& text) {
    QString line = text;
    line.replace(u'\r', u' ');
    line.replace(u'\n', u' ');
    return line.trimmed();
}

}  // namespace

SettingsFile::SettingsFile(const QString& path) : m_path(path) {}

QString SettingsFile::defaultPath() {
    return TOVUtilities::defaultDataDirectory() + QStringLiteral("/flotanor.ini");
}

TconfigPP SettingsFile::load() {
    IniFile ini(m_path);
    const TconfigPP defaults;
    TconfigPP config;

    for (int i = 0; i < TconfigPP::toolCount; ++i) {
        Ttool& tool = config.tools[i];
        tool.dir = ini.readString(kTools, toolKey("dir", i));
        tool.name = ini.readString(kTools, toolKey("name", i));
        tool.rez = ini.readString(kTools, toolKey("rez", i));
        tool.ver = ini.readString(kTools, toolKey("ver", i));
    }

    // The file records the version of the program that last used it. A missing key is
    // not recorded and reads as "0".
    // A missing key is recorded too, so that a new installation reads the current version.
    if (ini.readString(kVersion, kVersionKey) != kCurrentVersion)
        ini.writeString(kVersion, kVersionKey, kCurrentVersion);
    config.version = ini.readString(kVersion, kVersionKey, QStringLiteral("0"));

    for (const TextKey& text : kTexts) {
        config.*text.member =
            ini.readString(kOptions, QString::fromLatin1(text.key), defaults.*text.member);
    }
    for (const FlagKey& flag : kFlags) {
        config.*flag.member =
            ini.readBool(kOptions, QString::fromLatin1(flag.key), defaults.*flag.member);
    }
    for (const NumberKey& number : kNumbers) {
        config.*number.member =
            ini.readInteger(kOptions, QString::fromLatin1(number.key), defaults.*number.member);
    }

    // An older version wrote the key into the value of tool 10's name.
    if (config.tools[10].name == QStringLiteral("dir10=")) {
        config.tools[10].name.clear();
        ini.writeString(kTools, QStringLiteral("name10"), QString());
    }

    // Tool 2 is the one the program ships with; a file without it gets it back.
    if (config.tools[2].name.isEmpty()) {
        Ttool& tool = config.tools[2];
        tool.dir = QStringLiteral("#");
        tool.name = QStringLiteral("Radozedova Zodeduded");
        tool.rez.clear();
        tool.ver = QStringLiteral("1.0");
        ini.writeString(kTools, QStringLiteral("dir2"), tool.dir);
        ini.writeString(kTools, QStringLiteral("name2"), tool.name);
        ini.writeString(kTools, QStringLiteral("rez2"), tool.rez);
        ini.writeString(kTools, QStringLiteral("ver2"), tool.ver);
    }

    config.mainWinWidth = ini.readInteger(kOptions, QStringLiteral("mainWinWidth"), -1);
    config.mainWinHeight = ini.readInteger(kOptions, QStringLiteral("mainWinHeight"), -1);
    return config;
}

bool SettingsFile::save(const TconfigPP& c) {
    const std::pair<const char*, QString> values[] = {
        {"PokazujPoradeDnia", flagText(c.pokazujPoradeDnia)},
        {"pytajPrzedZamknieciem", flagText(c.pytajPrzedZamknieciem)},
        {"pytajPrzedKasowaniem", flagText(c.pytajPrzedKasowaniem)},
        {"sprawdzajNotatki", flagText(c.sprawdzajNotatki)},
        {"sprawdzajTerminy", flagText(c.sprawdzajTerminy)},
        {"dataWsteczna", QString::number(c.dataWsteczna)},
        {"dataWstecznaMin", QString::number(c.dataWstecznaMin)},
        {"firmaDir", c.firmaDir},
        {"cbOC", flagText(c.cbOC)},
        {"cbAC", flagText(c.cbAC)},
        {"cbPRZEG", flagText(c.cbPRZEG)},
        {"cbPRZEGW", flagText(c.cbPRZEGW)},
        {"cbKPALIWOWE", flagText(c.cbKPALIWOWE)},
        {"cbDOKUMENTY", flagText(c.cbDOKUMENTY)},
        {"cbWYPOSAZENIE", flagText(c.cbWYPOSAZENIE)},
        {"cbNAPRAWY", flagText(c.cbNAPRAWY)},
        {"cbTERMINARZ", flagText(c.cbTERMINARZ)},
        {"cbOPONY", flagText(c.cbOPONY)},
        {"cbRapZaakceptowal", flagText(c.cbRapZaakceptowal)},
        {"cbRapWystawil", flagText(c.cbRapWystawil)},
        {"cbRapData", flagText(c.cbRapData)},
        {"cbRapFirma", flagText(c.cbRapFirma)},
        {"poleInneJestLiczba", flagText(c.poleInneJestLiczba)},
        {"sprawdzajPrzebieg", flagText(c.sprawdzajPrzebieg)},
        {"cbLICZPRZEG", flagText(c.cbLICZPRZEG)},
        {"cbLICZGWAR", flagText(c.cbLICZGWAR)},
        {"cbLICZNAPR", flagText(c.cbLICZNAPR)},
        {"cbLICZWYPOS", flagText(c.cbLICZWYPOS)},
        {"cbLICZDOK", flagText(c.cbLICZDOK)},
        {"cbLICZTERM", flagText(c.cbLICZTERM)},
        {"cbLICZOPONY", flagText(c.cbLICZOPONY)},
        {"cbMAGAZYN", flagText(c.cbMAGAZYN)},
        {"kmOd", QString::number(c.kmOd)},
        {"kmDo", QString::number(c.kmDo)},
        {"mainWinWidth", QString::number(c.mainWinWidth)},
        {"mainWinHeight", QString::number(c.mainWinHeight)},
    };
    IniFile ini(m_path);
    for (const auto& [key, value] : values) {
        if (!ini.writeString(kOptions, QString::fromLatin1(key), value))
            return false;
    }
    return true;
}

QString ReportList::defaultPath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/raporty.cfg");
}

QString ReportList::userPath() {
    return TOVUtilities::defaultDataDirectory() + QStringLiteral("/raporty.cfg");
}

QString ReportList::effectivePath() {
    const QString own = userPath();
    return QFileInfo::exists(own) ? own : defaultPath();
}

QList<ReportEntry> ReportList::fromText(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(u'\r', u'\n');
    QList<ReportEntry> entries;
    const QStringList all = lines.split(u'\n');
    for (const QString& line : all.mid(0, maxEntries)) {
        const qsizetype comma = line.indexOf(u',');
        if (line.trimmed().isEmpty() || comma < 0)
            continue;
        entries.append({line.mid(comma + 1).trimmed(), line.left(comma).trimmed()});
    }
    return entries;
}

QString ReportList::toText(const QList<ReportEntry>& entries) {
    QStringList lines;
    for (const ReportEntry& entry : entries)
        lines << entry.file + QStringLiteral(" , ") + entry.name;
    return lines.join(u'\n');
}

QList<ReportEntry> ReportList::load(const QString& path) {
    QList<ReportEntry> entries;
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return entries;
    const QString text = CodePage::decode(file.readAll());

    qsizetype start = 0;
    while (start < text.size() && entries.size() < maxEntries) {
        // A line ends at CR LF, LF or a lone CR.
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        const QString line = text.mid(start, end - start);
        start = end;
        if (start < text.size() && text[start] == u'\r')
            ++start;
        if (start < text.size() && text[start] == u'\n')
            ++start;

        ReportEntry entry;
        const qsizetype comma = line.indexOf(u',');
        if (comma < 0) {
            entry.name = line.trimmed();
        } else {
            entry.file = line.left(comma).trimmed();
            entry.name = line.mid(comma + 1).trimmed();
        }
        // Entries after the first one without a file are not in use.
        if (entry.file.isEmpty())
            break;
        entries.append(entry);
    }
    return entries;
}

bool ReportList::save(const QString& path, const QList<ReportEntry>& entries) {
    QString text;
    int lines = 0;
    for (const ReportEntry& entry : entries) {
        const QString file = oneLine(entry.file);
        if (file.isEmpty() || lines == maxEntries)
            break;
        text += file + QStringLiteral(" , ") + oneLine(entry.name) + QStringLiteral("\r\n");
        ++lines;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    return WholeFile::write(path, CodePage::encode(text, TextEncoding::Utf8));
}
