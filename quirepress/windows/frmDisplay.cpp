// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "windows/frmDisplay.h"

#include "windows/PageView.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>

#include <algorithm>
#include <utility>

namespace quirepress::detail {

namespace {

QFrame* makePicture(QWidget* parent, const QString& name, const QColor& fill)
{
    auto* picture = new QFrame(parent);
    picture->setObjectName(name);
    QPalette palette = picture->palette();
    palette.setColor(QPalette::Window, fill);
    picture->setPalette(palette);
    picture->setAutoFillBackground(true);
    return picture;
}

QToolButton* makeToolButton(QWidget* parent, int index, const QIcon& icon, const QString& text, const QString& tip)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QStringLiteral("cmdToolbar%1").arg(index));
    button->setIcon(icon);
    button->setText(text);
    button->setToolTip(tip);
    button->setToolButtonStyle(icon.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
    button->setAutoRaise(true);
    return button;
}

// Qt gives a plain top-level widget the role of a client area, which screen
// readers pass over: the preview is announced as the window it is, named by
// its caption.
QAccessibleInterface* previewAccessibility(const QString& className, QObject* object)
{
    if (className == QLatin1String(frmDisplay::staticMetaObject.className()) && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

frmDisplay::frmDisplay(QWidget* parent)
    : QWidget(parent),
      pageArea_(new QWidget(this)),
      Page0_(makePicture(pageArea_, QStringLiteral("Page0"), Qt::darkGray)),
      Page1_(makePicture(pageArea_, QStringLiteral("Page1"), Qt::white)),
      ImageObject_(new PageView(Page1_)),
      PictureToolbar_(new QFrame(this)),
      cboZoom_(new QComboBox(PictureToolbar_)),
      cmdSavePdf_(new QToolButton(PictureToolbar_)),
      lblPage_(new QLabel(PictureToolbar_)),
      VScroll_(new QScrollBar(Qt::Vertical, this)),
      HScroll_(new QScrollBar(Qt::Horizontal, this)),
      cmdBlank_(new QPushButton(this))
{
    static const bool accessibilityInstalled = (QAccessible::installFactory(previewAccessibility), true);
    Q_UNUSED(accessibilityInstalled);
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(tr("Quirepress Display"));
    resize(900, 700);

    // The pages move under the toolbar and must not show beside or below
    // the scroll bars: they live in an area that ends at the bars.
    pageArea_->setObjectName(QStringLiteral("PageArea"));
    ImageObject_->setObjectName(QStringLiteral("ImageObject"));

    PictureToolbar_->setObjectName(QStringLiteral("PictureToolbar"));
    PictureToolbar_->setFrameShape(QFrame::StyledPanel);
    PictureToolbar_->setAutoFillBackground(true);

    // zoomChosen reads the two fitting zooms in the user's language.
    cboZoom_->setObjectName(QStringLiteral("cboZoom"));
    cboZoom_->setEditable(true);
    cboZoom_->addItems({QStringLiteral("100%"), QStringLiteral("50%"), QStringLiteral("200%"),
                        //: A zoom of the preview: the page as wide as the window
                        tr("Page Width"),
                        //: A zoom of the preview: the page as high as the window
                        tr("Page Height")});
    cboZoom_->setEditText(QStringLiteral("100%"));
    // A typed zoom is applied, not added to the list; and it is not
    // completed from the list either, or typing "20" would give "200%".
    cboZoom_->setInsertPolicy(QComboBox::NoInsert);
    cboZoom_->setCompleter(nullptr);
    cboZoom_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(cboZoom_, &QComboBox::activated, this, [this](int item) { zoomChosen(cboZoom_->itemText(item)); });
    connect(cboZoom_->lineEdit(), &QLineEdit::editingFinished, this, [this] { zoomChosen(cboZoom_->currentText()); });

    const QIcon printIcon = QIcon::fromTheme(QStringLiteral("document-print"));
    cmdToolbar_ = {
        makeToolButton(PictureToolbar_, 0, style()->standardIcon(QStyle::SP_MediaSkipBackward), tr("First"),
                       tr("First Page")),
        makeToolButton(PictureToolbar_, 1, style()->standardIcon(QStyle::SP_MediaSeekBackward), tr("Previous"),
                       tr("Previous Page")),
        makeToolButton(PictureToolbar_, 2, style()->standardIcon(QStyle::SP_MediaSeekForward), tr("Next"),
                       tr("Next Page")),
        makeToolButton(PictureToolbar_, 3, style()->standardIcon(QStyle::SP_MediaSkipForward), tr("Last"),
                       tr("Last Page")),
        makeToolButton(PictureToolbar_, 4, printIcon, tr("&Print"), tr("Print")),
    };
    for (int index = 0; index < int(cmdToolbar_.size()); ++index)
        connect(cmdToolbar_[size_t(index)], &QAbstractButton::clicked, this, [this, index] { toolbarClicked(index); });

    cmdSavePdf_->setObjectName(QStringLiteral("cmdSavePdf"));
    cmdSavePdf_->setText(tr("Save as PDF"));
    cmdSavePdf_->setToolTip(tr("Save the pages as a PDF file"));
    cmdSavePdf_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    cmdSavePdf_->setAutoRaise(true);
    connect(cmdSavePdf_, &QAbstractButton::clicked, this, &frmDisplay::savePdfRequested);

    lblPage_->setObjectName(QStringLiteral("lblPage"));

    auto* toolbarLayout = new QHBoxLayout(PictureToolbar_);
    toolbarLayout->setContentsMargins(4, 2, 4, 2);
    toolbarLayout->addWidget(cboZoom_);
    for (QAbstractButton* button : cmdToolbar_)
        toolbarLayout->addWidget(button);
    toolbarLayout->addWidget(cmdSavePdf_);
    toolbarLayout->addSpacing(8);
    toolbarLayout->addWidget(lblPage_);
    toolbarLayout->addStretch(1);
    // The toolbar ends where the page starts.
    PictureToolbar_->setGeometry(0, 0, width(), twipsToPixels(PreviewGeometry::pageTop));

    VScroll_->setObjectName(QStringLiteral("VScroll"));
    HScroll_->setObjectName(QStringLiteral("HScroll"));
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, VScroll_);
    // Scroll bar values are twips; an arrow moves the page a line's worth.
    for (QScrollBar* bar : {VScroll_, HScroll_}) {
        bar->setSingleStep(pixelsToTwips(16));
        bar->resize(extent, extent);
        connect(bar, &QScrollBar::valueChanged, this, &frmDisplay::placePages);
    }
    cmdBlank_->setObjectName(QStringLiteral("cmdBlank"));
    cmdBlank_->setFocusPolicy(Qt::NoFocus);

    showPageLabel();
    UpdateButtons();
    SetZoom(Zoom_);
    SetScrollbars();
    // The run's handlers, where it set them; the signals are for any other
    // listener.
    connect(this, &frmDisplay::printRequested, this, [this] {
        if (onPrint)
            onPrint();
    });
    connect(this, &frmDisplay::savePdfRequested, this, [this] {
        if (onSavePdf)
            onSavePdf();
    });
    connect(this, &frmDisplay::closed, this, [this] {
        if (onClosed)
            onClosed();
    });
}

void frmDisplay::setPages(std::function<std::optional<QByteArray>(int)> drawing, QSize pageTwips)
{
    pageDrawing = std::move(drawing);
    setPageSize(pageTwips.width(), pageTwips.height());
}

void frmDisplay::bringForward()
{
    show();
    raise();
    activateWindow();
}

frmDisplay::~frmDisplay()
{
    // Destroying the zoom box takes the focus from it, and a box that had it
    // would then apply its zoom to a window that is already half gone.
    disconnect(cboZoom_->lineEdit(), nullptr, this, nullptr);
    disconnect(cboZoom_, nullptr, this, nullptr);
}

PreviewGeometry frmDisplay::measured() const
{
    PreviewGeometry sizes;
    sizes.windowWidth = pixelsToTwips(width());
    sizes.windowHeight = pixelsToTwips(height());
    sizes.vScrollWidth = pixelsToTwips(VScroll_->width());
    sizes.hScrollHeight = pixelsToTwips(HScroll_->height());
    sizes.toolbarTop = pixelsToTwips(PictureToolbar_->y());
    sizes.toolbarHeight = pixelsToTwips(PictureToolbar_->height());
    sizes.pageWidth = PageWidth_;
    sizes.pageHeight = PageHeight_;
    sizes.zoom = Zoom_;
    return sizes;
}

void frmDisplay::setPageSize(int32_t widthTwips, int32_t heightTwips)
{
    PageWidth_ = widthTwips;
    PageHeight_ = heightTwips;
    SetZoom(Zoom_);
    SetScrollbars();
}

void frmDisplay::showFirstPage(int16_t pageCount)
{
    // A run always has a page; "Page 1 of 0" would let Next run past it.
    PageCount_ = std::max<int16_t>(pageCount, 1);
    making_ = false;
    CurrentPage_ = 1;
    ShownPage_ = 1;
    showPageLabel();
    ShowPageImage(1);
    UpdateButtons();
    SetScrollbars();
}

void frmDisplay::showPagesSoFar(int16_t pagesMade)
{
    const bool first = !making_;
    making_ = true;
    PageCount_ = std::max<int16_t>(pagesMade, 1);
    if (first) {
        CurrentPage_ = 1;
        ShownPage_ = 1;
        ShowPageImage(1);
        SetScrollbars();
    }
    showPageLabel();
    UpdateButtons();
}

void frmDisplay::pagesComplete(int16_t pageCount)
{
    making_ = false;
    PageCount_ = std::max<int16_t>(pageCount, 1);
    showPageLabel();
    UpdateButtons();
}

void frmDisplay::showPageLabel()
{
    if (making_)
        //: While the report is still being made: page 1 of the 3 pages made so far
        lblPage_->setText(tr("Page %1 of %2...").arg(CurrentPage_).arg(PageCount_));
    else
        lblPage_->setText(tr("Page %1 of %2").arg(CurrentPage_).arg(PageCount_));
}

void frmDisplay::ShowPageImage(int16_t n)
{
    if (!pageDrawing)
        return;
    const std::optional<QByteArray> drawing = pageDrawing(n);
    if (!drawing)
        return;
    ImageObject_->setDrawing(*drawing, twipsToPixels(QRect(0, 0, PageWidth_, PageHeight_)).size());
    ImageObject_->setGeometry(QRect(QPoint(0, 0), Page1_->size()));
}

void frmDisplay::SetZoom(float z)
{
    PreviewGeometry limits = measured();
    Zoom_ = static_cast<float>(limits.limitedZoom(z));
    limits.zoom = Zoom_;
    const QSize size = limits.zoomedPage();
    placed_.page.setSize(size);
    placed_.shadow.setSize(size);
    placePages();
}

void frmDisplay::UpdateButtons()
{
    const bool notLast = CurrentPage_ != PageCount_;
    const bool notFirst = CurrentPage_ != 1;
    cmdToolbar_[0]->setEnabled(notFirst);
    cmdToolbar_[1]->setEnabled(notFirst);
    cmdToolbar_[2]->setEnabled(notLast);
    cmdToolbar_[3]->setEnabled(notLast);
    // The pages go to the printer or a file once they are all made.
    cmdToolbar_[4]->setEnabled(!making_);
    cmdSavePdf_->setEnabled(!making_);
}

void frmDisplay::SetScrollbars()
{
    placed_ = measured().placement();
    const auto apply = [](QScrollBar* bar, const ScrollBarPlacement& placement) {
        bar->setGeometry(twipsToPixels(placement.geometry));
        bar->setMaximum(placement.maximum);
        bar->setEnabled(placement.enabled);
        bar->setPageStep(placement.pageStep);
    };
    apply(HScroll_, placed_.horizontal);
    apply(VScroll_, placed_.vertical);
    cmdBlank_->setGeometry(twipsToPixels(placed_.blank));
    pageArea_->setGeometry(0, 0, VScroll_->x(), HScroll_->y());
    placePages();
}

void frmDisplay::placePages()
{
    const int left = HScroll_->value();
    const int top = VScroll_->value();
    Page0_->setGeometry(twipsToPixels(placed_.shadow.translated(-left, -top)));
    Page1_->setGeometry(twipsToPixels(placed_.page.translated(-left, -top)));
    ImageObject_->setGeometry(QRect(QPoint(0, 0), Page1_->size()));
}

void frmDisplay::toolbarClicked(int index)
{
    switch (index) {
    case 0:
        CurrentPage_ = 1;
        break;
    case 1:
        if (CurrentPage_ != 1)
            --CurrentPage_;
        break;
    case 2:
        if (CurrentPage_ != PageCount_)
            ++CurrentPage_;
        break;
    case 3:
        CurrentPage_ = PageCount_;
        break;
    case 4: {
        // Printing may close the window, and its owner may then delete it.
        const QPointer<frmDisplay> alive(this);
        emit printRequested();
        if (!alive)
            return;
        break;
    }
    default:
        break;
    }
    if (CurrentPage_ != ShownPage_)
        ShowPageImage(CurrentPage_);
    UpdateButtons();
    ShownPage_ = CurrentPage_;
    showPageLabel();
}

void frmDisplay::zoomChosen(const QString& text)
{
    // The box shows the fitting zooms translated; PreviewGeometry knows
    // them by their English names.
    QString asked = text;
    const QString chosen = text.trimmed();
    if (chosen.compare(tr("Page Width"), Qt::CaseInsensitive) == 0)
        asked = QStringLiteral("Page Width");
    else if (chosen.compare(tr("Page Height"), Qt::CaseInsensitive) == 0)
        asked = QStringLiteral("Page Height");
    const ZoomChoice choice = measured().zoomFor(asked);
    if (choice.text != asked)
        cboZoom_->setEditText(choice.text);
    SetZoom(static_cast<float>(choice.factor));
    SetScrollbars();
}

void frmDisplay::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    PictureToolbar_->resize(width(), PictureToolbar_->height());
    HScroll_->setValue(0);
    VScroll_->setValue(0);
    if (!(windowState() & Qt::WindowMinimized))
        SetScrollbars();
}

void frmDisplay::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    ImageObject_->clear();
    // Last: whoever hears it may delete the window.
    emit closed();
}

} // namespace quirepress::detail
