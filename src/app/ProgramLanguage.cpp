#include "app/ProgramLanguage.h"

#include "shell/WindowTranslation.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

ProgramLanguage::ProgramLanguage(QApplication& app, const QString& dataDirectory)
    : m_translator(languageFile(dataDirectory)) {
    const bool languageFilePresent = QFileInfo::exists(m_translator.path());
    if (!languageFilePresent) {
        // Qt's file, print and colour dialogs and its standard buttons in Polish.
        if (m_qtTexts.load(QLocale(QLocale::Polish), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(&m_qtTexts);
    }
    TResourceTranslator::install(&m_translator);
    m_windows = std::make_unique<WindowTranslation>(m_translator);
    if (languageFilePresent)
        app.installEventFilter(m_windows.get());
}

ProgramLanguage::~ProgramLanguage() {
    TResourceTranslator::install(nullptr);
}

QString ProgramLanguage::languageFile(const QString& dataDirectory) {
    return QDir(dataDirectory).filePath(QStringLiteral("english.ini"));
}
