#pragma once

#include <QString>
#include <QStringList>

// An add-on's package file, a ".ppi" file in the INI format:
//   [CONFIG]   menuid (slot 0..15), ver, name, dir (the add-on's folder), mainfile, run
//              (a program of the package started after the copy), rez, comment
//   [MAKEDIR]  count, dir1..dirN: folders made inside the add-on's folder
//   [FILE]     count, file1..fileN: files of the package folder copied to the same
//              relative names in the add-on's folder
//   [SPECFILE] the same, copied only when the slot has no installed version yet
// Every path is checked before anything is written: a package whose paths could leave
// their folder is refused whole, with a message naming the entry.
struct AddonPackage {
    static constexpr int maxCount = 255;

    // Reads and checks the file. readable is false when it cannot be read; error is empty
    // for a package that may be installed. menuId is read even from a refused package,
    // so that the caller can end silently for one that names no slot.
    static AddonPackage read(const QString& path);

    // The path with '/' separators and without "." parts, when it stays inside its
    // folder; empty otherwise. '\' separates as '/' does; absolute paths, "..", drive
    // letters and other ':', control characters, and parts made only of dots and blanks
    // (which Windows reads as "..") are refused.
    static QString safeRelativePath(const QString& path);

    bool readable = false;
    QString error;

    QString directory;  // the folder holding the package file, absolute
    int menuId = -1;
    QString version;
    QString name;
    QString dir;       // relative, checked
    QString mainFile;  // relative, checked
    QString run;       // relative, checked; empty for none
    QString rez;
    QString comment;
    QStringList makeDirs;
    QStringList files;
    QStringList firstInstallFiles;
};
