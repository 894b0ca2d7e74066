#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The information box of the program: the caller's title, the text and one "OK" button.
// Enter and Esc close it. It is centred on its parent window, or on the screen.
class TinfoForm : public QDialog {
    Q_OBJECT

public:
    TinfoForm(const QString& title, const QString& text, QWidget* parent = nullptr);

    // Shows the box modally and returns when it is closed; shows nothing while the
    // application is closing down.
    static void show(QWidget* parent, const QString& title, const QString& text);
    using QDialog::show;

    // Not shown (Rejected) while the application is closing down.
    int exec() override;

    QString text() const;
    QLabel* textLabel() const { return m_text; }
    QPushButton* okButton() const { return m_ok; }

    // Centres a top-level window on its parent's window when that is visible, else on
    // the screen, and keeps it inside the screen. The three boxes share it.
    static void centreOnParentOrScreen(QWidget* window);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_text = nullptr;
    QPushButton* m_ok = nullptr;
};
