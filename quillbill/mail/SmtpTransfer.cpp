// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "mail/SmtpTransfer.h"

#include "mail/CurlLibrary.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QStringList>
#include <QUrl>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>

namespace quillbill::mail {

// The texts here are the mail component's and go under SendMail's context.
// Each call names it: lupdate would file a bare tr() of a free function
// under the namespace instead, where no lookup finds it.

namespace {

// The server as messages name it: the host alone, and its port.
struct Endpoint {
    QString host;
    int port = 0;
};

Endpoint endpointOf(const SmtpRequest& request)
{
    const QUrl url(request.url);
    const bool implicitTls = request.encryption == MailEncryption::Tls
        || url.scheme().compare(QLatin1String("smtps"), Qt::CaseInsensitive) == 0;
    return {url.host(), url.port(implicitTls ? 465 : 25)};
}

// SSL/TLS is TLS from the first byte, which libcurl does for smtps:// only.
QByteArray effectiveUrl(const SmtpRequest& request)
{
    QUrl url(request.url);
    if (request.encryption == MailEncryption::Tls)
        url.setScheme(QStringLiteral("smtps"));
    return url.toEncoded();
}

// A sign-in over a plain connection needs the user's explicit consent; it is
// refused before anything is sent, so the password never leaves unprotected.
QString refusedPlainSignIn(const SmtpRequest& request)
{
    if (request.userName.isEmpty() || request.encryption != MailEncryption::None || request.plainSignInAllowed)
        return {};
    return QCoreApplication::translate(
               "SendMail",
               "The user name and password would go to %1 unencrypted, so nothing was sent. "
               "Choose STARTTLS or SSL/TLS, or confirm that signing in without encryption is wanted.")
        .arg(request.serverName);
}

// What the callbacks share during one connection.
struct Transfer {
    Transfer(const CurlLibrary& library, const SmtpRequest& r, const SmtpReporter& out, const std::atomic<bool>& stop,
             bool checking)
        : curl(library), request(r), reporter(out), cancel(stop), endpoint(endpointOf(r)), reportSteps(checking)
    {}

    const CurlLibrary& curl;
    const SmtpRequest& request;
    const SmtpReporter& reporter;
    const std::atomic<bool>& cancel;
    const Endpoint endpoint;
    // A connection check reports what worked as it goes, in plain sentences.
    const bool reportSteps;
    QStringList steps;

    qsizetype uploaded = 0;
    int lastPercent = -1;
    bool uploadStarted = false;

    bool connected = false;
    // The TLS version of a handshake just made; it counts as started once
    // the conversation goes on, i.e. once the certificate was accepted.
    QString handshakeVersion;
    bool encrypted = false;
    // From AUTH until its final reply the lines the client sends are the
    // credentials, not commands.
    bool signingIn = false;
    bool signedIn = false;

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

    void step(const QString& sentence)
    {
        if (!reportSteps)
            return;
        steps.append(sentence);
        reporter.status(sentence);
    }
};

void noteConnected(Transfer& transfer)
{
    if (transfer.connected)
        return;
    transfer.connected = true;
    transfer.step(QCoreApplication::translate("SendMail", "Connected to %1 on port %2.")
                      .arg(transfer.endpoint.host)
                      .arg(transfer.endpoint.port));
    if (transfer.request.encryption == MailEncryption::Tls)
        transfer.reporter.status(QCoreApplication::translate("SendMail", "Starting encryption..."));
}

void noteConversationGoesOn(Transfer& transfer)
{
    if (transfer.handshakeVersion.isEmpty())
        return;
    transfer.encrypted = true;
    transfer.step(QCoreApplication::translate("SendMail", "Encryption started (%1).").arg(transfer.handshakeVersion));
    transfer.handshakeVersion.clear();
}

size_t readMessage(char* buffer, size_t size, size_t count, void* userData)
{
    auto& transfer = *static_cast<Transfer*>(userData);
    if (transfer.cancel)
        return CURL_READFUNC_ABORT;
    const QByteArray& message = transfer.request.message;
    if (!transfer.uploadStarted) {
        transfer.uploadStarted = true;
        const qsizetype kilobytes = (message.size() + 1023) / 1024;
        transfer.reporter.status(QCoreApplication::translate("SendMail", "Sending message (%1 KB)...").arg(kilobytes));
    }
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
    if (uploadTotal <= 0 || !transfer.reporter.progress)
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
    // 334 asks for more of the sign-in; anything else ends it.
    if (transfer.replyComplete && transfer.signingIn && transfer.replyCode != 334) {
        transfer.signingIn = false;
        if (transfer.replyCode == 235) {
            transfer.signedIn = true;
            transfer.step(QCoreApplication::translate("SendMail", "Signed in as %1.").arg(transfer.request.userName));
        }
    }
}

void noteClientLine(Transfer& transfer, const QByteArray& text)
{
    // Only the command word is kept, never shown: it tells which step a
    // refusal answers. The lines of a sign-in carry the credentials.
    if (transfer.signingIn)
        return;
    transfer.lastCommand = text.trimmed().split(' ').value(0).toUpper();
    if (transfer.lastCommand == "STARTTLS") {
        transfer.reporter.status(QCoreApplication::translate("SendMail", "Starting encryption..."));
    } else if (transfer.lastCommand == "AUTH") {
        transfer.signingIn = true;
        transfer.reporter.status(
            QCoreApplication::translate("SendMail", "Signing in as %1...").arg(transfer.request.userName));
    }
}

void noteLibraryText(Transfer& transfer, const QByteArray& text)
{
    if (text.startsWith("Connected to ")) {
        noteConnected(transfer);
    } else if (text.startsWith("SSL connection using ")) {
        // "SSL connection using TLSv1.3 / TLS_AES_256_GCM_SHA384"
        const QByteArray version = text.mid(qsizetype(sizeof "SSL connection using ") - 1).split(' ').value(0);
        transfer.handshakeVersion = QString::fromLatin1(version.trimmed());
    }
}

int watchConversation(CURL* /*handle*/, curl_infotype type, char* data, size_t size, void* userData)
{
    auto& transfer = *static_cast<Transfer*>(userData);
    const QByteArray text(data, static_cast<qsizetype>(size));
    switch (type) {
    case CURLINFO_TEXT:
        noteLibraryText(transfer, text);
        break;
    case CURLINFO_HEADER_IN:
        noteConnected(transfer);
        noteConversationGoesOn(transfer);
        for (const QByteArray& rawLine : text.split('\n')) {
            const QString line = QString::fromUtf8(rawLine).trimmed();
            if (!line.isEmpty())
                noteServerLine(transfer, line);
        }
        break;
    case CURLINFO_HEADER_OUT:
        noteConversationGoesOn(transfer);
        noteClientLine(transfer, text);
        break;
    default:
        break;
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

// OpenSSL's verification results (X509_V_ERR_*) that mean no authority in
// the trust store vouches for the certificate: the one thing a user may
// settle by accepting the certificate itself.
bool isUnknownAuthority(long verifyResult)
{
    switch (verifyResult) {
    case 2: // UNABLE_TO_GET_ISSUER_CERT
    case 18: // DEPTH_ZERO_SELF_SIGNED_CERT
    case 19: // SELF_SIGNED_CERT_IN_CHAIN
    case 20: // UNABLE_TO_GET_ISSUER_CERT_LOCALLY
    case 21: // UNABLE_TO_VERIFY_LEAF_SIGNATURE
        return true;
    default:
        return false;
    }
}

long verifyResultOf(const CurlLibrary& curl, CURL* handle)
{
    long result = 0;
    curl.easyGetinfo(handle, CURLINFO_SSL_VERIFYRESULT, &result);
    return result;
}

QString explainCertificate(const Transfer& transfer, long verifyResult)
{
    const QString& host = transfer.endpoint.host;
    // With the chain refused OpenSSL's reason is recorded. libcurl checks the
    // name itself once the chain has passed, and a mismatch leaves the
    // result at 0, or at libcurl's "not checked yet" (1), before it reads it.
    if (verifyResult == 0 || verifyResult == 1)
        return QCoreApplication::translate("SendMail", "The server's certificate is not valid for %1.").arg(host);
    if (!transfer.request.trustedCertificate.isEmpty())
        return QCoreApplication::translate("SendMail",
                                           "The certificate of %1 is not the one accepted for it, so nothing was sent. "
                                           "It may have been renewed, or another computer answers in its place.")
            .arg(host);
    if (isUnknownAuthority(verifyResult))
        return QCoreApplication::translate("SendMail",
                                           "No authority this computer trusts vouches for the certificate of %1 "
                                           "(it may be self-signed), so nothing was sent.")
            .arg(host);
    if (verifyResult == 10) // CERT_HAS_EXPIRED
        return QCoreApplication::translate("SendMail", "The certificate of %1 has expired, so nothing was sent.")
            .arg(host);
    if (verifyResult == 9) // CERT_NOT_YET_VALID
        return QCoreApplication::translate("SendMail", "The certificate of %1 is not valid yet, so nothing was sent.")
            .arg(host);
    return QCoreApplication::translate(
               "SendMail", "The certificate of %1 was refused (verification error %2), so nothing was sent.")
        .arg(host)
        .arg(verifyResult);
}

QString explainFailure(const Transfer& transfer, CURLcode code, CURL* handle, const char* detail)
{
    const SmtpRequest& request = transfer.request;
    const QString& reply = transfer.lastReply.text;
    const QByteArray& command = transfer.lastReply.command;
    const int replyCode = transfer.lastReply.code;
    const bool refusal = replyCode >= 400;

    if (transfer.cancel)
        return QCoreApplication::translate("SendMail", "The send was cancelled.");
    if (code == CURLE_LOGIN_DENIED || (refusal && command == "AUTH"))
        return QCoreApplication::translate("SendMail", "The server refused the user name or password.");
    if (refusal && isAuthenticationReply(replyCode))
        return QCoreApplication::translate(
                   "SendMail",
                   "The mail server %1 requires authentication (a log-in) before it accepts mail, "
                   "and refused the message: %2")
            .arg(request.serverName, reply);
    if (refusal && command == "RCPT")
        return QCoreApplication::translate("SendMail", "The mail server refused the recipient %1: %2")
            .arg(request.recipient, reply);
    if (refusal && command == "MAIL")
        return QCoreApplication::translate("SendMail", "The mail server refused the sender address %1: %2")
            .arg(request.sender, reply);
    if (refusal && (command == "DATA" || transfer.uploadStarted))
        return QCoreApplication::translate("SendMail", "The mail server refused the message: %1").arg(reply);

    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return QCoreApplication::translate("SendMail",
                                           "The mail server %1 is unknown: no computer of that name was found. "
                                           "Check the server name.")
            .arg(request.serverName);
    case CURLE_COULDNT_CONNECT: {
        long osError = 0;
        transfer.curl.easyGetinfo(handle, CURLINFO_OS_ERRNO, &osError);
        if (osError == ECONNREFUSED)
            return QCoreApplication::translate(
                       "SendMail",
                       "The connection to the mail server %1 was refused: no mail server is running there. "
                       "Check the server name and port.")
                .arg(request.serverName);
        return QCoreApplication::translate("SendMail", "The mail server %1 could not be reached: %2")
            .arg(request.serverName, QString::fromUtf8(detail));
    }
    case CURLE_OPERATION_TIMEDOUT:
        // Until the server's first word only the connect bound applies.
        if (!transfer.anyReply)
            return QCoreApplication::translate("SendMail", "No answer from %1 on port %2 within %3 seconds.")
                .arg(transfer.endpoint.host)
                .arg(transfer.endpoint.port)
                .arg(request.connectSeconds);
        return QCoreApplication::translate(
                   "SendMail", "The mail server %1 stopped answering: the send timed out. Its last reply was: %2")
            .arg(request.serverName, reply);
    case CURLE_USE_SSL_FAILED:
        return QCoreApplication::translate("SendMail",
                                           "The mail server %1 offers no encryption (STARTTLS), so nothing was sent: "
                                           "neither the user name and password nor the message.")
            .arg(request.serverName);
    case CURLE_PEER_FAILED_VERIFICATION:
        return explainCertificate(transfer, verifyResultOf(transfer.curl, handle));
    default:
        break;
    }
    if (isTlsFailure(code))
        return QCoreApplication::translate("SendMail", "The secure connection (TLS) to the mail server %1 failed: %2")
            .arg(request.serverName, QString::fromUtf8(*detail ? detail : transfer.curl.easyStrerror(code)));

    QString explanation = QCoreApplication::translate("SendMail", "The message could not be sent: %1.")
                              .arg(QString::fromUtf8(transfer.curl.easyStrerror(code)));
    if (*detail)
        explanation += QLatin1Char(' ') + QString::fromUtf8(detail);
    if (!reply.isEmpty())
        explanation +=
            QLatin1Char(' ') + QCoreApplication::translate("SendMail", "The server's last reply was: %1").arg(reply);
    return explanation;
}

struct EasyHandleDeleter {
    const CurlLibrary* curl;
    void operator()(CURL* handle) const { curl->easyCleanup(handle); }
};
struct ListDeleter {
    const CurlLibrary* curl;
    void operator()(curl_slist* list) const { curl->slistFreeAll(list); }
};
using EasyHandle = std::unique_ptr<CURL, EasyHandleDeleter>;

QByteArray pemFromDer(const QByteArray& der)
{
    QByteArray pem = "-----BEGIN CERTIFICATE-----\n";
    const QByteArray base64 = der.toBase64();
    for (qsizetype at = 0; at < base64.size(); at += 64)
        pem += base64.mid(at, 64) + '\n';
    return pem + "-----END CERTIFICATE-----\n";
}

QByteArray derFromPem(const QByteArray& pem)
{
    QByteArray base64;
    for (const QByteArray& line : pem.split('\n')) {
        if (!line.startsWith("-----"))
            base64 += line.trimmed();
    }
    return QByteArray::fromBase64(base64);
}

// The connection as every use of it needs it: where to, the protection it
// must have, the bounds, and no signals.
void setConnection(const CurlLibrary& curl, CURL* h, const SmtpRequest& request, bool verify)
{
    curl.easySetopt(h, CURLOPT_URL, effectiveUrl(request).constData());
    curl.easySetopt(h, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    // STARTTLS only where the user asked for it, and then required: trying
    // it and going on in plain text would hand the credentials to whoever
    // removes the server's offer. Without encryption no STARTTLS at all, so
    // that a local relay with a broken certificate keeps working.
    curl.easySetopt(h, CURLOPT_USE_SSL,
                    static_cast<long>(request.encryption == MailEncryption::None ? CURLUSESSL_NONE : CURLUSESSL_ALL));
    curl.easySetopt(h, CURLOPT_SSL_VERIFYPEER, verify ? 1L : 0L);
    curl.easySetopt(h, CURLOPT_SSL_VERIFYHOST, verify ? 2L : 0L);
    if (verify && !request.trustedCertificate.isEmpty()) {
        // The accepted certificate is the only authority, so it and nothing
        // else passes, whatever name it carries (a self-signed certificate
        // often names the machine, not the name the office uses for it).
        const QByteArray pem = pemFromDer(request.trustedCertificate);
        curl_blob blob{const_cast<char*>(pem.constData()), static_cast<size_t>(pem.size()), CURL_BLOB_COPY};
        curl.easySetopt(h, CURLOPT_CAINFO_BLOB, &blob);
        curl.easySetopt(h, CURLOPT_CAPATH, nullptr);
        curl.easySetopt(h, CURLOPT_SSL_VERIFYHOST, 0L);
    } else if (const char* authorities = std::getenv("SSL_CERT_FILE"); authorities && *authorities) {
        // As OpenSSL's own programs do: the authorities in that file instead
        // of the system's.
        curl.easySetopt(h, CURLOPT_CAINFO, authorities);
        curl.easySetopt(h, CURLOPT_CAPATH, nullptr);
    }
    curl.easySetopt(h, CURLOPT_CONNECTTIMEOUT, static_cast<long>(request.connectSeconds));
    curl.easySetopt(h, CURLOPT_TIMEOUT, static_cast<long>(request.transferSeconds));
    // The whole-transfer bound does not cover the QUIT at cleanup; this does.
    curl.easySetopt(h, CURLOPT_SERVER_RESPONSE_TIMEOUT, static_cast<long>(request.transferSeconds));
    // Timeouts by signal would reach the whole program, not this thread.
    curl.easySetopt(h, CURLOPT_NOSIGNAL, 1L);
}

// Connects and signs in as a send would, through `transfer`'s callbacks.
void setWatchedConnection(CURL* h, Transfer& transfer, char* detail)
{
    const SmtpRequest& request = transfer.request;
    transfer.curl.easySetopt(h, CURLOPT_ERRORBUFFER, detail);
    setConnection(transfer.curl, h, request, true);
    if (!request.userName.isEmpty()) {
        transfer.curl.easySetopt(h, CURLOPT_USERNAME, request.userName.toUtf8().constData());
        transfer.curl.easySetopt(h, CURLOPT_PASSWORD, request.password.toUtf8().constData());
    }
    transfer.curl.easySetopt(h, CURLOPT_NOPROGRESS, 0L);
    transfer.curl.easySetopt(h, CURLOPT_XFERINFOFUNCTION, reportProgress);
    transfer.curl.easySetopt(h, CURLOPT_XFERINFODATA, &transfer);
    // Verbose output goes to watchConversation only; it is how the server's
    // replies become status lines.
    transfer.curl.easySetopt(h, CURLOPT_VERBOSE, 1L);
    transfer.curl.easySetopt(h, CURLOPT_DEBUGFUNCTION, watchConversation);
    transfer.curl.easySetopt(h, CURLOPT_DEBUGDATA, &transfer);
}

// One certificate's "Name:value" lines as libcurl's certificate info gives them.
PresentedCertificate certificateFromInfo(const curl_slist* lines)
{
    PresentedCertificate certificate;
    for (const curl_slist* line = lines; line; line = line->next) {
        const QByteArray text(line->data);
        const qsizetype colon = text.indexOf(':');
        if (colon < 0)
            continue;
        const QByteArray name = text.left(colon);
        const QString value = QString::fromUtf8(text.mid(colon + 1)).simplified();
        if (name == "Subject")
            certificate.subject = value;
        else if (name == "Issuer")
            certificate.issuer = value;
        else if (name == "Start date")
            certificate.validFrom = value;
        else if (name == "Expire date")
            certificate.validUntil = value;
        else if (name == "Cert")
            certificate.der = derFromPem(text.mid(colon + 1));
    }
    certificate.fingerprint =
        QString::fromLatin1(QCryptographicHash::hash(certificate.der, QCryptographicHash::Sha256).toHex(':').toUpper());
    return certificate;
}

// The certificate the server shows, for the user to judge. Verification is
// off for this, so the connection carries nothing of the user's: no sign-in,
// no message.
std::optional<PresentedCertificate> fetchCertificate(const CurlLibrary& curl, const SmtpRequest& request)
{
    const EasyHandle handle(curl.easyInit(), EasyHandleDeleter{&curl});
    if (!handle)
        return std::nullopt;
    CURL* const h = handle.get();
    setConnection(curl, h, request, false);
    curl.easySetopt(h, CURLOPT_CERTINFO, 1L);
    curl.easySetopt(h, CURLOPT_CONNECT_ONLY, 1L);
    if (curl.easyPerform(h) != CURLE_OK)
        return std::nullopt;
    curl_certinfo* info = nullptr;
    if (curl.easyGetinfo(h, CURLINFO_CERTINFO, &info) != CURLE_OK || !info || info->num_of_certs < 1)
        return std::nullopt;
    PresentedCertificate certificate = certificateFromInfo(info->certinfo[0]);
    if (certificate.der.isEmpty())
        return std::nullopt;
    return certificate;
}

} // namespace

ConnectionCheck checkConnection(const SmtpRequest& request, const SmtpReporter& reporter,
                                const std::atomic<bool>& cancel)
{
    ConnectionCheck check;
    if (QString refusal = refusedPlainSignIn(request); !refusal.isEmpty()) {
        check.failure = refusal;
        return check;
    }
    const CurlLibrary* curl = curlLibrary(&check.failure);
    if (!curl)
        return check;
    Transfer transfer{*curl, request, reporter, cancel, true};
    char detail[CURL_ERROR_SIZE] = {};
    // Declared after `transfer` and `detail`, so that it is cleaned up first:
    // cleanup sends QUIT, and the reply still reaches the callbacks.
    const EasyHandle handle(curl->easyInit(), EasyHandleDeleter{curl});
    if (!handle) {
        check.failure =
            QCoreApplication::translate("SendMail", "The mail transfer could not be set up (out of memory).");
        return check;
    }
    CURL* const h = handle.get();
    setWatchedConnection(h, transfer, detail);
    // libcurl ends SMTP's connect phase after the greeting, EHLO, STARTTLS
    // and AUTH; this stops it there, before any mail command.
    curl->easySetopt(h, CURLOPT_CONNECT_ONLY, 1L);

    reporter.status(QCoreApplication::translate("SendMail", "Connecting to %1...").arg(request.serverName));
    const CURLcode code = curl->easyPerform(h);
    if (code != CURLE_OK) {
        check.failure = explainFailure(transfer, code, h, detail);
        if (code == CURLE_PEER_FAILED_VERIFICATION && isUnknownAuthority(verifyResultOf(*curl, h)) && !cancel)
            check.untrustedCertificate = fetchCertificate(*curl, request);
    } else {
        noteConversationGoesOn(transfer);
        // Required encryption that libcurl did not tell of in words.
        if (!transfer.encrypted && request.encryption != MailEncryption::None)
            transfer.step(QCoreApplication::translate("SendMail", "Encryption started."));
        if (request.userName.isEmpty())
            transfer.step(QCoreApplication::translate("SendMail", "No sign-in: no user name is set."));
        else if (!transfer.signedIn)
            check.failure = QCoreApplication::translate(
                                "SendMail", "The mail server %1 offers no sign-in, so the user name %2 was not used.")
                                .arg(request.serverName, request.userName);
    }
    check.steps = transfer.steps;
    check.succeeded = check.failure.isEmpty();
    return check;
}

SmtpOutcome transferMessage(const SmtpRequest& request, const SmtpReporter& reporter, const std::atomic<bool>& cancel)
{
    if (QString refusal = refusedPlainSignIn(request); !refusal.isEmpty())
        return {false, refusal};
    QString unavailable;
    const CurlLibrary* curl = curlLibrary(&unavailable);
    if (!curl)
        return {false, unavailable};
    Transfer transfer{*curl, request, reporter, cancel, false};
    char detail[CURL_ERROR_SIZE] = {};

    const QByteArray sender = '<' + request.sender.toUtf8() + '>';
    const std::unique_ptr<curl_slist, ListDeleter> recipients(
        curl->slistAppend(nullptr, ('<' + request.recipient.toUtf8() + '>').constData()), ListDeleter{curl});
    // Declared after `transfer`, `detail` and the strings it points to, so
    // that it is cleaned up first: cleanup sends QUIT, and the reply still
    // reaches the callbacks.
    const EasyHandle handle(curl->easyInit(), EasyHandleDeleter{curl});
    if (!handle || !recipients)
        return {false,
                QCoreApplication::translate("SendMail", "The mail transfer could not be set up (out of memory).")};
    CURL* const h = handle.get();
    setWatchedConnection(h, transfer, detail);
    curl->easySetopt(h, CURLOPT_MAIL_FROM, sender.constData());
    curl->easySetopt(h, CURLOPT_MAIL_RCPT, recipients.get());
    curl->easySetopt(h, CURLOPT_UPLOAD, 1L);
    curl->easySetopt(h, CURLOPT_READFUNCTION, readMessage);
    curl->easySetopt(h, CURLOPT_READDATA, &transfer);
    curl->easySetopt(h, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(request.message.size()));
    // A server that stops reading or answering ends the send before a long
    // whole-transfer bound would.
    curl->easySetopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl->easySetopt(h, CURLOPT_LOW_SPEED_TIME, static_cast<long>(std::min(request.transferSeconds, 30)));

    reporter.status(QCoreApplication::translate("SendMail", "Connecting to %1...").arg(request.serverName));
    const CURLcode code = curl->easyPerform(h);
    if (code != CURLE_OK)
        return {false, explainFailure(transfer, code, h, detail)};
    return {true, {}};
}

} // namespace quillbill::mail
