#include "registers/VatCalculator.h"

#include "data/DisplayFormat.h"
#include "data/Money.h"
#include "registers/DecimalField.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QSignalBlocker>

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

bool VatCalculator::agrees(const QString& net, const QString& vat, const QString& gross) {
    const auto n = Money::hundredths(net), v = Money::hundredths(vat), g = Money::hundredths(gross);
    return n && v && g && *n + *v == *g;
}

std::optional<VatCalculator::Problem> VatCalculator::checkAmounts() const {
    const std::pair<DecimalField*, const char*> amounts[] = {
        {m_net, "Niepoprawna wartość netto kosztu. Popraw pole"},
        {m_vat, "Niepoprawna kwota VAT. Popraw pole"},
        {m_gross, "Niepoprawna wartość brutto kosztu. Popraw pole"},
    };
    QString read[3];
    for (int i = 0; i < 3; ++i) {
        DecimalField* field = amounts[i].first;
        // Rewriting one amount must not make the calculator rebalance the others.
        const QSignalBlocker blocker(field);
        if (field->text().trimmed().isEmpty())
            field->setText(QStringLiteral("0"));
        const auto number = field->value();
        if (!number)
            return Problem{QString::fromUtf8(amounts[i].second), field};
        read[i] = field->text();
        field->setText(DisplayFormat().general(*number));
    }
    if (!agrees(read[0], read[1], read[2]))
        return Problem{QStringLiteral("Wprowadzone kwoty nie zgadzają się. Popraw pola"), m_net};
    return std::nullopt;
}

void VatCalculator::write(DecimalField* field, qint64 grosze) {
    const QString text = Money::text(grosze);
    if (field->text() != text)
        field->setText(text);
}

qint64 VatCalculator::grosze(const DecimalField* field) {
    return Money::hundredths(field->text()).value_or(0);
}

void VatCalculator::applyRate() {
    if (m_rate->currentIndex() < 0)
        return;
    const auto rate = Money::hundredths(m_rate->currentText());
    const auto net = Money::hundredths(m_net->text());
    if (!rate || !net)
        return;
    const qint64 vat = Money::vat(*net, *rate);
    // Gross follows from the net typed; the net itself is never rewritten by a rate.
    m_applyingRate = true;
    write(m_vat, vat);
    write(m_gross, *net + vat);
    m_applyingRate = false;
}

void VatCalculator::netChanged() {
    m_rate->setCurrentIndex(-1);
    if (!m_gross->hasFocus())
        write(m_gross, grosze(m_net) + grosze(m_vat));
}

void VatCalculator::vatChanged() {
    if (!m_gross->hasFocus() && !m_applyingRate)
        write(m_gross, grosze(m_net) + grosze(m_vat));
}

void VatCalculator::grossChanged() {
    m_rate->setCurrentIndex(-1);
    if (m_net->hasFocus() || m_applyingRate)
        return;
    const qint64 net = grosze(m_gross) - grosze(m_vat);
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
