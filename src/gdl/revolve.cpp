// The revolution: one REVOLVE statement turning the stored profile about the
// axis. The profile is reflected about the 45-degree line through its first
// start point while it is written (its x and y deltas exchanged), and given
// back afterwards.
#include "gdl/esportazione.h"
#include "gdl/finestra3d.h"
#include "gdl/scrittura.h"
#include "gdl/testo.h"
#include "model/forme.h"
#include "platform/conversions.h"

namespace esportazione {

namespace {

int maschera()
{
    int mask = 48;
    if (finestra::opzione(0)) // Solid
        mask += 15;
    if (finestra::opzione(1)) // Structured
        mask += 64;
    if (finestra::opzione(2)) // Closed
        mask -= 48;
    return mask;
}

// The three rotations and "REVOLVE n, alpha, mask".
std::string testa(std::size_t n)
{
    std::string t;
    scrittura::aggiungiRotazioni(t, "ROTY -90+");
    t += "REVOLVE ";
    testo::appendInt(t, static_cast<int>(n));
    t += ", ";
    testo::appendInt(t, platform::CInt(daticreatred[10]));
    t += ", ";
    testo::appendInt(t, maschera());
    return t;
}

} // namespace

void s_ruota(int verso) { ruotaCatena(sagoma, scrittura::righe(sagoma, sago_q), verso); }

void s_specchia(int sx, int sy) { specchiaCatena(sagoma, scrittura::righe(sagoma, sago_q), sx, sy); }

namespace {

void scriviRivoluzione()
{
    using namespace scrittura;
    const int nsag = righe(sagoma, sago_q);

    // Together: every element's (dx, dy) becomes (dy, dx), and each kind its mirror.
    s_ruota(1);
    finestra::progresso(10, false);
    s_specchia(-1, 1);
    finestra::progresso(20, false);

    // The count when no point is left out, on the mirrored kinds.
    Forme::risoluzione = platform::CInt(daticreatred[0]);
    const std::size_t puntiMax = puntiMassimi(sagoma, nsag, risoluzione_generatore());
    preparaTesto(testa(puntiMax), puntiMax * kBytePuntoSagoma);

    masaltaprimo = true;
    qualetestocontrol = 0;
    const double s = finestra::scalaProfilo();
    Forme::risoluzione = platform::CInt(daticreatred[0]);
    azzeraElemento();
    punti_saltati = 0;
    // The origin point comes first and is never left out.
    testocrea_cosa(0, 0);
    int n = 1;
    if (nsag > 0) {
        masaltaprimo = false;
        for (int i = 0; i < nsag; ++i) {
            const ElementRow& row = sagoma.row(i);
            caricaScalato(row, s, false);
            const int stato = i < nsag - 1 ? calcola_stato(i) : 0;
            n += testocrea_cosa(platform::CInt(row[kKind]), stato);
            finestra::progresso(nsag > 1 ? platform::CInt(static_cast<double>(i) / (nsag - 1) * 50 + 25) : 25, false);
            scrittura::cedi();
        }
    }
    // The count is that of the lines written: every point left out is off it.
    n -= punti_saltati;

    s_ruota(-1);
    finestra::progresso(90, false);
    s_specchia(1, -1);
    finestra::progresso(100, false);

    chiudiTesto(testa(static_cast<std::size_t>(n)));
    finestra::progresso(0, false);
}

} // namespace

void testocrea_revolve_gdl()
{
    // The writer turns and mirrors the stored profile while it writes and
    // turns it back at the end. A writer that fails on the way (the text
    // outgrew the memory there is) gives back the rows as they were before.
    ElementTable prima = sagoma;
    try {
        scriviRivoluzione();
    } catch (...) {
        sagoma = std::move(prima);
        throw;
    }
}

} // namespace esportazione
