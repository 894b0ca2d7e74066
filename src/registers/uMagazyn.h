#pragma once

#include "registers/RecordDialog.h"
#include "shell/RecordEditors.h"

class DecimalField;
class QLineEdit;

// The dialog of an item of the store of parts and fuels: its quantity in stock and the
// level at which the store check reminds of a shortage. It belongs to no vehicle.
class TfMagazyn : public RecordDialog {
    Q_OBJECT

public:
    explicit TfMagazyn(MessageService& messages, QWidget* parent = nullptr);

    void setRecord(const Record& record) override;
    Record record() const override;

protected:
    bool checkFields() override;

private:
    QVariant m_key;
    QLineEdit* m_name;
    DecimalField* m_quantity;
    DecimalField* m_reminder;
    QLineEdit* m_remarks;
};

namespace StoreEditor {
RecordEditors::Outcome edit(const RecordEditors::Request& request);
}
