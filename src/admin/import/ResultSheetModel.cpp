#include "admin/import/ResultSheetModel.h"

bool ResultSheetModel::setRows(QList<QStringList> rows, int sheetColumns) {
    if (rows.size() == m_rows.size() && sheetColumns == m_columns && !rows.isEmpty()) {
        m_rows = std::move(rows);
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        return false;
    }
    beginResetModel();
    m_rows = std::move(rows);
    m_columns = sheetColumns;
    endResetModel();
    return true;
}

int ResultSheetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ResultSheetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_columns + 2;
}

QVariant ResultSheetModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows.size())
        return {};
    return m_rows[index.row()].value(index.column());
}

QVariant ResultSheetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section < m_columns)
        return QStringLiteral("Kolumna #%1").arg(section + 1);
    return section == m_columns ? QStringLiteral("Zaimportowano?") : QStringLiteral("Uwagi");
}
