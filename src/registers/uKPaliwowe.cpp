#include "registers/uKPaliwowe.h"

#include "data/TmyDataBase.h"
#include "data/records/CardStores.h"
#include "registers/DateField.h"
#include "registers/EditFlow.h"
#include "registers/LookupField.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QLabel* note(const QString& text, const QString& objectName) {
    auto* label = new QLabel(text);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #555;"));
    return label;
}

}  // namespace

TfKPaliwowe::TfKPaliwowe(TmyDataBase& database, MessageService& messages, QWidget* parent)
    : RecordDialog(QStringLiteral("fKPaliwowe"), QStringLiteral("Karta paliwowa"),
                   QStringLiteral("Informacja o karcie paliwowej"), messages, parent),
      m_db(database) {
    m_id = textField(QStringLiteral("fIDKARTY"), 30);
    m_name = textField(QStringLiteral("fNAZWA"), 100);
    m_station = textField(QStringLiteral("fSTACJA"), 100, QStringLiteral("Stacja paliw"));
    m_expiry = dateField(QStringLiteral("fTERMIN"));
    m_vehicle =
        new LookupField(QStringLiteral("fNRREJ"), QStringLiteral("Nie wskazuj żadnego pojazdu"));
    m_driver = new LookupField(QStringLiteral("fIDKIEROWCY"),
                               QStringLiteral("Nie wskazuj żadnego kierowcy"));
    m_www = textField(QStringLiteral("fWWW"), 100, QStringLiteral("WWW serwisu obsługi karty"));
    m_email = textField(QStringLiteral("fEMAIL"), 100);
    m_pin = textField(QStringLiteral("fPIN"), 20);
    m_remarks = textField(QStringLiteral("fUWAGI"), 254);

    auto* pin = new QWidget;
    auto* pinLine = new QHBoxLayout(pin);
    pinLine->setContentsMargins(0, 0, 0, 0);
    pinLine->addWidget(m_pin);
    pinLine->addWidget(note(QStringLiteral("Jawne przechowywanie PIN kodu w tym polu jest "
                                           "niezalecane ze względów bezpieczeństwa"),
                            QStringLiteral("PINUwaga")),
                       1);

    int row = 0;
    addRow(row, 0, QStringLiteral("ID karty"), m_id);
    addRow(row++, 1, QStringLiteral("Nazwa"), m_name);
    addRow(row, 0, QStringLiteral("Stacja"), m_station);
    addRow(row++, 1, QStringLiteral("Termin"), m_expiry);
    addRow(row, 0, QStringLiteral("Wskaż pojazd"), m_vehicle);
    addRow(row++, 1, QStringLiteral("Kierowca"), m_driver);
    form()->addWidget(note(QStringLiteral("Jeśli brakuje kierowcy, dopisz go w kartotece osobowej"),
                           QStringLiteral("KierowcaUwaga")),
                      row++, 4, 1, 2);
    addRow(row, 0, QStringLiteral("WWW"), m_www);
    addRow(row++, 1, QStringLiteral("Email"), m_email);
    addRow(row++, 0, QStringLiteral("PIN"), pin, {}, 2);
    addRow(row++, 0, QStringLiteral("Inne"), m_remarks, {}, 2);

    connect(m_vehicle, &LookupField::chosen, this, &TfKPaliwowe::vehicleChosen);
}

void TfKPaliwowe::vehicleChosen() {
    if (m_driver->hasChoice() || !m_vehicle->hasChoice())
        return;
    // The vehicle's extra is {IDKIEROWCY, STAWKA}.
    const QString driver = m_vehicle->extra().toList().value(0).toString().trimmed();
    if (!driver.isEmpty() && driver != QLatin1String("0"))
        m_driver->setKey(driver);
}

void TfKPaliwowe::setRecord(const Record& r) {
    m_vehicle->setEntries(m_db.lookups().vehicles());
    m_driver->setEntries(m_db.lookups().persons());
    m_id->setText(r.text(QStringLiteral("IDKARTY")));
    m_name->setText(r.text(QStringLiteral("NAZWA")));
    m_station->setText(r.text(QStringLiteral("STACJA")));
    m_expiry->setText(dateText(r, QStringLiteral("TERMIN")));
    m_vehicle->setKey(r.value(QStringLiteral("IDPOJAZD")));
    m_driver->setKey(personKey(r, QStringLiteral("IDKIEROWCY")));
    m_www->setText(r.text(QStringLiteral("WWW")));
    m_email->setText(r.text(QStringLiteral("EMAIL")));
    m_pin->setText(r.text(QStringLiteral("PIN")));
    m_remarks->setText(r.text(QStringLiteral("UWAGI")));
    m_id->setFocus();
}

Record TfKPaliwowe::record() const {
    Record r;
    r.set(QStringLiteral("IDKARTY"), m_id->text().trimmed());
    r.set(QStringLiteral("NAZWA"), m_name->text());
    r.set(QStringLiteral("STACJA"), m_station->text());
    r.set(QStringLiteral("TERMIN"), m_expiry->dateNumber());
    r.set(QStringLiteral("IDPOJAZD"), m_vehicle->hasChoice() ? m_vehicle->key().toLongLong() : 0);
    // No holder is stored as the empty text the list joins on, never as "0".
    r.set(QStringLiteral("IDKIEROWCY"),
          m_driver->hasChoice() ? m_driver->key().toString() : QString());
    r.set(QStringLiteral("WWW"), m_www->text());
    r.set(QStringLiteral("EMAIL"), m_email->text());
    r.set(QStringLiteral("PIN"), m_pin->text());
    r.set(QStringLiteral("UWAGI"), m_remarks->text());
    return r;
}

bool TfKPaliwowe::checkFields() {
    if (!m_expiry->isEmpty() && !m_expiry->isValid())
        return refuse(QStringLiteral("Niepoprawny format terminu ważności karty. Popraw pole"),
                      m_expiry->edit());
    if (m_id->text().trimmed().isEmpty())
        return refuse(QStringLiteral("Nie wprowadzono ID karty. Popraw pole"), m_id);
    // The cost import finds a card by its trimmed identifier: it is stored that way.
    m_id->setText(m_id->text().trimmed());
    return true;
}

namespace FuelCardEditor {

RecordEditors::Outcome edit(const RecordEditors::Request& request) {
    TfKPaliwowe dialog(request.database, request.messages, request.parent);
    EditFlow flow;
    flow.id = RegisterId::KPaliwowe;
    flow.insertErrorCode = 93;
    flow.updateErrorCode = 97;
    flow.duplicateMessage = QStringLiteral("Istnieje już karta paliwowa o podanym ID");
    flow.defaults = [] { return Record(); };
    flow.uniqueKey(QStringLiteral("kpaliwowe"), QStringLiteral("IDKARTY"));
    flow.write = [](TmyDataBase& db, const Record& r, const Record* original) {
        return original
                   ? CardStores::updateFuelCard(db, r, original->text(QStringLiteral("IDKARTY")))
                   : CardStores::fuelCards().insert(db, r);
    };
    flow.key = [](const Record& r, const WriteResult&) {
        return QStringList{r.text(QStringLiteral("IDKARTY"))};
    };
    return flow.run(request, dialog);
}

}  // namespace FuelCardEditor
