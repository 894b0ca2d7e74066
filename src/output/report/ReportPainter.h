#pragma once

#include "output/report/PreparedReport.h"

#include <QFont>
#include <QString>

class QPainter;
class QPageLayout;

// The font a layout's font description stands for, the same when text is measured and
// when it is painted (no hinting, so widths scale with the resolution).
QFont reportFont(const FontStyle& style);

// Paints prepared pages on any device: the preview, the printer, a PDF or a picture.
namespace ReportPainter {

// The page's paper at the painter's origin, one millimetre being the device's resolution
// over 25.4; a found text line is marked.
void paintPage(QPainter& painter, const PreparedPage& page, const ReportHit& mark = {},
               int pageIndex = -1);

QPageLayout pageLayout(const PreparedReport& report);

// Writes every page as a PDF file; false when the file could not be written (an existing
// file is then left as it was).
bool writePdf(const PreparedReport& report, const QString& fileName);

}  // namespace ReportPainter
