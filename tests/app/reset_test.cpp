// File > New: the empty untitled document, the 3-D defaults of slots 2 to
// 15, what the reset keeps, and edit mode held to the chain.
#include "app_fixture.h"

#include "editor/fin_principale.h"
#include "platform/conversions.h"

namespace {

TEST_F(AppTest, NewEmptiesTheDocumentAndSetsTheCreationDefaults)
{
    avvia();
    disegna();
    poni(esportazione::sagoma, esportazione::sago_q, {{0, 0, 0, 5, 0, 0, 0}, {1, 5, 0, 5, 5, 0, 0}});
    poni(esportazione::percorso, esportazione::perc_q, {{0, 0, 0, 9, 0, 0, 0}});
    for (int i = 0; i < 21; ++i)
        esportazione::daticreatred[i] = 1000 + i;
    Forme::xprec = 3, Forme::yprec = 4, Forme::zprec = 5, Forme::dx = 6, Forme::dy = 7, Forme::dz = 8;
    Forme::qualetool = 4, Forme::forma = 10, Forme::inversioneforma = true;
    Geometria::origx = 7, Geometria::origy = 9, Geometria::zmfct = 4.0, Geometria::calc_zoom = true;
    // What the reset keeps.
    Forme::risoluzione = 12;
    Geometria::grx = 25, Geometria::gry = 35, Geometria::gridon = false, Geometria::gridvis = false;
    esportazione::profopath = 1;
    esportazione::sago_grx = 2, esportazione::sago_gry = 3, esportazione::perc_grx = 4, esportazione::perc_gry = 5;
    Forme::xgr = 11, Forme::ygr = 13;
    esportazione::esportastringa = "TUBE";
    Globali::fileattuale = percorso(QStringLiteral("vecchio.mdn"));

    {
        testsupport::DialogScript dialogs;
        dialogs.saveChangesAnswers = {platform::SaveAnswer::Cancel, platform::SaveAnswer::DontSave};
        App::FileNew_Action();
        EXPECT_EQ(Forme::poli_q, 3); // cancelled
        App::FileNew_Action();
        EXPECT_EQ(dialogs.saveChangesAsked, 2);
    }

    EXPECT_EQ(Forme::poli_q, 0);
    EXPECT_EQ(Forme::poli_d, 0);
    EXPECT_EQ(esportazione::sago_q, 0);
    EXPECT_EQ(esportazione::perc_q, 0);
    for (const ElementTable* t : {&Forme::polilinea, &esportazione::sagoma, &esportazione::percorso}) {
        EXPECT_EQ(t->ubound(), 0);
        EXPECT_EQ(t->row(0), ElementRow{});
    }
    for (double v : {Forme::xprec, Forme::yprec, Forme::zprec, Forme::dx, Forme::dy, Forme::dz})
        EXPECT_EQ(v, 0.0);
    // The centre of the drawing area, below the menu bar.
    EXPECT_EQ(Geometria::origx, platform::CInt(Globali::larghezzaDisegno() / 2.0));
    EXPECT_EQ(Geometria::origy, platform::CInt(Globali::altezzaDisegno() / 2.0));
    EXPECT_EQ(Geometria::zmfct, 1.0);
    EXPECT_FALSE(Geometria::calc_zoom);
    EXPECT_EQ(Forme::qualetool, 0);
    EXPECT_EQ(Forme::forma, 0);
    EXPECT_FALSE(Forme::inversioneforma);
    const platform::RectangleShape* highlight = fin_forme::instance().rec_sel;
    EXPECT_EQ(highlight->pos(), QPoint(1, 40));
    EXPECT_EQ(highlight->FillColor, Forme::colore_primo());
    EXPECT_TRUE(Globali::fileattuale.isEmpty());
    EXPECT_FALSE(Globali::filemodificato);

    const double defaults[] = {1, 100, 1, 100, 2, 1, 1, 1, 180, 0, 0, 0, 0, 0};
    for (int slot = 2; slot <= 15; ++slot)
        EXPECT_EQ(esportazione::daticreatred[slot], defaults[slot - 2]) << "slot " << slot;
    for (int slot : {0, 1, 16, 17, 18, 19, 20})
        EXPECT_EQ(esportazione::daticreatred[slot], 1000 + slot) << "slot " << slot;

    EXPECT_EQ(Forme::risoluzione, 12);
    EXPECT_EQ(Geometria::grx, 25);
    EXPECT_EQ(Geometria::gry, 35);
    EXPECT_FALSE(Geometria::gridon);
    EXPECT_FALSE(Geometria::gridvis);
    EXPECT_EQ(esportazione::profopath, 1);
    EXPECT_EQ(esportazione::sago_grx, 2);
    EXPECT_EQ(esportazione::sago_gry, 3);
    EXPECT_EQ(esportazione::perc_grx, 4);
    EXPECT_EQ(esportazione::perc_gry, 5);
    EXPECT_EQ(Forme::xgr, 11);
    EXPECT_EQ(Forme::ygr, 13);
    EXPECT_EQ(Globali::lingua, 1);
    EXPECT_EQ(esportazione::esportastringa, "TUBE");

    // A second New changes nothing further.
    const Stato after = stato();
    App::FileNew_Action();
    EXPECT_TRUE(stato() == after);
    EXPECT_EQ(platform::beepCount(), 0);
}

TEST_F(AppTest, NewWrittenRightAwayHas31Lines)
{
    avvia();
    const QString path = percorso(QStringLiteral("nuovo.mdn"));
    ASSERT_TRUE(App::filesalva(path));
    EXPECT_EQ(leggi(path).count('\r'), 31);
}

// Edit mode holds only while the chain has elements and the selection lies
// within it.
class EditMode : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        avvia();
        disegna();
        Forme::poli_d = 1;
        Forme::modifica = true;
        fin_forme::instance().bot_sel->setValue(true);
        // Edit mode shows both markers.
        fin_principale::instance().prepointer->setVisible(true);
        fin_principale::instance().pointer->setVisible(true);
    }
    static bool modifica() { return fin_forme::instance().bot_sel->value(); }
};

TEST_F(EditMode, NewLeavesEditModeWithoutABeep)
{
    testsupport::DialogScript dialogs;
    dialogs.saveChangesAnswers = {platform::SaveAnswer::DontSave};
    App::FileNew_Action();

    EXPECT_FALSE(modifica());
    EXPECT_EQ(fin_forme::instance().bot_sel->property("iconName").toString(), "edita1");
    const fin_principale& main = fin_principale::instance();
    EXPECT_FALSE(main.pointer->isVisible());
    EXPECT_FALSE(main.prepointer->isVisible());
    EXPECT_EQ(main.pointer->FillColor, platform::hsv(0, 1, 1));
    EXPECT_EQ(main.prepointer->BorderColor, platform::hsv(0, 1, 1));
    EXPECT_EQ(Forme::poli_d, 0);
    EXPECT_EQ(platform::beepCount(), 0);
}

TEST_F(EditMode, OpeningADocumentSelectsItsLastElementOrLeavesEditMode)
{
    const QString three = percorso(QStringLiteral("tre.mdn"));
    ASSERT_TRUE(App::filesalva(three));
    testsupport::DialogScript dialogs;
    dialogs.saveChangesAnswers = {platform::SaveAnswer::DontSave};
    App::FileNew_Action();
    const QString empty = percorso(QStringLiteral("vuoto.mdn"));
    ASSERT_TRUE(App::filesalva(empty));

    ASSERT_TRUE(Globali::apri_file(three));
    EXPECT_FALSE(modifica()); // New left edit mode; opening does not enter it

    Forme::modifica = true;
    fin_forme::instance().bot_sel->setValue(true);
    Forme::poli_d = 0;
    ASSERT_TRUE(Globali::apri_file(three));
    EXPECT_TRUE(modifica());
    EXPECT_EQ(Forme::poli_d, 2);

    ASSERT_TRUE(Globali::apri_file(empty));
    EXPECT_FALSE(modifica());
    EXPECT_EQ(Forme::poli_d, 0);
    EXPECT_EQ(platform::beepCount(), 0);
}

} // namespace
