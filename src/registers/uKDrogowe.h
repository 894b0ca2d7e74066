#pragma once

#include "registers/RecordDialog.h"
#include "shell/RecordEditors.h"

class SuggestedText;
class DateField;
class DecimalField;
class LookupField;
class QComboBox;
class QLineEdit;
class TimeField;
class TmyDataBase;

// The road card dialog: the vehicle and driver, the purpose and route (texts with
// suggestions), the odometer before departure and after return, the start and end of
// work as a date and a time each, and the driver's driving, rest and working hours.
class TfKDrogowe : public RecordDialog {
    Q_OBJECT

public:
    TfKDrogowe(TmyDataBase& database, MessageService& messages, QWidget* parent = nullptr);

    void setRecord(const Record& record) override;
    Record record() const override;

    // Re-reads the purpose and route suggestions, keeping what is typed.

protected:
    bool checkFields() override;

private:
    void reloadLists();
    void vehicleChosen();
    QList<DecimalField*> decimals() const;

    TmyDataBase& m_db;
    QVariant m_key;
    DateField* m_issued;
    LookupField* m_vehicle;
    LookupField* m_driver;
    QLineEdit* m_number;
    QLineEdit* m_licence;
    SuggestedText* m_purpose;
    SuggestedText* m_route;
    DateField* m_startDate;
    TimeField* m_startTime;
    DateField* m_endDate;
    TimeField* m_endTime;
    DecimalField* m_startReading;
    DecimalField* m_endReading;
    DecimalField* m_driving;
    DecimalField* m_rest;
    DecimalField* m_workHours;
    QLineEdit* m_remarks;
};

namespace RoadCardEditor {
RecordEditors::Outcome edit(const RecordEditors::Request& request);
}
