#pragma once

#include <QString>
#include <QtGlobal>

// Amounts written out in Polish words for documents that repeat the figure in words:
// the whole złote in words with the grammatical form of "złoty" that the number takes,
// the grosze as a fraction of a hundred ("sto dwadzieścia trzy złote 45/100").
namespace AmountInWords {

// A whole number in words, in the masculine form used for counting złote: 0 "zero",
// 1 "jeden", 1000 "tysiąc", 2000000 "dwa miliony".
QString number(quint64 value);

// "złoty", "złote" or "złotych" as the number requires (1, 2–4 but not 12–14, the rest).
QString zlotyForm(quint64 value);

// The amount in grosze: "minus" before a negative amount, "zero złotych 00/100" for none.
QString text(qint64 grosze);

}  // namespace AmountInWords
