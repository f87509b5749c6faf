#include "output/EventPacer.h"

#include <QCoreApplication>

namespace quirepress::detail {

void EventPacer::letThrough()
{
    QCoreApplication::processEvents();
    sinceLast_.start();
}

void EventPacer::letThroughWhenDue()
{
    if (!sinceLast_.isValid() || sinceLast_.hasExpired(intervalMs))
        letThrough();
}

} // namespace quirepress::detail
