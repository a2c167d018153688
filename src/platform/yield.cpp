#include "platform/yield.h"

#include "platform/held_events.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace platform {

namespace {
bool inside = false;
} // namespace

bool insideYield() { return inside; }

void yieldToEventLoop()
{
    // The loops that yield do so once per segment or line, hundreds of
    // thousands of times in a long drawing, and reading the clock was most of
    // what such a call cost. The clock is read every 16 calls, which holds
    // the events back by a few more steps of the loop at most.
    constexpr int kCallsPerClockCheck = 16;
    static QElapsedTimer sinceLast;
    static bool started = false;
    static int callsSinceCheck = 0;
    if (inside)
        return;
    if (started) {
        if (++callsSinceCheck < kCallsPerClockCheck)
            return;
        callsSinceCheck = 0;
        if (sinceLast.elapsed() < 40)
            return;
    }
    inside = true;
    held::begin();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
    held::end();
    inside = false;
    started = true;
    sinceLast.restart();
}

} // namespace platform
