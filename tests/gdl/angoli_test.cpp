// Directions in whole degrees: the tangents of every kind at its end and
// start, the status of a profile joint, and the path's start and end
// directions, also when the path begins or ends with an element that only
// rises.
#include "gdl_fixture.h"

#include <cmath>

using namespace gdltest;
namespace ex = esportazione;

namespace {

// A straight step in the direction of `degrees`.
Step toward(double degrees)
{
    const double r = degrees * 3.141592653589793 / 180.0;
    return {listello, 1000 * std::cos(r), 1000 * std::sin(r)};
}

struct TangentCase {
    const char* name;
    double kind;
    double dx, dy;
    int atEnd, atStart;
};

class Tangent : public GdlTest, public ::testing::WithParamInterface<TangentCase> {};

// The end tangent is the direction a path element arrives in.
TEST_P(Tangent, AtTheEnd)
{
    const TangentCase& c = GetParam();
    setPath({{0, c.dx, c.dy}});
    ex::percorso(0, kKind) = c.kind;
    EXPECT_EQ(ex::calcola_e_angolo(ex::percorso, 0), c.atEnd);
}

// A joint is smooth exactly when the element before it arrives in the
// direction of the next element's start tangent.
TEST_P(Tangent, AtTheStart)
{
    const TangentCase& c = GetParam();
    setProfile({toward(c.atStart), {0, c.dx, c.dy}});
    ex::sagoma(1, kKind) = c.kind;
    EXPECT_EQ(ex::calcola_stato(ex::sagoma, 0), 1);
    setProfile({toward(c.atStart + 1), {0, c.dx, c.dy}});
    ex::sagoma(1, kKind) = c.kind;
    EXPECT_EQ(ex::calcola_stato(ex::sagoma, 0), 0);
}

const TangentCase kTangents[] = {
    {"Listello", listello, 100, 0, 0, 0},
    {"ListelloInverso", listello_inverso, 0, -100, 270, 270},
    {"ListelloSlightlyDownwards", listello, 1000, -0.001, 0, 0},
    {"OtherKind", 12, -100, 0, 180, 180},
    {"Toro", toro, 0, 100, 180, 0},
    {"ToroInverso", toro_inverso, -100, 0, 90, 270},
    {"Ovolo", ovolo, 100, 100, 90, 0},
    {"Cavetto", cavetto, 100, 100, 0, 90},
    {"GolaDiritta", gola_diritta, 100, 100, 0, 0},
    {"GolaRovescia", gola_rovescia, 100, 100, 90, 90},
    {"OvoloEllittico", ovolo_ellittico, 200, 100, 90, 0},
    {"CavettoEllittico", cavetto_ellittico, 200, 100, 0, 90},
    {"GolaDirittaEllittica", gola_diritta_ellittica, -200, 100, 90, 90},
    {"GolaRovesciaEllittica", gola_rovescia_ellittica, -200, -100, 270, 270},
    {"OvoloEllitticoRightAndDown", ovolo_ellittico, 200, -100, 0, 270},
};

INSTANTIATE_TEST_SUITE_P(Kinds, Tangent, ::testing::ValuesIn(kTangents),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GdlTest, JointStatusOfProfileElements)
{
    // A quarter circle arriving upwards, then a line going up: smooth.
    setProfile({{ovolo, 100, 100}, {listello, 0, 100}});
    EXPECT_EQ(ex::calcola_stato(ex::sagoma, 0), 1);
    // A corner.
    setProfile({{listello, 100, 0}, {listello, 0, 100}});
    EXPECT_EQ(ex::calcola_stato(ex::sagoma, 0), 0);
    // Straight on.
    setProfile({{listello, 100, 0}, {listello, 50, 0}});
    EXPECT_EQ(ex::calcola_stato(ex::sagoma, 0), 1);
    // An element without extent in x and y makes no smooth joint, before or
    // after it.
    setProfile({{listello, 100, 0}, {listello, 0, 0}, {listello, 50, 0}});
    EXPECT_EQ(ex::calcola_stato(ex::sagoma, 0), 0);
    EXPECT_EQ(ex::calcola_stato(ex::sagoma, 1), 0);
}

struct DirectionCase {
    const char* name;
    std::vector<Step> path;
    int start, end;
};

class PathDirection : public GdlTest, public ::testing::WithParamInterface<DirectionCase> {};

// The start direction points backwards out of the path's first element that
// has an extent in x and y, the end direction forwards out of the last one;
// without any such element both are 0.
TEST_P(PathDirection, StartAndEnd)
{
    const DirectionCase& c = GetParam();
    setPath(c.path);
    EXPECT_EQ(ex::angolo_iniziale_percorso(ex::catena_percorso()), c.start);
    EXPECT_EQ(ex::angolo_finale_percorso(ex::catena_percorso()), c.end);

    // The same directions reach the statement.
    setProfile({{listello, 100, 0}});
    Statement st;
    ASSERT_TRUE(readStatement(write(0), st));
    EXPECT_EQ(st.startDirection,
              "   COS(" + std::to_string(c.start) + "+0),  SIN(" + std::to_string(c.start) + "+0),  0, 0");
    EXPECT_NE(st.endDirection.find("+COS(" + std::to_string(c.end) + "+0), "), std::string::npos) << st.endDirection;
}

const DirectionCase kDirections[] = {
    {"PlusX", {{listello, 100, 0}}, 180, 0},
    {"PlusY", {{listello, 0, 100}}, 270, 90},
    {"MinusY", {{listello, 0, -100}}, 90, 270},
    {"MinusX", {{listello, -100, 0}}, 0, 180},
    {"FirstAndLastOfSeveral", {{listello, 0, 100}, {toro, 100, 0}, {listello, -100, 0}}, 270, 180},
    {"CurvedEnds", {{ovolo, 100, 100}, {cavetto, 100, -100}}, 180, 270},
    {"RisingFirstElement", {{listello, 0, 0, 50}, {listello, 0, 100}, {listello, 100, 0}}, 270, 0},
    {"RisingLastElement", {{listello, 100, 0}, {listello, -100, 0}, {listello, 0, 0, 50}}, 180, 180},
    {"RisingAtBothEnds", {{toro, 0, 0, 50}, {listello, 0, -100}, {ovolo, 0, 0, -20}}, 90, 270},
    {"OnlyRising", {{listello, 0, 0, 50}, {toro, 0, 0, 10}}, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Paths, PathDirection, ::testing::ValuesIn(kDirections),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
