// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>

namespace quillbill {

// The keyring's side that needs QtKeychain lives in a module of its own,
// libquillbill-keyring.so, which Keyring loads on its first use: QtKeychain
// then is not loaded at every start. The module is built with the program
// and installed with it, so its table passes Qt's types; the version keeps
// a module of another build from being called.

// QtKeychain's answer to one request, as Keyring reads it.
struct KeyringAnswer {
    enum class Error { None, EntryNotFound, AccessDenied, Other };
    // False when the keyring did not answer within the bound.
    bool finished = false;
    Error error = Error::None;
    QString errorString;
    // The password read.
    QString text;
};

// Each call waits for the keyring's answer, at most `boundMs`, while the
// caller's events keep flowing.
struct KeyringModule {
    int version;
    KeyringAnswer (*read)(const QString& service, const QString& key, int boundMs);
    KeyringAnswer (*write)(const QString& service, const QString& key, const QString& password, int boundMs);
    KeyringAnswer (*remove)(const QString& service, const QString& key, int boundMs);
};

// Change it with KeyringModule or KeyringAnswer.
inline constexpr int keyringModuleVersion = 1;
inline constexpr char keyringModuleFile[] = "libquillbill-keyring.so";
// The module's one exported function, returning its table:
// extern "C" const KeyringModule* quillbill_keyring_module();
inline constexpr char keyringModuleEntry[] = "quillbill_keyring_module";

} // namespace quillbill
