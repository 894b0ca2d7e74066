#pragma once

#include <QDateTime>
#include <QString>

// The program's one error log, debug/error.txt in the data directory. Each line is the
// local time "yyyy.MM.dd hh:mm:ss", two blanks and the text; a failure to write is
// ignored, because logging must never stop the operation that failed.
namespace ErrorLog {

QString path();
// "[0000000041]" for 41; a code of more than ten digits is written as it is.
QString codeText(qint64 code);
QString line(const QDateTime& time, const QString& text);
void append(const QString& text);
// The bracketed code, two blanks and the text.
void append(qint64 code, const QString& text);

}  // namespace ErrorLog
