#pragma once

#include "registers/RecordDialog.h"
#include "shell/RecordEditors.h"

class DateField;
class DecimalField;
class LookupField;
class QComboBox;
class QLineEdit;
class TmyDataBase;

// The trip dialog: date, vehicle, purpose and route (texts with suggestions), length and
// driver. The list prices the trip itself; nothing priced is written here.
class TfPrzejazdy : public RecordDialog {
    Q_OBJECT

public:
    TfPrzejazdy(TmyDataBase& database, MessageService& messages, QWidget* parent = nullptr);

    void setRecord(const Record& record) override;
    Record record() const override;

    // Re-reads the purpose and route suggestions, keeping what is typed.
    void reloadSuggestions();

protected:
    bool checkFields() override;

private:
    void reloadLists();
    void routeChosen(int index);
    void vehicleChosen();

    TmyDataBase& m_db;
    QVariant m_key;
    DateField* m_date;
    LookupField* m_vehicle;
    QComboBox* m_purpose;
    QComboBox* m_route;
    DecimalField* m_length;
    LookupField* m_driver;
    QLineEdit* m_remarks;
};

namespace TripEditor {
RecordEditors::Outcome edit(const RecordEditors::Request& request);
}
