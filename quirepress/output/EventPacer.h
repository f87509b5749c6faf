#pragma once

#include <QElapsedTimer>

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
    QElapsedTimer sinceLast_;
};

} // namespace quirepress::detail
