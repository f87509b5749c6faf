// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "shell/options/MailPage.h"

#include "common/OptionsStore.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <utility>

namespace quillbill {

MailPage::MailPage(OptionsStore& options, MailPassword keyring) : options_(options), keyring_(std::move(keyring)) {}

MailPage::Server MailPage::afterHostEdited(Server shown, bool serverTouched)
{
    const Server untouched{MailEncryption::None, MailSettings::usualPort(MailEncryption::None)};
    if (serverTouched || shown != untouched)
        return shown;
    return {MailEncryption::StartTls, MailSettings::usualPort(MailEncryption::StartTls)};
}

int MailPage::portAfterEncryptionChosen(MailEncryption from, MailEncryption to, int port)
{
    return port == MailSettings::usualPort(from) ? MailSettings::usualPort(to) : port;
}

bool MailPage::isAddress(const QString& text)
{
    // One "@" with something on each side and no blanks or angle brackets:
    // enough to catch a name or a typing slip, without refusing the unusual
    // addresses mail servers take.
    static const QRegularExpression address(QStringLiteral(R"(^[^@\s<>]+@[^@\s<>]+$)"));
    return address.match(text.trimmed()).hasMatch();
}

std::optional<MailPage::Refusal> MailPage::firstRefusal(const MailSettings& settings)
{
    using Field = Refusal::Field;
    if (settings.host.trimmed().isEmpty())
        return Refusal{Field::Host,
                       QCoreApplication::translate("quillbill::MailPage", "Enter the name of the mail server.")};
    if (settings.host.trimmed().contains(QRegularExpression(QStringLiteral(R"([\s/@:])"))))
        return Refusal{Field::Host,
                       QCoreApplication::translate("quillbill::MailPage",
                                                   "\"%1\" is not a server name: enter only the host, such as "
                                                   "mail.example.com, and the port in its own box.")
                           .arg(settings.host.trimmed())};
    // The e-mail window asks for a sender when none is set.
    if (!settings.senderAddress.trimmed().isEmpty() && !isAddress(settings.senderAddress))
        return Refusal{Field::SenderAddress,
                       QCoreApplication::translate("quillbill::MailPage", "\"%1\" is not an e-mail address.")
                           .arg(settings.senderAddress.trimmed())};
    if (!isAddress(settings.commentsAddress))
        return Refusal{Field::CommentsAddress,
                       QCoreApplication::translate("quillbill::MailPage",
                                                   "\"%1\" is not an e-mail address: comments are sent there.")
                           .arg(settings.commentsAddress.trimmed())};
    return std::nullopt;
}

bool MailPage::needsPlainSignInConsent(const MailSettings& settings)
{
    return settings.signsInWithoutEncryption() && !settings.plainSignInConfirmed;
}

MailSettings MailPage::load() const { return MailSettings::load(options_); }

MailPassword::Reading MailPage::storedPassword(const MailSettings& settings) const { return keyring_.read(settings); }

MailPage::Saving MailPage::save(MailSettings settings, const MailSettings& before, const QString& typedPassword) const
{
    // A consent given for a plain sign-in does not carry over to a later
    // one: switching back to "None" asks again.
    if (!settings.signsInWithoutEncryption())
        settings.plainSignInConfirmed = false;
    settings.save(options_);

    Saving saving;
    if (settings.userName.trimmed().isEmpty())
        return saving;
    if (!typedPassword.isEmpty()) {
        saving.passwordKept = keyring_.write(settings, typedPassword, &saving.keyringProblem);
        return saving;
    }
    if (before.userName.trimmed().isEmpty() || MailPassword::entryKey(before) == MailPassword::entryKey(settings))
        return saving;
    const MailPassword::Reading reading = keyring_.read(before);
    if (reading.locked) {
        // The password stays where it was, and the user is told it did not move.
        saving.passwordKept = false;
        saving.keyringProblem = reading.problem;
        return saving;
    }
    if (!reading.password)
        return saving;
    saving.passwordKept = keyring_.write(settings, *reading.password, &saving.keyringProblem);
    if (saving.passwordKept)
        keyring_.remove(before);
    return saving;
}

} // namespace quillbill
