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

// The dialog of a damage or a collision.
class TfSzkody : public RecordDialog {
    Q_OBJECT

public:
    TfSzkody(TmyDataBase& database, MessageService& messages, QWidget* parent = nullptr);

    void setRecord(const Record& record) override;
    Record record() const override;

protected:
    bool checkFields() override;

private:
    void reloadLists();

    TmyDataBase& m_db;
    DateField* m_date;
    LookupField* m_vehicle;
    LookupField* m_driver;
    DecimalField* m_reading;
    QLineEdit* m_description;
    DecimalField* m_net;
    QComboBox* m_rate;
    DecimalField* m_vat;
    DecimalField* m_gross;
    VatCalculator* m_calculator;
    QLineEdit* m_remarks;
    QCheckBox* m_toCosts;
    QVariant m_key;
};

namespace DamageEditor {
RecordEditors::Outcome edit(const RecordEditors::Request& request);
}
