#include "shell/uFiszka.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TfFiszka::TfFiszka(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("TfFiszka"));
    setWindowTitle(QStringLiteral("Fiszka"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    m_text = new QPlainTextEdit;
    m_text->setObjectName(QStringLiteral("Memo"));
    layout->addWidget(m_text);
    resize(320, 240);
    resetText();
}

void TfFiszka::resetText() {
    m_text->setPlainText(
        QStringLiteral("To jest notatnik, w którym możesz zapisywać informacje tymczasowe.\n"
                       "Zawartość tego notatnika czyszczona jest po zakończeniu pracy."));
}
