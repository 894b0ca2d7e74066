#include "support/news/UpdateRun.h"

#include "support/news/Downloader.h"

UpdateRun::UpdateRun(const TconfigPP& config, QString settingsPath, QString dataDirectory,
                     QObject* parent)
    : QObject(parent),
      m_config(config),
      m_settingsPath(std::move(settingsPath)),
      m_dataDirectory(std::move(dataDirectory)),
      m_downloader(new Downloader(config.newsURL, this)) {
    connect(m_downloader, &Downloader::finished, this, &UpdateRun::onDownloaded);
}

UpdateRun::~UpdateRun() = default;

void UpdateRun::start() {
    abort();
    m_running = true;
    m_check.reset();
    m_tips.reset();
    m_configBody.reset();
    m_firstFailure.clear();
    m_step = Step::Info;
    m_downloader->get(UpdateCheck::upgradeInfoFileName());
}

void UpdateRun::abort() {
    m_running = false;
    m_downloader->abort();
}

void UpdateRun::onDownloaded(bool ok, const QByteArray& body, const QString& errorText) {
    if (!m_running)
        return;
    if (!ok && m_firstFailure.isEmpty())
        m_firstFailure = m_downloader->lastErrorDetail();

    switch (m_step) {
        case Step::Info:
            if (!ok) {
                UpdateCheck::Result result;
                result.status = errorText;
                result.errorCode = Downloader::downloadErrorCode;
                result.errorDetail = m_firstFailure;
                finish(std::move(result));
                return;
            }
            m_check = std::make_unique<UpdateCheck>(UpgradeInfo::parse(body),
                                                    InstalledState::from(m_config, m_settingsPath),
                                                    m_settingsPath, m_dataDirectory);
            if (m_check->wantsTips()) {
                m_step = Step::Tips;
                m_downloader->get(UpdateCheck::tipsFileName());
                return;
            }
            break;
        case Step::Tips:
            if (ok)
                m_tips = body;
            break;
        case Step::Config:
            if (ok)
                m_configBody = body;
            break;
    }
    next();
}

void UpdateRun::next() {
    if (m_step != Step::Config) {
        const QString name = m_check->configFileName();
        if (!name.isEmpty()) {
            m_step = Step::Config;
            m_downloader->get(name);
            return;
        }
    }
    UpdateCheck::Result result = m_check->apply(m_tips, m_configBody);
    // The log gets the network's own words when a download was the failure.
    if (result.errorCode == Downloader::downloadErrorCode && !m_firstFailure.isEmpty())
        result.errorDetail = m_firstFailure;
    finish(std::move(result));
}

void UpdateRun::finish(UpdateCheck::Result result) {
    m_running = false;
    emit done(result);
}
