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
    // The 'f' form always has its point: trailing zeros and a bare point go.
    QString text = QString::number(value, 'f', 6);
    qsizetype end = text.size();
    while (text.at(end - 1) == QLatin1Char('0'))
        --end;
    if (text.at(end - 1) == QLatin1Char('.'))
        --end;
    text.truncate(end);
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

RecordInserter::RecordInserter(TmyDataBase& database, const RecordStore& store) : m_store(store) {
    const RegisterDescriptor& d = Registers::get(store.m_id);
    SqlTemplate statement =
        d.isConsumption() ? RecordTemplates::get(store.m_insertName, database.tableOf(store.m_id))
                          : RecordTemplates::get(store.m_insertName);
    for (const FieldSlot& slot : store.m_slots) {
        const bool text = slot.kind == FieldSlot::Kind::Text;
        m_placeholders
            << (text ? QStringLiteral(":PARAM%1") : QStringLiteral(":L%1")).arg(slot.insertAt);
        if (slot.insertAt >= 0 && !text)
            statement.setLine(slot.insertAt, m_placeholders.last());
    }
    m_statement = std::make_unique<PreparedStatement>(database.DatabaseFirma(), statement.text());
}

RecordInserter::~RecordInserter() = default;

DbError RecordInserter::insert(const Record& record) {
    for (qsizetype i = 0; i < m_store.m_slots.size(); ++i) {
        const FieldSlot& slot = m_store.m_slots[i];
        if (slot.insertAt < 0)
            continue;
        const QString& slotName = m_placeholders[i];
        switch (slot.kind) {
            case FieldSlot::Kind::Text:
                m_statement->bind(slotName, record.text(slot.field));
                break;
            case FieldSlot::Kind::Number:
                // As the literal the store writes: the engine reads the same decimal.
                m_statement->bind(slotName, RecordStore::numberLiteral(record.number(slot.field)));
                break;
            case FieldSlot::Kind::Integer:
            case FieldSlot::Kind::Date:
                m_statement->bind(slotName, record.integer(slot.field));
                break;
            case FieldSlot::Kind::OptionalInteger:
                m_statement->bind(slotName,
                                  record.isNull(slot.field) || record.text(slot.field).isEmpty()
                                      ? QVariant()
                                      : QVariant(record.integer(slot.field)));
                break;
        }
    }
    return m_statement->run();
}
