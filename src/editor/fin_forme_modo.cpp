// The palette's mode switch, its delete and clear, and the rule that keeps
// edit mode within the chain.
#include "editor/fin_forme.h"

#include "app/app.h"
#include "app/globali.h"
#include "editor/fin_edita.h"
#include "editor/fin_principale.h"
#include "model/forme.h"
#include "model/geometria.h"
#include "platform/beep.h"
#include "platform/conversions.h"
#include "platform/picture.h"

#include <algorithm>

namespace {

// The markers' colours: red while adding, blue while editing.
QColor rossoAggiunta() { return platform::hsv(0.0, 1.0, 1.0); }
QColor bluModifica() { return platform::rgb(0, 0, 255); }

// The current start at the insertion point: the start of the element there,
// or the end of the chain when the point is past its last element.
void partenzaAlPuntoDiInserimento()
{
    using namespace Forme;
    if (poli_d >= 0 && poli_d < poli_q && polilinea.hasRow(poli_d)) {
        const ElementRow& r = polilinea.row(poli_d);
        xprec = r[kX0];
        yprec = r[kY0];
        zprec = r[kZ0];
    } else if (poli_d > 0 && poli_d - 1 < poli_q && polilinea.hasRow(poli_d - 1)) {
        const ElementRow& r = polilinea.row(poli_d - 1);
        xprec = r[kX0] + r[kDX];
        yprec = r[kY0] + r[kDY];
        zprec = r[kZ0] + r[kDZ];
    }
}

} // namespace

void fin_forme::coloraMarcatori(const QColor& colore)
{
    fin_principale& principale = fin_principale::instance();
    principale.prepointer->setColors(colore, colore);
    principale.pointer->setColors(colore, colore);
}

void fin_forme::lasciaModifica()
{
    bot_sel->setValue(false);
    setButtonIcon(bot_sel, QStringLiteral("edita1"));
    coloraMarcatori(rossoAggiunta());
    fin_principale& principale = fin_principale::instance();
    principale.prepointer->setVisible(false);
    principale.pointer->setVisible(false);
}

void fin_forme::adegua_modo()
{
    if (!modoModifica())
        return;
    if (Forme::poli_q <= 0) {
        lasciaModifica();
        Forme::poli_d = 0;
        return;
    }
    if (Forme::poli_d >= Forme::poli_q)
        Forme::poli_d = Forme::poli_q - 1;
    if (Forme::poli_d < 0)
        Forme::poli_d = 0;
}

void fin_forme::bot_sel_Action()
{
    fin_principale& principale = fin_principale::instance();
    if (modoModifica()) {
        if (Forme::poli_q <= 0) {
            // Nothing to edit: the button springs back up.
            bot_sel->setValue(false);
            platform::Beep();
        } else {
            // The element after the insertion point is selected, or the
            // last one when the point is at the end.
            if (Forme::poli_d >= Forme::poli_q)
                Forme::poli_d = Forme::poli_q - 1;
            if (Forme::poli_d < 0)
                Forme::poli_d = 0;
            Geometria::disegna_griglia();
            coloraMarcatori(bluModifica());
            principale.prepointer->setVisible(true);
            principale.pointer->setVisible(true);
            principale.aggiorna_puntini();
        }
    } else {
        coloraMarcatori(rossoAggiunta());
        principale.prepointer->setVisible(false);
        principale.pointer->setVisible(false);
        // The insertion point goes right after the element that was selected.
        Forme::poli_d = std::min(Forme::poli_d + 1, std::max(Forme::poli_q, 0));
        Geometria::disegna_griglia();
        partenzaAlPuntoDiInserimento();
    }
    setButtonIcon(bot_sel, modoModifica() ? QStringLiteral("edita1s") : QStringLiteral("edita1"));
    fin_edita::instance().aggiorna_bottoni();
}

void fin_forme::bot_can_Action()
{
    if (modoModifica()) {
        Geometria::elemento_elimina();
        fin_principale::instance().aggiorna_puntini();
        if (Forme::poli_q <= 0) {
            // The last element went: back to add mode, with the beep.
            lasciaModifica();
            Forme::poli_d = 0;
            platform::Beep();
        }
        return;
    }

    // Clearing the drawing discards it: unsaved changes are offered for
    // saving first, and Cancel keeps everything as it was.
    if (!App::salvaModifiche())
        return;

    using namespace Forme;
    poli_q = 0;
    poli_d = 0;
    polilinea.redim(0);
    xprec = yprec = zprec = 0.0;
    dx = dy = dz = 0.0;

    Geometria::origx = platform::CInt(Globali::scrx / 2.0);
    Geometria::origy = platform::CInt(Globali::scry / 2.0);
    Geometria::zmfct = 1.0;

    qualetool = 0;
    forma = 0;
    inversioneforma = false;
    // Tool 0 in its first variant: the toggle to the second variant and the
    // choice of the already chosen tool 0 cancel out, leaving the highlight
    // cyan on tool 0 and the labels written.
    rec_sel->move(rec_sel->x(), 1);
    rec_sel->move(1, rec_sel->y());
    invertiforma();
    sceltaforma(0);

    Globali::setFileAttuale(QString());
    Globali::setModificato(false);

    Geometria::disegna_griglia();
    Geometria::calc_zoom = false;
    platform::Beep();
}
