#pragma once
// Off-screen pictures and the drawing surface shared by pictures and the
// live layer of windows.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QPainter;

namespace platform {

// Colours as the program makes them: HSV components on 0 to 1, RGB on 0 to 255.
QColor hsv(double hue, double saturation, double value);
QColor rgb(int red, int green, int blue);

// A straight-segment vector shape: it runs from (X, Y) to (X2, Y2), relative
// to the point where it is drawn.
struct CurveShape {
    double X = 0.0, Y = 0.0, X2 = 0.0, Y2 = 0.0;
    double Fill = 0.0; // 0 none .. 100 opaque
    double Border = 100.0;
    double BorderWidth = 1.0;
    QColor BorderColor = Qt::black;
};

// An arc of an ellipse of Width x Height; angles in radians, counter-clockwise
// from the positive x axis, as the drawing layer has always taken them.
struct ArcShape {
    double Width = 0.0, Height = 0.0;
    double StartAngle = 0.0, ArcAngle = 0.0;
    double Fill = 100.0;
    QColor FillColor = Qt::black;
    double Border = 0.0;
    double BorderWidth = 1.0;
    QColor BorderColor = Qt::black;
};

// One thing drawn on a surface, in surface pixels. Windows keep these as
// their live layer, which is also what tests look at.
struct DrawItem {
    enum class Kind { Segment, Text, Arc };
    Kind kind = Kind::Segment;
    QPointF p1, p2;   // segment ends; text baseline start in p1; arc box p1..p2
    QColor color;     // segment or text colour, arc border
    double width = 1; // pen width
    QString text;
    // Text items only. Shared and never changed once made, so that copying
    // an item (the live layer keeps copies) builds no font.
    std::shared_ptr<const QFont> font;
    double startAngle = 0, arcAngle = 0;
    bool filled = false, bordered = true;
    QColor fillColor;
};

void paintItem(QPainter& painter, const DrawItem& item);

// A graphics surface with the drawing state the program sets before it draws.
class Graphics {
public:
    using Sink = std::function<void(const DrawItem&)>;
    explicit Graphics(Sink sink);

    QColor ForeColor = Qt::black;
    int PenWidth = 1;
    int PenHeight = 1;
    QString TextFont = QStringLiteral("System");
    int TextSize = 12;
    bool Bold = false;

    void DrawLine(double x1, double y1, double x2, double y2);
    void DrawString(const QString& text, double x, double y);
    void DrawObject(const CurveShape& shape, double x, double y);
    void DrawObject(const ArcShape& shape, double x, double y);

    QFont currentFont() const;

private:
    void emitItem(const DrawItem& item);
    void emitSegment(QPointF p1, QPointF p2, const QColor& color, double width);
    Sink m_sink;
    // Segments come by the thousand: one item is refilled for each rather
    // than a whole item built and cleared every time.
    DrawItem m_segment;
};

// Maps a font name of the program to one installed here; "arial" and
// "System" become the default sans-serif font.
QFont programFont(const QString& family, int size, bool bold = false);

// A 32-bit off-screen picture, white when made, with its own graphics surface.
class Picture {
public:
    Picture(int width, int height);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    Graphics& graphics() { return m_graphics; }

    // The picture as drawn so far.
    const QImage& image();
    QRgb pixel(int x, int y);

private:
    void paint(const DrawItem& item);
    void endPainting();

    QImage m_image;
    std::unique_ptr<QPainter> m_painter;
    Graphics m_graphics;
};

using PicturePtr = std::shared_ptr<Picture>;

} // namespace platform
