#include "registers/uShowNotatka.h"

#include "data/TmyDataBase.h"
#include "support/MessageService.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

QLabel* TfShowNotatka::banner(const QString& text) {
    auto* header = new QLabel(text);
    header->setObjectName(QStringLiteral("Banner"));
    QFont font = header->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    header->setFont(font);
    header->setStyleSheet(QStringLiteral("QLabel#Banner { color: #1f3f7a; padding-bottom: 6px; }"));
    return header;
}

TfShowNotatka::TfShowNotatka(TmyDataBase& database, MessageService& messages, bool askBeforeDelete,
                             QWidget* parent)
    : QDialog(parent), m_db(database), m_messages(messages), m_askBeforeDelete(askBeforeDelete) {
    setObjectName(QStringLiteral("TfShowNotatka"));
    setWindowTitle(QStringLiteral("Notatka"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(banner(QStringLiteral("Znaleziono notatkę na dziś")));

    auto* numberLine = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("Numer notatki:"));
    caption->setObjectName(QStringLiteral("numerNotatkiLabel"));
    m_number = new QLineEdit;
    m_number->setObjectName(QStringLiteral("ilosc_n"));
    m_number->setReadOnly(true);
    m_number->setMaximumWidth(m_number->fontMetrics().horizontalAdvance(QStringLiteral("000")) +
                              16);
    caption->setBuddy(m_number);
    numberLine->addWidget(caption);
    numberLine->addWidget(m_number);
    numberLine->addStretch(1);
    layout->addLayout(numberLine);

    m_text = new QPlainTextEdit;
    m_text->setObjectName(QStringLiteral("notatka"));
    m_text->setReadOnly(true);
    layout->addWidget(m_text, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_ok = new QPushButton(QStringLiteral("    &OK        "));
    m_ok->setObjectName(QStringLiteral("BOK"));
    m_ok->setDefault(true);
    m_delete = new QPushButton(QStringLiteral("  Usuń      "));
    m_delete->setObjectName(QStringLiteral("BUsun"));
    m_delete->setAutoDefault(false);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_delete);
    layout->addLayout(buttons);
    resize(420, 260);

    // Esc, in the text too, rejects the dialog as "OK" does: the note stays due.
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_delete, &QPushButton::clicked, this, &TfShowNotatka::deleteNote);
}

void TfShowNotatka::setNote(int index) {
    m_index = index;
    m_number->setText(QString::number(index + 1));
    m_text->setPlainText(m_db.notes().note(index).text);
    m_ok->setFocus();
}

void TfShowNotatka::deleteNote() {
    if (!m_askBeforeDelete ||
        m_messages.question(QStringLiteral("Pytanie"), QStringLiteral("Czy usunąć notatkę?"))) {
        NotesBook::Note& note = m_db.notes().note(m_index);
        note.date.clear();
        note.text.clear();
        // Only the notes changed here are written; a failure is reported and the note
        // stays cleared in memory, to be written by the next save.
        m_db.saveNotes();
    }
    accept();
}

void TfShowNotatka::showNote(QWidget* parent, TmyDataBase& database, MessageService& messages,
                             int index, bool askBeforeDelete) {
    TfShowNotatka window(database, messages, askBeforeDelete, parent);
    window.setNote(index);
    window.exec();
}
