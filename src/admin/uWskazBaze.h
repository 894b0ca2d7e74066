#pragma once

#include "data/engine/DbLocation.h"

#include <QDialog>
#include <optional>

class CompanyListPage;
class DatabaseDirectoryPage;
class LegacyImportPage;
class LocationStore;
class MessageService;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class TmyDataBase;

// "Baza danych": creates a database, points the program at an existing one, and adds,
// renames and deletes companies. The location is a directory for SQLite files or a
// postgresql:// URL. In login mode the window closes once a database or a company is
// ready, so that the login can follow.
class TfWskazBaze : public QDialog {
    Q_OBJECT

public:
    enum class Mode { Login, Normal };
    enum Page {
        Menu,
        NewDatabase,
        OpenDatabase,
        AddCompany,
        RenameCompany,
        DeleteCompany,
        ImportLegacy
    };

    TfWskazBaze(TmyDataBase& database, MessageService& messages, LocationStore& store,
                QWidget* parent = nullptr);
    ~TfWskazBaze() override;

    // Shows the menu page and runs the window until it is closed.
    void run(Mode mode);
    // Prepares the window for a mode without running it (tests drive it shown).
    void prepare(Mode mode);

    Page page() const;
    Mode mode() const { return m_mode; }

    // "&Dalej" with the action of the page, "<<  &Menu   ", "Stwórz nowy podkatalog ...".
    void DalejClick();
    void MenuClick();
    void NowyKatalogClick();

private:
    QWidget* buildMenuPage();
    QWidget* buildAddPage();

    void showMenu();
    void openPage(Page page);
    void updateButtons();
    std::optional<DbLocation> currentLocation() const;
    std::optional<DbLocation> typedLocation(QLineEdit* field, bool tell);
    std::optional<QString> askPassword(const DbLocation& location, const QString& text);
    // A new database's password, typed until it is acceptable; nullopt when cancelled.
    std::optional<QString> askNewPassword();
    bool fillCompanies(Page page);

    void createDatabase();
    void openDatabase();
    void addCompany();
    void renameCompany();
    void deleteCompany();
    void importLegacy();

    TmyDataBase& m_db;
    MessageService& m_messages;
    LocationStore& m_store;
    Mode m_mode = Mode::Normal;
    // The password of a database created just before, until its first company is added.
    std::optional<QString> m_newPassword;

    QStackedWidget* m_pages = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_location = nullptr;
    QRadioButton* m_choices[6] = {};
    QFileSystemModel* m_dirs = nullptr;
    DatabaseDirectoryPage* m_newPage = nullptr;
    DatabaseDirectoryPage* m_openPage = nullptr;
    QLineEdit* m_companyName = nullptr;
    QLineEdit* m_companyDir = nullptr;
    CompanyListPage* m_companyPages[2] = {};  // renaming, deleting
    LegacyImportPage* m_legacyPage = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_menu = nullptr;
};
