#pragma once

#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

// The open result of a SELECT. Fields are read by name ignoring case, because
// PostgreSQL folds unquoted names to lower case while SQLite keeps them as written.
class DbQuery {
public:
    DbQuery() = default;
    explicit DbQuery(QSqlQuery query);

    bool next() { return m_query.next(); }

    int fieldCount() const { return int(m_record.count()); }
    QString fieldName(int index) const { return m_record.fieldName(index); }
    int fieldIndex(QStringView name) const;

    QVariant value(int index) const { return m_query.value(index); }
    QVariant value(QStringView name) const;
    bool isNull(QStringView name) const;
    QString text(QStringView name) const;
    qint64 integer(QStringView name, bool* ok = nullptr) const;
    double number(QStringView name, bool* ok = nullptr) const;

    QSqlQuery& sql() { return m_query; }

private:
    QSqlQuery m_query;
    QSqlRecord m_record;
};
