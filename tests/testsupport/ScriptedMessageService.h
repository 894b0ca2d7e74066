#pragma once

#include "support/MessageService.h"

#include <QList>
#include <QQueue>

// A message service for tests: records every box and answers from a script. A question or
// prompt with no scripted answer fails the test instead of blocking.
class ScriptedMessageService : public MessageService {
public:
    struct Shown {
        QString kind;  // "information", "question", "prompt", "save", "open"
        QString title;
        QString text;
    };

    void information(const QString& title, const QString& text) override;
    bool question(const QString& title, const QString& text) override;
    std::optional<QString> prompt(const QString& title, const QString& text,
                                  const QString& defaultValue, bool password) override;
    QString saveFileName(const QString& title, const QString& proposedName,
                         const QStringList& filters) override;
    QString openFileName(const QString& title, const QStringList& filters) override;

    void answerQuestion(bool yes) { m_answers.enqueue(yes); }
    void answerPrompt(std::optional<QString> text) { m_prompts.enqueue(std::move(text)); }
    void answerFile(const QString& fileName) { m_files.enqueue(fileName); }

    const QList<Shown>& shown() const { return m_shown; }
    QStringList texts() const;
    void clear() { m_shown.clear(); }
    // Scripted answers nobody asked for.
    bool unusedAnswers() const {
        return !m_answers.isEmpty() || !m_prompts.isEmpty() || !m_files.isEmpty();
    }

private:
    QList<Shown> m_shown;
    QQueue<bool> m_answers;
    QQueue<std::optional<QString>> m_prompts;
    QQueue<QString> m_files;
};
