#pragma once

#include "output/Reminders.h"

#include <QDateTime>

// The dated terms of the date check as an iCalendar file (RFC 5545) that calendar programs
// subscribe to: one all-day event per term. An event's UID names the record and the kind
// of term, never the date, so an export after a term has moved updates its event instead
// of adding a second one. Odometer and store terms have no date and are left out.
namespace TermCalendar {

// "pojazdy-12-oc.demo@flotanor": table, key and kind of term, and the company directory.
QString uid(const ReminderTerm& term, const QString& company);

// The calendar in UTF-8, written by libical; stamp goes into every DTSTAMP.
QByteArray encode(const QList<ReminderTerm>& terms, const QString& company,
                  const QDateTime& stamp = QDateTime::currentDateTimeUtc());

// Writes the whole file or nothing (as the sheets are written).
bool write(const QList<ReminderTerm>& terms, const QString& company, const QString& fileName,
           QString* error = nullptr);

// The name the save dialog proposes.
inline QString proposedFileName() {
    return QStringLiteral("terminy.ics");
}

}  // namespace TermCalendar
