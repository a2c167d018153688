// The yield of long loops: posted events get through once its interval is
// over, and never from inside a yield that is already running.
#include "platform/yield.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs a handler for each posted event it receives.
class Receiver : public QObject {
public:
    std::function<void()> onEvent;
    int received = 0;

protected:
    void customEvent(QEvent*) override
    {
        ++received;
        if (onEvent)
            onEvent();
    }
};

void post(Receiver& receiver) { QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User)); }

// Yields until the receiver has n events or the loop gives up; returns the calls made.
int yieldUntil(const Receiver& receiver, int n)
{
    int calls = 0;
    while (receiver.received < n && calls < 1000) {
        platform::yieldToEventLoop();
        ++calls;
    }
    return calls;
}

} // namespace

TEST(Yield, PostedEventsGetThroughWithinAFewCallsOnceTheIntervalIsOver)
{
    Receiver receiver;
    for (int n = 1; n <= 3; ++n) {
        post(receiver);
        QThread::msleep(45);
        // The clock is read every 16 calls at most.
        EXPECT_LE(yieldUntil(receiver, n), 16) << n;
    }
}

TEST(Yield, AYieldInsideAYieldLetsNothingThrough)
{
    Receiver outer, inner;
    int innerSeenInside = -1;
    outer.onEvent = [&] {
        post(inner);
        QThread::msleep(45);
        for (int i = 0; i < 40; ++i)
            platform::yieldToEventLoop();
        innerSeenInside = inner.received;
    };
    post(outer);
    QThread::msleep(45);
    yieldUntil(outer, 1);
    ASSERT_EQ(outer.received, 1);
    EXPECT_EQ(innerSeenInside, 0);
    QThread::msleep(45);
    yieldUntil(inner, 1);
    EXPECT_EQ(inner.received, 1);
}
