// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "drawing/FontCache.h"

#include <QByteArray>
#include <QWidget>

#include <optional>

namespace quirepress::detail {

// The shown page of the preview, drawn from the steps the run recorded, at
// whatever size the widget has: text and lines are drawn anew at the zoom
// chosen rather than stretched from a bitmap, and only the part being
// painted is drawn.
class PageView : public QWidget {
public:
    using QWidget::QWidget;

    // `steps` (RecordingSurface's) draw a page that is `pagePixels` large
    // at 100%.
    void setDrawing(const QByteArray& steps, QSize pagePixels);
    void clear();
    bool hasDrawing() const { return steps_.has_value(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<QByteArray> steps_;
    QSize pagePixels_;
    // The fonts the page is drawn in, kept from one paint to the next.
    FontCache fonts_;
};

} // namespace quirepress::detail
