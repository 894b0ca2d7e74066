#include "output/report/ReportPreview.h"

#include "output/report/ReportPainter.h"
#include "output/report/ReportTexts.h"
#include "support/MessageService.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString t(const char* polish) {
    return ReportTexts::text(QString::fromUtf8(polish));
}

}  // namespace

ReportPreview::ReportPreview(PreparedReport report, MessageService& messages, QWidget* parent)
    : QDialog(parent),
      m_report(std::move(report)),
      m_messages(messages),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(m_report.title.isEmpty()
                       ? t("Podgląd wydruku")
                       : t("Podgląd wydruku") + QStringLiteral(" - ") + m_report.title);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    // The preview lays the pages out on a PDF printer: the same paper whatever printers
    // the system has.
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setFullPage(true);
    m_printer->setPageLayout(ReportPainter::pageLayout(m_report));
    m_view = new QPrintPreviewWidget(m_printer.get(), this);
    m_view->setObjectName(QStringLiteral("podglad"));
    connect(m_view, &QPrintPreviewWidget::paintRequested, this, &ReportPreview::paint);

    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("pasek"));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    auto add = [this, bar](const char* name, const char* text, QStyle::StandardPixmap icon,
                           const QKeySequence& keys, auto slot) {
        QAction* action = bar->addAction(style()->standardIcon(icon), t(text));
        action->setObjectName(QString::fromLatin1(name));
        action->setToolTip(t(text));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add("Pierwsza", "Pierwsza", QStyle::SP_MediaSkipBackward, QKeySequence(Qt::Key_Home),
        [this] { m_view->setCurrentPage(1); });
    add("Poprzednia", "Poprzednia", QStyle::SP_MediaSeekBackward, QKeySequence(Qt::Key_PageUp),
        [this] { m_view->setCurrentPage(std::max(1, currentPage() - 1)); });
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("strona"));
    m_pageLabel->setMinimumWidth(90);
    m_pageLabel->setAlignment(Qt::AlignCenter);
    bar->addWidget(m_pageLabel);
    add("Nastepna", "Następna", QStyle::SP_MediaSeekForward, QKeySequence(Qt::Key_PageDown),
        [this] { m_view->setCurrentPage(std::min(m_view->pageCount(), currentPage() + 1)); });
    add("Ostatnia", "Ostatnia", QStyle::SP_MediaSkipForward, QKeySequence(Qt::Key_End),
        [this] { m_view->setCurrentPage(m_view->pageCount()); });
    bar->addSeparator();
    add("Powieksz", "Powiększ", QStyle::SP_ArrowUp, QKeySequence::ZoomIn,
        [this] { m_view->zoomIn(1.25); });
    add("Pomniejsz", "Pomniejsz", QStyle::SP_ArrowDown, QKeySequence::ZoomOut,
        [this] { m_view->zoomOut(1.25); });
    add("Szerokosc", "Do szerokości", QStyle::SP_TitleBarMaxButton, QKeySequence(),
        [this] { m_view->fitToWidth(); });
    add("Strona", "Cała strona", QStyle::SP_TitleBarNormalButton, QKeySequence(),
        [this] { m_view->fitInView(); });
    bar->addSeparator();
    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("szukaj"));
    m_find->setPlaceholderText(t("Szukaj tekstu"));
    m_find->setMaximumWidth(180);
    bar->addWidget(m_find);
    add("Znajdz", "Znajdź", QStyle::SP_FileDialogContentsView, QKeySequence::FindNext,
        &ReportPreview::findNext);
    connect(m_find, &QLineEdit::returnPressed, this, &ReportPreview::findNext);
    bar->addSeparator();
    // The three a reader looks for carry their words as well.
    for (QAction* action : {add("Drukuj", "Drukuj", QStyle::SP_DialogSaveButton,
                                QKeySequence::Print, &ReportPreview::print),
                            add("PDF", "Zapisz PDF", QStyle::SP_DriveFDIcon, QKeySequence::Save,
                                &ReportPreview::savePdf),
                            add("Zamknij", "Zamknij", QStyle::SP_DialogCloseButton,
                                QKeySequence(Qt::Key_Escape), &QDialog::accept)}) {
        if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action)))
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_view, 1);
    connect(m_view, &QPrintPreviewWidget::previewChanged, this, &ReportPreview::updatePageLabel);
    resize(900, 700);
    m_view->fitToWidth();
    m_view->updatePreview();
    updatePageLabel();
}

ReportPreview::~ReportPreview() = default;

int ReportPreview::currentPage() const {
    return m_view->currentPage();
}

void ReportPreview::updatePageLabel() {
    m_pageLabel->setText(
        QStringLiteral("%1 / %2").arg(m_view->currentPage()).arg(m_view->pageCount()));
}

void ReportPreview::paint(QPrinter* printer) {
    QPainter painter(printer);
    for (int i = 0; i < m_report.pages.size(); ++i) {
        if (i > 0)
            printer->newPage();
        ReportPainter::paintPage(painter, m_report.pages[i], m_hit, i);
    }
}

void ReportPreview::findNext() {
    const QString what = m_find->text().trimmed();
    if (what.isEmpty())
        return;
    const ReportHit next = m_report.find(what, what == m_lastFind ? m_hit : ReportHit());
    m_lastFind = what;
    if (!next.found()) {
        m_hit = {};
        m_view->updatePreview();
        m_messages.information(t("Informacja"), t("Nie znaleziono tekstu") + QStringLiteral(" \"") +
                                                    what + QStringLiteral("\"."));
        return;
    }
    m_hit = next;
    m_view->updatePreview();
    m_view->setCurrentPage(next.page + 1);
    updatePageLabel();
}

void ReportPreview::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageLayout(ReportPainter::pageLayout(m_report));
    printer.setDocName(m_report.title);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(t("Drukuj"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        m_messages.information(t("Błąd"), t("Nie można rozpocząć wydruku."));
        return;
    }
    // The printer dialog may ask for a range of pages.
    int from = printer.fromPage() > 0 ? printer.fromPage() - 1 : 0;
    int to = printer.toPage() > 0 ? printer.toPage() - 1 : int(m_report.pages.size()) - 1;
    for (int i = from; i <= to && i < m_report.pages.size(); ++i) {
        if (i > from)
            printer.newPage();
        ReportPainter::paintPage(painter, m_report.pages[i], {}, i);
    }
    painter.end();
}

void ReportPreview::savePdf() {
    QString name = m_report.title.isEmpty() ? QStringLiteral("raport") : m_report.title;
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    const QString file =
        m_messages.saveFileName(t("Zapisz jako PDF"), name + QStringLiteral(".pdf"),
                                {t("Dokument PDF") + QStringLiteral(" (*.pdf)")});
    if (file.isEmpty())
        return;
    if (ReportPainter::writePdf(m_report, file))
        m_messages.information(t("Informacja"),
                               t("Raport zapisano w pliku:") + QLatin1Char(' ') + file);
    else
        m_messages.information(t("Błąd"), t("Nie można zapisać pliku:") + QLatin1Char(' ') + file);
}

bool ReportPreview::showResult(const ReportEngine::Result& result, MessageService& messages,
                               QWidget* parent) {
    if (const auto* error = std::get_if<LayoutError>(&result)) {
        messages.information(t("Błąd układu raportu"), error->text());
        return false;
    }
    ReportPreview preview(std::get<PreparedReport>(result), messages, parent);
    preview.exec();
    return true;
}
