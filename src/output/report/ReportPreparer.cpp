#include "output/report/ReportPreparer.h"

#include "support/Progress.h"

#include "output/report/ReportPainter.h"

#include <QTextLayout>
#include <algorithm>

namespace {

constexpr double kReferenceDpi = 1200;
constexpr double kEpsilon = 0.001;
const QChar kPageCountMark(0xE000);  // stands for the number of pages until it is known
const QChar kPageMark(0xE001);       // the page number, known when the band is put on a page

double toMm(double pixels) {
    return pixels * 25.4 / kReferenceDpi;
}
double toPixels(double mm) {
    return mm * kReferenceDpi / 25.4;
}

}  // namespace

struct ReportPreparer::Measure {
    QFont font;
    QFontMetricsF metrics;
    double lineHeight;  // mm

    Measure(const FontStyle& style, const QPaintDevice* device)
        : font(reportFont(style)), metrics(font, device), lineHeight(toMm(metrics.lineSpacing())) {}
};

// One band as rendered for one row: its height and its primitives relative to its top.
struct ReportPreparer::BandOutput {
    double height = 0;
    PreparedPage items;
};

ReportPreparer::ReportPreparer(const ReportLayout& layout)
    : m_layout(layout), m_reference(1, 1, QImage::Format_ARGB32) {
    const int dotsPerMetre = int(kReferenceDpi / 0.0254 + 0.5);
    m_reference.setDotsPerMeterX(dotsPerMetre);
    m_reference.setDotsPerMeterY(dotsPerMetre);
}

ReportPreparer::~ReportPreparer() = default;

const ReportPreparer::Measure& ReportPreparer::measure(const FontStyle& font) {
    for (const auto& [style, measure] : m_measures) {
        if (style == font)
            return *measure;
    }
    m_measures.emplace_back(font, std::make_unique<Measure>(font, &m_reference));
    return *m_measures.back().second;
}

QString ReportPreparer::resolve(const LayoutObject& object) {
    QString text;
    for (const TextPart& part : object.parts) {
        if (!part.placeholder) {
            text += part.text;
        } else if (part.text == pageName()) {
            text += kPageMark;
        } else if (part.text == pageCountName()) {
            text += kPageCountMark;
        } else {
            auto answer = m_asked.constFind(part.text);
            if (answer == m_asked.constEnd())
                answer = m_asked.insert(part.text, m_values->value(part.text));
            text += *answer;
        }
    }
    // A lone CR breaks a line, as LF and CR LF do.
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QStringList ReportPreparer::lines(const QString& text, const LayoutObject& object,
                                  const Measure& measure) {
    QStringList result;
    const double width = toPixels(std::max(0.0, object.rect.width() - 2 * object.padding));
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        if (!object.wrap || measure.metrics.horizontalAdvance(paragraph) <= width) {
            result << paragraph;
            continue;
        }
        QTextLayout layout(paragraph, measure.font, &m_reference);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            QString piece = paragraph.mid(line.textStart(), line.textLength());
            while (piece.endsWith(QLatin1Char(' ')))
                piece.chop(1);
            result << piece;
        }
        layout.endLayout();
    }
    return result;
}

ReportPreparer::BandOutput ReportPreparer::render(const Band& band) {
    m_asked.clear();
    struct Laid {
        const LayoutObject* object;
        QStringList lines;
        const Measure* measure = nullptr;
        double height;
    };
    QList<Laid> laid;
    BandOutput output;
    output.height = band.height;
    for (const LayoutObject& object : band.objects) {
        Laid item{&object, {}, nullptr, object.rect.height()};
        if (object.kind == ObjectKind::Text) {
            item.measure = &measure(object.font);
            item.lines = lines(resolve(object), object, *item.measure);
            if (object.stretch) {
                const double needed =
                    item.lines.size() * item.measure->lineHeight + 2 * object.padding;
                item.height = std::max(item.height, needed);
                output.height = std::max(output.height, object.rect.y() + item.height);
            }
        }
        laid << item;
    }
    for (Laid& item : laid) {
        const LayoutObject& object = *item.object;
        // An object that reached the bottom of its band stays there as the band grows, so
        // the frames of a row line up.
        if (object.kind != ObjectKind::Line && object.rect.bottom() >= band.height - kEpsilon)
            item.height = std::max(item.height, output.height - object.rect.y());
        const QRectF rect(object.rect.x(), object.rect.y(), object.rect.width(), item.height);
        switch (object.kind) {
            case ObjectKind::Line:
                output.items.lines
                    << PreparedLine{QLineF(object.rect.topLeft(), object.rect.bottomRight()),
                                    object.lineWidth, object.color};
                break;
            case ObjectKind::Rect:
                output.items.rects
                    << PreparedRect{rect, object.lineWidth, object.color, object.fill};
                break;
            case ObjectKind::Image:
                output.items.images << PreparedImage{rect, object.image};
                break;
            case ObjectKind::Text: {
                if (object.fill.isValid())
                    output.items.rects << PreparedRect{rect, 0, object.color, object.fill};
                const double lineHeight = item.measure->lineHeight;
                const double room = item.height - 2 * object.padding;
                const int shown =
                    std::min<int>(item.lines.size(), int((room + kEpsilon) / lineHeight));
                double top = rect.y() + object.padding;
                const double spare = room - shown * lineHeight;
                if (object.align & Qt::AlignVCenter)
                    top += spare / 2;
                else if (object.align & Qt::AlignBottom)
                    top += spare;
                for (int i = 0; i < shown; ++i) {
                    if (item.lines[i].isEmpty())
                        continue;
                    output.items.texts << PreparedText{
                        QRectF(rect.x() + object.padding, top + i * lineHeight,
                               std::max(0.0, rect.width() - 2 * object.padding), lineHeight),
                        item.lines[i], object.font, object.align & Qt::AlignHorizontal_Mask,
                        object.color};
                }
                const Borders& b = object.borders;
                auto border = [&](bool on, QPointF from, QPointF to) {
                    if (on)
                        output.items.lines
                            << PreparedLine{QLineF(from, to), object.lineWidth, object.color};
                };
                border(b.top, rect.topLeft(), rect.topRight());
                border(b.bottom, rect.bottomLeft(), rect.bottomRight());
                border(b.left, rect.topLeft(), rect.bottomLeft());
                border(b.right, rect.topRight(), rect.bottomRight());
                break;
            }
        }
    }
    return output;
}

void ReportPreparer::put(const BandOutput& output, double y) {
    PreparedPage& page = m_report.pages.last();
    const QPointF offset(m_layout.margins.left(), y);
    for (PreparedRect r : output.items.rects) {
        r.rect.translate(offset);
        page.rects << r;
    }
    for (PreparedImage i : output.items.images) {
        i.rect.translate(offset);
        page.images << i;
    }
    const QString number = QString::number(m_page);
    for (PreparedText t : output.items.texts) {
        t.rect.translate(offset);
        t.text.replace(kPageMark, number);
        page.texts << t;
    }
    for (PreparedLine l : output.items.lines) {
        l.line.translate(offset);
        page.lines << l;
    }
}

void ReportPreparer::startPage() {
    m_report.pages << PreparedPage();
    ++m_page;
    m_values->pageStarted(m_page);
    m_y = m_layout.margins.top();
    const Band* footer = m_layout.band(BandKind::PageFooter);
    m_bottom =
        m_report.pageSize.height() - m_layout.margins.bottom() - (footer ? footer->height : 0);
    double titleHeight = 0;
    for (BandKind kind : {BandKind::PageHeader, BandKind::Title, BandKind::ColumnHeader}) {
        const Band* band = m_layout.band(kind);
        if (!band || (kind == BandKind::Title && m_page != 1))
            continue;
        const BandOutput output = render(*band);
        put(output, m_y);
        m_y += output.height;
        if (kind == BandKind::Title)
            titleHeight = output.height;
    }
    m_freshTop = m_y - titleHeight;
    m_pageFresh = true;
}

void ReportPreparer::finishPage() {
    if (const Band* footer = m_layout.band(BandKind::PageFooter)) {
        const BandOutput output = render(*footer);
        put(output, m_report.pageSize.height() - m_layout.margins.bottom() - output.height);
    }
}

void ReportPreparer::place(BandOutput output) {
    for (;;) {
        if (m_y + output.height <= m_bottom + kEpsilon) {
            put(output, m_y);
            m_y += output.height;
            m_pageFresh = false;
            return;
        }
        // It would fit on a page of its own: the next page.
        if (!m_pageFresh && output.height <= m_bottom - m_freshTop + kEpsilon) {
            finishPage();
            startPage();
            continue;
        }
        // Taller than a page: as much as fits here, cut above the first text line that
        // would cross the page end; the rest continues on the next page.
        const double room = m_bottom - m_y;
        double cut = room;
        for (const PreparedText& t : output.items.texts) {
            if (t.rect.top() < cut - kEpsilon && t.rect.bottom() > cut + kEpsilon)
                cut = t.rect.top();
        }
        if (cut <= kEpsilon) {
            if (!m_pageFresh) {
                finishPage();
                startPage();
                continue;
            }
            if (room <= 1.0) {
                // The headers leave no room on any page: the band once, over the footer,
                // rather than slices of it on ever more pages.
                put(output, m_y);
                m_y += output.height;
                m_pageFresh = false;
                return;
            }
            cut = room;  // a line taller than a page: cut through it
        }
        BandOutput here, rest;
        here.height = cut;
        rest.height = output.height - cut;
        const PreparedPage& items = output.items;
        for (const PreparedText& t : items.texts) {
            if (t.rect.top() < cut - kEpsilon)
                here.items.texts << t;
            else
                rest.items.texts << PreparedText{t.rect.translated(0, -cut), t.text, t.font,
                                                 t.align, t.color};
        }
        for (const PreparedRect& r : items.rects) {
            const QRectF above = r.rect.intersected(QRectF(-1e4, -1e4, 2e4, 1e4 + cut));
            const QRectF below = r.rect.intersected(QRectF(-1e4, cut, 2e4, 1e4));
            if (!above.isEmpty())
                here.items.rects << PreparedRect{above, r.width, r.color, r.fill};
            if (!below.isEmpty())
                rest.items.rects << PreparedRect{below.translated(0, -cut), r.width, r.color,
                                                 r.fill};
        }
        for (const PreparedImage& i : items.images)
            (i.rect.top() < cut ? here : rest).items.images
                << PreparedImage{i.rect.top() < cut ? i.rect : i.rect.translated(0, -cut), i.image};
        for (const PreparedLine& l : items.lines) {
            const double top = std::min(l.line.y1(), l.line.y2());
            const double bottom = std::max(l.line.y1(), l.line.y2());
            if (bottom <= cut + kEpsilon) {
                here.items.lines << l;
            } else if (top >= cut - kEpsilon) {
                rest.items.lines << PreparedLine{l.line.translated(0, -cut), l.width, l.color};
            } else {
                // A frame's side crossing the page end goes on in both parts.
                const double t = (cut - l.line.y1()) / (l.line.y2() - l.line.y1());
                const QPointF middle = l.line.pointAt(t);
                const bool downwards = l.line.y1() < l.line.y2();
                const QPointF upper = downwards ? l.line.p1() : l.line.p2();
                const QPointF lower = downwards ? l.line.p2() : l.line.p1();
                here.items.lines << PreparedLine{QLineF(upper, middle), l.width, l.color};
                rest.items.lines << PreparedLine{QLineF(middle, lower).translated(0, -cut), l.width,
                                                 l.color};
            }
        }
        put(here, m_y);
        finishPage();
        startPage();
        output = rest;
    }
}

PreparedReport ReportPreparer::prepare(ReportDataSource* source, ReportValues& values) {
    m_values = &values;
    m_report = PreparedReport();
    m_report.title = m_layout.title;
    m_report.pageSize = m_layout.pageSize();
    m_report.orientation = m_layout.orientation;
    m_page = 0;
    // The walk starts before the first page, so that a title may print the first row's
    // values (a form of one record).
    if (source)
        source->first();
    startPage();
    if (const Band* data = m_layout.band(BandKind::Data)) {
        if (source) {
            const int total = source->rowCount();
            for (int row = 0; !source->atEnd(); source->next(), ++row) {
                // A long report shows how far it has come and may be stopped.
                if (row % 64 == 0 && !Progress::report(row, total)) {
                    m_report.cancelled = true;
                    break;
                }
                place(render(*data));
            }
        } else {
            place(render(*data));
        }
    }
    if (const Band* summary = m_layout.band(BandKind::Summary))
        place(render(*summary));
    finishPage();
    const QString count = QString::number(m_report.pages.size());
    for (PreparedPage& page : m_report.pages) {
        for (PreparedText& text : page.texts)
            text.text.replace(kPageCountMark, count);
    }
    m_values = nullptr;
    return std::move(m_report);
}
