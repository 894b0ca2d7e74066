#pragma once

#include <QByteArray>
#include <QString>

// The description of an archive kept beside its snapshot in "archiwum.bak": 112 bytes,
// the name (length byte and 100 bytes of Windows-1250) and the date as typed (length byte
// and 10 bytes). Files of the older release read the same.
struct ArchiveDescription {
    QString name;
    QString date;

    static constexpr int kFileSize = 112;
    static constexpr int kNameBytes = 100;
    static constexpr int kDateBytes = 10;

    static QString fileName() { return QStringLiteral("archiwum.bak"); }
    // The empty date field: two blanks, separator, two blanks, separator, four blanks.
    static QString emptyDate() { return QStringLiteral("  -  -    "); }

    // Texts longer than their field are cut; characters outside Windows-1250 become '?'.
    QByteArray encode() const;
    // A record shorter than 112 bytes gives an empty name and the empty date.
    static ArchiveDescription decode(const QByteArray& bytes);

    // The description in directory; a missing or short file reads as an empty one.
    static ArchiveDescription read(const QString& directory);
    // Replaces the file whole or leaves it as it was; false with the reason in error.
    bool write(const QString& directory, QString* error = nullptr) const;
};
