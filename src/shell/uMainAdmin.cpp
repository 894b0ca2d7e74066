// The main window's part in the administration windows (the imports, the options) and
// in the add-ons; what the main window shows after each.
#include "admin/import/ImportWindow.h"
#include "admin/import/uImportKoszty.h"
#include "admin/import/uImportZuzycie.h"
#include "admin/uOpcjeProgramu.h"
#include "data/ErrorLog.h"
#include "data/TmyDataBase.h"
#include "shell/MainMenus.h"
#include "shell/ManualFile.h"
#include "shell/RegisterGrid.h"
#include "shell/RegisterPage.h"
#include "shell/ReportsPage.h"
#include "shell/uMain.h"
#include "shell/uNews.h"
#include "support/MessageService.h"
#include "support/OVUtilities.h"
#include "support/addons/AddonInstaller.h"
#include "support/addons/AddonStarter.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QUrl>

void TfMain::openImport(int kind) {
    ImportWindow*& window = m_imports.at(size_t(kind));
    if (!window) {
        switch (ImportKind(kind)) {
            case ImportKind::Costs:
                window = new TfImportKoszty(m_db, m_messages, ImportLayouts::defaultPath(), this);
                break;
            case ImportKind::Refuellings:
                window = new TfImportZuzycie(m_db, m_messages, ImportLayouts::defaultPath(), this);
                break;
            case ImportKind::RefuellingsKm:
                window =
                    new TfImportZuzycieKm(m_db, m_messages, ImportLayouts::defaultPath(), this);
                break;
            case ImportKind::RefuellingsMth:
                window =
                    new TfImportZuzycieMth(m_db, m_messages, ImportLayouts::defaultPath(), this);
                break;
        }
    }
    window->exec();
    const RegisterId id = ImportFields::registerOf(ImportKind(kind));
    // A refuelling register shows its liquid fuel again, whatever table the rows went to.
    if (QComboBox* fuelKind = page(id)->fuelKindList()) {
        fuelKind->setCurrentIndex(0);
        m_db.setLpg(id, false);
    }
    showRegister(id);
}

void TfMain::openOptions() {
    TfOpcjeProgramu options(m_config, m_settings, m_messages, {}, this);
    options.exec();
    // However it was closed: the reports start from the option again.
    m_reports->setIssueDateShown(m_config.cbRapData);
    m_reports->refresh();
    showStartPage();
}

void TfMain::refreshAddonEntries() {
    const QList<AddonMenuEntry> entries = AddonStarter::menuEntries(m_config);
    const QList<QAction*>& actions = m_menus->addonActions();
    for (const AddonMenuEntry& entry : entries) {
        if (entry.slot < 0 || entry.slot >= actions.size())
            continue;
        actions[entry.slot]->setText(entry.caption);
        actions[entry.slot]->setVisible(entry.visible);
    }
}

void TfMain::installAddon() {
    if (!m_messages.question(QStringLiteral("Instalacja dodatku"),
                             QStringLiteral("Jeśli w tle uruchomiony jest jakikolwiek dodatek, "
                                            "przerwij instalację, następnie zamknij dodatek i "
                                            "ponownie wykonaj tą operację. Czy kontynuować "
                                            "instalację?")))
        return;
    const QString package = m_messages.openFileName(QStringLiteral("Wskaż plik instalacyjny"),
                                                    {QStringLiteral("Pliki instalacyjne (*.ppi)")});
    if (package.isEmpty())
        return;
    DetachedLauncher launcher;
    const AddonInstallResult result = AddonInstaller(launcher).install(
        package, m_config, m_settings ? m_settings->path() : SettingsFile::defaultPath());
    using Status = AddonInstallResult::Status;
    switch (result.status) {
        case Status::Installed:
            refreshAddonEntries();
            m_messages.information(QStringLiteral("Instalacja powiodła się"), result.comment);
            break;
        case Status::NotAPackage:
            break;
        case Status::SameVersion:
        case Status::Refused:
            m_messages.information(QStringLiteral("Błąd"), result.message);
            break;
        case Status::CopyFailed:
            ErrorLog::append(result.message + QLatin1Char(' ') + result.detail);
            m_messages.information(QStringLiteral("Błąd"), result.message);
            break;
    }
}

void TfMain::startAddon(int slot) {
    // A program that does not start says nothing, as before; its reason goes to the log.
    DetachedLauncher launcher;
    QString error;
    if (!AddonStarter(launcher).start(m_config, slot, &error))
        ErrorLog::append(error);
}

void TfMain::checkForUpdates() {
    const QString settingsPath = m_settings ? m_settings->path() : SettingsFile::defaultPath();
    TfAktualizacja update(m_config, settingsPath, TOVUtilities::defaultDataDirectory(), this);
    update.exec();
    if (update.tipsReplaced())
        m_tips.loadFirstAvailable(TOVUtilities::defaultDataDirectory() +
                                  QStringLiteral("/porady.dat"));
    // A configuration update may have changed the addresses in the settings file.
    const TconfigPP fresh = SettingsFile(settingsPath).load();
    m_config.newsFileName = fresh.newsFileName;
    m_config.newsURL = fresh.newsURL;
    m_config.URLRaporty = fresh.URLRaporty;
    m_config.URLOfertaRaporty = fresh.URLOfertaRaporty;
    m_config.URLMain = fresh.URLMain;
    m_config.Email = fresh.Email;
}

void TfMain::openManual() {
    const QString program = QCoreApplication::applicationDirPath();
    const QString manual = ManualFile::find(program);
    if (manual.isEmpty() || !QDesktopServices::openUrl(QUrl::fromLocalFile(manual))) {
        m_messages.information(
            QStringLiteral("Informacja"),
            QStringLiteral("Nie można otworzyć podręcznika użytkownika:\n%1")
                .arg(QDir::toNativeSeparators(ManualFile::candidates(program).constFirst())));
    }
}
