#include "shell/MainMenus.h"

#include "data/registers/RegisterDescriptor.h"
#include "shell/MenuAccelerators.h"
#include "shell/Navigation.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

MainMenus::MainMenus(QMainWindow* window) : QObject(window), m_window(window) {
    m_recordActions = {
        make("SBDodaj", QStringLiteral("Dodaj"), QStringLiteral("Dodaj nową pozycję"),
             QKeySequence(Qt::Key_Insert)),
        make("SBEdytuj", QStringLiteral("Edytuj"), QStringLiteral("Edytuj zaznaczoną pozycję"),
             QKeySequence(Qt::Key_F2)),
        make("SBUsun", QStringLiteral("Usuń"), QStringLiteral("Usuń zaznaczoną pozycję"),
             QKeySequence(Qt::Key_Delete)),
        make("SBKopiuj", QStringLiteral("Kopiuj"),
             QStringLiteral("Dodaj nową pozycję na podstawie zaznaczonej"), {}),
    };
    m_listActions = {
        make("SBPodglad", QStringLiteral("Podgląd"), QStringLiteral("Podgląd danych"), {}),
        make("SBDrukuj", QStringLiteral("Drukuj"), QStringLiteral("Drukuj wskazaną pozycję"),
             QKeySequence::Print),
        make("SBcsv", QStringLiteral("do CSV"), QStringLiteral("Zapisz tabelę do arkusza CSV"), {}),
        make("SBSzukaj", QStringLiteral("Szukaj"),
             QStringLiteral("Szukaj informacji w powyższej tabeli"), QKeySequence::Find),
    };
    QAction* sums = make("SBSuma", QStringLiteral("Przelicz sumy  "),
                         QStringLiteral("Sumuj kolumny tabeli"), {});
    QAction* fiszka = make("SBFiszka", QStringLiteral("Fiszka"),
                           QStringLiteral("Podręczny notatnik na informacje tymczasowe"), {});

    QMenuBar* bar = window->menuBar();
    QMenu* data = bar->addMenu(QStringLiteral("&Dane"));
    data->setObjectName(QStringLiteral("Dane1"));
    data->addAction(make("Opcje1", QStringLiteral("Opcje"), {}, {}));
    data->addSeparator();
    data->addAction(make("Wyloguj1", QStringLiteral("Wyloguj się..."), {}, {}));
    data->addSeparator();
    data->addAction(make("Zakoncz1", QStringLiteral("Zakończ"), {}, {}));

    m_administration = bar->addMenu(QStringLiteral("&Administracja"));
    m_administration->setObjectName(QStringLiteral("Administracja1"));
    m_administration->addAction(
        make("Uzytkownicy1", QStringLiteral("Zarządzanie użytkownikami"), {}, {}));
    m_administration->addAction(
        make("AdministracjaBaza1", QStringLiteral("Administracja bazą danych"), {}, {}));
    m_administration->addAction(
        make("ArchiwizacjaBazyDanych1", QStringLiteral("Archiwizacja bazy danych"), {}, {}));
    m_administration->addSeparator();
    m_administration->addAction(
        make("Importdanych1", QStringLiteral("Import kosztów z arkusza .CSV"), {}, {}));
    m_administration->addAction(
        make("Import1", QStringLiteral("Import taknowania (ciągłe) z arkusza .CSV"), {}, {}));
    m_administration->addAction(make("ImporttankowaniaKmMthzarkuszaCSV1",
                                     QStringLiteral("Import tankowania Km z arkusza .CSV"), {},
                                     {}));
    m_administration->addAction(make("ImporttankowaniaMthzarkuszaCSV1",
                                     QStringLiteral("Import tankowania Mth z arkusza .CSV"), {},
                                     {}));

    QMenu* view = bar->addMenu(QStringLiteral("&Widok"));
    view->setObjectName(QStringLiteral("Widok1"));
    createViewMenu(view);

    QMenu* edit = bar->addMenu(QStringLiteral("&Edycja"));
    edit->setObjectName(QStringLiteral("Edycja1"));
    const QStringList recordTexts = {QStringLiteral("Dodaj"), QStringLiteral("Edytuj"),
                                     QStringLiteral("Kasuj"), QStringLiteral("Kopiuj")};
    for (int i = 0; i < m_recordActions.size(); ++i)
        mirror(edit, m_recordActions[i], recordTexts[i]);
    edit->addSeparator();
    const QStringList listTexts = {QStringLiteral("Podgląd"), QStringLiteral("Drukuj"),
                                   QStringLiteral("Zapisz do CSV"), QStringLiteral("Szukaj")};
    for (int i = 0; i < m_listActions.size(); ++i)
        mirror(edit, m_listActions[i], listTexts[i]);
    mirror(edit, sums, QStringLiteral("Przelicz sumy"));

    createReportsMenu(bar->addMenu(QStringLiteral("&Raporty")));

    QMenu* toolsMenu = bar->addMenu(QStringLiteral("&Narzędzia"));
    toolsMenu->setObjectName(QStringLiteral("Narzedzia1"));
    toolsMenu->addAction(make("Notatnik1", QStringLiteral("Notatnik"),
                              QStringLiteral("Notatki z terminami przypomnienia"), {}));
    toolsMenu->addAction(fiszka);
    toolsMenu->addSeparator();
    toolsMenu->addAction(make("sprawdzajTermin1", QStringLiteral("Sprawdź terminy"), {}, {}));
    toolsMenu->addAction(
        make("SprawdzMagazyn1", QStringLiteral("Sprawdź stany magazynowe"), {}, {}));
    QMenu* addons = bar->addMenu(QStringLiteral("D&odatki"));
    addons->setObjectName(QStringLiteral("Dodatki1"));
    addons->addAction(make("instalujDodatki1", QStringLiteral("Zainstaluj dodatek"), {}, {}));
    addons->addSeparator();
    // The sixteen slots; each shows while its slot has a name.
    for (int slot = 0; slot < 16; ++slot) {
        QAction* tool = make(qPrintable(QStringLiteral("tool%1").arg(slot)), {}, {}, {});
        tool->setVisible(false);
        addons->addAction(tool);
        m_addonActions << tool;
    }
    QMenu* help = bar->addMenu(QStringLiteral("Pomo&c"));
    help->setObjectName(QStringLiteral("Pomoc1"));
    help->addAction(make("Pomoc2", QStringLiteral("Pomoc"), {}, QKeySequence(Qt::Key_F1)));
    help->addAction(make("Wiadomosci1", QStringLiteral("Pokaż najświeższe wiadomości"), {}, {}));
    help->addAction(make("Aktualizacja1", QStringLiteral("Sprawdź aktualizację programu"), {}, {}));
    help->addSeparator();
    help->addAction(
        make("PomocTechniczna1", QStringLiteral("Pomoc techniczna via Internet"), {}, {}));
    help->addAction(make("PoradaDnia1", QStringLiteral("Porada dnia"), {}, {}));
    help->addSeparator();
    help->addAction(make("Oprogramie1", QStringLiteral("O prog&ramie"), {}, {}));

    QToolBar* tools = window->addToolBar(QStringLiteral("Narzędzia"));
    tools->setObjectName(QStringLiteral("ToolBar"));
    tools->setMovable(false);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->addActions(m_recordActions);
    tools->addSeparator();
    tools->addActions(m_listActions);
    tools->addAction(sums);
    tools->addSeparator();
    tools->addAction(fiszka);
    // Every item reachable from the keyboard: Alt and the menu's letter, then the item's.
    for (QAction* title : bar->actions()) {
        if (QMenu* menu = title->menu())
            MenuAccelerators::keep(menu);
    }
}

QAction* MainMenus::make(const char* name, const QString& text, const QString& hint,
                         const QKeySequence& key) {
    auto* act = new QAction(text, m_window);
    act->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty()) {
        act->setToolTip(hint);
        act->setStatusTip(hint);
    }
    if (!key.isEmpty())
        act->setShortcut(key);
    return act;
}

// A menu entry that mirrors a tool button and follows its state.
void MainMenus::mirror(QMenu* menu, QAction* source, const QString& text) {
    QAction* entry = menu->addAction(text);
    entry->setObjectName(source->objectName() + QStringLiteral("Menu"));
    entry->setStatusTip(source->statusTip());
    connect(entry, &QAction::triggered, source, &QAction::trigger);
    connect(source, &QAction::enabledChanged, entry, &QAction::setEnabled);
}

// Every report of the catalogue under the sub-menu of its page of the reports page; the
// two pages of other reports share one sub-menu. Showing a sub-menu selects its page.
void MainMenus::createReportsMenu(QMenu* reports) {
    reports->setObjectName(QStringLiteral("Raporty1"));
    m_reports = reports;
    const std::pair<ReportPage, QString> menus[] = {
        {ReportPage::Vehicles, QStringLiteral("Raporty wg pojazdów")},
        {ReportPage::Drivers, QStringLiteral("Raporty wg kierowców")},
        {ReportPage::RoadCards, QStringLiteral("Karty drogowe")},
        {ReportPage::Other1, QStringLiteral("Pozostałe raporty 1")},
        {ReportPage::Individual, QStringLiteral("Indywidualne")},
    };
    for (const auto& [page, caption] : menus) {
        QMenu* sub = reports->addMenu(caption);
        sub->setObjectName(QStringLiteral("RaportyMenu%1").arg(int(page)));
        connect(sub, &QMenu::aboutToShow, this, [this, page] { emit reportPageChosen(page); });
        for (const CatalogueReport& entry : ReportCatalogue::all()) {
            const bool here = entry.page == page ||
                              (page == ReportPage::Other1 && entry.page == ReportPage::Other2);
            if (!here)
                continue;
            QAction* act = sub->addAction(entry.caption, this,
                                          [this, name = entry.name] { emit reportChosen(name); });
            act->setObjectName(QStringLiteral("Raport_") + entry.name);
        }
        if (page == ReportPage::Individual)
            sub->addAction(QStringLiteral("Otwórz wskazany raport"), this,
                           [this] { emit individualReportChosen(); })
                ->setObjectName(QStringLiteral("Raport_indywidualny"));
    }
}

// Every page the navigation offers: a group of its own (Start, Pojazdy, Raporty,
// Wykresy) as an entry, a group of registers and windows as a submenu.
void MainMenus::createViewMenu(QMenu* view) {
    const auto& groups = Navigation::groups();
    for (int g = 0; g < groups.size(); ++g) {
        const Navigation::Group& group = groups[g];
        QList<QAction*> entries;
        auto name = [](const Navigation::Entry& entry) {
            return entry.registerId
                       ? QStringLiteral("Widok_") + Registers::get(*entry.registerId).name
                       : entry.objectName + QStringLiteral("Menu");
        };
        if (group.entries.isEmpty()) {
            QAction* own =
                view->addAction(group.caption.trimmed(), this, [this, g] { emit groupChosen(g); });
            own->setObjectName(group.registerId ? QStringLiteral("Widok_") +
                                                      Registers::get(*group.registerId).name
                                                : group.objectName + QStringLiteral("Menu"));
            entries << own;
        } else {
            QMenu* sub = view->addMenu(group.caption);
            sub->setObjectName(group.objectName + QStringLiteral("Menu"));
            entries << sub->menuAction();
            for (int e = 0; e < group.entries.size(); ++e) {
                QAction* entry = sub->addAction(group.entries[e].caption.trimmed(), this,
                                                [this, g, e] { emit entryChosen(g, e); });
                entry->setObjectName(name(group.entries[e]));
                entries << entry;
            }
        }
        m_viewEntries << entries;
    }
}

QAction* MainMenus::viewEntry(int group, int entry) const {
    return m_viewEntries.value(group).value(entry + 1);
}
