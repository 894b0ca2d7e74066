#pragma once

// What a vehicle of the sample company did in its simulated year; the rows of most
// registers are written from it.

#include <QList>
#include <QString>

namespace Demo {

struct Refuelling {
    int day;
    qint64 tank;   // centilitres before refuelling (tank register)
    qint64 added;  // centilitres
    double reading;
    double covered;  // km or hours since the previous refuelling (distance registers)
};

struct Trip {
    int day;
    QString purpose, route, notes;
    int distance;
};

struct RoadCard {
    qint64 key = 0;
    int firstDay = 0, lastDay = 0;
    QString number, route, purpose;
    double start = 0, end = 0;
    int startTime = 0, endTime = 0;
    double span = 0, rest = 0, worked = 0;
};

struct Vehicle {
    qint64 id = 0;
    QList<double> used;     // km or hours per day of the year
    QList<double> reading;  // at the end of each day
    QList<Refuelling> refuellings;
    QList<Trip> trips;
    QList<RoadCard> cards;
    QString card;  // fuel card number
};

}  // namespace Demo
