#include "admin/import/uImportZuzycie.h"

TfImportZuzycie::TfImportZuzycie(TmyDataBase& database, MessageService& messages,
                                 const QString& layoutsPath, QWidget* parent)
    : ImportWindow(ImportKind::Refuellings, database, messages, layoutsPath, parent) {
    setObjectName(QStringLiteral("TfImportZuzycie"));
}

TfImportZuzycieKm::TfImportZuzycieKm(TmyDataBase& database, MessageService& messages,
                                     const QString& layoutsPath, QWidget* parent)
    : ImportWindow(ImportKind::RefuellingsKm, database, messages, layoutsPath, parent) {
    setObjectName(QStringLiteral("TfImportZuzycieKm"));
}

TfImportZuzycieMth::TfImportZuzycieMth(TmyDataBase& database, MessageService& messages,
                                       const QString& layoutsPath, QWidget* parent)
    : ImportWindow(ImportKind::RefuellingsMth, database, messages, layoutsPath, parent) {
    setObjectName(QStringLiteral("TfImportZuzycieMth"));
}
