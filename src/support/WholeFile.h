#pragma once

#include <QByteArray>
#include <QString>

// Writes a file the program produces (a sheet, a text pane, settings) in one piece.
namespace WholeFile {

// A regular file (or a new one) is replaced only once every byte is written: a failure
// leaves no partial file and an existing file as it was. Anything else that can be
// written to (a named pipe, a terminal, /dev/stdout) is written into directly, never
// replaced by a regular file.
bool write(const QString& path, const QByteArray& bytes, QString* error = nullptr);

}  // namespace WholeFile
