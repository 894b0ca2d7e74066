#include "support/AmountInWords.h"

#include <QStringList>
#include <array>

namespace AmountInWords {

namespace {

const std::array<const char*, 10> kUnits = {"",     "jeden", "dwa",    "trzy",  "cztery",
                                            "pięć", "sześć", "siedem", "osiem", "dziewięć"};
const std::array<const char*, 10> kTeens = {
    "dziesięć",   "jedenaście", "dwanaście",    "trzynaście",  "czternaście",
    "piętnaście", "szesnaście", "siedemnaście", "osiemnaście", "dziewiętnaście"};
const std::array<const char*, 10> kTens = {"",
                                           "",
                                           "dwadzieścia",
                                           "trzydzieści",
                                           "czterdzieści",
                                           "pięćdziesiąt",
                                           "sześćdziesiąt",
                                           "siedemdziesiąt",
                                           "osiemdziesiąt",
                                           "dziewięćdziesiąt"};
const std::array<const char*, 10> kHundreds = {"",          "sto",        "dwieście", "trzysta",
                                               "czterysta", "pięćset",    "sześćset", "siedemset",
                                               "osiemset",  "dziewięćset"};

// The powers of a thousand: singular, plural after 2–4, plural genitive; enough for any
// 64-bit number.
struct Scale {
    const char* one;
    const char* few;
    const char* many;
};
const std::array<Scale, 7> kScales = {{{"", "", ""},
                                       {"tysiąc", "tysiące", "tysięcy"},
                                       {"milion", "miliony", "milionów"},
                                       {"miliard", "miliardy", "miliardów"},
                                       {"bilion", "biliony", "bilionów"},
                                       {"biliard", "biliardy", "biliardów"},
                                       {"trylion", "tryliony", "trylionów"}}};

// Polish counts take the singular for exactly one, the nominative plural when the last
// digit is 2–4 except for 12–14, and the genitive plural otherwise.
enum class Form { One, Few, Many };

Form formOf(quint64 value) {
    if (value == 1)
        return Form::One;
    const quint64 lastTwo = value % 100;
    const quint64 last = value % 10;
    if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14))
        return Form::Few;
    return Form::Many;
}

const char* pick(const Scale& scale, Form form) {
    switch (form) {
        case Form::One:
            return scale.one;
        case Form::Few:
            return scale.few;
        case Form::Many:
            return scale.many;
    }
    return scale.many;
}

// 1..999 in words.
void appendTriple(QStringList& words, unsigned triple) {
    const unsigned hundreds = triple / 100;
    const unsigned rest = triple % 100;
    if (hundreds > 0)
        words << QString::fromUtf8(kHundreds.at(hundreds));
    if (rest >= 10 && rest < 20) {
        words << QString::fromUtf8(kTeens.at(rest - 10));
        return;
    }
    if (rest >= 20)
        words << QString::fromUtf8(kTens.at(rest / 10));
    if (rest % 10 > 0)
        words << QString::fromUtf8(kUnits.at(rest % 10));
}

}  // namespace

QString number(quint64 value) {
    if (value == 0)
        return QStringLiteral("zero");
    std::array<unsigned, kScales.size()> triples{};
    size_t count = 0;
    for (quint64 rest = value; rest > 0; rest /= 1000)
        triples.at(count++) = unsigned(rest % 1000);
    QStringList words;
    for (size_t i = count; i-- > 0;) {
        const unsigned triple = triples.at(i);
        if (triple == 0)
            continue;
        if (i == 0) {
            appendTriple(words, triple);
            continue;
        }
        // "tysiąc", not "jeden tysiąc"; but "sto jeden tysięcy".
        if (triple != 1)
            appendTriple(words, triple);
        words << QString::fromUtf8(pick(kScales.at(i), formOf(triple)));
    }
    return words.join(QLatin1Char(' '));
}

QString zlotyForm(quint64 value) {
    switch (formOf(value)) {
        case Form::One:
            return QStringLiteral("złoty");
        case Form::Few:
            return QStringLiteral("złote");
        case Form::Many:
            return QStringLiteral("złotych");
    }
    return QStringLiteral("złotych");
}

QString text(qint64 grosze) {
    // The magnitude as unsigned, so that the most negative amount has one too.
    const quint64 magnitude = grosze < 0 ? quint64(0) - quint64(grosze) : quint64(grosze);
    const quint64 zlote = magnitude / 100;
    const unsigned cents = unsigned(magnitude % 100);
    QString result = number(zlote) + QLatin1Char(' ') + zlotyForm(zlote) + QLatin1Char(' ') +
                     QString::number(cents).rightJustified(2, QLatin1Char('0')) +
                     QStringLiteral("/100");
    if (grosze < 0)
        result.prepend(QStringLiteral("minus "));
    return result;
}

}  // namespace AmountInWords
