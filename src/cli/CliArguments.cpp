#include "cli/CliArguments.h"

CliArguments::CliArguments(const QStringList& words, const QStringList& valueOptions,
                           const QStringList& flagOptions) {
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words.at(i);
        if (!word.startsWith(QLatin1String("--"))) {
            m_positional << word;
            continue;
        }
        QString name = word.mid(2);
        QString inlineValue;
        const qsizetype eq = name.indexOf(QLatin1Char('='));
        if (eq >= 0) {
            inlineValue = name.mid(eq + 1);
            name = name.left(eq);
        }
        if (valueOptions.contains(name)) {
            if (eq >= 0) {
                m_values.insert(name, inlineValue);
            } else if (i + 1 < words.size()) {
                m_values.insert(name, words.at(++i));
            } else {
                m_error = QStringLiteral("Opcja --%1 wymaga wartości.").arg(name);
                return;
            }
        } else if (flagOptions.contains(name) && eq < 0) {
            m_values.insert(name, QString());
        } else {
            m_error = QStringLiteral("Nieznana opcja: %1").arg(word);
            return;
        }
    }
}
