#pragma once

#include "data/records/Record.h"

#include <QDialog>
#include <functional>

class DateField;
class DecimalField;
class MessageService;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;
class QToolButton;
class QVBoxLayout;
class SuggestedText;
class TmyDataBase;

// What every record dialog shares: a banner, a grid of labelled fields, "&Zapisz" and
// "&Anuluj" (Enter saves, Esc cancels), the checks run in their order on saving, the
// first failure shown in the "Uwaga" box with the focus on its field, and the read-only
// preview with only "&OK". A dialog takes a record and hands one back.
class RecordDialog : public QDialog {
    Q_OBJECT

public:
    RecordDialog(const QString& objectName, const QString& title, const QString& banner,
                 MessageService& messages, QWidget* parent = nullptr);
    ~RecordDialog() override;

    virtual void setRecord(const Record& record) = 0;
    virtual Record record() const = 0;

    void setPreview(bool preview);
    bool isPreview() const { return m_preview; }
    // Shows the dialog; true when it closed saved.
    bool run();

    QPushButton* saveButton() const { return m_save; }
    QPushButton* cancelButton() const { return m_cancel; }

    // Dialogs with the option of handing the saved record on to the costs: it is offered
    // only to a user who may write costs, and never in the preview.
    void allowCostHandOn(bool allowed) { m_costsAllowed = allowed; }
    bool handsOnToCosts() const;

protected:
    // The dialog's checks in their order; each failure calls refuse().
    virtual bool checkFields() = 0;
    // Shows the message titled "Uwaga", focuses the field (its text selected) and fails.
    bool refuse(const QString& message, QWidget* field);
    MessageService& messages() const { return m_messages; }

    // Building the form: a label and a field (with a unit after it) in a row of a column.
    void addRow(int row, int column, const QString& label, QWidget* field, const QString& unit = {},
                int span = 1);
    QLineEdit* textField(const QString& objectName, int maxLength, const QString& hint = {});
    DecimalField* decimalField(const QString& objectName, int maxLength, int onLeave);
    DateField* dateField(const QString& objectName);
    QComboBox* suggestField(const QString& objectName, int maxLength);
    // A suggestField with "[...]" opening the dictionary in the library (named objectName
    // + "Biblioteka") and, with a clearHint, "X" emptying it (objectName + "Clear").
    SuggestedText* suggestedText(const QString& objectName, int maxLength, TmyDataBase& database,
                                 const QString& dictionary, std::function<QStringList()> source,
                                 const QString& clearHint = {});
    QGridLayout* form() const { return m_form; }
    // The area above the buttons for the dialog's own controls (hand-on options).
    QVBoxLayout* extras() const { return m_extras; }
    // The option "dodajDoKosztow" in that area, unchecked.
    QCheckBox* addCostsOption(const QString& text);
    void showEvent(QShowEvent* event) override;

    // A small button beside a field ("[...]", "X"), with its hint.
    static QToolButton* toolButton(const QString& objectName, const QString& text,
                                   const QString& hint);
    // A field with its buttons after it, on one line.
    static QWidget* withButtons(QWidget* field, std::initializer_list<QWidget*> buttons);
    // The person a stored record names; earlier releases stored a cleared person as "0".
    static QVariant personKey(const Record& record, const QString& field);

    static QString dateText(const Record& record, const QString& field);
    static QString twoDecimals(double value);

private:
    void save();

    MessageService& m_messages;
    QGridLayout* m_form = nullptr;
    QVBoxLayout* m_extras = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_saved = false;
    bool m_preview = false;
    QCheckBox* m_toCosts = nullptr;
    bool m_costsAllowed = false;
};
