// The three editor windows as designed: controls, places, kinds and texts.
#include "editor/fin_edita.h"
#include "editor/fin_forme.h"
#include "editor/fin_principale.h"
#include "model/forme.h"
#include "platform/controls.h"

#include <gtest/gtest.h>

namespace {

QRect at(int left, int top, int width, int height) { return QRect(left, top, width, height); }

} // namespace

TEST(EditorLayout, MainWindowControls)
{
    fin_principale& w = fin_principale::instance();
    EXPECT_EQ(w.title(), "Modanova");
    EXPECT_EQ(w.Width(), 640);
    EXPECT_EQ(w.Height(), 480);
    EXPECT_TRUE(w.isHidden()); // start-up shows it, not its making
    EXPECT_EQ(w.canvas_disegno->geometry(), at(0, 0, 620, 460));
    EXPECT_TRUE(w.canvas_disegno->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_EQ(w.canvas_disegno->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(w.pointer->geometry(), at(-10, -10, 5, 5));
    EXPECT_EQ(w.prepointer->geometry(), at(-5, -5, 5, 5));
    for (platform::OvalShape* o : {w.pointer, w.prepointer}) {
        EXPECT_EQ(o->FillColor, QColor(255, 0, 0));
        EXPECT_EQ(o->BorderColor, QColor(255, 0, 0));
    }
    EXPECT_EQ(w.ChasingArrows1->parentWidget(), w.canvas_disegno);
    EXPECT_EQ(w.ChasingArrows1->geometry(), at(5, 45, 16, 16));
    EXPECT_TRUE(w.ChasingArrows1->isHidden());
}

TEST(EditorLayout, NumericEditorControls)
{
    fin_edita& w = fin_edita::instance();
    EXPECT_EQ(w.title(), "XY");
    EXPECT_EQ(w.Width(), 670);
    EXPECT_EQ(w.Height(), 34);
    EXPECT_TRUE(w.isHidden());

    struct Field {
        EditFieldIntero* f;
        int left;
    };
    for (Field c : {Field{w.efxdelta, 208}, Field{w.efydelta, 286}, Field{w.efzdelta, 364}}) {
        EXPECT_EQ(c.f->geometry(), at(c.left, 6, 52, 22));
        EXPECT_EQ(c.f->text(), "0");
        EXPECT_TRUE(c.f->font().bold());
        EXPECT_EQ(c.f->palette().color(QPalette::Text), QColor(255, 0, 0));
    }

    struct Label {
        platform::StaticText* t;
        QRect r;
        QString text;
        QColor color;
    };
    const QString d(QChar(0x2206));
    const QColor blue(0, 0, 255), magenta(255, 0, 255);
    for (const Label& c :
         {Label{w.testox, at(115, 3, 60, 14), "X:", blue}, Label{w.testoy, at(115, 18, 60, 14), "Y:", blue},
          Label{w.StaticText2, at(186, 3, 20, 14), d + "X:", blue},
          Label{w.StaticText3, at(264, 3, 20, 14), d + "Y:", blue},
          Label{w.StaticText5, at(342, 3, 20, 14), d + "Z:", blue},
          Label{w.StaticText4, at(184, 18, 20, 14), "mm", blue}, Label{w.txtforma, at(6, 3, 96, 14), "Form", magenta},
          Label{w.txttipo, at(6, 18, 96, 14), "Type", magenta}}) {
        EXPECT_EQ(c.t->geometry(), c.r) << c.text.toStdString();
        EXPECT_EQ(c.t->text(), c.text);
        EXPECT_EQ(c.t->textColor(), c.color);
    }

    struct Button {
        int left, width;
        const char* caption;
        bool enabled;
        const char* tag;
    };
    const Button buttons[] = {
        {432, 36, "<<", false, "go to first element\rvai al primo elemento"},
        {475, 34, "<", false, "go to previous element\rvai all'elemento precedente"},
        {524, 34, ">", false, "go to next element\rvai all'elemento successivo"},
        {565, 36, ">>", false, "go to last element\rvai all'ultimo elemento"},
        {618, 46, "ok", true, "insert/modify element\rinserisci/modifica elemento"},
    };
    ASSERT_EQ(w.bot_scorri.count(), 5);
    for (int i = 0; i < 5; ++i) {
        platform::PushButton* b = w.bot_scorri(i);
        EXPECT_EQ(b->geometry(), at(buttons[i].left, 6, buttons[i].width, 22));
        EXPECT_EQ(b->text(), buttons[i].caption);
        EXPECT_EQ(b->isEnabled(), buttons[i].enabled);
        EXPECT_EQ(platform::helpTag(b), buttons[i].tag);
        EXPECT_EQ(b->isDefault(), i == 4);
    }
    EXPECT_EQ(w.Oval1->geometry(), at(515, 16, 3, 3));
    EXPECT_EQ(w.Oval2->geometry(), at(607, 16, 3, 3));
}

TEST(EditorLayout, PaletteControls)
{
    fin_forme& w = fin_forme::instance();
    EXPECT_EQ(w.title(), "Tools");
    EXPECT_EQ(w.Width(), 81);
    EXPECT_EQ(w.Height(), 489);
    EXPECT_TRUE(w.isHidden());
    EXPECT_EQ(w.rec_sel->geometry(), at(-50, 28, 40, 40));
    EXPECT_EQ(w.rec_sel->FillColor, QColor(255, 255, 0));

    // Tool t in column t mod 2, row t div 2.
    ASSERT_EQ(w.bot_forma.count(), 6);
    for (int t = 0; t < 6; ++t) {
        EXPECT_EQ(w.bot_forma(t)->geometry(), at(3 + 39 * (t % 2), 42 + 39 * (t / 2), 36, 36));
        EXPECT_EQ(w.bot_forma(t)->property("iconName").toString(), QStringLiteral("forma%1").arg(t + 1));
    }
    const char* zoomIcons[] = {"zoom2", "zoom1", "zoom3", "zoom4"};
    const char* setupIcons[] = {"setup1", "setup2", "busa", "bita"};
    for (int i = 0; i < 4; ++i) {
        const int dx = 39 * (i % 2), dy = 39 * (i / 2);
        EXPECT_EQ(w.bot_move(i)->geometry(), at(3 + dx, 243 + dy, 36, 36));
        EXPECT_EQ(w.bot_zoom(i)->geometry(), at(3 + dx, 327 + dy, 36, 36));
        EXPECT_EQ(w.bot_setup(i)->geometry(), at(3 + dx, 411 + dy, 36, 36));
        EXPECT_EQ(w.bot_move(i)->property("iconName").toString(), QStringLiteral("tool%1").arg(i + 1));
        EXPECT_EQ(w.bot_zoom(i)->property("iconName").toString(), zoomIcons[i]);
        EXPECT_EQ(w.bot_setup(i)->property("iconName").toString(), setupIcons[i]);
    }
    EXPECT_EQ(platform::helpTag(w.bot_setup(2)), "");
    EXPECT_EQ(platform::helpTag(w.bot_forma(0)), "create/edit a straight line\rcrea/modifica una linea retta");

    EXPECT_TRUE(w.bot_sel->isCheckable());
    EXPECT_FALSE(w.bot_sel->value());
    EXPECT_EQ(w.bot_sel->property("iconName").toString(), "edita1");
    EXPECT_FALSE(w.bot_can->isCheckable());
    EXPECT_EQ(w.bot_3d->geometry(), at(3, 198, 75, 36));
    EXPECT_EQ(w.bot_3d->text(), "3D");
    EXPECT_EQ(w.bot_sagoma->geometry(), at(3, 159, 36, 36));
    EXPECT_EQ(w.bot_percorso->geometry(), at(42, 159, 36, 36));
    EXPECT_EQ(w.Rectangle1->FillColor, QColor(0xCC, 0x66, 0xFF));
    EXPECT_EQ(w.Rectangle3->geometry(), at(0, 408, 81, 81));
}

// A click on a panel button must reach the button, not the panel under it.
TEST(EditorLayout, PanelButtonsTakeClicks)
{
    fin_forme& w = fin_forme::instance();
    w.show();
    EXPECT_EQ(w.body()->childAt(20, 300), w.bot_move(2));
    EXPECT_EQ(w.body()->childAt(60, 470), w.bot_setup(3));
    EXPECT_EQ(w.body()->childAt(20, 60), w.bot_forma(0));
}

TEST(EditorLayout, NavigationButtonsFollowThePosition)
{
    struct Case {
        bool edit;
        int q, d;
        bool back, forward;
    };
    const Case cases[] = {
        {false, 0, 0, false, false}, {false, 3, 3, true, false}, {false, 3, 0, false, true}, {false, 3, 1, true, true},
        {true, 3, 2, true, false},   {true, 3, 0, false, true},  {true, 1, 0, false, false},
    };
    for (const Case& c : cases) {
        Forme::modifica = c.edit;
        fin_forme::instance().bot_sel->setValue(c.edit);
        Forme::poli_q = c.q;
        Forme::poli_d = c.d;
        fin_edita& e = fin_edita::instance();
        e.aggiorna_bottoni();
        for (int i = 0; i < 2; ++i)
            EXPECT_EQ(e.bot_scorri(i)->isEnabled(), c.back) << c.edit << c.q << c.d;
        for (int i = 2; i < 4; ++i)
            EXPECT_EQ(e.bot_scorri(i)->isEnabled(), c.forward) << c.edit << c.q << c.d;
        EXPECT_TRUE(e.bot_scorri(4)->isEnabled());
    }
}
