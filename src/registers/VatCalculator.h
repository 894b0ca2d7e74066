#pragma once

#include <QObject>
#include <QString>
#include <optional>

class DecimalField;
class QComboBox;

// Keeps net + VAT = gross, in whole grosze, while the three amounts of a cost, damage or
// tyre dialog are typed: choosing a VAT rate computes VAT (rounded half up to the grosz)
// and gross from the net value, which stays as typed; a change of net
// or VAT recomputes gross, a change of gross recomputes net (unless the field computed is
// the one being typed in); typing in any amount blanks the rate.
class VatCalculator : public QObject {
    Q_OBJECT

public:
    VatCalculator(DecimalField* net, QComboBox* rate, DecimalField* vat, DecimalField* gross,
                  QObject* parent = nullptr);

    // Fills the rate list (texts such as "23.00", highest first as given).
    void setRates(const QStringList& rates);
    // The three amount texts read as numbers and agree in whole grosze.
    static bool agrees(const QString& net, const QString& vat, const QString& gross);

    // The saving checks of the three amounts, in order: an empty amount becomes 0, each
    // must be a number (it is then written in its shortest form) and together they must
    // agree. The first failure: its message and the field to focus.
    struct Problem {
        QString message;
        DecimalField* field;
    };
    std::optional<Problem> checkAmounts() const;

private:
    void applyRate();
    void netChanged();
    void vatChanged();
    void grossChanged();
    static void write(DecimalField* field, qint64 grosze);
    static qint64 grosze(const DecimalField* field);  // 0 for a text that is no number

    DecimalField* m_net;
    QComboBox* m_rate;
    DecimalField* m_vat;
    DecimalField* m_gross;
    bool m_applyingRate = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
