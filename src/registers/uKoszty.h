#pragma once

#include "registers/RecordDialog.h"
#include "shell/RecordEditors.h"

#include <optional>

class DateField;
class DecimalField;
class LookupField;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class TmyDataBase;
class VatCalculator;

// The cost dialog of the costs register; it can hand the saved cost on to the repairs,
// the tyres or one of the consumption registers.
class TfKoszty : public RecordDialog {
    Q_OBJECT

public:
    TfKoszty(TmyDataBase& database, MessageService& messages, QWidget* parent = nullptr);

    void setRecord(const Record& record) override;
    Record record() const override;

    // The remark must begin with a number (the program option poleInneJestLiczba).
    void setRemarkMustBeginWithNumber(bool on) { m_remarkNumber = on; }
    // The kind of expense can only be chosen from its list (the option RodzajKosztuRO).
    void setKindChosenOnly(bool on);
    // A cost handed on from another register stores "no road card" as 0, not -1.
    void setOpenedByHandOn(bool handOn) { m_openedByHandOn = handOn; }

    // The registers "Dodaj powyższe dane do" offers, in the order of the list.
    static QStringList handOnTargetNames();
    static RegisterId handOnTarget(int index);
    // The hand-on asked for in the dialog for the saved record; none unless "dodaj" is checked.
    std::optional<RecordEditors::HandOn> handOn(const Record& saved) const;

    // The values a plain "Dodaj" opens with: the costs list's filters taken over.
    static Record defaults(const RecordEditors::CostOptions& list = {});
    // The values a record handed on from a repair, a damage, a tyre set or a refuelling
    // opens with.
    static Record fromHandOn(TmyDataBase& database, const RecordEditors::HandOn& handOn);

protected:
    bool checkFields() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void reloadLists();
    void reloadKinds();
    void kindChosen(int index);
    void vehicleChosen();
    void fuelChanged();
    void targetChanged();

    TmyDataBase& m_db;
    bool m_remarkNumber = false;
    bool m_openedByHandOn = false;
    bool m_kindChosenOnly = false;
    DateField* m_date;
    LookupField* m_roadCard;
    LookupField* m_vehicle;
    QComboBox* m_kind;
    QLineEdit* m_name;
    DecimalField* m_net;
    QComboBox* m_rate;
    DecimalField* m_vat;
    DecimalField* m_gross;
    QCheckBox* m_bookVat;
    LookupField* m_fuelCard;
    QCheckBox* m_isFuel;
    DecimalField* m_fuel;
    LookupField* m_costCentre;
    LookupField* m_driver;
    DateField* m_issued;
    QLineEdit* m_document;
    LookupField* m_payment;
    DecimalField* m_odometer;
    QLineEdit* m_remarks;
    QCheckBox* m_handOn;
    QComboBox* m_handOnTarget;
    QLabel* m_fuelKindLabel;
    QComboBox* m_fuelKind;
    VatCalculator* m_calculator;
};

namespace CostEditor {
RecordEditors::Outcome edit(const RecordEditors::Request& request);
}
