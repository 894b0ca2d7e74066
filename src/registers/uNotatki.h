#pragma once

#include <QDialog>

class DateField;
class MessageService;
class NotesBook;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TmyDataBase;

// The notebook: thirty numbered notes, each with the date from which it is due, shown
// one at a time. Leaving a note, by moving or by closing, keeps what is typed in it.
class TfNotatki : public QDialog {
    Q_OBJECT

public:
    TfNotatki(NotesBook& notes, MessageService& messages, bool askBeforeDelete,
              QWidget* parent = nullptr);

    // Reads the notes again (keeping changes not yet saved), shows the notebook modally
    // and then saves the notes changed in it. askBeforeDelete is "pytajPrzedKasowaniem".
    static void open(QWidget* parent, TmyDataBase& database, MessageService& messages,
                     bool askBeforeDelete);

    int currentIndex() const { return m_current; }  // 0 to 29
    void showNote(int index);
    // Keeps the shown note in the notes: a blank text clears the note, an invalid date is
    // emptied.
    void keepNote();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void previous();
    void next();
    void clearNote();
    void limitText();

    NotesBook& m_notes;
    MessageService& m_messages;
    bool m_askBeforeDelete;
    int m_current = 0;
    DateField* m_date;
    QPlainTextEdit* m_text;
    QLineEdit* m_number;
};
