#pragma once
// The fit of a bounding box (in mm) into a view of a given size in pixels:
// the zoom that makes the box, with a margin added to its width and height,
// fill the limiting side, and the origin that centres it.
#include "model/disegno.h"

namespace vista {

// The box a measuring drawing grows.
using Riquadro = Geometria::Riquadro;

// The zoom of the fit; NaN when the box is not a number. A box too large
// for a Double gives 0.
double zoomAdatto(const Riquadro& box, double larghezza, double altezza, double margine);

struct Origine {
    int x = 0;
    int y = 0;
};

// The origin that puts the box in the middle of the view at this zoom (the
// y axis points up on paper, down on screen).
Origine origineCentrata(const Riquadro& box, double larghezza, double altezza, double zoom);

} // namespace vista
