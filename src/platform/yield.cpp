#include "platform/yield.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace platform {

void yieldToEventLoop()
{
    static QElapsedTimer sinceLast;
    static bool inside = false;
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
