// Directions of the stored chains in whole degrees (counter-clockwise from
// +x, y up): the status of a profile joint and the path's end directions.
// Only x and y count; heights and a uniform scale change no direction.
#include "gdl/esportazione.h"
#include "model/geometria.h"
#include "platform/conversions.h"

#include <algorithm>
#include <cmath>

namespace esportazione {

namespace {

struct Corda {
    double x1, y1, x2, y2;
};

Corda cordaDi(const ElementRow& r) { return {r[kX0], r[kY0], r[kX0] + r[kDX], r[kY0] + r[kDY]}; }

// The chord's direction in degrees before the lower half is folded in: 0 to
// 180, from the arc cosine. False when the element has no extent in x and y,
// so that it has no direction at all.
bool gradiDaCoseno(const Corda& c, double& a)
{
    const double d = Geometria::distanza_2punti(c.x1, c.y1, c.x2, c.y2);
    if (!(d > 0.0))
        return false;
    const double q = (c.x2 - c.x1) / d;
    if (!std::isfinite(q))
        return false;
    a = platform::Round(std::acos(std::clamp(q, -1.0, 1.0)) * 360.0 / platform::kTwoPi);
    return true;
}

// The chord angle, 0 to 360.
bool angoloCorda(const ElementRow& r, double& a)
{
    const Corda c = cordaDi(r);
    if (!gradiDaCoseno(c, a))
        return false;
    if (c.y2 < c.y1)
        a = 360 - a;
    return true;
}

double avvolgi(double a) { return a >= 360 ? a - 360 : a; }

// The tangent at the end (or at the start) of an element of kind `kind` whose
// chord angle is a. The elliptical kinds leave and arrive along an axis, so
// their base is the lower bound of a's quadrant.
double tangente(double kind, double a, bool allaFine)
{
    const double t = 90.0 * platform::CInt(a / 90.0);
    double v = a;
    if (kind == 1.0)
        v = allaFine ? a + 90 : a + 270;
    else if (kind == 7.0)
        v = allaFine ? a + 270 : a + 90;
    else if (kind == 2.0)
        v = allaFine ? a + 45 : a + 315;
    else if (kind == 8.0)
        v = allaFine ? t + 90 : t;
    else if (kind == 3.0)
        v = allaFine ? a + 315 : a + 45;
    else if (kind == 9.0)
        v = allaFine ? t : t + 90;
    else if (kind == 4.0)
        v = a + 315;
    else if (kind == 10.0)
        v = t;
    else if (kind == 5.0)
        v = a + 45;
    else if (kind == 11.0)
        v = t + 90;
    return avvolgi(v);
}

bool haDirezione(const ElementRow& r)
{
    double a;
    return angoloCorda(r, a);
}

} // namespace

int calcola_stato(const ElementTable& profilo, int i)
{
    if (i < 0 || !profilo.hasRow(i + 1))
        return 0;
    const ElementRow& primo = profilo.row(i);
    const ElementRow& secondo = profilo.row(i + 1);
    double e, s;
    // A joint at an element without extent is never smooth.
    if (!angoloCorda(primo, e) || !angoloCorda(secondo, s))
        return 0;
    return tangente(primo[kKind], e, true) == tangente(secondo[kKind], s, false) ? 1 : 0;
}

int calcola_s_angolo(const ElementTable& percorso, int i)
{
    if (!percorso.hasRow(i))
        return 0;
    const ElementRow& r = percorso.row(i);
    const Corda c = cordaDi(r);
    double a;
    if (!gradiDaCoseno(c, a))
        return 0;
    // The chord turned by half a circle: the backward direction.
    a = avvolgi(a + 180);
    if (c.y2 < c.y1)
        a = 360 - a;
    return platform::CInt(tangente(r[kKind], a, false));
}

int calcola_e_angolo(const ElementTable& percorso, int i)
{
    if (!percorso.hasRow(i))
        return 0;
    const ElementRow& r = percorso.row(i);
    double a;
    if (!angoloCorda(r, a))
        return 0;
    return platform::CInt(tangente(r[kKind], a, true));
}

int angolo_iniziale_percorso(const Catena& percorso)
{
    const int n = std::min(percorso.q, percorso.righe.rowCount());
    for (int j = 0; j < n; ++j)
        if (haDirezione(percorso.righe.row(j)))
            return calcola_s_angolo(percorso.righe, j);
    return 0;
}

int angolo_finale_percorso(const Catena& percorso)
{
    const int n = std::min(percorso.q, percorso.righe.rowCount());
    for (int j = n - 1; j >= 0; --j)
        if (haDirezione(percorso.righe.row(j)))
            return calcola_e_angolo(percorso.righe, j);
    return 0;
}

} // namespace esportazione
