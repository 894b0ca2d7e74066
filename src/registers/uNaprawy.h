#pragma once

#include "registers/RecordDialog.h"
#include "shell/RecordEditors.h"

class DateField;
class DecimalField;
class LookupField;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;
class TmyDataBase;

// The repair dialog. The three amounts of a repair are not shown: they come from the cost
// the repair was handed on from and are carried unchanged through copy and edit.
class TfNaprawy : public RecordDialog {
    Q_OBJECT

public:
    TfNaprawy(TmyDataBase& database, MessageService& messages, QWidget* parent = nullptr);

    void setRecord(const Record& record) override;
    Record record() const override;

    // The repair pre-filled from a cost (or another register's record) handed on to it.
    static Record fromHandOn(const RecordEditors::HandOn& handOn);

protected:
    bool checkFields() override;

private:
    void reloadLists();

    TmyDataBase& m_db;
    QCheckBox* m_done;
    LookupField* m_vehicle;
    DateField* m_date;
    DecimalField* m_reminder;
    QComboBox* m_description;
    QToolButton* m_descriptionLibrary;
    LookupField* m_driver;
    QLineEdit* m_remarks;
    DecimalField* m_reading;
    QCheckBox* m_toCosts;
    QVariant m_key;
    double m_net = 0;
    double m_vat = 0;
    double m_gross = 0;
};

namespace RepairEditor {
RecordEditors::Outcome edit(const RecordEditors::Request& request);
}
