#include "output/charts/ChartData.h"

#include "data/FilterClauses.h"
#include "data/Money.h"
#include "data/TmyDataBase.h"
#include "data/engine/DbQuery.h"
#include "support/OVUtilities.h"
#include "support/translation/TResourceTranslator.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace {

struct Period {
    qint64 first = 0;  // YYYYMMDD
    qint64 last = 0;
    bool monthView = false;
};

struct Titles {
    const char* year;
    const char* month;
    qint64 errorCode;
};

Titles titlesOf(ChartKind kind) {
    switch (kind) {
        case ChartKind::FuelPrices:
            return {"Zmiana cen paliw w roku", "Zmiana cen paliw w miesiącu", 161829};
        case ChartKind::Continuous:
            return {"Zużycie paliwa ciągłe w roku", "Zużycie paliwa ciągłe w miesiącu", 171800};
        case ChartKind::ByDistance:
            return {"Zużycie paliwa km w roku", "Zużycie paliwa km w miesiącu", 171900};
        case ChartKind::ByEngineHours:
            return {"Zużycie paliwa Mth w roku", "Zużycie paliwa Mth w miesiącu", 171900};
        case ChartKind::Distance:
            return {"Przebieg w roku", "Przebieg w roku", 181707};
        case ChartKind::Costs:
            return {"Koszty brutto w roku", "Koszty brutto w roku", 181813};
    }
    return {"", "", 0};
}

bool isConsumption(ChartKind kind) {
    return kind == ChartKind::Continuous || kind == ChartKind::ByDistance ||
           kind == ChartKind::ByEngineHours;
}

RegisterId registerOf(ChartKind kind) {
    switch (kind) {
        case ChartKind::ByDistance:
            return RegisterId::ZuzycieKm;
        case ChartKind::ByEngineHours:
            return RegisterId::ZuzycieMth;
        default:
            return RegisterId::Zuzycie;
    }
}

// A stored amount in hundredths, from the decimal its shortest form writes, so that the
// sums of a month do not collect binary fractions.
std::optional<qint64> hundredths(double stored) {
    if (!std::isfinite(stored))
        return std::nullopt;
    return Money::hundredths(QString::number(stored, 'g', QLocale::FloatingPointShortest));
}

// Puts the fuel kind of a consumption register back however the chart ends.
class FuelKindRestore {
public:
    FuelKindRestore(TmyDataBase& database, RegisterId id)
        : m_database(database), m_id(id), m_lpg(database.lpg(id)) {}
    ~FuelKindRestore() { m_database.setLpg(m_id, m_lpg); }
    FuelKindRestore(const FuelKindRestore&) = delete;
    FuelKindRestore& operator=(const FuelKindRestore&) = delete;

private:
    TmyDataBase& m_database;
    RegisterId m_id;
    bool m_lpg;
};

// Collects the points of one series; every failure is reported with the chart's code.
class SeriesReader {
public:
    SeriesReader(TmyDataBase& database, const ChartRequest& request, const Period& period)
        : m_database(database),
          m_request(request),
          m_period(period),
          m_code(titlesOf(request.kind).errorCode) {}

    // False when something failed to load; the series keeps what was read.
    bool read(qint64 key, ChartSeries* series) {
        bool ok = readName(key, series);
        switch (m_request.kind) {
            case ChartKind::FuelPrices:
                ok = fuelPrices(key, series) && ok;
                break;
            case ChartKind::Continuous:
            case ChartKind::ByDistance:
            case ChartKind::ByEngineHours:
                ok = consumption(key, series) && ok;
                break;
            case ChartKind::Distance:
            case ChartKind::Costs:
                ok = monthlySums(key, series) && ok;
                break;
        }
        return ok;
    }

private:
    bool select(const SqlStatement& statement, DbQuery* rows) {
        if (const DbError error = m_database.DatabaseFirma().select(statement, rows)) {
            m_database.errorReport().report(error, m_code);
            return false;
        }
        return true;
    }

    QString periodLine() const {
        return QStringLiteral(" WHERE DATA >= %1 AND DATA <= %2")
            .arg(m_period.first)
            .arg(m_period.last);
    }

    void add(ChartSeries* series, double x, double y, qint64 date) {
        series->points.append(QPointF(x, y));
        series->dates.append(date);
    }

    bool readName(qint64 key, ChartSeries* series) {
        DbQuery rows;
        if (m_request.kind == ChartKind::FuelPrices) {
            SqlStatement statement(QStringLiteral(
                "SELECT OPIS FROM slowniki WHERE IDSLOWNIK = :DICTIONARY AND KOD = :KIND"));
            statement.bindText(QStringLiteral(":DICTIONARY"), QStringLiteral("RDPAL"));
            statement.bind(QStringLiteral(":KIND"), key);
            if (!select(statement, &rows))
                return false;
            if (rows.next())
                series->name = rows.text(u"OPIS");
            return true;
        }
        SqlStatement statement(QStringLiteral(
            "SELECT NRREJ, NORMAOD, NORMADO FROM pojazdy WHERE IDPOJAZD = :VEHICLE"));
        statement.bind(QStringLiteral(":VEHICLE"), key);
        if (!select(statement, &rows))
            return false;
        if (!rows.next())
            return true;
        series->name = rows.text(u"NRREJ");
        const double from = rows.number(u"NORMAOD");
        const double to = rows.number(u"NORMADO");
        // A vehicle without a norm keeps 0 in both bounds.
        if (isConsumption(m_request.kind) && std::max(from, to) > 0)
            series->norm = std::make_pair(std::min(from, to), std::max(from, to));
        return true;
    }

    bool fuelPrices(qint64 key, ChartSeries* series) {
        SqlStatement statement(QStringLiteral("SELECT DATA, BRUTTO FROM cenypaliw") + periodLine() +
                               QStringLiteral(" AND RODZAJPALIWA = :KIND ORDER BY DATA, BRUTTO"));
        statement.bind(QStringLiteral(":KIND"), key);
        DbQuery rows;
        if (!select(statement, &rows))
            return false;
        while (rows.next()) {
            bool ok = false;
            const double price = rows.number(u"BRUTTO", &ok);
            if (!ok)
                continue;
            const qint64 date = rows.integer(u"DATA");
            add(series, ChartData::datePosition(date, m_period.monthView), price, date);
        }
        return true;
    }

    // The consumption register's own list, on a private filter state and the chart's fuel
    // kind: the register's clauses are never touched, its fuel kind is put back.
    bool consumption(qint64 key, ChartSeries* series) {
        const RegisterId id = registerOf(m_request.kind);
        const FuelKindRestore restore(m_database, id);
        m_database.setLpg(id, m_request.lpg);
        FilterState state;
        state.vehicle = FilterClauses::vehicleByKey(key);
        state.period = FilterClauses::period(PeriodKind::Date, m_period.first, m_period.last, true);
        DbError error;
        const std::shared_ptr<ListTable> rows = m_database.runList(id, state, &error);
        if (!rows) {
            m_database.errorReport().report(error, m_code);
            return false;
        }
        const int dateColumn = rows->fieldIndex(u"DATA");
        const int valueColumn = rows->fieldIndex(u"ZUZYCIE");
        for (int r = 0; r < rows->rowCount(); ++r) {
            bool ok = false;
            const double value = rows->number(r, valueColumn, &ok);
            // The rows the list shows without a consumption ("-", or empty without distance).
            if (!ok || !std::isfinite(value))
                continue;
            const qint64 date = rows->integer(r, dateColumn);
            add(series, ChartData::datePosition(date, m_period.monthView), value, date);
        }
        return true;
    }

    // Distance or gross costs summed per calendar month in hundredths; a month whose sum
    // is not above zero has no point.
    bool monthlySums(qint64 key, ChartSeries* series) {
        const bool costs = m_request.kind == ChartKind::Costs;
        const QString field = costs ? QStringLiteral("WARTBRUTTO") : QStringLiteral("ODLEGLOSC");
        SqlStatement statement(
            QStringLiteral("SELECT DATA, ") + field +
            (costs ? QStringLiteral(" FROM koszty") : QStringLiteral(" FROM przejazdy")) +
            periodLine());
        if (costs && m_request.fuelOnly) {
            statement.text += QStringLiteral(" AND ISFUEL = :FUELFLAG");
            statement.bindText(QStringLiteral(":FUELFLAG"), QStringLiteral("T"));
        }
        if (costs && m_request.expenseKind && !m_request.expenseKind->isEmpty()) {
            statement.text += QStringLiteral(" AND RODZWYD = :PARAM0");
            statement.bindText(QStringLiteral(":PARAM0"), *m_request.expenseKind);
        }
        statement.text += QStringLiteral(" AND IDPOJAZD = :VEHICLE");
        statement.bind(QStringLiteral(":VEHICLE"), key);
        DbQuery rows;
        if (!select(statement, &rows))
            return false;
        std::array<qint64, 12> sums{};
        while (rows.next()) {
            bool ok = false;
            const auto amount = hundredths(rows.number(field, &ok));
            const int month = int(rows.integer(u"DATA") / 100 % 100);
            if (ok && amount && month >= 1 && month <= 12)
                sums[size_t(month - 1)] += *amount;
        }
        for (int month = 1; month <= 12; ++month) {
            if (const qint64 sum = sums[size_t(month - 1)]; sum > 0)
                add(series, month, double(sum) / 100.0, month);
        }
        return true;
    }

    TmyDataBase& m_database;
    const ChartRequest& m_request;
    const Period& m_period;
    qint64 m_code;
};

}  // namespace

namespace ChartData {

double datePosition(qint64 yyyymmdd, bool monthView) {
    const int day = TOVUtilities::dayOf(yyyymmdd);
    if (monthView)
        return day;
    const int month = TOVUtilities::monthOf(yyyymmdd);
    // December spreads its days evenly up to 12.9, the axis end, so that positions keep
    // growing with the date to the last day of the year.
    if (month == 12)
        return 12.0 + (day - 1) * 0.9 / 30.0;
    const int days = TOVUtilities::daysInMonth(month, TOVUtilities::yearOf(yyyymmdd));
    return month + double(day - 1) / days;
}

ChartPlot compute(TmyDataBase& database, const ChartRequest& request) {
    const bool sums = request.kind == ChartKind::Distance || request.kind == ChartKind::Costs;
    Period period;
    period.monthView = !sums && request.month >= 1 && request.month <= 12;
    const auto translate = [&request](const QString& text) {
        return request.translate ? request.translate(text) : tx(text);
    };
    const Titles titles = titlesOf(request.kind);
    const qint64 year = request.year;
    ChartPlot plot;
    if (period.monthView) {
        const int days = TOVUtilities::daysInMonth(request.month, request.year);
        period.first = year * 10000 + request.month * 100 + 1;
        period.last = year * 10000 + request.month * 100 + days;
        plot.ticks = days;
        plot.xMax = days;
        plot.caption = translate(QString::fromUtf8(titles.month)) + QLatin1Char(' ') +
                       translate(TOVUtilities().monthName(request.month)) + QLatin1Char(' ') +
                       QString::number(request.year);
    } else {
        period.first = year * 10000 + 101;
        period.last = year * 10000 + 1231;
        plot.ticks = 12;
        plot.xMax = sums ? 12.0 : 12.9;
        plot.caption = translate(QString::fromUtf8(titles.year)) + QLatin1Char(' ') +
                       QString::number(request.year);
    }
    SeriesReader reader(database, request, period);
    for (size_t i = 0; i < plot.series.size(); ++i) {
        ChartSeries& series = plot.series[i];
        if (sums) {
            series.xMin = 1;
            series.xMax = 12;
        } else {
            series.xMin = datePosition(period.first, period.monthView);
            series.xMax = datePosition(period.last, period.monthView);
        }
        const std::optional<qint64>& key = request.keys[i];
        if (!key)
            continue;
        if (!reader.read(*key, &series))
            plot.complete = false;
        for (const QPointF& point : std::as_const(series.points))
            series.yMax = std::max(series.yMax, point.y());
    }
    return plot;
}

}  // namespace ChartData
