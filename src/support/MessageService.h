#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Every information box, question, prompt and file dialog of the program goes through
// one MessageService. The windows install one that shows real boxes; the command line
// one that writes to the terminal; tests one that answers from a script.
class MessageService {
public:
    virtual ~MessageService() = default;

    // An information box with one button ("Informacja", "Uwaga", "Błąd bazy danych", ...).
    virtual void information(const QString& title, const QString& text) = 0;

    // A question with "Tak" and "Nie"; true for "Tak".
    virtual bool question(const QString& title, const QString& text) = 0;

    // A prompt box with one edit field; nullopt when cancelled.
    virtual std::optional<QString> prompt(const QString& title, const QString& text,
                                          const QString& defaultValue, bool password) = 0;

    // File dialogs; an empty result means cancelled. filters are "Name (*.ext)" entries.
    virtual QString saveFileName(const QString& title, const QString& proposedName,
                                 const QStringList& filters) = 0;
    virtual QString openFileName(const QString& title, const QStringList& filters) = 0;
};

// Answers nothing and shows nothing; for code that runs with no one to ask.
class SilentMessageService : public MessageService {
public:
    void information(const QString&, const QString&) override {}
    bool question(const QString&, const QString&) override { return false; }
    std::optional<QString> prompt(const QString&, const QString&, const QString&,
                                  bool) override {
        return std::nullopt;
    }
    QString saveFileName(const QString&, const QString&, const QStringList&) override {
        return {};
    }
    QString openFileName(const QString&, const QStringList&) override { return {}; }
};
