#pragma once

#include <QHash>
#include <QString>
#include <QVariant>

class ListModel;

// One record of a register as its dialog edits it: the stored value of each field by the
// field's name. Dialogs take one and hand one back; the register's store writes it.
class Record {
public:
    Record() = default;
    // Every field of a listed row.
    static Record fromRow(const ListModel& model, int row);

    bool contains(const QString& field) const { return m_values.contains(key(field)); }
    QVariant value(const QString& field) const { return m_values.value(key(field)); }
    void set(const QString& field, const QVariant& value) { m_values.insert(key(field), value); }

    QString text(const QString& field) const;    // empty for none
    double number(const QString& field) const;   // 0 for none or not a number
    qint64 integer(const QString& field) const;  // 0 for none or not a number
    bool flag(const QString& field) const { return text(field) == QLatin1String("T"); }
    bool isNull(const QString& field) const { return value(field).isNull(); }

    bool operator==(const Record& other) const { return m_values == other.m_values; }

private:
    // Field names are kept in capitals; most come so and need no copy.
    static QString key(const QString& field) { return field.isUpper() ? field : field.toUpper(); }

    QHash<QString, QVariant> m_values;
};
