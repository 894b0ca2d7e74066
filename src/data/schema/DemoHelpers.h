#pragma once

// Small helpers every piece of the sample company writes its rows with.

#include <QDate>
#include <QString>
#include <QVariant>
#include <climits>
#include <utility>

namespace Demo {

using Field = std::pair<QString, QVariant>;

inline Field f(const char* name, const QString& value) {
    return {QString::fromLatin1(name), value};
}
inline Field f(const char* name, const char* utf8) {
    return {QString::fromLatin1(name), QString::fromUtf8(utf8)};
}
inline Field f(const char* name, int value) {
    return {QString::fromLatin1(name), value};
}
inline Field f(const char* name, qint64 value) {
    return {QString::fromLatin1(name), value};
}
inline Field f(const char* name, double value) {
    return {QString::fromLatin1(name), value};
}

inline QString u8(const char* text) {
    return QString::fromUtf8(text);
}

inline int ymd(const QDate& date) {
    return date.year() * 10000 + date.month() * 100 + date.day();
}

// A date a number of days from today; kNone stands for "no date" and gives 0.
inline constexpr int kNone = INT_MIN;
inline int ymdIn(const QDate& today, int days) {
    return days == kNone ? 0 : ymd(today.addDays(days));
}

inline bool isWeekend(const QDate& date) {
    return date.dayOfWeek() >= 6;
}

// A Monday to Friday on or before date.
inline QDate workdayBefore(QDate date) {
    while (isWeekend(date))
        date = date.addDays(-1);
    return date;
}

// Amounts in grosze so that net + VAT is the gross to the grosz.
struct Money {
    qint64 net = 0, vat = 0, gross = 0;
};
inline Money withVat(qint64 net) {
    const qint64 gross = (net * 123 + 50) / 100;  // round(net * 1.23, 2), half up
    return {net, gross - net, gross};
}
inline Money withoutVat(qint64 net) {
    return {net, 0, net};
}
inline double pln(qint64 grosze) {
    return double(grosze) / 100.0;
}

}  // namespace Demo
