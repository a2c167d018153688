// The extrusion: one TUBE statement sweeping a profile along a path, with
// the rotations before it and DEL TOP after it.
#include "gdl/esportazione.h"
#include "gdl/finestra3d.h"
#include "gdl/scrittura.h"
#include "gdl/testo.h"
#include "platform/conversions.h"

namespace esportazione {

namespace {

// "FN(a+b)": a whole-degree direction plus a typed angle, as GDL evaluates it.
void aggiungiFunzione(Generatore& g, std::string& out, const char* fn, int a, double b)
{
    using namespace testo;
    out += fn;
    out += '(';
    appendInt(out, a);
    out += '+';
    appendNum(out, b, g.nonFinito);
    out += ')';
}

// A point line written as GDL expressions: "," and a line end, then the text.
void aggiungiDirezioneIniziale(Generatore& g, int sa)
{
    using namespace testo;
    std::string& out = g.testo;
    out += ',';
    out += kCR;
    out += "   ";
    aggiungiFunzione(g, out, "COS", sa, g.dati[14]);
    out += ",  ";
    aggiungiFunzione(g, out, "SIN", sa, g.dati[14]);
    out += ",  0, 0";
}

void aggiungiDirezioneFinale(Generatore& g, int ea)
{
    using namespace testo;
    std::string& out = g.testo;
    out += ',';
    out += kCR;
    out += "   ";
    appendNum(out, g.lastx, g.nonFinito);
    out += '+';
    aggiungiFunzione(g, out, "COS", ea, g.dati[15]);
    out += ", ";
    appendNum(out, g.lasty, g.nonFinito);
    out += '+';
    aggiungiFunzione(g, out, "SIN", ea, g.dati[15]);
    out += ", ";
    appendNum(out, g.lastz, g.nonFinito);
    out += ", 0";
}

int maschera()
{
    int mask = 48;
    if (finestra::opzione(0)) // Solid
        mask += 3;
    if (finestra::opzione(1)) // Structured
        mask += 64;
    if (finestra::opzione(2)) // Closed
        mask -= 48;
    return mask;
}

// The three rotations and "TUBE np, nq, mask".
std::string testa(Generatore& g, std::size_t np, std::size_t nq)
{
    std::string t;
    scrittura::aggiungiRotazioni(g, t, "ROTY ");
    t += "TUBE ";
    testo::appendInt(t, static_cast<int>(np));
    t += ", ";
    testo::appendInt(t, static_cast<int>(nq));
    t += ", ";
    testo::appendInt(t, maschera());
    return t;
}

} // namespace

void testocrea_tube_gdl(Generatore& g, const Catena& sagoma, const Catena& percorso)
{
    using namespace scrittura;
    const int nsag = sagoma.conta();
    const int nper = percorso.conta();
    {
        // The counts when every element writes its full number of points:
        // an extrusion leaves no point out, only a flat quarter ellipse
        // writes fewer.
        g.risoluzione = platform::CInt(g.dati[0]);
        const std::size_t puntiSagoma = puntiMassimi(sagoma, g.risoluzione_generatore());
        g.risoluzione = platform::CInt(g.dati[1]);
        const std::size_t puntiPercorso = puntiMassimi(percorso, g.risoluzione_generatore()) + (nper > 0 ? 2 : 1);
        preparaTesto(g, testa(g, puntiSagoma, puntiPercorso),
                     puntiSagoma * kBytePuntoSagoma + puntiPercorso * kBytePuntoPercorso);
    }

    // The profile: the origin point, then every element's points.
    g.qualetestocontrol = 0;
    const double s = finestra::scalaProfilo();
    g.risoluzione = platform::CInt(g.dati[0]);
    azzeraElemento(g);
    g.testocrea_cosa(0, 0);
    int np = 1;
    for (int i = 0; i < nsag; ++i) {
        const ElementRow& row = sagoma.righe.row(i);
        caricaScalato(g, row, s, false);
        const int stato = i < nsag - 1 ? calcola_stato(sagoma.righe, i) : 0;
        np += g.testocrea_cosa(platform::CInt(row[kKind]), stato);
        finestra::progresso(nsag > 1 ? platform::CInt(static_cast<double>(i) / (nsag - 1) * 50) : 0, false);
        scrittura::cedi();
    }

    // The path: a direction point before its origin, its points, and a
    // direction point after its last point.
    g.qualetestocontrol = 1;
    const double t = finestra::scalaPercorso();
    g.risoluzione = platform::CInt(g.dati[1]);
    aggiungiDirezioneIniziale(g, angolo_iniziale_percorso(percorso));
    azzeraElemento(g);
    g.testocrea_cosa(0, 0);
    int nq = 2;
    for (int j = 0; j < nper; ++j) {
        const ElementRow& row = percorso.righe.row(j);
        caricaScalato(g, row, t, true);
        nq += g.testocrea_cosa(platform::CInt(row[kKind]), 0);
        finestra::progresso(nper > 1 ? platform::CInt(static_cast<double>(j) / (nper - 1) * 50 + 50) : 50, true);
        scrittura::cedi();
    }
    if (nper > 0) {
        aggiungiDirezioneFinale(g, angolo_finale_percorso(percorso));
        ++nq;
    }

    chiudiTesto(g, testa(g, static_cast<std::size_t>(np), static_cast<std::size_t>(nq)));
    finestra::progresso(0, false);
}

} // namespace esportazione
