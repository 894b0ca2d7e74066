#include "shell/ChartsPage.h"

#include "data/TmyDataBase.h"
#include "shell/ChartSubPage.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// What tells the six sub-pages apart.
QList<ChartSubPage::Setup> setups() {
    const QString pad(6, QLatin1Char(' '));
    auto s = [](ChartKind kind, int number, const QString& caption, const QString& group,
                const QString& initialCaption) {
        ChartSubPage::Setup setup;
        setup.kind = kind;
        setup.tabName = QStringLiteral("TabWykres") + QString::number(number);
        setup.caption = caption;
        setup.group = group;
        setup.periodPrefix = group.left(1).toLower() + group.mid(1);
        setup.monthList = kind != ChartKind::Distance && kind != ChartKind::Costs;
        setup.fuelKindList = kind == ChartKind::Continuous || kind == ChartKind::ByDistance ||
                             kind == ChartKind::ByEngineHours;
        setup.costOptions = kind == ChartKind::Costs;
        setup.drawButton = QStringLiteral("SpeedButton") + QString::number(41 + number);
        setup.chartName = QStringLiteral("chart") + group;
        setup.initialCaption = initialCaption;
        return setup;
    };
    return {
        s(ChartKind::FuelPrices, 1, QStringLiteral("Zmiana cen paliw"), QStringLiteral("CenyPaliw"),
          QStringLiteral("Zmiana cen paliw w roku")),
        s(ChartKind::Continuous, 2, QStringLiteral("Zużycie paliwa ciągłe"),
          QStringLiteral("ZuzycieCiagle"), QStringLiteral("Zużycie paliwa ciągłe w roku")),
        s(ChartKind::ByDistance, 3, QStringLiteral("Zużycie paliwa - km"),
          QStringLiteral("ZuzycieKm"), QStringLiteral("Zużycie paliwa km w roku")),
        s(ChartKind::ByEngineHours, 4, QStringLiteral("Zużycie paliwa - Mth"),
          QStringLiteral("ZuzycieMth"), QStringLiteral("Zużycie paliwa Mth w roku")),
        s(ChartKind::Distance, 5, pad + QStringLiteral("Przebieg") + pad,
          QStringLiteral("Przebieg"), QStringLiteral("Przebieg w roku")),
        s(ChartKind::Costs, 6, pad + QStringLiteral("Koszty") + pad, QStringLiteral("Koszty"),
          QStringLiteral("Koszty brutto w roku")),
    };
}

}  // namespace

ChartsPage::ChartsPage(TmyDataBase& database, MessageService& messages, QWidget* parent)
    : QWidget(parent), m_db(database) {
    setObjectName(QStringLiteral("wykresy"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 8);
    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("PageControlWykresy"));
    const QList<ChartSubPage::Setup> all = setups();
    for (int i = 0; i < kSubPages; ++i) {
        auto* page = new ChartSubPage(m_db, messages, all.at(i));
        m_tabs->addTab(page, all.at(i).caption);
        m_pages.at(size_t(i)) = page;
    }
    column->addWidget(m_tabs);
}

void ChartsPage::refresh() {
    Lookups& lookups = m_db.lookups();
    const QList<LookupEntry> vehicles = lookups.vehicles();
    const QList<LookupEntry> fuelKinds = lookups.dictionary(QStringLiteral("RDPAL"));
    const QList<LookupEntry> expenseKinds = lookups.dictionary(QStringLiteral("RDWYD"));
    for (ChartSubPage* page : m_pages)
        page->refresh(page->setup().kind == ChartKind::FuelPrices ? fuelKinds : vehicles,
                      expenseKinds);
}
