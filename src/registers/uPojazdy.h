#pragma once

#include "registers/RecordDialog.h"
#include "shell/RecordEditors.h"

class DateField;
class DecimalField;
class LookupField;
class QComboBox;
class QLineEdit;
class TmyDataBase;

// The vehicle dialog.
class TfPojazdy : public RecordDialog {
    Q_OBJECT

public:
    TfPojazdy(TmyDataBase& database, MessageService& messages, const QString& companyName,
              QWidget* parent = nullptr);

    void setRecord(const Record& record) override;
    Record record() const override;

    // The status list: the codes the vehicles list names.
    static QStringList statusNames();

protected:
    bool checkFields() override;

private:
    void reloadLists();

    TmyDataBase& m_db;
    QString m_companyName;
    QLineEdit* m_registration;
    QLineEdit* m_ordinal;
    QLineEdit* m_identifier;
    LookupField* m_fleet;
    QLineEdit* m_previous;
    QLineEdit* m_make;
    LookupField* m_kind;
    QLineEdit* m_capacity;
    QComboBox* m_year;
    QComboBox* m_status;
    QLineEdit* m_series;
    DateField* m_inspection;
    QLineEdit* m_engine;
    DecimalField* m_inspectionReading;
    QComboBox* m_owner;
    QLineEdit* m_body;
    QLineEdit* m_policyOc;
    DateField* m_oc;
    QLineEdit* m_policyAc;
    DateField* m_ac;
    DecimalField* m_warrantyReading;
    DateField* m_warranty;
    DateField* m_tachograph;
    DecimalField* m_rate;
    DecimalField* m_normFrom;
    DecimalField* m_normTo;
    LookupField* m_driver;
    QLineEdit* m_remarks;
};

namespace VehicleEditor {
RecordEditors::Outcome edit(const RecordEditors::Request& request);
}
