// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "output/RunWindows.h"
#include "windows/PreviewGeometry.h"

#include <QByteArray>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QAbstractButton;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class QToolButton;

namespace quirepress::detail {

class PageView;

// The preview of a report run: shows the pages the screen target recorded,
// one page at a time, with a shadow behind the page, a zoom box and buttons
// to turn the pages, to print and to save them as a PDF file.
class frmDisplay : public QWidget, public PreviewWindow {
    Q_OBJECT
public:
    explicit frmDisplay(QWidget* parent = nullptr);
    ~frmDisplay() override;

    // Page n's drawing steps; none when the page is not to be had.
    std::function<std::optional<QByteArray>(int)> pageDrawing;

    // The page's size at 100%; places the page and its shadow and lays out
    // the scroll bars.
    void setPageSize(int32_t widthTwips, int32_t heightTwips);
    // At the end of a run: shows page 1 of `pageCount`.
    void showFirstPage(int16_t pageCount) override;
    void showPagesSoFar(int16_t pagesMade) override;
    void pagesComplete(int16_t pageCount) override;

    void setTitle(const QString& title) override { setWindowTitle(title); }
    void setPages(std::function<std::optional<QByteArray>(int)> drawing, QSize pageTwips) override;
    void bringForward() override;
    void disposeLater() override { deleteLater(); }
    // Shows page n's drawing on the page; a page whose drawing is missing
    // leaves the page as it was.
    void ShowPageImage(int16_t n);
    // Sizes the page, its shadow and its drawing to `z` times the page (1
    // is 100%), within the limits of PreviewGeometry.
    void SetZoom(float z);
    void UpdateButtons();
    void SetScrollbars();

    int16_t currentPage() const { return CurrentPage_; }

signals:
    void printRequested();
    void savePdfRequested();
    // The user closed the window; the page is cleared first.
    void closed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void toolbarClicked(int index);
    void zoomChosen(const QString& text);
    void placePages();
    void showPageLabel();
    // The window as its arithmetic sees it, in twips.
    PreviewGeometry measured() const;

    int16_t CurrentPage_ = 1;
    int16_t ShownPage_ = 1;
    int16_t PageCount_ = 1;
    // Pages are still being made: more are to come, and printing waits.
    bool making_ = false;
    int32_t PageWidth_ = 12240;
    int32_t PageHeight_ = 15840;
    float Zoom_ = 1;
    PreviewPlacement placed_;

    QWidget* pageArea_;
    QFrame* Page0_;
    QFrame* Page1_;
    PageView* ImageObject_;
    QFrame* PictureToolbar_;
    QComboBox* cboZoom_;
    std::array<QAbstractButton*, 5> cmdToolbar_{};
    QToolButton* cmdSavePdf_;
    QLabel* lblPage_;
    QScrollBar* VScroll_;
    QScrollBar* HScroll_;
    QPushButton* cmdBlank_;
};

} // namespace quirepress::detail
