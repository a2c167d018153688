// The settings controls as the user works them: typing into the number
// fields and leaving them, moving the sliders, clicking the option boxes and
// the solid buttons.
#include "fin3d_fixture.h"

#include "platform/conversions.h"
#include "platform/picture.h"

#include <algorithm>

using namespace fin3dtest;
using esportazione::daticreatred;

namespace {

// A window with a profile and a path stored and the given solid chosen, so
// that every field can take the focus.
fin_3d& tuttoAbilitato(int solido)
{
    storeProfile(1);
    storePath(1);
    esportazione::profopath = solido;
    return shown();
}

qint64 immagine(const platform::ImageWell* well) { return well->image().cacheKey(); }

} // namespace

// --- The number filter, seen through an offset field (which keeps what the
// filter leaves and stores its value).

struct Filtrato {
    const char* typed;
    const char* shown;
};

void PrintTo(const Filtrato& c, std::ostream* os) { *os << '"' << c.typed << '"'; }

class NumberFilter : public Create3dWithParam<Filtrato> {};

TEST_P(NumberFilter, KeepsDigitsAndTheFirstPointOnly)
{
    fin_3d& w = shown();
    type(w.efdelta3d(16), QString::fromUtf8(GetParam().typed));
    EXPECT_EQ(w.efdelta3d(16)->text(), QString::fromUtf8(GetParam().shown));
    EXPECT_EQ(daticreatred[16], platform::Val(QString::fromUtf8(GetParam().shown)));
}

INSTANTIATE_TEST_SUITE_P(Create3d, NumberFilter,
                         ::testing::Values(Filtrato{"1,5", "1.5"}, Filtrato{"1.2.3", "1.23"}, Filtrato{"1,2,3", "1.23"},
                                           Filtrato{"-2", "2"}, Filtrato{"2e3", "23"}, Filtrato{" 7 ", "7"},
                                           Filtrato{",", "."}, Filtrato{"abc", ""}, Filtrato{"4*5", "45"},
                                           Filtrato{"3\xC2\xB5"
                                                    "1",
                                                    "31"}));

// --- The scale pairs.

struct Scala {
    int member;
    const char* typed;
    const char* multiplier; // the pair's texts afterwards
    const char* percent;
    double slotMultiplier, slotPercent;
};

void PrintTo(const Scala& c, std::ostream* os) { *os << "member " << c.member << " \"" << c.typed << '"'; }

class ScaleFields : public Create3dWithParam<Scala> {};

TEST_P(ScaleFields, KeepThePartnerAndTheSlotsInStep)
{
    const Scala& c = GetParam();
    fin_3d& w = tuttoAbilitato(0);
    const int pair = c.member / 2 * 2; // 0 profile, 2 path
    const qint64 profilePicture = immagine(w.ImageWell1);
    type(w.efdati3d(c.member), QString::fromUtf8(c.typed));
    EXPECT_EQ(w.efdati3d(pair)->text(), QString::fromUtf8(c.multiplier));
    EXPECT_EQ(w.efdati3d(pair + 1)->text(), QString::fromUtf8(c.percent));
    EXPECT_EQ(daticreatred[pair + 2], c.slotMultiplier);
    EXPECT_EQ(daticreatred[pair + 3], c.slotPercent);
    // The profile preview follows a changed profile scale (its axis mark
    // depends on it); a path scale leaves it alone.
    const bool changed = c.slotMultiplier != 1.0;
    EXPECT_EQ(immagine(w.ImageWell1) != profilePicture, pair == 0 && changed);
    // The other pair is untouched.
    EXPECT_EQ(daticreatred[(2 - pair) + 2], 1.0);
    EXPECT_EQ(daticreatred[(2 - pair) + 3], 100.0);
}

INSTANTIATE_TEST_SUITE_P(
    Create3d, ScaleFields,
    ::testing::Values(Scala{0, "2", "2", "200", 2.0, 200.0}, Scala{1, "50", "0.5", "50", 0.5, 50.0},
                      Scala{0, "0", "1", "100", 1.0, 100.0}, Scala{1, "0", "1", "100", 1.0, 100.0},
                      Scala{0, "0.0", "1", "100", 1.0, 100.0}, Scala{1, "", "1", "100", 1.0, 100.0},
                      Scala{2, "3", "3", "300", 3.0, 300.0}, Scala{3, "25", "0.25", "25", 0.25, 25.0},
                      // The partner's text has no binary noise, and the
                      // slot takes the number that text shows.
                      Scala{1, "7", "0.07", "7", 0.07, 7.0}, Scala{1, "33.3", "0.333", "33.3", 0.333, 33.3},
                      Scala{0, "1.1", "1.1", "110", 1.1, 110.0}, Scala{3, "0.3", "0.003", "0.3", 0.003, 0.3}));

// Leaving the partner again rewrites the field first typed: it shows the
// number the user typed, not 7.000000000000001, and both slots keep theirs.
TEST_F(Create3d, TabbingThroughAScalePairKeepsTheTypedNumbers)
{
    struct Case {
        int percentMember;
        const char* typed;
        const char* multiplier;
    };
    const double scales[] = {1.0, 100.0, 1.0, 100.0}; // slots 2 to 5 as a new document has them
    for (const Case c : {Case{1, "7", "0.07"}, Case{1, "33.3", "0.333"}, Case{3, "14.1", "0.141"}}) {
        std::copy(std::begin(scales), std::end(scales), daticreatred.begin() + 2);
        fin_3d& w = tuttoAbilitato(0);
        type(w.efdati3d(c.percentMember), QString::fromLatin1(c.typed));
        QTest::mouseClick(w.efdati3d(c.percentMember - 1), Qt::LeftButton);
        QTest::keyClick(w.efdati3d(c.percentMember - 1), Qt::Key_Tab);
        EXPECT_EQ(w.efdati3d(c.percentMember - 1)->text(), QLatin1String(c.multiplier)) << c.typed;
        EXPECT_EQ(w.efdati3d(c.percentMember)->text(), QLatin1String(c.typed));
        EXPECT_EQ(daticreatred[c.percentMember + 1], platform::Val(QLatin1String(c.multiplier)));
        EXPECT_EQ(daticreatred[c.percentMember + 2], platform::Val(QLatin1String(c.typed)));
    }
}

// --- The angle fields.

struct Angolo {
    int member;
    const char* typed;
    const char* shown;
    double slot;
};

void PrintTo(const Angolo& c, std::ostream* os) { *os << "member " << c.member << " \"" << c.typed << '"'; }

class AngleFields : public Create3dWithParam<Angolo> {};

TEST_P(AngleFields, AreBroughtIntoRangeAndStored)
{
    const Angolo& c = GetParam();
    fin_3d& w = tuttoAbilitato(1);
    type(w.efdatialfa3d(c.member), QString::fromUtf8(c.typed));
    EXPECT_EQ(w.efdatialfa3d(c.member)->text(), QString::fromUtf8(c.shown));
    EXPECT_EQ(daticreatred[c.member], c.slot);
    // The revolution slider follows its field, in whole degrees and at least 1.
    EXPECT_EQ(w.slcrea3d(2)->value(), platform::CInt(std::max(1.0, daticreatred[10])));
}

INSTANTIATE_TEST_SUITE_P(Create3d, AngleFields,
                         ::testing::Values(Angolo{10, "400", "360", 360.0}, Angolo{10, "0", "1", 1.0},
                                           Angolo{10, "90.5", "90.5", 90.5}, Angolo{10, "abc", "1", 1.0},
                                           Angolo{11, "0", "0", 0.0}, Angolo{12, "-45", "45", 45.0},
                                           Angolo{13, "361", "360", 360.0}, Angolo{14, "30", "30", 30.0},
                                           Angolo{15, "720", "360", 360.0}));

TEST_F(Create3d, RevolutionAngleDrawsItsPictogram)
{
    fin_3d& w = tuttoAbilitato(1);
    const QColor pink = platform::rgb(255, 0, 127);
    auto colour = [&](int x, int y) { return QColor(w.pittogramma().pixel(x, y)); };

    type(w.efdatialfa3d(10), "90");
    // The wedge runs counter-clockwise from the right: the upper right
    // quarter only.
    EXPECT_EQ(colour(22, 8), pink);
    EXPECT_EQ(colour(8, 8), QColor(Qt::white));
    EXPECT_EQ(colour(8, 22), QColor(Qt::white));
    EXPECT_EQ(colour(22, 22), QColor(Qt::white));

    type(w.efdatialfa3d(10), "360");
    for (const QPoint p : {QPoint(22, 8), QPoint(8, 8), QPoint(8, 22), QPoint(22, 22)})
        EXPECT_EQ(colour(p.x(), p.y()), pink);
}

TEST_F(Create3d, OffsetRedrawsTheProfilePreviewOnlyWhenItChanged)
{
    storeProfile(1);
    fin_3d& w = shown();
    const qint64 before = immagine(w.ImageWell1);
    type(w.efdelta3d(16), "5");
    EXPECT_EQ(daticreatred[16], 5.0);
    const qint64 after = immagine(w.ImageWell1);
    EXPECT_NE(after, before);
    type(w.efdelta3d(16), "5");
    EXPECT_EQ(immagine(w.ImageWell1), after);
    type(w.efdelta3d(17), "-12.5");
    EXPECT_EQ(w.efdelta3d(17)->text(), "12.5");
    EXPECT_EQ(daticreatred[17], 12.5);
}

// Moving any slider stores all three, refreshes both read-outs, the
// revolution angle field and the pictogram.
TEST_F(Create3d, SlidersStoreTheirValues)
{
    fin_3d& w = tuttoAbilitato(1);
    QTest::keyClick(w.slcrea3d(0), Qt::Key_Right);
    EXPECT_EQ(daticreatred[0], 9.0);
    EXPECT_EQ(w.StaticTesto(0)->text(), "9");

    QTest::keyClick(w.slcrea3d(1), Qt::Key_PageUp);
    EXPECT_EQ(daticreatred[1], 28.0);
    EXPECT_EQ(w.StaticTesto(1)->text(), "28");

    const QImage pittogramma = w.pittogramma();
    QTest::keyClick(w.slcrea3d(2), Qt::Key_End);
    EXPECT_EQ(daticreatred[10], 360.0);
    EXPECT_EQ(w.efdatialfa3d(10)->text(), "360");
    EXPECT_NE(w.pittogramma(), pittogramma);
    EXPECT_EQ(daticreatred[0], 9.0);
    EXPECT_EQ(daticreatred[1], 28.0);
}

TEST_F(Create3d, OptionBoxesStoreTwoOrOne)
{
    fin_3d& w = tuttoAbilitato(0);
    for (int i = 0; i <= 3; ++i) {
        const double before = daticreatred[i + 6];
        QTest::mouseClick(w.CheckB(i), Qt::LeftButton);
        EXPECT_EQ(daticreatred[i + 6], before == 2.0 ? 1.0 : 2.0) << "box " << i;
        QTest::mouseClick(w.CheckB(i), Qt::LeftButton);
        EXPECT_EQ(daticreatred[i + 6], before) << "box " << i;
    }
}

TEST_F(Create3d, SolidButtonsMoveTheHighlightAndTheEnabling)
{
    storeProfile(1);
    fin_3d& w = shown();
    EXPECT_EQ(w.rec_sel->x(), 9);
    EXPECT_FALSE(w.PushButton3->isEnabled());

    QTest::mouseClick(w.bot_exp(1), Qt::LeftButton);
    EXPECT_EQ(esportazione::profopath, 1);
    EXPECT_EQ(w.rec_sel->geometry(), QRect(64, 427, 44, 44));
    EXPECT_TRUE(w.efdatialfa3d(10)->isEnabled());
    EXPECT_TRUE(w.PushButton3->isEnabled());

    QTest::mouseClick(w.bot_exp(0), Qt::LeftButton);
    EXPECT_EQ(esportazione::profopath, 0);
    EXPECT_EQ(w.rec_sel->geometry(), QRect(9, 427, 44, 44));
    EXPECT_FALSE(w.efdatialfa3d(10)->isEnabled());
    EXPECT_FALSE(w.PushButton3->isEnabled());
}
