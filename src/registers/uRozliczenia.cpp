#include "registers/uRozliczenia.h"

#include "data/DisplayFormat.h"
#include "data/TmyDataBase.h"
#include "data/records/TripStores.h"
#include "registers/DateField.h"
#include "registers/DecimalField.h"
#include "registers/DictionaryLibraryHook.h"
#include "registers/EditFlow.h"
#include "registers/LookupField.h"
#include "registers/SuggestedText.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLineEdit>

namespace {

const QString kContractors = QStringLiteral("KONTR");
const QString kRoutes = QStringLiteral("TRASY");
const QString kWork = QStringLiteral("RPRAC");
constexpr qint64 kInsertError = 56002;
constexpr qint64 kUpdateError = 56003;

QString field(const char* name) {
    return QString::fromLatin1(name);
}

}  // namespace

TfRozliczenia::TfRozliczenia(TmyDataBase& database, MessageService& messages, QWidget* parent)
    : RecordDialog(QStringLiteral("fRozliczenia"),
                   QStringLiteral("Edytuj informacje o rozliczeniu"),
                   QStringLiteral("Edytuj informacje o rozliczeniach"), messages, parent),
      m_db(database) {
    const int twoDecimals = int(DecimalField::OnLeave::TwoDecimalsOrZero);
    m_number = textField(QStringLiteral("fNRDOKUMENTU"), 30);
    m_from = dateField(QStringLiteral("fDATAOD"));
    m_to = dateField(QStringLiteral("fDATADO"));
    m_employee =
        new LookupField(QStringLiteral("fNREW"), QStringLiteral("Nie wskazuj żadnego pracownika"));
    m_vehicle = new LookupField(QStringLiteral("fIDPOJAZDU"),
                                QStringLiteral("Nie wskazuj żadnego pojazdu"));
    m_contractor = suggestedText(
        QStringLiteral("fKONTRAHENT"), 100, m_db, kContractors,
        [this] { return m_db.lookups().contractorSuggestions(); },
        QStringLiteral("Nie wskazuj żadnego kontrahenta"));
    m_work = new LookupField(QStringLiteral("fRODZAJPRAC"),
                             QStringLiteral("Nie wskazuj żadnego rodzaju"), true);
    m_route = suggestedText(QStringLiteral("fTRASA"), 100, m_db, kRoutes,
                            [this] { return m_db.lookups().suggestions(kRoutes); });
    m_description = textField(QStringLiteral("fOPIS"), 254);
    m_hours = decimalField(QStringLiteral("fGODZINY"), 18, twoDecimals);
    m_rate = decimalField(QStringLiteral("fSTAWKA"), 18, twoDecimals);

    int row = 0;
    addRow(row++, 0, QStringLiteral("Numer dokumentu"), m_number);
    addRow(row, 0, QStringLiteral("Data od"), m_from);
    addRow(row++, 1, QStringLiteral("Data do"), m_to);
    addRow(row++, 0, QStringLiteral("Pracownik"), m_employee);
    addRow(row++, 0, QStringLiteral("Wskaż pojazd"), m_vehicle);
    addRow(row++, 0, QStringLiteral("Kontrahent"), m_contractor, {}, 2);
    addRow(row++, 0, QStringLiteral("Rodzaj pracy"), m_work);
    addRow(row++, 0, QStringLiteral("Trasa"), m_route, {}, 2);
    addRow(row++, 0, QStringLiteral("Opis"), m_description, {}, 2);
    addRow(row, 0, QStringLiteral("Ilość przepracowanych godzin"), m_hours);
    addRow(row++, 1, QStringLiteral("Stawka"), m_rate);

    m_vehicle->combo()->installEventFilter(this);
    connect(m_vehicle, &LookupField::chosen, this, &TfRozliczenia::vehicleChosen);
    // What the library added to either list is offered in both.
    connect(m_contractor, &SuggestedText::libraryClosed, m_route, &SuggestedText::reload);
    connect(m_route, &SuggestedText::libraryClosed, m_contractor, &SuggestedText::reload);
    connect(m_work, &LookupField::libraryRequested, this, [this] {
        DictionaryLibraryHook::open(this, m_db, kWork);
        m_work->setEntries(m_db.lookups().dictionary(kWork));
    });
}

void TfRozliczenia::reloadLists() {
    m_vehicle->setEntries(m_db.lookups().vehicles());
    m_work->setEntries(m_db.lookups().dictionary(kWork));
    m_employee->setEntries(m_db.lookups().persons());
    m_contractor->reload();
    m_route->reload();
}

void TfRozliczenia::takeVehicleRate() {
    if (!m_vehicle->hasChoice() || isPreview())
        return;
    // The vehicle's extra is {IDKIEROWCY, STAWKA}; the rate is taken as stored.
    const QVariant rate = m_vehicle->extra().toList().value(1);
    m_rate->setText(DisplayFormat().general(rate.isNull() ? 0.0 : rate.toDouble()));
}

void TfRozliczenia::vehicleChosen() {
    m_vehicleCleared = !m_vehicle->hasChoice();
    takeVehicleRate();
}

bool TfRozliczenia::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_vehicle->combo() && event->type() == QEvent::FocusOut && isVisible())
        takeVehicleRate();
    return RecordDialog::eventFilter(watched, event);
}

Record TfRozliczenia::defaults() {
    Record r;
    r.set(field("GODZINY"), 0.0);
    r.set(field("STAWKA"), 0.0);
    return r;
}

Record TfRozliczenia::fromHandOn(const RecordEditors::HandOn& handOn) {
    Record r = defaults();
    if (handOn.source != RegisterId::Zlecenia)
        return r;
    // The order's own key stays behind: the settlement is a new record.
    for (const char* name : {"NRDOKUMENTU", "DATAOD", "DATADO", "IDPOJAZDU", "RODZAJPRAC", "TRASA",
                             "OPIS", "NREW", "KONTRAHENT"})
        r.set(field(name), handOn.values.value(field(name)));
    return r;
}

void TfRozliczenia::setRecord(const Record& r) {
    reloadLists();
    m_key = r.value(field("IDROZLICZENIA"));
    m_number->setText(r.text(field("NRDOKUMENTU")));
    m_from->setText(dateText(r, field("DATAOD")));
    m_to->setText(dateText(r, field("DATADO")));
    m_employee->setKey(personKey(r, field("NREW")));
    m_vehicle->setKey(r.value(field("IDPOJAZDU")));
    // A settlement saved without a vehicle (0) keeps that choice.
    m_vehicleCleared = !m_vehicle->hasChoice() && !r.isNull(field("IDPOJAZDU")) &&
                       r.integer(field("IDPOJAZDU")) == 0;
    m_contractor->setText(r.text(field("KONTRAHENT")));
    m_work->setKey(r.value(field("RODZAJPRAC")));
    m_route->setText(r.text(field("TRASA")));
    m_description->setText(r.text(field("OPIS")));
    m_hours->setValue(r.number(field("GODZINY")));
    m_rate->setValue(r.number(field("STAWKA")));
    m_number->setFocus();
}

Record TfRozliczenia::record() const {
    Record r;
    r.set(field("IDROZLICZENIA"), m_key);
    r.set(field("NRDOKUMENTU"), m_number->text().trimmed());
    r.set(field("DATAOD"), m_from->dateNumber());
    r.set(field("DATADO"), m_to->dateNumber());
    r.set(field("IDPOJAZDU"), m_vehicle->hasChoice() ? m_vehicle->key().toLongLong() : 0);
    r.set(field("GODZINY"), m_hours->value().value_or(0.0));
    r.set(field("STAWKA"), m_rate->value().value_or(0.0));
    r.set(field("RODZAJPRAC"), m_work->hasChoice() ? m_work->key().toLongLong() : 0);
    r.set(field("TRASA"), m_route->text());
    // No employee is the empty text the list joins on, never "0".
    r.set(field("NREW"), m_employee->hasChoice() ? m_employee->key().toString() : QString());
    r.set(field("KONTRAHENT"), m_contractor->text());
    r.set(field("OPIS"), m_description->text());
    return r;
}

bool TfRozliczenia::checkFields() {
    for (DecimalField* f : {m_hours, m_rate})
        f->setValue(f->value().value_or(0.0));
    if (m_number->text().trimmed().isEmpty())
        return refuse(QStringLiteral("Nie podano numeru dokumentu rozliczeniowego"), m_number);
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

namespace SettlementEditor {

RecordEditors::Outcome edit(const RecordEditors::Request& request) {
    TfRozliczenia dialog(request.database, request.messages, request.parent);
    EditFlow flow;
    flow.id = RegisterId::Rozliczenia;
    flow.insertErrorCode = kInsertError;
    flow.updateErrorCode = kUpdateError;
    flow.duplicateMessage = QStringLiteral("Istnieje już taki numer dokumentu");
    flow.defaults = &TfRozliczenia::defaults;
    flow.fromHandOn = &TfRozliczenia::fromHandOn;
    flow.uniqueKey(QStringLiteral("rozliczenia"), QStringLiteral("NRDOKUMENTU"));
    flow.writeThrough(TripStores::settlements(), QStringLiteral("IDROZLICZENIA"));
    return flow.run(request, dialog);
}

}  // namespace SettlementEditor
