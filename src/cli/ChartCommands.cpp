#include "cli/ChartCommands.h"

#include "cli/CliArguments.h"
#include "cli/CliSupport.h"
#include "cli/ConsoleMessages.h"
#include "data/TmyDataBase.h"
#include "data/engine/DbQuery.h"
#include "output/charts/ChartBuilder.h"
#include "output/charts/ChartData.h"

#include <QLocale>
#include <QRegularExpression>
#include <memory>

using namespace CliSupport;

namespace {

const QString kUsageText = QStringLiteral(
    "Użycie: flotanor-cli chart LOKALIZACJA KATALOG "
    "cenypaliw|zuzycie|zuzyciekm|zuzyciemth|przebieg|koszty --year ROK [--month M] "
    "--series KLUCZ [--series KLUCZ ...] [--lpg] [--fuel-only] [--kind RODZAJ] [--size SZERxWYS] "
    "[--points] --out PLIK.png|.svg|.pdf");

std::optional<ChartKind> kindOf(const QString& name) {
    static const std::array<std::pair<const char*, ChartKind>, 6> kinds = {{
        {"cenypaliw", ChartKind::FuelPrices},
        {"zuzycie", ChartKind::Continuous},
        {"zuzyciekm", ChartKind::ByDistance},
        {"zuzyciemth", ChartKind::ByEngineHours},
        {"przebieg", ChartKind::Distance},
        {"koszty", ChartKind::Costs},
    }};
    for (const auto& [text, kind] : kinds) {
        if (name == QLatin1String(text))
            return kind;
    }
    return std::nullopt;
}

std::optional<int> wholeNumber(const CliArguments& args, const char* option, int low, int high) {
    bool ok = false;
    const int value = args.value(QString::fromLatin1(option)).toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

// The options that only some charts read; given to another chart they are a mistake.
QString misplacedOption(const CliArguments& args, ChartKind kind) {
    const bool consumption = kind == ChartKind::Continuous || kind == ChartKind::ByDistance ||
                             kind == ChartKind::ByEngineHours;
    if (args.has(QStringLiteral("lpg")) && !consumption)
        return QStringLiteral("--lpg");
    if (kind != ChartKind::Costs) {
        for (const char* option : {"fuel-only", "kind"}) {
            if (args.has(QString::fromLatin1(option)))
                return QStringLiteral("--") + QString::fromLatin1(option);
        }
    }
    if (args.has(QStringLiteral("month")) &&
        (kind == ChartKind::Distance || kind == ChartKind::Costs))
        return QStringLiteral("--month");
    return {};
}

// The key of a series: a fuel kind's KOD of the fuel-kind dictionary, or the vehicle of a
// registration number. 0 with the key found, else the status (reported).
int resolveKey(TmyDataBase& database, ChartKind kind, const QString& text, qint64* key) {
    if (kind != ChartKind::FuelPrices) {
        DbError error;
        const std::optional<VehicleInfo> vehicle = database.vehicleByRegistration(text, &error);
        if (error)
            return fail(kFailed, error.message());
        if (!vehicle)
            return fail(
                kUsage,
                QStringLiteral("Nie znaleziono pojazdu o numerze rejestracyjnym %1.").arg(text));
        *key = vehicle->key;
        return 0;
    }
    bool ok = false;
    *key = text.toLongLong(&ok);
    const QString unknown = QStringLiteral("Nieznany rodzaj paliwa %1.").arg(text);
    if (!ok)
        return fail(kUsage, unknown);
    SqlStatement statement(
        QStringLiteral("SELECT KOD FROM slowniki WHERE IDSLOWNIK = :DICTIONARY AND KOD = :KIND"));
    statement.bindText(QStringLiteral(":DICTIONARY"), QStringLiteral("RDPAL"));
    statement.bind(QStringLiteral(":KIND"), *key);
    DbQuery rows;
    if (const DbError error = database.DatabaseFirma().select(statement, &rows))
        return fail(kFailed, error.message());
    return rows.next() ? 0 : fail(kUsage, unknown);
}

QString number(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

}  // namespace

namespace ChartCommands {

QStringList chartValues() {
    return {QStringLiteral("year"),    QStringLiteral("month"), QStringLiteral("series"),
            QStringLiteral("kind"),    QStringLiteral("size"),  QStringLiteral("out"),
            QStringLiteral("password")};
}

QStringList chartFlags() {
    return {QStringLiteral("lpg"), QStringLiteral("fuel-only"), QStringLiteral("points")};
}

QStringList seriesKeys(const QStringList& words) {
    // The same walk as the parser's, so that a value of another option is never taken.
    const QStringList values = chartValues();
    QStringList keys;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words.at(i);
        if (!word.startsWith(QLatin1String("--")))
            continue;
        const QString name = word.mid(2);
        if (name.startsWith(QLatin1String("series="))) {
            keys << name.mid(7);
        } else if (values.contains(name) && i + 1 < words.size()) {
            ++i;
            if (name == QLatin1String("series"))
                keys << words.at(i);
        }
    }
    return keys;
}

QByteArray pointLines(const ChartPlot& plot, const std::array<QString, 5>& keys) {
    QByteArray text;
    for (size_t i = 0; i < plot.series.size(); ++i) {
        for (const QPointF& point : plot.series[i].points)
            text += (keys[i] + QLatin1Char(';') + number(point.x()) + QLatin1Char(';') +
                     number(point.y()) + QLatin1Char('\n'))
                        .toUtf8();
    }
    return text;
}

int chart(const CliArguments& args, const QStringList& words) {
    if (args.positional().size() != 3 || !args.has(QStringLiteral("year")))
        return fail(kUsage, kUsageText);
    const std::optional<ChartKind> kind = kindOf(args.positional().at(2));
    if (!kind)
        return fail(kUsage, QStringLiteral("Nieznany wykres %1. ").arg(args.positional().at(2)) +
                                kUsageText);
    if (const QString option = misplacedOption(args, *kind); !option.isEmpty())
        return fail(kUsage, QStringLiteral("Opcja %1 nie dotyczy wykresu %2.")
                                .arg(option, args.positional().at(2)));
    ChartRequest request;
    request.kind = *kind;
    const auto year = wholeNumber(args, "year", 1970, 2100);
    if (!year)
        return fail(kUsage, QStringLiteral("Opcja --year wymaga roku od 1970 do 2100."));
    request.year = *year;
    if (args.has(QStringLiteral("month"))) {
        const auto month = wholeNumber(args, "month", 1, 12);
        if (!month)
            return fail(kUsage, QStringLiteral("Opcja --month wymaga miesiąca od 1 do 12."));
        request.month = *month;
    }
    const QStringList keys = seriesKeys(words);
    if (keys.isEmpty() || keys.size() > 5)
        return fail(kUsage, QStringLiteral("Wykres wymaga od 1 do 5 opcji --series."));
    request.lpg = args.has(QStringLiteral("lpg"));
    request.fuelOnly = args.has(QStringLiteral("fuel-only"));
    if (args.has(QStringLiteral("kind")))
        request.expenseKind = args.value(QStringLiteral("kind"));
    QSize size(1200, 800);
    if (args.has(QStringLiteral("size"))) {
        static const QRegularExpression pattern(QStringLiteral(R"(^(\d{1,5})x(\d{1,5})$)"));
        const QRegularExpressionMatch match = pattern.match(args.value(QStringLiteral("size")));
        size = match.hasMatch() ? QSize(match.captured(1).toInt(), match.captured(2).toInt())
                                : QSize();
        if (size.width() < 100 || size.height() < 100 || size.width() > 10000 ||
            size.height() > 10000)
            return fail(kUsage,
                        QStringLiteral("Opcja --size wymaga rozmiaru SZERxWYS od 100x100 do "
                                       "10000x10000 pikseli."));
    }
    const bool points = args.has(QStringLiteral("points"));
    const QString file = args.value(QStringLiteral("out"));
    static const QRegularExpression picture(QStringLiteral(R"(\.(png|svg|pdf)$)"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (!points && !picture.match(file).hasMatch())
        return fail(kUsage, kUsageText);

    int status = 0;
    const auto where = location(args.positional().at(0), &status);
    if (!where)
        return status;
    ConsoleMessages messages;
    TmyDataBase database(&messages);
    if (const int refused = openCompany(args, *where, args.positional().at(1), database))
        return refused;
    std::array<QString, 5> given;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        qint64 key = 0;
        if (const int failed = resolveKey(database, *kind, keys.at(i), &key))
            return failed;
        request.keys[size_t(i)] = key;
        given[size_t(i)] = keys.at(i);
    }
    const ChartPlot plot = ChartData::compute(database, request);
    if (points) {
        out(pointLines(plot, given));
    } else {
        const std::unique_ptr<QChart> drawn(ChartBuilder::build(plot));
        QString error;
        if (!ChartBuilder::save(drawn.get(), size, file, &error))
            return fail(kFailed, error);
    }
    // A series that failed to load was reported; what was read is still written.
    return plot.complete ? 0 : kFailed;
}

QString helpText() {
    return QStringLiteral(
        "  chart LOKALIZACJA KATALOG RODZAJ --year ROK [--month M] --series KLUCZ\n"
        "        [--series KLUCZ ...] [--lpg] [--fuel-only] [--kind RODZAJ_WYDATKU]\n"
        "        [--size SZERxWYS] [--points] --out PLIK.png|.svg|.pdf\n"
        "      Rysuje wykres ze strony \"Wykresy\" (domyślnie 1200x800 pikseli). RODZAJ:\n"
        "      cenypaliw (KLUCZ to KOD rodzaju paliwa), zuzycie, zuzyciekm, zuzyciemth\n"
        "      (--lpg: gaz LPG; --month: jeden miesiąc), przebieg, koszty (--fuel-only:\n"
        "      tylko paliwo, --kind: jeden rodzaj wydatku); KLUCZ to numer rejestracyjny.\n"
        "      Od 1 do 5 serii. --points wypisuje punkty: wiersz \"KLUCZ;X;Y\" dla każdego.\n");
}

}  // namespace ChartCommands
