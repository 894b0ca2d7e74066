#pragma once

#include <QByteArray>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>

class QNetworkAccessManager;

// Fetches one file of the news folder on the web server (setting newsURL) into memory.
// One download at a time; finished comes exactly once per get() unless abort() comes first.
class Downloader : public QObject {
    Q_OBJECT

public:
    static constexpr int defaultTimeoutMs = 15000;
    // Larger answers are not a file of the news folder; stop before they fill the memory.
    static constexpr qint64 maxBodySize = 16 * 1024 * 1024;

    static constexpr qint64 downloadErrorCode = 59;
    static constexpr qint64 saveErrorCode = 60;
    static QString downloadErrorText() {
        return QStringLiteral("Nastąpił błąd podczas pobierania pliku z Internetu (0)");
    }
    static QString saveErrorText() {
        return QStringLiteral("Nastąpił błąd podczas zapisywania pliku na dysku (1)");
    }

    explicit Downloader(const QString& baseUrl, QObject* parent = nullptr);
    ~Downloader() override;

    void setTimeout(int ms) { m_timeoutMs = ms; }
    int timeout() const { return m_timeoutMs; }

    // A name that stays inside the folder: not empty, no '/', '\\', ':', "..", control
    // characters, '?' or '#'.
    static bool isPlainFileName(const QString& name);

    // newsURL + fileName; invalid when the base is not http(s) or the name is not plain.
    QUrl urlFor(const QString& fileName) const;

    // A refused name or address reports its failure from the event loop, like any other.
    void get(const QString& fileName);
    // Stops the download; finished is not emitted for it.
    void abort();
    bool isRunning() const { return m_reply != nullptr || m_pendingFailure; }

    // The cause of the last failure, in words for the error log.
    QString lastErrorDetail() const { return m_detail; }

signals:
    // ok only for a final 2xx answer. errorText is downloadErrorText() on failure.
    void finished(bool ok, const QByteArray& body, const QString& errorText);

private:
    void onFinished();
    void onTimeout();
    void fail(const QString& detail);

    QString m_baseUrl;
    int m_timeoutMs = defaultTimeoutMs;
    QNetworkAccessManager* m_manager = nullptr;
    QPointer<QNetworkReply> m_reply;
    QTimer m_timer;
    bool m_pendingFailure = false;
    quint64 m_generation = 0;
    QString m_detail;
};
