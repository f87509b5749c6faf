// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "mail/CurlLibrary.h"

#include "common/RuntimeLibrary.h"

#include <QCoreApplication>

namespace quillbill::mail {

namespace {

// libcurl's SONAME since 7.16, and in curl 8 as well: the OpenSSL build,
// whose verification results the certificate messages read.
constexpr char curlFile[] = "libcurl.so.4";

// Opened once. curl_global_init must run before the first easy handle and
// not while another thread uses libcurl: a function-local static runs it
// exactly once, with any other thread waiting until it is done. Its
// destructor cleans up at exit, when no send can still be running, since
// every send's thread has been joined by then.
struct LoadedCurl {
    RuntimeLibrary library{curlFile};
    CurlLibrary functions{};
    decltype(&curl_global_cleanup) globalCleanup = nullptr;
    bool ready = false;

    LoadedCurl()
    {
        decltype(&curl_global_init) globalInit = nullptr;
        decltype(&curl_global_cleanup) cleanup = nullptr;
        ready = library.resolve("curl_global_init", globalInit) && library.resolve("curl_global_cleanup", cleanup)
            && library.resolve("curl_easy_init", functions.easyInit)
            && library.resolve("curl_easy_cleanup", functions.easyCleanup)
            && library.resolve("curl_easy_setopt", functions.easySetopt)
            && library.resolve("curl_easy_getinfo", functions.easyGetinfo)
            && library.resolve("curl_easy_perform", functions.easyPerform)
            && library.resolve("curl_easy_strerror", functions.easyStrerror)
            && library.resolve("curl_slist_append", functions.slistAppend)
            && library.resolve("curl_slist_free_all", functions.slistFreeAll)
            && globalInit(CURL_GLOBAL_DEFAULT) == CURLE_OK;
        if (ready)
            globalCleanup = cleanup;
    }
    ~LoadedCurl()
    {
        if (globalCleanup)
            globalCleanup();
    }
    LoadedCurl(const LoadedCurl&) = delete;
    LoadedCurl& operator=(const LoadedCurl&) = delete;
};

} // namespace

const CurlLibrary* curlLibrary(QString* problem)
{
    static const LoadedCurl curl;
    if (curl.ready)
        return &curl.functions;
    if (problem) {
        // An initialisation that failed leaves the loader nothing to say.
        const QString cause = curl.library.problem().isEmpty()
            ? QCoreApplication::translate("SendMail", "%1 could not be initialised").arg(QLatin1String(curlFile))
            : curl.library.problem();
        *problem = QCoreApplication::translate(
                       "SendMail",
                       "The mail library could not be loaded, so nothing was sent: %1. Reinstalling Quillbill brings "
                       "it back.")
                       .arg(cause);
    }
    return nullptr;
}

} // namespace quillbill::mail
