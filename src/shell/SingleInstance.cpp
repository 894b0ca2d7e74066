#include "shell/SingleInstance.h"

#include <QDir>

SingleInstance::SingleInstance(const QString& dataDirectory) {
    QDir().mkpath(dataDirectory);
    m_lock = std::make_unique<QLockFile>(dataDirectory + QStringLiteral("/flotanor.lock"));
    // The lock is held for the whole run, never stale while its program lives.
    m_lock->setStaleLockTime(0);
}

bool SingleInstance::acquire() {
    return m_lock->tryLock(0);
}
