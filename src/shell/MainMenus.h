#pragma once

#include "output/report/ReportCatalogue.h"

#include <QList>
#include <QObject>

class QAction;
class QMainWindow;
class QMenu;

// The menus and the tool bar of the main window: the record and list operations and
// their menu mirrors, a "Widok" entry for every page the navigation offers, logging off,
// the administration, the tools (notebook, notepad, the checks of terms and of the store)
// and help. The window connects the actions to its handlers by their
// object names and enables them by the user's rights.
class MainMenus : public QObject {
    Q_OBJECT

public:
    explicit MainMenus(QMainWindow* window);

    const QList<QAction*>& recordActions() const { return m_recordActions; }  // Dodaj ... Kopiuj
    const QList<QAction*>& listActions() const { return m_listActions; }      // Podgląd ... Szukaj
    QMenu* administration() const { return m_administration; }
    // tool0 .. tool15 of "Dodatki".
    const QList<QAction*>& addonActions() const { return m_addonActions; }
    QMenu* reports() const { return m_reports; }
    // The "Widok" entry of a navigation group (entry -1) or of one of its entries.
    QAction* viewEntry(int group, int entry) const;

signals:
    // "Widok": the same as the navigation's buttons.
    void groupChosen(int group);
    void entryChosen(int group, int entry);
    // "Raporty": a report by its name, and the page of a sub-menu being opened.
    void reportChosen(const QString& name);
    void reportPageChosen(ReportPage page);
    void individualReportChosen();  // "Otwórz wskazany raport"

private:
    QAction* make(const char* name, const QString& text, const QString& hint,
                  const QKeySequence& key);
    void createViewMenu(QMenu* view);
    void createReportsMenu(QMenu* reports);
    void mirror(QMenu* menu, QAction* source, const QString& text);

    QMainWindow* m_window;
    QList<QAction*> m_recordActions;
    QList<QAction*> m_listActions;
    QMenu* m_administration = nullptr;
    QList<QAction*> m_addonActions;
    QMenu* m_reports = nullptr;
    QList<QList<QAction*>> m_viewEntries;  // per group: the group's own entry, then each entry
};
