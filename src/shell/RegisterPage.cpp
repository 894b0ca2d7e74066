#include "shell/RegisterPage.h"

#include "data/DisplayFormat.h"
#include "data/TmyDataBase.h"
#include "shell/CostsFilters.h"
#include "shell/Navigation.h"
#include "shell/RegisterGrid.h"
#include "support/translation/TResourceTranslator.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel* banner(const QString& text) {
    // Every page has its own banner under one name: translated as a text, not by name.
    auto* label = new QLabel(tx(text.trimmed()));
    label->setObjectName(QStringLiteral("Banner"));
    label->setProperty("composedText", true);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 1.25);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("QLabel#Banner { color: #1f3f7a; padding: 2px 0 4px 0; }"));
    return label;
}

// A caption before a field, named after the field so that the language file reaches it.
QLabel* caption(const QString& text, const QString& field) {
    auto* label = new QLabel(text);
    label->setObjectName(field + QStringLiteral("Label"));
    return label;
}

}  // namespace

RegisterPage::RegisterPage(RegisterId id, QWidget* parent)
    : QWidget(parent), m_id(id), m_model(std::make_unique<ListModel>(id)) {
    const RegisterDescriptor& d = Registers::get(id);
    setObjectName(QStringLiteral("Page_") + d.name);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 4);
    layout->addWidget(banner(Navigation::captionOf(id)));

    if (d.isConsumption()) {
        auto* header = new QFrame;
        header->setFrameShape(QFrame::StyledPanel);
        auto* grid = new QGridLayout(header);
        grid->setContentsMargins(8, 4, 8, 4);
        grid->addWidget(
            caption(QStringLiteral("Zużycie paliwa dla pojazdu:"), QStringLiteral("LPojazd")), 0,
            0);
        m_vehicle = new QLabel(QStringLiteral("(Wybierz pojazd)"));
        m_vehicle->setObjectName(QStringLiteral("LPojazd"));
        QFont bold = m_vehicle->font();
        bold.setBold(true);
        m_vehicle->setFont(bold);
        grid->addWidget(m_vehicle, 0, 1);
        grid->addWidget(caption(QStringLiteral("Norma zużycia:"), QStringLiteral("LNorma")), 0, 2);
        m_norm = new QLabel(QStringLiteral("-"));
        m_norm->setObjectName(QStringLiteral("LNorma"));
        grid->addWidget(m_norm, 0, 3);
        grid->addWidget(caption(QStringLiteral("Rodzaj paliwa:"), QStringLiteral("CBRodzajPaliwa")),
                        0, 4);
        m_fuelKind = new QComboBox;
        m_fuelKind->setObjectName(QStringLiteral("CBRodzajPaliwa"));
        m_fuelKind->addItems({QStringLiteral("Paliwo płynne"), QStringLiteral("Gaz LPG")});
        grid->addWidget(m_fuelKind, 0, 5);
        grid->addWidget(
            caption(QStringLiteral("Średnie zużycie paliwa:"), QStringLiteral("LSrednia")), 1, 0);
        m_average = new QLabel;
        m_average->setObjectName(QStringLiteral("LSrednia"));
        m_average->setFont(bold);
        grid->addWidget(m_average, 1, 1);
        grid->addWidget(caption(QStringLiteral("w okresie:"), QStringLiteral("LOkres")), 1, 2);
        m_period = new QLabel;
        m_period->setObjectName(QStringLiteral("LOkres"));
        grid->addWidget(m_period, 1, 3, 1, 3);
        grid->setColumnStretch(6, 1);
        layout->addWidget(header);
        connect(m_fuelKind, &QComboBox::activated, this,
                [this](int index) { emit fuelKindChanged(index == 1); });
        showSummary({});
    }
    if (id == RegisterId::Koszty) {
        m_costs = new CostsFilters;
        layout->addWidget(m_costs);
    }
    m_grid = new RegisterGrid(d.gridName);
    m_grid->setModel(m_model.get());
    layout->addWidget(m_grid, 1);
}

RegisterPage::~RegisterPage() = default;

void RegisterPage::showVehicle(const VehicleInfo& vehicle) {
    if (!m_vehicle)
        return;
    const DisplayFormat format;
    if (vehicle.registration.isEmpty()) {
        m_vehicle->setText(QStringLiteral("(Wybierz pojazd)"));
        m_norm->setText(QStringLiteral("-"));
        return;
    }
    m_vehicle->setText(vehicle.registration + QStringLiteral(", ") + vehicle.make);
    m_norm->setText(format.number(vehicle.normFrom, 2) + QStringLiteral(" - ") +
                    format.number(vehicle.normTo, 2));
}

void RegisterPage::showSummary(const Consumption::Summary& summary) {
    if (!m_average)
        return;
    const DisplayFormat format;
    const QString unit = m_id == RegisterId::ZuzycieMth ? QStringLiteral(" litrów / godzinę")
                                                        : QStringLiteral(" litrów / 100 km");
    m_average->setText(format.number(summary.average, 2) + unit);
    const QString first =
        summary.firstDate >= 99999999 ? QString() : format.date(summary.firstDate);
    const QString last = summary.lastDate == 0 ? QString() : format.date(summary.lastDate);
    m_period->setText(first + QStringLiteral(" - ") + last);
}

void RegisterPage::relist(TmyDataBase& database) {
    const RegisterDescriptor& d = Registers::get(m_id);
    QStringList key;
    const int row = m_grid->currentRow();
    if (row >= 0) {
        for (const QString& field : d.keyFields)
            key << m_model->raw(row, field).toString();
    }
    database.refreshList(m_id, *m_model);
    if (m_fuelKind)
        showSummary(database.summary(m_id));
    int sorted = -1;
    for (int c = 0; c < d.columns.size(); ++c) {
        if (!d.fixedSort &&
            d.columns[c].field.compare(database.filter(m_id).sortField, Qt::CaseInsensitive) == 0)
            sorted = c;
    }
    m_grid->setHighlightedColumn(sorted);
    const int found = key.isEmpty() ? -1 : m_model->findRow(key);
    m_grid->setCurrentRow(found >= 0 ? found : 0);
    // The columns take the width of the first rows they show.
    if (!m_sized && m_model->rowCount() > 0) {
        m_grid->fitColumnsToContents();
        m_sized = true;
    }
}
