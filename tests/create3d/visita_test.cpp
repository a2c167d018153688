// Activation, the enabling rules and the filling of the controls, and the
// hand-back to the editor.
#include "fin3d_fixture.h"

#include "editor/fin_forme.h"
#include "editor/fin_principale.h"
#include "platform/system.h"

#include <QApplication>
#include <QFocusEvent>

#include <algorithm>
#include <map>

using namespace fin3dtest;

TEST_F(Create3d, ActivationTakesOverTheScreenAndKeepsTheEditorsResolution)
{
    fin_principale::instance().show();
    fin_forme::instance().show();
    Forme::risoluzione = 12;
    esportazione::profopath = 1;
    fin_3d& w = fin_3d::instance();
    w.place(300, 300);
    w.mostra();
    testsupport::processEvents();
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(fin_principale::instance().isVisible());
    EXPECT_FALSE(fin_forme::instance().isVisible());
    EXPECT_EQ(w.Left(), 94);
    EXPECT_EQ(w.Top(), 90);
    EXPECT_EQ(w.rec_sel->x(), 64);
    EXPECT_EQ(w.rec_sel->y(), 427);
    // The previews draw at their own resolution; the editor's stays.
    EXPECT_EQ(Forme::risoluzione, 12);
    EXPECT_EQ(w.ProgressBar1->value(), 1);

    // Activated again within the visit (a dialog closed): the editor's value stays.
    w.place(200, 200);
    w.Event_Activate();
    EXPECT_EQ(Forme::risoluzione, 12);
    EXPECT_EQ(w.Left(), 94);
    w.PushButton1->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(Forme::risoluzione, 12);
    EXPECT_TRUE(fin_principale::instance().isVisible());
    EXPECT_TRUE(fin_forme::instance().isVisible());
}

namespace {

struct Enabling {
    int sago_q, perc_q, profopath;
    bool profile, path, angle, ready;
};

} // namespace

TEST_F(Create3d, EnablingFollowsTheDataAndTheSolid)
{
    const Enabling table[] = {
        {0, 0, 0, false, false, false, false}, {0, 0, 1, false, false, false, false},
        {2, 0, 0, true, false, false, false},  {2, 0, 1, true, false, true, true},
        {2, 3, 1, true, true, true, true},     {2, 3, 0, true, true, false, true},
        {0, 3, 0, false, true, false, false},  {0, 3, 1, false, true, false, false},
    };
    fin_3d& w = shown();
    for (const Enabling& c : table) {
        storeProfile(c.sago_q);
        storePath(c.perc_q);
        esportazione::profopath = c.profopath;
        w.aggiornadati();
        SCOPED_TRACE(testing::Message() << c.sago_q << " " << c.perc_q << " " << c.profopath);
        for (QWidget* p : {static_cast<QWidget*>(w.bottone_s_e), static_cast<QWidget*>(w.slcrea3d(0)),
                           static_cast<QWidget*>(w.efdati3d(0)), static_cast<QWidget*>(w.efdati3d(1)),
                           static_cast<QWidget*>(w.CheckB(3))})
            EXPECT_EQ(p->isEnabled(), c.profile);
        for (QWidget* p : {static_cast<QWidget*>(w.bottone_p_e), static_cast<QWidget*>(w.slcrea3d(1)),
                           static_cast<QWidget*>(w.efdati3d(2)), static_cast<QWidget*>(w.efdati3d(3)),
                           static_cast<QWidget*>(w.efdatialfa3d(14)), static_cast<QWidget*>(w.efdatialfa3d(15))})
            EXPECT_EQ(p->isEnabled(), c.path);
        EXPECT_EQ(w.slcrea3d(2)->isEnabled(), c.angle);
        EXPECT_EQ(w.efdatialfa3d(10)->isEnabled(), c.angle);
        for (QWidget* p : {static_cast<QWidget*>(w.CheckB(0)), static_cast<QWidget*>(w.CheckB(1)),
                           static_cast<QWidget*>(w.CheckB(2)), static_cast<QWidget*>(w.efdatialfa3d(11)),
                           static_cast<QWidget*>(w.efdatialfa3d(12)), static_cast<QWidget*>(w.efdatialfa3d(13)),
                           static_cast<QWidget*>(w.PushButton2), static_cast<QWidget*>(w.PushButton3)})
            EXPECT_EQ(p->isEnabled(), c.ready);
        for (QWidget* p : {static_cast<QWidget*>(w.bot_exp(0)), static_cast<QWidget*>(w.bot_exp(1)),
                           static_cast<QWidget*>(w.bottone_s_o), static_cast<QWidget*>(w.bottone_p_o),
                           static_cast<QWidget*>(w.PushButton1), static_cast<QWidget*>(w.efdelta3d(16)),
                           static_cast<QWidget*>(w.efdelta3d(17))})
            EXPECT_TRUE(p->isEnabled());
    }
}

namespace {

// What a field shows on the screen: how many of its pixels are the red of
// the fields' text, and the colour most of it is painted in.
struct Aspetto {
    int rossi = 0;
    QColor fondo;
};

Aspetto aspetto(QWidget* field)
{
    const QImage image = field->grab().toImage();
    std::map<QRgb, int> conta;
    Aspetto a;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            ++conta[c.rgb()];
            if (c.red() > 200 && c.green() < 90 && c.blue() < 90)
                ++a.rossi;
        }
    }
    a.fondo = QColor::fromRgb(
        std::max_element(conta.begin(), conta.end(), [](auto l, auto r) { return l.second < r.second; })->first);
    return a;
}

} // namespace

// A disabled field looks disabled: its text is no longer the fields' red and
// its background is greyed, where an enabled field of the same kind shows
// red text on its own colour. The scale fields are enabled with a stored
// profile and disabled without one.
TEST_F(Create3d, DisabledFieldsLookDisabled)
{
    fin_3d& w = shown();
    for (int i : {0, 1})
        ASSERT_FALSE(w.efdati3d(i)->isEnabled());
    const Aspetto spenti[] = {aspetto(w.efdati3d(0)), aspetto(w.efdati3d(1))};

    storeProfile(2);
    w.aggiornadati();
    for (int i : {0, 1}) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(w.efdati3d(i)->isEnabled());
        const Aspetto acceso = aspetto(w.efdati3d(i));
        EXPECT_GT(acceso.rossi, 10) << "red text";
        EXPECT_EQ(acceso.fondo, QColor(0xF1, 0xFF, 0xFA));
        EXPECT_EQ(spenti[i].rossi, 0) << "no red text";
        EXPECT_NE(spenti[i].fondo, acceso.fondo);
        // Greyed: about as much red as green and blue, and darker.
        EXPECT_LE(std::abs(spenti[i].fondo.red() - spenti[i].fondo.blue()), 16);
        EXPECT_LT(spenti[i].fondo.lightness(), acceso.fondo.lightness());
    }
}

TEST_F(Create3d, FillingShowsEverySlotAndChecksOnlyExactlyTwo)
{
    esportazione::Dati3d& d = esportazione::daticreatred;
    const double values[] = {5, 200, 2.5, 250, 0.5, 50, 2, 1.0, 0.0, 2.0000001, 90.5, 11, 12, 13, 14, 15, 1.25, 3};
    for (int i = 0; i < 18; ++i)
        d[i] = values[i];
    fin_3d& w = shown();
    EXPECT_EQ(w.StaticTesto(0)->text(), "5");
    EXPECT_EQ(w.StaticTesto(1)->text(), "200");
    EXPECT_EQ(w.slcrea3d(0)->value(), 5);
    EXPECT_EQ(w.slcrea3d(1)->value(), 128); // outside the range: the slider shows its maximum
    EXPECT_EQ(w.slcrea3d(2)->value(), 90);
    EXPECT_EQ(w.efdati3d(0)->text(), "2.5");
    EXPECT_EQ(w.efdati3d(3)->text(), "50");
    EXPECT_EQ(w.efdatialfa3d(10)->text(), "90.5");
    EXPECT_EQ(w.efdatialfa3d(15)->text(), "15");
    EXPECT_EQ(w.efdelta3d(16)->text(), "1.25");
    EXPECT_EQ(w.efdelta3d(17)->text(), "3");
    EXPECT_TRUE(w.CheckB(0)->value());
    EXPECT_FALSE(w.CheckB(1)->value());
    EXPECT_FALSE(w.CheckB(2)->value());
    EXPECT_FALSE(w.CheckB(3)->value());
    // Filling stored nothing: the slider's whole value did not replace 90.5.
    EXPECT_EQ(d[10], 90.5);
    EXPECT_EQ(d[1], 200.0);
}

TEST_F(Create3d, HandBackWithAnEmptyChainResetsViewAndTool)
{
    Forme::poli_q = 0;
    Forme::qualetool = 3;
    Forme::dx = 7;
    Geometria::origx = 123; // a view the editor had zoomed to
    Geometria::zmfct = 2.0;
    storeProfile(2);
    fin_3d& w = shown();
    ASSERT_NE(Geometria::origx, 400);
    w.PushButton1->click();
    EXPECT_EQ(Geometria::origx, 400);
    EXPECT_EQ(Geometria::origy, 300);
    EXPECT_EQ(Geometria::zmfct, 1.0);
    EXPECT_EQ(Forme::qualetool, 0);
    EXPECT_EQ(Forme::dx, 0.0);
    EXPECT_FALSE(Forme::inversioneforma);
}

TEST_F(Create3d, HandBackWithElementsKeepsTheTool)
{
    storeChain(Forme::polilinea, Forme::poli_q, 2);
    Forme::qualetool = 3;
    Forme::forma = 9;
    fin_3d& w = shown();
    w.PushButton1->click();
    EXPECT_EQ(Forme::qualetool, 3);
    EXPECT_EQ(Forme::forma, 9);
}

// Return in a field presses "Done" while the field still has the focus, so
// the field lets go of it during the hand-back, and a window system may
// deliver that lost focus even later. Either way the typed value is kept,
// and the editor keeps the view and backdrop the hand-back gave it.
TEST_F(Create3d, FieldLeftDuringOrAfterTheHandBackLeavesTheEditorsView)
{
    storeProfile(1);
    fin_3d& w = shown();
    platform::EditField* field = w.efdelta3d(16);
    QTest::mouseClick(field, Qt::LeftButton);
    ASSERT_TRUE(field->hasFocus());
    field->selectAll();
    QTest::keyClicks(field, "55");
    QTest::keyClick(field, Qt::Key_Return);
    testsupport::processEvents();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(esportazione::daticreatred[16], 55.0);
    const int origx = Geometria::origx, origy = Geometria::origy;
    const double zmfct = Geometria::zmfct;
    const platform::Picture* griglia = Geometria::griglia.get();
    EXPECT_EQ(origx, 400);
    EXPECT_EQ(zmfct, 1.0);

    // A late lost focus with a new value in the field. The field without the
    // focus shows the start of the text its filter set, so the caret is put
    // at the end before typing.
    field->end(false);
    QTest::keyClicks(field, "7");
    QFocusEvent late(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(field, &late);
    EXPECT_EQ(esportazione::daticreatred[16], 557.0);
    EXPECT_EQ(Geometria::origx, origx);
    EXPECT_EQ(Geometria::origy, origy);
    EXPECT_EQ(Geometria::zmfct, zmfct);
    EXPECT_EQ(Geometria::griglia.get(), griglia);
}

// The window system may deliver the activation of a show only after the
// hand-back has hidden the window again; that must not start a visit.
TEST_F(Create3d, LateActivationAfterTheHandBackStartsNoVisit)
{
    fin_principale::instance().show();
    fin_3d& w = fin_3d::instance();
    w.mostra();
    w.PushButton1->click();
    testsupport::processEvents();
    w.Event_Activate();
    EXPECT_FALSE(w.inVisita());
    EXPECT_TRUE(fin_principale::instance().isVisible());
    EXPECT_EQ(Forme::risoluzione, 8);
    EXPECT_EQ(Geometria::zmfct, 1.0);
}

// A visit draws its previews, takes settings and generates without touching
// what the editor works with: its arc resolution, view, current element,
// backdrop picture and the drawing window's live layer are as they were
// until the hand-back.
TEST_F(Create3d, AVisitLeavesTheEditorsStateAlone)
{
    Forme::risoluzione = 12;
    Geometria::origx = 123;
    Geometria::origy = 45;
    Geometria::zmfct = 2.5;
    Geometria::disegna_griglia();
    const platform::PicturePtr backdrop = Geometria::griglia;
    const ElementRow current{0, 1, 2, 30, 40, 5, 6};
    Forme::carica_posizione(current);
    Geometria::disegna_cosa(ovolo); // the rubber band
    const std::size_t live = fin_principale::instance().liveItems().size();
    ASSERT_GT(live, 0u);

    setChain(esportazione::sagoma, esportazione::sago_q, {{ovolo, 0, 0, 100, 100, 0, 0}, {4, 100, 100, 100, 50, 0, 0}});
    setChain(esportazione::percorso, esportazione::perc_q, {{toro, 0, 0, 200, 0, 0, 30}});
    esportazione::profopath = 0;
    fin_3d& w = shown();
    type(w.efdelta3d(16), "25"); // the profile's preview drawn again
    press(w.PushButton3);        // "Copy": a generation
    ASSERT_FALSE(platform::clipboardText().isEmpty());
    ASSERT_TRUE(w.inVisita());

    EXPECT_EQ(Forme::risoluzione, 12);
    EXPECT_EQ(Geometria::origx, 123);
    EXPECT_EQ(Geometria::origy, 45);
    EXPECT_EQ(Geometria::zmfct, 2.5);
    EXPECT_EQ((ElementRow{0, Forme::xprec, Forme::yprec, Forme::dx, Forme::dy, Forme::zprec, Forme::dz}), current);
    EXPECT_EQ(Geometria::griglia, backdrop);
    EXPECT_EQ(fin_principale::instance().liveItems().size(), live);
}
