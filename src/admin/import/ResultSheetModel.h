#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

// The grid's rows as SheetImport::resultSheet gives them, shown without copying into items,
// so that a sheet of ten thousand rows appears at once.
class ResultSheetModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Gives whether the shape changed; new verdicts alone keep the widths the user set.
    bool setRows(QList<QStringList> rows, int sheetColumns);
    int sheetColumns() const { return m_columns; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<QStringList> m_rows;
    int m_columns = 0;
};
