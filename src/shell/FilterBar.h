#pragma once

#include "data/FilterSelection.h"

#include <QWidget>

class QComboBox;
class DateField;

// The filter bar under the register pages: the period by year and month or by a date
// range, and the vehicle. The form in use is drawn white, the other grey.
class FilterBar : public QWidget {
    Q_OBJECT

public:
    explicit FilterBar(QWidget* parent = nullptr);

    // The period and the vehicle as chosen (the costs' own filters are not here).
    FilterSelection selection() const;
    // Everything unrestricted: "(Wszystkie)", empty range fields, no vehicle.
    void reset();
    // Refills the vehicle list, keeping the chosen vehicle when it is still there.
    void setVehicles(const QStringList& registrations);
    QString vehicle() const;
    void chooseVehicle(const QString& registration);

    QComboBox* yearList() const { return m_year; }
    QComboBox* monthList() const { return m_month; }
    DateField* fromField() const { return m_from; }
    DateField* toField() const { return m_to; }
    QComboBox* vehicleList() const { return m_vehicle; }

signals:
    void periodChanged();
    void vehicleChanged();

private:
    void useYear();
    void useRange();
    void paintModes();

    QComboBox* m_year = nullptr;
    QComboBox* m_month = nullptr;
    DateField* m_from = nullptr;
    DateField* m_to = nullptr;
    QComboBox* m_vehicle = nullptr;
    bool m_byRange = false;
};
