#include "registers/uPrzebiegi.h"

#include "data/TmyDataBase.h"
#include "data/records/TimelineStores.h"
#include "registers/DateField.h"
#include "registers/DecimalField.h"
#include "registers/EditFlow.h"
#include "registers/LookupField.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

constexpr qint64 kInsertError = 311911;
constexpr qint64 kUpdateError = 511917;

QString field(const char* name) {
    return QString::fromLatin1(name);
}

}  // namespace

TfPrzebiegi::TfPrzebiegi(TmyDataBase& database, MessageService& messages, QWidget* parent)
    : RecordDialog(QStringLiteral("fPrzebiegi"), QStringLiteral("Bieżący przebieg"),
                   QStringLiteral("Informacja o aktualnym przebiegu - stan licznika"), messages,
                   parent),
      m_db(database) {
    m_date = dateField(QStringLiteral("fDATA"));
    m_date->edit()->setToolTip(QStringLiteral("Data odczytu licznika przebiegu"));
    m_date->edit()->setStatusTip(m_date->edit()->toolTip());
    m_vehicle = new LookupField(QStringLiteral("fNRREJ"));
    m_reading =
        decimalField(QStringLiteral("fLICZNIK"), 15, int(DecimalField::OnLeave::TwoDecimalsOrZero));
    m_reading->setToolTip(QStringLiteral("Stan licznika przebiegu w czasie odczytu"));
    m_reading->setStatusTip(m_reading->toolTip());
    m_remarks = textField(QStringLiteral("fUWAGI"), 254, QStringLiteral("Pozostałe informacje"));

    int row = 0;
    addRow(row++, 0, QStringLiteral("Data odczytu"), m_date);
    addRow(row++, 0, QStringLiteral("Wskaż pojazd"), m_vehicle);
    addRow(row++, 0, QStringLiteral("Stan licznika"), m_reading);
    addRow(row++, 0, QStringLiteral("Uwagi"), m_remarks, {}, 2);
}

void TfPrzebiegi::setRecord(const Record& r) {
    m_vehicle->setEntries(m_db.lookups().vehicles());
    m_key = r.value(field("IDPRZEBIEGI"));
    m_date->setText(dateText(r, field("DATA")));
    m_vehicle->setKey(r.value(field("IDPOJAZD")));
    m_reading->setValue(r.number(field("LICZNIK")));
    m_remarks->setText(r.text(field("UWAGI")));
    m_date->edit()->setFocus();
    m_date->edit()->selectAll();
}

Record TfPrzebiegi::record() const {
    Record r;
    r.set(field("IDPRZEBIEGI"), m_key);
    r.set(field("DATA"), m_date->dateNumber());
    r.set(field("IDPOJAZD"), m_vehicle->hasChoice() ? m_vehicle->key().toLongLong() : 0);
    r.set(field("LICZNIK"), m_reading->value().value_or(0.0));
    r.set(field("UWAGI"), m_remarks->text());
    return r;
}

bool TfPrzebiegi::checkFields() {
    m_reading->setValue(m_reading->value().value_or(0.0));
    if (!m_date->isValid())
        return refuse(QStringLiteral("Niepoprawny format daty. Popraw pole"), m_date->edit());
    if (!m_vehicle->hasChoice())
        return refuse(QStringLiteral("Nie wskazano pojazdu. Popraw pole"), m_vehicle->combo());
    return true;
}

namespace ReadingEditor {

RecordEditors::Outcome edit(const RecordEditors::Request& request) {
    TfPrzebiegi dialog(request.database, request.messages, request.parent);
    EditFlow flow;
    flow.id = RegisterId::Przebiegi;
    flow.insertErrorCode = kInsertError;
    flow.updateErrorCode = kUpdateError;
    flow.defaults = [] { return Record(); };
    flow.writeThrough(TimelineStores::readings(), QStringLiteral("IDPRZEBIEGI"));
    return flow.run(request, dialog);
}

}  // namespace ReadingEditor
