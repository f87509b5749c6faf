// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// What a test of the mail component watches: every signal of one mailer,
// and whether a text mentions another.

#pragma once

#include "QStringPrinting.h"
#include "mail/SendMail.h"

#include <gtest/gtest.h>

#include <QList>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <ostream>

inline ::testing::AssertionResult mentions(const QString& text, const QString& part)
{
    if (text.contains(part))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << '"' << text.toStdString() << "\" does not mention \"" << part.toStdString()
                                         << '"';
}

// Every signal of one mailer, in the order they came.
struct SignalLog {
    explicit SignalLog(quillbill::SendMail& mail)
    {
        QObject::connect(&mail, &quillbill::SendMail::Status, [this](const QString& line) {
            note();
            statuses.append(line);
            events.append(QStringLiteral("status"));
        });
        QObject::connect(&mail, &quillbill::SendMail::Progress, [this](int percent) {
            note();
            progress.append(percent);
            events.append(QStringLiteral("progress"));
        });
        QObject::connect(&mail, &quillbill::SendMail::SendFailed, [this](const QString& explanation) {
            note();
            failures.append(explanation);
            events.append(QStringLiteral("failed"));
        });
        QObject::connect(&mail, &quillbill::SendMail::SendSuccesful, [this] {
            note();
            ++successes;
            events.append(QStringLiteral("sent"));
        });
    }

    void note()
    {
        if (QThread::currentThread() != callerThread)
            ++offThread;
    }
    bool hasStatusStartingWith(const QString& start) const
    {
        return std::any_of(statuses.begin(), statuses.end(),
                           [&](const QString& line) { return line.startsWith(start); });
    }

    QThread* callerThread = QThread::currentThread();
    QStringList statuses;
    QList<int> progress;
    QStringList failures;
    int successes = 0;
    QStringList events;
    int offThread = 0;
};
