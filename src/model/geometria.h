#pragma once
// The editor's view, grid and drawing flags, the projection and the drawing
// of the chain. Every drawing routine here is the editor's: it draws with
// the Disegno these globals make (disegno_editor) and leaves what it did in
// them (conserva).
#include "model/disegno.h"
#include "platform/picture.h"

#include <vector>

namespace Geometria {

// The editor's view: window pixel of the model origin and pixels per
// millimetre.
extern int origx, origy;
extern double zmfct;
// The same as one value.
Vista vista_editor();
// The initial view: one pixel a millimetre, the origin in the middle of the
// main window.
void vista_iniziale();

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
const platform::CurveShape& ultima_linea();

void punto_medio(double x1, double y1, double x2, double y2);
// The midpoint itself, touching no global.
Punto medio(double x1, double y1, double x2, double y2);
double distanza_2punti(double x1, double y1, double x2, double y2);

// The editor's drawing as these globals and Forme::risoluzione give it:
// live on the main window, into the backdrop while gri_aggiungipict is
// set, measured into zxmin..zymax while calc_zoom is set.
Disegno disegno_editor();
// What a drawing of the editor leaves: archiaro, the box while measuring,
// x_geom and y_geom, the segment object.
void conserva(const Disegno& d);
// Runs f on the editor's drawing and keeps what it left.
template <class F> void con_disegno_editor(F f)
{
    Disegno d = disegno_editor();
    f(d);
    conserva(d);
}

// The projection in the editor's view (see Vista).
int pixel_x(double x);
int pixel_y(double y);
int pixel_z(double z);

// One segment in window pixels: drawn live on the main window (and into the
// backdrop while gri_aggiungipict is set), or, while calc_zoom is set, only
// measured by its end point.
void dis_linea(double x1, double y1, double x2, double y2);
// Makes the segment object anew with the colour the drawing flags give.
void nuova_linea();

// Draws the current element of Forme as the given kind over a refreshed main
// window: with height, first the elevation tick and the plan shadow.
void disegna_cosa(int kind);

// The curves, in window pixels: chord (x1, y1)-(x2, y2), heights z1 and z2.
void dis_arco_180(double x1, double y1, double x2, double y2, double z1, double z2, int dir);
void dis_arco_90(double x1, double y1, double x2, double y2, double z1, double z2, int q);
void dis_oval_90(double x1, double y1, double x2, double y2, double z1, double z2, int q);
void dis_gola_arc(double x1, double y1, double x2, double y2, double z1, double z2, int q);
void dis_gola_ova(double x1, double y1, double x2, double y2, double z1, double z2, int q);

// Rebuilds the backdrop picture (grid, axes glyph, origin mark, the chain),
// sets the current start to the insertion point or selection and installs
// the picture as the main window's backdrop.
void disegna_griglia();

// The pixel positions of the grid lines on one axis, from the origin outwards
// to each side (the line through the origin comes once per side); empty when
// the step is below 5 pixels.
std::vector<int> linee_griglia(double origine, double lato, double passo);

// The chain edits. Each marks the document modified, keeps the chain
// connected and refreshes the backdrop and the numeric editor; a refused
// edit only beeps.
void elemento_aggiungi();
void elemento_elimina();
void elemento_modifica();
// True when the add refuses an element of palette tool `tool` and kind
// `kind` with this extent: one that does not move at all, a curve with no
// extent in x and y, or an elliptical curve without an x or a y extent.
bool estensione_rifiutata(int tool, int kind, double dx, double dy, double dz);

} // namespace Geometria
