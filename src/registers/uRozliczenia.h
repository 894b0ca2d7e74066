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

// The settlement dialog: hours of work of a vehicle for a contractor, priced by an hourly
// rate that the chosen vehicle brings along. A saved order can start one pre-filled.
class TfRozliczenia : public RecordDialog {
    Q_OBJECT

public:
    TfRozliczenia(TmyDataBase& database, MessageService& messages, QWidget* parent = nullptr);

    void setRecord(const Record& record) override;
    Record record() const override;

    static Record defaults();
    // A new settlement from a saved order handed on to it: the order's number, dates,
    // vehicle, kind of work, route, description, employee and contractor; no hours, no rate.
    static Record fromHandOn(const RecordEditors::HandOn& handOn);

protected:
    bool checkFields() override;
    // Leaving the vehicle while one is shown brings its hourly rate.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void reloadLists();
    void vehicleChosen();
    void takeVehicleRate();

    TmyDataBase& m_db;
    QVariant m_key;
    // "Nie wskazuj żadnego pojazdu" was pressed (or the settlement was saved so): no
    // vehicle is then a choice, stored as 0, not a missing field.
    bool m_vehicleCleared = false;
    QLineEdit* m_number;
    DateField* m_from;
    DateField* m_to;
    LookupField* m_employee;
    LookupField* m_vehicle;
    SuggestedText* m_contractor;
    LookupField* m_work;
    SuggestedText* m_route;
    QLineEdit* m_description;
    DecimalField* m_hours;
    DecimalField* m_rate;
};

namespace SettlementEditor {
RecordEditors::Outcome edit(const RecordEditors::Request& request);
}
