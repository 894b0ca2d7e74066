#include "shell/uInfoForm.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

TinfoForm::TinfoForm(const QString& title, const QString& text, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TinfoForm"));
    setWindowTitle(title);
    setProperty("composedText", true);
    setModal(true);

    auto* icon = new QLabel;
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);

    // Plain text: messages quote names and file paths that may hold '<' or '&'.
    m_text = new QLabel(text);
    m_text->setObjectName(QStringLiteral("Tekst"));
    m_text->setProperty("composedText", true);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    // Selectable by mouse only, so the keyboard focus stays on the button.
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_text->setMinimumWidth(260);
    m_text->setMaximumWidth(560);

    m_ok = new QPushButton(QStringLiteral("  &OK    "));
    m_ok->setObjectName(QStringLiteral("BOK"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(m_text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_ok->setFocus();
}

void TinfoForm::show(QWidget* parent, const QString& title, const QString& text) {
    if (QCoreApplication::closingDown())
        return;
    TinfoForm box(title, text, parent);
    box.exec();
}

int TinfoForm::exec() {
    // A box raised from a destructor during shutdown would have no event loop to run in.
    if (QCoreApplication::closingDown())
        return QDialog::Rejected;
    return QDialog::exec();
}

QString TinfoForm::text() const {
    return m_text->text();
}

void TinfoForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        centreOnParentOrScreen(this);
}

void TinfoForm::centreOnParentOrScreen(QWidget* window) {
    QWidget* host = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    QScreen* screen = host ? host->screen() : window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect screenArea = screen ? screen->availableGeometry() : QRect();
    const QRect area =
        (host && host->isVisible() && !host->isMinimized()) ? host->frameGeometry() : screenArea;
    if (!area.isValid())
        return;

    QRect frame = window->frameGeometry();
    frame.moveCenter(area.center());
    if (screenArea.isValid()) {
        // A parent near the edge of the screen must not push the box off it.
        frame.moveRight(qMin(frame.right(), screenArea.right()));
        frame.moveBottom(qMin(frame.bottom(), screenArea.bottom()));
        frame.moveLeft(qMax(frame.left(), screenArea.left()));
        frame.moveTop(qMax(frame.top(), screenArea.top()));
    }
    window->move(frame.topLeft());
}
