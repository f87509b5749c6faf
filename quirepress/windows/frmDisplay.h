#pragma once

#include "windows/PreviewGeometry.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

class QAbstractButton;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;

namespace quirepress::detail {

// The preview of a report run: shows the page images the screen target
// saved, one page at a time, with a shadow behind the page, a zoom box and
// buttons to turn the pages and to print.
class frmDisplay : public QWidget {
    Q_OBJECT
public:
    explicit frmDisplay(QWidget* parent = nullptr);
    ~frmDisplay() override;

    // The file of page n's image.
    std::function<QString(int)> pageImagePath;

    // The page's size at 100%; places the page and its shadow and lays out
    // the scroll bars.
    void setPageSize(int32_t widthTwips, int32_t heightTwips);
    // At the end of a run: shows page 1 of `pageCount`.
    void showFirstPage(int16_t pageCount);
    // Loads page n's image into the page; a page whose image is missing
    // leaves the page as it was.
    void ShowPageImage(int16_t n);
    // Sizes the page, its shadow and its image to `z` times the page (1 is
    // 100%), within the limits of PreviewGeometry.
    void SetZoom(float z);
    void UpdateButtons();
    void SetScrollbars();

    int16_t currentPage() const { return CurrentPage_; }

signals:
    void printRequested();
    // The user closed the window; the page is cleared first.
    void closed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void toolbarClicked(int index);
    void zoomChosen(const QString& text);
    void placePages();
    // The window as its arithmetic sees it, in twips.
    PreviewGeometry measured() const;

    int16_t CurrentPage_ = 1;
    int16_t ShownPage_ = 1;
    int16_t PageCount_ = 1;
    int32_t PageWidth_ = 12240;
    int32_t PageHeight_ = 15840;
    float Zoom_ = 1;
    PreviewPlacement placed_;

    QWidget* pageArea_;
    QFrame* Page0_;
    QFrame* Page1_;
    QLabel* ImageObject_;
    QFrame* PictureToolbar_;
    QComboBox* cboZoom_;
    std::array<QAbstractButton*, 5> cmdToolbar_{};
    QLabel* lblPage_;
    QScrollBar* VScroll_;
    QScrollBar* HScroll_;
    QPushButton* cmdBlank_;
};

} // namespace quirepress::detail
