// A value typed into a field and not yet left counts for the command that
// comes next: the File commands, by their shortcuts or from the menu, and
// the main window's close box each see what the field shows, as if the
// user had left it first. The field keeps the keyboard focus when the
// command leaves its window up.
#include "app_fixture.h"

#include "app/tendine.h"
#include "create3d/fin_3d.h"
#include "editor/fin_principale.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>

#include <string>

namespace {

fin_3d& create3d() { return fin_3d::instance(); }
platform::EditField* angolo() { return create3d().efdatialfa3d(10); }

// A File item chosen from its menu where the menu bar is the system's (the
// focus stays in the field while the menu is open).
void dalMenu(const char* item)
{
    Tendine& bar = Tendine::instance();
    emit bar.menu(QStringLiteral("FileMenu"))->aboutToShow();
    QAction* action = bar.item(QString::fromLatin1(item));
    ASSERT_TRUE(action->isEnabled()) << item;
    action->trigger();
}

class TypedValue : public AppTest {
protected:
    // A saved document whose revolution angle is 270, "Create 3D" shown with
    // the revolution chosen, and 123 typed into the angle field, which keeps
    // the focus.
    void prepara()
    {
        avvia();
        poni(esportazione::sagoma, esportazione::sago_q, {{0, 0, 0, 100, 0, 0, 0}, {0, 100, 0, 0, 50, 0, 0}});
        esportazione::daticreatred[10] = 270;
        m_file = percorso(QStringLiteral("angolo.mdn"));
        ASSERT_TRUE(App::filesalva(m_file));
        ASSERT_FALSE(Globali::filemodificato);

        App::FileCreate3D_Action();
        create3d().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&create3d()));
        QTest::mouseClick(create3d().bot_exp(1), Qt::LeftButton);
        ASSERT_TRUE(angolo()->isEnabled());
        ASSERT_EQ(angolo()->text(), "270");
        QTest::mouseClick(angolo(), Qt::LeftButton);
        QTest::keyClick(angolo(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(angolo(), Qt::Key_Delete);
        QTest::keyClicks(angolo(), QStringLiteral("123"));
        ASSERT_EQ(QApplication::focusWidget(), angolo());
        ASSERT_EQ(esportazione::daticreatred[10], 270.0);
    }

    static double angoloSalvato(const QString& path)
    {
        const std::optional<documento::Document> d = documento::readDocument(path);
        return d ? d->settings[10] : -1.0;
    }

    QString m_file;
};

struct Comando {
    const char* nome;
    void (*esegui)();
    int domande;  // save questions asked (each answered with Cancel)
    bool salvato; // the document's file holds 123 afterwards
};

void tasto(Qt::Key key) { QTest::keyClick(angolo(), key, Qt::ControlModifier); }

class TypedValueCommand : public TypedValue, public ::testing::WithParamInterface<Comando> {};

// Ctrl+Q asks before it quits, Ctrl+S saves 123 although nothing was marked
// before the key, Ctrl+N and Ctrl+O ask before they replace the document;
// "Create 3D" stays up with the field focused.
TEST_P(TypedValueCommand, SeesTheTypedValue)
{
    const Comando& c = GetParam();
    prepara();
    testsupport::DialogScript dialogs; // Cancel to every question
    c.esegui();
    testsupport::processEvents();
    EXPECT_EQ(dialogs.saveChangesAsked, c.domande);
    EXPECT_EQ(dialogs.opens, 0);
    EXPECT_EQ(esportazione::daticreatred[10], 123.0);
    EXPECT_EQ(angoloSalvato(m_file), c.salvato ? 123.0 : 270.0);
    EXPECT_EQ(Globali::filemodificato, !c.salvato);
    EXPECT_EQ(Globali::fileattuale, m_file);
    EXPECT_EQ(platform::beepCount(), 0);
    EXPECT_TRUE(create3d().isVisible());
    EXPECT_EQ(QApplication::focusWidget(), angolo());
    EXPECT_EQ(angolo()->text(), "123");
}

const Comando kComandi[] = {
    {"CtrlQ", [] { tasto(Qt::Key_Q); }, 1, false},
    {"CtrlS", [] { tasto(Qt::Key_S); }, 0, true},
    {"CtrlN", [] { tasto(Qt::Key_N); }, 1, false},
    {"CtrlO", [] { tasto(Qt::Key_O); }, 1, false},
    {"CtrlE", [] { tasto(Qt::Key_E); }, 0, false},
    {"FileSaveFromTheMenu", [] { dalMenu("FileSave"); }, 0, true},
    {"TheCloseBox", [] { static_cast<QWidget&>(fin_principale::instance()).close(); }, 1, false},
};
INSTANTIATE_TEST_SUITE_P(Commands, TypedValueCommand, ::testing::ValuesIn(kComandi),
                         [](const ::testing::TestParamInfo<Comando>& info) { return std::string(info.param.nome); });

// Save as.. has no shortcut: chosen from the menu it writes 123 into the new
// file, which becomes the current one.
TEST_F(TypedValue, SaveAsFromTheMenuWritesTheTypedValue)
{
    prepara();
    testsupport::DialogScript dialogs;
    const QString altro = percorso(QStringLiteral("altro.mdn"));
    dialogs.saveAnswers = {altro};
    dalMenu("FileSaveas");
    EXPECT_EQ(dialogs.saves, 1);
    EXPECT_EQ(angoloSalvato(altro), 123.0);
    EXPECT_EQ(angoloSalvato(m_file), 270.0);
    EXPECT_EQ(Globali::fileattuale, altro);
    EXPECT_FALSE(Globali::filemodificato);
}

// The field's own filter and checks run as leaving it would run them: a
// scale typed with a comma gives its partner field, and an angle past 360
// is pulled back, before Ctrl+S writes them.
TEST_F(TypedValue, TheFieldIsFilteredAndCheckedBeforeTheCommand)
{
    prepara();
    QTest::keyClicks(angolo(), QStringLiteral("4")); // 1234
    platform::EditField* scala = create3d().efdati3d(0);
    ASSERT_TRUE(scala->isEnabled());
    QTest::keyClick(angolo(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(angolo()->text(), "360");
    EXPECT_EQ(angoloSalvato(m_file), 360.0);

    QTest::mouseClick(scala, Qt::LeftButton);
    QTest::keyClick(scala, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(scala, QStringLiteral("2,5"));
    QTest::keyClick(scala, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(scala->text(), "2.5");
    EXPECT_EQ(create3d().efdati3d(1)->text(), "250");
    const std::optional<documento::Document> d = documento::readDocument(m_file);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->settings[2], 2.5);
    EXPECT_EQ(d->settings[3], 250.0);
    EXPECT_EQ(QApplication::focusWidget(), scala);
}

} // namespace
