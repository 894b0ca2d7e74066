#include "cli/CliCommands.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

int main(int argc, char* argv[]) {
    // A chart is drawn by widgets: the widget application, offscreen without a display.
    if (argc > 1 && qstrcmp(argv[1], "chart") == 0) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("flotanor-cli"));
        return CliCommands::run(QCoreApplication::arguments().mid(1));
    }
    // Printing lays text out with real fonts, which needs the GUI application; on a server
    // without a display it draws offscreen.
    if (argc > 1 && (qstrcmp(argv[1], "print") == 0 || qstrcmp(argv[1], "report") == 0)) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("flotanor-cli"));
        return CliCommands::run(QCoreApplication::arguments().mid(1));
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("flotanor-cli"));
    return CliCommands::run(QCoreApplication::arguments().mid(1));
}
