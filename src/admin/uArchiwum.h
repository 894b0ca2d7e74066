#pragma once

#include <QDialog>

class MessageService;
class QFileSystemModel;
class QGroupBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTreeView;
class TmyDataBase;

// "Praca z Archiwum": finds a directory, shows and edits the description of the archive
// in it, deletes it or restores the open company from it, and writes a new archive of
// the open company. The work itself is CompanyArchive's.
class TfArchiwum : public QDialog {
    Q_OBJECT

public:
    TfArchiwum(TmyDataBase& database, MessageService& messages, QWidget* parent = nullptr);

    // The directory chosen in the tree; empty when none.
    QString selectedDirectory() const;
    void selectDirectory(const QString& path);
    // True once the company's data were replaced: the caller re-reads its registers.
    bool restored() const { return m_restored; }

    void NowyKatalogClick();
    void ZapiszOpisClick();
    void UsunClick();
    void OdtworzClick();
    void StworzClick();

private:
    void showArchive();
    bool checkDate(QLineEdit* field);
    void setBusy(bool busy);
    bool progress(qint64 done, qint64 total);

    TmyDataBase& m_db;
    MessageService& m_messages;
    QFileSystemModel* m_model = nullptr;
    QTreeView* m_tree = nullptr;
    QGroupBox* m_found = nullptr;
    QLineEdit* m_oNazwa = nullptr;
    QLineEdit* m_oData = nullptr;
    QLineEdit* m_nNazwa = nullptr;
    QLineEdit* m_nData = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_restore = nullptr;
    QProgressBar* m_bar = nullptr;
    bool m_restored = false;
};
