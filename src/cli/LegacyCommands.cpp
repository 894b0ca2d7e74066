#include "cli/LegacyCommands.h"

#include "admin/legacy/LegacyMigration.h"
#include "cli/CliArguments.h"
#include "cli/CliSupport.h"
#include "cli/ConsoleMessages.h"

using namespace CliSupport;

namespace LegacyCommands {

int importLegacy(const CliArguments& args) {
    if (args.positional().size() != 2)
        return fail(kUsage, QStringLiteral("Użycie: flotanor-cli import-legacy KATALOG_ŹRÓDŁOWY "
                                           "LOKALIZACJA [--password HASŁO]"));
    int status = 0;
    const auto where = location(args.positional().at(1), &status);
    if (!where)
        return status;
    const auto password = newPassword(args, QStringLiteral("Hasło nowej bazy danych: "), &status);
    if (!password)
        return status;
    ConsoleMessages messages;
    const LegacyMigrationResult result =
        LegacyMigration::run(args.positional().at(0), *where, *password, messages);
    QString report;
    for (const LegacyTableReport& table : result.tables) {
        report += table.line() + u'\n';
        for (const QString& reason : table.reasons)
            report += QStringLiteral("  ") + reason + u'\n';
    }
    out(report.toUtf8());
    if (!result.ok)
        return fail(kFailed,
                    QStringLiteral("Nie udało się przenieść bazy danych: ") + result.message);
    say(QStringLiteral("Baza danych została przeniesiona."));
    return 0;
}

QString helpText() {
    return QStringLiteral(
        "  import-legacy KATALOG_ŹRÓDŁOWY LOKALIZACJA [--password HASŁO]\n"
        "      Przenosi bazę danych wcześniejszego wydania (tabele Paradox .DB: lista firm,\n"
        "      odległości i katalog każdej firmy) do nowej bazy danych w nowej lokalizacji,\n"
        "      z zachowaniem wszystkich kluczy; potem uruchamia aktualizację każdej firmy.\n"
        "      Wypisuje wiersz TABELA;odczytane;zapisane;odrzucone dla każdej tabeli i\n"
        "      powód każdego odrzuconego wiersza. Katalog źródłowy jest tylko czytany.\n");
}

}  // namespace LegacyCommands
