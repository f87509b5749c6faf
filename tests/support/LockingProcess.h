// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QProcess>
#include <QString>

#include <gtest/gtest.h>

namespace quillbill::testing {

// Another program holding a database: the sqlite3 shell (for a file) or psql
// (for a server's postgresql:// address) in a process of its own, inside a
// transaction. The default, BEGIN EXCLUSIVE, keeps every other connection
// from reading or writing a file until release(). Other `statements` hold
// it differently, for example "BEGIN IMMEDIATE; UPDATE ...;", a write not
// yet committed that others may read past but not write over.
class LockingProcess {
public:
    // What release() does with the transaction.
    enum class Ending { RollBack, Commit };

    explicit LockingProcess(const QString& database, const QByteArray& statements = "BEGIN EXCLUSIVE;")
    {
        onServer_ = database.startsWith(QLatin1String("postgresql:"));
        if (onServer_) {
            shell_.setProgram(QStringLiteral("psql"));
            shell_.setArguments({"-X", "-q", "-v", "ON_ERROR_STOP=1", database});
        } else {
            shell_.setProgram(QStringLiteral("sqlite3"));
            shell_.setArguments({database});
        }
        shell_.start();
        locked_ = shell_.waitForStarted(30000);
        if (!locked_)
            return;
        // The shell prints the marker only once the lock is held.
        shell_.write(statements + "\nSELECT 'locked';\n");
        locked_ = false;
        while (shell_.waitForReadyRead(30000)) {
            output_ += shell_.readAllStandardOutput();
            if (output_.contains("locked")) {
                locked_ = true;
                break;
            }
        }
    }
    ~LockingProcess() { release(); }
    LockingProcess(const LockingProcess&) = delete;
    LockingProcess& operator=(const LockingProcess&) = delete;

    bool locked() const { return locked_; }

    // Ends the transaction and the process; the database is free when this
    // returns.
    void release(Ending ending = Ending::RollBack)
    {
        if (shell_.state() == QProcess::NotRunning)
            return;
        shell_.write(ending == Ending::Commit ? "COMMIT;\n" : "ROLLBACK;\n");
        shell_.closeWriteChannel();
        if (!shell_.waitForFinished(30000)) {
            shell_.kill();
            shell_.waitForFinished(30000);
        }
        locked_ = false;
    }

    // On a server, where the waiting program's statement waits inside the
    // server: commits as soon as another connection waits for a lock this
    // one holds, and ends. Returns at once.
    void commitOnceAnotherWaits()
    {
        ASSERT_TRUE(onServer_);
        shell_.write("DO $$ BEGIN WHILE NOT EXISTS (SELECT 1 FROM pg_locks WHERE NOT granted AND "
                     "database = (SELECT oid FROM pg_database WHERE datname = current_database())) LOOP "
                     "PERFORM pg_sleep(0.01); END LOOP; END $$;\nCOMMIT;\n");
        // Written now: the caller's wait that follows runs no events.
        shell_.waitForBytesWritten(30000);
        shell_.closeWriteChannel();
    }

private:
    QProcess shell_;
    QByteArray output_;
    bool onServer_ = false;
    bool locked_ = false;
};

} // namespace quillbill::testing
