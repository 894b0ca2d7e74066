#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// The language file "english.ini" of the data directory, which replaces the program's
// Polish texts at run time. Without the file every text stays as written.
//
// - "[global]" runs from its line to the end of the file: every later line is a pair
//   "source=translation" split at the first '=', nothing trimmed. A source text holding
//   %1, %2, ... also translates texts put together from it ("Dodano wierszy: %1" matches
//   "Dodano wierszy: 5"); a pair written for the whole text wins over such a pattern.
// - "[Reports]": texts of report layouts; the key's first character is a marker, "<br>"
//   stands for a line end (CR LF), and a text object's text ends each line with one.
// - "[FreeReport]": the report engine's own texts by number, 0 to 2346.
// - One section per window class: keys "control.property" (see WindowTexts).
class TResourceTranslator {
public:
    static constexpr int kEngineTextCount = 2347;

    TResourceTranslator() = default;  // no file: nothing translated
    explicit TResourceTranslator(const QString& path);

    QString path() const { return m_path; }
    bool isEmpty() const;

    // The translation of the first pair whose source equals the text regardless of letter
    // case, else of the first pattern that matches it, else of each of its lines; the text
    // itself when there is none.
    QString translateText(const QString& text) const;

    // The translation of a report object's whole text (each line followed by CR LF);
    // the text itself when no report pair matches it or it is blank.
    QString translateReport(const QString& text) const;

    // Index n holds the engine's text n; empty where the file gives none.
    const QStringList& engineTexts() const { return m_engineTexts; }

    // A window's section read afresh: keys folded to lower case, enclosing double quotes
    // of the values removed.
    QHash<QString, QString> windowSection(const QString& className) const;

    // The translator of the running program (none: texts stay Polish). The program
    // installs one at start; it must outlive every use.
    static void install(const TResourceTranslator* translator);
    static const TResourceTranslator* installed();

private:
    struct Pattern {
        QRegularExpression expression;
        QString translation;
        QList<int> argumentOrder;  // the %n of each captured group
    };

    QString m_path;
    QStringList m_sources;
    QStringList m_translations;
    QHash<QString, qsizetype> m_firstSource;  // folded source -> first pair
    QList<Pattern> m_patterns;
    QStringList m_reportSources;
    QStringList m_reportTranslations;
    QHash<QString, qsizetype> m_firstReportSource;
    QStringList m_engineTexts = QStringList(kEngineTextCount);
};

// The text through the installed translator; the code passes every text it puts together
// for people through this before showing it.
QString tx(const QString& text);
