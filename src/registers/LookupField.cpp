#include "registers/LookupField.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QToolButton>

LookupField::LookupField(const QString& objectName, const QString& clearHint, bool libraryButton,
                         QWidget* parent)
    : QWidget(parent) {
    setObjectName(objectName + QStringLiteral("Panel"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    m_combo = new QComboBox;
    m_combo->setObjectName(objectName);
    m_combo->setProperty("dataItems", true);  // records of a dictionary
    m_combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_combo->setMinimumContentsLength(18);
    layout->addWidget(m_combo, 1);
    if (libraryButton) {
        m_library = new QToolButton;
        m_library->setObjectName(objectName + QStringLiteral("Biblioteka"));
        m_library->setText(QStringLiteral("[...]"));
        m_library->setToolTip(QStringLiteral("Otwórz bibliotekę słowników"));
        layout->addWidget(m_library);
        connect(m_library, &QToolButton::clicked, this, &LookupField::libraryRequested);
    }
    if (!clearHint.isEmpty()) {
        m_clear = new QToolButton;
        m_clear->setObjectName(objectName + QStringLiteral("Clear"));
        m_clear->setText(QStringLiteral("X"));
        m_clear->setToolTip(clearHint);
        m_clear->setStatusTip(clearHint);
        layout->addWidget(m_clear);
        connect(m_clear, &QToolButton::clicked, this, &LookupField::clearChoice);
    }
    connect(m_combo, &QComboBox::activated, this, &LookupField::chosen);
}

void LookupField::setEntries(const QList<LookupEntry>& entries) {
    const QVariant chosenKey = key();
    m_entries = entries;
    m_combo->clear();
    for (const LookupEntry& entry : entries)
        m_combo->addItem(entry.text);
    setKey(chosenKey);
}

QVariant LookupField::key() const {
    const int index = m_combo->currentIndex();
    return index < 0 || index >= m_entries.size() ? QVariant() : m_entries.at(index).key;
}

QString LookupField::text() const {
    return hasChoice() ? m_combo->currentText() : QString();
}

QVariant LookupField::extra() const {
    const int index = m_combo->currentIndex();
    return index < 0 || index >= m_entries.size() ? QVariant() : m_entries.at(index).extra;
}

bool LookupField::hasChoice() const {
    return key().isValid();
}

void LookupField::setKey(const QVariant& wanted) {
    int found = -1;
    if (wanted.isValid() && !wanted.isNull()) {
        const QString text = wanted.toString();
        for (int i = 0; i < m_entries.size() && found < 0; ++i) {
            const QVariant& entryKey = m_entries.at(i).key;
            const bool numeric = entryKey.typeId() != QMetaType::QString;
            if (numeric ? entryKey.toDouble() == wanted.toDouble() && !text.isEmpty()
                        : entryKey.toString() == text)
                found = i;
        }
    }
    m_combo->setCurrentIndex(found);
}

void LookupField::clearChoice() {
    m_combo->setCurrentIndex(-1);
    emit chosen();
}

void LookupField::setReadOnly(bool readOnly) {
    m_combo->setEnabled(!readOnly);
    if (m_clear)
        m_clear->setEnabled(!readOnly);
    if (m_library)
        m_library->setEnabled(!readOnly);
}
