#include "cli/PrintCommands.h"

#include "cli/CliArguments.h"
#include "cli/CliSupport.h"
#include "cli/ConsoleMessages.h"
#include "data/TmyDataBase.h"
#include "output/RecordByKey.h"
#include "output/RecordPrintout.h"
#include "output/report/ReportPainter.h"

using namespace CliSupport;

namespace PrintCommands {

QStringList printValues() {
    return {QStringLiteral("out"), QStringLiteral("password")};
}

QStringList printFlags() {
    return {QStringLiteral("lpg")};
}

int print(const CliArguments& args) {
    if (args.positional().size() != 4 || !args.has(QStringLiteral("out")))
        return fail(kUsage, QStringLiteral("Użycie: flotanor-cli print LOKALIZACJA KATALOG "
                                           "REJESTR KLUCZ --out PLIK.pdf [--lpg]"));
    int status = 0;
    const auto where = location(args.positional().at(0), &status);
    if (!where)
        return status;
    ConsoleMessages messages;
    TmyDataBase database(&messages);
    if (const int refused = openCompany(args, *where, args.positional().at(1), database))
        return refused;
    const FoundRecord record =
        RecordByKey::find(database, args.positional().at(2), args.positional().at(3),
                          args.has(QStringLiteral("lpg")));
    if (record.outcome == FoundRecord::Outcome::Failed)
        return kFailed;
    if (!record.found())
        return fail(kUsage, record.message);
    const ReportEngine::Result result = RecordPrintout::prepare(
        database, *record.model, record.row,
        RecordPrintout::currentContext(database, database.companyDataName(), programOptions()));
    if (const auto* error = std::get_if<LayoutError>(&result))
        return fail(kFailed, error->text());
    if (!ReportPainter::writePdf(std::get<PreparedReport>(result),
                                 args.value(QStringLiteral("out"))))
        return fail(kFailed, QStringLiteral("Zapisywanie danych nie powiodło się: ") +
                                 args.value(QStringLiteral("out")));
    return 0;
}

QString helpText() {
    return QStringLiteral(
        "  print LOKALIZACJA KATALOG REJESTR KLUCZ --out PLIK.pdf [--lpg]\n"
        "      Zapisuje wydruk jednej pozycji (jak \"Drukuj\") jako PDF. KLUCZ to klucz\n"
        "      pozycji: IDKOSZT kosztu, NREW osoby, IDKARTY karty paliwowej, IDPOJAZD pojazdu\n"
        "      itd.; w rejestrach zużycia NRREJ@DD.MM.RRRR (--lpg: tankowania gazu), w\n"
        "      stawkach DD.MM.RRRR.\n");
}

}  // namespace PrintCommands
