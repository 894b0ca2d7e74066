#include "app/FlotanorApplication.h"

#include "data/ErrorLog.h"
#include "data/ErrorReport.h"

#include <exception>

FlotanorApplication::FlotanorApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool FlotanorApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        const QString message = QString::fromLocal8Bit(e.what());
        if (m_report)
            m_report->report(message, true, 0);
        else
            ErrorLog::append(0, message);
    } catch (...) {
        if (m_report)
            m_report->report(QStringLiteral("Nieznany błąd"), true, 0);
        else
            ErrorLog::append(0, QStringLiteral("Nieznany błąd"));
    }
    return false;
}
