// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <sodium.h>

namespace quillbill {

// The functions of libsodium that password hashing uses. The library is
// loaded when a password is first checked or stored, not at every start of
// the program: the login window shows before anyone has typed one.
struct SodiumLibrary {
    decltype(&crypto_pwhash_str) pwhashStr;
    decltype(&crypto_pwhash_str_verify) pwhashStrVerify;
    decltype(&crypto_pwhash_str_needs_rehash) pwhashStrNeedsRehash;
};

// libsodium, loaded and initialised on the first call, from whichever
// thread, for the rest of the process; nullptr when it cannot be.
const SodiumLibrary* sodiumLibrary();

} // namespace quillbill
