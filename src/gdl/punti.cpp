// The point lines of a statement and the dispatch of one element to the
// routine that writes its points.
#include "gdl/esportazione.h"
#include "gdl/testo.h"
#include "model/forme.h"

#include <algorithm>

namespace esportazione {

namespace {

// Every point handed to taggiungi_punto, so that an element's count is the
// number of points its routine really handed over.
int consegnati = 0;

} // namespace

int risoluzione_generatore() { return std::clamp(Forme::risoluzione, 1, kMaxRisoluzione); }

void taggiungi_punto(double x, double y, double z, int stato)
{
    using testo::Riga;
    ++consegnati;
    nonsaltaultimo = true;
    if (daticreatred[9] == 2.0) // "Virtual edges": no smooth joints
        stato = 0;
    // A revolution leaves out a point on the axis origin, except its first
    // point and unless the profile is shifted off the axis.
    if (!masaltaprimo && profopath == 1 && x == 0.0 && y == 0.0)
        nonsaltaultimo = false;
    if (profopath == 1 && daticreatred[16] > 0.0)
        nonsaltaultimo = true;

    if (qualetestocontrol == 0) {
        // The offsets are in millimetres and not scaled. The revolution's
        // profile is reflected, so its offsets are exchanged too.
        double xs, ys;
        if (profopath == 0) {
            xs = x + daticreatred[16] / 1000.0;
            ys = y + daticreatred[17] / 1000.0;
        } else {
            xs = x + daticreatred[17] / 1000.0;
            ys = y + daticreatred[16] / 1000.0;
        }
        if (!nonsaltaultimo) {
            ++punti_saltati;
            return;
        }
        Riga riga;
        riga.testo(",\r").numero(xs).testo(", ").numero(ys).testo(", ").intero(stato);
        riga.aggiungiA(esportastringa);
    } else if (qualetestocontrol == 1) {
        Riga riga;
        riga.testo(",\r   ").numero(x).testo(", ").numero(y).testo(", ").numero(z).testo(", 0");
        riga.aggiungiA(esportastringa);
        lastx = x;
        lasty = y;
        lastz = z;
    }
}

int testocrea_cosa(int kind, int stato)
{
    const double x1 = Forme::xprec;
    const double y1 = Forme::yprec;
    const double x2 = Forme::xprec + Forme::dx;
    const double y2 = Forme::yprec + Forme::dy;
    const double z1 = Forme::zprec;
    const double z2 = Forme::zprec + Forme::dz;
    const int before = consegnati;
    switch (kind) {
    case listello:
    case listello_inverso: taggiungi_punto(x2, y2, z2, stato); break;
    case toro: tcrea_arco_180(x1, y1, x2, y2, z1, z2, 1, stato); break;
    case toro_inverso: tcrea_arco_180(x1, y1, x2, y2, z1, z2, -1, stato); break;
    case ovolo: tcrea_arco_90(x1, y1, x2, y2, z1, z2, 1, stato); break;
    case cavetto: tcrea_arco_90(x1, y1, x2, y2, z1, z2, 7, stato); break;
    case ovolo_ellittico: tcrea_oval_90(x1, y1, x2, y2, z1, z2, 0, stato); break;
    case cavetto_ellittico: tcrea_oval_90(x1, y1, x2, y2, z1, z2, 1, stato); break;
    case gola_diritta: tcrea_gola_arc(x1, y1, x2, y2, z1, z2, 1, stato); break;
    case gola_rovescia: tcrea_gola_arc(x1, y1, x2, y2, z1, z2, 7, stato); break;
    case gola_diritta_ellittica: tcrea_gola_ova(x1, y1, x2, y2, z1, z2, 0, stato); break;
    case gola_rovescia_ellittica: tcrea_gola_ova(x1, y1, x2, y2, z1, z2, 1, stato); break;
    default: break; // no kind: nothing written
    }
    return consegnati - before;
}

} // namespace esportazione
