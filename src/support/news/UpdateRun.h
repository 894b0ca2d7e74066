#pragma once

#include "admin/ConfigPP.h"
#include "support/news/UpdateCheck.h"

#include <QObject>
#include <memory>
#include <optional>

class Downloader;

// One update check over the network: upgradeinfo.ini, then porady.dat and the
// configuration update when UpdateCheck asks for them, one after the other.
class UpdateRun : public QObject {
    Q_OBJECT

public:
    UpdateRun(const TconfigPP& config, QString settingsPath, QString dataDirectory,
              QObject* parent = nullptr);
    ~UpdateRun() override;

    Downloader& downloader() { return *m_downloader; }

    void start();
    // Stops the download under way; done is not emitted.
    void abort();
    bool isRunning() const { return m_running; }

signals:
    void done(const UpdateCheck::Result& result);

private:
    enum class Step { Info, Tips, Config };
    void onDownloaded(bool ok, const QByteArray& body, const QString& errorText);
    void next();
    void finish(UpdateCheck::Result result);

    TconfigPP m_config;
    QString m_settingsPath;
    QString m_dataDirectory;
    Downloader* m_downloader = nullptr;
    std::unique_ptr<UpdateCheck> m_check;
    Step m_step = Step::Info;
    std::optional<QByteArray> m_tips;
    std::optional<QByteArray> m_configBody;
    QString m_firstFailure;
    bool m_running = false;
};
