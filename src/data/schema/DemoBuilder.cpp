#include "data/schema/DemoBuilder.h"

#include "data/schema/DemoHelpers.h"

#include <algorithm>

namespace Demo {

Builder::Builder(DbConnection& company, const QDate& today)
    : m_db(company),
      m_today(today),
      m_start(today.addYears(-1).addDays(1)),
      m_days(int(m_start.daysTo(today)) + 1),
      m_dice(0x464C4F54u),
      m_vehicles(kVehicleCount) {}

bool Builder::add(const char* table, const FieldValues& values, qint64* key) {
    if (m_error)
        return false;
    m_error = insertRow(m_db, QString::fromLatin1(table), values, key);
    return m_error.ok();
}

bool Builder::exec(const SqlStatement& statement, int expectedRows) {
    if (m_error)
        return false;
    int rows = 0;
    m_error = m_db.execute(statement, &rows);
    if (!m_error && expectedRows >= 0 && rows != expectedRows)
        m_error = {DbError::Kind::Other,
                   QStringLiteral("Nieoczekiwana liczba zmienionych wierszy: %1").arg(rows)};
    return m_error.ok();
}

qint64 Builder::code(const char* dictionary, const QString& text) {
    const QString key = QString::fromLatin1(dictionary) + QLatin1Char('|') + text;
    if (const auto found = m_codes.constFind(key); found != m_codes.constEnd())
        return *found;
    if (m_error)
        return 0;
    SqlStatement find(QStringLiteral(
        "SELECT KOD FROM slowniki WHERE IDSLOWNIK = :DICT AND OPIS = :TEXT ORDER BY KOD"));
    find.bindText(QStringLiteral(":DICT"), QString::fromLatin1(dictionary));
    find.bindText(QStringLiteral(":TEXT"), text);
    DbQuery result;
    m_error = m_db.select(find, &result);
    if (m_error)
        return 0;
    if (!result.next()) {
        m_error = {DbError::Kind::Other, QStringLiteral("Brak pozycji słownika %1: %2")
                                             .arg(QString::fromLatin1(dictionary), text)};
        return 0;
    }
    const qint64 kod = result.integer(u"KOD");
    m_codes.insert(key, kod);
    return kod;
}

qint64 Builder::code(const char* dictionary, const char* text) {
    return code(dictionary, u8(text));
}

void Builder::entry(const char* dictionary, const char* text, const QString& extra) {
    qint64 key = 0;
    if (add("slowniki",
            {f("IDSLOWNIK", QString::fromLatin1(dictionary)), f("OPIS", text), f("UZUP1", extra),
             f("UZUP2", QString())},
            &key))
        m_codes.insert(QString::fromLatin1(dictionary) + QLatin1Char('|') + u8(text), key);
}

double Builder::readingBefore(int v, int index) const {
    return index <= 0 ? vehicleSpec(v).startReading : m_vehicles[v].reading.at(index - 1);
}

double Builder::readingAt(int v, const QDate& date) const {
    if (date < m_start)
        return vehicleSpec(v).startReading;
    return m_vehicles[v].reading.at(std::min(dayOf(date), m_days - 1));
}

QDate Builder::policyStart(int endDays) const {
    return m_today.addDays(endDays).addYears(-1).addDays(1);
}

QString Builder::policy(int v, const char* kind) const {
    const VehicleSpec& s = vehicleSpec(v);
    const bool oc = qstrcmp(kind, "OC") == 0;
    return QStringLiteral("%1/%2/%3")
        .arg(QString::fromLatin1(kind))
        .arg(policyStart(oc ? s.oc : s.ac).year())
        .arg(310457 + v * 7919 + (oc ? 0 : 1));
}

QDate Builder::leaseStart() const {
    const QDate start = m_today.addMonths(-41);
    return QDate(start.year(), start.month(), 1);
}

QString Builder::leaseNumber() const {
    return QStringLiteral("LS/%1/00871").arg(leaseStart().year());
}

QDate Builder::lastTyreChange() const {
    for (int year = m_today.year(); year >= m_today.year() - 1; --year) {
        const QDate autumn(year, 11, 4), spring(year, 4, 7);
        if (autumn <= m_today)
            return autumn;
        if (spring <= m_today)
            return spring;
    }
    return m_today.addYears(-1);
}

double Builder::priceOn(Fuel fuel, const QDate& date) const {
    const int kind = fuel == Fuel::Petrol ? 0 : fuel == Fuel::Diesel ? 2 : 3;
    const int weeksAgo = int((date.daysTo(m_today) + 6) / 7);
    const int w = std::clamp(kWeeks - 1 - weeksAgo, 0, kWeeks - 1);
    return m_prices[kind].at(w);
}

}  // namespace Demo
