#include "shell/uPromptForm.h"

#include "shell/uInfoForm.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TpromptForm::TpromptForm(const QString& title, const QString& text, const QString& initialValue,
                         bool password, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TpromptForm"));
    setWindowTitle(title);
    setProperty("composedText", true);
    setModal(true);

    m_text = new QLabel(text);
    m_text->setObjectName(QStringLiteral("Tekst"));
    m_text->setProperty("composedText", true);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);

    m_value = new QLineEdit(initialValue);
    m_value->setObjectName(QStringLiteral("fValue"));
    m_value->setMinimumWidth(280);
    if (password) {
        m_value->setEchoMode(QLineEdit::Password);
        // The style's own mask character varies (a dot, a bullet); the program shows '*'.
        m_value->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    }

    m_ok = new QPushButton(QStringLiteral("  &Ok   "));
    m_ok->setObjectName(QStringLiteral("BOk"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("  &Anuluj   "));
    m_cancel->setObjectName(QStringLiteral("BAnuluj"));
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(m_value);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_value->selectAll();
    m_value->setFocus();
}

std::optional<QString> TpromptForm::prompt(QWidget* parent, const QString& title,
                                           const QString& text, const QString& initialValue,
                                           bool password) {
    if (QCoreApplication::closingDown())
        return std::nullopt;
    // A new box every call, so the password mode cannot carry over to the next prompt.
    TpromptForm box(title, text, initialValue, password, parent);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.value();
}

QString TpromptForm::value() const {
    return m_value->text();
}

void TpromptForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        TinfoForm::centreOnParentOrScreen(this);
        m_value->selectAll();
        m_value->setFocus();
    }
}
