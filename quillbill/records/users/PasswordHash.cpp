// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "records/users/PasswordHash.h"

#include "records/DatabaseError.h"
#include "records/users/SodiumLibrary.h"

#include <QByteArray>
#include <QObject>
#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace quillbill {

namespace {

constexpr unsigned long long opsLimit = crypto_pwhash_OPSLIMIT_INTERACTIVE;
constexpr size_t memLimit = crypto_pwhash_MEMLIMIT_INTERACTIVE;

// libsodium, loaded before any hash is made or checked.
const SodiumLibrary& requireSodium()
{
    const SodiumLibrary* sodium = sodiumLibrary();
    if (!sodium)
        throw DatabaseError(QObject::tr("Passwords cannot be checked or stored on this computer: the "
                                        "cryptography library would not start."));
    return *sodium;
}

// A stored value as the NUL-terminated buffer libsodium reads a hash string
// from; empty when it is too long to be one.
std::array<char, crypto_pwhash_STRBYTES> hashBuffer(const QByteArray& stored)
{
    std::array<char, crypto_pwhash_STRBYTES> buffer{};
    if (stored.size() < static_cast<qsizetype>(buffer.size()) && !stored.contains('\0'))
        std::copy(stored.begin(), stored.end(), buffer.begin());
    return buffer;
}

// Whether checking the hash string costs no more than libsodium's sensitive
// limits: a string names its own memory (KiB) and passes, and a damaged or
// hostile one could ask for hours.
bool affordable(const QString& stored)
{
    static const QRegularExpression limits(QStringLiteral(R"(^\$argon2id?\$v=\d+\$m=(\d{1,10}),t=(\d{1,10}),p=\d+\$)"));
    const QRegularExpressionMatch match = limits.match(stored);
    if (!match.hasMatch())
        return false;
    const unsigned long long kib = match.captured(1).toULongLong();
    const unsigned long long passes = match.captured(2).toULongLong();
    return kib <= crypto_pwhash_MEMLIMIT_SENSITIVE / 1024 && passes <= crypto_pwhash_argon2i_OPSLIMIT_SENSITIVE;
}

} // namespace

bool isPasswordHash(const QString& stored)
{
    const SodiumLibrary& sodium = requireSodium();
    const auto buffer = hashBuffer(stored.toUtf8());
    return buffer.front() != '\0' && sodium.pwhashStrNeedsRehash(buffer.data(), opsLimit, memLimit) != -1;
}

QString hashPassword(const QString& password)
{
    const SodiumLibrary& sodium = requireSodium();
    const QByteArray bytes = password.toUtf8();
    std::array<char, crypto_pwhash_STRBYTES> hash{};
    if (sodium.pwhashStr(hash.data(), bytes.constData(), static_cast<unsigned long long>(bytes.size()), opsLimit,
                         memLimit)
        != 0)
        throw DatabaseError(QObject::tr("There is not enough free memory to protect the password. Nothing was "
                                        "saved; close other programs and try again."));
    return QString::fromLatin1(hash.data());
}

PasswordMatch checkPassword(const QString& stored, const QString& typed)
{
    if (!isPasswordHash(stored))
        return stored == typed ? PasswordMatch::YesRehash : PasswordMatch::No;
    if (!affordable(stored))
        return PasswordMatch::No;
    const SodiumLibrary& sodium = requireSodium();
    const auto buffer = hashBuffer(stored.toUtf8());
    const QByteArray bytes = typed.toUtf8();
    if (sodium.pwhashStrVerify(buffer.data(), bytes.constData(), static_cast<unsigned long long>(bytes.size())) != 0)
        return PasswordMatch::No;
    return sodium.pwhashStrNeedsRehash(buffer.data(), opsLimit, memLimit) == 0 ? PasswordMatch::Yes
                                                                               : PasswordMatch::YesRehash;
}

} // namespace quillbill
