#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <utility>

// One SQL fragment of a filter, beginning with "AND", and the values it binds.
struct Clause {
    QString text;
    QList<std::pair<QString, QVariant>> bindings;

    bool isEmpty() const { return text.isEmpty(); }
    bool operator==(const Clause&) const = default;
};

// What restricts and orders one register's list. A value: a report or a chart runs on a
// copy, so nothing has to be restored afterwards.
struct FilterState {
    Clause vehicle;
    Clause period;
    Clause report;
    Clause fuelOnly;    // costs only
    Clause costCentre;  // costs only
    Clause roadCard;    // costs only
    QString sortField;
    bool ascending = true;

    bool operator==(const FilterState&) const = default;
};
