#pragma once

#include <QDialog>

class MessageService;
class QListWidget;
class QPlainTextEdit;
class QTabWidget;
class TmyDataBase;

// "Administracja bazą danych": empties one table or dictionary of the open company, packs
// the company's tables and shows or clears the error log.
class TfAdministracjaBaza : public QDialog {
    Q_OBJECT

public:
    TfAdministracjaBaza(TmyDataBase& database, MessageService& messages, QWidget* parent = nullptr);

    QListWidget* tables() const { return m_tables; }
    QPlainTextEdit* logView() const { return m_log; }

    void WyczyscClick();
    void OptymalizujClick();
    void OtworzLogClick();
    void CzyscLogClick();

private:
    TmyDataBase& m_db;
    MessageService& m_messages;
    QTabWidget* m_tabs = nullptr;
    QListWidget* m_tables = nullptr;
    QPlainTextEdit* m_log = nullptr;
};
