// The tool palette, driven by clicks on its buttons: the tool choice and its
// second variant, the add/edit mode switch, delete and clear, the captures,
// the "3D" button and the settings and language buttons.
#include "editor/editor_fixture.h"
#include "editor/fin_grid.h"
#include "editor/fin_resol.h"

#include "create3d/fin_3d.h"
#include "gdl/esportazione.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QToolTip>

namespace {

using Palette = EditorTest;

QString icona(const platform::BevelButton* b) { return b->property("iconName").toString(); }

const QColor kCiano = platform::hsv(0.5, 1, 1);
const QColor kGiallo = platform::hsv(1.0 / 6.0, 1, 1);

TEST_F(Palette, ChoosingAToolTwiceTakesItsSecondVariant)
{
    // From the empty drawing: tool 0, first variant.
    premi(palette().bot_can);
    Forme::dx = 40;
    Forme::dy = 20;
    struct Step {
        int tool;
        int forma;
        QPoint cell;
        QColor colour;
        const char* type;
        size_t segments;
    };
    const Step steps[] = {
        {2, 2, {1, 79}, kCiano, "Circular", 8},
        {2, 8, {1, 79}, kGiallo, "Elliptical", 8},
        {3, 9, {40, 79}, kGiallo, "Elliptical", 8},
        {3, 3, {40, 79}, kCiano, "Circular", 8},
        {4, 4, {1, 118}, kCiano, "Circular", 16},
        {0, 0, {1, 40}, kCiano, "", 1},
        {0, 6, {1, 40}, kGiallo, "", 1},
        {1, 7, {40, 40}, kGiallo, "", 16},
    };
    for (const Step& s : steps) {
        premi(palette().bot_forma(s.tool));
        EXPECT_EQ(Forme::qualetool, s.tool);
        EXPECT_EQ(Forme::forma, s.forma) << "tool " << s.tool;
        EXPECT_EQ(palette().rec_sel->pos(), s.cell);
        EXPECT_EQ(palette().rec_sel->FillColor, s.colour) << "tool " << s.tool;
        EXPECT_EQ(edita().txttipo->text(), QString::fromLatin1(s.type));
        // The element is previewed at once in its new kind, in red.
        const auto live = segmentiVivi();
        EXPECT_EQ(live.size(), s.segments) << "kind " << s.forma;
        for (const auto& seg : live)
            EXPECT_EQ(seg.color, platform::hsv(0, 1, 1));
    }
    EXPECT_EQ(edita().txtforma->text(), "0 Torus");
}

TEST_F(Palette, InEditModeAToolRetypesTheSelectedElementAndMarksTheDocument)
{
    catena({{0, 0, 0, 20, 0, 0, 0}, {2, 20, 0, 20, 20, 0, 0}});
    modoModifica(1);
    principale().aggiorna_puntini();
    const platform::PicturePtr backdrop = Geometria::griglia;

    premi(palette().bot_forma(4));

    EXPECT_EQ(Forme::polilinea(1, kKind), 4.0);
    EXPECT_EQ(Forme::polilinea(0, kKind), 0.0);
    EXPECT_DOUBLE_EQ(Forme::polilinea(1, kDX), 20);
    EXPECT_TRUE(Globali::filemodificato);
    // The backdrop keeps the old kind until its next rebuild; the preview
    // shows the new one.
    EXPECT_EQ(Geometria::griglia, backdrop);
    EXPECT_EQ(segmentiVivi().size(), 16u);
}

// A retype that the add would refuse for the selected element's extent: an
// elliptical kind without an x or a y extent, a curve without either. The
// beep, and the choice changes nothing: the row, the tool, its variant, the
// highlight and the mark stay.
TEST_F(Palette, InEditModeARetypeTheAddWouldRefuseBeepsAndChangesNothing)
{
    struct Caso {
        ElementRow riga;
        std::vector<int> prima; // tools chosen before, all accepted
        int rifiutato;          // the tool whose choice is refused
    };
    const Caso casi[] = {
        {{2, 0, 0, 30, 0, 0, 0}, {2}, 2},    // to the quarter ellipse, no y extent
        {{4, 0, 0, 0, 25, 0, 0}, {4}, 4},    // to the double ellipse, no x extent
        {{0, 0, 0, 0, 0, 0, 10}, {0}, 1},    // a rise alone cannot be a half circle
        {{6, 0, 0, 0, 0, 0, 10}, {0, 0}, 3}, // nor a quarter circle
    };
    for (const Caso& c : casi) {
        catena({{0, 0, 0, 20, 20, 0, 0}, c.riga});
        Forme::ricomincia();
        modoModifica(1);
        principale().aggiorna_puntini();
        for (int t : c.prima)
            premi(palette().bot_forma(t));
        Globali::setModificato(false);
        platform::resetBeepCount();
        const ElementRow riga = Forme::polilinea.row(1);
        const int tool = Forme::qualetool, forma = Forme::forma;
        const bool variante = Forme::inversioneforma;
        const QPoint cella = palette().rec_sel->pos();
        const QColor colore = palette().rec_sel->FillColor;
        const QString tipo = edita().txttipo->text();

        premi(palette().bot_forma(c.rifiutato));

        EXPECT_EQ(platform::beepCount(), 1) << "tool " << c.rifiutato;
        EXPECT_EQ(Forme::polilinea.row(1), riga);
        EXPECT_EQ(Forme::qualetool, tool);
        EXPECT_EQ(Forme::forma, forma);
        EXPECT_EQ(Forme::inversioneforma, variante);
        EXPECT_EQ(palette().rec_sel->pos(), cella);
        EXPECT_EQ(palette().rec_sel->FillColor, colore);
        EXPECT_EQ(edita().txttipo->text(), tipo);
        EXPECT_FALSE(Globali::filemodificato);
    }
}

// A chain of five elements, each 10 right and 5 up from the one before.
void cinqueElementi()
{
    Forme::polilinea.redim(5);
    for (int i = 0; i < 5; ++i)
        Forme::polilinea.row(i) = {0, 10.0 * i, 5.0 * i, 10, 5, 0, 0};
    Forme::poli_q = 5;
}

struct ModeCase {
    int insertion;
    int selected;
    int afterLeaving;
    double startX, startY; // the current start after leaving
};

void PrintTo(const ModeCase& c, std::ostream* os) { *os << "insertion " << c.insertion; }

class ModeSwitch : public EditorTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ModeSwitch, SelectsAnElementAndLeavesTheInsertionPointAfterIt)
{
    const ModeCase& c = GetParam();
    cinqueElementi();
    Forme::poli_d = c.insertion;

    premi(palette().bot_sel);
    EXPECT_TRUE(palette().bot_sel->value());
    EXPECT_EQ(icona(palette().bot_sel), "edita1s");
    EXPECT_EQ(Forme::poli_d, c.selected);
    // The selected element is the current element, drawn, with its markers.
    EXPECT_DOUBLE_EQ(Forme::xprec, 10.0 * c.selected);
    EXPECT_EQ(edita().efxdelta->text(), "10");
    EXPECT_TRUE(principale().pointer->isVisible());
    EXPECT_TRUE(principale().prepointer->isVisible());
    EXPECT_EQ(principale().pointer->FillColor, QColor(0, 0, 255));
    EXPECT_EQ(principale().prepointer->BorderColor, QColor(0, 0, 255));
    EXPECT_FALSE(segmentiVivi().empty());
    EXPECT_EQ(edita().bot_scorri(2)->isEnabled(), c.selected != 4);
    EXPECT_EQ(edita().txtforma->text(), platform::Str(c.selected) + " Line");

    premi(palette().bot_sel);
    EXPECT_FALSE(palette().bot_sel->value());
    EXPECT_EQ(icona(palette().bot_sel), "edita1");
    EXPECT_EQ(Forme::poli_d, c.afterLeaving);
    EXPECT_DOUBLE_EQ(Forme::xprec, c.startX);
    EXPECT_DOUBLE_EQ(Forme::yprec, c.startY);
    EXPECT_FALSE(principale().pointer->isVisible());
    EXPECT_FALSE(principale().prepointer->isVisible());
    EXPECT_EQ(principale().pointer->FillColor, platform::hsv(0, 1, 1));
    EXPECT_EQ(principale().prepointer->FillColor, platform::hsv(0, 1, 1));
    // The label shows the new insertion point at once.
    EXPECT_EQ(edita().txtforma->text(), platform::Str(c.afterLeaving) + " Line");
    EXPECT_EQ(platform::beepCount(), 0);
    EXPECT_FALSE(Globali::filemodificato);
}

INSTANTIATE_TEST_SUITE_P(Chain, ModeSwitch,
                         ::testing::Values(ModeCase{5, 4, 5, 50, 25}, ModeCase{2, 2, 3, 30, 15},
                                           ModeCase{0, 0, 1, 10, 5}));

TEST_F(Palette, EditModeIsRefusedWithoutElements)
{
    premi(palette().bot_sel);
    EXPECT_FALSE(palette().bot_sel->value());
    EXPECT_EQ(icona(palette().bot_sel), "edita1");
    EXPECT_EQ(platform::beepCount(), 1);
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(edita().bot_scorri(i)->isEnabled());
}

TEST_F(Palette, DeletingKeepsTheChainConnectedAndSelectsTheNextElement)
{
    catena({{0, 0, 0, 10, 0, 0, 0}, {1, 10, 0, 10, 10, 0, 2}, {2, 20, 10, 5, 5, 2, 0}});
    modoModifica(1);

    premi(palette().bot_can);

    ASSERT_EQ(Forme::poli_q, 2);
    EXPECT_EQ(Forme::poli_d, 1);
    const ElementRow moved{2, 10, 0, 5, 5, 0, 0};
    EXPECT_EQ(Forme::polilinea.row(1), moved);
    EXPECT_TRUE(Globali::filemodificato);
    // The element now selected is shown.
    EXPECT_EQ(Forme::forma, 2);
    EXPECT_EQ(edita().efxdelta->text(), "5");
    EXPECT_TRUE(palette().bot_sel->value());

    // Deleting the last element selects the new last one.
    premi(palette().bot_can);
    EXPECT_EQ(Forme::poli_q, 1);
    EXPECT_EQ(Forme::poli_d, 0);
    EXPECT_TRUE(palette().bot_sel->value());
    EXPECT_EQ(platform::beepCount(), 0);
}

TEST_F(Palette, DeletingTheOnlyElementReturnsToAddModeWithOneBeep)
{
    catena({{0, 0, 0, 10, 0, 0, 0}});
    modoModifica(0);
    palette().setButtonIcon(palette().bot_sel, "edita1s");
    principale().prepointer->setColors(QColor(0, 0, 255), QColor(0, 0, 255));

    premi(palette().bot_can);

    EXPECT_EQ(Forme::poli_q, 0);
    EXPECT_EQ(Forme::poli_d, 0);
    EXPECT_FALSE(palette().bot_sel->value());
    EXPECT_EQ(icona(palette().bot_sel), "edita1");
    EXPECT_FALSE(principale().pointer->isVisible());
    EXPECT_FALSE(principale().prepointer->isVisible());
    EXPECT_EQ(principale().prepointer->FillColor, platform::hsv(0, 1, 1));
    EXPECT_EQ(platform::beepCount(), 1);
}

// Other commands (File > New, opening a document, editing a stored profile)
// replace the chain without looking at the mode; the rebuild that follows
// brings the mode back within the chain.
TEST_F(Palette, EditModeFollowsAChainReplacedFromElsewhere)
{
    catena({{0, 0, 0, 10, 0, 0, 0}, {0, 10, 0, 10, 0, 0, 0}, {0, 20, 0, 10, 0, 0, 0}});
    Forme::poli_d = 3;
    premi(palette().bot_sel);
    ASSERT_TRUE(palette().bot_sel->value());

    // A shorter chain: the selection becomes its last element.
    catena({{0, 0, 0, 5, 5, 0, 0}});
    Geometria::disegna_griglia();
    EXPECT_TRUE(palette().bot_sel->value());
    EXPECT_EQ(Forme::poli_d, 0);
    esci();
    EXPECT_EQ(edita().efxdelta->text(), "5");

    // An empty chain: back to add mode, without a beep.
    Forme::polilinea.redim(0);
    Forme::poli_q = 0;
    Forme::poli_d = 0;
    Geometria::disegna_griglia();
    EXPECT_FALSE(palette().bot_sel->value());
    EXPECT_EQ(icona(palette().bot_sel), "edita1");
    EXPECT_FALSE(principale().pointer->isVisible());
    EXPECT_EQ(principale().pointer->FillColor, platform::hsv(0, 1, 1));
    EXPECT_EQ(platform::beepCount(), 0);
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(edita().bot_scorri(i)->isEnabled());
}

struct ClearCase {
    const char* name;
    bool modified;
    std::vector<platform::SaveAnswer> answers;
    bool saveDialogAnswers; // the save dialog gives a path (else it is cancelled)
    bool cleared;
    int questions;
};

void PrintTo(const ClearCase& c, std::ostream* os) { *os << c.name; }

class Clear : public EditorTest, public ::testing::WithParamInterface<ClearCase> {};

TEST_P(Clear, AsksAboutUnsavedChangesThenEmptiesTheDrawing)
{
    const ClearCase& c = GetParam();
    QTemporaryDir dir;
    testsupport::DialogScript script;
    script.saveChangesAnswers = c.answers;
    const QString path = dir.filePath("drawing.mdn");
    if (c.saveDialogAnswers)
        script.saveAnswers = {path};

    catena({{9, 0, 0, 10, 10, 0, 0}, {1, 10, 10, 10, 0, 0, 0}});
    Forme::poli_d = 2;
    Forme::qualetool = 3;
    Forme::forma = 9;
    Forme::inversioneforma = true;
    Forme::xprec = 20;
    Forme::dx = 7;
    Forme::risoluzione = 12;
    Geometria::origx = 17;
    Geometria::zmfct = 4;
    Geometria::grx = 5;
    esportazione::sago_q = 2;
    esportazione::sagoma.redim(2);
    esportazione::sagoma.row(1) = {1, 1, 2, 3, 4, 0, 0};
    Globali::filemodificato = c.modified;

    premi(palette().bot_can);

    EXPECT_EQ(script.saveChangesAsked, c.questions);
    if (!c.cleared) {
        EXPECT_EQ(Forme::poli_q, 2);
        EXPECT_EQ(Geometria::origx, 17);
        EXPECT_EQ(Forme::qualetool, 3);
        EXPECT_TRUE(Globali::filemodificato);
        EXPECT_EQ(platform::beepCount(), 0);
        return;
    }
    EXPECT_EQ(Forme::poli_q, 0);
    EXPECT_EQ(Forme::poli_d, 0);
    EXPECT_EQ(Forme::polilinea.ubound(), 0);
    EXPECT_EQ(Forme::xprec, 0.0);
    EXPECT_EQ(Forme::dx, 0.0);
    EXPECT_EQ(Geometria::origx, 400);
    EXPECT_EQ(Geometria::origy, 300);
    EXPECT_EQ(Geometria::zmfct, 1.0);
    // Tool 0, first variant, cyan highlight on it, labels written.
    EXPECT_EQ(Forme::qualetool, 0);
    EXPECT_EQ(Forme::forma, 0);
    EXPECT_FALSE(Forme::inversioneforma);
    EXPECT_EQ(palette().rec_sel->pos(), QPoint(1, 40));
    EXPECT_EQ(palette().rec_sel->FillColor, kCiano);
    EXPECT_EQ(edita().txtforma->text(), "0 Line");
    EXPECT_EQ(edita().txttipo->text(), "");
    EXPECT_TRUE(Globali::fileattuale.isEmpty());
    EXPECT_FALSE(Globali::filemodificato);
    EXPECT_FALSE(Geometria::calc_zoom);
    EXPECT_EQ(platform::beepCount(), 1);
    // What the clear leaves alone.
    EXPECT_EQ(Forme::risoluzione, 12);
    EXPECT_EQ(Geometria::grx, 5);
    EXPECT_EQ(esportazione::sago_q, 2);
    EXPECT_EQ(esportazione::sagoma(1, kDY), 4.0);
    EXPECT_FALSE(palette().bot_sel->value());
    EXPECT_EQ(QFile::exists(path), c.saveDialogAnswers);
}

using A = platform::SaveAnswer;
INSTANTIATE_TEST_SUITE_P(Answers, Clear,
                         ::testing::Values(ClearCase{"NotModified", false, {}, false, true, 0},
                                           ClearCase{"Cancel", true, {A::Cancel}, false, false, 1},
                                           ClearCase{"DontSave", true, {A::DontSave}, false, true, 1},
                                           ClearCase{"Save", true, {A::Save}, true, true, 1},
                                           ClearCase{"SaveDialogCancelled", true, {A::Save}, false, false, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Palette, CapturesFlattenTheProfileAndKeepThePathsHeights)
{
    catena({{0, 0, 0, 10, 0, 0, 5}, {8, 10, 0, 10, 10, 5, 5}});
    Forme::risoluzione = 12;
    Geometria::grx = 10;
    Geometria::gry = 5;

    premi(palette().bot_sagoma);
    EXPECT_EQ(esportazione::sago_q, 2);
    EXPECT_EQ(esportazione::daticreatred[0], 12.0);
    EXPECT_EQ(esportazione::sago_grx, 10);
    EXPECT_EQ(esportazione::sago_gry, 5);
    const ElementRow flat{8, 10, 0, 10, 10, 0, 0};
    EXPECT_EQ(esportazione::sagoma.row(1), flat);
    EXPECT_EQ(esportazione::sagoma(0, kDZ), 0.0);
    EXPECT_TRUE(fin_3d::exists() && fin_3d::instance().isVisible());

    Forme::risoluzione = 20;
    Geometria::gry = 7;
    premi(palette().bot_percorso);
    EXPECT_EQ(esportazione::perc_q, 2);
    EXPECT_EQ(esportazione::daticreatred[1], 20.0);
    EXPECT_EQ(esportazione::perc_gry, 7);
    EXPECT_EQ(esportazione::percorso.row(1), Forme::polilinea.row(1));
    EXPECT_EQ(esportazione::percorso(0, kDZ), 5.0);

    // The drawing stays as it was; the stored chains are part of the
    // document, which is now modified.
    EXPECT_EQ(Forme::poli_q, 2);
    EXPECT_EQ(Forme::polilinea(1, kZ0), 5.0);
    EXPECT_TRUE(Globali::filemodificato);
}

TEST_F(Palette, CapturingAnEmptyChainStoresNothingAndStillOpensCreate3D)
{
    esportazione::perc_q = 3;
    Forme::risoluzione = 9;
    premi(palette().bot_percorso);
    EXPECT_EQ(esportazione::perc_q, 0);
    EXPECT_EQ(esportazione::daticreatred[1], 9.0);
    EXPECT_TRUE(fin_3d::exists() && fin_3d::instance().isVisible());
}

TEST_F(Palette, The3DButtonOnlyOpensCreate3D)
{
    catena({{0, 0, 0, 10, 0, 0, 0}});
    premi(palette().bot_3d);
    EXPECT_TRUE(fin_3d::exists() && fin_3d::instance().isVisible());
    EXPECT_EQ(esportazione::sago_q, 0);
    EXPECT_EQ(esportazione::perc_q, 0);
}

TEST_F(Palette, LanguageButtonsRewriteTheLabels)
{
    premi(palette().bot_forma(2));
    EXPECT_EQ(edita().txtforma->text(), "0 1/4 Curve");
    EXPECT_EQ(edita().txttipo->text(), "Circular");

    premi(palette().bot_setup(3));
    EXPECT_EQ(Globali::lingua, 2);
    EXPECT_EQ(edita().txtforma->text(), "0 Ovolo");
    EXPECT_EQ(edita().txttipo->text(), "Forma circolare");

    premi(palette().bot_forma(1));
    premi(palette().bot_setup(2));
    EXPECT_EQ(Globali::lingua, 1);
    EXPECT_EQ(edita().txtforma->text(), "0 Torus");
    EXPECT_EQ(edita().txttipo->text(), "");
}

TEST_F(Palette, SettingsButtonsOpenTheDialogs)
{
    premi(palette().bot_setup(0));
    EXPECT_TRUE(fin_grid::exists() && fin_grid::instance().isVisible());
    fin_grid::instance().Close();
    premi(palette().bot_setup(1));
    EXPECT_TRUE(fin_resol::exists() && fin_resol::instance().isVisible());
}

// Resting the pointer on a tool shows its help tag, English and Italian on
// two lines, also while another window is the active one (the palette
// floats beside the drawing and is seldom active itself).
TEST_F(Palette, AToolShowsItsHelpTagWhileAnotherWindowIsActive)
{
    QWidget other; // another program's window, away from the palette
    other.setGeometry(600, 450, 100, 100);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    ASSERT_FALSE(palette().isActiveWindow());

    platform::BevelButton* tool = palette().bot_forma(1);
    QTest::mouseMove(palette().windowHandle(), tool->mapTo(&palette(), QPoint(18, 18)));
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 3000));
    EXPECT_EQ(QToolTip::text(), "create/edit a torus of 180 degrees\ncrea/modifica un toro da 180 gradi");
}

TEST_F(Palette, EveryButtonShowsItsIcon)
{
    std::vector<platform::BevelButton*> buttons = {palette().bot_sagoma, palette().bot_percorso, palette().bot_sel,
                                                   palette().bot_can, palette().bot_3d};
    for (const auto* array : {&palette().bot_forma, &palette().bot_move, &palette().bot_zoom, &palette().bot_setup})
        for (const auto& [i, b] : *array)
            buttons.push_back(b);
    ASSERT_EQ(buttons.size(), 23u);
    for (platform::BevelButton* b : buttons) {
        ASSERT_FALSE(b->icon().isNull()) << b->objectName().toStdString();
        // It fits the 36 x 36 button with room for the button's frame.
        EXPECT_LE(b->iconSize().width(), 32) << b->objectName().toStdString();
    }
}

} // namespace
