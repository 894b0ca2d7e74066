#pragma once

#include "registers/RecordDialog.h"
#include "shell/RecordEditors.h"

class DateField;
class LookupField;
class QLineEdit;
class TmyDataBase;

// The fuel card dialog: the card's identifier, which the user types and which is unique,
// its name, station, expiry date, vehicle and holder, the card service's addresses, the
// PIN and remarks.
class TfKPaliwowe : public RecordDialog {
    Q_OBJECT

public:
    TfKPaliwowe(TmyDataBase& database, MessageService& messages, QWidget* parent = nullptr);

    void setRecord(const Record& record) override;
    Record record() const override;

protected:
    bool checkFields() override;

private:
    void vehicleChosen();

    TmyDataBase& m_db;
    QLineEdit* m_id;
    QLineEdit* m_name;
    QLineEdit* m_station;
    DateField* m_expiry;
    LookupField* m_vehicle;
    LookupField* m_driver;
    QLineEdit* m_www;
    QLineEdit* m_email;
    QLineEdit* m_pin;
    QLineEdit* m_remarks;
};

namespace FuelCardEditor {
RecordEditors::Outcome edit(const RecordEditors::Request& request);
}
