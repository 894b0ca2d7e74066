#include "output/report/ReportPainter.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

QFont reportFont(const FontStyle& style) {
    QFont font(style.family);
    font.setPointSizeF(style.size);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

ReportHit PreparedReport::find(const QString& what, const ReportHit& after) const {
    if (what.isEmpty() || pages.isEmpty())
        return {};
    int page = after.found() ? after.page : 0;
    int text = after.found() ? after.text + 1 : 0;
    // Every line once, starting after the last hit and wrapping round to it.
    for (int visited = 0; visited <= pages.size(); ++visited, ++page, text = 0) {
        page %= int(pages.size());
        const QList<PreparedText>& texts = pages[page].texts;
        for (; text < texts.size(); ++text) {
            if (texts[text].text.contains(what, Qt::CaseInsensitive))
                return {page, text};
        }
    }
    return {};
}

QStringList PreparedReport::pageTexts(int page) const {
    QStringList result;
    for (const PreparedText& text : pages.value(page).texts)
        result << text.text;
    return result;
}

namespace ReportPainter {

void paintPage(QPainter& painter, const PreparedPage& page, const ReportHit& mark, int pageIndex) {
    const double k = painter.device()->logicalDpiX() / 25.4;
    auto scaled = [k](const QRectF& r) {
        return QRectF(r.x() * k, r.y() * k, r.width() * k, r.height() * k);
    };
    auto pen = [k](double width, const QColor& color) {
        QPen result(color, std::max(width * k, 1.0));
        result.setCapStyle(Qt::SquareCap);
        return result;
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const PreparedRect& r : page.rects) {
        painter.setPen(r.width > 0 ? pen(r.width, r.color) : QPen(Qt::NoPen));
        painter.setBrush(r.fill.isValid() ? QBrush(r.fill) : QBrush(Qt::NoBrush));
        painter.drawRect(scaled(r.rect));
    }
    for (const PreparedImage& i : page.images)
        painter.drawImage(scaled(i.rect), i.image);
    if (mark.found() && mark.page == pageIndex && mark.text < page.texts.size()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 230, 0));
        painter.drawRect(scaled(page.texts[mark.text].rect));
    }
    painter.setBrush(Qt::NoBrush);
    FontStyle current;
    painter.setFont(reportFont(current));
    for (const PreparedText& t : page.texts) {
        if (!(t.font == current)) {
            current = t.font;
            painter.setFont(reportFont(current));
        }
        painter.setPen(t.color);
        painter.drawText(scaled(t.rect),
                         int(t.align) | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip,
                         t.text);
    }
    for (const PreparedLine& l : page.lines) {
        painter.setPen(pen(l.width, l.color));
        painter.drawLine(QLineF(l.line.p1() * k, l.line.p2() * k));
    }
    painter.restore();
}

QPageLayout pageLayout(const PreparedReport& report) {
    return QPageLayout(QPageSize(QPageSize::A4), report.orientation, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

bool writePdf(const PreparedReport& report, const QString& fileName) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(600);
        writer.setPageLayout(pageLayout(report));
        writer.setTitle(report.title);
        writer.setCreator(QStringLiteral("Flotanor"));
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        for (int i = 0; i < report.pages.size(); ++i) {
            if (i > 0)
                writer.newPage();
            paintPage(painter, report.pages[i], {}, i);
        }
        if (!painter.end())
            return false;
    }
    return file.commit();
}

}  // namespace ReportPainter
