// The modified mark follows everything the document holds: besides the
// drawn chain, the stored profile and path (captured or opened), the 3-D
// settings, the arc resolution, the grid spacings, a kind retyped in edit
// mode and a chain handed back from "Create 3D". Each change is made as the
// user makes it; File > Save is then enabled, and File > New asks before it
// discards the change, which the saved file then holds. What changes
// nothing the document holds leaves the mark alone.
#include "app_fixture.h"

#include "app/tendine.h"
#include "create3d/fin_3d.h"
#include "editor/fin_grid.h"
#include "editor/fin_resol.h"

#include <QAction>
#include <QTest>

namespace {

fin_forme& palette() { return fin_forme::instance(); }
fin_3d& create3d() { return fin_3d::instance(); }

void press(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

// Clicks into the field, replaces its text by typing, and leaves it with Tab.
void type(QLineEdit* field, const char* text)
{
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, QString::fromLatin1(text));
    QTest::keyClick(field, Qt::Key_Tab);
}

// The "Create 3D" window shown from the palette, taking the keyboard as
// the window system gives it to a window that comes up, and "Done".
void visita()
{
    press(palette().bot_3d);
    create3d().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&create3d()));
}
void fatto() { press(create3d().PushButton1); }

// "Open as profile.." or "Open as path.." with the other document chosen.
void apriCome(QAbstractButton* bottone, const QString& altro)
{
    testsupport::DialogScript dialogs;
    dialogs.openAnswers = {altro};
    visita();
    press(bottone);
    fatto();
}

struct Modifica {
    const char* nome;
    void (*fai)(const QString& altro);
    bool marca;
};

void PrintTo(const Modifica& m, std::ostream* os) { *os << m.nome; }

const Modifica kModifiche[] = {
    {"CaptureAsProfile",
     [](const QString&) {
         press(palette().bot_sagoma);
         fatto();
     },
     true},
    {"CaptureAsPath",
     [](const QString&) {
         press(palette().bot_percorso);
         fatto();
     },
     true},
    {"OpenAsProfile", [](const QString& altro) { apriCome(create3d().bottone_s_o, altro); }, true},
    {"OpenAsPath", [](const QString& altro) { apriCome(create3d().bottone_p_o, altro); }, true},
    {"ProfileResolutionSlider",
     [](const QString&) {
         visita();
         create3d().slcrea3d(0)->setFocus();
         QTest::keyClick(create3d().slcrea3d(0), Qt::Key_Right);
         fatto();
     },
     true},
    {"OptionBox",
     [](const QString&) {
         visita();
         press(create3d().CheckB(1));
         fatto();
     },
     true},
    {"ScaleField",
     [](const QString&) {
         visita();
         type(create3d().efdati3d(0), "2");
         fatto();
     },
     true},
    {"RotationField",
     [](const QString&) {
         visita();
         type(create3d().efdatialfa3d(11), "45");
         fatto();
     },
     true},
    {"OffsetField",
     [](const QString&) {
         visita();
         type(create3d().efdelta3d(16), "5");
         fatto();
     },
     true},
    {"EditProfile",
     [](const QString&) {
         visita();
         press(create3d().bottone_s_e);
     },
     true},
    {"ArcResolutionDialog",
     [](const QString&) {
         press(palette().bot_setup(1));
         fin_resol::instance().slideresol->setFocus();
         QTest::keyClick(fin_resol::instance().slideresol, Qt::Key_Right);
         press(fin_resol::instance().PushButton1);
     },
     true},
    {"GridDialog",
     [](const QString&) {
         press(palette().bot_setup(0));
         fin_grid::instance().activateWindow();
         ASSERT_TRUE(QTest::qWaitForWindowActive(&fin_grid::instance()));
         type(fin_grid::instance().efgrx, "20");
         press(fin_grid::instance().PushButton1);
     },
     true},
    {"ToolInEditMode",
     [](const QString&) {
         press(palette().bot_sel);
         press(palette().bot_forma(1));
     },
     true},
    // Nothing the document holds changes.
    {"VisitOnly",
     [](const QString&) {
         visita();
         fatto();
     },
     false},
    {"SolidChoice",
     [](const QString&) {
         visita();
         press(create3d().bot_exp(1));
         fatto();
     },
     false},
    {"FieldLeftAsItWas",
     [](const QString&) {
         visita();
         type(create3d().efdati3d(0), "1");
         fatto();
     },
     false},
    {"GridDialogUnchanged",
     [](const QString&) {
         press(palette().bot_setup(0));
         press(fin_grid::instance().chk_gr_vis); // the switches are not in the document
         press(fin_grid::instance().PushButton1);
     },
     false},
    {"ToolInAddMode", [](const QString&) { press(palette().bot_forma(1)); }, false},
    {"SameKindInEditMode",
     [](const QString&) {
         press(palette().bot_sel);
         press(palette().bot_forma(3)); // the selected element is a cavetto already
     },
     false},
};

class ModifiedMark : public AppTest, public ::testing::WithParamInterface<Modifica> {};

TEST_P(ModifiedMark, FollowsWhatTheDocumentHolds)
{
    const Modifica& m = GetParam();
    avvia();
    // Another document, whose drawing can be opened as profile or path.
    const QString altro = percorso(QStringLiteral("altro.mdn"));
    documento::Document d;
    d.drawing.chain.grx = d.drawing.chain.gry = 5;
    d.drawing.chain.rows = {ElementRow{0, 0, 0, 25, 5, 0, 0}};
    scrivi(altro, documento::documentBytes(d));

    // The document: a drawn chain whose last element is a quarter circle,
    // a stored profile and path that differ from it, saved and not modified.
    poni(Forme::polilinea, Forme::poli_q, {{0, 0, 0, 30, 0, 0, 0}, {3, 30, 0, 20, 20, 0, 0}});
    Forme::poli_d = Forme::poli_q;
    poni(esportazione::sagoma, esportazione::sago_q, {{0, 0, 0, 10, 10, 0, 0}});
    poni(esportazione::percorso, esportazione::perc_q, {{0, 0, 0, 100, 0, 0, 0}, {0, 100, 0, 0, 100, 0, 0}});
    esportazione::daticreatred[0] = esportazione::daticreatred[1] = 8;
    const QString doc = percorso(QStringLiteral("doc.mdn"));
    ASSERT_TRUE(App::filesalva(doc));
    const QByteArray salvato = leggi(doc);
    QAction* save = Tendine::instance().item("FileSave");
    ASSERT_FALSE(save->isEnabled());

    m.fai(altro);
    testsupport::processEvents();

    EXPECT_EQ(Globali::filemodificato, m.marca);
    EXPECT_EQ(save->isEnabled(), m.marca);
    EXPECT_EQ(Globali::fileattuale, doc);
    EXPECT_EQ(platform::beepCount(), 0);

    testsupport::DialogScript dialogs;
    dialogs.saveChangesAnswers = {platform::SaveAnswer::Save};
    App::FileNew_Action();
    EXPECT_EQ(dialogs.saveChangesAsked, m.marca ? 1 : 0);
    EXPECT_TRUE(Globali::fileattuale.isEmpty());
    EXPECT_EQ(leggi(doc) != salvato, m.marca);
}

INSTANTIATE_TEST_SUITE_P(Changes, ModifiedMark, ::testing::ValuesIn(kModifiche),
                         [](const auto& info) { return std::string(info.param.nome); });

} // namespace

// While the "Create 3D" window is shown its previews draw at arc resolution
// 6; a document saved then (the save question of "Edit profile..", or File >
// Save from the window) holds the editor's resolution, and one opened then
// ends the visit and gives the editor its own.
TEST_F(AppTest, DocumentsSavedOrOpenedDuringAVisitKeepTheEditorsArcResolution)
{
    avvia();
    const QString altro = percorso(QStringLiteral("altro.mdn"));
    documento::Document d;
    d.drawing.risoluzione = 20;
    scrivi(altro, documento::documentBytes(d));
    disegna();
    Forme::risoluzione = 12;
    const QString doc = percorso(QStringLiteral("doc.mdn"));
    ASSERT_TRUE(App::filesalva(doc));
    auto primaRiga = [&doc] { return leggi(doc).split('\r').value(0); };

    press(palette().bot_sagoma); // marks the document: the profile is new
    ASSERT_TRUE(create3d().inVisita());
    ASSERT_EQ(Forme::risoluzione, 12); // the previews' 6 is their own
    App::FileSave_Action();
    EXPECT_EQ(primaRiga(), "12");

    Forme::polilinea(0, kDX) = 35; // drawn before the visit, not yet saved
    Globali::setModificato(true);
    testsupport::DialogScript dialogs;
    dialogs.saveChangesAnswers = {platform::SaveAnswer::Save};
    press(create3d().bottone_s_e);
    EXPECT_EQ(dialogs.saveChangesAsked, 1);
    EXPECT_EQ(primaRiga(), "12");
    EXPECT_EQ(Forme::risoluzione, 12);

    press(palette().bot_3d);
    ASSERT_TRUE(create3d().inVisita());
    dialogs.saveChangesAnswers.push_back(platform::SaveAnswer::DontSave);
    dialogs.openAnswers = {altro};
    App::FileOpen_Action();
    EXPECT_EQ(Globali::fileattuale, altro);
    EXPECT_FALSE(create3d().inVisita()) << "opening a document ends the visit";
    EXPECT_EQ(Forme::risoluzione, 20);
}
