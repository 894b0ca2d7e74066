#include "admin/legacy/ParadoxMemoFile.h"

#include <QtEndian>

namespace {

constexpr int kPlaceSize = 10;  // place (4), length (4), modification number (2)
constexpr qint64 kBlock = 4096;
constexpr unsigned char kSingleBlock = 2;
constexpr unsigned char kSharedBlock = 3;
constexpr int kSingleHead = 9;
constexpr int kSharedHead = 12;
constexpr int kPointerSize = 5;
constexpr int kPointers = 64;

quint32 le32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}

}  // namespace

bool ParadoxMemoFile::open(const QString& path) {
    m_file.close();
    m_file.setFileName(path);
    return m_file.open(QIODevice::ReadOnly);
}

bool ParadoxMemoFile::isOutside(const char* field, int length) {
    const int leader = length - kPlaceSize;
    return leader >= 0 && le32(field + leader + 4) > quint32(leader);
}

QByteArray ParadoxMemoFile::readAt(qint64 offset, qint64 size) {
    if (offset < 0 || size < 0 || offset + size > m_file.size() || !m_file.seek(offset))
        return {};
    QByteArray bytes = m_file.read(size);
    return bytes.size() == size ? bytes : QByteArray();
}

std::optional<QByteArray> ParadoxMemoFile::read(const char* field, int length) {
    const int leader = length - kPlaceSize;
    if (!isOpen() || leader < 0)
        return std::nullopt;
    const quint32 place = le32(field + leader);
    const qint64 size = le32(field + leader + 4);
    const qint64 block = place & 0xFFFFFF00u;
    const int index = int(place & 0xFFu);
    if (block == 0 || block % kBlock != 0)  // the first block is the file's head
        return std::nullopt;
    const QByteArray head = readAt(block, kSharedHead);
    if (head.isEmpty())
        return std::nullopt;
    const auto type = static_cast<unsigned char>(head.at(0));
    if (type == kSingleBlock && index == 0xFF) {
        if (le32(head.constData() + 3) != quint32(size))
            return std::nullopt;
        const QByteArray text = readAt(block + kSingleHead, size);
        return text.size() == size ? std::optional(text) : std::nullopt;
    }
    if (type == kSharedBlock && index < kPointers) {
        const QByteArray pointer = readAt(block + kSharedHead + index * kPointerSize, kPointerSize);
        if (pointer.isEmpty())
            return std::nullopt;
        const auto start = static_cast<unsigned char>(pointer.at(0));
        const auto units = static_cast<unsigned char>(pointer.at(1));
        const auto rest = static_cast<unsigned char>(pointer.at(4));
        if (start == 0 || (qint64(units) - 1) * 16 + rest != size || start * 16 + size > kBlock)
            return std::nullopt;
        const QByteArray text = readAt(block + start * 16, size);
        return text.size() == size ? std::optional(text) : std::nullopt;
    }
    return std::nullopt;
}
