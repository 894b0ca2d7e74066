#include "shell/uMain.h"

#include "data/TmyDataBase.h"
#include "output/CsvExport.h"
#include "output/Sums.h"
#include "output/uKsiegowanie.h"
#include "output/uSprawdzenieDat.h"
#include "output/uSumy.h"
#include "registers/QuietTeardown.h"
#include "registers/uNotatki.h"
#include "shell/ChartsPage.h"
#include "shell/CostsFilters.h"
#include "shell/FilterBar.h"
#include "shell/FindDialog.h"
#include "shell/MainMenus.h"
#include "shell/MainNavigation.h"
#include "shell/MessagePage.h"
#include "shell/Navigation.h"
#include "shell/PageWindows.h"
#include "shell/RecordDeletion.h"
#include "shell/RecordEditors.h"
#include "shell/RegisterGrid.h"
#include "shell/RegisterPage.h"
#include "shell/ReportsPage.h"
#include "shell/StartPage.h"
#include "shell/StartupReminders.h"
#include "shell/TextPanes.h"
#include "shell/uAbout.h"
#include "shell/uFiszka.h"
#include "shell/uNews.h"
#include "shell/uPoradaDnia.h"
#include "support/MessageService.h"
#include "support/OVUtilities.h"
#include "support/news/SupportMail.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDesktopServices>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

TfMain::TfMain(TmyDataBase& database, MessageService& messages, TconfigPP& config,
               SettingsFile* settings, QWidget* parent)
    : QMainWindow(parent),
      m_db(database),
      m_messages(messages),
      m_config(config),
      m_settings(settings) {
    setObjectName(QStringLiteral("TfMain"));
    setWindowTitle(QStringLiteral("Flotanor ") + version());
    setProperty("composedText", true);
    m_rights.set();
    m_tips.loadFirstAvailable(TOVUtilities::defaultDataDirectory() + QStringLiteral("/porady.dat"));
    setCentralWidget(createCentre());
    createActions();

    m_dateLabel = new QLabel;
    m_dateLabel->setObjectName(QStringLiteral("StatusData"));
    m_companyLabel = new QLabel;
    m_companyLabel->setObjectName(QStringLiteral("StatusFirma"));
    m_companyLabel->setProperty("composedText", true);
    m_hintLabel = new QLabel;
    m_hintLabel->setObjectName(QStringLiteral("StatusHint"));
    statusBar()->addWidget(m_dateLabel);
    statusBar()->addWidget(m_companyLabel);
    statusBar()->addWidget(m_hintLabel, 1);
    statusBar()->setSizeGripEnabled(true);

    m_find = new FindDialog(this);
    m_sums = new TfSumy(this);
    m_checks = new TfSprawdzenieDat(m_db, m_messages, this);
    connect(m_find, &FindDialog::findNext, this, &TfMain::FindTextFind);
    m_fiszka = new TfFiszka(this);

    if (m_config.mainWinWidth >= 0 && m_config.mainWinHeight >= 0)
        resize(std::max(m_config.mainWinWidth, 640), std::max(m_config.mainWinHeight, 480));
    else
        resize(1280, 800);
    m_ignoreResize = false;
    m_start->notepad()->setPlainText(TextPanes::load(TextPanes::notepadFile()));
    m_reports->orderText()->setPlainText(TextPanes::load(TextPanes::orderTextFile()));
    // A resize is stored once the user has stopped dragging.
    m_saveSize = new QTimer(this);
    m_saveSize->setSingleShot(true);
    m_saveSize->setInterval(600);
    connect(m_saveSize, &QTimer::timeout, this, [this] {
        m_config.mainWinWidth = width();
        m_config.mainWinHeight = height();
        if (m_settings)
            m_settings->save(m_config);
    });
    m_start->setLink(m_config.URLMain);
    showStartPage();
}

TfMain::~TfMain() {
    quietTeardown(this);
}

QAction* TfMain::action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

void TfMain::createActions() {
    m_menus = new MainMenus(this);
    m_recordActions = m_menus->recordActions();
    m_listActions = m_menus->listActions();
    const std::pair<const char*, std::function<void()>> handlers[] = {
        {"SBDodaj", [this] { SBDodajClick(); }},
        {"SBEdytuj", [this] { SBEdytujClick(); }},
        {"SBUsun", [this] { SBUsunClick(); }},
        {"SBKopiuj", [this] { SBKopiujClick(); }},
        {"SBPodglad", [this] { SBPodgladClick(); }},
        {"SBDrukuj", [this] { SBDrukujClick(); }},
        {"SBcsv", [this] { SBcsvClick(); }},
        {"SBSzukaj", [this] { SBSzukajClick(); }},
        // Always at hand: off a register it shows the prompt to choose one.
        {"SBSuma", [this] { SBSumaClick(); }},
        {"SBFiszka",
         [this] {
             m_fiszka->setVisible(!m_fiszka->isVisible());
             if (m_fiszka->isVisible())
                 m_fiszka->raise();
         }},
        {"Notatnik1",
         [this] { TfNotatki::open(this, m_db, m_messages, m_config.pytajPrzedKasowaniem); }},
        {"sprawdzajTermin1",
         [this] { m_checks->run({.dates = true, .odometer = true}, m_config); }},
        {"SprawdzMagazyn1", [this] { m_checks->run({.store = true}, m_config); }},
        {"Wyloguj1", [this] { logOff(); }},
        {"Zakoncz1", [this] { close(); }},
        {"Uzytkownicy1", [this] { emit usersRequested(); }},
        {"AdministracjaBaza1", [this] { emit databaseAdministrationRequested(); }},
        {"ArchiwizacjaBazyDanych1", [this] { emit archiveRequested(); }},
        {"Opcje1", [this] { openOptions(); }},
        {"instalujDodatki1", [this] { installAddon(); }},
        {"Pomoc2", [this] { openManual(); }},
        {"Wiadomosci1", [this] { TfNews(m_config, this).exec(); }},
        {"Aktualizacja1", [this] { checkForUpdates(); }},
        {"PomocTechniczna1",
         [this] { QDesktopServices::openUrl(SupportMail::helpRequest(m_config.Email)); }},
        {"Oprogramie1", [this] { TfAbout(m_config, this).exec(); }},
        {"Importdanych1", [this] { openImport(0); }},
        {"Import1", [this] { openImport(1); }},
        {"ImporttankowaniaKmMthzarkuszaCSV1", [this] { openImport(2); }},
        {"ImporttankowaniaMthzarkuszaCSV1", [this] { openImport(3); }},
        {"PoradaDnia1",
         [this] {
             TfPoradaDnia tip(&m_tips, this);
             tip.setDontShow(!m_config.pokazujPoradeDnia);
             tip.exec();
             m_config.pokazujPoradeDnia = !tip.dontShow();
             if (m_settings)
                 m_settings->save(m_config);
         }},
    };
    for (const auto& [name, handler] : handlers)
        connect(action(QString::fromLatin1(name)), &QAction::triggered, this, handler);
    for (int slot = 0; slot < m_menus->addonActions().size(); ++slot)
        connect(m_menus->addonActions()[slot], &QAction::triggered, this,
                [this, slot] { startAddon(slot); });
    refreshAddonEntries();
    connect(m_menus, &MainMenus::groupChosen, this, &TfMain::groupClicked);
    connect(m_menus, &MainMenus::entryChosen, this, &TfMain::entryClicked);
    connect(m_menus, &MainMenus::reportPageChosen, this, [this](ReportPage page) {
        m_reports->refresh();
        m_reports->showSubPage(page);
    });
    connect(m_menus, &MainMenus::individualReportChosen, this,
            [this] { m_reports->openIndividualReport(); });
    connect(m_menus, &MainMenus::reportChosen, this, [this](const QString& name) {
        if (const CatalogueReport* entry = ReportCatalogue::byName(name))
            m_reports->runReport(*entry);
    });
}

QWidget* TfMain::createCentre() {
    auto* centre = new QWidget;
    auto* outer = new QHBoxLayout(centre);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    m_navigation = new MainNavigation;
    connect(m_navigation, &MainNavigation::groupClicked, this, &TfMain::groupClicked);
    connect(m_navigation, &MainNavigation::entryClicked, this, &TfMain::entryClicked);
    outer->addWidget(m_navigation);

    auto* right = new QWidget;
    auto* column = new QVBoxLayout(right);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_stack = new QStackedWidget;
    m_stack->setObjectName(QStringLiteral("Pages"));
    m_start = new StartPage;
    m_stack->addWidget(m_start);
    m_groupStart = new MessagePage(QStringLiteral("GroupStart"),
                                   QStringLiteral("Aby edytować kliknij właściwą ikonę po lewo"));
    m_stack->addWidget(m_groupStart);
    ReportsPage::Sources sources;
    sources.selection = [this] { return m_filters->selection(); };
    sources.company = [this] { return m_companyLabel->text(); };
    sources.credentials = [this] { return m_credentials; };
    m_reports = new ReportsPage(m_db, m_messages, m_config, sources);
    m_stack->addWidget(m_reports);
    connect(m_reports, &ReportsPage::yearlySummaryRequested, this, &TfMain::showYearlySummary);
    // The reports' fuel kind switches the three consumption registers.
    connect(m_reports, &ReportsPage::lpgChosen, this, [this](bool lpg) {
        for (RegisterPage* p : m_pages) {
            if (!p->fuelKindList())
                continue;
            const QSignalBlocker quiet(p->fuelKindList());
            p->fuelKindList()->setCurrentIndex(lpg ? 1 : 0);
            relist(p->registerId());
        }
    });
    m_charts = new ChartsPage(m_db, m_messages);
    m_stack->addWidget(m_charts);
    for (const RegisterDescriptor& d : Registers::all()) {
        auto* page = new RegisterPage(d.id);
        m_stack->addWidget(page);
        m_pages << page;
        const RegisterId id = d.id;
        connect(page->grid(), &RegisterGrid::openRecord, this, &TfMain::SBEdytujClick);
        connect(page->grid(), &RegisterGrid::titleClicked, this,
                [this, id](int c) { sortByTitle(id, c); });
        page->grid()->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(page->grid(), &QWidget::customContextMenuRequested, this,
                [this, page](const QPoint& at) {
                    QMenu menu;
                    const QStringList texts = {
                        QStringLiteral("Dodaj pozycję"), QStringLiteral("Edytuj pozycję"),
                        QStringLiteral("Usuń pozycję"), QStringLiteral("Kopiuj pozycję")};
                    for (int i = 0; i < m_recordActions.size(); ++i) {
                        QAction* item = menu.addAction(texts[i]);
                        item->setEnabled(m_recordActions[i]->isEnabled());
                        connect(item, &QAction::triggered, m_recordActions[i], &QAction::trigger);
                    }
                    menu.exec(page->grid()->viewport()->mapToGlobal(at));
                });
        if (page->fuelKindList()) {
            connect(page, &RegisterPage::fuelKindChanged, this, [this, id](bool lpg) {
                m_db.setLpg(id, lpg);
                m_reports->setLpg(lpg);
                relist(id);
            });
        }
        if (page->costsFilters())
            connect(page->costsFilters(), &CostsFilters::changed, this, &TfMain::applyFilters);
    }
    column->addWidget(m_stack, 1);
    m_filters = new FilterBar;
    m_filters->setAutoFillBackground(true);
    connect(m_filters, &FilterBar::periodChanged, this, &TfMain::applyFilters);
    connect(m_filters, &FilterBar::vehicleChanged, this, &TfMain::applyFilters);
    column->addWidget(m_filters);
    outer->addWidget(right, 1);
    return centre;
}

RegisterPage* TfMain::page(RegisterId id) const {
    return m_pages.value(int(id));
}

void TfMain::setRights(const std::bitset<101>& rights) {
    m_rights = rights;
    auto allowed = [this](int right) { return right < 0 || m_rights.test(size_t(right)); };
    m_menus->administration()->menuAction()->setEnabled(m_rights.test(0));
    m_menus->reports()->menuAction()->setEnabled(m_rights.test(17));  // "Raporty"
    action(QStringLiteral("Notatnik1"))
        ->setEnabled(m_rights.test(StartupReminders::kNotebookRight));
    for (const char* checks : {"sprawdzajTermin1", "SprawdzMagazyn1"})
        action(QString::fromLatin1(checks))
            ->setEnabled(m_rights.test(StartupReminders::kChecksRight));
    action(QStringLiteral("Opcje1"))->setEnabled(m_rights.test(26));
    action(QStringLiteral("instalujDodatki1"))->setEnabled(m_rights.test(30));
    for (QAction* tool : m_menus->addonActions())
        tool->setEnabled(m_rights.test(29));
    // An import writes into its register: it takes that register's write right too.
    const std::pair<const char*, RegisterId> imports[] = {
        {"Importdanych1", RegisterId::Koszty},
        {"Import1", RegisterId::Zuzycie},
        {"ImporttankowaniaKmMthzarkuszaCSV1", RegisterId::ZuzycieKm},
        {"ImporttankowaniaMthzarkuszaCSV1", RegisterId::ZuzycieMth}};
    for (const auto& [name, id] : imports)
        action(QString::fromLatin1(name))->setEnabled(allowed(Registers::get(id).writeRight));
    // Every page the navigation offers: its button and its "Widok" entry.
    const auto& groups = Navigation::groups();
    for (int g = 0; g < groups.size(); ++g) {
        const bool group = allowed(Navigation::readRight(groups[g]));
        m_navigation->groupButton(g)->setEnabled(group);
        m_menus->viewEntry(g, -1)->setEnabled(group);
        for (int e = 0; e < groups[g].entries.size(); ++e) {
            const bool entry = allowed(Navigation::readRight(groups[g].entries[e]));
            m_navigation->entryButton(g, e)->setEnabled(entry);
            m_menus->viewEntry(g, e)->setEnabled(entry);
        }
    }
    // A page the user may no longer see gives way to the start page.
    if (m_current && !allowed(Registers::get(*m_current).readRight))
        showStartPage();
    else if (m_current)
        enableRecordActions(true, m_rights.test(size_t(Registers::get(*m_current).writeRight)));
    if (m_stack->currentWidget() == m_reports && !allowed(17))
        showStartPage();
}

void TfMain::startSession(const QString& companyName, const QString& userText) {
    m_companyLabel->setText(companyName);
    m_dateLabel->setText(TOVUtilities().dateNumberToText(QDate::currentDate().year() * 10000LL +
                                                         QDate::currentDate().month() * 100 +
                                                         QDate::currentDate().day()));
    const QString fullName = m_db.companyDataName();
    m_start->setCompany(fullName.trimmed().isEmpty() ? companyName : fullName);
    m_start->setUser(userText);
    m_fiszka->resetText();
    m_fiszka->hide();
    m_find->hide();
    for (RegisterPage* page : m_pages) {
        page->model().setTable(nullptr);
        if (page->fuelKindList())
            page->fuelKindList()->setCurrentIndex(0);
        if (page->costsFilters())
            page->costsFilters()->reset();
    }
    m_db.setLpg(false);
    m_filters->reset();
    fillVehicleList();
    showStartPage();
}

void TfMain::rereadSession(const QString& userText) {
    m_start->setUser(userText);
    const QString fullName = m_db.companyDataName();
    if (!fullName.trimmed().isEmpty())
        m_start->setCompany(fullName);
    showStartPage();
    // Each register reads its rows again when it is next shown.
    for (RegisterPage* page : m_pages)
        page->model().setTable(nullptr);
    fillVehicleList();  // the vehicle chosen stays chosen while it exists
}

void TfMain::runStartupReminders() {
    // The tip of the day as "Porada dnia" shows it, its option written back; then the rest.
    if (m_config.pokazujPoradeDnia && m_tips.count() > 0)
        action(QStringLiteral("PoradaDnia1"))->trigger();
    StartupReminders::run(*m_checks, this, m_db, m_messages, m_config, m_rights);
}

void TfMain::enableRecordActions(bool onRegister, bool canWrite) {
    for (QAction* act : m_recordActions)
        act->setEnabled(onRegister && canWrite);
    for (QAction* act : m_listActions)
        act->setEnabled(onRegister);
}

void TfMain::showStartPage() {
    m_current.reset();
    m_navigation->markGroup(0);
    m_stack->setCurrentWidget(m_start);
    enableRecordActions(false, false);
}

void TfMain::groupClicked(int group) {
    const Navigation::Group& g = Navigation::groups().at(group);
    switch (g.page) {
        case Navigation::Page::Start:
            showStartPage();
            return;
        case Navigation::Page::Register:
            showRegister(*g.registerId);
            return;
        default:
            break;
    }
    m_current.reset();
    m_navigation->markGroup(group);
    m_stack->setCurrentWidget(g.page == Navigation::Page::Reports  ? m_reports
                              : g.page == Navigation::Page::Charts ? m_charts
                                                                   : m_groupStart);
    if (g.page == Navigation::Page::Reports)
        m_reports->refresh();
    if (g.page == Navigation::Page::Charts)
        m_charts->refresh();
    enableRecordActions(false, false);
}

void TfMain::entryClicked(int group, int entry) {
    const Navigation::Entry& e = Navigation::groups().at(group).entries.at(entry);
    if (e.registerId) {
        showRegister(*e.registerId);
        return;
    }
    if (!PageWindows::has(e.page)) {
        notYetAvailable(e.caption.trimmed());
        return;
    }
    const PageWindows::Request request{this, m_db, m_messages, m_rights,
                                       m_config.pytajPrzedKasowaniem};
    // Only the company data changes what the window shows: the company's full name.
    if (PageWindows::open(e.page, request)) {
        const QString fullName = m_db.companyDataName();
        if (!fullName.trimmed().isEmpty())
            m_start->setCompany(fullName);
    }
}

void TfMain::showRegister(RegisterId id) {
    const auto& groups = Navigation::groups();
    for (int g = 0; g < groups.size(); ++g) {
        if (groups[g].registerId == id)
            m_navigation->markEntry(g, -1);
        for (int e = 0; e < groups[g].entries.size(); ++e) {
            if (groups[g].entries[e].registerId == id)
                m_navigation->markEntry(g, e);
        }
    }
    m_current = id;
    RegisterPage* p = page(id);
    m_stack->setCurrentWidget(p);
    if (p->costsFilters()) {
        p->costsFilters()->setCostCentres(m_db.lookups().dictionary(QStringLiteral("CKKOD")));
        p->costsFilters()->setRoadCards(m_db.lookups().roadCards());
    }
    relist(id);
    p->grid()->setFocus();
    enableRecordActions(true, m_rights.test(size_t(Registers::get(id).writeRight)));
}

void TfMain::relist(RegisterId id) {
    page(id)->relist(m_db);
}

void TfMain::refreshRegisterOnScreen() {
    if (!m_current)
        return;
    // The store, rates and persons have no period or vehicle: a filter leaves them.
    if (*m_current == RegisterId::Magazyn || *m_current == RegisterId::Stawki ||
        *m_current == RegisterId::Osobowa)
        return;
    relist(*m_current);
}

void TfMain::applyFilters() {
    FilterSelection selection = m_filters->selection();
    page(RegisterId::Koszty)->costsFilters()->apply(&selection);
    const VehicleInfo vehicle = m_db.applySelection(selection);
    for (RegisterId id : {RegisterId::Zuzycie, RegisterId::ZuzycieKm, RegisterId::ZuzycieMth})
        page(id)->showVehicle(vehicle);
    refreshRegisterOnScreen();
}

void TfMain::fillVehicleList() {
    m_filters->setVehicles(m_db.lookups().registrations());
    applyFilters();
}

void TfMain::sortByTitle(RegisterId id, int column) {
    const RegisterDescriptor& d = Registers::get(id);
    if (column < 0 || column >= d.columns.size() || !m_db.sortByColumn(id, d.columns[column].field))
        return;
    relist(id);
}

void TfMain::notYetAvailable(const QString& what) {
    m_messages.information(QStringLiteral("Informacja"),
                           what + QStringLiteral(" będzie dostępne w kolejnej wersji programu."));
}

void TfMain::setCredentials(const QString& user, const QString& password) {
    m_credentials = {user, password, {}};
}

void TfMain::showYearlySummary(qint64 vehicleKey, int year) {
    const ReportChoices choices = m_reports->choices();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    statusBar()->showMessage(QStringLiteral("Proszę czekać..."));
    // The year is read before the window's own event loop starts; the notice goes with it.
    QTimer::singleShot(0, this, [this] {
        QApplication::restoreOverrideCursor();
        statusBar()->clearMessage();
    });
    TfKsiegowanie::showSummary(this, m_db, m_messages, m_config, vehicleKey, year,
                               m_companyLabel->text(), choices.issueDate);
}

void TfMain::SBcsvClick() {
    if (!m_current)
        return;
    CsvExport::run(page(*m_current)->model(), Navigation::captionOf(*m_current), m_messages);
}

void TfMain::SBSzukajClick() {
    if (!m_current)
        return;
    page(*m_current)->grid()->setCurrentRow(0);
    m_search.start();
    m_find->show();
    m_find->raise();
    m_find->field()->setFocus();
}

void TfMain::FindTextFind(const QString& text) {
    if (!m_current)
        return;
    RegisterPage* p = page(*m_current);
    const RegisterSearch::Result result = m_search.step(p->model(), p->grid()->currentRow(), text);
    if (!result.row)
        return;
    p->grid()->setCurrentRow(*result.row);
    if (result.wrapped)
        m_messages.information(QStringLiteral("Informacja"), RegisterSearch::notFoundMessage());
}

void TfMain::saveTextPanes() {
    TextPanes::save(TextPanes::notepadFile(), m_start->notepad()->toPlainText());
    TextPanes::save(TextPanes::orderTextFile(), m_reports->orderText()->toPlainText());
}

void TfMain::logOff() {
    saveTextPanes();
    m_fiszka->hide();
    m_find->hide();
    m_sums->hide();
    m_checks->hide();
    showStartPage();
    emit logOffRequested();
}

bool TfMain::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        m_hintLabel->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TfMain::closeEvent(QCloseEvent* event) {
    if (m_config.pytajPrzedZamknieciem &&
        !m_messages.question(QStringLiteral("Pytanie"),
                             QStringLiteral("Czy zakończyć pracę i zamknąć program?"))) {
        event->ignore();
        return;
    }
    saveTextPanes();
    m_find->hide();
    m_fiszka->hide();
    event->accept();
}

void TfMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!m_ignoreResize && isVisible())
        m_saveSize->start();
}

void TfMain::SBSumaClick() {
    // Pages without a register show the prompt caption above one empty column.
    m_sums->showSheet(m_current ? Sums::compute(m_db, *m_current, m_db.filter(*m_current))
                                : SumsSheet());
}
