#include "platform/picture.h"

#include <QFontDatabase>
#include <QPainter>
#include <cmath>
#if (defined(__x86_64__) || defined(__i386__)) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#endif

namespace platform {

QColor hsv(double hue, double saturation, double value)
{
    auto clamp01 = [](double v) { return std::isfinite(v) ? std::clamp(v, 0.0, 1.0) : 0.0; };
    // Qt takes hue 1.0 as invalid; a full turn is the same colour as 0.
    double h = clamp01(hue);
    if (h >= 1.0)
        h = 0.0;
    return QColor::fromHsvF(static_cast<float>(h), static_cast<float>(clamp01(saturation)),
                            static_cast<float>(clamp01(value)));
}

QColor rgb(int red, int green, int blue)
{
    return QColor(std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255));
}

QFont programFont(const QString& family, int size, bool bold)
{
    QFont font;
    const QString lower = family.toLower();
    if (lower == QLatin1String("arial")) {
        // The layouts were measured in Arial; Liberation Sans has its widths,
        // so captions fit their controls where Arial itself is missing.
        font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
        font.setStyleHint(QFont::SansSerif);
    } else if (lower == QLatin1String("system") || family.isEmpty()) {
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        font.setStyleHint(QFont::SansSerif);
    } else {
        font = QFont(family);
    }
    font.setPixelSize(size > 0 ? size : 12);
    font.setBold(bold);
    return font;
}

namespace {

// Gives the painter a solid pen of this colour and width. Items in a row
// mostly share their pen, so one the painter holds already is kept rather
// than made and compared anew for every short segment. Every pen these
// painters hold is made here or is a painter's first one, a plain solid pen
// too, so its style, width and colour tell it apart.
void usePen(QPainter& painter, const QColor& color, double width)
{
    const QPen& current = painter.pen();
    if (current.style() == Qt::SolidLine && current.widthF() == width && current.color() == color)
        return;
    QPen pen(color);
    pen.setWidthF(width);
    painter.setPen(pen);
}

// Qt's AVX2 pixel fill returns with the upper halves of the vector registers
// still in use. Until they are cleared, many x86 processors run the SSE code
// that follows (the painter's own line stepping, this program's arithmetic)
// markedly slower: a quarter of a backdrop rebuild's time went on it, since
// every short segment ends in such a fill. Each painted item clears them.
#if (defined(__x86_64__) || defined(__i386__)) && (defined(__GNUC__) || defined(__clang__))
__attribute__((target("avx"))) void zeroUpperHalves() { _mm256_zeroupper(); }

const bool kHasAvx = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx") != 0;
}();

void clearUpperVectorState()
{
    if (kHasAvx)
        zeroUpperHalves();
}
#else
void clearUpperVectorState() {}
#endif

} // namespace

void paintItem(QPainter& painter, const DrawItem& item)
{
    switch (item.kind) {
    case DrawItem::Kind::Segment:
        usePen(painter, item.color, item.width);
        painter.drawLine(item.p1, item.p2);
        break;
    case DrawItem::Kind::Text:
        usePen(painter, item.color, 1.0);
        if (item.font)
            painter.setFont(*item.font);
        painter.drawText(item.p1, item.text);
        break;
    case DrawItem::Kind::Arc: {
        const QRectF box(item.p1, item.p2);
        if (item.bordered) {
            usePen(painter, item.color, item.width);
        } else {
            painter.setPen(Qt::NoPen);
        }
        painter.setBrush(item.filled ? QBrush(item.fillColor) : QBrush(Qt::NoBrush));
        // QPainter counts in 1/16 degree, counter-clockwise.
        const int start = static_cast<int>(std::lround(item.startAngle * 180.0 / M_PI * 16.0));
        const int span = static_cast<int>(std::lround(item.arcAngle * 180.0 / M_PI * 16.0));
        if (item.filled)
            painter.drawPie(box, start, span);
        else
            painter.drawArc(box, start, span);
        painter.setBrush(Qt::NoBrush);
        break;
    }
    }
    clearUpperVectorState();
}

Graphics::Graphics(Sink sink) : m_sink(std::move(sink)) {}

void Graphics::emitItem(const DrawItem& item)
{
    // Whatever the caller computed, a coordinate the painter cannot place
    // (NaN or infinity) never reaches it: such a shape is left out.
    auto finite = [](double v) { return std::isfinite(v); };
    if (!finite(item.p1.x()) || !finite(item.p1.y()) || !finite(item.p2.x()) || !finite(item.p2.y())
        || !finite(item.width) || !finite(item.startAngle) || !finite(item.arcAngle))
        return;
    m_sink(item);
}

QFont Graphics::currentFont() const { return programFont(TextFont, TextSize, Bold); }

void Graphics::emitSegment(QPointF p1, QPointF p2, const QColor& color, double width)
{
    m_segment.p1 = p1;
    m_segment.p2 = p2;
    m_segment.color = color;
    m_segment.width = width;
    emitItem(m_segment);
}

void Graphics::DrawLine(double x1, double y1, double x2, double y2)
{
    emitSegment(QPointF(x1, y1), QPointF(x2, y2), ForeColor, std::max(PenWidth, PenHeight));
}

void Graphics::DrawString(const QString& text, double x, double y)
{
    DrawItem item;
    item.kind = DrawItem::Kind::Text;
    item.p1 = QPointF(x, y);
    item.color = ForeColor;
    item.text = text;
    item.font = std::make_shared<const QFont>(currentFont());
    emitItem(item);
}

void Graphics::DrawObject(const CurveShape& shape, double x, double y)
{
    emitSegment(QPointF(x + shape.X, y + shape.Y), QPointF(x + shape.X2, y + shape.Y2), shape.BorderColor,
                shape.BorderWidth);
}

void Graphics::DrawObject(const ArcShape& shape, double x, double y)
{
    DrawItem item;
    item.kind = DrawItem::Kind::Arc;
    item.p1 = QPointF(x, y);
    item.p2 = QPointF(x + shape.Width, y + shape.Height);
    item.startAngle = shape.StartAngle;
    item.arcAngle = shape.ArcAngle;
    item.filled = shape.Fill > 0;
    item.fillColor = shape.FillColor;
    item.bordered = shape.Border > 0;
    item.color = shape.BorderColor;
    item.width = shape.BorderWidth;
    emitItem(item);
}

Picture::Picture(int width, int height)
    : m_image(std::max(width, 1), std::max(height, 1), QImage::Format_ARGB32_Premultiplied),
      m_graphics([this](const DrawItem& item) { paint(item); })
{
    m_image.fill(Qt::white);
}

Picture::~Picture() { endPainting(); }

void Picture::paint(const DrawItem& item)
{
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_image);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setRenderHint(QPainter::TextAntialiasing, true);
    }
    paintItem(*m_painter, item);
}

void Picture::endPainting()
{
    if (m_painter) {
        m_painter->end();
        m_painter.reset();
    }
}

const QImage& Picture::image()
{
    endPainting();
    return m_image;
}

QRgb Picture::pixel(int x, int y)
{
    endPainting();
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height())
        return 0;
    return m_image.pixel(x, y);
}

} // namespace platform
