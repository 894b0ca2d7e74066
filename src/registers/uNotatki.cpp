#include "registers/uNotatki.h"

#include "data/TmyDataBase.h"
#include "registers/DateField.h"
#include "registers/uShowNotatka.h"
#include "support/MessageService.h"
#include "support/OVUtilities.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QPushButton* button(const QString& objectName, const QString& text, const QString& hint = {}) {
    auto* b = new QPushButton(text);
    b->setObjectName(objectName);
    if (!hint.isEmpty()) {
        b->setToolTip(hint);
        b->setStatusTip(hint);
    }
    return b;
}

}  // namespace

TfNotatki::TfNotatki(NotesBook& notes, MessageService& messages, bool askBeforeDelete,
                     QWidget* parent)
    : QDialog(parent), m_notes(notes), m_messages(messages), m_askBeforeDelete(askBeforeDelete) {
    setObjectName(QStringLiteral("TfNotatki"));
    setWindowTitle(QStringLiteral("Notatki"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TfShowNotatka::banner(QStringLiteral("Edytuj notatki")));

    m_date = new DateField(QStringLiteral("termin"));
    const QString dateHint = QStringLiteral(
        "Termin od kiedy notatka nabiera ważności. Po tej dacie program bedzie "
        "wyświetlał przypomnienie o notatce");
    m_date->edit()->setToolTip(dateHint);
    m_date->edit()->setStatusTip(dateHint);
    m_number = new QLineEdit;
    m_number->setObjectName(QStringLiteral("ilosc_n"));
    m_number->setReadOnly(true);
    m_number->setToolTip(QStringLiteral("Numer edytowanej notatki z listy notatek (od 1 do 30)"));
    m_number->setMaximumWidth(m_number->fontMetrics().horizontalAdvance(QStringLiteral("000")) +
                              16);
    m_text = new QPlainTextEdit;
    m_text->setObjectName(QStringLiteral("notatka"));

    auto* top = new QGridLayout;
    auto* dateCaption = new QLabel(QStringLiteral("Termin notatki:"));
    dateCaption->setObjectName(QStringLiteral("terminLabel"));
    dateCaption->setBuddy(m_date->edit());
    auto* numberCaption = new QLabel(QStringLiteral("Numer notatki:"));
    numberCaption->setObjectName(QStringLiteral("numerNotatkiLabel"));
    numberCaption->setBuddy(m_number);
    top->addWidget(dateCaption, 0, 0);
    top->addWidget(m_date, 0, 1);
    top->setColumnStretch(2, 1);
    top->addWidget(numberCaption, 0, 3);
    top->addWidget(m_number, 0, 4);
    layout->addLayout(top);
    layout->addWidget(m_text, 1);

    QPushButton* back = button(QStringLiteral("BPoprzednia"), QStringLiteral("&<<"),
                               QStringLiteral("Poprzednia notatka z listy notatek"));
    QPushButton* forward = button(QStringLiteral("BNastepna"), QStringLiteral("&>>"),
                                  QStringLiteral("Następna notatka z listy notatek"));
    QPushButton* clear = button(QStringLiteral("BWyczysc"), QStringLiteral("  Wyczyść   "),
                                QStringLiteral("Czyści bieżącą notatkę"));
    QPushButton* ok = button(QStringLiteral("BOK"), QStringLiteral("    &OK        "));
    // Enter in the date field closes the notebook, whatever the date (a masked field
    // reports Enter only for a complete date).
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch(1);
    buttons->addWidget(clear);
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    resize(460, 300);

    connect(back, &QPushButton::clicked, this, &TfNotatki::previous);
    connect(forward, &QPushButton::clicked, this, &TfNotatki::next);
    connect(clear, &QPushButton::clicked, this, &TfNotatki::clearNote);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_text, &QPlainTextEdit::textChanged, this, &TfNotatki::limitText);
}

void TfNotatki::limitText() {
    const QString typed = m_text->toPlainText();
    if (typed.size() <= NotesBook::kTextLength)
        return;
    const int position = std::min(m_text->textCursor().position(), NotesBook::kTextLength);
    m_text->setPlainText(typed.left(NotesBook::kTextLength));
    QTextCursor cursor = m_text->textCursor();
    cursor.setPosition(position);
    m_text->setTextCursor(cursor);
}

void TfNotatki::showNote(int index) {
    m_current = index;
    const NotesBook::Note& note = m_notes.note(index);
    m_number->setText(QString::number(index + 1));
    m_text->setPlainText(note.text);
    // A stored date is shown with today's separator; one that is no date is not shown.
    const qint64 date = TOVUtilities().dateTextToNumber(note.date);
    if (date)
        m_date->setDateNumber(date);
    else
        m_date->clear();
}

void TfNotatki::keepNote() {
    NotesBook::Note& note = m_notes.note(m_current);
    const QString text = m_text->toPlainText();
    if (text.trimmed().isEmpty()) {
        note.date.clear();
        note.text.clear();
        return;
    }
    if (!m_date->isValid())
        m_date->clear();
    note.date = m_date->isValid() ? m_date->text().left(NotesBook::kDateLength) : QString();
    note.text = text.left(NotesBook::kTextLength);
}

void TfNotatki::previous() {
    keepNote();
    showNote((m_current + NotesBook::kCount - 1) % NotesBook::kCount);
}

void TfNotatki::next() {
    keepNote();
    showNote((m_current + 1) % NotesBook::kCount);
}

void TfNotatki::clearNote() {
    if (m_askBeforeDelete && !m_messages.question(QStringLiteral("Pytanie"),
                                                  QStringLiteral("Czy usunąć bieżącą notatkę?")))
        return;
    m_date->clear();
    m_text->clear();
    NotesBook::Note& note = m_notes.note(m_current);
    note.date.clear();
    note.text.clear();
}

void TfNotatki::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        showNote(0);
        m_text->setFocus();
    }
    QDialog::showEvent(event);
}

void TfNotatki::done(int result) {
    // Every way of closing (OK, Enter or Esc, the close box) keeps the shown note.
    if (isVisible())
        keepNote();
    QDialog::done(result);
}

void TfNotatki::open(QWidget* parent, TmyDataBase& database, MessageService& messages,
                     bool askBeforeDelete) {
    NotesBook& notes = database.notes();
    // A failed read is reported; the notes in memory are shown and saved as they are.
    notes.refresh(database.DatabaseFirma(), database.errorReport());
    TfNotatki notebook(notes, messages, askBeforeDelete, parent);
    notebook.exec();
    database.saveNotes();
}
