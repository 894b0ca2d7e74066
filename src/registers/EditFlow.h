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

    RecordEditors::Outcome run(const RecordEditors::Request& request, RecordDialog& dialog) const;
};
