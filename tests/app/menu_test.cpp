// The menu bar: its items as built, the enabling of the File items in the
// document's states, the handlers reached through the items, and the Edit
// items working on the focused text field.
#include "app_fixture.h"

#include "app/info.h"
#include "app/tendine.h"
#include "create3d/fin_3d.h"
#include "editor/fin_edita.h"
#include "editor/fin_principale.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <utility>

namespace {

struct Voce {
    const char* nome;
    const char* testo;
    QKeySequence tasti;
    bool autoEnable;
};

const QKeySequence kNessuno;
const Voce kFile[] = {
    {"FileNew", "New", QKeySequence(Qt::CTRL | Qt::Key_N), false},
    {"FileOpen", "Open..", QKeySequence(Qt::CTRL | Qt::Key_O), false},
    {"UntitledMenu3", "-", kNessuno, true},
    {"FileSave", "Save", QKeySequence(Qt::CTRL | Qt::Key_S), false},
    {"FileSaveas", "Save as..", kNessuno, true},
    {"UntitledMenu2", "-", kNessuno, true},
    {"FileCreate3D", "Create 3D..", QKeySequence(Qt::CTRL | Qt::Key_E), true},
    {"UntitledMenu1", "-", kNessuno, true},
    {"FileQuit", "Quit", QKeySequence(Qt::CTRL | Qt::Key_Q), true},
};
const Voce kEdit[] = {
    {"EditUndo", "Undo", QKeySequence(Qt::CTRL | Qt::Key_Z), true},
    {"UntitledMenu0", "-", kNessuno, true},
    {"EditCut", "Cut", QKeySequence(Qt::CTRL | Qt::Key_X), true},
    {"EditCopy", "Copy", QKeySequence(Qt::CTRL | Qt::Key_C), true},
    {"EditPaste", "Paste", QKeySequence(Qt::CTRL | Qt::Key_V), true},
    {"EditClear", "Clear", kNessuno, true},
    {"AppleModanovainfo", "Modanova info..", kNessuno, true},
};

void controllaMenu(QMenu* menu, const char* titolo, const Voce* voci, std::size_t n)
{
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->menuAction()->text(), titolo);
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(static_cast<std::size_t>(actions.size()), n);
    for (std::size_t i = 0; i < n; ++i) {
        const Voce& v = voci[i];
        QAction* a = actions[static_cast<qsizetype>(i)];
        SCOPED_TRACE(v.nome);
        EXPECT_EQ(a->objectName(), v.nome);
        EXPECT_EQ(a->isSeparator(), QString(v.testo) == "-");
        EXPECT_EQ(a->text(), v.testo);
        EXPECT_EQ(a->shortcut(), v.tasti);
        EXPECT_EQ(a->property("AutoEnable").toBool(), v.autoEnable);
        EXPECT_EQ(Tendine::instance().item(v.nome), a);
    }
}

TEST(MenuBar, HoldsFileAndEditWithTheirItemsInOrder)
{
    Tendine& bar = Tendine::instance();
    const QList<QAction*> menus = bar.actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->objectName(), "FileMenu");
    EXPECT_EQ(menus[1]->objectName(), "EditMenu");
    controllaMenu(bar.menu("FileMenu"), "&File", kFile, std::size(kFile));
    controllaMenu(bar.menu("EditMenu"), "&Edit", kEdit, std::size(kEdit));
    EXPECT_EQ(bar.item("FileQuit")->menuRole(), QAction::QuitRole);
    EXPECT_EQ(bar.item("AppleModanovainfo")->menuRole(), QAction::AboutRole);
    // Before the enabling event has looked at the document.
    EXPECT_FALSE(bar.item("FileNew")->isEnabled());
    EXPECT_FALSE(bar.item("FileSave")->isEnabled());
}

// The actions the bar keeps for the program's own use are its items of the
// same name, each kept once.
TEST(MenuBar, KeepsEachItemsAction)
{
    using V = Tendine::Voce;
    const std::pair<V, const char*> kTenute[] = {
        {V::FileMenu, "FileMenu"},     {V::FileNew, "FileNew"},
        {V::FileOpen, "FileOpen"},     {V::FileSave, "FileSave"},
        {V::FileSaveas, "FileSaveas"}, {V::FileCreate3D, "FileCreate3D"},
        {V::FileQuit, "FileQuit"},     {V::EditMenu, "EditMenu"},
        {V::EditUndo, "EditUndo"},     {V::EditCut, "EditCut"},
        {V::EditCopy, "EditCopy"},     {V::EditPaste, "EditPaste"},
        {V::EditClear, "EditClear"},   {V::AppleModanovainfo, "AppleModanovainfo"},
    };
    static_assert(std::size(kTenute) == Tendine::kVoci);
    const Tendine& bar = Tendine::instance();
    for (const auto& [voce, nome] : kTenute) {
        SCOPED_TRACE(nome);
        ASSERT_NE(bar.voce(voce), nullptr);
        EXPECT_EQ(bar.voce(voce), bar.item(nome));
    }
    EXPECT_EQ(bar.voce(V::FileMenu), bar.menu("FileMenu")->menuAction());
    EXPECT_EQ(bar.voce(V::EditMenu), bar.menu("EditMenu")->menuAction());
}

// The separators, whose item text is "-", show as the plain line of a
// separator without text: each menu looks exactly as the same menu built
// with textless separators, in the same style.
TEST(MenuBar, SeparatorsAreDrawnAsPlainLines)
{
    Tendine& bar = Tendine::instance();
    for (const char* nome : {"FileMenu", "EditMenu"}) {
        SCOPED_TRACE(nome);
        QMenu* menu = bar.menu(QString::fromLatin1(nome));
        ASSERT_NE(menu, nullptr);
        QMenu simile; // in the application's style
        int separatori = 0;
        for (QAction* a : menu->actions()) {
            if (a->isSeparator()) {
                ASSERT_EQ(a->text(), "-");
                simile.addSeparator();
                ++separatori;
            } else {
                QAction* copia = simile.addAction(a->text());
                copia->setShortcut(a->shortcut());
                copia->setEnabled(a->isEnabled());
            }
        }
        ASSERT_GT(separatori, 0);
        menu->adjustSize();
        simile.adjustSize();
        ASSERT_EQ(menu->sizeHint(), simile.sizeHint());
        EXPECT_EQ(menu->grab().toImage(), simile.grab().toImage());
    }
}

TEST_F(AppTest, TheMainWindowShowsTheBar)
{
    avvia();
    EXPECT_EQ(Tendine::instance().parentWidget(), &fin_principale::instance());
}

struct StatoMenu {
    const char* nome;
    bool titolato, modificato, salva;
};

void PrintTo(const StatoMenu& s, std::ostream* os) { *os << s.nome; }

class Enabling : public AppTest, public ::testing::WithParamInterface<StatoMenu> {};

TEST_P(Enabling, SaveOnlyForAModifiedDocumentWithACurrentFile)
{
    const StatoMenu& s = GetParam();
    avvia();
    if (s.titolato) {
        ASSERT_TRUE(App::filesalva(percorso(QStringLiteral("doc.mdn"))));
    }
    if (s.modificato)
        Globali::setModificato(true); // the request re-evaluates the items at once

    Tendine& bar = Tendine::instance();
    EXPECT_EQ(bar.item("FileSave")->isEnabled(), s.salva);
    for (const char* sempre : {"FileNew", "FileOpen", "FileSaveas", "FileCreate3D", "AppleModanovainfo"})
        EXPECT_TRUE(bar.item(sempre)->isEnabled()) << sempre;
}

INSTANTIATE_TEST_SUITE_P(Menu, Enabling,
                         ::testing::Values(StatoMenu{"untitled", false, false, false},
                                           StatoMenu{"untitled_modified", false, true, false},
                                           StatoMenu{"saved", true, false, false},
                                           StatoMenu{"modified", true, true, true}),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST_F(AppTest, TheItemsRunTheirCommands)
{
    avvia();
    Tendine& bar = Tendine::instance();
    disegna();

    // Save on an untitled document beeps (the handler, as the item is off).
    App::FileSave_Action();
    EXPECT_EQ(platform::beepCount(), 1);

    testsupport::DialogScript dialogs;
    const QString path = percorso(QStringLiteral("scelto.mdn"));
    dialogs.saveAnswers = {path};
    bar.item("FileSaveas")->trigger();
    EXPECT_EQ(dialogs.saveDefaultNames, std::vector<QString>{"file.mdn"});
    EXPECT_EQ(Globali::fileattuale, path);
    EXPECT_FALSE(bar.item("FileSave")->isEnabled());

    disegna();
    ASSERT_TRUE(bar.item("FileSave")->isEnabled());
    bar.item("FileSave")->trigger();
    EXPECT_FALSE(Globali::filemodificato);
    EXPECT_EQ(leggi(path), documento::documentBytes(documento::currentDocument()));

    // Save as.. proposes the current file's name; cancelled, nothing happens.
    bar.item("FileSaveas")->trigger();
    EXPECT_EQ(dialogs.saveDefaultNames.back(), "scelto.mdn");
    EXPECT_EQ(Globali::fileattuale, path);

    // Open.. cancelled keeps everything; Open.. of a file opens it.
    disegna();
    const Stato before = stato();
    bar.item("FileOpen")->trigger(); // the question comes first: Cancel
    EXPECT_EQ(dialogs.saveChangesAsked, 1);
    EXPECT_EQ(dialogs.opens, 0);
    EXPECT_TRUE(stato() == before);
    dialogs.saveChangesAnswers = {platform::SaveAnswer::Cancel, platform::SaveAnswer::DontSave,
                                  platform::SaveAnswer::DontSave};
    bar.item("FileOpen")->trigger();
    EXPECT_EQ(dialogs.opens, 1);
    EXPECT_EQ(dialogs.openTypes, std::vector<QString>{"Modanova documents"});
    EXPECT_TRUE(stato() == before); // the open dialog was cancelled
    dialogs.openAnswers = {QString(), path};
    bar.item("FileOpen")->trigger();
    EXPECT_EQ(Globali::fileattuale, path);
    EXPECT_FALSE(Globali::filemodificato);

    bar.item("FileCreate3D")->trigger();
    EXPECT_TRUE(fin_3d::instance().isVisible());
    fin_3d::instance().hide();

    bar.item("AppleModanovainfo")->trigger();
    EXPECT_TRUE(QApplication::topLevelWidgets().contains(&info::instance()));
}

// The Edit items act on the text field that has the keyboard focus.
TEST_F(AppTest, EditItemsWorkOnTheFocusedField)
{
    avvia();
    fin_edita& editor = fin_edita::instance();
    QLineEdit* field = editor.efydelta;
    editor.showAndActivate();
    field->setFocus();
    testsupport::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), field);

    Tendine& bar = Tendine::instance();
    field->setText(QStringLiteral("125"));
    field->selectAll();
    bar.item("EditCopy")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "125");
    bar.item("EditCut")->trigger();
    EXPECT_EQ(field->text(), "");
    bar.item("EditPaste")->trigger();
    EXPECT_EQ(field->text(), "125");
    bar.item("EditUndo")->trigger();
    EXPECT_EQ(field->text(), "");
    bar.item("EditPaste")->trigger();
    field->setSelection(1, 1);
    bar.item("EditClear")->trigger();
    EXPECT_EQ(field->text(), "15");
}

} // namespace

// The shortcuts reach their commands from every window the user sees,
// "Create 3D" included, where the main window with its bar is hidden. New
// ends the visit, as "Done" would; Open.. cancelled leaves it as it was.
TEST_F(AppTest, ShortcutsWorkInEveryWindow)
{
    avvia();
    Tendine& bar = Tendine::instance();
    struct Caso {
        const char* finestra;
        QWidget* w;
        const char* item;
        Qt::Key key;
        bool visitaFinita;
    };
    fin_3d& create3d = fin_3d::instance();
    const Caso casi[] = {
        {"palette", &fin_forme::instance(), "FileNew", Qt::Key_N, false},
        {"numeric editor", &fin_edita::instance(), "FileOpen", Qt::Key_O, false},
        {"drawing window", &fin_principale::instance(), "FileCreate3D", Qt::Key_E, false},
        {"Create 3D", &create3d, "FileNew", Qt::Key_N, true},
        {"Create 3D", &create3d, "FileOpen", Qt::Key_O, false},
    };
    for (const Caso& c : casi) {
        if (c.w == &create3d) {
            create3d.mostra();
            ASSERT_FALSE(fin_principale::instance().isVisible());
        }
        ASSERT_TRUE(c.w->isVisible()) << c.finestra;
        QSignalSpy spy(bar.item(QString::fromLatin1(c.item)), &QAction::triggered);
        testsupport::DialogScript dialogs; // Open.. is answered with Cancel
        QTest::keyClick(c.w, c.key, Qt::ControlModifier);
        EXPECT_EQ(spy.count(), 1) << c.finestra << " " << c.item;
        if (c.w == &create3d) {
            EXPECT_EQ(create3d.isVisible(), !c.visitaFinita) << c.item;
            EXPECT_EQ(fin_principale::instance().isVisible(), c.visitaFinita) << c.item;
        }
    }
}

// A field that has the keyboard focus does not keep a File shortcut for
// itself: a line edit on X11 claims Ctrl+E as "end of line" (the offscreen
// platform binds no such key, so a field here claims every key the same way),
// and Ctrl+E still opens "Create 3D" from the numeric editor.
TEST_F(AppTest, FileShortcutsWinOverAFocusedField)
{
    class Avida : public QLineEdit {
    public:
        using QLineEdit::QLineEdit;

    protected:
        bool event(QEvent* e) override
        {
            if (e->type() == QEvent::ShortcutOverride) {
                e->accept();
                return true;
            }
            return QLineEdit::event(e);
        }
    };
    avvia();
    fin_edita& editor = fin_edita::instance();
    Avida* field = new Avida(&editor);
    field->show();
    editor.activateWindow();
    field->setFocus();
    QSignalSpy spy(Tendine::instance().item("FileCreate3D"), &QAction::triggered);
    QTest::keyClick(field, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_TRUE(fin_3d::instance().isVisible());
}
