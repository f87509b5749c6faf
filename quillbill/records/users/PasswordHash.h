// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>

namespace quillbill {

// Passwords of TblUsers are kept as salted hashes made for passwords:
// Argon2id through libsodium's crypto_pwhash_str, at its interactive limits.
// A hash string carries its own salt and limits, so the one column holds it.

// Whether `stored` is a hash string of libsodium's password hashing (Argon2id,
// or the older Argon2i) rather than a password kept as typed.
bool isPasswordHash(const QString& stored);

// A new hash of `password`, with a salt of its own. Throws DatabaseError when
// the memory it needs (some 64 MB) cannot be had.
QString hashPassword(const QString& password);

enum class PasswordMatch {
    No,
    Yes,
    // It matches, but the value is a password kept as typed or a hash made
    // with other limits: a new hash should take its place.
    YesRehash,
};

// Whether `typed` is the password `stored` holds: a hash string is verified;
// any other value is compared as text, exactly. A hash that would cost more
// than libsodium's sensitive limits to check (a damaged or foreign file)
// matches nothing rather than holding the program up.
PasswordMatch checkPassword(const QString& stored, const QString& typed);

} // namespace quillbill
