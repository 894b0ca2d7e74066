#pragma once

#include <QDialog>

class QPlainTextEdit;

// "Przeczytaj uważnie ...": shown at start-up before the database window when no database
// is configured; explains where the database may live when one or several computers use it.
class TfTutorial1 : public QDialog {
    Q_OBJECT

public:
    explicit TfTutorial1(QWidget* parent = nullptr);

    static QString explanationText();
    QPlainTextEdit* text() const { return m_text; }

private:
    QPlainTextEdit* m_text = nullptr;
};
