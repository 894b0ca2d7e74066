#pragma once

#include <QDialog>

class MessageService;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TmyDataBase;

// The due-note window: the note's number and text, "OK" to be reminded again at the next
// start, "Usuń" to clear the note. Shown once for each due note at start-up.
class TfShowNotatka : public QDialog {
    Q_OBJECT

public:
    TfShowNotatka(TmyDataBase& database, MessageService& messages, bool askBeforeDelete,
                  QWidget* parent = nullptr);

    // Shows note index (0 to 29) of the company's notes.
    void setNote(int index);
    int noteIndex() const { return m_index; }

    // Shows one due note modally.
    static void showNote(QWidget* parent, TmyDataBase& database, MessageService& messages,
                         int index, bool askBeforeDelete);

    // The bold heading shared by the notes windows.
    static QLabel* banner(const QString& text);

private:
    void deleteNote();

    TmyDataBase& m_db;
    MessageService& m_messages;
    bool m_askBeforeDelete;
    int m_index = 0;
    QLineEdit* m_number;
    QPlainTextEdit* m_text;
    QPushButton* m_ok;
    QPushButton* m_delete;
};
