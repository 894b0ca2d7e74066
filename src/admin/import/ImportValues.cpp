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
    // Where year, month and day start; what stands between them is not looked at.
    const int at[3][3] = {{6, 3, 0}, {0, 5, 8}, {0, 4, 6}};
    const int* start = at[int(format)];
    if (cell.size() < (format == F::Compact ? 8 : 10))
        return std::nullopt;
    auto number = [&cell](int from, int digits) {
        int value = 0;
        for (int i = from; i < from + digits; ++i) {
            const char16_t c = cell.at(i).unicode();
            if (c < u'0' || c > u'9')
                return -1;
            value = value * 10 + (c - u'0');
        }
        return value;
    };
    const int year = number(start[0], 4);
    const int month = number(start[1], 2);
    const int day = number(start[2], 2);
    if (year < 1900 || month < 0 || day < 0 || !QDate::isValid(year, month, day))
        return std::nullopt;
    return qint64(year) * 10000 + month * 100 + day;
}

bool flag(const QString& cell, const QString& symbol) {
    return cell.toUpper() == symbol.toUpper();
}

}  // namespace ImportValues
