#pragma once

#include <QWidget>
#include <array>

class ChartSubPage;
class MessageService;
class QTabWidget;
class TmyDataBase;

// The charts page of the main window: six sub-pages, one per chart (fuel prices, the three
// kinds of consumption, distance and costs per month). Each chart has its own period and
// series; the filters of the main window are neither read nor changed.
class ChartsPage : public QWidget {
    Q_OBJECT

public:
    ChartsPage(TmyDataBase& database, MessageService& messages, QWidget* parent = nullptr);

    // When the page is shown: the vehicles, fuel kinds and kinds of expense read again.
    void refresh();

    QTabWidget* tabs() const { return m_tabs; }
    ChartSubPage* subPage(int index) const { return m_pages.at(size_t(index)); }
    static constexpr int kSubPages = 6;

private:
    TmyDataBase& m_db;
    QTabWidget* m_tabs = nullptr;
    std::array<ChartSubPage*, kSubPages> m_pages{};
};
