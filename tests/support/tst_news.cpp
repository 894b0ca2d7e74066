#include "admin/ConfigPP.h"
#include "data/ErrorLog.h"
#include "shell/uAbout.h"
#include "shell/uNews.h"
#include "support/CodePage.h"
#include "support/IniFile.h"
#include "support/news/Downloader.h"
#include "support/news/SupportMail.h"
#include "support/news/UpdateCheck.h"
#include "support/news/UpdateRun.h"

#include "TestDataDir.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>

namespace {

// A web folder on loopback: each path answers with its status, headers and body from a
// table; a path marked silent never answers.
class TinyServer : public QObject {
public:
    struct Answer {
        int status = 200;
        QByteArray body;
        QByteArray headers;
        bool silent = false;
    };

    TinyServer() {
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    QString url() const {
        return QStringLiteral("http://127.0.0.1:%1/files/").arg(m_server.serverPort());
    }
    void set(const QString& path, int status, const QByteArray& body = {},
             const QByteArray& headers = {}) {
        m_answers[path] = {status, body, headers, false};
    }
    void setSilent(const QString& path) { m_answers[path] = {0, {}, {}, true}; }

    QStringList paths;       // every request, in order
    QByteArray lastRequest;  // the full head of the last one

private:
    void serve(QTcpSocket* socket) {
        QByteArray& buffer = m_buffers[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n"))
            return;
        lastRequest = buffer;
        const QString path = QString::fromUtf8(buffer.split(' ').value(1));
        buffer.clear();
        paths << path;
        const Answer answer = m_answers.value(path, Answer{404, "<html>brak</html>", {}, false});
        if (answer.silent)
            return;
        QByteArray reply = "HTTP/1.1 " + QByteArray::number(answer.status) + " X\r\n";
        reply += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
        reply += "Connection: close\r\n" + answer.headers + "\r\n";
        socket->write(reply + answer.body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QString, Answer> m_answers;
    QHash<QTcpSocket*, QByteArray> m_buffers;
};

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QByteArray kOldTips = "Stara porada 1\r\nStara porada 2\r\n";
const QString kNoUpdate = QStringLiteral("Brak aktualizacji. Posiadasz najnowszą wersję programu");

}  // namespace

class TestNews : public QObject {
    Q_OBJECT

private slots:
    void fileNames_data();
    void fileNames();
    void downloads_data();
    void downloads();
    void timeoutAndAbort();
    void report_data();
    void report();
    void updateOverNetwork_data();
    void updateOverNetwork();
    void configUpdate_data();
    void configUpdate();
    void supportMail_data();
    void supportMail();
    void newsWindow_data();
    void newsWindow();
    void updateWindowClosedAndAbout();

private:
    TestDataDir m_dataDir;
};

void TestNews::fileNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("plain");
    QTest::newRow("plain") << "upgradeinfo.ini" << true;
    QTest::newRow("polish letters and blank") << "wiadomości 2.txt" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("dot") << "." << false;
    QTest::newRow("parent") << ".." << false;
    QTest::newRow("climbs") << "../porady.dat" << false;
    QTest::newRow("dots inside") << "a..b" << false;
    QTest::newRow("slash") << "sub/porady.dat" << false;
    QTest::newRow("backslash") << "..\\porady.dat" << false;
    QTest::newRow("absolute") << "/etc/passwd" << false;
    QTest::newRow("drive") << "C:porady.dat" << false;
    QTest::newRow("query") << "a?x=1" << false;
    QTest::newRow("line break") << "a\nb" << false;
}

void TestNews::fileNames() {
    QFETCH(QString, name);
    QFETCH(bool, plain);
    QCOMPARE(Downloader::isPlainFileName(name), plain);
    const Downloader downloader(QStringLiteral("https://example.org/download/files"));
    const QUrl url = downloader.urlFor(name);
    QCOMPARE(url.isValid(), plain);
    if (plain) {
        // The folder's address gets its closing '/', and the name stays one segment.
        QCOMPARE(url.host(), QStringLiteral("example.org"));
        QCOMPARE(url.path(), QStringLiteral("/download/files/") + name);
    }
}

void TestNews::downloads_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("headers");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("requested");

    const QStringList file = {QStringLiteral("/files/plik.txt")};
    QTest::newRow("200") << "plik.txt" << 200 << QByteArray() << true << file;
    QTest::newRow("203") << "plik.txt" << 203 << QByteArray() << true << file;
    QTest::newRow("404") << "plik.txt" << 404 << QByteArray() << false << file;
    QTest::newRow("401") << "plik.txt" << 401 << QByteArray() << false << file;
    QTest::newRow("407") << "plik.txt" << 407 << QByteArray() << false << file;
    QTest::newRow("304") << "plik.txt" << 304 << QByteArray() << false << file;
    QTest::newRow("500") << "plik.txt" << 500 << QByteArray() << false << file;
    QTest::newRow("redirect followed")
        << "stary.txt" << 302 << QByteArray("Location: /files/plik.txt\r\n") << true
        << QStringList{QStringLiteral("/files/stary.txt"), QStringLiteral("/files/plik.txt")};
    QTest::newRow("traversal refused")
        << "../plik.txt" << 200 << QByteArray() << false << QStringList();
}

void TestNews::downloads() {
    QFETCH(QString, name);
    QFETCH(int, status);
    QFETCH(QByteArray, headers);
    QFETCH(bool, ok);
    QFETCH(QStringList, requested);

    TinyServer server;
    const QByteArray body = "Treść pliku ąę";
    if (name == u"stary.txt") {
        server.set(QStringLiteral("/files/stary.txt"), status, "przeniesiony", headers);
        server.set(QStringLiteral("/files/plik.txt"), 200, body);
    } else {
        server.set(QStringLiteral("/files/plik.txt"), status, body, headers);
    }
    server.set(QStringLiteral("/plik.txt"), 200, body);

    Downloader downloader(server.url());
    QSignalSpy spy(&downloader, &Downloader::finished);
    downloader.get(name);
    QVERIFY(spy.wait(10000));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy[0][0].toBool(), ok);
    QCOMPARE(spy[0][1].toByteArray(), ok ? body : QByteArray());
    QCOMPARE(spy[0][2].toString(), ok ? QString() : Downloader::downloadErrorText());
    QCOMPARE(server.paths, requested);
    QCOMPARE(downloader.isRunning(), false);
    if (!requested.isEmpty()) {
        QVERIFY(server.lastRequest.contains("User-Agent: Mozilla/4.0 (compatible; ICS)\r\n"));
        QVERIFY(server.lastRequest.contains(
            "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*\r\n"));
    }
}

void TestNews::timeoutAndAbort() {
    TinyServer server;
    server.setSilent(QStringLiteral("/files/cisza.txt"));
    Downloader downloader(server.url());
    QSignalSpy spy(&downloader, &Downloader::finished);

    downloader.setTimeout(300);
    QElapsedTimer clock;
    clock.start();
    downloader.get(QStringLiteral("cisza.txt"));
    QVERIFY(spy.wait(10000));
    QVERIFY(clock.elapsed() >= 250);
    QCOMPARE(spy[0][0].toBool(), false);
    QCOMPARE(spy[0][2].toString(), Downloader::downloadErrorText());
    QVERIFY(!downloader.isRunning());

    // A closed window aborts: nothing comes afterwards, not even the time-out.
    spy.clear();
    downloader.get(QStringLiteral("cisza.txt"));
    QVERIFY(downloader.isRunning());
    downloader.abort();
    QVERIFY(!downloader.isRunning());
    QVERIFY(!spy.wait(600));
    downloader.get(QStringLiteral("../x"));
    downloader.abort();
    QVERIFY(!spy.wait(100));
}

void TestNews::report_data() {
    QTest::addColumn<QByteArray>("info");
    QTest::addColumn<QString>("installedVersion");
    QTest::addColumn<QStringList>("expected");

    const QByteArray tools =
        "[TOOLS]\nver2=1.0\nname2=Radozedova Zodeduded\n"
        "ver5=3.1\nname5=Kalendarz serwisów\ncomment5=Przypomina o przeglądach\n";
    const QString announce = QStringLiteral("Jest już nowsza wersja programu o numerze ");

    QTest::newRow("newer by numbers")
        << QByteArray("[VERSION]\nmain=2.0.10\n[INFORMATION]\ncomment=Zapraszamy\n") << "2.0.9"
        << QStringList{announce + "2.0.10", "", "", "Zapraszamy"};
    QTest::newRow("older not announced")
        << QByteArray("[VERSION]\nmain=2.0.0\n") << "2.0.1" << QStringList{kNoUpdate};
    QTest::newRow("same") << QByteArray("[Version]\nMAIN=2.0.1\n") << "2.0.1"
                          << QStringList{kNoUpdate};
    QTest::newRow("empty file") << QByteArray() << "2.0.1" << QStringList{kNoUpdate};
    QTest::newRow("add-ons, no comment")
        << QByteArray("[VERSION]\nmain=2.0.1\n") + tools << "2.0.1"
        << QStringList{"Ukazał się nowy dodatek Kalendarz serwisów o numerze 3.1",
                       "Przypomina o przeglądach", ""};
    QTest::newRow("program and add-ons")
        << QByteArray("[VERSION]\nmain=2.1\n[INFORMATION]\ncomment=Nowości\n") +
               QByteArray(tools).replace("ver2=1.0", "ver2=1.10")
        << "2.0.1"
        << QStringList{announce + "2.1",
                       "",
                       "Jest już nowsza wersja dodatku Radozedova Zodeduded o numerze 1.10",
                       "",
                       "Ukazał się nowy dodatek Kalendarz serwisów o numerze 3.1",
                       "Przypomina o przeglądach",
                       "",
                       "",
                       "Nowości"};
    QTest::newRow("installed add-on older on server")
        << QByteArray("[TOOLS]\nver2=0.9\nname2=Radozedova Zodeduded\n") << "2.0.1"
        << QStringList{kNoUpdate};
}

void TestNews::report() {
    QFETCH(QByteArray, info);
    QFETCH(QString, installedVersion);
    QFETCH(QStringList, expected);

    QTemporaryDir dir;
    InstalledState installed;
    installed.version = installedVersion;
    installed.tools[2] = {QStringLiteral("Radozedova Zodeduded"), QStringLiteral("#"),
                          QStringLiteral("1.0"), QString()};
    UpdateCheck check(UpgradeInfo::parse(info), installed, dir.filePath("flotanor.ini"),
                      dir.path());
    QVERIFY(!check.wantsTips());
    QVERIFY(check.configFileName().isEmpty());
    const UpdateCheck::Result result = check.apply(std::nullopt, std::nullopt);
    QCOMPARE(result.lines, expected);
    QCOMPARE(result.status, QString());
    // Nothing to apply, nothing written.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

void TestNews::updateOverNetwork_data() {
    QTest::addColumn<int>("tipsStatus");
    QTest::addColumn<int>("configStatus");
    QTest::addColumn<bool>("tipsReplaced");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("status");

    const QString error = Downloader::downloadErrorText();
    QTest::newRow("tips and configuration")
        << 200 << 200 << true
        << QStringList{"Pobrano nowy komplet porad dnia", "", "Zaktualizowano pliki konfiguracyjne",
                       "", kNoUpdate}
        << QString();
    QTest::newRow("tips 404") << 404 << 200 << false
                              << QStringList{"Zaktualizowano pliki konfiguracyjne", "", kNoUpdate}
                              << error;
    QTest::newRow("tips 401, configuration 401")
        << 401 << 401 << false << QStringList{kNoUpdate} << error;
}

void TestNews::updateOverNetwork() {
    QFETCH(int, tipsStatus);
    QFETCH(int, configStatus);
    QFETCH(bool, tipsReplaced);
    QFETCH(QStringList, lines);
    QFETCH(QString, status);

    QTemporaryDir dir;
    const QString settingsPath = dir.filePath(QStringLiteral("flotanor.ini"));
    const QString tipsPath = dir.filePath(QStringLiteral("porady.dat"));
    writeAll(settingsPath,
             "[OPTIONS]\r\nURLMain=https://stary.example\r\n[VERSION]\r\n"
             "main=2.0.1\r\ntips=3\r\n");
    writeAll(tipsPath, kOldTips);
    const QByteArray settingsBefore = readAll(settingsPath);

    TinyServer server;
    server.set(QStringLiteral("/files/upgradeinfo.ini"), 200,
               "[VERSION]\r\nmain=2.0.1\r\ntips=4\r\n[INI]\r\nfile=konf1.txt\r\n");
    const QByteArray newTips = "Nowa porada\r\n";
    server.set(QStringLiteral("/files/porady.dat"), tipsStatus,
               tipsStatus == 200 ? newTips : QByteArray("<html>Brak dostępu</html>"));
    server.set(QStringLiteral("/files/konf1.txt"), configStatus,
               configStatus == 200 ? QByteArray("flotanor.ini\r\nOPTIONS\r\nURLMain\r\n"
                                                "https://nowy.example/\r\n")
                                   : QByteArray("flotanor.ini\r\nOPTIONS\r\nURLMain\r\n"
                                                "https://zly.example/\r\n"));

    TconfigPP config;
    config.version = QStringLiteral("2.0.1");
    config.newsURL = server.url();
    UpdateRun run(config, settingsPath, dir.path());
    std::optional<UpdateCheck::Result> done;
    connect(&run, &UpdateRun::done, this, [&done](const UpdateCheck::Result& r) { done = r; });
    run.start();
    QTRY_VERIFY_WITH_TIMEOUT(done.has_value(), 10000);
    const UpdateCheck::Result result = *done;
    QCOMPARE(result.lines, lines);
    QCOMPARE(result.status, status);
    QCOMPARE(result.errorCode, status.isEmpty() ? 0 : Downloader::downloadErrorCode);
    QCOMPARE(server.paths,
             (QStringList{"/files/upgradeinfo.ini", "/files/porady.dat", "/files/konf1.txt"}));

    QCOMPARE(readAll(tipsPath), tipsReplaced ? newTips : kOldTips);
    // Only the two files: the temporary copy of the tips was renamed into place.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"flotanor.ini", "porady.dat"}));
    IniFile ini(settingsPath);
    QCOMPARE(ini.readString("VERSION", "tips"), tipsReplaced ? QString("4") : QString("3"));
    QCOMPARE(ini.readString("OPTIONS", "URLMain"),
             configStatus == 200 ? QString("https://nowy.example/") : "https://stary.example");
    QCOMPARE(ini.readString("INI", "file"), configStatus == 200 ? QString("konf1.txt") : QString());
    if (!tipsReplaced && configStatus != 200)
        QCOMPARE(readAll(settingsPath), settingsBefore);
}

void TestNews::configUpdate_data() {
    QTest::addColumn<QByteArray>("group");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("known key") << QByteArray(
                                      "flotanor.ini\nOPTIONS\nnewsURL\nhttps://n.example/f/\n")
                               << "OPTIONS"
                               << "newsURL"
                               << "https://n.example/f/";
    QTest::newRow("any letter case, Windows path")
        << QByteArray(".\\FLOTANOR.INI\noptions\nemail\nserwis@n.example\n") << "OPTIONS"
        << "Email"
        << "serwis@n.example";
    QTest::newRow("tools refused")
        << QByteArray("flotanor.ini\nTOOLS\nname0\nZlosliwy\n") << "TOOLS"
        << "name0"
        << "";
    QTest::newRow("known key in tools")
        << QByteArray("flotanor.ini\nTOOLS\nnewsURL\nhttps://x.example/\n") << "TOOLS"
        << "newsURL"
        << "";
    QTest::newRow("tool dir refused")
        << QByteArray("flotanor.ini\nOPTIONS\ndir0\n/bin\n") << "OPTIONS"
        << "dir0"
        << "";
    QTest::newRow("unknown key") << QByteArray("flotanor.ini\nOPTIONS\ndataWsteczna\n5\n")
                                 << "OPTIONS"
                                 << "dataWsteczna"
                                 << "";
    QTest::newRow("traversal") << QByteArray(
                                      "../flotanor.ini\nOPTIONS\nURLMain\nhttps://x.example\n")
                               << "OPTIONS"
                               << "URLMain"
                               << "";
    QTest::newRow("sub folder back")
        << QByteArray("a/../../flotanor.ini\nOPTIONS\nURLMain\nhttps://x.example\n") << "OPTIONS"
        << "URLMain"
        << "";
    QTest::newRow("absolute") << QByteArray(
                                     "/etc/flotanor.ini\nOPTIONS\nURLMain\nhttps://x.example\n")
                              << "OPTIONS"
                              << "URLMain"
                              << "";
    QTest::newRow("other file") << QByteArray("database.ini\nOPTIONS\nURLMain\nhttps://x.example\n")
                                << "OPTIONS"
                                << "URLMain"
                                << "";
    QTest::newRow("not a web address")
        << QByteArray("flotanor.ini\nOPTIONS\nURLMain\nfile:///etc\n") << "OPTIONS"
        << "URLMain"
        << "";
    QTest::newRow("news name climbs")
        << QByteArray("flotanor.ini\nOPTIONS\nnewsFileName\n../x\n") << "OPTIONS"
        << "newsFileName"
        << "";
    QTest::newRow("mail with a header")
        << QByteArray("flotanor.ini\nOPTIONS\nEmail\na@b?cc=c@d\n") << "OPTIONS"
        << "Email"
        << "";
}

void TestNews::configUpdate() {
    QFETCH(QByteArray, group);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("a"));
    const QString settingsPath = dir.filePath("cfg/flotanor.ini");
    QVERIFY(QDir(dir.path()).mkpath("cfg"));
    writeAll(settingsPath, "[OPTIONS]\r\nkmOd=1000\r\n[TOOLS]\r\nname0=\r\n");
    writeAll(dir.filePath("flotanor.ini"), "");
    // The group comes after a known one and before a stray line, which is no group.
    const QByteArray body = "flotanor.ini\r\nOPTIONS\r\nURLRaporty\r\nhttps://r.example\r\n" +
                            group + "flotanor.ini\nOPTIONS\n";
    QStringList refused;
    const int written = UpdateCheck::applyConfigUpdate(body, settingsPath, &refused);
    QCOMPARE(written, expected.isEmpty() ? 1 : 2);
    QCOMPARE(refused.size(), expected.isEmpty() ? 1 : 0);
    const IniFile ini(settingsPath);
    QCOMPARE(ini.readString("OPTIONS", "URLRaporty"), QString("https://r.example"));
    QCOMPARE(ini.readString(section, key), expected);
    QCOMPARE(ini.readString("OPTIONS", key), section == u"OPTIONS" ? expected : QString());
    QCOMPARE(ini.readString("TOOLS", "name0"), QString());
    QCOMPARE(ini.readString("OPTIONS", "kmOd"), QString("1000"));
    QCOMPARE(ini.keys("OPTIONS").size(), expected.isEmpty() ? 2 : 3);
    // Nothing outside the settings' own folder.
    QCOMPARE(readAll(dir.filePath("flotanor.ini")), QByteArray());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"flotanor.ini"});
}

void TestNews::supportMail_data() {
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("request");
    QTest::newRow("plain")
        << "pomoc@flotanor.pl"
        << "mailto:pomoc@flotanor.pl"
        << "mailto:pomoc@flotanor.pl?subject=Pomoc%20techniczna&body=Opisz%20problem";
    QTest::newRow("query in the address stays in it")
        << "a@b.pl?cc=x@y.pl"
        << "mailto:a@b.pl%3Fcc=x@y.pl"
        << "mailto:a@b.pl%3Fcc=x@y.pl?subject=Pomoc%20techniczna&body=Opisz%20problem";
}

void TestNews::supportMail() {
    QFETCH(QString, email);
    QFETCH(QString, address);
    QFETCH(QString, request);
    QCOMPARE(SupportMail::address(email).toString(QUrl::FullyEncoded), address);
    const QUrl help = SupportMail::helpRequest(email);
    QCOMPARE(help.toString(QUrl::FullyEncoded), request);
    QCOMPARE(QUrlQuery(help).queryItemValue("subject"), QString("Pomoc techniczna"));
    QCOMPARE(help.path(), email);
}

void TestNews::newsWindow_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("uwagi");

    const QString text = QStringLiteral("Nowości: żółć\nDruga linia");
    QTest::newRow("Windows-1250") << "news.txt" << 200
                                  << CodePage::encode(text, TextEncoding::Windows1250) << text
                                  << QString();
    QTest::newRow("UTF-8") << "news.txt" << 200 << text.toUtf8() << text << QString();
    QTest::newRow("error page") << "news.txt" << 404 << QByteArray("<html>404</html>") << QString()
                                << Downloader::downloadErrorText();
    QTest::newRow("name refused") << "../news.txt" << 200 << text.toUtf8() << QString()
                                  << Downloader::downloadErrorText();
}

void TestNews::newsWindow() {
    QFETCH(QString, fileName);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, shown);
    QFETCH(QString, uwagi);

    TinyServer server;
    server.set(QStringLiteral("/files/news.txt"), status, body);
    TconfigPP config;
    config.newsURL = server.url();
    config.newsFileName = fileName;
    QFile::remove(ErrorLog::path());

    TfNews window(config);
    QCOMPARE(window.objectName(), QStringLiteral("fNews"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Wiadomości"));
    QSignalSpy finished(&window, &NewsWindowBase::workFinished);
    window.show();
    QCOMPARE(window.statusLabel()->text(), NewsWindowBase::waitText());
    QVERIFY(!window.okButton()->isEnabled());
    QVERIFY(finished.wait(10000));
    QCOMPARE(window.newsView()->toPlainText(), shown);
    QCOMPARE(window.statusLabel()->text(), uwagi);
    QVERIFY(window.okButton()->isEnabled());
    QCOMPARE(readAll(ErrorLog::path()).contains("[0000000059]"), !uwagi.isEmpty());
}

void TestNews::updateWindowClosedAndAbout() {
    TinyServer server;
    server.setSilent(QStringLiteral("/files/upgradeinfo.ini"));
    TconfigPP config;
    config.newsURL = server.url();
    QTemporaryDir dir;
    {
        TfAktualizacja window(config, dir.filePath("flotanor.ini"), dir.path());
        QSignalSpy finished(&window, &NewsWindowBase::workFinished);
        window.show();
        QTRY_COMPARE(server.paths, QStringList{"/files/upgradeinfo.ini"});
        QVERIFY(window.run().isRunning());
        window.close();
        QVERIFY(!window.run().isRunning());
        QVERIFY(!finished.wait(300));
    }

    // Answered, the report fills the window.
    server.set(QStringLiteral("/files/upgradeinfo.ini"), 200, "[VERSION]\nmain=9.0\n");
    TfAktualizacja window(config, dir.filePath("flotanor.ini"), dir.path());
    QCOMPARE(window.objectName(), QStringLiteral("fAktualizacja"));
    QSignalSpy finished(&window, &NewsWindowBase::workFinished);
    window.show();
    QVERIFY(finished.wait(10000));
    QCOMPARE(window.newsView()->toPlainText(),
             QStringLiteral("Jest już nowsza wersja programu o numerze 9.0\n"));
    QCOMPARE(window.statusLabel()->text(), QString());

    config.Email = QStringLiteral("pomoc@flotanor.pl");
    config.URLMain = QStringLiteral("https://www.flotanor.pl/?a=1&b=2");
    TfAbout about(config);
    QCOMPARE(about.versionLabel()->text(), QStringLiteral("wersja ") + config.version);
    QCOMPARE(about.emailLabel()->text(),
             QStringLiteral("<a href=\"mailto:pomoc@flotanor.pl\">pomoc@flotanor.pl</a>"));
    QVERIFY(about.wwwLabel()->text().contains(QStringLiteral("?a=1&amp;b=2")));
}

QTEST_MAIN(TestNews)
#include "tst_news.moc"
