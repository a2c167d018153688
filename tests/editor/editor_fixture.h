#pragma once
// The editor's start-up state for the window tests: the program's reset
// (an 800 x 600 drawing window) with the origin moved to (300, 200), the
// three editor windows shown and the first backdrop drawn.
#include "app/globali.h"
#include "editor/fin_edita.h"
#include "editor/fin_forme.h"
#include "editor/fin_principale.h"
#include "model/forme.h"
#include "model/geometria.h"
#include "platform/beep.h"
#include "platform/conversions.h"
#include "support/dialog_script.h"
#include "support/program_state.h"
#include "support/test_support.h"

#include <QAbstractButton>
#include <QTest>
#include <gtest/gtest.h>

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testsupport::resetProgramState();
        Geometria::origx = 300;
        Geometria::origy = 200;

        // The drawing window as start-up sizes it.
        principale().fixWindowSize(Globali::scrx, Globali::scry);
        principale().show();
        edita().show();
        palette().show();
        // The first backdrop, as start-up makes it.
        Geometria::disegna_griglia();
        testsupport::processEvents();
    }

    static fin_principale& principale() { return fin_principale::instance(); }
    static fin_edita& edita() { return fin_edita::instance(); }
    static fin_forme& palette() { return fin_forme::instance(); }
    static QWidget* area() { return principale().body(); }

    static void muovi(int x, int y) { QTest::mouseMove(area(), QPoint(x, y)); }
    static void clicca(int x, int y) { QTest::mouseClick(area(), Qt::LeftButton, {}, QPoint(x, y)); }
    static void entra()
    {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(area(), &enter);
    }
    static void esci()
    {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(area(), &leave);
    }

    // Puts rows into the chain: kind, start x, start y, dx, dy, start z, dz.
    static void catena(std::initializer_list<ElementRow> rows)
    {
        Forme::polilinea.redim(static_cast<int>(rows.size()));
        int i = 0;
        for (const ElementRow& r : rows)
            Forme::polilinea.row(i++) = r;
        Forme::poli_q = static_cast<int>(rows.size());
    }
    // Enters edit mode as the palette leaves it, on element d.
    static void modoModifica(int d)
    {
        Forme::poli_d = d;
        Forme::modifica = true;
        palette().bot_sel->setValue(true);
    }

    static QPoint posizione(const QWidget* w) { return w->pos(); }

    // A click on a button, as the user makes it.
    static void premi(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    // The chain's rows as they stand.
    static std::vector<ElementRow> righe()
    {
        std::vector<ElementRow> out;
        for (int i = 0; i < Forme::poli_q; ++i)
            out.push_back(Forme::polilinea.row(i));
        return out;
    }
    // The main window's live layer, as segments.
    static std::vector<testsupport::Segment> segmentiVivi()
    {
        return testsupport::segmentsOf(principale().liveItems());
    }
};
