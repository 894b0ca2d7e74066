#include "output/YearlySummary.h"

#include "data/FilterClauses.h"
#include "data/Money.h"
#include "data/TmyDataBase.h"
#include "data/engine/DbQuery.h"
#include "support/AmountInWords.h"
#include "support/translation/TResourceTranslator.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace {

const char* const kMonthNames[YearlySummary::kMonths] = {
    "Styczeń", "Luty",     "Marzec",   "Kwiecień",    "Maj",      "Czerwiec",
    "Lipiec",  "Sierpień", "Wrzesień", "Październik", "Listopad", "Grudzień"};

// The month a row belongs to (0 for none), as the strict bounds YM00 < DATA < YM00+100 take it.
int monthOf(qint64 date, int year) {
    if (date / 10000 != year || date % 100 == 0)
        return 0;
    const int month = int(date / 100 % 100);
    return month >= 1 && month <= YearlySummary::kMonths ? month : 0;
}

// A line to sign on, above the word.
QString signature(const QString& word) {
    return QString(21, QLatin1Char('_')) + QLatin1Char('\r') + word;
}

}  // namespace

YearlySummary::Months YearlySummary::carryOver(const std::array<qint64, kMonths>& allowances,
                                               const std::array<qint64, kMonths>& costs) {
    Months months{};
    qint64 carriedAllowance = 0;
    qint64 carriedCosts = 0;
    for (int m = 0; m < kMonths; ++m) {
        SummaryMonth& month = months.at(size_t(m));
        month.allowance = allowances.at(size_t(m));
        month.costs = costs.at(size_t(m));
        const qint64 available = month.allowance + carriedAllowance;
        const qint64 spent = month.costs + carriedCosts;
        if (available > spent) {
            month.booked = spent;
            carriedAllowance = available - spent;
            carriedCosts = 0;
        } else {
            month.booked = available;
            carriedAllowance = 0;
            carriedCosts = spent - available;
        }
        month.carriedAllowance = carriedAllowance;
        month.carriedCosts = carriedCosts;
    }
    return months;
}

bool YearlySummary::compute(TmyDataBase& database, qint64 vehicleKey, int year,
                            const QString& company, const Progress& progress) {
    m_header = Header();
    m_header.year = year;
    m_header.company = company;
    m_months = Months{};
    auto advance = [&progress](int step) {
        if (progress)
            progress(step);
    };

    DbQuery vehicle;
    const SqlStatement read(
        QStringLiteral("SELECT NRREJ, MARKA, POJEMNOSC, NREW FROM pojazdy WHERE IDPOJAZD = %1")
            .arg(vehicleKey));
    if (DbError error = database.DatabaseFirma().select(read, &vehicle)) {
        database.errorReport().report(error, 54);
        return false;
    }
    if (!vehicle.next()) {
        // A vehicle deleted meanwhile has nothing left to sum.
        advance(kProgressSteps);
        return true;
    }
    const QString registration = vehicle.text(u"NRREJ");
    m_header.vehicle = registration + QStringLiteral(", ") + vehicle.text(u"MARKA");
    m_header.capacity = QString::number(vehicle.integer(u"POJEMNOSC")) + QStringLiteral(" cm3");
    m_header.owner = vehicle.text(u"NREW");
    advance(kProgressSteps / 12);

    // The lists under the vehicle filter's own clause and the year's bounds; each row goes
    // to the month whose bounds hold it. The costs list's own filters (fuel, cost centre,
    // road card) do not narrow what the vehicle cost.
    FilterState state;
    state.vehicle = FilterClauses::vehicleByRegistration(registration);
    const auto [lo, hi] = FilterClauses::yearBounds(year, 0);
    state.period = FilterClauses::period(PeriodKind::Date, lo, hi, false);

    std::array<qint64, kMonths> allowances{};
    std::array<qint64, kMonths> costs{};
    DbError error;
    const auto trips = database.runList(RegisterId::Przejazdy, state, &error);
    if (!trips) {
        database.errorReport().report(error, Registers::get(RegisterId::Przejazdy).listErrorCode);
        return false;
    }
    {
        const int date = trips->fieldIndex(u"DATA");
        const int distance = trips->fieldIndex(u"ODLEGLOSC");
        const int rate = trips->fieldIndex(u"STAWKA");
        for (int r = 0; r < trips->rowCount(); ++r) {
            const int month = monthOf(trips->integer(r, date), year);
            bool distanceOk = false;
            bool rateOk = false;
            const double km = trips->number(r, distance, &distanceOk);
            const double perKm = trips->number(r, rate, &rateOk);
            if (month == 0 || !distanceOk || !rateOk)
                continue;  // a trip without a rate adds nothing
            if (const auto amount = tripAmount(km, perKm))
                allowances.at(size_t(month - 1)) += *amount;
        }
    }
    advance(kProgressSteps / 2);

    const auto spent = database.runList(RegisterId::Koszty, state, &error);
    if (!spent) {
        database.errorReport().report(error, Registers::get(RegisterId::Koszty).listErrorCode);
        return false;
    }
    {
        const int date = spent->fieldIndex(u"DATA");
        const int vat = spent->fieldIndex(u"CZYVAT");
        const int net = spent->fieldIndex(u"WARTNETTO");
        const int gross = spent->fieldIndex(u"WARTBRUTTO");
        for (int r = 0; r < spent->rowCount(); ++r) {
            const int month = monthOf(spent->integer(r, date), year);
            if (month == 0)
                continue;
            // The net amount when the VAT is deducted, else the gross amount.
            const bool deducted = spent->text(r, vat).trimmed() == QLatin1String("T");
            bool ok = false;
            const double stored = spent->number(r, deducted ? net : gross, &ok);
            if (!ok)
                continue;
            if (const auto amount = grosze(stored))
                costs.at(size_t(month - 1)) += *amount;
        }
    }
    m_months = carryOver(allowances, costs);
    advance(kProgressSteps);
    return true;
}

void YearlySummary::setMonths(int year, const Months& months) {
    m_header.year = year;
    m_months = months;
}

qint64 YearlySummary::amount(int month, int column) const {
    if (month < 1 || month > kMonths)
        return 0;
    const SummaryMonth& m = m_months.at(size_t(month - 1));
    switch (column) {
        case 0:
            return m.allowance;
        case 1:
            return m.costs;
        case 2:
            return m.booked;
        case 3:
            return m.carriedAllowance;
        case 4:
            return m.carriedCosts;
    }
    return 0;
}

std::array<qint64, YearlySummary::kColumns> YearlySummary::totals() const {
    std::array<qint64, kColumns> sums{};
    for (const SummaryMonth& m : m_months) {
        sums[0] += m.allowance;
        sums[1] += m.costs;
        sums[2] += m.booked;
    }
    // A surplus is a balance, not a flow: what December leaves is what the year leaves.
    sums[3] = m_months.back().carriedAllowance;
    sums[4] = m_months.back().carriedCosts;
    return sums;
}

QStringList YearlySummary::columnTitles() {
    return {QStringLiteral("Miesiąc"),
            QStringLiteral("Przebieg"),
            QStringLiteral("Eksploatacja"),
            QStringLiteral("Do zaksięgowania"),
            QStringLiteral("Nadwyżka z przebiegu"),
            QStringLiteral("Nadwyżka z eksploatacji")};
}

QString YearlySummary::monthName(int month) {
    if (month < 1 || month > kMonths)
        return {};
    return QString::fromUtf8(kMonthNames[month - 1]);
}

QList<QStringList> YearlySummary::table() const {
    QList<QStringList> rows{columnTitles()};
    for (int month = 1; month <= kMonths; ++month) {
        QStringList row{monthName(month)};
        for (int column = 0; column < kColumns; ++column)
            row << Money::text(amount(month, column));
        rows << row;
    }
    return rows;
}

QString YearlySummary::totalText(qint64 grosze) {
    return Money::text(grosze) + QStringLiteral(" zł");
}

std::optional<qint64> YearlySummary::grosze(double stored) {
    if (!std::isfinite(stored))
        return std::nullopt;
    return Money::hundredths(QString::number(stored, 'f', QLocale::FloatingPointShortest));
}

std::optional<qint64> YearlySummary::tripAmount(double distance, double rate) {
    return Money::product(distance, rate);
}

std::optional<CompanyBlock> CompanyBlock::read(TmyDataBase& database) {
    DbQuery row;
    const SqlStatement statement(QStringLiteral(
        "SELECT NAZWA, ULICA, NUMER, KOD, MIASTO, NIP, TELEFON, FAX, EMAIL FROM firma "
        "WHERE IDFIRMA = 1"));
    if (DbError error = database.DatabaseFirma().select(statement, &row)) {
        database.errorReport().report(error, 1101);
        return std::nullopt;
    }
    CompanyBlock block;
    if (row.next()) {
        auto field = [&row](const char* name) {
            return row.text(QString::fromLatin1(name)).trimmed();
        };
        auto joined = [](const QString& a, const QString& b) {
            return (a + QLatin1Char(' ') + b).trimmed();
        };
        for (const QString& line : {field("NAZWA"), joined(field("ULICA"), field("NUMER")),
                                    joined(field("KOD"), field("MIASTO")), field("NIP"),
                                    field("TELEFON"), field("FAX"), field("EMAIL")}) {
            if (!line.isEmpty())
                block.lines << line;
        }
        block.city = field("MIASTO");
    }
    while (block.lines.size() < kLines)
        block.lines << QString();
    return block;
}

YearlySummaryReport::YearlySummaryReport(const YearlySummary& summary, SummaryPrintOptions options)
    : m_summary(summary), m_options(std::move(options)) {}

void YearlySummaryReport::next() {
    if (m_row < YearlySummary::kMonths)
        ++m_row;
}

QString YearlySummaryReport::word(const QString& polish) const {
    return m_options.translate ? m_options.translate(polish) : tx(polish);
}

QString YearlySummaryReport::value(const QString& name) {
    const YearlySummary::Header& header = m_summary.header();
    const int month = m_row + 1;
    if (name == QLatin1String("WierszHeader"))
        return word(YearlySummary::monthName(month));
    if (name.startsWith(QLatin1String("Cell"))) {
        bool ok = false;
        const int column = name.mid(4).toInt(&ok);
        if (!ok || column < 1 || column > YearlySummary::kColumns || atEnd())
            return {};
        return Money::text(m_summary.amount(month, column - 1));
    }
    if (name.startsWith(QLatin1String("Suma"))) {
        bool ok = false;
        const int column = name.mid(4).toInt(&ok);
        if (!ok || column < 1 || column > YearlySummary::kColumns)
            return {};
        return YearlySummary::totalText(m_summary.totals().at(size_t(column - 1)));
    }
    if (name.startsWith(QLatin1String("KolumnaHeader"))) {
        bool ok = false;
        const int column = name.mid(13).toInt(&ok);
        const QStringList titles = YearlySummary::columnTitles();
        if (!ok || column < 0 || column >= titles.size())
            return {};
        return word(titles.at(column));
    }
    if (name == QLatin1String("ROK"))
        return QString::number(header.year);
    if (name == QLatin1String("NRREJ"))
        return header.vehicle;
    if (name == QLatin1String("WLASCICIEL"))
        return header.owner;
    if (name == QLatin1String("POJEMNOSC"))
        return header.capacity;
    if (name == QLatin1String("FIRMA"))
        return header.company;
    if (name == QLatin1String("WYSTAWIL"))
        return m_options.signedBy ? signature(word(QStringLiteral("Wystawił"))) : QString();
    if (name == QLatin1String("ZAAKCEPTOWAL"))
        return m_options.acceptedBy ? signature(word(QStringLiteral("Zaakceptował"))) : QString();
    if (name == QLatin1String("WYSTAWIONO"))
        return m_options.issueDate
                   ? word(QStringLiteral("Wystawiono")) + QLatin1Char(' ') + *m_options.issueDate
                   : QString();
    if (name == QLatin1String("STRONA"))
        return QString::number(m_page);
    return {};
}

InternalDocumentReport::InternalDocumentReport(const YearlySummary& summary, int month,
                                               CompanyBlock company, QString number,
                                               QString issueDate,
                                               std::function<QString(const QString&)> translate)
    : m_summary(summary),
      m_month(month),
      m_company(std::move(company)),
      m_number(std::move(number)),
      m_issueDate(std::move(issueDate)),
      m_translate(std::move(translate)) {}

QString InternalDocumentReport::word(const QString& polish) const {
    return m_translate ? m_translate(polish) : tx(polish);
}

QString InternalDocumentReport::value(const QString& name) {
    if (name.startsWith(QLatin1String("FIRMA"))) {
        bool ok = false;
        const int line = name.mid(5).toInt(&ok);
        return ok && line >= 1 ? m_company.lines.value(line - 1) : QString();
    }
    // The booked amount, column 2 of the month.
    const qint64 booked = m_summary.amount(m_month, 2);
    if (name == QLatin1String("MIEJSCOWOSC"))
        return m_company.city;
    if (name == QLatin1String("WYSTAWIONO"))
        return m_issueDate;
    if (name == QLatin1String("NUMER"))
        return m_number;
    if (name == QLatin1String("WARTOSC"))
        return Money::text(booked);
    if (name == QLatin1String("SLOWNIE"))
        return AmountInWords::text(booked);
    if (name == QLatin1String("MIESIAC"))
        return word(YearlySummary::monthName(m_month));
    if (name == QLatin1String("ROK"))
        return QString::number(m_summary.header().year);
    if (name == QLatin1String("NRREJ"))
        return m_summary.header().vehicle;
    if (name == QLatin1String("WYSTAWIL"))
        return signature(word(QStringLiteral("Wystawił")));
    if (name == QLatin1String("ZAAKCEPTOWAL"))
        return signature(word(QStringLiteral("Zaakceptował")));
    return {};
}
