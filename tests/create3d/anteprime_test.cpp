// The previews of the stored profile and path: the fit to a 290 x 190
// picture, the "Dim.:" read-outs, and the origin and axis marks.
#include "fin3d_fixture.h"

#include "platform/picture.h"

#include <cmath>

using namespace fin3dtest;
using esportazione::daticreatred;

namespace {

const QRgb kMarca = platform::hsv(0.5, 0.5, 0.5).rgb();
const QRgb kBianco = qRgb(255, 255, 255);

QRgb pixel(const platform::ImageWell* well, int x, int y) { return well->image().pixel(x, y) | 0xFF000000u; }

bool bianca(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) | 0xFF000000u) != kBianco)
                return false;
    return true;
}

} // namespace

TEST_F(Create3d, NothingStoredShowsQuestionMarksAndBlankPictures)
{
    fin_3d& w = shown();
    EXPECT_EQ(w.StaticSAG_XY->text(), "?");
    EXPECT_EQ(w.StaticPER_XY->text(), "?");
    for (const platform::ImageWell* well : {w.ImageWell1, w.ImageWell2}) {
        EXPECT_EQ(well->image().size(), QSize(290, 190));
        EXPECT_TRUE(bianca(well->image()));
    }
    // The view stays the editor's.
    EXPECT_EQ(Geometria::origx, 400);
    EXPECT_EQ(Geometria::origy, 300);
    EXPECT_EQ(Geometria::zmfct, 1.0);
}

// The fit centres the measured box (which always holds the origin and the
// axis point) in the picture with a margin of 20 mm.
struct Adattamento {
    double dx, dy;        // the one straight profile element from the origin
    double deltaX, scala; // slots 16 and 2
    double zmfct;
    int origx, origy;
    const char* lettura;
    QPoint asse; // where the axis mark stands
};

void PrintTo(const Adattamento& c, std::ostream* os)
{
    *os << "dx " << c.dx << " dy " << c.dy << " offset " << c.deltaX << " scale " << c.scala;
}

class ProfileFit : public Create3dWithParam<Adattamento> {};

TEST_P(ProfileFit, CentresTheBoxAndMarksTheAxis)
{
    const Adattamento& c = GetParam();
    esportazione::sago_q = 1;
    esportazione::sagoma.redim(1);
    esportazione::sagoma.row(0) = ElementRow{0, 0, 0, c.dx, c.dy, 0, 0};
    daticreatred[16] = c.deltaX;
    daticreatred[2] = c.scala;
    fin_3d& w = shown();

    EXPECT_DOUBLE_EQ(w.vistaSagoma().zmfct, c.zmfct);
    EXPECT_EQ(w.vistaSagoma().origx, c.origx);
    EXPECT_EQ(w.vistaSagoma().origy, c.origy);
    EXPECT_EQ(w.StaticSAG_XY->text(), c.lettura);

    // The origin cross, and the thick axis cross at the axis point.
    EXPECT_EQ(pixel(w.ImageWell1, c.origx - 3, c.origy - 3), kMarca);
    EXPECT_EQ(pixel(w.ImageWell1, c.asse.x() + 3, c.asse.y() - 3), kMarca);
    EXPECT_EQ(pixel(w.ImageWell1, c.asse.x() - 3, c.asse.y() + 3), kMarca);
}

INSTANTIATE_TEST_SUITE_P(Create3d, ProfileFit,
                         ::testing::Values(
                             // Box x 0..100, y 0..0: fitted by width.
                             Adattamento{100, 0, 0, 1, 290.0 / 120, 24, 95, "Dim.: 100 x 0 mm.", {24, 95}},
                             // The axis point at x -50: box x -50..100.
                             Adattamento{100, 0, 50, 1, 290.0 / 170, 102, 95, "Dim.: 150 x 0 mm.", {17, 95}},
                             // A scale of 2 halves the axis point's distance: box x -25..100.
                             Adattamento{100, 0, 50, 2, 290.0 / 145, 70, 95, "Dim.: 125 x 0 mm.", {20, 95}},
                             // Tall and narrow: fitted by height, centred across.
                             Adattamento{0, 300, 0, 1, 190.0 / 320, 145, 183, "Dim.: 0 x 300 mm.", {145, 183}}));

TEST_F(Create3d, TheAxisLineLinksOriginAndAxisPoint)
{
    storeProfile(1);
    daticreatred[16] = 50;
    fin_3d& w = shown();
    // From (102, 95) to (17, 95); the profile itself runs to the right.
    EXPECT_EQ(pixel(w.ImageWell1, 60, 95), kMarca);
    EXPECT_EQ(pixel(w.ImageWell1, 200, 95), qRgb(0, 0, 0));
    EXPECT_EQ(pixel(w.ImageWell1, 60, 80), kBianco);
}

// A profile scale of 0 has no axis point: the preview leaves out the axis
// segment and marks, and the view gets no infinite or undefined value.
class ZeroScale : public Create3dWithParam<double> {};

TEST_P(ZeroScale, LeavesTheAxisOut)
{
    storeProfile(1);
    daticreatred[2] = 0.0;
    daticreatred[16] = GetParam();
    daticreatred[17] = GetParam();
    fin_3d& w = shown();
    EXPECT_TRUE(std::isfinite(w.vistaSagoma().zmfct));
    EXPECT_DOUBLE_EQ(w.vistaSagoma().zmfct, 290.0 / 120);
    EXPECT_EQ(w.vistaSagoma().origx, 24);
    EXPECT_EQ(w.vistaSagoma().origy, 95);
    EXPECT_EQ(w.StaticSAG_XY->text(), "Dim.: 100 x 0 mm.");
    // Nothing left of the origin cross.
    for (int x = 0; x < 20; ++x)
        for (int y = 0; y < 190; ++y)
            ASSERT_EQ(pixel(w.ImageWell1, x, y), kBianco) << x << ", " << y;
    // Typing a scale afterwards still works and brings the axis back.
    storePath(1);
    QTest::mouseClick(w.bot_exp(1), Qt::LeftButton);
    type(w.efdati3d(0), "2");
    EXPECT_EQ(daticreatred[2], 2.0);
    EXPECT_TRUE(std::isfinite(w.vistaSagoma().zmfct));
}

INSTANTIATE_TEST_SUITE_P(Create3d, ZeroScale, ::testing::Values(0.0, 50.0));

// A path is measured with its heights (the oblique offset of the
// projection); a profile is measured flat, whatever its rows hold.
TEST_F(Create3d, PathPreviewIncludesTheHeights)
{
    storePath(1, 50.0);
    fin_3d& w = shown();
    EXPECT_EQ(w.StaticPER_XY->text(), "Dim.: 150 x 50 mm.");
    // Box x 0..150, y 0..50, fitted by width.
    EXPECT_DOUBLE_EQ(w.vistaPercorso().zmfct, 290.0 / 170);
    // Its origin cross is drawn thick.
    const int ox = w.vistaPercorso().origx, oy = w.vistaPercorso().origy;
    EXPECT_EQ(pixel(w.ImageWell2, ox - 2, oy - 2), kMarca);
    EXPECT_EQ(pixel(w.ImageWell2, ox - 3, oy - 2), kMarca);

    // Back to the editor (the empty chain gives the start view) and in again
    // with the same chain stored as the profile.
    w.PushButton1->click();
    storeChain(esportazione::sagoma, esportazione::sago_q, 1, 50.0);
    esportazione::perc_q = 0;
    shown();
    EXPECT_EQ(w.StaticSAG_XY->text(), "Dim.: 100 x 0 mm.");
    EXPECT_EQ(w.StaticPER_XY->text(), "?");
}

// Each preview measures its chain in the editor's view, not in the one the
// other preview left: a 10 m profile fitted first must not shrink a 100 mm
// path to the few pixels it would take at that profile's scale, and a
// profile redrawn after a typed setting is measured as it was at first.
TEST_F(Create3d, EachPreviewMeasuresInTheEditorsView)
{
    esportazione::sago_q = 1;
    esportazione::sagoma.redim(1);
    esportazione::sagoma.row(0) = ElementRow{0, 0, 0, 10000, 0, 0, 0};
    storePath(1);
    fin_3d& w = shown();
    EXPECT_EQ(w.StaticSAG_XY->text(), "Dim.: 10000 x 0 mm.");
    EXPECT_EQ(w.StaticPER_XY->text(), "Dim.: 100 x 0 mm.");
    EXPECT_DOUBLE_EQ(w.vistaPercorso().zmfct, 290.0 / 120);
    w.PushButton1->click();

    // The other way round: a short profile redrawn after the 10 m path.
    storeProfile(1);
    esportazione::percorso.row(0) = ElementRow{0, 0, 0, 10000, 0, 0, 0};
    shown();
    EXPECT_EQ(w.StaticPER_XY->text(), "Dim.: 10000 x 0 mm.");
    type(w.efdelta3d(17), "-30");
    EXPECT_EQ(w.StaticSAG_XY->text(), "Dim.: 100 x 30 mm.");
    EXPECT_DOUBLE_EQ(w.vistaSagoma().zmfct, 290.0 / 120);
}

// The previews measure the chain in the editor's view; after a fit its zoom
// is not a whole number and the measured size has long fractions. The
// read-out rounds them to the hundredth and fits its 180-pixel label.
TEST_F(Create3d, AfterAFitTheSizeReadsInHundredths)
{
    // Box x 0..33, y 0..47 in an 800 x 600 drawing: fitted by height,
    // 600 / 67 pixels a millimetre. The element's end lies 295 pixels right
    // of the origin and 421 above it (both pixels truncated): 32.9416.. x
    // 47.0116.. mm.
    setChain(Forme::polilinea, Forme::poli_q, {{0, 0, 0, 33, 47, 0, 0}});
    Forme::poli_d = 1;
    press(fin_forme::instance().bot_zoom(3));
    ASSERT_DOUBLE_EQ(Geometria::zmfct, 600.0 / 67);
    press(fin_forme::instance().bot_sagoma);
    fin_3d& w = fin_3d::instance();
    ASSERT_TRUE(w.isVisible());
    EXPECT_EQ(w.StaticSAG_XY->text(), "Dim.: 32.94 x 47.01 mm.");
    EXPECT_LE(w.StaticSAG_XY->fontMetrics().horizontalAdvance(w.StaticSAG_XY->text()), w.StaticSAG_XY->width());
}
