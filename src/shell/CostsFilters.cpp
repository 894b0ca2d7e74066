#include "shell/CostsFilters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>

CostsFilters::CostsFilters(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_fuelOnly = new QCheckBox(QStringLiteral("Tylko paliwa"));
    m_fuelOnly->setObjectName(QStringLiteral("filtrIsFuel"));
    layout->addWidget(m_fuelOnly);
    layout->addSpacing(12);
    m_isCostCentre = new QCheckBox(QStringLiteral("CK"));
    m_isCostCentre->setObjectName(QStringLiteral("filtrIsCK"));
    layout->addWidget(m_isCostCentre);
    m_costCentre = new QComboBox;
    m_costCentre->setObjectName(QStringLiteral("filtrCK"));
    m_costCentre->setMinimumContentsLength(14);
    layout->addWidget(m_costCentre);
    layout->addSpacing(12);
    m_isRoadCard = new QCheckBox(QStringLiteral("Karta drog."));
    m_isRoadCard->setObjectName(QStringLiteral("filtrIsDROGOWA"));
    layout->addWidget(m_isRoadCard);
    m_roadCard = new QComboBox;
    m_roadCard->setObjectName(QStringLiteral("filtrDROGOWA"));
    m_roadCard->setMinimumContentsLength(14);
    layout->addWidget(m_roadCard);
    layout->addStretch(1);

    connect(m_fuelOnly, &QCheckBox::toggled, this, &CostsFilters::changed);
    connect(m_isCostCentre, &QCheckBox::toggled, this, &CostsFilters::changed);
    connect(m_isRoadCard, &QCheckBox::toggled, this, &CostsFilters::changed);
    // Choosing in a list checks its box and applies.
    connect(m_costCentre, &QComboBox::activated, this, [this] {
        if (m_isCostCentre->isChecked())
            emit changed();
        else
            m_isCostCentre->setChecked(true);
    });
    connect(m_roadCard, &QComboBox::activated, this, [this] {
        if (m_isRoadCard->isChecked())
            emit changed();
        else
            m_isRoadCard->setChecked(true);
    });
}

void CostsFilters::fill(QComboBox* list, const QList<LookupEntry>& entries) {
    const QVariant chosen = list->currentData();
    list->clear();
    for (const LookupEntry& entry : entries)
        list->addItem(entry.text, entry.key);
    const int index = list->findData(chosen);
    list->setCurrentIndex(index >= 0 ? index : (list->count() > 0 ? 0 : -1));
}

void CostsFilters::setCostCentres(const QList<LookupEntry>& entries) {
    fill(m_costCentre, entries);
}

void CostsFilters::setRoadCards(const QList<LookupEntry>& entries) {
    fill(m_roadCard, entries);
}

void CostsFilters::apply(FilterSelection* selection) const {
    selection->fuelOnly = m_fuelOnly->isChecked();
    selection->costCentre.reset();
    selection->roadCard.reset();
    if (m_isCostCentre->isChecked() && m_costCentre->currentIndex() >= 0)
        selection->costCentre = m_costCentre->currentData().toLongLong();
    if (m_isRoadCard->isChecked() && m_roadCard->currentIndex() >= 0)
        selection->roadCard = m_roadCard->currentData().toLongLong();
}

void CostsFilters::reset() {
    const QSignalBlocker a(m_fuelOnly), b(m_isCostCentre), c(m_isRoadCard);
    m_fuelOnly->setChecked(false);
    m_isCostCentre->setChecked(false);
    m_isRoadCard->setChecked(false);
}
