#pragma once

#include <QList>
#include <QWidget>

class QToolButton;
class QVBoxLayout;

// The navigation bar on the left of the main window: the group buttons, and under the
// chosen group its register buttons. The chosen buttons stand out, the others are flat.
class MainNavigation : public QWidget {
    Q_OBJECT

public:
    explicit MainNavigation(QWidget* parent = nullptr);

    void markGroup(int group);
    void markEntry(int group, int entry);  // entry -1: the group alone
    QToolButton* groupButton(int group) const { return m_groups.value(group); }
    QToolButton* entryButton(int group, int entry) const;

signals:
    void groupClicked(int group);
    void entryClicked(int group, int entry);

private:
    static void style(QToolButton* button, bool chosen, bool entry);

    QList<QToolButton*> m_groups;
    QList<QList<QToolButton*>> m_entries;
    QList<QWidget*> m_entryPanels;
};
