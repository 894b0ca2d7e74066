#pragma once

#include "registers/RecordDialog.h"
#include "shell/RecordEditors.h"

class SuggestedText;
class DateField;
class LookupField;
class QCheckBox;
class QComboBox;
class QLineEdit;
class TmyDataBase;

// The order dialog: a work order for a vehicle over a span of days, with the employee, the
// contractor, the kind of work and the route. A saved order can be handed on to the
// settlements, whose add dialog then opens pre-filled from it.
class TfZlecenia : public RecordDialog {
    Q_OBJECT

public:
    TfZlecenia(TmyDataBase& database, MessageService& messages, QWidget* parent = nullptr);

    void setRecord(const Record& record) override;
    Record record() const override;

    // The option "dodajDoRozliczen" is offered only to a user who may write settlements,
    // and never in the preview.
    void allowSettlementHandOn(bool allowed) { m_settlementsAllowed = allowed; }
    bool handsOnToSettlements() const;

protected:
    bool checkFields() override;
    void showEvent(QShowEvent* event) override;

private:
    void reloadLists();

    TmyDataBase& m_db;
    QVariant m_key;
    // "Nie wskazuj żadnego pojazdu" was pressed (or the order was saved so): no vehicle is
    // then a choice, stored as 0, not a missing field.
    bool m_vehicleCleared = false;
    bool m_settlementsAllowed = false;
    QLineEdit* m_number;
    DateField* m_from;
    DateField* m_to;
    LookupField* m_employee;
    LookupField* m_vehicle;
    SuggestedText* m_contractor;
    LookupField* m_work;
    SuggestedText* m_route;
    QLineEdit* m_description;
    QCheckBox* m_toSettlements;
};

namespace OrderEditor {
RecordEditors::Outcome edit(const RecordEditors::Request& request);
}
