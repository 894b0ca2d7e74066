#pragma once

#include <QStringList>

// The commands of flotanor-cli. Each returns the process's exit status: 0 on success,
// 1 for a wrong command line, 2 when the database or a file failed, 3 when the command was
// done but something needs attention (terms due).
namespace CliCommands {

int run(const QStringList& arguments);
QString helpText();

}  // namespace CliCommands
