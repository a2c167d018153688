// Every modal dialog and message box gives the keyboard back: when it
// closes, the window that ran its command is active again and has the focus
// it had, so the next shortcut or key goes where the user was. The program's
// questions, file dialogs and messages open over the window of their
// command (the main window, or "Create 3D" for its own), whichever of the
// program's windows was active.
#include "app_fixture.h"

#include "app/info.h"
#include "app/tendine.h"
#include "create3d/fin_3d.h"
#include "editor/fin_edita.h"
#include "editor/fin_grid.h"
#include "editor/fin_principale.h"
#include "editor/fin_resol.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>

namespace {

fin_principale& principale() { return fin_principale::instance(); }
fin_edita& editor() { return fin_edita::instance(); }
fin_forme& palette() { return fin_forme::instance(); }

// What a real modal window was when it came up.
struct Visto {
    QString classe;
    QWidget* sopra = nullptr; // its parent window
    QRect dove;               // its frame on the screen
};

// Closes the real modal dialogs and boxes as they come up, one after the
// other, each with its action (reject when none is left), and records each.
class Chiudi {
public:
    explicit Chiudi(std::vector<std::function<void(QWidget*)>> azioni = {}) : m_azioni(std::move(azioni))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { guarda(); });
        m_timer.start();
    }
    std::vector<Visto> visti;

private:
    void guarda()
    {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (!dialog || !dialog->isVisible() || dialog == m_ultimo)
            return;
        m_ultimo = dialog;
        visti.push_back({QString::fromLatin1(dialog->metaObject()->className()),
                         dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr, dialog->frameGeometry()});
        const std::size_t i = visti.size() - 1;
        if (i < m_azioni.size())
            m_azioni[i](dialog);
        else
            dialog->reject();
    }

    std::vector<std::function<void(QWidget*)>> m_azioni;
    QPointer<QDialog> m_ultimo;
    QTimer m_timer;
};

// Where the keyboard is: the active window and the focus widget.
struct Tastiera {
    QWidget* finestra;
    QWidget* focus;
    bool operator==(const Tastiera&) const = default;
};
Tastiera tastiera() { return {QApplication::activeWindow(), QApplication::focusWidget()}; }

void descrivi(const QWidget* w, std::ostream* os)
{
    if (!w) {
        *os << "none";
        return;
    }
    *os << w->metaObject()->className();
    if (!w->objectName().isEmpty())
        *os << " " << w->objectName().toStdString();
    if (!w->isWindow() && w->window())
        *os << " in " << w->window()->metaObject()->className() << " " << w->window()->windowTitle().toStdString();
    else
        *os << " \"" << w->windowTitle().toStdString() << '"';
}

void PrintTo(const Tastiera& t, std::ostream* os)
{
    *os << "window ";
    descrivi(t.finestra, os);
    *os << ", focus ";
    descrivi(t.focus, os);
}

class DialogReturn : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        avvia();
        platform::clearDialogAnswers(); // the real dialogs
    }
    void TearDown() override
    {
        testsupport::guardUnansweredMessages();
        AppTest::TearDown();
    }

    // The user clicks into ΔX of the numeric editor.
    static void inDeltaX()
    {
        editor().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&editor()));
        testsupport::processEvents();
        QTest::mouseClick(editor().efxdelta, Qt::LeftButton);
        ASSERT_EQ(tastiera(), (Tastiera{&editor(), editor().efxdelta}));
    }
    static void attiva(QWidget* w)
    {
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        testsupport::processEvents();
    }
    static void dalMenu(const char* item)
    {
        QAction* action = Tendine::instance().item(QString::fromLatin1(item));
        ASSERT_TRUE(action->isEnabled()) << item;
        action->trigger();
    }
    // A shortcut pressed where the keyboard is.
    static void tasto(Qt::Key key)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr) << "no window has the keyboard";
        QTest::keyClick(focus, key, Qt::ControlModifier);
    }

    // The real box is centred over the main window.
    static void centratoSuPrincipale(const Visto& v)
    {
        EXPECT_EQ(v.sopra, &principale()) << v.classe.toStdString();
        const QPoint centro = principale().frameGeometry().center();
        EXPECT_LE((v.dove.center() - centro).manhattanLength(), 4)
            << v.classe.toStdString() << " at " << v.dove.x() << "," << v.dove.y();
    }
};

// The save question, the Open dialog and the Save dialog, each run from the
// numeric editor's ΔX field; the keyboard comes back to that field.
TEST_F(DialogReturn, TheSaveQuestionAndTheFileDialogsGiveTheFieldBack)
{
    inDeltaX();
    const Tastiera prima = tastiera();
    {
        disegna();
        Chiudi chiudi; // Cancel
        tasto(Qt::Key_N);
        testsupport::processEvents();
        ASSERT_EQ(chiudi.visti.size(), 1u);
        EXPECT_EQ(chiudi.visti[0].classe, "QMessageBox");
        centratoSuPrincipale(chiudi.visti[0]);
        EXPECT_EQ(tastiera(), prima) << "after the question";
        EXPECT_EQ(Forme::poli_q, 3);
    }
    {
        Globali::setModificato(false);
        Chiudi chiudi;
        tasto(Qt::Key_O);
        testsupport::processEvents();
        ASSERT_EQ(chiudi.visti.size(), 1u);
        EXPECT_EQ(chiudi.visti[0].classe, "QFileDialog");
        EXPECT_EQ(chiudi.visti[0].sopra, &principale());
        EXPECT_EQ(tastiera(), prima) << "after the Open dialog";
    }
    {
        Chiudi chiudi;
        dalMenu("FileSaveas");
        testsupport::processEvents();
        ASSERT_EQ(chiudi.visti.size(), 1u);
        EXPECT_EQ(chiudi.visti[0].classe, "QFileDialog");
        EXPECT_EQ(chiudi.visti[0].sopra, &principale());
        EXPECT_EQ(tastiera(), prima) << "after the Save dialog";
    }
    // The next shortcut reaches its command: the question comes up again.
    disegna();
    Chiudi chiudi;
    tasto(Qt::Key_N);
    testsupport::processEvents();
    EXPECT_EQ(chiudi.visti.size(), 1u);
}

// A failed open: the Open dialog chooses a file that is no document, and the
// message about it comes up over the main window; both give the keyboard
// back, here from the palette.
TEST_F(DialogReturn, AFailureMessageGivesThePaletteBack)
{
    const QString rotto = percorso(QStringLiteral("rotto.mdn"));
    scrivi(rotto, "not a document\n");
    attiva(&palette());
    const Tastiera prima = tastiera();
    ASSERT_EQ(prima.finestra, &palette());
    Chiudi chiudi({[rotto](QWidget* w) {
                       auto* d = static_cast<QFileDialog*>(w);
                       d->selectFile(rotto);
                       QMetaObject::invokeMethod(d, "accept");
                   },
                   [](QWidget* w) { static_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->click(); }});
    tasto(Qt::Key_O);
    testsupport::processEvents();
    ASSERT_EQ(chiudi.visti.size(), 2u);
    EXPECT_EQ(chiudi.visti[0].sopra, &principale());
    EXPECT_EQ(chiudi.visti[1].classe, "QMessageBox");
    centratoSuPrincipale(chiudi.visti[1]);
    EXPECT_EQ(platform::beepCount(), 1);
    EXPECT_EQ(tastiera(), prima);
}

// The grid and resolution dialogs from the palette's buttons, OK and
// Cancel, and the about box from the numeric editor.
TEST_F(DialogReturn, TheProgramsOwnDialogsGiveTheKeyboardBack)
{
    struct Caso {
        const char* nome;
        std::function<void()> apri;
        std::function<QWidget*()> dialogo;
        std::function<QAbstractButton*()> chiudi;
    };
    const Caso casi[] = {
        {"grid OK", [] { QTest::mouseClick(palette().bot_setup(0), Qt::LeftButton); },
         [] { return static_cast<QWidget*>(&fin_grid::instance()); }, [] { return fin_grid::instance().PushButton1; }},
        {"grid Cancel", [] { QTest::mouseClick(palette().bot_setup(0), Qt::LeftButton); },
         [] { return static_cast<QWidget*>(&fin_grid::instance()); }, [] { return fin_grid::instance().PushButton2; }},
        {"resolution OK", [] { QTest::mouseClick(palette().bot_setup(1), Qt::LeftButton); },
         [] { return static_cast<QWidget*>(&fin_resol::instance()); },
         [] { return fin_resol::instance().PushButton1; }},
        {"resolution Cancel", [] { QTest::mouseClick(palette().bot_setup(1), Qt::LeftButton); },
         [] { return static_cast<QWidget*>(&fin_resol::instance()); },
         [] { return fin_resol::instance().PushButton2; }},
    };
    for (const Caso& c : casi) {
        attiva(&palette());
        const Tastiera prima = tastiera();
        c.apri();
        ASSERT_TRUE(QTest::qWaitForWindowActive(c.dialogo())) << c.nome;
        testsupport::processEvents();
        QTest::mouseClick(c.chiudi(), Qt::LeftButton);
        testsupport::processEvents();
        EXPECT_EQ(tastiera(), prima) << c.nome;
    }

    // The about box, from the main window's menu: its OK brings the main
    // window forward, with its drawing area's focus.
    inDeltaX();
    attiva(&principale());
    const Tastiera prima = tastiera();
    ASSERT_EQ(prima.focus, principale().body());
    dalMenu("AppleModanovainfo");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&info::instance()));
    testsupport::processEvents();
    QTest::mouseClick(info::instance().PushButton1, Qt::LeftButton);
    testsupport::processEvents();
    EXPECT_EQ(tastiera(), prima) << "about box";
}

// "Create 3D" asks over itself for its own commands, and the keyboard comes
// back to it: "Open as profile.." cancelled, and the GDL text's "Save.."
// cancelled.
TEST_F(DialogReturn, Create3DsOwnDialogsOpenOverItAndGiveItBack)
{
    poni(esportazione::sagoma, esportazione::sago_q, {{0, 0, 0, 100, 0, 0, 0}, {0, 100, 0, 0, 50, 0, 0}});
    fin_3d& crea = fin_3d::instance();
    tasto(Qt::Key_E);
    attiva(&crea);
    ASSERT_EQ(QApplication::activeWindow(), &crea);
    QTest::mouseClick(crea.bot_exp(1), Qt::LeftButton); // the revolution: "Save.." enabled
    for (QAbstractButton* b : {crea.bottone_s_o, crea.PushButton2}) {
        Chiudi chiudi;
        QTest::mouseClick(b, Qt::LeftButton);
        testsupport::processEvents();
        ASSERT_EQ(chiudi.visti.size(), 1u) << b->text().toStdString();
        EXPECT_EQ(chiudi.visti[0].sopra, &crea);
        // The click gave the button the focus.
        EXPECT_EQ(tastiera(), (Tastiera{&crea, b})) << b->text().toStdString();
    }
}

} // namespace
