#pragma once

#include "data/engine/DbConnection.h"

#include <QList>
#include <array>

// The kilometre rates by date, held in memory for pricing the trips of a list.
class TripRates {
public:
    struct Row {
        qint64 from = 0;  // DATAOD
        double upTo900 = 0, above900 = 0, motorcycle = 0, moped = 0;
        std::array<double, 16> freeKinds{};  // RDPOJ5 .. RDPOJ20
    };

    // Rows in any order; kept newest first.
    void setRows(QList<Row> rows);
    // KOD of the vehicle kind whose UZUP1 is "5" (the first of the free kinds), -1 when none.
    void setFirstFreeKind(qint64 code) { m_firstFreeKind = code; }
    const QList<Row>& rows() const { return m_rows; }

    // The rate in force on date for a vehicle of kind and engine capacity: the newest row
    // not later than date; 0 before the first row and for kinds without a rate column.
    double rate(qint64 kind, qint64 capacity, qint64 date) const;

    // Reads every row of stawki and the first free kind.
    static DbError load(DbConnection& company, TripRates* rates);

private:
    QList<Row> m_rows;
    qint64 m_firstFreeKind = -1;
};
