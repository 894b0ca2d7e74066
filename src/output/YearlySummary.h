#pragma once

#include "output/report/ReportSource.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

class TmyDataBase;

// One month of a vehicle's yearly summary, in grosze.
struct SummaryMonth {
    qint64 allowance = 0;         // the kilometre allowance of the month's trips
    qint64 costs = 0;             // the month's operating costs
    qint64 booked = 0;            // what both cover, with the surpluses carried in
    qint64 carriedAllowance = 0;  // allowance left unbooked, carried into the next month
    qint64 carriedCosts = 0;      // costs left unbooked, carried into the next month

    bool operator==(const SummaryMonth&) const = default;
};

// A vehicle's year: the kilometre allowances of its trips set month by month against its
// operating costs. A month books the smaller of the two, each increased by what earlier
// months left unbooked; the larger side's surplus passes on to the next month.
class YearlySummary {
public:
    static constexpr int kMonths = 12;
    static constexpr int kColumns = 5;  // the amounts of a month, in SummaryMonth's order
    // The gauge the main window shows while a year is read.
    static constexpr int kProgressSteps = 240;

    using Months = std::array<SummaryMonth, kMonths>;
    using Progress = std::function<void(int step)>;

    struct Header {
        int year = 0;
        QString vehicle;   // NRREJ, ", " and MARKA
        QString capacity;  // POJEMNOSC, " cm3"
        QString owner;     // NREW
        QString company;   // as the main window shows it
    };

    // The twelve months from their allowances and costs, nothing carried into January.
    static Months carryOver(const std::array<qint64, kMonths>& allowances,
                            const std::array<qint64, kMonths>& costs);

    // Reads the vehicle's header and the trips and costs of the year, as the trips and
    // costs lists give them for that vehicle. False after a database error, which has been
    // reported (the vehicle with code 54, the lists with their own codes); the months read
    // so far stay zero.
    bool compute(TmyDataBase& database, qint64 vehicleKey, int year, const QString& company,
                 const Progress& progress = {});

    const Header& header() const { return m_header; }
    const Months& months() const { return m_months; }
    void setMonths(int year, const Months& months);

    // Column 0..4 of month 1..12.
    qint64 amount(int month, int column) const;
    // The allowances, the costs and the booked amounts summed over the year, and the
    // surpluses left after December.
    std::array<qint64, kColumns> totals() const;

    // "Miesiąc" and the five amount titles.
    static QStringList columnTitles();
    static QString monthName(int month);  // 1..12
    // The table as the window shows it and the sheet stores it: the titles, then one row
    // per month, amounts with two decimals.
    QList<QStringList> table() const;
    // A total below the table: the amount, a blank and "zł".
    static QString totalText(qint64 grosze);

    // A stored number of złote as whole grosze, rounded half away from zero from the
    // decimal the stored value stands for; nullopt when it is no amount.
    static std::optional<qint64> grosze(double stored);
    // Distance times rate, both taken as the decimals they stand for, rounded half away from
    // zero to the grosz; nullopt when either is no number.
    static std::optional<qint64> tripAmount(double distance, double rate);


private:
    Header m_header;
    Months m_months{};
};

// The company's own lines on an internal document: the name; street and number; postcode
// and city; NIP; telephone; fax; e-mail, each only when it holds something, then empty
// lines up to seven.
struct CompanyBlock {
    static constexpr int kLines = 7;
    QStringList lines;
    QString city;

    // The row IDFIRMA 1 of the company data; nullopt after a database error (code 1101).
    static std::optional<CompanyBlock> read(TmyDataBase& database);
};

// What both printouts put beside their figures.
struct SummaryPrintOptions {
    std::optional<QString> issueDate;  // the date of issue, when one is printed
    bool signedBy = false;             // a line to sign for the one who issued
    bool acceptedBy = false;           // and for the one who accepted
    // The language file's translation of a fixed word; none leaves the words as they are.
    std::function<QString(const QString&)> translate;
};

// "zest_m.xml": the twelve months as the report's rows, the totals in its summary.
class YearlySummaryReport final : public ReportDataSource, public ReportValues {
public:
    YearlySummaryReport(const YearlySummary& summary, SummaryPrintOptions options);

    static QString layoutName() { return QStringLiteral("zest_m.xml"); }

    void first() override { m_row = 0; }
    void next() override;
    bool atEnd() const override { return m_row >= YearlySummary::kMonths; }
    QString value(const QString& name) override;
    void pageStarted(int page) override { m_page = page; }

private:
    QString word(const QString& polish) const;

    const YearlySummary& m_summary;
    SummaryPrintOptions m_options;
    int m_row = 0;
    int m_page = 1;
};

// "dw_miesiac.xml": the internal document booking one month's amount.
class InternalDocumentReport final : public ReportValues {
public:
    InternalDocumentReport(const YearlySummary& summary, int month, CompanyBlock company,
                           QString number, QString issueDate,
                           std::function<QString(const QString&)> translate = {});

    static QString layoutName() { return QStringLiteral("dw_miesiac.xml"); }

    QString value(const QString& name) override;

private:
    QString word(const QString& polish) const;

    const YearlySummary& m_summary;
    int m_month;
    CompanyBlock m_company;
    QString m_number;
    QString m_issueDate;
    std::function<QString(const QString&)> m_translate;
};
