#include "ScriptedMessageService.h"

#include <QTest>

void ScriptedMessageService::information(const QString& title, const QString& text) {
    m_shown.append({QStringLiteral("information"), title, text});
}

bool ScriptedMessageService::question(const QString& title, const QString& text) {
    m_shown.append({QStringLiteral("question"), title, text});
    if (m_answers.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected question: ") + text), __FILE__,
                     __LINE__);
        return false;
    }
    return m_answers.dequeue();
}

std::optional<QString> ScriptedMessageService::prompt(const QString& title, const QString& text,
                                                      const QString&, bool) {
    m_shown.append({QStringLiteral("prompt"), title, text});
    if (m_prompts.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected prompt: ") + text), __FILE__, __LINE__);
        return std::nullopt;
    }
    return m_prompts.dequeue();
}

QString ScriptedMessageService::saveFileName(const QString& title, const QString& proposedName,
                                             const QStringList&) {
    m_shown.append({QStringLiteral("save"), title, proposedName});
    return m_files.isEmpty() ? QString() : m_files.dequeue();
}

QString ScriptedMessageService::openFileName(const QString& title, const QStringList&) {
    m_shown.append({QStringLiteral("open"), title, QString()});
    return m_files.isEmpty() ? QString() : m_files.dequeue();
}

QStringList ScriptedMessageService::texts() const {
    QStringList list;
    for (const Shown& shown : m_shown)
        list << shown.text;
    return list;
}
