#include "shell/MainNavigation.h"

#include "shell/Navigation.h"

#include <QToolButton>
#include <QVBoxLayout>

MainNavigation::MainNavigation(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("NavigationBar"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("QWidget#NavigationBar { background: #26467f; }"));
    setFixedWidth(190);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 6, 4, 6);
    layout->setSpacing(2);
    const auto& groups = Navigation::groups();
    for (int g = 0; g < groups.size(); ++g) {
        auto* button = new QToolButton;
        button->setObjectName(groups[g].objectName);
        button->setText(groups[g].caption);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setMinimumHeight(30);
        style(button, false, false);
        connect(button, &QToolButton::clicked, this, [this, g] { emit groupClicked(g); });
        layout->addWidget(button);
        m_groups << button;

        auto* panel = new QWidget;
        auto* panelLayout = new QVBoxLayout(panel);
        panelLayout->setContentsMargins(10, 0, 0, 4);
        panelLayout->setSpacing(1);
        QList<QToolButton*> entries;
        for (int e = 0; e < groups[g].entries.size(); ++e) {
            auto* entry = new QToolButton;
            entry->setObjectName(groups[g].entries[e].objectName);
            entry->setText(groups[g].entries[e].caption);
            entry->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            entry->setMinimumHeight(24);
            style(entry, false, true);
            connect(entry, &QToolButton::clicked, this, [this, g, e] { emit entryClicked(g, e); });
            panelLayout->addWidget(entry);
            entries << entry;
        }
        panel->setVisible(false);
        layout->addWidget(panel);
        m_entries << entries;
        m_entryPanels << panel;
    }
    layout->addStretch(1);
}

void MainNavigation::style(QToolButton* button, bool chosen, bool entry) {
    button->setAutoRaise(!chosen);
    const QString base =
        entry ? QStringLiteral("text-align: left; padding: 2px 6px;")
              : QStringLiteral("text-align: left; padding: 4px 8px; font-weight: bold;");
    button->setStyleSheet(
        chosen ? QStringLiteral("QToolButton { %1 color: black; background: #e8eef8; "
                                "border: 1px solid #9fb3d9; border-radius: 3px; }")
                     .arg(base)
               : QStringLiteral("QToolButton { %1 color: white; background: transparent; "
                                "border: none; } QToolButton:hover { background: #3a5c99; } "
                                "QToolButton:disabled { color: #7d8fb8; font-style: italic; }")
                     .arg(base));
}

QToolButton* MainNavigation::entryButton(int group, int entry) const {
    return m_entries.value(group).value(entry);
}

void MainNavigation::markGroup(int group) {
    markEntry(group, -1);
}

void MainNavigation::markEntry(int group, int entry) {
    for (int g = 0; g < m_groups.size(); ++g) {
        style(m_groups[g], g == group, false);
        m_entryPanels[g]->setVisible(g == group && !m_entries[g].isEmpty());
        for (int e = 0; e < m_entries[g].size(); ++e)
            style(m_entries[g][e], g == group && e == entry, true);
    }
}
