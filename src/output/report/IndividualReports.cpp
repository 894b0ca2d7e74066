#include "output/report/IndividualReports.h"

#include "data/engine/DbLocation.h"
#include "support/OVUtilities.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace IndividualReports {

QString configPath() {
    return ReportList::effectivePath();
}

QList<ReportEntry> load() {
    return ReportList::load(configPath());
}

QStringList programFolders() {
    const QString program = QCoreApplication::applicationDirPath();
    return {
        TOVUtilities::defaultDataDirectory() + QStringLiteral("/include"),
        QDir::cleanPath(program + QStringLiteral("/../share/flotanor/include")),
        program + QStringLiteral("/include"),
    };
}

QString findProgram(const QString& file) {
    if (file.isEmpty() || file.contains(QLatin1Char('/')) || file.contains(QLatin1Char('\\')) ||
        file.startsWith(QLatin1Char('.')))
        return {};
    for (const QString& folder : programFolders()) {
        const QFileInfo candidate(folder + QLatin1Char('/') + file);
        if (candidate.isFile() && candidate.isExecutable())
            return candidate.absoluteFilePath();
    }
    return {};
}

QString companyLocation(const DbLocation& location, const QString& companyDir) {
    if (!location.isPostgres())
        return QDir::toNativeSeparators(location.companyDirectory(companyDir));
    // libpq's "options" parameter sets the search path; "=" inside a value must be encoded.
    QUrl url(location.text());
    QString query = url.query(QUrl::FullyEncoded);
    if (!query.isEmpty())
        query += QLatin1Char('&');
    query += QStringLiteral("options=-c%20search_path%3D") +
             QString::fromLatin1(QUrl::toPercentEncoding(companyDir));
    url.setQuery(query, QUrl::StrictMode);
    return url.toString(QUrl::FullyEncoded);
}

QByteArray standardInput(const Credentials& c) {
    QByteArray lines;
    for (const QString& line : {c.user, c.password, c.location})
        lines += line.toUtf8() + '\n';
    return lines;
}

QString noReportMessage() {
    return QStringLiteral("Brak raportu. Wskaż żądany raport bądź zamów raport u producenta.");
}

Launch launch(const QList<ReportEntry>& entries, int index, const Credentials& credentials,
              QObject* owner) {
    Launch result;
    if (index < 0 || index >= entries.size()) {
        result.status = Launch::Status::NoReport;
        result.message = noReportMessage();
        return result;
    }
    const QString file = entries.at(index).file;
    const QString path = findProgram(file);
    if (path.isEmpty()) {
        result.status = Launch::Status::NotFound;
        result.message =
            QStringLiteral("Nie znaleziono programu raportu %1 w katalogu include.").arg(file);
        return result;
    }
    auto* process = new QProcess(owner);
    process->setProgram(path);
    process->setArguments({});
    process->setWorkingDirectory(QFileInfo(path).absolutePath());
    // Its output is not read here: forwarded, it can never fill a pipe and stall.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->start();
    if (!process->waitForStarted()) {
        result.status = Launch::Status::Failed;
        result.message = QStringLiteral("Nie można uruchomić programu raportu %1: %2")
                             .arg(QDir::toNativeSeparators(path), process->errorString());
        delete process;
        return result;
    }
    process->write(standardInput(credentials));
    process->closeWriteChannel();
    result.status = Launch::Status::Started;
    result.process = process;
    return result;
}

}  // namespace IndividualReports
