#include "ParadoxFixture.h"

#include "support/CodePage.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QStringList>
#include <QTime>

#include <algorithm>
#include <cstdio>

extern "C" {
#include <paradox.h>
}

namespace ParadoxFixture {

namespace {

constexpr long kSdnOfDayZero = 1721425;

void collect(pxdoc_t*, int level, const char* message, void* messages) {
    if (level != PX_Warning)
        static_cast<QStringList*>(messages)->append(QString::fromLocal8Bit(message));
}

// Opens and closes pxlib once for the whole test run, as the reader does.
struct Library {
    Library() { PX_boot(); }
    ~Library() { PX_shutdown(); }
};

void boot() {
    static const Library library;
}

int sizeOf(const Field& field) {
    switch (field.kind) {
        case Kind::Alpha:
        case Kind::Memo:
            return field.size;
        case Kind::Short:
            return 2;
        case Kind::Logical:
            return 1;
        case Kind::Long:
        case Kind::AutoInc:
        case Kind::Date:
        case Kind::Time:
            return 4;
        case Kind::Number:
        case Kind::Currency:
        case Kind::Timestamp:
            return 8;
        case Kind::Bcd:
            return 17;
    }
    return 0;
}

char typeOf(Kind kind) {
    switch (kind) {
        case Kind::Alpha:
            return pxfAlpha;
        case Kind::Short:
            return pxfShort;
        case Kind::Long:
            return pxfLong;
        case Kind::AutoInc:
            return pxfAutoInc;
        case Kind::Number:
            return pxfNumber;
        case Kind::Currency:
            return pxfCurrency;
        case Kind::Bcd:
            return pxfBCD;
        case Kind::Date:
            return pxfDate;
        case Kind::Time:
            return pxfTime;
        case Kind::Timestamp:
            return pxfTimestamp;
        case Kind::Logical:
            return pxfLogical;
        case Kind::Memo:
            return pxfMemoBLOb;
    }
    return pxfAlpha;
}

long days(const QDate& date) {
    return PX_GregorianToSdn(date.year(), date.month(), date.day()) - kSdnOfDayZero;
}

// Empty, or why value cannot be put into the field.
QString put(pxdoc_t* doc, const Field& field, char* data, const QVariant& value) {
    const int length = sizeOf(field);
    switch (field.kind) {
        case Kind::Alpha: {
            QByteArray bytes = CodePage::encode(value.toString(), TextEncoding::Windows1250);
            if (bytes.size() > length)
                return QStringLiteral("%1: text longer than %2").arg(field.name).arg(length);
            PX_put_data_alpha(doc, data, length, bytes.data());
            return {};
        }
        case Kind::Memo: {
            QByteArray bytes = CodePage::encode(value.toString(), TextEncoding::Windows1250);
            if (PX_put_data_blob(doc, data, length, bytes.data(), int(bytes.size())) < 0)
                return QStringLiteral("%1: memo not written").arg(field.name);
            return {};
        }
        case Kind::Short:
            PX_put_data_short(doc, data, length, static_cast<short>(value.toInt()));
            return {};
        case Kind::Long:
        case Kind::AutoInc:
            PX_put_data_long(doc, data, length, value.toInt());
            return {};
        case Kind::Number:
        case Kind::Currency:
            PX_put_data_double(doc, data, length, value.toDouble());
            return {};
        case Kind::Bcd: {
            QByteArray digits = QByteArray::number(value.toDouble(), 'f', field.size);
            PX_put_data_bcd(doc, data, field.size, digits.data());
            return {};
        }
        case Kind::Date:
            PX_put_data_long(doc, data, length, int(days(value.toDate())));
            return {};
        case Kind::Time:
            PX_put_data_long(doc, data, length, value.toTime().msecsSinceStartOfDay());
            return {};
        case Kind::Timestamp: {
            const QDateTime stamp = value.toDateTime();
            PX_put_data_double(
                doc, data, length,
                double(days(stamp.date())) * 86400000.0 + stamp.time().msecsSinceStartOfDay());
            return {};
        }
        case Kind::Logical: {
            const bool flag = value.typeId() == QMetaType::QString
                                  ? value.toString() == QStringLiteral("T")
                                  : value.toBool();
            PX_put_data_byte(doc, data, length, flag ? 1 : 0);
            return {};
        }
    }
    return {};
}

}  // namespace

QString write(const QString& path, const QList<Field>& fields, const QList<Row>& rows,
              const QString& password) {
    boot();
    QFile::remove(path);
    QStringList messages;
    pxdoc_t* doc = PX_new3(collect, nullptr, nullptr, nullptr, &messages);
    // pxlib takes the array and the names over and frees them with the table.
    auto* pxFields =
        static_cast<pxfield_t*>(doc->malloc(doc, sizeof(pxfield_t) * fields.size(), "fields"));
    for (int i = 0; i < fields.size(); ++i) {
        const QByteArray name = CodePage::encode(fields[i].name, TextEncoding::Windows1250);
        pxFields[i].px_fname = PX_strdup(doc, name.constData());
        pxFields[i].px_ftype = typeOf(fields[i].kind);
        pxFields[i].px_flen = sizeOf(fields[i]);
        pxFields[i].px_fdc = fields[i].kind == Kind::Bcd ? fields[i].size : 0;
    }
    QString error;
    if (PX_create_file(doc, pxFields, int(fields.size()), QFile::encodeName(path).constData(),
                       pxfFileTypNonIndexDB) < 0) {
        error = QStringLiteral("cannot create %1: %2").arg(path, messages.join(u' '));
        PX_delete(doc);
        return error;
    }
    doc->px_head->px_doscodepage = 1250;
    // Memos longer than their part in the record go to the table's .MB file.
    pxblob_t* blob = nullptr;
    if (std::any_of(fields.begin(), fields.end(),
                    [](const Field& f) { return f.kind == Kind::Memo; })) {
        const QString blobPath = path.left(path.lastIndexOf(u'.')) + QStringLiteral(".MB");
        QFile::remove(blobPath);
        blob = PX_new_blob(doc);
        if (!blob || PX_create_blob_file(blob, QFile::encodeName(blobPath).constData()) < 0) {
            PX_close(doc);
            PX_delete(doc);
            return QStringLiteral("cannot create %1").arg(blobPath);
        }
        doc->px_blob = blob;
    }
    if (!password.isEmpty())
        PX_set_parameter(doc, "password", password.toLatin1().constData());

    QByteArray record(PX_get_recordsize(doc), '\0');
    for (int r = 0; r < rows.size() && error.isEmpty(); ++r) {
        record.fill('\0');
        int offset = 0;
        for (int i = 0; i < fields.size() && error.isEmpty(); ++i) {
            const QVariant value = rows[r].value(i);
            if (!value.isNull())
                error = put(doc, fields[i], record.data() + offset, value);
            offset += sizeOf(fields[i]);
        }
        if (error.isEmpty() && PX_put_record(doc, record.data()) < 0)
            error = QStringLiteral("record %1: %2").arg(r).arg(messages.join(u' '));
    }
    if (blob) {
        PX_close_blob(blob);
        PX_delete_blob(blob);
        doc->px_blob = nullptr;
    }
    PX_close(doc);
    PX_delete(doc);
    return error;
}

QString deleteRecords(const QString& path, QList<int> positions) {
    boot();
    FILE* file = std::fopen(QFile::encodeName(path).constData(), "r+b");
    if (file == nullptr)
        return QStringLiteral("cannot open %1").arg(path);
    QStringList messages;
    pxdoc_t* doc = PX_new3(collect, nullptr, nullptr, nullptr, &messages);
    QString error;
    if (PX_open_fp(doc, file) < 0) {
        error = QStringLiteral("cannot open %1: %2").arg(path, messages.join(u' '));
    } else {
        // From the last, so that the positions still to delete do not move.
        std::sort(positions.begin(), positions.end(), std::greater<int>());
        for (int position : positions) {
            if (PX_delete_record(doc, position) < 0) {
                error = QStringLiteral("record %1: %2").arg(position).arg(messages.join(u' '));
                break;
            }
        }
        PX_close(doc);
    }
    PX_delete(doc);
    std::fclose(file);
    return error;
}

}  // namespace ParadoxFixture
