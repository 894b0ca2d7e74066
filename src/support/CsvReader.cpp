#include "support/CsvReader.h"

#include <QFile>
#include <QFileInfo>

QString CsvTable::cell(qsizetype row, qsizetype column) const {
    if (row < 0 || row >= rows.size() || column < 0 || column >= rows.at(row).size())
        return {};
    return rows.at(row).at(column);
}

namespace {

enum class State { CellStart, Unquoted, Quoted, AfterQuote };

CsvTable split(const QString& text, QChar separator) {
    const bool separates = separator != u'"' && separator != u'\r' && separator != u'\n';
    CsvTable table;
    QStringList row;
    QString cell;
    State state = State::CellStart;
    // A line holding only "" or only separators still has cells; a truly empty one has none.
    bool lineHasCells = false;

    const auto endCell = [&] {
        row.append(cell);
        cell.clear();
        state = State::CellStart;
    };
    const auto endLine = [&] {
        if (lineHasCells)
            endCell();
        table.columns = qMax(table.columns, int(row.size()));
        table.rows.append(row);
        row.clear();
        state = State::CellStart;
        lineHasCells = false;
    };

    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (state == State::Quoted) {
            if (c != u'"') {
                cell += c;
            } else if (i + 1 < size && text.at(i + 1) == u'"') {
                cell += c;
                ++i;
            } else {
                state = State::AfterQuote;
            }
        } else if (separates && c == separator) {
            endCell();
            lineHasCells = true;
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
                ++i;
            endLine();
        } else if (c == u'"' && state == State::CellStart) {
            state = State::Quoted;
            lineHasCells = true;
        } else {
            cell += c;
            lineHasCells = true;
            if (state == State::CellStart)
                state = State::Unquoted;
        }
    }
    if (lineHasCells)
        endLine();
    // The width is kept: trailing lines are empty, so they never widened the table.
    while (!table.rows.isEmpty() && table.rows.last().isEmpty())
        table.rows.removeLast();
    return table;
}

}  // namespace

namespace CsvReader {

TextEncoding detect(const QByteArray& bytes) {
    return CodePage::detect(bytes);
}

CsvTable parse(const QByteArray& bytes, QChar separator, std::optional<TextEncoding> encoding) {
    // Separators, quotes and line breaks are ASCII in both encodings, so splitting the
    // decoded text gives the same cells as splitting the bytes would.
    return split(CodePage::decode(bytes, encoding.value_or(detect(bytes))), separator);
}

std::optional<CsvTable> readFile(const QString& path, QChar separator,
                                 std::optional<TextEncoding> encoding, QString* error) {
    QFile file(path);
    // Opening a directory succeeds on some systems and then reads nothing.
    if (QFileInfo(path).isDir()) {
        if (error)
            *error = QStringLiteral("%1 jest katalogiem").arg(path);
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    return parse(bytes, separator, encoding);
}

}  // namespace CsvReader
