// The main window's part in the imports: the windows and the register shown afterwards.
#include "admin/import/ImportWindow.h"
#include "admin/import/uImportKoszty.h"
#include "admin/import/uImportZuzycie.h"
#include "data/TmyDataBase.h"
#include "shell/RegisterGrid.h"
#include "shell/RegisterPage.h"
#include "shell/uMain.h"

#include <QComboBox>

void TfMain::openImport(int kind) {
    ImportWindow*& window = m_imports.at(size_t(kind));
    if (!window) {
        switch (ImportKind(kind)) {
            case ImportKind::Costs:
                window = new TfImportKoszty(m_db, m_messages, ImportLayouts::defaultPath(), this);
                break;
            case ImportKind::Refuellings:
                window = new TfImportZuzycie(m_db, m_messages, ImportLayouts::defaultPath(), this);
                break;
            case ImportKind::RefuellingsKm:
                window =
                    new TfImportZuzycieKm(m_db, m_messages, ImportLayouts::defaultPath(), this);
                break;
            case ImportKind::RefuellingsMth:
                window =
                    new TfImportZuzycieMth(m_db, m_messages, ImportLayouts::defaultPath(), this);
                break;
        }
    }
    window->exec();
    const RegisterId id = ImportFields::registerOf(ImportKind(kind));
    // A refuelling register shows its liquid fuel again, whatever table the rows went to.
    if (QComboBox* fuelKind = page(id)->fuelKindList()) {
        fuelKind->setCurrentIndex(0);
        m_db.setLpg(id, false);
    }
    showRegister(id);
}
