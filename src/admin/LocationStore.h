#pragma once

#include <QString>
#include <optional>

// Where the database is and the password it is opened with: the section [DataBase] of
// database.ini in the data directory.
//
// The password is kept as typed, not hashed, because the program must open the database
// unattended at its start; the file is therefore made readable and writable by its owner
// alone (0600) every time it is written.
//
// Keys: "Location" (a directory for SQLite or a postgresql:// URL), "param1" (the
// password) with "param1s" (its length in UTF-16 code units, which tells a value cut or
// trimmed by hand from a whole one), and "Driver", the password an older version kept,
// enciphered with TOVCrypt and written as hexadecimal digits. Driver is read when param1
// cannot be, and never written.
class LocationStore {
public:
    explicit LocationStore(const QString& path = defaultPath());

    // The data directory + "/database.ini".
    static QString defaultPath();

    QString path() const { return m_path; }

    // The file holds a non-empty Location.
    bool exists() const;
    // Without trailing "/" or "\"; a location that is only separators stays one "/" or "\".
    QString location() const;
    bool setLocation(const QString& location);

    // param1 when its length matches param1s, else the deciphered Driver; nullopt when
    // neither can be read.
    std::optional<QString> password() const;
    // False, writing nothing, for a password the file cannot hold: one with a line break or
    // with blanks at its ends (values are trimmed when read).
    bool setPassword(const QString& password);

private:
    bool write(const QString& key, const QString& value);

    QString m_path;
};
