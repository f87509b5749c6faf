// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

class QIcon;
class QLabel;
class QWidget;

namespace quillbill {

// The program's mark: a large "$" in Arial Black.
QLabel* makeProgramMark();

// The same mark as the program's window icon.
QIcon programIcon();

// The mark beside the version record: the title (lblTitle), the version
// (lblVersion), the comments (lblPlatform) and the company with its legal
// notice (lblCompany). The splash and the about box both show it.
QWidget* makeVersionRecordPanel();

} // namespace quillbill
