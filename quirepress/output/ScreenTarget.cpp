// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "output/ScreenTarget.h"

#include "model/PageSpool.h"

namespace quirepress::detail {

ScreenTarget::ScreenTarget(QSize size, PageSpool& pages) : size_(size), pages_(pages) {}

void ScreenTarget::savePage(int16_t number)
{
    pages_.save(number, surface_.steps());
    surface_.clear();
}

void ScreenTarget::cancel() { pages_.clear(); }

void ScreenTarget::ejectPage(int16_t finishedPage) { savePage(finishedPage); }

void ScreenTarget::finish(int16_t lastPage) { savePage(lastPage); }

} // namespace quirepress::detail
