// The database window's move of a database of the earlier Windows release.
#include "admin/LegacyImportPage.h"
#include "admin/LocationStore.h"
#include "admin/legacy/LegacyMigration.h"
#include "admin/uWskazBaze.h"
#include "data/schema/DatabaseCreator.h"
#include "shell/ProgressBox.h"
#include "support/MessageService.h"

#include <QDir>
#include <QLineEdit>

namespace {

const QString kInformation = QStringLiteral("Informacja");
const QString kQuestion = QStringLiteral("Pytanie");

}  // namespace

// The legacy database moves into a new one, which becomes the program's database.
void TfWskazBaze::importLegacy() {
    const QString source = QDir::fromNativeSeparators(m_legacyPage->source()->text().trimmed());
    const std::optional<DbLocation> location = typedLocation(m_legacyPage->target(), true);
    if (!location)
        return;
    if (DatabaseCreator::databaseExists(*location)) {
        m_messages.information(
            kInformation, QStringLiteral("W podanej lokalizacji znajduje się już baza danych."));
        return;
    }
    const std::optional<QString> password = askNewPassword();
    if (!password)
        return;
    if (!m_messages.question(kQuestion,
                             QStringLiteral("Czy przenieść bazę danych z katalogu %1 do nowej bazy "
                                            "danych w lokalizacji %2?")
                                 .arg(QDir::toNativeSeparators(source), location->displayText())))
        return;
    LegacyMigrationResult result;
    {
        ProgressBox progress(this, QStringLiteral("Przenoszenie bazy danych"), true);
        result = LegacyMigration::run(source, *location, *password, m_messages);
    }
    QString report;
    for (const LegacyTableReport& table : result.tables) {
        report += table.line() + u'\n';
        for (const QString& reason : table.reasons)
            report += QStringLiteral("  ") + reason + u'\n';
    }
    m_legacyPage->showReport(report);
    if (!result.ok) {
        m_messages.information(
            kInformation,
            QStringLiteral("Nie udało się przenieść bazy danych.\n") + result.message);
        return;
    }
    if (!(m_store.setLocation(location->text()) && m_store.setPassword(*password))) {
        m_messages.information(kInformation, QStringLiteral("Nie udało się zapisać pliku %1")
                                                 .arg(QDir::toNativeSeparators(m_store.path())));
        return;
    }
    m_messages.information(kInformation,
                           QStringLiteral("Baza danych została przeniesiona. Użytkownicy logują "
                                          "się do swoich firm jak dotąd."));
}
