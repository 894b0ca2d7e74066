#include "data/ListModel.h"

#include "support/translation/TResourceTranslator.h"

ListModel::ListModel(RegisterId id, QObject* parent)
    : QAbstractTableModel(parent), m_id(id), m_table(std::make_shared<ListTable>()) {
    for (const GridColumn& column : descriptor().columns) {
        m_titles << column.title;
        m_conversions << descriptor().conversionOf(column.field);
        m_tableColumns << -1;
    }
}

const RegisterDescriptor& ListModel::descriptor() const {
    return Registers::get(m_id);
}

void ListModel::setTable(std::shared_ptr<const ListTable> table) {
    beginResetModel();
    m_table = table ? std::move(table) : std::make_shared<ListTable>();
    const auto& columns = descriptor().columns;
    for (int c = 0; c < columns.size(); ++c)
        m_tableColumns[c] = m_table->fieldIndex(columns.at(c).field);
    m_firstNameColumn = m_table->fieldIndex(u"IMIE");
    endResetModel();
}

void ListModel::setColumnTitle(int column, const QString& title) {
    if (column < 0 || column >= m_titles.size())
        return;
    m_titles[column] = title;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_table->rowCount();
}

int ListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_titles.size());
}

QString ListModel::displayAt(int row, int tableColumn, Conversion conversion) const {
    if (tableColumn < 0)
        return {};
    if (conversion == Conversion::PersonName) {
        const QString surname = m_table->text(row, tableColumn);
        if (m_firstNameColumn < 0)
            return surname;
        return surname + QLatin1Char(' ') + m_table->text(row, m_firstNameColumn);
    }
    return m_format.text(conversion, m_table->value(row, tableColumn));
}

QString ListModel::displayText(int row, int column) const {
    return displayAt(row, m_tableColumns.value(column, -1), m_conversions.value(column));
}

QString ListModel::displayField(int row, const QString& field) const {
    return displayAt(row, m_table->fieldIndex(field), descriptor().conversionOf(field));
}

QVariant ListModel::raw(int row, const QString& field) const {
    const int column = m_table->fieldIndex(field);
    return column < 0 ? QVariant() : m_table->value(row, column);
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_table->rowCount())
        return {};
    switch (role) {
        case Qt::DisplayRole:
            return displayText(index.row(), index.column());
        case Qt::UserRole: {
            const int column = m_tableColumns.value(index.column(), -1);
            return column < 0 ? QVariant() : m_table->value(index.row(), column);
        }
        case Qt::TextAlignmentRole: {
            const Conversion conversion = m_conversions.value(index.column());
            const bool number = conversion == Conversion::Money || conversion == Conversion::Rate ||
                                conversion == Conversion::Consumption;
            return QVariant::fromValue(Qt::AlignVCenter |
                                       (number ? Qt::AlignRight : Qt::AlignLeft));
        }
        default:
            return {};
    }
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return tx(m_titles.value(section));
}

QList<QStringList> ListModel::sheet() const {
    QList<QStringList> rows;
    rows.reserve(m_table->rowCount() + 1);
    rows.append(m_titles);
    for (int r = 0; r < m_table->rowCount(); ++r) {
        QStringList cells;
        cells.reserve(m_titles.size());
        for (int c = 0; c < m_titles.size(); ++c)
            cells << displayText(r, c);
        rows.append(cells);
    }
    return rows;
}

int ListModel::findRow(const QStringList& keyValues) const {
    const QStringList& keys = descriptor().keyFields;
    QList<int> columns;
    QList<double> numbers;  // each key value read as a number once, not once a row
    for (qsizetype k = 0; k < keys.size(); ++k) {
        columns << m_table->fieldIndex(keys.at(k));
        numbers << keyValues.value(k).toDouble();
    }
    if (columns.contains(-1) || keyValues.size() != keys.size())
        return -1;
    for (int r = 0; r < m_table->rowCount(); ++r) {
        bool match = true;
        for (int k = 0; k < columns.size() && match; ++k) {
            const QVariant v = m_table->value(r, columns[k]);
            match = (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::LongLong)
                        ? v.toDouble() == numbers[k]
                        : v.toString() == keyValues[k];
        }
        if (match)
            return r;
    }
    return -1;
}
