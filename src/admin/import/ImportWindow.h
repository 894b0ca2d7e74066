#pragma once

#include "admin/import/ImportLayout.h"
#include "admin/import/SheetImport.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QList>

class MessageService;
class QAbstractItemModel;
class QCheckBox;
class QComboBox;
class QProgressBar;
class QPushButton;
class QTableView;
class QWidget;
class ResultSheetModel;
class TmyDataBase;

// The import window of one kind of sheet: loads a CSV sheet, lets the user say which column
// holds which field, verifies every row without writing, imports, and saves the sheet with
// each row's verdict. The main window keeps one per kind for the whole run of the program,
// so the sheet, the options and the column lists stay as they were between openings.
class ImportWindow : public QDialog {
    Q_OBJECT

public:
    ImportWindow(ImportKind kind, TmyDataBase& database, MessageService& messages,
                 const QString& layoutsPath = ImportLayouts::defaultPath(),
                 QWidget* parent = nullptr);
    ~ImportWindow() override;

    ImportKind kind() const { return m_kind; }
    // The options and column lists as they stand; the separator is null when none is given.
    ImportLayout layout() const;
    // Sets the options and the column lists; a column the sheet lacks becomes "Brak danych".
    void applyLayout(const ImportLayout& layout);
    // The grid's rows: the sheet's cells, then "Zaimportowano?" and "Uwagi".
    QAbstractItemModel* sheetModel() const;
    bool running() const { return m_running; }

public slots:
    // "Załaduj arkusz .CSV": asks for a file, then loads it.
    void SpeedButton1Click();
    // Reads the sheet with the separator and encoding chosen now; false when it was not read.
    bool loadFile(const QString& path);
    void zweryfikujClick();
    void rozpocznijClick();
    void zapiszClick();
    void zapiszUkladClick();
    void usunUkladClick();
    void ukladActivated(int index);
    void przerwijClick() { m_cancel = true; }
    void reject() override;  // refused while a run is under way

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildOptions();
    QWidget* buildColumnLists();
    void fillColumnLists(int sheetColumns);
    void changed();  // an option the verification depends on changed
    void showSheet();
    void refreshLayoutNames();
    ImportCounts runSheet(bool dryRun);

    const ImportKind m_kind;
    TmyDataBase& m_db;
    MessageService& m_messages;
    const QString m_layoutsPath;
    SheetImport m_import;
    const int m_fuelList;  // the list of the fuel kind (cb3) of refuellings; -1 for costs
    ResultSheetModel* m_model = nullptr;

    QTableView* m_grid = nullptr;
    QComboBox* m_separator = nullptr;
    QComboBox* m_encoding = nullptr;
    QComboBox* m_dateFormat = nullptr;
    QComboBox* m_vatSymbol = nullptr;   // costs
    QComboBox* m_fuelSymbol = nullptr;  // costs
    QComboBox* m_lpgText = nullptr;     // refuellings
    QComboBox* m_merge = nullptr;       // refuellings: "Sumuj " at 0, "Pomiń" at 1
    QCheckBox* m_skipFirst = nullptr;
    QCheckBox* m_keepColumns = nullptr;
    QComboBox* m_layoutName = nullptr;
    QList<QComboBox*> m_lists;  // cb1, cb2, ... in field order
    QWidget* m_settings = nullptr;
    QWidget* m_columnArea = nullptr;
    QPushButton* m_load = nullptr;
    QPushButton* m_verify = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QProgressBar* m_progress = nullptr;

    bool m_loaded = false;
    bool m_shownBefore = false;
    bool m_verificationFailed = false;
    bool m_running = false;
    bool m_cancel = false;
    QElapsedTimer m_sinceRepaint;
};
