#include "support/news/Downloader.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>

Downloader::Downloader(const QString& baseUrl, QObject* parent)
    : QObject(parent), m_baseUrl(baseUrl.trimmed()), m_manager(new QNetworkAccessManager(this)) {
    // The news folder is fetched directly, never through a proxy of the system.
    m_manager->setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &Downloader::onTimeout);
}

Downloader::~Downloader() {
    abort();
}

bool Downloader::isPlainFileName(const QString& name) {
    if (name.isEmpty() || name == u'.' || name.contains(QStringLiteral("..")))
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c == u'/' || c == u'\\' || c == u':' || c == u'?' || c == u'#' ||
            c == QChar(0x7f))
            return false;
    }
    return true;
}

QUrl Downloader::urlFor(const QString& fileName) const {
    if (!isPlainFileName(fileName))
        return {};
    QUrl base(m_baseUrl, QUrl::StrictMode);
    const QString scheme = base.scheme().toLower();
    if (!base.isValid() || (scheme != u"http" && scheme != u"https") || base.host().isEmpty())
        return {};
    // A folder address without the closing '/' would otherwise lose its last segment.
    QString path = base.path();
    if (!path.endsWith(u'/'))
        path += u'/';
    base.setPath(path + fileName, QUrl::DecodedMode);
    base.setQuery(QString());
    base.setFragment(QString());
    return base;
}

void Downloader::get(const QString& fileName) {
    abort();
    m_detail.clear();
    const QUrl url = urlFor(fileName);
    if (!url.isValid()) {
        m_pendingFailure = true;
        const quint64 generation = m_generation;
        const QString detail =
            QStringLiteral("Odmowa pobrania \"%1\" z \"%2\"").arg(fileName, m_baseUrl);
        QTimer::singleShot(0, this, [this, generation, detail] {
            if (generation != m_generation || !m_pendingFailure)
                return;
            m_pendingFailure = false;
            fail(detail);
        });
        return;
    }

    QNetworkRequest request(url);
    request.setRawHeader("User-Agent", "Mozilla/4.0 (compatible; ICS)");
    request.setRawHeader("Accept", "image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(10);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);

    m_reply = m_manager->get(request);
    QNetworkReply* reply = m_reply;
    connect(reply, &QNetworkReply::finished, this, &Downloader::onFinished);
    connect(reply, &QNetworkReply::downloadProgress, this, [this, reply](qint64 received, qint64) {
        if (reply == m_reply && received > maxBodySize) {
            m_detail = QStringLiteral("Odpowiedź większa niż %1 bajtów").arg(maxBodySize);
            reply->abort();
        }
    });
    m_timer.start(m_timeoutMs);
}

void Downloader::abort() {
    ++m_generation;
    m_pendingFailure = false;
    m_timer.stop();
    if (QNetworkReply* reply = m_reply) {
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

void Downloader::onTimeout() {
    if (QNetworkReply* reply = m_reply) {
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
        fail(QStringLiteral("Przekroczony czas oczekiwania (%1 ms)").arg(m_timeoutMs));
    }
}

void Downloader::onFinished() {
    QNetworkReply* reply = m_reply;
    if (!reply || sender() != reply)
        return;
    m_reply = nullptr;
    m_timer.stop();
    reply->deleteLater();

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const int code = status.isValid() ? status.toInt() : 0;
    // Only the final answer after the redirects counts, and only a 2xx one: an error page
    // served with 401, 404 or 500 must never stand in for the file.
    if (reply->error() != QNetworkReply::NoError || code < 200 || code > 299) {
        if (m_detail.isEmpty()) {
            m_detail = QStringLiteral("%1: HTTP %2, %3")
                           .arg(reply->url().toString(QUrl::RemoveUserInfo))
                           .arg(code)
                           .arg(reply->errorString());
        }
        fail(m_detail);
        return;
    }
    const QByteArray body = reply->readAll();
    emit finished(true, body, QString());
}

void Downloader::fail(const QString& detail) {
    m_detail = detail;
    emit finished(false, QByteArray(), downloadErrorText());
}
