// The main window's record operations: add, copy, edit, the read-only preview, the
// printout of the current record, delete, and the hand-on of a saved record to another
// register's dialog.
#include "shell/uMain.h"

#include "data/TmyDataBase.h"
#include "output/RecordPrintout.h"
#include "output/report/ReportPreview.h"
#include "shell/CostsFilters.h"
#include "shell/FilterBar.h"
#include "shell/Navigation.h"
#include "shell/RecordDeletion.h"
#include "shell/RecordEditors.h"
#include "shell/RegisterGrid.h"
#include "shell/RegisterPage.h"
#include "shell/StartPage.h"
#include "support/MessageService.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>

void TfMain::runEditor(int mode, const RecordEditors::HandOn* handOn) {
    if (!m_current)
        return;
    const RegisterId id = *m_current;
    RegisterPage* p = page(id);
    if (!RecordEditors::has(id)) {
        m_messages.information(
            QStringLiteral("Informacja"),
            QStringLiteral("Okno edycji rejestru \"%1\" nie jest jeszcze dostępne.")
                .arg(Navigation::captionOf(id).trimmed()));
        return;
    }
    RecordEditors::Request request{this,
                                   m_db,
                                   m_messages,
                                   p->model(),
                                   p->grid()->currentRow(),
                                   RecordEditors::Mode(mode),
                                   m_rights,
                                   m_start->company(),
                                   handOn,
                                   {}};
    request.costs.remarkMustBeginWithNumber = m_config.poleInneJestLiczba;
    request.costs.kindChosenOnly = m_config.RodzajKosztuRO;
    FilterSelection costsList;
    page(RegisterId::Koszty)->costsFilters()->apply(&costsList);
    request.costs.fuelOnly = costsList.fuelOnly;
    request.costs.costCentre = costsList.costCentre;
    request.costs.roadCard = costsList.roadCard;
    const RecordEditors::Outcome outcome = RecordEditors::run(id, request);
    if (!outcome.saved)
        return;
    if (id == RegisterId::Pojazdy) {
        // A new vehicle shows under "(Wszystkie)"; an edited one keeps the chosen filter.
        if (RecordEditors::Mode(mode) != RecordEditors::Mode::Edit)
            m_filters->chooseVehicle(QString());
        m_filters->setVehicles(m_db.lookups().registrations());
        applyFilters();
    }
    relist(id);
    const int row = p->model().findRow(outcome.key);
    if (row >= 0)
        p->grid()->setCurrentRow(row);
    if (outcome.handOn)
        startHandOn(*outcome.handOn);
}

void TfMain::startHandOn(const RecordEditors::HandOn& handOn) {
    const RegisterDescriptor& target = Registers::get(handOn.target);
    if (!m_rights.test(size_t(target.writeRight))) {
        const QString table = target.isConsumption()
                                  ? QStringLiteral("Zuzycie Paliwa")
                                  : Navigation::captionOf(handOn.target).trimmed();
        m_messages.information(QStringLiteral("Informacja"),
                               QStringLiteral("Brak uprawnień do tabeli ") + table);
        return;
    }
    if (target.isConsumption()) {
        // The consumption registers work on the vehicle of the filter: the record's vehicle.
        m_db.setLpg(handOn.lpg);
        for (RegisterId id : {RegisterId::Zuzycie, RegisterId::ZuzycieKm, RegisterId::ZuzycieMth})
            page(id)->fuelKindList()->setCurrentIndex(handOn.lpg ? 1 : 0);
        for (const LookupEntry& vehicle : m_db.lookups().vehicles()) {
            if (vehicle.key.toLongLong() == handOn.values.integer(QStringLiteral("IDPOJAZD")))
                m_filters->chooseVehicle(vehicle.text);
        }
    }
    showRegister(handOn.target);
    runEditor(int(RecordEditors::Mode::HandOn), &handOn);
}

void TfMain::SBDodajClick() {
    if (!m_current || !m_recordActions[0]->isEnabled())
        return;
    const bool copy = m_copyFlag;
    m_copyFlag = false;
    runEditor(int(copy ? RecordEditors::Mode::Copy : RecordEditors::Mode::Add));
}

void TfMain::SBKopiujClick() {
    if (!m_current || !m_recordActions[3]->isEnabled())
        return;
    m_copyFlag = true;
    SBDodajClick();
}

void TfMain::SBEdytujClick() {
    if (!m_current || page(*m_current)->model().rowCount() == 0)
        return;
    // Without the write right Enter opens the read-only preview.
    runEditor(int(m_recordActions[1]->isEnabled() ? RecordEditors::Mode::Edit
                                                  : RecordEditors::Mode::Preview));
}

void TfMain::SBPodgladClick() {
    if (m_current && page(*m_current)->model().rowCount() > 0)
        runEditor(int(RecordEditors::Mode::Preview));
}

void TfMain::SBDrukujClick() {
    if (!m_current || page(*m_current)->model().rowCount() == 0)
        return;
    RegisterPage* p = page(*m_current);
    const ReportContext context =
        RecordPrintout::currentContext(m_db, m_companyLabel->text(), m_config);
    ReportPreview::showResult(
        RecordPrintout::prepare(m_db, p->model(), p->grid()->currentRow(), context), m_messages,
        this);
}

void TfMain::SBUsunClick() {
    if (!m_current || !m_recordActions[2]->isEnabled())
        return;
    RegisterPage* p = page(*m_current);
    const bool deleted = deleteCurrentRecord(m_db, p->model(), p->grid()->currentRow(),
                                             m_config.pytajPrzedKasowaniem, m_messages);
    if (*m_current == RegisterId::Pojazdy) {
        fillVehicleList();
        return;
    }
    if (deleted)
        relist(*m_current);
}
