#pragma once

#include <QWidget>

class QPlainTextEdit;

// "Fiszka", the temporary notepad: a small window beside the main window whose text is
// cleared at every start of a session.
class TfFiszka : public QWidget {
    Q_OBJECT

public:
    explicit TfFiszka(QWidget* parent = nullptr);
    void resetText();
    QPlainTextEdit* text() const { return m_text; }

private:
    QPlainTextEdit* m_text = nullptr;
};
