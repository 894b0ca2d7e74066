#include "shell/uQuestionForm.h"

#include "shell/uInfoForm.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

TquestionForm::TquestionForm(const QString& title, const QString& text, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TquestionForm"));
    setWindowTitle(title);
    setProperty("composedText", true);
    setModal(true);

    auto* icon = new QLabel;
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);

    m_text = new QLabel(text);
    m_text->setObjectName(QStringLiteral("Tekst"));
    m_text->setProperty("composedText", true);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_text->setMinimumWidth(260);
    m_text->setMaximumWidth(560);

    m_yes = new QPushButton(QStringLiteral("  &Tak   "));
    m_yes->setObjectName(QStringLiteral("BTak"));
    m_yes->setDefault(true);
    m_no = new QPushButton(QStringLiteral("  &Nie   "));
    m_no->setObjectName(QStringLiteral("BNie"));
    connect(m_yes, &QPushButton::clicked, this, &QDialog::accept);
    // Every way out other than "Tak" is a reject, so the answer is "Nie".
    connect(m_no, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(m_text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_yes);
    buttons->addWidget(m_no);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_yes->setFocus();
}

bool TquestionForm::ask(QWidget* parent, const QString& title, const QString& text) {
    if (QCoreApplication::closingDown())
        return false;
    TquestionForm box(title, text, parent);
    return box.exec() == QDialog::Accepted;
}

QString TquestionForm::text() const {
    return m_text->text();
}

void TquestionForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        TinfoForm::centreOnParentOrScreen(this);
}
