#pragma once

#include "admin/ConfigPP.h"
#include "data/FilterSelection.h"
#include "data/registers/RegisterId.h"
#include "output/report/IndividualReports.h"
#include "shell/RecordEditors.h"
#include "shell/RegisterSearch.h"
#include "shell/TipsOfTheDay.h"
#include "support/ProgramVersion.h"

#include <QMainWindow>
#include <array>
#include <bitset>
#include <optional>

class FilterBar;
class FindDialog;
class ImportWindow;
class TfSumy;
class TfSprawdzenieDat;
class QMenu;
class MainMenus;
class MainNavigation;
class MessageService;
class QAction;
class QLabel;
class QPlainTextEdit;
class QStackedWidget;
class QTimer;
class RegisterPage;
class ReportsPage;
class ChartsPage;
class StartPage;
class TfFiszka;
class TmyDataBase;

// The main window: the navigation of groups and registers, a page per register with its
// grid, the filter bar, the tool bar with the record operations, search and the sheet
// export, the menus that mirror them, and the status bar.
class TfMain : public QMainWindow {
    Q_OBJECT

public:
    TfMain(TmyDataBase& database, MessageService& messages, TconfigPP& config,
           SettingsFile* settings = nullptr, QWidget* parent = nullptr);
    ~TfMain() override;

    static QString version() { return programVersion(); }

    // Opens a session on a company: every filter reset, the start page, the vehicle list.
    void startSession(const QString& companyName, const QString& userText);
    // After the users or the administration window: the user label, the start page and
    // every register read again; the notepad and the filters stay as they are.
    void rereadSession(const QString& userText);
    // The tip of the day, then the quiet reminder run and the due notes, after the window
    // is first shown and after every new login.
    void runStartupReminders();
    // The logged-in user and the password typed, handed to individual report programs.
    void setCredentials(const QString& user, const QString& password);
    // All 101 rights; the register buttons and record operations follow them.
    void setRights(const std::bitset<101>& rights);
    const std::bitset<101>& rights() const { return m_rights; }

    void showRegister(RegisterId id);
    void showStartPage();
    std::optional<RegisterId> currentRegister() const { return m_current; }
    RegisterPage* page(RegisterId id) const;
    FilterBar* filterBar() const { return m_filters; }
    FindDialog* findDialog() const { return m_find; }
    TfSumy* sumsWindow() const { return m_sums; }
    TfSprawdzenieDat* remindersWindow() const { return m_checks; }
    QAction* action(const QString& objectName) const;

public slots:
    void SBDodajClick();
    void SBKopiujClick();
    void SBEdytujClick();
    void SBPodgladClick();  // the current record in its dialog, read-only
    void SBDrukujClick();   // the current record on the one-record sheet
    // "Zestawienie roczne" of the reports page, its precondition passed.
    void showYearlySummary(qint64 vehicleKey, int year);
    void SBUsunClick();
    void SBcsvClick();
    void SBSumaClick();
    void SBSzukajClick();
    void FindTextFind(const QString& text);
    void refreshRegisterOnScreen();
    void fillVehicleList();

signals:
    void logOffRequested();
    // "Zarządzanie użytkownikami": the users window belongs to the administration.
    void usersRequested();
    // "Administracja bazą danych": emptying and packing tables, the error log.
    void databaseAdministrationRequested();
    // "Archiwizacja bazy danych": a restore replaces the company's data, users included.
    void archiveRequested();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createActions();
    QWidget* createCentre();
    void groupClicked(int group);
    void entryClicked(int group, int entry);
    void applyFilters();
    void relist(RegisterId id);
    void sortByTitle(RegisterId id, int column);
    void enableRecordActions(bool onRegister, bool canWrite);
    void runEditor(int mode, const RecordEditors::HandOn* handOn = nullptr);
    void startHandOn(const RecordEditors::HandOn& handOn);
    void notYetAvailable(const QString& what);
    // The import windows, one of each for the run; afterwards the register imported into.
    void openImport(int kind);
    // "Opcje": the options window; what it changed takes effect at once.
    void openOptions();
    void openManual();
    // "Dodatki": installing a package, starting a slot's program, the slots' entries.
    void installAddon();
    void startAddon(int slot);
    void refreshAddonEntries();
    // "Sprawdź aktualizację programu": new tips and addresses take effect at once.
    void checkForUpdates();
    void logOff();
    void saveTextPanes();

    TmyDataBase& m_db;
    MessageService& m_messages;
    TconfigPP& m_config;
    SettingsFile* m_settings;
    std::bitset<101> m_rights;
    std::optional<RegisterId> m_current;
    bool m_copyFlag = false;
    bool m_ignoreResize = true;
    RegisterSearch m_search;
    TipsOfTheDay m_tips;

    MainNavigation* m_navigation = nullptr;
    QStackedWidget* m_stack = nullptr;
    StartPage* m_start = nullptr;
    QWidget* m_groupStart = nullptr;
    ReportsPage* m_reports = nullptr;
    QTimer* m_saveSize = nullptr;
    ChartsPage* m_charts = nullptr;
    QList<RegisterPage*> m_pages;
    FilterBar* m_filters = nullptr;
    FindDialog* m_find = nullptr;
    TfSumy* m_sums = nullptr;
    TfSprawdzenieDat* m_checks = nullptr;
    IndividualReports::Credentials m_credentials;
    MainMenus* m_menus = nullptr;
    TfFiszka* m_fiszka = nullptr;
    std::array<ImportWindow*, 4> m_imports{};  // by ImportKind
    QLabel* m_dateLabel = nullptr;
    QLabel* m_companyLabel = nullptr;
    QLabel* m_hintLabel = nullptr;
    QList<QAction*> m_recordActions;  // Dodaj, Edytuj, Usuń, Kopiuj
    QList<QAction*> m_listActions;    // Podgląd, Drukuj, do CSV, Szukaj, Przelicz sumy
};
