// The extrusion: one TUBE statement sweeping the stored profile along the
// stored path, with the rotations before it and DEL TOP after it.
#include "gdl/esportazione.h"
#include "gdl/finestra3d.h"
#include "gdl/scrittura.h"
#include "gdl/testo.h"
#include "model/forme.h"
#include "platform/conversions.h"

namespace esportazione {

namespace {

// "FN(a+b)": a whole-degree direction plus a typed angle, as GDL evaluates it.
void aggiungiFunzione(std::string& out, const char* fn, int a, double b)
{
    using namespace testo;
    out += fn;
    out += '(';
    appendInt(out, a);
    out += '+';
    appendNum(out, b);
    out += ')';
}

// A point line written as GDL expressions: "," and a line end, then the text.
void aggiungiDirezioneIniziale(int sa)
{
    using namespace testo;
    std::string& out = esportastringa;
    out += ',';
    out += kCR;
    out += "   ";
    aggiungiFunzione(out, "COS", sa, daticreatred[14]);
    out += ",  ";
    aggiungiFunzione(out, "SIN", sa, daticreatred[14]);
    out += ",  0, 0";
}

void aggiungiDirezioneFinale(int ea)
{
    using namespace testo;
    std::string& out = esportastringa;
    out += ',';
    out += kCR;
    out += "   ";
    appendNum(out, lastx);
    out += '+';
    aggiungiFunzione(out, "COS", ea, daticreatred[15]);
    out += ", ";
    appendNum(out, lasty);
    out += '+';
    aggiungiFunzione(out, "SIN", ea, daticreatred[15]);
    out += ", ";
    appendNum(out, lastz);
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
std::string testa(std::size_t np, std::size_t nq)
{
    std::string t;
    scrittura::aggiungiRotazioni(t, "ROTY ");
    t += "TUBE ";
    testo::appendInt(t, static_cast<int>(np));
    t += ", ";
    testo::appendInt(t, static_cast<int>(nq));
    t += ", ";
    testo::appendInt(t, maschera());
    return t;
}

} // namespace

void testocrea_tube_gdl()
{
    using namespace scrittura;
    const int nsag = righe(sagoma, sago_q);
    const int nper = righe(percorso, perc_q);
    {
        // The counts when every element writes its full number of points:
        // an extrusion leaves no point out, only a flat quarter ellipse
        // writes fewer.
        Forme::risoluzione = platform::CInt(daticreatred[0]);
        const std::size_t puntiSagoma = puntiMassimi(sagoma, nsag, risoluzione_generatore());
        Forme::risoluzione = platform::CInt(daticreatred[1]);
        const std::size_t puntiPercorso = puntiMassimi(percorso, nper, risoluzione_generatore()) + (nper > 0 ? 2 : 1);
        preparaTesto(testa(puntiSagoma, puntiPercorso),
                     puntiSagoma * kBytePuntoSagoma + puntiPercorso * kBytePuntoPercorso);
    }

    // The profile: the origin point, then every element's points.
    qualetestocontrol = 0;
    const double s = finestra::scalaProfilo();
    Forme::risoluzione = platform::CInt(daticreatred[0]);
    azzeraElemento();
    testocrea_cosa(0, 0);
    int np = 1;
    for (int i = 0; i < nsag; ++i) {
        const ElementRow& row = sagoma.row(i);
        caricaScalato(row, s, false);
        const int stato = i < nsag - 1 ? calcola_stato(i) : 0;
        np += testocrea_cosa(platform::CInt(row[kKind]), stato);
        finestra::progresso(nsag > 1 ? platform::CInt(static_cast<double>(i) / (nsag - 1) * 50) : 0, false);
        scrittura::cedi();
    }

    // The path: a direction point before its origin, its points, and a
    // direction point after its last point.
    qualetestocontrol = 1;
    const double t = finestra::scalaPercorso();
    Forme::risoluzione = platform::CInt(daticreatred[1]);
    aggiungiDirezioneIniziale(angolo_iniziale_percorso());
    azzeraElemento();
    testocrea_cosa(0, 0);
    int nq = 2;
    for (int j = 0; j < nper; ++j) {
        const ElementRow& row = percorso.row(j);
        caricaScalato(row, t, true);
        nq += testocrea_cosa(platform::CInt(row[kKind]), 0);
        finestra::progresso(nper > 1 ? platform::CInt(static_cast<double>(j) / (nper - 1) * 50 + 50) : 50, true);
        scrittura::cedi();
    }
    if (nper > 0) {
        aggiungiDirezioneFinale(angolo_finale_percorso());
        ++nq;
    }

    chiudiTesto(testa(static_cast<std::size_t>(np), static_cast<std::size_t>(nq)));
    finestra::progresso(0, false);
}

} // namespace esportazione
