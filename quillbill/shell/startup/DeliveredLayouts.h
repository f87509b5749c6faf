// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QByteArray>

namespace quillbill::ProgramFolder {

// Whether `contents` is a report layout exactly as some version of the
// program delivered it: a copy in the user's folder that still is one was
// never changed by the office, and can follow the installed version. Each
// layout a version ships is listed, the current ones too, so that the next
// version knows them.
bool isDeliveredLayout(const QByteArray& contents);

} // namespace quillbill::ProgramFolder
