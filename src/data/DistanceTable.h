#pragma once

#include <QStringList>
#include <optional>

class DbConnection;
class ErrorReport;

// The distance table of the main database: places of departure, destinations and the
// kilometres between two of them.
class DistanceTable {
public:
    DistanceTable(DbConnection& main, ErrorReport& report) : m_main(main), m_report(report) {}

    QStringList departures();    // every M1, once
    QStringList destinations();  // every M2, once
    // The kilometres from one place to another; nullopt when the table has no such pair.
    std::optional<double> distance(const QString& from, const QString& to);

private:
    QStringList places(const QString& field);
    DbConnection& m_main;
    ErrorReport& m_report;
};
