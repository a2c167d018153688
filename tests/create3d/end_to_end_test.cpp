// The whole road as a user takes it: the program started, a profile (and a
// path) drawn with the mouse in the main window, captured with the palette's
// buttons, the solid chosen in "Create 3D", and the GDL text copied or saved.
// The expected statements are worked out by hand from the statement formats.
#include "app/app_fixture.h"

#include "create3d/fin_3d.h"
#include "editor/fin_edita.h"
#include "editor/fin_principale.h"
#include "platform/conversions.h"
#include "platform/system.h"

#include <QAbstractButton>
#include <QRegularExpression>
#include <QTest>

namespace {

fin_principale& principale() { return fin_principale::instance(); }
fin_forme& palette() { return fin_forme::instance(); }
fin_3d& crea3d() { return fin_3d::instance(); }

void premi(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

// The pixel of a model point (mm) in the view as it stands, a few pixels off
// the grid point, as a hand places the pointer; the 10 mm grid snaps it back.
QPoint pixel(double x, double y)
{
    return QPoint(Geometria::origx + platform::CInt(x * Geometria::zmfct) + 3,
                  Geometria::origy - platform::CInt(y * Geometria::zmfct) - 2);
}

// Moves the pointer over the drawing to the model point (the rubber band
// follows it) and clicks there: the element ends at that point.
void clicca(double x, double y)
{
    QWidget* area = principale().body();
    const QPoint p = pixel(x, y);
    QTest::mouseMove(area, p);
    QTest::mouseClick(area, Qt::LeftButton, {}, p);
}

// One line of the expected text, without its carriage return. Lines are
// compared as they stand, except the inner points of a curve: their numbers
// come from sines and cosines whose last digits are the platform's, so such
// a line must have the same form with its numbers within a picometre.
struct Riga {
    QString testo;
    bool curva = false;
};

const QRegularExpression& numero()
{
    static const QRegularExpression re(QStringLiteral("-?\\d+(\\.\\d+)?"));
    return re;
}

std::vector<double> numeri(const QString& line)
{
    std::vector<double> out;
    for (auto it = numero().globalMatch(line); it.hasNext();)
        out.push_back(it.next().captured().toDouble());
    return out;
}

// Every line of the text ends with a carriage return alone, the last one too.
void confronta(const QString& text, const std::vector<Riga>& attese)
{
    EXPECT_FALSE(text.contains(QLatin1Char('\n')));
    ASSERT_TRUE(text.endsWith(QLatin1Char('\r'))) << text.toStdString();
    const QStringList linee = text.chopped(1).split(QLatin1Char('\r'));
    ASSERT_EQ(static_cast<std::size_t>(linee.size()), attese.size()) << text.toStdString();
    for (std::size_t i = 0; i < attese.size(); ++i) {
        const QString& linea = linee[static_cast<qsizetype>(i)];
        const Riga& attesa = attese[i];
        SCOPED_TRACE(testing::Message() << "line " << i + 1 << ": " << linea.toStdString());
        if (!attesa.curva) {
            EXPECT_EQ(linea.toStdString(), attesa.testo.toStdString());
            continue;
        }
        EXPECT_EQ(QString(linea).replace(numero(), QStringLiteral("#")).toStdString(),
                  QString(attesa.testo).replace(numero(), QStringLiteral("#")).toStdString());
        const std::vector<double> trovati = numeri(linea);
        const std::vector<double> previsti = numeri(attesa.testo);
        ASSERT_EQ(trovati.size(), previsti.size());
        for (std::size_t k = 0; k < previsti.size(); ++k)
            EXPECT_NEAR(trovati[k], previsti[k], 1e-12);
    }
}

} // namespace

class EndToEnd : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        avvia();
        // Started as the program starts: an empty drawing, tool 0, a 10 mm
        // snapping grid, one pixel a millimetre, arc resolution 8.
        ASSERT_EQ(Forme::poli_q, 0);
        ASSERT_EQ(Geometria::zmfct, 1.0);
        ASSERT_EQ(Geometria::grx, 10);
        ASSERT_EQ(Forme::risoluzione, 8);
    }
};

// A profile of four elements drawn with the mouse: a line along x to (30, 0),
// a quarter curve to (50, 20), a line up to (50, 40) and a line back to the
// y axis at (0, 40). Captured as profile and written as a revolution.
//
// The revolution reflects the profile about the 45-degree line through its
// start: every (dx, dy) becomes (dy, dx) and the quarter curve (ovolo)
// becomes its mirror kind (cavetto). In metres: origin (0, 0), then (0, 0.03),
// the curve from there to (0.02, 0.05), then (0.04, 0.05) and (0.04, 0).
// - count: the origin, 1 point for each line and 8 for the curve at the
//   profile's arc resolution 8 (the editor's when it was captured): 12;
// - angle: the default 180; mask: 48 + 15 for Solid (on by default) = 63;
// - ROTY is -90 plus the user's 0;
// - statuses: the first line and the curve arrive at their joints in the
//   direction the next element leaves (chord angle 90 against the cavetto's
//   45 + 45; the cavetto's 45 + 315 against 0), so 1; the curve's inner
//   points 1; the corner at (0.04, 0.05) (0 against 270) and the last point 0;
// - no point falls on (0, 0) after the origin, so none is left out.
// The curve's inner points, a quarter circle from (0, 0.03) to (0.02, 0.05)
// with its centre at (0.02, 0.03): t runs from a0 + 135 degrees down in steps
// of 1.570795 / 8 (a0 = 45 degrees, the chord's angle).
TEST_F(EndToEnd, DrawnProfileCopiedAsRevolution)
{
    clicca(30, 0);
    premi(palette().bot_forma(2));
    clicca(50, 20);
    premi(palette().bot_forma(0));
    clicca(50, 40);
    clicca(0, 40);
    ASSERT_EQ(
        righe(Forme::polilinea, Forme::poli_q),
        (std::vector<ElementRow>{
            {0, 0, 0, 30, 0, 0, 0}, {2, 30, 0, 20, 20, 0, 0}, {0, 50, 20, 0, 20, 0, 0}, {0, 50, 40, -50, 0, 0, 0}}));
    EXPECT_TRUE(Globali::filemodificato);

    premi(palette().bot_sagoma);
    ASSERT_TRUE(crea3d().isVisible());
    EXPECT_FALSE(principale().isVisible());
    EXPECT_FALSE(palette().isVisible());
    EXPECT_EQ(crea3d().StaticSAG_XY->text(), "Dim.: 50 x 40 mm.");
    // An extrusion needs a path: nothing to write yet.
    EXPECT_FALSE(crea3d().PushButton3->isEnabled());

    premi(crea3d().bot_exp(1));
    ASSERT_TRUE(crea3d().PushButton3->isEnabled());
    platform::setClipboardText(QString());
    premi(crea3d().PushButton3);

    confronta(platform::clipboardText(), {{"ROTX 0"},
                                          {"ROTY -90+0"},
                                          {"ROTZ 0"},
                                          {"REVOLVE 12, 180, 63,"},
                                          {"0, 0, 0,"},
                                          {"0, 0.03, 1,"},
                                          {"0.00038430150998558857, 0.033901749350448186, 1,", true},
                                          {"0.0015224220431446604, 0.03765360641661472, 1,", true},
                                          {"0.003370624339126344, 0.041111336606503755, 1,", true},
                                          {"0.005857883139779231, 0.04414206151178911, 1,", true},
                                          {"0.00888861464521847, 0.04662931227013255, 1,", true},
                                          {"0.012346349739466083, 0.04847750539071019, 1,", true},
                                          {"0.016098209825724442, 0.04961561596797563, 1,", true},
                                          {"0.02, 0.05, 1,"},
                                          {"0.04, 0.05, 0,"},
                                          {"0.04, 0, 0"},
                                          {"DEL TOP"}});

    // Writing gave the stored profile back as it was captured.
    EXPECT_EQ(righe(esportazione::sagoma, esportazione::sago_q), righe(Forme::polilinea, Forme::poli_q));
    EXPECT_TRUE(crea3d().isVisible());
}

// A profile of three lines, (0, 0) to (20, 0) to (20, 10) to (0, 10),
// captured; back in the editor the drawing is cleared and a path drawn: a
// line to (100, 0), a quarter curve to (150, 50), and a line up to (150, 100)
// that rises 30 mm, its height typed into the numeric editor. Captured as
// path and saved as an extrusion.
//
// - profile points: the origin, then each line's end in metres, every status
//   0 (three corners and the last point): np = 4;
// - the start direction: the path leaves the origin along +x, so it points
//   back along 180 degrees, plus the user's start angle 0;
// - path points: the origin, (0.1, 0), the curve's 7 inner points and its
//   end, which the generator computes as 0.1 + 0.05 (start plus delta, each
//   in metres), the Double 0.15000000000000002, and writes to 15 significant
//   digits as 0.15; then (0.15, 0.1) at height 0.03;
// - the closing direction: one metre beyond the last point, along the last
//   line's 90 degrees plus the user's end angle 0;
// - nq = the start direction, the origin, 1 + 8 + 1 points, the closing
//   direction: 13; mask 48 + 3 for Solid = 51.
// The curve's inner points: a quarter circle (ovolo) from (0.1, 0) to
// (0.15, 0.05) with its centre at (0.1, 0.05), t from a0 + 225 degrees up.
TEST_F(EndToEnd, DrawnProfileAndPathSavedAsExtrusion)
{
    clicca(20, 0);
    clicca(20, 10);
    clicca(0, 10);
    premi(palette().bot_sagoma);
    premi(crea3d().PushButton1);
    ASSERT_TRUE(principale().isVisible());

    // The clear asks first: the drawing was never saved.
    testsupport::DialogScript dialogs;
    dialogs.saveChangesAnswers = {platform::SaveAnswer::DontSave};
    premi(palette().bot_can);
    EXPECT_EQ(dialogs.saveChangesAsked, 1);
    EXPECT_EQ(Forme::poli_q, 0);
    EXPECT_EQ(esportazione::sago_q, 3);

    clicca(100, 0);
    premi(palette().bot_forma(2));
    clicca(150, 50);
    premi(palette().bot_forma(0));
    QTest::mouseMove(principale().body(), pixel(150, 100));
    fin_edita& numerico = fin_edita::instance();
    QTest::mouseClick(numerico.efzdelta, Qt::LeftButton);
    numerico.efzdelta->selectAll();
    QTest::keyClicks(numerico.efzdelta, "30");
    premi(numerico.bot_scorri(4)); // "ok"
    ASSERT_EQ(
        righe(Forme::polilinea, Forme::poli_q),
        (std::vector<ElementRow>{{0, 0, 0, 100, 0, 0, 0}, {2, 100, 0, 50, 50, 0, 0}, {0, 150, 50, 0, 50, 0, 30}}));

    premi(palette().bot_percorso);
    ASSERT_EQ(esportazione::perc_q, 3);
    EXPECT_EQ(esportazione::percorso(2, kDZ), 30.0);
    premi(crea3d().bot_exp(0));
    ASSERT_TRUE(crea3d().PushButton2->isEnabled());
    const QString file = percorso("tubo.txt");
    dialogs.saveAnswers = {file};
    premi(crea3d().PushButton2);
    EXPECT_EQ(dialogs.saveDefaultNames, std::vector<QString>{"testogdl"});

    // The text is written as one line: the line end of the write follows
    // the text's own last carriage return.
    const QByteArray bytes = leggi(file);
    ASSERT_TRUE(bytes.endsWith("DEL TOP\r\n")) << bytes.toStdString();
    confronta(QString::fromUtf8(bytes.chopped(1)), {{"ROTX 0"},
                                                    {"ROTY 0"},
                                                    {"ROTZ 0"},
                                                    {"TUBE 4, 13, 51,"},
                                                    {"0, 0, 0,"},
                                                    {"0.02, 0, 0,"},
                                                    {"0.02, 0.01, 0,"},
                                                    {"0, 0.01, 0,"},
                                                    {"   COS(180+0),  SIN(180+0),  0, 0,"},
                                                    {"   0, 0, 0, 0,"},
                                                    {"   0.1, 0, 0, 0,"},
                                                    {"   0.10975437847487593, 0.0009607020067391725, 0, 0,", true},
                                                    {"   0.11913403624068536, 0.003805953560148699, 0, 0,", true},
                                                    {"   0.12777838623713994, 0.008426413423050144, 0, 0,", true},
                                                    {"   0.13535523150106946, 0.014644520213091407, 0, 0,", true},
                                                    {"   0.14157339860843143, 0.022221315975866667, 0, 0,", true},
                                                    {"   0.14619392728686323, 0.03086562918963194, 0, 0,", true},
                                                    {"   0.14903925350947494, 0.04024526430475271, 0, 0,", true},
                                                    {"   0.15, 0.05, 0, 0,"},
                                                    {"   0.15, 0.1, 0.03, 0,"},
                                                    {"   0.15+COS(90+0), 0.1+SIN(90+0), 0.03, 0"},
                                                    {"DEL TOP"}});
    EXPECT_EQ(platform::beepCount(), 1); // the clear's
}
