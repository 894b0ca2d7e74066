#include "registers/uPojazdy.h"

#include "data/ListModel.h"
#include "data/TmyDataBase.h"
#include "data/records/RecordStores.h"
#include "registers/DateField.h"
#include "registers/DecimalField.h"
#include "registers/DictionaryLibraryHook.h"
#include "registers/EditFlow.h"
#include "registers/LookupField.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <cmath>

namespace {

using OnLeave = DecimalField::OnLeave;

}  // namespace

QStringList TfPojazdy::statusNames() {
    return {QStringLiteral("Aktywny"),    QStringLiteral("Nieaktywny"), QStringLiteral("Sprzedany"),
            QStringLiteral("W naprawie"), QStringLiteral("Zniszczony"), QStringLiteral("Inne")};
}

TfPojazdy::TfPojazdy(TmyDataBase& database, MessageService& messages, const QString& companyName,
                     QWidget* parent)
    : RecordDialog(QStringLiteral("fPojazdy"), QStringLiteral("Pojazd"),
                   QStringLiteral("Informacje o pojeździe"), messages, parent),
      m_db(database),
      m_companyName(companyName) {
    m_registration = textField(QStringLiteral("fNRREJ"), 15);
    m_ordinal = textField(QStringLiteral("fLP"), 6);
    m_identifier =
        textField(QStringLiteral("fNREWID"), 50, QStringLiteral("Numer identyfikacyjny pojazdu"));
    m_fleet = new LookupField(QStringLiteral("fNRFLOTY"),
                              QStringLiteral("Nie wskazuj żadnego numeru floty"), true);
    m_previous = textField(QStringLiteral("fPOPRZNRREJ"), 15);
    m_make = textField(QStringLiteral("fMARKA"), 50);
    m_kind = new LookupField(QStringLiteral("fRODZAJ"));
    m_capacity = textField(QStringLiteral("fPOJEMNOSC"), 5);
    m_year = suggestField(QStringLiteral("fROCZNIK"), 4);
    for (int year = 1970; year <= 2100; ++year)
        m_year->addItem(QString::number(year));
    m_year->setMinimumContentsLength(6);
    m_status = new QComboBox;
    m_status->setObjectName(QStringLiteral("fSTATUS"));
    m_status->addItems(statusNames());
    m_series = textField(QStringLiteral("fSERIADREJ"), 15);
    m_inspection = dateField(QStringLiteral("fDATAPRZE"));
    m_engine = textField(QStringLiteral("fNRSILNIKA"), 30);
    m_inspectionReading = decimalField(QStringLiteral("fLICZPRZEG"), 15, int(OnLeave::TwoDecimals));
    m_owner = suggestField(QStringLiteral("fNREW"), 100);
    m_body = textField(QStringLiteral("fNRNADWOZIA"), 30);
    m_policyOc = textField(QStringLiteral("fNRPOLOC"), 20);
    m_oc = dateField(QStringLiteral("fDATAOC"));
    m_policyAc = textField(QStringLiteral("fNRPOLAC"), 20);
    m_ac = dateField(QStringLiteral("fDATAAC"));
    m_warrantyReading = decimalField(QStringLiteral("fLICZGWAR"), 15, int(OnLeave::TwoDecimals));
    m_warranty = dateField(QStringLiteral("fDATAPRZEGW"));
    m_tachograph = dateField(QStringLiteral("fDATATACHO"));
    m_rate = decimalField(QStringLiteral("fSTAWKA"), 15, int(OnLeave::TwoDecimals));
    m_normFrom = decimalField(QStringLiteral("fNORMAOD"), 15, int(OnLeave::TwoDecimals));
    m_normTo = decimalField(QStringLiteral("fNORMADO"), 15, int(OnLeave::TwoDecimals));
    m_driver = new LookupField(QStringLiteral("fIDKIEROWCY"),
                               QStringLiteral("Nie wskazuj żadnego kierowcy"));
    m_remarks = textField(QStringLiteral("fUWAGI"), 254, QStringLiteral("Pozostałe informacje"));

    auto* norm = new QWidget;
    auto* normLine = new QHBoxLayout(norm);
    normLine->setContentsMargins(0, 0, 0, 0);
    normLine->addWidget(m_normFrom);
    auto* normToLabel = new QLabel(QStringLiteral("do"));
    normToLabel->setObjectName(QStringLiteral("fNORMADOLabel"));
    normLine->addWidget(normToLabel);
    normLine->addWidget(m_normTo);
    auto* normUnitLabel = new QLabel(QStringLiteral("litrów"));
    normUnitLabel->setObjectName(QStringLiteral("fNORMADOUnitLabel"));
    normLine->addWidget(normUnitLabel);

    int row = 0;
    addRow(row, 0, QStringLiteral("Numer rejestracyjny"), m_registration);
    addRow(row++, 1, QStringLiteral("Lp"), m_ordinal);
    addRow(row, 0, QStringLiteral("ID pojazdu"), m_identifier);
    addRow(row++, 1, QStringLiteral("Numer Floty"), m_fleet);
    addRow(row, 0, QStringLiteral("Poprzedni nr rejestr."), m_previous);
    addRow(row++, 1, QStringLiteral("Marka / typ / model"), m_make);
    addRow(row, 0, QStringLiteral("Rodzaj pojazdu"), m_kind);
    addRow(row++, 1, QStringLiteral("Pojemność"), m_capacity, QStringLiteral("w cm3"));
    addRow(row, 0, QStringLiteral("Rocznik"), m_year);
    addRow(row++, 1, QStringLiteral("Status pojazdu"), m_status);
    addRow(row, 0, QStringLiteral("Seria dow. rejestrac."), m_series);
    addRow(row++, 1, QStringLiteral("Następny przegląd techniczny"), m_inspection);
    addRow(row, 0, QStringLiteral("Numer silnika"), m_engine);
    addRow(row++, 1, QStringLiteral("Przegl.tech. przy stanie licznika"), m_inspectionReading,
           QStringLiteral("km"));
    addRow(row, 0, QStringLiteral("Właściciel"), m_owner);
    addRow(row++, 1, QStringLiteral("Numer nadwozia"), m_body);
    addRow(row, 0, QStringLiteral("Numer polisy OC"), m_policyOc);
    addRow(row++, 1, QStringLiteral("Data ważności OC"), m_oc);
    addRow(row, 0, QStringLiteral("Numer polisy AC"), m_policyAc);
    addRow(row++, 1, QStringLiteral("Data ważności AC"), m_ac);
    addRow(row, 0, QStringLiteral("Przegląd gwaranyjny po stanie licznika"), m_warrantyReading,
           QStringLiteral("km"));
    addRow(row++, 1, QStringLiteral("Data przeglądu gwarancyjnego"), m_warranty);
    addRow(row, 0, QStringLiteral("Data legalizacji tachografu"), m_tachograph);
    addRow(row++, 1, QStringLiteral("Stawka za godzinę pracy"), m_rate, QStringLiteral("PLN / h"));
    addRow(row, 0, QStringLiteral("Norma zużycia paliwa od"), norm);
    addRow(row++, 1, QStringLiteral("Kierowca"), m_driver);
    auto* note =
        new QLabel(QStringLiteral("Jeśli brakuje kierowcy, dopisz go w kartotece osobowej"));
    note->setObjectName(QStringLiteral("brakKierowcyLabel"));
    note->setStyleSheet(QStringLiteral("color: #555;"));
    form()->addWidget(note, row++, 4, 1, 2);
    addRow(row++, 0, QStringLiteral("Inne"), m_remarks, {}, 2);

    connect(m_fleet, &LookupField::libraryRequested, this, [this] {
        DictionaryLibraryHook::open(this, m_db, QStringLiteral("FLOTA"));
        m_fleet->setEntries(m_db.lookups().dictionary(QStringLiteral("FLOTA")));
    });
    // The ordinal becomes a whole number when left; no number becomes "0".
    connect(m_ordinal, &QLineEdit::editingFinished, this, [this] {
        const auto number = DecimalField::parse(m_ordinal->text());
        if (!m_ordinal->text().trimmed().isEmpty())
            m_ordinal->setText(QString::number(number ? std::llround(*number) : 0));
    });
}

void TfPojazdy::reloadLists() {
    m_fleet->setEntries(m_db.lookups().dictionary(QStringLiteral("FLOTA")));
    m_kind->setEntries(m_db.lookups().dictionary(QStringLiteral("RDPOJ")));
    const QList<LookupEntry> persons = m_db.lookups().persons();
    m_driver->setEntries(persons);
    // The owner suggestions: the company, then every person.
    const QString owner = m_owner->currentText();
    m_owner->clear();
    if (!m_companyName.trimmed().isEmpty())
        m_owner->addItem(m_companyName);
    for (const LookupEntry& person : persons)
        m_owner->addItem(person.text);
    m_owner->setEditText(owner);
}

void TfPojazdy::setRecord(const Record& r) {
    reloadLists();
    m_registration->setText(r.text(QStringLiteral("NRREJ")));
    m_ordinal->setText(r.isNull(QStringLiteral("LP"))
                           ? QString()
                           : QString::number(r.integer(QStringLiteral("LP"))));
    m_identifier->setText(r.text(QStringLiteral("NREWID")));
    m_fleet->setKey(r.value(QStringLiteral("NRFLOTY")));
    m_previous->setText(r.text(QStringLiteral("POPRZNRREJ")));
    m_make->setText(r.text(QStringLiteral("MARKA")));
    m_kind->setKey(r.value(QStringLiteral("RODZAJ")));
    m_capacity->setText(QString::number(r.integer(QStringLiteral("POJEMNOSC"))));
    // Any year typed is kept, also one beyond the list.
    const qint64 year = r.integer(QStringLiteral("ROCZNIK"));
    m_year->setEditText(year > 0 ? QString::number(year) : QString());
    const qint64 status = r.integer(QStringLiteral("STATUS"));
    m_status->setCurrentIndex(status >= 0 && status < statusNames().size() ? int(status) : 0);
    m_series->setText(r.text(QStringLiteral("SERIADREJ")));
    m_inspection->setText(dateText(r, QStringLiteral("DATAPRZE")));
    m_engine->setText(r.text(QStringLiteral("NRSILNIKA")));
    m_inspectionReading->setValue(r.number(QStringLiteral("LICZPRZEG")));
    m_owner->setEditText(r.text(QStringLiteral("NREW")));
    m_body->setText(r.text(QStringLiteral("NRNADWOZIA")));
    m_policyOc->setText(r.text(QStringLiteral("NRPOLOC")));
    m_oc->setText(dateText(r, QStringLiteral("DATAOC")));
    m_policyAc->setText(r.text(QStringLiteral("NRPOLAC")));
    m_ac->setText(dateText(r, QStringLiteral("DATAAC")));
    m_warrantyReading->setValue(r.number(QStringLiteral("LICZGWAR")));
    m_warranty->setText(dateText(r, QStringLiteral("DATAPRZEGW")));
    m_tachograph->setText(dateText(r, QStringLiteral("DATATACHO")));
    m_rate->setValue(r.number(QStringLiteral("STAWKA")));
    m_normFrom->setValue(r.number(QStringLiteral("NORMAOD")));
    m_normTo->setValue(r.number(QStringLiteral("NORMADO")));
    m_driver->setKey(r.value(QStringLiteral("IDKIEROWCY")));
    m_remarks->setText(r.text(QStringLiteral("UWAGI")));
    m_registration->setFocus();
}

Record TfPojazdy::record() const {
    Record r;
    r.set(QStringLiteral("NRREJ"), m_registration->text().trimmed());
    const auto ordinal = DecimalField::parse(m_ordinal->text());
    r.set(QStringLiteral("LP"),
          ordinal && *ordinal == std::trunc(*ordinal) ? QVariant(qint64(*ordinal)) : QVariant());
    r.set(QStringLiteral("NREWID"), m_identifier->text());
    r.set(QStringLiteral("NRFLOTY"), m_fleet->hasChoice() ? m_fleet->key() : QVariant());
    r.set(QStringLiteral("POPRZNRREJ"), m_previous->text());
    r.set(QStringLiteral("MARKA"), m_make->text());
    r.set(QStringLiteral("RODZAJ"), m_kind->hasChoice() ? m_kind->key() : QVariant(0));
    r.set(QStringLiteral("POJEMNOSC"), m_capacity->text().trimmed().toLongLong());
    r.set(QStringLiteral("ROCZNIK"), m_year->currentText().trimmed().toLongLong());
    r.set(QStringLiteral("STATUS"), m_status->currentIndex());
    r.set(QStringLiteral("SERIADREJ"), m_series->text());
    r.set(QStringLiteral("DATAPRZE"), m_inspection->dateNumber());
    r.set(QStringLiteral("NRSILNIKA"), m_engine->text());
    r.set(QStringLiteral("LICZPRZEG"), m_inspectionReading->value().value_or(0.0));
    r.set(QStringLiteral("NREW"), m_owner->currentText());
    r.set(QStringLiteral("NRNADWOZIA"), m_body->text());
    r.set(QStringLiteral("NRPOLOC"), m_policyOc->text());
    r.set(QStringLiteral("DATAOC"), m_oc->dateNumber());
    r.set(QStringLiteral("NRPOLAC"), m_policyAc->text());
    r.set(QStringLiteral("DATAAC"), m_ac->dateNumber());
    r.set(QStringLiteral("LICZGWAR"), m_warrantyReading->value().value_or(0.0));
    r.set(QStringLiteral("DATAPRZEGW"), m_warranty->dateNumber());
    r.set(QStringLiteral("DATATACHO"), m_tachograph->dateNumber());
    r.set(QStringLiteral("STAWKA"), m_rate->value().value_or(0.0));
    r.set(QStringLiteral("NORMAOD"), m_normFrom->value().value_or(0.0));
    r.set(QStringLiteral("NORMADO"), m_normTo->value().value_or(0.0));
    r.set(QStringLiteral("IDKIEROWCY"),
          m_driver->hasChoice() ? m_driver->key().toString() : QString());
    r.set(QStringLiteral("UWAGI"), m_remarks->text());
    return r;
}

bool TfPojazdy::checkFields() {
    for (DecimalField* field :
         {m_rate, m_normFrom, m_normTo, m_inspectionReading, m_warrantyReading})
        field->setValue(field->value().value_or(0.0));
    if (m_registration->text().trimmed().isEmpty())
        return refuse(QStringLiteral("Nie wprowadzono numeru rejestracyjnego. Popraw pole"),
                      m_registration);
    const QString year = m_year->currentText().trimmed();
    bool yearOk = false;
    const qint64 yearNumber = year.toLongLong(&yearOk);
    if (!year.isEmpty() && (!yearOk || yearNumber < 1970))
        return refuse(QStringLiteral("Niepoprawny rocznik pojazdu. Popraw pole"), m_year);
    const std::pair<DateField*, const char*> dates[] = {
        {m_tachograph, "Niepoprawny format daty legalizacji tachografu. Popraw pole"},
        {m_inspection, "Niepoprawny format daty przeglądu. Popraw pole"},
        {m_oc, "Niepoprawny format daty ważności ubezpieczenia OC. Popraw pole"},
        {m_ac, "Niepoprawny format daty ważności ubezpieczenia AC. Popraw pole"},
        {m_warranty, "Niepoprawny format daty przeglądu gwaranyjnego. Popraw pole"},
    };
    for (const auto& [field, message] : dates) {
        if (!field->isEmpty() && !field->isValid())
            return refuse(QString::fromUtf8(message), field->edit());
    }
    if (m_capacity->text().trimmed().isEmpty())
        m_capacity->setText(QStringLiteral("0"));
    bool capacityOk = false;
    const qint64 capacity = m_capacity->text().trimmed().toLongLong(&capacityOk);
    if (!capacityOk)
        return refuse(
            QStringLiteral(
                "Niepoprawna pojemność silnika. Podaj pojemność jako liczę całkowitą wyrażoną "
                "w centymetrach sześciennych. Popraw pole"),
            m_capacity);
    m_capacity->setText(QString::number(capacity));
    return true;
}

namespace VehicleEditor {

RecordEditors::Outcome edit(const RecordEditors::Request& request) {
    TfPojazdy dialog(request.database, request.messages, request.companyName, request.parent);
    EditFlow flow;
    flow.id = RegisterId::Pojazdy;
    flow.insertErrorCode = 4;
    flow.updateErrorCode = 10;
    flow.duplicateMessage = QStringLiteral("Istnieje już pojazd o podanym numerze rejestracyjnym");
    flow.defaults = [] {
        Record r;
        r.set(QStringLiteral("RODZAJ"), 1);
        r.set(QStringLiteral("STATUS"), 0);
        return r;
    };
    flow.uniqueKey(QStringLiteral("pojazdy"), QStringLiteral("NRREJ"));
    flow.writeThrough(RecordStores::vehicles(), QStringLiteral("IDPOJAZD"));
    return flow.run(request, dialog);
}

}  // namespace VehicleEditor
