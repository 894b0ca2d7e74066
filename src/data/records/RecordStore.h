#pragma once

#include "data/engine/DbError.h"
#include "data/records/Record.h"
#include "data/registers/RegisterId.h"

#include <QList>
#include <memory>

class TmyDataBase;

// How one field of a record goes into a register's insert or update template.
struct FieldSlot {
    enum class Kind {
        Text,             // bound as :PARAM<index>
        Number,           // a number literal with "."
        Integer,          // a whole number literal
        Date,             // YYYYMMDD, 0 for none
        OptionalInteger,  // NULL when the record holds none
    };
    QString field;
    Kind kind;
    int insertAt;  // slot line, or parameter index for texts; -1 when not written
    int updateAt;
};

struct WriteResult {
    bool ok = false;
    qint64 key = -1;  // the record's key after the write (the new one for an insert)
    DbError error;
    bool duplicate() const { return error.isUniqueViolation(); }
};

// Writes records of a register through its insert and update templates: texts bound,
// numbers, dates and codes written by code. The key of an insert is the insert's own.
class RecordStore {
public:
    RecordStore(RegisterId id, QString insertName, QString updateName, QList<FieldSlot> fieldSlots,
                int updateKeyLine, int updateKeyParam = -1);

    WriteResult insert(TmyDataBase& database, const Record& record) const;
    // Updates the row whose key is oldKey (a number, or a text key bound as a parameter).
    WriteResult update(TmyDataBase& database, const Record& record, const QVariant& oldKey) const;

    static QString numberLiteral(double value);

private:
    friend class RecordInserter;
    void fill(class SqlTemplate& statement, const Record& record, bool forInsert) const;

    RegisterId m_id;
    QString m_insertName;
    QString m_updateName;
    QList<FieldSlot> m_slots;
    int m_updateKeyLine;
    int m_updateKeyParam;
};

class PreparedStatement;

// Inserts many records through a register's insert template prepared once: its slot lines
// hold placeholders that each record's values are bound to, the same values the store
// writes. The keys of the new rows are not read back. Consumption registers write to the
// table of the fuel kind current when the inserter is made.
class RecordInserter {
public:
    RecordInserter(TmyDataBase& database, const RecordStore& store);
    ~RecordInserter();
    RecordInserter(const RecordInserter&) = delete;
    RecordInserter& operator=(const RecordInserter&) = delete;

    DbError insert(const Record& record);

private:
    const RecordStore& m_store;
    QStringList m_placeholders;  // of each slot of the store
    std::unique_ptr<PreparedStatement> m_statement;
};
