// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QRect>
#include <QString>

#include <cstdint>

namespace quirepress::detail {

// The preview shows page images drawn at 96 dots per inch, so one pixel is
// 15 twips. Every twip-to-pixel conversion of the preview goes through
// these two, so the window and its arithmetic cannot round differently.
inline constexpr int twipsPerPixel = 15;
int twipsToPixels(double twips);
QRect twipsToPixels(const QRect& twips);
int32_t pixelsToTwips(int pixels);

// Where a scroll bar goes and how far it scrolls, in twips.
struct ScrollBarPlacement {
    QRect geometry;
    int32_t maximum = 0;
    bool enabled = false;
    int32_t pageStep = 0;
};

// Where the preview's controls go with both scroll bars at 0, in twips from
// the window's inner top-left corner.
struct PreviewPlacement {
    QRect page;
    QRect shadow;
    ScrollBarPlacement horizontal;
    ScrollBarPlacement vertical;
    QRect blank;
};

// The zoom a text of the zoom box asks for, and the text the box should
// show afterwards.
struct ZoomChoice {
    double factor = 1;
    QString text;
};

// The arithmetic of the preview window, kept apart from the widgets: the
// window fills in what it measures, and applies what this computes. All
// lengths are twips.
class PreviewGeometry {
public:
    // The window's inner size.
    int32_t windowWidth = 0;
    int32_t windowHeight = 0;
    int32_t vScrollWidth = 0;
    int32_t hScrollHeight = 0;
    int32_t toolbarTop = 0;
    int32_t toolbarHeight = 0;
    // The page at 100%.
    int32_t pageWidth = 12240;
    int32_t pageHeight = 15840;
    // The zoom the page is shown at, 1 being 100%.
    double zoom = 1;

    // The page's top and left and the shadow's offset from it at scroll 0.
    static constexpr int32_t pageTop = 480;
    static constexpr int32_t pageLeft = 120;
    static constexpr int32_t shadowOffset = 120;
    // The smallest and largest the zoomed page may be on screen, in pixels:
    // an absurd zoom must neither make the page vanish nor make its image
    // too big to scale.
    static constexpr int minimumPagePixels = 8;
    static constexpr int maximumPagePixels = 16000;

    // The factor for a zoom text: "Page Width" and "Page Height" fit the
    // page to the window, anything else is the percentage it starts with.
    // A text without one is read as "100%", which the box then shows.
    ZoomChoice zoomFor(const QString& text) const;
    // `z` limited so that the zoomed page stays between the smallest and
    // largest size above.
    double limitedZoom(double z) const;

    // The page's size at `zoom`.
    QSize zoomedPage() const;
    PreviewPlacement placement() const;
};

} // namespace quirepress::detail
