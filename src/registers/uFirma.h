#pragma once

#include "registers/RecordDialog.h"

#include <QList>

class QLineEdit;
class TmyDataBase;

// The company's own data ("Dane Firmy"): name, numbers, address, bank account and the
// address for letters, kept in the row IDFIRMA 1.
class TfFirma : public RecordDialog {
    Q_OBJECT

public:
    explicit TfFirma(MessageService& messages, QWidget* parent = nullptr);

    // Reads the company data (creating the row when it is missing), shows it and writes
    // it when saved; without canWrite it is only shown. True when it was saved.
    static bool edit(QWidget* parent, TmyDataBase& database, MessageService& messages,
                     bool canWrite);

    void setRecord(const Record& record) override;
    Record record() const override;
    // Read-only with only a close button, or editable.
    void setReadOnly(bool readOnly);

protected:
    bool checkFields() override { return true; }

private:
    struct Field {
        QString column;
        QLineEdit* edit;
    };
    QList<Field> m_fields;
};
