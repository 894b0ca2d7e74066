#include "shell/ChartSubPage.h"

#include "output/charts/ChartBuilder.h"
#include "registers/LookupField.h"
#include "support/MessageService.h"
#include "support/OVUtilities.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDate>
#include <QGraphicsLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QToolTip>
#include <QXYSeries>
#include <memory>

namespace {

const QString kInformation = QStringLiteral("Informacja");
// A saved chart has the size the command line draws by default.
const QSize kSavedSize(1200, 800);
// How near, in pixels, the mouse must come to a point for its tooltip.
constexpr double kHoverReach = 9.0;

void hint(QWidget* widget, const QString& text) {
    widget->setToolTip(text);
    widget->setStatusTip(text);
}

QPushButton* button(const QString& objectName, const QString& caption, const QString& tip) {
    auto* b = new QPushButton(caption);
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    hint(b, tip);
    return b;
}

// Distance and costs are summed per month: their points stand for months, not days.
bool monthlyPoints(ChartKind kind) {
    return kind == ChartKind::Distance || kind == ChartKind::Costs;
}

}  // namespace

ChartSubPage::ChartSubPage(TmyDataBase& database, MessageService& messages, Setup setup,
                           QWidget* parent)
    : QWidget(parent), m_db(database), m_messages(messages), m_setup(std::move(setup)) {
    setObjectName(m_setup.tabName);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 8, 8, 8);
    row->setSpacing(10);
    row->addWidget(controls());
    m_view = new QChartView;
    m_view->setObjectName(m_setup.chartName);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setRubberBand(QChartView::NoRubberBand);  // no zoom, no panning
    m_view->setMinimumSize(400, 300);
    m_view->setFrameShape(QFrame::NoFrame);
    row->addWidget(m_view, 1);
    ChartPlot initial;
    initial.caption = m_setup.initialCaption;
    initial.xMax = monthlyPoints(m_setup.kind) ? 12 : 12.9;
    display(initial);
}

QWidget* ChartSubPage::controls() {
    auto* panel = new QWidget;
    panel->setObjectName(m_setup.group + QStringLiteral("Opcje"));
    panel->setFixedWidth(270);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(1, 1);
    int line = 0;

    auto* periodLabel = new QLabel(m_setup.monthList ? QStringLiteral("Dane z okresu:")
                                                     : QStringLiteral("Dane w roku:"));
    periodLabel->setObjectName(m_setup.periodPrefix + QStringLiteral("RokLabel"));
    grid->addWidget(periodLabel, line++, 0, 1, 2);
    auto* period = new QHBoxLayout;
    m_year = new QComboBox;
    m_year->setObjectName(m_setup.periodPrefix + QStringLiteral("Rok"));
    for (int year = 1970; year <= 2100; ++year)
        m_year->addItem(QString::number(year));
    m_year->setCurrentText(QString::number(QDate::currentDate().year()));
    period->addWidget(m_year);
    if (m_setup.monthList) {
        m_month = new QComboBox;
        m_month->setObjectName(m_setup.periodPrefix + QStringLiteral("Miesiac"));
        m_month->addItem(QStringLiteral("(Wszystkie)"));
        const TOVUtilities utilities;
        for (int month = 1; month <= 12; ++month)
            m_month->addItem(utilities.monthName(month));
        period->addWidget(m_month, 1);
    } else {
        period->addStretch(1);
    }
    grid->addLayout(period, line++, 0, 1, 2);

    if (m_setup.fuelKindList) {
        m_fuelKind = new QComboBox;
        m_fuelKind->setObjectName(m_setup.periodPrefix + QStringLiteral("RDPaliwa"));
        m_fuelKind->addItems({QStringLiteral("Paliwo płynne"), QStringLiteral("Gaz LPG")});
        auto* fuelKindLabel = new QLabel(QStringLiteral("Rodzaj paliwa:"));
        fuelKindLabel->setObjectName(m_fuelKind->objectName() + QStringLiteral("Label"));
        grid->addWidget(fuelKindLabel, line, 0);
        grid->addWidget(m_fuelKind, line++, 1);
    }

    grid->setRowMinimumHeight(line++, 6);
    const QString seriesHint = m_setup.kind == ChartKind::FuelPrices
                                   ? QStringLiteral("Rodzaj paliwa")
                                   : QStringLiteral("Wskaż pojazd");
    for (int i = 0; i < 5; ++i) {
        const QString number = QString::number(i + 1);
        QCheckBox* use = new QCheckBox(number);
        // The series' colour on the chart, so that a row and its line are seen together.
        QPixmap swatch(12, 12);
        swatch.fill(ChartBuilder::seriesColour(i));
        use->setIcon(QIcon(swatch));
        use->setObjectName(QStringLiteral("cb") + m_setup.group + QStringLiteral("Seria") + number);
        hint(use, QStringLiteral("Umieść na wykresie"));
        LookupField* series = new LookupField(QStringLiteral("sel") + m_setup.group + number);
        series->combo()->setMinimumContentsLength(14);
        hint(series->combo(), seriesHint);
        // Choosing a value means the user wants that series drawn.
        connect(series, &LookupField::chosen, use, [use, series] {
            if (series->hasChoice())
                use->setChecked(true);
        });
        grid->addWidget(use, line, 0);
        grid->addWidget(series, line++, 1);
        m_useSeries.at(i) = use;
        m_series.at(i) = series;
    }

    if (m_setup.costOptions) {
        grid->setRowMinimumHeight(line++, 6);
        m_fuelOnly = new QCheckBox(QStringLiteral("Tylko paliwo"));
        m_fuelOnly->setObjectName(QStringLiteral("cbKosztyPaliwo"));
        hint(m_fuelOnly, QStringLiteral("Zaznacz to pole jeśli wykres powinien zawierać tylko "
                                        "koszty zakupu paliwa"));
        grid->addWidget(m_fuelOnly, line++, 0, 1, 2);
        m_useExpenseKind = new QCheckBox(QStringLiteral("Rodzaj wydatku"));
        m_useExpenseKind->setObjectName(QStringLiteral("cbKosztyRodzaj"));
        hint(m_useExpenseKind,
             QStringLiteral("Zaznacz to pole jeśli wykres powinien zawierać tylko koszty danego "
                            "rodzaju, podanego poniżej"));
        grid->addWidget(m_useExpenseKind, line++, 0, 1, 2);
        m_expenseKind = new LookupField(QStringLiteral("selKosztyRodzaj"));
        hint(m_expenseKind->combo(), QStringLiteral("Rodzaj wydatków"));
        connect(m_expenseKind, &LookupField::chosen, this, [this] {
            if (m_expenseKind->hasChoice())
                m_useExpenseKind->setChecked(true);
        });
        grid->addWidget(m_expenseKind, line++, 0, 1, 2);
    }

    grid->setRowMinimumHeight(line++, 10);
    m_draw =
        button(m_setup.drawButton, QStringLiteral("Rysuj wykres"), QStringLiteral("Rysuj wykres"));
    connect(m_draw, &QPushButton::clicked, this, &ChartSubPage::draw);
    grid->addWidget(m_draw, line++, 0, 1, 2);
    grid->setRowStretch(line++, 1);
    auto* output = new QHBoxLayout;
    QPushButton* save =
        button(QStringLiteral("SBZapisz") + m_setup.group, QStringLiteral("Zapisz..."),
               QStringLiteral("Zapisz wykres do pliku PNG, SVG lub PDF"));
    connect(save, &QPushButton::clicked, this, &ChartSubPage::saveChart);
    QPushButton* print = button(QStringLiteral("SBDrukuj") + m_setup.group,
                                QStringLiteral("Drukuj..."), QStringLiteral("Drukuj wykres"));
    connect(print, &QPushButton::clicked, this, &ChartSubPage::print);
    output->addWidget(save);
    output->addWidget(print);
    grid->addLayout(output, line++, 0, 1, 2);
    return panel;
}

void ChartSubPage::refresh(const QList<LookupEntry>& seriesEntries,
                           const QList<LookupEntry>& expenseKinds) {
    for (LookupField* series : m_series)
        series->setEntries(seriesEntries);
    if (m_expenseKind)
        m_expenseKind->setEntries(expenseKinds);
    if (!m_drawn) {
        ChartPlot initial = m_plot;
        initial.caption = m_setup.initialCaption;
        display(initial);
    }
}

ChartRequest ChartSubPage::request() const {
    ChartRequest r;
    r.kind = m_setup.kind;
    r.year = m_year->currentText().toInt();
    r.month = m_month ? qMax(0, m_month->currentIndex()) : 0;
    for (size_t i = 0; i < m_series.size(); ++i) {
        if (!m_useSeries.at(i)->isChecked() || !m_series.at(i)->hasChoice())
            continue;
        bool readable = false;
        const qint64 key = m_series.at(i)->key().toLongLong(&readable);
        if (readable)
            r.keys.at(i) = key;
    }
    r.lpg = m_fuelKind && m_fuelKind->currentIndex() == 1;
    if (m_setup.costOptions) {
        r.fuelOnly = m_fuelOnly->isChecked();
        if (m_useExpenseKind->isChecked() && m_expenseKind->hasChoice())
            r.expenseKind = m_expenseKind->text();
    }
    return r;
}

void ChartSubPage::draw() {
    const ChartRequest asked = request();
    display(ChartData::compute(m_db, asked));
    m_drawnYear = asked.year;
    m_drawn = true;
}

void ChartSubPage::display(const ChartPlot& plot) {
    QToolTip::hideText();
    m_plot = plot;
    // The view gives up the chart it shows (at first one of its own) without deleting it.
    QChart* previous = m_view->chart();
    m_chart = ChartBuilder::build(m_plot);
    // On the screen the chart's own background reaches the edges of the view.
    m_chart->layout()->setContentsMargins(0, 0, 0, 0);
    m_chart->setBackgroundRoundness(0);
    m_view->setChart(m_chart);
    delete previous;
    // The builder names the five line series "seria1".."seria5", in the plot's order.
    for (QAbstractSeries* shown : m_chart->series()) {
        auto* line = qobject_cast<QXYSeries*>(shown);
        const int i = line ? line->objectName().mid(5).toInt() - 1 : -1;
        if (!line || !line->objectName().startsWith(QStringLiteral("seria")) || i < 0 ||
            i >= int(m_plot.series.size()))
            continue;
        connect(line, &QXYSeries::hovered, this, [this, i, line](const QPointF& at, bool state) {
            pointHovered(i, line, at, state);
        });
    }
}

void ChartSubPage::pointHovered(int series, QXYSeries* shown, const QPointF& at, bool state) {
    if (!state) {
        QToolTip::hideText();
        return;
    }
    const ChartSeries& s = m_plot.series.at(size_t(series));
    const QPointF mouse = m_chart->mapToPosition(at, shown);
    int nearest = -1;
    double distance = kHoverReach;
    for (int i = 0; i < s.points.size(); ++i) {
        const QPointF mark = m_chart->mapToPosition(s.points.at(i), shown);
        const double d = QLineF(mouse, mark).length();
        if (d <= distance) {
            distance = d;
            nearest = i;
        }
    }
    if (nearest < 0) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(QCursor::pos(), pointText(series, nearest), m_view);
}

QString ChartSubPage::pointText(int series, int point) const {
    if (series < 0 || series >= int(m_plot.series.size()))
        return {};
    const ChartSeries& s = m_plot.series.at(size_t(series));
    if (point < 0 || point >= s.points.size() || point >= s.dates.size())
        return {};
    const qint64 date = s.dates.at(point);
    const TOVUtilities utilities;
    const QString when =
        monthlyPoints(m_setup.kind)
            ? utilities.monthName(int(date)) + QLatin1Char(' ') + QString::number(m_drawnYear)
            : utilities.dateNumberToText(date);
    return s.name + QLatin1Char('\n') + when + QLatin1Char('\n') +
           QLocale().toString(s.points.at(point).y(), 'f', 2);
}

void ChartSubPage::saveChart() {
    const QString file = m_messages.saveFileName(
        QStringLiteral("Zapisz wykres"), m_plot.caption + QStringLiteral(".png"),
        {QStringLiteral("Obraz PNG (*.png)"), QStringLiteral("Rysunek SVG (*.svg)"),
         QStringLiteral("Dokument PDF (*.pdf)")});
    if (file.isEmpty())
        return;
    // A chart of its own, so that the one on the screen keeps its size and layout.
    const std::unique_ptr<QChart> copy(ChartBuilder::build(m_plot));
    QString error;
    if (ChartBuilder::save(copy.get(), kSavedSize, file, &error)) {
        m_messages.information(kInformation, QStringLiteral("Wykres zapisano w pliku:\n") + file);
    } else {
        m_messages.information(kInformation,
                               QStringLiteral("Nie udało się zapisać wykresu w pliku:\n") + file +
                                   (error.isEmpty() ? QString() : QLatin1Char('\n') + error));
    }
}

void ChartSubPage::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(m_plot.caption);
    QPrintDialog dialog(&printer, window());
    dialog.setWindowTitle(QStringLiteral("Drukuj wykres"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    printChart(printer);
}

void ChartSubPage::printChart(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        m_messages.information(kInformation, QStringLiteral("Nie udało się wydrukować wykresu."));
        return;
    }
    const QRect page = painter.viewport();
    QSize size = m_view->viewport()->size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    const QRect target(page.topLeft() + QPoint((page.width() - size.width()) / 2, 0), size);
    m_view->render(&painter, target, m_view->viewport()->rect(), Qt::KeepAspectRatio);
    painter.end();
}
