#include "support/OVUtilities.h"

#include "support/translation/TResourceTranslator.h"

#include <QStandardPaths>
#include <array>
#include <optional>

namespace {

struct DateParts {
    int day = 0;
    int month = 0;
    int year = 0;
};

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The value of the digits text[from, from + count); -1 when one is not a digit.
int digitsAt(const QString& text, qsizetype from, qsizetype count) {
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        if (!isAsciiDigit(text[i]))
            return -1;
        value = value * 10 + (text[i].unicode() - u'0');
    }
    return value;
}

std::optional<DateParts> parseDateText(const QString& text, int minimumYear) {
    if (text.size() != 10)
        return std::nullopt;
    const DateParts parts{digitsAt(text, 0, 2), digitsAt(text, 3, 2), digitsAt(text, 6, 4)};
    if (parts.year < minimumYear || parts.month < 1 || parts.month > 12 || parts.day < 1 ||
        parts.day > 31)
        return std::nullopt;
    return parts;
}

std::optional<DateParts> splitDateNumber(qint64 date) {
    if (date < 10000000 || date > 99999999)
        return std::nullopt;
    return DateParts{static_cast<int>(date % 100), static_cast<int>(date / 100 % 100),
                     static_cast<int>(date / 10000)};
}

// The parts of an eight-digit date that passes isDateTextValid.
std::optional<DateParts> validDateParts(qint64 date) {
    const auto parts = splitDateNumber(date);
    if (!parts || parts->month < 1 || parts->month > 12 || parts->day < 1 || parts->day > 31)
        return std::nullopt;
    return parts;
}

const QString defaultSubfolder = QStringLiteral("/Orvelin/Flotanor");

}  // namespace

TOVUtilities::TOVUtilities(const QLocale& locale) : m_locale(locale) {}

void TOVUtilities::setDataSubfolder(const QString& subfolder) {
    m_subfolder = subfolder;
    m_dataDirectory.clear();
}

QString TOVUtilities::dataDirectory() {
    if (m_dataDirectory.isEmpty())
        m_dataDirectory = dataDirectoryFor(m_subfolder);
    return m_dataDirectory;
}

QString TOVUtilities::defaultDataDirectory() {
    return dataDirectoryFor(defaultSubfolder);
}

QString TOVUtilities::dataDirectoryFor(const QString& subfolder) {
    const QString fromEnvironment = qEnvironmentVariable("FLOTANOR_DATA_DIR");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    QString directory = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!subfolder.isEmpty() && !subfolder.startsWith(u'/'))
        directory += u'/';
    return directory + subfolder;
}

QString TOVUtilities::documentsDirectory() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QChar TOVUtilities::dateSeparatorFor(const QLocale& locale) {
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    for (QChar c : format) {
        if (c.isLetter())
            continue;
        if (c == u'.' || c == u'-' || c == u'/')
            return c;
        break;
    }
    return u'-';
}

QChar TOVUtilities::dateSeparator() const {
    return dateSeparatorFor(m_locale);
}

QString TOVUtilities::emptyDate() const {
    const QChar s = dateSeparator();
    return QStringLiteral("  ") + s + QStringLiteral("  ") + s + QStringLiteral("    ");
}

QString TOVUtilities::emptyTime() const {
    return QStringLiteral("  :  ");
}

QString TOVUtilities::dateFormat() const {
    const QChar s = dateSeparator();
    return QStringLiteral("dd") + s + QStringLiteral("MM") + s + QStringLiteral("yyyy");
}

bool TOVUtilities::isDateTextValid(const QString& text) {
    return parseDateText(text, 1000).has_value();
}

bool TOVUtilities::isEnteredDateValid(const QString& text) {
    return parseDateText(text, 1900).has_value();
}

QString TOVUtilities::dateNumberToText(qint64 yyyymmdd) const {
    const auto parts = splitDateNumber(yyyymmdd);
    if (!parts)
        return {};
    const QChar s = dateSeparator();
    return QStringLiteral("%1%2%3%4%5")
        .arg(parts->day, 2, 10, QChar(u'0'))
        .arg(s)
        .arg(parts->month, 2, 10, QChar(u'0'))
        .arg(s)
        .arg(parts->year, 4, 10, QChar(u'0'));
}

qint64 TOVUtilities::dateTextToNumber(const QString& text) const {
    const auto parts = parseDateText(text, 1900);
    if (!parts)
        return 0;
    return qint64(parts->year) * 10000 + parts->month * 100 + parts->day;
}

int TOVUtilities::dayOf(qint64 date) {
    const auto parts = validDateParts(date);
    return parts ? parts->day : 1;
}

int TOVUtilities::monthOf(qint64 date) {
    const auto parts = validDateParts(date);
    return parts ? parts->month : 1;
}

int TOVUtilities::yearOf(qint64 date) {
    const auto parts = validDateParts(date);
    return parts ? parts->year : 1;
}

QString TOVUtilities::monthName(int month) const {
    static const std::array<QString, 12> names = {
        QStringLiteral("Styczeń"),     QStringLiteral("Luty"),     QStringLiteral("Marzec"),
        QStringLiteral("Kwiecień"),    QStringLiteral("Maj"),      QStringLiteral("Czerwiec"),
        QStringLiteral("Lipiec"),      QStringLiteral("Sierpień"), QStringLiteral("Wrzesień"),
        QStringLiteral("Październik"), QStringLiteral("Listopad"), QStringLiteral("Grudzień")};
    if (month < 1 || month > 12)
        return {};
    return tx(names[month - 1]);
}

QString TOVUtilities::digitWord(int digit) const {
    static const std::array<QString, 10> words = {
        QStringLiteral("ZER"), QStringLiteral("JED"), QStringLiteral("DWA"), QStringLiteral("TRZ"),
        QStringLiteral("CZT"), QStringLiteral("PIĘ"), QStringLiteral("SZE"), QStringLiteral("SIE"),
        QStringLiteral("OSI"), QStringLiteral("DZI")};
    if (digit < 0 || digit > 9)
        return {};
    return tx(words[digit]);
}

int TOVUtilities::daysInMonth(int month, int year) {
    static constexpr std::array<int, 12> days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

QString TOVUtilities::replaceAll(QString text, const QString& search, const QString& replacement) {
    if (search.isEmpty())
        return text;
    // Replacing again would find the text just put in, without end.
    if (replacement.contains(search))
        return text.replace(search, replacement);

    // Every occurrence before the one just replaced would have been found earlier, so the
    // next search may start len(search) - 1 characters back: the same result as searching
    // from the beginning, without going over the text again and again.
    // A replacement that is not shorter can, with the text around it, form the search text
    // again; the bounds stop such a text from growing or cycling for ever.
    const bool shrinks = replacement.size() < search.size();
    const qsizetype maxLength = 64 * (text.size() + replacement.size() + 1);
    qsizetype rounds = 0;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(search, from);
        if (at < 0)
            break;
        text.replace(at, search.size(), replacement);
        from = qMax<qsizetype>(0, at - search.size() + 1);
        if (!shrinks && (++rounds > 4'000'000 || text.size() > maxLength))
            break;
    }
    return text;
}

int TOVUtilities::wheelRows(int angleDeltaY, const QPoint& pos, const QSize& size) {
    if (pos.x() < 0 || pos.x() > size.width() || pos.y() < 0 || pos.y() > size.height())
        return 0;
    return -(angleDeltaY / 120);
}
