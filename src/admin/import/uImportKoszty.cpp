#include "admin/import/uImportKoszty.h"

TfImportKoszty::TfImportKoszty(TmyDataBase& database, MessageService& messages,
                               const QString& layoutsPath, QWidget* parent)
    : ImportWindow(ImportKind::Costs, database, messages, layoutsPath, parent) {
    setObjectName(QStringLiteral("TfImportKoszty"));
}
