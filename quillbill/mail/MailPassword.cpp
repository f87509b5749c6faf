// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "mail/MailPassword.h"

#include "mail/MailSettings.h"

namespace quillbill {

QString MailPassword::entryKey(const MailSettings& settings)
{
    return settings.userName.trimmed() + u'@' + settings.serverName();
}

} // namespace quillbill
