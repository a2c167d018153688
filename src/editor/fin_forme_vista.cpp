// The view commands (zoom about the window's centre, the initial view, the
// fit to the drawing) and the mirror and quarter turn of the whole chain.
#include "editor/fin_forme.h"

#include "app/globali.h"
#include "editor/fin_principale.h"
#include "editor/vista_adattata.h"
#include "model/forme.h"
#include "model/geometria.h"
#include "platform/beep.h"
#include "platform/conversions.h"
#include "platform/yield.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// The rows of the chain that the table really holds.
int righeCatena() { return std::clamp(Forme::poli_q, 0, Forme::polilinea.rowCount()); }

bool inIntero(double v) { return std::isfinite(v) && v >= INT_MIN && v <= INT_MAX; }

// A new view for a zoom step, or false when the step would take the zoom
// out of its range or the origin beyond the Integer range.
bool passoZoom(double fattore, double cx, double cy)
{
    using namespace Geometria;
    const double zoom = zmfct * fattore;
    if (!(zoom >= fin_forme::kZoomMin && zoom <= fin_forme::kZoomMax))
        return false;
    const double x = cx + (origx - cx) * fattore;
    const double y = cy + (origy - cy) * fattore;
    if (!inIntero(x) || !inIntero(y))
        return false;
    zmfct = zoom;
    origx = platform::CInt(x);
    origy = platform::CInt(y);
    return true;
}

// Fits the view to the chain's bounding box, which always holds the origin,
// with a margin of 20 mm on the limiting side.
void adattaAlDisegno(double larghezza, double altezza)
{
    using namespace Geometria;
    const int q = righeCatena();
    if (q <= 0)
        return;
    calc_zoom = true;
    zxmin = zymin = zxmax = zymax = 0.0;
    for (int i = 0; i < q; ++i) {
        const ElementRow& r = Forme::polilinea.row(i);
        Forme::carica_posizione(r);
        disegna_cosa(platform::CInt(r[kKind]));
        platform::yieldToEventLoop();
    }
    calc_zoom = false;
    const vista::Riquadro box{zxmin, zymin, zxmax, zymax};
    const double zoom = vista::zoomAdatto(box, larghezza, altezza, 20.0);
    if (std::isnan(zoom))
        return;
    zmfct = std::clamp(zoom, fin_forme::kZoomMin, fin_forme::kZoomMax);
    const vista::Origine o = vista::origineCentrata(box, larghezza, altezza, zmfct);
    origx = o.x;
    origy = o.y;
}

} // namespace

void fin_forme::zooma(int mode)
{
    using namespace Geometria;
    platform::ChasingArrows* occupato = fin_principale::instance().ChasingArrows1;
    occupato->setVisible(true);
    occupato->repaint();

    const double larghezza = Globali::larghezzaDisegno();
    const double altezza = Globali::altezzaDisegno();
    const double cx = larghezza / 2.0;
    const double cy = altezza / 2.0;
    switch (mode) {
    case 0:
        if (!passoZoom(0.5, cx, cy))
            platform::Beep();
        break;
    case 1:
        if (!passoZoom(2.0, cx, cy))
            platform::Beep();
        break;
    case 2: vista_iniziale(); break;
    case 3: adattaAlDisegno(larghezza, altezza); break;
    default: break;
    }

    disegna_griglia();
    if (Forme::modifica)
        fin_principale::instance().aggiorna_puntini();
    occupato->setVisible(false);
}

void fin_forme::specchia(int sx, int sy)
{
    const int q = righeCatena();
    if (q > 0) {
        Globali::setModificato(true);
        specchiaCatena(Forme::polilinea, q, sx, sy);
    }
    // The view is mirrored about the window's centre, also with no chain.
    const double cx = Globali::larghezzaDisegno() / 2.0;
    const double cy = Globali::altezzaDisegno() / 2.0;
    Geometria::origx = platform::CInt(cx - sx * (cx - Geometria::origx));
    Geometria::origy = platform::CInt(cy - sy * (cy - Geometria::origy));
}

void fin_forme::ruota(int r)
{
    const int q = righeCatena();
    if (q <= 0)
        return;
    Globali::setModificato(true);
    // A quarter turn, to the left for r = 1.
    ruotaCatena(Forme::polilinea, q, r);
}
