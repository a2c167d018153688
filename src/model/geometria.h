#pragma once
// The view, the projection and the drawing of the chain.
#include "platform/picture.h"

namespace Geometria {

// The view: window pixel of the model origin and pixels per millimetre.
extern int origx, origy;
extern double zmfct;

// The grid: spacing in whole millimetres, snapping and display.
extern int grx, gry;
extern bool gridon, gridvis;

// Measuring: while calc_zoom is set, drawing only grows the bounding box.
extern bool calc_zoom;
extern double zxmin, zymin, zxmax, zymax;

// The midpoint left by punto_medio (and the start of the last segment drawn).
extern double x_geom, y_geom;

// Drawing flags that choose where segments go and their colour.
extern bool gri_aggiungipict, gri_successivi, archiaro;

// The backdrop picture of the main window (grid, axes glyph and the chain).
extern platform::PicturePtr griglia;

// The segment object of the last segment drawn.
extern platform::CurveShape linea_dis;

void punto_medio(double x1, double y1, double x2, double y2);
double distanza_2punti(double x1, double y1, double x2, double y2);

} // namespace Geometria
