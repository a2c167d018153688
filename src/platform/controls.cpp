#include "platform/controls.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSignalBlocker>
#include <utility>

namespace platform {

void setHelpTag(QWidget* widget, const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    widget->setToolTip(shown);
}

QString helpTag(const QWidget* widget)
{
    QString text = widget->toolTip();
    text.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return text;
}

void placeControl(QWidget* control, int left, int top, int width, int height)
{
    control->setGeometry(left, top, width, height);
}

Qt::Alignment alignmentFor(Allinea allinea)
{
    switch (allinea) {
    case Allinea::Centro: return Qt::AlignHCenter;
    case Allinea::Destra: return Qt::AlignRight;
    case Allinea::Predefinito:
    case Allinea::Sinistra: break;
    }
    return Qt::AlignLeft;
}

// --- StaticText
StaticText::StaticText(QWidget* parent) : QLabel(parent)
{
    setFont(programFont(QStringLiteral("arial"), 12));
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void StaticText::setTextColor(const QColor& color)
{
    m_color = color;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void StaticText::setBold(bool bold)
{
    QFont f = font();
    f.setBold(bold);
    setFont(f);
}

void StaticText::setUnderline(bool underline)
{
    QFont f = font();
    f.setUnderline(underline);
    setFont(f);
}

void StaticText::setTextFont(const QString& family, int size)
{
    QFont f = programFont(family, size, font().bold());
    f.setUnderline(font().underline());
    setFont(f);
}

void StaticText::enterEvent(QEnterEvent* event)
{
    emit mouseEnter();
    QLabel::enterEvent(event);
}

void StaticText::leaveEvent(QEvent* event)
{
    emit mouseExit();
    QLabel::leaveEvent(event);
}

void StaticText::mousePressEvent(QMouseEvent* event)
{
    emit mouseDown();
    QLabel::mousePressEvent(event);
}

// --- EditField
namespace {

// A field's background when it is disabled: its own colour, greyed.
QColor disabledBase(const QColor& back)
{
    const int grey = qGray(back.rgb());
    const auto mix = [grey](int c) { return (c + grey) / 2 * 92 / 100; };
    return QColor(mix(back.red()), mix(back.green()), mix(back.blue()));
}

} // namespace

EditField::EditField(QWidget* parent) : QLineEdit(parent) { setFont(programFont(QStringLiteral("arial"), 12)); }

void EditField::applyPalette()
{
    QPalette p = palette();
    p.setColor(QPalette::Text, m_text);
    p.setColor(QPalette::Base, m_back);
    // A disabled field looks disabled: grey text on a greyed background.
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x99, 0x99, 0x99));
    p.setColor(QPalette::Disabled, QPalette::Base, disabledBase(m_back));
    setPalette(p);
}

void EditField::setTextColor(const QColor& color)
{
    m_text = color;
    applyPalette();
}

void EditField::setBackColor(const QColor& color)
{
    m_back = color;
    applyPalette();
}

void EditField::setTextFont(const QString& family, int size, bool bold) { setFont(programFont(family, size, bold)); }

void EditField::setTextFromProgram(const QString& text)
{
    QLineEdit::setText(text);
    if (!hasFocus()) {
        setCursorPosition(0);
        m_caretParked = true;
    }
}

void EditField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // A click places the caret and Tab selects the whole text; any other
    // focus (the program's, the window's activation) finds the caret at the
    // end of a text the program set, so that typing appends as it always has.
    const Qt::FocusReason reason = event->reason();
    if (std::exchange(m_caretParked, false) && reason != Qt::MouseFocusReason && reason != Qt::TabFocusReason
        && reason != Qt::BacktabFocusReason && reason != Qt::ShortcutFocusReason)
        end(false);
}

void EditField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // The field's own context menu holds the focus only while it is open:
    // the user has not left the field, as Qt itself takes it.
    const QWidget* popup = QApplication::activePopupWidget();
    if (event->reason() == Qt::PopupFocusReason && popup && popup->parentWidget() == this)
        return;
    emit lostFocus();
}

void EditField::keyPressEvent(QKeyEvent* event)
{
    QLineEdit::keyPressEvent(event);
    emit keyDown(event->text());
}

void takeFocusedFieldText()
{
    if (auto* field = qobject_cast<EditField*>(QApplication::focusWidget()))
        field->takeText();
}

// --- PushButton
PushButton::PushButton(QWidget* parent) : QPushButton(parent)
{
    setAutoDefault(false);
    setFont(programFont(QStringLiteral("System"), 12));
}

void PushButton::setTextFont(const QString& family, int size, bool bold) { setFont(programFont(family, size, bold)); }

// --- BevelButton
BevelButton::BevelButton(QWidget* parent) : QToolButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setAutoRaise(false);
}

void BevelButton::setValue(bool down)
{
    QSignalBlocker block(this);
    setChecked(down);
}

void BevelButton::setIconImage(const QImage& image)
{
    setIcon(QIcon(QPixmap::fromImage(image)));
    if (!image.isNull())
        setIconSize(image.size());
}

// --- CheckBox
CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent) { setFont(programFont(QStringLiteral("arial"), 12)); }

void CheckBox::setValue(bool checked)
{
    QSignalBlocker block(this);
    setChecked(checked);
}

// --- Slider
Slider::Slider(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    setTracking(false); // values are reported when the user lets go
    setSingleStep(1);
    setPageStep(20);
    connect(this, &QSlider::valueChanged, this, &Slider::userValueChanged);
}

void Slider::setValueQuietly(int value)
{
    QSignalBlocker block(this);
    setValue(value);
}

// --- ImageWell
ImageWell::ImageWell(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::Box);
}

void ImageWell::setImage(const QImage& image)
{
    m_image = image;
    setPixmap(QPixmap::fromImage(image));
}

// --- ProgressBar
ProgressBar::ProgressBar(QWidget* parent) : QProgressBar(parent)
{
    setTextVisible(false);
    setMinimum(0);
}

// --- RectangleShape
RectangleShape::RectangleShape(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
}

void RectangleShape::setColors(const QColor& topLeft, const QColor& bottomRight, const QColor& fill)
{
    TopLeftColor = topLeft;
    BottomRightColor = bottomRight;
    FillColor = fill;
    update();
}

void RectangleShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, FillColor);
    const int w = std::max(BorderWidth, 1);
    for (int i = 0; i < w; ++i) {
        p.setPen(TopLeftColor);
        p.drawLine(r.left() + i, r.top() + i, r.right() - i, r.top() + i);
        p.drawLine(r.left() + i, r.top() + i, r.left() + i, r.bottom() - i);
        p.setPen(BottomRightColor);
        p.drawLine(r.left() + i, r.bottom() - i, r.right() - i, r.bottom() - i);
        p.drawLine(r.right() - i, r.top() + i, r.right() - i, r.bottom() - i);
    }
}

// --- OvalShape
OvalShape::OvalShape(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents, true); }

void OvalShape::setColors(const QColor& fill, const QColor& border)
{
    FillColor = fill;
    BorderColor = border;
    update();
}

void OvalShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QPen(BorderColor, BorderWidth));
    p.setBrush(FillColor);
    p.drawEllipse(rect().adjusted(0, 0, -1, -1));
}

// --- LineShape
LineShape::LineShape(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents, true); }

void LineShape::setEnds(int x1, int y1, int x2, int y2)
{
    const int w = std::max(BorderWidth, 1);
    setGeometry(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + w, std::abs(y2 - y1) + w);
    m_a = QPoint(x1, y1) - geometry().topLeft();
    m_b = QPoint(x2, y2) - geometry().topLeft();
    update();
}

void LineShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QPen(LineColor, BorderWidth));
    p.drawLine(m_a, m_b);
}

// --- Separator
Separator::Separator(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::HLine);
    setFrameShadow(QFrame::Sunken);
}

// --- PopupArrow
PopupArrow::PopupArrow(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents, true); }

void PopupArrow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    QPainterPath path;
    switch (Facing) {
    case 1: // left
        path.moveTo(r.right(), r.top());
        path.lineTo(r.left(), r.center().y());
        path.lineTo(r.right(), r.bottom());
        break;
    case 2: // down
        path.moveTo(r.left(), r.top());
        path.lineTo(r.right(), r.top());
        path.lineTo(r.center().x(), r.bottom());
        break;
    case 3: // up
        path.moveTo(r.left(), r.bottom());
        path.lineTo(r.right(), r.bottom());
        path.lineTo(r.center().x(), r.top());
        break;
    default: // right
        path.moveTo(r.left(), r.top());
        path.lineTo(r.right(), r.center().y());
        path.lineTo(r.left(), r.bottom());
        break;
    }
    path.closeSubpath();
    p.fillPath(path, Qt::black);
}

// --- ChasingArrows
ChasingArrows::ChasingArrows(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
}

void ChasingArrows::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::darkGray, 2));
    const QRectF r = QRectF(rect()).adjusted(2, 2, -2, -2);
    p.drawArc(r, 30 * 16, 120 * 16);
    p.drawArc(r, 210 * 16, 120 * 16);
}

// --- Canvas
Canvas::Canvas(QWidget* parent) : QWidget(parent) {}

void Canvas::setBackdrop(const QImage& image)
{
    m_backdrop = image;
    update();
}

void Canvas::setTransparentForMouse(bool transparent) { setAttribute(Qt::WA_TransparentForMouseEvents, transparent); }

void Canvas::paintEvent(QPaintEvent*)
{
    if (m_backdrop.isNull())
        return;
    QPainter p(this);
    p.drawImage(0, 0, m_backdrop);
}

void Canvas::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    emit mouseDown(pos.x(), pos.y());
}

} // namespace platform
