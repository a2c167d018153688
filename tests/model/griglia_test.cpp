// The backdrop picture: grid lines, axes glyph, origin mark and the chain,
// read from the picture's pixels, and what the rebuild leaves behind.
#include "model_fixture.h"

#include <algorithm>

namespace {

const QRgb kGrey = platform::hsv(0.0, 0.0, 0.8).rgb();
const QRgb kOlive = platform::hsv(0.15, 0.8, 0.5).rgb();
const QRgb kTeal = platform::hsv(0.5, 0.5, 0.5).rgb();
const QRgb kBlack = platform::hsv(0.0, 0.0, 0.0).rgb();
const QRgb kTealGrey = platform::hsv(0.5, 0.3, 0.65).rgb();
const QRgb kViolet = platform::hsv(0.75, 0.4, 0.7).rgb();
const QRgb kLightViolet = platform::hsv(0.75, 0.25, 1.0).rgb();

const QRgb kWhite = qRgb(255, 255, 255);

QRgb at(int x, int y) { return Geometria::griglia->pixel(x, y); }

// The grid lines that show: grey columns met along row y, grey rows met
// along column x.
std::vector<int> greyColumns(int y)
{
    std::vector<int> found;
    for (int x = 0; x < Geometria::griglia->width(); ++x)
        if (at(x, y) == kGrey)
            found.push_back(x);
    return found;
}

std::vector<int> greyRows(int x)
{
    std::vector<int> found;
    for (int y = 0; y < Geometria::griglia->height(); ++y)
        if (at(x, y) == kGrey)
            found.push_back(y);
    return found;
}

int count(QRgb color, QRect area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += at(x, y) == color;
    return n;
}

int notWhite(QRect area) { return area.width() * area.height() - count(kWhite, area); }

} // namespace

// One view of the grid. scanRow and scanColumn cross the grid between its
// lines; columns and rows are the lines that show there. partColumns and
// partRows count every line position the rebuild takes per axis, the two
// through the origin twice and the ones at the far edge that fall just
// outside the picture (-1: not checked, for views whose lines are left out
// as a whole or lie partly off the window).
struct GridView {
    const char* name;
    int width, height, ox, oy;
    double zoom;
    int gx, gy;
    bool visible;
    int scanRow, scanColumn;
    size_t columns, rows;
    int partColumns, partRows;
};

void PrintTo(const GridView& c, std::ostream* os) { *os << c.name; }

class GridLines : public ModelTest, public ::testing::WithParamInterface<GridView> {};

TEST_P(GridLines, CountOnEachAxis)
{
    const GridView& v = GetParam();
    Globali::scrx = v.width;
    Globali::scry = v.height;
    Geometria::origx = v.ox;
    Geometria::origy = v.oy;
    Geometria::zmfct = v.zoom;
    Geometria::grx = v.gx;
    Geometria::gry = v.gy;
    Geometria::gridvis = v.visible;
    Geometria::disegna_griglia();
    ASSERT_EQ(Geometria::griglia->width(), v.width);
    ASSERT_EQ(Geometria::griglia->height(), v.height);

    EXPECT_EQ(greyColumns(v.scanRow).size(), v.columns);
    EXPECT_EQ(greyRows(v.scanColumn).size(), v.rows);
    if (v.columns == 0 && v.rows == 0) {
        EXPECT_EQ(count(kGrey, QRect(0, 0, v.width, v.height)), 0);
    }
    if (v.partColumns >= 0) {
        EXPECT_EQ(Geometria::linee_griglia(v.ox, v.width, v.gx * v.zoom).size(), size_t(v.partColumns));
        EXPECT_EQ(Geometria::linee_griglia(v.oy, v.height, v.gy * v.zoom).size(), size_t(v.partRows));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Views, GridLines,
    ::testing::Values(
        // x = 500, 490, ..., 0 and 500, ..., 1000; y = 350, ..., 0 and 350, ..., 700.
        GridView{"centred", 1000, 700, 500, 350, 1.0, 10, 10, true, 695, 995, 100, 70, 102, 72},
        GridView{"zoomed", 800, 600, 400, 300, 2.5, 10, 4, true, 595, 790, 32, 60, 34, 62},
        // 10.5 pixels a step: each line truncated on its own, none adds up.
        GridView{"fractional", 800, 600, 400, 300, 1.5, 7, 7, true, 597, 795, 77, 57, 78, 58},
        // Left of the window: only the lines at x = 5, 15, ..., 795 show.
        GridView{"origin outside", 800, 600, -95, 300, 1.0, 10, 10, true, 595, 798, 80, 60, -1, -1},
        // Far off at the edge of the Integer range: only the lines that show
        // are drawn, not the hundreds of millions on the way there.
        GridView{"origin far away", 800, 600, 2000000000, 300, 1.0, 10, 10, true, 595, 798, 80, 60, -1, -1},
        GridView{"finer than 5 pixels", 800, 600, 400, 300, 0.4, 10, 10, true, 595, 795, 0, 0, 0, 0},
        GridView{"one axis too fine", 800, 600, 400, 300, 1.0, 10, 3, true, 595, 795, 0, 0, -1, -1},
        GridView{"spacing 0", 800, 600, 400, 300, 1.0, 0, 10, true, 595, 795, 0, 0, -1, -1},
        GridView{"hidden", 800, 600, 400, 300, 1.0, 10, 10, false, 595, 795, 0, 0, -1, -1}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (c == ' ')
                c = '_';
        return name;
    });

using Backdrop = ModelTest;

TEST_F(Backdrop, FractionalStepsAreTruncatedFromTheOrigin)
{
    Geometria::zmfct = 1.5;
    Geometria::grx = Geometria::gry = 7;
    Geometria::disegna_griglia();
    const std::vector<int> columns = greyColumns(597);
    auto has = [&](int x) { return std::find(columns.begin(), columns.end(), x) != columns.end(); };
    // 400 - 10.5 and 400 + 10.5 become 389 and 410; 400 + 38 * 10.5 = 799.
    for (int x : {400, 389, 379, 368, 410, 421, 431, 1, 799})
        EXPECT_TRUE(has(x)) << x;
    for (int x : {390, 411, 0})
        EXPECT_FALSE(has(x)) << x;
}

TEST_F(Backdrop, AxesGlyphAndOriginMark)
{
    Geometria::gridvis = false;
    Geometria::disegna_griglia();
    // The three strokes from their common corner (6, 32), one pixel wide.
    for (QPoint p : {QPoint(6, 12), QPoint(6, 22), QPoint(16, 32), QPoint(26, 32), QPoint(16, 22), QPoint(25, 13)})
        EXPECT_EQ(at(p.x(), p.y()), kOlive) << p.x() << "," << p.y();
    for (QPoint p : {QPoint(5, 22), QPoint(7, 22), QPoint(16, 31), QPoint(16, 33)})
        EXPECT_EQ(at(p.x(), p.y()), kWhite) << p.x() << "," << p.y();
    // "X" above the vertical stroke, "Y" beside the diagonal's top, "Z" at
    // the horizontal stroke's end; nothing between the letters.
    EXPECT_GT(notWhite(QRect(2, 0, 11, 11)), 5);
    EXPECT_GT(notWhite(QRect(29, 0, 11, 11)), 5);
    EXPECT_GT(notWhite(QRect(29, 26, 11, 11)), 5);
    EXPECT_EQ(notWhite(QRect(13, 0, 14, 10)), 0);

    // A cross three pixels thick on the origin, open at top and bottom.
    const int ox = Geometria::origx, oy = Geometria::origy;
    for (QPoint d : {QPoint(0, 0), QPoint(-3, -3), QPoint(3, -3), QPoint(-3, 3), QPoint(3, 3)})
        EXPECT_EQ(at(ox + d.x(), oy + d.y()), kTeal) << d.x() << "," << d.y();
    EXPECT_EQ(at(ox, oy - 4), kWhite);
    EXPECT_EQ(at(ox, oy + 4), kWhite);
    EXPECT_EQ(count(kTeal, QRect(0, 0, 800, 600)), count(kTeal, QRect(ox - 6, oy - 6, 13, 13)));

    // The mark follows the origin; the glyph stays in the corner.
    Geometria::origx = 120;
    Geometria::origy = 90;
    Geometria::disegna_griglia();
    EXPECT_EQ(at(120, 90), kTeal);
    EXPECT_EQ(at(400, 300), kWhite);
    EXPECT_EQ(at(6, 22), kOlive);
}

// The staircase (0, 0) -> (50, 0) -> (50, 50) -> (100, 50) -> (100, 100) mm,
// each element sampled at its middle pixel.
struct ChainColours {
    const char* name;
    bool edit;
    int d;
    QRgb colours[4];
};

void PrintTo(const ChainColours& c, std::ostream* os) { *os << c.name; }

class BackdropChain : public ModelTest, public ::testing::WithParamInterface<ChainColours> {};

TEST_P(BackdropChain, ElementsInTheirColours)
{
    const ChainColours& c = GetParam();
    setChain({{0, 50, 0, 0}, {0, 0, 50, 0}, {0, 50, 0, 0}, {0, 0, 50, 0}});
    Forme::poli_d = c.d;
    Forme::modifica = c.edit;
    Geometria::disegna_griglia();
    const QPoint middles[] = {{425, 300}, {450, 275}, {475, 250}, {500, 225}};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(at(middles[i].x(), middles[i].y()), c.colours[i]) << i;
    // The live layer keeps the last element drawn, in the same colour.
    const auto segs = live();
    ASSERT_EQ(segs.size(), 1u);
    EXPECT_EQ(segs[0].color.rgb(), c.colours[3]);
}

INSTANTIATE_TEST_SUITE_P(Modes, BackdropChain,
                         ::testing::Values(ChainColours{"add_middle", false, 2, {kBlack, kBlack, kTealGrey, kTealGrey}},
                                           ChainColours{
                                               "add_start", false, 0, {kTealGrey, kTealGrey, kTealGrey, kTealGrey}},
                                           ChainColours{"add_end", false, 4, {kBlack, kBlack, kBlack, kBlack}},
                                           ChainColours{"edit", true, 1, {kBlack, kBlack, kBlack, kBlack}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Backdrop, RaisedElementShowsShadowAndTickInViolet)
{
    struct Case {
        int d;
        QRgb shadow, element;
    };
    // One line from (0, 0) to (50, 0) raised by 10 mm: shadow on y = 300,
    // the element from (410, 290) to (460, 290), the tick at its end.
    for (const Case& c : {Case{1, kViolet, kBlack}, Case{0, kLightViolet, kTealGrey}}) {
        setChain({{0, 50, 0, 0}});
        Forme::polilinea(0, kZ0) = 10.0;
        Forme::poli_d = c.d;
        Geometria::disegna_griglia();
        EXPECT_EQ(at(425, 300), c.shadow) << c.d;
        EXPECT_EQ(at(435, 290), c.element) << c.d;
        EXPECT_EQ(at(455, 295), c.shadow) << c.d;
    }
}

// Where the rebuild leaves the current element; the navigation buttons are
// asked to follow once, and the new picture is shown.
struct AfterRebuild {
    const char* name;
    bool edit;
    int d;
    double x, y, z;
};

void PrintTo(const AfterRebuild& c, std::ostream* os) { *os << c.name; }

class BackdropAfter : public ModelTest, public ::testing::WithParamInterface<AfterRebuild> {};

TEST_P(BackdropAfter, CurrentStartFlagsButtonsAndBackdrop)
{
    const AfterRebuild& c = GetParam();
    // Starts (0, 0, 0), (50, 0, 1), (50, 50, 3), (100, 50, 6); end (100, 100, 10).
    setChain({{0, 50, 0, 1}, {0, 0, 50, 2}, {0, 50, 0, 3}, {6, 0, 50, 4}});
    Forme::poli_d = c.d;
    Forme::forma = 9;
    Forme::modifica = c.edit;

    Geometria::disegna_griglia();
    EXPECT_EQ(Forme::xprec, c.x);
    EXPECT_EQ(Forme::yprec, c.y);
    EXPECT_EQ(Forme::zprec, c.z);
    // The deltas are the last row's; the kind is not touched.
    EXPECT_EQ(Forme::dx, 0.0);
    EXPECT_EQ(Forme::dy, 50.0);
    EXPECT_EQ(Forme::dz, 4.0);
    EXPECT_EQ(Forme::forma, 9);
    EXPECT_FALSE(Geometria::gri_aggiungipict);
    EXPECT_FALSE(Geometria::gri_successivi);
    EXPECT_EQ(schermo().bottoniAggiornati, 1);
    EXPECT_EQ(schermo().dAlleBottoni, c.d);
    EXPECT_EQ(schermo().sfondo, Geometria::griglia);
}

INSTANTIATE_TEST_SUITE_P(Positions, BackdropAfter,
                         ::testing::Values(AfterRebuild{"add_at_end", false, 4, 100, 100, 10},
                                           AfterRebuild{"add_in_middle", false, 2, 50, 50, 3},
                                           AfterRebuild{"add_at_start", false, 0, 0, 0, 0},
                                           AfterRebuild{"edit_first", true, 0, 0, 0, 0},
                                           AfterRebuild{"edit_last", true, 3, 100, 50, 6}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Backdrop, EmptyChainLeavesTheCurrentElementAndShowsTheNewPicture)
{
    setCurrent(4, 1.5, 2.5, 3.5, 4.5, 5.5, 6.5);
    Geometria::gri_successivi = true;
    const platform::PicturePtr before = Geometria::griglia;
    Geometria::disegna_griglia();
    EXPECT_EQ(Forme::forma, 4);
    EXPECT_EQ(Forme::xprec, 1.5);
    EXPECT_EQ(Forme::yprec, 2.5);
    EXPECT_EQ(Forme::dx, 3.5);
    EXPECT_EQ(Forme::dy, 4.5);
    EXPECT_EQ(Forme::zprec, 5.5);
    EXPECT_EQ(Forme::dz, 6.5);
    EXPECT_FALSE(Geometria::gri_aggiungipict);
    EXPECT_FALSE(Geometria::gri_successivi);
    EXPECT_TRUE(live().empty());

    // A new picture, handed to the screen: the grid lines through the
    // origin and the mark on it.
    EXPECT_NE(Geometria::griglia, before);
    EXPECT_EQ(schermo().sfondo, Geometria::griglia);
    EXPECT_EQ(Geometria::griglia->pixel(400, 150), kGrey);
    EXPECT_EQ(Geometria::griglia->pixel(200, 300), kGrey);
    EXPECT_EQ(Geometria::griglia->pixel(400, 300), kTeal);
    EXPECT_EQ(Geometria::griglia->pixel(405, 155), kWhite);
}
