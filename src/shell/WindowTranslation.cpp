#include "shell/WindowTranslation.h"

#include "shell/WindowTexts.h"
#include "support/translation/TResourceTranslator.h"

#include <QEvent>
#include <QWidget>

namespace {
const char* const kTranslated = "flotanorTranslated";
}

WindowTranslation::WindowTranslation(const TResourceTranslator& translator, QObject* parent)
    : QObject(parent), m_translator(translator) {}

void WindowTranslation::retranslate(QWidget& window) const {
    window.setProperty(kTranslated, true);
    WindowTexts::translate(window, m_translator);
}

bool WindowTranslation::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() && !widget->property(kTranslated).toBool())
            retranslate(*widget);
    }
    return QObject::eventFilter(watched, event);
}
