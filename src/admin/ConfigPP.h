#pragma once

#include <QList>
#include <QString>
#include <array>

// One add-on tool of the program: its menu name, folder, version and result.
struct Ttool {
    QString name;
    QString dir;
    QString ver;
    QString rez;

    friend bool operator==(const Ttool&, const Ttool&) = default;
};

// The program's settings. The initial values are the defaults that a missing key yields.
struct TconfigPP {
    static constexpr int toolCount = 16;

    QString newsFileName;
    QString newsURL = QStringLiteral("https://www.flotanor.pl/download/files/");
    QString URLRaporty = QStringLiteral("https://www.flotanor.pl");
    QString URLOfertaRaporty = QStringLiteral("https://www.flotanor.pl");
    QString URLMain = QStringLiteral("https://www.flotanor.pl");
    QString Email = QStringLiteral("pomoc@flotanor.pl");
    QString version = QStringLiteral("2.0.1");
    QString firmaDir;

    bool pokazujPoradeDnia = true;
    bool pytajPrzedZamknieciem = true;
    bool pytajPrzedKasowaniem = true;
    bool sprawdzajTerminy = true;
    bool sprawdzajPrzebieg = true;
    bool sprawdzajNotatki = true;

    int dataWsteczna = 7;
    int dataWstecznaMin = 0;

    bool cbOC = true;
    bool cbAC = true;
    bool cbPRZEG = true;
    bool cbPRZEGW = true;
    bool cbKPALIWOWE = true;
    bool cbDOKUMENTY = true;
    bool cbWYPOSAZENIE = true;
    bool cbNAPRAWY = true;
    bool cbTERMINARZ = true;
    bool cbOPONY = true;

    bool cbRapZaakceptowal = true;
    bool cbRapWystawil = true;
    bool cbRapData = true;
    bool cbRapFirma = true;

    bool cbLICZPRZEG = true;
    bool cbLICZGWAR = true;
    bool cbLICZNAPR = true;
    bool cbLICZWYPOS = true;
    bool cbLICZDOK = true;
    bool cbLICZTERM = true;
    bool cbLICZOPONY = true;

    bool cbMAGAZYN = true;

    int kmOd = 1000;
    int kmDo = 0;

    bool poleInneJestLiczba = false;
    bool RodzajKosztuRO = false;

    int mainWinWidth = -1;
    int mainWinHeight = -1;

    std::array<Ttool, toolCount> tools;

    friend bool operator==(const TconfigPP&, const TconfigPP&) = default;
};

// The settings file flotanor.ini: options in [OPTIONS], the add-on tools in [TOOLS], the
// version in [VERSION]. Loading also repairs the file: it records the current version,
// clears a damaged name of tool 10 and puts in the standard tool 2 when it is missing.
// Saving writes only the options the user can change in the program; the addresses,
// e-mail and RodzajKosztuRO are edited by hand and left as they are in the file.
class SettingsFile {
public:
    explicit SettingsFile(const QString& path);

    // The data directory + "/flotanor.ini".
    static QString defaultPath();

    QString path() const { return m_path; }

    TconfigPP load();
    // False when the file cannot be written; keys written before the failure stay.
    bool save(const TconfigPP& config);

private:
    QString m_path;
};

// One individual report: the name shown to the user and the report's file.
struct ReportEntry {
    QString name;
    QString file;

    friend bool operator==(const ReportEntry&, const ReportEntry&) = default;
};

// The list of individual reports, raporty.cfg: one "file , name" a line. The list ends
// at the first line without a file name, and holds at most maxEntries entries.
class ReportList {
public:
    static constexpr int maxEntries = 100;

    // The installation's copy: the directory of the running program + "/raporty.cfg".
    static QString defaultPath();
    // The user's copy: the data directory + "/raporty.cfg". Saving always writes this one,
    // so a read-only program directory never stands in the way.
    static QString userPath();
    // The copy in effect: the user's when it exists, else the installation's.
    static QString effectivePath();

    // The list as typed in the options window: of the first maxEntries lines, those that
    // are blank or hold no comma are skipped; the rest split at the first comma, both
    // parts trimmed. A line starting with a comma gives an entry without a file, at which
    // save ends the list, as load would.
    static QList<ReportEntry> fromText(const QString& text);
    // One "file , name" line per entry, as the options window shows them.
    static QString toText(const QList<ReportEntry>& entries);

    // Empty when the file is missing or cannot be read. The file is UTF-8 or Windows-1250.
    static QList<ReportEntry> load(const QString& path);
    // Replaces the file atomically; written in UTF-8 with CR LF line ends.
    static bool save(const QString& path, const QList<ReportEntry>& entries);
};
