#pragma once

#include "registers/RecordDialog.h"
#include "shell/RecordEditors.h"

class SuggestedText;
class DateField;
class DecimalField;
class LookupField;
class QComboBox;
class TmyDataBase;

// The fuel price dialog: the gross price of one litre of a fuel kind on a day at a place.
class TfCenyPaliw : public RecordDialog {
    Q_OBJECT

public:
    TfCenyPaliw(TmyDataBase& database, MessageService& messages, QWidget* parent = nullptr);

    // ID, DATA, RODZAJPALIWA, MIEJSCE and BRUTTO.
    void setRecord(const Record& record) override;
    Record record() const override;

    // The values a plain "Dodaj" opens with: no fuel kind, no date or place, price "0".
    static Record defaults();

protected:
    bool checkFields() override;

private:
    void reloadKinds();

    TmyDataBase& m_db;
    DateField* m_date;
    LookupField* m_kind;
    SuggestedText* m_place;
    DecimalField* m_price;
    QVariant m_key;
};

namespace FuelPriceEditor {
RecordEditors::Outcome edit(const RecordEditors::Request& request);
}
