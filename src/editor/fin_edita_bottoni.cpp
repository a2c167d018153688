#include "editor/fin_edita.h"

#include "editor/fin_forme.h"
#include "model/forme.h"

void fin_edita::aggiorna_bottoni()
{
    // Inequalities, not range checks: in edit mode the last element is the
    // end, in add mode the insertion point after it.
    const bool back = Forme::poli_d != 0;
    bot_scorri(0)->setEnabled(back);
    bot_scorri(1)->setEnabled(back);
    const int last = Forme::modifica ? Forme::poli_q - 1 : Forme::poli_q;
    const bool forward = Forme::poli_d != last;
    bot_scorri(2)->setEnabled(forward);
    bot_scorri(3)->setEnabled(forward);
}
