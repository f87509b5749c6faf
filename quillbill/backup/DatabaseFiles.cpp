// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "backup/DatabaseFiles.h"

#include "SchemaScript.h"

#include "records/Database.h"
#include "records/DatabaseError.h"
#include "records/SchemaCheck.h"
#include "records/SchemaUpgrade.h"
#include "records/ServerMove.h"
#include "records/invoices/CounterTwins.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
#include <QVariant>

#include <sqlite3.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <memory>
#include <sys/file.h>
#include <unistd.h>
#include <vector>

namespace quillbill::DatabaseFiles {

namespace {

constexpr int busyRetryMs = 50;
constexpr int busyRetries = 200;
const QString partialSuffix = QStringLiteral(".partial");
// Beside each copy a backup writes, the file whose lock it holds meanwhile.
const QString lockSuffix = QStringLiteral(".lock");
const QString journalSuffix = QStringLiteral("-journal");
// Rows the restore copies between two reports of its progress.
constexpr int rowsPerStep = 500;
// A copy without a lock file is told from one in progress by its age: one
// untouched for this long was left by a program that was killed.
constexpr qint64 partialStaleSeconds = 10 * 60;
// The name the backup is attached under while a restore reads it.
const QString restoreSource = QStringLiteral("restore_source");

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

// The lock a backup holds on a file of its own while it writes its copy:
// flock(2), which is apart from the fcntl locks SQLite takes on the copy
// itself. The kernel lets go of it when the process ends, however it ends.
class CopyLock {
public:
    explicit CopyLock(const QString& path) : path_(path)
    {
        descriptor_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (descriptor_ < 0 || ::flock(descriptor_, LOCK_EX) != 0) {
            const QString reason = messageForErrno(errno);
            if (descriptor_ >= 0) {
                ::close(descriptor_);
                ::unlink(QFile::encodeName(path).constData());
            }
            throw DatabaseError(QObject::tr("The backup could not be written: %1").arg(reason));
        }
    }
    ~CopyLock()
    {
        // Unlinked while still held, so nobody takes it for a killed backup's.
        ::unlink(QFile::encodeName(path_).constData());
        ::close(descriptor_);
    }
    CopyLock(const CopyLock&) = delete;
    CopyLock& operator=(const CopyLock&) = delete;

private:
    QString path_;
    int descriptor_ = -1;
};

// Whether no backup holds the lock at `path`; when none does, the lock file
// goes. A lock file that is not there counts as free.
bool takeAbandonedLock(const QString& path)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
    if (descriptor < 0)
        return errno == ENOENT;
    const bool free = ::flock(descriptor, LOCK_EX | LOCK_NB) == 0;
    if (free)
        ::unlink(QFile::encodeName(path).constData());
    ::close(descriptor);
    return free;
}

// A copy and the journal SQLite kept beside it.
void removeCopy(const QString& path)
{
    QFile::remove(path);
    QFile::remove(path + journalSuffix);
}

QString quoted(const QString& name) { return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"'; }

} // namespace

namespace {
// The copy of a file, by SQLite's online backup; of a server, row by row.
void writeFileCopy(const Database& live, const QString& partial, const std::function<void()>& whileCopying);
void writeServerCopy(const Database& server, const QString& partial, const std::function<void()>& whileCopying);
// Gives the empty file at `path` this version's design, without rows.
void layDesign(const QString& path);
} // namespace

void backup(const Database& live, const QString& destination, const std::function<void()>& whileCopying)
{
    // Its own name: the process and a random part, so that backups started
    // in the same second by two programs never write one file.
    const QString partial = QStringLiteral("%1.%2-%3%4")
                                .arg(destination)
                                .arg(QCoreApplication::applicationPid())
                                .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'))
                                .arg(partialSuffix);
    const CopyLock lock(partial + lockSuffix);
    const auto removePartial = qScopeGuard([&] { removeCopy(partial); });
    createPrivateFile(partial);
    if (live.kind() == Database::Kind::Server)
        writeServerCopy(live, partial, whileCopying);
    else
        writeFileCopy(live, partial, whileCopying);
    {
        QFile written(partial);
        if (!written.open(QIODevice::ReadOnly))
            throw DatabaseError(written.errorString());
        syncOrThrow(written.handle(), partial);
    }
    renameOver(partial, destination);
}

namespace {

void writeFileCopy(const Database& live, const QString& partial, const std::function<void()>& whileCopying)
{
    {
        // The file exists, empty and the owner's only; SQLite writes into it
        // and makes its journal with the same mode.
        SqliteConnection copy = openRaw(partial, SQLITE_OPEN_READWRITE);
        if (whileCopying)
            whileCopying();
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
        if (result != SQLITE_DONE)
            throw DatabaseError(QObject::tr("The backup could not be written: %1")
                                    .arg(messageFor(result, QString::fromUtf8(sqlite3_errstr(result)))));
    }
    // Only a copy as large as its source that is a whole database is a
    // backup; anything else never takes the backup's name.
    if (const QString problem = copyProblem(live.filePath(), partial); !problem.isEmpty())
        throw DatabaseError(problem);
}

void writeServerCopy(const Database& server, const QString& partial, const std::function<void()>& whileCopying)
{
    layDesign(partial);
    if (whileCopying)
        whileCopying();
    {
        Database copy;
        copy.open(partial);
        copyServerToFile(server, copy);
    }
    // A copy of a server is a backup only when a restore would take it.
    if (const QString problem = problemWith(partial); !problem.isEmpty())
        throw DatabaseError(problem);
}

} // namespace

namespace {

// What the design check asks of a file.
enum class Design {
    AnyQuillbill, // the Quillbill tables are there: a copy of the live database
    ExactlyOurs, // nothing but a known version's design: a file to restore
};

QString problemWith(const QString& path, Design design)
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
        // Nothing of anyone else's may come in with the rows: a trigger
        // would run on every save, other columns fail every statement.
        if (problem.isEmpty() && design == Design::ExactlyOurs)
            problem = SchemaCheck::designProblemWith(check);
        check.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    if (!problem.isEmpty())
        return QObject::tr("%1:\n%2").arg(path, problem); // the reason names what the file is
    return {};
}

} // namespace

QString problemWith(const QString& path) { return problemWith(path, Design::ExactlyOurs); }

QString copyProblem(const QString& source, const QString& copy)
{
    if (QFileInfo(source).size() != QFileInfo(copy).size())
        return QObject::tr("The copy %1 does not have the size of %2.").arg(copy, source);
    // A copy is of the live database as it is: whatever else it holds, the
    // office's records are in it, and the restore judges its design.
    return problemWith(copy, Design::AnyQuillbill);
}

namespace {

// The invoice number counters of a database: the highest number of each
// billing code (NULL for a counter without a code).
std::vector<std::pair<QVariant, qlonglong>> countersOf(const Database& live, const QString& schema)
{
    std::vector<std::pair<QVariant, qlonglong>> counters;
    for (const QSqlRecord& row :
         live.rows(QStringLiteral("SELECT BillCode, MAX(InvoiceNumber) FROM %1.TblBillingCodes GROUP BY BillCode")
                       .arg(schema)))
        counters.emplace_back(row.isNull(0) ? QVariant() : row.value(0), row.value(1).toLongLong());
    return counters;
}

int countOf(const Database& live, const QString& sql) { return live.firstRow(sql)->value(0).toInt(); }

// The columns of `table` in the attached backup.
QStringList backupColumns(const Database& live, const QString& table)
{
    QStringList columns;
    // cid, name, type, notnull, dflt_value, pk
    for (const QSqlRecord& row :
         live.rows(QStringLiteral("PRAGMA %1.table_info(%2)").arg(restoreSource, quoted(table))))
        columns << row.value(1).toString();
    return columns;
}

// Replaces the rows of `table` in main with those of the attached backup,
// keeping their rowids (and so their order), a step of rows at a time. A
// backup of an older version lacks the columns added since; they take their
// defaults (a customer of a version 1 backup is not hidden), or are made
// from the older columns as the upgrade makes them (whole-percent rates).
void copyRows(const Database& live, const SchemaCheck::Table& table, const std::function<void()>& onStep)
{
    const QStringList inBackup = backupColumns(live, table.name);
    const QString name = quoted(table.name);
    live.execute(QStringLiteral("DELETE FROM main.%1").arg(name));
    // A backup of an older version may lack the table: it had none of its rows.
    if (inBackup.isEmpty())
        return;
    QStringList columns;
    QStringList sources; // what each of `columns` is taken from in the backup
    const auto take = [&](const QString& column, const QString& source) {
        columns << column;
        sources << source;
    };
    if (!table.rowidIsColumn)
        take(QStringLiteral("rowid"), QStringLiteral("rowid"));
    for (const QString& column : table.columns) {
        if (inBackup.contains(column, Qt::CaseInsensitive))
            take(quoted(column), quoted(column));
        // A backup of an older version may hold it in an older form.
        else if (const QString made = SchemaUpgrade::restoredColumn(table.name, column, restoreSource, inBackup);
                 !made.isEmpty())
            take(quoted(column), made);
    }
    const QString insert =
        QStringLiteral("INSERT INTO main.%1 (%2) SELECT %3 FROM %4.%1 WHERE rowid > ? "
                       "ORDER BY rowid LIMIT %5")
            .arg(name, columns.join(QStringLiteral(", ")), sources.join(QStringLiteral(", ")), restoreSource)
            .arg(rowsPerStep);
    qlonglong last = std::numeric_limits<qlonglong>::min();
    for (;;) {
        const int copied = live.execute(insert, {last}).numRowsAffected();
        if (copied <= 0)
            break;
        onStep();
        if (copied < rowsPerStep)
            break;
        last = live.firstRow(QStringLiteral("SELECT MAX(rowid) FROM main.%1").arg(name))->value(0).toLongLong();
    }
}

// Raises each invoice number counter of main to at least `before` holds,
// adding the counters of codes the backup does not know.
void keepCounters(const Database& live, const std::vector<std::pair<QVariant, qlonglong>>& before)
{
    for (const auto& [code, number] : before) {
        if (number <= 0)
            continue; // a counter that has issued nothing holds no number to keep
        if (live.firstRow("SELECT 1 FROM main.TblBillingCodes WHERE BillCode IS ?", {code}))
            live.execute("UPDATE main.TblBillingCodes SET InvoiceNumber = ? WHERE BillCode IS ? AND InvoiceNumber < ?",
                         {number, code, number});
        else
            live.execute("INSERT INTO main.TblBillingCodes (BillCode, InvoiceNumber) VALUES (?, ?)", {code, number});
    }
}

// Raises each AUTOINCREMENT sequence of main to at least the backup's; main's
// own stay, since deleting rows never lowers them.
void keepSequences(const Database& live)
{
    for (const QSqlRecord& row :
         live.rows(QStringLiteral("SELECT name, seq FROM %1.sqlite_sequence").arg(restoreSource))) {
        const QVariant name = row.value(0);
        const QVariant seq = row.value(1);
        if (live.firstRow("SELECT 1 FROM main.sqlite_sequence WHERE name = ?", {name}))
            live.execute("UPDATE main.sqlite_sequence SET seq = ? WHERE name = ? AND seq < ?", {seq, name, seq});
        else
            live.execute("INSERT INTO main.sqlite_sequence (name, seq) VALUES (?, ?)", {name, seq});
    }
}

// The message of a failed restore: a full disk and a busy file in words
// the user can act on.
DatabaseError restoreFailure(const DatabaseError& error)
{
    switch (error.cause()) {
    case DatabaseError::Cause::DiskFull:
        return DatabaseError(messageFor(SQLITE_FULL, {}), error.cause());
    case DatabaseError::Cause::Busy:
        return DatabaseError(messageFor(SQLITE_BUSY, {}), error.cause());
    default:
        return error;
    }
}

} // namespace

namespace {

void layDesign(const QString& path)
{
    SqliteConnection file = openRaw(path, SQLITE_OPEN_READWRITE);
    char* error = nullptr;
    if (sqlite3_exec(file.get(), SchemaScript::current, nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : sqlite3_errmsg(file.get()));
        sqlite3_free(error);
        throw DatabaseError(QObject::tr("A copy of the database could not be written: %1").arg(message));
    }
}

// A restore into a server: the backup goes first into an empty file of this
// version, by the file's own restore (which takes a backup of any version
// this program knows and checks it), and from there into the server.
RestoreOutcome restoreIntoServer(const Database& server, const QString& source,
                                 const std::function<void(RestoreStep)>& onStep)
{
    const QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/quillbill-restore-XXXXXX"));
    if (!folder.isValid())
        throw DatabaseError(QObject::tr("A folder for the restore could not be made: %1").arg(folder.errorString()));
    const QString staged = folder.filePath(QStringLiteral("restore.db"));
    createPrivateFile(staged);
    layDesign(staged);
    Database staging;
    staging.open(staged);
    restoreInto(staging, source, [&](RestoreStep step) {
        if (onStep && step == RestoreStep::Copying)
            onStep(step);
    });
    ReplacedRows replaced;
    try {
        replaced = replaceServerRows(staging, server);
    } catch (const DatabaseError& error) {
        throw restoreFailure(error);
    }
    if (onStep)
        onStep(RestoreStep::Checking);
    return {replaced.lostInvoices, replaced.lostJobs};
}

} // namespace

RestoreOutcome restoreInto(const Database& live, const QString& source, const std::function<void(RestoreStep)>& onStep)
{
    if (live.kind() == Database::Kind::Server)
        return restoreIntoServer(live, source, onStep);
    const auto report = [&](RestoreStep step) {
        if (onStep)
            onStep(step);
    };
    RestoreOutcome outcome;
    try {
        const QString uri = QUrl::fromLocalFile(QFileInfo(source).absoluteFilePath()).toString(QUrl::FullyEncoded)
            + QStringLiteral("?mode=ro");
        live.execute(QStringLiteral("ATTACH DATABASE ? AS %1").arg(restoreSource), {uri});
        const auto detach = qScopeGuard([&] {
            try {
                live.execute(QStringLiteral("DETACH DATABASE %1").arg(restoreSource));
            } catch (const DatabaseError&) {
                // The connection drops it when it closes.
            }
        });
        // The write lock is taken first: no program issues a number or adds
        // a row between what is counted here and what is written.
        live.inTransaction([&] {
            // Checked again under the lock: the file may have been replaced
            // since it was chosen.
            if (const QString problem = SchemaCheck::designProblemWith(live.connection(), restoreSource);
                !problem.isEmpty())
                throw DatabaseError(QObject::tr("%1:\n%2").arg(source, problem));
            outcome.lostInvoices = countOf(live,
                                           QStringLiteral("SELECT COUNT(*) FROM (SELECT CustomerID, InvoiceID "
                                                          "FROM main.TblInvoice EXCEPT SELECT CustomerID, "
                                                          "InvoiceID FROM %1.TblInvoice)")
                                               .arg(restoreSource));
            outcome.lostJobs = countOf(live,
                                       QStringLiteral("SELECT COUNT(*) FROM (SELECT JobID, CustomerID, InvoiceID, "
                                                      "JobDescription, Sums FROM main.TblJobs EXCEPT SELECT "
                                                      "JobID, CustomerID, InvoiceID, JobDescription, Sums "
                                                      "FROM %1.TblJobs)")
                                           .arg(restoreSource));
            const auto counters = countersOf(live, QStringLiteral("main"));
            for (const SchemaCheck::Table& table : SchemaCheck::currentTables())
                copyRows(live, table, [&] { report(RestoreStep::Copying); });
            keepCounters(live, counters);
            mergeCounterTwins(live); // the backup may be older than codes compared without case
            keepSequences(live);
        });
    } catch (const DatabaseError& error) {
        throw restoreFailure(error);
    }

    report(RestoreStep::Checking);
    live.withRawHandle([&](sqlite3* into) {
        const QString integrity = integrityOf(into);
        if (integrity != QStringLiteral("ok"))
            throw DatabaseError(QObject::tr("The restored database fails its check: %1").arg(integrity));
    });
    return outcome;
}

int removeStalePartials(const QString& folder)
{
    const QDateTime staleBefore = QDateTime::currentDateTimeUtc().addSecs(-partialStaleSeconds);
    int removed = 0;
    const QDir dir(folder);
    for (const QFileInfo& file : dir.entryInfoList({QStringLiteral("*") + partialSuffix}, QDir::Files)) {
        const QString path = file.absoluteFilePath();
        const QString lock = path + lockSuffix;
        const bool abandoned =
            QFileInfo::exists(lock) ? takeAbandonedLock(lock) : file.lastModified().toUTC() < staleBefore;
        if (abandoned && QFile::remove(path)) {
            QFile::remove(path + journalSuffix);
            ++removed;
        }
    }
    // A backup killed before it made its copy leaves only its lock file.
    for (const QFileInfo& file :
         dir.entryInfoList({QStringLiteral("*") + partialSuffix + lockSuffix}, QDir::Files | QDir::Hidden)) {
        const QString partial = file.absoluteFilePath().chopped(lockSuffix.size());
        if (!QFileInfo::exists(partial))
            takeAbandonedLock(file.absoluteFilePath());
    }
    return removed;
}

} // namespace quillbill::DatabaseFiles
