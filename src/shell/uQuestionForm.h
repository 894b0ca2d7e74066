#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The question box: the caller's title and text with "Tak" and "Nie". Enter answers
// "Tak"; Esc, "Nie" and closing the box in any other way answer "Nie".
class TquestionForm : public QDialog {
    Q_OBJECT

public:
    TquestionForm(const QString& title, const QString& text, QWidget* parent = nullptr);

    // True for "Tak". While the application is closing down nothing is shown and the
    // answer is "Nie".
    static bool ask(QWidget* parent, const QString& title, const QString& text);

    QString text() const;
    QLabel* textLabel() const { return m_text; }
    QPushButton* yesButton() const { return m_yes; }
    QPushButton* noButton() const { return m_no; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_text = nullptr;
    QPushButton* m_yes = nullptr;
    QPushButton* m_no = nullptr;
};
