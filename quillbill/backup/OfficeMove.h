// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "app/Keyring.h"
#include "records/ServerAddress.h"

#include <QString>

#include <cstdint>

namespace quillbill {

struct AppContext;

// What moving the office to a server did.
struct OfficeMove {
    int64_t rows = 0;
    // Why the keyring kept no password; empty when it did, or none was given.
    QString keyringProblem;
};

// Takes the office from this computer's file to `server`: copies every
// record into its empty database (see moveToServer), chooses the server in
// the settings, keeps its password in `keyring`, and opens it as the
// program's database. The file stays as it was. Throws DatabaseError, with
// the settings and the program's database as they were, when the records
// could not be moved.
OfficeMove moveOfficeToServer(AppContext& app, const ServerAddress& server, const Keyring& keyring);

} // namespace quillbill
