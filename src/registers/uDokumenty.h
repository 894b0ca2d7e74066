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

// The dialog of a vehicle's document, with its validity term by date and by odometer
// reading; both terms feed the reminders.
class TfDokumenty : public RecordDialog {
    Q_OBJECT

public:
    TfDokumenty(TmyDataBase& database, MessageService& messages, QWidget* parent = nullptr);

    void setRecord(const Record& record) override;
    Record record() const override;

protected:
    bool checkFields() override;

private:
    TmyDataBase& m_db;
    QVariant m_key;
    DateField* m_date;
    DateField* m_term;
    DecimalField* m_reminder;
    LookupField* m_vehicle;
    SuggestedText* m_kind;
    QLineEdit* m_name;
    QLineEdit* m_number;
    QLineEdit* m_description;
    QLineEdit* m_remarks;
};

namespace DocumentEditor {
RecordEditors::Outcome edit(const RecordEditors::Request& request);
}
