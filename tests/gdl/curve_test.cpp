// The points of the curved elements in model space: the shape of each kind,
// the quarter ellipse's centre in every quadrant, and the heights of the
// double curves' joints.
#include "gdl_fixture.h"

#include <cmath>

using namespace gdltest;
namespace ex = esportazione;

namespace {

struct Pt {
    double x, y;
};

struct CurveCase {
    const char* name;
    int kind;
    double x1, y1, x2, y2;
    std::vector<Pt> inner;
};

class CurvePoints : public GdlTest, public ::testing::WithParamInterface<CurveCase> {};

// Resolution 2: the inner points (status 1) lie where the shape puts them,
// up to the error of the program's circle constants, and the end point is
// exactly the element's end.
TEST_P(CurvePoints, AtResolution2)
{
    const CurveCase& c = GetParam();
    resolution() = 2;
    startPoints(0);
    setCurrent(c.x1, c.y1, c.x2 - c.x1, c.y2 - c.y1);
    gen().testocrea_cosa(c.kind, 0);
    const auto lines = pointLines(ex::esportastringa);
    ASSERT_EQ(lines.size(), c.inner.size() + 1);
    for (std::size_t i = 0; i < c.inner.size(); ++i) {
        EXPECT_NEAR(lines[i][0], c.inner[i].x, 1e-3) << "point " << i;
        EXPECT_NEAR(lines[i][1], c.inner[i].y, 1e-3) << "point " << i;
        EXPECT_EQ(lines[i][2], 1.0) << "point " << i;
    }
    EXPECT_EQ(lines.back(), (std::vector<double>{c.x2, c.y2, 0.0}));
}

const CurveCase kCurveCases[] = {
    {"Toro", toro, 0, 0, 1, 0, {{0.146, -0.354}, {0.5, -0.5}, {0.854, -0.354}}},
    {"ToroInverso", toro_inverso, 0, 0, 1, 0, {{0.146, 0.354}, {0.5, 0.5}, {0.854, 0.354}}},
    {"ToroOnAVerticalChord", toro, 0, 0, 0, 1, {{0.354, 0.146}, {0.5, 0.5}, {0.354, 0.854}}},
    {"ToroLeftwards", toro, 1, 0, 0, 0, {{0.854, 0.354}, {0.5, 0.5}, {0.146, 0.354}}},
    {"Ovolo", ovolo, 0, 0, 1, 0, {{0.5, -0.207}}},
    {"Cavetto", cavetto, 0, 0, 1, 0, {{0.5, 0.207}}},
    {"OvoloEllittico", ovolo_ellittico, 0, 0, 2, 1, {{1.414, 0.293}}},
    {"CavettoEllittico", cavetto_ellittico, 0, 0, 2, 1, {{0.586, 0.707}}},
    {"OvoloEllitticoDownwards", ovolo_ellittico, 0, 0, 2, -1, {{0.586, -0.707}}},
    {"GolaDiritta", gola_diritta, 0, 0, 2, 0, {{0.5, -0.207}, {1, 0}, {1.5, 0.207}}},
    {"GolaRovescia", gola_rovescia, 0, 0, 2, 0, {{0.5, 0.207}, {1, 0}, {1.5, -0.207}}},
    {"GolaDirittaEllittica", gola_diritta_ellittica, 0, 0, 4, 2, {{1.414, 0.293}, {2, 1}, {2.586, 1.707}}},
    {"GolaRovesciaEllittica", gola_rovescia_ellittica, 0, 0, 4, 2, {{0.586, 0.707}, {2, 1}, {3.414, 1.293}}},
    {"FlatGolaDirittaEllittica", gola_diritta_ellittica, 0, 0, 4, 0, {{2, 0}}},
};

INSTANTIATE_TEST_SUITE_P(Kinds, CurvePoints, ::testing::ValuesIn(kCurveCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct QuadrantCase {
    const char* name;
    double dx, dy;
    Pt centreOvolo;   // ovolo_ellittico
    Pt centreCavetto; // cavetto_ellittico
};

class QuarterEllipse : public GdlTest, public ::testing::WithParamInterface<QuadrantCase> {};

// In each quadrant of the chord, the quarter ellipse runs from the start to
// the end on the ellipse about the expected corner of the chord's box: the
// corner on the left of travel for ovolo_ellittico (which bulges right),
// the other corner for cavetto_ellittico.
TEST_P(QuarterEllipse, CentreIsTheCornerOfTheChordsBox)
{
    const QuadrantCase& c = GetParam();
    const double a = std::abs(c.dx), b = std::abs(c.dy);
    for (const auto& [kind, centre] :
         {std::pair{ovolo_ellittico, c.centreOvolo}, std::pair{cavetto_ellittico, c.centreCavetto}}) {
        SCOPED_TRACE(kind);
        resolution() = 16;
        startPoints(0);
        setCurrent(0, 0, c.dx, c.dy);
        gen().testocrea_cosa(kind, 0);
        const auto lines = pointLines(ex::esportastringa);
        ASSERT_EQ(lines.size(), 16u);
        double lastDistance = 0.0;
        for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
            const double x = lines[i][0], y = lines[i][1];
            const double u = (x - centre.x) / a, v = (y - centre.y) / b;
            EXPECT_NEAR(u * u + v * v, 1.0, 1e-4) << "point " << i;
            EXPECT_LE(std::min(0.0, c.dx) - 1e-5, x);
            EXPECT_LE(x, std::max(0.0, c.dx) + 1e-5);
            EXPECT_LE(std::min(0.0, c.dy) - 1e-5, y);
            EXPECT_LE(y, std::max(0.0, c.dy) + 1e-5);
            // From the start towards the end.
            const double distance = std::hypot(x, y);
            EXPECT_GT(distance, lastDistance) << "point " << i;
            lastDistance = distance;
        }
    }
}

const QuadrantCase kQuadrants[] = {
    {"RightAndDown", 2, -1, {2, 0}, {0, -1}},
    {"LeftAndDown", -2, -1, {0, -1}, {-2, 0}},
    {"LeftAndUp", -2, 1, {-2, 0}, {0, 1}},
    {"RightAndUp", 2, 1, {0, 1}, {2, 0}},
};

INSTANTIATE_TEST_SUITE_P(Quadrants, QuarterEllipse, ::testing::ValuesIn(kQuadrants),
                         [](const auto& info) { return std::string(info.param.name); });

// The joint of a double curve lies at the chord's midpoint and at the exact
// middle height; the heights rise evenly over both halves.
class DoubleCurveJoint : public GdlTest, public ::testing::WithParamInterface<std::tuple<int, double>> {};

TEST_P(DoubleCurveJoint, AtTheMiddleHeight)
{
    const auto [kind, rise] = GetParam();
    resolution() = 8;
    startPoints(1);
    setCurrent(0, 0, 1, 0.5, 0.2, rise);
    ASSERT_EQ(gen().testocrea_cosa(kind, 0), 16);
    const auto lines = pointLines(ex::esportastringa);
    ASSERT_EQ(lines.size(), 16u);
    const auto& joint = lines[7];
    EXPECT_EQ(joint[0], 0.5);
    EXPECT_EQ(joint[1], 0.25);
    EXPECT_NEAR(joint[2], 0.2 + rise / 2, 1e-12);
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_NEAR(lines[i][2], 0.2 + rise * static_cast<double>(i + 1) / 16, 1e-12) << "point " << i;
}

INSTANTIATE_TEST_SUITE_P(Kinds, DoubleCurveJoint,
                         ::testing::Combine(::testing::Values(gola_diritta, gola_rovescia, gola_diritta_ellittica,
                                                              gola_rovescia_ellittica),
                                            ::testing::Values(2.6, 0.3, -1.7)));

TEST_F(GdlTest, JointOfADoubleCurveHasStatus1)
{
    resolution() = 8;
    startPoints(0);
    setCurrent(0, 0, 1, 0.5);
    gen().testocrea_cosa(gola_diritta, 0);
    const auto lines = pointLines(ex::esportastringa);
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[7], (std::vector<double>{0.5, 0.25, 1.0}));
}

} // namespace
