#include "platform/focus_return.h"

#include <QApplication>
#include <QWindow>

namespace platform {

namespace {

// A window given back whose activation has not arrived yet. A dialog that
// comes up right after another (the message after an Open dialog) finds the
// active window not yet back: it gives the keyboard back to the same place.
QPointer<QWidget> g_window;
QPointer<QWidget> g_focus;

void attendiAttivazione()
{
    static const bool connected = [] {
        QObject::connect(qApp, &QGuiApplication::focusWindowChanged, qApp, [](QWindow* window) {
            // The awaited activation has come, or another window has been
            // activated since.
            if (window)
                g_window = g_focus = nullptr;
        });
        return true;
    }();
    Q_UNUSED(connected);
}

} // namespace

FocusReturn::FocusReturn(QWidget* fallback)
{
    QWidget* active = QApplication::activeWindow();
    if (g_window && g_window->isVisible() && active != g_window) {
        m_window = g_window;
        m_focus = g_focus;
        return;
    }
    m_window = active ? active : (fallback ? fallback->window() : nullptr);
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus->window() == m_window)
        m_focus = focus;
}

void FocusReturn::giveBack()
{
    QWidget* window = m_window;
    m_window = nullptr;
    if (!window || !window->isVisible())
        return;
    // A widget given the focus while its window is not active gets it as
    // the window becomes active.
    if (m_focus && m_focus->isVisible() && m_focus->isEnabled())
        m_focus->setFocus(Qt::ActiveWindowFocusReason);
    if (QApplication::activeWindow() == window)
        return;
    attendiAttivazione();
    g_window = window;
    g_focus = m_focus;
    window->activateWindow();
}

} // namespace platform
