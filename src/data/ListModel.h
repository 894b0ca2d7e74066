#pragma once

#include "data/DisplayFormat.h"
#include "data/ListTable.h"
#include "data/registers/RegisterDescriptor.h"

#include <QAbstractTableModel>
#include <memory>

// The grid of one register over the rows of its last listing: the register's columns
// with their titles, each cell the displayed text of its field. Sheets, printouts and
// search read the same texts from here.
class ListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ListModel(RegisterId id, QObject* parent = nullptr);

    RegisterId registerId() const { return m_id; }
    const RegisterDescriptor& descriptor() const;

    void setTable(std::shared_ptr<const ListTable> table);
    std::shared_ptr<const ListTable> table() const { return m_table; }
    void setColumnTitle(int column, const QString& title);
    QString columnTitle(int column) const { return m_titles.value(column); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The text the grid shows in a column, and the displayed form of any listed field.
    QString displayText(int row, int column) const;
    QString displayField(int row, const QString& field) const;
    QVariant raw(int row, const QString& field) const;

    // The column titles followed by every row's displayed texts.
    QList<QStringList> sheet() const;

    // The row whose key fields hold the given values (compared as texts), or -1.
    int findRow(const QStringList& keyValues) const;

private:
    QString displayAt(int row, int tableColumn, Conversion conversion) const;

    RegisterId m_id;
    std::shared_ptr<const ListTable> m_table;
    DisplayFormat m_format;
    QStringList m_titles;
    QList<int> m_tableColumns;  // per grid column: its column in the table, -1 when absent
    QList<Conversion> m_conversions;
    int m_firstNameColumn = -1;  // IMIE, for the person name conversion
};
