#include "registers/TimeField.h"

#include <QHBoxLayout>
#include <QLineEdit>

namespace {

// Two characters that are both digits; nullopt for anything else (blanks included).
std::optional<int> twoDigits(QStringView text) {
    if (text.size() != 2 || !text.at(0).isDigit() || !text.at(1).isDigit())
        return std::nullopt;
    return text.at(0).digitValue() * 10 + text.at(1).digitValue();
}

}  // namespace

TimeField::TimeField(const QString& objectName, QWidget* parent) : QWidget(parent) {
    setObjectName(objectName + QStringLiteral("Panel"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(objectName);
    m_edit->setInputMask(QStringLiteral("99:99; "));
    m_edit->setPlaceholderText(QStringLiteral("HH:MM"));
    m_edit->setToolTip(QStringLiteral("HH:MM"));
    m_edit->setMaximumWidth(m_edit->fontMetrics().horizontalAdvance(QStringLiteral("00:000")) + 16);
    layout->addWidget(m_edit);
    layout->addStretch(1);
    setFocusProxy(m_edit);
}

QString TimeField::text() const {
    return m_edit->displayText();
}

void TimeField::setText(const QString& text) {
    m_edit->setText(text);
}

std::optional<int> TimeField::parse(const QString& text) {
    if (text.size() != 5 || text.at(2) != QLatin1Char(':'))
        return std::nullopt;
    const auto hours = twoDigits(QStringView(text).left(2));
    const auto minutes = twoDigits(QStringView(text).mid(3, 2));
    if (!hours || !minutes || *hours > 23 || *minutes > 59)
        return std::nullopt;
    return *hours * 100 + *minutes;
}

bool TimeField::isEmpty() const {
    QString rest = text();
    rest.remove(QLatin1Char(':')).remove(QLatin1Char(' '));
    return rest.isEmpty();
}

bool TimeField::isValid() const {
    return parse(text()).has_value();
}

qint64 TimeField::timeNumber() const {
    return parse(text()).value_or(0);
}

void TimeField::setTimeNumber(qint64 hhmm) {
    // A stored value that is no time of day is shown as it is, so that saving points at it
    // instead of quietly dropping it.
    if (hhmm <= 0 || hhmm > 9999) {
        clear();
        return;
    }
    const QString digits = QStringLiteral("%1").arg(hhmm, 4, 10, QLatin1Char('0'));
    setText(digits.left(2) + QLatin1Char(':') + digits.mid(2));
}

void TimeField::clear() {
    m_edit->clear();
}
