#pragma once

#include <QTableView>

// The grid of a register page: whole rows selected, columns that cannot be moved, the
// title of the sort column drawn white on dark, the mouse wheel moving the current row
// one row per notch, and Enter or a double click asking to open the current record.
class RegisterGrid : public QTableView {
    Q_OBJECT

public:
    explicit RegisterGrid(const QString& objectName, QWidget* parent = nullptr);

    void setHighlightedColumn(int column);
    int currentRow() const;
    void setCurrentRow(int row);
    // Gives the columns the width of the rows they show, narrowing the widest so that more
    // columns fit; done once the grid is shown, when its width is known.
    void fitColumnsToContents();

signals:
    void openRecord();
    void titleClicked(int column);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void fitColumns();
    bool m_fitPending = false;
};
