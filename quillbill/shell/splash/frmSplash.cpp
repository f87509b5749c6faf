#include "shell/splash/frmSplash.h"

#include "common/ProgramInfo.h"
#include "shell/tips/ProgramMark.h"

#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QTimer>

namespace quillbill {

namespace {
constexpr int tickMs = 500;
constexpr int lastTick = 5;
} // namespace

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), timer_(new QTimer(this))
{
    using namespace ProgramInfo;
    setObjectName("frmSplash");
    setWindowTitle(title);

    auto* frame = new QFrame;
    frame->setFrameStyle(QFrame::Box | QFrame::Raised);
    frame->setLineWidth(2);
    auto* product = new QLabel(title);
    product->setObjectName("lblProductName");
    QFont productFont = product->font();
    productFont.setPointSizeF(productFont.pointSizeF() * 2.5);
    productFont.setBold(true);
    product->setFont(productFont);
    auto* version = new QLabel(
        QStringLiteral("Version %1.%2.%3").arg(majorVersion()).arg(minorVersion()).arg(revision()));
    version->setObjectName("lblVersion");
    auto* platform = new QLabel(comments());
    platform->setObjectName("lblPlatform");
    auto* company = new QLabel(companyName() + ", " + legalNotice());
    company->setObjectName("lblCompany");

    auto* inner = new QGridLayout(frame);
    inner->addWidget(makeProgramMark(), 0, 0, 4, 1);
    inner->addWidget(product, 0, 1);
    inner->addWidget(version, 1, 1);
    inner->addWidget(platform, 2, 1);
    inner->addWidget(company, 3, 1);
    inner->setContentsMargins(24, 24, 24, 24);
    inner->setHorizontalSpacing(24);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);

    timer_->setInterval(tickMs);
    connect(timer_, &QTimer::timeout, this, &frmSplash::tick);
}

void frmSplash::start()
{
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    ticks_ = 0;
    timer_->start();
}

void frmSplash::tick()
{
    if (ticks_ == lastTick) {
        timer_->stop();
        // The next window opens before the splash closes, so that the program
        // never runs without a window.
        emit finished();
        close();
        return;
    }
    ++ticks_;
}

} // namespace quillbill
