#include "data/engine/SqlStatement.h"

SqlStatement& SqlStatement::bind(const QString& name, const QVariant& value) {
    for (auto& binding : bindings) {
        if (binding.first == name) {
            binding.second = value;
            return *this;
        }
    }
    bindings.append({name, value});
    return *this;
}

SqlStatement& SqlStatement::bindText(const QString& name, const QString& value) {
    return bind(name, value.isNull() ? QStringLiteral("") : value);
}

QVariant SqlStatement::boundValue(const QString& name) const {
    for (const auto& binding : bindings) {
        if (binding.first == name)
            return binding.second;
    }
    return {};
}

QList<SqlStatement::Span> SqlStatement::placeholders(const QString& text) {
    QList<Span> spans;
    QChar quote;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
            continue;
        }
        if (c != QLatin1Char(':') || i + 1 >= text.size())
            continue;
        if (i > 0 && text.at(i - 1) == QLatin1Char(':'))
            continue;
        const QChar first = text.at(i + 1);
        if (!first.isLetter() && first != QLatin1Char('_'))
            continue;
        qsizetype end = i + 1;
        while (end < text.size() &&
               (text.at(end).isLetterOrNumber() || text.at(end) == QLatin1Char('_')))
            ++end;
        spans.append({i, end - i});
        i = end - 1;
    }
    return spans;
}
