#include "registers/RegisterEditorsInstall.h"

#include "registers/uBiblioteka.h"
#include "registers/uCenyPaliw.h"
#include "registers/uDokumenty.h"
#include "registers/uFirma.h"
#include "registers/uKDrogowe.h"
#include "registers/uKPaliwowe.h"
#include "registers/uKoszty.h"
#include "registers/uMagazyn.h"
#include "registers/uNaprawy.h"
#include "registers/uOpony.h"
#include "registers/uOsobowa.h"
#include "registers/uPojazdy.h"
#include "registers/uPrzebiegi.h"
#include "registers/uPrzejazdy.h"
#include "registers/uRozliczenia.h"
#include "registers/uStawki.h"
#include "registers/uSzkody.h"
#include "registers/uTerminarz.h"
#include "registers/uWyposazenie.h"
#include "registers/uZlecenia.h"
#include "registers/uZuzycie.h"
#include "shell/PageWindows.h"
#include "shell/RecordEditors.h"
#include "support/MessageService.h"

namespace {

// The rights of the library and of the company data: reading, then changing.
constexpr size_t kLibraryRead = 18;
constexpr size_t kLibraryWrite = 19;
constexpr size_t kCompanyRead = 22;
constexpr size_t kCompanyWrite = 23;

bool refused(const PageWindows::Request& request, size_t right, const QString& table) {
    if (request.rights.test(right))
        return false;
    request.messages.information(QStringLiteral("Informacja"),
                                 QStringLiteral("Brak uprawnień do tabeli ") + table);
    return true;
}

}  // namespace

void installRegisterEditors(MessageService& messages, std::function<std::bitset<101>()> rights,
                            std::function<bool()> askBeforeDelete) {
    RecordEditors::install(RegisterId::Pojazdy, &VehicleEditor::edit);
    RecordEditors::install(RegisterId::Osobowa, &PersonEditor::edit);
    RecordEditors::install(RegisterId::Koszty, &CostEditor::edit);
    RecordEditors::install(RegisterId::Naprawy, &RepairEditor::edit);
    RecordEditors::install(RegisterId::Szkody, &DamageEditor::edit);
    RecordEditors::install(RegisterId::Opony, &TyreEditor::edit);
    for (RegisterId id : {RegisterId::Zuzycie, RegisterId::ZuzycieKm, RegisterId::ZuzycieMth})
        RecordEditors::install(id, &RefuellingEditor::edit);
    RecordEditors::install(RegisterId::CenyPaliw, &FuelPriceEditor::edit);
    RecordEditors::install(RegisterId::Przejazdy, &TripEditor::edit);
    RecordEditors::install(RegisterId::Stawki, &RateEditor::edit);
    RecordEditors::install(RegisterId::Rozliczenia, &SettlementEditor::edit);
    RecordEditors::install(RegisterId::KDrogowe, &RoadCardEditor::edit);
    RecordEditors::install(RegisterId::KPaliwowe, &FuelCardEditor::edit);
    RecordEditors::install(RegisterId::Zlecenia, &OrderEditor::edit);
    RecordEditors::install(RegisterId::Dokumenty, &DocumentEditor::edit);
    RecordEditors::install(RegisterId::Wyposazenie, &EquipmentEditor::edit);
    RecordEditors::install(RegisterId::Magazyn, &StoreEditor::edit);
    RecordEditors::install(RegisterId::Terminarz, &ScheduleEditor::edit);
    RecordEditors::install(RegisterId::Przebiegi, &ReadingEditor::edit);

    PageWindows::install(Navigation::Page::Library, [](const PageWindows::Request& request) {
        if (!refused(request, kLibraryRead, QStringLiteral("Biblioteka")))
            TfBiblioteka::open(request.parent, request.database, request.messages, QString(),
                               request.rights.test(kLibraryWrite), request.askBeforeDelete);
        return false;
    });
    PageWindows::install(Navigation::Page::CompanyData, [](const PageWindows::Request& request) {
        if (refused(request, kCompanyRead, QStringLiteral("Dane Firmy")))
            return false;
        return TfFirma::edit(request.parent, request.database, request.messages,
                             request.rights.test(kCompanyWrite));
    });
    TfBiblioteka::installAsLibraryHook(messages, [rights, askBeforeDelete] {
        const std::bitset<101> now = rights();
        return TfBiblioteka::Access{now.test(kLibraryRead), now.test(kLibraryWrite),
                                    askBeforeDelete()};
    });
}
