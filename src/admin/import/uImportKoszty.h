#pragma once

#include "admin/import/ImportWindow.h"

// "Import kosztów": the import window of the costs.
class TfImportKoszty : public ImportWindow {
    Q_OBJECT

public:
    TfImportKoszty(TmyDataBase& database, MessageService& messages,
                   const QString& layoutsPath = ImportLayouts::defaultPath(),
                   QWidget* parent = nullptr);
};
