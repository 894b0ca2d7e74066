#pragma once

#include "data/engine/DbError.h"

#include <QString>

class MessageService;

// How a failed database operation reaches the user: a box titled "Błąd bazy danych" and a
// line in the error log with the operation's code. It never stops the caller.
class ErrorReport {
public:
    explicit ErrorReport(MessageService* messages = nullptr) : m_messages(messages) {}

    void setMessageService(MessageService* messages) { m_messages = messages; }
    MessageService* messageService() const { return m_messages; }

    void report(const QString& message, bool withPrefix, qint64 code);
    void report(const DbError& error, qint64 code);

    static QString title() { return QStringLiteral("Błąd bazy danych"); }
    static QString lockedMessage();
    static QString prefix() {
        return QStringLiteral("Wystąpił nieoczekiwany błąd. Orginalny komunikat:");
    }

private:
    void show(const QString& text);
    MessageService* m_messages;
};
