#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <utility>

// One statement ready to run: its text and the values of its named placeholders
// (":PARAM0", ":VEH", ...). Every text a person typed or a file brought travels here as a
// bound value, never inside the text.
struct SqlStatement {
    QString text;
    QList<std::pair<QString, QVariant>> bindings;

    SqlStatement() = default;
    SqlStatement(QString sql) : text(std::move(sql)) {}  // NOLINT: literal statements
    SqlStatement(const char* sql) : text(QString::fromUtf8(sql)) {}

    SqlStatement& bind(const QString& name, const QVariant& value);
    // A text parameter: a null text is bound as the empty text, never as NULL.
    SqlStatement& bindText(const QString& name, const QString& value);
    QVariant boundValue(const QString& name) const;

    // Where the named placeholders of a text stand, in order: outside quoted text, and not
    // the "::" of a cast.
    struct Span {
        qsizetype start = 0;
        qsizetype length = 0;
    };
    static QList<Span> placeholders(const QString& text);
};
