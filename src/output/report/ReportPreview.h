#pragma once

#include "output/report/ReportEngine.h"

#include <QDialog>

class MessageService;
class QLabel;
class QLineEdit;
class QPrintPreviewWidget;
class QPrinter;

// The preview of a prepared report: zoom, fitting, paging, finding a text (its page shown
// and the line marked), printing through the system's print dialog, saving as PDF and
// closing. Everything paints the prepared pages; nothing is asked again.
class ReportPreview : public QDialog {
    Q_OBJECT

public:
    ReportPreview(PreparedReport report, MessageService& messages, QWidget* parent = nullptr);
    ~ReportPreview() override;

    // A prepared report in the modal preview; a layout that could not be read in the box
    // that names its file, line and column. Gives whether the preview was shown.
    static bool showResult(const ReportEngine::Result& result, MessageService& messages,
                           QWidget* parent);

    const PreparedReport& report() const { return m_report; }
    QPrintPreviewWidget* view() const { return m_view; }
    int currentPage() const;  // from 1
    const ReportHit& hit() const { return m_hit; }

public slots:
    void findNext();
    void print();
    void savePdf();

private:
    void paint(QPrinter* printer);
    void updatePageLabel();

    PreparedReport m_report;
    MessageService& m_messages;
    std::unique_ptr<QPrinter> m_printer;
    QPrintPreviewWidget* m_view = nullptr;
    QLineEdit* m_find = nullptr;
    QLabel* m_pageLabel = nullptr;
    ReportHit m_hit;
    QString m_lastFind;
};
