#include "model/geometria.h"

#include "model/forme.h"
#include "model/schermo.h"
#include "model/stato.h"
#include "platform/beep.h"
#include "platform/conversions.h"
#include "platform/yield.h"

#include <algorithm>

namespace Geometria {

using namespace Forme;

namespace {

ElementRow elemento_corrente() { return ElementRow{static_cast<double>(forma), xprec, yprec, dx, dy, zprec, dz}; }

void ridisegna()
{
    disegna_griglia();
    Schermo::schermo().setBackdrop(griglia);
}

void fine_modifica()
{
    aggiorna_etichetta();
    Schermo::schermo().aggiorna_bottoni();
}

} // namespace

bool estensione_rifiutata(int tool, int kind, double dx, double dy, double dz)
{
    // Any tool but the line needs a planar extent; nothing at all may have
    // no extent; an elliptical curve needs both semi-axes.
    const bool piatto = dx == 0.0 && dy == 0.0;
    if (piatto && tool != 0)
        return true;
    if (piatto && dz == 0.0)
        return true;
    if (tool > 1 && kind > 7 && (dx == 0.0 || dy == 0.0))
        return true;
    return false;
}

void elemento_aggiungi()
{
    if (estensione_rifiutata(qualetool, forma, dx, dy, dz)) {
        platform::Beep();
        return;
    }
    Globali::setModificato(true);

    // An insertion point outside the chain would leave a gap in it; the
    // element then goes to the nearer end.
    poli_d = std::clamp(poli_d, 0, poli_q);
    polilinea.redim(poli_q);
    for (int s = poli_q - 1; s >= poli_d; --s) {
        ElementRow r = polilinea.row(s);
        r[kX0] += dx;
        r[kY0] += dy;
        r[kZ0] += dz;
        polilinea.row(s + 1) = r;
        platform::yieldToEventLoop();
    }
    polilinea.row(poli_d) = elemento_corrente();

    if (griglia) {
        griglia->graphics().PenWidth = 1;
        griglia->graphics().PenHeight = 1;
    }
    gri_aggiungipict = true;
    disegna_cosa(platform::CInt(polilinea(poli_d, kKind)));
    gri_aggiungipict = false;

    ++poli_q;
    ++poli_d;
    if (poli_d != poli_q)
        disegna_griglia();
    Schermo::schermo().setBackdrop(griglia);
    aggiorna_etichetta();

    xprec = xgr;
    yprec = ygr;
    zprec = polilinea(poli_d - 1, kZ0) + polilinea(poli_d - 1, kDZ);
    Schermo::schermo().aggiorna_bottoni();
}

void elemento_elimina()
{
    if (!selezione_valida()) {
        platform::Beep();
        return;
    }
    Globali::setModificato(true);

    const double rdx = polilinea(poli_d, kDX);
    const double rdy = polilinea(poli_d, kDY);
    const double rdz = polilinea(poli_d, kDZ);
    for (int i = poli_d; i <= poli_q - 2 && polilinea.hasRow(i + 1); ++i) {
        ElementRow r = polilinea.row(i + 1);
        r[kX0] -= rdx;
        r[kY0] -= rdy;
        r[kZ0] -= rdz;
        polilinea.row(i) = r;
        platform::yieldToEventLoop();
    }
    --poli_q;
    if (poli_d == poli_q && poli_q > 0)
        --poli_d;
    polilinea.redim(poli_q);
    // The last element gone, there is nothing left to edit.
    adegua_modo();

    ridisegna();
    fine_modifica();
}

void elemento_modifica()
{
    if (!selezione_valida()) {
        platform::Beep();
        return;
    }
    Globali::setModificato(true);

    const double ddx = dx - polilinea(poli_d, kDX);
    const double ddy = dy - polilinea(poli_d, kDY);
    const double ddz = dz - polilinea(poli_d, kDZ);
    polilinea.row(poli_d) = elemento_corrente();
    for (int i = poli_d + 1; i <= poli_q - 1 && polilinea.hasRow(i); ++i) {
        polilinea(i, kX0) += ddx;
        polilinea(i, kY0) += ddy;
        polilinea(i, kZ0) += ddz;
        platform::yieldToEventLoop();
    }

    ridisegna();
    fine_modifica();
}

} // namespace Geometria
