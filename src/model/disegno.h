#pragma once
// A drawing of elements: the view it projects with, the arc resolution it
// draws curves at and where its segments go. The editor draws with the one
// its globals make (the routines of geometria.h); a "Create 3D" preview
// draws with its own, into its own picture, and leaves the editor's view,
// resolution, current element and drawing flags as they are.
#include "model/element.h"
#include "platform/picture.h"

namespace Geometria {

// A view: the window pixel of the model origin and pixels per millimetre.
// Each term of the projection is truncated on its own: a point (x, y, z) is
// drawn at (pixel_x(x) + pixel_z(z), pixel_y(y) - pixel_z(z)).
struct Vista {
    int origx = 0;
    int origy = 0;
    double zmfct = 1.0;

    int pixel_x(double x) const;
    int pixel_y(double y) const;
    int pixel_z(double z) const;
};

// A point in window pixels or model millimetres.
struct Punto {
    double x, y;
};

// A bounding box in model millimetres.
struct Riquadro {
    double xmin = 0.0;
    double ymin = 0.0;
    double xmax = 0.0;
    double ymax = 0.0;
};

class Disegno {
public:
    Vista vista;
    // Segments per quarter circle.
    int risoluzione = 8;

    // Where the segments go: live onto the main window (schermo), and into
    // the picture while nellaFigura is set (drawn black then, even with no
    // picture). While misura is set they go nowhere: only each segment's
    // end point grows box.
    bool schermo = false;
    bool nellaFigura = false;
    platform::Picture* figura = nullptr;
    bool misura = false;
    Riquadro box;

    // The colour flags: the elements after the insertion point, set apart;
    // the flat shadow of an element with height (set while it is drawn).
    bool successivi = false;
    bool chiaro = false;

    // The last midpoint a curve took, or the start of the last segment
    // drawn, whichever came later; geom tells whether there was one.
    double geom_x = 0.0;
    double geom_y = 0.0;
    bool geom = false;

    // The segment object every segment is drawn with.
    platform::CurveShape linea;

    // One segment in window pixels.
    void segmento(double x1, double y1, double x2, double y2);
    // Makes the segment object anew with the colour the flags give.
    void nuova_linea();
    // The element with the row's start and extent (mm) drawn as kind `kind`:
    // with height, first the elevation tick and the flat shadow. Drawn live,
    // it first wipes the main window's live drawing.
    void elemento(const ElementRow& row, int kind);

    // The curves, in window pixels: chord (x1, y1)-(x2, y2), heights z1, z2.
    void arco_180(double x1, double y1, double x2, double y2, double z1, double z2, int dir);
    void arco_90(double x1, double y1, double x2, double y2, double z1, double z2, int q);
    void oval_90(double x1, double y1, double x2, double y2, double z1, double z2, int q);
    void gola_arc(double x1, double y1, double x2, double y2, double z1, double z2, int q);
    void gola_ova(double x1, double y1, double x2, double y2, double z1, double z2, int q);

private:
    Punto punto_medio(double x1, double y1, double x2, double y2);
    template <class PuntoDi> void traccia(double x1, double y1, double z1, double z2, int n, PuntoDi punto);
};

} // namespace Geometria
