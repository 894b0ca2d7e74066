#include "output/TermCalendar.h"

#include "support/WholeFile.h"

#include <libical/ical.h>
#include <QUrl>

namespace {

QString kindCode(TermKind kind) {
    switch (kind) {
        case TermKind::InsuranceOC:
            return QStringLiteral("oc");
        case TermKind::InsuranceAC:
            return QStringLiteral("ac");
        case TermKind::Inspection:
            return QStringLiteral("przeglad");
        case TermKind::WarrantyInspection:
            return QStringLiteral("przeglad-gwarancyjny");
        case TermKind::Repair:
            return QStringLiteral("naprawa");
        case TermKind::Equipment:
            return QStringLiteral("wyposazenie");
        case TermKind::Document:
            return QStringLiteral("dokument");
        case TermKind::FuelCard:
            return QStringLiteral("karta-paliwowa");
        case TermKind::Scheduler:
            return QStringLiteral("terminarz");
        case TermKind::Tyres:
            return QStringLiteral("opony");
        case TermKind::LowStock:
            return QStringLiteral("magazyn");
    }
    return QStringLiteral("termin");
}

// A typed key (a fuel card's) or a directory name may hold any character; the UID keeps
// to plain ASCII.
QString safe(const QString& text) {
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

icaltimetype day(qint64 yyyymmdd) {
    icaltimetype date = icaltime_null_date();
    date.year = int(yyyymmdd / 10000);
    date.month = int(yyyymmdd / 100 % 100);
    date.day = int(yyyymmdd % 100);
    return date;
}

bool isCalendarTerm(const ReminderTerm& term) {
    const QDate date(int(term.date / 10000), int(term.date / 100 % 100), int(term.date % 100));
    return !term.byOdometer && term.kind != TermKind::LowStock && date.isValid();
}

}  // namespace

namespace TermCalendar {

QString uid(const ReminderTerm& term, const QString& company) {
    return QStringLiteral("%1-%2-%3.%4@flotanor")
        .arg(term.table, safe(term.key.toString()), kindCode(term.kind), safe(company));
}

QByteArray encode(const QList<ReminderTerm>& terms, const QString& company,
                  const QDateTime& stamp) {
    icalcomponent* calendar = icalcomponent_new(ICAL_VCALENDAR_COMPONENT);
    icalcomponent_add_property(calendar, icalproperty_new_prodid("-//Orvelin//Flotanor//PL"));
    icalcomponent_add_property(calendar, icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar, icalproperty_new_calscale("GREGORIAN"));
    icalcomponent_add_property(calendar, icalproperty_new_method(ICAL_METHOD_PUBLISH));
    const icaltimetype stamped = icaltime_from_timet_with_zone(time_t(stamp.toSecsSinceEpoch()), 0,
                                                               icaltimezone_get_utc_timezone());
    for (const ReminderTerm& term : terms) {
        if (!isCalendarTerm(term))
            continue;
        icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
        icalcomponent_add_property(event, icalproperty_new_uid(uid(term, company).toUtf8()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(stamped));
        const icaltimetype start = day(term.date);
        icaltimetype end = start;
        icaltime_adjust(&end, 1, 0, 0, 0);  // an all-day event ends the next day
        icalcomponent_add_property(event, icalproperty_new_dtstart(start));
        icalcomponent_add_property(event, icalproperty_new_dtend(end));
        icalcomponent_add_property(event, icalproperty_new_summary(term.text.toUtf8()));
        // A reminder does not make anybody busy that day.
        icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        icalcomponent_add_component(calendar, event);
    }
    char* text = icalcomponent_as_ical_string_r(calendar);
    const QByteArray bytes(text);
    icalmemory_free_buffer(text);
    icalcomponent_free(calendar);
    return bytes;
}

bool write(const QList<ReminderTerm>& terms, const QString& company, const QString& fileName,
           QString* error) {
    return WholeFile::write(fileName, encode(terms, company), error);
}

}  // namespace TermCalendar
