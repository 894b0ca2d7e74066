#include "output/uSprawdzenieDat.h"

#include "data/TmyDataBase.h"
#include "output/TermCalendar.h"
#include "registers/QuietTeardown.h"
#include "registers/StayOnTop.h"
#include "support/MessageService.h"
#include "support/WholeFile.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QColor kBackground(192, 192, 208);

struct PageText {
    const char* name;
    const char* caption;
    const char* list;
    const char* fileName;  // proposed when the page's list is saved
};

const PageText kPages[] = {
    {"daty", "Sprawdzanie wg dat", "output1", "przypomnienie-daty.txt"},
    {"przebiegi", "Sprawdzanie wg przebiegu", "output2", "przypomnienie-przebieg.txt"},
    {"magazyn", "Sprawdzanie stanów magazynowych", "output3", "stany-magazynowe.txt"},
};

QToolButton* button(const char* name, const QString& text, const QString& hint) {
    auto* b = new QToolButton;
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}

}  // namespace

TfSprawdzenieDat::TfSprawdzenieDat(TmyDataBase& database, MessageService& messages, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_db(database), m_messages(messages) {
    setObjectName(QStringLiteral("fSprawdzenieDat"));
    setWindowTitle(QStringLiteral("Sprawdzenie terminów"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    palette.setColor(QPalette::Base, kBackground);
    setPalette(palette);
    setAutoFillBackground(true);

    auto* strip = new QWidget;
    strip->setObjectName(QStringLiteral("Panel1"));
    strip->setStyleSheet(QStringLiteral("QWidget#Panel1 { background: #505050; }"));
    auto* picture = new QLabel;
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    auto* heading = new QLabel(QStringLiteral("Wkrótce upłynie bądź już upłynął termin dla:"));
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    auto* stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(8, 6, 8, 6);
    stripLayout->addWidget(picture);
    stripLayout->addWidget(heading, 1);

    m_pages = new QTabWidget;
    m_pages->setObjectName(QStringLiteral("zakladki"));
    for (int p = 0; p < 3; ++p) {
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(kPages[p].name));
        auto* list = new QPlainTextEdit;
        list->setObjectName(QString::fromLatin1(kPages[p].list));
        list->setReadOnly(true);
        list->setLineWrapMode(QPlainTextEdit::NoWrap);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        list->installEventFilter(this);
        auto* pageLayout = new QVBoxLayout(page);
        pageLayout->setContentsMargins(0, 0, 0, 0);
        pageLayout->addWidget(list);
        m_pages->addTab(page, QString::fromUtf8(kPages[p].caption));
        m_pages->setTabVisible(p, false);
        m_outputs[size_t(p)] = list;
    }

    m_top = new QCheckBox(QStringLiteral("Okno zawsze na wierzchu"));
    m_top->setObjectName(QStringLiteral("cbTop"));
    QToolButton* calendar =
        button("SBKalendarz", QStringLiteral("Eksportuj do kalendarza"),
               QStringLiteral("Zapisz terminy z datą jako plik kalendarza (iCalendar)"));
    QToolButton* save = button("SBcsv", QStringLiteral("Zapisz do ..."),
                               QStringLiteral("Zapisz tabelę do arkusza CSV"));
    QToolButton* ok = button("SpeedButton4", QStringLiteral("Ok"), QStringLiteral("Zamknij okno"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_top);
    bottom->addStretch(1);
    bottom->addWidget(calendar);
    bottom->addWidget(save);
    bottom->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->addWidget(strip);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(4, 0, 4, 0);
    body->addWidget(m_pages, 1);
    body->addLayout(bottom);
    layout->addLayout(body, 1);
    resize(753, 390);
    if (const QScreen* shown = screen())
        move(shown->availableGeometry().center() - rect().center());

    connect(m_top, &QCheckBox::toggled, this, [this](bool onTop) { setStayOnTop(this, onTop); });
    connect(ok, &QToolButton::clicked, this, &QWidget::hide);
    connect(save, &QToolButton::clicked, this, &TfSprawdzenieDat::SBcsvClick);
    connect(calendar, &QToolButton::clicked, this, &TfSprawdzenieDat::SBKalendarzClick);
}

TfSprawdzenieDat::~TfSprawdzenieDat() {
    quietTeardown(this);
}

bool TfSprawdzenieDat::run(const ReminderRun& run, const TconfigPP& options, const QDate& today) {
    if (!run.dates && !run.odometer && !run.store)
        return false;
    for (int p = 0; p < 3; ++p)
        m_pages->setTabVisible(p, false);
    Reminders reminders(m_db, options, today);
    bool found = false;
    // In this order, so that the page of the last check run is the one shown.
    if (run.store)
        found |= showList(Store, reminders.storeCheck());
    if (run.odometer)
        found |= showList(Odometer, reminders.odometerCheck());
    if (run.dates)
        found |= showList(Dates, reminders.dateCheck());
    if (run.quiet && !found)
        return false;
    show();
    raise();
    activateWindow();
    m_outputs[size_t(m_pages->currentIndex())]->setFocus();
    return true;
}

bool TfSprawdzenieDat::showList(Page page, const ReminderList& list) {
    m_lists[page] = list;
    m_outputs[page]->setPlainText(list.lines.join(QLatin1Char('\n')));
    m_pages->setTabVisible(page, true);
    m_pages->setCurrentIndex(page);
    return list.found;
}

void TfSprawdzenieDat::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_pages->currentIndex() >= 0)
        m_outputs[size_t(m_pages->currentIndex())]->setFocus();
}

bool TfSprawdzenieDat::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        std::find(m_outputs.cbegin(), m_outputs.cend(), watched) != m_outputs.cend()) {
        hide();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TfSprawdzenieDat::SBcsvClick() {
    const int page = m_pages->currentIndex();
    if (page < 0)
        return;
    // The text filter first: the dialog takes its extension, ".txt", from it.
    const QString file = m_messages.saveFileName(
        QStringLiteral("Eksportuj dane do arkusza .CSV"),
        QString::fromLatin1(kPages[page].fileName),
        {QStringLiteral("Plik tekstowy (*.txt)"), QStringLiteral("Wszystkie pliki (*.*)")});
    if (file.isEmpty())
        return;
    saved(WholeFile::write(file, m_lists[size_t(page)].bytes(TextEncoding::Windows1250)), file);
}

void TfSprawdzenieDat::SBKalendarzClick() {
    const QString file = m_messages.saveFileName(
        QStringLiteral("Eksportuj terminy do kalendarza"), TermCalendar::proposedFileName(),
        {QStringLiteral("Kalendarz (*.ics)"), QStringLiteral("Wszystkie pliki (*.*)")});
    if (file.isEmpty())
        return;
    // Every dated term, whatever the options of the date check. A section that failed
    // (already reported) would make the calendar's subscribers drop its events: no file.
    Reminders reminders(m_db, TconfigPP());
    const ReminderList terms = reminders.datedTerms(DateSpan());
    saved(!terms.failed() && TermCalendar::write(terms.terms, m_db.companyDir(), file), file);
}

void TfSprawdzenieDat::saved(bool ok, const QString& fileName) {
    m_messages.information(
        QStringLiteral("Informacja"),
        ok ? QStringLiteral("Dane zostały zapisane w pliku:") + QLatin1Char(' ') + fileName
           : QStringLiteral("Zapisywanie danych nie powiodło się"));
}
