// Tool choice, variants, the highlight and the labels; the mirror kind map.
#include "model_fixture.h"

#include "model/element.h"

using Forme::colore_primo;
using Forme::colore_secondo;

TEST(MirrorKind, MapsEveryKindAndSendsTheRestToZero)
{
    const double from[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, -1, 2.5};
    const double to[] = {0, 7, 3, 2, 5, 4, 0, 1, 9, 8, 11, 10, 0, 0, 0};
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(mirrorKind(from[i]), to[i]) << from[i];
    // Twice restores every kind but 6.
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(mirrorKind(mirrorKind(k)), k == 6 ? 0 : k);
}

using ToolChoice = ModelTest;

TEST_F(ToolChoice, HighlightFramesEachToolByTruncatedRow)
{
    const QPoint cells[] = {{1, 40}, {40, 40}, {1, 79}, {40, 79}, {1, 118}, {40, 118}};
    for (int t = 0; t < 6; ++t) {
        Forme::sceltaforma(t);
        EXPECT_EQ(schermo().evidenziatore, cells[t]) << t;
        EXPECT_EQ(Forme::qualetool, t);
    }
}

TEST_F(ToolChoice, SecondClickTogglesTheVariantAndTheLabelsFollow)
{
    struct Step {
        int tool;
        int kind;
        bool yellow;
        const char* type;
    };
    // From tool 0 in its first variant.
    const Step steps[] = {
        {2, 2, false, "Circular"}, {2, 8, true, "Elliptical"}, {3, 9, true, "Elliptical"}, {3, 3, false, "Circular"},
        {0, 0, false, ""},         {0, 6, true, ""},           {1, 7, true, ""},           {5, 11, true, "Elliptical"},
    };
    Forme::invertiforma(); // the reset's colouring: yellow, then cyan again
    Forme::sceltaforma(0);
    for (const Step& s : steps) {
        Forme::sceltaforma(s.tool);
        EXPECT_EQ(Forme::forma, s.kind) << s.tool;
        const QColor c = s.yellow ? colore_secondo() : colore_primo();
        EXPECT_EQ(schermo().coloreEvidenziatore, c);
        EXPECT_EQ(schermo().tipo, s.type);
    }
    EXPECT_EQ(colore_primo(), platform::hsv(0.5, 1, 1));
    EXPECT_EQ(colore_secondo(), platform::hsv(1.0 / 6.0, 1, 1));
}

TEST_F(ToolChoice, ElementLabelShowsRawIndexAndToolName)
{
    Forme::sceltaforma(0);
    EXPECT_EQ(schermo().etichetta, "0 Line");
    Globali::lingua = 2;
    Forme::poli_d = 3;
    Forme::sceltaforma(1);
    // The second click on tool 0 chose the second variant; the name is the tool's.
    EXPECT_EQ(Forme::forma, 7);
    EXPECT_EQ(schermo().etichetta, "3 Toro");
}

TEST_F(ToolChoice, EditModeRetypesTheSelectedRowOnly)
{
    setChain({{0, 10, 0, 0}, {0, 10, 10, 0}});
    const ElementRow before = Forme::polilinea.row(1);
    Forme::modifica = true;
    Forme::poli_d = 1;
    Forme::sceltaforma(4);
    EXPECT_EQ(Forme::polilinea(1, kKind), 4.0);
    for (int c = 1; c < 7; ++c)
        EXPECT_EQ(Forme::polilinea(1, c), before[static_cast<size_t>(c)]);
    EXPECT_EQ(Forme::polilinea(0, kKind), 0.0);
    // The document holds the kind.
    EXPECT_TRUE(Globali::filemodificato);

    // In add mode no row changes.
    Forme::modifica = false;
    Forme::poli_d = 0;
    Forme::sceltaforma(2);
    EXPECT_EQ(Forme::polilinea(0, kKind), 0.0);
}

TEST_F(ToolChoice, ResetSequenceLeavesCyanOnToolZero)
{
    Forme::sceltaforma(3);
    Forme::sceltaforma(3); // tool 3, second variant
    Forme::qualetool = 0;
    Forme::forma = 0;
    Forme::inversioneforma = false;
    schermo().evidenziatore = QPoint(1, 1);
    Forme::invertiforma();
    EXPECT_TRUE(Forme::inversioneforma);
    EXPECT_EQ(Forme::forma, 0); // the kind waits for the next choice
    EXPECT_EQ(schermo().coloreEvidenziatore, colore_secondo());
    Forme::sceltaforma(0);
    EXPECT_FALSE(Forme::inversioneforma);
    EXPECT_EQ(Forme::forma, 0);
    EXPECT_EQ(schermo().evidenziatore, QPoint(1, 40));
    EXPECT_EQ(schermo().coloreEvidenziatore, colore_primo());
}
