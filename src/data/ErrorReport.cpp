#include "data/ErrorReport.h"

#include "data/ErrorLog.h"
#include "support/MessageService.h"

QString ErrorReport::lockedMessage() {
    return QStringLiteral(
        "Pliki bazy danych są zablokowane przez inny program. Odczekaj chwilę i spróbuj "
        "ponownie. Jeśli sytuacja powtórzy się spróbuj uruchomić program ponownie lub "
        "zrestartuj komputer.");
}

void ErrorReport::show(const QString& text) {
    if (!m_messages)
        return;
    try {
        m_messages->information(title(), text);
    } catch (...) {
        // The log line below is written whatever happens to the box.
    }
}

void ErrorReport::report(const QString& message, bool withPrefix, qint64 code) {
    show(withPrefix ? prefix() + QLatin1Char(' ') + message : message);
    ErrorLog::append(code, message);
}

void ErrorReport::report(const DbError& error, qint64 code) {
    if (error.kind() == DbError::Kind::Busy) {
        show(lockedMessage());
        ErrorLog::append(code, error.message());
        return;
    }
    report(error.message(), true, code);
}
