#pragma once
// The program's windows: a backdrop picture under a live layer of drawn
// shapes, the events the program handles, and one instance per window class.
#include "platform/focus_return.h"
#include "platform/picture.h"

#include <QCursor>
#include <QWidget>
#include <memory>
#include <vector>

class QMenuBar;
class QVBoxLayout;

namespace platform {

// How a window stands among the others.
enum class FrameKind {
    Document = 0,     // a plain top-level window
    MovableModal = 1, // application-modal, shown without blocking the caller
    Floating = 3,     // a tool window that stays above the program's own windows
};

class Window;

// Shift, Control, Alt, Meta and the other keys that only modify another.
bool isModifierKey(int key);

// The drawing area of a window: it shows the backdrop and the live layer,
// holds the window's controls and hands mouse events to the window. Below a
// menu bar, when the window has one; its top left is the window's (0, 0).
class WindowBody : public QWidget {
    Q_OBJECT
public:
    explicit WindowBody(Window* window);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    Window* m_window;
};

class Window : public QWidget {
    Q_OBJECT
public:
    explicit Window(FrameKind frame, QWidget* parent = nullptr);
    ~Window() override;

    // Controls are made with body() as their parent.
    QWidget* body() const { return m_body; }

    // The client area's geometry, in screen pixels: Left and Top of the
    // window's content, Width and Height of its drawing area.
    int Left() const { return geometry().x(); }
    int Top() const { return geometry().y(); }
    int Width() const { return m_body->width(); }
    int Height() const { return m_body->height(); }
    void place(int left, int top);

    void setTitle(const QString& title) { setWindowTitle(title); }
    QString title() const { return windowTitle(); }

    // The backdrop: a picture kept behind the live layer until replaced.
    void setBackdrop(PicturePtr picture);
    const PicturePtr& backdrop() const { return m_backdrop; }
    void setBackColor(const QColor& color);

    // The live drawing surface. What is drawn on it stays until Refresh.
    Graphics& graphics() { return m_graphics; }
    const std::vector<DrawItem>& liveItems() const { return m_live; }
    // Wipes the live layer and shows the backdrop again, at once.
    void Refresh();

    void setMouseCursor(const QCursor& cursor) { m_body->setCursor(cursor); }

    // Puts a menu bar above the drawing area (on macOS it becomes the
    // application's menu bar and takes no room in the window).
    void setMenuBar(QMenuBar* bar);

    // Shows the window and gives it the focus.
    void showAndActivate();

    // Clicks the enabled default push button, as Return does.
    bool pressDefaultButton();

    // Closes the window on the program's own behalf. A close request from
    // anywhere else (the window manager's close button or keys) reaches
    // Event_CancelClose only on a window with a close box; a window without
    // one refuses it.
    void Close();
    bool hasCloseBox() const { return m_closeBox; }

    // A floating window stays above its owner (and the owner's other
    // windows) only, not above other programs.
    void setOwner(QWidget* owner);

    // The height that a menu bar takes inside the window (0 without one, or
    // where the bar is the application's and not the window's).
    int menuBarHeight() const;
    // Sizes the whole window, menu bar included, to width x height and
    // keeps it so: the user cannot resize it.
    void fixWindowSize(int width, int height);

protected:
    // The program's event handlers.
    virtual void Event_Open() {}
    // Asked before the window closes; true keeps it open.
    virtual bool Event_CancelClose() { return false; }
    virtual void Event_Close() {}
    virtual void Event_Activate() {}
    virtual bool Event_KeyDown(const QString& key)
    {
        Q_UNUSED(key);
        return false;
    }
    virtual void Event_MouseMove(int x, int y)
    {
        Q_UNUSED(x);
        Q_UNUSED(y);
    }
    virtual bool Event_MouseDown(int x, int y)
    {
        Q_UNUSED(x);
        Q_UNUSED(y);
        return false;
    }
    virtual void Event_MouseEnter() {}
    virtual void Event_MouseExit() {}

    // Window flags of a frame kind: no maximise or minimise button anywhere,
    // a close button only on a document window.
    static Qt::WindowFlags flagsFor(FrameKind frame);

    // Called once by the single-instance accessor after the constructor.
    void runOpen() { Event_Open(); }
    // Clears the accessor's pointer when this window goes away.
    virtual void forgetInstance() {}

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

    template <class T> friend class SingleWindow;
    friend class WindowBody;

private:
    // Not for the program: QWidget::close() is the close request of the
    // window system, which a window without a close box refuses without a
    // word (Close() is the program's own), and update() repaints without
    // wiping the live layer (Refresh() is the program's repaint).
    using QWidget::close;
    using QWidget::update;

public:
    // Sizes the window so that its drawing area is width x height.
    void resizeToBody(int width, int height);

private:
    void addLive(const DrawItem& item);
    // Asks for a repaint of the drawing area unless one is pending.
    void askRepaint();

    FrameKind m_frame;
    WindowBody* m_body;
    QVBoxLayout* m_layout;
    QMenuBar* m_menuBar = nullptr;
    PicturePtr m_backdrop;
    QColor m_backColor = Qt::white;
    std::vector<DrawItem> m_live;
    // Set when a repaint was asked for and has not been painted yet.
    bool m_repaintAsked = false;
    Graphics m_graphics;
    bool m_wasActive = false;
    bool m_closeBox = false;
    // Set once the window's size is fixed: resizing keeps it unresizeable.
    bool m_fixedSize = false;
    // Set while Close() closes the window.
    bool m_closingByProgram = false;
    // A modal window gives the keyboard back, when it closes, to the window
    // that was active when it came up.
    std::unique_ptr<FocusReturn> m_return;

    // The states the program's windows never take: minimised, maximised,
    // full screen.
    static constexpr Qt::WindowStates kRefusedStates = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
    // Puts a window that the window system minimised, maximised or put in
    // full screen back to its normal state.
    void undoWindowState();
    // Brings the floating windows of this window's owner above it.
    void raiseFloatingWindows();
};

// One instance of a window class, made on first use (controls, then its
// Open event) and made anew after it was closed.
template <class T> class SingleWindow : public Window {
public:
    using Window::Window;

    static T& instance()
    {
        if (!s_instance) {
            s_instance = new T();
            s_instance->runOpen();
        }
        return *s_instance;
    }
    static bool exists() { return s_instance != nullptr; }

protected:
    ~SingleWindow() override
    {
        if (s_instance == this)
            s_instance = nullptr;
    }
    void forgetInstance() override
    {
        if (s_instance == this)
            s_instance = nullptr;
    }

private:
    static inline T* s_instance = nullptr;
};

} // namespace platform
