#include "registers/uOpony.h"

#include "data/ListModel.h"
#include "data/TmyDataBase.h"
#include "data/records/RecordStores.h"
#include "registers/DateField.h"
#include "registers/DecimalField.h"
#include "registers/DictionaryLibraryHook.h"
#include "registers/EditFlow.h"
#include "registers/LookupField.h"
#include "registers/VatCalculator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>

namespace {

using OnLeave = DecimalField::OnLeave;

const QString kKinds = QStringLiteral("RODOP");
const QString kSizes = QStringLiteral("ROZOP");

}  // namespace

TfOpony::TfOpony(TmyDataBase& database, MessageService& messages, QWidget* parent)
    : RecordDialog(QStringLiteral("fOpony"), QStringLiteral("Opony"),
                   QStringLiteral("Informacje o oponach"), messages, parent),
      m_db(database) {
    m_number = textField(QStringLiteral("fNREWID"), 30);
    m_quantity = decimalField(QStringLiteral("fILOSC"), 18, int(OnLeave::WholeNumber));
    m_make = textField(QStringLiteral("fMARKA"), 100);
    m_kind = new LookupField(QStringLiteral("fRODZAJ"),
                             QStringLiteral("Nie wskazuj żadnego rodzaju opony"), true);
    m_size = new LookupField(QStringLiteral("fROZMIAR"),
                             QStringLiteral("Nie wskazuj żadnego rozmiaru opony"), true);
    m_tread = textField(QStringLiteral("fBIEZNIK"), 100);
    m_maxMileage = decimalField(QStringLiteral("fPRZEBMAX"), 18, int(OnLeave::TwoDecimalsOrZero));
    m_features = textField(QStringLiteral("fCECHY"), 254);
    m_bought = dateField(QStringLiteral("fDATAZAKUPU"));
    m_document = textField(QStringLiteral("fNRDOKUMENTU"), 30);
    m_net = decimalField(QStringLiteral("fNETTO"), 18, int(OnLeave::TwoDecimalsOrZero));
    m_rate = new QComboBox;
    m_rate->setObjectName(QStringLiteral("stawkaVAT"));
    m_vat = decimalField(QStringLiteral("fVAT"), 18, int(OnLeave::TwoDecimalsOrZero));
    m_gross = decimalField(QStringLiteral("fBRUTTO"), 18, int(OnLeave::TwoDecimalsOrZero));
    m_calculator = new VatCalculator(m_net, m_rate, m_vat, m_gross, this);
    m_vehicle = new LookupField(QStringLiteral("fIDPOJAZDU"),
                                QStringLiteral("Nie wskazuj żadnego pojazdu"));
    m_change = dateField(QStringLiteral("fDATAWYMIANY"));
    m_stored = new QCheckBox(QStringLiteral("Czy w magazynie?"));
    m_stored->setObjectName(QStringLiteral("fMAGAZYN"));
    m_stored->setToolTip(QStringLiteral(
        "Zaznacz to pole jeśli opony zostały zdemontowane i są przechowywane w magazynie"));
    m_stored->setStatusTip(m_stored->toolTip());
    m_reminder = decimalField(QStringLiteral("fLICZTERM"), 15, int(OnLeave::TwoDecimalsOrZero));
    m_remarks = textField(QStringLiteral("fINNE"), 254);

    int row = 0;
    addRow(row, 0, QStringLiteral("Numer ewidencyjny"), m_number);
    addRow(row++, 1, QStringLiteral("Ilość opon (jeśli komplet)"), m_quantity);
    addRow(row, 0, QStringLiteral("Marka"), m_make);
    addRow(row++, 1, QStringLiteral("Rodzaj bieżnika"), m_tread);
    addRow(row, 0, QStringLiteral("Rodzaj opon(y)"), m_kind);
    addRow(row++, 1, QStringLiteral("Rozmiar opon(y)"), m_size);
    addRow(row, 0, QStringLiteral("Przebieg maksymalny"), m_maxMileage, QStringLiteral("km"));
    addRow(row++, 1, QStringLiteral("Cechy opon(y)"), m_features);
    addRow(row, 0, QStringLiteral("Data zakupu"), m_bought);
    addRow(row++, 1, QStringLiteral("Numer dokumentu zakupu"), m_document);
    addRow(row, 0, QStringLiteral("Wartość netto"), m_net, QStringLiteral("PLN"));
    addRow(row++, 1, QStringLiteral("Stawka VAT"), m_rate, QStringLiteral("%"));
    addRow(row, 0, QStringLiteral("Kwota VAT"), m_vat, QStringLiteral("PLN"));
    addRow(row++, 1, QStringLiteral("Wartość brutto"), m_gross, QStringLiteral("PLN"));
    addRow(row, 0, QStringLiteral("Przypisane do pojazdu"), m_vehicle);
    addRow(row++, 1, QStringLiteral("Data kolejnej wymiany"), m_change);
    form()->addWidget(m_stored, row, 1, 1, 2);
    addRow(row++, 1, QStringLiteral("Wymiana przy stanie licznika"), m_reminder,
           QStringLiteral("km"));
    addRow(row++, 0, QStringLiteral("Inne"), m_remarks, {}, 2);

    m_toCosts = addCostsOption(QStringLiteral("Dodaj powyższe dane do rejestru kosztów"));

    connect(m_kind, &LookupField::libraryRequested, this, [this] {
        DictionaryLibraryHook::open(this, m_db, kKinds);
        m_kind->setEntries(m_db.lookups().dictionary(kKinds));
    });
    connect(m_size, &LookupField::libraryRequested, this, [this] {
        DictionaryLibraryHook::open(this, m_db, kSizes);
        m_size->setEntries(m_db.lookups().dictionary(kSizes));
    });
}

Record TfOpony::defaults() {
    Record r;
    r.set(QStringLiteral("ILOSC"), 1);
    for (const char* field : {"RODZAJ", "ROZMIAR", "IDPOJAZDU", "DATAZAKUPU", "DATAWYMIANY"})
        r.set(QLatin1String(field), 0);
    for (const char* field : {"NETTO", "VAT", "BRUTTO"})
        r.set(QLatin1String(field), 0.0);
    r.set(QStringLiteral("MAGAZYN"), QStringLiteral("N"));
    return r;  // no reminder reading: the field shows "0"
}

Record TfOpony::fromHandOn(const RecordEditors::HandOn& handOn) {
    if (handOn.source != RegisterId::Koszty)
        return handOn.values;
    const Record& cost = handOn.values;
    Record r = defaults();
    r.set(QStringLiteral("DATAZAKUPU"), cost.value(QStringLiteral("DATA")));
    r.set(QStringLiteral("NETTO"), cost.value(QStringLiteral("WARTNETTO")));
    r.set(QStringLiteral("VAT"), cost.value(QStringLiteral("WARTVAT")));
    r.set(QStringLiteral("BRUTTO"), cost.value(QStringLiteral("WARTBRUTTO")));
    r.set(QStringLiteral("IDPOJAZDU"), cost.value(QStringLiteral("IDPOJAZD")));
    r.set(QStringLiteral("INNE"), cost.text(QStringLiteral("UWAGI")));
    return r;
}

void TfOpony::reloadLists() {
    m_kind->setEntries(m_db.lookups().dictionary(kKinds));
    m_size->setEntries(m_db.lookups().dictionary(kSizes));
    m_vehicle->setEntries(m_db.lookups().vehicles());
    QStringList rates;
    for (const LookupEntry& entry : m_db.lookups().dictionary(QStringLiteral("STVAT")))
        rates << entry.text;
    m_calculator->setRates(rates);
}

void TfOpony::setRecord(const Record& r) {
    reloadLists();
    m_key = r.value(QStringLiteral("IDOPONY"));
    m_number->setText(r.text(QStringLiteral("NREWID")));
    m_quantity->setText(QString::number(r.integer(QStringLiteral("ILOSC"))));
    m_make->setText(r.text(QStringLiteral("MARKA")));
    m_kind->setKey(r.value(QStringLiteral("RODZAJ")));
    m_size->setKey(r.value(QStringLiteral("ROZMIAR")));
    m_tread->setText(r.text(QStringLiteral("BIEZNIK")));
    m_maxMileage->setValue(r.number(QStringLiteral("PRZEBMAX")));
    m_features->setText(r.text(QStringLiteral("CECHY")));
    m_bought->setText(dateText(r, QStringLiteral("DATAZAKUPU")));
    m_document->setText(r.text(QStringLiteral("NRDOKUMENTU")));
    {
        // The stored amounts are shown as they are, not recomputed from one another.
        const QSignalBlocker net(m_net), vat(m_vat), gross(m_gross);
        m_net->setValue(r.number(QStringLiteral("NETTO")));
        m_vat->setValue(r.number(QStringLiteral("VAT")));
        m_gross->setValue(r.number(QStringLiteral("BRUTTO")));
    }
    m_vehicle->setKey(r.value(QStringLiteral("IDPOJAZDU")));
    m_change->setText(dateText(r, QStringLiteral("DATAWYMIANY")));
    m_stored->setChecked(r.flag(QStringLiteral("MAGAZYN")));
    if (r.contains(QStringLiteral("LICZTERM")))
        m_reminder->setValue(r.number(QStringLiteral("LICZTERM")));
    else
        m_reminder->setText(QStringLiteral("0"));
    m_remarks->setText(r.text(QStringLiteral("INNE")));
    m_toCosts->setChecked(false);
    m_number->setFocus();
}

qint64 TfOpony::quantity() const {
    const auto typed = m_quantity->value();
    // Anything but a whole number of at least one tyre counts as one.
    if (!typed || *typed != std::trunc(*typed) || *typed < 1)
        return 1;
    return qint64(*typed);
}

Record TfOpony::record() const {
    Record r;
    r.set(QStringLiteral("IDOPONY"), m_key);
    r.set(QStringLiteral("ILOSC"), quantity());
    r.set(QStringLiteral("RODZAJ"), m_kind->hasChoice() ? m_kind->key() : QVariant(0));
    r.set(QStringLiteral("ROZMIAR"), m_size->hasChoice() ? m_size->key() : QVariant(0));
    r.set(QStringLiteral("PRZEBMAX"), m_maxMileage->value().value_or(0.0));
    r.set(QStringLiteral("IDPOJAZDU"), m_vehicle->hasChoice() ? m_vehicle->key() : QVariant(0));
    r.set(QStringLiteral("DATAZAKUPU"), m_bought->dateNumber());
    r.set(QStringLiteral("NETTO"), m_net->value().value_or(0.0));
    r.set(QStringLiteral("VAT"), m_vat->value().value_or(0.0));
    r.set(QStringLiteral("BRUTTO"), m_gross->value().value_or(0.0));
    r.set(QStringLiteral("DATAWYMIANY"), m_change->dateNumber());
    r.set(QStringLiteral("NREWID"), m_number->text().trimmed());
    r.set(QStringLiteral("MARKA"), m_make->text());
    r.set(QStringLiteral("BIEZNIK"), m_tread->text());
    r.set(QStringLiteral("CECHY"), m_features->text());
    r.set(QStringLiteral("NRDOKUMENTU"), m_document->text());
    r.set(QStringLiteral("MAGAZYN"),
          m_stored->isChecked() ? QStringLiteral("T") : QStringLiteral("N"));
    r.set(QStringLiteral("INNE"), m_remarks->text());
    r.set(QStringLiteral("LICZTERM"), m_reminder->value().value_or(0.0));
    return r;
}

bool TfOpony::checkFields() {
    for (DecimalField* field : {m_reminder, m_maxMileage})
        field->setValue(field->value().value_or(0.0));
    // A quantity below one is raised to one rather than refused.
    m_quantity->setText(QString::number(quantity()));
    const std::pair<DateField*, const char*> dates[] = {
        {m_bought, "Niepoprawny format daty powstania kosztu. Popraw pole"},
        {m_change, "Niepoprawny format daty wymiany. Popraw pole"},
    };
    for (const auto& [field, message] : dates) {
        if (!field->isEmpty() && !field->isValid())
            return refuse(QString::fromUtf8(message), field->edit());
    }
    if (const auto problem = m_calculator->checkAmounts())
        return refuse(problem->message, problem->field);
    if (m_number->text().trimmed().isEmpty())
        return refuse(QStringLiteral("Nie podano numeru ewidencyjnego"), m_number);
    m_number->setText(m_number->text().trimmed());
    return true;
}

namespace TyreEditor {

RecordEditors::Outcome edit(const RecordEditors::Request& request) {
    TfOpony dialog(request.database, request.messages, request.parent);
    dialog.allowCostHandOn(
        request.rights.test(size_t(Registers::get(RegisterId::Koszty).writeRight)));
    EditFlow flow;
    flow.id = RegisterId::Opony;
    flow.insertErrorCode = 55107;
    flow.updateErrorCode = 55113;
    flow.duplicateMessage = QStringLiteral("Istnieje już taki numer ewidencyjny");
    flow.defaults = &TfOpony::defaults;
    flow.fromHandOn = &TfOpony::fromHandOn;
    flow.uniqueKey(QStringLiteral("opony"), QStringLiteral("NREWID"));
    flow.writeThrough(RecordStores::tyres(), QStringLiteral("IDOPONY"));
    flow.handOn = [&dialog](const Record& r) -> std::optional<RecordEditors::HandOn> {
        if (!dialog.handsOnToCosts())
            return std::nullopt;
        return RecordEditors::HandOn{RegisterId::Koszty, RegisterId::Opony, r};
    };
    return flow.run(request, dialog);
}

}  // namespace TyreEditor
