#include "data/DisplayFormat.h"

#include "support/OVUtilities.h"

#include <algorithm>
#include <cmath>

namespace {

bool isNumeric(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Double:
        case QMetaType::Float:
            return true;
        default:
            return false;
    }
}

// A stored number, also when a text column holds digits; nullopt when it is none.
std::optional<double> toNumber(const QVariant& value) {
    if (value.isNull() || !value.isValid())
        return std::nullopt;
    bool ok = false;
    const double d =
        isNumeric(value) ? value.toDouble(&ok) : value.toString().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    return d;
}

}  // namespace

DisplayFormat::DisplayFormat(const QLocale& locale)
    : m_locale(locale),
      m_dateSeparator(TOVUtilities::dateSeparatorFor(locale)),
      m_decimalPoint(locale.decimalPoint()),
      m_minus(locale.negativeSign()) {}

QString DisplayFormat::date(qint64 value) const {
    if (value < 10000000 || value > 99999999)
        return {};
    const qint64 year = value / 10000;
    const qint64 month = value / 100 % 100;
    const qint64 day = value % 100;
    auto two = [](qint64 n) { return QString::number(n).rightJustified(2, QLatin1Char('0')); };
    return two(day) + m_dateSeparator + two(month) + m_dateSeparator +
           QString::number(year).rightJustified(4, QLatin1Char('0'));
}

QString DisplayFormat::number(double value, int decimals) const {
    QString text = QString::number(value, 'f', decimals);
    // No "-0,00" for a value that rounds to zero.
    if (text.startsWith(QLatin1Char('-')) &&
        std::all_of(text.cbegin() + 1, text.cend(),
                    [](QChar c) { return c == QLatin1Char('0') || c == QLatin1Char('.'); }))
        text.remove(0, 1);
    text.replace(QLatin1Char('.'), m_decimalPoint);
    if (text.startsWith(QLatin1Char('-')) && m_minus != QLatin1String("-"))
        text.replace(0, 1, m_minus);
    return text;
}

QString DisplayFormat::general(double value) const {
    return plain(QVariant(value));
}

QString DisplayFormat::time(qint64 value) const {
    if (value == 0)
        return QStringLiteral("  :  ");
    const QString digits = QStringLiteral("%1").arg(value, 4, 10, QLatin1Char('0'));
    return digits.left(2) + QLatin1Char(':') + digits.mid(2, 2);
}

QString DisplayFormat::statusName(qint64 status) {
    switch (status) {
        case 0:
            return QStringLiteral("Aktywny");
        case 1:
            return QStringLiteral("Nieaktywny");
        case 2:
            return QStringLiteral("Sprzedany");
        case 3:
            return QStringLiteral("W naprawie");
        case 4:
            return QStringLiteral("Zniszczony");
        case 5:
            return QStringLiteral("Inne");
        default:
            return {};
    }
}

QString DisplayFormat::plain(const QVariant& value) const {
    if (value.isNull() || !value.isValid())
        return {};
    switch (value.typeId()) {
        case QMetaType::Double:
        case QMetaType::Float: {
            const double d = value.toDouble();
            if (!std::isfinite(d))
                return {};
            // Whole numbers stored as floating values show without decimals.
            if (d == std::trunc(d) && std::fabs(d) < 1e15)
                return number(d, 0);
            QString text = m_locale.toString(d, 'g', 15);
            return text.remove(m_locale.groupSeparator());
        }
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
            return QString::number(value.toLongLong());
        default:
            return value.toString();
    }
}

QString DisplayFormat::text(Conversion conversion, const QVariant& value) const {
    switch (conversion) {
        case Conversion::None:
        case Conversion::PersonName:
            return plain(value);
        case Conversion::Date: {
            const auto d = toNumber(value);
            return d ? date(qint64(std::llround(*d))) : QString();
        }
        case Conversion::Money: {
            const auto d = toNumber(value);
            return d ? number(*d, 2) : QString();
        }
        case Conversion::Rate: {
            const auto d = toNumber(value);
            return d ? number(*d, 4) : QString();
        }
        case Conversion::Consumption: {
            const auto d = toNumber(value);
            return d ? number(*d, 2) : QStringLiteral("-");
        }
        case Conversion::FlagMark:
            return value.toString() == QLatin1String("T") ? QStringLiteral("+") : QString();
        case Conversion::VatFlag:
            return value.toString() == QLatin1String("T") ? QStringLiteral("Tak")
                                                          : QStringLiteral("Nie");
        case Conversion::Status: {
            const auto d = toNumber(value);
            return d && *d == std::trunc(*d) ? statusName(qint64(*d)) : QString();
        }
        case Conversion::Time: {
            const auto d = toNumber(value);
            return time(d ? qint64(std::llround(*d)) : 0);
        }
    }
    return plain(value);
}
