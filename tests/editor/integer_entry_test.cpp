// Text that enters an integer field without being typed: Ctrl+V, Edit >
// Paste, the field's context menu and a drop. Each road meets the rule a
// typed key meets: an edit that would leave a character the filter drops is
// refused whole, with the beep, and the numeric editor's delta stays what
// its field shows.
#include "app/tendine.h"
#include "editor/editor_fixture.h"
#include "editor/fin_grid.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>

namespace {

enum class Via { CtrlV, EditMenu, ContextMenu, Drop };
enum class Campo { DeltaX, GridX };

struct EntryCase {
    Via via;
    Campo campo;
    const char* incollato;
    bool inizio; // entered in front of the text, else behind it
    const char* mostrato;
    int beep;
};

void PrintTo(const EntryCase& c, std::ostream* os)
{
    static const char* const vie[] = {"Ctrl+V", "Edit > Paste", "context menu", "drop"};
    *os << vie[static_cast<int>(c.via)] << (c.campo == Campo::DeltaX ? " into dX " : " into grid x ") << '"'
        << c.incollato << (c.inizio ? "\" in front" : "\" behind");
}

// The context menu's Paste, clicked as the user clicks it.
void incollaDalMenuContestuale(QLineEdit* field)
{
    const QPoint dove(4, field->height() / 2);
    QContextMenuEvent evento(QContextMenuEvent::Mouse, dove, field->mapToGlobal(dove));
    QCoreApplication::sendEvent(field, &evento);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* incolla = nullptr;
    for (QAction* a : menu->actions())
        if (a->text().startsWith(QStringLiteral("&Paste")))
            incolla = a;
    ASSERT_NE(incolla, nullptr);
    ASSERT_TRUE(incolla->isEnabled());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(incolla).center());
    testsupport::processEvents();
}

// Text dragged from another program and dropped at a point of the field.
void lascia(QLineEdit* field, const QString& text, QPoint dove)
{
    QMimeData dati;
    dati.setText(text);
    QDragEnterEvent entra(dove, Qt::CopyAction, &dati, Qt::LeftButton, {});
    QCoreApplication::sendEvent(field, &entra);
    ASSERT_TRUE(entra.isAccepted());
    QDragMoveEvent muove(dove, Qt::CopyAction, &dati, Qt::LeftButton, {});
    QCoreApplication::sendEvent(field, &muove);
    QDropEvent lasciato(QPointF(dove), Qt::CopyAction, &dati, Qt::LeftButton, {});
    QCoreApplication::sendEvent(field, &lasciato);
    testsupport::processEvents();
}

class IntegerFieldEntry : public EditorTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(IntegerFieldEntry, MeetsTheRuleOfATypedKey)
{
    const EntryCase& c = GetParam();
    EditFieldIntero* field = edita().efxdelta;
    QWidget* finestra = &edita();
    if (c.campo == Campo::GridX) {
        premi(palette().bot_setup(0));
        field = fin_grid::instance().efgrx;
        finestra = &fin_grid::instance();
    }
    finestra->activateWindow();
    field->setFocus();
    testsupport::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), field);
    // "7" as typed by the user, so that the delta comes from the field.
    field->setTextFromProgram(QString());
    QTest::keyClicks(field, QStringLiteral("7"));
    field->setCursorPosition(c.inizio ? 0 : 1);
    QApplication::clipboard()->setText(QString::fromLatin1(c.incollato));
    platform::resetBeepCount();

    switch (c.via) {
    case Via::CtrlV: QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier); break;
    case Via::EditMenu: Tendine::instance().item(QStringLiteral("EditPaste"))->trigger(); break;
    case Via::ContextMenu: incollaDalMenuContestuale(field); break;
    case Via::Drop:
        lascia(field, QString::fromLatin1(c.incollato), QPoint(c.inizio ? 1 : field->width() - 3, field->height() / 2));
        break;
    }
    EXPECT_EQ(field->text(), QString::fromLatin1(c.mostrato));
    EXPECT_EQ(platform::beepCount(), c.beep);
    if (c.campo == Campo::DeltaX) {
        EXPECT_DOUBLE_EQ(Forme::dx, platform::Val(field->text()));
    }

    // Leaving the field changes neither the text nor the delta.
    QFocusEvent fuori(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(field, &fuori);
    EXPECT_EQ(field->text(), QString::fromLatin1(c.mostrato));
    if (c.campo == Campo::DeltaX) {
        EXPECT_DOUBLE_EQ(Forme::dx, platform::Val(QString::fromLatin1(c.mostrato)));
    }
}

std::vector<EntryCase> casi()
{
    std::vector<EntryCase> out;
    for (Via via : {Via::CtrlV, Via::EditMenu, Via::ContextMenu, Via::Drop}) {
        for (Campo campo : {Campo::DeltaX, Campo::GridX}) {
            out.push_back({via, campo, "1.5", false, "7", 1});
            out.push_back({via, campo, "-3", false, "7", 1}); // a minus after a digit
            out.push_back({via, campo, " 2", true, "7", 1});
            out.push_back({via, campo, "25", false, "725", 0});
            out.push_back({via, campo, "-4", true, "-47", 0});
        }
    }
    return out;
}

INSTANTIATE_TEST_SUITE_P(Roads, IntegerFieldEntry, ::testing::ValuesIn(casi()));

// A text the program wrote keeps what the filter would drop of it; an edit
// of the user's may add digits to it but nothing else, and undoing every
// edit goes back to it without a beep.
TEST_F(EditorTest, AFractionTheProgramWroteTakesDigitsButNothingElse)
{
    EditFieldIntero* field = edita().efxdelta;
    edita().activateWindow();
    field->setFocus();
    testsupport::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), field);
    field->setTextFromProgram(QStringLiteral("12.5"));
    field->end(false);
    platform::resetBeepCount();
    QTest::keyClicks(field, QStringLiteral("3"));
    EXPECT_EQ(field->text(), "12.53");
    QTest::keyClicks(field, QStringLiteral("."));
    QApplication::clipboard()->setText(QStringLiteral("x"));
    Tendine::instance().item(QStringLiteral("EditPaste"))->trigger();
    EXPECT_EQ(field->text(), "12.53");
    EXPECT_EQ(platform::beepCount(), 2);
    // The point deleted, it cannot come back, not even where it stood.
    field->setCursorPosition(3);
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "1253");
    QTest::keyClicks(field, QStringLiteral("."));
    EXPECT_EQ(field->text(), "1253");
    EXPECT_EQ(platform::beepCount(), 3);
    // Undo goes back through what the field held.
    Tendine::instance().item(QStringLiteral("EditUndo"))->trigger();
    EXPECT_EQ(field->text(), "12.53");
    EXPECT_EQ(platform::beepCount(), 3);
    EXPECT_DOUBLE_EQ(Forme::dx, 12.53);
    // And the rule holds on after the undo.
    field->end(false);
    QTest::keyClicks(field, QStringLiteral("-"));
    EXPECT_EQ(field->text(), "12.53");
    EXPECT_EQ(platform::beepCount(), 4);
}

} // namespace
