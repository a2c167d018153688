// "Done" hands the screen back to the editor: the editor's windows, its arc
// resolution, a view fitted to its drawing (or, with no drawing, the start
// view and tool) and a backdrop rebuilt for that view.
#include "fin3d_fixture.h"

#include <QApplication>
#include <QFocusEvent>

using namespace fin3dtest;
using esportazione::daticreatred;

namespace {

fin_forme& palette() { return fin_forme::instance(); }
fin_principale& principale() { return fin_principale::instance(); }

// The editor's drawing: a line along x, a line up and a quarter curve back
// inside, so the box is x 0..125, y 0..50 whatever the curve's points.
void drawing()
{
    setChain(Forme::polilinea, Forme::poli_q,
             {{0, 0, 0, 125, 0, 0, 0}, {0, 125, 0, 0, 50, 0, 0}, {2, 125, 50, -25, -25, 0, 0}});
    Forme::poli_d = 3;
}

// The fit of that box to the 800 x 600 drawing area, by hand: the zoom is
// min(800 / 145, 600 / 70); the gaps left and above the box are
// trunc((800 - 125 z) / 2) = 55 and trunc((600 - 50 z) / 2) = 162, so the
// origin lies at (55, trunc(162 + 50 z)) = (55, 437).
void expectFittedView()
{
    EXPECT_DOUBLE_EQ(Geometria::zmfct, 800.0 / 145.0);
    EXPECT_EQ(Geometria::origx, 55);
    EXPECT_EQ(Geometria::origy, 437);
}

// The backdrop is the editor's again: the drawing area's size, shown by the
// main window.
void expectEditorsBackdrop()
{
    ASSERT_TRUE(Geometria::griglia);
    EXPECT_EQ(Geometria::griglia->width(), 800);
    EXPECT_EQ(Geometria::griglia->height(), 600);
    EXPECT_EQ(principale().backdrop(), Geometria::griglia);
}

} // namespace

// The previews have views of their own, a very different one when a long
// path is stored; the fit measures the drawing at the editor's scale and
// gives the same view either way.
class HandBackFit : public Create3dWithParam<double> {};

TEST_P(HandBackFit, FitsTheDrawingAndRebuildsTheBackdropAtTheEditorsResolution)
{
    drawing();
    Forme::risoluzione = 12;
    if (GetParam() > 0)
        setChain(esportazione::percorso, esportazione::perc_q, {{0, 0, 0, GetParam(), 0, 0, 0}});
    const platform::PicturePtr backdrop = Geometria::griglia;
    press(palette().bot_sagoma);
    ASSERT_TRUE(fin_3d::instance().inVisita());
    ASSERT_EQ(Geometria::griglia, backdrop); // the previews keep pictures of their own

    press(fin_3d::instance().PushButton1);
    expectFittedView();
    expectEditorsBackdrop();
    EXPECT_EQ(Forme::risoluzione, 12);
    // The rebuild draws the last element, the quarter curve, last: in as many
    // segments as the editor's resolution asks.
    EXPECT_EQ(testsupport::segmentsOf(principale().liveItems()).size(), 12u);
    EXPECT_TRUE(principale().isVisible());
    EXPECT_TRUE(palette().isVisible());
    EXPECT_TRUE(fin_edita::instance().isVisible());
    // The drawing is the editor's as it was.
    EXPECT_EQ(Forme::poli_q, 3);
    EXPECT_EQ(Forme::poli_d, 3);
}

INSTANTIATE_TEST_SUITE_P(Create3d, HandBackFit, ::testing::Values(0.0, 10000.0, 100000.0));

// With no drawing the hand-back puts the current element, the view and the
// tool back to their start, as a new document has them; a drawing area of
// odd size puts the origin on the truncated centre.
TEST_F(Create3d, HandBackWithNoDrawingPutsViewToolAndHighlightBack)
{
    Globali::scrx = 801;
    Globali::scry = 601;
    storeProfile(2);
    Globali::fileattuale = "/somewhere/doc.mdn";
    Globali::filemodificato = true;
    // The user picks the second variant of a tool, zooms in and moves the
    // pointer over the drawing.
    press(palette().bot_forma(3));
    press(palette().bot_forma(3));
    ASSERT_EQ(Forme::forma, 9);
    press(palette().bot_zoom(1));
    ASSERT_EQ(Geometria::zmfct, 2.0);
    QTest::mouseMove(principale().body(), QPoint(500, 200));
    ASSERT_NE(Forme::dx, 0.0);

    press(palette().bot_3d);
    press(fin_3d::instance().PushButton1);

    for (double v : {Forme::xprec, Forme::yprec, Forme::zprec, Forme::dx, Forme::dy, Forme::dz})
        EXPECT_EQ(v, 0.0);
    EXPECT_EQ(Geometria::origx, 400);
    EXPECT_EQ(Geometria::origy, 300);
    EXPECT_EQ(Geometria::zmfct, 1.0);
    EXPECT_EQ(Forme::qualetool, 0);
    EXPECT_EQ(Forme::forma, 0);
    EXPECT_FALSE(Forme::inversioneforma);
    EXPECT_EQ(palette().rec_sel->pos(), QPoint(1, 40));
    EXPECT_EQ(palette().rec_sel->FillColor, platform::hsv(0.5, 1, 1));
    EXPECT_EQ(fin_edita::instance().txtforma->text(), "0 " + Forme::testoforma[0][Globali::lingua]);
    ASSERT_TRUE(Geometria::griglia);
    EXPECT_EQ(Geometria::griglia->width(), 801);
    EXPECT_EQ(principale().backdrop(), Geometria::griglia);
    // Unlike a new document, the hand-back keeps the stored profile and the
    // document's file and mark.
    EXPECT_EQ(esportazione::sago_q, 2);
    EXPECT_EQ(Globali::fileattuale, "/somewhere/doc.mdn");
    EXPECT_TRUE(Globali::filemodificato);
}

// Return in a field presses "Done" while the field still has the focus: the
// field lets go of it during the hand-back, and a window system may deliver
// a lost focus even later. Each field that redraws the profile preview
// keeps its typed value, and the editor keeps the fitted view and its own
// backdrop.
struct Campo {
    const char* name;
    platform::EditField* (*field)(fin_3d&);
    int slot;
};

void PrintTo(const Campo& c, std::ostream* os) { *os << c.name; }

class FieldLeftAfterTheHandBack : public Create3dWithParam<Campo> {};

TEST_P(FieldLeftAfterTheHandBack, KeepsTheValueAndLeavesTheEditorsView)
{
    drawing();
    storeProfile(1);
    fin_3d& w = shown();
    platform::EditField* field = GetParam().field(w);
    QTest::mouseClick(field, Qt::LeftButton);
    ASSERT_TRUE(field->hasFocus());
    field->selectAll();
    QTest::keyClicks(field, "4");
    QTest::keyClick(field, Qt::Key_Return);
    testsupport::processEvents();

    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(daticreatred[GetParam().slot], 4.0);
    expectFittedView();
    expectEditorsBackdrop();
    const platform::PicturePtr backdrop = Geometria::griglia;

    // The field without the focus shows the start of the text its filter
    // set; the late value is typed at the end.
    field->end(false);
    QTest::keyClicks(field, "2");
    QFocusEvent late(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(field, &late);
    EXPECT_EQ(daticreatred[GetParam().slot], 42.0);
    expectFittedView();
    EXPECT_EQ(Geometria::griglia, backdrop);
    EXPECT_EQ(principale().backdrop(), backdrop);
}

INSTANTIATE_TEST_SUITE_P(Create3d, FieldLeftAfterTheHandBack,
                         ::testing::Values(Campo{"ProfileScale", [](fin_3d& w) { return w.efdati3d(0); }, 2},
                                           Campo{"ProfilePercent", [](fin_3d& w) { return w.efdati3d(1); }, 3},
                                           Campo{"OffsetX", [](fin_3d& w) { return w.efdelta3d(16); }, 16},
                                           Campo{"OffsetY", [](fin_3d& w) { return w.efdelta3d(17); }, 17}),
                         [](const auto& info) { return std::string(info.param.name); });
