// Whole statements read back: the option masks of both solids, and chains
// of every kind, written at several resolutions, that must come out as
// well-formed statements whose heads count the lines that follow.
#include "gdl_fixture.h"

#include <algorithm>

using namespace gdltest;
namespace ex = esportazione;

namespace {

struct MaskCase {
    bool solid, structured, closed;
    long tube, revolve;
};

class OptionMask : public GdlTest, public ::testing::WithParamInterface<MaskCase> {};

TEST_P(OptionMask, OfBothSolids)
{
    const MaskCase& c = GetParam();
    ex::daticreatred[6] = c.solid ? 2 : 1;
    ex::daticreatred[7] = c.structured ? 2 : 1;
    ex::daticreatred[8] = c.closed ? 2 : 1;
    setProfile({{listello, 100, 0}});
    setPath({{listello, 0, 100}});
    Statement st;
    ASSERT_TRUE(readStatement(write(0), st));
    EXPECT_EQ(st.head[2], c.tube);
    ASSERT_TRUE(readStatement(write(1), st));
    EXPECT_EQ(st.head[2], c.revolve);
}

const MaskCase kMasks[] = {
    {false, false, false, 48, 48}, {true, false, false, 51, 63}, {false, true, false, 112, 112},
    {true, true, false, 115, 127}, {false, false, true, 0, 0},   {true, false, true, 3, 15},
    {false, true, true, 64, 64},   {true, true, true, 67, 79},
};

INSTANTIATE_TEST_SUITE_P(Options, OptionMask, ::testing::ValuesIn(kMasks));

// Chains holding every kind, curves without a chord, a flat elliptical
// double curve, a kind that writes nothing, and a path that begins and ends
// with elements that only rise.
class EveryKind : public GdlTest, public ::testing::WithParamInterface<std::tuple<int, int>> {
protected:
    void SetUp() override
    {
        GdlTest::SetUp();
        setProfile({{listello, 100, 0},
                    {toro, 0, 80},
                    {ovolo, 50, 50},
                    {cavetto, 50, -30},
                    {gola_diritta, 60, 40},
                    {gola_rovescia, -30, 60},
                    {listello_inverso, 0, 20},
                    {toro_inverso, 40, 0},
                    {ovolo_ellittico, 30, 70},
                    {cavetto_ellittico, -20, 35},
                    {gola_diritta_ellittica, 45, -25},
                    {gola_rovescia_ellittica, 25, 45},
                    {12, 10, 10},
                    {toro, 0, 0},
                    {gola_diritta_ellittica, 0, 40},
                    {ovolo, 0, 0}},
                   10, 5);
        setPath({{listello, 0, 0, 30},
                 {toro, 200, 0, 10},
                 {gola_rovescia_ellittica, 100, 100, 50},
                 {cavetto, -50, 80, -20},
                 {gola_diritta, 80, 0, 40},
                 {ovolo_ellittico, 0, 50, 10},
                 {listello, 0, 0, 30}});
        ex::Dati3d& s = ex::daticreatred;
        s[2] = 1.5;
        s[4] = 0.75;
        s[11] = 90;
        s[12] = 45.25;
        s[13] = 359;
        s[14] = 15;
        s[15] = 350.5;
        s[16] = 12.5;
        s[17] = -7;
    }
};

TEST_P(EveryKind, ReadsBackAsAWellFormedStatement)
{
    const auto [solid, resolution] = GetParam();
    ex::daticreatred[0] = ex::daticreatred[1] = resolution;
    const long r = std::max(resolution, 1);
    Statement st;
    ASSERT_TRUE(readStatement(write(solid), st)) << ex::esportastringa;
    EXPECT_EQ(st.solid, solid == 0 ? "TUBE" : "REVOLVE");
    // The origin, two straight lines, a flat double curve, and 19 quarters;
    // the revolution mirrors the profile first, which turns kind 12 into a
    // straight line.
    EXPECT_EQ(st.head[0], 1 + 4 + 19 * r + solid);
    if (solid == 0)
        EXPECT_EQ(st.head[1], 2 + 3 + 7 * r + 1);
    else
        EXPECT_EQ(st.head[1], 180);
}

INSTANTIATE_TEST_SUITE_P(SolidsAndResolutions, EveryKind,
                         ::testing::Combine(::testing::Values(0, 1), ::testing::Values(-2, 0, 1, 3, 8, 128)));

// The reader refuses what a sound statement never holds.
TEST_F(GdlTest, ReaderRefusesMalformedStatements)
{
    setProfile({{ovolo, 100, 100}});
    setPath({{listello, 100, 0}});
    const std::string good = write(0);
    Statement st;
    ASSERT_TRUE(readStatement(good, st));

    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    };
    EXPECT_FALSE(readStatement(replaced("TUBE 9,", "TUBE 10,"), st));
    EXPECT_FALSE(readStatement(replaced(", 4, 51", ", 5, 51"), st));
    EXPECT_FALSE(readStatement(replaced("   0.1, 0, 0, 0", "   1e-1, 0, 0, 0"), st));
    EXPECT_FALSE(readStatement(replaced("   0.1, 0, 0, 0", "   nan, 0, 0, 0"), st));
    EXPECT_FALSE(readStatement(replaced("   0.1, 0, 0, 0", "   0.1, 0, 0"), st));
    EXPECT_FALSE(readStatement(replaced("ROTX 0", "ROTX " + std::string(300, '1')), st));
    EXPECT_FALSE(readStatement(replaced("DEL TOP\r", "DEL TOP\r\n"), st));
    EXPECT_FALSE(readStatement(good.substr(0, good.size() - 1), st));
}

} // namespace
