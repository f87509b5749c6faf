// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

// The one header a caller of the Quirepress report engine includes.

#include <quirepress/Enums.h>
#include <quirepress/Error.h>
#include <quirepress/Field.h>
#include <quirepress/MessageBoxes.h>
#include <quirepress/Report.h>
#include <quirepress/ReportEvents.h>
#include <quirepress/Section.h>
#include <quirepress/Translations.h>
