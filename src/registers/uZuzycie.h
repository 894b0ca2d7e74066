#pragma once

#include "registers/RecordDialog.h"
#include "shell/RecordEditors.h"

class DateField;
class DecimalField;
class QCheckBox;
class QToolButton;
class TmyDataBase;

// The refuelling dialog of the three consumption registers: continuous (the fuel in the
// tank before refuelling), by distance (the kilometres driven, with a calculator from the
// previous odometer reading) and by engine hours (the hours worked). One layout, the
// labels and messages of the register it is made for; the fuel kind does not show here,
// the register's current table takes the record.
class TfZuzycie : public RecordDialog {
    Q_OBJECT

public:
    TfZuzycie(RegisterId id, TmyDataBase& database, MessageService& messages,
              QWidget* parent = nullptr);

    RegisterId registerId() const { return m_id; }

    // DATA, the first value (BAK or PRZEBIEG), TANKOWANIE and LICZNIK.
    void setRecord(const Record& record) override;
    Record record() const override;

    // The values a plain "Dodaj" opens with, and those of a cost handed on.
    static Record defaults(RegisterId id);
    static Record fromHandOn(RegisterId id, const RecordEditors::HandOn& handOn);

    // The distance dialog's button: the kilometres from this and the previous reading.
    void computeDistance();

protected:
    bool checkFields() override;

private:
    RegisterId m_id;
    TmyDataBase& m_db;
    DateField* m_date;
    DecimalField* m_first;
    DecimalField* m_fuel;
    DecimalField* m_reading;
    QToolButton* m_calculate = nullptr;
    QCheckBox* m_toCosts;
};

// The add, copy, edit, preview and hand-on of the three consumption registers; the
// register is the request's model's.
namespace RefuellingEditor {
RecordEditors::Outcome edit(const RecordEditors::Request& request);
}
