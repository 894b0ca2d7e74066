#include "shell/RecordDeletion.h"

#include "data/ListModel.h"
#include "data/TmyDataBase.h"
#include "support/MessageService.h"

bool deleteCurrentRecord(TmyDataBase& database, ListModel& model, int row, bool ask,
                         MessageService& messages) {
    if (row < 0 || row >= model.rowCount())
        return false;
    if (ask && !messages.question(QStringLiteral("Pytanie"),
                                  QStringLiteral("Czy napewno usunąć zaznaczoną pozycję?")))
        return false;
    QStringList keys;
    for (const QString& field : model.descriptor().keyFields)
        keys << model.raw(row, field).toString();
    if (!database.deleteRecord(model.registerId(), keys))
        return false;
    database.refreshList(model.registerId(), model);
    return true;
}
