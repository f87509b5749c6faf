#include "mail/SmtpTransfer.h"

#include <QCoreApplication>
#include <QStringList>

#include <curl/curl.h>

#include <algorithm>
#include <cerrno>
#include <memory>

namespace quillbill::mail {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("SendMail", text); }

// curl_global_init must have run before the first easy handle and must not
// run while another thread uses libcurl. A function-local static runs it
// exactly once, on whichever thread sends first, with any other thread
// waiting until it is done; its destructor cleans up at exit, when no send
// can still be running since every send's thread has been joined by then.
void ensureCurlInitialized()
{
    struct CurlGlobal {
        CurlGlobal() { curl_global_init(CURL_GLOBAL_DEFAULT); }
        ~CurlGlobal() { curl_global_cleanup(); }
        CurlGlobal(const CurlGlobal&) = delete;
        CurlGlobal& operator=(const CurlGlobal&) = delete;
    };
    static const CurlGlobal global;
}

// What the callbacks share during one transfer.
struct Transfer {
    Transfer(const SmtpRequest& r, const SmtpReporter& out, const std::atomic<bool>& stop)
        : request(r), reporter(out), cancel(stop)
    {}

    const SmtpRequest& request;
    const SmtpReporter& reporter;
    const std::atomic<bool>& cancel;

    qsizetype uploaded = 0;
    int lastPercent = -1;
    bool uploadStarted = false;

    // The command word last sent, and the reply being read (all its lines).
    QByteArray lastCommand;
    int replyCode = 0;
    QStringList replyLines;
    bool replyComplete = true;

    // The last whole reply and the command it answers. Replies to QUIT stay
    // out: libcurl says QUIT after a refusal, and "221 Bye" explains nothing.
    struct Reply {
        QByteArray command;
        int code = 0;
        QString text;
    };
    Reply lastReply;
    bool anyReply = false;
};

size_t readMessage(char* buffer, size_t size, size_t count, void* userData)
{
    auto& transfer = *static_cast<Transfer*>(userData);
    if (transfer.cancel)
        return CURL_READFUNC_ABORT;
    if (!transfer.uploadStarted) {
        transfer.uploadStarted = true;
        transfer.reporter.status(tr("Sending message..."));
    }
    const QByteArray& message = transfer.request.message;
    const auto length = std::min(static_cast<qsizetype>(size * count), message.size() - transfer.uploaded);
    std::copy_n(message.constData() + transfer.uploaded, length, buffer);
    transfer.uploaded += length;
    return static_cast<size_t>(length);
}

int reportProgress(void* userData, curl_off_t /*downloadTotal*/, curl_off_t /*downloaded*/, curl_off_t uploadTotal,
                   curl_off_t uploaded)
{
    auto& transfer = *static_cast<Transfer*>(userData);
    if (transfer.cancel)
        return 1;
    if (uploadTotal <= 0)
        return 0;
    // 100 is kept for the moment the server has taken the message: the bytes
    // being out does not mean it accepted them.
    const int percent = static_cast<int>(std::min<curl_off_t>(99, uploaded * 100 / uploadTotal));
    if (percent != transfer.lastPercent) {
        transfer.lastPercent = percent;
        transfer.reporter.progress(percent);
    }
    return 0;
}

void noteServerLine(Transfer& transfer, const QString& line)
{
    // A reply is "250-first", "250-more", ..., "250 last": a line without the
    // dash after the code ends it.
    if (transfer.replyComplete) {
        transfer.replyLines.clear();
        transfer.replyCode = line.left(3).toInt();
    }
    transfer.replyLines.append(line);
    transfer.replyComplete = line.size() < 4 || line[3] != QLatin1Char('-');
    transfer.anyReply = true;
    if (transfer.replyComplete && transfer.lastCommand != "QUIT")
        transfer.lastReply = {transfer.lastCommand, transfer.replyCode, transfer.replyLines.join(QLatin1Char(' '))};
    transfer.reporter.status(line);
}

int watchConversation(CURL* /*handle*/, curl_infotype type, char* data, size_t size, void* userData)
{
    auto& transfer = *static_cast<Transfer*>(userData);
    const QByteArray text(data, static_cast<qsizetype>(size));
    if (type == CURLINFO_HEADER_IN) {
        for (const QByteArray& rawLine : text.split('\n')) {
            const QString line = QString::fromUtf8(rawLine).trimmed();
            if (!line.isEmpty())
                noteServerLine(transfer, line);
        }
    } else if (type == CURLINFO_HEADER_OUT) {
        // Only the command word: it tells which step a refusal answers.
        transfer.lastCommand = text.trimmed().split(' ').value(0).toUpper();
    }
    return 0;
}

bool isTlsFailure(CURLcode code)
{
    switch (code) {
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CRL_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_ENGINE_NOTFOUND:
    case CURLE_SSL_ENGINE_SETFAILED:
    case CURLE_SSL_ENGINE_INITFAILED:
    case CURLE_SSL_SHUTDOWN_FAILED:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
    case CURLE_SSL_CLIENTCERT:
    case CURLE_USE_SSL_FAILED:
        return true;
    default:
        return false;
    }
}

bool isAuthenticationReply(int code)
{
    // 530 authentication required, 534 mechanism too weak, 535 credentials
    // invalid, 538 encryption required for the mechanism (RFC 4954).
    return code == 530 || code == 534 || code == 535 || code == 538;
}

QString explainFailure(const Transfer& transfer, CURLcode code, CURL* handle, const char* detail)
{
    const SmtpRequest& request = transfer.request;
    const QString& reply = transfer.lastReply.text;
    const QByteArray& command = transfer.lastReply.command;
    const int replyCode = transfer.lastReply.code;
    const bool refusal = replyCode >= 400;

    if (transfer.cancel)
        return tr("The send was cancelled.");
    if (code == CURLE_LOGIN_DENIED || (refusal && isAuthenticationReply(replyCode)))
        return tr("The mail server %1 requires authentication (a log-in) before it accepts mail, "
                  "and refused the message: %2")
            .arg(request.serverName, reply);
    if (refusal && command == "RCPT")
        return tr("The mail server refused the recipient %1: %2").arg(request.recipient, reply);
    if (refusal && command == "MAIL")
        return tr("The mail server refused the sender address %1: %2").arg(request.sender, reply);
    if (refusal && (command == "DATA" || transfer.uploadStarted))
        return tr("The mail server refused the message: %1").arg(reply);

    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return tr("The mail server %1 is unknown: no computer of that name was found. "
                  "Check the server name.")
            .arg(request.serverName);
    case CURLE_COULDNT_CONNECT: {
        long osError = 0;
        curl_easy_getinfo(handle, CURLINFO_OS_ERRNO, &osError);
        if (osError == ECONNREFUSED)
            return tr("The connection to the mail server %1 was refused: no mail server is running there. "
                      "Check the server name and port.")
                .arg(request.serverName);
        return tr("The mail server %1 could not be reached: %2").arg(request.serverName, QString::fromUtf8(detail));
    }
    case CURLE_OPERATION_TIMEDOUT: {
        curl_off_t connectMicroseconds = 0;
        curl_easy_getinfo(handle, CURLINFO_CONNECT_TIME_T, &connectMicroseconds);
        if (connectMicroseconds == 0 && !transfer.anyReply)
            return tr("Connecting to the mail server %1 timed out after %2 seconds.")
                .arg(request.serverName)
                .arg(request.connectSeconds);
        if (!transfer.anyReply)
            return tr("The mail server %1 accepted the connection but never answered: the send timed out.")
                .arg(request.serverName);
        return tr("The mail server %1 stopped answering: the send timed out. Its last reply was: %2")
            .arg(request.serverName, reply);
    }
    default:
        break;
    }
    if (isTlsFailure(code))
        return tr("The secure connection (TLS) to the mail server %1 failed: %2")
            .arg(request.serverName, QString::fromUtf8(*detail ? detail : curl_easy_strerror(code)));

    QString explanation = tr("The message could not be sent: %1.").arg(QString::fromUtf8(curl_easy_strerror(code)));
    if (*detail)
        explanation += QLatin1Char(' ') + QString::fromUtf8(detail);
    if (!reply.isEmpty())
        explanation += QLatin1Char(' ') + tr("The server's last reply was: %1").arg(reply);
    return explanation;
}

struct EasyHandleDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct ListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

} // namespace

SmtpOutcome transferMessage(const SmtpRequest& request, const SmtpReporter& reporter, const std::atomic<bool>& cancel)
{
    ensureCurlInitialized();
    Transfer transfer{request, reporter, cancel};
    char detail[CURL_ERROR_SIZE] = {};

    const QByteArray url = request.url.toUtf8();
    const QByteArray sender = '<' + request.sender.toUtf8() + '>';
    const std::unique_ptr<curl_slist, ListDeleter> recipients(
        curl_slist_append(nullptr, ('<' + request.recipient.toUtf8() + '>').constData()));
    // Declared after `transfer`, `detail` and the strings it points to, so
    // that it is cleaned up first: cleanup sends QUIT, and the reply still
    // reaches the callbacks.
    const std::unique_ptr<CURL, EasyHandleDeleter> handle(curl_easy_init());
    if (!handle || !recipients)
        return {false, tr("The mail transfer could not be set up (out of memory).")};
    CURL* const h = handle.get();
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, detail);
    curl_easy_setopt(h, CURLOPT_URL, url.constData());
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(h, CURLOPT_MAIL_FROM, sender.constData());
    curl_easy_setopt(h, CURLOPT_MAIL_RCPT, recipients.get());
    curl_easy_setopt(h, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(h, CURLOPT_READFUNCTION, readMessage);
    curl_easy_setopt(h, CURLOPT_READDATA, &transfer);
    curl_easy_setopt(h, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(request.message.size()));
    // STARTTLS where the server offers it, plain where it does not: a local
    // relay without TLS has to work too.
    curl_easy_setopt(h, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_TRY));
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT, static_cast<long>(request.connectSeconds));
    curl_easy_setopt(h, CURLOPT_TIMEOUT, static_cast<long>(request.transferSeconds));
    // The whole-transfer bound does not cover the QUIT at cleanup; this does.
    curl_easy_setopt(h, CURLOPT_SERVER_RESPONSE_TIMEOUT, static_cast<long>(request.transferSeconds));
    // A server that stops reading or answering ends the send before a long
    // whole-transfer bound would.
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, static_cast<long>(std::min(request.transferSeconds, 30)));
    // Timeouts by signal would reach the whole program, not this thread.
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, reportProgress);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, &transfer);
    // Verbose output goes to watchConversation only; it is how the server's
    // replies become status lines.
    curl_easy_setopt(h, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(h, CURLOPT_DEBUGFUNCTION, watchConversation);
    curl_easy_setopt(h, CURLOPT_DEBUGDATA, &transfer);

    reporter.status(tr("Connecting to %1...").arg(request.serverName));
    const CURLcode code = curl_easy_perform(h);
    if (code != CURLE_OK)
        return {false, explainFailure(transfer, code, h, detail)};
    return {true, {}};
}

} // namespace quillbill::mail
