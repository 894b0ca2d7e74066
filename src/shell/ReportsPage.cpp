#include "shell/ReportsPage.h"

#include "shell/ProgressBox.h"

#include "admin/ConfigPP.h"
#include "data/TmyDataBase.h"
#include "output/report/ReportPreview.h"
#include "output/report/ReportTexts.h"
#include "shell/ReportSelectors.h"
#include "support/MessageService.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString kInformation = QStringLiteral("Informacja");

// The sub-pages' names, in the order of ReportPage.
const char* const kTabNames[] = {"Tab1", "Tab2", "Tab5", "Tab3", "Tab6", "Tab4"};

// Buttons read as a list of reports: captions to the left, as the menu shows them.
QPushButton* reportButton(const QString& objectName, const QString& caption) {
    auto* button = new QPushButton(caption + QStringLiteral("    "));
    button->setObjectName(objectName);
    button->setStyleSheet(QStringLiteral("QPushButton { text-align: left; padding: 5px 10px; }"));
    button->setAutoDefault(false);
    return button;
}

// Preparing a long report takes a moment; the cursor says so until the preview shows.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { release(); }
    void release() {
        if (m_active)
            QGuiApplication::restoreOverrideCursor();
        m_active = false;
    }

private:
    bool m_active = true;
};

}  // namespace

ReportsPage::ReportsPage(TmyDataBase& database, MessageService& messages, const TconfigPP& options,
                         Sources sources, QWidget* parent)
    : QWidget(parent),
      m_db(database),
      m_messages(messages),
      m_options(options),
      m_sources(std::move(sources)) {
    setObjectName(QStringLiteral("ReportsPage"));
    m_selectors = new ReportSelectors(m_db, m_options, this);
    connect(m_selectors, &ReportSelectors::lpgChosen, this, &ReportsPage::lpgChosen);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 6);
    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("Raporty"));
    for (int page = 0; page < int(std::size(kTabNames)); ++page) {
        const auto which = ReportPage(page);
        auto* scroll = new QScrollArea;
        scroll->setObjectName(QString::fromLatin1(kTabNames[page]));
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidget(which == ReportPage::Individual ? individualPage() : subPage(which));
        m_tabs->addTab(scroll, ReportCatalogue::pageCaption(which));
    }
    column->addWidget(m_tabs, 1);

    auto* note = new QLabel(
        QStringLiteral("Raporty zawierają dane ograniczone wskazaniami filtrów programu (zakres "
                       "dat, pojazd) i posortowane są w taki sposób jak odpowiadająca im tabela."));
    note->setObjectName(QStringLiteral("notaRaporty"));
    note->setWordWrap(true);
    column->addWidget(note);
    column->addWidget(m_selectors->issueDateRow());
}

QWidget* ReportsPage::subPage(ReportPage page) {
    QList<const CatalogueReport*> reports;
    for (const CatalogueReport& entry : ReportCatalogue::all()) {
        if (entry.page == page)
            reports << &entry;
    }
    auto* content = new QWidget;
    auto* row = new QHBoxLayout(content);
    row->setContentsMargins(10, 10, 10, 10);
    row->setSpacing(24);
    auto* buttons = new QGridLayout;
    buttons->setSpacing(4);
    // A long list in two columns, so that every button shows without scrolling.
    const int perColumn = reports.size() > 8 ? int(reports.size() + 1) / 2 : int(reports.size());
    for (int i = 0; i < reports.size(); ++i) {
        const CatalogueReport entry = *reports.at(i);
        QPushButton* button = reportButton(entry.handler, entry.caption);
        connect(button, &QPushButton::clicked, this, [this, entry] { runReport(entry); });
        buttons->addWidget(button, i % perColumn, i / perColumn);
    }
    buttons->setRowStretch(perColumn, 1);
    row->addLayout(buttons);
    if (QWidget* selectors = m_selectors->panel(page)) {
        selectors->setMinimumWidth(300);
        selectors->setMaximumWidth(460);
        row->addWidget(selectors, 1);
    }
    row->addStretch(0);
    return content;
}

QWidget* ReportsPage::individualPage() {
    auto* content = new QWidget;
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(10, 10, 10, 10);
    grid->setVerticalSpacing(10);
    auto* available = new QLabel(QStringLiteral("Dostępne raporty:"));
    available->setObjectName(QStringLiteral("CBraportyPrywatneLabel"));
    grid->addWidget(available, 0, 0);
    m_individual = new QComboBox;
    m_individual->setObjectName(QStringLiteral("CBraportyPrywatne"));
    m_individual->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_individual->setMinimumContentsLength(36);
    grid->addWidget(m_individual, 0, 1);
    QPushButton* open =
        reportButton(QStringLiteral("SpeedButton18"), QStringLiteral("Otwórz wskazany raport"));
    connect(open, &QPushButton::clicked, this, &ReportsPage::openIndividualReport);
    grid->addWidget(open, 0, 2);
    QPushButton* propose =
        reportButton(QStringLiteral("SpeedButton16"), QStringLiteral("Zaproponuj raport"));
    connect(propose, &QPushButton::clicked, this, &ReportsPage::proposeReport);
    grid->addWidget(propose, 2, 1, Qt::AlignLeft);
    QPushButton* offer =
        reportButton(QStringLiteral("SpeedButton48"),
                     QStringLiteral("Zobacz ofertę dostępnych raportów dodatkowych"));
    connect(offer, &QPushButton::clicked, this, &ReportsPage::showReportOffer);
    grid->addWidget(offer, 3, 1, Qt::AlignLeft);
    grid->setRowMinimumHeight(1, 12);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(3, 1);
    return content;
}

void ReportsPage::refresh() {
    m_selectors->refreshLists();
    reloadIndividualReports();
    m_selectors->refreshOrderNumbers();
}

void ReportsPage::refreshOrderNumbers() {
    m_selectors->refreshOrderNumbers();
}

void ReportsPage::reloadIndividualReports() {
    m_individualEntries = IndividualReports::load();
    m_individual->clear();
    for (const ReportEntry& entry : m_individualEntries)
        m_individual->addItem(entry.name);
    m_individual->setCurrentIndex(m_individualEntries.isEmpty() ? -1 : 0);
}

void ReportsPage::showSubPage(ReportPage page) {
    m_tabs->setCurrentIndex(int(page));
}

ReportPage ReportsPage::currentSubPage() const {
    return ReportPage(m_tabs->currentIndex());
}

ReportChoices ReportsPage::choices() const {
    ReportChoices c = m_selectors->choices();
    if (m_sources.selection)
        c.selection = m_sources.selection();
    c.company = m_sources.company ? m_sources.company() : m_db.companyDataName();
    c.translate = m_sources.translate;
    return c;
}

QPlainTextEdit* ReportsPage::orderText() const {
    return m_selectors->orderText();
}

void ReportsPage::runReport(const CatalogueReport& entry) {
    if (!m_selectors->issueDateValid()) {
        m_messages.information(QStringLiteral("Uwaga"),
                               QStringLiteral("Niepoprawny format daty wystawienia. Popraw pole"));
        m_selectors->issueDateEdit()->setFocus();
        return;
    }
    const ReportChoices c = choices();
    if (entry.run == ReportRun::YearlySummary) {
        // A registration the filter still shows but the database no longer holds counts
        // as no vehicle: the summary needs its key.
        ReportChoices tested = c;
        if (m_db.chosenVehicle().key < 0)
            tested.selection.vehicle.clear();
        const QString refused = ReportRunner::precondition(entry, tested);
        if (!refused.isEmpty()) {
            m_messages.information(kInformation, refused);
            return;
        }
        emit yearlySummaryRequested(m_db.chosenVehicle().key, c.selection.year);
        return;
    }
    BusyCursor busy;
    ReportOutcome outcome;
    {
        ProgressBox progress(this, QStringLiteral("Przygotowanie raportu"), true);
        outcome = ReportRunner::run(m_db, entry, c, m_options);
    }
    busy.release();
    switch (outcome.status) {
        case ReportOutcome::Status::Cancelled:
            return;  // stopped by the person: nothing to show
        case ReportOutcome::Status::Prepared: {
            ReportPreview preview(std::move(outcome.report), m_messages, window());
            preview.exec();
            return;
        }
        case ReportOutcome::Status::Refused:
            m_messages.information(kInformation, outcome.message);
            return;
        case ReportOutcome::Status::LayoutFailed:
            m_messages.information(ReportTexts::text(QStringLiteral("Błąd układu raportu")),
                                   outcome.message);
            return;
        case ReportOutcome::Status::Failed:
            // A database failure has been reported already; anything else is told here.
            if (!outcome.message.isEmpty())
                m_messages.information(kInformation, outcome.message);
            return;
    }
}

void ReportsPage::openIndividualReport() {
    IndividualReports::Credentials credentials;
    if (m_sources.credentials)
        credentials = m_sources.credentials();
    if (credentials.location.isEmpty())
        credentials.location =
            IndividualReports::companyLocation(m_db.location(), m_db.companyDir());
    const IndividualReports::Launch launched = IndividualReports::launch(
        m_individualEntries, m_individual->currentIndex(), credentials, this);
    if (launched.status != IndividualReports::Launch::Status::Started)
        m_messages.information(kInformation, launched.message);
}

void ReportsPage::proposeReport() {
    QDesktopServices::openUrl(QUrl(m_options.URLRaporty));
}

void ReportsPage::showReportOffer() {
    QDesktopServices::openUrl(QUrl(m_options.URLOfertaRaporty));
}

void ReportsPage::setIssueDateShown(bool shown) {
    m_selectors->setIssueDateShown(shown);
}

void ReportsPage::setLpg(bool lpg) {
    m_selectors->setLpg(lpg);
}
