#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;
class QCalendarWidget;

// A date typed as DD, separator, MM, separator, YYYY into a masked field (the separator
// of the system's date format), with a calendar button beside it. The stored form is
// YYYYMMDD; an empty or invalid text stands for 0.
class DateField : public QWidget {
    Q_OBJECT

public:
    explicit DateField(const QString& objectName, QWidget* parent = nullptr);

    QString text() const;  // the ten characters as shown, blanks included
    void setText(const QString& text);
    qint64 dateNumber() const;  // 0 when empty or not a valid date
    void setDateNumber(qint64 yyyymmdd);
    bool isEmpty() const;  // the untouched mask
    bool isValid() const;  // a valid date (the year at least 1900)
    void clear();

    QLineEdit* edit() const { return m_edit; }
    QToolButton* calendarButton() const { return m_button; }

signals:
    // Enter in the field, or a day chosen in the calendar.
    void confirmed();

private:
    void openCalendar();

    QLineEdit* m_edit = nullptr;
    QToolButton* m_button = nullptr;
    QChar m_separator;
};
