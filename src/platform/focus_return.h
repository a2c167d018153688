#pragma once
// The keyboard given back after a modal dialog or message box. Without a
// window manager nothing hands the keyboard focus back when a modal window
// goes away: it falls on the root window, so the next shortcut does nothing
// and a typed key reaches whatever lies under the pointer. The window that
// was active when the dialog came up is made active again, with the focus
// it had.
#include <QPointer>
#include <QWidget>

namespace platform {

class FocusReturn {
public:
    // Remembers the active window and its focus widget as they are now;
    // `fallback` is the window to go back to when none is active.
    explicit FocusReturn(QWidget* fallback = nullptr);
    ~FocusReturn() { giveBack(); }
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

    // Activates the remembered window, if it is still shown, and gives the
    // focus back to the widget that had it. Only the first call acts.
    void giveBack();

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_focus;
};

} // namespace platform
