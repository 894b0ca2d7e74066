#pragma once

#include "data/schema/DemoFleetTables.h"
#include "data/schema/DemoHelpers.h"

#include <QDate>
#include <QList>
#include <QString>

namespace Demo {

class Builder;

// Where the fleet's money went: the consumption registers, the repairs, the tyres, every
// cost of the year and the private vehicles' trips for the company.
class MoneySteps {
public:
    explicit MoneySteps(Builder& builder) : m_builder(builder) {}

    void registers();
    void repairs();
    void tyres();
    void costs();
    void trips();

private:
    struct Cost {
        QDate date;
        int vehicle = 0;
        QString kind, item, document, notes, payment;
        Money money;
        bool vat = true;
        double litres = 0;
    };

    void cost(int v, const QDate& date, const char* kind, const QString& item, const Money& money,
              const char* payment, const QString& notes = QString(),
              const QString& document = QString());
    qint64 grosze(int lowPln, int highPln);
    QString driverFor(int v);
    qint64 roadCardOn(int v, int index) const;
    void fuelCosts(int v);
    void fixedCosts(int v);

    Builder& m_builder;
    QList<Cost> m_costs;
};

}  // namespace Demo
