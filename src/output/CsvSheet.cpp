#include "output/CsvSheet.h"

#include "support/WholeFile.h"

namespace CsvSheet {

QByteArray encode(const QList<QStringList>& rows, TextEncoding encoding) {
    QString text;
    for (const QStringList& row : rows) {
        for (qsizetype c = 0; c < row.size(); ++c) {
            if (c > 0)
                text += QLatin1Char(';');
            QString cell = row.at(c);
            cell.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            text += QLatin1Char('"') + cell + QLatin1Char('"');
        }
        text += QStringLiteral("\r\n");
    }
    return CodePage::encode(text, encoding);
}

bool write(const QList<QStringList>& rows, const QString& fileName, TextEncoding encoding,
           QString* error) {
    return WholeFile::write(fileName, encode(rows, encoding), error);
}

namespace {

QList<QStringList> cells(const QString& text) {
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false;
    bool cellStarted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    cell += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                cell += c;
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            quoted = true;
            cellStarted = true;
        } else if (c == QLatin1Char(';')) {
            row << cell;
            cell.clear();
            cellStarted = false;
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            if (cellStarted || !cell.isEmpty() || !row.isEmpty())
                row << cell;
            rows << row;
            row.clear();
            cell.clear();
            cellStarted = false;
        } else {
            cell += c;
            cellStarted = true;
        }
    }
    if (cellStarted || !cell.isEmpty() || !row.isEmpty()) {
        row << cell;
        rows << row;
    }
    return rows;
}

}  // namespace

QList<QStringList> decode(const QByteArray& bytes) {
    return cells(CodePage::decode(bytes));
}

QList<QStringList> decode(const QByteArray& bytes, TextEncoding encoding) {
    return cells(CodePage::decode(bytes, encoding));
}

}  // namespace CsvSheet
