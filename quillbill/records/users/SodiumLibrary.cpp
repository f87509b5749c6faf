// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "records/users/SodiumLibrary.h"

#include "common/RuntimeLibrary.h"

namespace quillbill {

namespace {

// The SONAME of libsodium 1.0.18, Debian 12's.
constexpr char sodiumFile[] = "libsodium.so.23";

// Opened once. sodium_init picks the fastest code for this processor; a
// function-local static runs it exactly once, with any other thread waiting
// until it is done.
struct LoadedSodium {
    RuntimeLibrary library{sodiumFile};
    SodiumLibrary functions{};
    bool ready = false;

    LoadedSodium()
    {
        decltype(&sodium_init) init = nullptr;
        ready = library.resolve("sodium_init", init) && library.resolve("crypto_pwhash_str", functions.pwhashStr)
            && library.resolve("crypto_pwhash_str_verify", functions.pwhashStrVerify)
            && library.resolve("crypto_pwhash_str_needs_rehash", functions.pwhashStrNeedsRehash) && init() >= 0;
    }
};

} // namespace

const SodiumLibrary* sodiumLibrary()
{
    static const LoadedSodium sodium;
    return sodium.ready ? &sodium.functions : nullptr;
}

} // namespace quillbill
