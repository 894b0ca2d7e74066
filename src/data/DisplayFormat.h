#pragma once

#include "data/registers/Conversion.h"

#include <QLocale>
#include <QString>
#include <QVariant>

// Turns stored values into the texts the program shows, under one locale: its decimal
// separator and the date separator taken from its short date format. Grids, sheets,
// printouts, search and reports all go through text(), so they always agree.
class DisplayFormat {
public:
    explicit DisplayFormat(const QLocale& locale = QLocale());

    QChar dateSeparator() const { return m_dateSeparator; }
    QString decimalPoint() const { return m_decimalPoint; }

    QString text(Conversion conversion, const QVariant& value) const;

    // The pieces, for code that formats values it computed itself.
    QString date(qint64 yyyymmdd) const;               // empty unless eight digits
    QString number(double value, int decimals) const;  // "0.00" pattern, no grouping
    QString plain(const QVariant& value) const;        // a value with no conversion
    QString general(double value) const;               // the shortest form, "12,5"
    QString time(qint64 hhmm) const;
    static QString statusName(qint64 status);

private:
    QLocale m_locale;
    QChar m_dateSeparator;
    QString m_decimalPoint;
    QString m_minus;
};
