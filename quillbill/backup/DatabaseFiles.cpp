#include "backup/DatabaseFiles.h"

#include "records/Database.h"
#include "records/DatabaseError.h"
#include "records/SchemaCheck.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QThread>
#include <QUrl>
#include <QVariant>

#include <sqlite3.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace quillbill::DatabaseFiles {

namespace {

constexpr int busyRetryMs = 50;
constexpr int busyRetries = 200;
const QString partialSuffix = QStringLiteral(".partial");
// Pages the restore copies between two reports of its progress.
constexpr int pagesPerStep = 64;
// A copy in progress writes its file all the time; one untouched for this long
// was left by a backup that was killed.
constexpr qint64 partialStaleSeconds = 10 * 60;

// SQLite's answer in words a user can act on.
QString messageFor(int result, const QString& detail)
{
    switch (result & 0xff) {
    case SQLITE_FULL:
        return QObject::tr("The disk is full. Free some space on it and try again.");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QObject::tr("Another program is using the database. Try again when it has finished.");
    default:
        return detail;
    }
}

QString messageForErrno(int error)
{
    if (error == ENOSPC || error == EDQUOT)
        return messageFor(SQLITE_FULL, {});
    return QString::fromLocal8Bit(std::strerror(error));
}

struct SqliteCloser {
    void operator()(sqlite3* connection) const { sqlite3_close_v2(connection); }
};
using SqliteConnection = std::unique_ptr<sqlite3, SqliteCloser>;

SqliteConnection openRaw(const QString& path, int flags)
{
    sqlite3* connection = nullptr;
    const int result = sqlite3_open_v2(QFile::encodeName(path).constData(), &connection, flags, nullptr);
    SqliteConnection owned(connection);
    if (result != SQLITE_OK)
        throw DatabaseError(QString::fromUtf8(connection ? sqlite3_errmsg(connection) : sqlite3_errstr(result)));
    return owned;
}

QString integrityOf(sqlite3* connection)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(connection, "PRAGMA integrity_check", -1, &statement, nullptr) != SQLITE_OK)
        return QString::fromUtf8(sqlite3_errmsg(connection));
    QString verdict;
    int step = 0;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW)
        verdict += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0))) + u'\n';
    if (step != SQLITE_DONE)
        verdict = QString::fromUtf8(sqlite3_errmsg(connection));
    sqlite3_finalize(statement);
    return verdict.trimmed();
}

void syncOrThrow(int descriptor, const QString& what)
{
    if (::fsync(descriptor) != 0)
        throw DatabaseError(QObject::tr("Cannot write %1 to the disk: %2").arg(what, messageForErrno(errno)));
}

// Makes a rename inside `folder` last across a power failure.
void syncFolder(const QString& folder)
{
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0)
        return;
    ::fsync(descriptor);
    ::close(descriptor);
}

void renameOver(const QString& from, const QString& to)
{
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        throw DatabaseError(QObject::tr("Cannot replace %1: %2").arg(to, QString::fromLocal8Bit(std::strerror(errno))));
    syncFolder(QFileInfo(to).absolutePath());
}

} // namespace

void backup(const Database& live, const QString& destination)
{
    const QString partial = destination + partialSuffix;
    QFile::remove(partial);
    {
        SqliteConnection copy = openRaw(partial, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        int result = SQLITE_OK;
        live.withRawHandle([&](sqlite3* source) {
            sqlite3_backup* job = sqlite3_backup_init(copy.get(), "main", source, "main");
            if (!job)
                throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(copy.get())));
            for (int attempt = 0; attempt < busyRetries; ++attempt) {
                result = sqlite3_backup_step(job, -1);
                if (result != SQLITE_BUSY && result != SQLITE_LOCKED)
                    break;
                QThread::msleep(busyRetryMs);
            }
            sqlite3_backup_finish(job);
        });
        if (result != SQLITE_DONE) {
            const QString problem = messageFor(result, QString::fromUtf8(sqlite3_errstr(result)));
            copy.reset();
            QFile::remove(partial);
            throw DatabaseError(QObject::tr("The backup could not be written: %1").arg(problem));
        }
    }
    {
        QFile written(partial);
        if (!written.open(QIODevice::ReadWrite)) {
            QFile::remove(partial);
            throw DatabaseError(written.errorString());
        }
        syncOrThrow(written.handle(), partial);
    }
    renameOver(partial, destination);
}

QString problemWith(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return QObject::tr("The file %1 does not exist.").arg(path);
    if (!file.isFile() || !file.isReadable())
        return QObject::tr("The file %1 cannot be read.").arg(path);

    SqliteConnection connection;
    try {
        const QString uri =
            QUrl::fromLocalFile(file.absoluteFilePath()).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=ro");
        connection = openRaw(uri, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
    } catch (const DatabaseError& error) {
        return QObject::tr("The file %1 cannot be opened: %2").arg(path, error.message());
    }
    const QString integrity = integrityOf(connection.get());
    if (integrity != QStringLiteral("ok"))
        return QObject::tr("The file %1 is not a sound database: %2").arg(path, integrity);
    connection.reset();

    // The same check that opening the live database makes.
    const QString connectionName = QStringLiteral("quillbill-check-") + file.absoluteFilePath();
    QString problem;
    {
        QSqlDatabase check = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        check.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        check.setDatabaseName(file.absoluteFilePath());
        problem = check.open() ? SchemaCheck::problemWith(check) : QObject::tr("The file cannot be opened.");
        check.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    if (!problem.isEmpty())
        return QObject::tr("%1:\n%2").arg(path, problem); // the reason names what the file is
    return {};
}

QString copyProblem(const QString& source, const QString& copy)
{
    if (QFileInfo(source).size() != QFileInfo(copy).size())
        return QObject::tr("The copy %1 does not have the size of %2.").arg(copy, source);
    return problemWith(copy);
}

void restoreInto(const Database& live, const QString& source, const std::function<void(RestoreStep)>& onStep)
{
    const auto report = [&](RestoreStep step) {
        if (onStep)
            onStep(step);
    };
    SqliteConnection from;
    {
        const QString uri = QUrl::fromLocalFile(QFileInfo(source).absoluteFilePath()).toString(QUrl::FullyEncoded)
            + QStringLiteral("?mode=ro");
        from = openRaw(uri, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
    }
    live.withRawHandle([&](sqlite3* into) {
        sqlite3_backup* job = sqlite3_backup_init(into, "main", from.get(), "main");
        if (!job)
            throw DatabaseError(messageFor(sqlite3_errcode(into), QString::fromUtf8(sqlite3_errmsg(into))));
        // The copy writes the live file in one write transaction of SQLite's,
        // under its locks: a program writing the file makes it wait (the
        // connection's busy wait) and then refuses it, and until the last page
        // is in, the transaction rolls back as a whole, also when this process
        // dies.
        int result = SQLITE_OK;
        do {
            result = sqlite3_backup_step(job, pagesPerStep);
            if (result == SQLITE_OK)
                report(RestoreStep::Copying);
        } while (result == SQLITE_OK);
        sqlite3_backup_finish(job);
        if (result != SQLITE_DONE)
            throw DatabaseError(messageFor(result, QString::fromUtf8(sqlite3_errstr(result))));

        report(RestoreStep::Checking);
        const QString integrity = integrityOf(into);
        if (integrity != QStringLiteral("ok"))
            throw DatabaseError(QObject::tr("The restored database fails its check: %1").arg(integrity));
    });
}

int removeStalePartials(const QString& folder)
{
    const QDateTime staleBefore = QDateTime::currentDateTimeUtc().addSecs(-partialStaleSeconds);
    int removed = 0;
    const QDir dir(folder);
    for (const QFileInfo& file : dir.entryInfoList({QStringLiteral("*") + partialSuffix}, QDir::Files)) {
        if (file.lastModified().toUTC() < staleBefore && QFile::remove(file.absoluteFilePath()))
            ++removed;
    }
    return removed;
}

} // namespace quillbill::DatabaseFiles
