#include "platform/window.h"

#include "platform/controls.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace platform {

bool isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Mode_switch: return true;
    default: return false;
    }
}

WindowBody::WindowBody(Window* window) : QWidget(window), m_window(window)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void WindowBody::paintEvent(QPaintEvent*)
{
    m_window->m_repaintAsked = false;
    QPainter painter(this);
    painter.fillRect(rect(), m_window->m_backColor);
    if (m_window->m_backdrop)
        painter.drawImage(0, 0, m_window->m_backdrop->image());
    for (const DrawItem& item : m_window->m_live)
        paintItem(painter, item);
}

void WindowBody::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    m_window->Event_MouseMove(p.x(), p.y());
}

void WindowBody::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    m_window->Event_MouseDown(p.x(), p.y());
    event->accept();
}

void WindowBody::enterEvent(QEnterEvent*) { m_window->Event_MouseEnter(); }

void WindowBody::leaveEvent(QEvent*) { m_window->Event_MouseExit(); }

Window::Window(FrameKind frame, QWidget* parent)
    : QWidget(parent),
      m_frame(frame),
      m_body(new WindowBody(this)),
      m_layout(new QVBoxLayout(this)),
      m_graphics([this](const DrawItem& item) { addLive(item); })
{
    setAttribute(Qt::WA_DeleteOnClose, true);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addWidget(m_body);
    m_closeBox = frame == FrameKind::Document;
    setWindowFlags(flagsFor(frame));
    if (frame == FrameKind::MovableModal)
        setWindowModality(Qt::ApplicationModal);
    // Help tags show whether the window is the active one or not.
    setAttribute(Qt::WA_AlwaysShowToolTips, true);
}

Qt::WindowFlags Window::flagsFor(FrameKind frame)
{
    // CustomizeWindowHint: the window manager shows only the buttons named.
    const Qt::WindowFlags titleOnly = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    switch (frame) {
    case FrameKind::Document: return Qt::Window | titleOnly | Qt::WindowCloseButtonHint;
    case FrameKind::MovableModal: return Qt::Dialog | titleOnly;
    case FrameKind::Floating: return Qt::Tool | titleOnly;
    }
    return Qt::Window;
}

void Window::setOwner(QWidget* owner)
{
    if (parentWidget() == owner)
        return;
    // Reparenting keeps the window a top-level one of its own kind; the
    // owner makes it a transient window of the program's main window.
    const QRect where = geometry();
    const bool shown = isVisible();
    setParent(owner, flagsFor(m_frame));
    setGeometry(where);
    if (shown)
        show();
}

Window::~Window() = default;

void Window::place(int left, int top) { setGeometry(left, top, geometry().width(), geometry().height()); }

int Window::menuBarHeight() const
{
    return (m_menuBar && !m_menuBar->isNativeMenuBar()) ? m_menuBar->sizeHint().height() : 0;
}

void Window::resizeToBody(int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    const int bar = menuBarHeight();
    m_body->resize(width, height);
    if (m_fixedSize)
        setFixedSize(width, height + bar);
    else
        resize(width, height + bar);
}

void Window::fixWindowSize(int width, int height)
{
    m_fixedSize = true;
    resizeToBody(width, height - menuBarHeight());
}

void Window::setMenuBar(QMenuBar* bar)
{
    const int width = Width(), height = Height();
    m_menuBar = bar;
    m_layout->setMenuBar(bar);
    resizeToBody(width, height);
}

void Window::setBackdrop(PicturePtr picture)
{
    m_backdrop = std::move(picture);
    m_body->update();
}

void Window::setBackColor(const QColor& color)
{
    m_backColor = color;
    m_body->update();
}

void Window::Refresh()
{
    m_live.clear();
    askRepaint();
}

void Window::addLive(const DrawItem& item)
{
    m_live.push_back(item);
    askRepaint();
}

void Window::askRepaint()
{
    // One request covers every change until the next paint: a long drawing
    // loop adds shapes far faster than the window can show them.
    if (m_repaintAsked)
        return;
    m_repaintAsked = true;
    m_body->update();
}

void Window::showAndActivate()
{
    show();
    raise();
    activateWindow();
}

bool Window::pressDefaultButton()
{
    for (PushButton* button : findChildren<PushButton*>()) {
        if (button->isDefault() && button->isVisible() && button->isEnabled()) {
            button->click();
            return true;
        }
    }
    return false;
}

void Window::Close()
{
    m_closingByProgram = true;
    const bool closed = close();
    // The window is gone when it closed (deleted later); otherwise it stays.
    if (!closed)
        m_closingByProgram = false;
}

void Window::keyPressEvent(QKeyEvent* event)
{
    // A modifier key alone is no key of the program's: it only prepares a
    // shortcut or a capital letter.
    if (isModifierKey(event->key())) {
        event->ignore();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && pressDefaultButton())
        return;
    Event_KeyDown(event->text());
}

void Window::closeEvent(QCloseEvent* event)
{
    // A request from outside the program: a window without a close box
    // cannot be closed that way, so it is never lost.
    if (!m_closingByProgram && !m_closeBox) {
        event->ignore();
        return;
    }
    if (Event_CancelClose()) {
        event->ignore();
        return;
    }
    Event_Close();
    forgetInstance();
    event->accept();
    if (m_return)
        m_return->giveBack();
}

void Window::showEvent(QShowEvent* event)
{
    // Shown, the window is not active yet: the active one is the window of
    // the command that shows it.
    if (m_frame == FrameKind::MovableModal && !m_return)
        m_return = std::make_unique<FocusReturn>();
    QWidget::showEvent(event);
}

void Window::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange) {
        const bool active = isActiveWindow();
        if (active && !m_wasActive) {
            raiseFloatingWindows();
            Event_Activate();
        }
        m_wasActive = active;
    }
    if (event->type() == QEvent::WindowStateChange && (windowState() & kRefusedStates))
        undoWindowState();
    QWidget::changeEvent(event);
}

void Window::raiseFloatingWindows()
{
    // The floating windows stay above their owner's windows: when one of the
    // program's windows comes to the front, they come with it. Some window
    // managers (openbox among them) raise the owner alone, and the tool
    // windows would end up behind it.
    QWidget* owner = m_frame == FrameKind::Floating ? parentWidget() : this;
    if (!owner)
        return;
    for (Window* w : owner->findChildren<Window*>(Qt::FindDirectChildrenOnly)) {
        if (w != this && w->m_frame == FrameKind::Floating && w->isVisible())
            w->raise();
    }
}

void Window::undoWindowState()
{
    // The window has no minimise or zoom button, but some window managers
    // (openbox among them) offer them all the same, and minimising a tool
    // window there takes the whole program off the screen. The window goes
    // back to its normal state once the window system has finished with it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!(windowState() & kRefusedStates))
                return;
            setWindowState(windowState() & ~kRefusedStates);
        },
        Qt::QueuedConnection);
}

} // namespace platform
