#pragma once

#include <QDialog>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;
class TipsOfTheDay;

// "Porada dnia": one tip at a time from the tip store; every showing starts with another
// tip, and "Następna porada" draws one more. The check box lets the user turn the window
// off for the next start-up; the caller reads it with dontShow().
class TfPoradaDnia : public QDialog {
    Q_OBJECT

public:
    // tips is not owned and may be null (an empty window).
    explicit TfPoradaDnia(TipsOfTheDay* tips, QWidget* parent = nullptr);

    void setDontShow(bool dontShow);
    bool dontShow() const;

    QString currentTip() const;
    // With fewer than two tips the text stays as it is.
    void showNextTip();

    QPlainTextEdit* tipView() const { return m_tip; }
    QPushButton* nextButton() const { return m_next; }
    QPushButton* okButton() const { return m_ok; }
    QCheckBox* dontShowBox() const { return m_dontShow; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    TipsOfTheDay* m_tips = nullptr;
    QPlainTextEdit* m_tip = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_ok = nullptr;
    QCheckBox* m_dontShow = nullptr;
};
