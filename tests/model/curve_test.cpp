// Element drawing: tick, plan shadow and element, and the points of every
// curve kind, read from the main window's live segments.
#include "model_fixture.h"

using Curves = ModelTest;
using testsupport::Segment;

namespace {

const QColor kRed = platform::hsv(0, 1, 1);
const QColor kViolet = platform::hsv(0.75, 0.4, 0.7);

void expectNear(double x, double y, double ex, double ey, const char* what)
{
    EXPECT_NEAR(x, ex, 0.01) << what;
    EXPECT_NEAR(y, ey, 0.01) << what;
}

// A segment is drawn from its truncated start over its exact extent, so the
// exact curve points are the first start plus the extents summed up.
std::vector<QPointF> pointsOf(const std::vector<Segment>& segs, double x0, double y0)
{
    std::vector<QPointF> pts{QPointF(x0, y0)};
    for (const Segment& s : segs)
        pts.push_back(pts.back() + QPointF(s.x2 - s.x1, s.y2 - s.y1));
    return pts;
}

} // namespace

TEST_F(Curves, SegmentCountsOfEveryKind)
{
    struct Case {
        int kind;
        size_t flat, raised;
    };
    // Raised: the tick, the shadow and the element.
    const Case cases[] = {
        {0, 1, 3},  {6, 1, 3},   {1, 16, 33}, {7, 16, 33},  {2, 8, 17},   {3, 8, 17}, {8, 8, 17},
        {9, 8, 17}, {4, 16, 33}, {5, 16, 33}, {10, 16, 33}, {11, 16, 33}, {12, 0, 1}, {-1, 0, 1},
    };
    for (const Case& c : cases) {
        setCurrent(c.kind, 0, 0, 100, 50);
        Geometria::disegna_cosa(c.kind);
        EXPECT_EQ(live().size(), c.flat) << c.kind;
        EXPECT_FALSE(Geometria::archiaro);
        setCurrent(c.kind, 0, 0, 100, 50, 0, 10);
        Geometria::disegna_cosa(c.kind);
        EXPECT_EQ(live().size(), c.raised) << c.kind;
        EXPECT_TRUE(allFinite(live()));
    }
    // The current element's own kind is not what is drawn.
    setCurrent(1, 0, 0, 100, 50);
    Geometria::disegna_cosa(0);
    EXPECT_EQ(live().size(), 1u);
}

TEST_F(Curves, RaisedElementDrawsTickThenShadowThenElement)
{
    Geometria::origx = Geometria::origy = 0;
    setCurrent(0, 10, -20, 30, -40, 5, 5);
    Geometria::disegna_cosa(0);
    const auto s = live();
    ASSERT_EQ(s.size(), 3u);
    const Segment expected[] = {{40, 60, 50, 50, kViolet}, {10, 20, 40, 60, kViolet}, {15, 15, 50, 50, kRed}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(s[i].x1, expected[i].x1) << i;
        EXPECT_EQ(s[i].y1, expected[i].y1) << i;
        EXPECT_EQ(s[i].x2, expected[i].x2) << i;
        EXPECT_EQ(s[i].y2, expected[i].y2) << i;
        EXPECT_EQ(s[i].color, expected[i].color) << i;
    }
    // Each drawing starts over a refreshed window.
    Geometria::disegna_cosa(0);
    EXPECT_EQ(live().size(), 3u);
}

TEST_F(Curves, PointsOfTheCircularCurves)
{
    Geometria::origx = Geometria::origy = 0;
    struct Case {
        int kind;
        size_t mid;
        double mx, my;
    };
    // Chord from pixel (0, 0) to (100, 0); the middle point of each curve.
    const Case cases[] = {
        {1, 8, 50, 50},      // half circle bulging right of the travel (down on screen)
        {7, 8, 50, -50},     // and left
        {2, 4, 50, 20.7107}, // quarter circle, centre (50, -50)
        {3, 4, 50, -20.7107},
    };
    for (const Case& c : cases) {
        setCurrent(c.kind, 0, 0, 100, 0);
        Geometria::disegna_cosa(c.kind);
        const auto s = live();
        ASSERT_EQ(s.size(), 2 * c.mid) << c.kind;
        const auto p = pointsOf(s, 0, 0);
        expectNear(s.front().x1, s.front().y1, 0, 0, "start");
        expectNear(p[c.mid].x(), p[c.mid].y(), c.mx, c.my, "middle");
        expectNear(p.back().x(), p.back().y(), 100, 0, "end");
        // Each segment starts on the truncated pixel of its exact point.
        for (size_t i = 1; i < s.size(); ++i) {
            EXPECT_EQ(s[i].x1, std::trunc(p[i].x()));
            EXPECT_EQ(s[i].y1, std::trunc(p[i].y()));
        }
    }
}

TEST_F(Curves, PointsOfTheQuarterEllipses)
{
    Geometria::origx = Geometria::origy = 0;
    // Chord from (0, 0) to (100, -50) on screen: right and up.
    struct Case {
        int kind;
        double mx, my, firstDy;
    };
    const Case cases[] = {
        {8, 70.7107, -14.6447, -0.96}, // centre (0, -50): leaves horizontally, bulges right
        {9, 29.2893, -35.3553, -9.75}, // centre (100, 0): leaves vertically, bulges left
    };
    for (const Case& c : cases) {
        setCurrent(c.kind, 0, 0, 100, 50);
        Geometria::disegna_cosa(c.kind);
        const auto s = live();
        ASSERT_EQ(s.size(), 8u);
        const auto p = pointsOf(s, 0, 0);
        expectNear(p[4].x(), p[4].y(), c.mx, c.my, "middle");
        expectNear(p.back().x(), p.back().y(), 100, -50, "end");
        EXPECT_NEAR(p[1].y(), c.firstDy, 0.05);
    }
    // Chords in the other three quadrants end where they should too.
    for (QPointF d : {QPointF(-60, 30), QPointF(-60, -30), QPointF(60, -30)}) {
        setCurrent(8, 0, 0, d.x(), d.y());
        Geometria::disegna_cosa(8);
        const auto p = pointsOf(live(), 0, 0);
        expectNear(p.back().x(), p.back().y(), d.x(), -d.y(), "end");
    }
}

TEST_F(Curves, DoubleCurveHalvesMeetAtTheMidpointWithTruncatedJointHeight)
{
    Geometria::origx = Geometria::origy = 0;
    for (int kind : {4, 5, 10, 11}) {
        setCurrent(kind, 0, 0, 100, 40, 0, 7);
        Geometria::disegna_cosa(kind);
        const auto all = live();
        ASSERT_EQ(all.size(), 33u) << kind;
        const std::vector<Segment> s(all.end() - 16, all.end());
        const auto p = pointsOf(s, 0, 0);
        // The joint sits at the chord's middle (50, -20) raised by 3, not 3.5.
        expectNear(p[8].x(), p[8].y(), 53, -23, "joint");
        expectNear(p.back().x(), p.back().y(), 107, -47, "end");
        EXPECT_EQ(s[0].color, kRed);
        EXPECT_EQ(all[1].color, kViolet);
    }
    // The straight double curve bulges right first, the reversed one left.
    setCurrent(4, 0, 0, 100, 0);
    Geometria::disegna_cosa(4);
    EXPECT_GT(live()[3].y2, 0.0);
    setCurrent(5, 0, 0, 100, 0);
    Geometria::disegna_cosa(5);
    EXPECT_LT(live()[3].y2, 0.0);
}

TEST_F(Curves, ZeroChordCircularCurvesDrawNothingAndStayFinite)
{
    // Start and end on the same pixel: no direction, so no curve and no NaN.
    for (int kind : {1, 2, 3, 4, 5, 7}) {
        setCurrent(kind, 10, 10, 0, 0);
        Geometria::disegna_cosa(kind);
        EXPECT_TRUE(live().empty()) << kind;
        setCurrent(kind, 10, 10, 0.3, -0.4); // smaller than a pixel
        Geometria::disegna_cosa(kind);
        EXPECT_TRUE(live().empty()) << kind;
        setCurrent(kind, 10, 10, 0, 0, 0, 6); // only the tick shows
        Geometria::disegna_cosa(kind);
        EXPECT_EQ(live().size(), 1u) << kind;
        EXPECT_TRUE(allFinite(live()));
        Geometria::gri_aggiungipict = true;
        Geometria::dis_arco_90(5, 5, 5, 5, 0, 3, 7);
        Geometria::dis_arco_180(5, 5, 5, 5, 0, 3, 1);
        Geometria::gri_aggiungipict = false;
        EXPECT_TRUE(allFinite(live()));
    }
}

TEST_F(Curves, FlatEllipsesUnknownKindsAndNoResolution)
{
    setCurrent(8, 0, 0, 100, 0, 0, 5);
    Geometria::disegna_cosa(8);
    ASSERT_EQ(live().size(), 1u); // the tick alone
    EXPECT_EQ(live()[0].color, kViolet);
    setCurrent(10, 0, 0, 0.5, 40); // X1 = X2 at zoom 1
    Geometria::disegna_cosa(10);
    EXPECT_TRUE(live().empty());
    setCurrent(12, 0, 0, 100, 40);
    Geometria::disegna_cosa(12);
    EXPECT_TRUE(live().empty());

    Forme::risoluzione = 0;
    for (int kind : {1, 2, 4, 8, 11}) {
        setCurrent(kind, 0, 0, 100, 40);
        Geometria::disegna_cosa(kind);
        EXPECT_TRUE(live().empty()) << kind;
    }
    Forme::risoluzione = 3;
    setCurrent(1, 0, 0, 100, 40);
    Geometria::disegna_cosa(1);
    EXPECT_EQ(live().size(), 6u);
}

TEST_F(Curves, MeasuringDrawsNothingAndTakesTickAndShadowEnds)
{
    Geometria::calc_zoom = true;
    Geometria::zxmin = Geometria::zymin = Geometria::zxmax = Geometria::zymax = 0.0;
    setCurrent(7, 0, 0, 100, 0, 0, 20);
    Geometria::disegna_cosa(7);
    EXPECT_TRUE(live().empty());
    // The tick ends at (120, 20) mm; the raised half circle reaches y = 50 + 10.
    EXPECT_NEAR(Geometria::zxmax, 120, 0.01);
    EXPECT_NEAR(Geometria::zymax, 60, 0.5);
    EXPECT_NEAR(Geometria::zxmin, 0, 0.01);
    EXPECT_NEAR(Geometria::zymin, 0, 0.01);
}

TEST_F(Curves, MidpointRegistersHoldTheLastSegmentStart)
{
    Geometria::origx = Geometria::origy = 0;
    // Drawn: the exact start of the last segment, not its truncated pixel.
    for (int kind : {1, 4, 8}) {
        setCurrent(kind, 0, 0, 100, 37);
        Geometria::disegna_cosa(kind);
        const auto s = live();
        const auto p = pointsOf(s, 0, 0);
        EXPECT_NEAR(Geometria::x_geom, p[s.size() - 1].x(), 1e-3) << kind;
        EXPECT_NEAR(Geometria::y_geom, p[s.size() - 1].y(), 1e-3) << kind;
        EXPECT_EQ(std::trunc(Geometria::x_geom), s.back().x1) << kind;
        EXPECT_EQ(std::trunc(Geometria::y_geom), s.back().y1) << kind;
        EXPECT_NE(Geometria::x_geom, s.back().x1) << kind;
    }
    // Measured: only the midpoint of the chord, for the curves that take one.
    Geometria::calc_zoom = true;
    struct Case {
        int kind;
        double x, y;
    };
    for (const Case& c : {Case{1, 50, -20}, Case{5, 50, -20}, Case{11, 50, -20}, Case{2, -7, -7}, Case{0, -7, -7}}) {
        Geometria::x_geom = Geometria::y_geom = -7;
        setCurrent(c.kind, 0, 0, 100, 40);
        Geometria::disegna_cosa(c.kind);
        EXPECT_EQ(Geometria::x_geom, c.x) << c.kind;
        EXPECT_EQ(Geometria::y_geom, c.y) << c.kind;
    }
    // A half circle without a chord draws nothing and leaves its midpoint.
    Geometria::calc_zoom = false;
    setCurrent(1, 10, 10, 0, 0);
    Geometria::disegna_cosa(1);
    EXPECT_TRUE(live().empty());
    EXPECT_EQ(Geometria::x_geom, 10);
    EXPECT_EQ(Geometria::y_geom, -10);
}
