#pragma once

#include <QDialog>

class QLineEdit;

// The modeless find box of "Szukaj": it stays open beside the main window and asks for
// the next match each time its button is pressed. Searching is always forward and
// ignores case.
class FindDialog : public QDialog {
    Q_OBJECT

public:
    explicit FindDialog(QWidget* parent = nullptr);
    QString text() const;
    QLineEdit* field() const { return m_text; }

signals:
    void findNext(const QString& text);

private:
    QLineEdit* m_text = nullptr;
};
