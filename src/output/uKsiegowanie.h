#pragma once

#include "output/YearlySummary.h"
#include "output/report/ReportEngine.h"

#include <QDialog>

class DateField;
class MessageService;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TmyDataBase;
struct TconfigPP;

// The yearly summary of one vehicle: its monthly kilometre allowances against its operating
// costs, what each month may book with the surpluses carried over, the printed summary,
// the internal document of one month and the table as a CSV sheet.
class TfKsiegowanie : public QDialog {
    Q_OBJECT

public:
    // options: the date of issue and the signature lines of the printed summary.
    TfKsiegowanie(TmyDataBase& database, MessageService& messages, SummaryPrintOptions options,
                  QWidget* parent = nullptr);

    // Reads the vehicle's year into the table; false after a database error (reported).
    bool compute(qint64 vehicleKey, int year, const QString& company,
                 const YearlySummary::Progress& progress = {});

    // The main window's entry: computes the year (the gauge follows progress up to
    // YearlySummary::kProgressSteps), then shows the window modally. issueDate is the
    // reports page's date of issue when it is to be printed.
    static void showSummary(QWidget* parent, TmyDataBase& database, MessageService& messages,
                            const TconfigPP& config, qint64 vehicleKey, int year,
                            const QString& company, const std::optional<QString>& issueDate,
                            const YearlySummary::Progress& progress = {});

    const YearlySummary& summary() const { return m_summary; }
    QTableWidget* table() const { return m_table; }

public slots:
    void SBZestawienieClick();
    void SBDowodClick();
    void SBcsvClick();

private:
    void fill();
    // Shows a prepared printout in the preview, or the layout's error.
    void preview(const ReportEngine::Result& result);

    TmyDataBase& m_database;
    MessageService& m_messages;
    SummaryPrintOptions m_options;
    YearlySummary m_summary;

    QLabel* m_year = nullptr;
    QLabel* m_vehicle = nullptr;
    QLabel* m_capacity = nullptr;
    QLabel* m_owner = nullptr;
    QLabel* m_company = nullptr;
    QTableWidget* m_table = nullptr;
    QList<QLabel*> m_totals;
    QComboBox* m_month = nullptr;
    QLineEdit* m_number = nullptr;
    DateField* m_issueDate = nullptr;
};
