#pragma once

#include "support/CodePage.h"

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A delimited text sheet as read: one row per line of the file, in file order, each with
// the cells found on that line (an empty line in the middle is a row without cells).
struct CsvTable {
    QList<QStringList> rows;
    int columns = 0;  // the cell count of the widest row

    // Empty for a cell past the end of a short row or outside the table.
    QString cell(qsizetype row, qsizetype column) const;
};

// Reads the sheets that banks, fuel-card providers and spreadsheets save, RFC 4180 and
// the usual liberties taken with it:
// - a cell that starts with '"' is quoted: a doubled quote in it is one quote, and the
//   separator and line breaks in it are text; what follows its closing quote up to the
//   next separator is appended as written; a quote anywhere else is an ordinary character;
// - lines end with CR LF, LF or a lone CR; empty lines at the end are ignored;
// - an unterminated quote runs to the end of the input;
// - the separator is any one character; '"', CR and LF cannot separate, so with one of
//   them each line is a single cell.
namespace CsvReader {

// A byte-order mark or valid UTF-8 means UTF-8, anything else Windows-1250.
TextEncoding detect(const QByteArray& bytes);

// Without an encoding it is detected; a given one is obeyed even against the bytes, which
// is how a sheet that detection misjudges is read. A UTF-8 byte-order mark is dropped.
CsvTable parse(const QByteArray& bytes, QChar separator, std::optional<TextEncoding> encoding = {});

// nullopt with the system's message in *error when the file cannot be read.
std::optional<CsvTable> readFile(const QString& path, QChar separator,
                                 std::optional<TextEncoding> encoding, QString* error = nullptr);

}  // namespace CsvReader
