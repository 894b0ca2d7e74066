#pragma once

#include "registers/RecordDialog.h"
#include "shell/RecordEditors.h"

class DateField;
class DecimalField;
class LookupField;
class QLineEdit;
class TmyDataBase;

// The odometer reading dialog: a vehicle's reading on a day. A reading is never compared
// with the vehicle's other readings; its current mileage is the highest of them.
class TfPrzebiegi : public RecordDialog {
    Q_OBJECT

public:
    TfPrzebiegi(TmyDataBase& database, MessageService& messages, QWidget* parent = nullptr);

    void setRecord(const Record& record) override;
    Record record() const override;

protected:
    bool checkFields() override;

private:
    TmyDataBase& m_db;
    QVariant m_key;
    DateField* m_date;
    LookupField* m_vehicle;
    DecimalField* m_reading;
    QLineEdit* m_remarks;
};

namespace ReadingEditor {
RecordEditors::Outcome edit(const RecordEditors::Request& request);
}
