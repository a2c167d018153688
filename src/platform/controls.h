#pragma once
// The controls the program's windows are made of. Each is a thin Qt widget
// with the properties the program sets. The rule throughout: a handler runs
// only for what the user does. A value, text or check set by the program
// fires nothing (handlers connect to clicked, textEdited, userValueChanged
// and lostFocus, never to the signals that programmatic setters emit).
#include "platform/picture.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <map>

namespace platform {

// Help tags hold English, a carriage return, then Italian; shown as two lines.
void setHelpTag(QWidget* widget, const QString& text);
QString helpTag(const QWidget* widget);

// Left, Top and size of a control in its window's pixels.
void placeControl(QWidget* control, int left, int top, int width, int height);

// A control's horizontal text alignment (vertically its text is centred).
enum class Allinea { Predefinito, Sinistra, Centro, Destra };
Qt::Alignment alignmentFor(Allinea allinea);

class StaticText : public QLabel {
    Q_OBJECT
public:
    explicit StaticText(QWidget* parent);
    void setTextColor(const QColor& color);
    QColor textColor() const { return m_color; }
    void setBold(bool bold);
    void setUnderline(bool underline);
    bool underline() const { return font().underline(); }
    void setTextAlign(Allinea allinea) { setAlignment(alignmentFor(allinea) | Qt::AlignVCenter); }
    void setTextFont(const QString& family, int size);
signals:
    void mouseEnter();
    void mouseExit();
    void mouseDown();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor m_color = Qt::black;
};

class EditField : public QLineEdit {
    Q_OBJECT
public:
    explicit EditField(QWidget* parent);
    void setTextColor(const QColor& color);
    void setBackColor(const QColor& color);
    void setTextFont(const QString& family, int size, bool bold);
    void setTextAlign(Allinea allinea) { setAlignment(alignmentFor(allinea) | Qt::AlignVCenter); }
    // A text set by the program. QLineEdit leaves the caret at the end, so a
    // field too narrow for the text would show its tail, which reads as
    // another number; outside editing the caret goes to the start instead.
    // QLineEdit's own setText() is private here, so that no caller of the
    // field takes it by mistake.
    void setTextFromProgram(const QString& text);
    // The field takes its text as leaving it would (its LostFocus runs),
    // while it keeps the keyboard focus.
    void takeText() { emit lostFocus(); }
signals:
    void lostFocus();
    // After the key has taken effect: the field's text is what the user sees.
    void keyDown(const QString& key);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    using QLineEdit::setText;
    void applyPalette();
    QColor m_text = Qt::black;
    QColor m_back = Qt::white;
    bool m_caretParked = false; // at the start by setText, not by the user
};

// The field that has the keyboard focus, in whichever window, takes its text
// as leaving it would; nothing when the focus is not in an edit field.
void takeFocusedFieldText();

class PushButton : public QPushButton {
    Q_OBJECT
public:
    explicit PushButton(QWidget* parent);
    void setTextFont(const QString& family, int size, bool bold = false);
};

// An icon button; a toggle when made so (its click flips Value before Action).
class BevelButton : public QToolButton {
    Q_OBJECT
public:
    explicit BevelButton(QWidget* parent);
    bool value() const { return isChecked(); }
    void setValue(bool down);
    void setIconImage(const QImage& image);
};

class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit CheckBox(QWidget* parent);
    bool value() const { return isChecked(); }
    void setValue(bool checked);
};

// A slider that reports a value only when the user has moved it.
class Slider : public QSlider {
    Q_OBJECT
public:
    explicit Slider(QWidget* parent);
    void setValueQuietly(int value);
signals:
    void userValueChanged(int value);
};

class ImageWell : public QLabel {
    Q_OBJECT
public:
    explicit ImageWell(QWidget* parent);
    void setImage(const QImage& image);
    const QImage& image() const { return m_image; }

private:
    QImage m_image;
};

class ProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit ProgressBar(QWidget* parent);
};

// A framed rectangle: top-left and bottom-right border colours and a fill.
class RectangleShape : public QWidget {
    Q_OBJECT
public:
    explicit RectangleShape(QWidget* parent);
    QColor TopLeftColor = Qt::black;
    QColor BottomRightColor = Qt::black;
    QColor FillColor = Qt::white;
    int BorderWidth = 1;
    void setColors(const QColor& topLeft, const QColor& bottomRight, const QColor& fill);

protected:
    void paintEvent(QPaintEvent* event) override;
};

class OvalShape : public QWidget {
    Q_OBJECT
public:
    explicit OvalShape(QWidget* parent);
    QColor FillColor = Qt::red;
    QColor BorderColor = Qt::red;
    int BorderWidth = 1;
    void setColors(const QColor& fill, const QColor& border);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A line between two points of its window.
class LineShape : public QWidget {
    Q_OBJECT
public:
    explicit LineShape(QWidget* parent);
    void setEnds(int x1, int y1, int x2, int y2);
    QColor LineColor = Qt::black;
    int BorderWidth = 1;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint m_a, m_b;
};

class Separator : public QFrame {
    Q_OBJECT
public:
    explicit Separator(QWidget* parent);
};

// A small triangle; Facing 0 right, 1 left, 2 down, 3 up.
class PopupArrow : public QWidget {
    Q_OBJECT
public:
    explicit PopupArrow(QWidget* parent);
    int Facing = 0;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The busy indicator shown while a long redraw runs.
class ChasingArrows : public QWidget {
    Q_OBJECT
public:
    explicit ChasingArrows(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A canvas shows a backdrop picture. A canvas without handlers is made
// transparent for the mouse, so its window's events cover it.
class Canvas : public QWidget {
    Q_OBJECT
public:
    explicit Canvas(QWidget* parent);
    void setBackdrop(const QImage& image);
    const QImage& backdrop() const { return m_backdrop; }
    void setTransparentForMouse(bool transparent);
signals:
    void mouseDown(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage m_backdrop;
};

// A control array: members keep the indices the layout gives them.
template <class T> class ControlArray {
public:
    void add(int index, T* control) { m_members[index] = control; }
    T* operator()(int index) const
    {
        auto it = m_members.find(index);
        return it == m_members.end() ? nullptr : it->second;
    }
    T* at(int index) const { return (*this)(index); }
    int count() const { return static_cast<int>(m_members.size()); }
    auto begin() const { return m_members.begin(); }
    auto end() const { return m_members.end(); }

private:
    std::map<int, T*> m_members;
};

} // namespace platform
