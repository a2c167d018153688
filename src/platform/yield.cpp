#include "platform/yield.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace platform {

namespace {
bool inside = false;
} // namespace

bool insideYield() { return inside; }

void yieldToEventLoop()
{
    static QElapsedTimer sinceLast;
    if (inside)
        return;
    if (sinceLast.isValid() && sinceLast.elapsed() < 40)
        return;
    inside = true;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents
                                    | QEventLoop::ExcludeSocketNotifiers);
    inside = false;
    sinceLast.restart();
}

} // namespace platform
