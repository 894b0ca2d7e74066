#include "shell/FilterBar.h"

#include "registers/DateField.h"
#include "support/OVUtilities.h"
#include "support/translation/TResourceTranslator.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

// The grey of the filter form not in use.
const QColor kUnused(0xBB, 0xBB, 0xBB);

void paint(QWidget* widget, bool inUse) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, inUse ? QColor(Qt::white) : kUnused);
    palette.setColor(QPalette::Button, inUse ? QColor(Qt::white) : kUnused);
    widget->setPalette(palette);
}

// A caption before a field, named after the field so that the language file reaches it.
QLabel* caption(const QString& text, const QString& field) {
    auto* label = new QLabel(text);
    label->setObjectName(field + QStringLiteral("Label"));
    return label;
}

}  // namespace

FilterBar::FilterBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FilterBar"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 6, 3);

    layout->addWidget(caption(QStringLiteral("Dane na rok:"), QStringLiteral("CBcurrentYear")));
    m_year = new QComboBox;
    m_year->setObjectName(QStringLiteral("CBcurrentYear"));
    m_year->addItem(QStringLiteral("(Wszystkie)"));
    for (int year = 1970; year <= 2100; ++year)
        m_year->addItem(QString::number(year), year);
    const QString yearHint = QStringLiteral("Pokaż dane na rok... Wybór zatwierdź klawiszem ENTER");
    m_year->setToolTip(yearHint);
    m_year->setStatusTip(yearHint);
    layout->addWidget(m_year);

    layout->addWidget(caption(QStringLiteral("miesiąc:"), QStringLiteral("CBCurrentMonth")));
    m_month = new QComboBox;
    m_month->setObjectName(QStringLiteral("CBCurrentMonth"));
    m_month->addItem(QStringLiteral("(Wszystkie)"));
    const TOVUtilities utilities;
    for (int month = 1; month <= 12; ++month)
        m_month->addItem(utilities.monthName(month), month);
    m_month->setStatusTip(yearHint);
    layout->addWidget(m_month);

    layout->addSpacing(16);
    layout->addWidget(caption(QStringLiteral("Dane z okresu od:"), QStringLiteral("filtrOd")));
    const QString rangeHint =
        QStringLiteral("Dane z okresu (od-do). Wybór zatwierdź klawiszem ENTER");
    m_from = new DateField(QStringLiteral("filtrOd"));
    m_from->edit()->setToolTip(rangeHint);
    m_from->edit()->setStatusTip(rangeHint);
    layout->addWidget(m_from);
    layout->addWidget(caption(QStringLiteral("do:"), QStringLiteral("filtrDo")));
    m_to = new DateField(QStringLiteral("filtrDo"));
    m_to->edit()->setToolTip(rangeHint);
    m_to->edit()->setStatusTip(rangeHint);
    layout->addWidget(m_to);

    layout->addSpacing(16);
    layout->addWidget(caption(QStringLiteral("Dane dla pojazdu:"), QStringLiteral("CBPojazd")));
    m_vehicle = new QComboBox;
    m_vehicle->setObjectName(QStringLiteral("CBPojazd"));
    m_vehicle->setProperty("dataItems", true);  // the company's vehicles
    m_vehicle->setMinimumContentsLength(12);
    const QString vehicleHint = QStringLiteral("Pokaż dane tylko dla pojazdu...");
    m_vehicle->setToolTip(vehicleHint);
    m_vehicle->setStatusTip(vehicleHint);
    m_vehicle->addItem(tx(QStringLiteral("(Wszystkie)")));
    layout->addWidget(m_vehicle);
    layout->addStretch(1);

    connect(m_year, &QComboBox::activated, this, &FilterBar::useYear);
    connect(m_month, &QComboBox::activated, this, &FilterBar::useYear);
    connect(m_from, &DateField::confirmed, this, &FilterBar::useRange);
    connect(m_to, &DateField::confirmed, this, &FilterBar::useRange);
    connect(m_vehicle, &QComboBox::activated, this, &FilterBar::vehicleChanged);
    paintModes();
}

void FilterBar::paintModes() {
    paint(m_year, !m_byRange);
    paint(m_month, !m_byRange);
    paint(m_from->edit(), m_byRange);
    paint(m_to->edit(), m_byRange);
}

void FilterBar::useYear() {
    m_byRange = false;
    if (m_year->currentIndex() == 0)
        m_month->setCurrentIndex(0);
    paintModes();
    emit periodChanged();
}

void FilterBar::useRange() {
    m_byRange = true;
    paintModes();
    emit periodChanged();
}

FilterSelection FilterBar::selection() const {
    FilterSelection selection;
    if (m_byRange) {
        selection.period = FilterSelection::Period::Range;
        selection.from = m_from->dateNumber();
        selection.to = m_to->dateNumber();
    } else if (m_year->currentIndex() > 0) {
        selection.period = FilterSelection::Period::Year;
        selection.year = m_year->currentData().toInt();
        selection.month = m_month->currentIndex();
    }
    selection.vehicle = vehicle();
    return selection;
}

void FilterBar::reset() {
    m_byRange = false;
    m_year->setCurrentIndex(0);
    m_month->setCurrentIndex(0);
    m_from->clear();
    m_to->clear();
    m_vehicle->setCurrentIndex(0);
    paintModes();
}

void FilterBar::setVehicles(const QStringList& registrations) {
    const QString chosen = vehicle();
    m_vehicle->clear();
    m_vehicle->addItem(tx(QStringLiteral("(Wszystkie)")));
    m_vehicle->addItems(registrations);
    const int index = chosen.isEmpty() ? 0 : m_vehicle->findText(chosen, Qt::MatchExactly);
    m_vehicle->setCurrentIndex(index < 0 ? 0 : index);
}

QString FilterBar::vehicle() const {
    return m_vehicle->currentIndex() <= 0 ? QString() : m_vehicle->currentText();
}

void FilterBar::chooseVehicle(const QString& registration) {
    const int index =
        registration.isEmpty() ? 0 : m_vehicle->findText(registration, Qt::MatchExactly);
    m_vehicle->setCurrentIndex(index < 0 ? 0 : index);
    emit vehicleChanged();
}
