#include "shell/uNews.h"

#include "support/translation/TResourceTranslator.h"

#include "data/ErrorLog.h"
#include "support/CodePage.h"
#include "support/news/Downloader.h"
#include "support/news/UpdateRun.h"

#include <QCloseEvent>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

NewsWindowBase::NewsWindowBase(const QString& objectName, const QString& title,
                               const QString& heading, const QString& newsTip, QWidget* parent)
    : QDialog(parent) {
    setObjectName(objectName);
    setWindowTitle(title);

    auto* headingLabel = new QLabel(heading);
    headingLabel->setObjectName(QStringLiteral("naglowek"));
    QFont font = headingLabel->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    headingLabel->setFont(font);

    m_news = new QPlainTextEdit;
    m_news->setObjectName(QStringLiteral("news"));
    m_news->setReadOnly(true);
    m_news->setToolTip(newsTip);
    m_news->setMinimumSize(460, 260);

    m_uwagi = new QLabel;
    m_uwagi->setObjectName(QStringLiteral("uwagi"));
    m_uwagi->setProperty("composedText", true);
    m_uwagi->setWordWrap(true);

    m_ok = new QPushButton(QStringLiteral("    &OK        "));
    m_ok->setObjectName(QStringLiteral("ok1"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_uwagi, 1);
    bottom->addWidget(m_ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headingLabel);
    layout->addWidget(m_news, 1);
    layout->addLayout(bottom);
}

void NewsWindowBase::setWorking(bool working) {
    m_working = working;
    m_ok->setEnabled(!working);
    if (working)
        m_uwagi->setText(tx(waitText()));
}

void NewsWindowBase::finishWork(const QString& status, qint64 errorCode, const QString& detail) {
    setWorking(false);
    m_uwagi->setText(tx(status));
    if (errorCode != 0)
        ErrorLog::append(errorCode, detail.isEmpty() ? status : status + u' ' + detail);
    m_ok->setFocus();
    emit workFinished();
}

void NewsWindowBase::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    setWorking(true);
    startWork();
}

void NewsWindowBase::closeEvent(QCloseEvent* event) {
    abortWork();
    QDialog::closeEvent(event);
}

void NewsWindowBase::done(int result) {
    abortWork();
    QDialog::done(result);
}

TfNews::TfNews(const TconfigPP& config, QWidget* parent)
    : NewsWindowBase(QStringLiteral("fNews"), QStringLiteral("Wiadomości"),
                     QStringLiteral("Wiadomości programu Flotanor"), QStringLiteral("Wiadomości"),
                     parent),
      m_fileName(config.newsFileName),
      m_downloader(new Downloader(config.newsURL, this)) {
    connect(m_downloader, &Downloader::finished, this,
            [this](bool ok, const QByteArray& body, const QString& errorText) {
                if (ok)
                    newsView()->setPlainText(CodePage::decode(body));
                finishWork(ok ? QString() : errorText, ok ? 0 : Downloader::downloadErrorCode,
                           m_downloader->lastErrorDetail());
            });
}

void TfNews::startWork() {
    m_downloader->get(m_fileName);
}

void TfNews::abortWork() {
    m_downloader->abort();
}

TfAktualizacja::TfAktualizacja(const TconfigPP& config, const QString& settingsPath,
                               const QString& dataDirectory, QWidget* parent)
    : NewsWindowBase(QStringLiteral("fAktualizacja"), QStringLiteral("Sprawdzenie aktualizacji"),
                     QStringLiteral("Sprawdzenie aktualizacji programu"),
                     QStringLiteral("Informacja"), parent),
      m_run(new UpdateRun(config, settingsPath, dataDirectory, this)) {
    connect(m_run, &UpdateRun::done, this, [this](const UpdateCheck::Result& result) {
        m_tipsReplaced = result.lines.contains(QStringLiteral("Pobrano nowy komplet porad dnia"));
        newsView()->setPlainText(result.text());
        finishWork(result.status, result.errorCode, result.errorDetail);
    });
}

void TfAktualizacja::startWork() {
    m_run->start();
}

void TfAktualizacja::abortWork() {
    m_run->abort();
}
