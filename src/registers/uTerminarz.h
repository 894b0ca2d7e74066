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

// The scheduler dialog: an event between two dates, of a kind from the RTERM dictionary,
// for a vehicle, an employee or a contractor, reminded of by its start or its end date
// and optionally by an odometer reading.
class TfTerminarz : public RecordDialog {
    Q_OBJECT

public:
    TfTerminarz(TmyDataBase& database, MessageService& messages, QWidget* parent = nullptr);

    void setRecord(const Record& record) override;
    Record record() const override;

    // The entries of the "which date" list, as stored in SPRODDO.
    enum WatchedDate { EndDate = 0, StartDate = 1 };

protected:
    bool checkFields() override;

private:
    void reloadLists();

    TmyDataBase& m_db;
    QVariant m_key;
    DateField* m_from;
    DateField* m_to;
    QComboBox* m_watched;
    DecimalField* m_reminder;
    LookupField* m_employee;
    LookupField* m_vehicle;
    SuggestedText* m_contractor;
    LookupField* m_kind;
    QLineEdit* m_description;
};

namespace ScheduleEditor {
RecordEditors::Outcome edit(const RecordEditors::Request& request);
}
