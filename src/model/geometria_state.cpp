#include "model/geometria.h"

#include "model/stato.h"
#include "platform/conversions.h"

#include <cmath>

namespace Geometria {

int origx = 0, origy = 0;
double zmfct = 0.0;
int grx = 0, gry = 0;
bool gridon = false, gridvis = false;
bool calc_zoom = false;
double zxmin = 0.0, zymin = 0.0, zxmax = 0.0, zymax = 0.0;
double x_geom = 0.0, y_geom = 0.0;
bool gri_aggiungipict = false, gri_successivi = false, archiaro = false;
platform::PicturePtr griglia;

void vista_iniziale()
{
    origx = platform::CInt(Globali::larghezzaDisegno() / 2.0);
    origy = platform::CInt(Globali::altezzaDisegno() / 2.0);
    zmfct = 1.0;
}

Punto medio(double x1, double y1, double x2, double y2) { return {(x1 + x2) / 2.0, (y1 + y2) / 2.0}; }

void punto_medio(double x1, double y1, double x2, double y2)
{
    const Punto m = medio(x1, y1, x2, y2);
    x_geom = m.x;
    y_geom = m.y;
}

double distanza_2punti(double x1, double y1, double x2, double y2)
{
    return std::sqrt(std::pow(y2 - y1, 2.0) + std::pow(x2 - x1, 2.0));
}

} // namespace Geometria
