#include "registers/uWyposazenie.h"

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

const QString kKinds = QStringLiteral("RDWYP");

QString field(const char* name) {
    return QString::fromLatin1(name);
}

void hint(QWidget* widget, const QString& text) {
    widget->setToolTip(text);
    widget->setStatusTip(text);
}

}  // namespace

TfWyposazenie::TfWyposazenie(TmyDataBase& database, MessageService& messages, QWidget* parent)
    : RecordDialog(QStringLiteral("fWyposazenie"), QStringLiteral("Wyposażenie"),
                   QStringLiteral("Element wyposażenia"), messages, parent),
      m_db(database) {
    const int twoDecimals = int(DecimalField::OnLeave::TwoDecimalsOrZero);
    m_date = dateField(QStringLiteral("fDATA"));
    hint(m_date->edit(), QStringLiteral("Data montażu elementu"));
    m_term = dateField(QStringLiteral("fTERMIN"));
    hint(m_term->edit(), QStringLiteral("Termin ważności elementu wyposażenia"));
    m_vehicle = new LookupField(QStringLiteral("fNRREJ"));
    m_reminder = decimalField(QStringLiteral("fLICZTERM"), 15, twoDecimals);
    hint(m_reminder,
         QStringLiteral("Informuj o terminie wymiany wyposażenia przy stanie licznika"));
    m_kind = suggestedText(QStringLiteral("fRODZAJ"), 100, m_db, kKinds,
                           [this] { return m_db.lookups().suggestions(kKinds); });
    m_description =
        textField(QStringLiteral("fOPIS"), 254, QStringLiteral("Opis elementu wyposażenia"));
    m_reading = decimalField(QStringLiteral("fLICZNIK"), 18, twoDecimals);
    hint(m_reading, QStringLiteral("Stan licznika w trakcie montażu elementu"));
    m_remarks = textField(QStringLiteral("fUWAGI"), 254, QStringLiteral("Pozostałe informacje"));

    int row = 0;
    addRow(row, 0, QStringLiteral("Data montażu"), m_date);
    addRow(row++, 1, QStringLiteral("Termin ważności"), m_term);
    addRow(row, 0, QStringLiteral("Wskaż pojazd"), m_vehicle);
    addRow(row++, 1, QStringLiteral("Termin przy stanie licznika"), m_reminder);
    addRow(row++, 0, QStringLiteral("Rodzaj wyposażenia"), m_kind, {}, 2);
    addRow(row++, 0, QStringLiteral("Opis elementu"), m_description, {}, 2);
    addRow(row++, 0, QStringLiteral("Stan licznika w trakcie montażu"), m_reading);
    addRow(row++, 0, QStringLiteral("Inne"), m_remarks, {}, 2);
}

void TfWyposazenie::setRecord(const Record& r) {
    m_vehicle->setEntries(m_db.lookups().vehicles());
    m_kind->reload();
    m_key = r.value(field("IDWYPOS"));
    m_date->setText(dateText(r, field("DATA")));
    m_term->setText(dateText(r, field("TERMIN")));
    m_vehicle->setKey(r.value(field("IDPOJAZD")));
    m_reminder->setValue(r.number(field("LICZTERM")));
    m_kind->setText(r.text(field("RODZAJ")));
    m_description->setText(r.text(field("OPIS")));
    m_reading->setValue(r.number(field("LICZNIK")));
    m_remarks->setText(r.text(field("UWAGI")));
    m_date->edit()->setFocus();
    m_date->edit()->selectAll();
}

Record TfWyposazenie::record() const {
    Record r;
    r.set(field("IDWYPOS"), m_key);
    r.set(field("DATA"), m_date->dateNumber());
    r.set(field("TERMIN"), m_term->dateNumber());
    r.set(field("IDPOJAZD"), m_vehicle->hasChoice() ? m_vehicle->key().toLongLong() : 0);
    r.set(field("LICZNIK"), m_reading->value().value_or(0.0));
    r.set(field("LICZTERM"), m_reminder->value().value_or(0.0));
    r.set(field("RODZAJ"), m_kind->text());
    r.set(field("OPIS"), m_description->text());
    r.set(field("UWAGI"), m_remarks->text());
    return r;
}

bool TfWyposazenie::checkFields() {
    for (DecimalField* f : {m_reading, m_reminder})
        f->setValue(f->value().value_or(0.0));
    if (!m_date->isValid())
        return refuse(
            QStringLiteral("Niepoprawny format daty montażu elementu wyposażenia. Popraw pole"),
            m_date->edit());
    if (!m_term->isEmpty() && !m_term->isValid())
        return refuse(
            QStringLiteral("Niepoprawny format terminu ważności elementu wyposażenia. Popraw pole"),
            m_term->edit());
    if (!m_vehicle->hasChoice())
        return refuse(QStringLiteral("Nie wskazano pojazdu. Popraw pole"), m_vehicle->combo());
    return true;
}

namespace EquipmentEditor {

RecordEditors::Outcome edit(const RecordEditors::Request& request) {
    TfWyposazenie dialog(request.database, request.messages, request.parent);
    EditFlow flow;
    flow.id = RegisterId::Wyposazenie;
    flow.insertErrorCode = 154;
    flow.updateErrorCode = 155;
    flow.defaults = [] { return Record(); };
    flow.writeThrough(HoldingStores::equipment(), QStringLiteral("IDWYPOS"));
    return flow.run(request, dialog);
}

}  // namespace EquipmentEditor
