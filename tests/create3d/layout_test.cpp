// The "Create 3D" window as it is made: every control in its stacking
// order, place and size, the arrays with their indices, and the first state.
#include "create3d/fin_3d.h"
#include "platform/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Placed {
    int order;
    QWidget* control;
    QRect geometry;
};

std::vector<Placed> placements(fin_3d& w)
{
    return {
        {1, w.Separator1, {10, 412, 620, 4}},
        {2, w.Separator2, {10, 375, 620, 4}},
        {3, w.Rectangle2, {335, 3, 32, 32}},
        {4, w.Rectangle1, {272, 3, 32, 32}},
        {5, w.Canvas1, {274, 5, 28, 28}},
        {6, w.Canvas2, {337, 5, 28, 28}},
        {7, w.rec_sel, {-40, 427, 44, 44}},
        {8, w.bot_exp(1), {68, 431, 36, 36}},
        {9, w.bot_exp(0), {13, 431, 36, 36}},
        {10, w.ImageWell2, {330, 36, 300, 200}},
        {11, w.bottone_s_o, {15, 245, 140, 20}},
        {12, w.bottone_s_e, {165, 245, 140, 20}},
        {13, w.bottone_p_o, {335, 245, 140, 20}},
        {14, w.bottone_p_e, {485, 245, 140, 20}},
        {15, w.StaticText1, {205, 8, 60, 20}},
        {16, w.StaticText2, {375, 8, 60, 20}},
        {17, w.PushButton1, {450, 451, 175, 20}},
        {18, w.ImageWell1, {10, 36, 300, 200}},
        {19, w.ImageWell3, {10, 275, 40, 40}},
        {20, w.ImageWell4, {330, 275, 40, 40}},
        {21, w.PushButton2, {540, 423, 85, 20}},
        {22, w.PushButton3, {450, 423, 85, 20}},
        {23, w.Line1, {320, 5, 1, 366}},
        {24, w.ProgressBar1, {230, 456, 200, 12}},
        {25, w.StaticT1, {55, 273, 200, 20}},
        {26, w.slcrea3d(0), {55, 296, 250, 16}},
        {27, w.StaticT2, {375, 273, 200, 20}},
        {28, w.slcrea3d(1), {375, 296, 250, 16}},
        {29, w.StaticSAG_XY, {15, 8, 180, 20}},
        {30, w.StaticPER_XY, {445, 8, 180, 20}},
        {31, w.StaticTesto(0), {280, 273, 24, 20}},
        {32, w.StaticTesto(1), {600, 273, 24, 20}},
        {33, w.efdati3d(0), {14, 322, 60, 22}},
        {34, w.efdati3d(1), {104, 322, 60, 22}},
        {35, w.CheckB(0), {125, 418, 80, 20}},
        {36, w.CheckB(1), {125, 438, 80, 20}},
        {37, w.efdati3d(2), {334, 322, 60, 22}},
        {38, w.efdati3d(3), {424, 322, 60, 22}},
        {39, w.StaticText5, {204, 322, 100, 20}},
        {40, w.StaticText6, {524, 322, 100, 20}},
        {41, w.StaticText7, {79, 322, 20, 20}},
        {42, w.StaticText8, {169, 322, 20, 20}},
        {43, w.StaticText9, {399, 322, 20, 20}},
        {44, w.StaticText10, {489, 322, 20, 20}},
        {45, w.CheckB(2), {125, 458, 80, 20}},
        {46, w.CheckB(3), {213, 349, 95, 20}},
        {47, w.slcrea3d(2), {55, 391, 360, 16}},
        {48, w.Canvas3, {15, 381, 30, 30}},
        {49, w.StaticText3, {490, 387, 135, 20}},
        {50, w.efdatialfa3d(14), {334, 350, 60, 22}},
        {51, w.efdatialfa3d(15), {424, 350, 60, 22}},
        {52, w.PopupArrow1, {218, 456, 10, 10}},
        {53, w.PopupArrow2, {434, 456, 10, 10}},
        {54, w.efdatialfa3d(10), {424, 387, 60, 22}},
        {55, w.efdatialfa3d(11), {230, 423, 40, 22}},
        {56, w.efdatialfa3d(12), {301, 423, 40, 22}},
        {57, w.efdatialfa3d(13), {372, 422, 40, 22}},
        {58, w.StaticText4, {399, 350, 20, 20}},
        {59, w.StaticText11, {489, 350, 20, 20}},
        {60, w.StaticText12, {274, 423, 20, 20}},
        {61, w.StaticText13, {345, 423, 20, 20}},
        {62, w.StaticText14, {416, 423, 20, 20}},
        {63, w.efdelta3d(16), {14, 350, 60, 22}},
        {64, w.efdelta3d(17), {104, 350, 60, 22}},
        {65, w.StaticText15, {79, 350, 20, 20}},
        {66, w.StaticText16, {169, 350, 20, 20}},
        {67, w.StaticText17, {514, 350, 110, 20}},
    };
}

} // namespace

TEST(Fin3dLayout, SixtySevenControlsInStackingOrderAtTheirPlaces)
{
    fin_3d& w = fin_3d::instance();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.Width(), 640);
    EXPECT_EQ(w.Height(), 480);
    EXPECT_EQ(w.title(), "Create 3D");

    const auto table = placements(w);
    ASSERT_EQ(table.size(), 67u);
    QList<QWidget*> stacked;
    for (QObject* child : w.body()->children())
        if (auto* widget = qobject_cast<QWidget*>(child))
            stacked.push_back(widget);
    ASSERT_EQ(stacked.size(), 67);
    for (const Placed& p : table) {
        ASSERT_NE(p.control, nullptr) << "control " << p.order;
        EXPECT_EQ(stacked.indexOf(p.control), p.order - 1) << "control " << p.order;
        EXPECT_EQ(p.control->geometry(), p.geometry) << "control " << p.order;
    }
}

TEST(Fin3dLayout, ArraysAnswerOnlyTheirIndices)
{
    fin_3d& w = fin_3d::instance();
    EXPECT_EQ(w.efdatialfa3d.count(), 6);
    EXPECT_EQ(w.efdatialfa3d(0), nullptr);
    EXPECT_EQ(w.efdatialfa3d(9), nullptr);
    EXPECT_NE(w.efdatialfa3d(10), nullptr);
    EXPECT_NE(w.efdatialfa3d(15), nullptr);
    EXPECT_EQ(w.efdelta3d.count(), 2);
    EXPECT_EQ(w.efdelta3d(15), nullptr);
    EXPECT_EQ(w.efdelta3d(0), nullptr);
    EXPECT_EQ(w.efdati3d.count(), 4);
    EXPECT_EQ(w.CheckB.count(), 4);
    EXPECT_EQ(w.slcrea3d.count(), 3);
    EXPECT_EQ(w.StaticTesto.count(), 2);
    EXPECT_EQ(w.bot_exp.count(), 2);
}

// The labels stand against the left or the right of their places, and the
// number fields hold their numbers to the right.
TEST(Fin3dLayout, TextsStandAgainstTheirSides)
{
    fin_3d& w = fin_3d::instance();
    const std::pair<QWidget*, Qt::Alignment> kLati[] = {
        {w.StaticText1, Qt::AlignRight},  {w.StaticText2, Qt::AlignLeft},   {w.StaticTesto(0), Qt::AlignRight},
        {w.StaticPER_XY, Qt::AlignRight}, {w.StaticSAG_XY, Qt::AlignLeft},  {w.StaticText5, Qt::AlignRight},
        {w.StaticText7, Qt::AlignLeft},   {w.StaticText17, Qt::AlignRight}, {w.efdati3d(0), Qt::AlignRight},
    };
    for (std::size_t i = 0; i < std::size(kLati); ++i) {
        SCOPED_TRACE(i);
        QWidget* control = kLati[i].first;
        const auto* label = qobject_cast<QLabel*>(control);
        const Qt::Alignment a = label ? label->alignment() : qobject_cast<QLineEdit*>(control)->alignment();
        EXPECT_EQ(a, kLati[i].second | Qt::AlignVCenter);
    }
}

TEST(Fin3dLayout, FirstTextsValuesAndState)
{
    fin_3d& w = fin_3d::instance();
    EXPECT_FALSE(w.bottone_s_e->isEnabled());
    EXPECT_FALSE(w.bottone_p_e->isEnabled());
    EXPECT_TRUE(w.bottone_s_o->isEnabled());
    EXPECT_TRUE(w.PushButton2->isEnabled());
    EXPECT_TRUE(w.PushButton1->isDefault());
    EXPECT_EQ(w.StaticSAG_XY->text(), "?");
    EXPECT_EQ(w.StaticTesto(1)->text(), "000");
    EXPECT_EQ(w.efdati3d(1)->text(), "100");
    EXPECT_EQ(w.efdatialfa3d(10)->text(), "180");
    EXPECT_EQ(w.efdelta3d(17)->text(), "0");
    EXPECT_EQ(w.StaticText15->text(), QString::fromUtf8("∆x"));
    EXPECT_EQ(w.StaticText14->text(), QString::fromUtf8("µZ"));
    EXPECT_TRUE(w.CheckB(0)->value());
    EXPECT_FALSE(w.CheckB(3)->value());
    EXPECT_EQ(w.CheckB(3)->text(), "Virtual edges");
    EXPECT_EQ(w.slcrea3d(0)->minimum(), 3);
    EXPECT_EQ(w.slcrea3d(0)->maximum(), 128);
    EXPECT_EQ(w.slcrea3d(0)->value(), 8);
    EXPECT_EQ(w.slcrea3d(2)->minimum(), 1);
    EXPECT_EQ(w.slcrea3d(2)->maximum(), 360);
    EXPECT_EQ(w.slcrea3d(2)->value(), 180);
    EXPECT_EQ(w.ProgressBar1->maximum(), 100);
    EXPECT_EQ(w.ProgressBar1->value(), 0);
    EXPECT_EQ(w.efdati3d(0)->palette().color(QPalette::Text), QColor(0xFF, 0, 0));
    EXPECT_EQ(w.efdatialfa3d(11)->palette().color(QPalette::Base), QColor(0xF1, 0xF1, 0xFF));
    EXPECT_EQ(w.StaticSAG_XY->textColor(), QColor(0x00, 0x80, 0x40));
    EXPECT_TRUE(w.StaticText1->underline());
    EXPECT_EQ(w.rec_sel->FillColor, QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(w.Line1->LineColor, QColor(0xB3, 0xB3, 0xB3));
    EXPECT_EQ(platform::helpTag(w.bot_exp(1)), QString("Create a revolution volume\rCrea un volume di rivoluzione"));
    EXPECT_EQ(platform::helpTag(w.PushButton3), QString("Copy gdl text to clipboard\rCopia il testo gdl in memoria"));
    EXPECT_TRUE(platform::helpTag(w.PushButton2).isEmpty());
}
