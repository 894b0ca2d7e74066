#pragma once

#include "registers/RecordDialog.h"
#include "shell/RecordEditors.h"

class SuggestedText;
class DateField;
class DecimalField;
class LookupField;
class QComboBox;
class QLineEdit;
class TmyDataBase;

// The dialog of an item of equipment fitted to a vehicle: the odometer reading at fitting
// and the term of its replacement, by date and by odometer reading.
class TfWyposazenie : public RecordDialog {
    Q_OBJECT

public:
    TfWyposazenie(TmyDataBase& database, MessageService& messages, QWidget* parent = nullptr);

    void setRecord(const Record& record) override;
    Record record() const override;

protected:
    bool checkFields() override;

private:
    TmyDataBase& m_db;
    QVariant m_key;
    DateField* m_date;
    DateField* m_term;
    LookupField* m_vehicle;
    DecimalField* m_reminder;
    SuggestedText* m_kind;
    QLineEdit* m_description;
    DecimalField* m_reading;
    QLineEdit* m_remarks;
};

namespace EquipmentEditor {
RecordEditors::Outcome edit(const RecordEditors::Request& request);
}
