#include "output/Reminders.h"

#include "data/DisplayFormat.h"
#include "data/TmyDataBase.h"
#include "data/engine/DbQuery.h"
#include "data/engine/PolishCollation.h"
#include "data/engine/SqlTemplate.h"
#include "support/translation/TResourceTranslator.h"

#include <QHash>
#include <algorithm>
#include <tuple>

namespace {

qint64 ymd(const QDate& date) {
    return date.isValid() ? qint64(date.year()) * 10000 + date.month() * 100 + date.day() : 0;
}

// Which row values make a date section's line.
enum class DateLine { Vehicle, VehicleText, FuelCard, Scheduler, Tyres };

QString notBlank(const QString& separator, const QString& text) {
    return text.trimmed().isEmpty() ? QString() : separator + text;
}

// A date section: its statement in compact template form, whose slots take the upper
// bound U or the lower bound L of the span, its label and how its line is made.
struct DateSection {
    TermKind kind;
    const char* table;
    const char* label;
    DateLine line;
    qint64 code;
    QString statement;
    QList<std::pair<int, bool>> bounds;  // slot line, true for U
};

// A related odometer section: every term of its table with a reading, by vehicle.
struct ReadingSection {
    TermKind kind;
    const char* table;
    const char* label;
    qint64 code;
    QString statement;
    bool dated;  // the line shows the record's date
};

// Vehicle keys are named IDPOJAZDU in the scheduler and the tyres.
QString vehicleStatement(const char* field) {
    const QString f = QString::fromLatin1(field);
    return QStringLiteral(
               "SELECT IDPOJAZD AS KLUCZ, IDPOJAZD AS POJAZDID, %1 AS TERMIN, NRREJ, MARKA "
               "FROM pojazdy WHERE %1 <= {1} AND %1 > {3} AND COALESCE(STATUS, 0) = 0 "
               "ORDER BY %1 DESC, IDPOJAZD")
        .arg(f);
}

QString joinedStatement(const char* table, const char* key, const char* dateField,
                        const char* textField, const char* condition) {
    return QStringLiteral(
               "SELECT A.%2 AS KLUCZ, A.IDPOJAZD AS POJAZDID, A.%3 AS TERMIN, B.NRREJ, B.MARKA, "
               "A.%4 AS OPIS FROM %1 A LEFT OUTER JOIN pojazdy B ON A.IDPOJAZD = B.IDPOJAZD "
               "WHERE A.%3 <= {1} AND A.%3 > {3} %5 ORDER BY A.%3 DESC, A.%2")
        .arg(QString::fromLatin1(table), QString::fromLatin1(key), QString::fromLatin1(dateField),
             QString::fromLatin1(textField), QString::fromLatin1(condition));
}

const QList<std::pair<int, bool>> kOneBound = {{1, true}, {3, false}};

const QList<DateSection>& dateSections() {
    using D = DateSection;
    static const QList<D> sections = {
        D{TermKind::InsuranceOC, "pojazdy", "Ważność ubezpieczenia OC dla pojazdu",
          DateLine::Vehicle, 190, vehicleStatement("DATAOC"), kOneBound},
        D{TermKind::InsuranceAC, "pojazdy", "Ważność ubezpieczenia AC dla pojazdu",
          DateLine::Vehicle, 191, vehicleStatement("DATAAC"), kOneBound},
        D{TermKind::Inspection, "pojazdy", "Przegląd techniczny dla pojazdu", DateLine::Vehicle,
          193, vehicleStatement("DATAPRZE"), kOneBound},
        D{TermKind::WarrantyInspection, "pojazdy", "Przegląd gwarancyjny dla pojazdu",
          DateLine::Vehicle, 194, vehicleStatement("DATAPRZEGW"), kOneBound},
        // A repair is done only when marked "T"; an unmarked one (NULL) is still due.
        D{TermKind::Repair, "naprawy", "Termin naprawy dla pojazdu", DateLine::VehicleText, 195,
          joinedStatement("naprawy", "IDNAPRAWY", "DATA", "OPIS",
                          "AND COALESCE(A.DONE, '') <> 'T'"),
          kOneBound},
        D{TermKind::Equipment, "wyposazenie", "Termin wymiany wyposażenia dla pojazdu",
          DateLine::VehicleText, 196,
          joinedStatement("wyposazenie", "IDWYPOS", "TERMIN", "RODZAJ", ""), kOneBound},
        D{TermKind::Document, "dokumenty", "Termin dokumentu dla pojazdu", DateLine::VehicleText,
          197, joinedStatement("dokumenty", "IDDOKUMENT", "TERMIN", "RODZAJ", ""), kOneBound},
        D{TermKind::FuelCard, "kpaliwowe", "Termin Karty Paliwowej", DateLine::FuelCard, 198,
          QStringLiteral("SELECT A.IDKARTY AS KLUCZ, A.IDPOJAZD AS POJAZDID, A.TERMIN AS TERMIN, "
                         "A.NAZWA, B.NRREJ, B.MARKA FROM kpaliwowe A LEFT OUTER JOIN pojazdy B "
                         "ON A.IDPOJAZD = B.IDPOJAZD WHERE A.TERMIN <= {1} AND A.TERMIN > {3} "
                         "ORDER BY A.TERMIN DESC, A.IDKARTY") +
              PolishCollation::clause(),
          kOneBound},
        // An event falls due on its start ("O") or its end ("D"); any other mark never.
        D{TermKind::Scheduler,
          "terminy",
          "Zdarzenia zapisane w terminarzu",
          DateLine::Scheduler,
          58198,
          QStringLiteral(
              "SELECT T.IDTERMINU AS KLUCZ, T.IDPOJAZDU AS POJAZDID, "
              "(CASE WHEN T.SPRODDO = 'O' THEN T.DATAOD ELSE T.DATADO END) AS TERMIN, "
              "T.KONTRAHENT, P.NRREJ, P.MARKA, P.NRREJ AS POJAZD, "
              "(CASE WHEN O.NREW IS NULL THEN NULL ELSE COALESCE(O.NAZWISKO, '') || ' ' || "
              "COALESCE(O.IMIE, '') END) AS OSOBA, T.NREW, S.OPIS AS RODZAJ "
              "FROM terminy T LEFT OUTER JOIN pojazdy P ON T.IDPOJAZDU = P.IDPOJAZD "
              "LEFT OUTER JOIN osobowa O ON T.NREW = O.NREW "
              "LEFT OUTER JOIN slowniki S ON T.RODZAJTERMINU = S.KOD "
              "WHERE (T.SPRODDO = 'O' AND T.DATAOD <= {10} AND T.DATAOD > {12} ) OR "
              "(T.SPRODDO = 'D' AND T.DATADO <= {14} AND T.DATADO > {16} ) "
              "ORDER BY T.DATAOD ASC NULLS LAST, T.DATADO DESC NULLS LAST, T.IDTERMINU"),
          {{10, true}, {12, false}, {14, true}, {16, false}}},
        D{TermKind::Tyres,
          "opony",
          "Termin wymiany opon",
          DateLine::Tyres,
          58199,
          QStringLiteral("SELECT O.IDOPONY AS KLUCZ, O.IDPOJAZDU AS POJAZDID, "
                         "O.DATAWYMIANY AS TERMIN, O.NREWID, O.MARKA AS OMARKA, "
                         "A.OPIS AS RODZAJO, P.NRREJ, P.MARKA, P.NRREJ AS POJAZD "
                         "FROM opony O LEFT OUTER JOIN pojazdy P ON O.IDPOJAZDU = P.IDPOJAZD "
                         "LEFT OUTER JOIN slowniki A ON O.RODZAJ = A.KOD "
                         "WHERE O.DATAWYMIANY <= {8} AND O.DATAWYMIANY > {10} "
                         "ORDER BY O.DATAWYMIANY DESC, O.IDOPONY"),
          {{8, true}, {10, false}}},
    };
    return sections;
}

const DateSection* dateSection(TermKind kind) {
    for (const auto& section : dateSections()) {
        if (section.kind == kind)
            return &section;
    }
    return nullptr;
}

QString readingStatement(const char* table, const char* key, const char* vehicle, const char* date,
                         const char* condition) {
    return QStringLiteral(
               "SELECT %2 AS KLUCZ, %3 AS POJAZDID, LICZTERM, %4 AS DATA FROM %1 "
               "WHERE LICZTERM > 0 AND %3 IS NOT NULL %5 ORDER BY %3, LICZTERM DESC, %2")
        .arg(QString::fromLatin1(table), QString::fromLatin1(key), QString::fromLatin1(vehicle),
             QString::fromLatin1(date), QString::fromLatin1(condition));
}

const QList<ReadingSection>& readingSections() {
    using R = ReadingSection;
    static const QList<R> sections = {
        R{TermKind::Repair, "naprawy", "Termin naprawy przy stanie licznika", 185303,
          readingStatement("naprawy", "IDNAPRAWY", "IDPOJAZD", "DATA",
                           "AND COALESCE(DONE, '') <> 'T'"),
          true},
        R{TermKind::Equipment, "wyposazenie", "Termin wymiany wyposazenia przy stanie licznika",
          185304, readingStatement("wyposazenie", "IDWYPOS", "IDPOJAZD", "DATA", ""), true},
        R{TermKind::Document, "dokumenty", "Termin dokumentu przy stanie licznika", 185306,
          readingStatement("dokumenty", "IDDOKUMENT", "IDPOJAZD", "DATA", ""), true},
        R{TermKind::Scheduler, "terminy", "Termin w terminarzu przy stanie licznika", 185307,
          readingStatement("terminy", "IDTERMINU", "IDPOJAZDU", "DATAOD", ""), true},
        R{TermKind::Tyres, "opony", "Termin wymiany opon przy stanie licznika", 185308,
          readingStatement("opony", "IDOPONY", "IDPOJAZDU", "0", ""), false},
    };
    return sections;
}

const ReadingSection* readingSection(TermKind kind) {
    for (const auto& section : readingSections()) {
        if (section.kind == kind)
            return &section;
    }
    return nullptr;
}

QString vehicleLabel(const DbQuery& row) {
    if (row.isNull(u"NRREJ") && row.isNull(u"MARKA"))
        return {};
    return row.text(u"NRREJ") + QLatin1Char(' ') + row.text(u"MARKA");
}

}  // namespace

QByteArray ReminderList::bytes(TextEncoding encoding) const {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return CodePage::encode(text, encoding);
}

DateSpan DateSpan::window(const QDate& today, int daysBefore, int daysAfter) {
    DateSpan span;
    span.upper = ymd(today.addDays(daysBefore));
    // Never below 0, so that a date of 0 (none) is never listed, however far back.
    span.lower =
        daysAfter != 0 ? std::max<qint64>(ymd(today.addDays(-(qint64(daysAfter) + 1))), 0) : 0;
    return span;
}

DateSpan DateSpan::between(const QDate& from, const QDate& to) {
    DateSpan span;
    if (from.isValid())
        span.lower = ymd(from.addDays(-1));
    if (to.isValid())
        span.upper = ymd(to);
    return span;
}

Reminders::Reminders(TmyDataBase& database, const TconfigPP& options, const QDate& today,
                     const QLocale& locale)
    : m_db(database), m_options(options), m_today(today), m_locale(locale) {}

void Reminders::setTranslator(std::function<QString(const QString&)> translate) {
    m_translate = std::move(translate);
}

QString Reminders::tr(const char* label) const {
    const QString text = QString::fromUtf8(label);
    return m_translate ? m_translate(text) : tx(text);
}

QString Reminders::date(qint64 yyyymmdd) const {
    return DisplayFormat(m_locale).date(yyyymmdd);
}

QString Reminders::number(double value) const {
    return DisplayFormat(m_locale).number(value, 2);
}

bool Reminders::runDateSection(TermKind kind, const DateSpan& span, ReminderList& list) {
    const DateSection& section = *dateSection(kind);
    SqlTemplate statement = SqlTemplate::parse(section.statement);
    for (const auto& [line, upper] : section.bounds)
        statement.setLine(line, QString::number(upper ? span.upper : span.lower));
    DbQuery row;
    if (DbError error = m_db.DatabaseFirma().select(statement.statement(), &row)) {
        m_db.errorReport().report(error, section.code);
        list.failedCodes << section.code;
        return false;
    }
    const QString label = tr(section.label);
    while (row.next()) {
        ReminderTerm term;
        term.kind = section.kind;
        term.date = row.integer(u"TERMIN");
        term.table = QString::fromLatin1(section.table);
        term.key = section.kind == TermKind::FuelCard ? QVariant(row.text(u"KLUCZ"))
                                                      : QVariant(row.integer(u"KLUCZ"));
        term.vehicle = row.integer(u"POJAZDID");
        term.vehicleLabel = vehicleLabel(row);
        const QString sep = QStringLiteral(", ");
        switch (section.line) {
            case DateLine::Vehicle:
                term.text =
                    label + QLatin1Char(' ') + row.text(u"NRREJ") + sep + row.text(u"MARKA");
                break;
            case DateLine::VehicleText:
                term.text = label + QLatin1Char(' ') + row.text(u"NRREJ") + sep +
                            row.text(u"MARKA") + sep + row.text(u"OPIS");
                break;
            case DateLine::FuelCard:
                term.text =
                    label + QLatin1Char(' ') + row.text(u"KLUCZ") + sep + row.text(u"NAZWA");
                break;
            case DateLine::Scheduler:
                term.text = row.text(u"RODZAJ");
                if (!row.text(u"NREW").trimmed().isEmpty())
                    term.text += sep + row.text(u"OSOBA") + QLatin1Char('(') + row.text(u"NREW") +
                                 QLatin1Char(')');
                term.text += notBlank(sep, row.text(u"KONTRAHENT"));
                term.text += notBlank(sep, row.text(u"POJAZD"));
                break;
            case DateLine::Tyres:
                // The fixed pieces of the tyre line are not translated.
                term.text = QStringLiteral("Wymiana opon (") + row.text(u"NREWID") +
                            QStringLiteral("), pojazd: ") + notBlank({}, row.text(u"POJAZD")) +
                            notBlank(sep, row.text(u"RODZAJO")) +
                            notBlank(sep, row.text(u"OMARKA"));
                break;
        }
        list.lines << date(term.date) + QLatin1Char(' ') + term.text;
        list.terms << term;
    }
    return true;
}

#define REMINDERS_DATE_SECTION(function, kind)                           \
    bool Reminders::function(const DateSpan& span, ReminderList& list) { \
        return runDateSection(TermKind::kind, span, list);               \
    }
REMINDERS_DATE_SECTION(insuranceOC, InsuranceOC)
REMINDERS_DATE_SECTION(insuranceAC, InsuranceAC)
REMINDERS_DATE_SECTION(inspection, Inspection)
REMINDERS_DATE_SECTION(warrantyInspection, WarrantyInspection)
REMINDERS_DATE_SECTION(repairs, Repair)
REMINDERS_DATE_SECTION(equipment, Equipment)
REMINDERS_DATE_SECTION(documents, Document)
REMINDERS_DATE_SECTION(fuelCards, FuelCard)
REMINDERS_DATE_SECTION(scheduler, Scheduler)
REMINDERS_DATE_SECTION(tyres, Tyres)
#undef REMINDERS_DATE_SECTION

ReminderList Reminders::dateCheck() {
    const DateSpan span =
        DateSpan::window(m_today, m_options.dataWsteczna, m_options.dataWstecznaMin);
    const std::pair<bool TconfigPP::*, TermKind> switches[] = {
        {&TconfigPP::cbOC, TermKind::InsuranceOC},
        {&TconfigPP::cbAC, TermKind::InsuranceAC},
        {&TconfigPP::cbPRZEG, TermKind::Inspection},
        {&TconfigPP::cbPRZEGW, TermKind::WarrantyInspection},
        {&TconfigPP::cbNAPRAWY, TermKind::Repair},
        {&TconfigPP::cbWYPOSAZENIE, TermKind::Equipment},
        {&TconfigPP::cbDOKUMENTY, TermKind::Document},
        {&TconfigPP::cbKPALIWOWE, TermKind::FuelCard},
        {&TconfigPP::cbTERMINARZ, TermKind::Scheduler},
        {&TconfigPP::cbOPONY, TermKind::Tyres},
    };
    ReminderList list;
    for (const auto& [option, kind] : switches) {
        if (m_options.*option)
            runDateSection(kind, span, list);
    }
    list.found = !list.terms.isEmpty();
    if (!list.found)
        list.lines << nothingFound();
    return list;
}

ReminderList Reminders::datedTerms(const DateSpan& span) {
    ReminderList list;
    for (const DateSection& section : dateSections())
        runDateSection(section.kind, span, list);
    list.found = !list.terms.isEmpty();
    return list;
}

bool Reminders::inOdometerWindow(double term, double odometer, int kmBefore, int kmAfter) {
    const double after = kmAfter == 0 ? 9999999.0 : double(kmAfter);
    return term > 0 && term - (double(kmBefore) + 0.01) < odometer && odometer <= term + after;
}

std::optional<QList<VehicleReading>> Reminders::vehicleReadings() {
    // Readings without a vehicle, or of a vehicle that is gone or not in use, are passed
    // over instead of ending the walk.
    const SqlStatement statement(QStringLiteral(
        "SELECT R.IDPOJAZD, R.PRZEBIEG, P.NRREJ, P.MARKA, P.LICZPRZEG, P.LICZGWAR "
        "FROM (SELECT IDPOJAZD, MAX(LICZNIK) AS PRZEBIEG FROM przebiegi "
        "WHERE IDPOJAZD IS NOT NULL GROUP BY IDPOJAZD) R "
        "INNER JOIN pojazdy P ON P.IDPOJAZD = R.IDPOJAZD "
        "WHERE COALESCE(P.STATUS, 0) = 0 AND R.PRZEBIEG IS NOT NULL ORDER BY R.IDPOJAZD"));
    DbQuery row;
    if (DbError error = m_db.DatabaseFirma().select(statement, &row)) {
        m_db.errorReport().report(error, 331934);
        return std::nullopt;
    }
    QList<VehicleReading> vehicles;
    while (row.next()) {
        VehicleReading v;
        v.vehicle = row.integer(u"IDPOJAZD");
        v.label = row.text(u"NRREJ") + QLatin1Char(' ') + row.text(u"MARKA");
        v.odometer = row.number(u"PRZEBIEG");
        v.inspectionAt = row.number(u"LICZPRZEG");
        v.warrantyAt = row.number(u"LICZGWAR");
        vehicles << v;
    }
    return vehicles;
}

bool Reminders::ownReadings(TermKind kind, const QList<VehicleReading>& vehicles,
                            QList<ReminderTerm>& terms) {
    const bool inspection = kind == TermKind::Inspection;
    const QString label = inspection ? tr("Termin przeglądu technicznego po przebiegu")
                                     : tr("Termin przeglądu gwarancyjnego po przebiegu");
    for (const VehicleReading& v : vehicles) {
        const double at = inspection ? v.inspectionAt : v.warrantyAt;
        if (!inOdometerWindow(at, v.odometer, m_options.kmOd, m_options.kmDo))
            continue;
        ReminderTerm term;
        term.kind = kind;
        term.byOdometer = true;
        term.reading = at;
        term.odometer = v.odometer;
        term.table = QStringLiteral("pojazdy");
        term.key = v.vehicle;
        term.vehicle = v.vehicle;
        term.vehicleLabel = v.label;
        term.text = label + QLatin1Char(' ') + number(at);
        terms << term;
    }
    return true;
}

bool Reminders::inspectionReadings(const QList<VehicleReading>& vehicles,
                                   QList<ReminderTerm>& terms) {
    return ownReadings(TermKind::Inspection, vehicles, terms);
}

bool Reminders::warrantyReadings(const QList<VehicleReading>& vehicles,
                                 QList<ReminderTerm>& terms) {
    return ownReadings(TermKind::WarrantyInspection, vehicles, terms);
}

bool Reminders::runReadingSection(TermKind kind, const QList<VehicleReading>& vehicles,
                                  QList<ReminderTerm>& terms) {
    const ReadingSection& section = *readingSection(kind);
    DbQuery row;
    if (DbError error = m_db.DatabaseFirma().select(SqlStatement(section.statement), &row)) {
        m_db.errorReport().report(error, section.code);
        return false;
    }
    QHash<qint64, const VehicleReading*> byKey;
    for (const VehicleReading& v : vehicles)
        byKey.insert(v.vehicle, &v);
    const QString label = tr(section.label);
    while (row.next()) {
        const VehicleReading* v = byKey.value(row.integer(u"POJAZDID"));
        const double at = row.number(u"LICZTERM");
        if (!v || !inOdometerWindow(at, v->odometer, m_options.kmOd, m_options.kmDo))
            continue;
        ReminderTerm term;
        term.kind = section.kind;
        term.byOdometer = true;
        term.date = section.dated ? row.integer(u"DATA") : 0;
        term.reading = at;
        term.odometer = v->odometer;
        term.table = QString::fromLatin1(section.table);
        term.key = row.integer(u"KLUCZ");
        term.vehicle = v->vehicle;
        term.vehicleLabel = v->label;
        term.text = label + QLatin1Char(' ') + number(at);
        if (section.dated)
            term.text += QStringLiteral(" (") + date(term.date) + QLatin1Char(')');
        terms << term;
    }
    return true;
}

#define REMINDERS_READING_SECTION(function, kind)                                                 \
    bool Reminders::function(const QList<VehicleReading>& vehicles, QList<ReminderTerm>& terms) { \
        return runReadingSection(TermKind::kind, vehicles, terms);                                \
    }
REMINDERS_READING_SECTION(repairReadings, Repair)
REMINDERS_READING_SECTION(equipmentReadings, Equipment)
REMINDERS_READING_SECTION(documentReadings, Document)
REMINDERS_READING_SECTION(schedulerReadings, Scheduler)
REMINDERS_READING_SECTION(tyreReadings, Tyres)
#undef REMINDERS_READING_SECTION

ReminderList Reminders::odometerCheck() {
    ReminderList list;
    const std::optional<QList<VehicleReading>> vehicles = vehicleReadings();
    if (!vehicles) {
        list.failedCodes << 331934;
    } else {
        using Section = bool (Reminders::*)(const QList<VehicleReading>&, QList<ReminderTerm>&);
        const std::tuple<bool TconfigPP::*, Section, qint64> sections[] = {
            {&TconfigPP::cbLICZPRZEG, &Reminders::inspectionReadings, 0},
            {&TconfigPP::cbLICZGWAR, &Reminders::warrantyReadings, 0},
            {&TconfigPP::cbLICZNAPR, &Reminders::repairReadings, 185303},
            {&TconfigPP::cbLICZWYPOS, &Reminders::equipmentReadings, 185304},
            {&TconfigPP::cbLICZDOK, &Reminders::documentReadings, 185306},
            {&TconfigPP::cbLICZTERM, &Reminders::schedulerReadings, 185307},
            {&TconfigPP::cbLICZOPONY, &Reminders::tyreReadings, 185308},
        };
        QList<ReminderTerm> terms;
        for (const auto& [option, section, code] : sections) {
            if (m_options.*option && !(this->*section)(*vehicles, terms))
                list.failedCodes << code;
        }
        // Vehicle by vehicle; inside a vehicle the sections keep their order.
        QHash<qint64, int> position;
        for (int i = 0; i < vehicles->size(); ++i)
            position.insert(vehicles->at(i).vehicle, i);
        std::stable_sort(terms.begin(), terms.end(),
                         [&position](const ReminderTerm& a, const ReminderTerm& b) {
                             return position.value(a.vehicle) < position.value(b.vehicle);
                         });
        for (const ReminderTerm& term : terms) {
            list.lines << term.vehicleLabel + QStringLiteral(",przeb.:") + number(term.odometer)
                       << QStringLiteral("  ") + term.text << QString();
        }
        list.terms = terms;
    }
    list.found = !list.terms.isEmpty();
    if (!list.found)
        list.lines << nothingFound();
    return list;
}

ReminderList Reminders::storeCheck() {
    ReminderList list;
    DbError error;
    const auto rows = m_db.runList(RegisterId::Magazyn, m_db.filter(RegisterId::Magazyn), &error);
    if (!rows) {
        // Nothing was examined: the list stays empty rather than claim nothing is low.
        m_db.errorReport().report(error, 151923);
        list.failedCodes << 151923;
        return list;
    }
    const int id = rows->fieldIndex(u"ID");
    const int part = rows->fieldIndex(u"CZESC");
    const int quantity = rows->fieldIndex(u"ILOSC");
    const int level = rows->fieldIndex(u"PRZYPOMNIJ");
    for (int r = 0; r < rows->rowCount(); ++r) {
        // An empty quantity or level counts as 0.
        ReminderTerm term;
        term.kind = TermKind::LowStock;
        term.quantity = rows->number(r, quantity);
        term.level = rows->number(r, level);
        if (term.quantity > term.level)
            continue;
        if (list.terms.isEmpty())
            list.lines << lowStockHeading();
        term.table = QStringLiteral("magazyn");
        term.key = rows->integer(r, id);
        term.text = rows->text(r, part) + QStringLiteral(" (Ilość = ") + number(term.quantity) +
                    QLatin1Char(')');
        list.lines << term.text;
        list.terms << term;
    }
    list.found = !list.terms.isEmpty();
    if (!list.found)
        list.lines << nothingFound();
    return list;
}
