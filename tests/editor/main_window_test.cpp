// The main drawing window: the pointer turned into snapped millimetres, the
// markers, the numeric editor's read-outs, the key that brings the editor
// forward, entering and leaving, and the display of the selected element.
#include "editor/editor_fixture.h"
#include "editor/puntatore.h"

#include <QTimer>
#include <cmath>
#include <functional>

namespace {

using MainWindow = EditorTest;

struct SnapCase {
    double zoom;
    int grx, gry;
    bool snap;
    QPoint mouse;    // window pixel, origin at (300, 200)
    double xgr, ygr; // expected position in mm
    QPoint marker;   // expected end marker top left
};

void PrintTo(const SnapCase& c, std::ostream* os)
{
    *os << "zoom " << c.zoom << " grid " << c.grx << "x" << c.gry << (c.snap ? " snap" : " free") << " at ("
        << c.mouse.x() << ", " << c.mouse.y() << ")";
}

class PointerConversion : public EditorTest, public ::testing::WithParamInterface<SnapCase> {};

TEST_P(PointerConversion, SnapsToTheNearestGridLineAwayFromZero)
{
    const SnapCase& c = GetParam();
    Geometria::zmfct = c.zoom;
    Geometria::grx = c.grx;
    Geometria::gry = c.gry;
    Geometria::gridon = c.snap;
    Forme::xprec = 5;
    Forme::yprec = -5;

    muovi(c.mouse.x(), c.mouse.y());

    EXPECT_DOUBLE_EQ(Forme::xgr, c.xgr);
    EXPECT_DOUBLE_EQ(Forme::ygr, c.ygr);
    EXPECT_DOUBLE_EQ(Forme::dx, c.xgr - 5);
    EXPECT_DOUBLE_EQ(Forme::dy, c.ygr + 5);
    EXPECT_EQ(posizione(principale().pointer), c.marker);
    EXPECT_EQ(edita().efxdelta->text(), platform::Str15Digits(c.xgr - 5));
    EXPECT_EQ(edita().efydelta->text(), platform::Str15Digits(c.ygr + 5));
    EXPECT_EQ(edita().testox->text(), "X: " + platform::StrTwoDecimals(c.xgr));
    EXPECT_EQ(edita().testoy->text(), "Y: " + platform::StrTwoDecimals(c.ygr));
}

INSTANTIATE_TEST_SUITE_P(Grid, PointerConversion,
                         ::testing::Values(
                             // Offsets 14, 15, -14, -15 at zoom 1 with a 10 mm grid.
                             SnapCase{1.0, 10, 10, true, {314, 200}, 10, 0, {308, 198}},
                             SnapCase{1.0, 10, 10, true, {315, 200}, 20, 0, {318, 198}},
                             SnapCase{1.0, 10, 10, true, {286, 200}, -10, 0, {288, 198}},
                             SnapCase{1.0, 10, 10, true, {285, 200}, -20, 0, {278, 198}},
                             // 15 pixels above the origin is 20 mm up.
                             SnapCase{1.0, 10, 10, true, {300, 185}, 0, 20, {298, 178}},
                             // A fractional step: the marker truncated to 2 pixels, 10 mm exactly.
                             SnapCase{0.25, 10, 10, true, {303, 200}, 10, 0, {300, 198}},
                             // Snapping off: the exact position under the pointer.
                             SnapCase{0.5, 10, 10, false, {307, 193}, 14, 14, {305, 191}},
                             SnapCase{1.0, 10, 10, false, {314, 215}, 14, -15, {312, 213}},
                             // A zero spacing leaves that axis unsnapped.
                             SnapCase{1.0, 0, 10, true, {314, 186}, 14, 10, {312, 188}},
                             SnapCase{1.0, 10, 0, true, {314, 186}, 10, 14, {308, 184}},
                             SnapCase{0.5, 0, 0, true, {307, 193}, 14, 14, {305, 191}}));

TEST(PointerSnap, StaysFiniteForEveryGridAndZoom)
{
    Geometria::origx = 300;
    Geometria::origy = 200;
    Geometria::gridon = true;
    for (double zoom : {0.0, 1.0 / 1024, 0.25, 1.0, 1024.0}) {
        for (int grid : {0, 1, 10, 100000}) {
            Geometria::zmfct = zoom;
            Geometria::grx = Geometria::gry = grid;
            for (QPoint p : {QPoint(0, 0), QPoint(300, 200), QPoint(301, 199), QPoint(1179, 699)}) {
                const puntatore::Posizione pos = puntatore::converti(p.x(), p.y());
                EXPECT_TRUE(std::isfinite(pos.xgr) && std::isfinite(pos.ygr)) << "zoom " << zoom << " grid " << grid;
            }
        }
    }
}

TEST_F(MainWindow, MarkersFollowTheStartAndTheRaisedEnd)
{
    Forme::xprec = 10;
    Forme::yprec = 20;
    Forme::zprec = 4;
    Forme::dz = 6;
    muovi(320, 170);
    // Start marker on the current start, raised by its height.
    EXPECT_EQ(posizione(principale().prepointer), QPoint(300 + 10 - 2 + 4, 200 - 20 - 2 - 4));
    // End marker 10 pixels right of and 10 above the grid point (320, 170).
    EXPECT_EQ(posizione(principale().pointer), QPoint(320 - 2 + 10, 170 - 2 - 10));
    // The mouse leaves the height alone.
    EXPECT_DOUBLE_EQ(Forme::dz, 6);
}

TEST_F(MainWindow, InEditModeTheStartMarkerStaysAndLeavingRestoresTheElement)
{
    catena({{2, 0, 0, 30, 20, 0, 0}, {7, 30, 20, 10, -10, 0, 0}});
    modoModifica(1);
    principale().aggiorna_puntini();
    const QPoint start = posizione(principale().prepointer);
    EXPECT_EQ(start, QPoint(328, 178));

    muovi(360, 150);
    EXPECT_EQ(posizione(principale().prepointer), start);
    EXPECT_DOUBLE_EQ(Forme::dx, 30);
    EXPECT_DOUBLE_EQ(Forme::dy, 30);

    esci();
    EXPECT_DOUBLE_EQ(Forme::dx, 10);
    EXPECT_DOUBLE_EQ(Forme::dy, -10);
    EXPECT_EQ(edita().efxdelta->text(), "10");
    EXPECT_EQ(posizione(principale().pointer), QPoint(338, 188));
    EXPECT_TRUE(principale().pointer->isVisible());
    // The chain itself is untouched.
    EXPECT_DOUBLE_EQ(Forme::polilinea(1, kDX), 10);
}

TEST_F(MainWindow, EnteringShowsTheMarkersAndLeavingInAddModeHidesThem)
{
    principale().Refresh();
    entra();
    EXPECT_TRUE(principale().prepointer->isVisible());
    EXPECT_TRUE(principale().pointer->isVisible());
    EXPECT_NE(area()->cursor().shape(), Qt::ArrowCursor);
    esci();
    EXPECT_FALSE(principale().prepointer->isVisible());
    EXPECT_FALSE(principale().pointer->isVisible());
    EXPECT_EQ(area()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(principale().liveItems().empty());
}

TEST_F(MainWindow, EnteringInEditModeKeepsTheArrow)
{
    catena({{0, 0, 0, 10, 0, 0, 0}});
    modoModifica(0);
    area()->setCursor(Qt::ArrowCursor);
    entra();
    EXPECT_EQ(area()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(principale().pointer->isVisible());
}

TEST_F(MainWindow, AKeyBringsTheNumericEditorForwardWithoutTypingIntoIt)
{
    edita().hide();
    principale().activateWindow();
    area()->setFocus();
    QTest::keyClick(area(), Qt::Key_7);
    EXPECT_TRUE(edita().isVisible());
    EXPECT_EQ(edita().focusWidget(), edita().efxdelta);
    EXPECT_EQ(edita().efxdelta->text(), "0");
}

struct HighlightCase {
    double kind;
    QPoint cell;
    bool yellow;
};

TEST_F(MainWindow, SelectedElementMovesTheHighlightOntoItsKind)
{
    const HighlightCase cases[] = {
        {0, {1, 40}, false}, {7, {40, 40}, true},  {2, {1, 79}, false},
        {9, {40, 79}, true}, {10, {1, 118}, true}, {5, {40, 118}, false},
    };
    for (const HighlightCase& c : cases) {
        catena({{c.kind, 10, 10, 20, 30, 5, 5}});
        modoModifica(0);
        principale().aggiorna_puntini();
        platform::RectangleShape* sel = palette().rec_sel;
        EXPECT_EQ(sel->pos(), c.cell) << "kind " << c.kind;
        const QColor expected = c.yellow ? platform::hsv(1.0 / 6.0, 1, 1) : platform::hsv(0.5, 1, 1);
        EXPECT_EQ(sel->FillColor, expected) << "kind " << c.kind;
        EXPECT_EQ(sel->TopLeftColor, expected);
        EXPECT_EQ(sel->BottomRightColor, expected);
        EXPECT_EQ(Forme::forma, static_cast<int>(c.kind));
    }
}

// After a fit the zoom is rarely a whole number, and so neither is the
// pointer's position. Its read-outs round to the hundredth and fit their
// 60-pixel labels; the delta fields keep 15 digits and show their start.
TEST_F(MainWindow, AfterAFitThePointerReadsInHundredthsAndTheFieldsShowTheirStart)
{
    // Box x 0..30, y 0..50: fitted by height, 600 / 70 pixels a millimetre,
    // with the origin at (271, 513).
    catena({{0, 0, 0, 30, 50, 0, 0}});
    Forme::poli_d = 1;
    premi(palette().bot_zoom(3));
    ASSERT_DOUBLE_EQ(Geometria::zmfct, 600.0 / 70);
    ASSERT_EQ(QPoint(Geometria::origx, Geometria::origy), QPoint(271, 513));
    Geometria::gridon = false;
    Forme::xprec = 30;
    Forme::yprec = 50;

    muovi(271 + 100, 513 - 200); // (100, 200) pixels: (11.666.., 23.333..) mm
    EXPECT_DOUBLE_EQ(Forme::xgr, 100 * 70 / 600.0);
    EXPECT_EQ(edita().testox->text(), "X: 11.67");
    EXPECT_EQ(edita().testoy->text(), "Y: 23.33");
    EXPECT_EQ(edita().efxdelta->text(), "-18.3333333333333");
    EXPECT_EQ(edita().efydelta->text(), "-26.6666666666667");
    for (const platform::StaticText* label : {edita().testox, edita().testoy})
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << label->text().toStdString();
    for (const EditFieldIntero* field : {edita().efxdelta, edita().efydelta})
        EXPECT_EQ(field->cursorPosition(), 0) << field->objectName().toStdString();

    // Left of and below the origin.
    muovi(271 - 7, 513 + 4);
    EXPECT_EQ(edita().testox->text(), "X: -0.82");
    EXPECT_EQ(edita().testoy->text(), "Y: -0.47");
}

TEST_F(MainWindow, SelectedElementFillsTheEditorAndKeepsThePointerAndTool)
{
    catena({{0, 0, 0, 10, 0, 0, 0}, {3, 10, 0, -7.5, 12, 0, 3}});
    Forme::qualetool = 1;
    Forme::xgr = 99;
    edita().testox->setText("X: 99");
    modoModifica(1);
    principale().aggiorna_puntini();
    EXPECT_EQ(edita().efxdelta->text(), "-7.5");
    EXPECT_EQ(edita().efydelta->text(), "12");
    EXPECT_EQ(edita().efzdelta->text(), "3");
    EXPECT_EQ(edita().txtforma->text(), "1 Torus");
    EXPECT_EQ(edita().testox->text(), "X: 99");
    EXPECT_DOUBLE_EQ(Forme::xgr, 99);
    EXPECT_EQ(Forme::qualetool, 1);
    // Start (10, 0, 0) and end (2.5, 12, 3), each less 2 for the marker's centre.
    EXPECT_EQ(posizione(principale().prepointer), QPoint(308, 198));
    EXPECT_EQ(posizione(principale().pointer), QPoint(303, 183));
}

TEST_F(MainWindow, ShowingASelectionOutsideTheChainChangesNothing)
{
    for (int d : {0, 1, 5, -1}) {
        Forme::polilinea.redim(0);
        Forme::poli_q = d == 1 ? 1 : 0;
        if (Forme::poli_q == 1)
            Forme::polilinea.row(0) = {0, 0, 0, 10, 0, 0, 0};
        Forme::poli_d = d == 1 ? 1 : d;
        Forme::modifica = true;
        palette().bot_sel->setValue(true);
        Forme::dx = 42;
        edita().efxdelta->setTextFromProgram("42");
        esci();
        principale().aggiorna_puntini();
        EXPECT_DOUBLE_EQ(Forme::dx, 42) << "selection " << d;
        EXPECT_EQ(edita().efxdelta->text(), "42");
    }
}

TEST_F(MainWindow, TheRubberBandFollowsThePointerInRed)
{
    Forme::qualetool = 4;
    Forme::forma = 4;
    muovi(342, 163); // snapped to (340, 160): 40 right, 40 up
    const auto live = segmentiVivi();
    ASSERT_EQ(live.size(), 16u);
    EXPECT_EQ(QPointF(live.front().x1, live.front().y1), QPointF(300, 200));
    EXPECT_NEAR(live.back().x2, 340, 0.5);
    EXPECT_NEAR(live.back().y2, 160, 0.5);
    for (size_t i = 0; i < live.size(); ++i) {
        EXPECT_EQ(live[i].color, platform::hsv(0, 1, 1));
        if (i > 0) { // each segment starts where the one before ends, to the pixel
            EXPECT_NEAR(live[i].x1, live[i - 1].x2, 1.0);
            EXPECT_NEAR(live[i].y1, live[i - 1].y2, 1.0);
        }
    }
    // A second move replaces the band rather than adding to it.
    muovi(360, 200);
    EXPECT_EQ(segmentiVivi().size(), 16u);
}

TEST_F(MainWindow, AClickAddsTheElementAndTheNextStartsAtThePointer)
{
    entra();
    muovi(331, 179);
    clicca(331, 179);
    ASSERT_EQ(Forme::poli_q, 1);
    const ElementRow first{0, 0, 0, 30, 20, 0, 0};
    EXPECT_EQ(Forme::polilinea.row(0), first);
    EXPECT_DOUBLE_EQ(Forme::xprec, 30);
    EXPECT_DOUBLE_EQ(Forme::yprec, 20);
    EXPECT_EQ(edita().txtforma->text(), "1 Line");
    EXPECT_TRUE(Globali::filemodificato);
    // The new element is in the backdrop, in black, halfway along.
    const QColor middle = QColor::fromRgb(Geometria::griglia->pixel(315, 190));
    EXPECT_LT(middle.lightness(), 60);
    EXPECT_EQ(principale().backdrop(), Geometria::griglia);

    // The next move starts from there: the start marker has moved too.
    muovi(351, 179);
    EXPECT_EQ(posizione(principale().prepointer), QPoint(328, 178));
    EXPECT_DOUBLE_EQ(Forme::dx, 20);
    EXPECT_DOUBLE_EQ(Forme::dy, 0);
}

TEST_F(MainWindow, AClickWithoutExtentOnlyBeeps)
{
    muovi(301, 201);
    clicca(301, 201);
    EXPECT_EQ(Forme::poli_q, 0);
    EXPECT_EQ(platform::beepCount(), 1);
    EXPECT_FALSE(Globali::filemodificato);
}

TEST_F(MainWindow, InEditModeAClickModifiesTheSelectedElement)
{
    catena({{0, 0, 0, 10, 0, 0, 0}, {0, 10, 0, 10, 0, 0, 0}});
    modoModifica(0);
    principale().aggiorna_puntini();
    muovi(320, 190);
    clicca(320, 190);
    EXPECT_EQ(Forme::poli_q, 2);
    const std::vector<ElementRow> expected = {{0, 0, 0, 20, 10, 0, 0}, {0, 20, 10, 10, 0, 0, 0}};
    EXPECT_EQ(righe(), expected);
    EXPECT_EQ(Forme::poli_d, 0);
    EXPECT_TRUE(Globali::filemodificato);
}

// Runs the event loop until the program ends it, or gives up after a while.
int ciclo(std::function<void()> azione)
{
    qApp->setQuitOnLastWindowClosed(false);
    QTimer::singleShot(0, azione);
    QTimer::singleShot(1500, [] { QCoreApplication::exit(7); });
    return QCoreApplication::exec();
}

TEST_F(MainWindow, ClosingTheWindowEndsTheProgram)
{
    EXPECT_EQ(ciclo([] { static_cast<QWidget&>(principale()).close(); }), 0);
    EXPECT_FALSE(fin_principale::exists());
}

TEST_F(MainWindow, ClosingAsksAboutUnsavedChangesAndCancelKeepsItOpen)
{
    testsupport::DialogScript script;
    script.saveChangesAnswers = {platform::SaveAnswer::Cancel};
    Globali::filemodificato = true;
    EXPECT_EQ(ciclo([] { static_cast<QWidget&>(principale()).close(); }), 7);
    EXPECT_EQ(script.saveChangesAsked, 1);
    EXPECT_TRUE(fin_principale::exists() && principale().isVisible());
}

} // namespace
