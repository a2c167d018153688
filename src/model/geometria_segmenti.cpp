#include "model/geometria.h"

#include "model/forme.h"
#include "model/schermo.h"
#include "platform/conversions.h"

#include <algorithm>
#include <cmath>

namespace Geometria {

int Vista::pixel_x(double x) const { return platform::CInt(static_cast<double>(origx) + x * zmfct); }
int Vista::pixel_y(double y) const { return platform::CInt(static_cast<double>(origy) - y * zmfct); }
int Vista::pixel_z(double z) const { return platform::CInt(z * zmfct); }

Vista vista_editor() { return Vista{origx, origy, zmfct}; }

int pixel_x(double x) { return vista_editor().pixel_x(x); }
int pixel_y(double y) { return vista_editor().pixel_y(y); }
int pixel_z(double z) { return vista_editor().pixel_z(z); }

namespace {

// The five segment colours, made once: every segment takes one of them.
struct ColoriLinea {
    QColor rosso = platform::hsv(0.0, 1.0, 1.0);
    QColor nero = platform::hsv(0.0, 0.0, 0.0);
    QColor grigio_verde = platform::hsv(0.5, 0.3, 0.65);
    QColor viola = platform::hsv(0.75, 0.4, 0.7);
    QColor viola_chiaro = platform::hsv(0.75, 0.25, 1.0);
};

const ColoriLinea& colori_linea()
{
    static const ColoriLinea colori;
    return colori;
}

// The segment object of the editor's drawing.
platform::CurveShape linea_dis;

} // namespace

const platform::CurveShape& ultima_linea() { return linea_dis; }

void Disegno::nuova_linea()
{
    // Every property is set anew, as on a newly made segment.
    linea.X = linea.Y = linea.X2 = linea.Y2 = 0.0;
    linea.Fill = 0.0;
    linea.Border = 100.0;
    linea.BorderWidth = 1.0;
    // Each rule overrides the ones before it.
    const ColoriLinea& c = colori_linea();
    const QColor* color = &c.rosso;
    if (nellaFigura)
        color = &c.nero;
    if (successivi)
        color = &c.grigio_verde;
    if (chiaro) {
        color = &c.viola;
        if (successivi)
            color = &c.viola_chiaro;
    }
    linea.BorderColor = *color;
}

void Disegno::segmento(double x1, double y1, double x2, double y2)
{
    if (misura) {
        // Only the end point grows the box. A view without a zoom has no
        // millimetres to measure in.
        const double xm = (x2 - vista.origx) / vista.zmfct;
        const double ym = (vista.origy - y2) / vista.zmfct;
        if (std::isfinite(xm) && std::isfinite(ym)) {
            box.xmin = std::min(xm, box.xmin);
            box.xmax = std::max(xm, box.xmax);
            box.ymin = std::min(ym, box.ymin);
            box.ymax = std::max(ym, box.ymax);
        }
        return;
    }
    nuova_linea();
    linea.X = 0.0;
    linea.Y = 0.0;
    linea.X2 = x2 - x1;
    linea.Y2 = y2 - y1;
    geom_x = x1;
    geom_y = y1;
    geom = true;
    const int ox = platform::CInt(x1);
    const int oy = platform::CInt(y1);
    if (schermo)
        Schermo::schermo().disegna_segmento(linea, ox, oy);
    if (nellaFigura && figura)
        figura->graphics().DrawObject(linea, ox, oy);
}

Disegno disegno_editor()
{
    Disegno d;
    d.vista = vista_editor();
    d.risoluzione = Forme::risoluzione;
    d.schermo = true;
    d.nellaFigura = gri_aggiungipict;
    d.figura = griglia.get();
    d.misura = calc_zoom;
    d.box = Riquadro{zxmin, zymin, zxmax, zymax};
    d.successivi = gri_successivi;
    d.chiaro = archiaro;
    d.linea = linea_dis;
    return d;
}

void conserva(const Disegno& d)
{
    archiaro = d.chiaro;
    if (d.misura) {
        zxmin = d.box.xmin;
        zymin = d.box.ymin;
        zxmax = d.box.xmax;
        zymax = d.box.ymax;
    }
    if (d.geom) {
        x_geom = d.geom_x;
        y_geom = d.geom_y;
    }
    linea_dis = d.linea;
}

void nuova_linea()
{
    con_disegno_editor([&](Disegno& d) { d.nuova_linea(); });
}

void dis_linea(double x1, double y1, double x2, double y2)
{
    con_disegno_editor([&](Disegno& d) { d.segmento(x1, y1, x2, y2); });
}

} // namespace Geometria
