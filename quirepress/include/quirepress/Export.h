// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#if defined(QUIREPRESS_BUILDING)
#define QUIREPRESS_EXPORT __attribute__((visibility("default")))
#else
#define QUIREPRESS_EXPORT
#endif
