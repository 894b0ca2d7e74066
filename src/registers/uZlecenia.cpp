#include "registers/uZlecenia.h"

#include "data/TmyDataBase.h"
#include "data/records/HoldingStores.h"
#include "data/registers/RegisterDescriptor.h"
#include "registers/DateField.h"
#include "registers/DictionaryLibraryHook.h"
#include "registers/EditFlow.h"
#include "registers/LookupField.h"
#include "registers/SuggestedText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

const QString kContractors = QStringLiteral("KONTR");
const QString kRoutes = QStringLiteral("TRASY");
const QString kWork = QStringLiteral("RPRAC");
constexpr qint64 kInsertError = 57002;
constexpr qint64 kUpdateError = 57003;

QString field(const char* name) {
    return QString::fromLatin1(name);
}

void hint(QWidget* widget, const QString& text) {
    widget->setToolTip(text);
    widget->setStatusTip(text);
}

}  // namespace

TfZlecenia::TfZlecenia(TmyDataBase& database, MessageService& messages, QWidget* parent)
    : RecordDialog(QStringLiteral("fZlecenia"), QStringLiteral("Edytuj Zlecenie"),
                   QStringLiteral("Edytuj zlecenie"), messages, parent),
      m_db(database) {
    m_number = textField(QStringLiteral("fNRDOKUMENTU"), 30);
    m_from = dateField(QStringLiteral("fDATAOD"));
    hint(m_from->edit(), QStringLiteral("Zlecenie na dzień od"));
    m_to = dateField(QStringLiteral("fDATADO"));
    hint(m_to->edit(), QStringLiteral("Zlecenie na dzień do"));
    m_employee =
        new LookupField(QStringLiteral("fNREW"), QStringLiteral("Nie wskazuj żadnego pracownika"));
    hint(m_employee->combo(), QStringLiteral("Pracownik, dla którego wystawiono zlecenie"));
    m_vehicle = new LookupField(QStringLiteral("fIDPOJAZDU"),
                                QStringLiteral("Nie wskazuj żadnego pojazdu"));
    m_contractor = suggestedText(
        QStringLiteral("fKONTRAHENT"), 100, m_db, kContractors,
        [this] { return m_db.lookups().contractorSuggestions(); },
        QStringLiteral("Nie wskazuj żadnego kontrahenta"));
    hint(m_contractor->combo(), QStringLiteral("Kontrahent, dla którego wystawiono zlecenie"));
    m_work = new LookupField(QStringLiteral("fRODZAJPRAC"),
                             QStringLiteral("Nie wskazuj żadnego rodzaju"), true);
    hint(m_work->combo(), QStringLiteral("Rodzaj pracy wykonywanej przez pojazd"));
    m_route = suggestedText(QStringLiteral("fTRASA"), 100, m_db, kRoutes,
                            [this] { return m_db.lookups().suggestions(kRoutes); });
    m_description = textField(QStringLiteral("fOPIS"), 254, QStringLiteral("Opis zlecenia"));

    int row = 0;
    addRow(row++, 0, QStringLiteral("Numer zlecenia"), m_number);
    addRow(row, 0, QStringLiteral("Data od"), m_from);
    addRow(row++, 1, QStringLiteral("Data do"), m_to);
    addRow(row++, 0, QStringLiteral("Pracownik"), m_employee);
    addRow(row++, 0, QStringLiteral("Wskaż pojazd"), m_vehicle);
    addRow(row++, 0, QStringLiteral("Kontrahent"), m_contractor, {}, 2);
    addRow(row++, 0, QStringLiteral("Rodzaj pracy"), m_work);
    addRow(row++, 0, QStringLiteral("Trasa"), m_route, {}, 2);
    addRow(row++, 0, QStringLiteral("Opis"), m_description, {}, 2);

    m_toSettlements = new QCheckBox(QStringLiteral("Dodaj powyższe dane do rozliczeń"));
    m_toSettlements->setObjectName(QStringLiteral("dodajDoRozliczen"));
    extras()->addWidget(m_toSettlements);

    connect(m_vehicle, &LookupField::chosen, this,
            [this] { m_vehicleCleared = !m_vehicle->hasChoice(); });
    connect(m_work, &LookupField::libraryRequested, this, [this] {
        DictionaryLibraryHook::open(this, m_db, kWork);
        m_work->setEntries(m_db.lookups().dictionary(kWork));
    });
}

void TfZlecenia::reloadLists() {
    m_vehicle->setEntries(m_db.lookups().vehicles());
    m_work->setEntries(m_db.lookups().dictionary(kWork));
    m_employee->setEntries(m_db.lookups().persons());
    m_route->reload();
    m_contractor->reload();
}

bool TfZlecenia::handsOnToSettlements() const {
    return m_settlementsAllowed && !isPreview() && m_toSettlements->isChecked();
}

void TfZlecenia::showEvent(QShowEvent* event) {
    // Set on every showing: leaving the preview enables every check box.
    m_toSettlements->setEnabled(m_settlementsAllowed && !isPreview());
    RecordDialog::showEvent(event);
}

void TfZlecenia::setRecord(const Record& r) {
    reloadLists();
    m_key = r.value(field("IDZLECENIA"));
    m_number->setText(r.text(field("NRDOKUMENTU")));
    m_from->setText(dateText(r, field("DATAOD")));
    m_to->setText(dateText(r, field("DATADO")));
    m_employee->setKey(personKey(r, field("NREW")));
    m_vehicle->setKey(r.value(field("IDPOJAZDU")));
    // An order saved without a vehicle (0) keeps that choice.
    m_vehicleCleared = !m_vehicle->hasChoice() && !r.isNull(field("IDPOJAZDU")) &&
                       r.integer(field("IDPOJAZDU")) == 0;
    m_contractor->setText(r.text(field("KONTRAHENT")));
    m_work->setKey(r.value(field("RODZAJPRAC")));
    m_route->setText(r.text(field("TRASA")));
    m_description->setText(r.text(field("OPIS")));
    m_toSettlements->setChecked(false);
    m_number->setFocus();
}

Record TfZlecenia::record() const {
    Record r;
    r.set(field("IDZLECENIA"), m_key);
    r.set(field("NRDOKUMENTU"), m_number->text().trimmed());
    r.set(field("DATAOD"), m_from->dateNumber());
    r.set(field("DATADO"), m_to->dateNumber());
    r.set(field("IDPOJAZDU"), m_vehicle->hasChoice() ? m_vehicle->key().toLongLong() : 0);
    r.set(field("RODZAJPRAC"), m_work->hasChoice() ? m_work->key().toLongLong() : 0);
    r.set(field("TRASA"), m_route->text());
    // No employee is the empty text the list joins on, never "0".
    r.set(field("NREW"), m_employee->hasChoice() ? m_employee->key().toString() : QString());
    r.set(field("KONTRAHENT"), m_contractor->text());
    r.set(field("OPIS"), m_description->text());
    return r;
}

bool TfZlecenia::checkFields() {
    // A number of blanks is no number: it would pass as a key that nobody can tell apart.
    if (m_number->text().trimmed().isEmpty())
        return refuse(QStringLiteral("Nie podano numeru zlecenia"), m_number);
    if (!m_vehicle->hasChoice() && !m_vehicleCleared)
        return refuse(QStringLiteral("Nie wskazano pojazdu. Popraw pole"), m_vehicle->combo());
    if (!m_from->isValid())
        return refuse(QStringLiteral("Niepoprawny format daty od. Popraw pole"), m_from->edit());
    if (!m_to->isValid())
        return refuse(QStringLiteral("Niepoprawny format daty do. Popraw pole"), m_to->edit());
    if (m_to->dateNumber() < m_from->dateNumber())
        return refuse(QStringLiteral("Data od większa niż data do. Popraw pola"), m_from->edit());
    return true;
}

namespace OrderEditor {

RecordEditors::Outcome edit(const RecordEditors::Request& request) {
    TfZlecenia dialog(request.database, request.messages, request.parent);
    // The hand-on writes a settlement: the settlements' right decides, not the orders'.
    dialog.allowSettlementHandOn(
        request.rights.test(size_t(Registers::get(RegisterId::Rozliczenia).writeRight)));
    EditFlow flow;
    flow.id = RegisterId::Zlecenia;
    flow.insertErrorCode = kInsertError;
    flow.updateErrorCode = kUpdateError;
    flow.duplicateMessage = QStringLiteral("Istnieje już taki numer zlecenia");
    flow.defaults = [] { return Record(); };
    flow.uniqueKey(QStringLiteral("zlecenia"), QStringLiteral("NRDOKUMENTU"));
    flow.writeThrough(HoldingStores::orders(), QStringLiteral("IDZLECENIA"));
    flow.handOn = [&dialog](const Record& r) -> std::optional<RecordEditors::HandOn> {
        if (!dialog.handsOnToSettlements())
            return std::nullopt;
        return RecordEditors::HandOn{RegisterId::Rozliczenia, RegisterId::Zlecenia, r};
    };
    return flow.run(request, dialog);
}

}  // namespace OrderEditor
