#pragma once

#include "registers/RecordDialog.h"
#include "shell/RecordEditors.h"

class QLineEdit;

// The person dialog of the persons register ("Kartoteka osobowa").
class TfOsobowa : public RecordDialog {
    Q_OBJECT

public:
    TfOsobowa(MessageService& messages, QWidget* parent = nullptr);

    void setRecord(const Record& record) override;
    Record record() const override;

protected:
    bool checkFields() override;

private:
    struct Field {
        const char* column;
        QLineEdit* edit;
    };
    QList<Field> m_fields;
    QLineEdit* m_number = nullptr;
    QLineEdit* m_surname = nullptr;
};

namespace PersonEditor {
RecordEditors::Outcome edit(const RecordEditors::Request& request);
}
