// The main window's part in the administration windows: the imports, the options; what
// the main window shows after each.
#include "admin/import/ImportWindow.h"
#include "admin/import/uImportKoszty.h"
#include "admin/import/uImportZuzycie.h"
#include "admin/uOpcjeProgramu.h"
#include "data/TmyDataBase.h"
#include "shell/RegisterGrid.h"
#include "shell/RegisterPage.h"
#include "shell/ReportsPage.h"
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

void TfMain::openOptions() {
    TfOpcjeProgramu options(m_config, m_settings, m_messages, {}, this);
    options.exec();
    // However it was closed: the reports start from the option again.
    m_reports->setIssueDateShown(m_config.cbRapData);
    m_reports->refresh();
    showStartPage();
}
