#include "registers/SuggestedText.h"

#include "registers/DictionaryLibraryHook.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QToolButton>

SuggestedText::SuggestedText(QComboBox* combo, QToolButton* library, QToolButton* clear,
                             TmyDataBase& database, QString dictionary, Source suggestions)
    : m_combo(combo),
      m_db(database),
      m_dictionary(std::move(dictionary)),
      m_suggestions(std::move(suggestions)) {
    auto* line = new QHBoxLayout(this);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(2);
    line->addWidget(combo, 1);
    line->addWidget(library);
    connect(library, &QToolButton::clicked, this, [this] {
        DictionaryLibraryHook::open(window(), m_db, m_dictionary);
        reload();
        emit libraryClosed();
    });
    if (clear) {
        line->addWidget(clear);
        connect(clear, &QToolButton::clicked, this, [this] { m_combo->setEditText(QString()); });
    }
}

QString SuggestedText::text() const {
    return m_combo->currentText();
}

void SuggestedText::setText(const QString& text) {
    m_combo->setEditText(text);
}

void SuggestedText::reload() {
    const QString typed = m_combo->currentText();
    m_combo->clear();
    m_combo->addItems(m_suggestions());
    m_combo->setEditText(typed);
}
