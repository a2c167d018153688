// The extrusion statement: its framing, counts, direction points, scales and
// resolutions, read from the real "Create 3D" window.
#include "gdl_fixture.h"

using namespace gdltest;
namespace ex = esportazione;

namespace {

TEST_F(GdlTest, TubeOfOneLineAlongOneLine)
{
    setProfile({{listello, 200, 100}});
    setPath({{listello, 1000, 0}});
    EXPECT_EQ(write(0), "ROTX 0\rROTY 0\rROTZ 0\r"
                        "TUBE 2, 4, 51,\r"
                        "0, 0, 0,\r"
                        "0.2, 0.1, 0,\r"
                        "   COS(180+0),  SIN(180+0),  0, 0,\r"
                        "   0, 0, 0, 0,\r"
                        "   1, 0, 0, 0,\r"
                        "   1+COS(0+0), 0+SIN(0+0), 0, 0\r"
                        "DEL TOP\r");
}

// Rotations, the path's extra angles, both scales from the window's fields
// and the profile offsets, which are not scaled.
TEST_F(GdlTest, TubeTakesRotationsAnglesScalesAndOffsets)
{
    ex::Dati3d& s = ex::daticreatred;
    s[11] = 10;
    s[12] = 20.5;
    s[13] = 30;
    s[14] = 30;
    s[15] = 45.5;
    s[2] = 0.5;
    s[4] = 2;
    s[16] = 250;
    s[17] = 125;
    setProfile({{listello, 500, 250}});
    setPath({{listello, 500, 0, 250}});
    EXPECT_EQ(write(0), "ROTX 10\rROTY 20.5\rROTZ 30\r"
                        "TUBE 2, 4, 51,\r"
                        "0.25, 0.125, 0,\r"
                        "0.5, 0.25, 0,\r"
                        "   COS(180+30),  SIN(180+30),  0, 0,\r"
                        "   0, 0, 0, 0,\r"
                        "   1, 0, 0.5, 0,\r"
                        "   1+COS(0+45.5), 0+SIN(0+45.5), 0.5, 0\r"
                        "DEL TOP\r");
}

TEST_F(GdlTest, TubeCountsAQuarterCirclePath)
{
    setProfile({{listello, 100, 0}});
    setPath({{ovolo, 100, 100}});
    Statement st;
    ASSERT_TRUE(readStatement(write(0), st));
    EXPECT_EQ(st.head[1], 2 + 8 + 1);
    // The closing direction point starts at the last path point.
    EXPECT_EQ(st.endDirection, "   0.1+COS(90+0), 0.1+SIN(90+0), 0, 0");
}

// Each chain is written with its own arc resolution; the writer ends with
// the path's resolution and the path format, the bar at 0, and the editor's
// arc resolution as it was.
TEST_F(GdlTest, TubeWritesEachChainAtItsOwnResolution)
{
    ex::daticreatred[0] = 4;
    ex::daticreatred[1] = 6;
    setProfile({{ovolo, 100, 100}});
    setPath({{ovolo, 100, 100}});
    Statement st;
    ASSERT_TRUE(readStatement(write(0), st));
    EXPECT_EQ(st.head[0], 1 + 4);
    EXPECT_EQ(st.head[1], 2 + 6 + 1);
    EXPECT_EQ(gen().risoluzione, 6);
    EXPECT_EQ(gen().qualetestocontrol, 1);
    EXPECT_EQ(Forme::risoluzione, 8);
    ASSERT_FALSE(window().progressi.empty());
    EXPECT_EQ(window().progressi.back(), 0);
}

// The path starts at the origin even when its first element does not; the
// stored chains are left as they were.
TEST_F(GdlTest, TubePathStartsAtTheOriginAndChainsStayUnchanged)
{
    setProfile({{toro, 100, 0}, {listello, 0, 50}}, 20, 30);
    setPath({{listello, 100, 0, 10}, {gola_diritta, 100, 100, 20}}, 300, 0, 40);
    const auto profile = ex::sagoma.rows();
    const auto path = ex::percorso.rows();
    Statement st;
    ASSERT_TRUE(readStatement(write(0), st));
    ASSERT_GE(st.path.size(), 2u);
    EXPECT_EQ(st.path[0], (std::vector<double>{0, 0, 0}));
    EXPECT_EQ(st.path[1], (std::vector<double>{0.4, 0, 0.05}));
    EXPECT_EQ(st.path.back()[0], 0.5);
    EXPECT_EQ(st.path.back()[1], 0.1);
    EXPECT_NEAR(st.path.back()[2], 0.07, 1e-15);
    EXPECT_EQ(ex::sagoma.rows(), profile);
    EXPECT_EQ(ex::percorso.rows(), path);
    // The profile's first point is the origin, then the curve's points.
    EXPECT_EQ(st.profile[0], (std::vector<double>{0, 0, 0}));
    EXPECT_EQ(st.head[0], 1 + 16 + 1);
}

TEST_F(GdlTest, TubeWrittenTwiceIsTheSame)
{
    setProfile({{ovolo, 100, 100}, {gola_rovescia_ellittica, 100, 50}});
    setPath({{toro, 100, 0, 5}, {cavetto_ellittico, 50, 80}});
    const std::string first = write(0);
    EXPECT_EQ(write(0), first);
}

// The profile's point statuses: smooth joints carry 1, corners and the last
// point 0, and "Virtual edges" writes 0 everywhere.
TEST_F(GdlTest, TubeProfileStatuses)
{
    setProfile({{listello, 100, 0}, {listello, 100, 0}, {listello, 0, 100}});
    setPath({{listello, 100, 0}});
    Statement st;
    ASSERT_TRUE(readStatement(write(0), st));
    ASSERT_EQ(st.profile.size(), 4u);
    EXPECT_EQ(st.profile[1][2], 1);
    EXPECT_EQ(st.profile[2][2], 0);
    EXPECT_EQ(st.profile[3][2], 0);

    setProfile({{ovolo, 100, 100}, {listello, 0, 100}});
    ex::daticreatred[9] = 2;
    ASSERT_TRUE(readStatement(write(0), st));
    for (const auto& p : st.profile)
        EXPECT_EQ(p[2], 0);
}

} // namespace
