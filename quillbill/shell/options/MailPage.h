// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "mail/MailPassword.h"
#include "mail/MailSettings.h"

#include <QString>

#include <optional>

namespace quillbill {

class OptionsStore;

// What the options window's "E-mail" page does apart from its controls: how
// the port follows the host and the encryption, which values it refuses, and
// what saving writes to the settings and the keyring.
class MailPage {
public:
    MailPage(OptionsStore& options, MailPassword keyring);

    // The encryption and port the page shows.
    struct Server {
        MailEncryption encryption = MailEncryption::None;
        int port = 25;
        bool operator==(const Server&) const = default;
    };
    // After the user edited the host. While the encryption and port are the
    // untouched defaults (None on 25) a new host is taken to be a provider's,
    // which takes mail on 587 with STARTTLS.
    static Server afterHostEdited(Server shown, bool serverTouched);
    // After the user chose another encryption: a port at the old one's usual
    // port moves to the new one's; a port the user chose stays.
    static int portAfterEncryptionChosen(MailEncryption from, MailEncryption to, int port);

    struct Refusal {
        enum class Field { Host, SenderAddress, CommentsAddress };
        Field field;
        QString message;
    };
    // The first value that cannot be saved, or nothing.
    static std::optional<Refusal> firstRefusal(const MailSettings& settings);
    static bool isAddress(const QString& text);

    // Whether saving must first have the user agree to a sign-in without
    // encryption.
    static bool needsPlainSignInConsent(const MailSettings& settings);

    MailSettings load() const;
    MailPassword::Reading storedPassword(const MailSettings& settings) const;

    // Writes `settings`, and the password to the keyring when one was typed.
    // When the sign-in's keyring entry moved (another user, host or port)
    // and none was typed, the stored password moves with it. The settings
    // are written whatever the keyring says; the result says what it said.
    struct Saving {
        bool passwordKept = true;
        QString keyringProblem;
    };
    Saving save(MailSettings settings, const MailSettings& before, const QString& typedPassword) const;

private:
    OptionsStore& options_;
    MailPassword keyring_;
};

} // namespace quillbill
