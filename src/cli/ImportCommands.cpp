#include "cli/ImportCommands.h"

#include "admin/import/SheetImport.h"
#include "cli/CliArguments.h"
#include "cli/CliSupport.h"
#include "cli/ConsoleMessages.h"
#include "data/TmyDataBase.h"
#include "output/CsvSheet.h"
#include "support/CsvReader.h"

#include <cstdio>

using namespace CliSupport;

namespace ImportCommands {

namespace {

const QString kLayout = QStringLiteral("layout");
const QString kColumns = QStringLiteral("columns");

// The layout the options describe: a saved one, or the defaults, with every option given
// laid over it. 0, or the status (reported).
int readLayout(const CliArguments& args, ImportKind kind, ImportLayout* layout) {
    if (args.has(kLayout) == args.has(kColumns))
        return fail(kUsage, QStringLiteral("Podaj jedną z opcji --layout i --columns."));
    *layout = ImportLayout::defaults(kind);
    if (args.has(kLayout)) {
        const auto saved =
            ImportLayouts(ImportLayouts::defaultPath(), kind).load(args.value(kLayout));
        if (!saved)
            return fail(
                kUsage,
                QStringLiteral("Nie ma zapisanego układu kolumn \"%1\".").arg(args.value(kLayout)));
        *layout = *saved;
    } else {
        QString error;
        if (!layout->assignColumns(kind, args.value(kColumns), &error))
            return fail(kUsage, error);
        const int fuelKind = ImportFields::indexOf(kind, QStringLiteral("PALIWO"));
        if (fuelKind >= 0 && layout->columns.value(fuelKind) > 0)
            layout->fuelSource = ImportLayout::FuelSource::Column;
    }
    if (args.has(QStringLiteral("separator"))) {
        const QString separator = args.value(QStringLiteral("separator"));
        if (separator.compare(QLatin1String("tab"), Qt::CaseInsensitive) == 0)
            layout->separator = QLatin1Char('\t');
        else if (separator.size() == 1)
            layout->separator = separator.front();
        else
            return fail(kUsage, QStringLiteral("--separator: jeden znak albo słowo tab."));
    }
    if (args.has(QStringLiteral("encoding"))) {
        layout->encoding = CodePage::encodingFromName(args.value(QStringLiteral("encoding")));
        if (!layout->encoding)
            return fail(kUsage, QStringLiteral("--encoding: windows-1250 albo utf-8."));
    }
    if (args.has(QStringLiteral("date-format"))) {
        const auto format = ImportDates::formatFromText(args.value(QStringLiteral("date-format")));
        if (!format)
            return fail(kUsage,
                        QStringLiteral("--date-format: DD-MM-RRRR, RRRR-MM-DD albo RRRRMMDD."));
        layout->dateFormat = *format;
    }
    if (args.has(QStringLiteral("vat-symbol")))
        layout->vatSymbol = args.value(QStringLiteral("vat-symbol"));
    if (args.has(QStringLiteral("fuel-symbol")))
        layout->fuelSymbol = args.value(QStringLiteral("fuel-symbol"));
    if (args.has(QStringLiteral("lpg-text")))
        layout->lpgText = args.value(QStringLiteral("lpg-text"));
    if (args.has(QStringLiteral("all-lpg")) && args.has(QStringLiteral("all-petrol")))
        return fail(kUsage, QStringLiteral("Podaj tylko jedną z opcji --all-lpg i --all-petrol."));
    if (args.has(QStringLiteral("all-lpg")))
        layout->fuelSource = ImportLayout::FuelSource::Lpg;
    if (args.has(QStringLiteral("all-petrol")))
        layout->fuelSource = ImportLayout::FuelSource::Petrol;
    if (args.has(QStringLiteral("existing-day"))) {
        const QString rule = args.value(QStringLiteral("existing-day"));
        if (rule != QLatin1String("merge") && rule != QLatin1String("skip"))
            return fail(kUsage, QStringLiteral("--existing-day: merge albo skip."));
        layout->mergeExistingDay = rule == QLatin1String("merge");
    }
    if (args.has(QStringLiteral("skip-first")))
        layout->skipFirst = true;
    return 0;
}

int runImport(const CliArguments& args, ImportKind kind, const QString& location,
              const QString& dir, const QString& file) {
    int status = 0;
    const auto where = CliSupport::location(location, &status);
    if (!where)
        return status;
    ImportLayout layout;
    if (const int refused = readLayout(args, kind, &layout))
        return refused;
    QString readError;
    auto sheet = CsvReader::readFile(file, layout.separator, layout.encoding, &readError);
    if (!sheet)
        return fail(kFailed, QStringLiteral("Błąd podczas otwierania pliku. ") + readError);

    ConsoleMessages messages;
    TmyDataBase database(&messages);
    if (const int refused = openCompany(args, *where, dir, database))
        return refused;
    SheetImport import(database, kind);
    import.setSheet(std::move(*sheet));
    SheetImport::Options options;
    options.dryRun = args.has(QStringLiteral("dry-run"));
    if (args.has(QStringLiteral("progress"))) {
        // A line per row, for a program that shows the progress of this one.
        options.progress = [](int done, int total) {
            std::fprintf(stderr, "wiersz %d z %d\n", done, total);
            std::fflush(stderr);
            return true;
        };
    }
    const ImportCounts counts = import.run(layout, options);
    out(CsvSheet::encode(import.resultSheet(false), TextEncoding::Utf8));
    out(counts.line().toUtf8() + '\n');
    if (!import.failure().isEmpty())
        return fail(kFailed, import.failure());
    if (!options.dryRun && args.has(kColumns))
        ImportLayouts(ImportLayouts::defaultPath(), kind).saveLast(layout);
    return counts.failed > 0 ? kAttention : 0;
}

}  // namespace

QStringList values() {
    return {kLayout,
            kColumns,
            QStringLiteral("separator"),
            QStringLiteral("encoding"),
            QStringLiteral("date-format"),
            QStringLiteral("vat-symbol"),
            QStringLiteral("fuel-symbol"),
            QStringLiteral("lpg-text"),
            QStringLiteral("existing-day"),
            QStringLiteral("password")};
}

QStringList flags() {
    return {QStringLiteral("skip-first"), QStringLiteral("dry-run"), QStringLiteral("all-lpg"),
            QStringLiteral("all-petrol"), QStringLiteral("progress")};
}

int importCosts(const CliArguments& args) {
    const QStringList& p = args.positional();
    if (p.size() != 3)
        return fail(kUsage, QStringLiteral("Użycie: flotanor-cli import-costs LOKALIZACJA KATALOG "
                                           "PLIK (--layout NAZWA | --columns POLA)"));
    for (const char* refuellingOnly : {"lpg-text", "all-lpg", "all-petrol", "existing-day"}) {
        if (args.has(QString::fromLatin1(refuellingOnly)))
            return fail(kUsage, QStringLiteral("Opcja --%1 dotyczy tylko tankowań.")
                                    .arg(QString::fromLatin1(refuellingOnly)));
    }
    return runImport(args, ImportKind::Costs, p.at(0), p.at(1), p.at(2));
}

int importRefuellings(const CliArguments& args) {
    const QStringList& p = args.positional();
    if (p.size() != 4)
        return fail(kUsage,
                    QStringLiteral("Użycie: flotanor-cli import-refuellings LOKALIZACJA KATALOG "
                                   "zuzycie|zuzyciekm|zuzyciemth PLIK (--layout NAZWA | --columns "
                                   "POLA)"));
    for (const char* costsOnly : {"vat-symbol", "fuel-symbol"}) {
        if (args.has(QString::fromLatin1(costsOnly)))
            return fail(kUsage, QStringLiteral("Opcja --%1 dotyczy tylko kosztów.")
                                    .arg(QString::fromLatin1(costsOnly)));
    }
    for (ImportKind kind :
         {ImportKind::Refuellings, ImportKind::RefuellingsKm, ImportKind::RefuellingsMth}) {
        if (ImportFields::commandName(kind) == p.at(2))
            return runImport(args, kind, p.at(0), p.at(1), p.at(3));
    }
    return fail(
        kUsage,
        QStringLiteral("Nieznany rejestr %1: zuzycie, zuzyciekm albo zuzyciemth.").arg(p.at(2)));
}

QString helpText() {
    return QStringLiteral(
        "  import-costs LOKALIZACJA KATALOG PLIK (--layout NAZWA | --columns POLA)\n"
        "        [--separator ZNAK|tab] [--encoding windows-1250|utf-8]\n"
        "        [--date-format DD-MM-RRRR|RRRR-MM-DD|RRRRMMDD] [--vat-symbol S]\n"
        "        [--fuel-symbol S] [--skip-first] [--dry-run] [--progress]\n"
        "      Importuje koszty z arkusza .CSV. POLA przypisują kolumny arkusza (od 1)\n"
        "      polom kosztu, np. DATA=1,NRREJ=2,RODZWYD=3,NRDOKUMENT=4,WARTNETTO=5,\n"
        "      WARTVAT=6,WARTBRUTTO=7 (pola: DATA NRREJ RODZWYD NAZWATOWAR IDKARTY\n"
        "      IDKIEROWCY LICZNIK UWAGI DATAWYSTAW NRDOKUMENT RODZAJPLAT WARTNETTO WARTVAT\n"
        "      WARTBRUTTO CZYVAT ISFUEL FUEL CK IDDROGOWA); --layout bierze układ zapisany\n"
        "      w oknie importu. Wypisuje każdy wiersz arkusza z kolumnami \"Zaimportowano?\"\n"
        "      i \"Uwagi\", potem \"added N; merged N; skipped N; failed N\". Wiersze już\n"
        "      zapisane w rejestrze są pomijane; --dry-run niczego nie zapisuje.\n"
        "      Kod wyjścia 3, gdy któryś wiersz nie został zaimportowany.\n"
        "  import-refuellings LOKALIZACJA KATALOG zuzycie|zuzyciekm|zuzyciemth PLIK\n"
        "        (--layout NAZWA | --columns POLA) [--lpg-text T | --all-lpg | --all-petrol]\n"
        "        [--existing-day merge|skip] [pozostałe opcje jak wyżej]\n"
        "      Importuje tankowania; pola: DATA NRREJ PALIWO LICZNIK oraz BAK TANKOWANIE\n"
        "      (zuzycie) albo TANKOWANIE PRZEBIEG (zuzyciekm, zuzyciemth). Tankowanie dnia,\n"
        "      który już ma tankowanie, jest sumowane (merge) albo odrzucane (skip).\n");
}

}  // namespace ImportCommands
