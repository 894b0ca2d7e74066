#include "admin/legacy/ParadoxTable.h"

#include "support/CodePage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QtEndian>

#include <clocale>
#include <string>

extern "C" {
#include <paradox.h>
}

namespace {

// pxlib counts dates from 1 January of year 1; its calendar functions take day numbers
// counted from 4714 BC.
constexpr long kSdnOfDayZero = 1721425;
constexpr qint64 kMsPerDay = 86400000;

void bootPxlib() {
    struct Library {
        Library() {
            // PX_boot sets the process locale for its messages; the program's own stays.
            const std::string saved = std::setlocale(LC_ALL, nullptr);
            PX_boot();
            std::setlocale(LC_ALL, saved.c_str());
        }
        ~Library() { PX_shutdown(); }
    };
    static const Library library;
}

bool allZero(const char* data, int length) {
    for (int i = 0; i < length; ++i) {
        if (data[i] != 0)
            return false;
    }
    return true;
}

qint64 yyyymmdd(qint64 days) {
    int year = 0, month = 0, day = 0;
    PX_SdnToGregorian(static_cast<long>(days + kSdnOfDayZero), &year, &month, &day);
    return qint64(year) * 10000 + month * 100 + day;
}

QString decodeText(QByteArray bytes) {
    const qsizetype end = bytes.indexOf('\0');
    if (end >= 0)
        bytes.truncate(end);
    // Not null even when empty: Paradox keeps no difference between no text and "".
    QString text = CodePage::decode(bytes, TextEncoding::Windows1250);
    return text.isNull() ? QStringLiteral("") : text;
}

quint16 u16(const QByteArray& bytes, int at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

// The parts of a .DB header pxlib is trusted with only after they were checked here:
// it loops forever on a file cut short and prints to stderr when the header's record
// count disagrees with the data blocks. Empty, or the reason the file is refused.
QString checkStructure(QFile& file, bool* encrypted) {
    constexpr int kHeaderMin = 0x78;
    const qint64 size = file.size();
    const QByteArray head = file.read(kHeaderMin);
    const QString notATable = QStringLiteral("plik nie jest tabelą Paradox");
    if (head.size() < 0x58)
        return notATable;
    const int recordSize = u16(head, 0x00);
    const int headerSize = u16(head, 0x02);
    const int fileType = quint8(head[0x04]);
    const int blockKb = quint8(head[0x05]);
    const qint64 numRecords = qFromLittleEndian<quint32>(head.constData() + 0x06);
    const int fileBlocks = u16(head, 0x0C);
    const int firstBlock = u16(head, 0x0E);
    const int numFields = u16(head, 0x21);
    const int version = quint8(head[0x39]);
    // Indexed and non-indexed data tables; .PX and .Xnn files are not read.
    if ((fileType != 0 && fileType != 2) || !QList<int>{1, 2, 3, 4, 8, 16, 32}.contains(blockKb))
        return notATable;
    const qint64 blockSize = qint64(blockKb) * 1024;
    if (recordSize == 0 || numFields == 0 || headerSize < 0x58 || recordSize > blockSize - 6 ||
        firstBlock > fileBlocks)
        return QStringLiteral("uszkodzony nagłówek tabeli");
    const qint64 expected = headerSize + fileBlocks * blockSize;
    if (size < expected)
        return QStringLiteral("plik jest ucięty (ma %1 B, a tabela zajmuje %2 B)")
            .arg(size)
            .arg(expected);

    const int encryptionAt = version >= 4 && head.size() >= 0x60 ? 0x5C : 0x25;
    *encrypted = qFromLittleEndian<quint32>(head.constData() + encryptionAt) != 0;
    // Encrypted blocks cannot be walked here; pxlib decrypts them itself.
    if (*encrypted)
        return {};

    qint64 counted = 0;
    QSet<int> visited;
    for (int block = firstBlock; block != 0;) {
        if (block > fileBlocks || visited.contains(block))
            return QStringLiteral("uszkodzony łańcuch bloków danych");
        visited.insert(block);
        if (!file.seek(headerSize + (block - 1) * blockSize))
            return file.errorString();
        const QByteArray blockHead = file.read(6);
        if (blockHead.size() != 6)
            return file.errorString();
        // The third word is the offset of the last record in use, negative when none is.
        const qint16 lastRecord = qFromLittleEndian<qint16>(blockHead.constData() + 4);
        if (lastRecord >= 0) {
            if (lastRecord + recordSize > blockSize - 6)
                return QStringLiteral("uszkodzony łańcuch bloków danych");
            counted += lastRecord / recordSize + 1;
        }
        block = u16(blockHead, 0);
    }
    if (counted != numRecords)
        return QStringLiteral("nagłówek podaje %1 rekordów, a bloki danych zawierają %2")
            .arg(numRecords)
            .arg(counted);
    return {};
}

QString memoFileOf(const QString& tablePath) {
    const QFileInfo table(tablePath);
    const QString wanted = table.completeBaseName() + QStringLiteral(".MB");
    const QDir dir = table.absoluteDir();
    for (const QString& name : dir.entryList(QDir::Files)) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    }
    return {};
}

}  // namespace

ParadoxTable::ParadoxTable() {
    bootPxlib();
}

ParadoxTable::~ParadoxTable() {
    close();
}

void ParadoxTable::onPxlibError(px_doc*, int level, const char* message, void* table) {
    // Warnings are what pxlib says about a single value it could not give, e.g. a memo
    // whose .MB file is missing; the value becomes null.
    if (level == PX_Warning || table == nullptr)
        return;
    static_cast<ParadoxTable*>(table)->m_messages << QString::fromLocal8Bit(message).trimmed();
}

bool ParadoxTable::fail(const QString& reason) {
    QString text = reason;
    if (text.isEmpty())
        text = m_messages.isEmpty() ? QStringLiteral("nieznany błąd biblioteki pxlib")
                                    : m_messages.join(QStringLiteral("; "));
    m_error = QStringLiteral("nie można odczytać tabeli %1: %2")
                  .arg(QDir::toNativeSeparators(m_path), text);
    return false;
}

bool ParadoxTable::open(const QString& path, const QString& password) {
    Q_UNUSED(password);
    close();
    m_path = path;
    m_error.clear();
    m_messages.clear();

    QFile file(path);
    if (!QFileInfo(path).isFile())
        return fail(QStringLiteral("plik nie istnieje"));
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    const QString damage = checkStructure(file, &m_encrypted);
    file.close();
    if (!damage.isEmpty())
        return fail(damage);

    m_doc = PX_new3(&ParadoxTable::onPxlibError, nullptr, nullptr, nullptr, this);
    if (m_doc == nullptr)
        return fail(QStringLiteral("brak pamięci"));
    if (PX_open_file(m_doc, QFile::encodeName(path).constData()) < 0) {
        const bool ok = fail({});
        close();
        return ok;
    }

    // Memos longer than their part in the record live in the table's .MB file, named as
    // the table in whatever letter case the files were copied with.
    const QString memoPath = memoFileOf(path);
    if (!memoPath.isEmpty() && !m_memos.open(memoPath)) {
        const bool ok = fail(
            QStringLiteral("nie można otworzyć pliku %1").arg(QDir::toNativeSeparators(memoPath)));
        close();
        return ok;
    }

    const int count = PX_get_num_fields(m_doc);
    int offset = 0;
    for (int i = 0; i < count; ++i) {
        const pxfield_t* pxField = PX_get_field(m_doc, i);
        if (pxField == nullptr) {
            const bool ok = fail({});
            close();
            return ok;
        }
        Field field;
        field.name = decodeText(QByteArray(pxField->px_fname ? pxField->px_fname : ""));
        field.type = static_cast<unsigned char>(pxField->px_ftype);
        field.offset = offset;
        field.length = pxField->px_flen;
        field.decimals = pxField->px_fdc;
        offset += field.length;
        m_fields << field;
    }
    const int recordSize = PX_get_recordsize(m_doc);
    if (recordSize < offset) {
        const bool ok = fail(QStringLiteral("uszkodzony nagłówek tabeli"));
        close();
        return ok;
    }
    m_record = QByteArray(recordSize, '\0');
    return true;
}

void ParadoxTable::close() {
    if (m_doc != nullptr) {
        PX_close(m_doc);
        PX_delete(m_doc);
        m_doc = nullptr;
    }
    m_fields.clear();
    m_record.clear();
    m_encrypted = false;
    m_memos.close();
}

QStringList ParadoxTable::fieldNames() const {
    QStringList names;
    for (const Field& field : m_fields)
        names << field.name;
    return names;
}

int ParadoxTable::fieldIndex(const QString& name) const {
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int ParadoxTable::rowCount() const {
    return m_doc ? qMax(PX_get_num_records(m_doc), 0) : 0;
}

bool ParadoxTable::readRow(int index, QVariantList* values) {
    values->clear();
    if (m_doc == nullptr)
        return false;
    m_messages.clear();
    if (index < 0 || index >= rowCount())
        return fail(QStringLiteral("brak rekordu %1").arg(index + 1));
    m_record.fill('\0');
    // Not asking for deleted records makes index count the records in use only.
    int deleted = 0;
    if (PX_get_record2(m_doc, index, m_record.data(), &deleted, nullptr) == nullptr)
        return fail(QStringLiteral("rekord %1: %2")
                        .arg(index + 1)
                        .arg(m_messages.isEmpty() ? QStringLiteral("nie da się go odczytać")
                                                  : m_messages.join(QStringLiteral("; "))));
    for (const Field& field : m_fields)
        *values << convert(field, m_record.data() + field.offset);
    return true;
}

QVariant ParadoxTable::convert(const Field& field, char* data) {
    // Paradox marks a missing value of every type by zero bytes; for numbers pxlib 0.6.8
    // does not always notice it.
    const bool empty = allZero(data, field.length);
    switch (field.type) {
        case pxfAlpha:
            return decodeText(QByteArray(data, field.length));
        case pxfShort: {
            short value = 0;
            if (empty || PX_get_data_short(m_doc, data, field.length, &value) <= 0)
                return {};
            return qint64(value);
        }
        case pxfLong:
        case pxfAutoInc: {
            long value = 0;
            if (empty || PX_get_data_long(m_doc, data, field.length, &value) <= 0)
                return {};
            return qint64(value);
        }
        case pxfNumber:
        case pxfCurrency: {
            double value = 0;
            if (empty || PX_get_data_double(m_doc, data, field.length, &value) <= 0)
                return {};
            return value;
        }
        case pxfBCD: {
            char* text = nullptr;
            if (empty ||
                PX_get_data_bcd(m_doc, reinterpret_cast<unsigned char*>(data), field.decimals,
                                &text) <= 0 ||
                text == nullptr)
                return {};
            bool ok = false;
            const double value = QByteArray(text).toDouble(&ok);
            m_doc->free(m_doc, text);
            return ok ? QVariant(value) : QVariant();
        }
        case pxfDate: {
            long days = 0;
            if (empty || PX_get_data_long(m_doc, data, field.length, &days) <= 0 || days <= 0)
                return {};
            return yyyymmdd(days);
        }
        case pxfTime: {
            long ms = 0;
            if (empty || PX_get_data_long(m_doc, data, field.length, &ms) <= 0 || ms < 0)
                return {};
            const qint64 minutes = ms / 60000;
            return minutes / 60 * 100 + minutes % 60;
        }
        case pxfTimestamp: {
            double stamp = 0;
            if (empty || PX_get_data_double(m_doc, data, field.length, &stamp) <= 0 || stamp <= 0)
                return {};
            const qint64 ms = qint64(stamp);
            const qint64 minutes = ms % kMsPerDay / 60000;
            return yyyymmdd(ms / kMsPerDay) * 10000 + minutes / 60 * 100 + minutes % 60;
        }
        case pxfLogical: {
            char value = 0;
            if (empty || PX_get_data_byte(m_doc, data, field.length, &value) <= 0)
                return {};
            return value != 0 ? QStringLiteral("T") : QStringLiteral("N");
        }
        case pxfMemoBLOb:
        case pxfFmtMemoBLOb: {
            if (!empty && ParadoxMemoFile::isOutside(data, field.length)) {
                const std::optional<QByteArray> text = m_memos.read(data, field.length);
                return text ? QVariant(decodeText(*text)) : QVariant();
            }
            int modification = 0, size = 0;
            char* blob = nullptr;
            if (empty ||
                PX_get_data_blob(m_doc, data, field.length, &modification, &size, &blob) <= 0 ||
                blob == nullptr)
                return {};
            const QByteArray bytes(blob, qMax(size, 0));
            m_doc->free(m_doc, blob);
            return decodeText(bytes);
        }
        case pxfBytes:
            return empty ? QVariant() : QVariant(QByteArray(data, field.length));
        default:
            // Binary BLObs, OLE and graphics: pictures and documents, nothing to migrate.
            return {};
    }
}
