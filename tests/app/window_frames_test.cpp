// The program's windows on a desktop: which of them the window manager can
// close, maximise, minimise or resize, which stay above which, and where the
// keyboard focus goes when a modifier key is pressed alone.
#include "app_fixture.h"

#include "app/info.h"
#include "app/tendine.h"
#include "create3d/fin_3d.h"
#include "editor/fin_edita.h"
#include "editor/fin_grid.h"
#include "editor/fin_principale.h"
#include "editor/fin_resol.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QWindow>

namespace {

// The program's windows as the user opens them.
enum class Finestra { Palette, NumericEditor, Create3d, GridDialog, ResolutionDialog, AboutBox };

struct CasoFinestra {
    const char* nome;
    Finestra finestra;
};

void PrintTo(const CasoFinestra& c, std::ostream* os) { *os << c.nome; }

platform::Window& apri(Finestra f)
{
    fin_forme& palette = fin_forme::instance();
    switch (f) {
    case Finestra::Palette: return palette;
    case Finestra::NumericEditor: return fin_edita::instance();
    case Finestra::Create3d: QTest::mouseClick(palette.bot_3d, Qt::LeftButton); return fin_3d::instance();
    case Finestra::GridDialog: QTest::mouseClick(palette.bot_setup(0), Qt::LeftButton); return fin_grid::instance();
    case Finestra::ResolutionDialog:
        QTest::mouseClick(palette.bot_setup(1), Qt::LeftButton);
        return fin_resol::instance();
    case Finestra::AboutBox:
        Tendine::instance().item(QStringLiteral("AppleModanovainfo"))->trigger();
        return info::instance();
    }
    return palette;
}

bool esiste(Finestra f)
{
    switch (f) {
    case Finestra::Palette: return fin_forme::exists();
    case Finestra::NumericEditor: return fin_edita::exists();
    case Finestra::Create3d: return fin_3d::exists();
    case Finestra::GridDialog: return fin_grid::exists();
    case Finestra::ResolutionDialog: return fin_resol::exists();
    case Finestra::AboutBox: return info::exists();
    }
    return false;
}

// The window manager's close request (its close button, Alt+F4 and the
// like): the window system asks the window to close.
bool chiediChiusura(QWidget& w)
{
    EXPECT_TRUE(w.windowHandle());
    const bool closed = w.windowHandle() && w.windowHandle()->close();
    testsupport::processEvents();
    return closed;
}

class WindowWithoutCloseBox : public AppTest, public ::testing::WithParamInterface<CasoFinestra> {};

// None of these windows has a close box, so a close request from outside the
// program is refused: the window stays, in its place, and the program keeps
// a way on.
TEST_P(WindowWithoutCloseBox, RefusesTheWindowManagersCloseRequest)
{
    avvia();
    const Finestra f = GetParam().finestra;
    platform::Window& w = apri(f);
    testsupport::processEvents();
    ASSERT_TRUE(w.isVisible());
    const QPoint where(w.Left(), w.Top());

    EXPECT_FALSE(chiediChiusura(w));
    ASSERT_TRUE(esiste(f));
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(QPoint(w.Left(), w.Top()), where);
    EXPECT_FALSE(w.hasCloseBox());
    EXPECT_FALSE(w.windowFlags() & Qt::WindowCloseButtonHint);
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowWithoutCloseBox,
                         ::testing::Values(CasoFinestra{"Palette", Finestra::Palette},
                                           CasoFinestra{"NumericEditor", Finestra::NumericEditor},
                                           CasoFinestra{"Create3d", Finestra::Create3d},
                                           CasoFinestra{"GridDialog", Finestra::GridDialog},
                                           CasoFinestra{"ResolutionDialog", Finestra::ResolutionDialog},
                                           CasoFinestra{"AboutBox", Finestra::AboutBox}),
                         [](const auto& info) { return std::string(info.param.nome); });

// The main window's close box asks about unsaved changes as Quit does;
// Cancel keeps the program running with the drawing.
TEST_F(AppTest, TheMainWindowsCloseRequestAsksAsQuitDoes)
{
    avvia();
    disegna();
    testsupport::DialogScript dialogs;
    dialogs.saveChangesAnswers = {platform::SaveAnswer::Cancel};
    fin_principale& main = fin_principale::instance();
    EXPECT_TRUE(main.hasCloseBox());
    EXPECT_TRUE(main.windowFlags() & Qt::WindowCloseButtonHint);

    EXPECT_FALSE(chiediChiusura(main));
    EXPECT_EQ(dialogs.saveChangesAsked, 1);
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(Forme::poli_q, 3);
}

// No window offers maximise, minimise or full screen, and none can be
// resized: its smallest and largest size, which the window manager is told,
// are its size. A window manager that minimises, maximises or puts it in
// full screen all the same (openbox offers the buttons whatever the window
// asks) sees it go back to its normal state, in its place and size.
void expectFixedFrame(platform::Window& w)
{
    const Qt::WindowFlags flags = w.windowFlags();
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint) << "the window manager's own buttons stay off";
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowFullscreenButtonHint);
    EXPECT_FALSE(flags & Qt::WindowStaysOnTopHint);
    const QSize before = w.size();
    EXPECT_EQ(w.minimumSize(), before);
    EXPECT_EQ(w.maximumSize(), before);
    ASSERT_TRUE(w.windowHandle());
    EXPECT_EQ(w.windowHandle()->minimumSize(), before);
    EXPECT_EQ(w.windowHandle()->maximumSize(), before);
    w.resize(before + QSize(120, 90));
    testsupport::processEvents();
    EXPECT_EQ(w.size(), before);

    const QPoint where = w.pos();
    for (Qt::WindowState state : {Qt::WindowMinimized, Qt::WindowMaximized, Qt::WindowFullScreen}) {
        w.windowHandle()->setWindowState(state);
        testsupport::processEvents();
        testsupport::processEvents();
        EXPECT_EQ(w.windowState(), Qt::WindowNoState) << state;
        EXPECT_EQ(w.windowHandle()->windowState(), Qt::WindowNoState) << state;
        EXPECT_TRUE(w.isVisible()) << state;
        EXPECT_EQ(w.size(), before) << state;
        EXPECT_EQ(w.pos(), where) << state;
    }
}

TEST_P(WindowWithoutCloseBox, CannotBeMaximisedMinimisedOrResized)
{
    avvia();
    platform::Window& w = apri(GetParam().finestra);
    testsupport::processEvents();
    ASSERT_TRUE(w.isVisible());
    expectFixedFrame(w);
}

// The main window keeps scrx x scry, menu bar included, at (94, 90).
TEST_F(AppTest, TheMainWindowCannotBeMaximisedMinimisedOrResized)
{
    avvia();
    fin_principale& main = fin_principale::instance();
    expectFixedFrame(main);
    EXPECT_EQ(main.size(), QSize(Globali::scrx, Globali::scry));
    EXPECT_EQ(QPoint(main.Left(), main.Top()), QPoint(94, 90));
}

// The palette and the numeric editor are tool windows of the main window:
// above the program's windows, not above every program's.
TEST_F(AppTest, TheFloatingWindowsBelongToTheMainWindow)
{
    avvia();
    for (platform::Window* w : {static_cast<platform::Window*>(&fin_forme::instance()),
                                static_cast<platform::Window*>(&fin_edita::instance())}) {
        SCOPED_TRACE(w->title().toStdString());
        EXPECT_EQ(w->windowType(), Qt::Tool);
        EXPECT_EQ(w->parentWidget(), &fin_principale::instance());
        EXPECT_TRUE(w->isWindow());
        ASSERT_TRUE(w->windowHandle());
        EXPECT_EQ(w->windowHandle()->transientParent(), fin_principale::instance().windowHandle());
    }
}

// A modifier key pressed alone over the drawing window, as the user holds
// Control, Shift or Alt before the letter of a shortcut, leaves the focus
// where it is; so Ctrl+E typed over the drawing opens "Create 3D" as the
// menu item does, and does not end up in a field of the numeric editor.
TEST_F(AppTest, AModifierKeyAloneOverTheDrawingMovesNoFocus)
{
    avvia();
    fin_principale& main = fin_principale::instance();
    main.showAndActivate();
    main.body()->setFocus(Qt::MouseFocusReason);
    QTRY_COMPARE(QApplication::activeWindow(), &main);
    ASSERT_EQ(QApplication::focusWidget(), main.body());

    for (Qt::Key key : {Qt::Key_Control, Qt::Key_Shift, Qt::Key_Alt, Qt::Key_Meta}) {
        QTest::keyPress(QApplication::focusWidget(), key);
        QTest::keyRelease(QApplication::focusWidget(), key);
        testsupport::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), main.body()) << key;
        EXPECT_EQ(QApplication::activeWindow(), &main) << key;
    }

    QTest::keyPress(QApplication::focusWidget(), Qt::Key_Control);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::ControlModifier);
    testsupport::processEvents();
    EXPECT_TRUE(fin_3d::instance().isVisible());
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(fin_edita::instance().efxdelta->text(), "0");
}

} // namespace
