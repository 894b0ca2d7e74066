#pragma once

#include "data/Lookups.h"

#include <QWidget>

class QComboBox;
class QToolButton;

// A choice from a list of entries with keys (a dictionary, the persons, the vehicles),
// with an optional clear button and an optional "[...]" button that opens the
// dictionary library.
class LookupField : public QWidget {
    Q_OBJECT

public:
    LookupField(const QString& objectName, const QString& clearHint = {},
                bool libraryButton = false, QWidget* parent = nullptr);

    void setEntries(const QList<LookupEntry>& entries);
    // The chosen entry's key; an invalid QVariant when none is chosen.
    QVariant key() const;
    QString text() const;
    QVariant extra() const;
    bool hasChoice() const;
    // Chooses the entry with this key (compared as text); none when there is no such entry.
    void setKey(const QVariant& key);
    void clearChoice();
    void setReadOnly(bool readOnly);

    QComboBox* combo() const { return m_combo; }
    QToolButton* clearButton() const { return m_clear; }
    QToolButton* libraryButton() const { return m_library; }

signals:
    void chosen();
    void libraryRequested();

private:
    QComboBox* m_combo = nullptr;
    QToolButton* m_clear = nullptr;
    QToolButton* m_library = nullptr;
    QList<LookupEntry> m_entries;
};
