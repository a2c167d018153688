// The point lines of a statement and the dispatch of one element to the
// routine that writes its points.
#include "gdl/esportazione.h"
#include "gdl/testo.h"

#include <algorithm>

namespace esportazione {

int Generatore::risoluzione_generatore() const { return std::clamp(risoluzione, 1, kMaxRisoluzione); }

void Generatore::taggiungi_punto(double x, double y, double z, int stato)
{
    using testo::Riga;
    ++m_consegnati;
    nonsaltaultimo = true;
    if (dati[9] == 2.0) // "Virtual edges": no smooth joints
        stato = 0;
    // A revolution leaves out a point on the axis origin, except its first
    // point and unless the profile is shifted off the axis.
    if (!masaltaprimo && profopath == 1 && x == 0.0 && y == 0.0)
        nonsaltaultimo = false;
    if (profopath == 1 && dati[16] > 0.0)
        nonsaltaultimo = true;

    if (qualetestocontrol == 0) {
        // The offsets are in millimetres and not scaled. The revolution's
        // profile is reflected, so its offsets are exchanged too.
        double xs, ys;
        if (profopath == 0) {
            xs = x + dati[16] / 1000.0;
            ys = y + dati[17] / 1000.0;
        } else {
            xs = x + dati[17] / 1000.0;
            ys = y + dati[16] / 1000.0;
        }
        if (!nonsaltaultimo) {
            ++punti_saltati;
            return;
        }
        Riga riga(nonFinito);
        riga.testo(",\r").numero(xs).testo(", ").numero(ys).testo(", ").intero(stato);
        riga.aggiungiA(testo);
    } else if (qualetestocontrol == 1) {
        Riga riga(nonFinito);
        riga.testo(",\r   ").numero(x).testo(", ").numero(y).testo(", ").numero(z).testo(", 0");
        riga.aggiungiA(testo);
        lastx = x;
        lasty = y;
        lastz = z;
    }
}

int Generatore::testocrea_cosa(int kind, int stato)
{
    const double x1 = xprec;
    const double y1 = yprec;
    const double x2 = xprec + dx;
    const double y2 = yprec + dy;
    const double z1 = zprec;
    const double z2 = zprec + dz;
    const int before = m_consegnati;
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
    return m_consegnati - before;
}

} // namespace esportazione
