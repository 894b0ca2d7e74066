#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// The words of a command line: the command, its positional arguments and its options
// ("--year 2026", "--demo"). Options that take a value are named up front, so that a
// value is never mistaken for a positional argument.
class CliArguments {
public:
    CliArguments(const QStringList& words, const QStringList& valueOptions,
                 const QStringList& flagOptions);

    bool ok() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    const QStringList& positional() const { return m_positional; }
    bool has(const QString& option) const { return m_values.contains(option); }
    QString value(const QString& option) const { return m_values.value(option); }

private:
    QStringList m_positional;
    QMap<QString, QString> m_values;
    QString m_error;
};
