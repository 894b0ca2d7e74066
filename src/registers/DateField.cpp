#include "registers/DateField.h"

#include "support/OVUtilities.h"

#include <QCalendarWidget>
#include <QDate>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QWidgetAction>

DateField::DateField(const QString& objectName, QWidget* parent)
    : QWidget(parent), m_separator(TOVUtilities::dateSeparatorFor(QLocale())) {
    setObjectName(objectName + QStringLiteral("Panel"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(objectName);
    // The separator is a literal of the mask.
    m_edit->setInputMask(QStringLiteral("99") + m_separator + QStringLiteral("99") + m_separator +
                         QStringLiteral("9999; "));
    m_edit->setPlaceholderText(QStringLiteral("DD%1MM%1RRRR").arg(m_separator));
    m_edit->setMaximumWidth(m_edit->fontMetrics().horizontalAdvance(QStringLiteral("00.00.00000")) +
                            16);
    // Beside another field the date keeps the room for its ten characters.
    m_edit->setMinimumWidth(m_edit->maximumWidth());
    layout->addWidget(m_edit);
    m_button = new QToolButton(this);
    m_button->setObjectName(objectName + QStringLiteral("Kalendarz"));
    m_button->setText(QStringLiteral("..."));
    m_button->setToolTip(QStringLiteral("Wybierz datę z kalendarza"));
    m_button->setStatusTip(QStringLiteral("Wybierz datę z kalendarza"));
    layout->addWidget(m_button);
    layout->addStretch(1);
    connect(m_edit, &QLineEdit::returnPressed, this, &DateField::confirmed);
    connect(m_button, &QToolButton::clicked, this, &DateField::openCalendar);
}

QString DateField::text() const {
    return m_edit->displayText();
}

void DateField::setText(const QString& text) {
    m_edit->setText(text);
}

bool DateField::isEmpty() const {
    QString rest = text();
    rest.remove(m_separator).remove(QLatin1Char(' '));
    return rest.isEmpty();
}

bool DateField::isValid() const {
    return TOVUtilities::isEnteredDateValid(text());
}

qint64 DateField::dateNumber() const {
    return TOVUtilities().dateTextToNumber(text());
}

void DateField::setDateNumber(qint64 date) {
    setText(TOVUtilities().dateNumberToText(date));
}

void DateField::clear() {
    m_edit->clear();
}

void DateField::openCalendar() {
    QMenu menu(this);
    auto* calendar = new QCalendarWidget(&menu);
    calendar->setObjectName(m_edit->objectName() + QStringLiteral("Calendar"));
    calendar->setGridVisible(true);
    const qint64 current = dateNumber();
    const QDate shown =
        current ? QDate(int(current / 10000), int(current / 100 % 100), int(current % 100))
                : QDate::currentDate();
    calendar->setSelectedDate(shown.isValid() ? shown : QDate::currentDate());
    auto* action = new QWidgetAction(&menu);
    action->setDefaultWidget(calendar);
    menu.addAction(action);
    connect(calendar, &QCalendarWidget::clicked, &menu, [this, &menu](const QDate& date) {
        setDateNumber(qint64(date.year()) * 10000 + date.month() * 100 + date.day());
        menu.close();
        emit confirmed();
    });
    menu.exec(m_button->mapToGlobal(QPoint(0, m_button->height())));
}
