#pragma once

#include "admin/import/ImportWindow.h"

// "Import tankowania paliwa": the import window of the continuous consumption register.
class TfImportZuzycie : public ImportWindow {
    Q_OBJECT

public:
    TfImportZuzycie(TmyDataBase& database, MessageService& messages,
                    const QString& layoutsPath = ImportLayouts::defaultPath(),
                    QWidget* parent = nullptr);
};

// The same for the consumption counted by kilometres.
class TfImportZuzycieKm : public ImportWindow {
    Q_OBJECT

public:
    TfImportZuzycieKm(TmyDataBase& database, MessageService& messages,
                      const QString& layoutsPath = ImportLayouts::defaultPath(),
                      QWidget* parent = nullptr);
};

// The same for the consumption counted by engine hours.
class TfImportZuzycieMth : public ImportWindow {
    Q_OBJECT

public:
    TfImportZuzycieMth(TmyDataBase& database, MessageService& messages,
                       const QString& layoutsPath = ImportLayouts::defaultPath(),
                       QWidget* parent = nullptr);
};
