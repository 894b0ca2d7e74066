#include "registers/uTerminarz.h"

#include "data/TmyDataBase.h"
#include "data/records/TimelineStores.h"
#include "registers/DateField.h"
#include "registers/DecimalField.h"
#include "registers/DictionaryLibraryHook.h"
#include "registers/EditFlow.h"
#include "registers/LookupField.h"
#include "registers/SuggestedText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>

namespace {

const QString kKinds = QStringLiteral("RTERM");
const QString kContractors = QStringLiteral("KONTR");
constexpr qint64 kInsertError = 55002;
constexpr qint64 kUpdateError = 55003;

QString field(const char* name) {
    return QString::fromLatin1(name);
}

void hint(QWidget* widget, const QString& text) {
    widget->setToolTip(text);
    widget->setStatusTip(text);
}

}  // namespace

TfTerminarz::TfTerminarz(TmyDataBase& database, MessageService& messages, QWidget* parent)
    : RecordDialog(QStringLiteral("fTerminarz"), QStringLiteral("Edytuj termin"),
                   QStringLiteral("Edytuj termin"), messages, parent),
      m_db(database) {
    m_from = dateField(QStringLiteral("fDATAOD"));
    hint(m_from->edit(), QStringLiteral("Data od terminu"));
    m_to = dateField(QStringLiteral("fDATADO"));
    hint(m_to->edit(), QStringLiteral("Data do terminu"));
    m_watched = new QComboBox;
    m_watched->setObjectName(QStringLiteral("fSPRODDO"));
    m_watched->addItems({QStringLiteral("Datę do"), QStringLiteral("Datę od")});
    m_reminder = decimalField(QStringLiteral("fLICZTERM"), 15,
                              int(DecimalField::OnLeave::TwoDecimalsOrZero));
    hint(m_reminder, QStringLiteral("Informuj o terminie przy stanie licznika"));
    m_employee =
        new LookupField(QStringLiteral("fNREW"), QStringLiteral("Nie wskazuj żadnego pracownika"));
    hint(m_employee->combo(), QStringLiteral("Wybierz z kartoteki osobowej pracownika"));
    m_vehicle = new LookupField(QStringLiteral("fIDPOJAZDU"),
                                QStringLiteral("Nie wskazuj żadnego pojazdu"));
    hint(m_vehicle->combo(), QStringLiteral("Wskaż pojazd"));
    m_contractor = suggestedText(
        QStringLiteral("fKONTRAHENT"), 100, m_db, kContractors,
        [this] { return m_db.lookups().contractorSuggestions(); },
        QStringLiteral("Nie wskazuj żadnego kontrahenta"));
    hint(m_contractor->combo(), QStringLiteral("Wybierz kontrahenta"));
    m_kind = new LookupField(QStringLiteral("fRODZAJTERMINU"),
                             QStringLiteral("Nie wskazuj żadnego rodzaju"), true);
    hint(m_kind->combo(), QStringLiteral("Rodzaj terminu ze słownika klasyfikacji terminów"));
    m_description = textField(QStringLiteral("fOPIS"), 254, QStringLiteral("Opis terminu"));

    int row = 0;
    addRow(row, 0, QStringLiteral("Data od"), m_from);
    addRow(row++, 1, QStringLiteral("Data do"), m_to);
    addRow(row++, 0, QStringLiteral("Którą date uwzględnić przy sprawdzaniu terminów?"), m_watched);
    addRow(row++, 0, QStringLiteral("Termin przy stanie licznika"), m_reminder);
    addRow(row++, 0, QStringLiteral("Pracownik"), m_employee, {}, 2);
    addRow(row++, 0, QStringLiteral("Pojazd"), m_vehicle, {}, 2);
    addRow(row++, 0, QStringLiteral("Kontrahent"), m_contractor, {}, 2);
    addRow(row++, 0, QStringLiteral("Rodzaj terminu"), m_kind, {}, 2);
    addRow(row++, 0, QStringLiteral("Opis"), m_description, {}, 2);

    connect(m_kind, &LookupField::libraryRequested, this, [this] {
        DictionaryLibraryHook::open(this, m_db, kKinds);
        m_kind->setEntries(m_db.lookups().dictionary(kKinds));
    });
}

void TfTerminarz::reloadLists() {
    m_vehicle->setEntries(m_db.lookups().vehicles());
    m_kind->setEntries(m_db.lookups().dictionary(kKinds));
    m_employee->setEntries(m_db.lookups().persons());
    m_contractor->reload();
}

void TfTerminarz::setRecord(const Record& r) {
    reloadLists();
    m_key = r.value(field("IDTERMINU"));
    m_from->setText(dateText(r, field("DATAOD")));
    m_to->setText(dateText(r, field("DATADO")));
    m_watched->setCurrentIndex(r.text(field("SPRODDO")) == QLatin1String("O") ? StartDate
                                                                              : EndDate);
    // A new event shows "0"; a stored one its reading with two decimals.
    if (r.contains(field("LICZTERM")))
        m_reminder->setValue(r.number(field("LICZTERM")));
    else
        m_reminder->setText(QStringLiteral("0"));
    m_employee->setKey(personKey(r, QStringLiteral("NREW")));
    m_vehicle->setKey(r.value(field("IDPOJAZDU")));
    m_contractor->setText(r.text(field("KONTRAHENT")));
    m_kind->setKey(r.value(field("RODZAJTERMINU")));
    m_description->setText(r.text(field("OPIS")));
    m_from->edit()->setFocus();
}

Record TfTerminarz::record() const {
    Record r;
    r.set(field("IDTERMINU"), m_key);
    r.set(field("DATAOD"), m_from->dateNumber());
    r.set(field("DATADO"), m_to->dateNumber());
    r.set(field("RODZAJTERMINU"), m_kind->hasChoice() ? m_kind->key().toLongLong() : 0);
    r.set(field("IDPOJAZDU"), m_vehicle->hasChoice() ? m_vehicle->key().toLongLong() : 0);
    r.set(field("SPRODDO"),
          m_watched->currentIndex() == StartDate ? QStringLiteral("O") : QStringLiteral("D"));
    // No employee is the empty text the list joins on, never "0".
    r.set(field("NREW"), m_employee->hasChoice() ? m_employee->key().toString() : QString());
    r.set(field("KONTRAHENT"), m_contractor->text());
    r.set(field("OPIS"), m_description->text());
    r.set(field("LICZTERM"), m_reminder->value().value_or(0.0));
    return r;
}

bool TfTerminarz::checkFields() {
    m_reminder->setValue(m_reminder->value().value_or(0.0));
    if (!m_from->isValid())
        return refuse(QStringLiteral("Niepoprawny format daty od. Popraw pole"), m_from->edit());
    if (!m_to->isValid())
        return refuse(QStringLiteral("Niepoprawny format daty do. Popraw pole"), m_to->edit());
    if (m_to->dateNumber() < m_from->dateNumber())
        return refuse(QStringLiteral("Data od większa niż data do. Popraw pola"), m_from->edit());
    return true;
}

namespace ScheduleEditor {

RecordEditors::Outcome edit(const RecordEditors::Request& request) {
    TfTerminarz dialog(request.database, request.messages, request.parent);
    EditFlow flow;
    flow.id = RegisterId::Terminarz;
    flow.insertErrorCode = kInsertError;
    flow.updateErrorCode = kUpdateError;
    flow.defaults = [] { return Record(); };
    flow.writeThrough(TimelineStores::schedule(), QStringLiteral("IDTERMINU"));
    return flow.run(request, dialog);
}

}  // namespace ScheduleEditor
