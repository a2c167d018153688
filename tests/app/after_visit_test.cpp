// The editor's windows as a visit to "Create 3D" hands them back ("Done",
// "Edit profile..", "Edit path.."): the drawing window is the active window
// and has the keyboard, so the first shortcut typed over the drawing works;
// and it is on the screen before the floating windows come back, so that a
// window manager knows them as its own and keeps them above it.
#include "app_fixture.h"

#include "app/tendine.h"
#include "create3d/fin_3d.h"
#include "editor/fin_edita.h"
#include "editor/fin_principale.h"

#include <QAction>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

namespace {

fin_forme& palette() { return fin_forme::instance(); }
fin_3d& create3d() { return fin_3d::instance(); }
fin_principale& principale() { return fin_principale::instance(); }

struct Ritorno {
    const char* nome;
    QAbstractButton* (*bottone)();
};

void PrintTo(const Ritorno& r, std::ostream* os) { *os << r.nome; }

// Each floating window's show, with whether the drawing window stood on the
// screen at that moment.
class Comparse : public QObject {
public:
    std::vector<std::pair<QString, bool>> viste;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && (watched == &palette() || watched == &fin_edita::instance()))
            viste.emplace_back(static_cast<QWidget*>(watched)->windowTitle(), principale().isVisible());
        return false;
    }
};

class HandBack : public AppTest, public ::testing::WithParamInterface<Ritorno> {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        avvia();
        disegna();
        poni(esportazione::sagoma, esportazione::sago_q, {{0, 0, 0, 50, 0, 0, 0}, {2, 50, 0, 30, 30, 0, 0}});
        poni(esportazione::percorso, esportazione::perc_q, {{0, 0, 0, 0, 200, 0, 0}});
        Globali::setModificato(false);
    }
};

TEST_P(HandBack, GivesTheDrawingWindowTheKeyboard)
{
    QTest::mouseClick(palette().bot_3d, Qt::LeftButton);
    ASSERT_TRUE(create3d().inVisita());
    // The user was typing in a field of the window.
    QTest::mouseClick(create3d().efdati3d(0), Qt::LeftButton);
    testsupport::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), create3d().efdati3d(0));

    testsupport::DialogScript dialogs;
    dialogs.saveChangesAnswers = {platform::SaveAnswer::DontSave};
    QTest::mouseClick(GetParam().bottone(), Qt::LeftButton);
    testsupport::processEvents();
    ASSERT_FALSE(create3d().isVisible());

    EXPECT_EQ(QApplication::activeWindow(), &principale());
    EXPECT_EQ(QApplication::focusWidget(), principale().body());

    // The first Ctrl+N typed there is File > New.
    QSignalSpy nuovo(Tendine::instance().item(QStringLiteral("FileNew")), &QAction::triggered);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(nuovo.count(), 1);
    EXPECT_EQ(Forme::poli_q, 0);
}

TEST_P(HandBack, ShowsTheDrawingWindowBeforeTheFloatingOnes)
{
    QTest::mouseClick(palette().bot_3d, Qt::LeftButton);
    ASSERT_TRUE(create3d().inVisita());
    ASSERT_FALSE(principale().isVisible());

    Comparse comparse;
    qApp->installEventFilter(&comparse);
    testsupport::DialogScript dialogs;
    dialogs.saveChangesAnswers = {platform::SaveAnswer::DontSave};
    QTest::mouseClick(GetParam().bottone(), Qt::LeftButton);
    testsupport::processEvents();
    qApp->removeEventFilter(&comparse);

    ASSERT_EQ(comparse.viste.size(), 2u);
    for (const auto& [titolo, conPrincipale] : comparse.viste)
        EXPECT_TRUE(conPrincipale) << titolo.toStdString() << " shown while the drawing window was hidden";
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, HandBack,
    ::testing::Values(Ritorno{"Done", [] { return static_cast<QAbstractButton*>(create3d().PushButton1); }},
                      Ritorno{"EditProfile", [] { return static_cast<QAbstractButton*>(create3d().bottone_s_e); }},
                      Ritorno{"EditPath", [] { return static_cast<QAbstractButton*>(create3d().bottone_p_e); }}),
    [](const auto& info) { return std::string(info.param.nome); });

} // namespace
