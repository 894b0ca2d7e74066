#pragma once

#include "output/Sums.h"

#include <QWidget>

class QCheckBox;
class QTableWidget;

// The sums window: a tool window beside the main window with one row of headings and
// one row of figures, rewritten in place by every recalculation.
class TfSumy : public QWidget {
    Q_OBJECT

public:
    explicit TfSumy(QWidget* parent = nullptr);

    // Shows the figures; an empty sheet shows the prompt caption above one empty column.
    void showSheet(const SumsSheet& sheet);
    QTableWidget* grid() const { return m_grid; }

private:
    void setOnTop(bool onTop);

    QTableWidget* m_grid;
    QCheckBox* m_top;
};
