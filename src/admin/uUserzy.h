#pragma once

#include "admin/UserStore.h"

#include <QDialog>
#include <QList>
#include <QMap>
#include <optional>

class MessageService;
class QAction;
class QCheckBox;
class QComboBox;
class QTabWidget;
class QTableWidget;
class TmyDataBase;

// The users window ("Zarządzanie użytkownikami"): the accounts with adding, editing and
// deleting them, and the rights of one account as a grid of check boxes, each change
// stored at once. The supervisor's boxes are all checked and cannot be changed.
class TfUserzy : public QDialog {
    Q_OBJECT

public:
    TfUserzy(TmyDataBase& database, MessageService& messages, QWidget* parent = nullptr);
    ~TfUserzy() override;

    // Shows the window for the logged-in user, whose own account cannot be deleted.
    void run(const QString& loggedInUser);
    // What showing does before the window appears: the list re-read, no user chosen on
    // the rights page and every box unchecked and disabled.
    void prepare(const QString& loggedInUser);

    QTabWidget* tabs() const { return m_tabs; }
    QTableWidget* grid() const { return m_grid; }
    QComboBox* userChoice() const { return m_userChoice; }
    QCheckBox* rightBox(int number) const { return m_boxes.value(number); }
    const QList<UserAccount>& accounts() const { return m_accounts; }
    // The account highlighted in the grid; -1 for none.
    int currentRow() const;
    bool selectAccount(const QString& name);
    // The new password the logged-in user gave their own account in the window, if any.
    std::optional<QString> ownNewPassword() const { return m_ownNewPassword; }

public slots:
    void addUser();
    void editUser();
    void deleteUser();
    // Chooses the user on the rights page and shows that user's rights.
    void showRightsOf(const QString& name);

private:
    void buildUsersPage(QWidget* page);
    void buildRightsPage(QWidget* page);
    // Re-reads the accounts; on failure the grid stays as it was.
    bool reload(const QString& current);
    void loadRights();
    void setBoxes(const RightsSet& rights, bool enabled);
    void rightClicked(int number, bool checked);

    TmyDataBase& m_db;
    MessageService& m_messages;
    UserStore m_store;
    QString m_loggedIn;
    std::optional<QString> m_ownNewPassword;
    QList<UserAccount> m_accounts;
    QTabWidget* m_tabs = nullptr;
    QTableWidget* m_grid = nullptr;
    QComboBox* m_userChoice = nullptr;
    QMap<int, QCheckBox*> m_boxes;
    bool m_loading = false;
};
