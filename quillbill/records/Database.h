// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QElapsedTimer>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

struct sqlite3;

#include "records/ServerAddress.h"

namespace quillbill {

// One open connection to a Quillbill database (the program's MainDatabase):
// a file, or a database on a PostgreSQL server, which run the same
// statements. What differs between the two lives here and in
// ServerConnection. Every statement goes through execute() with its values bound
// as parameters, never pasted into the SQL text, so a name with a quote in it
// is just a name.
//
// Failures throw DatabaseError; windows catch it and show its message.
class Database {
public:
    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing Quillbill database for reading and writing. Never
    // creates a file: a missing file, or one that is not a Quillbill
    // database, throws and leaves this object closed. A file of an older
    // schema version is upgraded first, a copy of it kept beside it (see
    // SchemaUpgrade.h); one of a newer version is refused. A billing code with
    // several counter rows is left with one (see CounterTwins.h), in one
    // transaction.
    //
    // Statements on the connection can compare text without letter case,
    // accented letters too, with `COLLATE CASELESS`; billing codes are
    // always compared so.
    void open(const QString& filePath);
    // Opens the Quillbill database on a PostgreSQL server; throws when the
    // server cannot be reached or the database is not one of this version.
    void openServer(const ServerAddress& server);
    // Opens a database on a server that holds no table yet, to move an
    // office's records into (see moveToServer); throws for any other.
    void openEmptyServer(const ServerAddress& server);
    void close();
    bool isOpen() const;
    enum class Kind { File, Server };
    Kind kind() const { return kind_; }
    // The open file; empty for a server.
    QString filePath() const { return filePath_; }

    // Runs one statement with `values` bound to its `?` placeholders in order.
    // Every QString is bound as text, a null one as ''; QVariant() binds NULL.
    // The returned query is positioned before its first row.
    QSqlQuery execute(const QString& sql, const QVariantList& values = {}) const;

    // Runs an INSERT and gives the key the database chose for the new row,
    // the value of its column `keyColumn`.
    qint64 insertReturningKey(const QString& sql, const QVariantList& values, const QString& keyColumn) const;

    // Every row of a SELECT, in the order the engine returns them.
    std::vector<QSqlRecord> rows(const QString& sql, const QVariantList& values = {}) const;

    // The first row of a SELECT, if there is one.
    std::optional<QSqlRecord> firstRow(const QString& sql, const QVariantList& values = {}) const;

    // Runs `work` in one transaction that holds the write lock from its start:
    // all of its statements are kept, or, when it throws, none of them, and
    // the exception goes on to the caller.
    void inTransaction(const std::function<void()>& work) const;

    // The Qt connection, for the few things Qt SQL reaches only through it.
    QSqlDatabase connection() const;

    // Runs `work` on SQLite's own handle of the connection, for what Qt SQL
    // has no call for (the online backup). A wait for another program inside
    // it is announced and ended as a statement's wait is.
    void withRawHandle(const std::function<void(sqlite3*)>& work) const;

    // Why changes cannot be saved (the file, or the folder where SQLite makes
    // its journal, cannot be written); empty when they can.
    QString readOnlyReason() const;

    // While another program holds the file, a statement waits up to
    // `milliseconds` for it, letting pending window events (but not the
    // user's typing and clicks) run, and then fails with Cause::Busy. On a
    // server a statement waits as long for the rows another program holds,
    // inside the statement.
    void setBusyWaitLimit(int milliseconds);
    // Runs `work` with statements that fail with Cause::Busy at once, with
    // no wait announced, while another program holds the file: for reads
    // the program can as well make again a moment later. The exception goes
    // on to the caller.
    void withoutWaiting(const std::function<void()>& work);
    // Called with true when a statement starts waiting for another program,
    // and with false when it stops waiting.
    void setWaitNotice(std::function<void(bool waiting)> notice) { waitNotice_ = std::move(notice); }

    // A server's connection that was lost (the server restarted, the
    // network failed) fails its statement with Cause::ConnectionLost, and
    // what its transaction had not committed is gone. The next statement
    // outside a transaction connects again first; while that fails,
    // `prompt` is asked with why, and true tries again. Without a prompt,
    // or when it says false, that statement fails with ConnectionLost too.
    void setReconnectPrompt(std::function<bool(const QString& problem)> prompt)
    {
        reconnectPrompt_ = std::move(prompt);
    }

private:
    void openServerExpecting(const ServerAddress& server, bool empty);
    void reconnect() const;
    void mendCounterTwins() const;
    static int busyWait(void* self, int attempt);
    void endWait() const;
    void refuseWhileWaiting() const;

    QString connectionName_;
    Kind kind_ = Kind::File;
    QString filePath_;
    int busyWaitLimitMs_;
    std::function<void(bool)> waitNotice_;
    std::function<bool(const QString&)> reconnectPrompt_;
    // The server, to connect to again when the connection is lost.
    ServerAddress server_;
    mutable bool connectionLost_ = false;
    mutable int transactionDepth_ = 0;
    // The busy wait runs inside a statement; these are its state.
    mutable QElapsedTimer waitClock_;
    mutable bool waiting_ = false;
    mutable bool runningEvents_ = false;
};

// Files that hold the office's records (the database, its backups, and the
// copies on their way to becoming one) are readable by their owner only.

// Makes the empty file `path`, readable and writable by its owner only
// whatever the umask. Throws DatabaseError, also when the file exists.
void createPrivateFile(const QString& path);

// Copies `from` to `to` as a file of its owner's only. The copy is written
// beside `to` and renamed over it once whole, so a copy cut off never takes
// its name. False when it cannot be made.
bool copyPrivately(const QString& from, const QString& to);

} // namespace quillbill
