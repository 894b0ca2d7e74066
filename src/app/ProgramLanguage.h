#pragma once

#include "support/translation/TResourceTranslator.h"

#include <QTranslator>
#include <memory>

class QApplication;
class WindowTranslation;

// The language of the running program: the language file "english.ini" of the data
// directory when there is one, else Polish, Qt's own dialogs and buttons included.
// Lives as long as the program's windows.
class ProgramLanguage {
public:
    ProgramLanguage(QApplication& app, const QString& dataDirectory);
    ~ProgramLanguage();

    static QString languageFile(const QString& dataDirectory);

    const TResourceTranslator& translator() const { return m_translator; }
    const WindowTranslation& windows() const { return *m_windows; }

private:
    TResourceTranslator m_translator;
    QTranslator m_qtTexts;
    std::unique_ptr<WindowTranslation> m_windows;
};
