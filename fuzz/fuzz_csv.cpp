// Feeds arbitrary bytes to the sheet reader, the first byte choosing the separator: it
// must give a table, never crash, hang or read outside its input. What it reads must
// come back unchanged through the program's own sheet writer.
#include "output/CsvSheet.h"
#include "support/CsvReader.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const QChar separator = QLatin1Char(char(data[0]));
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const CsvTable table = CsvReader::parse(bytes, separator);

    int columns = 0;
    for (const QStringList& row : table.rows)
        columns = qMax(columns, int(row.size()));
    if (columns != table.columns || (!table.rows.isEmpty() && table.rows.last().isEmpty()))
        std::abort();
    (void)table.cell(table.rows.size() - 1, table.columns);

    const QByteArray written = CsvSheet::encode(table.rows, TextEncoding::Utf8);
    if (CsvReader::parse(written, u';', TextEncoding::Utf8).rows != table.rows)
        std::abort();
    return 0;
}
