#include "cli/ConsoleMessages.h"

#include <cstdio>

namespace {

void printLine(const QString& title, const QString& text) {
    const QByteArray line = (title + QStringLiteral(": ") + text + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
}

}  // namespace

void ConsoleMessages::information(const QString& title, const QString& text) {
    printLine(title, text);
}

bool ConsoleMessages::question(const QString& title, const QString& text) {
    printLine(title, text + QStringLiteral(" (nie)"));
    return false;
}

std::optional<QString> ConsoleMessages::prompt(const QString& title, const QString& text,
                                               const QString&, bool) {
    printLine(title, text);
    return std::nullopt;
}
