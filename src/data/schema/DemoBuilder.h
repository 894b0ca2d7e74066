#pragma once

#include "data/engine/DbConnection.h"
#include "data/engine/RowInsert.h"
#include "data/schema/DemoDice.h"
#include "data/schema/DemoFleetTables.h"
#include "data/schema/DemoVehicleYear.h"

#include <QDate>
#include <QHash>
#include <QList>

namespace Demo {

// What every step of the sample company shares: the company being filled, the year up
// to today, the one dice all steps draw from in turn, the simulated year of every
// vehicle and the first error, after which nothing more is written.
class Builder {
public:
    Builder(DbConnection& company, const QDate& today);

    const DbError& error() const { return m_error; }
    const QDate& today() const { return m_today; }
    const QDate& start() const { return m_start; }  // the first day of the year up to today
    int days() const { return m_days; }
    Dice& dice() { return m_dice; }
    Vehicle& vehicle(int v) { return m_vehicles[v]; }
    const Vehicle& vehicle(int v) const { return m_vehicles.at(v); }

    bool add(const char* table, const FieldValues& values, qint64* key = nullptr);
    bool exec(const SqlStatement& statement, int expectedRows = -1);
    // KOD of an entry the new company already holds, or that was added above.
    qint64 code(const char* dictionary, const QString& text);
    qint64 code(const char* dictionary, const char* text);
    void entry(const char* dictionary, const char* text, const QString& extra = QString());

    QDate day(int index) const { return m_start.addDays(index); }
    int dayOf(const QDate& date) const { return int(m_start.daysTo(date)); }
    bool inYear(const QDate& date) const { return date >= m_start && date <= m_today; }

    double readingBefore(int v, int index) const;
    // The reading at the end of a day; before the year the reading of a year ago.
    double readingAt(int v, const QDate& date) const;
    // The last day a vehicle is used: out of service or in the workshop after it.
    QDate lastUse(int v) const { return m_today.addDays(-vehicleSpec(v).idleDays); }

    // A policy runs for a year up to the day it ends; its number carries the year it began.
    QDate policyStart(int endDays) const;
    QString policy(int v, const char* kind) const;
    // The car on lease pays its 42nd of 48 instalments this month.
    QDate leaseStart() const;
    QString leaseNumber() const;
    // The last seasonal change of tyres on or before today: early April or early November.
    QDate lastTyreChange() const;

    static constexpr int kWeeks = 52;
    // The weekly prices of an RDPAL entry, oldest first.
    QList<double>& prices(int kind) { return m_prices[kind]; }
    double priceOn(Fuel fuel, const QDate& date) const;

private:
    DbConnection& m_db;
    const QDate m_today;
    const QDate m_start;
    const int m_days;
    Dice m_dice;
    DbError m_error;
    QHash<QString, qint64> m_codes;
    QList<Vehicle> m_vehicles;
    QList<double> m_prices[5];  // per RDPAL entry, one a week, oldest first
};

}  // namespace Demo
