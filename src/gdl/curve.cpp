// The points of the curved elements, in model coordinates (metres, y up).
// Every routine hands its inner points (status 1) and then its end point to
// taggiungi_punto, from the start towards the end; the start point itself is
// never written, the previous point stands for it. The end point is always
// the given (x2, y2), and the heights run evenly from z1 to z2.
#include "gdl/esportazione.h"
#include "gdl/scrittura.h"
#include "model/geometria.h"
#include "platform/conversions.h"

#include <algorithm>
#include <cmath>

namespace esportazione {

namespace {

using platform::kHalfPi;
using platform::kPi;
using platform::kQuarterPi;

double asinLimitata(double q) { return std::asin(std::clamp(q, -1.0, 1.0)); }
double acosLimitata(double q) { return std::acos(std::clamp(q, -1.0, 1.0)); }

// Direction of the chord in radians, for the circular curves.
double angoloCorda(double x1, double y1, double x2, double y2, double d)
{
    const double s = asinLimitata((y2 - y1) / d);
    return x1 < x2 ? s : kPi - s;
}

} // namespace

// An inner point. A curve whose chord has no length has no shape: its inner
// points fall on its end point. A point that came out of range (coordinates
// so large that the curve's sizes overflow) is put there too, so that no
// undefined number reaches the text, and the text is marked as one that
// does not say what the data say.
void Generatore::puntoInterno(double px, double py, double x2, double y2, double z)
{
    if (!std::isfinite(px) || !std::isfinite(py)) {
        nonFinito = true;
        px = x2;
        py = y2;
    }
    taggiungi_punto(px, py, z, 1);
    scrittura::cedi();
}

void Generatore::tcrea_arco_180(double x1, double y1, double x2, double y2, double z1, double z2, int dir, int stato)
{
    const int n = 2 * risoluzione_generatore();
    const Geometria::Punto m = Geometria::medio(x1, y1, x2, y2);
    const double mx = m.x;
    const double my = m.y;
    const double d = Geometria::distanza_2punti(x1, y1, x2, y2);
    const double zs = (z2 - z1) / n;
    const bool conCorda = d > 0.0;
    const double a0 = conCorda ? angoloCorda(x1, y1, x2, y2, d) : 0.0;
    const double raggio = d / 2.0;
    for (int i = 1; i <= n - 1; ++i) {
        const double z = z1 + zs * i;
        if (!conCorda) {
            puntoInterno(x2, y2, x2, y2, z);
            continue;
        }
        const double t = a0 + (kPi + (kPi / n * i) * dir);
        puntoInterno(mx + raggio * std::cos(t), my + raggio * std::sin(t), x2, y2, z);
    }
    taggiungi_punto(x2, y2, z1 + zs * n, stato);
}

void Generatore::tcrea_arco_90(double x1, double y1, double x2, double y2, double z1, double z2, int dir, int stato)
{
    const int n = risoluzione_generatore();
    const double d = Geometria::distanza_2punti(x1, y1, x2, y2);
    const double zs = (z2 - z1) / n;
    const bool conCorda = d > 0.0;
    const double a0 = conCorda ? angoloCorda(x1, y1, x2, y2, d) : 0.0;
    const double raggio = d / std::sqrt(2.0);
    // The centre lies 45 degrees off the chord: counter-clockwise for dir 1,
    // clockwise for dir 7.
    const double gx = x1 + raggio * std::cos(a0 + kQuarterPi * dir);
    const double gy = y1 + raggio * std::sin(a0 + kQuarterPi * dir);
    const double s = dir < 6 ? 1.0 : -1.0;
    for (int i = 1; i <= n - 1; ++i) {
        const double z = z1 + zs * i;
        if (!conCorda) {
            puntoInterno(x2, y2, x2, y2, z);
            continue;
        }
        const double t = (kQuarterPi * (4 + s) + a0) + s * (kHalfPi / n * i);
        puntoInterno(gx + raggio * std::cos(t), gy + raggio * std::sin(t), x2, y2, z);
    }
    taggiungi_punto(x2, y2, z1 + zs * n, stato);
}

void Generatore::tcrea_oval_90(double x1, double y1, double x2, double y2, double z1, double z2, int dir, int stato)
{
    const int n = risoluzione_generatore();
    const double a = std::abs(x2 - x1);
    const double b = std::abs(y2 - y1);
    const double d = Geometria::distanza_2punti(x1, y1, x2, y2);
    const double zs = (z2 - z1) / n;
    // A flat quarter ellipse is its end point alone.
    if (a == 0.0 || b == 0.0) {
        taggiungi_punto(x2, y2, z1 + zs * n, stato);
        return;
    }
    // The chord's quadrant: 0 right and down, 1 left and down, 2 left and
    // up, 3 right and up.
    const double k1 = std::floor(acosLimitata((x2 - x1) / d) / kHalfPi);
    const double k2 = std::floor(asinLimitata((y1 - y2) / d) / kHalfPi);
    const double q = (k1 - k2) + (2 * k2) * (k1 + k2);
    // The centre is a corner of the chord's bounding box.
    const double gx = x1 + std::cos(kHalfPi * (q + dir)) * a;
    const double gy = y1 - std::sin(kHalfPi * (q + dir)) * b;
    const double inizio = (q + 2) + dir;
    const double s = dir == 0 ? -1.0 : dir;
    for (int i = 1; i <= n - 1; ++i) {
        const double t = kHalfPi * inizio + s * (kHalfPi / n * i);
        puntoInterno(gx + std::cos(t) * a, gy - std::sin(t) * b, x2, y2, z1 + zs * i);
    }
    taggiungi_punto(x2, y2, z1 + zs * n, stato);
}

namespace {

// The joint of a double curve: the chord's midpoint at the middle height.
struct Giunto {
    double x, y, z;
};

Giunto giunto(double x1, double y1, double x2, double y2, double z1, double z2)
{
    const Geometria::Punto m = Geometria::medio(x1, y1, x2, y2);
    return {m.x, m.y, z1 + (z2 - z1) / 2.0};
}

} // namespace

void Generatore::tcrea_gola_arc(double x1, double y1, double x2, double y2, double z1, double z2, int dir, int stato)
{
    const Giunto m = giunto(x1, y1, x2, y2, z1, z2);
    const int d1 = dir == 7 ? 7 : 1;
    const int d2 = dir == 7 ? 1 : 7;
    tcrea_arco_90(x1, y1, m.x, m.y, z1, m.z, d1, 1);
    tcrea_arco_90(m.x, m.y, x2, y2, m.z, z2, d2, stato);
}

void Generatore::tcrea_gola_ova(double x1, double y1, double x2, double y2, double z1, double z2, int dir, int stato)
{
    const Giunto m = giunto(x1, y1, x2, y2, z1, z2);
    tcrea_oval_90(x1, y1, m.x, m.y, z1, m.z, dir, 1);
    tcrea_oval_90(m.x, m.y, x2, y2, m.z, z2, 1 - dir, stato);
}

} // namespace esportazione
