#pragma once

#include <QString>

// Files and directories that hold a company's data (databases, the error log) are
// readable by their owner only.
namespace PrivateFiles {

// Creates the directory and its missing parents, each new one for its owner only;
// true when the directory exists afterwards.
bool makePath(const QString& path);

// Creates an empty file for its owner only unless one exists; true when it exists.
bool createFile(const QString& path);

}  // namespace PrivateFiles
