#include "model/geometria.h"

#include "model/forme.h"
#include "model/schermo.h"
#include "platform/conversions.h"
#include "platform/yield.h"

#include <algorithm>
#include <cmath>

namespace Geometria {

using platform::kHalfPi;
using platform::kPi;
using platform::kQuarterPi;

namespace {

// Ratios fed to arcsin and arccos stay within [-1, 1] even when rounding
// pushes a quotient a hair past it.
double unitario(double v) { return std::clamp(v, -1.0, 1.0); }

// The chord's direction on screen, from its start to its end.
double direzione(double x1, double y1, double x2, double y2, double d)
{
    const double a = std::asin(unitario((y2 - y1) / d));
    return x1 < x2 ? a : kPi - a;
}

} // namespace

// Draws the N segments of a curve: point i is punto(i) raised by the height
// z1 + zs * i, and the first segment starts at the raised chord start.
template <class PuntoDi> void Disegno::traccia(double x1, double y1, double z1, double z2, int n, PuntoDi punto)
{
    if (n <= 0)
        return;
    const double zs = (z2 - z1) / n;
    double px = x1 + z1, py = y1 - z1;
    for (int i = 1; i <= n; ++i) {
        const auto [cx, cy] = punto(i);
        const double h = z1 + zs * i;
        const double qx = cx + h, qy = cy - h;
        segmento(px, py, qx, qy);
        px = qx;
        py = qy;
        platform::yieldToEventLoop();
    }
}

// The midpoint, also kept as the last point the drawing took.
Punto Disegno::punto_medio(double x1, double y1, double x2, double y2)
{
    const Punto m = medio(x1, y1, x2, y2);
    geom_x = m.x;
    geom_y = m.y;
    geom = true;
    return m;
}

void Disegno::arco_180(double x1, double y1, double x2, double y2, double z1, double z2, int dir)
{
    const Punto m = punto_medio(x1, y1, x2, y2);
    const double mx = m.x, my = m.y;
    const double d = distanza_2punti(x1, y1, x2, y2);
    // A chord of no length has no direction: there is no curve to draw.
    if (!(d > 0.0))
        return;
    const int n = 2 * risoluzione;
    const double a0 = direzione(x1, y1, x2, y2, d);
    const double r = d / 2.0;
    traccia(x1, y1, z1, z2, n, [&](int i) {
        const double a = a0 + kPi + (kPi / n) * i * dir;
        return Punto{mx + r * std::cos(a), my + r * std::sin(a)};
    });
}

void Disegno::arco_90(double x1, double y1, double x2, double y2, double z1, double z2, int q)
{
    const double d = distanza_2punti(x1, y1, x2, y2);
    if (!(d > 0.0))
        return;
    const int n = risoluzione;
    const double a0 = direzione(x1, y1, x2, y2, d);
    const double r = d / std::sqrt(2.0);
    const double cx = x1 + r * std::cos(a0 + kQuarterPi * q);
    const double cy = y1 + r * std::sin(a0 + kQuarterPi * q);
    const int s = platform::CInt(std::abs(6.0 - q) / (6.0 - q));
    traccia(x1, y1, z1, z2, n, [&](int i) {
        const double a = kQuarterPi * (4 + s) + a0 + s * (kHalfPi / n) * i;
        return Punto{cx + r * std::cos(a), cy + r * std::sin(a)};
    });
}

void Disegno::oval_90(double x1, double y1, double x2, double y2, double z1, double z2, int q)
{
    const double a = std::abs(x2 - x1);
    const double b = std::abs(y2 - y1);
    const double d = distanza_2punti(x1, y1, x2, y2);
    if (a == 0.0 || b == 0.0)
        return;
    const int n = risoluzione;
    // The chord's quadrant, counter-clockwise with y upward: 0 right and up,
    // 1 left and up, 2 left and down, 3 right and down.
    const int k1 = static_cast<int>(std::floor(std::acos(unitario((x2 - x1) / d)) / kHalfPi));
    const int k2 = static_cast<int>(std::floor(std::asin(unitario((y1 - y2) / d)) / kHalfPi));
    const int quadrante = (k1 - k2) + 2 * k2 * (k1 + k2);
    // The centre is the corner of the chord's box on the side away from the bulge.
    const double cx = x1 + std::cos(kHalfPi * (quadrante + q)) * a;
    const double cy = y1 - std::sin(kHalfPi * (quadrante + q)) * b;
    const int inizio = quadrante + 2 + q;
    const int s = q == 0 ? -1 : q;
    traccia(x1, y1, z1, z2, n, [&](int i) {
        const double t = kHalfPi * inizio + s * (kHalfPi / n) * i;
        return Punto{cx + std::cos(t) * a, cy - std::sin(t) * b};
    });
}

void Disegno::gola_arc(double x1, double y1, double x2, double y2, double z1, double z2, int q)
{
    const Punto m = punto_medio(x1, y1, x2, y2);
    const double mx = m.x, my = m.y;
    const double zm = z1 + platform::CInt((z2 - z1) / 2.0);
    const double s = std::abs(6.0 - q) / (6.0 - q);
    arco_90(x1, y1, mx, my, z1, zm, platform::CInt(4.0 - 3.0 * s));
    arco_90(mx, my, x2, y2, zm, z2, platform::CInt(4.0 + 3.0 * s));
}

void Disegno::gola_ova(double x1, double y1, double x2, double y2, double z1, double z2, int q)
{
    const Punto m = punto_medio(x1, y1, x2, y2);
    const double mx = m.x, my = m.y;
    const double zm = z1 + platform::CInt((z2 - z1) / 2.0);
    oval_90(x1, y1, mx, my, z1, zm, q);
    oval_90(mx, my, x2, y2, zm, z2, 1 - q);
}

void Disegno::elemento(const ElementRow& row, int kind)
{
    const double x1 = vista.pixel_x(row[kX0]);
    const double y1 = vista.pixel_y(row[kY0]);
    const double x2 = vista.pixel_x(row[kDX] + row[kX0]);
    const double y2 = vista.pixel_y(row[kDY] + row[kY0]);
    const double z1 = vista.pixel_z(row[kZ0]);
    const double z2 = vista.pixel_z(row[kZ0] + row[kDZ]);

    if (schermo)
        Schermo::schermo().Refresh();

    chiaro = (z1 != 0.0 || z2 != 0.0);
    if (chiaro)
        segmento(x2, y2, x2 + z2, y2 - z2);

    // Each kind is drawn by one routine; with height, first flat in violet.
    auto disegna = [&](auto routine) {
        if (chiaro)
            routine(0.0, 0.0);
        chiaro = false;
        routine(z1, z2);
    };
    switch (kind) {
    case listello:
    case listello_inverso: disegna([&](double h1, double h2) { segmento(x1 + h1, y1 - h1, x2 + h2, y2 - h2); }); break;
    case toro:
    case toro_inverso: {
        const int dir = kind == toro ? -1 : 1;
        disegna([&](double h1, double h2) { arco_180(x1, y1, x2, y2, h1, h2, dir); });
        break;
    }
    case ovolo:
    case cavetto: {
        const int q = kind == ovolo ? 7 : 1;
        disegna([&](double h1, double h2) { arco_90(x1, y1, x2, y2, h1, h2, q); });
        break;
    }
    case ovolo_ellittico:
    case cavetto_ellittico: {
        const int q = kind == ovolo_ellittico ? 1 : 0;
        disegna([&](double h1, double h2) { oval_90(x1, y1, x2, y2, h1, h2, q); });
        break;
    }
    case gola_diritta:
    case gola_rovescia: {
        const int q = kind == gola_diritta ? 7 : 1;
        disegna([&](double h1, double h2) { gola_arc(x1, y1, x2, y2, h1, h2, q); });
        break;
    }
    case gola_diritta_ellittica:
    case gola_rovescia_ellittica: {
        const int q = kind == gola_diritta_ellittica ? 1 : 0;
        disegna([&](double h1, double h2) { gola_ova(x1, y1, x2, y2, h1, h2, q); });
        break;
    }
    default: break; // an unknown kind shows only its elevation tick
    }
}

// --- The editor's drawing: the same routines with the editor's globals.

void dis_arco_180(double x1, double y1, double x2, double y2, double z1, double z2, int dir)
{
    con_disegno_editor([&](Disegno& d) { d.arco_180(x1, y1, x2, y2, z1, z2, dir); });
}

void dis_arco_90(double x1, double y1, double x2, double y2, double z1, double z2, int q)
{
    con_disegno_editor([&](Disegno& d) { d.arco_90(x1, y1, x2, y2, z1, z2, q); });
}

void dis_oval_90(double x1, double y1, double x2, double y2, double z1, double z2, int q)
{
    con_disegno_editor([&](Disegno& d) { d.oval_90(x1, y1, x2, y2, z1, z2, q); });
}

void dis_gola_arc(double x1, double y1, double x2, double y2, double z1, double z2, int q)
{
    con_disegno_editor([&](Disegno& d) { d.gola_arc(x1, y1, x2, y2, z1, z2, q); });
}

void dis_gola_ova(double x1, double y1, double x2, double y2, double z1, double z2, int q)
{
    con_disegno_editor([&](Disegno& d) { d.gola_ova(x1, y1, x2, y2, z1, z2, q); });
}

void disegna_cosa(int kind)
{
    using namespace Forme;
    const ElementRow corrente{0.0, xprec, yprec, dx, dy, zprec, dz};
    con_disegno_editor([&](Disegno& d) { d.elemento(corrente, kind); });
}

} // namespace Geometria
