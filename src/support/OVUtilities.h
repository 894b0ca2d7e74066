#pragma once

#include <QChar>
#include <QLocale>
#include <QPoint>
#include <QSize>
#include <QString>

// Helpers the whole program shares: where its files live, how it writes dates, Polish
// names, and small text and grid arithmetic. Dates are kept as numbers YYYYMMDD and shown
// as DD<s>MM<s>YYYY, <s> being the separator of the locale.
class TOVUtilities {
public:
    explicit TOVUtilities(const QLocale& locale = QLocale());

    // Appended to the generic data location, e.g. "/Orvelin/Flotanor". Forgets a data
    // directory computed before.
    void setDataSubfolder(const QString& subfolder);

    // $FLOTANOR_DATA_DIR when set and non-empty, else the generic data location plus the
    // subfolder. Computed at the first call and kept; the directory is not created.
    QString dataDirectory();

    // The same rule with the subfolder "/Orvelin/Flotanor", computed afresh every call.
    static QString defaultDataDirectory();

    static QString documentsDirectory();

    // The first non-letter of the locale's short date format when it is '.', '-' or '/',
    // else '-'.
    static QChar dateSeparatorFor(const QLocale& locale);
    QChar dateSeparator() const;

    QString emptyDate() const;   // "  .  .    " with the separator of the locale
    QString emptyTime() const;   // "  :  "
    QString dateFormat() const;  // "dd.MM.yyyy" with the separator of the locale

    // DD?MM?YYYY with digits at the places of the numbers, year >= 1000, month 1..12,
    // day 1..31. Neither the separators nor the length of the month are checked.
    static bool isDateTextValid(const QString& text);
    // The same with year >= 1900: the rule for dates typed into the program.
    static bool isEnteredDateValid(const QString& text);

    // An eight-digit YYYYMMDD as DD<s>MM<s>YYYY; empty for anything else.
    QString dateNumberToText(qint64 yyyymmdd) const;
    // The inverse for a text that isEnteredDateValid accepts, whatever its separators; 0
    // otherwise.
    qint64 dateTextToNumber(const QString& text) const;

    // The part of an eight-digit date whose text isDateTextValid accepts, else 1.
    static int dayOf(qint64 date);
    static int monthOf(qint64 date);
    static int yearOf(qint64 date);

    QString monthName(int month) const;  // "Styczeń" .. "Grudzień"; empty outside 1..12
    QString digitWord(int digit) const;  // "ZER" .. "DZI"; empty outside 0..9

    // Gregorian calendar; 0 for a month outside 1..12.
    static int daysInMonth(int month, int year);

    // Replaces the first occurrence and searches again from the beginning until none is
    // left, so "a   b" with "  " -> " " becomes "a b". When the replacement contains the
    // search text every occurrence is replaced once, left to right.
    static QString replaceAll(QString text, const QString& search, const QString& replacement);

    // How many rows a grid's current record moves for a wheel turn at pos (grid client
    // coordinates): 0 outside the grid, else -(angleDeltaY / 120); one notch away from the
    // user moves one row up.
    static int wheelRows(int angleDeltaY, const QPoint& pos, const QSize& size);

private:
    static QString dataDirectoryFor(const QString& subfolder);

    QLocale m_locale;
    QString m_subfolder;
    QString m_dataDirectory;
};
