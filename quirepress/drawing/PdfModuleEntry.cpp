// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The PDF module's entry: the one function the engine looks up in it.

#include "drawing/CairoPdfSurface.h"

extern "C" __attribute__((visibility("default"))) quirepress::detail::PdfSurface* quirepress_make_pdf_surface(
    QIODevice* device, QSize pageTwips, double dotsPerInch)
{
    return new quirepress::detail::CairoPdfSurface(device, pageTwips, dotsPerInch);
}

// Checked where the engine and the module meet: the engine calls the entry
// through this type.
static_assert(std::is_same_v<decltype(&quirepress_make_pdf_surface), quirepress::detail::PdfSurfaceMaker>);
