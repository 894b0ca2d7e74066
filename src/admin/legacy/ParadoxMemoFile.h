#pragma once

#include <QByteArray>
#include <QFile>
#include <optional>

// The .MB file beside a Paradox table, where memos longer than their part in the record
// are kept. Read here rather than through pxlib, whose reader of these files overruns its
// own stack on opening them.
//
// The file is made of 4 KiB blocks. A memo field of n bytes in the record holds the start
// of the text in its first n - 10 bytes, then the place of the whole text (block offset
// with an index in its lowest byte), its length and a modification number. The place is
// either a block of one memo (index 0xFF: a 9-byte head, then the text) or a block shared
// by up to 64 small memos (a 12-byte head, then 5-byte pointers: start and length in
// 16-byte units, the length's remainder in the last byte).
class ParadoxMemoFile {
public:
    bool open(const QString& path);
    bool isOpen() const { return m_file.isOpen(); }
    void close() { m_file.close(); }

    // True when the memo field's text does not fit in the record and lives in this file.
    static bool isOutside(const char* field, int length);
    // The text of the memo field, or nothing when the pointers lead outside the file or
    // to a block of another kind (a damaged file).
    std::optional<QByteArray> read(const char* field, int length);

private:
    QByteArray readAt(qint64 offset, qint64 size);
    QFile m_file;
};
