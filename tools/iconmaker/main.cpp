// Draws the program's icon pictures and its drawing cursor as PNG files.
//
// Every palette button icon is 32 x 32 on a light tile, so it reads on the
// button face whatever the window colour behind it; the two capture icons are
// 28 x 28 because the "Create 3D" window shows them in 28 x 28 canvases; the
// application icon is 64 x 64. The cursor is a 17 x 17 cross whose middle
// pixel is its hot spot.
//
// Usage: iconmaker <output folder>
#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

const QColor kInk(0x17, 0x37, 0x5E); // strokes
const QColor kTileFill(0xF6, 0xF6, 0xF1);
const QColor kTileEdge(0x80, 0x90, 0xA0);
const QColor kBulge(0xF2, 0xB0, 0x60); // the side a curve bulges to
const QColor kRed(0xD0, 0x20, 0x20);
const QColor kBlue(0x20, 0x50, 0xD0);
const QColor kGreen(0x20, 0x90, 0x40);
const QColor kPale(0xB8, 0xC8, 0xDC);

using Painter = std::function<void(QPainter&)>;

QImage canvas(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

void tile(QPainter& p, int size, const QColor& fill = kTileFill)
{
    p.setPen(QPen(kTileEdge, 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, size - 1.0, size - 1.0), 4, 4);
}

QPen ink(double width, const QColor& color = kInk)
{
    QPen pen(color, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void dot(QPainter& p, QPointF at, double radius, const QColor& color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(at, radius, radius);
}

// ---- element shapes -------------------------------------------------------
// Every shape tool shows its element on the same chord, from the lower left
// (start, red like the start marker) to the upper right. "Right" of the chord
// is the side to the right of the direction of travel, as on screen.

const QPointF kA(6.5, 25.5);
const QPointF kB(25.5, 6.5);

// Points of a circular arc from a to b whose centre lies on the left (bulge
// right, side = +1) or on the right (bulge left, side = -1), subtending
// `sweep` radians.
std::vector<QPointF> arcPoints(QPointF a, QPointF b, double sweep, int side, int steps = 48)
{
    const QPointF m = (a + b) / 2.0;
    const QPointF d = b - a;
    const double chord = std::hypot(d.x(), d.y());
    // Right-hand normal of the travel on screen (y down): (-dy, dx).
    const QPointF right(-d.y() / chord, d.x() / chord);
    const double radius = chord / 2.0 / std::sin(sweep / 2.0);
    const double toCentre = radius * std::cos(sweep / 2.0);
    const QPointF c = m - right * (toCentre * side);
    const double a0 = std::atan2(a.y() - c.y(), a.x() - c.x());
    double a1 = std::atan2(b.y() - c.y(), b.x() - c.x());
    // Sweep the short way round for a quarter, through the bulge for a half.
    double delta = a1 - a0;
    while (delta > kPi)
        delta -= 2 * kPi;
    while (delta < -kPi)
        delta += 2 * kPi;
    if (std::abs(std::abs(delta) - kPi) < 1e-6) {
        // A half circle: go through the bulge side.
        const QPointF mid = m + right * (radius * side);
        const double am = std::atan2(mid.y() - c.y(), mid.x() - c.x());
        double half = am - a0;
        while (half > kPi)
            half -= 2 * kPi;
        while (half < -kPi)
            half += 2 * kPi;
        delta = half > 0 ? kPi : -kPi;
    }
    std::vector<QPointF> points;
    for (int i = 0; i <= steps; ++i) {
        const double t = a0 + delta * i / steps;
        points.emplace_back(c.x() + radius * std::cos(t), c.y() + radius * std::sin(t));
    }
    return points;
}

void drawElement(QPainter& p, const std::vector<std::vector<QPointF>>& pieces)
{
    // The bulge: the area between each piece and its chord.
    p.setPen(Qt::NoPen);
    p.setBrush(kBulge);
    for (const auto& piece : pieces)
        p.drawPolygon(QPolygonF(QList<QPointF>(piece.begin(), piece.end())));
    // The chord, dashed.
    QPen dash(kTileEdge, 1, Qt::DashLine);
    p.setPen(dash);
    p.drawLine(kA, kB);
    // The element itself.
    p.setPen(ink(2.4));
    p.setBrush(Qt::NoBrush);
    for (const auto& piece : pieces)
        p.drawPolyline(QPolygonF(QList<QPointF>(piece.begin(), piece.end())));
    dot(p, kA, 2.6, kRed);
    dot(p, kB, 2.2, kInk);
}

Painter shapeIcon(int tool)
{
    return [tool](QPainter& p) {
        tile(p, 32);
        const QPointF m = (kA + kB) / 2.0;
        std::vector<std::vector<QPointF>> pieces;
        switch (tool) {
        case 0: pieces.push_back({kA, kB}); break;
        case 1: pieces.push_back(arcPoints(kA, kB, kPi, +1)); break;
        case 2: pieces.push_back(arcPoints(kA, kB, kPi / 2, +1)); break;
        case 3: pieces.push_back(arcPoints(kA, kB, kPi / 2, -1)); break;
        case 4:
            pieces.push_back(arcPoints(kA, m, kPi / 2, +1));
            pieces.push_back(arcPoints(m, kB, kPi / 2, -1));
            break;
        case 5:
            pieces.push_back(arcPoints(kA, m, kPi / 2, -1));
            pieces.push_back(arcPoints(m, kB, kPi / 2, +1));
            break;
        }
        drawElement(p, pieces);
    };
}

// ---- transforms -----------------------------------------------------------

void arrowHead(QPainter& p, QPointF tip, QPointF direction, double length, const QColor& color)
{
    const double n = std::hypot(direction.x(), direction.y());
    const QPointF u = direction / n;
    const QPointF v(-u.y(), u.x());
    QPolygonF head;
    head << tip << tip - u * length + v * (length * 0.6) << tip - u * length - v * (length * 0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(head);
}

void doubleArrow(QPainter& p, QPointF a, QPointF b, const QColor& color)
{
    const QPointF d = b - a;
    const double n = std::hypot(d.x(), d.y());
    const QPointF u = d / n;
    p.setPen(ink(1.8, color));
    p.drawLine(a + u * 3.0, b - u * 3.0);
    arrowHead(p, b, d, 5, color);
    arrowHead(p, a, -d, 5, color);
}

// A small asymmetric profile, the thing that is flipped or turned.
QPolygonF profileGlyph()
{
    QPolygonF g;
    g << QPointF(0, 0) << QPointF(0, -12) << QPointF(3, -12);
    for (int i = 0; i <= 8; ++i) {
        const double t = kPi / 2 * i / 8;
        g << QPointF(3 + 6 * std::sin(t), -6 - 6 * std::cos(t));
    }
    g << QPointF(9, 0);
    return g;
}

void drawGlyph(QPainter& p, const QTransform& where, const QColor& fill)
{
    p.setPen(ink(1.4));
    p.setBrush(fill);
    p.drawPolygon(where.map(profileGlyph()));
}

Painter flipIcon(bool horizontal)
{
    return [horizontal](QPainter& p) {
        tile(p, 32);
        QPen axis(kRed, 1, Qt::DashLine);
        p.setPen(axis);
        if (horizontal) {
            p.drawLine(QPointF(16, 3), QPointF(16, 23));
            drawGlyph(p, QTransform().translate(4, 20), kBulge);
            drawGlyph(p, QTransform().translate(28, 20).scale(-1, 1), kPale);
            doubleArrow(p, QPointF(5, 27), QPointF(27, 27), kInk);
        } else {
            p.drawLine(QPointF(3, 16), QPointF(23, 16));
            drawGlyph(p, QTransform().translate(5, 14), kBulge);
            drawGlyph(p, QTransform().translate(5, 18).scale(1, -1), kPale);
            doubleArrow(p, QPointF(27, 5), QPointF(27, 27), kInk);
        }
    };
}

// A quarter turn: the glyph and a round arrow, clockwise or not.
Painter turnIcon(bool clockwise)
{
    return [clockwise](QPainter& p) {
        tile(p, 32);
        const QPointF c(16, 16);
        const double r = 11;
        // Angles as seen on screen, counter-clockwise from +x, in degrees.
        const double start = clockwise ? 160 : 20;
        const double sweep = clockwise ? -250 : 250;
        QPainterPath arc;
        const double s = start * kPi / 180;
        arc.moveTo(c.x() + r * std::cos(s), c.y() - r * std::sin(s));
        arc.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), start, sweep);
        p.setPen(ink(2.2, kBlue));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arc);
        const double e = (start + sweep) * kPi / 180;
        const QPointF tip(c.x() + r * std::cos(e), c.y() - r * std::sin(e));
        // Tangent along the travel of the arrow on screen.
        const QPointF tangent = clockwise ? QPointF(std::sin(e), std::cos(e)) : QPointF(-std::sin(e), -std::cos(e));
        arrowHead(p, tip + tangent * 2.0, tangent, 6, kBlue);
        drawGlyph(p, QTransform().translate(12, 22).scale(0.75, 0.75), kBulge);
    };
}

// ---- view commands --------------------------------------------------------

void magnifier(QPainter& p)
{
    p.setPen(ink(3.6));
    p.drawLine(QPointF(19.5, 19.5), QPointF(27, 27));
    p.setPen(ink(2.2));
    p.setBrush(QColor(0xFF, 0xFF, 0xFF));
    p.drawEllipse(QPointF(13, 13), 9, 9);
}

Painter zoomIcon(int kind)
{
    return [kind](QPainter& p) {
        tile(p, 32);
        if (kind == 3) {
            // Fit to drawing: corner brackets around a small profile.
            p.setPen(ink(2.2, kBlue));
            p.setBrush(Qt::NoBrush);
            const double lo = 4.5, hi = 27.5, l = 6;
            for (int corner = 0; corner < 4; ++corner) {
                const double x = corner % 2 ? hi : lo;
                const double y = corner / 2 ? hi : lo;
                const double sx = corner % 2 ? -1 : 1;
                const double sy = corner / 2 ? -1 : 1;
                QPolygonF bracket;
                bracket << QPointF(x, y + sy * l) << QPointF(x, y) << QPointF(x + sx * l, y);
                p.drawPolyline(bracket);
            }
            const QPointF a(9, 23), b(23, 9), m = (a + b) / 2.0;
            auto first = arcPoints(a, m, kPi / 2, +1);
            auto second = arcPoints(m, b, kPi / 2, -1);
            first.insert(first.end(), second.begin() + 1, second.end());
            p.setPen(ink(2.2));
            p.drawPolyline(QPolygonF(QList<QPointF>(first.begin(), first.end())));
            return;
        }
        magnifier(p);
        p.setPen(ink(2.2, kRed));
        if (kind == 0 || kind == 1)
            p.drawLine(QPointF(9, 13), QPointF(17, 13));
        if (kind == 1)
            p.drawLine(QPointF(13, 9), QPointF(13, 17));
        if (kind == 2) {
            QFont f(QStringLiteral("DejaVu Sans"));
            f.setPixelSize(8);
            f.setBold(true);
            p.setFont(f);
            p.setPen(kRed);
            p.drawText(QRectF(4, 4, 18, 18), Qt::AlignCenter, QStringLiteral("1:1"));
        }
    };
}

// ---- settings -------------------------------------------------------------

Painter gridIcon(int size)
{
    return [size](QPainter& p) {
        tile(p, size);
        const double step = (size - 8) / 4.0;
        p.setPen(QPen(kPale, 1));
        for (int i = 0; i <= 4; ++i) {
            const double v = 4 + step * i;
            p.drawLine(QPointF(v, 4), QPointF(v, size - 4));
            p.drawLine(QPointF(4, v), QPointF(size - 4, v));
        }
        for (int i = 0; i <= 4; ++i)
            for (int j = 0; j <= 4; ++j)
                dot(p, QPointF(4 + step * i, 4 + step * j), 1.2, kInk);
        // A point snapped onto a grid crossing.
        const QPointF snap(4 + step * 3, 4 + step * 1);
        p.setPen(ink(1.6, kRed));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(snap, 3.5, 3.5);
        p.drawLine(snap + QPointF(-6, 0), snap + QPointF(-4, 0));
        p.drawLine(snap + QPointF(4, 0), snap + QPointF(6, 0));
        p.drawLine(snap + QPointF(0, -6), snap + QPointF(0, -4));
        p.drawLine(snap + QPointF(0, 4), snap + QPointF(0, 6));
        // The pointer, pulled in from beside it.
        p.setPen(ink(1.4, kBlue));
        p.drawLine(QPointF(4 + step * 1.6, 4 + step * 2.6), snap + QPointF(-2.5, 2.5));
        arrowHead(p, snap + QPointF(-2.5, 2.5), QPointF(1, -1), 4, kBlue);
    };
}

Painter resolutionIcon(int size)
{
    return [size](QPainter& p) {
        tile(p, size);
        const double k = size / 32.0;
        const QPointF c(6 * k, 26 * k);
        const double r = 20 * k;
        // The true quarter circle, faint, and its resolution in straight segments.
        QPainterPath arc;
        arc.moveTo(c.x() + r, c.y());
        arc.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 0, 90);
        p.setPen(QPen(kBulge, 2.5 * k));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arc);
        QPolygonF poly;
        const int segments = 4;
        for (int i = 0; i <= segments; ++i) {
            const double t = kPi / 2 * i / segments;
            poly << QPointF(c.x() + r * std::cos(t), c.y() - r * std::sin(t));
        }
        p.setPen(ink(1.8 * k));
        p.drawPolyline(poly);
        for (const QPointF& v : poly)
            dot(p, v, 2.0 * k, kRed);
        p.setPen(QPen(kTileEdge, 1, Qt::DashLine));
        p.drawLine(c, QPointF(c.x() + r, c.y()));
        p.drawLine(c, QPointF(c.x(), c.y() - r));
    };
}

void label(QPainter& p, const QString& text, QRectF box)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(9);
    f.setBold(true);
    p.setFont(f);
    p.setPen(kInk);
    p.drawText(box, Qt::AlignCenter, text);
}

void englishIcon(QPainter& p)
{
    tile(p, 32);
    const QRectF flag(4, 4, 24, 16);
    for (int i = 0; i < 7; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 ? QColor(Qt::white) : kRed);
        p.drawRect(QRectF(flag.x(), flag.y() + i * flag.height() / 7, flag.width(), flag.height() / 7 + 0.2));
    }
    p.setBrush(QColor(0x1E, 0x3A, 0x8A));
    p.drawRect(QRectF(flag.x(), flag.y(), 11, 8.6));
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 2; ++j)
            dot(p, QPointF(flag.x() + 2.2 + i * 3.3, flag.y() + 2.3 + j * 4), 0.8, Qt::white);
    p.setPen(QPen(kTileEdge, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(flag);
    label(p, QStringLiteral("EN"), QRectF(0, 20, 32, 11));
}

void italianIcon(QPainter& p)
{
    tile(p, 32);
    const QRectF flag(4, 4, 24, 16);
    const QColor bands[3] = {QColor(0x00, 0x92, 0x46), Qt::white, QColor(0xCE, 0x2B, 0x37)};
    for (int i = 0; i < 3; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(bands[i]);
        p.drawRect(QRectF(flag.x() + i * 8, flag.y(), 8, flag.height()));
    }
    p.setPen(QPen(kTileEdge, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(flag);
    label(p, QStringLiteral("IT"), QRectF(0, 20, 32, 11));
}

// ---- mode, delete ---------------------------------------------------------

void pencil(QPainter& p, QPointF tip, double angleDeg, double length)
{
    p.save();
    p.translate(tip);
    p.rotate(-angleDeg);
    // Drawn along +x from the tip.
    QPolygonF point;
    point << QPointF(0, 0) << QPointF(6, -3) << QPointF(6, 3);
    p.setPen(ink(1.2));
    p.setBrush(QColor(0xF0, 0xD0, 0xA0));
    p.drawPolygon(point);
    dot(p, QPointF(1.2, 0), 1.1, kInk);
    p.setPen(ink(1.2));
    p.setBrush(QColor(0xF2, 0xC0, 0x30));
    p.drawRect(QRectF(6, -3, length - 10, 6));
    p.setBrush(QColor(0xE8, 0x90, 0xA0));
    p.drawRect(QRectF(length - 4, -3, 4, 6));
    p.restore();
}

void addModeIcon(QPainter& p)
{
    tile(p, 32);
    p.setPen(ink(2.0));
    p.drawLine(QPointF(4, 27), QPointF(13, 27));
    dot(p, QPointF(4, 27), 2.2, kRed);
    pencil(p, QPointF(13, 26), 45, 20);
    p.setPen(ink(2.6, kGreen));
    p.drawLine(QPointF(5, 9), QPointF(13, 9));
    p.drawLine(QPointF(9, 5), QPointF(9, 13));
}

void editModeIcon(QPainter& p)
{
    tile(p, 32, QColor(0xFF, 0xF0, 0xA8));
    // A selected element between the two blue edit-mode markers.
    const QPointF a(4, 22), b(20, 10);
    p.setPen(ink(2.4, kBlue));
    p.drawLine(a, b);
    dot(p, a, 2.6, kBlue);
    dot(p, b, 2.6, kBlue);
    pencil(p, QPointF(14, 27), 40, 18);
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2.5, 2.5, 27, 27), 3, 3);
}

void deleteIcon(QPainter& p)
{
    tile(p, 32);
    const QColor body(0x60, 0x68, 0x70);
    p.setPen(ink(1.6, body));
    p.setBrush(QColor(0xD8, 0xDC, 0xE0));
    QPolygonF bin;
    bin << QPointF(9, 10) << QPointF(23, 10) << QPointF(21.5, 28) << QPointF(10.5, 28);
    p.drawPolygon(bin);
    p.drawLine(QPointF(6.5, 8), QPointF(25.5, 8));
    p.drawRect(QRectF(13, 4.5, 6, 3.5));
    p.setPen(ink(1.2, body));
    for (double x : {13.0, 16.0, 19.0})
        p.drawLine(QPointF(x, 13), QPointF(x - (x - 16) * 0.1, 25));
    p.setPen(ink(2.6, kRed));
    p.drawLine(QPointF(17, 15), QPointF(28, 26));
    p.drawLine(QPointF(28, 15), QPointF(17, 26));
}

// ---- 3-D creation and capture ---------------------------------------------

// The moulding's cross-section, used by the extrusion and the capture icons:
// x from 0 to 1, y from 0 (bottom) to 1 (top), in screen orientation later.
QPolygonF sectionUnit()
{
    QPolygonF s;
    s << QPointF(0, 0) << QPointF(0, 1) << QPointF(0.35, 1) << QPointF(0.35, 0.85);
    for (int i = 0; i <= 10; ++i) {
        const double t = kPi / 2 * i / 10;
        // An ovolo from (0.35, 0.85) out to (0.75, 0.45).
        s << QPointF(0.35 + 0.4 * std::sin(t), 0.45 + 0.4 * std::cos(t));
    }
    s << QPointF(1.0, 0.45) << QPointF(1.0, 0.3) << QPointF(0.6, 0.3) << QPointF(0.6, 0);
    return s;
}

QPolygonF placed(const QPolygonF& unit, QPointF bottomLeft, double w, double h)
{
    QPolygonF out;
    for (const QPointF& q : unit)
        out << QPointF(bottomLeft.x() + q.x() * w, bottomLeft.y() - q.y() * h);
    return out;
}

void extrusion(QPainter& p, QPointF bottomLeft, double w, double h, QPointF depth, double pen)
{
    const QPolygonF front = placed(sectionUnit(), bottomLeft, w, h);
    const QPolygonF back = front.translated(depth);
    // The swept volume: the union of every side face and the back face,
    // filled in one colour and outlined along its silhouette.
    QPainterPath swept;
    swept.addPolygon(back);
    swept.closeSubpath();
    for (int i = 0; i < front.size(); ++i) {
        const int j = (i + 1) % front.size();
        QPolygonF face;
        face << front[i] << front[j] << back[j] << back[i];
        QPainterPath facePath;
        facePath.addPolygon(face);
        facePath.closeSubpath();
        swept = swept.united(facePath);
    }
    p.setPen(ink(pen));
    p.setBrush(QColor(0xB8, 0xCC, 0xE4));
    p.drawPath(swept);
    // The edges running back from the corners of the section.
    p.setPen(ink(pen * 0.7, QColor(0x50, 0x70, 0x90)));
    for (int i : {1, 2, 3, static_cast<int>(front.size()) - 4, static_cast<int>(front.size()) - 3})
        p.drawLine(front[i], back[i]);
    p.setPen(ink(pen));
    p.setBrush(kBulge);
    p.drawPolygon(front);
}

void extrudeIcon(QPainter& p)
{
    tile(p, 32);
    extrusion(p, QPointF(4, 28), 15, 15, QPointF(10, -10), 1.0);
}

void revolveIcon(QPainter& p)
{
    tile(p, 32);
    // A baluster turned about its vertical axis.
    QPainterPath body;
    body.moveTo(10, 26);
    body.cubicTo(4, 20, 14, 15, 12, 10);
    body.lineTo(12, 7);
    body.lineTo(20, 7);
    body.lineTo(20, 10);
    body.cubicTo(18, 15, 28, 20, 22, 26);
    body.closeSubpath();
    p.setPen(ink(1.4));
    p.setBrush(QColor(0xB8, 0xCC, 0xE4));
    p.drawPath(body);
    p.setBrush(kBulge);
    p.drawEllipse(QPointF(16, 7), 4, 1.6);
    p.setPen(QPen(kRed, 1, Qt::DashLine));
    p.drawLine(QPointF(16, 2), QPointF(16, 30));
    // The turn about the axis.
    p.setPen(ink(1.8, kBlue));
    p.setBrush(Qt::NoBrush);
    QPainterPath turn;
    turn.arcMoveTo(QRectF(5, 23, 22, 6), 200);
    turn.arcTo(QRectF(5, 23, 22, 6), 200, 300);
    p.drawPath(turn);
    const double e = (200 + 300) * kPi / 180;
    const QPointF tip(16 + 11 * std::cos(e), 26 - 3 * std::sin(e));
    arrowHead(p, tip, QPointF(-std::sin(e) * 11, -std::cos(e) * 3), 4.5, kBlue);
}

void profileCaptureIcon(QPainter& p)
{
    tile(p, 28);
    p.setPen(ink(1.6));
    p.setBrush(kBulge);
    p.drawPolygon(placed(sectionUnit(), QPointF(5, 23), 18, 18));
}

void pathCaptureIcon(QPainter& p)
{
    tile(p, 28);
    QPainterPath path;
    path.moveTo(4, 22);
    path.lineTo(10, 22);
    path.cubicTo(18, 22, 11, 7, 20, 7);
    path.lineTo(22, 7);
    p.setPen(ink(2.4, kBlue));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    arrowHead(p, QPointF(25.5, 7), QPointF(1, 0), 5, kBlue);
    dot(p, QPointF(4, 22), 2.4, kRed);
    dot(p, QPointF(10, 22), 1.6, kInk);
    dot(p, QPointF(20, 7), 1.6, kInk);
}

void applicationIcon(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, 64);
    sky.setColorAt(0, QColor(0x20, 0x60, 0xB0));
    sky.setColorAt(1, QColor(0x00, 0x30, 0x70));
    p.setPen(QPen(QColor(0x00, 0x20, 0x50), 1));
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(0.5, 0.5, 63, 63), 10, 10);
    // A faint millimetre grid.
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    for (int v = 8; v < 64; v += 8) {
        p.drawLine(QPointF(v + 0.5, 4), QPointF(v + 0.5, 60));
        p.drawLine(QPointF(4, v + 0.5), QPointF(60, v + 0.5));
    }
    extrusion(p, QPointF(8, 54), 28, 30, QPointF(20, -18), 1.4);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(30, 46, 31, 14), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("GDL"));
}

void drawingCursor(QPainter& p)
{
    // Seventeen pixels square; the middle pixel (8, 8) is the hot spot.
    auto arms = [&p](const QPen& pen) {
        p.setPen(pen);
        p.drawLine(QPointF(8.5, 0.5), QPointF(8.5, 5.5));
        p.drawLine(QPointF(8.5, 11.5), QPointF(8.5, 16.5));
        p.drawLine(QPointF(0.5, 8.5), QPointF(5.5, 8.5));
        p.drawLine(QPointF(11.5, 8.5), QPointF(16.5, 8.5));
    };
    p.setRenderHint(QPainter::Antialiasing, false);
    QPen halo(Qt::white, 3);
    halo.setCapStyle(Qt::SquareCap);
    arms(halo);
    arms(QPen(Qt::black, 1));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 7, 3, 3));
    p.setBrush(Qt::black);
    p.drawRect(QRectF(8, 8, 1, 1));
}

struct Picture {
    const char* name;
    int size;
    Painter paint;
};

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: iconmaker <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const std::vector<Picture> pictures = {
        {"forma1", 32, shapeIcon(0)},        // 168
        {"forma2", 32, shapeIcon(1)},        // 169
        {"forma3", 32, shapeIcon(2)},        // 170
        {"forma4", 32, shapeIcon(3)},        // 171
        {"forma5", 32, shapeIcon(4)},        // 172
        {"forma6", 32, shapeIcon(5)},        // 173
        {"tool1", 32, flipIcon(true)},       // 174
        {"tool2", 32, flipIcon(false)},      // 175
        {"tool3", 32, turnIcon(true)},       // 176
        {"tool4", 32, turnIcon(false)},      // 177
        {"zoom1", 32, zoomIcon(1)},          // 178
        {"zoom2", 32, zoomIcon(0)},          // 179
        {"zoom3", 32, zoomIcon(2)},          // 180
        {"zoom4", 32, zoomIcon(3)},          // 181
        {"bita", 32, italianIcon},           // 182
        {"busa", 32, englishIcon},           // 183
        {"setup2", 32, resolutionIcon(32)},  // 184
        {"setup1", 32, gridIcon(32)},        // 185
        {"edita1", 32, addModeIcon},         // 186
        {"edita2", 32, deleteIcon},          // 187
        {"edita1s", 32, editModeIcon},       // 188
        {"crea2", 32, revolveIcon},          // 189
        {"crea1", 32, extrudeIcon},          // 190
        {"export2", 28, pathCaptureIcon},    // 191
        {"export1", 28, profileCaptureIcon}, // 192
        {"icona64x64", 64, applicationIcon}, // 193
        {"cursor168", 17, drawingCursor},
    };
    int failures = 0;
    for (const Picture& picture : pictures) {
        QImage image = canvas(picture.size);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing, true);
            p.setRenderHint(QPainter::TextAntialiasing, true);
            picture.paint(p);
        }
        const QString path = out.filePath(QString::fromLatin1(picture.name) + QStringLiteral(".png"));
        if (!image.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
