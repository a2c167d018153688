// Pictures and drawing surfaces: what can and cannot reach the painter.
#include "platform/picture.h"
#include "platform/window.h"

#include <QColor>
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
    g.FillRect(0, 0, bad, 10);
    g.DrawRect(bad, 0, 5, 5);
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
