#include "registers/uPrzejazdy.h"

#include "data/DisplayFormat.h"
#include "data/TmyDataBase.h"
#include "data/records/TripStores.h"
#include "registers/DateField.h"
#include "registers/DecimalField.h"
#include "registers/DictionaryLibraryHook.h"
#include "registers/EditFlow.h"
#include "registers/LookupField.h"

#include <QCollator>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

namespace {

const QString kPurposes = QStringLiteral("CELWY");
const QString kRoutes = QStringLiteral("TRASY");

QString field(const char* name) {
    return QString::fromLatin1(name);
}

}  // namespace

TfPrzejazdy::TfPrzejazdy(TmyDataBase& database, MessageService& messages, QWidget* parent)
    : RecordDialog(QStringLiteral("fPrzejazdy"), QStringLiteral("Przejazd"),
                   QStringLiteral("Informacje o trasie"), messages, parent),
      m_db(database) {
    m_date = dateField(QStringLiteral("fDATA"));
    m_vehicle = new LookupField(QStringLiteral("fNRREJ"));
    m_purpose = suggestField(QStringLiteral("fCELWYJAZDU"), 100);
    m_route = suggestField(QStringLiteral("fTRASA"), 100);
    m_length = decimalField(QStringLiteral("fODLEGLOSC"), 18,
                            int(DecimalField::OnLeave::TwoDecimalsOrZero));
    m_driver = new LookupField(QStringLiteral("fIDKIEROWCY"),
                               QStringLiteral("Nie wskazuj żadnego kierowcy"));
    m_remarks = textField(QStringLiteral("fUWAGI"), 254, QStringLiteral("Pozostałe informacje"));
    const QString library = QStringLiteral("Otwórz bibliotekę słowników");
    QToolButton* purposeLibrary =
        toolButton(QStringLiteral("fCELWYJAZDUBiblioteka"), QStringLiteral("[...]"), library);
    QToolButton* routeLibrary =
        toolButton(QStringLiteral("fTRASABiblioteka"), QStringLiteral("[...]"), library);
    QWidget* purpose = withButtons(m_purpose, {purposeLibrary});
    QWidget* route = withButtons(m_route, {routeLibrary});

    int row = 0;
    addRow(row++, 0, QStringLiteral("Data wyjazdu"), m_date);
    addRow(row++, 0, QStringLiteral("Wskaż pojazd"), m_vehicle);
    addRow(row++, 0, QStringLiteral("Cel wyjazdu"), purpose, {}, 2);
    addRow(row++, 0, QStringLiteral("Trasa"), route, {}, 2);
    addRow(row++, 0, QStringLiteral("Długość trasy"), m_length, QStringLiteral("km"));
    addRow(row++, 0, QStringLiteral("Kierowca"), m_driver);
    auto* note =
        new QLabel(QStringLiteral("Jeśli brakuje kierowcy, dopisz go w kartotece osobowej"));
    note->setObjectName(QStringLiteral("brakKierowcyLabel"));
    note->setStyleSheet(QStringLiteral("color: #555;"));
    form()->addWidget(note, row++, 1, 1, 5);
    addRow(row++, 0, QStringLiteral("Inne"), m_remarks, {}, 2);

    connect(m_vehicle, &LookupField::chosen, this, &TfPrzejazdy::vehicleChosen);
    connect(m_route, &QComboBox::activated, this, &TfPrzejazdy::routeChosen);
    connect(purposeLibrary, &QToolButton::clicked, this, [this] {
        DictionaryLibraryHook::open(this, m_db, kPurposes);
        reloadSuggestions();
    });
    connect(routeLibrary, &QToolButton::clicked, this, [this] {
        DictionaryLibraryHook::open(this, m_db, kRoutes);
        reloadSuggestions();
    });
}

void TfPrzejazdy::reloadSuggestions() {
    const QString purpose = m_purpose->currentText();
    const QString route = m_route->currentText();
    m_purpose->clear();
    m_purpose->addItems(m_db.lookups().suggestions(kPurposes));
    m_purpose->setEditText(purpose);

    // Each route keeps its length (UZUP1) for the length field.
    QList<LookupEntry> routes = m_db.lookups().dictionary(kRoutes);
    QCollator collator(QLocale(QLocale::Polish, QLocale::Poland));
    std::stable_sort(routes.begin(), routes.end(), [&collator](const auto& a, const auto& b) {
        return collator.compare(a.text, b.text) < 0;
    });
    m_route->clear();
    for (const LookupEntry& entry : routes)
        m_route->addItem(entry.text, entry.extra);
    m_route->setEditText(route);
}

void TfPrzejazdy::reloadLists() {
    m_vehicle->setEntries(m_db.lookups().vehicles());
    m_driver->setEntries(m_db.lookups().persons());
    reloadSuggestions();
}

void TfPrzejazdy::routeChosen(int index) {
    const QString length = m_route->itemData(index).toString().trimmed();
    // A route without a length leaves the length to be typed.
    if (const auto km = DecimalField::parse(length))
        m_length->setValue(*km);
    else
        m_length->setText(length);
}

void TfPrzejazdy::vehicleChosen() {
    if (m_driver->hasChoice() || !m_vehicle->hasChoice())
        return;
    // The vehicle's extra is {IDKIEROWCY, STAWKA}.
    const QString driver = m_vehicle->extra().toList().value(0).toString().trimmed();
    if (!driver.isEmpty() && driver != QLatin1String("0"))
        m_driver->setKey(driver);
}

void TfPrzejazdy::setRecord(const Record& r) {
    reloadLists();
    m_key = r.value(field("IDPRZEJAZD"));
    m_date->setText(dateText(r, field("DATA")));
    m_vehicle->setKey(r.value(field("IDPOJAZD")));
    m_purpose->setEditText(r.text(field("CELWYJAZDU")));
    m_route->setEditText(r.text(field("TRASA")));
    m_length->setText(r.contains(field("ODLEGLOSC"))
                          ? DisplayFormat().general(r.number(field("ODLEGLOSC")))
                          : QString());
    m_driver->setKey(personKey(r, field("IDKIEROWCY")));
    m_remarks->setText(r.text(field("UWAGI")));
    m_date->edit()->setFocus();
}

Record TfPrzejazdy::record() const {
    Record r;
    r.set(field("IDPRZEJAZD"), m_key);
    r.set(field("DATA"), m_date->dateNumber());
    r.set(field("IDPOJAZD"), m_vehicle->hasChoice() ? m_vehicle->key().toLongLong() : 0);
    r.set(field("CELWYJAZDU"), m_purpose->currentText());
    r.set(field("TRASA"), m_route->currentText());
    r.set(field("ODLEGLOSC"), m_length->value().value_or(0.0));
    // No driver is stored as the empty text the list joins on, never as "0".
    r.set(field("IDKIEROWCY"), m_driver->hasChoice() ? m_driver->key().toString() : QString());
    r.set(field("UWAGI"), m_remarks->text());
    return r;
}

bool TfPrzejazdy::checkFields() {
    if (!m_date->isValid())
        return refuse(QStringLiteral("Niepoprawny format daty wyjazdu. Popraw pole"),
                      m_date->edit());
    if (!m_vehicle->hasChoice())
        return refuse(QStringLiteral("Nie wskazano pojazdu. Popraw pole"), m_vehicle->combo());
    if (m_length->text().trimmed().isEmpty())
        return refuse(QStringLiteral("Nie wprowadzono długości trasy. Popraw pole"), m_length);
    const auto length = m_length->value();
    if (!length || *length <= 0)
        return refuse(QStringLiteral("Niepoprawna długość trasy. Popraw pole"), m_length);
    m_length->setText(DisplayFormat().general(*length));
    return true;
}

namespace TripEditor {

RecordEditors::Outcome edit(const RecordEditors::Request& request) {
    TfPrzejazdy dialog(request.database, request.messages, request.parent);
    EditFlow flow;
    flow.id = RegisterId::Przejazdy;
    flow.insertErrorCode = 6;
    flow.updateErrorCode = 12;
    flow.defaults = [] { return Record(); };
    flow.writeThrough(TripStores::trips(), QStringLiteral("IDPRZEJAZD"));
    return flow.run(request, dialog);
}

}  // namespace TripEditor
