#pragma once

#include "registers/RecordDialog.h"

#include <QList>
#include <QStringList>

class DecimalField;
class QCheckBox;
class QLabel;
class QLineEdit;

// A dictionary of the library: its code (IDSLOWNIK), its name in the chooser, the titles
// of its grid columns, and the title and field label of its entry dialog.
struct LibraryDictionary {
    QString code;
    QString name;
    QStringList columns;
    QString editTitle;
    QString fieldLabel;
};

namespace LibraryDictionaries {

// The eighteen dictionaries in the chooser's order.
const QList<LibraryDictionary>& all();
// The position of a dictionary in all(); -1 for a code the library does not hold.
int indexOf(const QString& dictionaryCode);

}  // namespace LibraryDictionaries

// The entry dialog of every dictionary of the library: the text (OPIS) and, for routes
// their length and for expense kinds whether their VAT is booked, as UZUP1. VAT rates are
// stored as "8.00", route lengths in the shortest form ("12,5" under a Polish locale).
class TfEditBibliotekaAll : public RecordDialog {
    Q_OBJECT

public:
    // adding: a new entry or a copy, as opposed to editing one.
    TfEditBibliotekaAll(const QString& dictionaryCode, bool adding, MessageService& messages,
                        QWidget* parent = nullptr);

    // OPIS and UZUP1; an expense kind without UZUP1 starts with its VAT box checked.
    void setRecord(const Record& record) override;
    Record record() const override;

    // Whether an expense kind's UZUP1 means its VAT is booked ("YES" or "Tak").
    static bool vatBooked(const QString& extra);

protected:
    bool checkFields() override;

private:
    QString m_code;
    QLineEdit* m_text = nullptr;
    DecimalField* m_extra = nullptr;
    QCheckBox* m_vat = nullptr;
    QString m_keptExtra;  // UZUP1 of dictionaries whose dialog does not show it
};
