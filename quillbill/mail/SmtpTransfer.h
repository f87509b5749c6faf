#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <functional>

namespace quillbill::mail {

struct SmtpRequest {
    // "smtp://host:port" or "smtps://host:port".
    QString url;
    // Host and port as the user reads them in messages.
    QString serverName;
    QString sender;
    QString recipient;
    QByteArray message;
    int connectSeconds = 15;
    int transferSeconds = 60;
};

// Called on the transferring thread.
struct SmtpReporter {
    // A line of the conversation or of the send's progress.
    std::function<void(const QString& line)> status;
    // Whole percent of the message uploaded, 0..99 (100 is the caller's, once
    // the server has taken the message), each value once.
    std::function<void(int percent)> progress;
};

struct SmtpOutcome {
    bool sent = false;
    // Empty when sent, else the cause in the user's words.
    QString explanation;
};

// Sends `request` with one libcurl easy handle and returns when the server has
// accepted the message or the send has failed. Blocks: the caller runs it on
// a thread of its own. The send ends early, as a failure, once `cancel`
// turns true.
SmtpOutcome transferMessage(const SmtpRequest& request, const SmtpReporter& reporter, const std::atomic<bool>& cancel);

} // namespace quillbill::mail
