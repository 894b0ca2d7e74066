#pragma once

#include <QObject>

class QWidget;
class TResourceTranslator;

// Gives every window the language file's texts when it is first shown, before anyone
// sees it: installed once on the application, it watches the show of every window.
class WindowTranslation : public QObject {
public:
    WindowTranslation(const TResourceTranslator& translator, QObject* parent = nullptr);

    // Sets the window's texts again from its section, read afresh (after a log-off).
    void retranslate(QWidget& window) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const TResourceTranslator& m_translator;
};
