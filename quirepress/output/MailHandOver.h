// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>

namespace quirepress::detail {

// A message for the desktop's mail client, which shows it to the user for
// sending.
struct MailMessage {
    QString recipient;
    QString subject;
    // One of the two is set.
    QString plainBody;
    QString htmlBody;
};

// The subject of a report's message: `emailSubject` when there is one, else
// the report file's name without its folder and its ".rdn".
QString mailSubject(const QString& reportName, const QString& emailSubject);

// Hands `message` to the mail client through xdg-email. An HTML body goes
// as the message's text, rendered, and as an attached HTML document
// written under a new name into `temporaryFolder` (the user's own), so that
// the user sees the report and not its markup. Throws Error 10000 when no
// mail client can be started.
void SendEmail(const MailMessage& message, const QString& temporaryFolder);

} // namespace quirepress::detail
