// Projection, the segment routine with its colours, and measuring.
#include "model_fixture.h"

using Segments = ModelTest;
using testsupport::Segment;

TEST_F(Segments, ProjectionTruncatesEachTermOnItsOwn)
{
    Geometria::zmfct = 2.0;
    struct Case {
        double x, y, z;
        int px, py;
    };
    const Case cases[] = {
        {10.3, 5.0, 0.0, 420, 290},
        {10.3, 5.0, 1.9, 423, 287},  // Z = T(3.8) = 3
        {10.3, 5.0, -1.9, 417, 293}, // a negative height goes down and left
        {-0.3, -0.3, 0.0, 399, 300}, // truncation toward zero, not floor
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Geometria::pixel_x(c.x) + Geometria::pixel_z(c.z), c.px);
        EXPECT_EQ(Geometria::pixel_y(c.y) - Geometria::pixel_z(c.z), c.py);
        // The element drawing starts its first segment at the projected start.
        setCurrent(0, c.x, c.y, 20.0, 0.0, c.z, 0.0);
        Geometria::disegna_cosa(0);
        const auto segs = live();
        ASSERT_FALSE(segs.empty());
        EXPECT_EQ(segs.back().x1, c.px);
        EXPECT_EQ(segs.back().y1, c.py);
    }
}

TEST_F(Segments, EndPointIsProjectedFromStartPlusDelta)
{
    // At zoom 2, 0.3 mm is 0.6 pixel: start and delta alone each truncate
    // to 0, the end (0.3 + 0.3) * 2 = 1.2 to 1.
    Geometria::zmfct = 2.0;
    setCurrent(0, 0.3, 0.0, 0.3, 0.0);
    Geometria::disegna_cosa(0);
    ASSERT_EQ(live().size(), 1u);
    EXPECT_EQ(live()[0].x1, 400);
    EXPECT_EQ(live()[0].x2, 401);
}

TEST_F(Segments, MidpointDistanceAndTheStartLeftBehind)
{
    Geometria::punto_medio(0, 0, 3, 5);
    EXPECT_EQ(Geometria::x_geom, 1.5);
    EXPECT_EQ(Geometria::y_geom, 2.5);
    Geometria::dis_linea(7, 8, 9, 9);
    EXPECT_EQ(Geometria::x_geom, 7);
    EXPECT_EQ(Geometria::y_geom, 8);
    EXPECT_EQ(Geometria::distanza_2punti(1, 1, 4, 5), 5.0);
}

TEST_F(Segments, SegmentStartsOnTheTruncatedPixelWithExactExtent)
{
    Geometria::dis_linea(10.7, 20.2, 30.7, 20.2);
    const auto segs = live();
    ASSERT_EQ(segs.size(), 1u);
    EXPECT_EQ(segs[0].x1, 10);
    EXPECT_EQ(segs[0].y1, 20);
    EXPECT_DOUBLE_EQ(segs[0].x2, 30);
    EXPECT_DOUBLE_EQ(segs[0].y2, 20);
    EXPECT_EQ(Geometria::ultima_linea().Fill, 0.0);
    EXPECT_EQ(Geometria::ultima_linea().Border, 100.0);
    EXPECT_EQ(Geometria::ultima_linea().BorderWidth, 1.0);
}

TEST_F(Segments, ColourForEveryFlagCombination)
{
    struct Case {
        bool archiaro, successivi, pict;
        QColor color;
    };
    const QColor red = platform::hsv(0, 1, 1), black = platform::hsv(0, 0, 0);
    const QColor teal = platform::hsv(0.5, 0.3, 0.65), violet = platform::hsv(0.75, 0.4, 0.7);
    const QColor light = platform::hsv(0.75, 0.25, 1.0);
    const Case cases[] = {
        {false, false, false, red}, {false, false, true, black},  {false, true, false, teal},
        {false, true, true, teal},  {true, false, false, violet}, {true, false, true, violet},
        {true, true, false, light}, {true, true, true, light},
    };
    for (const Case& c : cases) {
        Geometria::archiaro = c.archiaro;
        Geometria::gri_successivi = c.successivi;
        Geometria::gri_aggiungipict = c.pict;
        schermo().Refresh();
        Geometria::dis_linea(100, 100, 200, 100);
        const auto segs = live();
        ASSERT_EQ(segs.size(), 1u);
        EXPECT_EQ(segs[0].color, c.color) << c.archiaro << c.successivi << c.pict;
    }
    EXPECT_NE(red, black);
    EXPECT_NE(violet, light);
}

TEST_F(Segments, BackdropGetsTheSameSegmentOnlyWhileFlagged)
{
    Geometria::dis_linea(100, 50, 200, 50);
    EXPECT_EQ(Geometria::griglia->pixel(150, 50), QColor(Qt::white).rgb());
    Geometria::gri_aggiungipict = true;
    Geometria::archiaro = true;
    Geometria::dis_linea(100, 60, 200, 60);
    const QColor violet = platform::hsv(0.75, 0.4, 0.7);
    EXPECT_EQ(live().back().color, violet);
    EXPECT_EQ(Geometria::griglia->pixel(150, 60), violet.rgb());
}

TEST_F(Segments, MeasuringGrowsTheBoxByEndPointsOnly)
{
    Geometria::origx = Geometria::origy = 100;
    Geometria::calc_zoom = true;
    Geometria::x_geom = Geometria::y_geom = -7;
    Geometria::dis_linea(50, 50, 150, 160);
    EXPECT_TRUE(live().empty());
    EXPECT_EQ(Geometria::zxmin, 0);
    EXPECT_EQ(Geometria::zxmax, 50);
    EXPECT_EQ(Geometria::zymin, -60);
    EXPECT_EQ(Geometria::zymax, 0);
    EXPECT_EQ(Geometria::x_geom, -7);

    // A view without a zoom measures nothing rather than infinities.
    Geometria::zmfct = 0.0;
    Geometria::dis_linea(0, 0, 500, 500);
    EXPECT_EQ(Geometria::zxmax, 50);
    EXPECT_TRUE(std::isfinite(Geometria::zxmin) && std::isfinite(Geometria::zymax));
}
