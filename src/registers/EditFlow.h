#pragma once

#include "data/records/RecordStore.h"
#include "shell/RecordEditors.h"

#include <functional>
#include <optional>

class RecordDialog;

// The flow every register's add, copy, edit, preview and hand-on share: fill the dialog,
// show it, test the register's unique key, write, and on a duplicate or a database
// error show the dialog again with the input as it was typed.
struct EditFlow {
    enum class KeyCheck { Free, Taken, Failed };

    RegisterId id;
    qint64 insertErrorCode = 0;
    qint64 updateErrorCode = 0;
    QString duplicateMessage;  // shown when the key is taken
    std::function<Record()> defaults;
    std::function<Record(const RecordEditors::HandOn&)> fromHandOn;
    // Whether the record's unique key is free; original is the edited row (null for new).
    std::function<KeyCheck(TmyDataBase&, const Record&, const Record* original)> checkKey;
    std::function<WriteResult(TmyDataBase&, const Record&, const Record* original)> write;
    std::function<QStringList(const Record&, const WriteResult&)> key;
    std::function<std::optional<RecordEditors::HandOn>(const Record&)> handOn;

    // Writing through a store whose table numbers its rows: an edit updates the row named
    // by keyField, an insert reads its own key back; the key locates the saved row and
    // goes into the values of a hand-on.
    void writeThrough(const RecordStore& store, const QString& keyField);
    // The register's unique key, table.field, a text or a number: a new record, or an
    // edit that changes it, is refused when another row has it; a test that fails is
    // reported under the code of the write it guards.
    void uniqueKey(const QString& table, const QString& field, bool numeric = false);

    RecordEditors::Outcome run(const RecordEditors::Request& request, RecordDialog& dialog) const;

private:
    KeyCheck testUniqueKey(TmyDataBase& database, const Record& record,
                           const Record* original) const;

    QString m_keyField;  // writeThrough()
    QString m_uniqueTable;
    QString m_uniqueField;
    bool m_uniqueNumeric = false;
};
