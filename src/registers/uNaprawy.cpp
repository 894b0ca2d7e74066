#include "registers/uNaprawy.h"

#include "data/ListModel.h"
#include "data/TmyDataBase.h"
#include "data/records/RecordStores.h"
#include "registers/DateField.h"
#include "registers/DecimalField.h"
#include "registers/DictionaryLibraryHook.h"
#include "registers/EditFlow.h"
#include "registers/LookupField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using OnLeave = DecimalField::OnLeave;

const QString kDictionary = QStringLiteral("RDNAP");

}  // namespace

TfNaprawy::TfNaprawy(TmyDataBase& database, MessageService& messages, QWidget* parent)
    : RecordDialog(QStringLiteral("fNaprawy"), QStringLiteral("Naprawa"),
                   QStringLiteral("Informacja o naprawie"), messages, parent),
      m_db(database) {
    m_done = new QCheckBox(QStringLiteral("Naprawa wykonana?"));
    m_done->setObjectName(QStringLiteral("fDONE"));
    m_done->setToolTip(QStringLiteral("Zaznacz to pole jeśli naprawa została wykonana"));
    m_done->setStatusTip(m_done->toolTip());
    m_vehicle = new LookupField(QStringLiteral("fNRREJ"));
    m_date = dateField(QStringLiteral("fDATA"));
    m_reminder = decimalField(QStringLiteral("fLICZTERM"), 15, int(OnLeave::TwoDecimalsOrZero));
    m_reminder->setToolTip(QStringLiteral("Informuj o naprawie przy stanie licznika"));
    m_reminder->setStatusTip(m_reminder->toolTip());
    m_description = suggestField(QStringLiteral("fOPIS"), 254);
    m_description->setMinimumContentsLength(40);
    m_descriptionLibrary = new QToolButton;
    m_descriptionLibrary->setObjectName(QStringLiteral("fOPISBiblioteka"));
    m_descriptionLibrary->setText(QStringLiteral("[...]"));
    m_descriptionLibrary->setToolTip(QStringLiteral("Otwórz bibliotekę słowników"));
    m_driver = new LookupField(QStringLiteral("fIDKIEROWCY"),
                               QStringLiteral("Nie wskazuj żadnego kierowcy"));
    m_remarks = textField(QStringLiteral("fUWAGI"), 254);
    m_reading = decimalField(QStringLiteral("fLICZNIK"), 18, int(OnLeave::TwoDecimalsOrZero));

    auto* description = new QWidget;
    auto* descriptionLine = new QHBoxLayout(description);
    descriptionLine->setContentsMargins(0, 0, 0, 0);
    descriptionLine->setSpacing(2);
    descriptionLine->addWidget(m_description, 1);
    descriptionLine->addWidget(m_descriptionLibrary);

    int row = 0;
    form()->addWidget(m_done, row++, 1, 1, 2);
    addRow(row, 0, QStringLiteral("Wskaż pojazd"), m_vehicle);
    addRow(row++, 1, QStringLiteral("Data naprawy"), m_date);
    addRow(row, 0, QStringLiteral("Stan licznika przed naprawą"), m_reading, QStringLiteral("km"));
    addRow(row++, 1, QStringLiteral("Termin przy stanie licznika"), m_reminder,
           QStringLiteral("km"));
    addRow(row++, 0, QStringLiteral("Opis"), description, {}, 2);
    addRow(row++, 0, QStringLiteral("Kierowca"), m_driver);
    auto* note =
        new QLabel(QStringLiteral("Jeśli brakuje kierowcy, dopisz go w kartotece osobowej"));
    note->setObjectName(QStringLiteral("brakKierowcyLabel"));
    note->setStyleSheet(QStringLiteral("color: #555;"));
    form()->addWidget(note, row++, 1, 1, 2);
    addRow(row++, 0, QStringLiteral("Inne"), m_remarks, {}, 2);

    m_toCosts = addCostsOption(QStringLiteral("Dodaj powyższe dane do rejestru kosztów"));

    // A vehicle chosen brings its own driver when none is chosen yet.
    connect(m_vehicle, &LookupField::chosen, this, [this] {
        const QVariant driver = m_vehicle->extra().toList().value(0);
        if (!m_driver->hasChoice() && !driver.toString().isEmpty())
            m_driver->setKey(driver);
    });
    connect(m_descriptionLibrary, &QToolButton::clicked, this, [this] {
        DictionaryLibraryHook::open(this, m_db, kDictionary);
        const QString typed = m_description->currentText();
        m_description->clear();
        m_description->addItems(m_db.lookups().suggestions(kDictionary));
        m_description->setEditText(typed);
    });
}

void TfNaprawy::reloadLists() {
    m_vehicle->setEntries(m_db.lookups().vehicles());
    m_driver->setEntries(m_db.lookups().persons());
    m_description->clear();
    m_description->addItems(m_db.lookups().suggestions(kDictionary));
}

void TfNaprawy::setRecord(const Record& r) {
    reloadLists();
    m_key = r.value(QStringLiteral("IDNAPRAWY"));
    m_done->setChecked(r.flag(QStringLiteral("DONE")));
    m_vehicle->setKey(r.value(QStringLiteral("IDPOJAZD")));
    m_date->setText(dateText(r, QStringLiteral("DATA")));
    m_reminder->setValue(r.number(QStringLiteral("LICZTERM")));
    m_description->setEditText(r.text(QStringLiteral("OPIS")));
    m_driver->setKey(r.value(QStringLiteral("IDKIEROWCY")));
    m_remarks->setText(r.text(QStringLiteral("UWAGI")));
    m_reading->setValue(r.number(QStringLiteral("LICZNIK")));
    m_net = r.number(QStringLiteral("WARTNETTO"));
    m_vat = r.number(QStringLiteral("WARTVAT"));
    m_gross = r.number(QStringLiteral("WARTBRUTTO"));
    m_toCosts->setChecked(false);
    m_vehicle->combo()->setFocus();
}

Record TfNaprawy::record() const {
    Record r;
    r.set(QStringLiteral("IDNAPRAWY"), m_key);
    r.set(QStringLiteral("IDPOJAZD"),
          m_vehicle->hasChoice() ? QVariant(m_vehicle->key().toLongLong()) : QVariant());
    r.set(QStringLiteral("DATA"), m_date->dateNumber());
    r.set(QStringLiteral("OPIS"), m_description->currentText());
    r.set(QStringLiteral("WARTNETTO"), m_net);
    r.set(QStringLiteral("WARTVAT"), m_vat);
    r.set(QStringLiteral("WARTBRUTTO"), m_gross);
    r.set(QStringLiteral("UWAGI"), m_remarks->text());
    r.set(QStringLiteral("IDKIEROWCY"),
          m_driver->hasChoice() ? m_driver->key().toString() : QString());
    r.set(QStringLiteral("LICZNIK"), m_reading->value().value_or(0.0));
    r.set(QStringLiteral("LICZTERM"), m_reminder->value().value_or(0.0));
    r.set(QStringLiteral("DONE"), m_done->isChecked() ? QStringLiteral("T") : QString());
    return r;
}

Record TfNaprawy::fromHandOn(const RecordEditors::HandOn& handOn) {
    if (handOn.source != RegisterId::Koszty)
        return handOn.values;
    const Record& cost = handOn.values;
    Record r;
    for (const char* field : {"DATA", "IDPOJAZD", "WARTNETTO", "WARTVAT", "WARTBRUTTO", "UWAGI",
                              "IDKIEROWCY", "LICZNIK"})
        r.set(QLatin1String(field), cost.value(QLatin1String(field)));
    r.set(QStringLiteral("OPIS"), cost.text(QStringLiteral("NAZWATOWAR")));
    // The cost has been paid: the repair it records is done.
    r.set(QStringLiteral("DONE"), QStringLiteral("T"));
    r.set(QStringLiteral("LICZTERM"), 0.0);
    return r;
}

bool TfNaprawy::checkFields() {
    for (DecimalField* field : {m_reading, m_reminder})
        field->setValue(field->value().value_or(0.0));
    if (!m_date->isEmpty() && !m_date->isValid())
        return refuse(QStringLiteral("Niepoprawny format daty naprawy. Popraw pole"),
                      m_date->edit());
    if (!m_vehicle->hasChoice())
        return refuse(QStringLiteral("Nie wskazano pojazdu. Popraw pole"), m_vehicle->combo());
    // The amounts are not shown, so nothing here can correct them: they are carried as they
    // came (a cost's amounts always agree).
    return true;
}

namespace RepairEditor {

RecordEditors::Outcome edit(const RecordEditors::Request& request) {
    TfNaprawy dialog(request.database, request.messages, request.parent);
    dialog.allowCostHandOn(
        request.rights.test(size_t(Registers::get(RegisterId::Koszty).writeRight)));
    EditFlow flow;
    flow.id = RegisterId::Naprawy;
    flow.insertErrorCode = 8;
    flow.updateErrorCode = 14;
    flow.defaults = [] {
        Record r;
        for (const char* field : {"WARTNETTO", "WARTVAT", "WARTBRUTTO"})
            r.set(QLatin1String(field), 0.0);
        return r;
    };
    flow.fromHandOn = &TfNaprawy::fromHandOn;
    flow.writeThrough(RecordStores::repairs(), QStringLiteral("IDNAPRAWY"));
    flow.handOn = [&dialog](const Record& r) -> std::optional<RecordEditors::HandOn> {
        if (!dialog.handsOnToCosts())
            return std::nullopt;
        return RecordEditors::HandOn{RegisterId::Koszty, RegisterId::Naprawy, r};
    };
    return flow.run(request, dialog);
}

}  // namespace RepairEditor
