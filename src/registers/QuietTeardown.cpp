#include "registers/QuietTeardown.h"

#include <QApplication>
#include <QWidget>

void quietTeardown(QWidget* window) {
    for (QObject* child : window->findChildren<QObject*>())
        child->blockSignals(true);
    // Leaving the focused field now still runs its handlers, but on living objects.
    QWidget* focused = QApplication::focusWidget();
    if (focused && window->isAncestorOf(focused))
        focused->clearFocus();
}
