// The revolution statement: its framing, the reflected profile and its
// return, the points a revolution leaves out, and rows of kind 6.
#include "gdl_fixture.h"

using namespace gdltest;
namespace ex = esportazione;

namespace {

TEST_F(GdlTest, RevolveOfOneLine)
{
    setProfile({{listello, 200, 100}});
    EXPECT_EQ(write(1), "ROTX 0\rROTY -90+0\rROTZ 0\r"
                        "REVOLVE 2, 180, 63,\r"
                        "0, 0, 0,\r"
                        "0.1, 0.2, 0\r"
                        "DEL TOP\r");
}

TEST_F(GdlTest, RevolveTakesRotationsAngleScaleAndOffsets)
{
    ex::Dati3d& s = ex::daticreatred;
    s[10] = 90;
    s[11] = 5;
    s[12] = 15;
    s[13] = 25;
    s[2] = 0.5;
    s[16] = 250;
    s[17] = 125;
    setProfile({{listello, 500, 250}});
    EXPECT_EQ(write(1), "ROTX 5\rROTY -90+15\rROTZ 25\r"
                        "REVOLVE 2, 90, 63,\r"
                        "0.125, 0.25, 0,\r"
                        "0.25, 0.5, 0\r"
                        "DEL TOP\r");
}

struct LeaveOutCase {
    const char* name;
    std::vector<Step> profile;
    double offsetX, scale;
    long count;
};

class RevolveLeaveOut : public GdlTest, public ::testing::WithParamInterface<LeaveOutCase> {};

// Every point that falls on the axis origin after the first is left out,
// wherever it lies in the profile, and the head counts only the lines
// written.
TEST_P(RevolveLeaveOut, CountEqualsTheLinesWritten)
{
    const LeaveOutCase& c = GetParam();
    ex::daticreatred[16] = c.offsetX;
    ex::daticreatred[2] = c.scale;
    setProfile(c.profile);
    Statement st;
    ASSERT_TRUE(readStatement(write(1), st));
    EXPECT_EQ(st.head[0], c.count);
    // Only the first point may lie on the origin, unless the profile is
    // shifted off the axis.
    if (c.offsetX <= 0) {
        for (std::size_t i = 1; i < st.profile.size(); ++i)
            EXPECT_FALSE(st.profile[i][0] == 0 && st.profile[i][1] == 0) << "point " << i;
    }
}

const LeaveOutCase kLeaveOut[] = {
    {"NothingOnTheOrigin", {{listello, 100, 0}, {listello, 0, 100}}, 0, 1, 3},
    {"EndsOnTheOrigin", {{listello, 100, 0}, {listello, 0, 100}, {listello, -100, -100}}, 0, 1, 3},
    {"PassesThroughTheOrigin", {{listello, 100, 0}, {listello, -100, 0}, {listello, 0, 100}}, 0, 1, 3},
    {"PassesTwice", {{listello, 100, 0}, {listello, -100, 0}, {listello, 0, 100}, {listello, 0, -100}}, 0, 1, 3},
    {"CurveEndsOnTheOrigin", {{listello, 100, 0}, {ovolo, -100, 0}, {listello, 0, 100}}, 0, 1, 1 + 1 + 7 + 1},
    {"PositiveOffsetKeepsAll", {{listello, 100, 0}, {listello, -100, 0}, {listello, 0, 100}}, 10, 1, 4},
    {"NegativeOffsetStillLeavesOut", {{listello, 100, 0}, {listello, -100, 0}, {listello, 0, 100}}, -10, 1, 3},
    {"ScaleZeroLeavesOnlyTheOrigin", {{listello, 100, 0}, {toro, 0, 100}}, 0, 0, 1},
    {"ScaleZeroShiftedKeepsAll", {{listello, 100, 0}, {toro, 0, 100}}, 10, 0, 1 + 1 + 16},
};

INSTANTIATE_TEST_SUITE_P(Profiles, RevolveLeaveOut, ::testing::ValuesIn(kLeaveOut),
                         [](const auto& info) { return std::string(info.param.name); });

// Kind 6 is written as kind 0, and afterwards the stored row is kind 0.
TEST_F(GdlTest, RevolveProfileWithKind6)
{
    setProfile({{listello, 100, 50}, {ovolo, 50, 50}, {listello, 0, 100}});
    const std::string plain = write(1);
    setProfile({{listello_inverso, 100, 50}, {ovolo, 50, 50}, {listello_inverso, 0, 100}});
    EXPECT_EQ(write(1), plain);
    EXPECT_EQ(ex::sagoma(0, kKind), listello);
    EXPECT_EQ(ex::sagoma(2, kKind), listello);
    // The extrusion too writes kind 6 as a line.
    setPath({{listello, 100, 0}});
    const std::string tube6 = write(0);
    setProfile({{listello, 100, 50}, {ovolo, 50, 50}, {listello, 0, 100}});
    EXPECT_EQ(write(0), tube6);
}

// The profile comes back with its own deltas and kinds; its starts are
// re-chained from the first, and kinds without a mirror become lines.
TEST_F(GdlTest, RevolveGivesTheProfileBack)
{
    setProfile({{toro, 100, 0},
                {ovolo_ellittico, 30, -70},
                {gola_rovescia, -20.5, 40},
                {cavetto_ellittico, 10, 10},
                {12, 5, 5}},
               15, 25);
    ex::sagoma(2, kX0) = 999; // a start off the chain
    const auto before = ex::sagoma.rows();
    write(1);
    double x = 15, y = 25;
    for (int i = 0; i < ex::sago_q; ++i) {
        const ElementRow& r = ex::sagoma.row(i);
        const ElementRow& b = before[static_cast<std::size_t>(i)];
        EXPECT_EQ(r[kKind], i == 4 ? 0.0 : b[kKind]) << "row " << i;
        EXPECT_EQ(r[kDX], b[kDX]) << "row " << i;
        EXPECT_EQ(r[kDY], b[kDY]) << "row " << i;
        EXPECT_EQ(r[kX0], x) << "row " << i;
        EXPECT_EQ(r[kY0], y) << "row " << i;
        x += r[kDX];
        y += r[kDY];
    }
    EXPECT_FALSE(gen().masaltaprimo);
    EXPECT_EQ(gen().qualetestocontrol, 0);
    ASSERT_FALSE(window().progressi.empty());
    EXPECT_EQ(window().progressi.back(), 0);
}

TEST_F(GdlTest, RevolveWrittenTwiceIsTheSame)
{
    setProfile({{ovolo, 100, 100}, {gola_diritta_ellittica, -60, 80}, {listello_inverso, -40, -180}});
    const std::string first = write(1);
    EXPECT_EQ(write(1), first);
}

} // namespace
