#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// A settings file in the INI format read and written the way the Windows private-profile
// functions do:
// - section and key names are compared without regard to letter case; of several
//   sections with one name only the first is read, and of several keys in it the first;
// - a value is the text after the first '=' with the blanks around it trimmed;
// - lines starting with ';' are comments; a missing file reads as empty.
// Writing keeps every other line as it was (comments, order, spelling of names), puts a
// new key after the last key of its section and a new section at the end of the file.
// The file keeps its encoding (UTF-8 for a new file), gets CR LF line ends and is
// replaced atomically. The file is read afresh for every call.
class IniFile {
public:
    explicit IniFile(const QString& path);

    QString path() const { return m_path; }

    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue = {}) const;
    // The integer the value starts with; defaultValue when it starts with none.
    int readInteger(const QString& section, const QString& key, int defaultValue) const;
    // The value read as an integer is non-zero.
    bool readBool(const QString& section, const QString& key, bool defaultValue) const;

    // False when the file cannot be written, or for names or values that the format cannot
    // hold (an empty name, a line break, '=' in a key, ']' in a section, a key starting
    // with ';' or '[').
    bool writeString(const QString& section, const QString& key, const QString& value);
    bool writeInteger(const QString& section, const QString& key, int value);
    // Many keys of one section in one pass, each as writeString would; false (and nothing
    // written) when the file cannot be written or one name or value is refused.
    bool writeStrings(const QString& section, const QList<QPair<QString, QString>>& entries);

    // Remove the key from every section of that name, or every such section with all its
    // lines. True when afterwards nothing of it is left; the file is rewritten only when
    // something was removed.
    bool eraseKey(const QString& section, const QString& key);
    bool eraseSection(const QString& section);

    // Names as spelt at their first occurrence, each once, in file order.
    QStringList sections() const;
    QStringList keys(const QString& section) const;
    // Every key of the section with its value, as readString reads them, in one reading.
    QList<QPair<QString, QString>> entries(const QString& section) const;

private:
    QString m_path;
};

// Settings in the INI format that are not a file (a download), read by IniFile's rules.
class IniText {
public:
    explicit IniText(const QByteArray& bytes);  // encoding detected as for a file
    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue = {}) const;

private:
    QStringList m_lines;
};
