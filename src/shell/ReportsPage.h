#pragma once

#include "shell/MessagePage.h"

class QPlainTextEdit;

// The reports page of the main window (right 17): the order text printed on order
// reports, kept between runs in "trescZlecenia.txt".
class ReportsPage : public MessagePage {
    Q_OBJECT

public:
    explicit ReportsPage(QWidget* parent = nullptr);

    QPlainTextEdit* orderText() const { return m_orderText; }

private:
    QPlainTextEdit* m_orderText = nullptr;
};
