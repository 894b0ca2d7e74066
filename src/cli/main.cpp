#include "cli/CliCommands.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("flotanor-cli"));
    return CliCommands::run(QCoreApplication::arguments().mid(1));
}
