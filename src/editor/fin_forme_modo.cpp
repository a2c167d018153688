// The palette's mode switch and how it shows the mode, its delete and clear.
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

void fin_forme::mostra_modo(bool modifica)
{
    bot_sel->setValue(modifica);
    setButtonIcon(bot_sel, modifica ? QStringLiteral("edita1s") : QStringLiteral("edita1"));
    // The markers stand on the selected element in edit mode; in add mode
    // they follow the pointer over the drawing and hide until it comes.
    coloraMarcatori(modifica ? bluModifica() : rossoAggiunta());
    fin_principale& principale = fin_principale::instance();
    principale.prepointer->setVisible(modifica);
    principale.pointer->setVisible(modifica);
}

void fin_forme::bot_sel_Action()
{
    fin_principale& principale = fin_principale::instance();
    // The toggle has flipped: its value is the mode asked for.
    if (bot_sel->value()) {
        if (!Forme::entra_modifica()) {
            // Nothing to edit: the button springs back up.
            bot_sel->setValue(false);
            platform::Beep();
        } else {
            Geometria::disegna_griglia();
            mostra_modo(true);
            principale.aggiorna_puntini();
        }
    } else {
        Forme::modifica = false;
        mostra_modo(false);
        // The insertion point goes right after the element that was selected.
        Forme::poli_d = std::min(Forme::poli_d + 1, std::max(Forme::poli_q, 0));
        // The rebuild also puts the current start at the new insertion point.
        Geometria::disegna_griglia();
        principale.mostra_corrente();
    }
    fin_edita::instance().aggiorna_bottoni();
}

void fin_forme::bot_can_Action()
{
    if (Forme::modifica) {
        Geometria::elemento_elimina();
        fin_principale::instance().aggiorna_puntini();
        // The last element went: the delete has gone back to add mode, and
        // says so with the beep.
        if (Forme::poli_q <= 0)
            platform::Beep();
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
