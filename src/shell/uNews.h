#pragma once

#include "admin/ConfigPP.h"

#include <QDialog>

class Downloader;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class UpdateRun;

// The common face of the two news windows: a heading, the read-only text "news", the
// status "uwagi" and "OK". The work starts the first time the window is shown; closing
// the window stops a download under way.
class NewsWindowBase : public QDialog {
    Q_OBJECT

public:
    QPlainTextEdit* newsView() const { return m_news; }
    QLabel* statusLabel() const { return m_uwagi; }
    QPushButton* okButton() const { return m_ok; }
    bool isWorking() const { return m_working; }

    static QString waitText() { return QStringLiteral("proszę czekać..."); }

signals:
    // The work is over, done or failed (tests and the main window wait for it).
    void workFinished();

protected:
    NewsWindowBase(const QString& objectName, const QString& title, const QString& heading,
                   const QString& newsTip, QWidget* parent);

    virtual void startWork() = 0;
    virtual void abortWork() = 0;

    void setWorking(bool working);
    // Shows the status and writes a failure into the error log.
    void finishWork(const QString& status, qint64 errorCode, const QString& detail);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

private:
    QPlainTextEdit* m_news = nullptr;
    QLabel* m_uwagi = nullptr;
    QPushButton* m_ok = nullptr;
    bool m_started = false;
    bool m_working = false;
};

// "Wiadomości": the server's news file (setting newsFileName) as text.
class TfNews : public NewsWindowBase {
    Q_OBJECT

public:
    explicit TfNews(const TconfigPP& config, QWidget* parent = nullptr);

    Downloader& downloader() { return *m_downloader; }

protected:
    void startWork() override;
    void abortWork() override;

private:
    QString m_fileName;
    Downloader* m_downloader = nullptr;
};

// "Sprawdzenie aktualizacji": the update report of UpdateCheck.
class TfAktualizacja : public NewsWindowBase {
    Q_OBJECT

public:
    // settingsPath is flotanor.ini; dataDirectory receives a new porady.dat.
    TfAktualizacja(const TconfigPP& config, const QString& settingsPath,
                   const QString& dataDirectory, QWidget* parent = nullptr);

    UpdateRun& run() { return *m_run; }
    // porady.dat was replaced; the main window reloads its tips.
    bool tipsReplaced() const { return m_tipsReplaced; }

protected:
    void startWork() override;
    void abortWork() override;

private:
    UpdateRun* m_run = nullptr;
    bool m_tipsReplaced = false;
};
