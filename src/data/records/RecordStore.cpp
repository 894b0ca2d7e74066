#include "data/records/RecordStore.h"

#include "data/RecordTemplates.h"
#include "data/TmyDataBase.h"
#include "data/registers/RegisterDescriptor.h"
#include "data/schema/Schema.h"

#include <cmath>

RecordStore::RecordStore(RegisterId id, QString insertName, QString updateName,
                         QList<FieldSlot> fieldSlots, int updateKeyLine, int updateKeyParam)
    : m_id(id),
      m_insertName(std::move(insertName)),
      m_updateName(std::move(updateName)),
      m_slots(std::move(fieldSlots)),
      m_updateKeyLine(updateKeyLine),
      m_updateKeyParam(updateKeyParam) {}

QString RecordStore::numberLiteral(double value) {
    if (!std::isfinite(value))
        return QStringLiteral("0");
    // Enough digits for every value typed with two decimals, "." whatever the locale.
    QString text = QString::number(value, 'f', 6);
    while (text.contains(QLatin1Char('.')) &&
           (text.endsWith(QLatin1Char('0')) || text.endsWith(QLatin1Char('.'))))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

void RecordStore::fill(SqlTemplate& statement, const Record& record, bool forInsert) const {
    for (const FieldSlot& slot : m_slots) {
        const int at = forInsert ? slot.insertAt : slot.updateAt;
        if (at < 0)
            continue;
        switch (slot.kind) {
            case FieldSlot::Kind::Text:
                statement.setParam(at, record.text(slot.field));
                break;
            case FieldSlot::Kind::Number:
                statement.setLine(at, numberLiteral(record.number(slot.field)));
                break;
            case FieldSlot::Kind::Integer:
            case FieldSlot::Kind::Date:
                statement.setLine(at, QString::number(record.integer(slot.field)));
                break;
            case FieldSlot::Kind::OptionalInteger:
                statement.setLine(at, record.isNull(slot.field) || record.text(slot.field).isEmpty()
                                          ? QStringLiteral("NULL")
                                          : QString::number(record.integer(slot.field)));
                break;
        }
    }
}

WriteResult RecordStore::insert(TmyDataBase& database, const Record& record) const {
    const RegisterDescriptor& d = Registers::get(m_id);
    SqlTemplate statement = d.isConsumption()
                                ? RecordTemplates::get(m_insertName, database.tableOf(m_id))
                                : RecordTemplates::get(m_insertName);
    fill(statement, record, true);
    WriteResult result;
    const TableDef* table = Schema::companyTable(d.name);
    const QString autoKey = table ? table->autoKey() : QString();
    qint64 key = -1;
    result.error = !autoKey.isEmpty()
                       ? database.DatabaseFirma().insert(statement.statement(), autoKey, &key)
                       : database.DatabaseFirma().execute(statement.statement());
    result.ok = result.error.ok();
    result.key = key;
    return result;
}

WriteResult RecordStore::update(TmyDataBase& database, const Record& record,
                                const QVariant& oldKey) const {
    const RegisterDescriptor& d = Registers::get(m_id);
    SqlTemplate statement = d.isConsumption()
                                ? RecordTemplates::get(m_updateName, database.tableOf(m_id))
                                : RecordTemplates::get(m_updateName);
    fill(statement, record, false);
    if (m_updateKeyParam >= 0)
        statement.setParam(m_updateKeyParam, oldKey.toString());
    else
        statement.setLine(m_updateKeyLine, QString::number(oldKey.toLongLong()));
    WriteResult result;
    int rows = 0;
    result.error = database.DatabaseFirma().execute(statement.statement(), &rows);
    result.ok = result.error.ok();
    result.key = oldKey.toLongLong();
    return result;
}
