// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <cstdint>

namespace quirepress::detail {

// Lets the window events of a run through: always where the run asks for it
// outright (its start, a page break), and after a section only once some
// milliseconds have passed since they last ran. Letting them through after
// every one of a hundred thousand detail lines would cost more than the
// lines themselves; a Cancel button answered within that time feels
// immediate.
class EventPacer {
public:
    static constexpr int intervalMs = 10;

    void letThrough();
    void letThroughWhenDue();

private:
    // When the events last ran, in milliseconds of the coarse monotonic
    // clock; -1 before they ever did.
    int64_t lastMs_ = -1;
};

} // namespace quirepress::detail
