#pragma once

#include "output/report/PreparedReport.h"
#include "output/report/ReportLayout.h"
#include "output/report/ReportSource.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <memory>

// Lays a layout out on pages: the page header and the column header on every page, the
// title on the first, one data band per row of the source (once without a source), the
// summary after the rows and the page footer at the bottom of every page. Text objects
// that stretch grow their band with their lines; a band that does not fit moves to the
// next page, and one taller than a page continues there.
class ReportPreparer {
public:
    explicit ReportPreparer(const ReportLayout& layout);
    ~ReportPreparer();

    PreparedReport prepare(ReportDataSource* source, ReportValues& values);

    // The engine's own placeholders: the page number and the number of pages.
    static QString pageName() { return QStringLiteral("@PAGE"); }
    static QString pageCountName() { return QStringLiteral("@PAGES"); }

private:
    struct BandOutput;
    struct Measure;

    BandOutput render(const Band& band);
    QString resolve(const LayoutObject& object);
    QStringList lines(const QString& text, const LayoutObject& object, const Measure& measure);
    const Measure& measure(const FontStyle& font);

    void startPage();
    void finishPage();
    void place(BandOutput output);
    void put(const BandOutput& output, double y);

    const ReportLayout& m_layout;
    ReportValues* m_values = nullptr;
    QHash<QString, QString> m_asked;  // the answers of the band being rendered
    QImage m_reference;               // the resolution text is measured at
    std::vector<std::pair<FontStyle, std::unique_ptr<Measure>>> m_measures;
    PreparedReport m_report;
    int m_page = 0;
    double m_y = 0;
    double m_bottom = 0;      // where the page footer begins
    double m_freshTop = 0;    // where a page's rows begin below its headers
    bool m_pageFresh = true;  // nothing placed below the headers yet
};
