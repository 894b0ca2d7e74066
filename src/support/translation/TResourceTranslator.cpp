#include "support/translation/TResourceTranslator.h"

#include "support/CodePage.h"
#include "support/IniFile.h"

#include <QFile>
#include <algorithm>

namespace {

const TResourceTranslator* g_installed = nullptr;

QString withoutQuotes(const QString& value) {
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
        return value.mid(1, value.size() - 2);
    return value;
}

QString withLineEnds(QString text) {
    return text.replace(QStringLiteral("<br>"), QStringLiteral("\r\n"), Qt::CaseInsensitive);
}

// The file's lines after the first line that is exactly "[global]".
QStringList globalLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = CodePage::decode(file.readAll());
    QStringList lines = text.split(u'\n');
    if (text.endsWith(u'\n'))
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    const qsizetype header = lines.indexOf(QStringLiteral("[global]"));
    return header < 0 ? QStringList() : lines.mid(header + 1);
}

}  // namespace

TResourceTranslator::TResourceTranslator(const QString& path) : m_path(path) {
    if (!QFile::exists(path))
        return;
    static const QRegularExpression argument(QStringLiteral("%([1-9])"));
    for (const QString& line : globalLines(path)) {
        const qsizetype equals = line.indexOf(u'=');
        const QString source = equals < 0 ? QString() : line.left(equals);
        const QString translation = equals < 0 ? line : line.mid(equals + 1);
        m_firstSource.insert(source.toCaseFolded(),
                             m_firstSource.value(source.toCaseFolded(), m_sources.size()));
        m_sources.append(source);
        m_translations.append(translation);
        if (!source.contains(argument))
            continue;
        Pattern pattern;
        QString expression = QStringLiteral("^");
        qsizetype from = 0;
        for (auto it = argument.globalMatch(source); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            expression +=
                QRegularExpression::escape(source.mid(from, match.capturedStart() - from));
            expression += QStringLiteral("(.*?)");
            pattern.argumentOrder.append(match.captured(1).toInt());
            from = match.capturedEnd();
        }
        expression += QRegularExpression::escape(source.mid(from)) + u'$';
        pattern.expression =
            QRegularExpression(expression, QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::DotMatchesEverythingOption);
        pattern.translation = translation;
        m_patterns.append(pattern);
    }

    const IniFile file(path);
    for (const auto& [key, value] : file.entries(QStringLiteral("Reports"))) {
        const QString translation = withoutQuotes(value);
        if (translation.isEmpty())
            continue;
        const QString source = withLineEnds(key.mid(1));
        m_firstReportSource.insert(
            source.toCaseFolded(),
            m_firstReportSource.value(source.toCaseFolded(), m_reportSources.size()));
        m_reportSources.append(source);
        m_reportTranslations.append(withLineEnds(translation));
    }
    for (const auto& [key, value] : file.entries(QStringLiteral("FreeReport"))) {
        bool whole = false;
        const int n = key.toInt(&whole);
        const QString text = withoutQuotes(value);
        if (whole && n >= 0 && n < kEngineTextCount && !text.isEmpty())
            m_engineTexts[n] = text;
    }
}

bool TResourceTranslator::isEmpty() const {
    return m_sources.isEmpty() && m_reportSources.isEmpty() &&
           std::all_of(m_engineTexts.begin(), m_engineTexts.end(),
                       [](const QString& t) { return t.isEmpty(); });
}

QString TResourceTranslator::translateText(const QString& text) const {
    const auto hit = m_firstSource.constFind(text.toCaseFolded());
    if (hit != m_firstSource.constEnd())
        return m_translations[*hit];
    for (const Pattern& pattern : m_patterns) {
        const QRegularExpressionMatch match = pattern.expression.match(text);
        if (!match.hasMatch())
            continue;
        // Each %n of the translation gets what %n stood for in the source.
        QString result;
        const QString& t = pattern.translation;
        for (qsizetype i = 0; i < t.size(); ++i) {
            if (t[i] == u'%' && i + 1 < t.size() && t[i + 1] >= u'1' && t[i + 1] <= u'9') {
                const int n = t[i + 1].unicode() - u'0';
                const qsizetype group = pattern.argumentOrder.indexOf(n);
                if (group >= 0) {
                    result += match.captured(int(group) + 1);
                    ++i;
                    continue;
                }
            }
            result += t[i];
        }
        return result;
    }
    // A message of several lines, each of which the file may know.
    if (text.contains(u'\n')) {
        QStringList lines = text.split(u'\n');
        for (QString& line : lines)
            line = translateText(line);
        return lines.join(u'\n');
    }
    return text;
}

QString TResourceTranslator::translateReport(const QString& text) const {
    if (text.trimmed().isEmpty())
        return text;
    const auto hit = m_firstReportSource.constFind(text.toCaseFolded());
    return hit == m_firstReportSource.constEnd() ? text : m_reportTranslations[*hit];
}

QHash<QString, QString> TResourceTranslator::windowSection(const QString& className) const {
    QHash<QString, QString> section;
    if (m_path.isEmpty())
        return section;
    for (const auto& [key, value] : IniFile(m_path).entries(className))
        section.insert(key.toCaseFolded(), withoutQuotes(value));
    return section;
}

void TResourceTranslator::install(const TResourceTranslator* translator) {
    g_installed = translator;
}

const TResourceTranslator* TResourceTranslator::installed() {
    return g_installed;
}

QString tx(const QString& text) {
    return g_installed ? g_installed->translateText(text) : text;
}
