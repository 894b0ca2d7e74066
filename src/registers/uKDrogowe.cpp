#include "registers/uKDrogowe.h"

#include "data/TmyDataBase.h"
#include "data/records/CardStores.h"
#include "registers/DateField.h"
#include "registers/DecimalField.h"
#include "registers/EditFlow.h"
#include "registers/LookupField.h"
#include "registers/SuggestedText.h"
#include "registers/TimeField.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <cmath>

namespace {

using OnLeave = DecimalField::OnLeave;

const QString kPurposes = QStringLiteral("CELWY");
const QString kRoutes = QStringLiteral("TRASY");

QWidget* dateAndTime(DateField* date, TimeField* time) {
    auto* box = new QWidget;
    auto* line = new QHBoxLayout(box);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(4);
    line->addWidget(date);
    line->addWidget(time);
    line->addStretch(1);
    return box;
}

qint64 storedTime(const Record& r, const char* field) {
    return std::llround(r.number(QLatin1String(field)));
}

// The five number fields with their columns, in the order of the dialog's fields.
const char* const kDecimalColumns[] = {"LICZSTART", "LICZEND", "CZAS", "ODPOCZYNEK", "GODZSUMA"};

}  // namespace

TfKDrogowe::TfKDrogowe(TmyDataBase& database, MessageService& messages, QWidget* parent)
    : RecordDialog(QStringLiteral("fKDrogowe"), QStringLiteral("Karta drogowa"),
                   QStringLiteral("Informacje o karcie drogowej"), messages, parent),
      m_db(database) {
    m_issued = dateField(QStringLiteral("fDATAWYST"));
    m_vehicle = new LookupField(QStringLiteral("fIDPOJAZD"));
    m_driver = new LookupField(QStringLiteral("fIDKIEROWCY"),
                               QStringLiteral("Nie wskazuj żadnego kierowcy"));
    m_number = textField(QStringLiteral("fNRKARTY"), 254);
    m_licence = textField(QStringLiteral("fPRAWOJAZDY"), 254);
    m_purpose = suggestedText(QStringLiteral("fCELWYJAZDU"), 100, m_db, kPurposes,
                              [this] { return m_db.lookups().suggestions(kPurposes); });
    m_route = suggestedText(QStringLiteral("fTRASA"), 100, m_db, kRoutes,
                            [this] { return m_db.lookups().suggestions(kRoutes); });
    m_startDate = dateField(QStringLiteral("fDATASTART"));
    m_startTime = new TimeField(QStringLiteral("fGODZSTART"));
    m_endDate = dateField(QStringLiteral("fDATAEND"));
    m_endTime = new TimeField(QStringLiteral("fGODZEND"));
    const int twoDecimals = int(OnLeave::TwoDecimalsOrZero);
    m_startReading = decimalField(QStringLiteral("fLICZSTART"), 18, twoDecimals);
    m_endReading = decimalField(QStringLiteral("fLICZEND"), 18, twoDecimals);
    m_driving = decimalField(QStringLiteral("fCZAS"), 18, twoDecimals);
    m_driving->setToolTip(QStringLiteral("Czas prowadzenia pojazdu ogółem (w godzinach)"));
    m_driving->setStatusTip(m_driving->toolTip());
    m_rest = decimalField(QStringLiteral("fODPOCZYNEK"), 18, twoDecimals);
    m_workHours = decimalField(QStringLiteral("fGODZSUMA"), 18, twoDecimals);
    m_remarks = textField(QStringLiteral("fUWAGI"), 254);

    int row = 0;
    addRow(row, 0, QStringLiteral("Data wystawienia"), m_issued);
    addRow(row++, 1, QStringLiteral("Numer karty"), m_number);
    addRow(row, 0, QStringLiteral("Wskaż pojazd"), m_vehicle);
    addRow(row++, 1, QStringLiteral("Nr prawa jazdy"), m_licence);
    addRow(row++, 0, QStringLiteral("Kierowca"), m_driver);
    auto* note =
        new QLabel(QStringLiteral("Jeśli brakuje kierowcy, dopisz go w kartotece osobowej"));
    note->setObjectName(QStringLiteral("brakKierowcyLabel"));
    note->setStyleSheet(QStringLiteral("color: #555;"));
    form()->addWidget(note, row++, 1, 1, 5);
    addRow(row++, 0, QStringLiteral("Cel wyjazdu"), m_purpose, {}, 2);
    addRow(row++, 0, QStringLiteral("Trasa"), m_route, {}, 2);
    addRow(row, 0, QStringLiteral("Data i godzina rozpoczęcia"),
           dateAndTime(m_startDate, m_startTime));
    addRow(row++, 1, QStringLiteral("Stan licznika przed wyjazdem"), m_startReading,
           QStringLiteral("km"));
    addRow(row, 0, QStringLiteral("Zakończenia"), dateAndTime(m_endDate, m_endTime));
    addRow(row++, 1, QStringLiteral("Stan licznika po powrocie"), m_endReading,
           QStringLiteral("km"));
    addRow(row, 0, QStringLiteral("Czas prowadzenia pojazdu"), m_driving);
    addRow(row++, 1, QStringLiteral("Dobowy czas odpoczynku"), m_rest);
    addRow(row++, 0, QStringLiteral("Ogółem godzin pracy"), m_workHours);
    addRow(row++, 0, QStringLiteral("Inne"), m_remarks, {}, 2);

    connect(m_vehicle, &LookupField::chosen, this, &TfKDrogowe::vehicleChosen);
    // Either library may have changed both dictionaries: both lists are read again.
    connect(m_purpose, &SuggestedText::libraryClosed, m_route, &SuggestedText::reload);
    connect(m_route, &SuggestedText::libraryClosed, m_purpose, &SuggestedText::reload);
}

QList<DecimalField*> TfKDrogowe::decimals() const {
    return {m_startReading, m_endReading, m_driving, m_rest, m_workHours};
}

void TfKDrogowe::reloadLists() {
    m_vehicle->setEntries(m_db.lookups().vehicles());
    m_driver->setEntries(m_db.lookups().persons());
    m_purpose->reload();
    m_route->reload();
}

void TfKDrogowe::vehicleChosen() {
    if (m_driver->hasChoice() || !m_vehicle->hasChoice())
        return;
    // The vehicle's extra is {IDKIEROWCY, STAWKA}.
    const QString driver = m_vehicle->extra().toList().value(0).toString().trimmed();
    if (!driver.isEmpty() && driver != QLatin1String("0"))
        m_driver->setKey(driver);
}

void TfKDrogowe::setRecord(const Record& r) {
    reloadLists();
    m_key = r.value(QStringLiteral("IDDROGOWA"));
    m_issued->setText(dateText(r, QStringLiteral("DATAWYST")));
    m_vehicle->setKey(r.value(QStringLiteral("IDPOJAZD")));
    m_driver->setKey(personKey(r, QStringLiteral("IDKIEROWCY")));
    m_number->setText(r.text(QStringLiteral("NRKARTY")));
    m_licence->setText(r.text(QStringLiteral("PRAWOJAZDY")));
    m_purpose->setText(r.text(QStringLiteral("CELWYJAZDU")));
    m_route->setText(r.text(QStringLiteral("TRASA")));
    m_startDate->setText(dateText(r, QStringLiteral("DATASTART")));
    m_startTime->setTimeNumber(storedTime(r, "GODZSTART"));
    m_endDate->setText(dateText(r, QStringLiteral("DATAEND")));
    m_endTime->setTimeNumber(storedTime(r, "GODZEND"));
    // A new card shows "0"; a stored one its numbers with two decimals.
    const QList<DecimalField*> fields = decimals();
    for (int i = 0; i < fields.size(); ++i) {
        const QString column = QLatin1String(kDecimalColumns[i]);
        if (r.contains(column))
            fields[i]->setValue(r.number(column));
        else
            fields[i]->setText(QStringLiteral("0"));
    }
    m_remarks->setText(r.text(QStringLiteral("UWAGI")));
    m_issued->edit()->setFocus();
}

Record TfKDrogowe::record() const {
    Record r;
    r.set(QStringLiteral("IDDROGOWA"), m_key);
    r.set(QStringLiteral("NRKARTY"), m_number->text().trimmed());
    r.set(QStringLiteral("DATAWYST"), m_issued->dateNumber());
    r.set(QStringLiteral("IDPOJAZD"), m_vehicle->hasChoice() ? m_vehicle->key().toLongLong() : 0);
    // No driver is stored as the empty text the list joins on, never as "0".
    r.set(QStringLiteral("IDKIEROWCY"),
          m_driver->hasChoice() ? m_driver->key().toString() : QString());
    r.set(QStringLiteral("CELWYJAZDU"), m_purpose->text());
    r.set(QStringLiteral("TRASA"), m_route->text());
    r.set(QStringLiteral("PRAWOJAZDY"), m_licence->text());
    r.set(QStringLiteral("DATASTART"), m_startDate->dateNumber());
    r.set(QStringLiteral("GODZSTART"), m_startTime->timeNumber());
    r.set(QStringLiteral("DATAEND"), m_endDate->dateNumber());
    r.set(QStringLiteral("GODZEND"), m_endTime->timeNumber());
    const QList<DecimalField*> fields = decimals();
    for (int i = 0; i < fields.size(); ++i)
        r.set(QLatin1String(kDecimalColumns[i]), fields[i]->value().value_or(0.0));
    r.set(QStringLiteral("UWAGI"), m_remarks->text());
    return r;
}

bool TfKDrogowe::checkFields() {
    for (DecimalField* field : decimals())
        field->normalise();
    if (m_startReading->value().value_or(0.0) > m_endReading->value().value_or(0.0))
        return refuse(QStringLiteral("Stan licznika po powrocie mniejszy od licznika przed "
                                     "wyjazdem. Popraw pole"),
                      m_startReading);
    if (m_number->text().trimmed().isEmpty())
        return refuse(QStringLiteral("Nie podano numeru karty drogowej. Popraw pole"), m_number);
    if (!m_issued->isValid())
        return refuse(QStringLiteral("Niepoprawny format daty wystawienia. Popraw pole"),
                      m_issued->edit());
    if (!m_startDate->isEmpty() && !m_startDate->isValid())
        return refuse(QStringLiteral("Niepoprawny format daty rozpoczęcia pracy. Popraw pole"),
                      m_startDate->edit());
    if (!m_startTime->isEmpty() && !m_startTime->isValid())
        return refuse(QStringLiteral("Niepoprawny format godziny rozpoczęcia pracy. Popraw pole"),
                      m_startTime->edit());
    if (!m_endDate->isEmpty() && !m_endDate->isValid())
        return refuse(QStringLiteral("Niepoprawny format daty zakończenia pracy. Popraw pole"),
                      m_endDate->edit());
    if (!m_endTime->isEmpty() && !m_endTime->isValid())
        return refuse(QStringLiteral("Niepoprawny format godziny zakończenia pracy. Popraw pole"),
                      m_endTime->edit());
    if (!m_vehicle->hasChoice())
        return refuse(QStringLiteral("Nie wskazano pojazdu. Popraw pole"), m_vehicle->combo());
    m_number->setText(m_number->text().trimmed());
    return true;
}

namespace RoadCardEditor {

RecordEditors::Outcome edit(const RecordEditors::Request& request) {
    TfKDrogowe dialog(request.database, request.messages, request.parent);
    EditFlow flow;
    flow.id = RegisterId::KDrogowe;
    flow.insertErrorCode = 182020;
    flow.updateErrorCode = 182026;
    flow.defaults = [] { return Record(); };
    flow.writeThrough(CardStores::roadCards(), QStringLiteral("IDDROGOWA"));
    return flow.run(request, dialog);
}

}  // namespace RoadCardEditor
