#pragma once

#include "registers/RecordDialog.h"
#include "shell/RecordEditors.h"

class DateField;
class DecimalField;
class LookupField;
class QCheckBox;
class QComboBox;
class QLineEdit;
class TmyDataBase;
class VatCalculator;

// The dialog of a tyre or a set of tyres.
class TfOpony : public RecordDialog {
    Q_OBJECT

public:
    TfOpony(TmyDataBase& database, MessageService& messages, QWidget* parent = nullptr);

    void setRecord(const Record& record) override;
    Record record() const override;

    // A new set: one tyre, nothing chosen, no dates.
    static Record defaults();
    // The set pre-filled from a cost (or another register's record) handed on to it.
    static Record fromHandOn(const RecordEditors::HandOn& handOn);

protected:
    bool checkFields() override;

private:
    void reloadLists();
    qint64 quantity() const;

    TmyDataBase& m_db;
    QLineEdit* m_number;
    DecimalField* m_quantity;
    QLineEdit* m_make;
    LookupField* m_kind;
    LookupField* m_size;
    QLineEdit* m_tread;
    DecimalField* m_maxMileage;
    QLineEdit* m_features;
    DateField* m_bought;
    QLineEdit* m_document;
    DecimalField* m_net;
    QComboBox* m_rate;
    DecimalField* m_vat;
    DecimalField* m_gross;
    VatCalculator* m_calculator;
    LookupField* m_vehicle;
    DateField* m_change;
    QCheckBox* m_stored;
    DecimalField* m_reminder;
    QLineEdit* m_remarks;
    QCheckBox* m_toCosts;
    QVariant m_key;
};

namespace TyreEditor {
RecordEditors::Outcome edit(const RecordEditors::Request& request);
}
