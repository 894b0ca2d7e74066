#include "admin/archive/ArchiveFiles.h"

#include <sqlite3.h>
#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QUrl>

namespace ArchiveFiles {

namespace {

// Pages copied between two progress reports; small enough for a smooth bar.
constexpr int kPagesPerStep = 64;
// How long a backup waits for another program's write lock in all.
constexpr int kBusyWaitMs = 15000;

QStringList archiveEntries() {
    const QString snapshot = CompanyArchive::snapshotFileName();
    return {snapshot, snapshot + QStringLiteral("-journal"), snapshot + QStringLiteral("-wal"),
            snapshot + QStringLiteral("-shm"), CompanyArchive::descriptionFileName()};
}

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString canonical(const QString& path) {
    // The nearest existing ancestor decides where a missing directory would be.
    QFileInfo info(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    QStringList missing;
    while (!info.exists() && !info.isRoot()) {
        missing.prepend(info.fileName());
        info = QFileInfo(info.absolutePath());
    }
    QString result = info.canonicalFilePath();
    for (const QString& part : missing)
        result += QLatin1Char('/') + part;
    return QDir::cleanPath(result);
}

}  // namespace

QString connectionName() {
    static QAtomicInt counter;
    return QStringLiteral("flotanor-archive-%1").arg(counter.fetchAndAddRelaxed(1));
}

SqliteFile::~SqliteFile() {
    close();
}

QString SqliteFile::open(const QString& path, Mode mode) {
    close();
    m_name = connectionName();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    if (mode == Mode::ReadOnly) {
        if (!QFileInfo(path).isFile())
            return QStringLiteral("Nie znaleziono pliku %1").arg(native(path));
        db.setDatabaseName(readOnlyUri(path));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
    } else {
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=15000"));
    }
    if (!db.open())
        return QStringLiteral("Nie udało się otworzyć pliku %1: %2")
            .arg(native(path), db.lastError().text());
    return {};
}

void SqliteFile::close() {
    if (m_name.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
    m_name.clear();
}

QSqlDatabase SqliteFile::database() const {
    return QSqlDatabase::database(m_name, false);
}

sqlite3* SqliteFile::handle() const {
    return handleOf(database());
}

QString SqliteFile::exec(const QString& sql) {
    return exec(sql, {});
}

QString SqliteFile::exec(const QString& sql, const QVariantList& values) {
    QSqlQuery query(database());
    bool ok = false;
    if (values.isEmpty()) {
        ok = query.exec(sql);
    } else if (query.prepare(sql)) {
        for (qsizetype i = 0; i < values.size(); ++i)
            query.bindValue(int(i), values.at(i));
        ok = query.exec();
    }
    return ok ? QString() : query.lastError().text();
}

sqlite3* handleOf(const QSqlDatabase& database) {
    if (!database.isValid() || !database.driver())
        return nullptr;
    const QVariant handle = database.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.data());
}

QString readOnlyUri(const QString& path) {
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded) +
           QStringLiteral("?mode=ro");
}

void Meter::phase(qint64 share, qint64 units) {
    m_base += m_share;
    m_share = share;
    m_units = qMax<qint64>(units, 1);
}

bool Meter::report(qint64 done) {
    const qint64 value =
        qMin(m_base + m_share * qMin(done, m_units) / m_units, CompanyArchive::kProgressTotal);
    if (value == m_last)
        return true;
    m_last = value;
    return !m_progress || m_progress(value, CompanyArchive::kProgressTotal);
}

bool Meter::finish() {
    m_base = CompanyArchive::kProgressTotal;
    m_share = 0;
    return report(0);
}

QVariant convert(const FieldDef& field, const QVariant& value) {
    switch (field.kind) {
        case FieldKind::AutoKey:
        case FieldKind::Integer:
        case FieldKind::Date:
        case FieldKind::Time:
            return value.isNull() ? QVariant(QMetaType(QMetaType::LongLong))
                                  : QVariant(qint64(qRound64(value.toDouble())));
        case FieldKind::Number:
        case FieldKind::DateNumber:
            return value.isNull() ? QVariant(QMetaType(QMetaType::Double))
                                  : QVariant(value.toDouble());
        case FieldKind::Flag:
        case FieldKind::Text:
            break;
    }
    return value.isNull() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(value.toString());
}

QStringList fieldNames(const TableDef& table) {
    QStringList names;
    for (const FieldDef& field : table.fields)
        names << field.name;
    return names;
}

QString backup(sqlite3* source, sqlite3* destination, Meter& meter) {
    sqlite3_backup* copy = sqlite3_backup_init(destination, "main", source, "main");
    if (!copy)
        return QString::fromUtf8(sqlite3_errmsg(destination));
    int waited = 0;
    int rc = SQLITE_OK;
    bool stopped = false;
    while (true) {
        rc = sqlite3_backup_step(copy, kPagesPerStep);
        if (rc == SQLITE_DONE)
            break;
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) {
            if (waited >= kBusyWaitMs)
                break;
            QThread::msleep(50);
            waited += 50;
            continue;
        }
        if (rc != SQLITE_OK)
            break;
        const int total = sqlite3_backup_pagecount(copy);
        meter.setUnits(total);
        if (!meter.report(total - sqlite3_backup_remaining(copy))) {
            stopped = true;
            break;
        }
    }
    // Finishing before SQLITE_DONE rolls the destination's transaction back.
    sqlite3_backup_finish(copy);
    if (stopped)
        return stoppedMessage();
    if (rc != SQLITE_DONE)
        return rc == SQLITE_BUSY || rc == SQLITE_LOCKED
                   ? QStringLiteral("Baza danych jest zajęta przez inny program.")
                   : QString::fromUtf8(sqlite3_errstr(rc));
    return {};
}

QString stoppedMessage() {
    return QStringLiteral("Operację przerwano.");
}

QStringList databaseFiles(const QString& directory) {
    QStringList found;
    const QStringList entries =
        QDir(directory).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        const QString lower = entry.toLower();
        if (lower.endsWith(QLatin1String(".db")) || lower.contains(QLatin1String(".sqlite")))
            found << entry;
    }
    return found;
}

bool isInside(const QString& path, const QString& directory) {
    const QString inner = canonical(path);
    const QString outer = canonical(directory);
    return inner == outer || inner.startsWith(outer + QLatin1Char('/'));
}

QString stagedSibling(const QString& target) {
    const QFileInfo info(QDir::cleanPath(QFileInfo(target).absoluteFilePath()));
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() +
           QStringLiteral(".archiwum-nowe");
}

QString oldSibling(const QString& target) {
    const QFileInfo info(QDir::cleanPath(QFileInfo(target).absoluteFilePath()));
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() +
           QStringLiteral(".archiwum-stare");
}

void recover(const QString& target) {
    const QString old = oldSibling(target);
    if (!QFileInfo::exists(old))
        return;
    // Stopped between the two renames of a swap: the old archive is the only one.
    if (!QFileInfo::exists(target))
        QDir().rename(old, target);
    else if (CompanyArchive::exists(target))
        QDir(old).removeRecursively();
}

QString install(const QString& staged, const QString& target) {
    const QDir into(target);
    if (!CompanyArchive::exists(target)) {
        // A missing or empty target: the files move in, the description last, so the
        // archive exists only once it is complete.
        if (!QDir().mkpath(target))
            return QStringLiteral("Nie udało się utworzyć katalogu %1").arg(native(target));
        for (const QString& name :
             {CompanyArchive::snapshotFileName(), CompanyArchive::descriptionFileName()}) {
            if (!QDir().rename(QDir(staged).filePath(name), into.filePath(name))) {
                QFile::remove(into.filePath(CompanyArchive::snapshotFileName()));
                return QStringLiteral("Nie udało się przenieść pliku %1 do katalogu %2")
                    .arg(name, native(target));
            }
        }
        QDir(staged).removeRecursively();
        return {};
    }
    // Replacing: the whole directory swaps, the old archive kept aside until then.
    const QString old = oldSibling(target);
    if (QFileInfo::exists(old) && !QDir(old).removeRecursively())
        return QStringLiteral("Nie udało się usunąć katalogu %1").arg(native(old));
    if (!QDir().rename(target, old))
        return QStringLiteral("Nie udało się zastąpić archiwum w katalogu %1").arg(native(target));
    if (!QDir().rename(staged, target)) {
        QDir().rename(old, target);
        return QStringLiteral("Nie udało się zastąpić archiwum w katalogu %1").arg(native(target));
    }
    // Whatever else the directory held stays in it.
    const QStringList ours = archiveEntries();
    QStringList leftBehind;
    for (const QString& entry : QDir(old).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                    QDir::NoDotAndDotDot)) {
        if (ours.contains(entry))
            continue;
        if (!QDir().rename(QDir(old).filePath(entry), into.filePath(entry)))
            leftBehind << entry;
    }
    if (!leftBehind.isEmpty())
        return QStringLiteral("Archiwum zastąpiono, ale plików %1 nie przeniesiono z katalogu %2")
            .arg(leftBehind.join(QStringLiteral(", ")), native(old));
    QDir(old).removeRecursively();
    return {};
}

}  // namespace ArchiveFiles
