#include "model/geometria.h"

#include "editor/fin_principale.h"
#include "platform/conversions.h"

#include <algorithm>
#include <cmath>

namespace Geometria {

int pixel_x(double x) { return platform::CInt(static_cast<double>(origx) + x * zmfct); }
int pixel_y(double y) { return platform::CInt(static_cast<double>(origy) - y * zmfct); }
int pixel_z(double z) { return platform::CInt(z * zmfct); }

void nuova_linea()
{
    linea_dis = platform::CurveShape();
    linea_dis.Fill = 0.0;
    linea_dis.Border = 100.0;
    linea_dis.BorderWidth = 1.0;
    // Each rule overrides the ones before it.
    QColor color = platform::hsv(0.0, 1.0, 1.0);
    if (gri_aggiungipict)
        color = platform::hsv(0.0, 0.0, 0.0);
    if (gri_successivi)
        color = platform::hsv(0.5, 0.3, 0.65);
    if (archiaro) {
        color = platform::hsv(0.75, 0.4, 0.7);
        if (gri_successivi)
            color = platform::hsv(0.75, 0.25, 1.0);
    }
    linea_dis.BorderColor = color;
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
    fin_principale::instance().graphics().DrawObject(linea_dis, ox, oy);
    if (gri_aggiungipict && griglia)
        griglia->graphics().DrawObject(linea_dis, ox, oy);
}

} // namespace Geometria
