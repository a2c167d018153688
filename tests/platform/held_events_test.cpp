// The yield keeps back what would start a handler of the program's, an
// activation or a close request, until the command that yielded has ended;
// paint and timer events still get through.
#include "platform/held_events.h"
#include "platform/window.h"
#include "platform/yield.h"
#include "support/test_support.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPainter>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A window that notes whether its handlers ran inside a command.
class Watched : public platform::Window {
public:
    Watched() : Window(platform::FrameKind::Document) { resizeToBody(200, 100); }
    static inline bool inCommand = false;
    int activations = 0, activationsInside = 0;
    int closeAsks = 0, closeAsksInside = 0;
    int moves = 0, movesInside = 0;
    bool keepOpen = true;

protected:
    void Event_MouseMove(int, int) override
    {
        ++moves;
        movesInside += inCommand;
    }
    void Event_Activate() override
    {
        ++activations;
        activationsInside += inCommand;
    }
    bool Event_CancelClose() override
    {
        ++closeAsks;
        closeAsksInside += inCommand;
        return keepOpen;
    }
};

// Counts its paints.
class Painted : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        ++paints;
        QPainter(this).fillRect(rect(), Qt::white);
    }
};

// A long command: yields for `ms` milliseconds, as a long loop does.
void command(int ms, const std::function<void()>& inside = {})
{
    Watched::inCommand = true;
    QElapsedTimer clock;
    clock.start();
    bool once = false;
    while (clock.elapsed() < ms) {
        platform::yieldToEventLoop();
        if (!once && inside) {
            once = true;
            inside();
        }
        QThread::msleep(1);
    }
    Watched::inCommand = false;
}

// Shows the window and waits until the window system has made it active.
void activate(QWidget& w)
{
    w.show();
    w.activateWindow();
    for (int i = 0; i < 100 && !w.isActiveWindow(); ++i) {
        testsupport::processEvents();
        QThread::msleep(2);
    }
    ASSERT_TRUE(w.isActiveWindow());
}

} // namespace

TEST(HeldEvents, AnActivationDuringACommandRunsItsHandlerAfterIt)
{
    Watched a, b;
    activate(a);
    activate(b);
    a.activations = 0;
    Painted painted;
    painted.show();
    testsupport::processEvents();
    const int paintsBefore = painted.paints;
    bool timerFired = false;

    a.activateWindow(); // the window system's answer comes from the event loop
    QTimer::singleShot(5, [&] { timerFired = true; });
    painted.update();
    command(200);

    EXPECT_TRUE(a.isActiveWindow()); // the window system's state moved on
    EXPECT_EQ(a.activations, 0);     // the handler waits
    EXPECT_GT(platform::held::count(), 0);
    EXPECT_GT(painted.paints, paintsBefore); // paints and timers went through
    EXPECT_TRUE(timerFired);

    testsupport::processEvents();
    EXPECT_EQ(a.activations, 1);
    EXPECT_EQ(a.activationsInside, 0);
    EXPECT_EQ(platform::held::count(), 0);
}

TEST(HeldEvents, ACloseRequestDuringACommandIsAskedAfterItAndClosesNothingBefore)
{
    for (const bool keepOpen : {true, false}) {
        SCOPED_TRACE(keepOpen);
        auto* w = new Watched;
        w->keepOpen = keepOpen;
        QPointer<Watched> alive(w);
        activate(*w);
        // As the window manager's close button asks.
        QCoreApplication::postEvent(w->windowHandle(), new QCloseEvent);
        command(200);
        ASSERT_TRUE(alive);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->closeAsks, 0);

        testsupport::processEvents();
        testsupport::processEvents();
        if (keepOpen) {
            ASSERT_TRUE(alive);
            EXPECT_TRUE(w->isVisible());
            EXPECT_EQ(w->closeAsks, 1);
            EXPECT_EQ(w->closeAsksInside, 0);
            delete w;
        } else {
            EXPECT_FALSE(alive); // closed and deleted, once the command was over
        }
    }
}

TEST(HeldEvents, ADialogLoopInsideTheSameCommandStillHoldsThem)
{
    Watched a, b;
    activate(a);
    activate(b);
    a.activations = 0;
    a.activateWindow();
    int seenInDialog = -1;
    command(100, [&] {});
    // The command goes on with a dialog of its own: its loop hands out
    // nothing that the command's yield kept back.
    Watched::inCommand = true;
    QEventLoop dialog;
    QTimer::singleShot(150, [&] {
        seenInDialog = a.activations;
        dialog.quit();
    });
    dialog.exec();
    Watched::inCommand = false;
    EXPECT_EQ(seenInDialog, 0);

    for (int i = 0; i < 20 && a.activations == 0; ++i) {
        testsupport::processEvents();
        QThread::msleep(10);
    }
    EXPECT_EQ(a.activations, 1);
    EXPECT_EQ(a.activationsInside, 0);
}

// The pointer moved during a command: the window system's news of it stays
// in the window system's queue, since the yield takes no user input out of
// it at all, and the window hears of the move once the command has ended
// (when the loop next wakes up, for the repaint that a command leaves).
TEST(HeldEvents, InputWaitsInTheWindowSystemsQueueUntilTheCommandHasEnded)
{
    Watched w;
    activate(w);
    w.moves = 0;

    command(200, [&] { QCursor::setPos(w.body()->mapToGlobal(QPoint(50, 40))); });

    EXPECT_EQ(w.moves, 0);
    EXPECT_EQ(platform::held::count(), 0); // nothing was taken out to be kept back
    w.body()->update();
    testsupport::processEvents();
    EXPECT_EQ(w.moves, 1);
    EXPECT_EQ(w.movesInside, 0);
}
