#pragma once

#include "support/CodePage.h"

#include <QList>
#include <QStringList>

// The semicolon-separated sheet that lists are exported to: every cell in double quotes
// (a quote inside a cell doubled, so the sheet reads back as written), cells separated by
// ";", lines ended by CR LF, Windows-1250 unless UTF-8 is asked for.
namespace CsvSheet {

QByteArray encode(const QList<QStringList>& rows,
                  TextEncoding encoding = TextEncoding::Windows1250);

// Writes the whole sheet or nothing: a failed write leaves no partial file and an
// existing file as it was; a named pipe or a terminal is written into directly.
bool write(const QList<QStringList>& rows, const QString& fileName,
           TextEncoding encoding = TextEncoding::Windows1250, QString* error = nullptr);

// Reads a sheet written by encode() back into its cells. Without an encoding it is
// guessed (valid UTF-8 or else Windows-1250), which a short Windows-1250 text can fool.
QList<QStringList> decode(const QByteArray& bytes);
QList<QStringList> decode(const QByteArray& bytes, TextEncoding encoding);

}  // namespace CsvSheet
