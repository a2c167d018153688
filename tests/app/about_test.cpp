// The about box: its texts, the author line that underlines under the
// pointer and opens the mail link, the icon that opens the web link, and OK.
#include "app_fixture.h"

#include "app/info.h"
#include "editor/fin_principale.h"
#include "platform/system.h"

#include <QTest>

namespace {

class AboutBox : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        avvia();
        platform::setLinkHandler([this](const QString& url) { links.push_back(url); });
    }
    void TearDown() override { platform::setLinkHandler(nullptr); }

    static void entra(QWidget* w)
    {
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(w, &enter);
    }
    static void esci(QWidget* w)
    {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(w, &leave);
    }

    std::vector<QString> links;
};

TEST_F(AboutBox, ShowsTheProgramAndItsLinks)
{
    App::AppleModanovainfo_Action();
    ASSERT_TRUE(info::exists());
    info& box = info::instance();
    EXPECT_TRUE(box.isVisible());
    EXPECT_EQ(box.title(), "Modanova info");
    EXPECT_EQ(QSize(box.Width(), box.Height()), QSize(260, 152));
    EXPECT_EQ(box.StaticText1->text(), "Modanova - v1.10 UB");
    EXPECT_EQ(box.StaticText1->textColor(), QColor(0x00, 0x7F, 0x00));
    EXPECT_EQ(box.StaticText2->textColor(), QColor(0x00, 0x00, 0x7F));
    EXPECT_FALSE(box.StaticText2->text().isEmpty());
    EXPECT_EQ(box.PushButton1->text(), "OK");
    EXPECT_TRUE(box.PushButton1->isDefault());
    EXPECT_EQ(box.Canvas1->backdrop().size(), QSize(64, 64));

    // The author line underlines while the pointer is over it.
    EXPECT_FALSE(box.StaticText2->underline());
    // (The offscreen platform sends no enter or leave for a moved pointer,
    // so the test delivers them as the window system would.)
    entra(box.StaticText2);
    EXPECT_TRUE(box.StaticText2->underline());
    esci(box.StaticText2);
    EXPECT_FALSE(box.StaticText2->underline());

    // A click on the author line opens the mail link, one on the icon the
    // web link; the box stays.
    QTest::mouseClick(box.StaticText2, Qt::LeftButton);
    QTest::mouseClick(box.Canvas1, Qt::LeftButton, {}, QPoint(32, 32));
    ASSERT_EQ(links.size(), 2u);
    EXPECT_TRUE(links[0].startsWith("mailto:"));
    EXPECT_EQ(links[0], info::mailLink());
    EXPECT_TRUE(links[1].startsWith("http"));
    EXPECT_EQ(links[1], info::webLink());
    EXPECT_TRUE(info::exists());
}

// Making the box puts nothing on screen; the about command shows it.
TEST_F(AboutBox, OnlyTheAboutCommandShowsIt)
{
    EXPECT_FALSE(info::instance().isVisible());
    App::AppleModanovainfo_Action();
    EXPECT_TRUE(info::instance().isVisible());
}

TEST_F(AboutBox, OkClosesItAndBringsTheMainWindowForward)
{
    fin_principale::instance().hide();
    App::AppleModanovainfo_Action();
    info& box = info::instance();
    entra(box.StaticText2); // underlined when OK is pressed

    QTest::mouseClick(box.PushButton1, Qt::LeftButton);
    testsupport::processEvents();

    EXPECT_FALSE(info::exists());
    EXPECT_TRUE(fin_principale::instance().isVisible());

    // The next about box is a new one, its author line not underlined.
    App::AppleModanovainfo_Action();
    EXPECT_FALSE(info::instance().StaticText2->underline());
    EXPECT_TRUE(links.empty());
    // Return presses OK as well.
    QTest::keyClick(&info::instance(), Qt::Key_Return);
    testsupport::processEvents();
    EXPECT_FALSE(info::exists());
}

} // namespace
