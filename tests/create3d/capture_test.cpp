// The palette's capture buttons and its "3D" button, pressed as the user
// presses them: the chain becomes the stored profile or path, and the
// "Create 3D" window takes the screen over from the editor for a visit.
#include "fin3d_fixture.h"

using namespace fin3dtest;
using esportazione::daticreatred;

namespace {

fin_forme& palette() { return fin_forme::instance(); }

std::vector<ElementRow> rows(const ElementTable& table, int count)
{
    std::vector<ElementRow> out;
    for (int r = 0; r < count; ++r)
        out.push_back(table.row(r));
    return out;
}

// A visit has started: the window is up with the editor's windows hidden,
// and the editor's arc resolution is left as it is while the previews use
// their own.
void expectVisit(int editorsResolution)
{
    EXPECT_TRUE(fin_3d::instance().isVisible());
    EXPECT_TRUE(fin_3d::instance().inVisita());
    EXPECT_EQ(QPoint(fin_3d::instance().Left(), fin_3d::instance().Top()), QPoint(94, 90));
    EXPECT_FALSE(fin_principale::instance().isVisible());
    EXPECT_FALSE(fin_forme::instance().isVisible());
    EXPECT_FALSE(fin_edita::instance().isVisible());
    EXPECT_EQ(Forme::risoluzione, editorsResolution);
    EXPECT_EQ(fin_3d::instance().ProgressBar1->value(), 1);
}

// "Done": the editor's windows and arc resolution come back.
void expectEditorBack(int editorsResolution)
{
    EXPECT_FALSE(fin_3d::instance().isVisible());
    EXPECT_FALSE(fin_3d::instance().inVisita());
    EXPECT_TRUE(fin_principale::instance().isVisible());
    EXPECT_TRUE(fin_forme::instance().isVisible());
    EXPECT_TRUE(fin_edita::instance().isVisible());
    EXPECT_EQ(Forme::risoluzione, editorsResolution);
}

struct Cattura {
    const char* name;
    bool profile; // the profile's button, or the path's
};

void PrintTo(const Cattura& c, std::ostream* os) { *os << c.name; }

class CaptureFromThePalette : public Create3dWithParam<Cattura> {};

} // namespace

// A chain that rises and holds a curve, drawn at arc resolution 12 on a
// 5 x 10 grid. The profile is stored flat, the path with its heights; the
// other stored chain and its resolution stay as they were.
TEST_P(CaptureFromThePalette, StoresTheChainAndStartsAVisit)
{
    const bool profile = GetParam().profile;
    setChain(Forme::polilinea, Forme::poli_q,
             {{0, 0, 0, 100, 0, 0, 10}, {2, 100, 0, 50, 50, 10, 5}, {0, 150, 50, 0, 50, 15, 0}});
    const std::vector<ElementRow> drawn = rows(Forme::polilinea, 3);
    Forme::poli_d = 3;
    Forme::risoluzione = 12;
    Geometria::grx = 5;
    Geometria::gry = 10;
    Globali::fileattuale = "/somewhere/doc.mdn";
    Globali::filemodificato = false;
    // The other chain, stored before.
    if (profile)
        storePath(2);
    else
        storeProfile(2);

    press(profile ? palette().bot_sagoma : palette().bot_percorso);

    std::vector<ElementRow> expected = drawn;
    if (profile)
        for (ElementRow& row : expected)
            row[kZ0] = row[kDZ] = 0.0;
    EXPECT_EQ(profile ? rows(esportazione::sagoma, esportazione::sago_q)
                      : rows(esportazione::percorso, esportazione::perc_q),
              expected);
    EXPECT_EQ(profile ? esportazione::perc_q : esportazione::sago_q, 2);
    EXPECT_EQ(daticreatred[profile ? 0 : 1], 12.0);
    EXPECT_EQ(daticreatred[profile ? 1 : 0], 8.0);
    EXPECT_EQ(profile ? esportazione::sago_grx : esportazione::perc_grx, 5);
    EXPECT_EQ(profile ? esportazione::sago_gry : esportazione::perc_gry, 10);

    expectVisit(12);
    fin_3d& w = fin_3d::instance();
    // The window shows what was captured: its resolution and its size, with
    // the path's heights drawn as the oblique offset.
    EXPECT_EQ(w.StaticTesto(profile ? 0 : 1)->text(), "12");
    EXPECT_EQ((profile ? w.StaticSAG_XY : w.StaticPER_XY)->text(),
              profile ? "Dim.: 150 x 100 mm." : "Dim.: 165 x 115 mm.");
    EXPECT_TRUE((profile ? w.bottone_s_e : w.bottone_p_e)->isEnabled());
    // Profile and path are both stored: an extrusion can be written.
    EXPECT_TRUE(w.PushButton2->isEnabled());

    // The drawing and its insertion point are left alone; the stored chain
    // is part of the document, which is now modified.
    EXPECT_EQ(rows(Forme::polilinea, Forme::poli_q), drawn);
    EXPECT_EQ(Forme::poli_d, 3);
    EXPECT_TRUE(Globali::filemodificato);
    EXPECT_EQ(Globali::fileattuale, "/somewhere/doc.mdn");

    press(w.PushButton1);
    expectEditorBack(12);
}

INSTANTIATE_TEST_SUITE_P(Create3d, CaptureFromThePalette,
                         ::testing::Values(Cattura{"Profile", true}, Cattura{"Path", false}),
                         [](const auto& info) { return std::string(info.param.name); });

// "3D" opens the window on what is stored and captures nothing.
TEST_F(Create3d, The3DButtonStartsAVisitOnTheStoredChains)
{
    setChain(Forme::polilinea, Forme::poli_q, {{0, 0, 0, 10, 0, 0, 0}, {0, 10, 0, 0, 10, 0, 0}});
    storeProfile(1);
    storePath(2, 3.0);
    daticreatred[0] = 5;
    daticreatred[1] = 7;
    Forme::risoluzione = 9;

    fin_3d::instance().place(300, 200); // where the user left it last time
    press(palette().bot_3d);
    expectVisit(9);
    EXPECT_EQ(esportazione::sago_q, 1);
    EXPECT_EQ(esportazione::perc_q, 2);
    EXPECT_EQ(esportazione::percorso(1, kDZ), 3.0);
    EXPECT_EQ(daticreatred[0], 5.0);
    EXPECT_EQ(daticreatred[1], 7.0);
    fin_3d& w = fin_3d::instance();
    EXPECT_EQ(w.StaticSAG_XY->text(), "Dim.: 100 x 0 mm.");
    EXPECT_NE(w.StaticPER_XY->text(), "?");
    EXPECT_TRUE(w.PushButton3->isEnabled());

    press(w.PushButton1);
    expectEditorBack(9);
}

// Every visit keeps the editor's resolution as it is when the visit starts:
// one changed between two captures is the one given back after the second.
TEST_F(Create3d, EachCaptureKeepsTheResolutionOfItsOwnVisit)
{
    setChain(Forme::polilinea, Forme::poli_q, {{3, 0, 0, 20, 20, 0, 0}});
    Forme::risoluzione = 12;
    press(palette().bot_sagoma);
    expectVisit(12);
    press(fin_3d::instance().PushButton1);
    expectEditorBack(12);

    Forme::risoluzione = 20; // as the arc-resolution dialog sets it
    press(palette().bot_percorso);
    expectVisit(20);
    EXPECT_EQ(daticreatred[0], 12.0);
    EXPECT_EQ(daticreatred[1], 20.0);
    press(fin_3d::instance().PushButton1);
    expectEditorBack(20);
}
