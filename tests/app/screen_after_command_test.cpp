// What the screen shows right after a command that empties the drawing,
// with no pointer move after it: the user draws a chain with the mouse and
// leaves a rubber band on the screen, then runs the command as a user does.
// The rubber band goes, the markers stand on the current element, and the
// numeric editor shows that element, not the one drawn before. New, the
// clear and the hand-back put the current element back at the origin;
// opening a document keeps it.
#include "app_fixture.h"

#include "create3d/fin_3d.h"
#include "editor/fin_edita.h"
#include "editor/fin_principale.h"
#include "platform/conversions.h"

#include <QTest>

namespace {

enum class Comando { NewFromTheKeyboard, PaletteClear, HandBackWithNoDrawing, OpenAnEmptyDocument };

struct Caso {
    const char* nome;
    Comando comando;
    bool elementoTenuto; // the current element stays as the mouse left it
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

class ScreenAfter : public AppTest, public ::testing::WithParamInterface<Caso> {
protected:
    static fin_principale& principale() { return fin_principale::instance(); }
    static fin_edita& editor() { return fin_edita::instance(); }
    static fin_forme& palette() { return fin_forme::instance(); }
    static void premi(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    static QPoint origine() { return {Geometria::origx, Geometria::origy}; }
    static void muovi(QPoint p) { QTest::mouseMove(principale().body(), p); }
    static void clicca(QPoint p)
    {
        muovi(p);
        QTest::mouseClick(principale().body(), Qt::LeftButton, {}, p);
    }

    // A straight line and a half circle drawn with the mouse, then the
    // pointer moved on, so that a rubber band, the markers and its deltas
    // show.
    static void disegnaConIlMouse()
    {
        const QPoint o = origine();
        clicca(o + QPoint(60, 0));
        premi(palette().bot_forma(1));
        clicca(o + QPoint(60, -40));
        muovi(o + QPoint(130, 30));
        ASSERT_EQ(Forme::poli_q, 2);
        ASSERT_FALSE(principale().liveItems().empty());
        ASSERT_EQ(editor().efxdelta->text(), "70");
    }
};

TEST_P(ScreenAfter, ShowsTheEmptyDrawingAtOnce)
{
    avvia();
    testsupport::DialogScript dialogs;
    dialogs.saveChangesAnswers = {platform::SaveAnswer::DontSave, platform::SaveAnswer::DontSave};
    const QString vuoto = percorso(QStringLiteral("vuoto.mdn"));
    ASSERT_TRUE(App::filesalva(vuoto));
    disegnaConIlMouse();

    switch (GetParam().comando) {
    case Comando::NewFromTheKeyboard: QTest::keyClick(&principale(), Qt::Key_N, Qt::ControlModifier); break;
    case Comando::PaletteClear: premi(palette().bot_can); break;
    case Comando::HandBackWithNoDrawing: {
        // The drawing is kept as the profile and then cleared; a visit to
        // "Create 3D" draws the profile's preview into a picture of its
        // own, and "Done" hands back to the empty drawing.
        premi(palette().bot_sagoma);
        premi(fin_3d::instance().PushButton1);
        premi(palette().bot_can);
        ASSERT_EQ(Forme::poli_q, 0);
        ASSERT_TRUE(principale().liveItems().empty());
        premi(palette().bot_3d);
        ASSERT_TRUE(fin_3d::instance().isVisible());
        ASSERT_TRUE(principale().liveItems().empty()) << "the preview draws into its own picture";
        premi(fin_3d::instance().PushButton1);
        break;
    }
    case Comando::OpenAnEmptyDocument:
        dialogs.openAnswers = {vuoto};
        QTest::keyClick(&principale(), Qt::Key_O, Qt::ControlModifier);
        break;
    }
    ASSERT_EQ(Forme::poli_q, 0);
    ASSERT_TRUE(principale().isVisible());

    EXPECT_TRUE(principale().liveItems().empty()) << "the rubber band of the element drawn before";
    const QPoint angolo(2, 2); // a marker's top left, from the pixel it marks
    if (GetParam().elementoTenuto) {
        // From the end of the half circle to where the pointer was.
        EXPECT_EQ(principale().prepointer->pos(), origine() + QPoint(60, -40) - angolo);
        EXPECT_EQ(principale().pointer->pos(), origine() + QPoint(130, 30) - angolo);
        EXPECT_EQ(editor().efxdelta->text(), "70");
        EXPECT_EQ(editor().efydelta->text(), "-70");
        EXPECT_EQ(editor().txtforma->text(), "0 Torus");
    } else {
        // Both markers on the element at rest at the origin.
        EXPECT_EQ(principale().prepointer->pos(), origine() - angolo);
        EXPECT_EQ(principale().pointer->pos(), origine() - angolo);
        EXPECT_EQ(editor().efxdelta->text(), "0");
        EXPECT_EQ(editor().efydelta->text(), "0");
        EXPECT_EQ(editor().txtforma->text(), "0 Line");
    }
    EXPECT_EQ(editor().efzdelta->text(), "0");
}

INSTANTIATE_TEST_SUITE_P(Commands, ScreenAfter,
                         ::testing::Values(Caso{"NewFromTheKeyboard", Comando::NewFromTheKeyboard, false},
                                           Caso{"PaletteClear", Comando::PaletteClear, false},
                                           Caso{"HandBackWithNoDrawing", Comando::HandBackWithNoDrawing, false},
                                           Caso{"OpenAnEmptyDocument", Comando::OpenAnEmptyDocument, true}),
                         [](const auto& info) { return std::string(info.param.nome); });

} // namespace
