#include "output/charts/ChartBuilder.h"

#include "data/DisplayFormat.h"

#include <QFileInfo>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImage>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLinearGradient>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

const QColor kBackground(192, 192, 208);
const QColor kPlotField(203, 203, 228);
const QColor kNormBand(178, 222, 178);
const QColor kSilver(192, 192, 192);
constexpr int kMarkSize = 11;

QImage diamond(const QColor& colour) {
    QImage image(kMarkSize, kMarkSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const qreal half = kMarkSize / 2.0;
    painter.drawPolygon(QPolygonF(
        {QPointF(half, 0), QPointF(kMarkSize, half), QPointF(half, kMarkSize), QPointF(0, half)}));
    return image;
}

void styleAxis(QValueAxis* axis) {
    axis->setGridLineVisible(true);
    axis->setGridLineColor(kSilver);
    axis->setMinorGridLineVisible(false);
}

// The plot field with the norm band, in the chart's coordinates: a gradient with hard edges
// lies behind the grid and every series, which no series of its own could promise.
void shadeNorm(QChart* chart, const QValueAxis* axis, double from, double to) {
    const QRectF area = chart->plotArea();
    const double span = axis->max() - axis->min();
    if (area.isEmpty() || span <= 0)
        return;
    const double low = std::clamp((from - axis->min()) / span, 0.0, 1.0);
    const double high = std::clamp((to - axis->min()) / span, low, 1.0);
    constexpr double edge = 1e-6;
    QLinearGradient gradient(area.bottomLeft(), area.topLeft());
    gradient.setColorAt(0, low > edge ? kPlotField : kNormBand);
    if (low > edge)
        gradient.setColorAt(low - edge, kPlotField);
    gradient.setColorAt(low, kNormBand);
    gradient.setColorAt(high, kNormBand);
    if (high < 1 - edge) {
        gradient.setColorAt(high + edge, kPlotField);
        gradient.setColorAt(1, kPlotField);
    }
    chart->setPlotAreaBackgroundBrush(gradient);
}

// Puts a chart back into the scene of its view, at its old geometry, however saving ends.
class SceneSwap {
public:
    SceneSwap(QChart* chart, const QSize& size)
        : m_chart(chart), m_former(chart->scene()), m_geometry(chart->geometry()) {
        if (m_former)
            m_former->removeItem(chart);
        m_scene.addItem(chart);
        chart->setGeometry(QRectF(QPointF(0, 0), QSizeF(size)));
        // The chart lays itself out on a posted request; the picture is taken now.
        if (QGraphicsLayout* layout = chart->layout())
            layout->activate();
    }
    ~SceneSwap() {
        m_scene.removeItem(m_chart);
        if (m_former) {
            m_former->addItem(m_chart);
            m_chart->setGeometry(m_geometry);
        }
    }
    SceneSwap(const SceneSwap&) = delete;
    SceneSwap& operator=(const SceneSwap&) = delete;

    void render(QPainter* painter, const QSize& size) {
        painter->setRenderHint(QPainter::Antialiasing);
        const QRectF all(QPointF(0, 0), QSizeF(size));
        m_scene.render(painter, all, all);
    }

private:
    QChart* m_chart;
    QGraphicsScene* m_former;
    QRectF m_geometry;
    QGraphicsScene m_scene;
};

bool fail(QString* error, const QString& text) {
    if (error)
        *error = text;
    return false;
}

}  // namespace

namespace ChartBuilder {

QColor seriesColour(int index) {
    static const std::array<QColor, 5> colours = {QColor(0, 128, 0), QColor(0, 0, 128),
                                                  QColor(255, 0, 0), QColor(255, 255, 0),
                                                  QColor(255, 128, 0)};
    return colours.at(size_t(index));
}

QChart* build(const ChartPlot& plot) {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setTitle(plot.caption);
    QFont titleFont = chart->titleFont();
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    chart->setBackgroundBrush(kBackground);
    chart->setBackgroundRoundness(0);
    chart->setDropShadowEnabled(false);
    chart->setPlotAreaBackgroundBrush(kPlotField);
    chart->setPlotAreaBackgroundVisible(true);
    // Axis labels with the system's decimal separator, as the grids show numbers.
    QLocale numbers;
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);  // "0.00": no thousands
    chart->setLocale(numbers);
    chart->setLocalizeNumbers(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);

    // The norm band belongs to a consumption chart that shows one vehicle.
    const ChartSeries* shown = nullptr;
    int shownCount = 0;
    double yLow = 0, yHigh = 0;
    for (const ChartSeries& series : plot.series) {
        if (!series.visible())
            continue;
        ++shownCount;
        shown = &series;
        yHigh = std::max(yHigh, series.yMax);
        for (const QPointF& point : series.points)
            yLow = std::min(yLow, point.y());  // a negative value stays inside the plot
    }
    const bool norm = shown && shownCount == 1 && shown->norm.has_value();
    const double normFrom = norm ? shown->norm->first : 0;
    const double normTo = norm ? shown->norm->second : 0;
    if (norm)
        yHigh = std::max(yHigh, normTo);
    if (yHigh <= yLow)
        yHigh = yLow + 1;
    // Eleven ticks on round values with room above the highest point: a step of 1, 2, 2.5,
    // 3, 4, 5, 6 or 8 times a power of ten.
    const double rough = (yHigh - yLow) * 1.05 / 10;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10 * power;
    for (const double factor : {1.0, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0}) {
        if (factor * power >= rough) {
            step = factor * power;
            break;
        }
    }
    yLow = yLow < 0 ? -std::ceil(-yLow / step) * step : 0;
    yHigh = yLow + 10 * step;

    auto* axisX = new QValueAxis;
    styleAxis(axisX);
    // A little room on both sides, so the first and the last marks show whole.
    const double xMax = std::max(plot.xMax, 2.0);
    const double pad = (xMax - 1) * 0.02;
    axisX->setRange(1 - pad, xMax + pad);
    axisX->setTickCount(std::max(plot.ticks, 2));
    // A tick on every whole day or month: 12.9 still ends the year on the twelfth tick.
    axisX->setTickType(QValueAxis::TicksDynamic);
    axisX->setTickAnchor(1);
    // A month's days labelled every other day, so the labels keep their room.
    axisX->setTickInterval(plot.ticks > 16 ? 2.0 : 1.0);
    axisX->setLabelFormat(QStringLiteral("%.0f"));
    auto* axisY = new QValueAxis;
    styleAxis(axisY);
    axisY->setRange(yLow, yHigh);
    axisY->setTickCount(11);
    axisY->setLabelFormat(QStringLiteral("%.2f"));
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);

    const DisplayFormat format;
    for (size_t i = 0; i < plot.series.size(); ++i) {
        const ChartSeries& data = plot.series[i];
        auto* series = new QLineSeries;
        series->setObjectName(QStringLiteral("seria%1").arg(i + 1));
        QString name = data.name;
        if (norm && &data == shown)
            name += QStringLiteral(" (norma %1 - %2)")
                        .arg(format.number(normFrom, 2), format.number(normTo, 2));
        series->setName(name);
        const QColor colour = seriesColour(int(i));
        series->setPen(QPen(colour, 2));
        series->setLightMarker(diamond(colour));
        series->setMarkerSize(kMarkSize);
        series->append(data.points);
        chart->addSeries(series);
        series->attachAxis(axisX);
        series->attachAxis(axisY);
        series->setVisible(data.visible());
        for (QLegendMarker* marker : chart->legend()->markers(series))
            marker->setVisible(data.visible());
    }

    if (norm) {
        QObject::connect(chart, &QChart::plotAreaChanged, chart, [chart, axisY, normFrom, normTo] {
            shadeNorm(chart, axisY, normFrom, normTo);
        });
        shadeNorm(chart, axisY, normFrom, normTo);
    }
    return chart;
}

bool save(QChart* chart, const QSize& size, const QString& fileName, QString* error) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg") &&
        suffix != QLatin1String("pdf"))
        return fail(error, QStringLiteral("Nieznany rodzaj pliku %1: wykres można zapisać jako "
                                          "PNG, SVG lub PDF.")
                               .arg(fileName));
    if (!chart || size.isEmpty())
        return fail(error, QStringLiteral("Brak wykresu do zapisania."));
    const QString failed = QStringLiteral("Zapisywanie danych nie powiodło się: ") + fileName;
    SceneSwap laidOut(chart, size);
    if (suffix == QLatin1String("png")) {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            laidOut.render(&painter, size);
        }
        return image.save(fileName, "PNG") || fail(error, failed);
    }
    if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setFileName(fileName);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(chart->title());
        QPainter painter;
        if (!painter.begin(&svg))
            return fail(error, failed);
        laidOut.render(&painter, size);
        return painter.end() || fail(error, failed);
    }
    // One page of the chart's size: pixels at 96 per inch.
    QPdfWriter pdf(fileName);
    pdf.setResolution(96);
    pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / 96.0, QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(chart->title());
    pdf.setCreator(QStringLiteral("Flotanor"));
    QPainter painter;
    if (!painter.begin(&pdf))
        return fail(error, failed);
    laidOut.render(&painter, size);
    return painter.end() || fail(error, failed);
}

}  // namespace ChartBuilder
