// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>

namespace quillbill::ProgramInfo {

// The program's title, as windows and message boxes show it.
inline const QString title = QStringLiteral("Quillbill");

// The version record.
int majorVersion();
int minorVersion();
int revision();
// The three numbers, "1.0.0".
QString versionNumber();
// "Version " and the three numbers.
QString versionText();
QString companyName();
QString legalNotice();
QString comments();

// The name the desktop knows the program by: its menu entry and its icon.
QString desktopId();

} // namespace quillbill::ProgramInfo
