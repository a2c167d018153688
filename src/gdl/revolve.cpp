// The revolution: one REVOLVE statement turning a profile about the axis.
// The profile is reflected about the 45-degree line through its first start
// point while it is written (its x and y deltas exchanged), and given back
// afterwards.
#include "gdl/esportazione.h"
#include "gdl/finestra3d.h"
#include "gdl/scrittura.h"
#include "gdl/testo.h"
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
std::string testa(Generatore& g, std::size_t n)
{
    std::string t;
    scrittura::aggiungiRotazioni(g, t, "ROTY -90+");
    t += "REVOLVE ";
    testo::appendInt(t, static_cast<int>(n));
    t += ", ";
    testo::appendInt(t, platform::CInt(g.dati[10]));
    t += ", ";
    testo::appendInt(t, maschera());
    return t;
}

} // namespace

void s_ruota(int verso) { ruotaCatena(sagoma, catena_sagoma().conta(), verso); }

void s_specchia(int sx, int sy) { specchiaCatena(sagoma, catena_sagoma().conta(), sx, sy); }

namespace {

void scriviRivoluzione(Generatore& g, const Catena& sagoma)
{
    using namespace scrittura;
    const int nsag = sagoma.conta();

    // Together: every element's (dx, dy) becomes (dy, dx), and each kind its mirror.
    ruotaCatena(sagoma.righe, nsag, 1);
    finestra::progresso(10, false);
    specchiaCatena(sagoma.righe, nsag, -1, 1);
    finestra::progresso(20, false);

    // The count when no point is left out, on the mirrored kinds.
    g.risoluzione = platform::CInt(g.dati[0]);
    const std::size_t puntiMax = puntiMassimi(sagoma, g.risoluzione_generatore());
    preparaTesto(g, testa(g, puntiMax), puntiMax * kBytePuntoSagoma);

    g.masaltaprimo = true;
    g.qualetestocontrol = 0;
    const double s = finestra::scalaProfilo();
    azzeraElemento(g);
    g.punti_saltati = 0;
    // The origin point comes first and is never left out.
    g.testocrea_cosa(0, 0);
    int n = 1;
    if (nsag > 0) {
        g.masaltaprimo = false;
        for (int i = 0; i < nsag; ++i) {
            const ElementRow& row = sagoma.righe.row(i);
            caricaScalato(g, row, s, false);
            const int stato = i < nsag - 1 ? calcola_stato(sagoma.righe, i) : 0;
            n += g.testocrea_cosa(platform::CInt(row[kKind]), stato);
            finestra::progresso(nsag > 1 ? platform::CInt(static_cast<double>(i) / (nsag - 1) * 50 + 25) : 25, false);
            scrittura::cedi();
        }
    }
    // The count is that of the lines written: every point left out is off it.
    n -= g.punti_saltati;

    ruotaCatena(sagoma.righe, nsag, -1);
    finestra::progresso(90, false);
    specchiaCatena(sagoma.righe, nsag, 1, -1);
    finestra::progresso(100, false);

    chiudiTesto(g, testa(g, static_cast<std::size_t>(n)));
    finestra::progresso(0, false);
}

} // namespace

void testocrea_revolve_gdl(Generatore& g, const Catena& sagoma)
{
    // The writer turns and mirrors the profile while it writes and turns it
    // back at the end. A writer that fails on the way (the text outgrew the
    // memory there is) gives back the rows as they were before.
    ElementTable prima = sagoma.righe;
    try {
        scriviRivoluzione(g, sagoma);
    } catch (...) {
        sagoma.righe = std::move(prima);
        throw;
    }
}

} // namespace esportazione
