#include "platform/held_events.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <memory>
#include <vector>

namespace platform::held {

namespace {

// The events through which the user or the window system starts a handler of
// the program's: input, focus, activation, close and quit requests, and
// documents handed over.
bool startsAHandler(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::NonClientAreaMouseMove:
    case QEvent::Wheel:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::NativeGesture:
    case QEvent::ContextMenu:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::HoverEnter:
    case QEvent::HoverLeave:
    case QEvent::HoverMove:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::DragLeave:
    case QEvent::Drop:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::ActivationChange:
    case QEvent::Close:
    case QEvent::Quit:
    case QEvent::FileOpen: return true;
    default: return false;
    }
}

// A focus or activation event that the state has outrun by the time it is
// handed out (the command moved the focus elsewhere, another window became
// the active one) would tell the receiver the opposite of what holds: it
// is dropped.
bool stillTrue(QObject* receiver, const QEvent& event)
{
    const bool in = event.type() == QEvent::FocusIn;
    const bool activate = event.type() == QEvent::WindowActivate;
    if (in || event.type() == QEvent::FocusOut) {
        if (auto* widget = qobject_cast<QWidget*>(receiver))
            return widget->hasFocus() == in;
        if (auto* window = qobject_cast<QWindow*>(receiver))
            return (QGuiApplication::focusWindow() == window) == in;
        return true;
    }
    if (activate || event.type() == QEvent::WindowDeactivate) {
        if (auto* widget = qobject_cast<QWidget*>(receiver))
            return widget->isActiveWindow() == activate;
    }
    return true;
}

class Hold : public QObject {
public:
    explicit Hold(QObject* parent) : QObject(parent) {}

    bool holding = false;

    int count() const { return static_cast<int>(m_held.size()); }

    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (!holding || !startsAHandler(event->type()))
            return false;
        if (m_held.empty())
            m_level = QThread::currentThread()->loopLevel();
        m_held.push_back({receiver, std::unique_ptr<QEvent>(event->clone())});
        // Refused for now: a close request that counted as accepted would
        // close the window at once. It is asked again later.
        if (event->type() == QEvent::Close)
            event->ignore();
        return true;
    }

    // After a yield: the events kept back go out once the command has ended,
    // which is when the loop that ran it gets to this request.
    void askRelease()
    {
        if (m_held.empty() || m_releaseAsked)
            return;
        m_releaseAsked = true;
        QCoreApplication::postEvent(this, new QEvent(kRelease));
    }

protected:
    void customEvent(QEvent* event) override
    {
        if (event->type() != kRelease)
            return;
        m_releaseAsked = false;
        // Taken up by the next yield of the same command: that yield asks
        // again as it ends.
        if (holding)
            return;
        // A dialog that the same command opened after its yield runs a loop
        // of its own; the command goes on once the dialog is answered.
        if (QThread::currentThread()->loopLevel() > m_level) {
            QTimer::singleShot(kDialogPollMs, this, [this] { askRelease(); });
            return;
        }
        release();
    }

private:
    static constexpr QEvent::Type kRelease = static_cast<QEvent::Type>(QEvent::User + 317);
    static constexpr int kDialogPollMs = 25;

    struct HeldEvent {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };

    void release()
    {
        // Each event handed out is a command of its own and may yield; what
        // that yield keeps back joins a new batch.
        std::vector<HeldEvent> batch;
        batch.swap(m_held);
        for (HeldEvent& h : batch) {
            if (!h.receiver || !stillTrue(h.receiver, *h.event))
                continue;
            h.event->setAccepted(true);
            QCoreApplication::sendEvent(h.receiver, h.event.get());
        }
    }

    std::vector<HeldEvent> m_held;
    int m_level = 0;
    bool m_releaseAsked = false;
};

Hold* hold()
{
    static QPointer<Hold> instance;
    if (!instance && QCoreApplication::instance()) {
        instance = new Hold(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(instance);
    }
    return instance;
}

} // namespace

void begin()
{
    if (Hold* h = hold())
        h->holding = true;
}

void end()
{
    if (Hold* h = hold()) {
        h->holding = false;
        h->askRelease();
    }
}

int count()
{
    Hold* h = hold();
    return h ? h->count() : 0;
}

} // namespace platform::held
