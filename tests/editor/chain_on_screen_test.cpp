// The chain's edits as the windows show them: clicks in the drawing area,
// the navigation buttons and the mode after a rebuild or a delete, the new
// backdrop on screen, and the editor's side of what the model asks of the
// screen.
#include "editor/editor_fixture.h"

#include "model/schermo.h"

namespace {

using ChainOnScreen = EditorTest;

const QRgb kBlack = platform::hsv(0.0, 0.0, 0.0).rgb();

TEST_F(ChainOnScreen, ClicksSnapToTheGridAndEachElementStartsWhereTheLastEnded)
{
    // Snapped to the 10 mm grid: (352, 147) is 50 mm right and 50 mm up.
    entra();
    muovi(352, 147);
    clicca(352, 147);
    muovi(419, 148);
    clicca(419, 148);
    ASSERT_EQ(Forme::poli_q, 2);
    EXPECT_EQ(Forme::polilinea.row(0), (ElementRow{0, 0, 0, 50, 50, 0, 0}));
    EXPECT_EQ(Forme::polilinea.row(1), (ElementRow{0, 50, 50, 70, 0, 0, 0}));
    EXPECT_TRUE(Globali::filemodificato);
    EXPECT_EQ(Geometria::griglia->pixel(325, 175), kBlack);
    EXPECT_EQ(Geometria::griglia->pixel(385, 150), kBlack);
    // A click on the same grid point adds an element of no extent: refused.
    muovi(421, 149);
    clicca(421, 149);
    EXPECT_EQ(Forme::poli_q, 2);
    EXPECT_EQ(platform::beepCount(), 1);
}

TEST_F(ChainOnScreen, AClickInEditModeMovesTheElementsAfterTheSelectedOne)
{
    catena({{0, 0, 0, 30, 0, 0, 0}, {0, 30, 0, 0, 30, 0, 0}, {0, 30, 30, 30, 0, 0, 0}});
    modoModifica(1);
    Geometria::disegna_griglia();
    principale().aggiorna_puntini();
    // The pointer at (30, 50) mm makes the selected element (0, 50) long.
    muovi(330, 150);
    clicca(330, 150);
    EXPECT_EQ(Forme::polilinea.row(1), (ElementRow{0, 30, 0, 0, 50, 0, 0}));
    EXPECT_EQ(Forme::polilinea.row(2), (ElementRow{0, 30, 50, 30, 0, 0, 0}));
    EXPECT_EQ(Forme::poli_q, 3);
    EXPECT_TRUE(Globali::filemodificato);
    EXPECT_EQ(Geometria::griglia->pixel(345, 150), kBlack);
}

// After a rebuild the navigation buttons follow the position and the mode:
// back while there is an element before, forward while there is one after
// (in add mode, the insertion point after the last).
struct AfterRebuild {
    const char* name;
    bool edit;
    int d;
    bool back, forward;
};

void PrintTo(const AfterRebuild& c, std::ostream* os) { *os << c.name; }

class ButtonsAfterRebuild : public EditorTest, public ::testing::WithParamInterface<AfterRebuild> {};

TEST_P(ButtonsAfterRebuild, FollowThePositionAndTheMode)
{
    const AfterRebuild& c = GetParam();
    catena({{0, 0, 0, 50, 0, 0, 1}, {0, 50, 0, 0, 50, 1, 2}, {0, 50, 50, 50, 0, 3, 3}, {6, 100, 50, 0, 50, 6, 4}});
    Forme::poli_d = c.d;
    Forme::modifica = c.edit;
    palette().bot_sel->setValue(c.edit);
    for (int i = 0; i < 4; ++i)
        edita().bot_scorri(i)->setEnabled(i < 2 ? !c.back : !c.forward);

    Geometria::disegna_griglia();
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(edita().bot_scorri(i)->isEnabled(), i < 2 ? c.back : c.forward) << i;
    EXPECT_EQ(principale().backdrop(), Geometria::griglia);
}

INSTANTIATE_TEST_SUITE_P(Positions, ButtonsAfterRebuild,
                         ::testing::Values(AfterRebuild{"add_at_end", false, 4, true, false},
                                           AfterRebuild{"add_in_middle", false, 2, true, true},
                                           AfterRebuild{"add_at_start", false, 0, false, true},
                                           AfterRebuild{"edit_first", true, 0, false, true},
                                           AfterRebuild{"edit_last", true, 3, true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// After a delete edit mode holds while elements remain and is left quietly
// when the chain becomes empty; the buttons follow the new selection.
struct Deletion {
    const char* name;
    int q, d, selected;
};

void PrintTo(const Deletion& c, std::ostream* os) { *os << c.name; }

class ScreenAfterDelete : public EditorTest, public ::testing::WithParamInterface<Deletion> {};

TEST_P(ScreenAfterDelete, KeepsEditModeWhileElementsRemain)
{
    const Deletion& c = GetParam();
    std::vector<ElementRow> rows = {
        {0, 0, 0, 30, 0, 0, 1}, {4, 30, 0, 10, 20, 1, 2}, {8, 40, 20, 20, 10, 3, 0}, {1, 60, 30, 0, 30, 3, 4}};
    Forme::polilinea.redim(c.q);
    for (int i = 0; i < c.q; ++i)
        Forme::polilinea.row(i) = rows[static_cast<size_t>(i)];
    Forme::poli_q = c.q;
    modoModifica(c.d);

    Geometria::elemento_elimina();
    ASSERT_EQ(Forme::poli_q, c.q - 1);
    EXPECT_EQ(palette().bot_sel->value(), c.q > 1);
    EXPECT_EQ(principale().backdrop(), Geometria::griglia);
    EXPECT_EQ(edita().bot_scorri(0)->isEnabled(), c.selected != 0);
    const int remaining = c.q - 1;
    const int last = remaining > 0 ? remaining - 1 : remaining;
    EXPECT_EQ(edita().bot_scorri(2)->isEnabled(), c.selected != last);
    EXPECT_EQ(platform::beepCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, ScreenAfterDelete,
                         ::testing::Values(Deletion{"first", 4, 0, 0}, Deletion{"middle", 4, 1, 1},
                                           Deletion{"last_of_several", 4, 3, 2}, Deletion{"last_of_two", 2, 1, 0},
                                           Deletion{"only", 1, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// A rebuild's new picture is what the drawing area shows: the grid lines
// through the origin and the mark on it.
TEST_F(ChainOnScreen, TheRebuiltBackdropIsWhatTheDrawingAreaShows)
{
    Geometria::disegna_griglia();
    testsupport::processEvents();
    const QImage shown = area()->grab().toImage();
    EXPECT_EQ(principale().backdrop(), Geometria::griglia);
    EXPECT_EQ(shown.pixel(300, 50), platform::hsv(0.0, 0.0, 0.8).rgb());
    EXPECT_EQ(shown.pixel(100, 200), platform::hsv(0.0, 0.0, 0.8).rgb());
    EXPECT_EQ(shown.pixel(300, 200), platform::hsv(0.5, 0.5, 0.5).rgb());
    EXPECT_EQ(shown.pixel(305, 55), qRgb(255, 255, 255));
}

// What the model asks of the screen reaches the editor's windows.
TEST_F(ChainOnScreen, TheEditorsScreenCarriesEachRequestToItsWindow)
{
    Schermo::Schermo& s = Schermo::schermo();
    s.sposta_evidenziatore(40, 118);
    EXPECT_EQ(posizione(palette().rec_sel), QPoint(40, 118));
    const QColor giallo = platform::hsv(1.0 / 6.0, 1, 1);
    s.colora_evidenziatore(giallo);
    EXPECT_EQ(palette().rec_sel->FillColor, giallo);
    EXPECT_EQ(palette().rec_sel->TopLeftColor, giallo);
    EXPECT_EQ(palette().rec_sel->BottomRightColor, giallo);
    s.scrivi_etichetta(QStringLiteral("7 Toro"));
    s.scrivi_tipo(QStringLiteral("Elliptical"));
    EXPECT_EQ(edita().txtforma->text(), "7 Toro");
    EXPECT_EQ(edita().txttipo->text(), "Elliptical");

    EXPECT_FALSE(palette().bot_sel->value());
    s.mostra_modo(true);
    EXPECT_TRUE(palette().bot_sel->value());
    s.mostra_modo(false);
    EXPECT_FALSE(palette().bot_sel->value());

    const auto picture = std::make_shared<platform::Picture>(800, 600);
    s.setBackdrop(picture);
    EXPECT_EQ(principale().backdrop(), picture);
    platform::CurveShape segmento;
    segmento.X2 = 10;
    segmento.Y2 = 5;
    s.disegna_segmento(segmento, 20, 30);
    ASSERT_EQ(segmentiVivi().size(), 1u);
    EXPECT_EQ(segmentiVivi()[0].x1, 20);
    EXPECT_EQ(segmentiVivi()[0].y2, 35);
    s.Refresh();
    EXPECT_TRUE(segmentiVivi().empty());
}

} // namespace
