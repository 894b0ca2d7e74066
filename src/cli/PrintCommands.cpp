#include "cli/PrintCommands.h"

#include "cli/CliArguments.h"
#include "cli/CliSupport.h"
#include "cli/ConsoleMessages.h"
#include "data/TmyDataBase.h"
#include "data/engine/DbQuery.h"
#include "output/CsvSheet.h"
#include "output/RecordByKey.h"
#include "output/RecordPrintout.h"
#include "output/YearlySummary.h"
#include "output/report/ReportCatalogue.h"
#include "output/report/ReportPainter.h"
#include "output/report/ReportRunner.h"
#include "support/OVUtilities.h"

using namespace CliSupport;

namespace {

// The first column of a one-row lookup, bound; empty when there is none.
QString lookUp(TmyDataBase& database, const QString& sql, const QVariant& key) {
    SqlStatement statement(sql);
    statement.bind(QStringLiteral(":KEY"), key);
    DbQuery rows;
    if (database.DatabaseFirma().select(statement, &rows) || !rows.next())
        return {};
    return rows.value(0).toString();
}

std::optional<qint64> number(const CliArguments& args, const char* option, int* status) {
    const QString name = QString::fromLatin1(option);
    if (!args.has(name))
        return std::nullopt;
    bool ok = false;
    const qint64 value = args.value(name).toLongLong(&ok);
    if (!ok)
        *status = fail(kUsage, QStringLiteral("Opcja --%1 wymaga liczby całkowitej.").arg(name));
    return value;
}

// The yearly summary of the chosen vehicle and year: its printout, or its sheet when the
// output file ends with ".csv".
int yearlySummary(TmyDataBase& database, const CatalogueReport& entry, const ReportChoices& choices,
                  const TconfigPP& options, const QString& out) {
    const QString refused = ReportRunner::precondition(entry, choices);
    if (!refused.isEmpty())
        return fail(kUsage, refused);
    YearlySummary summary;
    if (!summary.compute(database, database.chosenVehicle().key, choices.selection.year,
                         choices.company))
        return kFailed;
    if (out.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) {
        QString error;
        if (!CsvSheet::write(summary.table(), out, TextEncoding::Windows1250, &error))
            return fail(kFailed, QStringLiteral("Zapisywanie danych nie powiodło się: ") + error);
        return 0;
    }
    SummaryPrintOptions print;
    print.issueDate = choices.issueDate;
    print.signedBy = options.cbRapWystawil;
    print.acceptedBy = options.cbRapZaakceptowal;
    YearlySummaryReport report(summary, print);
    const ReportEngine::Result result =
        ReportEngine::prepare(YearlySummaryReport::layoutName(), &report, report);
    if (const auto* error = std::get_if<LayoutError>(&result))
        return fail(kFailed, error->text());
    if (!ReportPainter::writePdf(std::get<PreparedReport>(result), out))
        return fail(kFailed, QStringLiteral("Zapisywanie danych nie powiodło się: ") + out);
    return 0;
}

}  // namespace

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

QStringList reportValues() {
    return {QStringLiteral("year"),      QStringLiteral("month"),      QStringLiteral("from"),
            QStringLiteral("to"),        QStringLiteral("vehicle"),    QStringLiteral("driver"),
            QStringLiteral("road-card"), QStringLiteral("ck"),         QStringLiteral("fuel-card"),
            QStringLiteral("order"),     QStringLiteral("order-text"), QStringLiteral("fuel-kind"),
            QStringLiteral("date"),      QStringLiteral("out"),        QStringLiteral("password")};
}

QStringList reportFlags() {
    return {QStringLiteral("lpg")};
}

int report(const CliArguments& args) {
    if (args.positional().size() != 3 || !args.has(QStringLiteral("out")))
        return fail(kUsage, QStringLiteral("Użycie: flotanor-cli report LOKALIZACJA KATALOG NAZWA "
                                           "[opcje] --out PLIK.pdf"));
    const CatalogueReport* entry = ReportCatalogue::byName(args.positional().at(2));
    if (!entry)
        return fail(kUsage, QStringLiteral("Nieznany raport %1. Raporty: flotanor-cli reports")
                                .arg(args.positional().at(2)));
    int status = 0;
    const auto where = location(args.positional().at(0), &status);
    if (!where)
        return status;
    ReportChoices choices;
    QString error;
    if (!readSelection(args, &choices.selection, &error))
        return fail(kUsage, error);
    // --ck and --road-card are the reports page's choices here, not the costs list's.
    choices.selection.costCentre.reset();
    choices.selection.roadCard.reset();
    choices.roadCard = number(args, "road-card", &status);
    choices.costCentre = number(args, "ck", &status);
    choices.fuelKind = number(args, "fuel-kind", &status);
    if (status)
        return status;
    const auto issued = dateOption(args, QStringLiteral("date"), &status);
    if (!issued)
        return status;

    ConsoleMessages messages;
    TmyDataBase database(&messages);
    if (const int refused = openCompany(args, *where, args.positional().at(1), database))
        return refused;
    const bool lpg = args.has(QStringLiteral("lpg"));
    database.setLpg(lpg);
    const VehicleInfo vehicle = database.applySelection(choices.selection);
    if (!choices.selection.vehicle.isEmpty() && vehicle.key < 0)
        return fail(kUsage, QStringLiteral("Nie znaleziono pojazdu o numerze rejestracyjnym %1.")
                                .arg(choices.selection.vehicle));
    const TconfigPP options = programOptions();
    choices.company = database.companyDataName();
    choices.driver = args.value(QStringLiteral("driver"));
    if (!choices.driver.isEmpty())
        choices.driverText =
            lookUp(database,
                   QStringLiteral("SELECT COALESCE(NAZWISKO, '') || ' ' || COALESCE(IMIE, '') "
                                  "FROM osobowa WHERE NREW = :KEY"),
                   choices.driver);
    choices.fuelCard = args.value(QStringLiteral("fuel-card"));
    if (choices.costCentre)
        choices.costCentreText =
            lookUp(database, QStringLiteral("SELECT OPIS FROM slowniki WHERE KOD = :KEY"),
                   *choices.costCentre);
    choices.orderNumber = args.value(QStringLiteral("order"));
    choices.orderText = args.value(QStringLiteral("order-text"));
    choices.fuelKindText = lpg ? QStringLiteral("Gaz LPG") : QStringLiteral("Paliwo płynne");
    const QDate day = issued->isValid() ? *issued : QDate::currentDate();
    if (issued->isValid() || options.cbRapData)
        choices.issueDate =
            TOVUtilities().dateNumberToText(day.year() * 10000LL + day.month() * 100 + day.day());

    if (entry->run == ReportRun::YearlySummary)
        return yearlySummary(database, *entry, choices, options, args.value(QStringLiteral("out")));
    const ReportOutcome outcome = ReportRunner::run(database, *entry, choices, options);
    switch (outcome.status) {
        case ReportOutcome::Status::Refused:
            return fail(kUsage, outcome.message);
        case ReportOutcome::Status::LayoutFailed:
        case ReportOutcome::Status::Failed:
        case ReportOutcome::Status::Cancelled:  // nobody stops the command line
            return fail(kFailed, outcome.message);
        case ReportOutcome::Status::Prepared:
            break;
    }
    if (!ReportPainter::writePdf(outcome.report, args.value(QStringLiteral("out"))))
        return fail(kFailed, QStringLiteral("Zapisywanie danych nie powiodło się: ") +
                                 args.value(QStringLiteral("out")));
    return 0;
}

int reports() {
    QByteArray text;
    for (const CatalogueReport& entry : ReportCatalogue::all())
        text += (entry.name + QLatin1Char(';') + entry.caption + QLatin1Char('\n')).toUtf8();
    out(text);
    return 0;
}

QString helpText() {
    return QStringLiteral(
        "  print LOKALIZACJA KATALOG REJESTR KLUCZ --out PLIK.pdf [--lpg]\n"
        "      Zapisuje wydruk jednej pozycji (jak \"Drukuj\") jako PDF. KLUCZ to klucz\n"
        "      pozycji: IDKOSZT kosztu, NREW osoby, IDKARTY karty paliwowej, IDPOJAZD pojazdu\n"
        "      itd.; w rejestrach zużycia NRREJ@DD.MM.RRRR (--lpg: tankowania gazu), w\n"
        "      stawkach DD.MM.RRRR.\n"
        "  report LOKALIZACJA KATALOG NAZWA [opcje filtrów jak w list] [--driver NREW]\n"
        "         [--road-card ID] [--ck KOD] [--fuel-card ID] [--order NR]\n"
        "         [--order-text TEKST] [--fuel-kind KOD] [--lpg] [--date DD.MM.RRRR]\n"
        "         --out PLIK.pdf\n"
        "      Zapisuje raport ze strony \"Raporty\" jako PDF; NAZWA jak w poleceniu reports.\n"
        "      --ck i --road-card to wybory strony raportów (\"Dla CK:\", karta drogowa),\n"
        "      --date data wystawienia. Niespełniony warunek raportu: jego komunikat i kod 1.\n"
        "      zest_m (zestawienie roczne) z --vehicle i --year; --out PLIK.csv zapisuje\n"
        "      jego arkusz zamiast wydruku.\n"
        "  reports\n"
        "      Wypisuje raporty: wiersz \"NAZWA;tytuł\" dla każdego.\n");
}

}  // namespace PrintCommands
