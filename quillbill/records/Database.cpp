// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "records/Database.h"

#include "records/DatabaseError.h"
#include "records/SchemaCheck.h"
#include "records/SchemaUpgrade.h"
#include "records/ServerConnection.h"
#include "records/invoices/CounterTwins.h"

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QThread>
#include <QUrl>

#include <algorithm>

#include <sqlite3.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillbill {

namespace {

// A second program writing the file makes a save wait this long before it fails.
constexpr int busyTimeoutMs = 5000;
// Opening waits less: nobody is looking at a window yet, and a file held
// longer than this is better reported (with a chance to retry) than waited on.
constexpr int openBusyTimeoutMs = 1000;
// How long the busy wait sleeps between two looks at the lock.
constexpr unsigned long busyPollMs = 10;

QString nextConnectionName()
{
    static QAtomicInteger<int> counter;
    return QStringLiteral("quillbill-%1").arg(counter.fetchAndAddRelaxed(1));
}

// SQLite's "file:" URI with mode=rw opens read-write and never creates the file.
QString readWriteUri(const QString& filePath)
{
    return QUrl::fromLocalFile(QFileInfo(filePath).absoluteFilePath()).toString(QUrl::FullyEncoded)
        + QStringLiteral("?mode=rw");
}

QString describe(const QSqlError& error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.trimmed();
}

DatabaseError::Cause causeOf(const QSqlError& error)
{
    bool isNumber = false;
    // The driver reports SQLite's result code; the low byte is its primary code.
    const int code = error.nativeErrorCode().toInt(&isNumber) & 0xff;
    if (!isNumber)
        return DatabaseError::Cause::Other;
    switch (code) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return DatabaseError::Cause::Busy;
    case SQLITE_READONLY:
        return DatabaseError::Cause::ReadOnly;
    case SQLITE_FULL:
        return DatabaseError::Cause::DiskFull;
    default:
        return DatabaseError::Cause::Other;
    }
}

DatabaseError failure(const QSqlError& error, Database::Kind kind)
{
    const DatabaseError::Cause cause =
        kind == Database::Kind::Server ? ServerConnection::causeOf(error) : causeOf(error);
    if (cause == DatabaseError::Cause::ConnectionLost)
        return DatabaseError(QObject::tr("The connection to the database server was lost: %1").arg(describe(error)),
                             cause);
    return DatabaseError(describe(error), cause);
}

// The CASELESS collation: text equal but for letter case is equal, in every
// alphabet. SQLite's own NOCASE folds only the 26 ASCII letters, which would
// keep "Crème" and "CRÈME" apart.
int compareCaseless(void*, int leftLength, const void* left, int rightLength, const void* right)
{
    const QString a = QString::fromUtf8(static_cast<const char*>(left), leftLength);
    const QString b = QString::fromUtf8(static_cast<const char*>(right), rightLength);
    return QString::compare(a, b, Qt::CaseInsensitive);
}

sqlite3* rawHandle(const QSqlDatabase& connection)
{
    if (!connection.isOpen() || !connection.driver())
        return nullptr;
    const QVariant handle = connection.driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

} // namespace

QString saveFailureMessage(const DatabaseError& error, const QString& otherwise)
{
    switch (error.cause()) {
    case DatabaseError::Cause::Busy:
        return QObject::tr("Another program is using the database, so nothing was saved. "
                           "Please try again in a moment.");
    case DatabaseError::Cause::ReadOnly:
        return QObject::tr("The database cannot be changed: the file or its folder is read-only. "
                           "Nothing was saved.");
    case DatabaseError::Cause::DiskFull:
        return QObject::tr("The disk that holds the database is full, so nothing was saved. "
                           "Please make room on it and try again.");
    case DatabaseError::Cause::ConnectionLost:
        return QObject::tr("The connection to the database server was lost, so this was not saved; what was "
                           "saved before is safe on the server. Please try again: the program connects again "
                           "first.");
    case DatabaseError::Cause::Other:
        break;
    }
    return otherwise;
}

Database::Database() : connectionName_(nextConnectionName()), busyWaitLimitMs_(busyTimeoutMs) {}

// SQLite's busy handler: called while another connection holds the lock, with
// the number of earlier calls in this wait; 0 gives up with SQLITE_BUSY.
int Database::busyWait(void* self, int attempt)
{
    const auto* db = static_cast<const Database*>(self);
    if (db->busyWaitLimitMs_ <= 0)
        return 0;
    if (attempt == 0 || !db->waiting_) {
        db->waitClock_.start();
        db->waiting_ = true;
        if (db->waitNotice_)
            db->waitNotice_(true);
    }
    if (db->waitClock_.elapsed() >= db->busyWaitLimitMs_)
        return 0;
    // Only the thread with the windows runs their events; the guard keeps a
    // timer that fires meanwhile from using this connection in mid-statement.
    if (QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread()
        && !db->runningEvents_) {
        db->runningEvents_ = true;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        db->runningEvents_ = false;
    }
    QThread::msleep(busyPollMs);
    return 1;
}

void Database::setBusyWaitLimit(int milliseconds)
{
    busyWaitLimitMs_ = milliseconds;
    // A server waits inside the statement, for as long as it is told.
    if (isOpen() && kind_ == Kind::Server)
        execute(ServerConnection::lockWaitStatement(milliseconds));
}

void Database::withoutWaiting(const std::function<void()>& work)
{
    const int limit = busyWaitLimitMs_;
    busyWaitLimitMs_ = 0;
    const auto restore = qScopeGuard([this, limit] { busyWaitLimitMs_ = limit; });
    work();
}

void Database::endWait() const
{
    if (!waiting_)
        return;
    waiting_ = false;
    if (waitNotice_)
        waitNotice_(false);
}

void Database::refuseWhileWaiting() const
{
    if (runningEvents_)
        throw DatabaseError(QObject::tr("The database is busy: another program is using it."),
                            DatabaseError::Cause::Busy);
}

Database::~Database() { close(); }

void Database::open(const QString& filePath)
{
    close();
    const QFileInfo file(filePath);
    if (!file.exists())
        throw DatabaseError(QObject::tr("The database file %1 was not found.").arg(file.absoluteFilePath()));
    if (!file.isFile())
        throw DatabaseError(QObject::tr("%1 is not a file.").arg(file.absoluteFilePath()));

    {
        QSqlDatabase connection = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
        connection.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
        connection.setDatabaseName(readWriteUri(filePath));
        QString problem;
        DatabaseError::Cause cause = DatabaseError::Cause::Other;
        if (!connection.open()) {
            problem = describe(connection.lastError());
        } else {
            if (sqlite3* handle = rawHandle(connection)) {
                sqlite3_busy_handler(handle, &Database::busyWait, this);
                if (sqlite3_create_collation_v2(handle, "CASELESS", SQLITE_UTF8, nullptr, &compareCaseless, nullptr)
                    != SQLITE_OK)
                    problem = QString::fromUtf8(sqlite3_errmsg(handle));
            }
            // A file held by another program cannot be read either; that is
            // no reason to call it damaged, so find out before the schema check.
            const int limit = busyWaitLimitMs_;
            busyWaitLimitMs_ = std::min(limit, openBusyTimeoutMs);
            QSqlQuery probe(connection);
            if (problem.isEmpty() && !probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))
                && causeOf(probe.lastError()) == DatabaseError::Cause::Busy) {
                cause = DatabaseError::Cause::Busy;
                problem = QObject::tr("Another program is using the database.");
            }
            probe = QSqlQuery();
            busyWaitLimitMs_ = limit;
            endWait();
            if (problem.isEmpty())
                problem = SchemaCheck::problemWith(connection);
        }
        if (!problem.isEmpty()) {
            connection.close();
            connection = QSqlDatabase();
            QSqlDatabase::removeDatabase(connectionName_);
            throw DatabaseError(QObject::tr("Cannot open the database %1.\n%2").arg(file.absoluteFilePath(), problem),
                                cause);
        }
    }
    kind_ = Kind::File;
    filePath_ = file.absoluteFilePath();
    try {
        SchemaUpgrade::upgrade(*this);
        mendCounterTwins();
    } catch (const DatabaseError& error) {
        close();
        throw DatabaseError(
            QObject::tr("Cannot open the database %1.\n%2").arg(file.absoluteFilePath(), error.message()),
            error.cause());
    }
}

void Database::openServer(const ServerAddress& server) { openServerExpecting(server, false); }

void Database::openEmptyServer(const ServerAddress& server) { openServerExpecting(server, true); }

void Database::openServerExpecting(const ServerAddress& server, bool empty)
{
    close();
    QString problem;
    {
        QSqlDatabase connection = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName_);
        if (!connection.isValid())
            problem = QObject::tr("This computer cannot reach PostgreSQL servers: Qt's QPSQL driver is missing "
                                  "(Debian package libqt6sql6-psql).");
        else
            problem = ServerConnection::open(
                connection, server, empty ? ServerConnection::Expect::NoTables : ServerConnection::Expect::OurDesign,
                busyWaitLimitMs_);
    }
    if (!problem.isEmpty()) {
        QSqlDatabase::removeDatabase(connectionName_);
        throw DatabaseError(QObject::tr("Cannot open the database %1 on the server %2.\n%3")
                                .arg(server.database, server.host, problem));
    }
    kind_ = Kind::Server;
    server_ = server;
    connectionLost_ = false;
}

void Database::reconnect() const
{
    for (;;) {
        try {
            // A new connection in place of the lost one, with the same name.
            auto* self = const_cast<Database*>(this);
            self->openServerExpecting(server_, false);
            return;
        } catch (const DatabaseError& error) {
            // Still the server's, though not open.
            const_cast<Database*>(this)->kind_ = Kind::Server;
            if (!reconnectPrompt_ || !reconnectPrompt_(error.message()))
                throw DatabaseError(error.message(), DatabaseError::Cause::ConnectionLost);
        }
    }
}

void Database::mendCounterTwins() const
{
    if (!hasCounterTwins(*this))
        return;
    // A file that cannot be written keeps its rows: nothing can be issued
    // from it either, and the program says that it is read-only.
    if (!readOnlyReason().isEmpty())
        return;
    inTransaction([this] { mergeCounterTwins(*this); });
}

void Database::close()
{
    if (!QSqlDatabase::contains(connectionName_))
        return;
    {
        QSqlDatabase connection = QSqlDatabase::database(connectionName_, false);
        connection.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
    filePath_.clear();
    kind_ = Kind::File;
}

bool Database::isOpen() const { return QSqlDatabase::contains(connectionName_) && connection().isOpen(); }

QSqlDatabase Database::connection() const { return QSqlDatabase::database(connectionName_, false); }

QString Database::readOnlyReason() const
{
    // A server says so of each refused statement.
    if (!isOpen() || kind_ == Kind::Server)
        return {};
    // SQLite opens a file it may not write read-only, without saying so.
    sqlite3* handle = rawHandle(connection());
    if (handle && sqlite3_db_readonly(handle, "main") == 1)
        return QObject::tr("the database file %1 is read-only.").arg(filePath_);
    // A save writes a journal beside the file first; without one it fails.
    const QString folder = QFileInfo(filePath_).absolutePath();
    if (::access(QFile::encodeName(folder).constData(), W_OK) != 0)
        return QObject::tr("the folder %1 that holds the database is read-only.").arg(folder);
    return {};
}

void Database::withRawHandle(const std::function<void(sqlite3*)>& work) const
{
    sqlite3* handle = rawHandle(connection());
    if (!handle)
        throw DatabaseError(QObject::tr("The database is not open."));
    refuseWhileWaiting();
    const auto waited = qScopeGuard([this] { endWait(); });
    work(handle);
}

QSqlQuery Database::execute(const QString& sql, const QVariantList& values) const
{
    // A lost connection is made again before the next statement that
    // starts something new; inside a transaction the work is gone with it.
    if (connectionLost_ && transactionDepth_ == 0)
        reconnect();
    if (!isOpen())
        throw DatabaseError(QObject::tr("The database is not open."));
    refuseWhileWaiting();
    const auto waited = qScopeGuard([this] { endWait(); });
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    // PostgreSQL prepares no transaction control (BEGIN, COMMIT); a
    // statement without values needs no preparing.
    const auto failed = [this](const QSqlQuery& statement) {
        DatabaseError error = failure(statement.lastError(), kind_);
        if (error.cause() == DatabaseError::Cause::ConnectionLost)
            connectionLost_ = true;
        return error;
    };
    if (kind_ == Kind::Server && values.isEmpty()) {
        if (!query.exec(sql))
            throw failed(query);
        return query;
    }
    if (!query.prepare(sql))
        throw failed(query);
    for (const QVariant& value : values) {
        // Qt binds a null QString (the text of an untouched, empty box) as
        // NULL. Text is text: an empty one is stored as ''. A missing value
        // is passed as QVariant().
        if (value.typeId() == QMetaType::QString && value.toString().isNull())
            query.addBindValue(QStringLiteral(""));
        else
            query.addBindValue(value);
    }
    if (!query.exec())
        throw failed(query);
    return query;
}

qint64 Database::insertReturningKey(const QString& sql, const QVariantList& values, const QString& keyColumn) const
{
    // SQLite tells the rowid of the last insert; Qt's PostgreSQL driver
    // tells a row's OID, which our tables do not have.
    if (kind_ == Kind::File)
        return execute(sql, values).lastInsertId().toLongLong();
    QSqlQuery inserted = execute(sql + QStringLiteral(" RETURNING ") + keyColumn, values);
    if (!inserted.next())
        throw DatabaseError(QObject::tr("The database did not say which row it added."));
    return inserted.value(0).toLongLong();
}

std::vector<QSqlRecord> Database::rows(const QString& sql, const QVariantList& values) const
{
    QSqlQuery query = execute(sql, values);
    std::vector<QSqlRecord> result;
    while (query.next())
        result.push_back(query.record());
    return result;
}

std::optional<QSqlRecord> Database::firstRow(const QString& sql, const QVariantList& values) const
{
    QSqlQuery query = execute(sql, values);
    if (!query.next())
        return std::nullopt;
    return query.record();
}

void Database::inTransaction(const std::function<void()>& work) const
{
    // Through execute(), not QSqlDatabase::transaction(): Qt drops SQLite's
    // result code from a failed BEGIN or COMMIT, and a busy file is the usual
    // reason for one. IMMEDIATE takes the write lock before the first read,
    // so that no other program writes between what `work` reads and writes.
    execute(kind_ == Kind::Server ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"));
    const auto rollBack = [this] {
        try {
            execute(QStringLiteral("ROLLBACK"));
        } catch (const DatabaseError&) {
            // SQLite has already rolled back when a statement's failure ended
            // the transaction; a server whose connection is lost has too.
        }
    };
    ++transactionDepth_;
    const auto ended = qScopeGuard([this] { --transactionDepth_; });
    try {
        if (kind_ == Kind::Server)
            execute(QString::fromLatin1(ServerConnection::holdOffOtherWriters));
        work();
    } catch (...) {
        rollBack();
        throw;
    }
    try {
        execute(QStringLiteral("COMMIT"));
    } catch (const DatabaseError&) {
        rollBack();
        throw;
    }
}

namespace {

constexpr mode_t ownerOnly = S_IRUSR | S_IWUSR;

// A descriptor closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    ~Descriptor()
    {
        if (descriptor_ >= 0)
            ::close(descriptor_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return descriptor_; }

private:
    int descriptor_;
};

// A new file of the owner's only, open for writing: the mode is set on the
// descriptor before anything is written, so the umask cannot widen or narrow it.
int openPrivately(const QString& path)
{
    const int descriptor =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, ownerOnly);
    if (descriptor >= 0 && ::fchmod(descriptor, ownerOnly) != 0) {
        const int error = errno;
        ::close(descriptor);
        ::unlink(QFile::encodeName(path).constData());
        errno = error;
        return -1;
    }
    return descriptor;
}

bool writeAll(int descriptor, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(descriptor, data, static_cast<size_t>(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

} // namespace

void createPrivateFile(const QString& path)
{
    const Descriptor file(openPrivately(path));
    if (file.get() < 0)
        throw DatabaseError(
            QObject::tr("Cannot make the file %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno))));
}

bool copyPrivately(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QString partial = to + QStringLiteral(".partial");
    ::unlink(QFile::encodeName(partial).constData());
    bool copied = false;
    {
        const Descriptor target(openPrivately(partial));
        if (target.get() < 0)
            return false;
        copied = true;
        constexpr qint64 chunk = 1 << 16;
        while (copied && !source.atEnd()) {
            const QByteArray bytes = source.read(chunk);
            copied = !bytes.isEmpty() && writeAll(target.get(), bytes.constData(), bytes.size());
        }
        copied = copied && ::fsync(target.get()) == 0;
    }
    copied = copied && ::rename(QFile::encodeName(partial).constData(), QFile::encodeName(to).constData()) == 0;
    if (!copied)
        ::unlink(QFile::encodeName(partial).constData());
    return copied;
}

} // namespace quillbill
