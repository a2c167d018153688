#include "model/geometria.h"

#include "model/schermo.h"
#include "platform/conversions.h"

#include <algorithm>
#include <cmath>

namespace Geometria {

int pixel_x(double x) { return platform::CInt(static_cast<double>(origx) + x * zmfct); }
int pixel_y(double y) { return platform::CInt(static_cast<double>(origy) - y * zmfct); }
int pixel_z(double z) { return platform::CInt(z * zmfct); }

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

// The segment object every segment is drawn with.
platform::CurveShape linea_dis;

} // namespace

const platform::CurveShape& ultima_linea() { return linea_dis; }

void nuova_linea()
{
    // Every property is set anew, as on a newly made segment.
    linea_dis.X = linea_dis.Y = linea_dis.X2 = linea_dis.Y2 = 0.0;
    linea_dis.Fill = 0.0;
    linea_dis.Border = 100.0;
    linea_dis.BorderWidth = 1.0;
    // Each rule overrides the ones before it.
    const ColoriLinea& c = colori_linea();
    const QColor* color = &c.rosso;
    if (gri_aggiungipict)
        color = &c.nero;
    if (gri_successivi)
        color = &c.grigio_verde;
    if (archiaro) {
        color = &c.viola;
        if (gri_successivi)
            color = &c.viola_chiaro;
    }
    linea_dis.BorderColor = *color;
}

void dis_linea(double x1, double y1, double x2, double y2)
{
    if (calc_zoom) {
        // Only the end point grows the box. A view without a zoom has no
        // millimetres to measure in.
        const double xm = (x2 - origx) / zmfct;
        const double ym = (origy - y2) / zmfct;
        if (std::isfinite(xm) && std::isfinite(ym)) {
            zxmin = std::min(xm, zxmin);
            zxmax = std::max(xm, zxmax);
            zymin = std::min(ym, zymin);
            zymax = std::max(ym, zymax);
        }
        return;
    }
    nuova_linea();
    linea_dis.X = 0.0;
    linea_dis.Y = 0.0;
    linea_dis.X2 = x2 - x1;
    linea_dis.Y2 = y2 - y1;
    x_geom = x1;
    y_geom = y1;
    const int ox = platform::CInt(x1);
    const int oy = platform::CInt(y1);
    Schermo::schermo().disegna_segmento(linea_dis, ox, oy);
    if (gri_aggiungipict && griglia)
        griglia->graphics().DrawObject(linea_dis, ox, oy);
}

} // namespace Geometria
