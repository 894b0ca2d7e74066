#pragma once

#include <QString>

// What a report walks: the rows of an already filtered and sorted list. The engine calls
// first() once, then next() until atEnd(); it never filters or sorts.
class ReportDataSource {
public:
    virtual ~ReportDataSource() = default;
    virtual void first() = 0;
    virtual void next() = 0;
    virtual bool atEnd() const = 0;
    // How many rows the walk has, for the progress of a long report; 0 when not known.
    virtual int rowCount() const { return 0; }
};

// What answers the placeholders of a layout. The engine asks for each name at most once
// per row (and once per band outside the data rows) and keeps the answer: values are
// never asked again for the preview, the printer or a PDF. pageStarted() comes before
// anything is asked for a page, with the engine's own page number (1 for the first page).
class ReportValues {
public:
    virtual ~ReportValues() = default;
    virtual QString value(const QString& name) = 0;
    virtual void pageStarted(int page) { (void)page; }
};
