// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "output/EventPacer.h"

#include <QCoreApplication>

#include <time.h>

namespace quirepress::detail {

namespace {

// The clock is read after every section. The coarse clock is read without
// asking the processor for its time stamp, several times faster, and its few
// milliseconds of resolution are fine enough for a pace of ten.
int64_t nowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return int64_t{now.tv_sec} * 1000 + now.tv_nsec / 1'000'000;
}

} // namespace

void EventPacer::letThrough()
{
    QCoreApplication::processEvents();
    lastMs_ = nowMs();
}

void EventPacer::letThroughWhenDue()
{
    if (lastMs_ < 0 || nowMs() - lastMs_ > intervalMs)
        letThrough();
}

} // namespace quirepress::detail
