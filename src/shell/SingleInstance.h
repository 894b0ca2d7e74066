#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// Keeps a second copy of the program from starting on one computer: a lock file in the
// data directory, held while the program runs. A copy that crashed leaves a stale lock,
// which the next start takes over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& dataDirectory);
    // False when another running copy holds the lock.
    bool acquire();
    static QString refusedMessage() { return QStringLiteral("Flotanor jest już uruchomiony!"); }

private:
    std::unique_ptr<QLockFile> m_lock;
};
