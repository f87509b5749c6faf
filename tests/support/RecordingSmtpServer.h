#pragma once

// tests/mail/recording_smtp_server.py on a free port of 127.0.0.1: a real
// SMTP server (aiosmtpd) that keeps each message it takes, as read back by
// Python's email package, so a test checks what a mail reader would see.
// The test program defines RECORDING_SMTP_SERVER as the script's path.

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <sys/prctl.h>

#include <csignal>

namespace quillbill::testing {

class RecordingSmtpServer {
public:
    ~RecordingSmtpServer()
    {
        process_.kill();
        process_.waitForFinished(5000);
    }

    // Starts the server and waits until it takes connections.
    bool start()
    {
        {
            QTcpServer probe;
            probe.listen(QHostAddress::LocalHost, 0);
            port_ = probe.serverPort();
        }
        process_.setProcessChannelMode(QProcess::MergedChannels);
        // A test program that crashes must not leave the server behind.
        process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        process_.start(QStringLiteral("/usr/bin/python3"),
                       {QStringLiteral(RECORDING_SMTP_SERVER), QString::number(port_), folder_.path()});
        if (!process_.waitForStarted(10000))
            return false;
        return QTest::qWaitFor(
                   [this] {
                       if (process_.state() != QProcess::Running)
                           return true;
                       QTcpSocket socket;
                       socket.connectToHost(QHostAddress::LocalHost, port_);
                       return socket.waitForConnected(200);
                   },
                   20000)
            && process_.state() == QProcess::Running;
    }

    quint16 port() const { return port_; }
    QString url() const { return QStringLiteral("smtp://127.0.0.1:%1").arg(port_); }
    QString output() { return QString::fromUtf8(process_.readAll()); }

    // The messages taken so far, in order.
    QList<QJsonObject> messages() const
    {
        QList<QJsonObject> found;
        for (int number = 1;; ++number) {
            QFile file(QDir(folder_.path()).filePath(QStringLiteral("message-%1.json").arg(number)));
            if (!file.open(QIODevice::ReadOnly))
                return found;
            found.append(QJsonDocument::fromJson(file.readAll()).object());
        }
    }

    // Waits for the first message; an empty object when none arrives.
    QJsonObject firstMessage() const
    {
        QList<QJsonObject> found;
        if (!QTest::qWaitFor([&] { return !(found = messages()).isEmpty(); }, 10000))
            return {};
        return found.front();
    }

private:
    QTemporaryDir folder_;
    QProcess process_;
    quint16 port_ = 0;
};

} // namespace quillbill::testing
