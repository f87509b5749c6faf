#pragma once

#include <QPicture>
#include <QWidget>

#include <optional>

namespace quirepress::detail {

// The shown page of the preview, drawn from the drawing the run recorded,
// at whatever size the widget has: text and lines are drawn anew at the
// zoom chosen rather than stretched from a bitmap, and only the part being
// painted is drawn.
class PageView : public QWidget {
public:
    using QWidget::QWidget;

    // `drawing` is in pixels of the page at 100%, which is `pagePixels`
    // large.
    void setDrawing(const QPicture& drawing, QSize pagePixels);
    void clear();
    bool hasDrawing() const { return drawing_.has_value(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<QPicture> drawing_;
    QSize pagePixels_;
};

} // namespace quirepress::detail
