#pragma once

#include "registers/RecordDialog.h"
#include "shell/RecordEditors.h"

#include <QList>

class DateField;
class DecimalField;
class QLabel;
class TmyDataBase;

// The dialog of one set of kilometre rates: the date from which they apply and twenty
// rates, one per kind of vehicle, each labelled with the kind's current name.
class TfStawki : public RecordDialog {
    Q_OBJECT

public:
    TfStawki(TmyDataBase& database, MessageService& messages, QWidget* parent = nullptr);

    void setRecord(const Record& record) override;
    Record record() const override;

    // Takes the labels of the motorcycle, the moped and the free kinds from the kinds'
    // current texts; a kind the company lacks keeps its plain label.
    void reloadLabels();
    // The label of the rate of a kind number (1 and 2 are the two car rates).
    QString rateLabel(int kind) const;

protected:
    bool checkFields() override;
    // Leaving a rate rewrites it with four decimals, 0 when it is no number.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TmyDataBase& m_db;
    DateField* m_from;
    QList<DecimalField*> m_rates;  // in the order of TripStores::rateFields()
    QList<QLabel*> m_labels;
};

namespace RateEditor {
RecordEditors::Outcome edit(const RecordEditors::Request& request);
}
