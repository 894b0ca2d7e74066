#include "registers/VatCalculator.h"

#include "data/DisplayFormat.h"
#include "registers/DecimalField.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <cmath>

VatCalculator::VatCalculator(DecimalField* net, QComboBox* rate, DecimalField* vat,
                             DecimalField* gross, QObject* parent)
    : QObject(parent), m_net(net), m_rate(rate), m_vat(vat), m_gross(gross) {
    connect(m_rate, &QComboBox::activated, this, &VatCalculator::applyRate);
    connect(m_net, &QLineEdit::textChanged, this, &VatCalculator::netChanged);
    connect(m_vat, &QLineEdit::textChanged, this, &VatCalculator::vatChanged);
    connect(m_gross, &QLineEdit::textChanged, this, &VatCalculator::grossChanged);
    m_rate->installEventFilter(this);
    for (DecimalField* field : {m_net, m_vat, m_gross})
        field->installEventFilter(this);
}

void VatCalculator::setRates(const QStringList& rates) {
    m_rate->clear();
    m_rate->addItems(rates);
    m_rate->setCurrentIndex(-1);
}

bool VatCalculator::agrees(double net, double vat, double gross) {
    return std::llround(net * 100.0) + std::llround(vat * 100.0) == std::llround(gross * 100.0);
}

std::optional<VatCalculator::Problem> VatCalculator::checkAmounts() const {
    const std::pair<DecimalField*, const char*> amounts[] = {
        {m_net, "Niepoprawna wartość netto kosztu. Popraw pole"},
        {m_vat, "Niepoprawna kwota VAT. Popraw pole"},
        {m_gross, "Niepoprawna wartość brutto kosztu. Popraw pole"},
    };
    double read[3] = {};
    for (int i = 0; i < 3; ++i) {
        DecimalField* field = amounts[i].first;
        // Rewriting one amount must not make the calculator rebalance the others.
        const QSignalBlocker blocker(field);
        if (field->text().trimmed().isEmpty())
            field->setText(QStringLiteral("0"));
        const auto number = field->value();
        if (!number)
            return Problem{QString::fromUtf8(amounts[i].second), field};
        read[i] = *number;
        field->setText(DisplayFormat().general(*number));
    }
    if (!agrees(read[0], read[1], read[2]))
        return Problem{QStringLiteral("Wprowadzone kwoty nie zgadzają się. Popraw pola"), m_net};
    return std::nullopt;
}

void VatCalculator::write(DecimalField* field, double value) {
    const QString text = DisplayFormat().number(value, 2);
    if (field->text() != text)
        field->setText(text);
}

void VatCalculator::applyRate() {
    if (m_rate->currentIndex() < 0)
        return;
    const auto rate = DecimalField::parse(m_rate->currentText());
    const auto net = m_net->value();
    if (!rate || !net)
        return;
    const double vat = *rate * 0.01 * *net;
    write(m_vat, vat);
    write(m_gross, *net + vat);
}

void VatCalculator::netChanged() {
    m_rate->setCurrentIndex(-1);
    if (!m_gross->hasFocus())
        write(m_gross, m_net->value().value_or(0.0) + m_vat->value().value_or(0.0));
}

void VatCalculator::vatChanged() {
    if (!m_gross->hasFocus())
        write(m_gross, m_net->value().value_or(0.0) + m_vat->value().value_or(0.0));
}

void VatCalculator::grossChanged() {
    m_rate->setCurrentIndex(-1);
    if (m_net->hasFocus())
        return;
    const double net = m_gross->value().value_or(0.0) - m_vat->value().value_or(0.0);
    if (net >= 0)
        write(m_net, net);
}

bool VatCalculator::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_rate && event->type() == QEvent::FocusOut)
        applyRate();
    if (watched != m_rate && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape &&
            key != Qt::Key_Tab && key != Qt::Key_Backtab)
            m_rate->setCurrentIndex(-1);
    }
    return QObject::eventFilter(watched, event);
}
