#pragma once

#include "output/report/ReportLayout.h"

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>

// A prepared report: every page as the primitives that paint it, in millimetres from the
// paper's top left corner. The preview, the printer and PDF all paint these, so no value
// is asked for twice.

struct PreparedText {
    QRectF rect;  // one line of text
    QString text;
    FontStyle font;
    Qt::Alignment align = Qt::AlignLeft;  // horizontal
    QColor color = Qt::black;
};

struct PreparedLine {
    QLineF line;
    double width = 0.2;
    QColor color = Qt::black;
};

struct PreparedRect {
    QRectF rect;
    double width = 0;  // of the outline; 0: none
    QColor color = Qt::black;
    QColor fill;  // invalid: none
};

struct PreparedImage {
    QRectF rect;
    QImage image;
};

struct PreparedPage {
    QList<PreparedRect> rects;
    QList<PreparedImage> images;
    QList<PreparedText> texts;
    QList<PreparedLine> lines;

    bool isEmpty() const {
        return rects.isEmpty() && images.isEmpty() && texts.isEmpty() && lines.isEmpty();
    }
};

// A place in the prepared pages: a page and a text line on it.
struct ReportHit {
    int page = -1;
    int text = -1;

    bool found() const { return page >= 0; }
    bool operator==(const ReportHit&) const = default;
};

struct PreparedReport {
    QString title;
    QSizeF pageSize;  // mm
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QList<PreparedPage> pages;
    bool cancelled = false;  // the person stopped the preparing: the pages are incomplete

    // The next text line after the given place holding the text (case ignored), from the
    // first page again after the last; not found when no line holds it.
    ReportHit find(const QString& what, const ReportHit& after = {}) const;
    // Every page's text, line by line in painting order (the text a PDF reader extracts).
    QStringList pageTexts(int page) const;
};
