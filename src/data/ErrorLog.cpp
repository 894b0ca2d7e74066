#include "data/ErrorLog.h"

#include "support/OVUtilities.h"
#include "support/PrivateFiles.h"

#include <QDir>
#include <QFile>

namespace ErrorLog {

QString path() {
    return TOVUtilities::defaultDataDirectory() + QStringLiteral("/debug/error.txt");
}

QString codeText(qint64 code) {
    return QLatin1Char('[') + QStringLiteral("%1").arg(code, 10, 10, QLatin1Char('0')) +
           QLatin1Char(']');
}

QString line(const QDateTime& time, const QString& text) {
    return time.toString(QStringLiteral("yyyy.MM.dd hh:mm:ss")) + QStringLiteral("  ") + text;
}

void append(const QString& text) {
    const QString file = path();
    // The log names companies, users and what failed: its owner alone reads it.
    PrivateFiles::makePath(QFileInfo(file).absolutePath());
    QFile log(file);
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append, QFile::ReadOwner | QFile::WriteOwner))
        return;
    QString entry = line(QDateTime::currentDateTime(), text);
    // One entry is one line, also when the engine's message has several.
    entry.replace(QStringLiteral("\r\n"), QStringLiteral(" "))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
    log.write(entry.toUtf8() + "\r\n");
}

void append(qint64 code, const QString& text) {
    append(codeText(code) + QStringLiteral("  ") + text);
}

}  // namespace ErrorLog
