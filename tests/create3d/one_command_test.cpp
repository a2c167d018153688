// One command at a time in the "Create 3D" window: an activation or a close
// request that the window system delivers while the previews or the
// generator are running waits until they have ended, and a revolution that
// runs out of memory beeps and leaves the stored profile as it was.
#include "fin3d_fixture.h"

#include "model/documento.h"
#include "platform/held_events.h"
#include "platform/system.h"

#include <QCloseEvent>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QWindow>

#include <sys/resource.h>

#include <cstdio>
#include <fstream>
#include <string>

using namespace fin3dtest;
using esportazione::daticreatred;

namespace {

// A profile with curves, 800 x 800 mm, and an L-shaped path ending in a
// curve, 1500 x 500 mm: their previews differ, and both reach the yield.
void storeCurvedChains()
{
    setChain(esportazione::sagoma, esportazione::sago_q,
             {{0, 0, 0, 800, 0, 0, 0},
              {2, 800, 0, -400, 400, 0, 0},
              {3, 400, 400, -400, 400, 0, 0},
              {2, 0, 800, 200, -200, 0, 0},
              {3, 200, 600, -200, -200, 0, 0}});
    setChain(esportazione::percorso, esportazione::perc_q,
             {{0, 0, 0, 1000, 0, 0, 0}, {0, 1000, 0, 0, 250, 0, 0}, {2, 1000, 250, 500, 250, 0, 0}});
}

// Another program's window takes the front, so that activating ours is news
// the window system delivers through the event loop.
class Elsewhere {
public:
    Elsewhere()
    {
        m_other.resize(100, 100);
        m_other.show();
        m_other.activateWindow();
        for (int i = 0; i < 100 && !m_other.isActiveWindow(); ++i) {
            testsupport::processEvents();
            QThread::msleep(2);
        }
    }
    bool active() const { return m_other.isActiveWindow(); }

private:
    QWidget m_other;
};

// The yield hands events out at most every few tens of milliseconds; after
// this pause the next command's yields do so at once.
void letTheYieldRun() { QThread::msleep(45); }

} // namespace

TEST_F(Create3d, TheShowsActivationWaitsForThePreviewsAndDrawsNothingTwice)
{
    storeCurvedChains();
    fin_3d& w = fin_3d::instance();
    Elsewhere other;
    ASSERT_TRUE(other.active());
    letTheYieldRun();

    w.mostra();
    // The activation came during the previews and was kept back.
    EXPECT_GT(platform::held::count(), 0);
    EXPECT_EQ(w.StaticSAG_XY->text(), "Dim.: 800 x 800 mm.");
    EXPECT_EQ(w.StaticPER_XY->text(), "Dim.: 1500 x 500 mm.");
    const QImage profile = w.ImageWell1->image();
    const QImage path = w.ImageWell2->image();
    EXPECT_NE(profile, path);

    // Handed out now, the show's own activation draws nothing again.
    const qint64 lastPicture = w.ImageWell2->image().cacheKey();
    testsupport::processEvents();
    EXPECT_TRUE(w.isActiveWindow());
    EXPECT_EQ(platform::held::count(), 0);
    EXPECT_EQ(w.ImageWell2->image().cacheKey(), lastPicture);

    // Each well shows its own chain: drawn anew, the pictures are the same.
    w.disegnasagoma();
    EXPECT_EQ(w.ImageWell1->image(), profile);
    w.disegnapercorso();
    EXPECT_EQ(w.ImageWell2->image(), path);
}

TEST_F(Create3d, AnActivationDuringOpenAsProfileRedrawsOnlyOnceItsPreviewsAreDone)
{
    storeCurvedChains();
    fin_3d& w = shown();
    documento::Document doc;
    doc.drawing.risoluzione = 8;
    doc.drawing.chain.grx = 10;
    doc.drawing.chain.gry = 10;
    for (int r = 0; r < esportazione::sago_q; ++r)
        doc.drawing.chain.rows.push_back(esportazione::sagoma.row(r));
    QTemporaryDir dir;
    const QString file = dir.filePath("profile.mdn");
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(documento::documentBytes(doc));
    out.close();
    testsupport::DialogScript dialogs;
    dialogs.openAnswers = {file};

    // The open dialog closes and gives the window back to the front.
    Elsewhere other;
    ASSERT_TRUE(other.active());
    letTheYieldRun();
    w.activateWindow();
    QTest::mouseClick(w.bottone_s_o, Qt::LeftButton);

    EXPECT_GT(platform::held::count(), 0);
    EXPECT_EQ(w.StaticSAG_XY->text(), "Dim.: 800 x 800 mm.");
    EXPECT_EQ(w.StaticPER_XY->text(), "Dim.: 1500 x 500 mm.");
    const QImage profile = w.ImageWell1->image();
    const QImage path = w.ImageWell2->image();
    const qint64 lastPicture = w.ImageWell2->image().cacheKey();

    // The activation runs now and draws both previews again, the same.
    testsupport::processEvents();
    EXPECT_EQ(platform::held::count(), 0);
    EXPECT_NE(w.ImageWell2->image().cacheKey(), lastPicture);
    EXPECT_EQ(w.ImageWell1->image(), profile);
    EXPECT_EQ(w.ImageWell2->image(), path);
    EXPECT_EQ(w.StaticSAG_XY->text(), "Dim.: 800 x 800 mm.");
    EXPECT_EQ(platform::beepCount(), 0);
}

namespace {

// Two texts of the generator; a failure shows their heads only.
testing::AssertionResult sameText(const QString& got, const QString& expected)
{
    if (got == expected)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the text begins \"" << got.left(60).toStdString() << "\" and should begin \""
                                       << expected.left(60).toStdString() << '"';
}

struct Solid {
    const char* name;
    int profopath;
};

class GenerationUndisturbed : public Create3dWithParam<Solid> {};

} // namespace

TEST_P(GenerationUndisturbed, ByAnActivationOrACloseRequest)
{
    // Enough points that the generator yields many times.
    const int n = 40;
    esportazione::sagoma.redim(n);
    esportazione::sago_q = n;
    for (int r = 0; r < n; ++r)
        esportazione::sagoma.row(r) = ElementRow{r % 2 ? 3.0 : 2.0, 100.0 * r, 100.0 * r, 100, 100, 0, 0};
    setChain(esportazione::percorso, esportazione::perc_q,
             {{0, 0, 0, 1000, 0, 0, 0}, {2, 1000, 0, 500, 500, 0, 0}, {3, 1500, 500, 500, 500, 0, 0}});
    esportazione::profopath = GetParam().profopath;
    daticreatred[0] = 64;
    daticreatred[1] = 64;
    fin_3d& w = shown();
    const ElementTable storedProfile = esportazione::sagoma;
    const int editorsResolution = Forme::risoluzione;

    QTest::mouseClick(w.PushButton3, Qt::LeftButton);
    const QString undisturbed = platform::clipboardText();
    ASSERT_FALSE(undisturbed.isEmpty());
    platform::setClipboardText(QString());

    // The user switches to another program and back while "Copy" runs,
    // and the window manager passes on a close request.
    Elsewhere other;
    ASSERT_TRUE(other.active());
    letTheYieldRun();
    w.activateWindow();
    QCoreApplication::postEvent(w.windowHandle(), new QCloseEvent);
    QTest::mouseClick(w.PushButton3, Qt::LeftButton);

    EXPECT_GT(platform::held::count(), 0);
    EXPECT_TRUE(sameText(platform::clipboardText(), undisturbed));
    EXPECT_EQ(esportazione::sagoma.rows(), storedProfile.rows());
    // The writer leaves the editor's resolution alone; the activation has
    // not yet drawn the previews again.
    EXPECT_EQ(Forme::risoluzione, editorsResolution);
    const qint64 previewBefore = w.ImageWell1->image().cacheKey();

    testsupport::processEvents();
    testsupport::processEvents();
    EXPECT_EQ(platform::held::count(), 0);
    EXPECT_TRUE(w.isVisible()); // the close request is refused: no close box
    EXPECT_TRUE(w.inVisita());
    EXPECT_NE(w.ImageWell1->image().cacheKey(), previewBefore); // the activation ran, after the command
    EXPECT_EQ(Forme::risoluzione, editorsResolution);
    EXPECT_EQ(platform::beepCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Create3d, GenerationUndisturbed, testing::Values(Solid{"TUBE", 0}, Solid{"REVOLVE", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

// The user clicks the Solid box and presses an arrow key on the profile's
// resolution slider while "Copy" generates a curved profile's text: neither
// reaches its control until the text is on the clipboard, and then each
// takes effect once.
TEST_F(Create3d, AClickAndAKeyDuringCopyRunAfterItOnceEach)
{
    storeCurvedChains();
    daticreatred[0] = 64;
    daticreatred[1] = 64;
    fin_3d& w = shown();
    platform::CheckBox* solid = w.CheckB(0);
    ASSERT_TRUE(solid->isEnabled() && w.slcrea3d(0)->isEnabled());
    const bool wasSolid = solid->isChecked();
    const double slot = daticreatred[6];

    testsupport::postClick(solid);
    testsupport::postKey(w.slcrea3d(0), Qt::Key_Right);
    letTheYieldRun();
    QTest::mouseClick(w.PushButton3, Qt::LeftButton);

    EXPECT_GT(platform::held::count(), 0);
    EXPECT_TRUE(platform::clipboardText().startsWith("ROTX "));
    EXPECT_EQ(solid->isChecked(), wasSolid);
    EXPECT_EQ(daticreatred[6], slot);
    EXPECT_EQ(w.slcrea3d(0)->value(), 64);
    EXPECT_EQ(daticreatred[0], 64.0);

    testsupport::processEvents();
    EXPECT_EQ(platform::held::count(), 0);
    EXPECT_EQ(solid->isChecked(), !wasSolid);
    EXPECT_NE(daticreatred[6], slot);
    EXPECT_EQ(w.slcrea3d(0)->value(), 65);
    EXPECT_EQ(daticreatred[0], 65.0);
    EXPECT_EQ(platform::beepCount(), 0);
}

// --- A revolution that runs out of memory.

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

// The process's address space now, in bytes.
rlim_t addressSpace()
{
    std::ifstream statm("/proc/self/statm");
    unsigned long pages = 0;
    statm >> pages;
    return static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
}

// Run in a child: a profile whose text needs far more memory than the
// address space leaves; exits 0 when everything held.
[[noreturn]] void revolutionOutOfMemory()
{
    const int n = 200000;
    esportazione::sagoma.redim(n);
    esportazione::sago_q = n;
    for (int r = 0; r < n; ++r)
        esportazione::sagoma.row(r) = ElementRow{r % 3 == 0 ? 6.0 : 2.0, 0, 0, 10, 10, 0, 0};
    esportazione::profopath = 1;
    daticreatred[0] = 64;
    fin_3d& w = shown();
    const ElementTable stored = esportazione::sagoma;
    platform::setClipboardText("kept");

    const rlimit limit{addressSpace() + (256u << 20), RLIM_INFINITY};
    setrlimit(RLIMIT_AS, &limit);
    QTest::mouseClick(w.PushButton3, Qt::LeftButton);
    const rlimit none{RLIM_INFINITY, RLIM_INFINITY};
    setrlimit(RLIMIT_AS, &none);

    bool ok = true;
    const auto check = [&ok](bool held, const char* what) {
        if (!held)
            std::fprintf(stderr, "not so: %s\n", what);
        ok = ok && held;
    };
    check(esportazione::sagoma.rows() == stored.rows() && esportazione::sago_q == n, "the profile given back");
    check(platform::beepCount() == 1, "one beep");
    check(platform::clipboardText() == "kept", "the clipboard unchanged");
    check(esportazione::esportastringa.empty(), "the text let go");
    check(w.ProgressBar1->value() == 0, "the progress bar back at 0");
    // The program goes on: a smaller profile is written.
    esportazione::sago_q = 2;
    QTest::mouseClick(w.PushButton3, Qt::LeftButton);
    check(platform::clipboardText().startsWith("ROTX "), "a later text written");
    std::fflush(nullptr);
    std::_Exit(ok ? 0 : 1);
}

} // namespace

TEST_F(Create3d, ARevolutionOutOfMemoryBeepsAndGivesTheProfileBack)
{
    if (kAddressSanitizer)
        GTEST_SKIP() << "AddressSanitizer ends the process on an allocation it cannot make";
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(revolutionOutOfMemory(), testing::ExitedWithCode(0), "");
}
