#include "data/Money.h"

#include "data/DisplayFormat.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace Money {
namespace {

// Room for the product of two amounts in millionths.
__extension__ using Wide = __int128;

// Integer division rounding half away from zero.
Wide divideRounded(Wide value, Wide divisor) {
    const Wide half = divisor / 2;
    return value >= 0 ? (value + half) / divisor : -((-value + half) / divisor);
}

// A stored binary number as the decimal its shortest form writes (what was typed or
// computed to a few decimals), in millionths; nullopt beyond a trillion.
std::optional<qint64> millionths(double value) {
    if (!std::isfinite(value) || std::abs(value) >= 1e12)
        return std::nullopt;
    const QString digits = QString::number(value, 'f', QLocale::FloatingPointShortest);
    qint64 whole = 0;
    qint64 fraction = 0;  // the first seven decimals
    int decimals = 0;
    bool afterPoint = false;
    for (const QChar c : digits) {
        if (c == u'.') {
            afterPoint = true;
        } else if (c.isDigit()) {
            const int digit = c.unicode() - '0';
            if (!afterPoint)
                whole = whole * 10 + digit;
            else if (++decimals <= 7)
                fraction = fraction * 10 + digit;
        }
    }
    for (int d = decimals; d < 7; ++d)
        fraction *= 10;
    // The seventh decimal decides the rounding; later ones cannot change it.
    const qint64 result = whole * 1000000 + (fraction + 5) / 10;
    return value < 0 ? -result : result;
}

}  // namespace

namespace {

// Integer division rounding half away from zero.
qint64 divideRounded(qint64 value, qint64 divisor) {
    const qint64 half = divisor / 2;
    return value >= 0 ? (value + half) / divisor : -((-value + half) / divisor);
}

}  // namespace

std::optional<qint64> hundredths(QStringView typed) {
    const QStringView text = typed.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    qsizetype i = 0;
    const bool negative = text.at(0) == u'-';
    if (negative || text.at(0) == u'+')
        ++i;
    qint64 whole = 0;
    int wholeDigits = 0;
    int decimals = 0;
    qint64 fraction = 0;  // the first three decimals, in thousandths
    bool afterPoint = false;
    bool plain = i < text.size();
    for (; i < text.size() && plain; ++i) {
        const QChar c = text.at(i);
        if (c.isDigit() && c.unicode() < 128) {
            const int digit = c.unicode() - '0';
            if (!afterPoint) {
                if (++wholeDigits > 15)
                    plain = false;
                whole = whole * 10 + digit;
            } else if (++decimals <= 3) {
                // The third decimal decides the rounding; later ones cannot change it.
                fraction = fraction * 10 + digit;
            }
        } else if ((c == u'.' || c == u',') && !afterPoint) {
            afterPoint = true;
        } else {
            plain = false;
        }
    }
    if (plain && wholeDigits + decimals > 0) {
        for (int d = decimals; d < 3; ++d)
            fraction *= 10;
        const qint64 thousandths = whole * 1000 + fraction;
        const qint64 value = (thousandths + 5) / 10;
        return negative ? -value : value;
    }
    // Other number forms: as the amount fields accept them.
    QString other = text.toString();
    other.replace(u',', u'.');
    bool ok = false;
    const double d = other.toDouble(&ok);
    if (!ok || !std::isfinite(d) || std::abs(d) > 1e15)
        return std::nullopt;
    return std::llround(d * 100.0);
}

qint64 vat(qint64 netGrosze, qint64 rateHundredths) {
    return divideRounded(netGrosze * rateHundredths, 10000);
}

QString text(qint64 grosze) {
    const DisplayFormat format;
    const qint64 magnitude = grosze < 0 ? -grosze : grosze;
    QString result = QString::number(magnitude / 100) + format.decimalPoint() +
                     QString::number(magnitude % 100).rightJustified(2, u'0');
    if (grosze < 0)
        result.prepend(QLocale().negativeSign());
    return result;
}

std::optional<qint64> product(double a, double b) {
    const auto left = millionths(a);
    const auto right = millionths(b);
    if (!left || !right)
        return std::nullopt;
    // Millionths times millionths: 10^-12 złote, rounded to 10^-2.
    const Wide result = divideRounded(Wide(*left) * Wide(*right), Wide(10000000000LL));
    if (result > std::numeric_limits<qint64>::max() || result < std::numeric_limits<qint64>::min())
        return std::nullopt;
    return qint64(result);
}

}  // namespace Money
