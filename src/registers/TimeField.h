#pragma once

#include <QWidget>
#include <optional>

class QLineEdit;

// A time of day typed as HH, ":", MM into a masked field. The stored form is the whole
// number HHMM; an empty or invalid text stands for 0, so a stored 0 shows as the empty
// mask.
class TimeField : public QWidget {
    Q_OBJECT

public:
    explicit TimeField(const QString& objectName, QWidget* parent = nullptr);

    QString text() const;  // the five characters as shown, blanks included
    void setText(const QString& text);
    qint64 timeNumber() const;  // HHMM; 0 when empty or not a valid time
    void setTimeNumber(qint64 hhmm);
    bool isEmpty() const;  // the untouched mask
    bool isValid() const;  // 00:00 to 23:59
    void clear();

    // HHMM of a text "HH:MM" with two digits each, hours 0 to 23 and minutes 0 to 59.
    static std::optional<int> parse(const QString& text);

    QLineEdit* edit() const { return m_edit; }

private:
    QLineEdit* m_edit = nullptr;
};
