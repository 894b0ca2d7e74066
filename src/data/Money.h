#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// Amounts of money in whole grosze, read from and written to the texts people type, so
// that net + VAT = gross holds exactly and no binary fraction ever decides a grosz.
namespace Money {

// A decimal text ("10,5", "-3", "1.005") as a whole number of hundredths, either
// separator; digits beyond the second decimal round half away from zero. A text in
// another number form ("1e3") is read as a binary number and rounded the same way.
// nullopt when the text is no number.
std::optional<qint64> hundredths(QStringView text);

// The VAT of a net amount at a rate given in hundredths of a percent (23% = 2300),
// rounded half away from zero to the grosz.
qint64 vat(qint64 netGrosze, qint64 rateHundredths);

// The product of two stored numbers (kilometres × a rate) in grosze: each read as the
// decimal its shortest form writes, multiplied exactly and rounded half away from zero.
// nullopt beyond a trillion.
std::optional<qint64> product(double a, double b);

// Two decimals with the system's separator, as the amount fields show them.
QString text(qint64 grosze);

}  // namespace Money
