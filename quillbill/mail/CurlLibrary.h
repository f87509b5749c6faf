// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>

#include <curl/curl.h>

namespace quillbill::mail {

// The functions of libcurl that mail uses. libcurl, and the many libraries
// it brings (HTTP/2, SSH, LDAP, Kerberos, ...), are loaded on the first send
// or connection check instead of at every start of the program.
struct CurlLibrary {
    decltype(&curl_easy_init) easyInit;
    decltype(&curl_easy_cleanup) easyCleanup;
    decltype(&curl_easy_setopt) easySetopt;
    decltype(&curl_easy_getinfo) easyGetinfo;
    decltype(&curl_easy_perform) easyPerform;
    decltype(&curl_easy_strerror) easyStrerror;
    decltype(&curl_slist_append) slistAppend;
    decltype(&curl_slist_free_all) slistFreeAll;
};

// libcurl, loaded and initialised on the first call, from whichever thread,
// for the rest of the process. Without it, nullptr, and `problem` says in
// the user's words that nothing was sent, and why.
const CurlLibrary* curlLibrary(QString* problem);

} // namespace quillbill::mail
