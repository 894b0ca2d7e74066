#pragma once

#include "data/Consumption.h"
#include "data/FilterSelection.h"
#include "data/ListModel.h"

#include <QWidget>
#include <memory>

class CostsFilters;
class QComboBox;
class QLabel;
class RegisterGrid;
class TmyDataBase;

// The page of one register: its banner, for the consumption registers the vehicle, its
// norm, the fuel kind and the figures of the listed period, for costs their own three
// filters, and the grid over the register's list.
class RegisterPage : public QWidget {
    Q_OBJECT

public:
    explicit RegisterPage(RegisterId id, QWidget* parent = nullptr);
    ~RegisterPage() override;

    RegisterId registerId() const { return m_id; }
    ListModel& model() { return *m_model; }
    RegisterGrid* grid() const { return m_grid; }
    CostsFilters* costsFilters() const { return m_costs; }
    QComboBox* fuelKindList() const { return m_fuelKind; }

    // Lists the register again under its filter state; the cursor stays on the same
    // record when the new list still holds it.
    void relist(TmyDataBase& database);

    // The consumption pages' header.
    void showVehicle(const VehicleInfo& vehicle);
    void showSummary(const Consumption::Summary& summary);

signals:
    void fuelKindChanged(bool lpg);

private:
    RegisterId m_id;
    std::unique_ptr<ListModel> m_model;
    RegisterGrid* m_grid = nullptr;
    CostsFilters* m_costs = nullptr;
    QComboBox* m_fuelKind = nullptr;
    QLabel* m_vehicle = nullptr;
    QLabel* m_norm = nullptr;
    QLabel* m_average = nullptr;
    QLabel* m_period = nullptr;
    bool m_sized = false;
};
