#pragma once

#include "data/engine/SqlStatement.h"

#include <QStringList>

// A statement kept as numbered lines, some of them empty slots that the caller fills by
// index before running it; the statement is the lines joined by line breaks. Text values
// go in as positional parameters :PARAM0, :PARAM1, ... and numbers, dates, times and
// codes that the code itself formats are written into the slot lines.
class SqlTemplate {
public:
    SqlTemplate() = default;
    explicit SqlTemplate(QStringList lines) : m_lines(std::move(lines)) {}

    // Builds the lines from the compact form "UPDATE t SET A= {1} ,B= {3} WHERE K= {5}",
    // where {n} marks the empty slot line n. Text between two markers becomes one line;
    // a gap wider than the text needs is padded with empty lines, so slot n is always
    // line n. A marker out of order makes the template invalid.
    static SqlTemplate parse(const QString& compact);
    bool isValid() const { return m_valid; }
    // The first line of each run of adjacent slot lines, in order (parsed templates).
    QList<int> slotRuns() const;

    int lineCount() const { return int(m_lines.size()); }
    QString line(int index) const { return m_lines.value(index); }
    void setLine(int index, const QString& text);
    void clearSlots(const QList<int>& indexes);
    const QStringList& lines() const { return m_lines; }

    // Positional text parameter :PARAM<index>.
    void setParam(int index, const QString& value);
    // Any other named value (a clause's bound values).
    void bind(const QString& name, const QVariant& value);
    void clearBindings();

    QString text() const { return m_lines.join(QLatin1Char('\n')); }
    SqlStatement statement() const;

private:
    QStringList m_lines;
    SqlStatement m_values;
    bool m_valid = true;
    QList<int> m_slots;
};
