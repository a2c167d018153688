// With the Italian interface the default locale is Italy's, so that Qt's own
// dialogs write Italian dates and sizes; the program's own numbers (the
// fields, their filters, the GDL text) keep the point as decimal separator.
#include "fin3d_fixture.h"

#include "app/lingue.h"
#include "editor/EditFieldIntero.h"
#include "platform/conversions.h"
#include "platform/system.h"

#include <QLocale>

using namespace fin3dtest;

TEST_F(Create3d, DefaultLocaleFollowsTheInterfaceLanguage)
{
    Globali::local_ita();
    EXPECT_EQ(QLocale().language(), QLocale::Italian);
    EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
    Globali::local_usa();
    EXPECT_EQ(QLocale().language(), QLocale::English);
}

// The same typing gives the same field, scale and statement in both
// languages: the field shows a point, also for a comma typed as one.
TEST_F(Create3d, NumbersKeepThePointWithTheItalianInterface)
{
    storeProfile(2);
    esportazione::profopath = 1;
    std::vector<QString> testi;
    for (bool italiano : {false, true}) {
        italiano ? Globali::local_ita() : Globali::local_usa();
        fin_3d& w = shown();
        type(w.efdati3d(0), QStringLiteral("1.5"));
        EXPECT_EQ(w.efdati3d(0)->text(), QStringLiteral("1.5"));
        EXPECT_EQ(esportazione::daticreatred[2], 1.5);
        type(w.efdati3d(0), QStringLiteral("2,5"));
        EXPECT_EQ(w.efdati3d(0)->text(), QStringLiteral("2.5"));
        EXPECT_EQ(esportazione::daticreatred[2], 2.5);
        type(w.efdati3d(0), QStringLiteral("0.5"));
        press(w.PushButton3);
        testi.push_back(platform::clipboardText());
        EXPECT_TRUE(testi.back().contains(QStringLiteral("0.05,"))) << testi.back().toStdString();
        w.PushButton1->click();
        testsupport::processEvents();
    }
    EXPECT_EQ(testi[0], testi[1]);
    EXPECT_EQ(platform::Str(0.25), QStringLiteral("0.25"));
    EXPECT_EQ(platform::Val(QStringLiteral("0,25")), 0.0);
}

// The integer fields refuse a point and a comma alike under either locale.
TEST_F(Create3d, IntegerFieldRefusesPointAndCommaWithTheItalianInterface)
{
    for (bool italiano : {false, true}) {
        italiano ? Globali::local_ita() : Globali::local_usa();
        EditFieldIntero* field = fin_edita::instance().efxdelta;
        fin_edita::instance().activateWindow();
        field->setFocus();
        field->setTextFromProgram(QString());
        platform::resetBeepCount();
        QTest::keyClicks(field, QStringLiteral("-1,2.3"));
        EXPECT_EQ(field->text(), QStringLiteral("-123")) << italiano;
        EXPECT_EQ(platform::beepCount(), 2) << italiano;
        EXPECT_EQ(Forme::dx, -123.0) << italiano;
    }
}
