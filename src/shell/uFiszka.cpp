#include "shell/uFiszka.h"

#include "registers/StayOnTop.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

TfFiszka::TfFiszka(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("TfFiszka"));
    setWindowTitle(QStringLiteral("Fiszka - notatki tymczasowe"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    m_text = new QPlainTextEdit;
    m_text->setObjectName(QStringLiteral("Memo"));
    m_text->installEventFilter(this);
    layout->addWidget(m_text);
    auto* bottom = new QHBoxLayout;
    m_onTop = new QCheckBox(QStringLiteral("Okno zawsze na wierzchu"));
    m_onTop->setObjectName(QStringLiteral("naWierzchu"));
    m_close = new QToolButton;
    m_close->setObjectName(QStringLiteral("SBZamknij"));
    m_close->setText(QStringLiteral("Zamknij"));
    m_close->setToolTip(QStringLiteral("Zamknij to okno"));
    m_close->setStatusTip(m_close->toolTip());
    bottom->addWidget(m_onTop);
    bottom->addStretch(1);
    bottom->addWidget(m_close);
    layout->addLayout(bottom);
    resize(320, 240);
    resetText();

    connect(m_onTop, &QCheckBox::toggled, this, &TfFiszka::setAlwaysOnTop);
    connect(m_close, &QToolButton::clicked, this, &QWidget::hide);
}

void TfFiszka::resetText() {
    m_text->setPlainText(
        QStringLiteral("To jest notatnik, w którym możesz zapisywać informacje tymczasowe.\n"
                       "Zawartość tego notatnika czyszczona jest po zakończeniu pracy."));
}

void TfFiszka::setAlwaysOnTop(bool onTop) {
    setStayOnTop(this, onTop);
}

bool TfFiszka::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_text && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        hide();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
