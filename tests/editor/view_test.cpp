// The view commands and the transforms of the chain, driven by the
// palette's zoom and transform buttons.
#include "editor/editor_fixture.h"

#include <climits>
#include <cmath>

namespace {

using View = EditorTest;

struct ZoomCase {
    const char* name;
    int width;
    double zoom;
    int origx;
    std::vector<int> buttons; // zoom buttons pressed in order
    double zoomAfter;
    int origxAfter;
    int beeps;
};

void PrintTo(const ZoomCase& c, std::ostream* os) { *os << c.name; }

class Zoom : public EditorTest, public ::testing::WithParamInterface<ZoomCase> {};

TEST_P(Zoom, StepsAboutTheWindowCentre)
{
    const ZoomCase& c = GetParam();
    Globali::scrx = c.width;
    Geometria::zmfct = c.zoom;
    Geometria::origx = c.origx;
    Geometria::origy = 240;
    const platform::PicturePtr before = Geometria::griglia;

    for (int b : c.buttons)
        premi(palette().bot_zoom(b));

    EXPECT_DOUBLE_EQ(Geometria::zmfct, c.zoomAfter);
    EXPECT_EQ(Geometria::origx, c.origxAfter);
    EXPECT_EQ(platform::beepCount(), c.beeps);
    // Every command rebuilds the backdrop, and the busy indicator is gone.
    EXPECT_NE(Geometria::griglia, before);
    EXPECT_EQ(principale().backdrop(), Geometria::griglia);
    EXPECT_FALSE(principale().ChasingArrows1->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Steps, Zoom,
    ::testing::Values(ZoomCase{"OutFromTheInitialView", 640, 1.0, 320, {0}, 0.5, 320, 0},
                      ZoomCase{"InFromTheInitialView", 640, 1.0, 320, {1}, 2.0, 320, 0},
                      ZoomCase{"InMovesTheOriginAway", 1180, 1.0, 690, {1}, 2.0, 790, 0},
                      ZoomCase{"OutMovesItHalfwayIn", 1180, 1.0, 690, {0}, 0.5, 640, 0},
                      // In then out restores the zoom but, truncated, not the origin.
                      ZoomCase{"InThenOutOnAnOddWidth", 1179, 1.0, 600, {1, 0}, 1.0, 599, 0},
                      ZoomCase{"InitialView", 1180, 8.0, -77, {2}, 1.0, 590, 0},
                      // The zoom stays between 1/1024 and 1024 pixels per millimetre.
                      ZoomCase{"NotInBeyond1024", 640, 1024.0, 320, {1}, 1024.0, 320, 1},
                      ZoomCase{"NotOutBelow1Over1024", 640, 1.0 / 1024, 320, {0}, 1.0 / 1024, 320, 1},
                      ZoomCase{"UpTo1024", 640, 512.0, 320, {1}, 1024.0, 320, 0},
                      ZoomCase{"ManyStepsOut", 640, 1.0, 320, std::vector<int>(14, 0), 1.0 / 1024, 320, 4},
                      // Nor may the origin leave the Integer range.
                      ZoomCase{"NotInWhenTheOriginWouldOverflow", 640, 1.0, 2000000000, {1}, 1.0, 2000000000, 1},
                      ZoomCase{"NotInWhenTheOriginWouldUnderflow", 640, 1.0, -1500000000, {1}, 1.0, -1500000000, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(View, AnUnknownModeChangesNoViewButRebuilds)
{
    const platform::PicturePtr before = Geometria::griglia;
    palette().zooma(7);
    EXPECT_EQ(Geometria::zmfct, 1.0);
    EXPECT_EQ(Geometria::origx, 300);
    EXPECT_NE(Geometria::griglia, before);
}

struct FitCase {
    const char* name;
    std::vector<ElementRow> chain;
    int width, height;
    double zoom;
    int origx, origy;
};

void PrintTo(const FitCase& c, std::ostream* os) { *os << c.name; }

class Fit : public EditorTest, public ::testing::WithParamInterface<FitCase> {};

TEST_P(Fit, PutsTheMeasuredBoxInTheMiddle)
{
    const FitCase& c = GetParam();
    Globali::scrx = c.width;
    Globali::scry = c.height;
    Forme::polilinea.redim(static_cast<int>(c.chain.size()));
    for (size_t i = 0; i < c.chain.size(); ++i)
        Forme::polilinea.row(static_cast<int>(i)) = c.chain[i];
    Forme::poli_q = static_cast<int>(c.chain.size());
    Forme::poli_d = Forme::poli_q;

    premi(palette().bot_zoom(3));

    EXPECT_NEAR(Geometria::zmfct, c.zoom, 1e-12);
    EXPECT_EQ(Geometria::origx, c.origx);
    EXPECT_EQ(Geometria::origy, c.origy);
    EXPECT_FALSE(Geometria::calc_zoom);
    EXPECT_EQ(principale().backdrop(), Geometria::griglia);
}

INSTANTIATE_TEST_SUITE_P(Chains, Fit,
                         ::testing::Values(
                             // Box x 0..100, y 0..0 on 1180 x 800: zoom 1180 / 120.
                             FitCase{"ALine", {{0, 0, 0, 100, 0, 0, 0}}, 1180, 800, 1180.0 / 120.0, 98, 400},
                             // The box always holds the origin, so it stays in view.
                             // Only the element's end (-50, 0) is measured: box -50..0.
                             FitCase{
                                 "LeftOfTheOrigin", {{0, -100, 0, 50, 0, 0, 0}}, 1180, 800, 1180.0 / 70.0, 1010, 400},
                             // One tiny element: the 20 mm margin keeps every divisor finite.
                             FitCase{"ATinyElement", {{1, 0, 0, 0.001, 0, 0, 0}}, 640, 480, 480.0 / 20.0, 320, 240},
                             // A drawing too large for the smallest zoom is shown at that zoom.
                             FitCase{"TooLarge", {{0, 0, 0, 1e9, 0, 0, 0}}, 1180, 800, 1.0 / 1024, -487691, 400}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(View, FitWithoutElementsLeavesTheView)
{
    Geometria::zmfct = 3.0;
    premi(palette().bot_zoom(3));
    EXPECT_EQ(Geometria::zmfct, 3.0);
    EXPECT_EQ(Geometria::origx, 300);
    EXPECT_EQ(Geometria::origy, 200);
}

TEST_F(View, InEditModeAViewCommandShowsTheSelectedElementAgain)
{
    catena({{0, 0, 0, 10, 0, 0, 0}, {0, 10, 0, 0, 25, 0, 0}});
    modoModifica(1);
    edita().efydelta->setTextFromProgram("x");
    premi(palette().bot_zoom(1));
    EXPECT_EQ(edita().efydelta->text(), "25");
    // The selected element, drawn at the new zoom: (10, 0)-(10, 25) mm.
    const auto live = segmentiVivi();
    ASSERT_EQ(live.size(), 1u);
    EXPECT_EQ(live[0].x1, Geometria::origx + 20);
    EXPECT_EQ(live[0].y2 - live[0].y1, -50);
}

// A chain with one element of each sort that the mirror changes, and
// heights that no transform touches.
void catenaMista()
{
    Forme::polilinea.redim(4);
    Forme::polilinea.row(0) = {2, 5, 5, 10, 5, 1, 2};
    Forme::polilinea.row(1) = {6, 15, 10, 20, -5, 3, 0};
    Forme::polilinea.row(2) = {12, 35, 5, 5, 5, 3, -1};
    Forme::polilinea.row(3) = {11, 40, 10, 0, 10, 2, 4};
    Forme::poli_q = 4;
}

void verificaCatenaConnessa()
{
    for (int i = 1; i < Forme::poli_q; ++i) {
        EXPECT_DOUBLE_EQ(Forme::polilinea(i, kX0), Forme::polilinea(i - 1, kX0) + Forme::polilinea(i - 1, kDX));
        EXPECT_DOUBLE_EQ(Forme::polilinea(i, kY0), Forme::polilinea(i - 1, kY0) + Forme::polilinea(i - 1, kDY));
    }
}

TEST_F(View, FlippingHorizontallyMirrorsChainKindsAndView)
{
    catenaMista();
    premi(palette().bot_move(0));

    const std::vector<ElementRow> flipped = {
        {3, 5, 5, -10, 5, 1, 2}, {0, -5, 10, -20, -5, 3, 0}, {0, -25, 5, -5, 5, 3, -1}, {10, -30, 10, 0, 10, 2, 4}};
    EXPECT_EQ(righe(), flipped);
    EXPECT_EQ(Geometria::origx, 800 - 300);
    EXPECT_EQ(Geometria::origy, 200);
    EXPECT_TRUE(Globali::filemodificato);
    EXPECT_FALSE(principale().ChasingArrows1->isVisible());
    EXPECT_EQ(principale().backdrop(), Geometria::griglia);

    // Twice gives back chain and view, but a kind 6 or any other code comes back as 0.
    premi(palette().bot_move(0));
    const std::vector<ElementRow> restored = {
        {2, 5, 5, 10, 5, 1, 2}, {0, 15, 10, 20, -5, 3, 0}, {0, 35, 5, 5, 5, 3, -1}, {11, 40, 10, 0, 10, 2, 4}};
    EXPECT_EQ(righe(), restored);
    EXPECT_EQ(Geometria::origx, 300);
}

TEST_F(View, FlippingVerticallyMirrorsTheYDeltasAndTheView)
{
    catenaMista();
    premi(palette().bot_move(1));
    EXPECT_EQ(Forme::polilinea(0, kKind), 3.0);
    EXPECT_EQ(Forme::polilinea(0, kDX), 10.0);
    EXPECT_EQ(Forme::polilinea(0, kDY), -5.0);
    EXPECT_EQ(Forme::polilinea(1, kDY), 5.0);
    EXPECT_EQ(Forme::polilinea(3, kDY), -10.0);
    EXPECT_EQ(Forme::polilinea(3, kDX), 0.0);
    EXPECT_EQ(Forme::polilinea(3, kZ0), 2.0);
    verificaCatenaConnessa();
    EXPECT_EQ(Geometria::origy, 600 - 200);
    EXPECT_EQ(Geometria::origx, 300);
}

TEST_F(View, FlippingAnEmptyChainMovesOnlyTheView)
{
    premi(palette().bot_move(0));
    EXPECT_EQ(Geometria::origx, 500);
    EXPECT_FALSE(Globali::filemodificato);
    EXPECT_EQ(Forme::poli_q, 0);
}

struct TurnCase {
    int button;
    double dx, dy;
};

TEST_F(View, TurningMapsEachDeltaByAQuarterTurn)
{
    const TurnCase cases[] = {{3, 0, 10}, {2, 0, -10}};
    for (const TurnCase& c : cases) {
        catena({{1, 4, 4, 10, 0, 5, 3}, {0, 14, 4, 0, 7, 8, 1}});
        premi(palette().bot_move(c.button));
        EXPECT_EQ(Forme::polilinea(0, kDX), c.dx) << "button " << c.button;
        EXPECT_EQ(Forme::polilinea(0, kDY), c.dy);
        // The chain turns about the first start; heights and kinds stay.
        EXPECT_EQ(Forme::polilinea(0, kX0), 4.0);
        EXPECT_EQ(Forme::polilinea(1, kX0), 4 + c.dx);
        EXPECT_EQ(Forme::polilinea(1, kY0), 4 + c.dy);
        EXPECT_EQ(Forme::polilinea(1, kZ0), 8.0);
        EXPECT_EQ(Forme::polilinea(1, kDZ), 1.0);
        EXPECT_EQ(Forme::polilinea(0, kKind), 1.0);
    }
    EXPECT_TRUE(Globali::filemodificato);
    EXPECT_EQ(Geometria::origx, 300);

    // Four turns in one direction give the chain back.
    catenaMista();
    const std::vector<ElementRow> before = righe();
    for (int i = 0; i < 4; ++i)
        premi(palette().bot_move(2));
    EXPECT_EQ(righe(), before);
}

TEST_F(View, TurningAnEmptyChainChangesNothing)
{
    premi(palette().bot_move(3));
    EXPECT_FALSE(Globali::filemodificato);
    EXPECT_EQ(Geometria::origx, 300);
    EXPECT_EQ(Forme::poli_q, 0);
}

TEST_F(View, ATransformInAddModeLeavesTheMarkersAndInEditModeShowsTheSelection)
{
    catena({{0, 0, 0, 10, 0, 0, 0}, {0, 10, 0, 10, 0, 0, 0}});
    Forme::poli_d = 2;
    principale().pointer->move(55, 66);
    premi(palette().bot_move(3));
    EXPECT_EQ(posizione(principale().pointer), QPoint(55, 66));

    modoModifica(0);
    premi(palette().bot_move(3));
    // Element 0 was (10, 0), turned left twice: (-10, 0).
    EXPECT_EQ(edita().efxdelta->text(), "-10");
    EXPECT_EQ(posizione(principale().pointer), QPoint(300 - 10 - 2, 200 - 2));
}

} // namespace
