#pragma once

#include "data/FilterSelection.h"
#include "data/Lookups.h"

#include <QWidget>

class QCheckBox;
class QComboBox;

// The costs page's own filters: fuel purchases only, one cost centre, one road card.
class CostsFilters : public QWidget {
    Q_OBJECT

public:
    explicit CostsFilters(QWidget* parent = nullptr);

    // Writes the three choices into a selection. A box checked without a valid choice
    // writes no clause.
    void apply(FilterSelection* selection) const;
    void reset();
    void setCostCentres(const QList<LookupEntry>& entries);
    void setRoadCards(const QList<LookupEntry>& entries);

    QCheckBox* fuelOnlyBox() const { return m_fuelOnly; }
    QCheckBox* costCentreBox() const { return m_isCostCentre; }
    QComboBox* costCentreList() const { return m_costCentre; }
    QCheckBox* roadCardBox() const { return m_isRoadCard; }
    QComboBox* roadCardList() const { return m_roadCard; }

signals:
    void changed();

private:
    static void fill(QComboBox* list, const QList<LookupEntry>& entries);

    QCheckBox* m_fuelOnly = nullptr;
    QCheckBox* m_isCostCentre = nullptr;
    QComboBox* m_costCentre = nullptr;
    QCheckBox* m_isRoadCard = nullptr;
    QComboBox* m_roadCard = nullptr;
};
