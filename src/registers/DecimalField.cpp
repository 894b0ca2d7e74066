#include "registers/DecimalField.h"

#include "data/DisplayFormat.h"
#include "data/Money.h"

#include <QKeyEvent>
#include <cmath>

DecimalField::DecimalField(const QString& objectName, int maxLength, OnLeave onLeave,
                           QWidget* parent)
    : QLineEdit(parent), m_onLeave(onLeave) {
    setObjectName(objectName);
    setMaxLength(maxLength);
    setAlignment(Qt::AlignRight);
}

std::optional<double> DecimalField::parse(const QString& typed) {
    QString text = typed.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double d = text.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    return d;
}

std::optional<double> DecimalField::value() const {
    return parse(text());
}

void DecimalField::setValue(double value, int decimals) {
    setText(DisplayFormat().number(value, decimals));
}

void DecimalField::normalise() {
    const auto number = value();
    // Two decimals are rounded from the digits typed, half up, never from a binary value.
    const auto hundredths = Money::hundredths(text());
    switch (m_onLeave) {
        case OnLeave::Keep:
            break;
        case OnLeave::TwoDecimals:
            if (hundredths)
                setText(Money::text(*hundredths));
            break;
        case OnLeave::TwoDecimalsOrZero:
            setText(Money::text(hundredths.value_or(0)));
            break;
        case OnLeave::WholeNumber:
            if (number)
                setText(QString::number(std::llround(*number)));
            break;
        case OnLeave::WholeNumberOrZero:
            setText(QString::number(number ? std::llround(*number) : 0));
            break;
    }
}

void DecimalField::keyPressEvent(QKeyEvent* event) {
    if (event->text() == QLatin1String(".") || event->text() == QLatin1String(",")) {
        insert(DisplayFormat().decimalPoint());
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DecimalField::focusOutEvent(QFocusEvent* event) {
    normalise();
    QLineEdit::focusOutEvent(event);
}
