#include "admin/import/ImportValues.h"

#include "data/Money.h"

#include <QDate>

namespace ImportValues {

QString text(const QString& cell) {
    qsizetype begin = 0;
    qsizetype end = cell.size();
    auto blank = [](QChar c) { return c.isSpace() || c.category() == QChar::Other_Control; };
    while (begin < end && blank(cell[begin]))
        ++begin;
    while (end > begin && blank(cell[end - 1]))
        --end;
    return cell.mid(begin, end - begin);
}

QString key(const QString& cell) {
    QString unquoted = cell;
    unquoted.replace(QLatin1Char('"'), QLatin1Char(' '));
    return text(unquoted).toUpper();
}

QString folded(const QString& stored) {
    return text(stored).toUpper();
}

std::optional<qint64> hundredths(const QString& cell) {
    QString digits = text(cell);
    if (digits.isEmpty())
        return 0;
    // A grouping blank sits between digits; a blank anywhere else makes no number.
    for (qsizetype i = digits.size() - 2; i > 0; --i) {
        if ((digits[i].isSpace() || digits[i] == QChar(0x202F)) && digits[i - 1].isDigit() &&
            digits[i + 1].isDigit())
            digits.remove(i, 1);
    }
    return Money::hundredths(digits);
}

std::optional<qint64> date(const QString& cell, ImportLayout::DateFormat format) {
    using F = ImportLayout::DateFormat;
    const qsizetype length = format == F::Compact ? 8 : 10;
    if (cell.size() < length)
        return std::nullopt;
    QString year, month, day;
    switch (format) {
        case F::DayMonthYear:
            year = cell.mid(6, 4), month = cell.mid(3, 2), day = cell.mid(0, 2);
            break;
        case F::YearMonthDay:
            year = cell.mid(0, 4), month = cell.mid(5, 2), day = cell.mid(8, 2);
            break;
        case F::Compact:
            year = cell.mid(0, 4), month = cell.mid(4, 2), day = cell.mid(6, 2);
            break;
    }
    const QString joined = year + month + day;
    for (QChar c : joined) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    const QDate parsed(year.toInt(), month.toInt(), day.toInt());
    if (!parsed.isValid() || parsed.year() < 1900)
        return std::nullopt;
    return joined.toLongLong();
}

bool flag(const QString& cell, const QString& symbol) {
    return cell.toUpper() == symbol.toUpper();
}

}  // namespace ImportValues
