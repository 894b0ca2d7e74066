#pragma once

#include "data/FilterSelection.h"
#include "output/report/IndividualReports.h"
#include "output/report/ReportCatalogue.h"
#include "output/report/ReportRunner.h"

#include <QWidget>
#include <functional>

class MessageService;
class QComboBox;
class QPlainTextEdit;
class QTabWidget;
class ReportSelectors;
class TmyDataBase;
struct TconfigPP;

// The reports page of the main window (right 17): a sub-page per group of reports with a
// button for each report of the catalogue, the choices the reports need, the date of
// issue, and the individual reports. A report runs on its own copy of the filters and
// shows its preview; the page never changes what the registers show.
class ReportsPage : public QWidget {
    Q_OBJECT

public:
    // What the page reads from the main window, at the moment a report runs.
    struct Sources {
        std::function<FilterSelection()> selection;  // the filter bar, as applied
        std::function<QString()> company;            // FIRMA on the reports; none: the company data
        // The logged-in user and password; the location is filled in here when empty.
        std::function<IndividualReports::Credentials()> credentials;
        std::function<QString(const QString&)> translate;  // the language file; none: Polish
    };

    ReportsPage(TmyDataBase& database, MessageService& messages, const TconfigPP& options,
                Sources sources, QWidget* parent = nullptr);

    // When the page or a "Raporty" sub-menu is shown: the drop-down lists, the individual
    // reports and the order numbers read again.
    void refresh();
    // After a filter change: the order numbers follow the orders' vehicle and period.
    void refreshOrderNumbers();
    void showSubPage(ReportPage page);
    ReportPage currentSubPage() const;

    ReportChoices choices() const;
    // The order text, kept between runs of the program in "trescZlecenia.txt".
    QPlainTextEdit* orderText() const;

public slots:
    // The precondition, then the preview; a refused precondition in the "Informacja" box.
    void runReport(const CatalogueReport& entry);
    // "Otwórz wskazany raport", "Zaproponuj raport", "Zobacz ofertę ...".
    void openIndividualReport();
    void proposeReport();
    void showReportOffer();
    // A consumption register's fuel kind changed: the reports' list shows it too.
    void setLpg(bool lpg);
    // The options changed: "Data wystawienia:" starts as they say.
    void setIssueDateShown(bool shown);

signals:
    // "Zestawienie roczne" passed its precondition: the vehicle of the filter and the year.
    void yearlySummaryRequested(qint64 vehicleKey, int year);
    // The consumption reports' fuel kind was chosen here; the data module already
    // switched every consumption register, their pages' lists should follow.
    void lpgChosen(bool lpg);

private:
    QWidget* subPage(ReportPage page);
    QWidget* individualPage();
    void reloadIndividualReports();

    TmyDataBase& m_db;
    MessageService& m_messages;
    const TconfigPP& m_options;
    Sources m_sources;
    ReportSelectors* m_selectors = nullptr;
    QTabWidget* m_tabs = nullptr;
    QComboBox* m_individual = nullptr;  // CBraportyPrywatne
    QList<ReportEntry> m_individualEntries;
};
