#pragma once

#include "support/MessageService.h"

// The command line's message service: boxes become lines on standard error; questions
// and prompts are answered "no", since nobody sits at a script.
class ConsoleMessages : public MessageService {
public:
    void information(const QString& title, const QString& text) override;
    bool question(const QString& title, const QString& text) override;
    std::optional<QString> prompt(const QString& title, const QString& text,
                                  const QString& defaultValue, bool password) override;
    QString saveFileName(const QString&, const QString&, const QStringList&) override { return {}; }
    QString openFileName(const QString&, const QStringList&) override { return {}; }
};
