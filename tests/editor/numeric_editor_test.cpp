// The numeric editor: typed deltas, the typed end point, navigation and
// "ok", and the integer fields' filter.
#include "editor/EditFieldIntero.h"
#include "platform/beep.h"
#include "support/test_support.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>

namespace {

struct FilterCase {
    const char* typed;
    const char* shown;
};

void PrintTo(const FilterCase& c, std::ostream* os) { *os << '"' << c.typed << '"'; }

class IntegerFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(IntegerFilter, KeepsDigitsAndALeadingMinus)
{
    EXPECT_EQ(EditFieldIntero::filtraIntero(QString::fromUtf8(GetParam().typed)),
              QString::fromLatin1(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(Texts, IntegerFilter,
                         ::testing::Values(FilterCase{"1.5", "15"}, FilterCase{"-12a3", "-123"},
                                           FilterCase{"5-3", "53"}, FilterCase{"+4", "4"}, FilterCase{"007", "7"},
                                           FilterCase{"", "0"}, FilterCase{"-", "0"}, FilterCase{"-0", "0"},
                                           FilterCase{" 12 ", "12"}, FilterCase{"--5", "-5"}, FilterCase{"abc", "0"},
                                           FilterCase{"1e5", "15"},
                                           FilterCase{"\xd9\xa3"
                                                      "2",
                                                      "2"}));

// Leaving the field filters what the user edited and never changes the
// size of the number: a text the program wrote and the user left alone
// stays as it is, and an edited one that holds the program's point keeps
// its whole part.
struct LeaveCase {
    const char* scritto; // what the program wrote
    int cursore;         // where the user's keys go (-1: none pressed)
    const char* tasti;   // typed; "\b" is a backspace
    const char* lasciato;
};

void PrintTo(const LeaveCase& c, std::ostream* os)
{
    *os << '"' << c.scritto << "\" +";
    for (const char* k = c.tasti; *k; ++k)
        *os << (*k == '\b' ? " Backspace" : std::string(" ") + *k);
}

class IntegerFieldLeft : public ::testing::TestWithParam<LeaveCase> {};

TEST_P(IntegerFieldLeft, KeepsTheSizeOfItsNumber)
{
    const LeaveCase& c = GetParam();
    QWidget window;
    auto* field = new EditFieldIntero(&window);
    auto* other = new EditFieldIntero(&window);
    other->move(0, 40);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    field->setFocus();
    field->setTextFromProgram(QString::fromLatin1(c.scritto));
    if (c.cursore >= 0) {
        field->setCursorPosition(c.cursore);
        for (const char* k = c.tasti; *k; ++k) {
            if (*k == '\b')
                QTest::keyClick(field, Qt::Key_Backspace);
            else
                QTest::keyClicks(field, QString(QChar::fromLatin1(*k)));
        }
    }
    other->setFocus();
    EXPECT_EQ(field->text(), QString::fromLatin1(c.lasciato));
    EXPECT_EQ(other->text(), "");
    // Left once more, unedited, it stays.
    field->setFocus();
    other->setFocus();
    EXPECT_EQ(field->text(), QString::fromLatin1(c.lasciato));
}

INSTANTIATE_TEST_SUITE_P(Texts, IntegerFieldLeft,
                         ::testing::Values(LeaveCase{"-82.9152542372881", -1, "", "-82.9152542372881"},
                                           LeaveCase{"-1.2x5", -1, "", "-1.2x5"}, LeaveCase{"007", -1, "", "007"},
                                           LeaveCase{"-82.9152", 8, "7", "-82"}, LeaveCase{"12.5", 0, "3", "312"},
                                           LeaveCase{"12.5", 0, "-", "-12"}, LeaveCase{"0.5", 1, "\b", "0"},
                                           LeaveCase{"-0.25", 2, "\b", "0"}, LeaveCase{"12.5", 4, "\b\b", "12"},
                                           LeaveCase{"", 0, "007", "7"}, LeaveCase{"", 0, "-", "0"},
                                           LeaveCase{"7", 1, "25", "725"}));

// What the filter would drop is refused as it is typed or pasted, with the
// beep, so that a typed text keeps its value when the field is left.
TEST(IntegerField, RefusesTheCharactersItsFilterWouldDrop)
{
    QWidget window;
    auto* field = new EditFieldIntero(&window);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    struct Caso {
        const char* testo;
        int caret;
        const char* digitato;
        const char* mostrato;
        int beep;
    };
    const Caso casi[] = {
        {"", 0, "-1.2x5", "-125", 2}, {"", 0, "+4", "4", 1},      {"", 0, "5-3", "53", 1},
        {"12", 0, "-", "-12", 0},     {"-12", 0, "-", "-12", 1},  {"-12", 0, "3", "-12", 1}, // "3-12" drops the minus
        {"", 0, "1e5 ", "15", 2},     {"007", 3, "1", "0071", 0},
    };
    for (const Caso& c : casi) {
        field->setTextFromProgram(QString::fromLatin1(c.testo));
        field->setFocus();
        field->setCursorPosition(c.caret);
        platform::resetBeepCount();
        QTest::keyClicks(field, QString::fromLatin1(c.digitato));
        EXPECT_EQ(field->text(), QString::fromLatin1(c.mostrato)) << c.digitato;
        EXPECT_EQ(platform::beepCount(), c.beep) << c.digitato;
    }
    // A paste is taken whole or refused whole; editing keys pass.
    QApplication::clipboard()->setText(QStringLiteral("1.5"));
    field->setTextFromProgram("7");
    field->setFocus();
    field->end(false);
    platform::resetBeepCount();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "7");
    EXPECT_EQ(platform::beepCount(), 1);
    QApplication::clipboard()->setText(QStringLiteral("25"));
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "725");
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "");
    EXPECT_EQ(platform::beepCount(), 1);
}

} // namespace

// --- The numeric editor window, typed into as the user does.
#include "editor/editor_fixture.h"

#include <QApplication>
#include <QClipboard>

namespace {

using NumericEditor = EditorTest;

// Puts text into a delta field as the program does, with the caret at `caret`.
void prepara(EditFieldIntero* field, const char* text, int caret)
{
    field->setTextFromProgram(QString::fromLatin1(text));
    field->setFocus();
    field->setCursorPosition(caret < 0 ? field->text().size() : caret);
}

TEST_F(NumericEditor, ADigitTypedAtTheEndMovesTheEndPointAndTheRubberBand)
{
    prepara(edita().efxdelta, "0", -1);
    QTest::keyClick(edita().efxdelta, Qt::Key_7);
    EXPECT_EQ(edita().efxdelta->text(), "07");
    EXPECT_DOUBLE_EQ(Forme::dx, 7);
    EXPECT_DOUBLE_EQ(Forme::xgr, 7);
    EXPECT_EQ(edita().testox->text(), "X: 7");
    EXPECT_EQ(edita().testoy->text(), "Y: 0");
    EXPECT_EQ(posizione(principale().pointer), QPoint(300 + 7 - 2, 200 - 2));
    const auto live = segmentiVivi();
    ASSERT_EQ(live.size(), 1u);
    EXPECT_EQ(QPointF(live[0].x1, live[0].y1), QPointF(300, 200));
    EXPECT_EQ(QPointF(live[0].x2, live[0].y2), QPointF(307, 200));
    EXPECT_EQ(live[0].color, platform::hsv(0, 1, 1));
    // Nothing is stored until "ok".
    EXPECT_EQ(Forme::poli_q, 0);
}

// Tab walks the three delta fields from left to right, then the enabled
// buttons; Shift+Tab walks back.
TEST_F(NumericEditor, TabGoesThroughTheThreeDeltaFieldsInTurn)
{
    catena({{0, 0, 0, 10, 0, 0, 0}, {0, 10, 0, 10, 0, 0, 0}});
    Forme::poli_d = 2;
    edita().aggiorna_bottoni(); // at the end: "<<" and "<" on, ">" and ">>" off
    edita().showAndActivate();
    edita().efxdelta->setFocus(Qt::OtherFocusReason);
    const auto tab = [](Qt::KeyboardModifiers mod) {
        QTest::keyClick(edita().focusWidget(), Qt::Key_Tab, mod);
        return edita().focusWidget();
    };
    EXPECT_EQ(tab({}), edita().efydelta);
    EXPECT_EQ(tab({}), edita().efzdelta);
    EXPECT_EQ(tab({}), edita().bot_scorri(0));
    EXPECT_EQ(tab({}), edita().bot_scorri(1));
    EXPECT_EQ(tab({}), edita().bot_scorri(4));
    EXPECT_EQ(tab(Qt::ShiftModifier), edita().bot_scorri(1));
    EXPECT_EQ(tab(Qt::ShiftModifier), edita().bot_scorri(0));
    EXPECT_EQ(tab(Qt::ShiftModifier), edita().efzdelta);
    EXPECT_EQ(tab(Qt::ShiftModifier), edita().efydelta);
}

struct TypingCase {
    const char* name;
    const char* text;
    int caret; // -1: at the end; -2: the whole text selected
    std::vector<int> keys;
    const char* shown;
};

void PrintTo(const TypingCase& c, std::ostream* os) { *os << c.name; }

class TypedDelta : public EditorTest, public ::testing::WithParamInterface<TypingCase> {};

// Whatever the key does to the text, the delta is what the field then shows.
TEST_P(TypedDelta, EqualsWhatTheFieldShows)
{
    const TypingCase& c = GetParam();
    QApplication::clipboard()->setText(QStringLiteral("45"));
    struct Field {
        EditFieldIntero* field;
        double* delta;
    };
    for (Field f : {Field{edita().efxdelta, &Forme::dx}, Field{edita().efydelta, &Forme::dy},
                    Field{edita().efzdelta, &Forme::dz}}) {
        prepara(f.field, c.text, c.caret == -2 ? -1 : c.caret);
        if (c.caret == -2)
            f.field->selectAll();
        for (int key : c.keys) {
            if (key == Qt::Key_V)
                QTest::keyClick(f.field, Qt::Key_V, Qt::ControlModifier);
            else
                QTest::keyClick(f.field, static_cast<Qt::Key>(key));
        }
        EXPECT_EQ(f.field->text(), QString::fromLatin1(c.shown)) << f.field->objectName().toStdString();
        EXPECT_DOUBLE_EQ(*f.delta, platform::Val(f.field->text())) << f.field->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, TypedDelta,
                         ::testing::Values(TypingCase{"CaretInTheMiddle", "12", 0, {Qt::Key_3}, "312"},
                                           TypingCase{"Backspace", "125", -1, {Qt::Key_Backspace}, "12"},
                                           TypingCase{"DeleteInTheMiddle", "125", 1, {Qt::Key_Delete}, "15"},
                                           TypingCase{"ReplaceTheSelection", "-48", -2, {Qt::Key_9}, "9"},
                                           TypingCase{"AMinusInFront", "6", 0, {Qt::Key_Minus}, "-6"},
                                           TypingCase{"Paste", "1", -2, {Qt::Key_V}, "45"},
                                           TypingCase{"EmptiedField", "3", -1, {Qt::Key_Backspace}, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(NumericEditor, ReturnTakesTheTypedDeltaThenPressesOk)
{
    prepara(edita().efxdelta, "3", -1);
    QTest::keyClick(edita().efxdelta, Qt::Key_0);
    prepara(edita().efydelta, "", -1);
    QTest::keyClicks(edita().efydelta, "-5");
    QTest::keyClick(edita().efydelta, Qt::Key_Return);
    ASSERT_EQ(Forme::poli_q, 1);
    const ElementRow added{0, 0, 0, 30, -5, 0, 0};
    EXPECT_EQ(Forme::polilinea.row(0), added);
    EXPECT_EQ(edita().txtforma->text(), "1 Line");
    EXPECT_DOUBLE_EQ(Forme::xprec, 30);
    EXPECT_DOUBLE_EQ(Forme::yprec, -5);
}

TEST_F(NumericEditor, TheNextStartIsTheTypedEndThroughWholePixels)
{
    Geometria::zmfct = 0.5;
    prepara(edita().efxdelta, "", -1);
    QTest::keyClick(edita().efxdelta, Qt::Key_3);
    EXPECT_DOUBLE_EQ(Forme::xgr, 2);
    EXPECT_EQ(posizione(principale().pointer), QPoint(300 + 1 - 2, 198));
    premi(edita().bot_scorri(4));
    ASSERT_EQ(Forme::poli_q, 1);
    EXPECT_DOUBLE_EQ(Forme::polilinea(0, kDX), 3);
    EXPECT_DOUBLE_EQ(Forme::xprec, 2);
}

TEST_F(NumericEditor, OkInEditModeModifiesTheSelectedElement)
{
    catena({{0, 0, 0, 10, 0, 0, 0}, {0, 10, 0, 10, 0, 0, 0}, {0, 20, 0, 0, 10, 0, 0}});
    modoModifica(1);
    principale().aggiorna_puntini();
    prepara(edita().efxdelta, "10", -1);
    QTest::keyClick(edita().efxdelta, Qt::Key_Backspace); // "1"
    QTest::keyClick(edita().efxdelta, Qt::Key_5);         // "15"
    premi(edita().bot_scorri(4));
    EXPECT_EQ(Forme::poli_q, 3);
    EXPECT_DOUBLE_EQ(Forme::polilinea(1, kDX), 15);
    EXPECT_DOUBLE_EQ(Forme::polilinea(2, kX0), 25);
    EXPECT_TRUE(Globali::filemodificato);
    EXPECT_EQ(edita().efxdelta->text(), "15");
}

// The delta and the field agree at every moment. A point typed into ΔX is
// refused at once, so "1.5" gives 15 in the field and in the element, and
// leaving the field changes neither; a text the program wrote with a
// fraction is kept when the field is left.
TEST_F(NumericEditor, TheDeltaIsWhatTheFieldShowsAfterEveryKeyOkAndLeaving)
{
    EditFieldIntero* campo = edita().efxdelta;
    auto concorda = [campo](const char* quando) {
        EXPECT_DOUBLE_EQ(Forme::dx, platform::Val(campo->text())) << quando;
    };
    // The focus leaves the field, as when the user goes to another control.
    auto lascia = [campo] {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(campo, &out);
    };
    prepara(campo, "", -1);
    for (QChar c : QStringLiteral("1.5")) {
        QTest::keyClicks(campo, QString(c));
        concorda("typing");
    }
    EXPECT_EQ(campo->text(), "15");
    EXPECT_EQ(platform::beepCount(), 1);
    premi(edita().bot_scorri(4));
    ASSERT_EQ(Forme::poli_q, 1);
    EXPECT_DOUBLE_EQ(Forme::polilinea(0, kDX), 15);
    lascia();
    EXPECT_EQ(campo->text(), "15");
    concorda("after leaving");

    // The selected element's delta as a drawing at a zoom gives it: leaving
    // the field keeps it, and so does "ok".
    catena({{0, 0, 0, 12.5, 0, 0, 0}});
    modoModifica(0);
    principale().aggiorna_puntini();
    EXPECT_EQ(campo->text(), "12.5");
    concorda("shown");
    lascia();
    EXPECT_EQ(campo->text(), "12.5");
    concorda("left unedited");
    premi(edita().bot_scorri(4));
    EXPECT_DOUBLE_EQ(Forme::polilinea(0, kDX), 12.5);
}

struct StepCase {
    bool edit;
    int from;
    int button;
    int to;
    bool back, forward; // enabling afterwards
};

TEST_F(NumericEditor, NavigationStepsAndEnablesTheButtons)
{
    const StepCase steps[] = {
        {false, 3, 0, 0, false, true}, {false, 0, 2, 1, true, true}, {false, 1, 3, 3, true, false},
        {false, 3, 1, 2, true, true},  {true, 0, 3, 2, true, false}, {true, 2, 1, 1, true, true},
        {true, 1, 0, 0, false, true},  {true, 0, 2, 1, true, true},
    };
    catena({{0, 0, 0, 10, 0, 0, 0}, {3, 10, 0, 10, 10, 0, 0}, {0, 20, 10, 0, 7, 0, 0}});
    for (const StepCase& s : steps) {
        Forme::modifica = s.edit;
        palette().bot_sel->setValue(s.edit);
        Forme::poli_d = s.from;
        edita().aggiorna_bottoni();
        premi(edita().bot_scorri(s.button));
        EXPECT_EQ(Forme::poli_d, s.to) << s.edit << " from " << s.from << " button " << s.button;
        EXPECT_EQ(edita().bot_scorri(0)->isEnabled(), s.back);
        EXPECT_EQ(edita().bot_scorri(1)->isEnabled(), s.back);
        EXPECT_EQ(edita().bot_scorri(2)->isEnabled(), s.forward);
        EXPECT_EQ(edita().bot_scorri(3)->isEnabled(), s.forward);
        EXPECT_EQ(edita().txtforma->text(), QString::number(s.to) + " Line");
        if (s.edit) {
            // The selected element is shown.
            EXPECT_EQ(edita().efydelta->text(), platform::Str(Forme::polilinea(s.to, kDY)));
            EXPECT_DOUBLE_EQ(Forme::xprec, Forme::polilinea(s.to, kX0));
        } else {
            // The current start is the insertion point.
            const double x = s.to < 3 ? Forme::polilinea(s.to, kX0) : 20.0;
            EXPECT_DOUBLE_EQ(Forme::xprec, x);
        }
    }
}

TEST_F(NumericEditor, OkOnAnEmptyChainAddsTheFirstElementOrBeeps)
{
    premi(edita().bot_scorri(4));
    EXPECT_EQ(Forme::poli_q, 0);
    EXPECT_EQ(platform::beepCount(), 1);
    prepara(edita().efzdelta, "", -1);
    QTest::keyClick(edita().efzdelta, Qt::Key_4);
    premi(edita().bot_scorri(4));
    EXPECT_EQ(Forme::poli_q, 1);
    EXPECT_DOUBLE_EQ(Forme::polilinea(0, kDZ), 4);
    EXPECT_EQ(platform::beepCount(), 1);
}

} // namespace
