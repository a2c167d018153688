// The point lines of both formats and the dispatch of an element to its
// points: how many points each kind hands over, their statuses, and the
// cases that have no shape (a chord of no length, a resolution below 1).
#include "gdl_fixture.h"

using namespace gdltest;
namespace ex = esportazione;

namespace {

struct PointCase {
    const char* name;
    int format; // 0 profile, 1 path, other: none
    int solid;  // 0 TUBE, 1 REVOLVE
    double virtualEdges, offsetX, offsetY;
    bool firstPoint;
    double x, y, z;
    int stato;
    const char* text;
    bool kept;
};

class PointLine : public GdlTest, public ::testing::WithParamInterface<PointCase> {};

TEST_P(PointLine, AppendsTheLineOrLeavesThePointOut)
{
    const PointCase& c = GetParam();
    startPoints(c.format, c.solid);
    ex::daticreatred[9] = c.virtualEdges;
    ex::daticreatred[16] = c.offsetX;
    ex::daticreatred[17] = c.offsetY;
    gen().masaltaprimo = c.firstPoint;
    gen().taggiungi_punto(c.x, c.y, c.z, c.stato);
    EXPECT_EQ(ex::esportastringa, c.text);
    EXPECT_EQ(gen().nonsaltaultimo, c.kept);
}

const PointCase kPointCases[] = {
    {"ProfilePoint", 0, 0, 1, 0, 0, false, 0.2, 0.1, 0, 1, ",\r0.2, 0.1, 1", true},
    {"VirtualEdgesWriteStatus0", 0, 0, 2, 0, 0, false, 0.2, 0.1, 0, 1, ",\r0.2, 0.1, 0", true},
    {"NegativeAndNegativeZero", 0, 0, 1, 0, 0, false, -0.0, -0.25, 0, 0, ",\r0, -0.25, 0", true},
    {"PathPoint", 1, 0, 1, 0, 0, false, 1.5, 0, 0.25, 1, ",\r   1.5, 0, 0.25, 0", true},
    {"PathPointTakesNoOffset", 1, 0, 1, 250, 125, false, 1.5, -2, 0.25, 0, ",\r   1.5, -2, 0.25, 0", true},
    {"TubeOffsetsUnscaledMillimetres", 0, 0, 1, 250, 125, false, 0.5, 0.25, 0, 0, ",\r0.75, 0.375, 0", true},
    {"RevolveOffsetsExchanged", 0, 1, 1, 250, 125, false, 0.5, 0.25, 0, 0, ",\r0.625, 0.5, 0", true},
    {"TubeOriginShifted", 0, 0, 1, 250, 125, true, 0, 0, 0, 0, ",\r0.25, 0.125, 0", true},
    {"TubeNeverLeavesOut", 0, 0, 1, 0, 0, false, 0, 0, 0, 0, ",\r0, 0, 0", true},
    {"RevolveKeepsItsFirstPoint", 0, 1, 1, 0, 0, true, 0, 0, 0, 0, ",\r0, 0, 0", true},
    {"RevolveLeavesOutTheOrigin", 0, 1, 1, 0, 0, false, 0, 0, 0, 1, "", false},
    {"RevolveNegativeOffsetLeavesOut", 0, 1, 1, -250, 0, false, 0, 0, 0, 1, "", false},
    {"RevolvePositiveOffsetKeeps", 0, 1, 1, 250, 0, false, 0, 0, 0, 1, ",\r0, 0.25, 1", true},
    {"RevolveKeepsOtherPoints", 0, 1, 1, 0, 0, false, 0, 0.5, 0, 1, ",\r0, 0.5, 1", true},
    {"UnknownFormatWritesNothing", 2, 0, 1, 0, 0, false, 0.2, 0.1, 0, 1, "", true},
};

INSTANTIATE_TEST_SUITE_P(Formats, PointLine, ::testing::ValuesIn(kPointCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GdlTest, PathPointIsKeptAsTheLastPathPoint)
{
    startPoints(1);
    gen().taggiungi_punto(1.5, 0, 0.25, 0);
    gen().taggiungi_punto(-0.5, 2, 0.75, 0);
    EXPECT_EQ(gen().lastx, -0.5);
    EXPECT_EQ(gen().lasty, 2);
    EXPECT_EQ(gen().lastz, 0.75);
    // A profile point leaves the last path point alone.
    gen().qualetestocontrol = 0;
    gen().taggiungi_punto(3, 3, 0, 0);
    EXPECT_EQ(gen().lastx, -0.5);
}

TEST_F(GdlTest, LeftOutPointIsReportedUntilTheNextCall)
{
    startPoints(0, 1);
    gen().taggiungi_punto(0, 0, 0, 0);
    EXPECT_FALSE(gen().nonsaltaultimo);
    gen().taggiungi_punto(0.1, 0, 0, 0);
    EXPECT_TRUE(gen().nonsaltaultimo);
    EXPECT_EQ(ex::esportastringa, ",\r0.1, 0, 0");
}

struct CountCase {
    const char* name;
    int kind;
    double dx, dy;
    int count;
};

class ElementCount : public GdlTest, public ::testing::WithParamInterface<CountCase> {};

// Resolution 8: every kind hands over its points, inner ones with status 1
// and the end point, exactly (x2, y2), with the status it was given.
TEST_P(ElementCount, AtResolution8)
{
    const CountCase& c = GetParam();
    resolution() = 8;
    for (int stato : {0, 1}) {
        startPoints(0);
        setCurrent(0.25, 0.5, c.dx, c.dy);
        EXPECT_EQ(gen().testocrea_cosa(c.kind, stato), c.count);
        const auto lines = pointLines(ex::esportastringa);
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(c.count));
        if (c.count == 0)
            continue;
        for (std::size_t i = 0; i + 1 < lines.size(); ++i)
            EXPECT_EQ(lines[i][2], 1.0) << "inner point " << i;
        EXPECT_EQ(lines.back()[0], 0.25 + c.dx);
        EXPECT_EQ(lines.back()[1], 0.5 + c.dy);
        EXPECT_EQ(lines.back()[2], stato);
    }
}

const CountCase kCountCases[] = {
    {"Listello", listello, 0.1, 0.05, 1},
    {"ListelloInverso", listello_inverso, 0.1, 0.05, 1},
    {"Toro", toro, 0.1, 0.05, 16},
    {"ToroInverso", toro_inverso, 0.1, 0.05, 16},
    {"Ovolo", ovolo, 0.1, 0.05, 8},
    {"Cavetto", cavetto, 0.1, 0.05, 8},
    {"OvoloEllittico", ovolo_ellittico, 0.1, 0.05, 8},
    {"CavettoEllittico", cavetto_ellittico, 0.1, 0.05, 8},
    {"GolaDiritta", gola_diritta, 0.1, 0.05, 16},
    {"GolaRovescia", gola_rovescia, 0.1, 0.05, 16},
    {"GolaDirittaEllittica", gola_diritta_ellittica, 0.1, 0.05, 16},
    {"GolaRovesciaEllittica", gola_rovescia_ellittica, 0.1, 0.05, 16},
    {"FlatOvoloEllittico", ovolo_ellittico, 0.1, 0, 1},
    {"FlatCavettoEllittico", cavetto_ellittico, 0, 0.05, 1},
    {"FlatGolaDirittaEllittica", gola_diritta_ellittica, 0, 0.05, 2},
    {"FlatGolaRovesciaEllittica", gola_rovescia_ellittica, 0.1, 0, 2},
    {"ZeroChordToro", toro, 0, 0, 16},
    {"ZeroChordOvolo", ovolo, 0, 0, 8},
    {"ZeroChordGolaRovescia", gola_rovescia, 0, 0, 16},
    {"Kind12", 12, 0.1, 0.05, 0},
    {"KindMinus1", -1, 0.1, 0.05, 0},
};

INSTANTIATE_TEST_SUITE_P(Kinds, ElementCount, ::testing::ValuesIn(kCountCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A circular element whose start equals its end has no chord direction: its
// inner points lie on its end point, with the heights running evenly from
// its start height to its end height.
class ZeroChord : public GdlTest, public ::testing::WithParamInterface<int> {};

TEST_P(ZeroChord, InnerPointsLieOnTheEndPoint)
{
    const int kind = GetParam();
    resolution() = 4;
    startPoints(1);
    setCurrent(0.3, 0.2, 0, 0, 0.1, 0.8);
    const int n = gen().testocrea_cosa(kind, 0);
    const auto lines = pointLines(ex::esportastringa);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(n));
    ASSERT_EQ(n, kind == ovolo || kind == cavetto ? 4 : 8);
    for (int i = 0; i < n; ++i) {
        EXPECT_EQ(lines[i][0], 0.3) << i;
        EXPECT_EQ(lines[i][1], 0.2) << i;
        EXPECT_NEAR(lines[i][2], 0.1 + 0.8 * (i + 1) / n, 1e-12) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(CircularKinds, ZeroChord,
                         ::testing::Values(toro, toro_inverso, ovolo, cavetto, gola_diritta, gola_rovescia));

// A resolution below 1 is written as resolution 1, point for point.
class LowResolution : public GdlTest, public ::testing::WithParamInterface<std::tuple<int, int>> {};

TEST_P(LowResolution, CountsAsOne)
{
    // Plain variables, not a structured binding: the lambda captures `kind`.
    const int kind = std::get<0>(GetParam());
    const int r = std::get<1>(GetParam());
    auto written = [&](int res) {
        resolution() = res;
        startPoints(1);
        setCurrent(0.1, 0.2, 0.3, -0.4, 0, 0.5);
        const int n = gen().testocrea_cosa(kind, 0);
        EXPECT_EQ(static_cast<std::size_t>(n), pointLines(ex::esportastringa).size());
        return std::make_pair(n, ex::esportastringa);
    };
    const auto one = written(1);
    EXPECT_EQ(written(r), one);
    EXPECT_EQ(one.first, kind == listello ? 1 : (kind == ovolo || kind == ovolo_ellittico) ? 1 : 2);
}

INSTANTIATE_TEST_SUITE_P(Kinds, LowResolution,
                         ::testing::Combine(::testing::Values(listello, toro, ovolo, ovolo_ellittico, gola_rovescia,
                                                              gola_diritta_ellittica),
                                            ::testing::Values(0, -3)));

} // namespace
