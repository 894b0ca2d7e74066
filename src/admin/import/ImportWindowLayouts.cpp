// The import window's named column layouts: saved, removed and chosen by name.
#include "admin/import/ImportWindow.h"

#include "support/MessageService.h"

#include <QComboBox>
#include <QSignalBlocker>

void ImportWindow::refreshLayoutNames() {
    const QString typed = m_layoutName->currentText();
    const QSignalBlocker quiet(m_layoutName);
    m_layoutName->clear();
    m_layoutName->addItems(ImportLayouts(m_layoutsPath, m_kind).names());
    m_layoutName->setCurrentIndex(-1);
    m_layoutName->setEditText(typed);
}

void ImportWindow::zapiszUkladClick() {
    const QString name = m_layoutName->currentText().trimmed();
    ImportLayout options = layout();
    if (options.separator.isNull())
        options.separator = ImportLayout().separator;
    if (name.isEmpty() || !ImportLayouts(m_layoutsPath, m_kind).save(name, options)) {
        m_messages.information(QStringLiteral("Uwaga"),
                               QStringLiteral("Nie udało się zapisać układu kolumn."));
        return;
    }
    m_layoutName->setEditText(name);
    refreshLayoutNames();
}

void ImportWindow::usunUkladClick() {
    const QString name = m_layoutName->currentText().trimmed();
    if (name.isEmpty())
        return;
    ImportLayouts(m_layoutsPath, m_kind).remove(name);
    m_layoutName->setEditText(QString());
    refreshLayoutNames();
}

void ImportWindow::ukladActivated(int index) {
    if (index < 0)
        return;
    if (const std::optional<ImportLayout> saved =
            ImportLayouts(m_layoutsPath, m_kind).load(m_layoutName->itemText(index)))
        applyLayout(*saved);
}
