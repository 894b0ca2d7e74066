#pragma once

#include "data/records/DictionaryStore.h"

#include <QDialog>
#include <QList>
#include <QMap>
#include <functional>

class MessageService;
class QAction;
class QComboBox;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTableWidget;
class TmyDataBase;

// The dictionary library ("Biblioteka"): one dictionary at a time in a grid, with adding,
// copying, editing and deleting its entries, and for the vehicle kinds a page of their
// names. Without the change right nothing can be changed.
class TfBiblioteka : public QDialog {
    Q_OBJECT

public:
    TfBiblioteka(TmyDataBase& database, MessageService& messages, bool canChange,
                 bool askBeforeDelete, QWidget* parent = nullptr);
    ~TfBiblioteka() override;

    // Shows the library modally on a dictionary (the first one for an unknown code).
    static void open(QWidget* parent, TmyDataBase& database, MessageService& messages,
                     const QString& dictionaryCode, bool canChange, bool askBeforeDelete);
    // What the user may do in the library when a dialog's "[...]" opens it.
    struct Access {
        bool canOpen = true;
        bool canChange = true;
        bool askBeforeDelete = true;
    };
    // Makes the "[...]" buttons of the dialogs open the library; without an access
    // function, with every right.
    static void installAsLibraryHook(MessageService& messages, std::function<Access()> access = {});

    // Chooses a dictionary by its code; false for a code the library does not hold.
    bool selectDictionary(const QString& dictionaryCode);
    QString dictionaryCode() const;
    // The listed entries in the grid's order; the current one, -1 for none.
    const QList<DictionaryEntry>& entries() const { return m_entries; }
    int currentRow() const;
    QTableWidget* grid() const { return m_grid; }

public slots:
    void addEntry();
    void copyEntry();
    void editEntry();
    void deleteEntry();
    // The vehicle kinds page: asks, then writes every kind's name.
    void saveVehicleKinds();

private:
    enum class EntryMode { Add, Copy, Edit };
    void showDictionary(int index);
    // Re-runs the list; on failure the grid stays as it was. Makes the entry with the key
    // current, else the row at fallbackRow.
    bool refresh(qint64 currentKey, int fallbackRow);
    void fillGrid(int currentIndex);
    void runEntryDialog(EntryMode mode);
    void loadVehicleKinds();
    void updateActions();
    bool isKindsPage() const;

    TmyDataBase& m_db;
    MessageService& m_messages;
    DictionaryStore m_store;
    bool m_canChange;
    bool m_askBeforeDelete;
    QList<DictionaryEntry> m_entries;
    QComboBox* m_chooser = nullptr;
    QStackedWidget* m_pages = nullptr;
    QTableWidget* m_grid = nullptr;
    QList<QPushButton*> m_buttons;  // Dodaj, Edytuj, Usuń, Kopiuj
    QList<QAction*> m_actions;      // the same in the grid's pop-up menu
    QMap<int, QLineEdit*> m_kindFields;
    QPushButton* m_saveKinds = nullptr;
};
