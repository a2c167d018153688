#include "editor/puntatore.h"

#include "model/geometria.h"
#include "platform/conversions.h"

#include <cmath>

namespace puntatore {

namespace {

// Millimetres of a pixel offset; nothing before the view has a zoom.
double millimetri(double offset, double zoom)
{
    if (!(zoom > 0.0) || !std::isfinite(zoom))
        return 0.0;
    return offset / zoom;
}

} // namespace

double agganciaPixel(double offset, int passo, double zoom)
{
    if (offset == 0.0 || passo <= 0)
        return offset;
    const double g = passo * zoom;
    if (!(g > 0.0) || !std::isfinite(g))
        return offset;
    const double s = offset / std::abs(offset);
    return platform::CInt(platform::CInt((offset + s * g / 2.0) / g) * g);
}

Posizione converti(int x, int y)
{
    using namespace Geometria;
    Posizione p;
    // Offsets in 64 bits: the origin may lie anywhere in the Integer range.
    p.px = static_cast<double>(static_cast<long long>(x) - origx);
    p.py = static_cast<double>(static_cast<long long>(y) - origy);
    p.xgr = millimetri(p.px, zmfct);
    p.ygr = -millimetri(p.py, zmfct);
    if (!gridon)
        return p;
    p.px = agganciaPixel(p.px, grx, zmfct);
    p.py = agganciaPixel(p.py, gry, zmfct);
    // The snapped position is a whole number of grid steps.
    if (grx > 0)
        p.xgr = platform::Round(millimetri(p.px, zmfct) / grx) * grx;
    if (gry > 0)
        p.ygr = platform::Round(-millimetri(p.py, zmfct) / gry) * gry;
    return p;
}

} // namespace puntatore
