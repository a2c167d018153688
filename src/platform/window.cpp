#include "platform/window.h"

#include "platform/controls.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace platform {

Window::Window(FrameKind frame, QWidget* parent)
    : QWidget(parent), m_frame(frame), m_graphics([this](const DrawItem& item) { addLive(item); })
{
    setAttribute(Qt::WA_DeleteOnClose, true);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
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
void Window::setWidth(int width) { setGeometry(Left(), Top(), std::max(width, 1), Height()); }
void Window::setHeight(int height) { setGeometry(Left(), Top(), Width(), std::max(height, 1)); }
void Window::place(int left, int top) { setGeometry(left, top, Width(), Height()); }

void Window::setBackdrop(PicturePtr picture)
{
    m_backdrop = std::move(picture);
    update();
}

void Window::setBackColor(const QColor& color)
{
    m_backColor = color;
    update();
}

void Window::Refresh()
{
    m_live.clear();
    update();
}

void Window::addLive(const DrawItem& item)
{
    m_live.push_back(item);
    update();
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

void Window::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_backColor);
    if (m_backdrop)
        painter.drawImage(0, 0, m_backdrop->image());
    for (const DrawItem& item : m_live)
        paintItem(painter, item);
}

void Window::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    Event_MouseMove(p.x(), p.y());
}

void Window::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    Event_MouseDown(p.x(), p.y());
    event->accept();
}

void Window::enterEvent(QEnterEvent*) { Event_MouseEnter(); }

void Window::leaveEvent(QEvent*) { Event_MouseExit(); }

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
