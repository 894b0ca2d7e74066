#pragma once

#include <QWidget>

class QCheckBox;
class QPlainTextEdit;
class QToolButton;

// "Fiszka", the temporary notepad: a small window beside the main window whose text is
// cleared at every start of a session. It can be kept above every other window.
class TfFiszka : public QWidget {
    Q_OBJECT

public:
    explicit TfFiszka(QWidget* parent = nullptr);
    void resetText();
    QPlainTextEdit* text() const { return m_text; }
    QCheckBox* onTopOption() const { return m_onTop; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setAlwaysOnTop(bool onTop);

    QPlainTextEdit* m_text = nullptr;
    QCheckBox* m_onTop = nullptr;
    QToolButton* m_close = nullptr;
};
