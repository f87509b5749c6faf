// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "records/Database.h"
#include "records/invoices/InvoiceReportQuery.h"

#include <QString>

#include <cstdint>

namespace quillbill {

// The program-wide state of one run of Quillbill. There is exactly one, made
// by main() and handed to the windows that read or write it; nothing else in
// the program is shared between windows.
struct AppState {
    // The one connection every window uses; a restore reopens it in place.
    Database MainDatabase;
    // A user has logged in during this run.
    bool LoginSucceeded = false;
    // The user name as typed at the last successful login.
    QString CurrentUser;
    // The security level of the current user; 3 when nobody has logged in.
    int16_t UserLevel = 3;
    // The time stamp in the name of the last backup file.
    QString BackupStamp;
    // The file that the e-mail window attaches (a relative path is taken in
    // the program folder); empty for a comment without attachment.
    QString AttachmentPath;
    // The report engine's output target after the last invoice document run.
    int16_t LastOutputTarget = 0;
    // The statement of the last invoice report, with its values.
    ReportStatement ReportSql;
};

} // namespace quillbill
