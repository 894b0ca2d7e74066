#include "data/engine/RowInsert.h"

#include "data/schema/Schema.h"

DbError insertRow(DbConnection& connection, const QString& table, const FieldValues& values,
                  qint64* newKey) {
    QStringList names;
    QStringList holders;
    SqlStatement statement;
    for (qsizetype i = 0; i < values.size(); ++i) {
        names << values.at(i).first;
        const QString holder = QStringLiteral(":V%1").arg(i);
        holders << holder;
        const QVariant& value = values.at(i).second;
        if (value.typeId() == QMetaType::QString)
            statement.bindText(holder, value.toString());
        else
            statement.bind(holder, value);
    }
    statement.text = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                         .arg(table, names.join(QLatin1Char(',')), holders.join(QLatin1Char(',')));
    const TableDef* def = Schema::companyTable(table);
    if (!def)
        def = Schema::mainTable(table);
    const QString key = def ? def->autoKey() : QString();
    if (key.isEmpty()) {
        if (newKey)
            *newKey = -1;
        return connection.execute(statement);
    }
    return connection.insert(statement, key, newKey);
}
