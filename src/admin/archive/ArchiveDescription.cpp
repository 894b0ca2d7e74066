#include "admin/archive/ArchiveDescription.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

QByteArray toWindows1250(const QString& text) {
    QStringEncoder encoder("windows-1250", QStringConverter::Flag::Stateless);
    QByteArray bytes;
    // Encoded one character at a time so that a character the code page lacks becomes one
    // '?' instead of failing the whole text.
    for (const QChar c : text) {
        QByteArray one = encoder.encode(QString(c));
        if (encoder.hasError() || one.size() != 1) {
            encoder.resetState();
            one = QByteArray(1, '?');
        }
        bytes += one;
    }
    return bytes;
}

QString fromWindows1250(const QByteArray& bytes) {
    QStringDecoder decoder("windows-1250");
    return decoder.decode(bytes);
}

}  // namespace

QByteArray ArchiveDescription::encode() const {
    QByteArray record(kFileSize, '\0');
    const QByteArray nameBytes = toWindows1250(name).left(kNameBytes);
    const QByteArray dateBytes = toWindows1250(date).left(kDateBytes);
    record[0] = char(nameBytes.size());
    record.replace(1, nameBytes.size(), nameBytes);
    record[1 + kNameBytes] = char(dateBytes.size());
    record.replace(2 + kNameBytes, dateBytes.size(), dateBytes);
    return record;
}

ArchiveDescription ArchiveDescription::decode(const QByteArray& bytes) {
    ArchiveDescription result;
    if (bytes.size() < kFileSize) {
        result.date = emptyDate();
        return result;
    }
    const int nameLength = qMin(int(quint8(bytes.at(0))), kNameBytes);
    const int dateLength = qMin(int(quint8(bytes.at(1 + kNameBytes))), kDateBytes);
    result.name = fromWindows1250(bytes.mid(1, nameLength));
    result.date = fromWindows1250(bytes.mid(2 + kNameBytes, dateLength));
    return result;
}

ArchiveDescription ArchiveDescription::read(const QString& directory) {
    QFile file(QDir(directory).filePath(fileName()));
    if (!file.open(QIODevice::ReadOnly))
        return decode({});
    return decode(file.read(kFileSize));
}

bool ArchiveDescription::write(const QString& directory, QString* error) const {
    QSaveFile file(QDir(directory).filePath(fileName()));
    const QByteArray record = encode();
    if (!file.open(QIODevice::WriteOnly) || file.write(record) != record.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("Nie udało się zapisać pliku %1: %2")
                         .arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
        return false;
    }
    return true;
}
