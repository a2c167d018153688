// The arc-resolution and grid dialogs, opened from the palette in both
// languages, confirmed or cancelled with their buttons and keys.
#include "editor/editor_fixture.h"
#include "editor/fin_grid.h"
#include "editor/fin_resol.h"

namespace {

using Dialogs = EditorTest;

struct LanguageCase {
    int lingua;
    const char* resolTitle;
    const char* gridTitle;
    const char* snap;
    const char* visible;
    const char* cancel;
};

void PrintTo(const LanguageCase& c, std::ostream* os) { *os << "language " << c.lingua; }

class DialogTexts : public EditorTest, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(DialogTexts, FollowTheLanguageWhenTheyOpen)
{
    const LanguageCase& c = GetParam();
    Globali::lingua = c.lingua;

    premi(palette().bot_setup(1));
    fin_resol& resol = fin_resol::instance();
    EXPECT_EQ(resol.title(), QString::fromUtf8(c.resolTitle));
    EXPECT_EQ(resol.PushButton2->text(), QString::fromUtf8(c.cancel));
    EXPECT_EQ(resol.PushButton1->text(), "OK");
    premi(resol.PushButton2);

    premi(palette().bot_setup(0));
    fin_grid& grid = fin_grid::instance();
    EXPECT_EQ(grid.title(), QString::fromUtf8(c.gridTitle));
    EXPECT_EQ(grid.chk_gr_onoff->text(), QString::fromUtf8(c.snap));
    EXPECT_EQ(grid.chk_gr_vis->text(), QString::fromUtf8(c.visible));
    EXPECT_EQ(grid.PushButton2->text(), QString::fromUtf8(c.cancel));
    EXPECT_EQ(grid.PushButton1->text(), "OK");
    EXPECT_EQ(grid.StaticText1->text(), QString::fromUtf8("\u2206X (mm)"));
}

INSTANTIATE_TEST_SUITE_P(Languages, DialogTexts,
                         ::testing::Values(LanguageCase{1, "Arc resolution for 90 degrees", "Grid settings",
                                                        "Snap to grid", "Visible grid", "Cancel"},
                                           LanguageCase{2, "Risoluzione archi per 90 gradi", "Uso della griglia",
                                                        "Aggancia alla griglia", "Griglia visibile", "Annulla"}));

TEST_F(Dialogs, ResolutionShowsTheCurrentValueAndTakesTheSliderAtOnce)
{
    Forme::risoluzione = 8;
    premi(palette().bot_setup(1));
    fin_resol& resol = fin_resol::instance();
    EXPECT_EQ(resol.slideresol->value(), 8);
    EXPECT_EQ(resol.StaticText1->text(), "8");
    // The read-out stands in the middle of its place.
    EXPECT_EQ(resol.StaticText1->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
    EXPECT_EQ(resol.slideresol->minimum(), 3);
    EXPECT_EQ(resol.slideresol->maximum(), 128);

    // The user moves the slider to 20 and cancels: the value stays, the
    // backdrop is not rebuilt.
    const platform::PicturePtr before = Geometria::griglia;
    resol.slideresol->setFocus();
    for (int i = 0; i < 12; ++i)
        QTest::keyClick(resol.slideresol, Qt::Key_Right);
    EXPECT_EQ(Forme::risoluzione, 20);
    EXPECT_EQ(resol.StaticText1->text(), "20");
    premi(resol.PushButton2);
    EXPECT_FALSE(fin_resol::exists());
    EXPECT_EQ(Forme::risoluzione, 20);
    EXPECT_EQ(Geometria::griglia, before);
}

TEST_F(Dialogs, ResolutionOkRedrawsTheChainAndTheNextShowingStartsAfresh)
{
    catena({{1, 0, 0, 40, 0, 0, 0}});
    Forme::poli_d = 1;
    premi(palette().bot_setup(1));
    fin_resol& resol = fin_resol::instance();
    resol.slideresol->setFocus();
    QTest::keyClick(resol.slideresol, Qt::Key_PageUp);
    EXPECT_EQ(Forme::risoluzione, 28);
    const platform::PicturePtr before = Geometria::griglia;
    QTest::keyClick(&resol, Qt::Key_Return);
    EXPECT_FALSE(fin_resol::exists());
    EXPECT_EQ(Forme::risoluzione, 28);
    EXPECT_NE(Geometria::griglia, before);
    // The half circle was drawn with 2 x 28 segments.
    EXPECT_EQ(segmentiVivi().size(), 56u);

    testsupport::processEvents();
    premi(palette().bot_setup(1));
    EXPECT_EQ(fin_resol::instance().slideresol->value(), 28);
    EXPECT_EQ(fin_resol::instance().StaticText1->text(), "28");
}

TEST_F(Dialogs, ResolutionOutsideTheSliderKeepsItsReadOutUntilMoved)
{
    Forme::risoluzione = 300;
    premi(palette().bot_setup(1));
    fin_resol& resol = fin_resol::instance();
    EXPECT_EQ(resol.slideresol->value(), 128);
    EXPECT_EQ(resol.StaticText1->text(), "300");
    QTest::keyClick(&resol, Qt::Key_Escape);
    EXPECT_FALSE(fin_resol::exists());
    EXPECT_EQ(Forme::risoluzione, 300);
}

struct GridCase {
    const char* name;
    const char* x;
    const char* y;
    bool snap, visible;
    int grx, gry;
    bool gridon, gridvis;
};

void PrintTo(const GridCase& c, std::ostream* os) { *os << c.name; }

class GridOk : public EditorTest, public ::testing::WithParamInterface<GridCase> {};

TEST_P(GridOk, SetsSpacingsAndFlags)
{
    const GridCase& c = GetParam();
    premi(palette().bot_setup(0));
    fin_grid& grid = fin_grid::instance();
    EXPECT_EQ(grid.efgrx->text(), "10");
    EXPECT_TRUE(grid.chk_gr_onoff->value());

    for (auto [field, text] : {std::pair{grid.efgrx, c.x}, std::pair{grid.efgry, c.y}}) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, QString::fromLatin1(text));
    }
    if (grid.chk_gr_onoff->value() != c.snap)
        premi(grid.chk_gr_onoff);
    if (grid.chk_gr_vis->value() != c.visible)
        premi(grid.chk_gr_vis);
    const platform::PicturePtr before = Geometria::griglia;
    premi(grid.PushButton1);

    EXPECT_FALSE(fin_grid::exists());
    EXPECT_EQ(Geometria::grx, c.grx);
    EXPECT_EQ(Geometria::gry, c.gry);
    EXPECT_EQ(Geometria::gridon, c.gridon);
    EXPECT_EQ(Geometria::gridvis, c.gridvis);
    EXPECT_NE(Geometria::griglia, before);

    // The next showing starts from what was set.
    testsupport::processEvents();
    premi(palette().bot_setup(0));
    EXPECT_EQ(fin_grid::instance().efgrx->text(), platform::Str(c.grx));
    EXPECT_EQ(fin_grid::instance().efgry->text(), platform::Str(c.gry));
    EXPECT_EQ(fin_grid::instance().chk_gr_onoff->value(), c.gridon);
    EXPECT_EQ(fin_grid::instance().chk_gr_vis->value(), c.gridvis);
}

INSTANTIATE_TEST_SUITE_P(Fields, GridOk,
                         ::testing::Values(GridCase{"Plain", "20", "5", true, true, 20, 5, true, true},
                                           GridCase{"BoxesOff", "3", "4", false, false, 3, 4, false, false},
                                           // A zero spacing on either axis switches the grid off.
                                           GridCase{"ZeroY", "10", "0", true, true, 0, 0, false, false},
                                           GridCase{"EmptyX", "", "10", true, true, 0, 0, false, false},
                                           // The field keeps a leading minus; the spacing is made positive.
                                           GridCase{"Negative", "-7", "3", true, true, 7, 3, true, true},
                                           // Beyond what a document can hold.
                                           GridCase{"Huge", "99999999999", "100000", true, false, 100000, 100000, true,
                                                    false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Dialogs, GridCancelChangesNothing)
{
    premi(palette().bot_setup(0));
    fin_grid& grid = fin_grid::instance();
    grid.efgrx->setTextFromProgram("50");
    premi(grid.chk_gr_onoff);
    const platform::PicturePtr before = Geometria::griglia;
    QTest::keyClick(&grid, Qt::Key_Escape);
    EXPECT_FALSE(fin_grid::exists());
    EXPECT_EQ(Geometria::grx, 10);
    EXPECT_TRUE(Geometria::gridon);
    EXPECT_EQ(Geometria::griglia, before);
}

// The same text gives the same spacing however OK is pressed: "2.5" is
// filtered to "25" as the field is left, and Return, which leaves no field,
// filters it too.
enum class Conferma { ClickOnOk, ReturnInTheField };

const char* nome(Conferma c) { return c == Conferma::ClickOnOk ? "ClickOnOk" : "ReturnInTheField"; }
void PrintTo(Conferma c, std::ostream* os) { *os << nome(c); }

class GridConfirmed : public EditorTest, public ::testing::WithParamInterface<Conferma> {};

TEST_P(GridConfirmed, ReadsTheFilteredText)
{
    premi(palette().bot_setup(0));
    fin_grid& grid = fin_grid::instance();
    grid.showAndActivate();
    testsupport::processEvents();
    for (EditFieldIntero* field : {grid.efgrx, grid.efgry}) {
        field->setFocus(Qt::MouseFocusReason);
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("2.5"));
    }
    if (GetParam() == Conferma::ClickOnOk)
        premi(grid.PushButton1);
    else
        QTest::keyClick(grid.efgry, Qt::Key_Return);
    EXPECT_FALSE(fin_grid::exists());
    EXPECT_EQ(Geometria::grx, 25);
    EXPECT_EQ(Geometria::gry, 25);
}

INSTANTIATE_TEST_SUITE_P(Paths, GridConfirmed, ::testing::Values(Conferma::ClickOnOk, Conferma::ReturnInTheField),
                         [](const auto& info) { return std::string(nome(info.param)); });

TEST_F(Dialogs, GridReturnInAFieldConfirms)
{
    premi(palette().bot_setup(0));
    fin_grid& grid = fin_grid::instance();
    grid.efgry->setFocus();
    grid.efgry->selectAll();
    QTest::keyClicks(grid.efgry, "25");
    QTest::keyClick(grid.efgry, Qt::Key_Return);
    EXPECT_FALSE(fin_grid::exists());
    EXPECT_EQ(Geometria::gry, 25);
}

} // namespace
