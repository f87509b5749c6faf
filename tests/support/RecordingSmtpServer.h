// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// recording_smtp_server.py (aiosmtpd) on a free port of 127.0.0.1, for the
// mail component's tests: what it took, and which commands came before the
// connection was encrypted.

#pragma once

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

inline quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

inline bool accepts(quint16 port)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    return socket.waitForConnected(200);
}

inline QString localUrl(quint16 port) { return QStringLiteral("smtp://127.0.0.1:%1").arg(port); }

class RecordingSmtpServer {
public:
    ~RecordingSmtpServer()
    {
        process_.kill();
        process_.waitForFinished(5000);
    }

    // Starts the server with the script's options (TLS, certificate, user)
    // and waits until it takes connections.
    bool start(const QStringList& options = {})
    {
        port_ = freePort();
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.start(QStringLiteral("/usr/bin/python3"),
                       QStringList{QStringLiteral(RECORDING_SMTP_SERVER), QString::number(port_), folder_.path()}
                           + options);
        if (!process_.waitForStarted(10000))
            return false;
        const QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired()) {
            if (accepts(port_))
                return true;
            if (process_.waitForFinished(50))
                return false;
        }
        return false;
    }

    quint16 port() const { return port_; }
    QString url() const { return localUrl(port_); }
    QString output() { return QString::fromUtf8(process_.readAll()); }

    // The messages taken so far, in order, as the server script read them.
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

    // Every AUTH, MAIL and STARTTLS that arrived, in order:
    // {"connection": N, "command": "AUTH", "encrypted": bool}.
    QList<QJsonObject> commands() const
    {
        QList<QJsonObject> found;
        QFile file(QDir(folder_.path()).filePath(QStringLiteral("commands.jsonl")));
        if (!file.open(QIODevice::ReadOnly))
            return found;
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (!line.isEmpty())
                found.append(QJsonDocument::fromJson(line).object());
        }
        return found;
    }

    // The commands `command` that came over an unencrypted connection.
    qsizetype inClear(const QString& command) const
    {
        const QList<QJsonObject> all = commands();
        return std::count_if(all.begin(), all.end(), [&](const QJsonObject& entry) {
            return entry[QStringLiteral("command")].toString() == command
                && !entry[QStringLiteral("encrypted")].toBool();
        });
    }

    qsizetype count(const QString& command) const
    {
        const QList<QJsonObject> all = commands();
        return std::count_if(all.begin(), all.end(), [&](const QJsonObject& entry) {
            return entry[QStringLiteral("command")].toString() == command;
        });
    }

private:
    QTemporaryDir folder_;
    QProcess process_;
    quint16 port_ = 0;
};
