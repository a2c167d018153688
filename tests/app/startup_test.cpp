// Start-up as the user starts the program: the preferences file and the
// language, the windows and their places, the defaults, documents named on
// the command line or handed over by the system, and the preferences
// written at quit.
#include "app_fixture.h"

#include "app/tendine.h"
#include "create3d/fin_3d.h"
#include "editor/fin_edita.h"
#include "editor/fin_principale.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/yield.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QFileOpenEvent>
#include <QTest>
#include <QThread>

namespace {

documento::Document unDocumento()
{
    documento::Document d;
    d.drawing.risoluzione = 12;
    d.drawing.chain.grx = 5;
    d.drawing.chain.gry = 5;
    d.drawing.chain.rows = {{0, 0, 0, 10, 0, 0, 0}, {1, 10, 0, 0, 10, 0, 0}};
    d.settings[10] = 90;
    d.profile.rows = {{0, 0, 0, 4, 0, 0, 0}};
    return d;
}

TEST_F(AppTest, StartsWithItsWindowsInPlaceAndTheDefaults)
{
    avvia();
    const QSize screen = platform::mainScreenSize();
    EXPECT_EQ(Globali::scrx, screen.width() - 100);
    EXPECT_EQ(Globali::scry, screen.height() - 100);

    const fin_principale& main = fin_principale::instance();
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(QPoint(main.Left(), main.Top()), QPoint(94, 90));
    // The whole window, menu bar included, is scrx x scry and cannot be
    // resized; the drawing area is what the menu bar leaves.
    EXPECT_EQ(main.size(), QSize(Globali::scrx, Globali::scry));
    EXPECT_EQ(main.minimumSize(), main.maximumSize());
    EXPECT_EQ(Globali::altmenu, main.menuBarHeight());
    EXPECT_EQ(QSize(main.Width(), main.Height()), QSize(Globali::scrx, Globali::scry - Globali::altmenu));
    EXPECT_TRUE(fin_forme::instance().isVisible());
    EXPECT_EQ(QPoint(fin_forme::instance().Left(), fin_forme::instance().Top()), QPoint(5, 42));
    EXPECT_TRUE(fin_edita::instance().isVisible());
    EXPECT_EQ(QPoint(fin_edita::instance().Left(), fin_edita::instance().Top()), QPoint(110, 26));
    EXPECT_FALSE(fin_3d::instance().isVisible());
    EXPECT_EQ(QPoint(fin_3d::instance().Left(), fin_3d::instance().Top()), QPoint(94, 90));
    // The drawing window has the keyboard: the first shortcut works.
    EXPECT_EQ(QApplication::activeWindow(), &main);
    EXPECT_EQ(QApplication::focusWidget(), main.body());

    EXPECT_EQ(Geometria::grx, 10);
    EXPECT_EQ(Geometria::gry, 10);
    EXPECT_TRUE(Geometria::gridon);
    EXPECT_TRUE(Geometria::gridvis);
    EXPECT_EQ(Forme::risoluzione, 8);
    EXPECT_EQ(esportazione::profopath, 0);
    EXPECT_EQ(Forme::poli_q, 0);
    EXPECT_EQ(esportazione::daticreatred[10], 180.0);
    EXPECT_TRUE(Globali::fileattuale.isEmpty());
    EXPECT_FALSE(Globali::filemodificato);
    EXPECT_FALSE(Tendine::instance().item("FileSave")->isEnabled());
    EXPECT_TRUE(Tendine::instance().item("FileSaveas")->isEnabled());
    const char* nomi[8][2] = {
        {"Line", "Listello"},
        {"Torus", "Toro"},
        {"1/4 Curve", "Ovolo"},
        {"1/4 Cur. reversed", "Cavetto"},
        {"Double curve", "Gola diritta"},
        {"Double curve rev.", "Gola rovescia"},
        {"Circular", "Forma circolare"},
        {"Elliptical", "Forma ellittica"},
    };
    for (int k = 0; k < 8; ++k) {
        EXPECT_TRUE(Forme::testoforma[k][0].isEmpty()) << k;
        EXPECT_EQ(Forme::testoforma[k][1], nomi[k][0]) << k;
        EXPECT_EQ(Forme::testoforma[k][2], nomi[k][1]) << k;
    }
    // The backdrop is the size of the drawing area.
    ASSERT_TRUE(main.backdrop());
    EXPECT_EQ(QSize(main.backdrop()->width(), main.backdrop()->height()), QSize(main.Width(), main.Height()));
}

struct Preferenza {
    const char* nome;
    std::optional<QByteArray> contenuto; // nothing: no file
    int lingua;
    const char* etichetta; // the numeric editor's label after start-up
    const char* archivio;  // the File menu's title
};

void PrintTo(const Preferenza& p, std::ostream* os) { *os << p.nome; }

class Preferences : public AppTest, public ::testing::WithParamInterface<Preferenza> {};

TEST_P(Preferences, GiveTheLanguageAndAreWrittenAtQuit)
{
    const Preferenza& p = GetParam();
    if (p.contenuto)
        scrivi(App::percorsoPreferenze(), *p.contenuto);

    avvia();

    EXPECT_EQ(Globali::lingua, p.lingua);
    EXPECT_EQ(fin_edita::instance().txtforma->text(), p.etichetta);
    EXPECT_EQ(Tendine::instance().item("FileMenu")->text(), p.archivio);

    App::Event_Close();
    EXPECT_EQ(leggi(App::percorsoPreferenze()), QByteArray::number(p.lingua) + '\n');
    // The file lives in the configuration folder, not the working folder.
    EXPECT_TRUE(App::percorsoPreferenze().startsWith(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"))));
    EXPECT_EQ(QFileInfo(App::percorsoPreferenze()).fileName(), "mdnvprfs.txt");
}

INSTANTIATE_TEST_SUITE_P(StartUp, Preferences,
                         ::testing::Values(Preferenza{"no_file", std::nullopt, 1, "0 Line", "File"},
                                           Preferenza{"english", QByteArray("1\n"), 1, "0 Line", "File"},
                                           Preferenza{"italian", QByteArray("2\n"), 2, "0 Listello", "Archivio"},
                                           Preferenza{"zero", QByteArray("0\n"), 2, "0 Listello", "Archivio"},
                                           Preferenza{"text", QByteArray("inglese\n"), 2, "0 Listello", "Archivio"},
                                           Preferenza{"empty", QByteArray(""), 2, "0 Listello", "Archivio"},
                                           Preferenza{"out_of_range", QByteArray("7\r\n"), 2, "0 Listello", "Archivio"},
                                           Preferenza{"negative", QByteArray("-1"), 2, "0 Listello", "Archivio"}),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST_F(AppTest, TheLanguageChosenLastIsWrittenAtQuit)
{
    scrivi(App::percorsoPreferenze(), "2\n");
    avvia();
    Globali::local_usa(); // the palette's English button
    App::Event_Close();
    EXPECT_EQ(leggi(App::percorsoPreferenze()).trimmed(), "1");
}

TEST_F(AppTest, OpensTheDocumentNamedOnTheCommandLine)
{
    const QString path = percorso(QStringLiteral("avvio.mdn"));
    scrivi(path, documento::documentBytes(unDocumento()));

    avvia({path});

    // The main window fills the screen less 100 pixels each way.
    const QSize screen = platform::mainScreenSize();
    const fin_principale& main = fin_principale::instance();
    EXPECT_EQ(QRect(main.Left(), main.Top(), main.width(), main.height()),
              QRect(94, 90, screen.width() - 100, screen.height() - 100));
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(Globali::fileattuale, path);
    EXPECT_FALSE(Globali::filemodificato);
    EXPECT_EQ(Forme::poli_q, 2);
    EXPECT_EQ(Forme::risoluzione, 12);
    EXPECT_EQ(Geometria::grx, 5);
    EXPECT_EQ(esportazione::sago_q, 1);
    EXPECT_EQ(esportazione::daticreatred[10], 90.0);
    EXPECT_FALSE(Tendine::instance().item("FileSave")->isEnabled());
}

TEST_F(AppTest, AMalformedDocumentOnTheCommandLineLeavesTheEmptyDocument)
{
    const QString path = percorso(QStringLiteral("rotto.mdn"));
    scrivi(path, "8\r10\r10\r5\r");
    testsupport::DialogScript dialogs;
    App::startUp({path});
    EXPECT_EQ(platform::beepCount(), 1);
    EXPECT_EQ(dialogs.failures.size(), 1u);
    EXPECT_TRUE(Globali::fileattuale.isEmpty());
    EXPECT_EQ(Forme::poli_q, 0);
}

TEST_F(AppTest, OpensADocumentTheSystemHandsOver)
{
    avvia();
    const QString path = percorso(QStringLiteral("sistema.mdn"));
    scrivi(path, documento::documentBytes(unDocumento()));

    QFileOpenEvent event(path);
    QCoreApplication::sendEvent(qApp, &event);

    EXPECT_EQ(Globali::fileattuale, path);
    EXPECT_EQ(Forme::poli_q, 2);
}

TEST_F(AppTest, ADocumentHandedOverDuringALongCommandWaitsForItsEnd)
{
    avvia();
    const QString path = percorso(QStringLiteral("attesa.mdn"));
    scrivi(path, documento::documentBytes(unDocumento()));

    // The request arrives while a long loop lets the window system through.
    struct Spia : QObject {
        bool vista = false;
        bool eventFilter(QObject*, QEvent* event) override
        {
            vista = vista || event->type() == QEvent::FileOpen;
            return false;
        }
    } spia;
    qApp->installEventFilter(&spia);
    QCoreApplication::postEvent(qApp, new QFileOpenEvent(path));
    for (int passo = 0; passo < 200 && !spia.vista; ++passo) {
        QThread::msleep(1);
        platform::yieldToEventLoop();
    }
    qApp->removeEventFilter(&spia);
    ASSERT_TRUE(spia.vista);
    EXPECT_TRUE(Globali::fileattuale.isEmpty());
    EXPECT_EQ(Forme::poli_q, 0);

    // Once the command is over, the document opens.
    QTRY_COMPARE_WITH_TIMEOUT(Globali::fileattuale, path, 2000);
    EXPECT_EQ(Forme::poli_q, 2);
}

// Run by CTest a second time on a simulated 1280 x 800 screen (see
// tests/CMakeLists.txt); on any other screen there is nothing to check.
TEST_F(AppTest, OnA1280By800ScreenTheMainWindowIs1180By700WithItsMenuBar)
{
    if (platform::mainScreenSize() != QSize(1280, 800))
        GTEST_SKIP() << "the screen is not 1280 x 800";
    avvia();
    const fin_principale& main = fin_principale::instance();
    EXPECT_EQ(QPoint(main.Left(), main.Top()), QPoint(94, 90));
    // Menu bar included, so that the window's bottom stays on the screen.
    EXPECT_EQ(main.size(), QSize(1180, 700));
    EXPECT_GT(main.menuBarHeight(), 0);
    EXPECT_EQ(QSize(main.Width(), main.Height()), QSize(1180, 700 - main.menuBarHeight()));
    ASSERT_TRUE(main.backdrop());
    EXPECT_EQ(QSize(main.backdrop()->width(), main.backdrop()->height()), QSize(main.Width(), main.Height()));
}

} // namespace
