#include "data/engine/SqlTemplate.h"

#include <QRegularExpression>

SqlTemplate SqlTemplate::parse(const QString& compact) {
    static const QRegularExpression marker(QStringLiteral("\\{(\\d+)\\}"));
    QStringList lines;
    qsizetype position = 0;
    auto addText = [&lines](const QString& text) {
        const QString trimmed = text.trimmed();
        if (!trimmed.isEmpty())
            lines << trimmed;
    };
    bool valid = true;
    QList<int> slotLines;
    auto it = marker.globalMatch(compact);
    while (it.hasNext()) {
        const auto match = it.next();
        addText(compact.mid(position, match.capturedStart() - position));
        const int slot = match.captured(1).toInt();
        if (slot < lines.size())
            valid = false;
        while (lines.size() < slot)
            lines << QString();
        slotLines << int(lines.size());
        lines << QString();
        position = match.capturedEnd();
    }
    addText(compact.mid(position));
    SqlTemplate result(lines);
    result.m_valid = valid;
    result.m_slots = slotLines;
    return result;
}

void SqlTemplate::setLine(int index, const QString& text) {
    Q_ASSERT(index >= 0);
    while (m_lines.size() <= index)
        m_lines << QString();
    m_lines[index] = text;
}

void SqlTemplate::clearSlots(const QList<int>& indexes) {
    for (int index : indexes)
        setLine(index, QString());
}

void SqlTemplate::setParam(int index, const QString& value) {
    m_values.bindText(QStringLiteral(":PARAM%1").arg(index), value);
}

void SqlTemplate::bind(const QString& name, const QVariant& value) {
    m_values.bind(name, value);
}

void SqlTemplate::clearBindings() {
    m_values.bindings.clear();
}

SqlStatement SqlTemplate::statement() const {
    SqlStatement statement = m_values;
    statement.text = text();
    return statement;
}

QList<int> SqlTemplate::slotRuns() const {
    QList<int> firsts;
    for (int i = 0; i < m_slots.size(); ++i) {
        if (i == 0 || m_slots[i] != m_slots[i - 1] + 1)
            firsts << m_slots[i];
    }
    return firsts;
}
