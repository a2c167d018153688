// Pictures and drawing surfaces: what can and cannot reach the painter.
#include "platform/picture.h"
#include "platform/window.h"

#include <QColor>
#include <QPainter>
#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

bool allWhite(platform::Picture& pic)
{
    const QImage& image = pic.image();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)) != QColor(Qt::white))
                return false;
    return true;
}

// Draws one shape of every kind with a coordinate that is not a number.
void drawNonFinite(platform::Graphics& g, double bad)
{
    g.DrawLine(bad, 1, 10, 10);
    g.DrawString(QStringLiteral("X"), 5, bad);
    platform::CurveShape seg;
    seg.X2 = bad;
    g.DrawObject(seg, 2, 2);
    g.DrawObject(platform::CurveShape(), bad, 2);
    platform::ArcShape arc;
    arc.Width = 10;
    arc.Height = 10;
    arc.ArcAngle = bad;
    g.DrawObject(arc, 2, 2);
}

} // namespace

TEST(Picture, ShapesWithoutFiniteCoordinatesAreLeftOut)
{
    for (double bad : {kNaN, kInf, -kInf}) {
        platform::Picture pic(20, 20);
        drawNonFinite(pic.graphics(), bad);
        EXPECT_TRUE(allWhite(pic)) << bad;

        platform::Window w(platform::FrameKind::Document);
        drawNonFinite(w.graphics(), bad);
        EXPECT_TRUE(w.liveItems().empty()) << bad;
    }
}

// A start saturated at the Integer range still draws the part that shows.
TEST(Picture, SegmentFromTheEdgeOfTheIntegerRangeIsClipped)
{
    platform::Picture pic(20, 20);
    platform::CurveShape seg;
    seg.X2 = -4e9;
    seg.BorderColor = Qt::black;
    pic.graphics().DrawObject(seg, INT_MAX, 5);
    EXPECT_EQ(QColor(pic.pixel(10, 5)), QColor(Qt::black));
    EXPECT_EQ(QColor(pic.pixel(10, 6)), QColor(Qt::white));
}

namespace {

// Items in an order that changes pen, width and kind in every way: runs of
// one colour, a colour coming back, a wide pen between hairlines, text and
// shapes without a border in between.
void drawMixedItems(platform::Graphics& g)
{
    const QColor teal = platform::hsv(0.5, 0.3, 0.65), violet = platform::hsv(0.75, 0.4, 0.7);
    platform::CurveShape seg;
    for (int i = 0; i < 6; ++i) {
        seg.BorderColor = i % 3 == 2 ? violet : teal;
        seg.X2 = 7.5;
        seg.Y2 = i - 2.5;
        g.DrawObject(seg, 3 + 4 * i, 8);
    }
    g.ForeColor = teal;
    g.PenWidth = g.PenHeight = 3;
    g.DrawLine(2, 30, 40, 34);
    g.PenWidth = g.PenHeight = 1;
    g.DrawLine(2, 36, 40, 36);
    g.DrawString(QStringLiteral("X"), 4, 50);
    g.DrawLine(2, 52, 40, 58);
    platform::ArcShape arc;
    arc.Width = arc.Height = 14;
    arc.ArcAngle = 4.0;
    arc.FillColor = violet;
    g.DrawObject(arc, 20, 40);
    platform::ArcShape patch; // filled, without a border
    patch.Width = patch.Height = 10;
    patch.ArcAngle = 2 * M_PI;
    patch.FillColor = teal;
    g.DrawObject(patch, 44, 4);
    g.ForeColor = Qt::black; // the colour a painter's "no pen" has
    g.DrawLine(44, 20, 58, 2);
    platform::ArcShape framed; // bordered with the line's pen
    framed.Width = framed.Height = 16;
    framed.ArcAngle = 2 * M_PI;
    framed.Border = 100.0;
    framed.BorderColor = Qt::black;
    framed.FillColor = violet;
    g.DrawObject(framed, 42, 30);
    g.DrawLine(44, 50, 58, 58);
}

// The same items painted the plain way, with a pen made for each.
QImage paintedOneByOne(const std::vector<platform::DrawItem>& items)
{
    QImage image(60, 60, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const platform::DrawItem& item : items) {
        QPen pen(item.color);
        pen.setWidthF(item.width);
        painter.setPen(item.bordered ? pen : QPen(Qt::NoPen));
        painter.setBrush(item.filled ? QBrush(item.fillColor) : QBrush(Qt::NoBrush));
        const QRectF box(item.p1, item.p2);
        const int start = static_cast<int>(std::lround(item.startAngle * 180.0 / M_PI * 16.0));
        const int span = static_cast<int>(std::lround(item.arcAngle * 180.0 / M_PI * 16.0));
        switch (item.kind) {
        case platform::DrawItem::Kind::Segment: painter.drawLine(item.p1, item.p2); break;
        case platform::DrawItem::Kind::Text:
            painter.setFont(*item.font);
            painter.drawText(item.p1, item.text);
            break;
        case platform::DrawItem::Kind::Arc: painter.drawPie(box, start, span); break;
        }
    }
    painter.end();
    return image;
}

} // namespace

// The painter keeps its pen from one item to the next where they share it;
// the pixels are those of items painted each with a pen of its own.
TEST(Picture, KeepingThePenBetweenItemsPaintsTheSamePixels)
{
    std::vector<platform::DrawItem> items;
    platform::Graphics recorder([&](const platform::DrawItem& item) { items.push_back(item); });
    drawMixedItems(recorder);
    platform::Picture pic(60, 60);
    drawMixedItems(pic.graphics());

    const QImage expected = paintedOneByOne(items);
    ASSERT_EQ(pic.image().size(), expected.size());
    int differing = 0, drawn = 0;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            differing += pic.image().pixel(x, y) != expected.pixel(x, y);
            drawn += expected.pixel(x, y) != QColor(Qt::white).rgb();
        }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(drawn, 400);
}
