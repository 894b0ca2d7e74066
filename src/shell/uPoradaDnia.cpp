#include "shell/uPoradaDnia.h"

#include "shell/TipsOfTheDay.h"
#include "shell/uInfoForm.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfPoradaDnia::TfPoradaDnia(TipsOfTheDay* tips, QWidget* parent) : QDialog(parent), m_tips(tips) {
    setObjectName(QStringLiteral("TfPoradaDnia"));
    setWindowTitle(QStringLiteral("Porada dnia"));
    setModal(true);

    m_tip = new QPlainTextEdit;
    m_tip->setObjectName(QStringLiteral("Porada"));
    m_tip->setReadOnly(true);
    m_tip->setMinimumSize(420, 130);

    m_dontShow = new QCheckBox(QStringLiteral("Nie pokazuj tego okna przy następnym uruchomieniu"));
    m_dontShow->setObjectName(QStringLiteral("cbNiePokazuj"));

    m_next = new QPushButton(QStringLiteral("&Następna porada >>"));
    m_next->setObjectName(QStringLiteral("BNastepna"));
    m_next->setAutoDefault(false);
    m_ok = new QPushButton(QStringLiteral("   &OK        "));
    m_ok->setObjectName(QStringLiteral("BOK"));
    m_ok->setDefault(true);
    connect(m_next, &QPushButton::clicked, this, &TfPoradaDnia::showNextTip);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_next);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tip, 1);
    layout->addWidget(m_dontShow);
    layout->addLayout(buttons);

    m_ok->setFocus();
}

void TfPoradaDnia::setDontShow(bool dontShow) {
    m_dontShow->setChecked(dontShow);
}

bool TfPoradaDnia::dontShow() const {
    return m_dontShow->isChecked();
}

QString TfPoradaDnia::currentTip() const {
    return m_tip->toPlainText();
}

void TfPoradaDnia::showNextTip() {
    if (!m_tips || m_tips->count() < 2)
        return;
    m_tip->setPlainText(m_tips->next());
}

void TfPoradaDnia::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A restore from the task bar is spontaneous and keeps the tip being read.
    if (event->spontaneous())
        return;
    // Each showing draws a tip; the one tip of a one-line file is shown too.
    m_tip->setPlainText(m_tips ? m_tips->next() : QString());
    TinfoForm::centreOnParentOrScreen(this);
}
