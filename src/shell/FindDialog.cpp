#include "shell/FindDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

FindDialog::FindDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FindText"));
    setWindowTitle(QStringLiteral("Szukaj"));
    setModal(false);
    auto* layout = new QHBoxLayout(this);
    auto* caption = new QLabel(QStringLiteral("Szukaj:"));
    caption->setObjectName(QStringLiteral("FindTextEditLabel"));
    layout->addWidget(caption);
    m_text = new QLineEdit;
    m_text->setObjectName(QStringLiteral("FindTextEdit"));
    m_text->setMinimumWidth(220);
    layout->addWidget(m_text, 1);
    auto* next = new QPushButton(QStringLiteral("&Znajdź następny"));
    next->setObjectName(QStringLiteral("FindTextFind"));
    next->setDefault(true);
    layout->addWidget(next);
    auto* close = new QPushButton(QStringLiteral("Zamknij"));
    close->setObjectName(QStringLiteral("FindTextClose"));
    layout->addWidget(close);
    connect(next, &QPushButton::clicked, this, [this] {
        if (!text().isEmpty())
            emit findNext(text());
    });
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
}

QString FindDialog::text() const {
    return m_text->text();
}
