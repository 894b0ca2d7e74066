#include "registers/uSzkody.h"

#include "data/ListModel.h"
#include "data/TmyDataBase.h"
#include "data/records/RecordStores.h"
#include "registers/DateField.h"
#include "registers/DecimalField.h"
#include "registers/EditFlow.h"
#include "registers/LookupField.h"
#include "registers/VatCalculator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

using OnLeave = DecimalField::OnLeave;

}  // namespace

TfSzkody::TfSzkody(TmyDataBase& database, MessageService& messages, QWidget* parent)
    : RecordDialog(QStringLiteral("fSzkody"), QStringLiteral("Opis szkody - stłuczki"),
                   QStringLiteral("Informacja o szkodzie, stłuczce"), messages, parent),
      m_db(database) {
    m_date = dateField(QStringLiteral("fDATA"));
    m_vehicle = new LookupField(QStringLiteral("fNRREJ"));
    m_driver = new LookupField(QStringLiteral("fIDKIEROWCY"),
                               QStringLiteral("Nie wskazuj żadnego kierowcy"));
    m_reading = decimalField(QStringLiteral("fLICZNIK"), 15, int(OnLeave::TwoDecimalsOrZero));
    m_description = textField(QStringLiteral("fOPIS"), 254);
    m_net = decimalField(QStringLiteral("fWARTNETTO"), 16, int(OnLeave::TwoDecimalsOrZero));
    m_rate = new QComboBox;
    m_rate->setObjectName(QStringLiteral("stawkaVAT"));
    m_vat = decimalField(QStringLiteral("fWARTVAT"), 16, int(OnLeave::TwoDecimalsOrZero));
    m_gross = decimalField(QStringLiteral("fWARTBRUTTO"), 16, int(OnLeave::TwoDecimalsOrZero));
    m_calculator = new VatCalculator(m_net, m_rate, m_vat, m_gross, this);
    m_remarks = textField(QStringLiteral("fUWAGI"), 254);

    int row = 0;
    addRow(row, 0, QStringLiteral("Data szkody"), m_date);
    addRow(row++, 1, QStringLiteral("Wskaż pojazd"), m_vehicle);
    addRow(row, 0, QStringLiteral("Stan licznika w trakcie zdarzenia"), m_reading,
           QStringLiteral("km"));
    addRow(row++, 1, QStringLiteral("Kierowca"), m_driver);
    auto* note =
        new QLabel(QStringLiteral("Jeśli brakuje kierowcy, dopisz go w kartotece osobowej"));
    note->setObjectName(QStringLiteral("brakKierowcyLabel"));
    note->setStyleSheet(QStringLiteral("color: #555;"));
    form()->addWidget(note, row++, 4, 1, 2);
    addRow(row++, 0, QStringLiteral("Opis zdarzenia"), m_description, {}, 2);
    addRow(row, 0, QStringLiteral("Wartość netto"), m_net, QStringLiteral("PLN"));
    addRow(row++, 1, QStringLiteral("Stawka VAT"), m_rate, QStringLiteral("%"));
    addRow(row, 0, QStringLiteral("Kwota VAT"), m_vat, QStringLiteral("PLN"));
    addRow(row++, 1, QStringLiteral("Wartość brutto"), m_gross, QStringLiteral("PLN"));
    addRow(row++, 0, QStringLiteral("Inne"), m_remarks, {}, 2);

    m_toCosts = addCostsOption(QStringLiteral("Dodaj powyższe dane do rejestru kosztów"));

    // A vehicle chosen brings its own driver when none is chosen yet.
    connect(m_vehicle, &LookupField::chosen, this, [this] {
        const QVariant driver = m_vehicle->extra().toList().value(0);
        if (!m_driver->hasChoice() && !driver.toString().isEmpty())
            m_driver->setKey(driver);
    });
}

void TfSzkody::reloadLists() {
    m_vehicle->setEntries(m_db.lookups().vehicles());
    m_driver->setEntries(m_db.lookups().persons());
    QStringList rates;
    for (const LookupEntry& entry : m_db.lookups().dictionary(QStringLiteral("STVAT")))
        rates << entry.text;
    m_calculator->setRates(rates);
}

void TfSzkody::setRecord(const Record& r) {
    reloadLists();
    m_key = r.value(QStringLiteral("IDSZKODY"));
    m_date->setText(dateText(r, QStringLiteral("DATA")));
    m_vehicle->setKey(r.value(QStringLiteral("IDPOJAZD")));
    m_driver->setKey(r.value(QStringLiteral("IDKIEROWCY")));
    m_reading->setValue(r.number(QStringLiteral("LICZNIK")));
    m_description->setText(r.text(QStringLiteral("OPIS")));
    {
        // The stored amounts are shown as they are, not recomputed from one another.
        const QSignalBlocker net(m_net), vat(m_vat), gross(m_gross);
        m_net->setValue(r.number(QStringLiteral("WARTNETTO")));
        m_vat->setValue(r.number(QStringLiteral("WARTVAT")));
        m_gross->setValue(r.number(QStringLiteral("WARTBRUTTO")));
    }
    m_remarks->setText(r.text(QStringLiteral("UWAGI")));
    m_toCosts->setChecked(false);
    m_date->edit()->setFocus();
}

Record TfSzkody::record() const {
    Record r;
    r.set(QStringLiteral("IDSZKODY"), m_key);
    r.set(QStringLiteral("IDPOJAZD"),
          m_vehicle->hasChoice() ? QVariant(m_vehicle->key().toLongLong()) : QVariant());
    r.set(QStringLiteral("DATA"), m_date->dateNumber());
    r.set(QStringLiteral("OPIS"), m_description->text());
    r.set(QStringLiteral("WARTNETTO"), m_net->value().value_or(0.0));
    r.set(QStringLiteral("WARTVAT"), m_vat->value().value_or(0.0));
    r.set(QStringLiteral("WARTBRUTTO"), m_gross->value().value_or(0.0));
    r.set(QStringLiteral("UWAGI"), m_remarks->text());
    r.set(QStringLiteral("IDKIEROWCY"),
          m_driver->hasChoice() ? m_driver->key().toString() : QString());
    r.set(QStringLiteral("LICZNIK"), m_reading->value().value_or(0.0));
    return r;
}

bool TfSzkody::checkFields() {
    m_reading->setValue(m_reading->value().value_or(0.0));
    if (m_date->isEmpty() || !m_date->isValid())
        return refuse(QStringLiteral("Niepoprawny format daty szkody. Popraw pole"),
                      m_date->edit());
    if (!m_vehicle->hasChoice())
        return refuse(QStringLiteral("Nie wskazano pojazdu. Popraw pole"), m_vehicle->combo());
    if (const auto problem = m_calculator->checkAmounts())
        return refuse(problem->message, problem->field);
    return true;
}

namespace DamageEditor {

RecordEditors::Outcome edit(const RecordEditors::Request& request) {
    TfSzkody dialog(request.database, request.messages, request.parent);
    dialog.allowCostHandOn(
        request.rights.test(size_t(Registers::get(RegisterId::Koszty).writeRight)));
    EditFlow flow;
    flow.id = RegisterId::Szkody;
    flow.insertErrorCode = 911808;
    // The repairs' update code (14) is not shared: a damage's update has its own.
    flow.updateErrorCode = 911809;
    flow.defaults = [] { return Record(); };
    flow.writeThrough(RecordStores::damages(), QStringLiteral("IDSZKODY"));
    flow.handOn = [&dialog](const Record& r) -> std::optional<RecordEditors::HandOn> {
        if (!dialog.handsOnToCosts())
            return std::nullopt;
        return RecordEditors::HandOn{RegisterId::Koszty, RegisterId::Szkody, r};
    };
    return flow.run(request, dialog);
}

}  // namespace DamageEditor
