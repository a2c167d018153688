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
        // The rebuild also puts the current start at the new insertion point.
        Geometria::disegna_griglia();
        principale.mostra_corrente();
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

    Forme::poli_q = 0;
    Forme::poli_d = 0;
    Forme::polilinea.redim(0);
    Forme::ricomincia();
    Geometria::vista_iniziale();

    Globali::setFileAttuale(QString());
    Globali::setModificato(false);

    Geometria::disegna_griglia();
    fin_principale::instance().mostra_corrente();
    Geometria::calc_zoom = false;
    platform::Beep();
}
