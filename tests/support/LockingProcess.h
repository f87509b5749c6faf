#pragma once

#include <QProcess>
#include <QString>

#include <gtest/gtest.h>

namespace quillbill::testing {

// Another program holding a database file: the sqlite3 shell in a process of
// its own, inside BEGIN EXCLUSIVE, so that no other connection may read or
// write the file until release(). Other `statements` hold it differently, for
// example "BEGIN IMMEDIATE; UPDATE ...;", a write not yet committed that
// others may read past but not write over.
class LockingProcess {
public:
    // What release() does with the transaction.
    enum class Ending { RollBack, Commit };

    explicit LockingProcess(const QString& databasePath, const QByteArray& statements = "BEGIN EXCLUSIVE;")
    {
        shell_.setProgram(QStringLiteral("sqlite3"));
        shell_.setArguments({databasePath});
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

    // Ends the transaction and the process; the file is free when this returns.
    void release(Ending ending = Ending::RollBack)
    {
        if (shell_.state() == QProcess::NotRunning)
            return;
        shell_.write(ending == Ending::Commit ? "COMMIT;\n.quit\n" : "ROLLBACK;\n.quit\n");
        shell_.closeWriteChannel();
        if (!shell_.waitForFinished(30000)) {
            shell_.kill();
            shell_.waitForFinished(30000);
        }
        locked_ = false;
    }

private:
    QProcess shell_;
    QByteArray output_;
    bool locked_ = false;
};

} // namespace quillbill::testing
