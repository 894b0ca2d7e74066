#include "data/registers/ListSql.h"
#include "data/schema/Schema.h"

#include <QRegularExpression>
#include <QSet>

namespace ListSql {

namespace {

// Positions in a statement outside quotes and parentheses.
class TopLevel {
public:
    explicit TopLevel(const QString& text) : m_text(text) {
        int depth = 0;
        QChar quote;
        m_level.resize(text.size());
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            bool inside = depth > 0 || !quote.isNull();
            if (!quote.isNull()) {
                if (c == quote)
                    quote = QChar();
            } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
                quote = c;
                inside = true;
            } else if (c == QLatin1Char('(')) {
                ++depth;
                inside = true;
            } else if (c == QLatin1Char(')')) {
                --depth;
                inside = true;
            }
            m_level[i] = !inside;
        }
    }

    // The first top-level occurrence of word (matched whole, ignoring case) at or after from.
    qsizetype find(const QString& word, qsizetype from = 0) const {
        for (qsizetype at = m_text.indexOf(word, from, Qt::CaseInsensitive); at >= 0;
             at = m_text.indexOf(word, at + 1, Qt::CaseInsensitive)) {
            const bool before = at == 0 || !isWordChar(m_text.at(at - 1));
            const qsizetype end = at + word.size();
            const bool after = end >= m_text.size() || !isWordChar(m_text.at(end));
            if (before && after && m_level[at])
                return at;
        }
        return -1;
    }

    bool isTopLevel(qsizetype at) const { return m_level.value(at); }

    QList<qsizetype> commas(qsizetype from, qsizetype to) const {
        QList<qsizetype> found;
        for (qsizetype i = from; i < to; ++i) {
            if (m_level[i] && m_text.at(i) == QLatin1Char(','))
                found << i;
        }
        return found;
    }

private:
    static bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }
    const QString& m_text;
    QList<bool> m_level;
};

struct Join {
    QString text;                     // "LEFT OUTER JOIN osobowa o ON o.NREW = k.IDKIEROWCY "
    QString alias;                    // how the statement names the table
    QString on;                       // the condition
    const TableDef* table = nullptr;  // the joined table, when the schema knows it
    bool droppable = false;           // a LEFT JOIN on the whole unique key of its table
};

bool isUniqueKey(const TableDef& table, const QString& field) {
    auto single = [&field](const QStringList& key) {
        return key.size() == 1 && key.first().compare(field, Qt::CaseInsensitive) == 0;
    };
    if (single(table.primaryKey))
        return true;
    for (const QStringList& key : table.uniqueIndexes) {
        if (single(key))
            return true;
    }
    return false;
}

Join parseJoin(const QString& text) {
    static const QRegularExpression shape(
        QStringLiteral(
            "^(LEFT\\s+(?:OUTER\\s+)?)?JOIN\\s+([A-Za-z_]+)(?:\\s+(?!ON\\b)([A-Za-z_]+))?"
            "\\s+ON\\s+(.+)$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression equality(
        QStringLiteral("^\\s*([A-Za-z_]+)\\.([A-Za-z0-9_]+)\\s*=\\s*([A-Za-z_]+)\\.([A-Za-z0-9_]+)"
                       "\\s*$"));
    Join join;
    join.text = text;
    join.on = text;  // a join of another shape: all of it counts as naming other tables
    const auto match = shape.match(text.trimmed());
    if (!match.hasMatch())
        return join;
    join.alias = match.captured(3).isEmpty() ? match.captured(2) : match.captured(3);
    join.on = match.captured(4);
    join.table = Schema::companyTable(match.captured(2));
    const auto condition = equality.match(join.on);
    if (match.captured(1).isEmpty() || !join.table || !condition.hasMatch())
        return join;
    for (int side : {1, 3}) {
        if (condition.captured(side).compare(join.alias, Qt::CaseInsensitive) == 0 &&
            condition.captured(4 - side).compare(join.alias, Qt::CaseInsensitive) != 0 &&
            isUniqueKey(*join.table, condition.captured(side + 1)))
            join.droppable = true;
    }
    return join;
}

// Whether found holds for a word of text: each word that is not a field of a named table
// (after ".") nor a placeholder (after ":"), and whether a "." follows it (then it names
// a table).
template <typename Found>
bool anyWord(const QString& text, Found&& found) {
    static const QRegularExpression word(
        QStringLiteral("(?<![.:\\w])([A-Za-z_][A-Za-z0-9_]*)\\b(\\s*\\.)?"));
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        if (found(match.captured(1), !match.captured(2).isEmpty()))
            return true;
    }
    return false;
}

// Whether text names the table by its alias ("o.NAZWISKO") or, unqualified, by one of its
// fields: such a name would no longer resolve without the table.
bool names(const QString& text, const QString& alias, const TableDef* table) {
    return anyWord(text, [&](const QString& word, bool qualifier) {
        return qualifier ? word.compare(alias, Qt::CaseInsensitive) == 0
                         : table && table->field(word.toUpper());
    });
}

}  // namespace

QString withoutUnusedJoins(const QString& statement, const QStringList& usedNames) {
    const TopLevel level(statement);
    if (!statement.startsWith(QLatin1String("SELECT ")))
        return statement;
    const qsizetype from = level.find(QStringLiteral("FROM"));
    if (from < 0)
        return statement;
    // The tables end at the WHERE; a statement without one, or of several SELECTs, is left
    // as it is.
    const qsizetype where = level.find(QStringLiteral("WHERE"), from);
    if (where < 0 || level.find(QStringLiteral("UNION")) >= 0 ||
        level.find(QStringLiteral("INTERSECT")) >= 0 || level.find(QStringLiteral("EXCEPT")) >= 0)
        return statement;

    // The select items with their output names; an item without one is always kept.
    struct Item {
        QString expression;
        QString name;
    };
    static const QRegularExpression named(
        QStringLiteral("^(.*)\\s+AS\\s+([A-Za-z0-9_]+)$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    QList<Item> items;
    qsizetype start = 7;
    QList<qsizetype> ends = level.commas(start, from);
    ends << from;
    for (qsizetype end : ends) {
        const QString item = statement.mid(start, end - start).trimmed();
        start = end + 1;
        const auto match = named.match(item);
        if (match.hasMatch())
            items.append({match.captured(1), match.captured(2)});
        else
            items.append({item, QString()});
    }

    // The tables: the first, then each join up to the next one.
    static const QRegularExpression joinWord(
        QStringLiteral("\\b(?:LEFT\\s+(?:OUTER\\s+)?|INNER\\s+|CROSS\\s+)?JOIN\\b"),
        QRegularExpression::CaseInsensitiveOption);
    const QString tables = statement.mid(from + 4, where - from - 4);
    const TopLevel tableLevel(tables);
    QList<qsizetype> joinStarts;
    for (auto it = joinWord.globalMatch(tables); it.hasNext();) {
        const auto match = it.next();
        if (tableLevel.isTopLevel(match.capturedStart()))
            joinStarts << match.capturedStart();
    }
    if (joinStarts.isEmpty())
        return statement;
    const QString first = tables.left(joinStarts.first());
    QList<Join> joins;
    for (int j = 0; j < joinStarts.size(); ++j) {
        const qsizetype end = j + 1 < joinStarts.size() ? joinStarts.at(j + 1) : tables.size();
        joins.append(parseJoin(tables.mid(joinStarts.at(j), end - joinStarts.at(j))));
    }
    const QString rest = statement.mid(where);

    // Read are the figures' names and the output names the clauses use (SQLite lets a
    // clause name an item).
    QSet<QString> used;
    for (const QString& name : usedNames)
        used.insert(name.toUpper());
    for (const Item& item : items) {
        if (!item.name.isEmpty() && anyWord(rest, [&item](const QString& word, bool qualifier) {
                return !qualifier && word.compare(item.name, Qt::CaseInsensitive) == 0;
            }))
            used.insert(item.name.toUpper());
    }
    QList<bool> dropped(joins.size(), false);
    for (bool changed = true; changed;) {
        changed = false;
        for (int j = 0; j < joins.size(); ++j) {
            if (dropped[j] || !joins[j].droppable)
                continue;
            QString elsewhere = rest;
            for (int k = 0; k < joins.size(); ++k) {
                if (k != j && !dropped[k])
                    elsewhere += QLatin1Char(' ') + joins[k].on;
            }
            for (const Item& item : items) {
                if (item.name.isEmpty() || used.contains(item.name.toUpper()))
                    elsewhere += QLatin1Char(' ') + item.expression;
            }
            if (!names(elsewhere, joins[j].alias, joins[j].table)) {
                dropped[j] = true;
                changed = true;
            }
        }
    }
    if (!dropped.contains(true))
        return statement;

    QStringList kept;
    for (const Item& item : items) {
        bool blank = false;
        for (int j = 0; j < joins.size() && !blank; ++j)
            blank = dropped[j] && names(item.expression, joins[j].alias, nullptr);
        kept << (item.name.isEmpty() ? item.expression
                                     : (blank ? QStringLiteral("NULL") : item.expression) +
                                           QStringLiteral(" AS ") + item.name);
    }
    QString result = QStringLiteral("SELECT ") + kept.join(QStringLiteral(", ")) +
                     QStringLiteral(" FROM") + first;
    for (int j = 0; j < joins.size(); ++j) {
        if (!dropped[j])
            result += joins[j].text;
    }
    return result + rest;
}

}  // namespace ListSql
