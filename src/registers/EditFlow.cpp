#include "registers/EditFlow.h"

#include "data/ListModel.h"
#include "data/TmyDataBase.h"
#include "registers/RecordDialog.h"
#include "support/MessageService.h"

void EditFlow::writeThrough(const RecordStore& store, const QString& keyField) {
    m_keyField = keyField;
    write = [&store, keyField](TmyDataBase& db, const Record& r, const Record* original) {
        return original ? store.update(db, r, original->value(keyField)) : store.insert(db, r);
    };
    key = [](const Record&, const WriteResult& result) {
        return QStringList{QString::number(result.key)};
    };
}

void EditFlow::uniqueKey(const QString& table, const QString& field, bool numeric) {
    m_uniqueTable = table;
    m_uniqueField = field;
    m_uniqueNumeric = numeric;
}

EditFlow::KeyCheck EditFlow::testUniqueKey(TmyDataBase& db, const Record& record,
                                           const Record* original) const {
    const qint64 code = original ? updateErrorCode : insertErrorCode;
    TmyDataBase::Existence found;
    if (m_uniqueNumeric) {
        const qint64 value = record.integer(m_uniqueField);
        if (original && original->integer(m_uniqueField) == value)
            return KeyCheck::Free;
        found = db.exists(m_uniqueTable, m_uniqueField, value, code);
    } else {
        const QString value = record.text(m_uniqueField);
        if (original && original->text(m_uniqueField) == value)
            return KeyCheck::Free;
        found = db.exists(m_uniqueTable, m_uniqueField, value, code);
    }
    switch (found) {
        case TmyDataBase::Existence::No:
            return KeyCheck::Free;
        case TmyDataBase::Existence::Yes:
            return KeyCheck::Taken;
        case TmyDataBase::Existence::Failed:
            break;
    }
    return KeyCheck::Failed;
}

RecordEditors::Outcome EditFlow::run(const RecordEditors::Request& request,
                                     RecordDialog& dialog) const {
    using Mode = RecordEditors::Mode;
    RecordEditors::Outcome outcome;
    Record initial;
    switch (request.mode) {
        case Mode::Add:
            initial = defaults();
            break;
        case Mode::HandOn:
            if (!request.handOn || !fromHandOn)
                return outcome;
            initial = fromHandOn(*request.handOn);
            break;
        case Mode::Copy:
        case Mode::Edit:
        case Mode::Preview:
            if (request.row < 0 || request.row >= request.model.rowCount())
                return outcome;
            initial = Record::fromRow(request.model, request.row);
            break;
    }
    dialog.setRecord(initial);
    dialog.setPreview(request.mode == Mode::Preview);
    const Record* original = request.mode == Mode::Edit ? &initial : nullptr;
    while (dialog.run()) {
        const Record record = dialog.record();
        if (checkKey || !m_uniqueTable.isEmpty()) {
            const KeyCheck check = checkKey ? checkKey(request.database, record, original)
                                            : testUniqueKey(request.database, record, original);
            if (check == KeyCheck::Taken)
                request.messages.information(QStringLiteral("Uwaga"), duplicateMessage);
            if (check != KeyCheck::Free)
                continue;  // the failed test has been reported; nothing is saved
        }
        const WriteResult result = write(request.database, record, original);
        if (!result.ok) {
            // Another computer may have saved the same key a moment ago.
            if (result.duplicate() && !duplicateMessage.isEmpty())
                request.messages.information(QStringLiteral("Uwaga"), duplicateMessage);
            else
                request.database.errorReport().report(result.error,
                                                      original ? updateErrorCode : insertErrorCode);
            continue;
        }
        outcome.saved = true;
        outcome.key = key(record, result);
        if (handOn)
            outcome.handOn = handOn(record);
        // A new or copied record learns its key only from the write.
        if (outcome.handOn && !m_keyField.isEmpty())
            outcome.handOn->values.set(m_keyField, result.key);
        return outcome;
    }
    return outcome;
}
