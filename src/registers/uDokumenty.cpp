#include "registers/uDokumenty.h"

#include "data/TmyDataBase.h"
#include "data/records/HoldingStores.h"
#include "registers/DateField.h"
#include "registers/DecimalField.h"
#include "registers/EditFlow.h"
#include "registers/LookupField.h"
#include "registers/SuggestedText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>

namespace {

const QString kKinds = QStringLiteral("RDDOK");

QString field(const char* name) {
    return QString::fromLatin1(name);
}

void hint(QWidget* widget, const QString& text) {
    widget->setToolTip(text);
    widget->setStatusTip(text);
}

}  // namespace

TfDokumenty::TfDokumenty(TmyDataBase& database, MessageService& messages, QWidget* parent)
    : RecordDialog(QStringLiteral("fDokumenty"), QStringLiteral("Dokument"),
                   QStringLiteral("Dokument"), messages, parent),
      m_db(database) {
    m_date = dateField(QStringLiteral("fDATA"));
    m_term = dateField(QStringLiteral("fTERMIN"));
    hint(m_term->edit(), QStringLiteral("Termin ważności dokumentu"));
    // A reading that is no number stays as typed until saving.
    m_reminder =
        decimalField(QStringLiteral("fLICZTERM"), 15, int(DecimalField::OnLeave::TwoDecimals));
    hint(m_reminder, QStringLiteral("Informuj o dokumencie przy stanie licznika"));
    m_vehicle = new LookupField(QStringLiteral("fNRREJ"));
    m_kind = suggestedText(QStringLiteral("fRODZAJ"), 100, m_db, kKinds,
                           [this] { return m_db.lookups().suggestions(kKinds); });
    m_name = textField(QStringLiteral("fNAZWA"), 254, QStringLiteral("Nazwa dokumentu"));
    m_number = textField(QStringLiteral("fNUMER"), 30);
    m_description = textField(QStringLiteral("fOPIS"), 254, QStringLiteral("Opis dokumentu"));
    m_remarks = textField(QStringLiteral("fUWAGI"), 254, QStringLiteral("Pozostałe informacje"));

    int row = 0;
    addRow(row, 0, QStringLiteral("Data dokumentu"), m_date);
    addRow(row++, 1, QStringLiteral("Termin ważności"), m_term);
    addRow(row++, 1, QStringLiteral("Termin przy stanie licznika"), m_reminder);
    addRow(row++, 0, QStringLiteral("Wskaż pojazd"), m_vehicle);
    addRow(row++, 0, QStringLiteral("Rodzaj dokumentu"), m_kind, {}, 2);
    addRow(row++, 0, QStringLiteral("Nazwa"), m_name, {}, 2);
    addRow(row++, 0, QStringLiteral("Numer dokumentu"), m_number);
    addRow(row++, 0, QStringLiteral("Opis"), m_description, {}, 2);
    addRow(row++, 0, QStringLiteral("Inne"), m_remarks, {}, 2);
}

void TfDokumenty::setRecord(const Record& r) {
    m_vehicle->setEntries(m_db.lookups().vehicles());
    m_kind->reload();
    m_key = r.value(field("IDDOKUMENT"));
    m_date->setText(dateText(r, field("DATA")));
    m_term->setText(dateText(r, field("TERMIN")));
    // A new document starts with the reading "0"; a stored one shows two decimals.
    if (r.contains(field("LICZTERM")))
        m_reminder->setValue(r.number(field("LICZTERM")));
    else
        m_reminder->setText(QStringLiteral("0"));
    m_vehicle->setKey(r.value(field("IDPOJAZD")));
    m_kind->setText(r.text(field("RODZAJ")));
    m_name->setText(r.text(field("NAZWA")));
    m_number->setText(r.text(field("NUMER")));
    m_description->setText(r.text(field("OPIS")));
    m_remarks->setText(r.text(field("UWAGI")));
    m_date->edit()->setFocus();
    m_date->edit()->selectAll();
}

Record TfDokumenty::record() const {
    Record r;
    r.set(field("IDDOKUMENT"), m_key);
    r.set(field("DATA"), m_date->dateNumber());
    r.set(field("TERMIN"), m_term->dateNumber());
    r.set(field("IDPOJAZD"), m_vehicle->hasChoice() ? m_vehicle->key().toLongLong() : 0);
    r.set(field("LICZTERM"), m_reminder->value().value_or(0.0));
    r.set(field("RODZAJ"), m_kind->text());
    r.set(field("NAZWA"), m_name->text());
    r.set(field("OPIS"), m_description->text());
    r.set(field("UWAGI"), m_remarks->text());
    r.set(field("NUMER"), m_number->text());
    return r;
}

bool TfDokumenty::checkFields() {
    m_reminder->setValue(m_reminder->value().value_or(0.0));
    if (!m_date->isValid())
        return refuse(QStringLiteral("Niepoprawny format daty dokumentu. Popraw pole"),
                      m_date->edit());
    if (!m_term->isEmpty() && !m_term->isValid())
        return refuse(QStringLiteral("Niepoprawny format terminu ważności dokumentu. Popraw pole"),
                      m_term->edit());
    if (!m_vehicle->hasChoice())
        return refuse(QStringLiteral("Nie wskazano pojazdu. Popraw pole"), m_vehicle->combo());
    return true;
}

namespace DocumentEditor {

RecordEditors::Outcome edit(const RecordEditors::Request& request) {
    TfDokumenty dialog(request.database, request.messages, request.parent);
    EditFlow flow;
    flow.id = RegisterId::Dokumenty;
    flow.insertErrorCode = 89;
    flow.updateErrorCode = 87;
    flow.defaults = [] { return Record(); };
    flow.writeThrough(HoldingStores::documents(), QStringLiteral("IDDOKUMENT"));
    return flow.run(request, dialog);
}

}  // namespace DocumentEditor
