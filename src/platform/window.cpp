#include "platform/window.h"

#include "platform/controls.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QVBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace platform {

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
    : QWidget(parent), m_frame(frame), m_body(new WindowBody(this)), m_layout(new QVBoxLayout(this)),
      m_graphics([this](const DrawItem& item) { addLive(item); })
{
    setAttribute(Qt::WA_DeleteOnClose, true);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addWidget(m_body);
    switch (frame) {
    case FrameKind::Document:
        setWindowFlags(Qt::Window);
        break;
    case FrameKind::MovableModal:
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        setWindowModality(Qt::ApplicationModal);
        break;
    case FrameKind::Floating:
        setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
        break;
    }
}

Window::~Window() = default;

void Window::setLeft(int left) { place(left, Top()); }
void Window::setTop(int top) { place(Left(), top); }
void Window::setWidth(int width) { resizeToBody(width, Height()); }
void Window::setHeight(int height) { resizeToBody(Width(), height); }
void Window::place(int left, int top) { setGeometry(left, top, geometry().width(), geometry().height()); }

void Window::resizeToBody(int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    const int bar = (m_menuBar && !m_menuBar->isNativeMenuBar()) ? m_menuBar->sizeHint().height() : 0;
    m_body->resize(width, height);
    resize(width, height + bar);
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

void Window::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && pressDefaultButton())
        return;
    Event_KeyDown(event->text());
}

void Window::closeEvent(QCloseEvent* event)
{
    if (Event_CancelClose()) {
        event->ignore();
        return;
    }
    Event_Close();
    forgetInstance();
    event->accept();
}

void Window::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange) {
        const bool active = isActiveWindow();
        if (active && !m_wasActive)
            Event_Activate();
        m_wasActive = active;
    }
    QWidget::changeEvent(event);
}

void Window::showEvent(QShowEvent* event) { QWidget::showEvent(event); }

} // namespace platform
